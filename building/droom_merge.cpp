// The design-room tool's snapping and free-space search: gathers the walls
// and rooms of the current floor and hands them to the geometry of
// building/droom_fit.h.
#include <vector>

#include "building/droom_fit.h"
#include "building/droom_settings.h"
#include "building/droom_tool.h"
#include "building/wall_faces.h"
#include "model/flist.h"
#include "platform/services.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"

using droom::Box;

namespace {

Box BoxOf(const TObj& e) { return {e.X1, e.Y1, e.X2, e.Y2}; }

// The walls of the current floor as the merging sees them.
std::vector<droom::MergeWall> MergeWalls() {
  std::vector<droom::MergeWall> walls;
  for (int32 i = 0; i < DrawingList.Count(); ++i) {
    const TObj* e = DrawingList.At(i);
    if (e->Floor != CurrentView || !building::IsOrthogonalWall(*e)) continue;
    if (auto* w = dynamic_cast<const TExtwallobj*>(e); w && e->Kind == kind::ExtWall) {
      walls.push_back({building::ExtWallInnerFace(*w), building::IsHorizontalWall(*e)});
    } else if (auto* iw = dynamic_cast<const TInwallobj*>(e); iw && e->Kind == kind::InWall) {
      if (e->Marked == 1) continue;
      const auto faces = building::InWallFaces(*iw);
      walls.push_back({droom::SpanBetween(faces[0], faces[1]), building::IsHorizontalWall(*e)});
    }
  }
  return walls;
}

// The boxes of the design rooms of the current floor but one.
std::vector<Box> RoomBoxes(int32 except) {
  std::vector<Box> rooms;
  for (int32 i = 0; i < DrawingList.Count(); ++i) {
    const TObj* e = DrawingList.At(i);
    if (i == except || e->Floor != CurrentView || !kind::IsDesignRoomKind(e->Kind)) continue;
    rooms.push_back(BoxOf(*e));
  }
  return rooms;
}

}  // namespace

void TDRoomobjtool::MergeRoom(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                              int32 Y) {
  LastPointer = ClickToDrawing(dc, client, X, Y);
  TRoomobj* room = SelectedRoom();
  if (!room) return;
  const int32 m = droom::ReadMergingDistance();
  const int32 s = droom::RoomWallSize(CurrentView);
  const droom::Shape shape{BoxOf(*room), room->RoomWidth, room->RoomHeight};
  const Box merged = droom::MergeBox(shape, m, s, MergeWalls(), RoomBoxes(SelectedIndex));
  room->X1 = merged.left;
  room->Y1 = merged.top;
  room->X2 = merged.right;
  room->Y2 = merged.bottom;
  X1 = merged.left;
  Y1 = merged.top;
  X2 = merged.right;
  Y2 = merged.bottom;
}

void TDRoomobjtool::AlignToRooms(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                                 int32 Y) {
  LastPointer = ClickToDrawing(dc, client, X, Y);
  TRoomobj* room = SelectedRoom();
  if (!room) return;
  const std::vector<Box> others = RoomBoxes(SelectedIndex);
  if (others.empty()) return;
  const int32 m = droom::ReadMergingDistance();
  const droom::Shape shape{BoxOf(*room), room->RoomWidth, room->RoomHeight};
  const Box aligned = droom::AlignBox(shape, m, others);
  room->X1 = aligned.left;
  room->Y1 = aligned.top;
  room->X2 = aligned.right;
  room->Y2 = aligned.bottom;
}

void TDRoomobjtool::FindFreeSpace(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                                  int32 Y) {
  const plat::Point p = ClickToDrawing(dc, client, X, Y);
  LastPointer = p;
  constexpr int32 kInformationRecords = 6;
  if (DrawingList.Count() <= kInformationRecords) {
    Step = roomstep::FreeSpaceFailed;
    return;
  }
  droom::FreeSpaceInput in;
  in.x = p.x;
  in.y = p.y;
  in.s = droom::RoomWallSize(CurrentView);
  WallSize = in.s;
  for (int32 i = kInformationRecords; i < DrawingList.Count(); ++i) {
    const TObj* e = DrawingList.At(i);
    if (e->Floor != CurrentView) continue;
    if (kind::IsDesignRoomKind(e->Kind)) {
      in.rooms.push_back(BoxOf(*e));
    } else if (auto* w = dynamic_cast<const TExtwallobj*>(e); w && e->Kind == kind::ExtWall) {
      in.externalFaces.push_back(building::ExtWallInnerFace(*w));
    } else if (auto* iw = dynamic_cast<const TInwallobj*>(e); iw && e->Kind == kind::InWall) {
      for (const building::Face& f : building::InWallFaces(*iw)) in.internalFaces.push_back(f);
    }
  }
  const droom::FreeSpaceResult r = droom::FindFreeSpace(in);
  if (r.failure == droom::FreeSpaceFailure::Blocked) {
    Step = roomstep::FreeSpaceFailed;
    return;
  }
  if (r.failure == droom::FreeSpaceFailure::Angled) {
    Step = roomstep::FreeSpaceAngled;
    return;
  }
  cfg::Write(ProgramFile(cfgfile::ClearSpan),
             plat::Format("%d %d", r.space.right - r.space.left, r.space.top - r.space.bottom));
}
