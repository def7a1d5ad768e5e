#include "dialogs/printdlg.h"

#include "model/flist.h"
#include "platform/services.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"

namespace dlg {

const char* const kNoFloorChosen = "tick at least one floor to print";

namespace {

constexpr int32 kWallStyleStep = 10;
constexpr int32 kWallStyles = 3;

// The calibration line: 100 mm, or 4 inches.
constexpr double kMetricLine = 100.0;
constexpr double kImperialLine = 4.0;
// A printer off by more than half or double is not calibrated but broken.
constexpr double kLeastPart = 0.5;
constexpr double kMostPart = 2.0;

bool IsTick(int32 v) { return v == 0 || v == 1; }

// The fields every print dialog shows.
void DescribeCommon(Form& f, PrintChoice& c) {
  f.Integer("print scale (1 in)", c.scale, kMinPrintScale, kMaxPrintScale);
  f.Choice("line weight", c.lineWeight,
           {{lineweight::Thin, "thin"}, {lineweight::Medium, "medium"}, {lineweight::Thick, "thick"}},
           true);
  f.Choice("text size", c.textSize,
           {{textsize::Small, "small"}, {textsize::Normal, "normal"}, {textsize::Large, "large"}},
           true);
  f.Choice("walls", c.wallStyle,
           {{wallprint::Lines, "show walls as lines"},
            {wallprint::Hatched, "show walls cross hatched"},
            {wallprint::Solid, "show walls solid black"}});
  f.Check("print the scale under the plan", c.showScale);
  f.Check("print NO external dimensions", c.hideDimensions);
  f.Check("check only if vertical text prints incorrectly", c.verticalText);
}

}  // namespace

int32* PrintChoice::FloorTick(int32 viewCode) {
  switch (viewCode) {
    case view::Ground: return &ground;
    case view::First: return &first;
    case view::Second: return &second;
    case view::Third: return &third;
    case view::Basement: return &basement;
    default: return nullptr;
  }
}

std::vector<int32> PrintChoice::Floors() const {
  std::vector<int32> out;
  const int32 ticks[] = {ground, first, second, third, basement};
  for (int32 i = 0; i < 5; ++i)
    if (ticks[i] == 1) out.push_back(view::Ground + i);
  return out;
}

void ReadPrintSettings(PrintChoice& c) {
  cfg::Reader r(ProgramFile(cfgfile::PrintChoices));
  int32 v = 0;
  // Each value is taken only when it is one the dialogs can write.
  auto next = [&](int32& field, bool (*valid)(int32)) {
    if (!r.Int(v)) return false;
    if (valid(v)) field = v;
    return true;
  };
  int32 walls = c.wallStyle / kWallStyleStep;
  if (!next(c.verticalText, IsTick) || !next(c.hideDimensions, IsTick) ||
      !next(walls, [](int32 x) { return x >= 0 && x < kWallStyles; }))
    return;
  c.wallStyle = walls * kWallStyleStep;
  if (!next(c.lineWeight, [](int32 x) { return x >= lineweight::Thin && x <= lineweight::Thick; }) ||
      !next(c.textSize, [](int32 x) { return x >= textsize::Small && x <= textsize::Large; }) ||
      !next(c.scale, [](int32 x) { return x >= kMinPrintScale && x <= kMaxPrintScale; }) ||
      !next(c.showScale, IsTick))
    return;
  for (int32* tick : {&c.ground, &c.first, &c.second, &c.third, &c.basement})
    if (!next(*tick, IsTick)) return;
}

void WritePrintSettings(const PrintChoice& c) {
  cfg::Write(ProgramFile(cfgfile::PrintChoices),
             plat::Format("%d %d %d %d %d %d %d %d %d %d %d %d\n", c.verticalText, c.hideDimensions,
                          c.wallStyle / kWallStyleStep, c.lineWeight, c.textSize, c.scale,
                          c.showScale, c.ground, c.first, c.second, c.third, c.basement));
}

int32 PrintWallDisplayMode(const PrintChoice& c) {
  return (c.hideDimensions == 1 ? 1 : 0) + c.wallStyle;
}

void TTFPlanprintdlg::Describe(Form& f) {
  f.Title("Print Floor Plan").Help("print.htm");
  if (offerFloors) {
    f.Note("floors to print, each on a page of its own:");
    f.Check("ground floor", ground);
    f.Check("first floor", first);
    f.Check("second floor", second);
    f.Check("third floor", third);
    f.Check("sub floor", basement);
  }
  DescribeCommon(f, *this);
}

std::string TTFPlanprintdlg::Accept() const {
  if (offerFloors && Floors().empty()) return kNoFloorChosen;
  return {};
}

void TTGrpprintdlg::Describe(Form& f) {
  f.Title("Print Group Drawing").Help("grpprint.htm");
  DescribeCommon(f, *this);
}

void TTSplitdlg::Describe(Form& f) {
  f.Title("Split Print").Help("split.htm");
  f.Note("The plan is printed at this scale across as many pages as it needs.");
  DescribeCommon(f, *this);
}

double TTPrintcaldlg::Nominal() const { return metric == 1 ? kMetricLine : kImperialLine; }

void TTPrintcaldlg::Describe(Form& f) {
  f.Title("Printer Calibration").Help("printcal.htm");
  const double line = Nominal();
  if (metric == 1) {
    f.Note("Measure the calibration line the printer printed and type its length.");
    f.Real("length of the 100 mm line (mm)", measured, line * kLeastPart, line * kMostPart, 1);
  } else {
    f.Note("Measure the calibration line the printer printed and type its length.");
    f.Real("length of the 4 inch line (inches)", measured, line * kLeastPart, line * kMostPart, 2);
  }
}

double CalibrationFactor(const TTPrintcaldlg& d) {
  return d.measured > 0 ? d.Nominal() / d.measured : 1.0;
}

}  // namespace dlg
