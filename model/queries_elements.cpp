// Element queries: what lies under a point, which floors hold walls, the
// lowest corner of a floor, copying the ground floor's walls to the site
// plan and removing the file of a drawing never saved.
#include <algorithm>

#include "model/flist.h"
#include "model/queries_support.h"
#include "platform/files.h"
#include "storage/record_codec.h"

namespace {

// No extent found yet in the lowest-corner search.
constexpr int32 kNoExtent = 500000;
// Views from here on have no walls of their own.
constexpr int32 kFirstNonFloorView = 200;
// Texts are picked when their anchor lies within this many logical units.
constexpr int32 kTextPickReach = 75;
// The site walls copied from the ground floor take these closing values.
constexpr int32 kSiteWallCode = 100;
constexpr int32 kWallMadeByTool = 1;

// Strictly inside the box of (x1, y1)-(x2, y2) widened by t on every side.
bool NearLine(long long x, long long y, int32 x1, int32 y1, int32 x2, int32 y2, long long t) {
  return std::min(x1, x2) - t < x && x < std::max(x1, x2) + t && std::min(y1, y2) - t < y &&
         y < std::max(y1, y2) + t;
}

bool WallUnderPoint(const TObj& e, long long x, long long y) {
  if (auto* w = dynamic_cast<const TExtwallobj*>(&e)) {
    const long long t = 1LL * w->Thickness1 + w->CavityWidth + w->Thickness2 + PixelScale;
    if (NearLine(x, y, w->X1, w->Y1, w->X2, w->Y2, t)) return true;
    if (w->CavityWidth != 0)
      return NearLine(x, y, w->Line4X1, w->Line4Y1, w->Line4X2, w->Line4Y2, t);
    return NearLine(x, y, w->Line2X1, w->Line2Y1, w->Line2X2, w->Line2Y2, t);
  }
  if (auto* w = dynamic_cast<const TInwallobj*>(&e)) {
    const long long t = w->Thickness / 2 + 1LL * PixelScale;
    return NearLine(x, y, w->X1, w->Y1, w->X2, w->Y2, t) ||
           NearLine(x, y, w->Line2X1, w->Line2Y1, w->Line2X2, w->Line2Y2, t);
  }
  return false;
}

// Texts that can be picked: 4, 24 and 33 to 37 (33 has no record of its own
// but may stand in the list).
constexpr int32 kPickableTextFrom = 33;
bool IsPickableText(int32 k) {
  return k == kind::Text || k == kind::Text24 ||
         (k >= kPickableTextFrom && k <= kind::DrawingTitle);
}

// The running lowest corner: a wall's corner (its smaller x and smaller y)
// replaces it only when it is at most as far right and at most as high.
struct LowestCorner {
  int32 x = kNoExtent;
  int32 y = kNoExtent;

  void Wall(const TObj& w) {
    const int32 cx = std::min(w.X1, w.X2);
    const int32 cy = std::min(w.Y1, w.Y2);
    if (cx <= x && cy <= y) {
      x = cx;
      y = cy;
    }
  }
  void WallsOf(const TFlist& list, int32 floor, bool anyFloor) {
    for (int32 i = 0; i < list.Count(); ++i) {
      const TObj& e = *list.At(i);
      if (e.Kind == kind::ExtWall && (anyFloor || e.Floor == floor)) Wall(e);
    }
  }
  // Site symbols: every point lowers x and y on its own.
  void SiteSymbols(const TFlist& list) {
    for (int32 i = 0; i < list.Count(); ++i) {
      auto* p = dynamic_cast<const TPolyobj*>(list.At(i));
      if (!p || p->Kind < kind::SiteSymbolFirst || p->Kind > kind::SiteSymbolLast) continue;
      for (int32 j = 0; j < std::clamp(p->PointCount, 0, kMaxPolyPoints); ++j) {
        x = std::min(x, p->PointX[j]);
        y = std::min(y, p->PointY[j]);
      }
    }
  }
};


// A copy of a ground-floor wall on the site plan, made as the wall tools
// make walls.
TExtwallobj* SiteCopyOf(const TExtwallobj& w) {
  const int32 codes[4] = {kSiteWallCode, kSiteWallCode, kSiteWallCode, kSiteWallCode};
  return new TExtwallobj(
      kind::ExtWall, view::Site, w.LinkId, w.Tag1, kWallMadeByTool, w.X1, w.Marked, w.Y1, w.X2,
      w.Tag2, w.Y2, w.Line2X1, w.Line2Y1, w.Line2X2, w.Line2Y2, w.Line3X1, w.Line3Y1, w.Line3X2,
      w.Line3Y2, w.Line4X1, w.Line4Y1, w.Line4X2, w.Line4Y2, w.RefX, w.RefZ, w.RefY, w.Thickness1,
      w.CavityWidth, w.Thickness2, w.HatchPairs1, w.HatchPairs2, w.WallValues[0], w.WallValues[1],
      w.Angle, w.WallValues[2], w.WallValues[3], w.WallValues[4], w.Colour, codes);
}

bool SiteHasWallAt(const TFlist& list, const TObj& w) {
  for (int32 i = 0; i < list.Count(); ++i) {
    const TObj& e = *list.At(i);
    if (e.Kind == kind::ExtWall && e.Floor == view::Site && e.X1 == w.X1 && e.Y1 == w.Y1 &&
        e.X2 == w.X2 && e.Y2 == w.Y2)
      return true;
  }
  return false;
}

}  // namespace

