// The floor area enclosed by the external walls of a floor: the trapezoid
// sum of the outline (traced clockwise, so walls running left to right are
// its top edges), in whole square metres or square feet.
#pragma once

#include "model/flist.h"
#include "model/globals.h"

// The area of the walls of `view` in `list` (0 with no top wall).
int32 FloorAreaOf(const TFlist& list, int32 view);
// Stores the area of CurrentView in DrawingList (TFlist::SetFloorArea);
// a list of fewer than four entries is left alone.
void ComputeFloorArea();
