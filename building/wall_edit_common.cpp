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

std::vector<int32> OpeningsInWall(const TFlist& list, int32 i) {
  std::vector<int32> ids;
  if (i < 0 || i >= list.Count()) return ids;
  const TObj& wall = *list.At(i);
  plat::Point a, b, c, d;
  if (!WallBand(wall, a, b, c, d)) return ids;
  const double vx = double(b.x) - a.x, vy = double(b.y) - a.y;
  const double len = std::sqrt(vx * vx + vy * vy);
  if (len == 0) return ids;
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
    if (!f || f->Kind != kind::OpeningFrame || f->Floor != wall.Floor || f->PointCount < 1) continue;
    bool all = true;
    for (int32 p = 0; p < f->PointCount && all; ++p) all = inside(f->PointX[p], f->PointY[p]);
    if (all && std::find(ids.begin(), ids.end(), f->LinkId) == ids.end()) ids.push_back(f->LinkId);
  }
  return ids;
}

namespace {

bool IsGroupId(int32 id) { return id > 0 && !(id >= kReservedIdFirst && id <= kReservedIdLast); }

bool IsWall(int32 k) { return kind::IsExtWallKind(k) || k == kind::InWall; }

}  // namespace

int32 DeleteWallWithGroup(TFlist& list, int32 i) {
  if (i < 6 || i >= list.Count()) return 0;
  const TObj& wall = *list.At(i);
  const int32 floor = wall.Floor;
  const int32 group = wall.LinkId;
  const std::vector<int32> openings = OpeningsInWall(list, i);
  std::vector<bool> gone(static_cast<std::size_t>(list.Count()), false);
  gone[static_cast<std::size_t>(i)] = true;
  for (int32 k = 6; k < list.Count(); ++k) {
    const TObj& e = *list.At(k);
    if (k == i || e.Floor != floor) continue;
    const bool ofWall = IsGroupId(group) && e.LinkId == group && !IsWall(e.Kind);
    const bool ofOpening = IsGroupId(e.LinkId) && !IsWall(e.Kind) &&
                           std::find(openings.begin(), openings.end(), e.LinkId) != openings.end();
    if (ofWall || ofOpening) gone[static_cast<std::size_t>(k)] = true;
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
