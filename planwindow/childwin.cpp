#include "planwindow/childwin.h"

#include "model/flist.h"
#include "model/rounding.h"
#include "model/sheet.h"
#include "platform/ui.h"
#include "shell/mainform.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"

namespace {

// Steps of the external-wall tool while it marks walls; painting then keeps
// the reference point on the tool's first point.
constexpr int32 kMarkWallStep = 180;
constexpr int32 kMarkWallStepAlt = 181;
constexpr int32 kFirstUserEntry = 6;

// Floor and site plans (the views that paint shapes and structure apart).
constexpr int32 kFloorViewFirst = 101;
constexpr int32 kFloorViewLast = 199;
// Layout and designer views that paint the whole drawing.
constexpr int32 kLayoutViewFirst = 6;
constexpr int32 kLayoutViewLast = 49;
// The layout grid is drawn below this view.
constexpr int32 kLayoutGridViewLimit = 49;
constexpr int32 kWallDisplayOverlayBelow = 4;

bool IsFloorView(int32 v) { return v >= kFloorViewFirst && v <= kFloorViewLast; }
bool IsLayoutView(int32 v) { return v >= kLayoutViewFirst && v <= kLayoutViewLast; }

// The list holds the drawing the view in force shows (the group drawing or
// the floors'), read again when it holds the other one.
void HoldTheDrawingShown() {
  const TFlist::Content shown =
      TFlist::GroupShown() ? TFlist::Content::Group : TFlist::Content::Floors;
  if (DrawingList.Holds() != shown) DrawingList.ReadDrawingFile(dtDrawing);
}

TDrawingtool* CurrentToolOrNull() { return MainForm ? MainForm->CurrentTool() : nullptr; }

bool IsChainKind(int32 k) { return k == kind::WallLine || k == kind::ExtWall; }

}  // namespace

// The list the window works on is read by whoever opens it (the main
// form's ShowView), once.
TMDIChild::TMDIChild(TPlanWindowHost& host) : host_(host) { InitWindow(); }

TMDIChild::~TMDIChild() = default;

void TMDIChild::InitWindow() {
  cfg::Reader clr(ProgramFile(cfgfile::Colours));
  int32 v = 0;
  if (clr.Int(v)) BackgroundColour = plat::COLORREF(v);
  if (clr.Int(v)) DrawingColour = plat::COLORREF(v);
  if (clr.Int(v)) OverlayColour = plat::COLORREF(v);

  ChildMode = childmode::Creation;
  RestoreToolId = 0;
  StartX = 0;
  StartY = 0;
  host_.SetColour(BackgroundColour);
  WizardText.reset();

  if (MetricUnits == 1) {
    PixelScale = 5;
    ZoomUnits = 5;
  } else {
    PixelScale = 6;
    ZoomUnits = 4;
  }
  if (ZoomStyle < zoomstyle::Half) ZoomFactor = float(ZoomUnits);

  if (WizardActive == 1) {
    WizardHint = Surface().CreateStaticText();
    WizardText = Surface().CreateStaticText();
  }
}

void TMDIChild::FormClose() {
  // A window closed while the left button is held hears no more ticks.
  StopAutoScroll();
  if (AutoScrollTimer) AutoScrollTimer->onTimer = nullptr;
  AutoScrollTimer = nullptr;
  // The main form frees this object: nothing may touch it afterwards.
  if (MainForm) MainForm->ChildClosed(this);
}

void TMDIChild::FormResize() {
  WithOwnView([this] { SetupViewport(2); });
  PlaceWizardPanels();
}

plat::Rect TMDIChild::ClientRect() const { return Surface().ClientRect(); }

void TMDIChild::GetClientExtent(int32* height, int32* width) const {
  const plat::Rect r = ClientRect();
  *height = r.bottom;
  *width = r.right;
}

plat::Point TMDIChild::ClientToScreen(plat::Point client) const {
  return Surface().ClientToScreen(client);
}

void TMDIChild::OnPaint() {
  const plat::Rect client = ClientRect();
  // A minimised window (or one with no height) has nothing to show.
  if (client.Width() <= 0 || client.Height() <= 0) return;
  if (CurrentView > view::LastPaintable || ViewState < 2) return;
  WithOwnView([this] { PaintView(); });
}

