#include "tools/dimension_geometry.h"

#include <cmath>

#include "model/queries_support.h"
#include "model/rounding.h"

namespace {

constexpr double kRadiansPerTenth = 0.001745;
constexpr int32 kShaft = 40, kHead = 20, kHalfHeadWidth = 10 / 2, kTick = 20;

double Rad(double tenths) { return tenths * kRadiansPerTenth; }
int32 T(double v) { return TruncToInt(v); }

// A point of an arrow: a wall's ends come from its file and may lie at the
// 32-bit limits, so the arrow's points are summed in 64 bits and held there.
plat::Point At(long long x, long long y) {
  return {queries::ClampToInt32(x), queries::ClampToInt32(y)};
}

}  // namespace

ArrowShape OrthogonalArrow(plat::Point p, char head) {
  const long long L = 1LL * kShaft * PixelScale, h = 1LL * kHead * PixelScale,
                  w = 1LL * kHalfHeadWidth * PixelScale, x = p.x, y = p.y;
  switch (head) {
    case arrowhead::Left:
      return {p, At(x + L, y), At(x + h, y + w), At(x + h, y - w), At(x, y + h), At(x, y - h)};
    case arrowhead::Right:
      return {p, At(x - L, y), At(x - h, y + w), At(x - h, y - w), At(x, y + h), At(x, y - h)};
    case arrowhead::Top:
      return {p, At(x, y - L), At(x - w, y - h), At(x + w, y - h), At(x - h, y), At(x + h, y)};
    default:
      return {p, At(x, y + L), At(x - w, y + h), At(x + w, y + h), At(x - h, y), At(x + h, y)};
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
      const double r = Rad(1800.0 - a);
      s = {T(off * std::cos(r)), T(off * std::sin(r)), a - 900, 6};
      break;
    }
    case 3: {
      const double r = Rad(2700.0 - a);
      s = {T(off * std::sin(r)), -T(off * std::cos(r)), a + 900, 4};
      break;
    }
    default: {
      const double r = Rad(3600.0 - a);
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
  const long long ex = e.x, ey = e.y;
  switch (SlopedQuadrant(a)) {
    case 1: {
      const double r = Rad(900.0 - a);
      tip = At(ex - T(off * std::sin(r)), ey + T(off * std::cos(r)));
      break;
    }
    case 2: {
      const double r = Rad(1800.0 - a);
      tip = At(ex + T(off * std::cos(r)), ey + T(off * std::sin(r)));
      break;
    }
    case 3: {
      const double r = Rad(2700.0 - a);
      tip = At(ex + T(off * std::sin(r)), ey - T(off * std::cos(r)));
      break;
    }
    default: {
      const double r = Rad(3600.0 - a);
      tip = At(ex - T(off * std::cos(r)), ey - T(off * std::sin(r)));
      break;
    }
  }
  const double ux = std::sin(Rad(a)), uy = std::cos(Rad(a));  // along the wall
  const double nx = -uy, ny = ux;                              // its left-hand normal
  const int32 sign = end == 1 ? 1 : -1;
  const double p = PixelScale;
  const long long x = tip.x, y = tip.y;
  const plat::Point shaftEnd =
      At(x + sign * T(kShaft * p * ux), y + sign * T(kShaft * p * uy));
  const long long hx = x + sign * T(kHead * p * ux), hy = y + sign * T(kHead * p * uy);
  const int32 wx = T(kHalfHeadWidth * p * nx), wy = T(kHalfHeadWidth * p * ny);
  const int32 tx = T(kTick * p * nx), ty = T(kTick * p * ny);
  return {tip, shaftEnd, At(hx + wx, hy + wy), At(hx - wx, hy - wy), At(x + tx, y + ty),
          At(x - tx, y - ty)};
}
