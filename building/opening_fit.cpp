#include "building/opening_fit.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "building/opening_settings.h"
#include "building/wall_geometry.h"
#include "building/wall_query.h"
#include "model/rounding.h"

namespace {

constexpr double kDegreesPerRadianTenths = 572.9578;  // tenths of a degree per radian

// The two faces of a wall: A to B receives the insertion point (the wall's
// first line), C to D is the other one.
struct WallFaces {
  plat::Point a, b, c, d;
  int32 half = 0;  // half the band round each face
  int32 thickness = 0;
  int32 angle = 0;
  int32 wallClass = wallclass::External;
};

bool FacesOf(const TObj& e, WallFaces& f) {
  if (e.Kind == kind::ExtWall) {
    const auto* w = dynamic_cast<const TExtwallobj*>(&e);
    if (!w) return false;
    const Segment inner = InnerFace(*w);
    f.a = {w->X1, w->Y1};
    f.b = {w->X2, w->Y2};
    f.c = inner.a;
    f.d = inner.b;
    f.thickness = w->Thickness1 + w->CavityWidth + w->Thickness2;
    f.half = w->CavityWidth == 0 ? w->Thickness1 / 2 : f.thickness / 2;
    f.angle = w->Angle;
    f.wallClass = wallclass::External;
    return true;
  }
  if (e.Kind == kind::InWall) {
    const auto* w = dynamic_cast<const TInwallobj*>(&e);
    if (!w) return false;
    f.a = {w->X1, w->Y1};
    f.b = {w->X2, w->Y2};
    f.c = {w->Line2X1, w->Line2Y1};
    f.d = {w->Line2X2, w->Line2Y2};
    f.thickness = w->Thickness;
    f.half = w->Thickness / 2;
    f.angle = w->Angle;
    f.wallClass = wallclass::Internal;
    return true;
  }
  return false;
}

bool Within(int64_t v, int64_t centre, int64_t half) { return v >= centre - half && v <= centre + half; }
bool Between(int64_t v, int64_t lo, int64_t hi) { return v >= lo && v <= hi; }
bool StrictlyBetween(int64_t v, int64_t a, int64_t b) {
  return a < b ? (v > a && v < b) : (v > b && v < a);
}

bool IsOrthogonalAngle(int32 a) { return bearing::IsOrthogonal(a) || a == bearing::FullTurn; }

// The along-wall span an opening of width w needs round the cursor, as
// offsets from the cursor: [lo, hi] must lie on the wall. Kind 11 depends on
// the swing (the cursor marks the hinge end); false when the swing never
// fits a wall running this way.
bool AlongSpan(const OpeningRequest& r, bool across, int64_t& lo, int64_t& hi) {
  const int32 w = r.width;
  if (r.kind != openingkind::HangingDoor) {
    lo = -(w / 2);
    hi = w / 2;
    return true;
  }
  const int32 s = r.swing;
  if (across) {
    if (s == 5 || s == 6) { lo = 0; hi = w; return true; }
    if (s == 7 || s == 8) { lo = -w; hi = 0; return true; }
    return false;
  }
  if (s == 1 || s == 3) { lo = -w; hi = 0; return true; }
  if (s == 2 || s == 4) { lo = 0; hi = w; return true; }
  return false;
}

// A wall running straight across or up the screen.
bool FitOrthogonal(WallFaces f, plat::Point& p, int32& face, const OpeningRequest& r) {
  const bool across = f.a.y == f.b.y;
  const bool upright = f.a.x == f.b.x;
  if (!across && !upright) return false;
  // Coordinates across the wall (q) and along it (s).
  auto q = [&](plat::Point v) -> int64_t { return across ? v.y : v.x; };
  auto s = [&](plat::Point v) -> int64_t { return across ? v.x : v.y; };
  if (s(f.a) > s(f.b)) std::swap(f.a, f.b);
  int32 near = 0;
  if (Within(q(p), q(f.a), f.half))
    near = 1;
  else if (Within(q(p), q(f.c), f.half))
    near = 2;
  else
    return false;
  int64_t lo = 0, hi = 0;
  if (!AlongSpan(r, across, lo, hi)) return false;
  // The whole opening lies on both faces: at a corner the face the opening
  // is marked on may run on past the other one, under the neighbouring wall.
  const int64_t from = std::max(s(f.a), std::min(s(f.c), s(f.d)));
  const int64_t to = std::min(s(f.b), std::max(s(f.c), s(f.d)));
  if (!Between(s(p) + lo, from, to) || !Between(s(p) + hi, from, to)) return false;

  if (f.wallClass == wallclass::External) {
    (across ? p.y : p.x) = static_cast<int32>(q(f.a));
    face = near == 1 ? cursorface::Insertion : cursorface::Other;
    return true;
  }
  // An internal wall takes the point on the face on the left of its run.
  int32 left = 1;
  const int32 angle = f.angle == bearing::FullTurn ? bearing::Up : f.angle;
  const int64_t qa = q(f.a), qc = q(f.c);
  if (angle == bearing::Right || angle == bearing::Down)
    left = qa >= qc ? 1 : 2;  // the larger y, or the larger x
  else
    left = qa <= qc ? 1 : 2;  // the smaller y, or the smaller x
  (across ? p.y : p.x) = static_cast<int32>(left == 1 ? qa : qc);
  face = near == left ? cursorface::Insertion : cursorface::Other;
  return true;
}

// The point at `along` from s in the direction of the slope frame, each
// part rounded as a length and then given the quadrant's sign.
plat::Point AlongFrom(plat::Point s, const SlopeFrame& fr, double along) {
  return {s.x + fr.sx * RoundToInt(fr.sin * along), s.y + fr.sy * RoundToInt(fr.cos * along)};
}

double Distance(plat::Point a, plat::Point b) {
  return std::hypot(static_cast<double>(a.x) - b.x, static_cast<double>(a.y) - b.y);
}

// The signed distance of p from the line a-b, positive on the side of c.
double Across(plat::Point a, plat::Point b, plat::Point c, plat::Point p) {
  const double ux = static_cast<double>(b.x) - a.x, uy = static_cast<double>(b.y) - a.y;
  const double len = std::hypot(ux, uy);
  if (len == 0) return 0;
  auto side = [&](plat::Point v) { return (ux * (v.y - a.y) - uy * (v.x - a.x)) / len; };
  const double d = side(p);
  return side(c) < 0 ? -d : d;
}

// How far p lies along a-b from a.
double Along(plat::Point a, plat::Point b, plat::Point p) {
  const double ux = static_cast<double>(b.x) - a.x, uy = static_cast<double>(b.y) - a.y;
  const double len = std::hypot(ux, uy);
  if (len == 0) return 0;
  return ((p.x - a.x) * ux + (p.y - a.y) * uy) / len;
}

// A sloped wall: the cursor must lie in the box of its faces; the point
// goes onto the face (external walls: face 1; internal walls: the upper
// face for walls running right, the lower one otherwise).
bool FitSloped(const WallFaces& f, plat::Point& p, int32& face) {
  const plat::Point p0 = p;
  const bool inX = StrictlyBetween(p.x, f.a.x, f.b.x) || StrictlyBetween(p.x, f.c.x, f.d.x);
  const bool inY = StrictlyBetween(p.y, f.a.y, f.b.y) || StrictlyBetween(p.y, f.c.y, f.d.y);
  if (!inX || !inY) return false;
  // The cursor must lie on the wall's band, as on a straight wall: from
  // half a band outside the face to half a band beyond the other face.
  const double across = Across(f.a, f.b, f.c, p0);
  const double depth = Across(f.a, f.b, f.c, f.c);
  if (across < -f.half || across > depth + f.half) return false;

  const SlopeFrame fr = SlopeOf(f.angle);
  if (f.wallClass == wallclass::External) {
    const bool inBox = Between(p.x, std::min(f.a.x, f.b.x), std::max(f.a.x, f.b.x)) &&
                       Between(p.y, std::min(f.a.y, f.b.y), std::max(f.a.y, f.b.y));
    if (!inBox) return false;
    const int32 h = RoundToInt(f.thickness / fr.cos) / 2;
    const bool upperHalf = f.angle < bearing::Right || f.angle >= bearing::Left;
    const int32 e = upperHalf ? RoundToInt(fr.sin * (p.y - f.a.y) / fr.cos)
                              : RoundToInt(fr.sin * (f.a.y - p.y) / fr.cos);
    const int64_t faceX = f.angle < bearing::Down ? 1LL * f.a.x + e : 1LL * f.a.x - e;
    const bool other = upperHalf ? p.x > faceX + h : p.x < faceX - h;
    face = other ? cursorface::Other : cursorface::Insertion;
    const double dx = std::max(1, std::abs(p.x - f.a.x));
    const double dy = std::max(1, std::abs(p.y - f.a.y));
    const int32 cursorBearing = TruncToInt(900 - std::atan(dy / dx) * kDegreesPerRadianTenths);
    if (cursorBearing != fr.reduced) {
      const double along =
          std::cos((cursorBearing - fr.reduced) * kWallRadiansPerTenth) * std::hypot(dx, dy);
      p = AlongFrom(f.a, fr, along);
    }
    return true;
  }

  const plat::Point a1 = AlongFrom(f.a, fr, Distance(p, f.a));
  const plat::Point c1 = AlongFrom(f.c, fr, Distance(p, f.c));
  int32 near = 0;
  if (std::abs(p.x - a1.x) <= f.half && std::abs(p.y - a1.y) <= f.half)
    near = 1;
  else if (std::abs(p.x - c1.x) <= f.half && std::abs(p.y - c1.y) <= f.half)
    near = 2;
  else
    return false;
  const int64_t ya = 1LL * f.a.y + f.b.y, yc = 1LL * f.c.y + f.d.y;
  int32 target = 0;
  if (ya == yc)
    target = near == 1 ? 2 : 1;
  else if (f.angle >= 1 && f.angle <= 1799)
    target = ya > yc ? 1 : 2;
  else
    target = ya < yc ? 1 : 2;
  if (target == near) {
    p = near == 1 ? a1 : c1;
  } else {
    // The same place along the wall on the other face.
    const plat::Point s = target == 1 ? f.a : f.c;
    const plat::Point e = target == 1 ? f.b : f.d;
    p = AlongFrom(s, fr, Along(s, e, near == 1 ? a1 : c1));
  }
  face = target == near ? cursorface::Insertion : cursorface::Other;
  return true;
}

// A hanging door marked at its hinge end: the point moves to the middle.
void MoveHingeToMiddle(plat::Point& p, int32 angle, const OpeningRequest& r) {
  const int32 w = r.width, s = r.swing;
  if (IsOrthogonalAngle(angle)) {
    if (s == 5 || s == 6) p.x += w / 2;
    if (s == 7 || s == 8) p.x -= w / 2;
    if (s == 1 || s == 3) p.y -= w / 2;
    if (s == 2 || s == 4) p.y += w / 2;
    return;
  }
  const SlopeFrame fr = SlopeOf(angle);
  const int32 ds = RoundToInt(w * fr.sin * 0.5);
  const int32 dc = RoundToInt(w * fr.cos * 0.5);
  if (angle < bearing::Right || (angle >= bearing::Down && angle < bearing::Left)) {
    const bool back = s == 1 || s == 3 || s == 7 || s == 8;
    p.x += back ? -ds : ds;
    p.y += back ? -dc : dc;
  } else {
    const bool first = s == 1 || s == 3 || s == 5 || s == 6;
    p.x += first ? ds : -ds;
    p.y += first ? -dc : dc;
  }
}

// The whole opening must lie along both faces of a sloped wall, as it must
// on a straight one.
bool FitsAlongSloped(const WallFaces& f, plat::Point middle, int32 width, int32 face) {
  (void)face;
  const plat::Point s = f.a, e = f.b;
  const double along = Along(s, e, middle);
  const double alongC = Along(s, e, f.c), alongD = Along(s, e, f.d);
  const double from = std::max(0.0, std::min(alongC, alongD));
  const double to = std::min(Distance(s, e), std::max(alongC, alongD));
  const double half = width / 2;
  return along - half >= from - 0.5 && along + half <= to + 0.5;
}

}  // namespace

