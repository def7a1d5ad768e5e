// Centring a floor on the drawing sheet: every element of the current view
// moves by one shift, in whole inches (24 units) or 25 mm, so that the
// view's walls and symbols sit in the middle of the sheet.
#include <algorithm>

#include "model/flist.h"
#include "model/queries_support.h"

namespace {

constexpr int32 kMetricStep = 25;
constexpr int32 kImperialStep = 24;
constexpr int32 kExtentStart = 300000;
// Kinds outside every record set that are still moved with their box.
constexpr int32 kMovedBoxKindFirst = 27001;
constexpr int32 kMovedBoxKindLast = 27004;

struct Shift {
  int32 dx, dy;
  void Move(int32& x, int32& y) const {
    x = queries::ClampToInt32(1LL * x + dx);
    y = queries::ClampToInt32(1LL * y + dy);
  }
};

// Smallest and largest x and y of the view's walls and symbols. A value
// lowers the minimum, or otherwise raises the maximum.
struct ViewExtents {
  int32 minX = kExtentStart, maxX = 0, minY = kExtentStart, maxY = 0;
  void X(int32 x) {
    if (x < minX)
      minX = x;
    else if (x > maxX)
      maxX = x;
  }
  void Y(int32 y) {
    if (y < minY)
      minY = y;
    else if (y > maxY)
      maxY = y;
  }
};

bool MovesWithBox(int32 k) {
  return kind::IsLineKind(k) || kind::IsFilledShapeKind(k) ||
         (k >= kMovedBoxKindFirst && k <= kMovedBoxKindLast) || kind::IsRoomKind(k) ||
         kind::IsInfoKind(k);
}

void MoveElement(TObj& e, const Shift& s) {
  const int32 k = e.Kind;
  if (kind::IsTextKind(k)) {
    // Only its anchor: a text's X2 is the bearing of the line it belongs
    // to and its Y2 a mark, neither of them a place.
    s.Move(e.X1, e.Y1);
  } else if (MovesWithBox(k)) {
    s.Move(e.X1, e.Y1);
    s.Move(e.X2, e.Y2);
  } else if (auto* w = dynamic_cast<TExtwallobj*>(&e); w && kind::IsExtWallKind(k)) {
    s.Move(w->X1, w->Y1);
    s.Move(w->X2, w->Y2);
    s.Move(w->Line2X1, w->Line2Y1);
    s.Move(w->Line2X2, w->Line2Y2);
    s.Move(w->Line3X1, w->Line3Y1);
    s.Move(w->Line3X2, w->Line3Y2);
    s.Move(w->Line4X1, w->Line4Y1);
    s.Move(w->Line4X2, w->Line4Y2);
    s.Move(w->RefX, w->RefY);
  } else if (auto* w = dynamic_cast<TInwallobj*>(&e); w && kind::IsInWallKind(k)) {
    s.Move(w->X1, w->Y1);
    s.Move(w->X2, w->Y2);
    s.Move(w->Line2X1, w->Line2Y1);
    s.Move(w->Line2X2, w->Line2Y2);
    s.Move(w->RefX, w->RefY);
  } else if (auto* a = dynamic_cast<TArrowobj*>(&e); a && kind::IsArrowKind(k)) {
    s.Move(a->X1, a->Y1);
    s.Move(a->X2, a->Y2);
    s.Move(a->BarbX1, a->BarbY1);
    s.Move(a->BarbX2, a->BarbY2);
    s.Move(a->BarX1, a->BarY1);
    s.Move(a->BarX2, a->BarY2);
  } else if (auto* d = dynamic_cast<TDimensobj*>(&e); d && kind::IsDimensionKind(k)) {
    s.Move(d->X1, d->Y1);
    s.Move(d->X2, d->Y2);
    s.Move(d->SecondX1, d->SecondY1);
    s.Move(d->SecondX2, d->SecondY2);
  } else if (auto* p = dynamic_cast<TPolyobj*>(&e); p && kind::IsPolygonKind(k)) {
    for (int32 i = 0; i < std::clamp(p->PointCount, 0, kMaxPolyPoints); ++i)
      s.Move(p->PointX[i], p->PointY[i]);
    s.Move(p->RefX, p->RefY);
  } else if (auto* w = dynamic_cast<TWindowobj*>(&e); w && kind::IsWindowKind(k)) {
    s.Move(w->InsertX, w->InsertY);
  } else if (auto* d = dynamic_cast<TDoorobj*>(&e); d && kind::IsDoorKind(k)) {
    s.Move(d->InsertX, d->InsertY);
  } else if (auto* a = dynamic_cast<TArcobj*>(&e); a && k == kind::Arc) {
    s.Move(a->X1, a->Y1);
    s.Move(a->X2, a->Y2);
    s.Move(a->StartX, a->StartY);
    s.Move(a->EndX, a->EndY);
  }
}

int32 ToStep(long long shift, int32 step) { return queries::ClampToInt32(shift / step * step); }

}  // namespace

void TFlist::CentreFloorOnPage(int32 /*how*/) {
  const int32 v = CurrentView;
  ViewExtents ext;
  bool hasWall = false;
  for (int32 i = 0; i < Count(); ++i) {
    const TObj& e = *At(i);
    if (e.Floor != v) continue;
    if (e.Kind == kind::ExtWall || e.Kind == kind::InWall) {
      hasWall = true;
      ext.X(e.X1);
      ext.X(e.X2);
      ext.Y(e.Y1);
      ext.Y(e.Y2);
    } else if (auto* p = dynamic_cast<const TPolyobj*>(&e); p && kind::IsPolygonKind(e.Kind)) {
      for (int32 j = 0; j < std::clamp(p->PointCount, 0, kMaxPolyPoints); ++j) {
        ext.X(p->PointX[j]);
        ext.Y(p->PointY[j]);
      }
    }
  }
  // Without walls the extents mean nothing: leave the view and its file.
  if (!hasWall) return;

  const long long W = 1LL * DrawingWidth * PixelScale;
  const long long H = 1LL * DrawingHeight * PixelScale;
  const int32 step = MetricUnits == 1 ? kMetricStep : kImperialStep;
  const Shift shift{ToStep(W / 2 + (1LL * ext.maxX - ext.minX) / 2 - ext.maxX, step),
                    ToStep(H / 2 + (1LL * ext.maxY - ext.minY) / 2 - ext.maxY, step)};
  for (int32 i = 0; i < Count(); ++i)
    if (At(i)->Floor == v) MoveElement(*At(i), shift);
  WriteDrawingFile(dtDrawing);
}
