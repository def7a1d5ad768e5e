// The feet, inches and eighths dialog: asks a length in an imperial drawing.
//
// It is created with a default length in 1/24 inch and shown modally through
// dlg::ShowModal (the Qt form in the program, a script in tests); on OK
// Length holds the typed length in 1/24 inch.
#pragma once

#include <string>

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

  // Checks the fields and, when they hold, sets Length; otherwise returns
  // the message the dialog shows (and stays open).
  std::string Accept();

  static constexpr int32 kMaxFeet = 9999;
};
