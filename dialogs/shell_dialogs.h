// The small dialogs of the drawing life cycle: the New drawing dialog and
// the screen-scale dialog (the print dialogs are in dialogs/printdlg.h). The
// program installs their Qt forms; tests install scripted answers
// (dialogs/modal.h).
#pragma once

#include <string>
#include <string_view>

#include "dialogs/modal.h"
#include "dialogs/printdlg.h"
#include "model/globals.h"

namespace dlg {

// The New dialog's answers.
struct NewDrawingChoice {
  std::string name;          // 1 to 24 characters
  int32 metric = 1;          // 1 millimetres, 0 feet and inches
  bool designRooms = false;  // start with design rooms on the layout, else external walls
};

// The screen scale of the site plan in percent of the normal zoom.
constexpr int32 kMinScreenScale = 1;
constexpr int32 kMaxScreenScale = 1000;

// The dialogs, shown through dlg::ShowModal (dialogs/modal.h); each holds
// the start values on entry and the answers after OK.
struct TTNewdlg : NewDrawingChoice {};
struct ScreenScaleDialog {
  int32 percent = 0;  // kMinScreenScale to kMaxScreenScale
};

// A drawing name the program can store: 1 to 24 characters, none of which
// would leave the drawings folder or break the file name.
bool ValidDrawingName(std::string_view name);
// The New dialog's validation message.
extern const char* const kNameIncorrect;

}  // namespace dlg
