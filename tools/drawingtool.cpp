#include "tools/drawingtool.h"

#include "model/view_mapping.h"
#include "platform/dc.h"
#include "platform/ui.h"

// ---- Operations a tool does not override do nothing --------------------------------

void TDrawingtool::MouseDown(plat::DeviceContext&, const plat::Rect&, int32, int32) {}
void TDrawingtool::MouseUp(plat::DeviceContext&, const plat::Rect&, int32, int32) {}
void TDrawingtool::RightMouseDown(plat::DeviceContext&, const plat::Rect&, int32, int32) {}
void TDrawingtool::RightMouseUp(plat::DeviceContext&, const plat::Rect&, int32, int32) {}
void TDrawingtool::MouseMove(plat::DeviceContext&, const plat::Rect&, int32, int32) {}
void TDrawingtool::DrawPreview(plat::DeviceContext&, int32) {}
void TDrawingtool::Reserved() {}
void TDrawingtool::KeyDown(plat::DeviceContext&, const plat::Rect&, int32, plat::Point&, int32) {}
void TDrawingtool::PlaceText(plat::DeviceContext&, const plat::Rect&, int32, int32,
                             const std::string&) {}
void TDrawingtool::KeyPress(plat::DeviceContext&, const plat::Rect&, char) {}
void TDrawingtool::AddElement(plat::DeviceContext&, const plat::Rect&) {}
void TDrawingtool::AutoDimension(plat::DeviceContext&, const plat::Rect&, int32, int32, int32,
                                 int32) {}
void TDrawingtool::ElementsAdded(plat::DeviceContext&, const plat::Rect&, int32, int32) {}
void TDrawingtool::Command(int32) {}
void TDrawingtool::Execute(int32, int32, int32) {}

// ---- Coordinates -----------------------------------------------------------------

plat::Point TDrawingtool::ClickToDrawing(plat::DeviceContext& dc, const plat::Rect& client,
                                         int32 X, int32 Y) const {
  int32 lx = 0;
  int32 ly = 0;
  DeviceToWorld(dc, client, X, Y, lx, ly);
  return {lx * PixelScale, ly * PixelScale};
}

void TDrawingtool::MoveCursorTo(plat::DeviceContext& dc, const plat::Rect& client, int32 x,
                                int32 y) const {
  int32 dx = 0;
  int32 dy = 0;
  WorldToDevice(dc, client, x / PixelScale, y / PixelScale, dx, dy);
  plat::Point screen{dx, dy};
  if (Window) screen = Window->ClientToScreen(screen);
  plat::Ui().SetCursorPos(screen);
}

// ---- Centring aids -----------------------------------------------------------------

namespace {

// Midway between a and b, never beyond the true midpoint.
int32 Midway(int32 a, int32 b) {
  const int32 low = a < b ? a : b;
  const int32 high = a < b ? b : a;
  return low + (high - low) / 2;
}

// Clicks on the window's left or top margin are ignored by both aids.
bool InMargin(int32 X, int32 Y) { return X < 3 || Y < 3; }

// One coordinate of the CENTRE CENTRE result: from the first two corners when
// they differ by more than t, else from the second and third; unset when the
// three corners do not span that side of a rectangle.
bool CentreCoordinate(int32 a, int32 b, int32 c, int32 t, int32& out) {
  if (b > a + t || b < a - t) {
    out = Midway(a, b);
    return true;
  }
  if (c > b + t || c < b - t) {
    out = Midway(b, c);
    return true;
  }
  return false;
}

}  // namespace

bool CentreResumesPreview(int32 type) {
  using namespace tooltype;
  return type == Centred41 || type == Centred60 || type == Centred62 || type == Centred64 ||
         type == Opening;
}

bool CentreKeepsPreview(int32 type) {
  using namespace tooltype;
  return type == Centred72 || type == Roof73 || type == Roof80 || type == Roof81 ||
         type == RoofRidge || type == RoofAlteration;
}

void TDrawingtool::CentreClick(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                               int32 Y) {
  if (InMargin(X, Y)) return;
  Active = 0;
  const plat::Point p = ClickToDrawing(dc, client, X, Y);
  if (Step == toolstep::CentreFirst) {
    X2 = p.x;
    Y2 = p.y;
    Step = toolstep::CentreSecond;
    if (CentreResumesPreview(Type)) ButtonDown = 1;
    return;
  }
  if (Step != toolstep::CentreSecond) return;

  if (CentreResumesPreview(Type)) {
    DrawPreview(dc, 0);  // erase the preview at its old place
    ButtonDown = 0;
  }
  X1 = Midway(X2, p.x);
  Y1 = Midway(Y2, p.y);
  MoveCursorTo(dc, client, X1, Y1);

  // An opening tool resumes the step it was in when that was an early one.
  constexpr int32 kOpeningResumeBelow = 9;
  if (Type == tooltype::Opening && SavedStep < kOpeningResumeBelow) {
    DrawPreview(dc, 0);
    ButtonDown = 1;
    Step = SavedStep;
  } else if (CentreResumesPreview(Type)) {
    DrawPreview(dc, 0);
    ButtonDown = 1;
    Step = toolstep::Idle;
  } else if (CentreKeepsPreview(Type)) {
    DrawPreview(dc, 0);
  } else {
    Step = SavedStep;
  }
}

void TDrawingtool::CentreCentreClick(plat::DeviceContext& dc, const plat::Rect& client,
                                     int32 X, int32 Y) {
  if (InMargin(X, Y)) return;
  Active = 0;
  const plat::Point p = ClickToDrawing(dc, client, X, Y);
  switch (Step) {
    case toolstep::CentreCentreFirst:
      X1 = p.x;
      Y1 = p.y;
      Step = toolstep::CentreCentreSecond;
      return;
    case toolstep::CentreCentreSecond:
      X2 = p.x;
      Y2 = p.y;
      Step = toolstep::CentreCentreThird;
      return;
    case toolstep::CentreCentreThird:
      break;
    default:
      return;
  }

  // Three corners that do not span a rectangle (the third too close to the
  // second where it must decide a coordinate) would leave that coordinate
  // undefined; keep waiting for a valid third corner instead.
  const int32 t = 20 * PixelScale;
  int32 mx = 0;
  int32 my = 0;
  if (!CentreCoordinate(X1, X2, p.x, t, mx) || !CentreCoordinate(Y1, Y2, p.y, t, my)) return;

  Step = toolstep::CentreCentreDone;
  X1 = mx;
  Y1 = my;
  MoveCursorTo(dc, client, X1, Y1);
  // The text tools stay at 38: the window then asks for the text's click at
  // the pointer, which now stands on the centre.
  if (Type != tooltype::Text && Type != tooltype::TypedText) Step = SavedStep;
}
