// Walls as on a construction drawing: heavy face lines, and the band between
// the faces hatched with short lines in pairs (15 apart, one pair every 140
// logical units), or, for internal walls at an angle, with single vertical
// lines every 125 units.
//
// The hatch pairs are always drawn; the pair settings stored in the wall are
// left as they are, so drawing never changes what the drawing file holds.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "model/element_draw.h"
#include "model/elements.h"
#include "model/step_range.h"

using draw::L;

namespace {

constexpr int32 kPairGap = 15;    // from the first to the second line of a pair
constexpr int32 kPairStep = 125;  // from the second line of a pair to the next pair
constexpr int32 kPairPitch = kPairGap + kPairStep;
constexpr int32 kSinglePitch = 125;  // internal walls at an angle
constexpr double kRadiansPerTenth = 0.001745;

bool IsHorizontal(const TObj& w) { return w.Y1 == w.Y2; }
bool IsVertical(const TObj& w) { return w.X1 == w.X2; }

plat::COLORREF LineColour(const TObj& w, int32 highlight) {
  return highlight >= 1 ? OverlayColour : w.Colour;
}
plat::COLORREF HatchColour(const TObj& w, int32 highlight) {
  return highlight != 0 ? OverlayColour : w.Colour;
}
plat::Pen HatchPen(const TObj& w, int32 highlight) {
  return plat::Pen{plat::PS_SOLID, w.PenWidth * (ZoomUnits / 2), HatchColour(w, highlight)};
}

using i64 = std::int64_t;

// A logical coordinate held in 64 bits, so that sums of a damaged wall's
// values cannot overflow.
i64 W(int32 drawingUnits) { return L(drawingUnits); }

// Whether a coordinate lies within reach of a device.
constexpr i64 kCoordLimit = i64(1) << 30;
bool InReach(i64 v) { return v > -kCoordLimit && v < kCoordLimit; }

// ---- What the device shows -----------------------------------------------------------
//
// A wall's length comes from its file: hatching it whole could take millions
// of lines where the page shows a few dozen. Each loop below runs only over
// the steps whose lines can reach the device.

// The logical range the device shows along one axis, and its pixels per
// logical unit along it.
struct Shown {
  i64 lo, hi;
  double scale;
};

// The device's box, widened by the hatch pen's width and a little more.
plat::Rect ShownBox(const plat::DeviceContext& dc) {
  return dc.VisibleBox(dc.DevicePen().width + 2);
}
Shown AlongX(const plat::DeviceContext& dc, const plat::Rect& box) {
  return {box.left, box.right, dc.DeviceScaleX()};
}
Shown AlongY(const plat::DeviceContext& dc, const plat::Rect& box) {
  return {box.top, box.bottom, dc.DeviceScaleY()};
}

// Steps closer together than a device pixel (a plan zoomed far out to a
// wall of a damaged file's length) all land on the same pixels: every
// stride-th of them still covers each pixel, and no more are drawn than the
// device has pixels across.
i64 StrideFor(i64 pitch, double scale) {
  const double pixels = double(pitch) * scale;
  if (!(pixels > 0.0) || pixels >= 1.0) return 1;
  return i64(std::min(1.0 / pixels, 1e12));
}

// The steps i (0 <= i < n) whose lines lie within [at + minOff, at + maxOff]
// along the axis, at = start + dir x pitch x i, and meet the range shown;
// every stride-th of them is drawn.
struct Steps {
  i64 first, last;  // none when first > last
  i64 stride;
};
Steps StepsShown(i64 n, i64 start, int32 dir, i64 pitch, i64 minOff, i64 maxOff, Shown shown) {
  const row::Range r = row::Within(start, dir, pitch, shown.lo - maxOff, shown.hi - minOff);
  return {std::max<i64>(r.first, 0), std::min(r.last, n - 1), StrideFor(pitch, shown.scale)};
}

// Pairs of lines over a span: one pair every 140 units, the first at the
// start (span / 140 + 1 pairs, none when that is 0 or less); only the pairs
// within the range shown are drawn. line(a, b) draws one line for the
// running values a and b, which move together by dir x 15 to the second
// line of the pair and by dir x 125 on to the next pair.
template <class LineFn>
void DrawPairs(i64 span, i64 a, i64 b, int32 dir, Shown shown, LineFn line) {
  const i64 n = span / kPairPitch + 1;
  const i64 d = b - a, gap = dir * kPairGap;
  const Steps steps = StepsShown(n, a, dir, kPairPitch, std::min({i64(0), d, gap, gap + d}),
                                 std::max({i64(0), d, gap, gap + d}), shown);
  for (i64 i = steps.first; i <= steps.last; i += steps.stride) {
    const i64 pa = a + dir * kPairPitch * i, pb = b + dir * kPairPitch * i;
    for (const i64 off : {i64(0), gap}) {
      if (!InReach(pa + off) || !InReach(pb + off)) return;
      line(int32(pa + off), int32(pb + off));
    }
  }
}

// A real coordinate as a logical one; false when it is not a number or lies
// beyond anything a device could take (no hatching is drawn then).
bool ToCoord(double v, int32& out) {
  constexpr double kLimit = 1 << 30;
  if (!std::isfinite(v) || v >= kLimit || v <= -kLimit) return false;
  out = static_cast<int32>(v);  // truncates toward zero
  return true;
}

// sin and cos of an angle in tenths of a degree. False when the sine is 0:
// the angled hatching divides by it (a wall running straight up or down
// whose end points are not exactly above each other).
bool Trig(int32 tenths, double& s, double& c) {
  const double r = tenths * kRadiansPerTenth;
  s = std::sin(r);
  c = std::cos(r);
  return s != 0.0 && std::isfinite(s);
}

// ---- The four quadrants of a wall's bearing --------------------------------------
//
// Each describes how the hatching walks along a wall at an angle: the angle
// whose sine and cosine give the slope, the x direction of the walk, the sign
// of the y step, and whether the count loses its last line when that line
// would reach below the bottom of the sheet.
struct Walk {
  int32 slopeAngle;
  int32 xDir;  // +1 toward +x, -1 toward -x
  int32 yDir;  // +1: y grows by dy per step, -1: it falls
  bool trimLast;
};

// Internal walls hang their lines from one face; startOnRight: the second
// face is taken as the start when the first face's start lies to its right
// (else when it lies to its left); either way also when the second face's
// start is higher.
struct InwallWalk {
  Walk walk;
  bool startOnRight;
};

// 2700 exactly belongs to no quadrant (such a wall gets no hatching).
bool InwallQuadrant(int32 angle, InwallWalk& q) {
  if (angle < 900)
    q = {{angle, +1, +1, false}, true};
  else if (angle < 1800)
    q = {{1800 - angle, +1, -1, true}, false};
  else if (angle < 2700)
    q = {{angle - 1800, -1, -1, true}, true};
  else if (angle > 2700)
    q = {{3600 - angle, -1, +1, false}, false};
  else
    return false;
  return true;
}

// External walls: pairs of lines; where the first line of the first pair
// starts (sign of off), where a pair's second line starts from its first
// (sign of off), and which way the lines run (sign of len).
struct ExtwallWalk {
  Walk walk;
  int32 offStart;
  int32 secondOff;
  int32 lenDir;
};

ExtwallWalk ExtwallQuadrant(int32 angle) {
  if (angle < 900) return {{angle, +1, +1, false}, -1, +1, -1};
  if (angle < 1800) return {{1800 - angle, +1, -1, true}, +1, -1, -1};
  if (angle < 2700) return {{angle - 1800, -1, -1, false}, +1, -1, +1};
  return {{3600 - angle, -1, +1, true}, +1, +1, -1};
}

// The slope of a walk: len = t / sin, dy = pitch x cos / sin, and the count
// of steps from xs toward xe (trimmed as the walk says). False when the wall
// gets no hatching.
struct Slope {
  double sin = 0, dy = 0;
  int32 len = 0;
  int32 n = 0;
};

bool SlopeOf(const Walk& w, i64 t, int32 pitch, int32 xs, int32 ys, int32 xe, Slope& out) {
  double c;
  if (!Trig(w.slopeAngle, out.sin, c)) return false;
  if (!ToCoord(t / out.sin, out.len)) return false;
  out.dy = pitch * c / out.sin;
  out.n = int32((w.xDir > 0 ? i64(xe) - xs : i64(xs) - xe) / pitch);
  if (w.trimLast) {
    int32 drop;
    if (!ToCoord(out.n * out.dy, drop)) return false;
    if (double(ys) - drop < out.len) --out.n;
  }
  return true;
}

// y + d as a logical coordinate (false when out of reach).
bool Shift(int32 y, double d, int32& out) { return ToCoord(double(y) + d, out); }

// ---- Internal walls -----------------------------------------------------------------

void HatchInwallHorizontal(plat::DeviceContext& dc, const TInwallobj& w, i64 t) {
  const int32 x1 = L(w.X1), x2 = L(w.X2), y1 = L(w.Y1), y2 = L(w.Line2Y2);
  const i64 xa = std::min(x1, x2), xb = std::max(x1, x2);
  const int32 yt = std::max(y1, y2), yb = std::min(y1, y2);
  const i64 a = xa + t;
  DrawPairs(xb - a - t, a, xa + 2 * t, +1, AlongX(dc, ShownBox(dc)),
            [&](int32 p, int32 q) { draw::Line(dc, p, yt, q, yb); });
}

void HatchInwallVertical(plat::DeviceContext& dc, const TInwallobj& w, i64 t) {
  const int32 x1 = L(w.X1), x2 = L(w.Line2X2), y1 = L(w.Y1), y2 = L(w.Y2);
  const int32 xa = std::min(x1, x2), xb = std::max(x1, x2);
  const i64 yt = std::max(y1, y2), yb = std::min(y1, y2);
  const i64 a = yt - t;
  DrawPairs(a - yb - t, a, yt - 2 * t, -1, AlongY(dc, ShownBox(dc)),
            [&](int32 p, int32 q) { draw::Line(dc, xa, p, xb, q); });
}

// Single vertical lines every 125 units, hanging len down from the face.
void HatchInwallAngled(plat::DeviceContext& dc, const TInwallobj& w, i64 t) {
  InwallWalk q;
  if (!InwallQuadrant(w.Angle, q)) return;
  int32 xs = L(w.X1), ys = L(w.Y1);
  const int32 xe = L(w.X2), l2x = L(w.Line2X1), l2y = L(w.Line2Y1);
  if ((q.startOnRight ? xs > l2x : xs < l2x) || l2y > ys) {
    xs = l2x;
    ys = l2y;
  }
  Slope s;
  if (!SlopeOf(q.walk, t, kSinglePitch, xs, ys, xe, s)) return;
  // Line i stands at xs + dir x 125 x (i + 1).
  const Steps steps = StepsShown(s.n, i64(xs) + q.walk.xDir * kSinglePitch, q.walk.xDir,
                                 kSinglePitch, 0, 0, AlongX(dc, ShownBox(dc)));
  double y = ys + q.walk.yDir * s.dy * double(steps.first);
  for (i64 i = steps.first; i <= steps.last; i += steps.stride) {
    const int32 x = int32(xs + q.walk.xDir * kSinglePitch * (i + 1));
    y += q.walk.yDir * s.dy;
    int32 top, bottom;
    if (!ToCoord(y, top) || !Shift(top, -s.len, bottom)) return;
    draw::Line(dc, x, top, x, bottom);
    y += q.walk.yDir * s.dy * double(steps.stride - 1);  // past the lines left out
  }
}

// ---- External walls -----------------------------------------------------------------

// Pairs of vertical lines along an external wall at an angle, from (xs, ys)
// toward xe, for a band t wide.
void HatchExtwallAngled(plat::DeviceContext& dc, int32 angle, int32 xs, int32 ys, int32 xe, i64 t) {
  const ExtwallWalk e = ExtwallQuadrant(angle);
  Slope s;
  if (!SlopeOf(e.walk, t, kPairPitch, xs, ys, xe, s)) return;
  // The offset of a pair's second line: 15, or 14 where the product of the
  // sine and 15 / sine falls just short of 15.
  int32 off;
  if (!ToCoord(s.sin * (kPairGap / s.sin), off)) return;
  const double reach = double(e.lenDir) * s.len;
  // Pair i stands at xs + dir x (140 x i + 125) and 15 further on.
  const i64 gap = e.walk.xDir * kPairGap;
  const Steps steps =
      StepsShown(s.n, i64(xs) + e.walk.xDir * kPairStep, e.walk.xDir, kPairPitch,
                 std::min<i64>(0, gap), std::max<i64>(0, gap), AlongX(dc, ShownBox(dc)));
  double y = ys + e.walk.yDir * s.dy + e.offStart * off + e.walk.yDir * s.dy * double(steps.first);
  for (i64 i = steps.first; i <= steps.last; i += steps.stride) {
    int32 y1, end1, y2, end2;
    if (!ToCoord(y, y1) || !Shift(y1, reach, end1) || !Shift(y1, e.secondOff * off, y2) ||
        !Shift(y2, reach, end2))
      return;
    const int32 x = int32(xs + e.walk.xDir * (kPairPitch * i + kPairStep));
    draw::Line(dc, x, y1, x, end1);
    draw::Line(dc, int32(x + gap), y2, int32(x + gap), end2);
    y += e.walk.yDir * s.dy;
    y += e.walk.yDir * s.dy * double(steps.stride - 1);  // past the pairs left out
  }
}

// The outer band, between the face and the second line.
void HatchOuterBand(plat::DeviceContext& dc, const TExtwallobj& w) {
  const i64 t = W(w.Thickness1);
  const plat::Rect box = ShownBox(dc);
  if (IsHorizontal(w)) {
    const i64 xa = W(w.X1), xb = W(w.X2);
    const int32 y1 = L(w.Y1), y2 = L(w.Line2Y2);
    auto line = [&](int32 p, int32 q) { draw::Line(dc, p, y1, q, y2); };
    if (xb > xa)
      DrawPairs(xb - (xa + t) - t, xa + t, xa + 2 * t, +1, AlongX(dc, box), line);
    else if (xa > xb)
      DrawPairs((xa - t) - xb - t, xa - t, xa - 2 * t, -1, AlongX(dc, box), line);
  } else if (IsVertical(w)) {
    const int32 x = L(w.X1), xo = L(w.Line2X2);
    const i64 ya = W(w.Y1), yb = W(w.Y2);
    auto line = [&](int32 p, int32 q) { draw::Line(dc, x, p, xo, q); };
    if (yb > ya)
      DrawPairs((yb - t) - ya - t, yb - t, yb - 2 * t, -1, AlongY(dc, box), line);
    else if (ya > yb)
      DrawPairs(ya - (yb + t) - t, yb + t, yb + 2 * t, +1, AlongY(dc, box), line);
  } else {
    HatchExtwallAngled(dc, w.Angle, L(w.X1), L(w.Y1), L(w.X2), t);
  }
}

// The inner band of a cavity wall, between the third and the fourth line.
// The case is still chosen by the wall's own face line.
void HatchInnerBand(plat::DeviceContext& dc, const TExtwallobj& w) {
  const i64 t = W(w.Thickness2);
  const plat::Rect box = ShownBox(dc);
  if (IsHorizontal(w)) {
    const i64 xs = W(w.Line4X1), xe = W(w.Line4X2);
    const int32 ya = L(w.Line4Y2), yb = L(w.Line3Y2);
    auto line = [&](int32 p, int32 q) { draw::Line(dc, p, ya, q, yb); };
    if (xe > xs)
      DrawPairs(xe - (xs + t) - t, xs + t, xs, +1, AlongX(dc, box), line);
    else if (xs > xe)
      DrawPairs((xs - t) - xe - t, xs - t, xs, -1, AlongX(dc, box), line);
  } else if (IsVertical(w)) {
    const int32 xa = L(w.Line3X2), xb = L(w.Line4X2);
    const i64 t1 = W(w.Thickness1), c = W(w.CavityWidth);
    const i64 l2y = W(w.Line2Y2), l4y = W(w.Line4Y1);
    auto line = [&](int32 p, int32 q) { draw::Line(dc, xa, p, xb, q); };
    if (w.Y2 > w.Y1) {
      const i64 a = l2y - t1 - c;
      DrawPairs(a - l4y - t, a, a - t, -1, AlongY(dc, box), line);
    } else if (w.Y1 > w.Y2) {
      const i64 a = l2y + t1 + c;
      DrawPairs(l4y - a - t, a, a + t, +1, AlongY(dc, box), line);
    }
  } else {
    HatchExtwallAngled(dc, w.Angle, L(w.Line3X1), L(w.Line3Y1), L(w.Line3X2), t);
  }
}

}  // namespace

