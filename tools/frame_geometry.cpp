#include "tools/frame_geometry.h"

#include <cmath>

#include "model/queries_support.h"
#include "model/rounding.h"
#include "tools/drawingtool.h"

namespace frame {

namespace {

using queries::ClampToInt32;

constexpr int32 kPlacingFirst = 28000;  // elements of a placing step, never taken on floors
constexpr int32 kPlacingLast = 28099;
constexpr int32 kFloorFirst = view::Ground;
constexpr int32 kFloorLast = 149;
constexpr int32 kFullTurn = 3600;
constexpr int32 kTextAlignBaselineCentre = 6;
// Degrees to radians as turning a selection has always computed them.
constexpr double kRadiansPerDegree = 0.017453277777777776;

bool IsGroupView(int32 v) { return v >= view::Group && v <= view::Group + 4; }

void Shift(int32& x, int32& y, int32 dx, int32 dy) {
  x = ClampToInt32(1LL * x + dx);
  y = ClampToInt32(1LL * y + dy);
}

bool PolygonInside(const TObj& e, const Box& f) {
  const auto* p = dynamic_cast<const TPolyobj*>(&e);
  if (!p) return false;
  const int32 n = std::clamp(p->PointCount, 0, kMaxPolyPoints);
  if (n == 0) return false;
  for (int32 i = 0; i < n; ++i)
    if (!f.Inside(p->PointX[i], p->PointY[i])) return false;
  return true;
}

bool InWallInside(const TObj& e, const Box& f) {
  const Box ends = Box::Of(e.X1, e.Y1, e.X2, e.Y2);
  if (!f.BoxInside(ends.left, ends.bottom, ends.right, ends.top)) return false;
  // A double-line wall is taken only with both of its lines.
  const auto* w = dynamic_cast<const TInwallobj*>(&e);
  if (e.Kind != kind::InWall || !w) return true;
  return f.BoxInside(w->Line2X1, w->Line2Y1, w->Line2X2, w->Line2Y2);
}

bool ExtWallInside(const TObj& e, const Box& f, bool endsOnly) {
  const Box ends = Box::Of(e.X1, e.Y1, e.X2, e.Y2);
  if (endsOnly) return f.BoxInside(ends.left, ends.bottom, ends.right, ends.top);
  const auto* w = dynamic_cast<const TExtwallobj*>(&e);
  return w && f.Inside(ends.left, ends.bottom) &&
         f.BoxInside(w->Line2X1, w->Line2Y1, w->Line2X2, w->Line2Y2);
}

}  // namespace

bool Takes(const TObj& e, const Box& f, int32 toolType, int32 v) {
  const int32 k = e.Kind;
  const bool group = IsGroupView(v);
  if (!group && e.Floor != v) return false;
  if (kind::IsDesignRoomKind(k) || kind::IsInfoKind(k)) return false;
  if (IsFramePolygonKind(k)) {
    if (!group && (e.Floor < kFloorFirst || e.Floor > kFloorLast)) return false;
    return PolygonInside(e, f);
  }
  if (kind::IsInWallKind(k)) {
    if (!group && toolType != tooltype::Erase) return false;
    return InWallInside(e, f);
  }
  if (k == kind::ExtWall) {
    if (group) return ExtWallInside(e, f, toolType == tooltype::Move);
    return v == view::Site && toolType == tooltype::Move && ExtWallInside(e, f, true);
  }
  if (!group && (k == kind::ExtWall110 || (k >= kPlacingFirst && k <= kPlacingLast)))
    return false;
  if (k == kind::LockedRoom) return f.BoxInside(e.X1, e.Y1, e.X2, e.Y2);
  if (kind::IsTextKind(k)) return f.Inside(e.X1, e.Y1);
  if (k == kind::Arc) {
    const auto* a = dynamic_cast<const TArcobj*>(&e);
    return a && f.BoxInside(a->StartX, a->StartY, a->EndX, a->EndY);
  }
  return f.BoxInside(e.X1, e.Y1, e.X2, e.Y2);
}

void Move(TObj& e, int32 dx, int32 dy) {
  const int32 k = e.Kind;
  if (kind::IsTextKind(k)) {
    Shift(e.X1, e.Y1, dx, dy);
    return;
  }
  if (IsFramePolygonKind(k)) {
    if (auto* p = dynamic_cast<TPolyobj*>(&e))
      for (int32 i = 0; i < std::clamp(p->PointCount, 0, kMaxPolyPoints); ++i)
        Shift(p->PointX[i], p->PointY[i], dx, dy);
    return;
  }
  if (kind::IsDesignRoomKind(k) || kind::IsInfoKind(k)) return;
  const bool twoPoints = k < kind::ExtWall || k == kind::LockedRoom ||
                         kind::IsWallKind(k) || kind::IsArrowKind(k) ||
                         kind::IsDimensionKind(k);
  if (!twoPoints) return;
  Shift(e.X1, e.Y1, dx, dy);
  Shift(e.X2, e.Y2, dx, dy);
  if (auto* a = dynamic_cast<TArcobj*>(&e)) {
    Shift(a->StartX, a->StartY, dx, dy);
    Shift(a->EndX, a->EndY, dx, dy);
  } else if (auto* w = dynamic_cast<TExtwallobj*>(&e)) {
    Shift(w->Line2X1, w->Line2Y1, dx, dy);
    Shift(w->Line2X2, w->Line2Y2, dx, dy);
    if (w->CavityWidth > 0) {
      Shift(w->Line3X1, w->Line3Y1, dx, dy);
      Shift(w->Line3X2, w->Line3Y2, dx, dy);
      Shift(w->Line4X1, w->Line4Y1, dx, dy);
      Shift(w->Line4X2, w->Line4Y2, dx, dy);
    }
  } else if (auto* w = dynamic_cast<TInwallobj*>(&e)) {
    Shift(w->Line2X1, w->Line2Y1, dx, dy);
    Shift(w->Line2X2, w->Line2Y2, dx, dy);
  } else if (auto* r = dynamic_cast<TArrowobj*>(&e)) {
    Shift(r->BarbX1, r->BarbY1, dx, dy);
    Shift(r->BarbX2, r->BarbY2, dx, dy);
    Shift(r->BarX1, r->BarY1, dx, dy);
    Shift(r->BarX2, r->BarY2, dx, dy);
  } else if (auto* d = dynamic_cast<TDimensobj*>(&e)) {
    Shift(d->SecondX1, d->SecondY1, dx, dy);
    Shift(d->SecondX2, d->SecondY2, dx, dy);
  }
}

// ---- Turning ----------------------------------------------------------------------

Turn::Turn(int32 degrees, int32 pivotX, int32 pivotY)
    : degrees_(degrees), pivotX_(pivotX), pivotY_(pivotY) {
  const double theta = (360 - degrees) * kRadiansPerDegree;
  c_ = std::cos(theta);
  s_ = std::sin(theta);
}

void Turn::Point(int32& x, int32& y) const {
  const double dx = static_cast<double>(x) - pivotX_;
  const double dy = static_cast<double>(y) - pivotY_;
  x = ClampToInt32(1LL * pivotX_ + RoundHalfAwayOnHundredths(dx * c_ - dy * s_));
  y = ClampToInt32(1LL * pivotY_ + RoundHalfAwayOnHundredths(dx * s_ + dy * c_));
}

bool Turn::Quarter() const {
  const int32 d = ((degrees_ % 180) + 180) % 180;
  return d == 90;
}

int32 Turn::Bearing(int32 tenths) const {
  const long long v = (1LL * tenths + 10LL * degrees_) % kFullTurn;
  return static_cast<int32>(v < 0 ? v + kFullTurn : v);
}

namespace {

// A box (ellipse, circle, rounded rectangle, an arc's ellipse, a locked room)
// keeps its size: its centre turns, and a quarter turn stands it on its side.
// Its corners keep the order they had.
void TurnBox(int32& x1, int32& y1, int32& x2, int32& y2, const Turn& t) {
  long long w = 1LL * x2 - x1;
  long long h = 1LL * y2 - y1;
  int32 cx = ClampToInt32((1LL * x1 + x2) / 2);
  int32 cy = ClampToInt32((1LL * y1 + y2) / 2);
  t.Point(cx, cy);
  if (t.Quarter()) {
    const long long aw = std::llabs(w), ah = std::llabs(h);
    w = w < 0 ? -ah : ah;
    h = h < 0 ? -aw : aw;
  }
  x1 = ClampToInt32(cx - w / 2);
  x2 = ClampToInt32(1LL * x1 + w);
  y1 = ClampToInt32(cy - h / 2);
  y2 = ClampToInt32(1LL * y1 + h);
}

template <std::size_t N>
void CopyText(char (&dst)[N], const char* src) {
  CopyBoundedText(dst, static_cast<int32>(N), src);
}

void SwapRoomTexts(TRoomobj& r) {
  char width[kRoomWidthTextCapacity] = {};
  char height[kRoomHeightTextCapacity] = {};
  CopyText(width, r.HeightText);
  CopyText(height, r.WidthText);
  r.WidthTextLength = CopyBoundedText(r.WidthText, kRoomWidthTextCapacity, width);
  r.HeightTextLength = CopyBoundedText(r.HeightText, kRoomHeightTextCapacity, height);
  std::swap(r.RoomWidth, r.RoomHeight);
}

void TurnText(TTextobj& x, const Turn& t, const Box& before, Bounds& b) {
  t.Point(x.X1, x.Y1);
  x.Escapement = t.Bearing(x.Escapement);
  x.X2 = t.Bearing(x.X2);  // the bearing of the line the text runs along
  x.Alignment = kTextAlignBaselineCentre;
  // The text's characters reach about a frame's width along its direction.
  const int32 w = before.right - before.left;
  const int32 h = before.top - before.bottom;
  const int32 e = x.Escapement;
  b.Add(x.X1, x.Y1);
  if ((e >= 450 && e <= 1349) || (e >= 2250 && e <= 3149)) {
    b.maxY = std::max(b.maxY, ClampToInt32(1LL * before.bottom + w));
    b.minY = std::min(b.minY, ClampToInt32(1LL * before.top - w));
  } else {
    b.minX = std::min(b.minX, ClampToInt32(1LL * before.left - h));
    b.maxX = std::max(b.maxX, ClampToInt32(1LL * before.right + h));
  }
}

}  // namespace

void TurnElement(TObj& e, const Turn& t, const Box& before, Bounds& b) {
  const int32 k = e.Kind;
  auto point = [&](int32& x, int32& y, bool widens) {
    t.Point(x, y);
    if (widens) b.Add(x, y);
  };
  if (kind::IsTextKind(k)) {
    if (auto* x = dynamic_cast<TTextobj*>(&e)) TurnText(*x, t, before, b);
    return;
  }
  if (IsFramePolygonKind(k)) {
    if (auto* p = dynamic_cast<TPolyobj*>(&e))
      for (int32 i = 0; i < std::clamp(p->PointCount, 0, kMaxPolyPoints); ++i)
        point(p->PointX[i], p->PointY[i], true);
    return;
  }
  if (kind::IsFilledShapeKind(k) || k == kind::LockedRoom) {
    TurnBox(e.X1, e.Y1, e.X2, e.Y2, t);
    b.Add(e.X1, e.Y1);
    b.Add(e.X2, e.Y2);
    if (k == kind::LockedRoom && t.Quarter())
      if (auto* r = dynamic_cast<TRoomobj*>(&e)) SwapRoomTexts(*r);
    return;
  }
  if (k == kind::Arc) {
    if (auto* a = dynamic_cast<TArcobj*>(&e)) {
      TurnBox(a->X1, a->Y1, a->X2, a->Y2, t);
      point(a->StartX, a->StartY, true);
      point(a->EndX, a->EndY, true);
    }
    return;
  }
  if (kind::IsDesignRoomKind(k) || kind::IsInfoKind(k)) return;
  point(e.X1, e.Y1, true);
  point(e.X2, e.Y2, true);
  if (auto* l = dynamic_cast<TLineobj*>(&e)) {
    l->Angle = t.Bearing(l->Angle);
  } else if (auto* w = dynamic_cast<TExtwallobj*>(&e)) {
    point(w->Line2X1, w->Line2Y1, false);
    point(w->Line2X2, w->Line2Y2, false);
    point(w->Line3X1, w->Line3Y1, false);
    point(w->Line3X2, w->Line3Y2, false);
    point(w->Line4X1, w->Line4Y1, false);
    point(w->Line4X2, w->Line4Y2, false);
    w->Angle = t.Bearing(w->Angle);
  } else if (auto* w = dynamic_cast<TInwallobj*>(&e)) {
    point(w->Line2X1, w->Line2Y1, false);
    point(w->Line2X2, w->Line2Y2, false);
    w->Angle = t.Bearing(w->Angle);
  } else if (auto* r = dynamic_cast<TArrowobj*>(&e)) {
    point(r->BarbX1, r->BarbY1, false);
    point(r->BarbX2, r->BarbY2, false);
    point(r->BarX1, r->BarY1, false);
    point(r->BarX2, r->BarY2, false);
  } else if (auto* d = dynamic_cast<TDimensobj*>(&e)) {
    point(d->SecondX1, d->SecondY1, true);
    point(d->SecondX2, d->SecondY2, false);
    d->Angle = t.Bearing(d->Angle);
  }
}

}  // namespace frame
