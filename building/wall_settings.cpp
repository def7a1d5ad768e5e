#include "building/wall_settings.h"

#include "platform/services.h"
#include "platform/ui.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"

int32 ExtWallSettings::FloorValue(int32 view, int32 fallback) const {
  if (view >= view::Ground && view <= view::SubFloor) return floorValues[view - view::Ground];
  return fallback;
}

bool ReadExtWallSettings(ExtWallSettings& s) {
  cfg::Reader in(ProgramFile(cfgfile::ExtWall.ForUnits()));
  if (!in.IsOpen()) return false;
  int32 v[14] = {};
  for (int32& x : v)
    if (!in.Int(x)) return false;
  // The construction dialogs give no layer beyond a metre (40 inches): a
  // layer beyond 24000 units (24 m, or 1000 inches) is a damaged file's, and
  // would carry the faces of every wall beyond what a drawing can hold.
  constexpr int32 kThickestLayer = 1000 * 24;
  for (int k = 0; k < 3; ++k)
    if (v[k] < 0 || v[k] > kThickestLayer) return false;
  ExtWallSettings r;
  r.layers = {v[0], v[1], v[2]};
  for (int i = 0; i < 6; ++i) r.floorValues[i] = v[3 + i];
  for (int i = 0; i < 4; ++i) r.extra[i] = v[9 + i];
  r.colour = static_cast<plat::COLORREF>(v[13]);
  s = r;
  return true;
}

bool WriteExtWallSettings(const ExtWallSettings& s) {
  const int32* f = s.floorValues;
  const int32* e = s.extra;
  return cfg::Write(ProgramFile(cfgfile::ExtWall.ForUnits()),
                    plat::Format("%d %d %d %d %d %d %d %d %d %d %d %d %d %d\n", s.layers.t1,
                                 s.layers.t2, s.layers.t3, f[0], f[1], f[2], f[3], f[4], f[5], e[0],
                                 e[1], e[2], e[3], static_cast<int32>(s.colour)));
}

void ReportExtWallSettingsMissing() {
  plat::ErrorBox("The wall construction file " + ShownFile(cfgfile::ExtWall.ForUnits()) +
                     " cannot be read.\nCopy it back from the program's own CFG folder, then "
                     "choose the walls again.",
                 plat::mbOK);
}

bool ReadExtWallSettingsOrReport(ExtWallSettings& s) {
  if (ReadExtWallSettings(s)) return true;
  ReportExtWallSettingsMissing();
  return false;
}

void ReportRoomWallSettingsMissing() {
  plat::ErrorBox("The room wall file " + ShownFile(cfgfile::RoomWalls.ForUnits()) +
                     " cannot be read: the outline is used as it was traced, without fitting it "
                     "to the design rooms.",
                 plat::mbOK);
}

int32 DrawWayForInnerSide(int32 side) {
  switch (side) {
    case innerside::Below: return drawway::Rightward;
    case innerside::Above: return drawway::Leftward;
    case innerside::Left: return drawway::Downward;
    case innerside::Right: return drawway::Upward;
    default: return drawway::None;
  }
}

namespace {

struct WallTypeRow {
  Layers metric, imperial;
  int32 nominalMetric, nominalImperial;
  const char* captionMetric;
  const char* captionImperial;
};

constexpr WallTypeRow kWallTypes[walltype::Count] = {
    {{0, 0, 0}, {0, 0, 0}, 1, 1, "Custom wall", "Custom wall"},
    {{110, 55, 110}, {108, 48, 108}, 275, 264, "Cavity wall 275 mm", "Cavity wall 11 in"},
    {{110, 55, 75}, {108, 48, 72}, 240, 228, "Brick veneer 240 mm", "Brick veneer 9 1/2 in"},
    {{230, 0, 0}, {216, 0, 0}, 230, 216, "Solid brick 230 mm", "Solid brick 9 in"},
    {{200, 0, 0}, {192, 0, 0}, 200, 192, "Walling 200 mm", "Walling 8 in"},
    {{150, 0, 0}, {144, 0, 0}, 150, 144, "Walling 150 mm", "Walling 6 in"},
    {{100, 0, 0}, {96, 0, 0}, 100, 96, "Walling 100 mm", "Walling 4 in"},
    {{75, 0, 0}, {72, 0, 0}, 75, 72, "Walling 75 mm", "Walling 3 in"},
};

const WallTypeRow& Row(int32 type) {
  return kWallTypes[type >= 0 && type < walltype::Count ? type : walltype::Custom];
}

}  // namespace

Layers LayersOfWallType(int32 type, bool metric) {
  return metric ? Row(type).metric : Row(type).imperial;
}

int32 WallTypeOf(const Layers& l, bool metric) {
  for (int32 t = walltype::Cavity; t < walltype::Count; ++t) {
    const Layers o = LayersOfWallType(t, metric);
    if (o.t1 == l.t1 && o.t2 == l.t2 && o.t3 == l.t3) return t;
  }
  return walltype::Custom;
}

int32 NominalThickness(int32 type, bool metric) {
  return metric ? Row(type).nominalMetric : Row(type).nominalImperial;
}

std::string WallTypeCaption(int32 type, bool metric) {
  return metric ? Row(type).captionMetric : Row(type).captionImperial;
}
