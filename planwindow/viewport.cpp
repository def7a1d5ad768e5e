// The drawing window's view of the sheet: sheet size, zoom, window extent
// and origin of the isotropic mapping, and the scroll bars that carry the
// origin between paints.
#include <cstdlib>

#include "model/flist.h"
#include "model/queries_support.h"
#include "model/rounding.h"
#include "model/sheet.h"
#include "model/view_mapping.h"
#include "planwindow/childwin.h"
#include "platform/files.h"
#include "platform/services.h"
#include "shell/mainform.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"

namespace {

constexpr const char* kZoomUpCaution =
    "CAUTION: Zoom Up may not give precise measurements using feet & inches";

// Views 1 to 5 belong to the designer window, which keeps its own viewport.
constexpr int32 kDesignerViewLast = 5;
// Floor plans and the site plan are fitted to their extents; layout views
// to their design rooms.
constexpr int32 kFitByExtentsAbove = 49;
// "Nothing measured" in the extents and bounds files.
constexpr int32 kNoExtentLow = 200000;
constexpr int32 kNoExtentHigh = 0;
// The layout fit leaves a margin of this many mapping units per PixelScale.
constexpr int32 kLayoutFitMargin = 10;
constexpr int32 kMinDesignRoomsToFit = 2;

// The move tool gives way to the pick tool after a zoom.
constexpr int32 kMoveToolId = tooltype::Move;
constexpr int32 kPickToolId = tooltype::Pick;

bool Metric() { return MetricUnits == 1; }

// Sheet heights are whole multiples of this many mapping units.
int32 SheetStep() { return Metric() ? 25 : 24; }
// The grid the origin is aligned to, in pixels at the current zoom.
int32 AlignGrid() { return Metric() ? 5 : 4; }
// Scroll steps: a line in pixels, a page in lines.
int32 ScrollLine() { return Metric() ? 5 : 4; }
int32 ScrollPageLines() { return Metric() ? 50 : 48; }

void SetUnitsScale() {
  if (Metric()) {
    PixelScale = 5;
    ZoomUnits = 5;
  } else {
    PixelScale = 6;
    ZoomUnits = 4;
  }
}

bool IsSiteView(int32 v) { return v == view::Site || v == view::Site + view::PrintOffset; }

// origin = truncate(truncate(origin / ZoomFactor) x ZoomFactor): the origin
// sits on a whole pixel.
int32 SnapToPixel(int32 org) {
  return TruncToInt(double(TruncToInt(double(org) / ZoomFactor)) * ZoomFactor);
}

void CentreOriginOnSheet() {
  WindowOrgX = (DrawingWidth - WindowExtX) / 2;
  WindowOrgY = (DrawingHeight - WindowExtY) / 2;
}

void ExtentsFromClient(const plat::Rect& client) {
  WindowExtX = TruncToInt(double(client.right) * ZoomFactor);
  WindowExtY = TruncToInt(double(client.bottom) * ZoomFactor);
}

void ShowPixelSize() {
  if (MainForm) MainForm->ShowPixelSize();
}

struct FourValues {
  int32 a = 0, b = 0, c = 0, d = 0;
  bool read = false;
};

FourValues ReadFour(const char* file) {
  FourValues v;
  cfg::Reader r(ProgramFile(file));
  v.read = r.Int(v.a) && r.Int(v.b) && r.Int(v.c) && r.Int(v.d);
  return v;
}

}  // namespace

int32 TMDIChild::NearestWhole(float v) {
  const int32 n = TruncToInt(v);
  return n / 100 + (n % 100 > 49 ? 1 : 0);
}

namespace {
int32 Nearest(double x) { return TMDIChild::NearestWhole(float(x * 100.0)); }
}  // namespace

// ---- Scroll bars ---------------------------------------------------------------------

void TMDIChild::PushScrollBars() {
  host_.SetScrollBar(ScrollBarKind::Horizontal, horzRange_, horzPos_, barsVisible_);
  host_.SetScrollBar(ScrollBarKind::Vertical, VertRange, vertPos_, barsVisible_);
}

void TMDIChild::ShowScrollBars() {
  horzRange_ = TruncToInt(double(DrawingWidth) / ZoomFactor);
  VertRange = TruncToInt(double(DrawingHeight) / ZoomFactor);
  PushScrollBars();
}

// The positions that the zooms leave: the vertical bar counts from the top of
// the sheet while the mapping's y axis points up.
void TMDIChild::SetPositionsFromOrigin() {
  horzPos_ = TruncToInt(double(WindowOrgX) / ZoomFactor);
  vertPos_ = Nearest((double(VertRange) * ZoomFactor - WindowOrgY - WindowExtY) / ZoomFactor);
  PushScrollBars();
}

