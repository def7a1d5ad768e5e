// The pixels of a one-pixel line as line-to sets them (the classic integer
// walk from the first end toward the second, the second left out), each with
// the on/off state of a broken pen's pattern. A line's ends come from a
// drawing's coordinates and may lie millions of pixels apart: only the
// stretch that can reach a given box is walked, entered at the very pixel,
// error term and pattern phase the whole walk would have there, so a line of
// any length costs what the box shows.
#pragma once

#include <algorithm>
#include <cstdint>

#include "platform/gdi_types.h"

namespace plat {

// On/off run lengths in pixels of a broken pen style (none: solid).
struct DashRuns {
  const int* runs = nullptr;
  int count = 0;
};

// Whether each pixel along a broken line is "on", pixel after pixel.
class DashWalker {
 public:
  explicit DashWalker(DashRuns d) : d_(d), left_(d.count ? d.runs[0] : 0) {}
  bool Next() {
    if (d_.count == 0) return true;
    const bool on = run_ % 2 == 0;
    if (--left_ == 0) {
      run_ = (run_ + 1) % d_.count;
      left_ = d_.runs[run_];
    }
    return on;
  }
  // As n calls of Next.
  void Skip(std::int64_t n) {
    if (d_.count == 0 || n <= 0) return;
    std::int64_t period = 0;
    for (int i = 0; i < d_.count; ++i) period += d_.runs[i];
    n %= period;
    while (n >= left_) {
      n -= left_;
      run_ = (run_ + 1) % d_.count;
      left_ = d_.runs[run_];
    }
    left_ -= int(n);
  }

 private:
  DashRuns d_;
  int run_ = 0;
  int left_;
};

// Visits (x, y, on) for the pixels of the line from a towards b whose step
// along the line's longer axis lies within keep's span on that axis (edges
// included); the other axis is left to the caller to clip.
template <class Visit>
void WalkLine(Point a, Point b, DashRuns style, Rect keep, Visit&& visit) {
  using i64 = std::int64_t;
  const i64 dx = b.x > a.x ? i64(b.x) - a.x : i64(a.x) - b.x;
  const i64 m = b.y > a.y ? i64(b.y) - a.y : i64(a.y) - b.y;  // the walk's -dy
  const int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
  const bool xMajor = dx >= m;
  const i64 steps = xMajor ? dx : m;
  // The steps whose pixel lies within keep along the longer axis.
  const i64 at = xMajor ? a.x : a.y;
  const int dir = xMajor ? sx : sy;
  const i64 lo = xMajor ? keep.left : keep.top, hi = xMajor ? keep.right : keep.bottom;
  i64 first = dir > 0 ? lo - at : at - hi;
  i64 last = dir > 0 ? hi - at : at - lo;
  first = std::max<i64>(first, 0);
  last = std::min(last, steps - 1);
  if (first > last) return;

  // The walk after `first` steps: the longer axis has moved every step, the
  // shorter one floor((2 minor k + major) / (2 major)) times; the error term
  // is dx (1 + y steps) - m (1 + x steps).
  const i64 major = xMajor ? dx : m, minor = xMajor ? m : dx;
  const i64 minorSteps =
      i64((__int128(2) * minor * first + major) / (__int128(2) * major));
  const i64 xSteps = xMajor ? first : minorSteps, ySteps = xMajor ? minorSteps : first;
  i64 x = a.x + sx * xSteps, y = a.y + sy * ySteps;
  // Each product may pass 64 bits; their difference stays near the line.
  i64 err = i64(__int128(dx) * (1 + ySteps) - __int128(m) * (1 + xSteps));
  DashWalker dash(style);
  dash.Skip(first);
  for (i64 k = first; k <= last; ++k) {
    visit(int(x), int(y), dash.Next());
    const i64 e2 = 2 * err;
    if (e2 >= -m) {
      err -= m;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
}

}  // namespace plat
