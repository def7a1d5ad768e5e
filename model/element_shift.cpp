#include "model/element_shift.h"

#include <algorithm>

#include "model/flist.h"
#include "model/queries_support.h"

namespace {

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

bool MovesWithBox(int32 k) {
  return kind::IsLineKind(k) || kind::IsFilledShapeKind(k) ||
         (k >= kMovedBoxKindFirst && k <= kMovedBoxKindLast) || kind::IsRoomKind(k) ||
         kind::IsInfoKind(k);
}

}  // namespace

void ShiftElement(TObj& e, int32 dx, int32 dy) {
  const Shift s{dx, dy};
  const int32 k = e.Kind;
  if (kind::IsTextKind(k)) {
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
  } else if (auto* a = dynamic_cast<TArcobj*>(&e); a && k == kind::Arc) {
    s.Move(a->X1, a->Y1);
    s.Move(a->X2, a->Y2);
    s.Move(a->StartX, a->StartY);
    s.Move(a->EndX, a->EndY);
  } else if (auto* p = dynamic_cast<TPolyobj*>(&e); p && kind::IsPolygonKind(k)) {
    for (int32 i = 0; i < std::clamp(p->PointCount, 0, kMaxPolyPoints); ++i)
      s.Move(p->PointX[i], p->PointY[i]);
    s.Move(p->RefX, p->RefY);
  } else if (auto* w = dynamic_cast<TWindowobj*>(&e); w && kind::IsWindowKind(k)) {
    s.Move(w->InsertX, w->InsertY);
  } else if (auto* d = dynamic_cast<TDoorobj*>(&e); d && kind::IsDoorKind(k)) {
    s.Move(d->InsertX, d->InsertY);
  }
}

void ShiftFloor(TFlist& list, int32 view, int32 dx, int32 dy, bool (*stays)(const TObj&)) {
  if (dx == 0 && dy == 0) return;
  const bool house = IsHouseFloor(view);
  for (int32 i = 0; i < list.Count(); ++i) {
    TObj& e = *list.At(i);
    const bool moves = e.Floor == view || (house && IsHouseFloor(e.Floor));
    if (moves && !(stays && stays(e))) ShiftElement(e, dx, dy);
  }
}