int32 TMDIChild::ClampScroll(int32 position, int32 range) const {
  if (position > range) position = range;
  if (position < 0) position = 0;
  return position;
}

namespace {
// The new position for a scroll code, or -1 for a code that changes nothing.
bool ScrolledPosition(int32 code, int32 position, int32 thumb, int32& out) {
  const int32 line = ScrollLine();
  const int32 page = line * ScrollPageLines();
  switch (code) {
    case scrollcode::LineUp: out = position - line; return true;
    case scrollcode::LineDown: out = position + line; return true;
    case scrollcode::PageUp: out = position - page; return true;
    case scrollcode::PageDown: out = position + page; return true;
    case scrollcode::ThumbPosition:
    case scrollcode::ThumbTrack: out = thumb; return true;
    default: return false;
  }
}
}  // namespace

void TMDIChild::HorzScroll(int32 code, int32 thumbPosition) {
  int32 pos = 0;
  if (!ScrolledPosition(code, horzPos_, thumbPosition, pos)) return;
  horzPos_ = ClampScroll(pos, horzRange_);
  PushScrollBars();
  Surface().InvalidateRect(nullptr);
}

void TMDIChild::VertScroll(int32 code, int32 thumbPosition) {
  int32 pos = 0;
  if (!ScrolledPosition(code, vertPos_, thumbPosition, pos)) return;
  vertPos_ = ClampScroll(pos, VertRange);
  PushScrollBars();
  Surface().InvalidateRect(nullptr);
}

// ---- Viewport set-up -------------------------------------------------------------------

void TMDIChild::SetupViewport(int32 /*mode: both callers pass 2*/) {
  if (CurrentView >= view::Designer1 && CurrentView <= kDesignerViewLast) return;

  queries::ReadSheetSize();

  SetUnitsScale();
  if (IsSiteView(CurrentView)) {
    cfg::Reader scale(ProgramFile(cfgfile::ScaleView.ForUnits()));
    float unused = 0, factor = 0;
    // A scale of 0 or less would divide by zero below: keep the last one.
    if (scale.Real(unused) && scale.Real(factor) && factor > 0) ScaleViewFactor = factor;
    ZoomFactor = ScaleViewFactor;
  }
  ShowPixelSize();

  const plat::Rect client = ClientRect();
  // A minimised window has no proportions to give the sheet.
  if (client.right <= 0 || client.bottom <= 0 || ZoomFactor <= 0) return;
  ExtentsFromClient(client);
  if (WindowExtX <= 0) return;

  const long long h = (long long)DrawingWidth * WindowExtY / WindowExtX;
  SetSheetSize(DrawingWidth, int32(h - h % SheetStep()));
  if (ZoomStyle < zoomstyle::Half)
    cfg::Write(ProgramFile(cfgfile::SheetSize.ForUnits()),
               plat::Format("%d %d", DrawingWidth, DrawingHeight));

  horzRange_ = TruncToInt(double(DrawingWidth) / ZoomFactor);
  VertRange = TruncToInt(double(DrawingHeight) / ZoomFactor);
  CentreOriginOnSheet();
  WindowOrgX = SnapToPixel(WindowOrgX);
  WindowOrgY = SnapToPixel(WindowOrgY);
  horzPos_ = Nearest(WindowOrgX / ZoomFactor);
  vertPos_ = Nearest(WindowOrgY / ZoomFactor);
  barsVisible_ = true;
  PushScrollBars();

  if (ZoomFactor == float(PixelScale)) {
    cfg::Write(ProgramFile(cfgfile::NormalZoom), plat::Format("%d %d", WindowExtX, WindowExtY));
    cfg::Write(ProgramFile(cfgfile::ZoomState),
               plat::Format("%d %d %d %d %d %f", 0, WindowExtX, WindowExtY, WindowOrgX,
                            WindowOrgY, double(ZoomFactor)));
  }
}

void TMDIChild::CentreView(int32 flag) {
  if (ZoomFactor <= 0) return;
  horzRange_ = TruncToInt(double(DrawingWidth) / ZoomFactor);
  VertRange = TruncToInt(double(DrawingHeight) / ZoomFactor);
  CentreOriginOnSheet();
  WindowOrgX = SnapToPixel(WindowOrgX);
  WindowOrgY = SnapToPixel(WindowOrgY);
  horzPos_ = Nearest(WindowOrgX / ZoomFactor);
  vertPos_ = Nearest(WindowOrgY / ZoomFactor);
  barsVisible_ = true;
  PushScrollBars();
  if (flag == 1) Surface().InvalidateRect(nullptr);
}

