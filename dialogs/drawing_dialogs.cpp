#include "dialogs/drawing_dialogs.h"

#include "dialogs/shell_dialogs.h"

void TTTextdlg::Describe(dlg::Form& f) {
  f.Title("Text");
  f.Choice("Placement", Placement,
           {{kCentred, "centred on a click (type it in a box)"},
            {kTyped, "typed into the plan from a starting point"}});
  f.Choice("Direction", Direction, {{kLevel, "horizontal"}, {kUpright, "vertical"}});
}

void Ttextcentredlg::Describe(dlg::Form& f) {
  f.Title("Text");
  f.Text("Text", Text, kMaxLength);
}

std::string Ttextcentredlg::Accept() const {
  if (Text.empty() || Text.size() > static_cast<std::size_t>(kMaxLength))
    return "text (1 to 70 letters) input is incorrect";
  return {};
}

void TTLinedlg::Describe(dlg::Form& f) {
  f.Title("Line Style");
  f.Choice("Thickness", Thickness, {{kThin, "thin"}, {kThick, "thick"}});
  f.Choice("Style", PenStyle, {{0, "solid"}, {1, "dashed"}, {2, "dotted"}, {3, "dot-dash"}});
}

void TTLinetextdlg::Describe(dlg::Form& f) {
  f.Title("Text on a Line");
  f.Text("Text", Text, kMaxLength);
  f.Choice("Side", Side, {{kLeftOrAbove, "left or above the line"},
                          {kRightOrBelow, "right or below the line"}});
}

std::string TTLinetextdlg::Accept() const {
  if (Text.empty() || Text.size() > static_cast<std::size_t>(kMaxLength))
    return "text (1 to 21 letters) input is incorrect";
  return {};
}

void TTManipdlg::Describe(dlg::Form& f) {
  f.Title("Rotate / Mirror Drawing");
  f.Text("New drawing name", Name, kMaxName);
  f.Choice("Operation", Operation,
           {{90, "90 degree clockwise rotation"},
            {180, "180 degrees"},
            {270, "270 degree clockwise rotation"},
            {kMirror, "mirror reverse "}});
}

std::string TTManipdlg::Accept() const {
  if (Name.size() < static_cast<std::size_t>(kMinName) ||
      Name.size() > static_cast<std::size_t>(kMaxName))
    return "drawing name (3 to 24 letters) input is incorrect";
  if (!dlg::ValidDrawingName(Name))
    return "a drawing name may not hold \\ / : * ? \" < > | nor begin or end with a space";
  return {};
}
