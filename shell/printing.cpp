// Printing a floor at scale: the print command records an undo step and
// writes the drawing and its backup, then the print worker draws the view
// onto one page with an isotropic mapping, y up, centred on the plan.
#include "shell/printing.h"

#include <algorithm>
#include <cmath>

#include "dialogs/shell_dialogs.h"
#include "model/flist.h"
#include "model/globals.h"
#include "planwindow/childwin.h"
#include "platform/ui.h"
#include "shell/mainform.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"

namespace {

constexpr const char* kPrintFailed = "the drawing could not be printed";

constexpr double kInchesPerMillimetre = 0.039371;
constexpr double kInchesPerImperialUnit = 1.0 / 24.0;
constexpr double kMillimetresPerInch = 25.4;
// A calibration outside this range is a damaged file, not a printer.
constexpr double kMinCalibration = 0.5;
constexpr double kMaxCalibration = 2.0;
constexpr int32 kNoExtentLow = 200000;
constexpr int32 kNoExtentHigh = 0;

// Pen widths and text heights on paper for the dialog's choices.
double LineWeightMillimetres(int32 weight) {
  switch (weight) {
    case dlg::lineweight::Thin: return 0.18;
    case dlg::lineweight::Thick: return 0.5;
    default: return 0.35;
  }
}
double TextHeightMillimetres(int32 size) {
  switch (size) {
    case dlg::textsize::Small: return 2.0;
    case dlg::textsize::Large: return 3.5;
    default: return 2.5;
  }
}

bool IsGroupPrint(int32 v) { return v == view::Group || v == view::GroupPrint; }

// The globals the worker changes while it prints.
struct SavedMapping {
  int32 view = CurrentView;
  int32 orgX = WindowOrgX, orgY = WindowOrgY;
  int32 extX = WindowExtX, extY = WindowExtY;
  int32 zoomUnits = ZoomUnits;
  ~SavedMapping() {
    CurrentView = view;
    WindowOrgX = orgX;
    WindowOrgY = orgY;
    WindowExtX = extX;
    WindowExtY = extY;
    ZoomUnits = zoomUnits;
  }
};

void ReadPrintedDrawing() {
  if (IsGroupPrint(CurrentView)) {
    DrawingList.Clear();
    DrawingList.ReadGroupFile();
  } else {
    DrawingList.ReadDrawingFile(dtDrawing);
  }
}

// The centre of the plan in mapping units: the measured extents, or the
// sheet's centre when nothing was measured.
plat::Point PlanCentre() {
  cfg::Reader r(ProgramFile(cfgfile::PlanExtents));
  int32 left = 0, right = 0, top = 0, bottom = 0;
  const bool read = r.Int(left) && r.Int(right) && r.Int(top) && r.Int(bottom);
  if (!read || left == kNoExtentLow || bottom == kNoExtentLow || right == kNoExtentHigh ||
      top == kNoExtentHigh)
    return {DrawingWidth / 2, DrawingHeight / 2};
  return {int32((1LL * left + right) / 2 / PixelScale), int32((1LL * top + bottom) / 2 / PixelScale)};
}

int32 AtLeastOne(double v) { return std::max(1, int32(std::lround(v))); }

}  // namespace

double PrintCalibration() {
  cfg::Reader r(ProgramFile(cfgfile::PrintCalibration.ForUnits()));
  double f = 0;
  if (!r.Real(f) || f < kMinCalibration || f > kMaxCalibration) return 1.0;
  return f;
}

