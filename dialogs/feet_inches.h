// A length of an imperial drawing as the dialogs show it: feet, inches and
// eighths, kept in 1/24 inch.
#pragma once

#include <string>

#include "model/globals.h"

namespace dlg {

struct FeetInches {
  int32 feet = 0;
  int32 inches = 0;   // 0 to 11
  int32 eighths = 0;  // 0 to 7
  static FeetInches Of(int32 units);  // rounded down to eighths; below 0 is 0
  int32 Units() const;
};

class Form;
// The three fields of a length on a form: "<label> feet" (0 to maxFeet),
// "<label> inches" and "<label> eighths".
void DescribeFeetInches(Form& f, const std::string& label, FeetInches& v, int32 maxFeet);

}  // namespace dlg