// ---- Zoom styles ------------------------------------------------------------------------

void TMDIChild::ApplyZoom(int32 style) {
  const plat::Rect client = ClientRect();
  // Every style divides by the client size: a minimised window keeps its zoom.
  if (client.right <= 0 || client.bottom <= 0) return;
  switch (style) {
    case zoomstyle::Normal: ApplyNormalZoom(client); break;
    case zoomstyle::Half: ApplyHalfZoom(client); break;
    case zoomstyle::Fit:
      if (!ApplyFitZoom(client)) return;
      break;
    default: break;  // after the move frame, and any other value: the ending only
  }
  ZoomEnding();
}

void TMDIChild::ApplyNormalZoom(const plat::Rect& client) {
  SetUnitsScale();
  ZoomFactor = CurrentView == view::Site ? ScaleViewFactor : float(ZoomUnits);
  if (ZoomFactor <= 0) ZoomFactor = float(ZoomUnits);
  ExtentsFromClient(client);
  CentreOriginOnSheet();
  WindowOrgX = SnapToPixel(WindowOrgX);
  WindowOrgY = SnapToPixel(WindowOrgY);
  ResetReference(childmode::Normal);
  ZoomStyle = zoomstyle::Normal;
}

// Each half zoom adds one more normal window's extent until the window would
// be larger than the sheet.
void TMDIChild::ApplyHalfZoom(const plat::Rect& client) {
  cfg::Reader zoom(ProgramFile(cfgfile::NormalZoom));
  int32 ex = 0, ey = 0;
  if (zoom.Int(ex) && zoom.Int(ey)) {
    if (float(ZoomUnits) > ZoomFactor) {
      WindowExtX = ex;
      WindowExtY = ey;
      ZoomFactor = float(ZoomUnits);
    }
    WindowExtX += ex;
    WindowExtY += ey;
    if ((DrawingWidth - WindowExtX) / 2 < 0 || (DrawingHeight - WindowExtY) / 2 < 0) {
      WindowExtX -= ex;
      WindowExtY -= ey;
    }
    ZoomFactor = float(WindowExtX) / float(client.right);
  }
  // Without the normal extents the window keeps the extents it has.
  if (ZoomFactor <= 0) ZoomFactor = float(ZoomUnits);
  CentreOriginOnSheet();
  AlignOriginToReference();
  ZoomStyle = zoomstyle::Half;
}

bool TMDIChild::ApplyFitZoom(const plat::Rect& client) {
  ZoomStyle = zoomstyle::Fit;
  DrawingList.ComputePlanExtents(1);
  return CurrentView > kFitByExtentsAbove ? FitFloorPlan(client) : FitLayout(client);
}

bool TMDIChild::FitFloorPlan(const plat::Rect& client) {
  const FourValues e = ReadFour(cfgfile::PlanExtents);  // left, right, top, bottom
  int32 left = e.a, right = e.b, top = e.c, bottom = e.d;
  if (!e.read || left == kNoExtentLow || bottom == kNoExtentLow || right == kNoExtentHigh ||
      top == kNoExtentHigh) {
    Surface().InvalidateRect(nullptr);
    return false;
  }
  left /= PixelScale;
  right /= PixelScale;
  top /= PixelScale;
  bottom /= PixelScale;
  WindowExtX = right - left;
  WindowExtY = top - bottom;
  WindowOrgX = left;
  WindowOrgY = bottom;
  const double a = double(client.right) / double(client.bottom);
  if (WindowExtY * a > WindowExtX) {
    const int32 newExt = Nearest(WindowExtY * a);
    WindowOrgX -= (newExt - WindowExtX) / 2;
    WindowExtX = newExt;
    ZoomFactor = float(WindowExtY) / float(client.bottom);
  } else {
    const int32 newExt = Nearest(WindowExtX / a);
    WindowOrgY -= (newExt - WindowExtY) / 2;
    WindowExtY = newExt;
    ZoomFactor = float(WindowExtX) / float(client.right);
  }
  FitZoomToWindow();
  return true;
}

