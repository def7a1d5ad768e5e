#include "building/wall_faces.h"

#include <algorithm>

namespace building {

Face OrderedFace(int32 ax, int32 ay, int32 bx, int32 by) {
  return {std::min(ax, bx), std::min(ay, by), std::max(ax, bx), std::max(ay, by)};
}

bool IsOrthogonalWall(const TObj& wall) { return wall.X1 == wall.X2 || wall.Y1 == wall.Y2; }

Face ExtWallInnerFace(const TExtwallobj& w) {
  if (w.CavityWidth < 1) return OrderedFace(w.Line2X1, w.Line2Y1, w.Line2X2, w.Line2Y2);
  return OrderedFace(w.Line4X1, w.Line4Y1, w.Line4X2, w.Line4Y2);
}

std::array<Face, 2> InWallFaces(const TInwallobj& w) {
  return {OrderedFace(w.X1, w.Y1, w.X2, w.Y2),
          OrderedFace(w.Line2X1, w.Line2Y1, w.Line2X2, w.Line2Y2)};
}

}  // namespace building
