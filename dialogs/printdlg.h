// The print dialogs: a floor plan (with the floors to print), the group
// drawing, a plan split across pages, and the printer calibration. Each is
// a described form (dialogs/form.h); the first three keep their choices in
// "CFG\PRINT.CFG", the calibration its factor in "CFG\PRNTCALM.CFG" or
// "CFG\PRNTCALI.CFG".
#pragma once

#include <string>
#include <vector>

#include "dialogs/form.h"
#include "model/globals.h"

namespace dlg {

// Line weights and text sizes of the print dialogs.
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

// The range of print scales the dialogs accept.
constexpr int32 kMinPrintScale = 1;
constexpr int32 kMaxPrintScale = 5000;

// The choices of the print dialogs.
struct PrintChoice {
  int32 scale = 100;  // 1 : scale
  int32 lineWeight = lineweight::Medium;
  int32 textSize = textsize::Normal;
  int32 showScale = 1;       // print the scale text under the plan
  int32 verticalText = 0;    // "check only if vertical text prints incorrectly"
  int32 hideDimensions = 0;  // "print NO external dimensions"
  int32 wallStyle = wallprint::Lines;
  // The floors a floor-plan print prints, 1 each when ticked.
  int32 ground = 1;
  int32 first = 0;
  int32 second = 0;
  int32 third = 0;
  int32 basement = 0;

  // The tick of a floor's view code (120 to 124); null for other views.
  int32* FloorTick(int32 viewCode);
  // The ticked floors' view codes, ground floor first.
  std::vector<int32> Floors() const;
};

// "CFG\PRINT.CFG": the vertical-text box first (text drawing reads it while
// printing), then the other choices. Reading fills in what the file holds.
void ReadPrintSettings(PrintChoice& choice);
void WritePrintSettings(const PrintChoice& choice);
// Every print runs with the units digit 0 or 1: the dialog's choice of
// dimensions and wall style.
int32 PrintWallDisplayMode(const PrintChoice& choice);

// "Print Floor Plan". On a floor view it offers the floors to print.
struct TTFPlanprintdlg : PrintChoice {
  bool offerFloors = false;
  void Describe(Form& f);
  std::string Accept() const;
};

// "Print Group Drawing".
struct TTGrpprintdlg : PrintChoice {
  void Describe(Form& f);
};

// "Split Print": the view at a scale, on as many pages as it needs.
struct TTSplitdlg : PrintChoice {
  void Describe(Form& f);
};

// "Printer Calibration": the length the printer gave to the calibration
// line, in millimetres (metric) or inches (imperial).
struct TTPrintcaldlg {
  int32 metric = 1;
  double measured = 0;
  void Describe(Form& f);
  // The length the calibration line is printed at, in the units above.
  double Nominal() const;
};

// The calibration factor: the calibration line's length over the measured
// one.
double CalibrationFactor(const TTPrintcaldlg& d);

// Messages of the print dialogs.
extern const char* const kNoFloorChosen;

}  // namespace dlg
