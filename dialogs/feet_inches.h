// A length of an imperial drawing as the dialogs show it: feet, inches and
// eighths, kept in 1/24 inch.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/globals.h"

namespace dlg {

struct FeetInches {
  int32 feet = 0;
  int32 inches = 0;   // 0 to 11
  int32 eighths = 0;  // 0 to 7
  static FeetInches Of(int32 units);  // rounded down to eighths; below 0 is 0
  int32 Units() const;
};

// A length typed as lengths are written on plans: whole feet ("40", "40'"),
// feet and inches ("40'6\"", "40' 6", "40'-6 1/2\"") or inches alone ("6\"",
// "30 1/2\""). Inches are marked " or '' (as the program writes them), and
// after feet are 0 to 11; fractions are of whole eighths. Nothing when the
// text is not such a length.
struct TypedFeet {
  FeetInches length;
  bool inches = false;  // inches or a fraction were typed, not only feet
};
std::optional<TypedFeet> ReadFeetInches(std::string_view text);

class Form;
// The three fields of a length on a form: "<label> feet" (0 to maxFeet),
// "<label> inches" and "<label> eighths".
void DescribeFeetInches(Form& f, const std::string& label, FeetInches& v, int32 maxFeet);

}  // namespace dlg
