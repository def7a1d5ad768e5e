// The steps of an evenly spaced row (lines of a grid, strokes of a hatch)
// that fall within a range. A row's length comes from a drawing's values
// and may run to millions of steps where a window shows a few dozen: loops
// run over these steps only.
#pragma once

#include <cstdint>

namespace row {

// Integer division rounded toward minus and toward plus infinity (b > 0).
inline std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}
inline std::int64_t CeilDiv(std::int64_t a, std::int64_t b) { return -FloorDiv(-a, b); }

// The steps i, first to last (none when first > last), at which
// start + dir x pitch x i lies within [lo, hi]; dir is +1 or -1, pitch > 0.
struct Range {
  std::int64_t first, last;
};
inline Range Within(std::int64_t start, int dir, std::int64_t pitch, std::int64_t lo,
                    std::int64_t hi) {
  if (dir > 0) return {CeilDiv(lo - start, pitch), FloorDiv(hi - start, pitch)};
  return {CeilDiv(start - hi, pitch), FloorDiv(start - lo, pitch)};
}

}  // namespace row