bool TMDIChild::FitLayout(const plat::Rect& client) {
  if (DrawingList.WriteRectAndBounds() < kMinDesignRoomsToFit) return false;
  const FourValues b = ReadFour(cfgfile::RoomBounds);  // left, top, right, bottom
  int32 left = b.a, top = b.b, right = b.c, bottom = b.d;
  if (!b.read || left == kNoExtentLow || bottom == kNoExtentLow || right == kNoExtentHigh ||
      top == kNoExtentHigh) {
    Surface().InvalidateRect(nullptr);
    return false;
  }
  left /= PixelScale;
  right /= PixelScale;
  top /= PixelScale;
  bottom /= PixelScale;
  const int32 m = kLayoutFitMargin * PixelScale;
  left -= m;
  right += 2 * m;
  top += m;
  bottom -= 2 * m;
  WindowExtX = right - left;
  WindowExtY = top - bottom;
  const double a = double(client.right) / double(client.bottom);
  if (WindowExtY * a > WindowExtX)
    WindowExtX = Nearest(WindowExtY * a);
  else
    WindowExtY = Nearest(WindowExtX / a);
  ZoomFactor = float(WindowExtX) / float(client.right);
  // The fit never comes closer than one mapping unit per pixel.
  if (ZoomFactor < 1.0f) {
    ZoomFactor = 1.0f;
    ExtentsFromClient(client);
  }
  WindowOrgX = left;
  WindowOrgY = bottom;
  AlignOriginToReference();
  ChildMode = childmode::Creation;
  return true;
}

void TMDIChild::FitZoomToWindow() {
  const plat::Rect client = ClientRect();
  if (client.right <= 0) return;
  ZoomFactor = float(WindowExtX) / float(client.right);
  if (ZoomFactor < 1.0f) {
    ZoomFactor = 1.0f;
  } else {
    int32 n = TruncToInt(ZoomFactor);
    const int32 hundredths = TruncToInt(double(ZoomFactor) * 100.0) % 100;
    if (hundredths > 0) ++n;
    ZoomFactor = float(n);
  }
  ExtentsFromClient(client);
  CentreOriginOnSheet();
  ShowPixelSize();
}

void TMDIChild::ZoomEnding() {
  ShowScrollBars();
  barsVisible_ = true;
  SetPositionsFromOrigin();
  ViewState = 2;

  if (TDrawingtool* t = MainForm ? MainForm->CurrentTool() : nullptr) t->Window = this;
  if (RestoreToolId == kMoveToolId) RestoreToolId = kPickToolId;
  // A fresh tool of the kept type starts clean in the new mapping. An outline
  // or an external wall under construction is kept as it is, so a zoom in
  // the middle of tracing loses nothing.
  if (MainForm && RestoreToolId != 0) {
    TDrawingtool* t = MainForm->CurrentTool();
    const bool building = t && t->Type == RestoreToolId &&
                          (RestoreToolId == tooltype::Outline || RestoreToolId == tooltype::ExtWall);
    if (!building) MainForm->SetTool(RestoreToolId);
    if (TDrawingtool* now = MainForm->CurrentTool()) now->Window = this;
  }
  ShowPixelSize();
  Surface().InvalidateRect(nullptr);
}

// Keeps the reference point on the pixel grid after a zoom that moved the
// origin freely.
void TMDIChild::AlignOriginToReference() {
  const int32 g = AlignGrid();
  const double step = double(g) * ZoomFactor;
  if (step <= 0) return;
  auto adjust = [&](int32 reference, int32& org) {
    const double d = double(reference) - double(org) * PixelScale;
    const double r = d - double(TruncToInt(d / step)) * step;
    const int32 adj = TruncToInt(g * r);
    if (float(PixelScale) < ZoomFactor)
      org += adj;
    else if (float(PixelScale) > ZoomFactor)
      org -= adj;
  };
  adjust(ReferenceX, WindowOrgX);
  adjust(ReferenceY, WindowOrgY);
  horzPos_ = TruncToInt(double(WindowOrgX) / ZoomFactor);
  vertPos_ = TruncToInt(double(WindowOrgY) / ZoomFactor);
}

// ---- Zoom-up box ----------------------------------------------------------------------

void TMDIChild::DrawZoomRectangle(plat::DeviceContext& dc, int32 x1, int32 y1, int32 x2,
                                  int32 y2) {
  const plat::Pen old = dc.SelectPen(plat::Pen{plat::PS_DOT, 0, DrawingColour});
  const plat::Brush oldBrush = dc.SelectBrush(plat::NullBrush());
  const int32 rop = dc.SetROP2(plat::R2_XORPEN);
  dc.Rectangle(x1 / PixelScale, y1 / PixelScale, x2 / PixelScale, y2 / PixelScale);
  dc.SetROP2(rop);
  dc.SelectBrush(oldBrush);
  dc.SelectPen(old);
}

