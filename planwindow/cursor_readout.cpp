// Pointer moves: the zoom-up box or the current tool follows the pointer,
// then the second status bar shows where the pointer lies from the window's
// reference point, in millimetres or in feet, inches and eighths.
#include <cmath>
#include <cstdlib>

#include "model/view_mapping.h"
#include "planwindow/childwin.h"
#include "planwindow/routing_support.h"
#include "platform/services.h"
#include "shell/mainform.h"

using namespace routing;

namespace {

// Within this many drawing units of the reference point, in both
// directions, length and bearing read 0.
constexpr int32 kNearReference = 24;
constexpr double kDegreesPerRadian = 57.29578;
constexpr int32 kUnitsPerInch = 24;
constexpr int32 kUnitsPerEighth = 3;
constexpr int32 kInchesPerFoot = 12;

// Feet (signed), inches and eighths of one axis, with the sign shown on the
// largest part that is not zero.
struct FeetInches {
  int32 feet = 0;
  int32 inches = 0;
  int32 num = 0;  // eighths as a fraction, 0/0 when none
  int32 den = 0;
};

// An eighths remainder (1/24 inch, whole eighths) as a reduced fraction.
void EighthsFraction(int32 e, int32& num, int32& den) {
  switch (e) {
    case 3: num = 1; den = 8; return;
    case 6: num = 1; den = 4; return;
    case 9: num = 3; den = 8; return;
    case 12: num = 1; den = 2; return;
    case 15: num = 5; den = 8; return;
    case 18: num = 3; den = 4; return;
    case 21: num = 7; den = 8; return;
    default: num = 0; den = 0; return;
  }
}

FeetInches FineAxis(int32 d, int32& eighths) {
  const std::div_t qr = std::div(d, kUnitsPerInch);
  eighths = std::abs(qr.rem) / kUnitsPerEighth * kUnitsPerEighth;
  const std::div_t fi = std::div(qr.quot, kInchesPerFoot);
  return {fi.quot, std::abs(fi.rem), 0, 0};
}

FeetInches CoarseAxis(int32 d) {
  const std::div_t fi = std::div(d / kUnitsPerInch, kInchesPerFoot);
  FeetInches r{fi.quot, std::abs(fi.rem), 0, 0};
  if (d < 0 && r.feet == 0) r.inches = -r.inches;
  return r;
}

std::string FineReadout(int32 dx, int32 dy, int32 lf, int32 li, double bearing) {
  int32 ex = 0, ey = 0;
  FeetInches h = FineAxis(dx, ex);
  FeetInches v = FineAxis(dy, ey);
  if (ex == 0 && ey == 0) {
    if (dx < 0 && h.feet == 0) h.inches = -h.inches;
    if (dy < 0 && v.feet == 0) v.inches = -v.inches;
    return plat::Format(" hor %d' %d'' x ver %d' %d'': leng %d' %d : degs %.1f", h.feet,
                        h.inches, v.feet, v.inches, lf, li, bearing);
  }
  EighthsFraction(ex, h.num, h.den);
  EighthsFraction(ey, v.num, v.den);
  auto sign = [](int32 d, FeetInches& a) {
    if (d < 0 && a.feet == 0) {
      a.inches = -a.inches;
      if (a.inches == 0) a.num = -a.num;
    }
  };
  sign(dx, h);
  sign(dy, v);
  if (ey == 0)
    return plat::Format(" hor %d' %d %d/%d: ver %d' %d: leng %d' %d: degs %.1f", h.feet,
                        h.inches, h.num, h.den, v.feet, v.inches, lf, li, bearing);
  if (ex == 0)
    return plat::Format(" hor %d' %d: ver %d' %d %d/%d: leng %d' %d: degs %.1f", h.feet,
                        h.inches, v.feet, v.inches, v.num, v.den, lf, li, bearing);
  return plat::Format("%d' %d %d/%d: %d' %d %d/%d: leng %d' %d: degs %.1f", h.feet, h.inches,
                      h.num, h.den, v.feet, v.inches, v.num, v.den, lf, li, bearing);
}

}  // namespace

