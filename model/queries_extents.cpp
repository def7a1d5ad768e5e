// Plan extents and spans: four measurements over the element list whose
// results the zoom, the printing, the fixture designer and the frame tools
// pick up from small settings files.
#include <algorithm>

#include "model/flist.h"
#include "model/queries_support.h"
#include "storage/settings_files.h"

namespace {

using queries::FormatInts;
using queries::WriteSettingsLine;

// Start values of each measurement, also what is written when nothing counts.
constexpr int32 kPlanStart = 200000;
constexpr int32 kLibraryStart = 300000;
constexpr int32 kRoomBoundsStart = 200000;
// A clear span this wide or wider is not bounded on both sides.
constexpr int32 kSpanLimit = 10000;
constexpr int32 kSpanHighStart = 300000;
// Title texts on the site plan keep this many logical units of room above.
constexpr int32 kSiteTextHeadroom = 20;

// Running extents: smallest x, largest x, largest y, smallest y. The update
// rules lower a minimum first and only otherwise raise the maximum, so a
// first value never sets both; zooming and printing have always measured so.
struct Extents {
  int32 minX, maxX, maxY, minY;

  static Extents Starting(int32 start) { return {start, 0, 0, start}; }

  void PointX(int32 x) {
    if (x < minX)
      minX = x;
    else if (x > maxX)
      maxX = x;
  }
  void PointY(int32 y) {
    if (y < minY)
      minY = y;
    else if (y > maxY)
      maxY = y;
  }
  void Point(int32 x, int32 y) {
    PointX(x);
    PointY(y);
  }
  // A line or wall: its first end by the point rule, its second end raising
  // the maximum first.
  void Pair(int32 x1, int32 y1, int32 x2, int32 y2) {
    Point(x1, y1);
    if (x2 > maxX)
      maxX = x2;
    else if (x2 < minX)
      minX = x2;
    if (y2 > maxY)
      maxY = y2;
    else if (y2 < minY)
      minY = y2;
  }
  void Pair(const TObj& e) { Pair(e.X1, e.Y1, e.X2, e.Y2); }
  // A box, ordered first, each bound tested on its own.
  void Box(int32 x1, int32 y1, int32 x2, int32 y2) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    if (x1 < minX) minX = x1;
    if (x2 > maxX) maxX = x2;
    if (y2 > maxY) maxY = y2;
    if (y1 < minY) minY = y1;
  }
  // A point tested against all four bounds on its own.
  void Each(int32 x, int32 y) {
    if (x < minX) minX = x;
    if (x > maxX) maxX = x;
    if (y > maxY) maxY = y;
    if (y < minY) minY = y;
  }
  void PolygonPoints(const TObj& e) {
    if (auto* p = dynamic_cast<const TPolyobj*>(&e))
      for (int32 i = 0; i < std::clamp(p->PointCount, 0, kMaxPolyPoints); ++i)
        Point(p->PointX[i], p->PointY[i]);
  }
};

bool IsGroupView(int32 v) { return v == view::Group || v == view::GroupPrint; }

bool OnView(const TObj& e, int32 v) { return e.Floor == v || e.Floor == v - view::PrintOffset; }

// Group drawings: external walls, polygons and text anchors, of every floor
// or only of the view's.
void MeasureGroup(const TFlist& list, Extents& ext, bool everyFloor, int32 v) {
  for (int32 i = 0; i < list.Count(); ++i) {
    const TObj& e = *list.At(i);
    if (!everyFloor && !OnView(e, v)) continue;
    if (e.Kind == kind::ExtWall)
      ext.Pair(e);
    else if (kind::IsPolygonKind(e.Kind))
      ext.PolygonPoints(e);
    else if (kind::IsTextKind(e.Kind))
      ext.Point(e.X1, e.Y1);
  }
}

