// Rounding of reals to drawing units.
//
// The program has two rounding rules, both judged on hundredths, and they
// differ on negative values: the tools' RoundToInt only truncates negative
// values, while the drawing turn rounds halves away from zero on both sides.
// Stored drawings depend on each, so they are kept apart.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace rounding_detail {
// trunc(v) as a 32-bit integer; values beyond 32 bits are held at the limits
// instead of overflowing.
inline std::int32_t TruncToInt32(double v) {
  if (std::isnan(v)) return 0;
  if (v >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
    return std::numeric_limits<std::int32_t>::max();
  if (v <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
    return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(v);
}
}  // namespace rounding_detail

// The tools' rounding: value x 100 truncated toward zero; 1 is added when the
// remainder of its division by 100 is above 49. Positive halves round up
// (2.5 gives 3, 2.495 gives 2); negative values are only truncated (-2.7
// gives -2, -0.5 gives 0).
inline std::int32_t RoundToInt(double value) {
  const std::int32_t v = rounding_detail::TruncToInt32(value * 100.0);
  const std::int32_t q = v / 100;
  const std::int32_t r = v % 100;
  return r > 49 ? q + 1 : q;
}

// The drawing turn's rounding: to the nearest integer, halves away from zero,
// judged on hundredths (12.5 gives 13, -12.5 gives -13, 12.49 gives 12).
inline std::int32_t RoundHalfAwayOnHundredths(double value) {
  const std::int32_t t = rounding_detail::TruncToInt32(value * 100.0);
  const std::int32_t q = t / 100;
  const std::int32_t r = t - 100 * q;
  if (r >= 50) return q + 1;
  if (r <= -50) return q - 1;
  return q;
}

// trunc toward zero to a 32-bit integer, held at the limits.
inline std::int32_t TruncToInt(double value) { return rounding_detail::TruncToInt32(value); }
