// The drawing title under each floor plan and the site plan, and the scale
// text that printing adds under it for the print only. Both stand clear of
// the external dimensions by the dimension offsets.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include "model/flist.h"
#include "model/queries_support.h"

namespace {

// Text alignment codes (see the text drawing).
constexpr int32 kAlignByEscapement = 1;
constexpr int32 kAlignBaselineCentre = 6;
// Titles and scale texts carry the bearing of a horizontal line.
constexpr int32 kHorizontalBearing = 900;
// The site plan's title stands this many logical units lower still.
constexpr int32 kSiteTitleDrop = 250;
// Split printing moves the scale text this far left.
constexpr int32 kSplitPrintShift = 2400;
// Print scales are per inch (imperial) or per 100 mm (metric) of offset.
constexpr float kImperialScaleDivisor = 96.0f;
constexpr float kMetricScaleDivisor = 100.0f;

// The title (of "CFG\TITLE2D.CFG") of a view; empty for views without one.
std::string TitleOfView(int32 v) {
  const auto titles = queries::ReadTitles();
  switch (v) {
    case view::Ground:
      return titles[0];
    case view::First:
      return titles[1];
    case view::Second:
      return titles[2];
    case view::Third:
      return titles[3];
    case view::Basement:
      return titles[4];
    case view::Site:
      return titles[5];
    default:
      return {};
  }
}

struct WallSpan {
  int32 lowest, left, right;
};

// The external walls a view's title stands under: the view's own, any
// floor's for the site plan, none above it.
std::optional<WallSpan> TitleWalls(const TFlist& list, int32 v) {
  std::optional<WallSpan> span;
  if (v > view::Site) return span;
  for (int32 i = 0; i < list.Count(); ++i) {
    const TObj& e = *list.At(i);
    if (e.Kind != kind::ExtWall || (v != view::Site && e.Floor != v)) continue;
    const int32 l = std::min(e.X1, e.X2);
    const int32 r = std::max(e.X1, e.X2);
    if (!span) span = WallSpan{e.Y1, l, r};
    span->lowest = std::min(span->lowest, e.Y1);
    span->left = std::min(span->left, l);
    span->right = std::max(span->right, r);
  }
  return span;
}

// Removes the view's titles that carry exactly this text; true when any was.
bool RemoveTitles(TFlist& list, int32 v, const std::string& title) {
  bool removed = false;
  for (int32 i = list.Count() - 1; i >= 0; --i) {
    auto* t = dynamic_cast<const TTextobj*>(list.At(i));
    if (t && t->Kind == kind::DrawingTitle && t->Floor == v && title == t->Text) {
      list.RemoveAt(i);
      removed = true;
    }
  }
  return removed;
}

// The view's one title of exactly this text; none when there is none or more.
const TTextobj* OnlyTitle(const TFlist& list, int32 v, const std::string& title) {
  const TTextobj* only = nullptr;
  for (int32 i = 0; i < list.Count(); ++i) {
    auto* t = dynamic_cast<const TTextobj*>(list.At(i));
    if (!t || t->Kind != kind::DrawingTitle || t->Floor != v || title != t->Text) continue;
    if (only) return nullptr;
    only = t;
  }
  return only;
}

// Whether a title stands and looks as another: place, bearing, colour,
// alignment and font.
bool SameTitle(const TTextobj& a, const TTextobj& b) {
  return a.X1 == b.X1 && a.Y1 == b.Y1 && a.X2 == b.X2 && a.Y2 == b.Y2 && a.Colour == b.Colour &&
         a.Escapement == b.Escapement && a.Alignment == b.Alignment && a.Size == b.Size &&
         a.Weight == b.Weight && std::strcmp(a.FontFace, b.FontFace) == 0;
}

TTextobj* NewText(int32 kindCode, int32 floor, long long x, long long y, int32 alignment,
                  int32 size, int32 weight, const char* face, const std::string& text) {
  using queries::ClampToInt32;
  return new TTextobj(kindCode, floor, 0, 0, ClampToInt32(x), ClampToInt32(y), kHorizontalBearing,
                      0, 0, DrawingColour, 0, 0, alignment, 0, size, weight, face, text.c_str());
}

// The text the scale stands under: the lowest title (group view) or the
// view's title, else the view's lowest plain text.
const TTextobj* ScaleAnchor(const TFlist& list, int32 base) {
  const TTextobj* anchor = nullptr;
  for (int32 i = 0; i < list.Count(); ++i) {
    auto* t = dynamic_cast<const TTextobj*>(list.At(i));
    if (!t || t->Kind != kind::DrawingTitle) continue;
    if (base == view::Group) {
      if (!anchor || t->Y1 < anchor->Y1) anchor = t;
    } else if (t->Floor == base) {
      return t;
    }
  }
  if (anchor) return anchor;
  for (int32 i = 0; i < list.Count(); ++i) {
    auto* t = dynamic_cast<const TTextobj*>(list.At(i));
    if (!t || t->Floor != base ||
        (t->Kind != kind::Text && t->Kind != kind::Text24 && t->Kind != kind::Text34))
      continue;
    if (!anchor || t->Y1 < anchor->Y1) anchor = t;
  }
  return anchor;
}

// The lowest wall line of the printed floor (of every wall for the group
// view); none for other views.
std::optional<int32> LowestWallLine(const TFlist& list, int32 base) {
  const bool group = base == view::Group;
  if (!group && (base < view::Ground || base > 189)) return std::nullopt;
  std::optional<int32> lowest;
  for (int32 i = 0; i < list.Count(); ++i) {
    const TObj& e = *list.At(i);
    if ((e.Kind != kind::ExtWall && e.Kind != kind::InWall) || (!group && e.Floor != base))
      continue;
    lowest = lowest ? std::min(*lowest, e.Y1) : e.Y1;
  }
  return lowest;
}

}  // namespace