// Scope 0 on a floor or other view: every drawn item. A drawing title below
// the plan keeps the margin for the dimensions under it; other texts never
// lower the bottom.
void MeasureEverything(const TFlist& list, Extents& ext, int32 v, int32 margin) {
  for (int32 i = 0; i < list.Count(); ++i) {
    const TObj& e = *list.At(i);
    if (e.Floor != v && e.Floor != v - view::PrintOffset && e.Floor != v - view::PartPrintOffset)
      continue;
    const int32 k = e.Kind;
    if (k == kind::Line || k == kind::ExtWall || k == kind::InWall) {
      ext.Pair(e);
    } else if (k == kind::Ellipse || k == kind::Circle) {
      ext.Box(e.X1, e.Y1, e.X2, e.Y2);
    } else if (kind::IsPolygonKind(k)) {
      ext.PolygonPoints(e);
    } else if (kind::IsTextKind(k)) {
      ext.PointX(e.X1);
      if (k == kind::DrawingTitle && e.Y1 < ext.minY)
        ext.minY = queries::ClampToInt32(1LL * e.Y1 - margin);
      else if (e.Y1 > ext.maxY)
        ext.maxY = e.Y1;
    }
  }
}

void MeasureLayoutRooms(const TFlist& list, Extents& ext) {
  for (int32 i = 0; i < list.Count(); ++i) {
    const TObj& e = *list.At(i);
    if (e.Kind != kind::Room) continue;
    if (e.X1 < ext.minX) ext.minX = e.X1;
    if (e.X2 > ext.maxX) ext.maxX = e.X2;
    if (e.Y1 > ext.maxY) ext.maxY = e.Y1;
    if (e.Y2 < ext.minY) ext.minY = e.Y2;
  }
}

void MeasureSitePlan(const TFlist& list, Extents& ext, int32 v, int32 margin) {
  for (int32 i = 0; i < list.Count(); ++i) {
    const TObj& e = *list.At(i);
    if (e.Floor != view::Site && e.Floor != v) continue;
    const int32 k = e.Kind;
    if (k == kind::Line || k == kind::ExtWall) {
      ext.Pair(e);
    } else if (kind::IsPolygonKind(k)) {
      ext.PolygonPoints(e);
    } else if (kind::IsTextKind(k)) {
      ext.PointX(e.X1);
      if (k == kind::DrawingTitle && e.Y1 < ext.minY) {
        ext.minY = v > view::LastPaintable ? queries::ClampToInt32(1LL * e.Y1 - margin) : e.Y1;
      } else if (e.Y1 > ext.maxY) {
        ext.maxY = queries::ClampToInt32(e.Y1 + 1LL * kSiteTextHeadroom * PixelScale);
      }
    }
  }
}

bool InPrintedFloorRange(int32 v) {
  return (v >= view::Ground && v <= 128) || (v >= 1120 && v <= 1289);
}

// Scope 1 on a floor or the site plan: the outline, walls first, the
// dimensions of the floor below when the view has nothing of its own.
void MeasureOutline(const TFlist& list, Extents& ext, int32 v, int32 margin) {
  bool hasDimensions = false;
  for (int32 i = 0; i < list.Count() && !hasDimensions; ++i) {
    const TObj& e = *list.At(i);
    hasDimensions = (e.Kind == kind::Arrow || e.Kind == kind::Dimension) && OnView(e, v);
  }
  if (v == view::Site || v == view::Site + view::PrintOffset) MeasureSitePlan(list, ext, v, margin);
  for (int32 i = 0; i < list.Count(); ++i) {
    const TObj& e = *list.At(i);
    if (hasDimensions) {
      if (InPrintedFloorRange(v) && (e.Kind == kind::ExtWall || e.Kind == kind::InWall) &&
          OnView(e, v))
        ext.Pair(e);
    } else if (e.Kind == kind::ExtWall && (OnView(e, v) || e.Floor == v - view::PartPrintOffset)) {
      ext.Pair(e);
    }
  }
  if (ext.minX != kPlanStart) return;
  for (int32 i = 0; i < list.Count(); ++i) {
    const TObj& e = *list.At(i);
    if ((e.Kind == kind::Arrow || e.Kind == kind::Dimension) && e.Floor == v - 1) ext.Pair(e);
  }
}

