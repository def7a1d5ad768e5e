#include "platform/dc.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace plat {

namespace {

// The 32-bit range of coordinates, as reals.
constexpr double kMin = -2147483648.0, kMax = 2147483647.0;
// An escapement of a whole turn, in tenths of a degree.
constexpr int kFullTurn = 3600;

// std::lround, without a library call for the values of device and logical
// coordinates (every point of every figure is rounded).
int RoundToInt(double v) {
  if (v > kMin && v < kMax) {
    const long long whole = static_cast<long long>(v);    // towards zero
    const double fraction = v - static_cast<double>(whole);  // exact
    return int(whole + (fraction >= 0.5) - (fraction <= -0.5));
  }
  return int(std::lround(v));
}

double Sign(int v) { return v < 0 ? -1.0 : 1.0; }

bool IsBrokenStyle(int style) {
  return style == PS_DASH || style == PS_DOT || style == PS_DASHDOT || style == PS_DASHDOTDOT;
}

}  // namespace

DeviceContext::DeviceContext() = default;
DeviceContext::~DeviceContext() = default;

// ---- Mapping -------------------------------------------------------------------

int DeviceContext::SetMapMode(int mode) {
  const int previous = mapMode_;
  if (mode == MM_TEXT || mode == MM_ISOTROPIC || mode == MM_ANISOTROPIC) mapMode_ = mode;
  UpdateScale();
  return previous;
}

Point DeviceContext::SetWindowOrg(int x, int y) {
  const Point previous = windowOrg_;
  windowOrg_ = {x, y};
  return previous;
}

// An extent of zero on either axis is refused (the old one stays), as the
// original platform refuses it: a window without client area would otherwise
// make every conversion a division by zero.
Point DeviceContext::SetWindowExt(int x, int y) {
  const Point previous{windowExt_.cx, windowExt_.cy};
  if (x != 0 && y != 0) windowExt_ = {x, y};
  UpdateScale();
  return previous;
}

Point DeviceContext::SetViewportOrg(int x, int y) {
  const Point previous = viewportOrg_;
  viewportOrg_ = {x, y};
  return previous;
}

Point DeviceContext::SetViewportExt(int x, int y) {
  const Point previous{viewportExt_.cx, viewportExt_.cy};
  if (x != 0 && y != 0) viewportExt_ = {x, y};
  UpdateScale();
  return previous;
}

// Device pixels per logical unit on each axis (signed). In isotropic mode
// both axes use the smaller of the two scales, as if the viewport extent had
// been shrunk on the other axis, keeping each axis' direction.
void DeviceContext::UpdateScale() {
  sx_ = sy_ = 1.0;
  if (mapMode_ == MM_TEXT) return;
  if (windowExt_.cx == 0 || windowExt_.cy == 0) return;
  sx_ = double(viewportExt_.cx) / windowExt_.cx;
  sy_ = double(viewportExt_.cy) / windowExt_.cy;
  if (mapMode_ == MM_ISOTROPIC) {
    const double s = std::min(std::fabs(sx_), std::fabs(sy_));
    sx_ = s * Sign(viewportExt_.cx) * Sign(windowExt_.cx);
    sy_ = s * Sign(viewportExt_.cy) * Sign(windowExt_.cy);
  }
}

Size DeviceContext::GetViewportExt() const {
  if (mapMode_ == MM_TEXT) return {1, 1};
  double sx, sy;
  ScaleFactors(sx, sy);
  return {RoundToInt(sx * windowExt_.cx), RoundToInt(sy * windowExt_.cy)};
}

Point DeviceContext::LPtoDP(Point p) const {
  double sx, sy;
  ScaleFactors(sx, sy);
  return {viewportOrg_.x + RoundToInt((p.x - double(windowOrg_.x)) * sx),
          viewportOrg_.y + RoundToInt((p.y - double(windowOrg_.y)) * sy)};
}

Point DeviceContext::DPtoLP(Point p) const {
  double sx, sy;
  ScaleFactors(sx, sy);
  if (sx == 0.0 || sy == 0.0) return windowOrg_;
  return {windowOrg_.x + RoundToInt((p.x - double(viewportOrg_.x)) / sx),
          windowOrg_.y + RoundToInt((p.y - double(viewportOrg_.y)) / sy)};
}