int32 TFlist::FindRoomAt(int32 x, int32 y) const {
  const long long X = 1LL * x * PixelScale;
  const long long Y = 1LL * y * PixelScale;
  for (int32 i = 0; i < Count(); ++i) {
    const TObj& e = *At(i);
    if (kind::IsDesignRoomKind(e.Kind) && e.Floor == CurrentView && e.X1 < X && X < e.X2 &&
        e.Y2 < Y && Y < e.Y1)
      return e.Kind;
  }
  return 0;
}

int32 TFlist::GetHighestFloor() {
  ReadDrawingFile(dtDrawing);
  for (int32 floor : {view::Third, view::Second, view::First}) {
    for (int32 i = 0; i < Count(); ++i) {
      const TObj& e = *At(i);
      if (e.Floor == floor && e.Kind < kind::InfoFirst) return floor;
    }
  }
  return view::Ground;
}

int32 TFlist::QueryFloor(int32 floor) {
  if (CurrentView > 100) ReadDrawingFile(dtDrawing);
  return queries::HasWallOnFloor(*this, floor) ? 1 : 0;
}

int32 TFlist::PickElementAt(int32 mode, int32 x, int32 y) const {
  if (mode != pmWalls && mode != pmTexts) return kNothingFound;
  const long long X = 1LL * x * PixelScale;
  const long long Y = 1LL * y * PixelScale;
  const long long reach = 1LL * kTextPickReach * PixelScale;
  for (int32 i = 6; i < Count(); ++i) {
    const TObj& e = *At(i);
    if (e.Floor != CurrentView) continue;
    if (mode == pmTexts) {
      if (IsPickableText(e.Kind) && X - reach < e.X1 && e.X1 < X + reach && Y - reach < e.Y1 &&
          e.Y1 < Y + reach)
        return i;
    } else if ((e.Kind == kind::ExtWall || e.Kind == kind::InWall) && WallUnderPoint(e, X, Y)) {
      return i;
    }
  }
  return kNothingFound;
}

void TFlist::FindLowestCorner(int32& x, int32& y) const {
  x = 0;
  y = 0;
  int32 floor = CurrentView;
  // While a new floor is drawn over the one below, the corner comes from
  // the floor below (the ground floor for the basement).
  if (WallDisplayMode == 4) floor = CurrentView == view::Basement ? view::Ground : CurrentView - 1;
  if (floor < view::Ground || floor >= kFirstNonFloorView) return;

  LowestCorner c;
  if (floor == view::Site) {
    c.SiteSymbols(*this);
    if (c.x == kNoExtent) c.WallsOf(*this, floor, true);
  } else if (floor < view::Site) {
    c.WallsOf(*this, floor, false);
  }  // the views above the site plan have no corner of their own
  if (c.x == kNoExtent) c.WallsOf(*this, floor - 1, false);
  if (c.x < kNoExtent && c.y < kNoExtent) {
    // Kept on the logical grid, so the corner can be reached by the cursor.
    x = c.x / PixelScale * PixelScale;
    y = c.y / PixelScale * PixelScale;
  }
}

bool TFlist::CopyWallsToSite() {
  // Walls already copied are not copied again, so running the site command
  // twice does not double the site plan's walls.
  const int32 present = Count();
  for (int32 i = 0; i < present; ++i) {
    auto* w = dynamic_cast<const TExtwallobj*>(At(i));
    if (!w || w->Kind != kind::ExtWall || w->Floor != view::Ground) continue;
    if (SiteHasWallAt(*this, *w)) continue;
    Add(SiteCopyOf(*w));
  }
  WriteDrawingFile(dtDrawing);
  return Count() > present;
}

int32 TFlist::DeleteDrawingFile() {
  // Only a drawing whose saved copy was read and holds no element was never
  // saved; a saved copy that cannot be read proves nothing, so the live
  // drawing stays.
  TFlist savedCopy;
  const storage::ReadResult saved =
      storage::ReadListFile(DrawingReadPath(dtSavedCopy), savedCopy, storage::PageCentre());
  if (!saved.Whole() || saved.header.count != 0 || savedCopy.Count() != 0) return 0;
  Clear();
  if (DrawingName.empty()) return 0;
  // A removal that fails leaves the drawing's changes on disk: told as a
  // write of the file that keeps them, and read as not there until it goes.
  return ReportWrite(StoredFile::Live, storage::DeleteListFile(DrawingWritePath(dtDrawing),
                                                               storage::OnFailure::HoldList))
             ? 1
             : 0;
}
