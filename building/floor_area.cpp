#include "building/floor_area.h"

#include <algorithm>
#include <vector>

namespace {

// At most this many top and bottom walls are summed.
constexpr std::size_t kMaxEdges = 7;
// The base line lies this far (logical units) off the first top wall.
constexpr int32 kBaseOffset = 200;
constexpr long long kSquareMetre = 40000;  // (5 mm)^2 units per square metre
constexpr long long kSquareFoot = 2304;    // (1/4 inch)^2 units per square foot

struct Edge {
  int32 x1, y1, x2, y2;
  int32 Low() const { return std::min(y1, y2); }
  int32 Mid() const { return Low() + (std::max(y1, y2) - Low()) / 2; }
};

}  // namespace

int32 FloorAreaOf(const TFlist& list, int32 view) {
  std::vector<Edge> top, bottom;
  for (int32 i = 0; i < list.Count(); ++i) {
    if (top.size() >= kMaxEdges || bottom.size() >= kMaxEdges) break;
    const TObj& w = *list.At(i);
    if (w.Kind != kind::ExtWall || w.Floor != view) continue;
    const Edge e{w.X1 / PixelScale, w.Y1 / PixelScale, w.X2 / PixelScale, w.Y2 / PixelScale};
    if (w.X1 == w.X2) continue;  // a vertical wall adds nothing
    if (w.X1 < w.X2)
      top.push_back(e);
    else
      bottom.push_back(e);
  }
  if (top.empty()) return 0;
  long long base = top.front().Low() + kBaseOffset;
  for (std::size_t i = 1; i < top.size(); ++i) base = std::min<long long>(base, top[i].Low() - kBaseOffset);
  long long sum = 0;
  for (const Edge& e : top) sum += 1LL * (e.x2 - e.x1) * (e.Mid() - base);
  for (const Edge& e : bottom) sum += 1LL * (e.x1 - e.x2) * (base - e.Mid());
  const long long area = sum / (MetricUnits == 1 ? kSquareMetre : kSquareFoot);
  return static_cast<int32>(std::clamp<long long>(area, INT32_MIN, INT32_MAX));
}

void ComputeFloorArea() {
  if (DrawingList.Count() < 4) return;
  DrawingList.SetFloorArea(FloorAreaOf(DrawingList, CurrentView));
}
