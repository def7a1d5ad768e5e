// What the internal-wall tool measures for the keyboard drawing: whether a
// run starts on a wall face, and how far the next wall face lies in the
// direction of an arrow key.
#include <algorithm>
#include <cstdlib>

#include "building/inwall_tool.h"
#include "building/wall_query.h"
#include "model/flist.h"

namespace {

// A start this close to a face (drawing units, either way) lies on it.
constexpr int32 kOnFace = 30;
// Distances from here on are no answer: the arrow keeps its last distance.
constexpr int32 kLongestMeasure = 34001;

enum Arrow { kUp = 1, kRight = 2, kDown = 3, kLeft = 4 };

// The face lines of a wall the keyboard drawing measures to: an internal
// wall's two lines, an external wall's inner face.
int FaceLines(const TObj& e, Segment out[2]) {
  if (auto* w = dynamic_cast<const TExtwallobj*>(&e); w && e.Kind == kind::ExtWall) {
    out[0] = InnerFace(*w);
    return 1;
  }
  if (auto* w = dynamic_cast<const TInwallobj*>(&e); w && e.Kind == kind::InWall) {
    out[0] = {{w->X1, w->Y1}, {w->X2, w->Y2}};
    out[1] = {{w->Line2X1, w->Line2Y1}, {w->Line2X2, w->Line2Y2}};
    return 2;
  }
  return 0;
}

// A level or plumb line that p lies on within kOnFace.
bool OnAlignedFace(plat::Point p, const Segment& s) {
  const int32 t = kOnFace;
  if (s.a.y == s.b.y) {
    const int32 xl = std::min(s.a.x, s.b.x), xh = std::max(s.a.x, s.b.x);
    return std::abs(p.y - s.a.y) < t && p.x > xl - t && p.x < xh + t;
  }
  if (s.a.x == s.b.x) {
    const int32 yl = std::min(s.a.y, s.b.y), yh = std::max(s.a.y, s.b.y);
    return std::abs(p.x - s.a.x) < t && p.y > yl - t && p.y < yh + t;
  }
  return inwallgeo::OnLine(p, s.a, s.b, t);
}

}  // namespace

void TInwallobjtool::TestStartOnFace() {
  SavedStep = 1;
  const plat::Point p{X1, Y1};
  RunStart = p;
  SegmentStart = p;
  for (int32 i = 0; i < DrawingList.Count(); ++i) {
    const TObj& e = *DrawingList.At(i);
    if (e.Floor != CurrentView) continue;
    Segment lines[2];
    int n = FaceLines(e, lines);
    if (n == 0) continue;
    if (e.Kind == kind::ExtWall) {
      // The outer face counts as well as the inner one.
      lines[1] = lines[0];
      lines[0] = {{e.X1, e.Y1}, {e.X2, e.Y2}};
      n = 2;
    }
    for (int k = 0; k < n; ++k) {
      if (OnAlignedFace(p, lines[k])) {
        SavedStep = 0;
        return;
      }
    }
  }
}

void TInwallobjtool::MeasureToNextFace() {
  const int32 d = WallDirection;
  if (d < kUp || d > kLeft) return;
  int32 s = Spacing;
  if (ReadSpacing(s)) Spacing = s;

  if (Step == toolstep::MoveInWall) {
    // The picked wall moves across itself only: a level wall up or down, a
    // plumb one left or right. Nothing is measured.
    if (Y1 == inwallmark::WrongMoveArrow) Y1 = 0;  // the last arrow's answer
    const int32 i = PickedIndex();
    if (i < 6 || i >= DrawingList.Count()) return;
    const TObj& w = *DrawingList.At(i);
    const bool upDown = d == kUp || d == kDown;
    if ((upDown && w.Y1 != w.Y2) || (!upDown && w.X1 != w.X2)) Y1 = inwallmark::WrongMoveArrow;
    return;
  }
  if (FirstArrowChecked == 0) {
    const bool upDown = d == kUp || d == kDown;
    if ((secondline::IsAcross(SecondLineSide) && upDown) ||
        (secondline::IsBeside(SecondLineSide) && !upDown)) {
      Y1 = inwallmark::WrongArrow;
      return;
    }
    FirstArrowChecked = 2;
  }

  const plat::Point p{X1, Y1};
  const bool vertical = d == kUp || d == kDown;
  const bool forward = d == kUp || d == kRight;
  const int32 from = vertical ? p.y : p.x;
  bool found = false;
  int32 best = 0;
  auto consider = [&](int32 c, int32 margin) {
    const bool beyond = forward ? c > from + margin : c < from - margin;
    if (!beyond) return;
    if (!found || (forward ? c < best : c > best)) best = c;
    found = true;
  };
  for (int32 i = 6; i < DrawingList.Count(); ++i) {
    const TObj& e = *DrawingList.At(i);
    if (e.Floor != CurrentView) continue;
    Segment lines[2];
    const int n = FaceLines(e, lines);
    for (int k = 0; k < n; ++k) {
      const Segment& l = lines[k];
      const bool level = l.a.y == l.b.y, plumb = l.a.x == l.b.x;
      if (level && plumb) continue;
      if (vertical && level) {
        if (p.x > std::min(l.a.x, l.b.x) && p.x < std::max(l.a.x, l.b.x)) consider(l.a.y, s);
      } else if (!vertical && plumb) {
        if (p.y > std::min(l.a.y, l.b.y) && p.y < std::max(l.a.y, l.b.y)) consider(l.a.x, s);
      } else if (!level && !plumb) {
        int32 at = 0;
        if (!inwallgeo::RayCrossing(p, d, l.a, l.b, at)) continue;
        const bool second = k == 1;
        if (second && at < 1) continue;
        const int32 margin = (!second && forward) ? 2 * ZoomUnits : 2 * PixelScale;
        consider(at, margin);
      }
    }
  }
  if (!found) return;  // no wall that way: the last distance stays
  const int32 distance = forward ? best - from : from - best;
  if (distance < kLongestMeasure) Distance = distance;
}
