// Joining two placed worktops: both take one group id, and when they stand
// square and touch, the second is pulled flush onto the first and the seam
// is covered with a line in the worktop's colour.
#include "model/flist.h"
#include "model/wall_faces.h"
#include "tools/polytool.h"

namespace {

constexpr int32 kTouchDistance = 20;  // x PixelScale
constexpr int32 kSeamPenWidth = 2;

struct SymbolBox {
  int32 minX, maxX, minY, maxY;
};

SymbolBox BoxOf(const TPolyobj& p) {
  const int32 n = std::clamp(p.PointCount, 0, kMaxPolyPoints);
  SymbolBox b{p.PointX[0], p.PointX[0], p.PointY[0], p.PointY[0]};
  for (int32 i = 1; i < n; ++i) {
    b.minX = std::min(b.minX, p.PointX[i]);
    b.maxX = std::max(b.maxX, p.PointX[i]);
    b.minY = std::min(b.minY, p.PointY[i]);
    b.maxY = std::max(b.maxY, p.PointY[i]);
  }
  return b;
}

// The first worktop of the view whose box holds the point strictly.
int32 WorktopAt(int32 x, int32 y) {
  for (int32 i = 6; i < DrawingList.Count(); ++i) {
    const auto* p = dynamic_cast<const TPolyobj*>(DrawingList.At(i));
    if (!p || p->Kind != TPolyobjtool::kWorktopKind || p->Floor != CurrentView ||
        p->PointCount < 1)
      continue;
    const SymbolBox b = BoxOf(*p);
    if (x > b.minX && x < b.maxX && y > b.minY && y < b.maxY) return i;
  }
  return kNothingPicked;
}

// Gives the worktop at index, and the parts that follow it with its old
// id, the new id.
void Relink(int32 index, int32 from, int32 to) {
  DrawingList.At(index)->LinkId = to;
  for (int32 i = index + 1; i <= index + 2 && i < DrawingList.Count(); ++i) {
    TObj& part = *DrawingList.At(i);
    if (part.Kind == TPolyobjtool::kWorktopPartKind && part.LinkId == from) part.LinkId = to;
  }
}

// The worktop's bearing (kept in its first symbol value).
int32 BearingOfSymbol(const TPolyobj& p) { return p.SymbolValues[0]; }

}  // namespace

void TPolyobjtool::JoinSymbols(int32 step, int32 x, int32 y) {
  const int32 index = WorktopAt(x, y);
  if (index == kNothingPicked) return;
  auto& symbol = static_cast<TPolyobj&>(*DrawingList.At(index));
  const SymbolBox box = BoxOf(symbol);
  if (step == polystep::FirstWorktop) {
    BoxMinX = box.minX;
    BoxMaxX = box.maxX;
    BoxMinY = box.minY;
    BoxMaxY = box.maxY;
    CursorX = index;
    LinkId = symbol.LinkId;
    Angle = BearingOfSymbol(symbol);
    Step = polystep::SecondWorktop;
    return;
  }
  if (step != polystep::SecondWorktop || index == CursorX || CursorX < 6 ||
      CursorX >= DrawingList.Count())
    return;
  DrawingList.UpdateUndoHistory(uoRecord, CurrentView);
  auto& first = static_cast<TPolyobj&>(*DrawingList.At(CursorX));
  const int32 firstLink = first.LinkId, secondLink = symbol.LinkId;
  const int32 link = std::min(firstLink, secondLink);
  if (firstLink != link) Relink(CursorX, firstLink, link);
  if (secondLink != link) Relink(index, secondLink, link);

  const SymbolBox a{BoxMinX, BoxMaxX, BoxMinY, BoxMaxY};
  const int32 tol = kTouchDistance * PixelScale;
  if (walls::IsOrthogonalBearing(Angle) && walls::IsOrthogonalBearing(BearingOfSymbol(symbol))) {
    const int32 n = std::clamp(symbol.PointCount, 0, kMaxPolyPoints);
    // Which side of the first the second touches: right, left, above, below.
    struct Side {
      bool touches;
      bool vertical;  // a vertical seam (x fixed)
      int32 at;
    };
    const Side sides[] = {
        {std::abs(box.minX - a.maxX) <= tol, true, a.maxX},
        {std::abs(box.maxX - a.minX) <= tol, true, a.minX},
        {std::abs(box.minY - a.maxY) <= tol, false, a.maxY},
        {std::abs(box.maxY - a.minY) <= tol, false, a.minY},
    };
    for (const Side& s : sides) {
      if (!s.touches) continue;
      for (int32 i = 0; i < n; ++i) {
        int32& c = s.vertical ? symbol.PointX[i] : symbol.PointY[i];
        if (std::abs(c - s.at) <= tol) c = s.at;
      }
      // The seam runs over the first worktop's extent when the second covers
      // it, else over the second's; nothing when they do not overlap.
      const int32 aLow = s.vertical ? a.minY : a.minX, aHigh = s.vertical ? a.maxY : a.maxX;
      const int32 bLow = s.vertical ? box.minY : box.minX, bHigh = s.vertical ? box.maxY : box.maxX;
      if (std::min(aHigh, bHigh) > std::max(aLow, bLow)) {
        const bool covers = bLow <= aLow && bHigh >= aHigh;
        const int32 lo = covers ? aLow : bLow, hi = covers ? aHigh : bHigh;
        auto* seam = s.vertical ? new TLineobj(kind::WallLine, CurrentView, link, 0, s.at, 0, s.at,
                                               0, lo, hi, 0, 0, first.FillColour, kSeamPenWidth, 0)
                                : new TLineobj(kind::WallLine, CurrentView, link, 0, lo, 0, hi, 0,
                                               s.at, s.at, 0, 900, first.FillColour,
                                               kSeamPenWidth, 0);
        DrawingList.Add(seam);
      }
      break;
    }
  }
  MarkDrawingChanged();
  DrawingList.WriteDrawingFile(dtDrawing);
  Step = polystep::Joined;
  BoxMinX = std::min(BoxMinX, box.minX);
  BoxMaxX = std::max(BoxMaxX, box.maxX);
  BoxMinY = std::min(BoxMinY, box.minY);
  BoxMaxY = std::max(BoxMaxY, box.maxY);
}
