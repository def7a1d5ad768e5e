#include "dialogs/feet_inches.h"

#include <algorithm>

#include "dialogs/form.h"

namespace dlg {

namespace {
constexpr int32 kUnitsPerFoot = 288;
constexpr int32 kUnitsPerInch = 24;
constexpr int32 kUnitsPerEighth = 3;
}  // namespace

FeetInches FeetInches::Of(int32 units) {
  units = std::max(units, 0);
  return {units / kUnitsPerFoot, (units % kUnitsPerFoot) / kUnitsPerInch,
          (units % kUnitsPerInch) / kUnitsPerEighth};
}

int32 FeetInches::Units() const {
  return feet * kUnitsPerFoot + inches * kUnitsPerInch + eighths * kUnitsPerEighth;
}

void DescribeFeetInches(Form& f, const std::string& label, FeetInches& v, int32 maxFeet) {
  f.Integer(label + " feet", v.feet, 0, maxFeet);
  f.Integer(label + " inches", v.inches, 0, 11);
  f.Integer(label + " eighths", v.eighths, 0, 7);
}

}  // namespace dlg
