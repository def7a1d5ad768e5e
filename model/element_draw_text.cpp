// Texts and design rooms: fonts, alignment, the turn of vertical texts on
// printers that print them upside down, and the room label layout.
#include "model/element_draw.h"
#include "model/elements.h"
#include "model/flist.h"
#include "model/queries_support.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"

using draw::L;
using queries::ClampToInt32;

namespace {

bool IsPrinting() { return CurrentView > view::LastPaintable; }

// Escapements, tenths of a degree. The plan's y-up mapping turns texts on
// screen clockwise, so a vertical text of the plan (2700) reads upward there;
// printer fonts turn counter-clockwise on the page, where 900 reads upward.
constexpr int32 kVertical = 2700;
constexpr int32 kVerticalOnPaper = 900;
constexpr int32 kFullTurn = 3600;

// Printer fonts turn the other way from the screen's. Unless the print
// dialog's box "check only if vertical text prints incorrectly" is ticked
// (first value of the print settings 1: the driver turns texts as the screen
// does), texts running up or down are mirrored across the horizontal so that
// the page shows them as the screen does: 2700 and 900 swap, 3150 becomes 450.
int32 PrintedEscapement(int32 escapement) {
  cfg::Reader in(ProgramFile(cfgfile::PrintChoices));
  int32 verticalTextOk = 0;
  if (!in.Int(verticalTextOk) || verticalTextOk != 0) return escapement;
  const bool turned =
      (escapement >= 1 && escapement <= kVerticalOnPaper) || escapement >= kVertical;
  if (!turned) return escapement;
  if (escapement == kVertical) return kVerticalOnPaper;
  if (escapement == kVerticalOnPaper) return kVertical;
  return kFullTurn - escapement;
}

// Text weight on the printer, by the printer line weight (ZoomUnits).
int32 PrintedWeight() {
  constexpr struct {
    int32 lineWeight, fontWeight;
  } kWeights[] = {{3, 400}, {5, 500}};
  for (const auto& w : kWeights)
    if (ZoomUnits == w.lineWeight) return w.fontWeight;
  return 250;
}

constexpr unsigned kBaselineCentre = plat::TA_BASELINE | plat::TA_CENTER;
constexpr unsigned kBaselineLeft = plat::TA_BASELINE | plat::TA_LEFT;
constexpr unsigned kBottomCentre = plat::TA_BOTTOM | plat::TA_CENTER;

// Alignment codes of texts: code 1 centres a horizontal text and starts a
// vertical one (reading upward from its anchor), and leaves texts at other
// angles as the context has them; the others align the same at every angle.
constexpr int32 kAlignByAngle = 1;
constexpr struct {
  int32 code;
  unsigned align;
} kAlignments[] = {
    {2, kBaselineLeft},
    {3, kBaselineLeft},
    {4, plat::TA_TOP | plat::TA_CENTER},
    {5, plat::TA_TOP | plat::TA_LEFT},
    {6, kBaselineCentre},
};

// The text alignment for an alignment code at an escapement; false when the
// context's alignment is to stay as it is.
bool AlignmentFor(int32 code, int32 escapement, unsigned& align) {
  if (code == kAlignByAngle) {
    if (escapement != 0 && escapement != kVertical) return false;
    align = escapement == 0 ? kBaselineCentre : kBaselineLeft;
    return true;
  }
  for (const auto& a : kAlignments) {
    if (a.code == code) {
      align = a.align;
      return true;
    }
  }
  return false;
}

}  // namespace