void TMDIChild::ZoomBox(int32 phase, plat::DeviceContext& dc, int32 /*spare*/, int32 x, int32 y) {
  const plat::Rect client = ClientRect();
  TDrawingtool* t = MainForm ? MainForm->CurrentTool() : nullptr;
  int32 wx = 0, wy = 0;
  DeviceToWorld(dc, client, x, y, wx, wy);
  if (phase == 1) {
    ZoomStartX = ZoomBoxX = wx * PixelScale;
    ZoomStartY = ZoomBoxY = wy * PixelScale;
    if (t) t->PickedFloor() = kZoomBoxDragging;
    return;
  }

  const int32 sx = ZoomStartX / PixelScale;
  const int32 sy = ZoomStartY / PixelScale;
  ZoomBoxX = wx * PixelScale;
  ZoomBoxY = wy * PixelScale;
  SetViewMapping(dc, client);
  DrawZoomRectangle(dc, ZoomStartX, ZoomStartY, ZoomBoxX, ZoomBoxY);
  if (wx == sx || wy == sy || client.right <= 0 || client.bottom <= 0) return;

  const int32 boxW = std::abs(wx - sx);
  const int32 boxH = std::abs(wy - sy);
  WindowExtX = boxW;
  WindowOrgX = wx < sx ? wx : sx;
  WindowExtY = boxH;
  WindowOrgY = wy < sy ? wy : sy;
  const double a = double(client.right) / double(client.bottom);
  if (WindowExtY * a > WindowExtX) {
    WindowExtX = Nearest(WindowExtY * a);
    ZoomFactor = float(WindowExtX / client.right);
    if (ZoomFactor < 1.0f) ZoomFactor = 1.0f;
    ExtentsFromClient(client);
    WindowOrgX -= (WindowExtX - boxW) / 2;
  } else {
    WindowExtY = Nearest(WindowExtX / a);
    ZoomFactor = float(WindowExtY / client.bottom);
    if (ZoomFactor < 1.0f) ZoomFactor = 1.0f;
    ExtentsFromClient(client);
    WindowOrgY -= (WindowExtY - boxH) / 2;
  }

  ZoomFactor = float(WindowExtX) / float(client.right);
  AlignOriginToReference();
  ShowScrollBars();
  SetPositionsFromOrigin();
  if (t) t->PickedFloor() = CurrentView;
  ShowPixelSize();
  if (MainForm) {
    MainForm->EndAidPrompt();
    if (!Metric()) MainForm->st.SetPanelText(panel::Guide, kZoomUpCaution);
  }
  Surface().InvalidateRect(nullptr);
  Surface().UpdateWindow();
}

void TMDIChild::TrackZoomBox(plat::DeviceContext& dc, int32 /*spare*/, int32 x, int32 y) {
  TDrawingtool* t = MainForm ? MainForm->CurrentTool() : nullptr;
  if (!t || t->PickedFloor() != kZoomBoxDragging) return;
  const plat::Rect client = ClientRect();
  const int32 prevX = ZoomBoxX;
  const int32 prevY = ZoomBoxY;
  int32 wx = 0, wy = 0;
  DeviceToWorld(dc, client, x, y, wx, wy);
  ZoomBoxX = wx * PixelScale;
  ZoomBoxY = wy * PixelScale;
  SetViewMapping(dc, client);
  DrawZoomRectangle(dc, ZoomStartX, ZoomStartY, prevX, prevY);
  DrawZoomRectangle(dc, ZoomStartX, ZoomStartY, ZoomBoxX, ZoomBoxY);
}

// ---- Invalidation ----------------------------------------------------------------------

void TMDIChild::RedrawArea(int32 mode) {
  plat::Window& w = Surface();
  const plat::Rect client = ClientRect();
  switch (mode) {
    case redraw::Later: w.InvalidateRect(nullptr); break;
    case redraw::Now:
    case redraw::NowAlso:
      w.InvalidateRect(nullptr);
      w.UpdateWindow();
      break;
    case redraw::LibraryCorner: {
      const plat::Rect r{0, client.bottom / 3, client.right / 4, client.bottom};
      w.InvalidateRect(&r);
      break;
    }
    case redraw::ToolFrame: {
      TDrawingtool* t = MainForm ? MainForm->CurrentTool() : nullptr;
      if (!t) break;
      plat::WindowDC dc(w);
      int32 ax = 0, ay = 0, bx = 0, by = 0;
      // Frame: x1, x2, y1, y2 in drawing units.
      WorldToDevice(*dc, client, t->Frame[0] / PixelScale, t->Frame[2] / PixelScale, ax, ay);
      WorldToDevice(*dc, client, t->Frame[1] / PixelScale, t->Frame[3] / PixelScale, bx, by);
      const plat::Rect r{std::min(ax, bx), std::min(ay, by), std::max(ax, bx), std::max(ay, by)};
      w.InvalidateRect(&r);
      break;
    }
    default: break;
  }
}
