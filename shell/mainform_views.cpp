// Views, zoom, the screen scale and undo of the main form: the commands that
// open a view's drawing window or act on the active one.
#include "dialogs/shell_dialogs.h"
#include "model/flist.h"
#include "model/globals.h"
#include "model/rounding.h"
#include "planwindow/childwin.h"
#include "planwindow/wizards.h"
#include "platform/services.h"
#include "shell/mainform.h"
#include "storage/cfgfile.h"
#include "storage/record_codec.h"
#include "storage/settings_files.h"

namespace {

constexpr const char* kZoomUpPrompt =
    "GUIDE: hold Left Button down and drag a box over the area to zoom up";

constexpr int32 kGroupViewLast = 84;
constexpr int32 kPercent = 100;
// WallDisplayMode: tens digit the wall style, units digit the overlays.
constexpr int32 kHideDimensions = 1;
constexpr int32 kOverlayWithoutDimensions = 3;
constexpr int32 kOverlayFirst = 2;
constexpr int32 kOverlayLast = 4;

bool IsGroupView(int32 v) { return v >= view::Group && v <= kGroupViewLast; }

// Back from an overlay to the floor alone, keeping the wall style.
void EndOverlay() {
  const int32 units = WallDisplayMode % 10;
  if (units >= kOverlayFirst && units <= kOverlayLast)
    WallDisplayMode =
        WallDisplayMode - units + (units == kOverlayWithoutDimensions ? kHideDimensions : 0);
}

// What a view's window works on: the group file for the group views, the
// live drawing otherwise. A list that holds the live drawing already, read
// about the placement in force, is kept as it is.
void LoadViewList(const storage::Placement* livePlacedAt) {
  const bool wizardStart =
      WizardActive == 1 && (WizardStep == wizard::WallFirst || WizardStep == wizard::RoomFirst);
  const bool group = IsGroupView(CurrentView);
  if (!group && !wizardStart && livePlacedAt && *livePlacedAt == storage::PageCentre()) return;
  DrawingList.Clear();
  if (group)
    DrawingList.ReadGroupFile();
  else if (wizardStart)
    DrawingList.ReadDrawingFile(dtWizard);  // opens nothing: the first paint loads the example
  else
    DrawingList.ReadDrawingFile(dtDrawing);
}

// A length in 1/24 inch as feet, inches and eighths.
std::string FeetAndInches(int32 v) {
  const int32 feet = v / 24 / 12;
  const int32 inches = (v / 24) % 12;
  const int32 eighths = (v % 24) / 3;
  if (eighths == 0) return plat::Format("%d' %d''", feet, inches);
  int32 num = eighths, den = 8;
  while (num % 2 == 0) {
    num /= 2;
    den /= 2;
  }
  return plat::Format("%d' %d %d/%d''", feet, inches, num, den);
}

// The layout view of a floor (ground floor's for every other view).
int32 LayoutOf(int32 v) {
  if (v >= view::Ground && v <= view::Basement) return view::LayoutGround + (v - view::Ground);
  return view::LayoutGround;
}

}  // namespace

void TMainForm::ShowView(int32 /*mode: callers pass 0*/, const std::string& extension,
                         const storage::Placement* livePlacedAt) {
  const std::string caption = DrawingList.DrawingName + extension;
  DrawingList.SetViewFileName(caption);
  if (ViewState < 1) ViewState = 1;
  TMDIChild* child = CreateDrawingWindow(caption);
  if (!child) return;

  LoadViewList(livePlacedAt);

  // A new window gets its size first, as the window system would report it.
  child->FormResize();
  child->CentreView(1);
  if (ZoomStyle > zoomstyle::Normal) child->ApplyZoom(ZoomStyle);
  if (IsGroupView(CurrentView)) child->ApplyZoom(zoomstyle::Fit);
  if (drawingOpen_ && ViewState < 2) ViewState = 2;
  child->Surface().InvalidateRect(nullptr);
}

// Switching the view asks about unsaved changes, then shows the view's
// window: the one already open for it, or a new one. A save that failed
// keeps the view, so that what its file could not take stays in its window.
bool TMainForm::SwitchView(int32 viewCode, int32 function) {
  if (!drawingOpen_) return false;
  CurrentFunction = function;
  if (AskSaveChanges() == SaveAnswer::NotSaved) return false;
  // The view chosen is shown, alone: in an overlay its window would take
  // the overlay's working floor, which another window may show already.
  EndOverlay();
  // A function under way belongs to the floor it was started on.
  SelectPickTool();
  CurrentFunction = function;
  CurrentView = viewCode;
  const std::string caption = DrawingList.DrawingName + ViewExtension(viewCode);
  for (TMDIChild* c : Children()) {
    if (c->ViewCode == viewCode && c->Caption == caption) {
      if (frame_) frame_->ActivateChild(c->Host());
      ChildActivated(c);
      c->RestoreViewState();
      LoadViewList(nullptr);
      c->Surface().InvalidateRect(nullptr);
      return true;
    }
  }
  ShowView(0, ViewExtension(viewCode));
  return true;
}

void TMainForm::CmPlanExecute() {
  if (!drawingOpen_) return;
  CurrentFunction = func::View;
  if (AskSaveChanges() == SaveAnswer::NotSaved) return;
  // The view shown stays when a later save fails.
  const int32 shown = CurrentView;
  CurrentView = view::Ground;
  bool moved = false;
  if (DrawingList.QueryFloor(view::Ground) == 1) {
    EndOverlay();
    if (AutosaveMode > 0 && AskSaveChanges() == SaveAnswer::NotSaved) {
      CurrentView = shown;
      return;
    }
    moved = DrawingList.CentreFloorOnPage(0);
  }
  if (!SwitchView(view::Ground, func::View)) CurrentView = shown;
  // Marked once the view's own save question is past, which asks only
  // about what came before.
  if (moved) MarkDrawingChanged();
}

