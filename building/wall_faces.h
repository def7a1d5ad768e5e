// The face lines of walls as the room and wall tools measure against them.
#pragma once

#include <array>

#include "model/elements.h"
#include "model/globals.h"

namespace building {

// A face line with its ends put in order: x1 <= x2 and y1 <= y2. The order
// of the ends is lost; what is kept is the line's extent on each axis.
struct Face {
  int32 x1 = 0;
  int32 y1 = 0;
  int32 x2 = 0;
  int32 y2 = 0;

  bool Vertical() const { return x1 == x2; }
  bool Horizontal() const { return y1 == y2; }
  bool Orthogonal() const { return Vertical() || Horizontal(); }
  // Whether the point lies on the line's extent, its ends included.
  bool Holds(int32 x, int32 y) const { return x >= x1 && x <= x2 && y >= y1 && y <= y2; }
};

Face OrderedFace(int32 ax, int32 ay, int32 bx, int32 by);

// Whether a wall element runs along an axis (its line has equal x or equal y).
bool IsOrthogonalWall(const TObj& wall);
// A wall running across (equal y); every other wall counts as running up.
inline bool IsHorizontalWall(const TObj& wall) { return wall.Y1 == wall.Y2; }

// The face of an external wall that looks into the building: its second line,
// or its fourth line when the wall has a cavity.
Face ExtWallInnerFace(const TExtwallobj& wall);

// The two faces of an internal wall: its line, then its second line.
std::array<Face, 2> InWallFaces(const TInwallobj& wall);

}  // namespace building