void DeviceContext::LPtoDP(Point* pts, int n) const {
  for (int i = 0; i < n; ++i) pts[i] = LPtoDP(pts[i]);
}

void DeviceContext::DPtoLP(Point* pts, int n) const {
  for (int i = 0; i < n; ++i) pts[i] = DPtoLP(pts[i]);
}

int DeviceContext::LengthToDevice(int logical) const {
  double sx, sy;
  ScaleFactors(sx, sy);
  return RoundToInt(std::fabs(logical * sx));
}

// ---- Objects and attributes -----------------------------------------------------

Pen DeviceContext::SelectPen(const Pen& pen) {
  Pen previous = pen_;
  pen_ = pen;
  return previous;
}

Brush DeviceContext::SelectBrush(const Brush& brush) {
  Brush previous = brush_;
  brush_ = brush;
  return previous;
}

Font DeviceContext::SelectFont(const Font& font) {
  Font previous = font_;
  font_ = font;
  return previous;
}

COLORREF DeviceContext::SetTextColor(COLORREF c) { return std::exchange(textColour_, c); }
COLORREF DeviceContext::SetBkColor(COLORREF c) { return std::exchange(bkColour_, c); }
int DeviceContext::SetBkMode(int mode) { return std::exchange(bkMode_, mode); }
unsigned DeviceContext::SetTextAlign(unsigned flags) { return std::exchange(textAlign_, flags); }
int DeviceContext::SetROP2(int rop) { return std::exchange(rop2_, rop); }
int DeviceContext::SetPolyFillMode(int mode) { return std::exchange(polyFillMode_, mode); }

Pen DeviceContext::DevicePen() const {
  Pen p = pen_;
  p.width = pen_.width == 0 ? 1 : std::max(1, LengthToDevice(pen_.width));
  // Broken styles exist only for one-pixel pens; wider ones draw solid.
  if (p.width > 1 && IsBrokenStyle(p.style)) p.style = PS_SOLID;
  return p;
}

int DeviceContext::DeviceFontHeight() const {
  if (font_.height == 0) return kDefaultFontHeight;
  double sx, sy;
  ScaleFactors(sx, sy);
  return std::max(1, RoundToInt(std::fabs(font_.height * sy)));
}

int DeviceContext::DeviceFontWidth() const {
  if (font_.width == 0) return 0;
  return std::max(1, LengthToDevice(font_.width));
}

int DeviceContext::DeviceEscapement() const {
  const bool axisTurnedOver = (sx_ < 0.0) != (sy_ < 0.0);
  // Whole turns change nothing, and within one turn the angle can be
  // negated whatever a damaged drawing gave the font.
  const int escapement = font_.escapement % kFullTurn;
  return axisTurnedOver && TextTurnsWithMapping() ? -escapement : escapement;
}

// ---- Primitives -------------------------------------------------------------------

Point DeviceContext::MoveTo(int x, int y) { return std::exchange(current_, Point{x, y}); }

void DeviceContext::LineTo(int x, int y) {
  const Point to{x, y};
  DevLine(LPtoDP(current_), LPtoDP(to));
  current_ = to;
}