void TMDIChild::MeasureFromReference(int32 x, int32 y, float* bearing, int32* length) const {
  const int32 rx = ReferenceX, ry = ReferenceY;
  if (x > rx - kNearReference && x < rx + kNearReference && y > ry - kNearReference &&
      y < ry + kNearReference) {
    *bearing = 0.0f;
    *length = 0;
    return;
  }
  const int32 ax = std::abs(x - rx);
  const int32 ay = std::abs(y - ry);
  const bool east = x > rx;
  const bool north = y > ry;
  if (ax == 0) {
    *bearing = north ? 0.0f : 180.0f;
    *length = ay;
    return;
  }
  if (ay == 0) {
    *bearing = east ? 90.0f : 270.0f;
    *length = ax;
    return;
  }
  const double sx = double(ax) / PixelScale;
  const double sy = double(ay) / PixelScale;
  const double s = sx * sx + sy * sy;
  *length = s > 0.0 ? int32(std::sqrt(s)) * PixelScale : 0;
  const double a = std::atan(double(ax) / double(ay)) * kDegreesPerRadian;
  double b;
  if (east && north)
    b = a;
  else if (east)
    b = 180.0 - a;
  else if (!north)
    b = 180.0 + a;
  else
    b = 360.0 - a;
  *bearing = float(b);
}

std::string TMDIChild::CursorReadout(int32 dx, int32 dy, float bearing, int32 length) const {
  const double degs = double(bearing);
  if (MetricUnits == 1) {
    if (ChildMode == childmode::KeyRouting || ChildMode == childmode::Frame)
      return plat::Format(" hor %ld: ver %ld mm.", long(dx), long(dy));
    return plat::Format(" hor %ld: ver %ld: leng %ld mm: degs %.1f: ", long(dx), long(dy),
                        long(length), degs);
  }
  int32 lf = 0, li = 0;
  if (length != 0) {
    const std::div_t l = std::div(length / kUnitsPerInch, kInchesPerFoot);
    lf = l.quot;
    li = l.rem;
  }
  if (float(ZoomUnits) > ZoomFactor) return FineReadout(dx, dy, lf, li, degs);
  const FeetInches h = CoarseAxis(dx);
  const FeetInches v = CoarseAxis(dy);
  return plat::Format(" hor %d' %d: ver %d' %d: leng %d' %d: degs %.1f", h.feet, h.inches,
                      v.feet, v.inches, lf, li, degs);
}

void TMDIChild::OnMouseMove(int x, int y, bool leftDown) {
  if (autoScroll_.active) {
    autoScroll_.pointer = {x, y};
    if (!leftDown) StopAutoScroll();
  }
  if (ChildMode < childmode::Creation) return;
  TDrawingtool* t = Tool();
  if (!t) return;
  t->Window = this;
  const plat::Rect r = ClientRect();
  {
    plat::WindowDC dc(Surface());
    if (t->PickedFloor() == kZoomBoxDragging) {
      TrackZoomBox(*dc, 0, x, y);
    } else {
      const bool followsOnlyWhileDown =
          t->Type == tooltype::Opening || t->Type == tooltype::Type57;
      if (!followsOnlyWhileDown || t->ButtonDown == 1) t->MouseMove(*dc, r, x, y);
    }
  }
  if (ChildMode == childmode::Creation) return;

  const plat::Point c = ClientToDrawing({x, y});
  // The reference point takes the pointer's pixel when the pointer stands on it.
  const float base = MetricUnits == 1 ? 5.0f : 4.0f;
  const int32 t1 = int32(ZoomFactor * base * 0.5f);
  if (c.x > ReferenceX - t1 && c.x < ReferenceX + t1 + 1) ReferenceX = c.x;
  if (c.y > ReferenceY - t1 && c.y < ReferenceY + t1 + 1) ReferenceY = c.y;
  float bearing = 0.0f;
  int32 length = 0;
  MeasureFromReference(c.x, c.y, &bearing, &length);
  if (MainForm)
    MainForm->crds.SetSimpleText(
        CursorReadout(c.x - ReferenceX, c.y - ReferenceY, bearing, length));
}
