#include "platform/ink_dc.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace plat {

namespace {

constexpr double kPi = 3.14159265358979323846;

int ToInt(long long v) { return int(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

// The angle, in degrees counter-clockwise from the right, of the ray from the
// middle of an ellipse's box through a point, on the ellipse's own scale.
double RayAngle(double cx, double cy, double a, double b, Point p) {
  const double dx = p.x - cx, dy = -(p.y - cy);
  if (a <= 0.0 || b <= 0.0) return std::atan2(dy, dx) * 180.0 / kPi;
  return std::atan2(dy / b, dx / a) * 180.0 / kPi;
}

// Whether a polygon's points leave one line, so that it has an inside.
bool HasArea(const std::vector<Point>& pts) {
  const Point& a = pts[0];
  const Point* b = nullptr;
  for (const Point& p : pts) {
    if (p.x == a.x && p.y == a.y) continue;
    if (!b) {
      b = &p;
      continue;
    }
    if ((1LL * b->x - a.x) * (1LL * p.y - a.y) != (1LL * b->y - a.y) * (1LL * p.x - a.x))
      return true;
  }
  return false;
}

}  // namespace

InkDC::InkDC(DeviceContext& device) : device_(device) {
  device_.SetMapMode(MM_TEXT);
  device_.SetWindowOrg(0, 0);
  device_.SetViewportOrg(0, 0);
}

void InkDC::Add(Box b) {
  if (Clipped()) {
    const Rect c = Clip();
    b = {std::max<long long>(b.left, c.left), std::max<long long>(b.top, c.top),
         std::min<long long>(b.right, c.right), std::min<long long>(b.bottom, c.bottom)};
  }
  if (b.left >= b.right || b.top >= b.bottom) return;
  const Rect r{ToInt(b.left), ToInt(b.top), ToInt(b.right), ToInt(b.bottom)};
  if (!ink_) {
    ink_ = r;
    return;
  }
  ink_ = Rect{std::min(ink_->left, r.left), std::min(ink_->top, r.top),
              std::max(ink_->right, r.right), std::max(ink_->bottom, r.bottom)};
}

void InkDC::Outline(long long left, long long top, long long right, long long bottom) {
  const Pen pen = DevicePen();
  // A path that never leaves its point draws nothing, however wide the pen.
  if (pen.style == PS_NULL || (left == right && top == bottom)) return;
  // A pen lies across its path: half its width before the path's pixel,
  // the rest after it.
  const long long before = pen.width / 2, after = pen.width - before;
  Add({std::min(left, right) - before, std::min(top, bottom) - before,
       std::max(left, right) + after, std::max(top, bottom) + after});
}

void InkDC::Figure(Rect r) {
  if (r.IsEmpty()) return;
  // The outline runs along the box's last pixels inside it, as the
  // device's rectangles and ellipses are drawn, and the brush fills within
  // it; without one the brush fills the box.
  if (DevicePen().style != PS_NULL)
    Outline(r.left, r.top, 1LL * r.right - 1, 1LL * r.bottom - 1);
  else if (CurrentBrush().style != BS_NULL)
    Add({r.left, r.top, r.right, r.bottom});
}

void InkDC::DevLine(Point from, Point to) { Outline(from.x, from.y, to.x, to.y); }

void InkDC::DevRectangle(Rect r) { Figure(r); }

void InkDC::DevEllipse(Rect r) { Figure(r); }

void InkDC::DevRoundRect(Rect r, Size) { Figure(r); }

void InkDC::DevArc(Rect box, Point start, Point end) {
  if (box.IsEmpty()) return;
  // The points of the ellipse the arc passes: its ends and the ends of the
  // ellipse's axes it sweeps over, counter-clockwise from start to end (the
  // same ray at both ends is the whole ellipse).
  const double left = box.left, right = double(box.right) - 1;
  const double top = box.top, bottom = double(box.bottom) - 1;
  const double cx = (left + right) / 2, cy = (top + bottom) / 2;
  const double a = std::max(0.0, (right - left) / 2), b = std::max(0.0, (bottom - top) / 2);
  const double from = RayAngle(cx, cy, a, b, start);
  double span = RayAngle(cx, cy, a, b, end) - from;
  while (span <= 0.0) span += 360.0;
  while (span > 360.0) span -= 360.0;
  double minX = INFINITY, maxX = -INFINITY, minY = INFINITY, maxY = -INFINITY;
  auto take = [&](double degrees) {
    const double t = degrees * kPi / 180.0;
    const double x = cx + a * std::cos(t), y = cy - b * std::sin(t);
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
    minY = std::min(minY, y);
    maxY = std::max(maxY, y);
  };
  take(from);
  take(from + span);
  for (double axis = std::ceil(from / 90.0) * 90.0; axis < from + span; axis += 90.0) take(axis);
  Outline((long long)std::floor(minX), (long long)std::floor(minY), (long long)std::ceil(maxX),
          (long long)std::ceil(maxY));
}

void InkDC::DevPolygon(const std::vector<Point>& pts) {
  if (pts.empty()) return;
  long long left = pts[0].x, right = pts[0].x, top = pts[0].y, bottom = pts[0].y;
  for (const Point& p : pts) {
    left = std::min<long long>(left, p.x);
    right = std::max<long long>(right, p.x);
    top = std::min<long long>(top, p.y);
    bottom = std::max<long long>(bottom, p.y);
  }
  // The brush fills within the outline, and fills nothing of a polygon of
  // no area (its points on one line).
  if (DevicePen().style != PS_NULL)
    Outline(left, top, right, bottom);
  else if (CurrentBrush().style != BS_NULL && HasArea(pts))
    Add({left, top, right + 1, bottom + 1});
}

void InkDC::SelectDeviceFont() {
  Font font = CurrentFont();
  font.height = DeviceFontHeight();
  font.width = DeviceFontWidth();
  font.escapement = 0;
  device_.SelectFont(font);
}

Size InkDC::DevTextExtent(std::string_view text) {
  SelectDeviceFont();
  return device_.GetTextExtent(text);
}

TextMetrics InkDC::DevTextMetrics() {
  SelectDeviceFont();
  return device_.GetTextMetrics();
}

void InkDC::DevText(Point at, std::string_view text) {
  if (text.empty()) return;
  const Size extent = DevTextExtent(text);
  const TextMetrics metrics = DevTextMetrics();
  const Rect glyphs = device_.DeviceTextInk(text);
  // A text of no glyph that shows (spaces) leaves no ink.
  if (glyphs.IsEmpty()) return;
  // The glyphs, placed as the alignment places the text's cell along its
  // own direction, then turned about the reference point as the device
  // turns the text.
  const long long width = extent.cx, ascent = metrics.ascent, descent = metrics.descent;
  const unsigned align = GetTextAlign();
  const unsigned horizontal = align & TA_CENTER;
  const long long x0 = horizontal == TA_CENTER ? -width / 2 : horizontal == TA_RIGHT ? -width : 0;
  const unsigned vertical = align & TA_BASELINE;
  const long long baseline = vertical == TA_BASELINE ? 0
                             : vertical == TA_BOTTOM ? -descent
                                                     : ascent;
  const double cellX[2] = {double(x0 + glyphs.left), double(x0 + glyphs.right)};
  const double cellY[2] = {double(baseline + glyphs.top), double(baseline + glyphs.bottom)};
  // Turned clockwise on the device by the negative escapement (y runs down).
  const double t = -DeviceEscapement() / 10.0 * kPi / 180.0;
  const double c = std::cos(t), s = std::sin(t);
  double minX = INFINITY, maxX = -INFINITY, minY = INFINITY, maxY = -INFINITY;
  for (double x : cellX) {
    for (double y : cellY) {
      const double dx = x * c - y * s, dy = x * s + y * c;
      minX = std::min(minX, dx);
      maxX = std::max(maxX, dx);
      minY = std::min(minY, dy);
      maxY = std::max(maxY, dy);
    }
  }
  // Whole pixels: a quarter turn's rounding never loses one.
  Add({at.x + (long long)std::floor(minX + 1e-9), at.y + (long long)std::floor(minY + 1e-9),
       at.x + (long long)std::ceil(maxX - 1e-9), at.y + (long long)std::ceil(maxY - 1e-9)});
}

void InkDC::DevFillRect(Rect r, const Brush&) { Add({r.left, r.top, r.right, r.bottom}); }

}  // namespace plat
