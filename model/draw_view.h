// Choosing the elements of a view to draw or print (TFlist::DrawView and
// TFlist::PrintFloor are declared in model/flist.h); the overlay settings of
// the other floors.
#pragma once

#include "model/globals.h"

// "CFG\OVERLAY.CFG": which other floors a floor plan shows (a value of
// exactly 1 is on). A file that cannot be read, or a value missing from it,
// is off.
struct OverlayFlags {
  bool basement = false;
  bool ground = false;
  bool first = false;
  bool second = false;
  bool third = false;
  bool basementWithGround = false;  // the ground floor faintly under the basement
};
OverlayFlags ReadOverlayFlags();
