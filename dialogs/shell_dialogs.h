// The small dialogs of the drawing life cycle: the New drawing dialog, the
// floor-plan print dialog and the screen-scale dialog. The program installs
// their Qt forms; tests install scripted answers (dialogs/modal.h).
#pragma once

#include <string>
#include <string_view>

#include "dialogs/modal.h"
#include "model/globals.h"

namespace dlg {

// The New dialog's answers.
struct NewDrawingChoice {
  std::string name;          // 1 to 24 characters
  int32 metric = 1;          // 1 millimetres, 0 feet and inches
  bool designRooms = false;  // start with design rooms on the layout, else external walls
};

// Line weights and text sizes of the print dialog.
namespace lineweight {
constexpr int32 Thin = 1;
constexpr int32 Medium = 2;
constexpr int32 Thick = 3;
}  // namespace lineweight
namespace textsize {
constexpr int32 Small = 1;
constexpr int32 Normal = 2;
constexpr int32 Large = 3;
}  // namespace textsize

// How walls print (the tens digit of WallDisplayMode).
namespace wallprint {
constexpr int32 Lines = 0;
constexpr int32 Hatched = 10;
constexpr int32 Solid = 20;
}  // namespace wallprint

// The floor-plan print dialog's answers.
struct PrintChoice {
  int32 scale = 100;  // 1 : scale
  int32 lineWeight = lineweight::Medium;
  int32 textSize = textsize::Normal;
  int32 showScale = 1;       // print the scale text under the plan
  int32 verticalText = 0;    // "check only if vertical text prints incorrectly"
  int32 hideDimensions = 0;  // "print NO external dimensions"
  int32 wallStyle = wallprint::Lines;
};

// "CFG\PRINT.CFG": the print dialog's boxes, the first being the vertical
// text box that text drawing reads while printing. Reading fills what the
// file holds into choice.
void ReadPrintSettings(PrintChoice& choice);
void WritePrintSettings(const PrintChoice& choice);
// Every print runs with the units digit 0 or 1: the dialog's choice of
// dimensions and wall style.
int32 PrintWallDisplayMode(const PrintChoice& choice);

// The range of print scales the dialog accepts.
constexpr int32 kMinPrintScale = 1;
constexpr int32 kMaxPrintScale = 5000;

// The screen scale of the site plan in percent of the normal zoom.
constexpr int32 kMinScreenScale = 1;
constexpr int32 kMaxScreenScale = 1000;

// The dialogs, shown through dlg::ShowModal (dialogs/modal.h); each holds
// the start values on entry and the answers after OK.
struct TTNewdlg : NewDrawingChoice {};
struct TTFPlanprintdlg : PrintChoice {};
struct ScreenScaleDialog {
  int32 percent = 0;  // kMinScreenScale to kMaxScreenScale
};

// A drawing name the program can store: 1 to 24 characters, none of which
// would leave the drawings folder or break the file name.
bool ValidDrawingName(std::string_view name);
// The New dialog's validation message.
extern const char* const kNameIncorrect;

}  // namespace dlg
