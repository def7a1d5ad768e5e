// The small dialogs of the drawing commands: the text style, the centred
// text, the line style, the text along a line and turning or mirroring the
// drawing. Each is a plain class of its values, shown through dlg::ShowModal
// (dialogs/modal.h) and described as a form (dialogs/form.h).
#pragma once

#include <string>

#include "dialogs/form.h"
#include "dialogs/modal.h"
#include "model/globals.h"

// How a text is placed, and which way it runs.
struct TTTextdlg {
  static constexpr int32 kCentred = 1;  // one text, centred on a click
  static constexpr int32 kTyped = 2;    // typed into the plan from a starting point
  static constexpr int32 kLevel = 0;
  static constexpr int32 kUpright = 2700;

  int32 Placement = kCentred;
  int32 Direction = kLevel;

  void Describe(dlg::Form& f);
};

// The text placed centred on the click.
struct Ttextcentredlg {
  static constexpr int kMaxLength = 70;
  std::string Text;

  void Describe(dlg::Form& f);
  std::string Accept() const;
};

// The thickness and pen style of new lines and shapes.
struct TTLinedlg {
  static constexpr int32 kThin = 1;
  static constexpr int32 kThick = 2;

  int32 Thickness = kThin;
  int32 PenStyle = 0;  // 0 solid, 1 dashed, 2 dotted, 3 dot-dash

  void Describe(dlg::Form& f);
};

// The text written along each line drawn next, and its side.
struct TTLinetextdlg {
  static constexpr int kMaxLength = 21;
  static constexpr int32 kLeftOrAbove = 1;
  static constexpr int32 kRightOrBelow = 2;

  std::string Text;
  int32 Side = kLeftOrAbove;

  void Describe(dlg::Form& f);
  // A text of 1 to 21 characters.
  std::string Accept() const;
};

// Turning or mirroring the whole drawing into a drawing of a new name.
struct TTManipdlg {
  static constexpr int kMinName = 3;
  static constexpr int kMaxName = 24;
  static constexpr int32 kMirror = 1;

  std::string Name;
  int32 Operation = 90;  // 90, 180, 270 clockwise, or kMirror

  void Describe(dlg::Form& f);
  // A name of 3 to 24 characters that makes a safe file name.
  std::string Accept() const;
};
