// A static text control placed on a window's client area: a box of text in
// its own colours over the picture, which the picture's repaints leave
// alone. The plan window shows its guide panels with them. The Qt window
// shows a label; other windows keep what was set, for the tests.
#pragma once

#include <string>

#include "platform/gdi_types.h"

namespace plat {

struct StaticTextStyle {
  COLORREF background = RGB(255, 255, 255);
  COLORREF textColour = RGB(0, 0, 0);
  bool border = false;  // a single line round the box
  // Text lines run from the top, centred across the box; a line too long
  // for the box wraps at a blank.
};

class StaticText {
 public:
  virtual ~StaticText() = default;
  // Places the control (client pixels) with its look and text, and shows it.
  virtual void Show(const Rect& bounds, const StaticTextStyle& style, const std::string& text) {
    bounds_ = bounds;
    style_ = style;
    text_ = text;
    shown_ = true;
  }
  // Moves the shown control, keeping its look and text.
  void Move(const Rect& bounds) {
    if (shown_) Show(bounds, style_, text_);
  }

  bool Shown() const { return shown_; }
  const Rect& Bounds() const { return bounds_; }
  const StaticTextStyle& Style() const { return style_; }
  const std::string& Text() const { return text_; }

 private:
  Rect bounds_{};
  StaticTextStyle style_{};
  std::string text_;
  bool shown_ = false;
};

}  // namespace plat
