#include "building/wall_query.h"

#include <cstdlib>

Segment InnerFace(const TExtwallobj& w) {
  if (w.CavityWidth > 0) return {{w.Line4X1, w.Line4Y1}, {w.Line4X2, w.Line4Y2}};
  return {{w.Line2X1, w.Line2Y1}, {w.Line2X2, w.Line2Y2}};
}

int32 WallUnderPoint(const TFlist& list, plat::Point p) {
  return list.PickElementAt(TFlist::pmWalls, p.x / PixelScale, p.y / PixelScale);
}

bool Near(plat::Point a, plat::Point b, int32 t) {
  return std::abs(1LL * a.x - b.x) < t && std::abs(1LL * a.y - b.y) < t;
}

void FindWallNeighbours(const TFlist& list, int32 i, int32& previous, int32& next) {
  previous = next = TFlist::kNothingFound;
  if (i < 0 || i >= list.Count()) return;
  const TObj& w = *list.At(i);
  for (int32 j = 6; j < list.Count(); ++j) {
    if (j == i) continue;
    const TObj& e = *list.At(j);
    if (e.Kind != kind::ExtWall || e.Floor != CurrentView) continue;
    if (Near({e.X2, e.Y2}, {w.X1, w.Y1}, kWallEndMeet))
      previous = j;
    else if (Near({e.X1, e.Y1}, {w.X2, w.Y2}, kWallEndMeet))
      next = j;
  }
}
