// The external-wall tool's command dispatch, the walls drawn one at a time,
// the copies of a floor and the end of a floor.
#include "building/extwall_tool.h"

#include "building/recentre.h"
#include "platform/ui.h"

namespace {

// A drawn wall must keep its face and its first layer line this far inside
// the sheet.
constexpr int32 kLowestCoordinate = 10;

bool InsideSheet(const WallDraft& d) {
  const plat::Point pts[] = {d.start, d.end, d.points.p[0], d.points.p[1]};
  for (const plat::Point& p : pts)
    if (p.x < kLowestCoordinate || p.y < kLowestCoordinate) return false;
  return true;
}

constexpr const char* kWallOffSheet =
    "This wall would reach beyond the edge of the drawing sheet - it was not drawn";
constexpr const char* kWallOfNoLength = "This wall would have no length - it was not drawn";

}  // namespace

WallDraft TExtwallobjtool::Draft() const {
  WallDraft d;
  d.start = {X1, Y1};
  d.end = {X2, Y2};
  d.angle = Angle;
  d.length = Tag1;
  d.drawWay = Direction;
  d.layers = WallLayers;
  for (int i = 0; i < 4; ++i) d.extra[i] = WallValues[i];
  d.colour = Colour;
  d.floorValue = FloorValue;
  d.linkId = LinkId;
  d.floor = WallFloor;
  d.points = Points;
  return d;
}

void TExtwallobjtool::TakeDraft(const WallDraft& d) {
  X1 = d.start.x;
  Y1 = d.start.y;
  X2 = d.end.x;
  Y2 = d.end.y;
  Angle = d.angle;
  Tag1 = d.length;
  WallLayers = d.layers;
  for (int i = 0; i < 4; ++i) WallValues[i] = d.extra[i];
  Colour = d.colour;
  FloorValue = d.floorValue;
  LinkId = d.linkId;
  WallFloor = d.floor;
  Points = d.points;
}

void TExtwallobjtool::Command(int32 code) {
  switch (code) {
    case extwallcmd::RoomClearance: MeasureRoomClearance(); break;
    case extwallcmd::NearestWallEnd: MeasureToNearestWallEnd(); break;
    case extwallcmd::CopyFloorBelow: CopyWalls(CurrentView - 1); break;
    case extwallcmd::CopyGroundToBasement: CopyWalls(CurrentView - 4); break;
    case extwallcmd::FinishFloor: FinishFloor(); break;
    case extwallcmd::BuildFromOutline: BuildFromOutline(); break;
    default: break;
  }
}

void TExtwallobjtool::AddElement(plat::DeviceContext& dc, const plat::Rect& client) {
  if (X1 == X2 && Y1 == Y2) {
    plat::ErrorBox(kWallOfNoLength, plat::mbCancel);
    return;
  }
  ExtWallSettings settings;
  if (!ReadExtWallSettingsOrReport(settings)) return;
  JoinPlan plan = PlanJoin(Draft(), DrawingList, settings, CurrentView);
  // Checked before anything is joined to it: a refused wall leaves its
  // neighbours and the group numbers alone.
  if (!InsideSheet(plan.wall)) {
    plat::ErrorBox(kWallOffSheet, plat::mbCancel);
    return;
  }
  DrawingList.UpdateUndoHistory(uoRecord, CurrentView);
  ApplyJoin(plan, DrawingList);
  plan.wall.seventh = plan.wall.end;
  plan.wall.seventhValue = plan.wall.floorValue;
  TakeDraft(plan.wall);
  TExtwallobj* wall = MakeWall(plan.wall);
  DrawingList.Add(wall);
  DrawingList.WriteDrawingFile(dtDrawing);
  wall->Paint(dc, client, 0);
}

void TExtwallobjtool::CreateWall() {
  if (X1 == X2 && Y1 == Y2) return;
  ViewState = 2;
  DrawingList.Add(MakeWall(Draft()));
  DrawingList.WriteDrawingFile(dtDrawing);
}

// The walls of another floor, in list order, each joined afresh with the
// construction of the settings file under a new group number.
void TExtwallobjtool::CopyWalls(int32 sourceView) {
  ExtWallSettings settings;
  if (!ReadExtWallSettingsOrReport(settings)) return;
  const int32 n = DrawingList.Count();
  FloorWalls walls(DrawingList, CurrentView);
  for (int32 i = 0; i < n; ++i) {
    auto* w = dynamic_cast<const TExtwallobj*>(DrawingList.At(i));
    if (!w || w->Kind != kind::ExtWall || w->Floor != sourceView) continue;
    WallDraft d;
    d.start = {w->X1, w->Y1};
    d.end = {w->X2, w->Y2};
    d.length = w->Tag1;
    d.angle = w->Angle;
    if (d.end.x > d.start.x)
      d.drawWay = drawway::Rightward;
    else if (d.start.x > d.end.x)
      d.drawWay = drawway::Leftward;
    else
      d.drawWay = d.start.y <= d.end.y ? drawway::Upward : drawway::Downward;
    if (d.start.x == d.end.x && d.start.y == d.end.y) continue;
    JoinPlan plan = PlanJoin(d, DrawingList, settings, walls);
    ApplyJoin(plan, DrawingList);
    Type = tooltype::ExtWall;
    TakeDraft(plan.wall);
    DrawingList.Add(MakeWall(plan.wall));
    walls.Appended(DrawingList);
  }
  ViewState = 2;
  DrawingList.WriteDrawingFile(dtDrawing);
}

void TExtwallobjtool::FinishFloor() {
  // The floors move together, so the house is centred by its ground floor
  // alone: a floor above centred on its own would pull the whole house off
  // the ground floor's centre (and each floor finished after the ground
  // floor, as a change of every floor's base does, would pull it again).
  if (CurrentView == view::Ground) RecentreFloors(recentre::AfterWalls);
  ComputeFloorArea();
}
