#include "dialogs/feetdlg.h"

#include "platform/ui.h"

namespace {

// 1/24 inch per inch and per eighth.
constexpr int32 kUnitsPerInch = 24;
constexpr int32 kUnitsPerEighth = 3;
constexpr int32 kInchesPerFoot = 12;

FeetDialogRunner* g_runner = nullptr;

}  // namespace

FeetDialogRunner* SetFeetDialogRunner(FeetDialogRunner* runner) {
  FeetDialogRunner* previous = g_runner;
  g_runner = runner;
  return previous;
}

TTFeetdlg::TTFeetdlg(int32 length) {
  if (length < 1) length = kInchesPerFoot * kUnitsPerInch;
  Length = length;
  const int32 inches = length / kUnitsPerInch;
  Feet = inches / kInchesPerFoot;
  Inches = inches % kInchesPerFoot;
  Eighths = (length % kUnitsPerInch) / kUnitsPerEighth;
}

std::string TTFeetdlg::Accept() {
  if (Feet < 0 || Feet > kMaxFeet) return "feet 0 to 9999 input is incorrect";
  if (Inches < 0 || Inches >= kInchesPerFoot) return "inches 0 to 11 input is incorrect";
  if (Eighths < 0 || Eighths > 7) return "eighths 0 to 7 input is incorrect";
  Length = (Feet * kInchesPerFoot + Inches) * kUnitsPerInch + Eighths * kUnitsPerEighth;
  return {};
}

int TTFeetdlg::ShowModal() {
  if (!g_runner) return plat::mrCancel;
  return g_runner->Run(*this) ? plat::mrOk : plat::mrCancel;
}

bool ScriptedFeetDialog::Run(TTFeetdlg& dlg) {
  shownDefaults.push_back(dlg.Length);
  if (answers.empty()) {
    ++unexpected;
    return false;
  }
  const Answer a = answers.front();
  answers.pop_front();
  if (!a.ok) return false;
  dlg.Feet = a.feet;
  dlg.Inches = a.inches;
  dlg.Eighths = a.eighths;
  return dlg.Accept().empty();
}
