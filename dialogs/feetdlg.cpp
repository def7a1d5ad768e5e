#include "dialogs/feetdlg.h"

#include "dialogs/feet_inches.h"
#include "dialogs/modal.h"
#include "platform/ui.h"

namespace {

// 1/24 inch per inch and per eighth.
constexpr int32 kUnitsPerInch = 24;
constexpr int32 kUnitsPerEighth = 3;
constexpr int32 kInchesPerFoot = 12;

constexpr const char* kFeetUnread =
    "feet input is incorrect - type whole feet, or feet and inches as 40' 6\"";

}  // namespace

TTFeetdlg::TTFeetdlg(int32 length) {
  if (length < 1) length = kInchesPerFoot * kUnitsPerInch;
  Length = length;
  const int32 inches = length / kUnitsPerInch;
  Feet = inches / kInchesPerFoot;
  Inches = inches % kInchesPerFoot;
  Eighths = (length % kUnitsPerInch) / kUnitsPerEighth;
}

bool TTFeetdlg::TypeFeet(std::string_view text) {
  const std::optional<dlg::TypedFeet> typed = dlg::ReadFeetInches(text);
  feetUnread_ = !typed;
  if (!typed) return false;
  Feet = typed->length.feet;
  if (typed->inches) {
    Inches = typed->length.inches;
    Eighths = typed->length.eighths;
  }
  return true;
}

std::string TTFeetdlg::Accept() {
  if (feetUnread_) return kFeetUnread;
  if (Feet < 0 || Feet > kMaxFeet) return "feet 0 to 9999 input is incorrect";
  if (Inches < 0 || Inches >= kInchesPerFoot) return "inches 0 to 11 input is incorrect";
  if (Eighths < 0 || Eighths > 7) return "eighths 0 to 7 input is incorrect";
  Length = (Feet * kInchesPerFoot + Inches) * kUnitsPerInch + Eighths * kUnitsPerEighth;
  return {};
}

int TTFeetdlg::ShowModal() {
  return dlg::ShowModal(*this) ? plat::mrOk : plat::mrCancel;
}
