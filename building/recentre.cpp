#include "building/recentre.h"

#include <algorithm>

#include "model/element_shift.h"
#include "model/flist.h"
#include "model/queries_support.h"

namespace {

constexpr int32 kMetricStep = 25;
constexpr int32 kImperialStep = 24;

// The floor's box; empty until a value is taken.
struct Box {
  bool any = false;
  int32 minX = 0, maxX = 0, minY = 0, maxY = 0;
  void X(int32 x) {
    minX = any ? std::min(minX, x) : x;
    maxX = any ? std::max(maxX, x) : x;
  }
  void Y(int32 y) {
    minY = any ? std::min(minY, y) : y;
    maxY = any ? std::max(maxY, y) : y;
  }
  void Point(int32 x, int32 y) {
    X(x);
    Y(y);
    any = true;
  }
};

bool IsSiteShape(int32 k) {
  return k == kind::Line || k == kind::WallLine || kind::IsFilledShapeKind(k) ||
         (k >= kind::LineRangeFirst && k <= kind::LineRangeLast) || k == kind::ExtWall ||
         k == kind::InWall;
}

void Measure(const TObj& e, int32 how, Box& box) {
  const int32 k = e.Kind;
  const bool site = how == recentre::SitePlan;
  if (auto* p = dynamic_cast<const TPolyobj*>(&e); p && kind::IsPolygonKind(k)) {
    for (int32 j = 0; j < std::clamp(p->PointCount, 0, kMaxPolyPoints); ++j)
      box.Point(p->PointX[j], p->PointY[j]);
  } else if (site ? IsSiteShape(k) : (k == kind::ExtWall || kind::IsInWallKind(k))) {
    box.Point(e.X1, e.Y1);
    box.Point(e.X2, e.Y2);
  } else if (site && kind::IsTextKind(k)) {
    box.Point(e.X1, e.Y1);
  }
}

int32 ToStep(long long shift, int32 step) { return queries::ClampToInt32(shift / step * step); }

}  // namespace

// Everything of the floor moves but walls of kind 110: they are not part of
// the building being placed, so they are neither measured nor moved and stay
// where they were drawn on the sheet. (Centring a floor on the page when it
// is opened moves them with the rest.) The other floors of the house move
// with the floor, so that no centring changes where one lies over another.
void ShiftFloorElements(int32 dx, int32 dy) {
  ShiftFloor(DrawingList, CurrentView, dx, dy,
             [](const TObj& e) { return e.Kind == kind::ExtWall110; });
}

void RecentreFloors(int32 how) {
  Box box;
  for (int32 i = 0; i < DrawingList.Count(); ++i) {
    const TObj& e = *DrawingList.At(i);
    if (e.Floor == CurrentView) Measure(e, how, box);
  }
  // Nothing to centre: the floor and its file stay as they are.
  if (!box.any) return;

  const long long halfW = 1LL * DrawingWidth * PixelScale / 2;
  const long long halfH = 1LL * DrawingHeight * PixelScale / 2;
  const long long cx = box.maxX - (1LL * box.maxX - box.minX) / 2;
  const long long cy = box.maxY - (1LL * box.maxY - box.minY) / 2;
  const int32 step = MetricUnits == 1 ? kMetricStep : kImperialStep;
  const int32 dx = ToStep(halfW - cx, step);
  const int32 dy = ToStep(halfH - cy, step);
  ShiftFloorElements(dx, dy);
  if (how != recentre::NoSave) DrawingList.WriteDrawingFile(dtDrawing);
}