template <class F>
void TMDIChild::WithOwnView(F f) {
  const TMDIChild* active = MainForm ? MainForm->ActiveChild() : nullptr;
  if (!active || active == this || !saved_.valid) {
    f();
    return;
  }
  const ViewGlobals activeState = ViewGlobals::Capture();
  saved_.view.Apply();
  if (ViewCode != 0) CurrentView = ViewCode;
  f();
  saved_.view = ViewGlobals::Capture();
  activeState.Apply();
  // The list holds what the active window's commands expect again.
  HoldTheDrawingShown();
}

void TMDIChild::PaintView() {
  const plat::Rect client = ClientRect();

  // The scroll bars are the truth for the origin while painting.
  WindowOrgX = TruncToInt(double(HorzPosition()) * ZoomFactor);
  WindowOrgY = TruncToInt(double(VertRange - VertPosition() - client.bottom) * ZoomFactor);

  plat::WindowDC dc(Surface());
  dc->SetMapMode(plat::MM_ISOTROPIC);
  dc->SetWindowExt(WindowExtX, WindowExtY);
  dc->SetViewportExt(client.right, -client.bottom);
  dc->SetWindowOrg(WindowOrgX, WindowOrgY);
  dc->SetViewportOrg(0, client.bottom);
  dc->SetBkMode(plat::OPAQUE);
  dc->SetPolyFillMode(plat::ALTERNATE);

  if (IsFloorView(CurrentView)) {
    PaintFloorView(*dc, client);
  } else if (CurrentView == view::Group) {
    DrawingList.Clear();
    DrawingList.ReadGroupFile();
    DrawingList.DrawView(*dc, client);
  } else if (IsLayoutView(CurrentView)) {
    PaintLayoutView(*dc, client);
  }
  if (libraryPreview_) PaintLibraryPreview(*dc, client);
}

// The live file read once (an edit made outside the program shows at the
// next paint), drawn shapes first so that walls, openings and texts lie over
// them, and left whole in the list for the commands that follow. Reading
// the header takes over only the units and counts, never the sheet that
// places the elements, and drawing writes to no element, so the layers are
// what a read of the shapes and a read of the rest would give.
void TMDIChild::PaintFloorView(plat::DeviceContext& dc, const plat::Rect& client) {
  const int32 shown = CurrentView;
  DrawingList.ReadDrawingFile(dtDrawing);
  DrawingList.DrawInLayers([&] { DrawingList.DrawView(dc, client); });
  // Overlaid floors are worked on at the highest one shown.
  if (CurrentView != shown) FollowWorkingFloor();
  UpdateReferenceAfterPaint();
}

void TMDIChild::FollowWorkingFloor() {
  if (ViewCode == CurrentView) return;
  ViewCode = CurrentView;
  Caption = DrawingList.DrawingName + ViewExtension(CurrentView);
  // Prints are named after the active window's view.
  if (!MainForm || MainForm->ActiveChild() == this) DrawingList.SetViewFileName(Caption);
  Host().SetCaption(Caption);
}

void TMDIChild::PaintLayoutView(plat::DeviceContext& dc, const plat::Rect& client) {
  DrawingList.Clear();
  DrawingList.ReadDrawingFile(dtDrawing);
  if (CurrentView == view::LayoutGround && ChildMode < childmode::Normal) ShowExternalRectangle(0);
  DrawingList.DrawView(dc, client);
  if (LayoutGridShown == 1 && CurrentView < kLayoutGridViewLimit) {
    DrawingList.AddLayoutGrid();
    DrawingList.DrawView(dc, client);
    DrawingList.Clear();
    DrawingList.ReadDrawingFile(dtDrawing);
  }
}

