// The size label of a window: its text in millimetres or in feet, inches
// and eighths, and where it stands beside the wall.
#pragma once

#include <string>

#include "model/globals.h"
#include "platform/gdi_types.h"

// "1200 w x 1050 h" in metric drawings; "3' 6 1/2'' x 4' 0''" in imperial
// ones (1/24 inch; a remainder that is not a whole eighth is shown to the
// eighth below it).
std::string OpeningSizeText(int32 width, int32 height, bool metric);

struct LabelPlacement {
  plat::Point at;
  int32 escapement = 0;  // tenths of a degree
  int32 alignment = 0;   // 1..6, as texts are aligned
};
// The label of an opening whose insertion point is p on a wall of the
// given bearing, d drawing units out from the wall's face.
LabelPlacement SizeLabelPlacement(plat::Point p, int32 wallAngle, int32 d);
