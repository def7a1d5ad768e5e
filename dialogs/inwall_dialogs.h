// The dialogs of the internal walls and the wall edits: the spacing and the
// side of an internal wall's second line (millimetres or inches), the wall
// edit to make, and which floors an expanded or shrunk base changes. Each
// describes its form (dialogs/form.h) and is shown with dlg::ShowModal.
#pragma once

#include <string>

#include "dialogs/form.h"
#include "model/globals.h"

// The spacing and side in millimetres. Starts from the spacing file; Keep()
// writes the spacing back ("CFG\PTNM.CFG").
struct TTDblelinedlg {
  TTDblelinedlg();
  int32 spacing = 110;
  int32 side = 1;  // secondline::
  void Describe(dlg::Form& f);
  bool Keep() const;

  static constexpr int32 kMin = 25;
  static constexpr int32 kMax = 600;
};

// The same in inches and eighths ("CFG\PTNI.CFG", 1/24 inch).
struct TTDblelineimpdlg {
  TTDblelineimpdlg();
  int32 inches = 4;
  int32 eighths = 4;
  int32 side = 1;
  void Describe(dlg::Form& f);
  std::string Accept();
  int32 Spacing() const { return inches * 24 + eighths * 3; }
  bool Keep() const;

  static constexpr int32 kMin = 24;   // 1 inch
  static constexpr int32 kMax = 600;  // 25 inches
};

// Shows the spacing dialog of the drawing's units; on OK the spacing is
// kept, and the spacing (drawing units) and the side chosen are given back.
bool RunSpacingDialog(int32& spacing, int32& side);

// The wall edit to make (the wall-edit tool's step).
struct TTSnapdlg {
  int32 step = 300;
  void Describe(dlg::Form& f);
};

// Which floors an expanded or shrunk base changes (multifloor::).
struct TFloorChange {
  int32 choice = 1;
  void Describe(dlg::Form& f);
};
