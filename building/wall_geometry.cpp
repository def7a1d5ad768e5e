#include "building/wall_geometry.h"

#include <cmath>
#include <cstdlib>

#include "model/rounding.h"
#include "tools/linetool.h"

namespace bearing {

int32 Opposite(int32 a) {
  int32 r = a - HalfTurn;
  if (r < 0) r += FullTurn;
  return r;
}

int32 Of(plat::Point a, plat::Point b) {
  if (a.x == b.x || a.y == b.y) {
    if (b.x > a.x) return Right;
    if (a.x > b.x) return Left;
    return a.y <= b.y ? Up : Down;
  }
  return SlopedBearing(a.x, a.y, b.x, b.y);
}

int32 Length(plat::Point a, plat::Point b) {
  const double dx = std::abs(double(b.x) - a.x);
  const double dy = std::abs(double(b.y) - a.y);
  if (dx == 0) return TruncToInt(dy);
  if (dy == 0) return TruncToInt(dx);
  return TruncToInt(std::sqrt(dx * dx + dy * dy));
}

}  // namespace bearing

namespace {

// The wall code's sine and cosine of tenths of a degree.
double Rad(int32 tenths) { return tenths * kWallRadiansPerTenth; }

// Offsets are far below 2^31 for any wall that fits a sheet; a damaged
// value must still not overflow.
int32 Add(int32 a, long long b) { return TruncToInt(double(a) + double(b)); }

}  // namespace

int32 WallRound(double v) {
  // A hair above the value, so that 2.05 (stored as 2.04999...) counts as
  // the 2.05 it was written as.
  const int32 hundredths = TruncToInt(v * 100.0 + 1e-7);
  const int32 q = hundredths / 100;
  return hundredths % 100 > 4 ? q + 1 : q;
}

plat::Point InwardNormal(int32 a) {
  switch (a) {
    case bearing::Up: return {1, 0};
    case bearing::Right: return {0, -1};
    case bearing::Down: return {-1, 0};
    default: return {0, 1};
  }
}

plat::Point FreeLayerPoint(plat::Point e, int32 a, int32 depth) {
  if (bearing::IsOrthogonal(a)) {
    const plat::Point n = InwardNormal(a);
    return {Add(e.x, 1LL * depth * n.x), Add(e.y, 1LL * depth * n.y)};
  }
  // The angle between the wall and the nearest vertical.
  int32 r;
  if (a < bearing::Right)
    r = a;
  else if (a < bearing::Down)
    r = bearing::Down - a;
  else if (a < bearing::Left)
    r = a - bearing::Down;
  else
    r = bearing::FullTurn - a;
  const int32 ox = TruncToInt(depth * std::cos(Rad(r)));
  const int32 oy = TruncToInt(depth * std::sin(Rad(r)));
  if (a < bearing::Right) return {e.x + ox, e.y - oy};
  if (a < bearing::Down) return {e.x - ox, e.y - oy};
  if (a < bearing::Left) return {e.x - ox, e.y + oy};
  return {e.x + ox, e.y + oy};
}

plat::Point OutlineCornerOrthogonal(plat::Point p, int32 line, int32 neighbour, int32 d) {
  if (neighbour == bearing::Opposite(line)) return p;
  const plat::Point own = InwardNormal(line);
  p = {Add(p.x, -1LL * d * own.x), Add(p.y, -1LL * d * own.y)};
  if (neighbour != line) {
    const plat::Point other = InwardNormal(neighbour);
    p = {Add(p.x, -1LL * d * other.x), Add(p.y, -1LL * d * other.y)};
  }
  return p;
}

plat::Point OutlineCornerMitred(plat::Point p, int32 a, int32 b, int32 t) {
  const int32 A = a == 0 ? bearing::FullTurn : a;
  const int32 reversed = b < bearing::HalfTurn ? b + bearing::HalfTurn : b - bearing::HalfTurn;
  int32 h = A - reversed;
  if (h < 0) h += bearing::FullTurn;
  h /= 2;  // half the corner's opening
  const double cosBeta = std::cos(Rad(std::abs(h - bearing::Right)));
  // A line turning straight back (h 0, or 1800 when an up line's 0 was
  // taken as 3600) has no corner to mitre.
  if (h == 0 || std::abs(cosBeta) < kMinCornerCosine) return p;
  const double m = t / cosBeta;
  const int32 e0 = A - h;
  int32 g;
  if (e0 < bearing::Right)
    g = e0;
  else if (e0 < bearing::Left + 1)
    g = bearing::Down - e0;
  else
    g = bearing::FullTurn - e0;
  const double gr = Rad(std::abs(g));
  const int32 dx = WallRound(std::abs(std::sin(gr)) * m);
  const int32 dy = WallRound(std::abs(std::cos(gr)) * m);
  const int32 e = e0 < 0 ? e0 + bearing::FullTurn : e0;  // the outward bisector
  if (e < bearing::Right) return {p.x + dx, p.y + dy};
  if (e <= bearing::Down) return {p.x + dx, p.y - dy};
  if (e <= bearing::Left) return {p.x - dx, p.y - dy};
  return {p.x - dx, p.y + dy};
}

CornerMitre MitreOf(int32 a1, int32 a2) {
  CornerMitre c;
  const int32 r1 = a1 < bearing::HalfTurn ? a1 + bearing::HalfTurn : a1 - bearing::HalfTurn;
  int32 h = r1 - a2;
  if (h < 0) h += bearing::FullTurn;
  h /= 2;
  c.cosBeta = std::cos(Rad(std::abs(bearing::Right - h)));
  const int32 gamma =
      a2 > bearing::HalfTurn ? bearing::FullTurn - (a2 + h) : bearing::HalfTurn - (a2 + h);
  c.sinGamma = std::abs(std::sin(Rad(std::abs(gamma))));
  c.cosGamma = std::abs(std::cos(Rad(std::abs(gamma))));
  c.inward = a2 + h;
  if (c.inward > bearing::FullTurn) c.inward -= bearing::FullTurn;
  return c;
}

bool CornerMitre::Usable() const { return std::abs(cosBeta) >= kMinCornerCosine; }

plat::Point CornerMitre::Move(plat::Point p, int32 t) const {
  const double m = t / cosBeta;
  const int32 cx = TruncToInt(sinGamma * m);
  const int32 cy = TruncToInt(cosGamma * m);
  const bool east = inward < bearing::HalfTurn;
  const bool north = inward < bearing::Right || inward > bearing::Left;
  return {east ? p.x + cx : p.x - cx, north ? p.y + cy : p.y - cy};
}
