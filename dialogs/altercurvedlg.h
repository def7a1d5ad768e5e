// The alter-curve dialog: which curve (an ellipse or a circle) and what to
// do with it (move it or delete it).
#pragma once

#include "dialogs/form.h"
#include "model/globals.h"

struct TTAltercurvedlg {
  static constexpr int32 Ellipse = 1;
  static constexpr int32 Circle = 2;
  static constexpr int32 MoveIt = 1;
  static constexpr int32 DeleteIt = 2;

  int32 curve = Ellipse;
  int32 action = MoveIt;

  void Describe(dlg::Form& f) {
    f.Title("Alter Curve").Help("altercurve.htm");
    f.Choice("Curve", curve, {{Ellipse, "ellipse"}, {Circle, "circle"}});
    f.Choice("Alteration", action, {{MoveIt, "move"}, {DeleteIt, "delete"}});
  }
};