bool HasArrowOrDimension(const TFlist& list) {
  for (int32 i = 0; i < list.Count(); ++i)
    if (list.At(i)->Kind == kind::Arrow || list.At(i)->Kind == kind::Dimension) return true;
  return false;
}

// One candidate edge of a clear span, given along the measuring direction
// (a) and across it (b): the edge covers the point's b when its b range holds
// it; it offers its low a end for the low side and its high a end for the
// high side.
struct Span {
  int32 at;  // the point's coordinate along the measuring direction
  int32 low = 0;
  int32 high = kSpanHighStart;

  void Offer(int32 lowCandidate, int32 highCandidate) {
    if (lowCandidate > low && lowCandidate < at) low = lowCandidate;
    if (highCandidate < high && highCandidate > at) high = highCandidate;
  }
  void Edge(int32 a1, int32 b1, int32 a2, int32 b2, int32 across) {
    if (across < std::min(b1, b2) || across > std::max(b1, b2)) return;
    Offer(std::min(a1, a2), std::max(a1, a2));
  }
};

}  // namespace

void TFlist::ComputePlanExtents(int32 scope) {
  ReadDrawingFile(dtDrawing);  // the group file for the group view
  WritePlanExtents(MeasurePlanExtents(scope));
}

TFlist::PlanExtents TFlist::MeasurePlanExtents(int32 scope) const {
  const int32 margin = queries::DimensionMargin(queries::ReadDimensionOffsets());
  const int32 v = CurrentView;
  Extents ext = Extents::Starting(kPlanStart);

  const bool outline = scope != esEverything || v == view::LayoutGround || v == view::Site;
  if (IsGroupView(v)) {
    MeasureGroup(*this, ext, !outline || HasArrowOrDimension(*this), v);
  } else if (!outline) {
    MeasureEverything(*this, ext, v, margin);
  } else if (v == view::LayoutGround) {
    MeasureLayoutRooms(*this, ext);
  } else {
    MeasureOutline(*this, ext, v, margin);
  }
  return {ext.minX, ext.maxX, ext.maxY, ext.minY};
}

void TFlist::WritePlanExtents(const PlanExtents& e) {
  WriteSettingsLine(cfgfile::PlanExtents, FormatInts({e.left, e.right, e.top, e.bottom}, false));
}

void TFlist::FindClearSpan(int32 x, int32 y, int32 axis) {
  const bool across = axis == saAcross;
  const bool up = axis == saUp;
  Span span{across ? x : y};
  const int32 level = across ? y : x;
  // Offers an edge given in plan coordinates, turned into (along, across).
  auto edge = [&](int32 x1, int32 y1, int32 x2, int32 y2) {
    if (across)
      span.Edge(x1, y1, x2, y2, level);
    else if (up)
      span.Edge(y1, x1, y2, x2, level);
  };
  for (int32 i = 6; i < Count(); ++i) {
    const TObj& e = *At(i);
    if (e.Floor != CurrentView) continue;
    if (e.Kind == kind::ExtWall) {
      if (auto* w = dynamic_cast<const TExtwallobj*>(&e)) {
        if (w->CavityWidth != 0)
          edge(w->Line4X1, w->Line4Y1, w->Line4X2, w->Line4Y2);
        else
          edge(w->Line2X1, w->Line2Y1, w->Line2X2, w->Line2Y2);
      }
    } else if (e.Kind == kind::InWall) {
      if (auto* w = dynamic_cast<const TInwallobj*>(&e)) {
        edge(w->X1, w->Y1, w->X2, w->Y2);
        edge(w->Line2X1, w->Line2Y1, w->Line2X2, w->Line2Y2);
      }
    } else if (kind::IsFilledShapeKind(e.Kind)) {
      edge(e.X1, e.Y1, e.X2, e.Y2);
    } else if (kind::IsPolygonKind(e.Kind)) {
      auto* p = dynamic_cast<const TPolyobj*>(&e);
      const int32 n = p ? std::clamp(p->PointCount, 0, kMaxPolyPoints) : 0;
      for (int32 j = 0; j < n; ++j) {
        const int32 k = (j + 1) % n;
        // A polygon edge offers the along-coordinate of its first point on
        // both sides.
        const int32 a = across ? p->PointX[j] : p->PointY[j];
        const int32 b1 = across ? p->PointY[j] : p->PointX[j];
        const int32 b2 = across ? p->PointY[k] : p->PointX[k];
        if ((across || up) && level >= std::min(b1, b2) && level <= std::max(b1, b2))
          span.Offer(a, a);
      }
    }
  }
  const long long width = 1LL * span.high - span.low;
  WriteSettingsLine(cfgfile::ClearSpan, FormatInts({width < kSpanLimit ? width : 0, 0}, false));
}

