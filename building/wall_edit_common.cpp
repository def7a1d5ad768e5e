#include "building/wall_edit_common.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "building/wall_query.h"

namespace walledit {

const char* const kPickedAwayFromEnds =
    "This angled wall was picked away from both of its ends - click nearer the end to move";

bool PickedEnd(plat::Point start, plat::Point end, plat::Point p, WallEnd& which) {
  auto near = [](int32 a, int32 b) { return std::llabs(1LL * a - b) < kEndPick; };
  if (start.x == end.x) {
    const bool startLower = start.y <= end.y;
    const plat::Point lower = startLower ? start : end;
    const bool lowerMeant = near(lower.y, p.y);
    which = (lowerMeant == startLower) ? WallEnd::Start : WallEnd::End;
    return true;
  }
  if (start.y == end.y) {
    const bool startRight = start.x > end.x;
    const plat::Point right = startRight ? start : end;
    const bool rightMeant = near(right.x, p.x);
    which = (rightMeant == startRight) ? WallEnd::Start : WallEnd::End;
    return true;
  }
  auto gap = [&](plat::Point q) {
    return std::max(std::llabs(1LL * q.x - p.x), std::llabs(1LL * q.y - p.y));
  };
  const long long gs = gap(start), ge = gap(end);
  if (gs >= kEndPick && ge >= kEndPick) return false;
  which = gs <= ge ? WallEnd::Start : WallEnd::End;
  return true;
}

bool WallBand(const TObj& e, plat::Point& a, plat::Point& b, plat::Point& c, plat::Point& d) {
  a = {e.X1, e.Y1};
  b = {e.X2, e.Y2};
  if (auto* w = dynamic_cast<const TInwallobj*>(&e); w && e.Kind == kind::InWall) {
    c = {w->Line2X1, w->Line2Y1};
    d = {w->Line2X2, w->Line2Y2};
    return true;
  }
  if (auto* w = dynamic_cast<const TExtwallobj*>(&e); w && kind::IsExtWallKind(e.Kind)) {
    const Segment inner = InnerFace(*w);
    c = inner.a;
    d = inner.b;
    return true;
  }
  return false;
}

std::vector<OpeningRef> OpeningsInWall(const TFlist& list, int32 i) {
  std::vector<OpeningRef> refs;
  if (i < 0 || i >= list.Count()) return refs;
  const TObj& wall = *list.At(i);
  plat::Point a, b, c, d;
  if (!WallBand(wall, a, b, c, d)) return refs;
  const double vx = double(b.x) - a.x, vy = double(b.y) - a.y;
  const double len = std::sqrt(vx * vx + vy * vy);
  if (len == 0) return refs;
  const double ux = vx / len, uy = vy / len;
  // The normal toward the wall's other face, and the band's depth.
  double nx = -uy, ny = ux;
  double depth = (double(c.x) - a.x) * nx + (double(c.y) - a.y) * ny;
  if (depth < 0) {
    nx = -nx, ny = -ny, depth = -depth;
  }
  const double u = 2.0 * PixelScale * ZoomUnits;
  auto inside = [&](int32 x, int32 y) {
    const double along = (double(x) - a.x) * ux + (double(y) - a.y) * uy;
    const double across = (double(x) - a.x) * nx + (double(y) - a.y) * ny;
    return along > -u && along < len + u && across > -u && across < depth + u;
  };
  for (int32 k = 6; k < list.Count(); ++k) {
    const auto* f = dynamic_cast<const TPolyobj*>(list.At(k));
    if (!f || f->Kind != kind::OpeningFrame || f->Floor != wall.Floor || f->PointCount < 1)
      continue;
    bool all = true;
    for (int32 p = 0; p < f->PointCount && all; ++p) all = inside(f->PointX[p], f->PointY[p]);
    if (all)
      refs.push_back(
          {k, f->LinkId, f->Tag1, {f->PointX[0], f->PointY[0]}, {f->PointX[2], f->PointY[2]}});
  }
  return refs;
}

bool PartOfOpenings(const TObj& e, const std::vector<OpeningRef>& openings) {
  if (kind::IsWallKind(e.Kind)) return false;
  for (const OpeningRef& o : openings)
    if (IsPartOfOpening(e, o)) return true;
  return false;
}

namespace {

bool IsGroupId(int32 id) { return id > 0 && !(id >= kReservedIdFirst && id <= kReservedIdLast); }

bool IsWall(int32 k) { return kind::IsExtWallKind(k) || k == kind::InWall; }

// The floor's automatic dimensions are rebuilt by the plan window; they
// belong to no wall, whatever id they carry (the dimensioning tool's, which
// may be a wall's; 0; or, in some drawings, the floor's group base).
bool IsAutoDimension(int32 k) { return kind::IsArrowKind(k) || k == kind::Text34; }

// Where an element stands, for telling which wall it lies along: a text
// by its anchor, a polygon by its first point, anything else by the middle
// of its first two points.
plat::Point PlaceOf(const TObj& e) {
  if (kind::IsTextKind(e.Kind)) return {e.X1, e.Y1};
  if (const auto* p = dynamic_cast<const TPolyobj*>(&e); p && p->PointCount > 0)
    return {p->PointX[0], p->PointY[0]};
  return {e.X1 + (e.X2 - e.X1) / 2, e.Y1 + (e.Y2 - e.Y1) / 2};
}

double SegmentDistance(plat::Point p, plat::Point a, plat::Point b) {
  const double vx = double(b.x) - a.x, vy = double(b.y) - a.y;
  const double wx = double(p.x) - a.x, wy = double(p.y) - a.y;
  const double l2 = vx * vx + vy * vy;
  const double t = l2 > 0 ? std::clamp((wx * vx + wy * vy) / l2, 0.0, 1.0) : 0.0;
  return std::hypot(wx - t * vx, wy - t * vy);
}

double WallDistance(const TObj& wall, plat::Point p) {
  plat::Point a, b, c, d;
  if (!WallBand(wall, a, b, c, d)) return std::hypot(double(p.x) - wall.X1, double(p.y) - wall.Y1);
  return std::min(SegmentDistance(p, a, b), SegmentDistance(p, c, d));
}

// Whether e is a part of an opening of the floor (any frame's link id and
// element id together).
bool PartOfAnyOpening(const TFlist& list, const TObj& e) {
  if (e.Kind == kind::OpeningFrame) return true;
  for (int32 k = 6; k < list.Count(); ++k) {
    const TObj& f = *list.At(k);
    if (f.Kind != kind::OpeningFrame || f.Floor != e.Floor) continue;
    if (IsPartOfOpening(e, {k, f.LinkId, f.Tag1, {}, {}})) return true;
  }
  return false;
}

}  // namespace

bool OwnedByWall(const TFlist& list, int32 i, const TObj& e) {
  if (i < 0 || i >= list.Count()) return false;
  const TObj& wall = *list.At(i);
  const int32 id = wall.LinkId;
  if (!IsGroupId(id) || e.LinkId != id || e.Floor != wall.Floor || &e == &wall) return false;
  if (IsWall(e.Kind) || kind::IsRoomKind(e.Kind) || IsAutoDimension(e.Kind)) return false;
  if (PartOfAnyOpening(list, e)) return false;
  // Shared by several walls: the nearest one owns it.
  const plat::Point at = PlaceOf(e);
  const double own = WallDistance(wall, at);
  for (int32 k = 6; k < list.Count(); ++k) {
    const TObj& other = *list.At(k);
    if (k == i || !IsWall(other.Kind) || other.LinkId != id || other.Floor != wall.Floor) continue;
    if (WallDistance(other, at) < own) return false;
  }
  return true;
}

int32 DeleteWallWithGroup(TFlist& list, int32 i) {
  if (i < 6 || i >= list.Count()) return 0;
  const int32 floor = list.At(i)->Floor;
  const std::vector<OpeningRef> openings = OpeningsInWall(list, i);
  std::vector<bool> gone(static_cast<std::size_t>(list.Count()), false);
  gone[static_cast<std::size_t>(i)] = true;
  for (int32 k = 6; k < list.Count(); ++k) {
    const TObj& e = *list.At(k);
    if (k == i || e.Floor != floor) continue;
    if (PartOfOpenings(e, openings) || OwnedByWall(list, i, e))
      gone[static_cast<std::size_t>(k)] = true;
  }
  int32 removed = 0;
  for (int32 k = list.Count() - 1; k >= 6; --k) {
    if (!gone[static_cast<std::size_t>(k)]) continue;
    list.RemoveAt(k);
    ++removed;
  }
  return removed;
}

}  // namespace walledit
