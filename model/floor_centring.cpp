// Centring a floor on the drawing sheet: every element of the current view
// moves by one shift, in whole inches (24 units) or 25 mm, so that the
// view's walls and symbols sit in the middle of the sheet. The other floors
// of the house move with it, so that the floors stay over one another.
#include <algorithm>

#include "model/element_shift.h"
#include "model/flist.h"
#include "model/queries_support.h"

namespace {

constexpr int32 kMetricStep = 25;
constexpr int32 kImperialStep = 24;
constexpr int32 kExtentStart = 300000;

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

int32 ToStep(long long shift, int32 step) { return queries::ClampToInt32(shift / step * step); }

}  // namespace

bool TFlist::CentreFloorOnPage(int32 /*how*/) {
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
  if (!hasWall) return false;

  const long long W = 1LL * DrawingWidth * PixelScale;
  const long long H = 1LL * DrawingHeight * PixelScale;
  const int32 step = MetricUnits == 1 ? kMetricStep : kImperialStep;
  const int32 dx = ToStep(W / 2 + (1LL * ext.maxX - ext.minX) / 2 - ext.maxX, step);
  const int32 dy = ToStep(H / 2 + (1LL * ext.maxY - ext.minY) / 2 - ext.maxY, step);
  ShiftFloor(*this, v, dx, dy);
  WriteDrawingFile(dtDrawing);
  return dx != 0 || dy != 0;
}