void TMDIChild::UpdateReferenceAfterPaint() {
  if (ChildMode == childmode::DatumPlaced || ChildMode == childmode::DatumWaiting) return;
  TDrawingtool* t = CurrentToolOrNull();
  const int32 type = t ? t->Type : 0;
  const int32 step = t ? t->Step : 0;
  const bool marking = step == kMarkWallStep || step == kMarkWallStepAlt;

  if (type != tooltype::InWall && !marking) {
    DrawingList.FindLowestCorner(ReferenceX, ReferenceY);
    ChildMode = childmode::Normal;
  }
  if (type == tooltype::ExtWall) {
    if (marking) {
      ReferenceX = t->X1;
      ReferenceY = t->Y1;
    } else if (t->X2 > 0 && t->Y2 > 0) {
      ReferenceX = t->Distance == 0 ? t->X2 : t->X1;
      ReferenceY = t->Distance == 0 ? t->Y2 : t->Y1;
    } else if (WallDisplayMode != kWallDisplayOverlayBelow) {
      ChildMode = childmode::Creation;
    }
  } else {
    ChildMode = childmode::Normal;
  }
}

int32 TMDIChild::FindChainEnd(int32* x, int32* y) const {
  TDrawingtool* t = CurrentToolOrNull();
  if (!t) return kNoChain;
  const int32 px = t->X1;
  const int32 py = t->Y1;
  const TFlist& list = DrawingList;
  auto candidate = [&](int32 i) {
    const TObj* e = list.At(i);
    return IsChainKind(e->Kind) && e->Floor == CurrentView;
  };

  int32 hit = kNoChain;
  bool incoming = false;
  for (int32 i = kFirstUserEntry; i < list.Count() && hit == kNoChain; ++i) {
    if (!candidate(i)) continue;
    const TObj* e = list.At(i);
    if (e->X2 == px && e->Y2 == py) {
      hit = i;
      incoming = true;
    } else if (e->X1 == px && e->Y1 == py) {
      hit = i;
    }
  }
  if (hit == kNoChain) return kNoChain;

  // Incoming: walk back to the head (a start that no candidate ends at);
  // outgoing: forward to the tail (an end that no candidate starts from).
  auto linked = [&](int32 i) {
    const TObj* e = list.At(i);
    for (int32 j = kFirstUserEntry; j < list.Count(); ++j) {
      if (!candidate(j)) continue;
      const TObj* o = list.At(j);
      if (incoming ? (o->X2 == e->X1 && o->Y2 == e->Y1) : (o->X1 == e->X2 && o->Y1 == e->Y2))
        return true;
    }
    return false;
  };
  int32 found = hit;
  for (int32 i = kFirstUserEntry; i < list.Count(); ++i) {
    if (candidate(i) && !linked(i)) {
      found = i;
      break;
    }
  }
  const TObj* e = list.At(found);
  *x = (incoming ? e->X1 : e->X2) / PixelScale;
  *y = (incoming ? e->Y1 : e->Y2) / PixelScale;
  return found;
}

TMDIChild::ViewGlobals TMDIChild::ViewGlobals::Capture() {
  ViewGlobals g;
  g.zoomFactor = ZoomFactor;
  g.windowExtX = WindowExtX;
  g.windowExtY = WindowExtY;
  g.drawingWidth = DrawingWidth;
  g.drawingHeight = DrawingHeight;
  g.zoomStyle = ZoomStyle;
  g.currentView = CurrentView;
  g.windowOrgX = WindowOrgX;
  g.windowOrgY = WindowOrgY;
  return g;
}

void TMDIChild::ViewGlobals::Apply() const {
  ZoomFactor = zoomFactor;
  WindowExtX = windowExtX;
  WindowExtY = windowExtY;
  SetSheetSize(drawingWidth, drawingHeight);
  ZoomStyle = zoomStyle;
  CurrentView = currentView;
  WindowOrgX = windowOrgX;
  WindowOrgY = windowOrgY;
}

void TMDIChild::SaveViewState() {
  saved_.valid = true;
  saved_.view = ViewGlobals::Capture();
}

void TMDIChild::RestoreViewState() {
  if (saved_.valid) saved_.view.Apply();
  if (ViewCode != 0) CurrentView = ViewCode;
  if (!Caption.empty()) DrawingList.SetViewFileName(Caption);
  // Before anything of the window can act on the list.
  HoldTheDrawingShown();
}
