// The printer calibration: a printer may print a little larger or smaller
// than it says. The user prints a line of known length, measures it and
// types what the ruler shows; every print is then corrected by the factor.
#include "dialogs/modal.h"
#include "dialogs/printdlg.h"
#include "platform/services.h"
#include "platform/ui.h"
#include "shell/mainform.h"
#include "shell/printing.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"

namespace {

constexpr const char* kPrintLineFirst =
    "print the calibration line first? (measure it with a ruler, then type its length)";
constexpr const char* kMetricCaption = "calibration line: 100 mm";
constexpr const char* kImperialCaption = "calibration line: 4 inches";
constexpr const char* kLineFailed = "the calibration line could not be printed";
constexpr const char* kCalibrated = "GUIDE: printer calibrated - prints are scaled by %.4f";
constexpr double kMillimetresPerInch = 25.4;

}  // namespace

void TMainForm::CmPrintcalExecute() {
  if (!printer_) return;
  CurrentFunction = func::Print;
  dlg::TTPrintcaldlg d;
  d.metric = MetricUnits == 1 ? 1 : 0;
  d.measured = d.Nominal() / PrintCalibration();

  if (plat::AskYesNo(kPrintLineFirst) && printer_->Setup()) {
    const double inches = d.metric == 1 ? d.Nominal() / kMillimetresPerInch : d.Nominal();
    if (!PrintCalibrationLine(*printer_, inches, d.metric == 1 ? kMetricCaption : kImperialCaption))
      plat::ErrorBox(PrintFailure(kLineFailed, *printer_), plat::mbCancel);
  }
  if (!dlg::ShowModal(d)) return;
  const double factor = dlg::CalibrationFactor(d);
  cfg::Write(ProgramFile(cfgfile::PrintCalibration.ForUnits()), plat::Format("%f\n", factor));
  st.SetPanelText(panel::Guide, plat::Format(kCalibrated, factor));
}
