// An outline traced on the layout where external walls are marked, as the
// marking traces it, for the tests, the speed checks and the fuzz targets
// to build walls from.
#pragma once

#include <vector>

#include "building/wall_geometry.h"
#include "model/elements.h"
#include "model/flist.h"
#include "model/globals.h"

// A wall line from each corner to the next and from the last back to the
// first; the marking view is left the current one, as marking leaves it.
inline void TraceOutline(const std::vector<plat::Point>& corners) {
  for (std::size_t k = 0; k < corners.size(); ++k) {
    const plat::Point a = corners[k], b = corners[(k + 1) % corners.size()];
    DrawingList.Add(new TLineobj(kind::WallLine, view::LayoutMarkingWalls, 0,
                                 bearing::Length(a, b), a.x, 0, b.x, 0, a.y, b.y, 0,
                                 bearing::Of(a, b), 0, 1, 0));
  }
  CurrentView = view::LayoutMarkingWalls;
}