SlopeFrame SlopeOf(int32 angle) {
  SlopeFrame f;
  if (angle < bearing::Right) {
    f.reduced = angle;
  } else if (angle < bearing::Down) {
    f.reduced = bearing::Down - angle;
    f.sy = -1;
  } else if (angle < bearing::Left) {
    f.reduced = angle - bearing::Down;
    f.sx = f.sy = -1;
  } else {
    f.reduced = bearing::FullTurn - angle;
    f.sx = -1;
  }
  f.sin = std::sin(f.reduced * kWallRadiansPerTenth);
  f.cos = std::cos(f.reduced * kWallRadiansPerTenth);
  return f;
}

OpeningFit FitOpening(const TFlist& list, int32 floor, plat::Point cursor,
                      const OpeningRequest& r) {
  OpeningFit fit;
  for (int32 i = 0; i < list.Count(); ++i) {
    const TObj& e = *list.At(i);
    if (e.Floor != floor) continue;
    WallFaces f;
    if (!FacesOf(e, f)) continue;
    plat::Point p = cursor;
    int32 face = cursorface::Insertion;
    if (IsOrthogonalAngle(f.angle)) {
      if (!FitOrthogonal(f, p, face, r)) continue;
      if (r.kind == openingkind::HangingDoor) MoveHingeToMiddle(p, f.angle, r);
    } else {
      if (!FitSloped(f, p, face)) continue;
      if (r.kind == openingkind::HangingDoor) MoveHingeToMiddle(p, f.angle, r);
      if (!FitsAlongSloped(f, p, r.width, face)) continue;
    }
    fit.wallIndex = i;
    fit.point = p;
    fit.cursorFace = face;
    fit.wallClass = f.wallClass;
    fit.thickness = f.thickness;
    fit.angle = f.angle;
    return fit;
  }
  return fit;
}
