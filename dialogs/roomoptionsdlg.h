// The design-room settings of the main form's Rooms menu: the merging
// distance (how near a dropped room must come to a wall or another room to
// snap to it) and which room colour to change.
#pragma once

#include "dialogs/form.h"
#include "model/globals.h"

namespace dlg {

// Millimetres in metric drawings, inches in imperial ones; kept in
// "CFG\MERGEM.CFG" / "CFG\MERGEI.CFG" in drawing units.
struct MergingDistanceDialog {
  MergingDistanceDialog();  // starts from the file of the drawing's units
  int32 distance = 0;       // millimetres or inches as shown
  void Describe(Form& f);
  void Keep() const;
  static constexpr int32 kMaxMetric = 3000;
  static constexpr int32 kMaxInches = 120;
};

// Which of the three room colours of "CFG\RMCLR.CFG" to choose next.
struct RoomColourDialog {
  int32 which = 1;  // 1 wet areas, 2 bedrooms, 3 other rooms
  void Describe(Form& f);
};

}  // namespace dlg
