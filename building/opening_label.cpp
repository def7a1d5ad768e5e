#include "building/opening_label.h"

#include <cmath>

#include "building/opening_tool.h"
#include "building/wall_geometry.h"
#include "model/flist.h"
#include "model/rounding.h"
#include "platform/services.h"
#include "tools/measure_text.h"

namespace {

constexpr int32 kUnitsPerInch = 24;
constexpr int32 kInchesPerFoot = 12;
constexpr int32 kUnitsPerEighth = 3;

struct FeetInches {
  int32 feet = 0, inches = 0;
  bool hasFraction = false;
  int32 num = 0, den = 0;
};

FeetInches Split(int32 s) {
  FeetInches f;
  f.feet = (s / kUnitsPerInch) / kInchesPerFoot;
  f.inches = (s / kUnitsPerInch) % kInchesPerFoot;
  const int32 e = s % kUnitsPerInch;
  f.hasFraction = EighthsFraction(e / kUnitsPerEighth * kUnitsPerEighth, f.num, f.den);
  return f;
}

// Label offsets from the face: a and b, metric and imperial.
constexpr int32 kOffsetAMetric = 50, kOffsetBMetric = 25;
constexpr int32 kOffsetAImperial = 48, kOffsetBImperial = 24;

}  // namespace

std::string OpeningSizeText(int32 width, int32 height, bool metric) {
  if (metric) return plat::Format("%d w x %d h", width, height);
  const FeetInches w = Split(width), h = Split(height);
  if (!w.hasFraction && !h.hasFraction)
    return plat::Format("%d' %d'' x %d' %d''", w.feet, w.inches, h.feet, h.inches);
  if (!h.hasFraction)
    return plat::Format("%d' %d %d/%d'' x %d' %d''", w.feet, w.inches, w.num, w.den, h.feet,
                        h.inches);
  if (!w.hasFraction)
    return plat::Format("%d' %d'' x %d' %d %d/%d''", w.feet, w.inches, h.feet, h.inches, h.num,
                        h.den);
  return plat::Format("%d' %d %d/%d'' x %d' %d %d/%d''", w.feet, w.inches, w.num, w.den, h.feet,
                      h.inches, h.num, h.den);
}

LabelPlacement SizeLabelPlacement(plat::Point p, int32 a, int32 d) {
  constexpr int32 kLeftAligned = 4, kRightAligned = 6;  // the two alignments labels use
  if (a == bearing::FullTurn) a = bearing::Up;
  switch (a) {
    case bearing::Right: return {{p.x, p.y + d}, 0, kRightAligned};
    case bearing::Left: return {{p.x, p.y - d}, 0, kLeftAligned};
    case bearing::Down: return {{p.x + d, p.y}, bearing::Left, kLeftAligned};
    case bearing::Up: return {{p.x - d, p.y}, bearing::Left, kRightAligned};
    default: break;
  }
  auto rs = [&](int32 base) { return RoundToInt(d * std::sin((a - base) * kWallRadiansPerTenth)); };
  auto rc = [&](int32 base) { return RoundToInt(d * std::cos((a - base) * kWallRadiansPerTenth)); };
  if (a < bearing::Right) return {{p.x - rc(0), p.y + rs(0)}, a + bearing::Left, kRightAligned};
  if (a < bearing::Down)
    return {{p.x + rs(bearing::Right), p.y + rc(bearing::Right)}, a - bearing::Right, kRightAligned};
  if (a < bearing::Left)
    return {{p.x + rc(bearing::Down), p.y - rs(bearing::Down)}, a + bearing::Right, kLeftAligned};
  return {{p.x - rs(bearing::Left), p.y - rc(bearing::Left)}, a - bearing::Left, kLeftAligned};
}

void TWindowobjtool::AddSizeLabel(plat::DeviceContext& dc, const plat::Rect& client) {
  WindowSettings w;
  if (!ReadWindowSettings(w)) return;
  ShowSizes = w.ShowSizes();
  ShowCill = w.ShowCill();
  const bool metric = MetricUnits == 1;
  const int32 a = metric ? kOffsetAMetric : kOffsetAImperial;
  const int32 b = metric ? kOffsetBMetric : kOffsetBImperial;
  const int32 d = a + b + (ShowCill == 1 ? a : 0);
  if (ShowSizes != 1 || OpeningKind > openingkind::WindowLast) return;
  const LabelPlacement at = SizeLabelPlacement(PlacePoint, WallAngle, d);
  const std::string text = OpeningSizeText(w.Width(), w.Height(), metric);
  const std::string& face = DrawingList.TextFontName;
  auto* label = new TTextobj(kind::WallLengthText, CurrentView, 0, NewElementId, at.at.x, at.at.y,
                             WallAngle, 0, 0, DrawingColour, 0, at.escapement, at.alignment, 0,
                             w.TextHeight(), TextWeight, face.c_str(), text.c_str());
  label->Paint(dc, client, 0);
  DrawingList.Add(label);
}
