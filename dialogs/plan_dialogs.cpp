#include "dialogs/plan_dialogs.h"

#include "model/flist.h"
#include "model/queries_support.h"
#include "platform/services.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"
#include "tools/lineobj_geometry.h"

namespace {

constexpr int32 kOverlayAlone = 2;        // units digit: overlays with dimensions
constexpr int32 kOverlayNoDimensions = 3;  // ... without them
constexpr int32 kAlongVertical = 2700;

bool HasWalls(int32 v) {
  for (int32 i = 6; i < DrawingList.Count(); ++i)
    if (DrawingList.At(i)->Kind == kind::ExtWall && DrawingList.At(i)->Floor == v) return true;
  return false;
}

}  // namespace

void TTAreadlg::Compute() {
  metric = MetricUnits == 1;
  rows.clear();
  const struct {
    int32 view;
    const char* name;
  } floors[] = {{view::Basement, "Basement"},
                {view::Ground, "Ground floor"},
                {view::First, "First floor"},
                {view::Second, "Second floor"},
                {view::Third, "Third floor"}};
  for (const auto& f : floors)
    if (HasWalls(f.view)) rows.push_back({f.name, EnclosedFloorArea(DrawingList, f.view)});
}

int32 TTAreadlg::Total() const {
  long long sum = 0;
  for (const Row& r : rows) sum += r.area;
  return queries::ClampToInt32(sum);
}

void TTAreadlg::Describe(dlg::Form& f) {
  const char* unit = metric ? "sq. metres" : "sq. feet";
  f.Title("Floor Areas").Help("areas.htm");
  if (rows.empty()) f.Note("No floor has external walls yet.");
  for (const Row& r : rows) f.Note(plat::Format("%s: %d %s", r.floor.c_str(), r.area, unit));
  if (rows.size() > 1) f.Note(plat::Format("Total: %d %s", Total(), unit));
  f.Note("Areas are measured to the outside of the external walls and should be checked "
         "manually.");
}

void TTOverdlg::Read() {
  cfg::Reader in(ProgramFile(cfgfile::Overlay));
  int32* v[] = {&basement, &ground, &first, &second, &third, &basementWithGround};
  for (int32* x : v) *x = 0;
  for (int32* x : v)
    if (!in.Int(*x)) break;
  showDimensions = WallDisplayMode % 10 == kOverlayAlone ? 1 : 0;
}

bool TTOverdlg::Write() const {
  int32 v[6] = {basement, ground, first, second, third, basementWithGround};
  if (basementWithGround == 1)
    for (int i = 0; i < 5; ++i) v[i] = 0;
  bool any = false;
  for (int32 x : v) any = any || x == 1;
  if (!any) v[1] = 1;
  return cfg::Write(ProgramFile(cfgfile::Overlay), plat::Format("%d %d %d %d %d %d %d\n", v[0],
                                                                 v[1], v[2], v[3], v[4], v[5], 0));
}

int32 TTOverdlg::DisplayMode(int32 current) const {
  return current - current % 10 + (showDimensions == 1 ? kOverlayAlone : kOverlayNoDimensions);
}

void TTOverdlg::Describe(dlg::Form& f) {
  f.Title("Overlay Floors").Help("overlay.htm");
  f.Check("Basement", basement);
  f.Check("Ground floor", ground);
  f.Check("First floor", first);
  f.Check("Second floor", second);
  f.Check("Third floor", third);
  f.Check("Basement with the ground floor overlaid", basementWithGround);
  f.Check("Show dimensions on working floor", showDimensions);
}

void TTOffsetdlg::Read() {
  const queries::DimensionOffsets o = queries::ReadDimensionOffsets();
  cfg::Reader probe(ProgramFile(cfgfile::DimensionOffsets.ForUnits()));
  if (!probe.IsOpen()) return;  // the start values stand
  roomOffset = o.internal;
  wallOffset = o.external;
  overallOffset = o.overall;
  textDirection = o.direction == kAlongVertical ? kAlongVertical : 0;
  textSize = o.textSize;
  measureTextSize = o.roomDimensionTextSize;
  roomNameSize = o.roomNameTextSize;
}

bool TTOffsetdlg::Write() const {
  return cfg::Write(ProgramFile(cfgfile::DimensionOffsets.ForUnits()),
                    plat::Format("%d %d %d %d %d %d %d\n", roomOffset, wallOffset, overallOffset,
                                 textDirection, textSize, measureTextSize, roomNameSize));
}

void TTOffsetdlg::Describe(dlg::Form& f) {
  const bool metric = MetricUnits == 1;
  const int32 most = queries::MaxDimensionOffset();
  f.Title(metric ? "Dimension Settings (mm)" : "Dimension Settings (1/24 inch)").Help("dimens.htm");
  f.Integer("Room dimensions off the wall", roomOffset, 0, most);
  f.Integer("Wall dimensions off the wall", wallOffset, 0, most);
  f.Integer("Overall dimensions off the walls", overallOffset, 0, most * 2);
  f.Choice("Texts of vertical dimensions", textDirection,
           {{0, "Horizontal"}, {kAlongVertical, "Along the dimension"}});
  f.Integer("Wall dimension text size", textSize, 4, 72);
  f.Integer("Measured dimension and room size text size", measureTextSize, 4, 72);
  f.Integer("Room name text size", roomNameSize, 4, 72);
}

void TTRoomtextdlg::Describe(dlg::Form& f) {
  const bool metric = MetricUnits == 1;
  f.Title(metric ? "Room Texts (mm)" : "Room Texts (1/24 inch)").Help("rooms.htm");
  f.Integer("Room dimensions off the wall", roomOffset, 0, queries::MaxDimensionOffset());
  f.Choice("Depth text of a room", textDirection,
           {{0, "Horizontal"}, {kAlongVertical, "Along the dimension"}});
  f.Integer("Room text size", measureTextSize, 4, 72);
}
