// The external-wall tool's two measurements for the plan window: the
// distance to the next wall end in an arrow's direction (the default of the
// distance question), and the clearance between the walls and the design
// rooms (the default when the base is enlarged or shrunk).
#include <algorithm>
#include <climits>
#include <cstdlib>

#include "building/extwall_tool.h"
#include "building/wall_query.h"

namespace {

// Arrow directions of the plan window.
constexpr int32 kUp = 1, kRight = 2, kDown = 3, kLeft = 4;
// A clearance of this or more counts as none.
constexpr long long kNoClearance = 300001;

template <class Fn>
void ForEachWall(Fn fn) {
  for (int32 i = 6; i < DrawingList.Count(); ++i) {
    auto* w = dynamic_cast<const TExtwallobj*>(DrawingList.At(i));
    if (w && w->Kind == kind::ExtWall && w->Floor == CurrentView) fn(*w);
  }
}

}  // namespace

void TExtwallobjtool::MeasureToNearestWallEnd() {
  const int32 tol = 3 * PixelScale;
  // Before the first step the end is the start point.
  plat::Point end = (X2 == 0 && Y2 == 0) ? plat::Point{X1, Y1} : plat::Point{X2, Y2};
  bool snapped = false;
  ForEachWall([&](const TExtwallobj& w) {
    if (snapped) return;
    if (Near({w.X1, w.Y1}, end, tol)) {
      end = {w.X1, w.Y1};
      snapped = true;
    } else if (Near({w.X2, w.Y2}, end, tol)) {
      end = {w.X2, w.Y2};
      snapped = true;
    }
  });
  if (snapped || X2 != 0 || Y2 != 0) {
    X2 = end.x;
    Y2 = end.y;
  }

  long long best = LLONG_MAX;
  ForEachWall([&](const TExtwallobj& w) {
    const plat::Point a{w.X1, w.Y1}, b{w.X2, w.Y2};
    long long d = -1;
    switch (WallDirection) {
      case kUp: {
        const plat::Point r = a.y <= b.y ? a : b;
        if (std::abs(r.x - end.x) < tol && r.y > end.y) d = 1LL * r.y - end.y;
        break;
      }
      case kRight: {
        const plat::Point r = a.x <= b.x ? a : b;
        if (std::abs(r.y - end.y) < tol && r.x > end.x) d = 1LL * r.x - end.x;
        break;
      }
      case kDown: {
        const plat::Point r = a.y >= b.y ? a : b;
        if (std::abs(r.x - end.x) < tol && r.y < end.y) d = 1LL * end.y - r.y;
        break;
      }
      case kLeft: {
        const plat::Point r = a.x >= b.x ? a : b;
        if (std::abs(r.y - end.y) < tol && r.x < end.x) d = 1LL * end.x - r.x;
        break;
      }
      default: break;
    }
    if (d > 0) best = std::min(best, d);
  });
  Distance = best == LLONG_MAX || best > INT32_MAX ? 0 : static_cast<int32>(best);
}

void TExtwallobjtool::MeasureRoomClearance() {
  const long long x = 1LL * Distance * PixelScale;
  const long long y = 1LL * Y2 * PixelScale;
  long long best = kNoClearance;
  ForEachWall([&](const TExtwallobj& w) {
    const long long tw = 1LL * w.Thickness1 + w.CavityWidth + w.Thickness2;
    const bool vertical = w.X1 == w.X2, horizontal = w.Y1 == w.Y2;
    for (int32 i = 0; i < DrawingList.Count(); ++i) {
      const TObj* r = DrawingList.At(i);
      if (r->Kind != kind::Room && r->Kind != kind::Room29001) continue;
      long long c = kNoClearance;
      switch (Direction) {
        case kUp:
          if (vertical && w.Y1 > y) c = w.Y1 - tw - r->Y1;
          break;
        case kRight:
          if (horizontal && w.X1 > x) c = w.X1 - tw - r->X2;
          break;
        case kDown:
          if (vertical && w.Y1 < y) c = r->Y2 - w.Y1 - tw;
          break;
        case kLeft:
          if (horizontal && w.X1 < x) c = r->X1 - w.X1 - tw;
          break;
        default: break;
      }
      best = std::min(best, c);
    }
  });
  Distance = best >= kNoClearance ? 0 : static_cast<int32>(std::max<long long>(best, INT32_MIN));
}