bool TFlist::BuildTitleBlock() {
  const int32 v = CurrentView;
  const std::optional<WallSpan> walls = TitleWalls(*this, v);
  if (!walls) return false;

  const queries::DimensionOffsets offsets = queries::ReadDimensionOffsets();
  long long y = 1LL * walls->lowest - (2LL * offsets.external + offsets.overall);
  const long long x = walls->left + (1LL * walls->right - walls->left) / 2;
  const std::string title = TitleOfView(v);
  if (v == view::Site) y -= 1LL * kSiteTitleDrop * PixelScale;
  auto build = [&] {
    return NewText(kind::DrawingTitle, v, x, y, kAlignByEscapement, TextSize, TextWeight,
                   TextFontName.c_str(), title);
  };

  // Showing a view again leaves its title, and so the drawing, as it was.
  if (const TTextobj* standing = OnlyTitle(*this, v, title)) {
    const std::unique_ptr<TTextobj> built(build());
    if (SameTitle(*standing, *built)) return false;
  }
  if (RemoveTitles(*this, v, title)) {
    WriteDrawingFile(dtDrawing);
    ReadDrawingFile(dtDrawing);
  }
  Add(build());
  WriteDrawingFile(dtDrawing);
  return true;
}

int32 TFlist::AddScaleText(int32 scale, int32 showScale) {
  const queries::DimensionOffsets offsets = queries::ReadDimensionOffsets();
  const int32 base = CurrentView > view::SplitPrintOffset ? CurrentView - view::SplitPrintOffset
                                                          : CurrentView - view::PrintOffset;
  const TTextobj* anchor = ScaleAnchor(*this, base);
  const std::optional<int32> wallLine = LowestWallLine(*this, base);
  if (!anchor && !wallLine) return 0;

  const float divisor = MetricUnits == 1 ? kMetricScaleDivisor : kImperialScaleDivisor;
  const long long o = queries::ClampToInt32(static_cast<long long>(
      static_cast<float>(offsets.external) * static_cast<float>(scale) / divisor));
  long long y = 0;
  if (anchor && (!wallLine || anchor->Y1 < *wallLine))
    y = anchor->Y1 - 2 * o;
  else
    y = *wallLine - (4 * o + offsets.overall);
  if (showScale != 1) return 0;

  char text[40];
  std::snprintf(text, sizeof text, "scale 1 : %d", scale);  // a plan printed at 1 to N
  long long x = anchor ? anchor->X1 : 1LL * DrawingWidth * PixelScale / 2;
  if (CurrentView > view::SplitPrintOffset) x -= kSplitPrintShift;
  if (anchor) {
    Add(NewText(kind::Text, base, x, y, kAlignByEscapement, anchor->Size, anchor->Weight,
                anchor->FontFace, text));
  } else {
    Add(NewText(kind::Text, base, x, y, kAlignBaselineCentre, TextSize, TextWeight,
                TextFontName.c_str(), text));
  }
  return 1;
}