void TInwallobj::DrawDetailed(plat::DeviceContext& dc, int32 highlight) {
  {
    const plat::Pen heavy{PenStyle, PenWidth * ZoomUnits, LineColour(*this, highlight)};
    draw::ScopedPen pen(dc, heavy);
    draw::Line(dc, L(X1), L(Y1), L(X2), L(Y2));
    draw::Line(dc, L(Line2X1), L(Line2Y1), L(Line2X2), L(Line2Y2));
  }
  draw::ScopedPen pen(dc, HatchPen(*this, highlight));
  const i64 t = W(Thickness);
  if (IsHorizontal(*this))
    HatchInwallHorizontal(dc, *this, t);
  else if (IsVertical(*this))
    HatchInwallVertical(dc, *this, t);
  else
    HatchInwallAngled(dc, *this, t);
}

void TExtwallobj::DrawDetailed(plat::DeviceContext& dc, int32 highlight) {
  {
    const plat::Pen heavy{plat::PS_SOLID, PenWidth * ZoomUnits, LineColour(*this, highlight)};
    draw::ScopedPen pen(dc, heavy);
    draw::Line(dc, L(X1), L(Y1), L(X2), L(Y2));
    draw::Line(dc, L(Line2X1), L(Line2Y1), L(Line2X2), L(Line2Y2));
    if (CavityWidth > 0) {
      draw::Line(dc, L(Line3X1), L(Line3Y1), L(Line3X2), L(Line3Y2));
      draw::Line(dc, L(Line4X1), L(Line4Y1), L(Line4X2), L(Line4Y2));
    }
  }
  draw::ScopedPen pen(dc, HatchPen(*this, highlight));
  HatchOuterBand(dc, *this);
  // The inner leaf is hatched only behind a cavity wider than 2 units.
  if (CavityWidth > 2) HatchInnerBand(dc, *this);
}
