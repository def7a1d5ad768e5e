#include "dialogs/wall_dialogs.h"

#include <cmath>

#include "model/rounding.h"

namespace {

constexpr int32 kUnitsPerEighth = 3;
constexpr int32 kEighthsPerInch = 8;

// Inches to 1/24 inch, rounded down to a whole eighth.
int32 InchesToUnits(double inches) {
  return TruncToInt(std::floor(inches * kEighthsPerInch + 1e-9)) * kUnitsPerEighth;
}

}  // namespace

Layers CustomLayers(int32 total, int32 cavity, int32 inner) {
  if (cavity > 0 && inner > 0) return {total - cavity - inner, cavity, inner};
  return {total, cavity, inner};
}

std::string CustomWallProblem(int32 total, int32 cavity, int32 inner) {
  if (cavity > 0 && inner > 0 && total <= cavity + inner)
    return "The wall must be thicker than its cavity and inner leaf together";
  if ((cavity > 0) != (inner > 0))
    return "Give both the cavity and the inner leaf, or neither for a solid wall";
  return {};
}

void TTExtwalldlg::Describe(dlg::Form& f) {
  std::vector<std::pair<int32, std::string>> options;
  for (int32 t = walltype::Cavity; t < walltype::Count; ++t)
    options.emplace_back(t, WallTypeCaption(t, metric));
  options.emplace_back(walltype::Custom, WallTypeCaption(walltype::Custom, metric));
  f.Title("External Wall Type").Help("extwall.htm");
  f.Choice("Wall type", type, std::move(options));
}

void TTTCustwalldlg::Describe(dlg::Form& f) {
  f.Title("Custom Wall (mm)").Help("extwall.htm");
  f.Integer("Total wall thickness", total, 50, 1000);
  f.Integer("Cavity width (0 for a solid wall)", cavity, 0, 300);
  f.Integer("Inner leaf thickness (0 for a solid wall)", inner, 0, 500);
}

std::string TTTCustwalldlg::Accept() { return CustomWallProblem(total, cavity, inner); }

Layers TTTCustwalldlg::Result() const { return CustomLayers(total, cavity, inner); }

void TTCustwallimpdlg::Describe(dlg::Form& f) {
  f.Title("Custom Wall (inches)").Help("extwall.htm");
  f.Real("Total wall thickness (inches)", total, 2, 40, 3);
  f.Real("Cavity width (inches, 0 for a solid wall)", cavity, 0, 12, 3);
  f.Real("Inner leaf thickness (inches, 0 for a solid wall)", inner, 0, 20, 3);
}

std::string TTCustwallimpdlg::Accept() {
  return CustomWallProblem(InchesToUnits(total), InchesToUnits(cavity), InchesToUnits(inner));
}

Layers TTCustwallimpdlg::Result() const {
  return CustomLayers(InchesToUnits(total), InchesToUnits(cavity), InchesToUnits(inner));
}

void Tsecdlg::Describe(dlg::Form& f) {
  f.Title("Inner Wall Lines").Help("extwall.htm");
  f.Note("Where do the inner line(s) of the wall lie, seen from the outer line you will draw?");
  f.Choice("Inner lines", side,
           {{innerside::Below, "Below the line"},
            {innerside::Above, "Above the line"},
            {innerside::Left, "Left of the line"},
            {innerside::Right, "Right of the line"}});
}
