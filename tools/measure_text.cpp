#include "tools/measure_text.h"

#include "platform/services.h"

namespace {
constexpr int32 kUnitsPerInch = 24;
constexpr int32 kInchesPerFoot = 12;
constexpr int32 kUnitsPerEighth = 3;
}  // namespace

bool EighthsFraction(int32 r, int32& numerator, int32& denominator) {
  if (r <= 0 || r >= kUnitsPerInch || r % kUnitsPerEighth != 0) return false;
  numerator = r / kUnitsPerEighth;
  denominator = 8;
  while (numerator % 2 == 0) {
    numerator /= 2;
    denominator /= 2;
  }
  return true;
}

std::string MeasureText(int32 length) {
  if (MetricUnits == 1) return plat::Format("%d", length);
  const int32 allInches = length / kUnitsPerInch;
  const int32 r = length % kUnitsPerInch;
  const int32 feet = allInches / kInchesPerFoot;
  const int32 inches = allInches % kInchesPerFoot;
  int32 num = 0, den = 0;
  if (EighthsFraction(r, num, den)) return plat::Format("%d' %d %d/%d''", feet, inches, num, den);
  return plat::Format("%d' %d''", feet, inches);
}