int32 TFlist::WriteRectAndBounds() {
  const int32 layoutFloor =
      CurrentView == view::LayoutMarkingWalls ? view::LayoutGround : CurrentView;
  auto isLayoutRoom = [&](const TObj& e) {
    return kind::IsDesignRoomKind(e.Kind) && e.Floor == layoutFloor;
  };
  int32 rooms = 0;
  for (int32 i = 0; i < Count(); ++i) rooms += isLayoutRoom(*At(i)) ? 1 : 0;
  if (rooms <= 1) return rooms;

  int32 end = Count();
  if (isLayoutRoom(*At(end - 1)) && queries::AtNewRoomPlace(*At(end - 1))) --end;
  Extents b = Extents::Starting(kRoomBoundsStart);
  for (int32 i = 0; i < end; ++i) {
    const TObj& e = *At(i);
    if (!isLayoutRoom(e)) continue;
    if (e.X1 < b.minX) b.minX = e.X1;
    if (e.X2 > b.maxX) b.maxX = e.X2;
    if (e.Y1 > b.maxY) b.maxY = e.Y1;
    if (e.Y2 < b.minY) b.minY = e.Y2;
  }
  if (layoutFloor < 50) {
    // Width and height as differences, the area from them in 64 bits: the
    // file holds 32-bit values, so each is held at what it can take.
    const long long width = 1LL * b.maxX - b.minX;
    const long long height = 1LL * b.maxY - b.minY;
    const long long area = queries::ClampToInt32(width) * 1LL * queries::ClampToInt32(height);
    WriteSettingsLine(cfgfile::RoomRect, FormatInts({width, height, area}, true));
  }
  WriteSettingsLine(cfgfile::RoomBounds, FormatInts({b.minX, b.maxY, b.maxX, b.minY}, true));
  return rooms;
}

void TFlist::WriteLibraryExtents(int32 first) {
  Extents ext = Extents::Starting(kLibraryStart);
  for (int32 i = std::max(first, 0); i < Count(); ++i) {
    const TObj& e = *At(i);
    if (e.Kind == kind::Arc) {
      ext.Box(e.X1, e.Y1, e.X2, e.Y2);
      if (auto* a = dynamic_cast<const TArcobj*>(&e))
        ext.Box(a->StartX, a->StartY, a->EndX, a->EndY);
    } else if (kind::IsPolygonKind(e.Kind)) {
      if (auto* p = dynamic_cast<const TPolyobj*>(&e))
        for (int32 j = 0; j < std::clamp(p->PointCount, 0, kMaxPolyPoints); ++j)
          ext.Each(p->PointX[j], p->PointY[j]);
    } else if (kind::IsTextKind(e.Kind)) {
      const auto* t = dynamic_cast<const TTextobj*>(&e);
      const long long right = 1LL * e.X1 + 5LL * (t ? t->TextLength : 0);
      if (e.X1 < ext.minX) ext.minX = e.X1;
      if (right > ext.maxX) ext.maxX = queries::ClampToInt32(right);
      if (e.Y1 < ext.minY) ext.minY = e.Y1;
      if (1LL * e.Y1 + 5 > ext.maxY) ext.maxY = queries::ClampToInt32(1LL * e.Y1 + 5);
    } else {
      ext.Box(e.X1, e.Y1, e.X2, e.Y2);
    }
  }
  WriteSettingsLine(cfgfile::LibraryExtents,
                    FormatInts({ext.minX, ext.maxX, ext.maxY, ext.minY}, false));
}