void TTextobj::Draw(plat::DeviceContext& dc, int32) {
  const bool printing = IsPrinting();
  const int32 escapement = printing ? PrintedEscapement(Escapement) : Escapement;
  int32 weight = Weight >= 500 ? plat::FW_BOLD : plat::FW_NORMAL;
  if (TextScale == 0) TextScale = ZoomUnits;
  // Sizes from a file may be anything: the product is held to 32 bits.
  long long height = 1LL * Size * TextScale;
  if (CurrentView == view::Site) height *= 3;  // the site plan is drawn at a third of the scale
  if (printing) weight = PrintedWeight();

  const plat::Font font{
      ClampToInt32(height), 0,
      escapement,      weight,
      TextItalic != 0, std::string(draw::Chars(FontFace, kFaceCapacity, kFaceCapacity))};
  draw::ScopedFont selected(dc, font);
  unsigned align = 0;
  if (AlignmentFor(Alignment, escapement, align)) dc.SetTextAlign(align);
  dc.SetBkMode(plat::OPAQUE);
  dc.SetTextColor(Colour);
  dc.TextOut(L(X1), L(Y1), draw::Chars(Text, kTextCapacity, TextLength));
}

// ---- Design rooms -------------------------------------------------------------------

namespace {

// While external walls are marked on the layout, rooms are shown unfilled so
// that the walls under them stay visible.
bool IsWallMarkingView(int32 v) { return v >= view::LayoutMarkingWalls && v <= 49; }

// The margin by which a room's box reaches right and down past its corner,
// one screen pixel at the zoom in force.
int32 RoomMargin() {
  if (static_cast<float>(ZoomUnits) != ZoomFactor) return static_cast<int32>(ZoomFactor);
  return ZoomUnits;
}

plat::Font RoomFont(int32 escapement, int32 labelSize) {
  return plat::Font{ClampToInt32(1LL * labelSize * PixelScale),
                    0,
                    escapement,
                    plat::FW_BOLD,
                    TextItalic != 0,
                    DrawingList.TextFontName};
}

}  // namespace

void TRoomobj::Draw(plat::DeviceContext& dc, int32) {
  {
    const plat::COLORREF fill = IsWallMarkingView(CurrentView) ? BackgroundColour : RoomFill;
    draw::ScopedBrush brush(dc, plat::SolidBrush(fill));
    const int32 t = RoomMargin();
    dc.Rectangle(L(X1), L(Y1), ClampToInt32(1LL * L(X2) + t), ClampToInt32(1LL * L(Y2) - t));
  }

  const std::string_view name = draw::Chars(RoomName, kRoomNameCapacity, NameLength);
  const std::string_view width = draw::Chars(WidthText, kRoomWidthTextCapacity, WidthTextLength);
  const std::string_view height =
      draw::Chars(HeightText, kRoomHeightTextCapacity, HeightTextLength);

  plat::Font font = RoomFont(0, LabelSize);
  const plat::Font previous = dc.SelectFont(font);
  dc.SetTextAlign(kBottomCentre);
  const plat::TextMetrics metrics = dc.GetTextMetrics();
  const int32 h = metrics.height;
  const int32 w = metrics.aveCharWidth;
  // The room's size and place come from its file: summed in 64 bits.
  const int32 cx = L(ClampToInt32(1LL * X1 + RoomWidth / 2));
  const int32 cy = L(ClampToInt32(1LL * Y1 - RoomHeight / 2));
  auto at = [](int32 v, long long d) { return ClampToInt32(v + d); };
  dc.SetTextColor(DrawingColour);
  dc.SetBkMode(plat::OPAQUE);

  if (1LL * w * NameLength <= RoomWidth) {
    // The name fits across the room: name, width and height one under the other.
    dc.TextOut(cx, cy, name);
    dc.TextOut(cx, at(cy, -1LL * h), width);
    dc.TextOut(cx, at(cy, -2LL * h), height);
  } else {
    // Too narrow: the three texts run up the room side by side.
    font = RoomFont(kVertical, LabelSize);
    dc.SelectFont(font);
    const int32 gap = (h / 3) * 2;
    dc.TextOut(cx, cy, name);
    dc.TextOut(at(cx, gap), cy, width);
    dc.TextOut(at(cx, -1LL * gap), cy, height);
  }
  dc.SelectFont(previous);
  dc.SetBkMode(plat::TRANSPARENT);
}
