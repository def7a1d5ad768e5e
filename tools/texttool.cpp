// The text tools: texts placed at a click, and texts typed into the plan
// character by character with each line committed on Enter.
#include "tools/texttool.h"

#include <cstring>

#include "model/flist.h"
#include "model/group_ids.h"
#include "model/view_mapping.h"
#include "platform/dc.h"
#include "platform/dc_scope.h"

namespace {

constexpr char kBackspace = 8;
constexpr char kEnter = 13;
constexpr int32 kLowestCoordinate = 10;
constexpr int32 kBoldFrom = 500;

bool AnchorOnSheet(int32 x, int32 y) {
  return x >= kLowestCoordinate && x <= DrawingWidth * PixelScale && y >= kLowestCoordinate &&
         y <= DrawingHeight * PixelScale;
}

int32 TextLength(const char* text) {
  return static_cast<int32>(strnlen(text, kToolTextCapacity - 1));
}

}  // namespace

unsigned TextAlignment(int32 code, int32 angle) {
  constexpr unsigned kBaselineCentre = plat::TA_BASELINE | plat::TA_CENTER;
  constexpr unsigned kBaselineLeft = plat::TA_BASELINE | plat::TA_LEFT;
  switch (code) {
    case textplace::Centred:
      return angle == kTextLevel || angle == kTextUpright ? kBaselineCentre
                                                          : plat::TA_BOTTOM | plat::TA_LEFT;
    case textplace::Typed:
    case 3: return kBaselineLeft;
    case textplace::CentredTop: return plat::TA_TOP | plat::TA_CENTER;
    case textplace::TopLeft: return plat::TA_TOP | plat::TA_LEFT;
    case textplace::CentredUpright: return kBaselineCentre;
    default: return plat::TA_BOTTOM | plat::TA_LEFT;
  }
}

std::string NewTextFace() {
  return DrawingList.TextFontName.empty() ? std::string("Arial") : DrawingList.TextFontName;
}

plat::Font NewTextFont(int32 escapement) {
  plat::Font font;
  font.height = TextSize * ZoomUnits;
  font.escapement = escapement;
  font.weight = TextWeight < kBoldFrom ? plat::FW_NORMAL : plat::FW_BOLD;
  font.italic = TextItalic != 0;
  font.face = NewTextFace();
  return font;
}

// ---- TTexttool ----------------------------------------------------------------------------

void TTexttool::MouseDown(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y) {
  if (Type == tooltype::Text) {
    if (Step == toolstep::CentreFirst || Step == toolstep::CentreSecond)
      CentreClick(dc, client, X, Y);
    else if (Step >= toolstep::CentreCentreFirst && Step <= toolstep::CentreCentreThird)
      CentreCentreClick(dc, client, X, Y);
    return;
  }
  if (Type == tooltype::TypedText && Step == toolstep::Idle) {
    const plat::Point p = ClickToDrawing(dc, client, X, Y);
    X1 = p.x;
    Y1 = p.y;
    Active = 1;
    Step = toolstep::TextPlaced;
  }
}

void TTexttool::DrawPreview(plat::DeviceContext& dc, int32) {
  Length = TextLength(Text);
  plat::ScopedFont font(dc, NewTextFont(Direction));
  dc.SetTextAlign(plat::TA_BOTTOM | plat::TA_LEFT);
  dc.SetTextAlign(TextAlignment(CursorX, Direction));
  if (Typed == 1) {
    // The line height with the font's own spacing between lines, for the
    // next line's starting point.
    const plat::TextMetrics m = dc.GetTextMetrics();
    Size = (m.height + m.externalLeading) * (PixelScale + 1);
  }
  dc.SetBkMode(plat::OPAQUE);
  dc.SetBkColor(BackgroundColour);
  dc.SetTextColor(Colour);
  dc.TextOut(X1 / PixelScale, Y1 / PixelScale, std::string_view(Text, Length));
}

void TTexttool::PlaceText(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y,
                          const std::string& text) {
  Colour = DrawingColour;
  const plat::Point p = ClickToDrawing(dc, client, X, Y);
  X1 = p.x;
  Y1 = p.y;
  if (text.size() > kToolTextCapacity - 1) return;
  std::memcpy(Text, text.c_str(), text.size() + 1);
  Length = static_cast<int32>(text.size());
  // The group number is taken only by a text that is stored.
  Tag1 = GroupNumberAfter(NextGroupNumber);
  const int32 before = DrawingList.Count();
  AddElement(dc, client);
  if (DrawingList.Count() > before) NextGroupNumber = Tag1;
}

void TTexttool::Backspace(plat::DeviceContext& dc, const plat::Rect& client) {
  if (Typed <= 0) return;  // nothing typed: nothing to take back
  const plat::COLORREF keep = Colour;
  Colour = BackgroundColour;
  SetViewMapping(dc, client);
  DrawPreview(dc, 0);
  --Typed;
  Text[Typed] = '\0';
  Colour = keep;
  DrawPreview(dc, 0);
}

void TTexttool::Commit(plat::DeviceContext& dc, const plat::Rect& client) {
  Colour = DrawingColour;
  Length = TextLength(Text);
  AddElement(dc, client);
  if (Result == textresult::OffSheet) return;
  Length = 0;
  Typed = 0;
  Text[0] = '\0';
}

void TTexttool::KeyPress(plat::DeviceContext& dc, const plat::Rect& client, char ch) {
  if (ch == kBackspace) {
    Backspace(dc, client);
    return;
  }
  if (ch == kEnter) {
    Commit(dc, client);
    return;
  }
  Colour = DrawingColour;
  Result = textresult::Stored;
  if (TextLength(Text) > kMaxTypedLine) {
    Commit(dc, client);
    if (Result == textresult::OffSheet) return;  // the full line is kept as it is
    Result = textresult::Overflowed;
  }
  if (Typed >= kToolTextCapacity - 1) return;
  Text[Typed] = ch;
  ++Typed;
  Text[Typed] = '\0';
  // The letter that overflowed a line stands on the next one, which the
  // window starts: it is drawn there.
  if (Result == textresult::Overflowed) return;
  SetViewMapping(dc, client);
  DrawPreview(dc, 0);
}

// ---- TTextobjtool ---------------------------------------------------------------------------

void TTextobjtool::AddElement(plat::DeviceContext& dc, const plat::Rect& client) {
  Result = textresult::Stored;
  if (Text[0] != '\0' && !AnchorOnSheet(X1, Y1)) {
    Result = textresult::OffSheet;
    return;
  }
  if (Text[0] != '\0') {
    Length = TextLength(Text);
    // The width in the text's own font, in drawing units.
    SetViewMapping(dc, client);
    {
      plat::ScopedFont font(dc, NewTextFont(0));
      Marked = dc.GetTextExtent(std::string_view(Text, Length)).cx * PixelScale;
    }
    if (CursorX == textplace::Centred && Direction == kTextUpright) Y1 -= Marked / 2;
    const std::string face = NewTextFace();
    DrawingList.UpdateUndoHistory(uoRecord, CurrentView);
    auto* text = new TTextobj(Type, CurrentView, LinkId, Tag1, X1, Y1, X2, Y2, Marked, Colour,
                              Length, Direction, CursorX, static_cast<int32>(face.size()), TextSize,
                              TextWeight, face.c_str(), Text);
    text->Paint(dc, client, 0);
    DrawingList.Add(text);
    DrawingList.WriteDrawingFile(dtDrawing);
    MarkDrawingChanged();
  }
  Active = 0;
}