void TMainForm::CmPlan1Execute() { ShowFloor(view::First); }
void TMainForm::CmPlan2Execute() { ShowFloor(view::Second); }
void TMainForm::CmPlan3Execute() { ShowFloor(view::Third); }
void TMainForm::CmSubfloorExecute() { ShowFloor(view::Basement); }

// The upper floors and the sub floor: the floor's window, its walls when
// they are to be taken from the floor below, and its drawing title.
void TMainForm::ShowFloor(int32 v) {
  if (!drawingOpen_ || !SwitchView(v, func::View)) return;
  OfferWallsFromBelow(v);
  DrawingList.ReadDrawingFile(dtDrawing);
  if (DrawingList.BuildTitleBlock()) MarkDrawingChanged();
  if (TMDIChild* c = ActiveChild()) c->Surface().InvalidateRect(nullptr);
}

void TMainForm::CmSiteExecute() {
  if (!drawingOpen_ || !SwitchView(view::Site, func::View)) return;
  // The site plan starts from the ground floor's external walls.
  bool changed = DrawingList.QueryFloor(view::Site) != 1 && DrawingList.CopyWallsToSite();
  DrawingList.ReadDrawingFile(dtDrawing);
  changed = DrawingList.BuildTitleBlock() || changed;
  if (changed) MarkDrawingChanged();
  if (TMDIChild* c = ActiveChild()) c->Surface().InvalidateRect(nullptr);
}

void TMainForm::CmLayoutExecute() { SwitchView(LayoutOf(CurrentView), func::View); }

void TMainForm::CmGroupExecute() { SwitchView(view::Group, func::View); }

// ---- Zoom -------------------------------------------------------------------------------

TMDIChild* TMainForm::ZoomTarget() {
  TMDIChild* child = ActiveChild();
  if (!child || ViewState < 2) return nullptr;
  CurrentFunction = func::Zoom;
  child->RestoreToolId = CurrentTool() ? CurrentTool()->Type : 0;
  return child;
}

void TMainForm::CmZoomnormExecute() {
  if (TMDIChild* c = ZoomTarget()) c->ApplyZoom(zoomstyle::Normal);
}

void TMainForm::CmZoomhalfExecute() {
  if (TMDIChild* c = ZoomTarget()) c->ApplyZoom(zoomstyle::Half);
}

void TMainForm::CmZoomfitExecute() {
  if (TMDIChild* c = ZoomTarget()) c->ApplyZoom(zoomstyle::Fit);
}

void TMainForm::CmZoomupExecute() {
  TMDIChild* c = ZoomTarget();
  if (!c) return;
  c->ResetZoomBox();
  if (TDrawingtool* t = CurrentTool()) t->PickedFloor() = kZoomBoxArmed;
  c->ChildMode = childmode::Frame;
  ZoomStyle = zoomstyle::ZoomUp;
  cfg::Write(ProgramFile(cfgfile::ZoomState),
             plat::Format("%d %d %d %d %d %f", 0, WindowExtX, WindowExtY, WindowOrgX, WindowOrgY,
                          double(ZoomFactor)));
  ShowAidPrompt(kZoomUpPrompt);
}

// The screen scale of the site plan, in percent of the normal zoom.
void TMainForm::ScalePercentage1Click() {
  TMDIChild* c = ActiveChild();
  if (!c) return;
  CurrentFunction = func::Zoom;
  cfg::Reader current(ProgramFile(cfgfile::ScaleView.ForUnits()));
  float shown = float(kPercent);
  current.Real(shown);
  dlg::ScreenScaleDialog scale;
  scale.percent = TruncToInt(shown);
  if (scale.percent < dlg::kMinScreenScale || scale.percent > dlg::kMaxScreenScale)
    scale.percent = kPercent;
  if (!dlg::ShowModal(scale)) return;
  const int32 percent = scale.percent;
  if (percent < dlg::kMinScreenScale || percent > dlg::kMaxScreenScale) return;

  int32 h = 0, w = 0;
  c->GetClientExtent(&h, &w);
  const float normal = MetricUnits == 1 ? 5.0f : 4.0f;
  ScaleViewFactor = normal * float(kPercent) / float(percent);
  cfg::Write(ProgramFile(cfgfile::ScaleView.ForUnits()),
             plat::Format("%f %f", double(percent), double(ScaleViewFactor)));
  c->SetupViewport(2);
  c->Surface().InvalidateRect(nullptr);
}

void TMainForm::ShowPixelSize() {
  const double units = double(ZoomFactor) * PixelScale;  // drawing units per pixel
  std::string size;
  if (MetricUnits == 1)
    size = plat::Format("%d mm", TruncToInt(units));
  else
    size = FeetAndInches(TruncToInt(units));
  st.SetPanelText(panel::ScreenScale, "1 pixel = " + size);
}

// ---- Undo ---------------------------------------------------------------------------------

void TMainForm::CmUndoExecute() {
  TMDIChild* c = ActiveChild();
  if (!c) return;
  MarkDrawingChanged();
  c->Undo();
  // The step may hold any floor: each window shows the drawing as it now is.
  InvalidateAllChildren();
}

void TMainForm::CmRedoExecute() {
  TMDIChild* c = ActiveChild();
  if (!c) return;
  MarkDrawingChanged();
  c->Redo();
  InvalidateAllChildren();
}