bool TMainForm::PrintView(int32 offset, const dlg::PrintChoice& choice) {
  if (!printer_) return false;
  SavedMapping saved;
  std::unique_ptr<plat::DeviceContext> page = printer_->BeginDoc(DrawingList.ViewFileName);
  if (!page) {
    plat::ErrorBox(kPrintFailed, plat::mbCancel);
    return false;
  }
  const plat::Size size = page->DeviceSize();
  const double dpi = page->PixelsPerInchX();
  const int32 scale = std::clamp(choice.scale, dlg::kMinPrintScale, dlg::kMaxPrintScale);
  const double inchesPerUnit = MetricUnits == 1 ? kInchesPerMillimetre : kInchesPerImperialUnit;
  // Printer pixels per mapping unit (PixelScale drawing units).
  const double perMapUnit = dpi * inchesPerUnit * PrintCalibration() / scale * PixelScale;
  const double mmPerPixel = kMillimetresPerInch / dpi;

  // Pens and texts are sized in mapping units: as many as the paper sizes need.
  ZoomUnits = AtLeastOne(LineWeightMillimetres(choice.lineWeight) / mmPerPixel / perMapUnit);
  TextScale = AtLeastOne(TextHeightMillimetres(choice.textSize) / mmPerPixel /
                         (std::max(TextSize, 1) * perMapUnit));
  CurrentView += offset;

  ReadPrintedDrawing();
  if (CurrentView < view::SplitPrintOffset) DrawingList.ComputePlanExtents(1);
  PartFrame part;
  const bool printsPart = CurrentView >= view::PartPrintOffset && ReadPartFrame(part);
  const plat::Point centre = printsPart ? PartFrameCentre(part) : PlanCentre();
  const int32 scaleAdded = CurrentView < view::PartPrintOffset
                               ? DrawingList.AddScaleText(scale, choice.showScale)
                               : 0;

  const int32 w = AtLeastOne(size.cx / perMapUnit);
  const int32 h = AtLeastOne(size.cy / perMapUnit);
  page->SetMapMode(plat::MM_ISOTROPIC);
  page->SetWindowExt(w, h);
  page->SetViewportExt(size.cx, -size.cy);
  page->SetWindowOrg(centre.x - w / 2, centre.y - h / 2);
  page->SetViewportOrg(0, size.cy);
  page->SetBkMode(plat::TRANSPARENT);
  if (printsPart) ClipToPartFrame(*page, part);

  if (IsGroupPrint(CurrentView)) {
    ReadPrintedDrawing();
    DrawingList.PrintFloor(*page);
  } else {
    // Shapes first, so walls, openings and texts print over them.
    DrawingList.Clear();
    DrawingList.ReadDrawingShapes(dtDrawing);
    DrawingList.PrintFloor(*page);
    DrawingList.Clear();
    DrawingList.ReadDrawingStructure(dtDrawing);
    DrawingList.PrintFloor(*page);
  }
  const bool printed = printer_->EndDoc(std::move(page));

  if (scaleAdded == 1) {
    // The scale text was stored for the print only.
    ReadPrintedDrawing();
    if (DrawingList.Count() > 0) DrawingList.RemoveAt(DrawingList.Count() - 1);
    if (IsGroupPrint(CurrentView))
      DrawingList.WriteGroupFile();
    else
      DrawingList.WriteDrawingFile(dtDrawing);
  }
  CurrentView = saved.view;
  ReadPrintedDrawing();
  if (!printed) plat::ErrorBox(kPrintFailed, plat::mbCancel);
  return printed;
}

void TMainForm::CmPrintExecute() {
  TMDIChild* child = ActiveChild();
  if (!child || !drawingOpen_ || !printer_) return;
  CurrentFunction = func::Print;
  dlg::TTFPlanprintdlg choice;
  dlg::ReadPrintSettings(choice);
  if (!dlg::ShowModal(choice)) return;
  dlg::WritePrintSettings(choice);
  WallDisplayMode = dlg::PrintWallDisplayMode(choice);
  if (!printer_->Setup()) return;

  DrawingList.UpdateUndoHistory(uoRecord, CurrentView);
  if (CurrentView == view::Group)
    DrawingList.WriteGroupFile();
  else
    DrawingList.WriteDrawingFile(dtDrawing);
  DrawingList.WriteDrawingFile(dtBackup);
  PrintView(view::PrintOffset, choice);
  TextScale = 0;
  child->Surface().InvalidateRect(nullptr);
}
