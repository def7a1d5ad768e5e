#include "tools/dimension_geometry.h"

#include <cmath>

#include "model/rounding.h"

namespace {

constexpr double kRadiansPerTenth = 0.001745;
constexpr int32 kShaft = 40, kHead = 20, kHalfHeadWidth = 10 / 2, kTick = 20;

double Rad(int32 tenths) { return tenths * kRadiansPerTenth; }
int32 T(double v) { return TruncToInt(v); }

}  // namespace

ArrowShape OrthogonalArrow(plat::Point p, char head) {
  const int32 L = kShaft * PixelScale, h = kHead * PixelScale, w = kHalfHeadWidth * PixelScale;
  switch (head) {
    case arrowhead::Left:
      return {p, {p.x + L, p.y}, {p.x + h, p.y + w}, {p.x + h, p.y - w}, {p.x, p.y + h}, {p.x, p.y - h}};
    case arrowhead::Right:
      return {p, {p.x - L, p.y}, {p.x - h, p.y + w}, {p.x - h, p.y - w}, {p.x, p.y + h}, {p.x, p.y - h}};
    case arrowhead::Top:
      return {p, {p.x, p.y - L}, {p.x - w, p.y - h}, {p.x + w, p.y - h}, {p.x - h, p.y}, {p.x + h, p.y}};
    default:
      return {p, {p.x, p.y + L}, {p.x - w, p.y + h}, {p.x + w, p.y + h}, {p.x - h, p.y}, {p.x + h, p.y}};
  }
}

int SlopedQuadrant(int32 a) {
  if (a < 900) return 1;
  if (a < 1800) return 2;
  if (a < 2700) return 3;
  return 4;
}

SlopedPlace SlopedDimensionPlace(int32 a, int32 off) {
  SlopedPlace s;
  switch (SlopedQuadrant(a)) {
    case 1: {
      const double r = Rad(a);
      s = {-T(off * std::cos(r)), T(off * std::sin(r)), a + 2700, 6};
      break;
    }
    case 2: {
      const double r = Rad(1800 - a);
      s = {T(off * std::cos(r)), T(off * std::sin(r)), a - 900, 6};
      break;
    }
    case 3: {
      const double r = Rad(2700 - a);
      s = {T(off * std::sin(r)), -T(off * std::cos(r)), a + 900, 4};
      break;
    }
    default: {
      const double r = Rad(3600 - a);
      s = {-T(off * std::cos(r)), -T(off * std::sin(r)), a - 2700, 4};
      break;
    }
  }
  return s;
}

int32 SlopedTextEscapement(int32 a, int32 escapement) {
  if (escapement <= 1) return 0;
  // Texts along steep walls running down to the right or up to the left
  // would read downward: half a turn makes them read upward, as vertical
  // dimension texts do.
  if ((a >= 1351 && a <= 1799) || (a >= 3151 && a <= 3599)) escapement += 1800;
  return escapement;
}

ArrowShape SlopedArrow(plat::Point e, int32 a, int end, int32 off) {
  plat::Point tip;
  switch (SlopedQuadrant(a)) {
    case 1: {
      const double r = Rad(900 - a);
      tip = {e.x - T(off * std::sin(r)), e.y + T(off * std::cos(r))};
      break;
    }
    case 2: {
      const double r = Rad(1800 - a);
      tip = {e.x + T(off * std::cos(r)), e.y + T(off * std::sin(r))};
      break;
    }
    case 3: {
      const double r = Rad(2700 - a);
      tip = {e.x + T(off * std::sin(r)), e.y - T(off * std::cos(r))};
      break;
    }
    default: {
      const double r = Rad(3600 - a);
      tip = {e.x - T(off * std::cos(r)), e.y - T(off * std::sin(r))};
      break;
    }
  }
  const double ux = std::sin(Rad(a)), uy = std::cos(Rad(a));  // along the wall
  const double nx = -uy, ny = ux;                              // its left-hand normal
  const int32 sign = end == 1 ? 1 : -1;
  const double p = PixelScale;
  const plat::Point shaftEnd{tip.x + sign * T(kShaft * p * ux), tip.y + sign * T(kShaft * p * uy)};
  const plat::Point headBase{tip.x + sign * T(kHead * p * ux), tip.y + sign * T(kHead * p * uy)};
  const int32 wx = T(kHalfHeadWidth * p * nx), wy = T(kHalfHeadWidth * p * ny);
  const int32 tx = T(kTick * p * nx), ty = T(kTick * p * ny);
  return {tip,
          shaftEnd,
          {headBase.x + wx, headBase.y + wy},
          {headBase.x - wx, headBase.y - wy},
          {tip.x + tx, tip.y + ty},
          {tip.x - tx, tip.y - ty}};
}
