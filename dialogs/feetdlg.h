// The feet, inches and eighths dialog: asks a length in an imperial drawing.
//
// It is created with a default length in 1/24 inch and shown modally through
// dlg::ShowModal (the Qt form in the program, a script in tests); on OK
// Length holds the typed length in 1/24 inch.
#pragma once

#include <string>
#include <string_view>

#include "model/globals.h"

class TTFeetdlg {
 public:
  // A default below 1 is shown as 1 ft 0 in.
  explicit TTFeetdlg(int32 length);

  // The three fields as the dialog shows them.
  int32 Feet = 0;
  int32 Inches = 0;   // 0 to 11
  int32 Eighths = 0;  // 0 to 7
  // The result in 1/24 inch, valid after OK.
  int32 Length = 0;

  // Shows the dialog through the installed runner; 1 (OK) or 2 (Cancel).
  int ShowModal();

  // The Feet box as typed: whole feet, which leave Inches and Eighths as
  // they are, or feet and inches as lengths are written ("40'6\"", read by
  // dlg::ReadFeetInches), which set all three. False, and Accept refuses,
  // when the text is neither.
  bool TypeFeet(std::string_view text);

  // Checks the fields and, when they hold, sets Length; otherwise returns
  // the message the dialog shows (and stays open).
  std::string Accept();

  static constexpr int32 kMaxFeet = 9999;

 private:
  bool feetUnread_ = false;  // the Feet box last typed was not a length
};
