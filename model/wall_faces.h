// The face lines of walls, as the tools that measure rooms see them: an
// external wall's main line (its outer face) and its inner face (the fourth
// line of a cavity wall, the second line otherwise); an internal wall's two
// faces (kind 150) or its one face (the stop ends 154 and 155).
#pragma once

#include <algorithm>

#include "model/elements.h"

namespace walls {

struct Face {
  int32 x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  int32 face = 1;  // 1 the first face, 2 the second (an internal wall's other line)

  int32 MinX() const { return std::min(x1, x2); }
  int32 MaxX() const { return std::max(x1, x2); }
  int32 MinY() const { return std::min(y1, y2); }
  int32 MaxY() const { return std::max(y1, y2); }
};

// Bearings in tenths of a degree: 0, 1800 and 3600 run up or down (a
// vertical face), 900 and 2700 across (a horizontal one).
constexpr bool IsVerticalBearing(int32 a) { return a == 0 || a == 1800 || a == 3600; }
constexpr bool IsHorizontalBearing(int32 a) { return a == 900 || a == 2700; }
constexpr bool IsOrthogonalBearing(int32 a) {
  return IsVerticalBearing(a) || IsHorizontalBearing(a);
}

Face InnerFace(const TExtwallobj& w);
Face MainLine(const TObj& e);
// An internal wall's second face (Line2).
Face SecondFace(const TInwallobj& w);
// The wall's bearing field (0 for other elements).
int32 BearingOf(const TObj& e);

// The x where a face's line crosses the height y (the face must not be
// horizontal); exact for any slope.
double CrossingX(const Face& f, int32 y);

}  // namespace walls