Rect DeviceContext::BoxToDevice(int left, int top, int right, int bottom) const {
  const Point a = LPtoDP({left, top});
  const Point b = LPtoDP({right, bottom});
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

void DeviceContext::Rectangle(int left, int top, int right, int bottom) {
  DevRectangle(BoxToDevice(left, top, right, bottom));
}

void DeviceContext::Ellipse(int left, int top, int right, int bottom) {
  DevEllipse(BoxToDevice(left, top, right, bottom));
}

void DeviceContext::Arc(int left, int top, int right, int bottom, int xStart, int yStart,
                        int xEnd, int yEnd) {
  DevArc(BoxToDevice(left, top, right, bottom), LPtoDP({xStart, yStart}), LPtoDP({xEnd, yEnd}));
}

void DeviceContext::Polygon(const Point* pts, int n) {
  if (!pts || n < 2) return;
  std::vector<Point> device(pts, pts + n);
  LPtoDP(device.data(), n);
  DevPolygon(device);
}

void DeviceContext::RoundRect(int left, int top, int right, int bottom, int ellipseWidth,
                              int ellipseHeight) {
  double sx, sy;
  ScaleFactors(sx, sy);
  const Size corner{RoundToInt(std::fabs(ellipseWidth * sx)),
                    RoundToInt(std::fabs(ellipseHeight * sy))};
  DevRoundRect(BoxToDevice(left, top, right, bottom), corner);
}

void DeviceContext::TextOut(int x, int y, std::string_view text) {
  const bool updateCp = (textAlign_ & TA_UPDATECP) != 0;
  const Point at = updateCp ? current_ : Point{x, y};
  DevText(LPtoDP(at), text);
  if (updateCp && (textAlign_ & TA_CENTER) == TA_LEFT) {
    // Only left-aligned text moves the current position, along x.
    current_.x += GetTextExtent(text).cx;
  }
}

void DeviceContext::FillRect(int left, int top, int right, int bottom, const Brush& brush) {
  if (brush.style == BS_NULL) return;
  DevFillRect(BoxToDevice(left, top, right, bottom), brush);
}

Size DeviceContext::GetTextExtent(std::string_view text) {
  const Size d = DevTextExtent(text);
  double sx, sy;
  ScaleFactors(sx, sy);
  if (sx == 0.0 || sy == 0.0) return d;
  return {RoundToInt(d.cx / std::fabs(sx)), RoundToInt(d.cy / std::fabs(sy))};
}

Rect DeviceContext::DevTextInk(std::string_view text) {
  const Size extent = DevTextExtent(text);
  const TextMetrics metrics = DevTextMetrics();
  return {0, -metrics.ascent, extent.cx, extent.cy - metrics.ascent};
}

TextMetrics DeviceContext::GetTextMetrics() {
  TextMetrics m = DevTextMetrics();
  double sx, sy;
  ScaleFactors(sx, sy);
  if (sx == 0.0 || sy == 0.0) return m;
  const double fx = 1.0 / std::fabs(sx), fy = 1.0 / std::fabs(sy);
  m.height = RoundToInt(m.height * fy);
  m.ascent = RoundToInt(m.ascent * fy);
  m.descent = RoundToInt(m.descent * fy);
  m.externalLeading = RoundToInt(m.externalLeading * fy);
  m.aveCharWidth = RoundToInt(m.aveCharWidth * fx);
  m.maxCharWidth = RoundToInt(m.maxCharWidth * fx);
  return m;
}

void DeviceContext::SetClipBox(const Rect* logicalBox) {
  clipped_ = logicalBox != nullptr;
  if (!logicalBox) {
    DevSetClip(nullptr);
    return;
  }
  clip_ = BoxToDevice(logicalBox->left, logicalBox->top, logicalBox->right, logicalBox->bottom);
  DevSetClip(&clip_);
}

Rect DeviceContext::VisibleBox(int margin) const {
  const Size size = DeviceSize();
  if (size.cx <= 0 || size.cy <= 0) return {int(kMin), int(kMin), int(kMax), int(kMax)};
  Rect d{0, 0, size.cx, size.cy};
  if (clipped_) {
    d = {std::max(d.left, clip_.left), std::max(d.top, clip_.top),
         std::min(d.right, clip_.right), std::min(d.bottom, clip_.bottom)};
  }
  // In reals, held to 32 bits: a far zoomed-out mapping takes the device's
  // corners beyond them.
  double sx, sy;
  ScaleFactors(sx, sy);
  if (sx == 0.0 || sy == 0.0) return {int(kMin), int(kMin), int(kMax), int(kMax)};
  auto toLogical = [](double device, double deviceOrg, double logicalOrg, double scale) {
    return std::clamp(logicalOrg + (device - deviceOrg) / scale, kMin, kMax);
  };
  const double x1 = toLogical(double(d.left) - margin, viewportOrg_.x, windowOrg_.x, sx);
  const double x2 = toLogical(double(d.right) + margin, viewportOrg_.x, windowOrg_.x, sx);
  const double y1 = toLogical(double(d.top) - margin, viewportOrg_.y, windowOrg_.y, sy);
  const double y2 = toLogical(double(d.bottom) + margin, viewportOrg_.y, windowOrg_.y, sy);
  return {int(std::floor(std::min(x1, x2))), int(std::floor(std::min(y1, y2))),
          int(std::ceil(std::max(x1, x2))), int(std::ceil(std::max(y1, y2)))};
}

}  // namespace plat
