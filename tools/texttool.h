// The text tools: a text placed at a click (type 4), or typed into the plan
// from a starting point (type 24), one line after another.
#pragma once

#include <string>

#include "platform/gdi_types.h"
#include "tools/drawingtool.h"

constexpr int32 kToolTextCapacity = 80;  // 79 characters and the terminator
// A typed line is committed when a character would make it longer.
constexpr int32 kMaxTypedLine = 70;

// Result markers (TDrawingtool::Result) of the text tool after a commit.
namespace textresult {
constexpr int32 Stored = 0;
// The line was committed because it grew past kMaxTypedLine characters.
constexpr int32 Overflowed = 30001;
// Nothing was stored: the starting point lies off the sheet. The typed
// characters are kept for a new starting point.
constexpr int32 OffSheet = 2;
}  // namespace textresult

// Text alignment codes (TDrawingtool::CursorX of the text tool, Alignment of
// a text element).
namespace textplace {
constexpr int32 Centred = 1;       // centred on a click
constexpr int32 Typed = 2;         // typed from a starting point
constexpr int32 CentredTop = 4;
constexpr int32 TopLeft = 5;
constexpr int32 CentredUpright = 6;  // centred on a click, reading up the page
}  // namespace textplace

// Text angles (TDrawingtool::Direction of the text tool): the font's
// escapement. An upright text reads upward on the plan.
constexpr int32 kTextLevel = 0;
constexpr int32 kTextUpright = 2700;

// The device-context alignment of an alignment code at a text angle.
unsigned TextAlignment(int32 code, int32 angle);

// The face of new texts: the drawing's text face, Arial while none is set.
std::string NewTextFace();
// The font of new texts (the text settings) at an escapement, in logical
// units at the zoom in force.
plat::Font NewTextFont(int32 escapement);

class TTexttool : public TDrawingtool {
 public:
  TTexttool() { Type = tooltype::Text; }

  void MouseDown(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y) override;
  // Draws the typed text at the anchor, opaque (drawn again in the
  // background colour it disappears).
  void DrawPreview(plat::DeviceContext& dc, int32 mode) override;
  // Places a complete text at the point; a text that is stored takes a new
  // group number.
  void PlaceText(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y,
                 const std::string& text) override;
  // One typed character: Backspace (8) removes the last one, Enter (13)
  // commits the line, any other is appended and drawn (a character that
  // overflows the line is kept for the next line and not drawn here).
  void KeyPress(plat::DeviceContext& dc, const plat::Rect& client, char ch) override;

  char Text[kToolTextCapacity] = {};
  int32 Length = 0;  // length of Text when committed
  int32 Typed = 0;   // characters typed so far; where the next one goes

 private:
  void Backspace(plat::DeviceContext& dc, const plat::Rect& client);
  // Commits the buffer; it is emptied unless the commit was refused for the
  // starting point.
  void Commit(plat::DeviceContext& dc, const plat::Rect& client);
};

class TTextobjtool : public TTexttool {
 public:
  // Stores Text at the anchor as a text element of kind Type, its width
  // measured in its own font (drawing units). Refused (Result OffSheet)
  // when the anchor lies off the sheet; nothing happens for an empty text.
  void AddElement(plat::DeviceContext& dc, const plat::Rect& client) override;
};
