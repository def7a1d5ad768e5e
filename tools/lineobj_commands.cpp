// The line-object tool's commands: finishing a floor (re-centring it and
// measuring its area), the distance to the nearest face in an arrow
// direction, and moving the nearer end of a picked line by an amount.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "model/flist.h"
#include "model/rounding.h"
#include "tools/linetool.h"
#include "tools/lineobj_geometry.h"

namespace {

// Bearings, tenths of a degree.
constexpr int32 kRight = 900;
constexpr int32 kDown = 1800;
constexpr int32 kLeft = 2700;
constexpr int32 kFullTurn = 3600;
constexpr double kRadiansPerTenth = 0.001745;

// Codes of the line-object tool's Command, and the ways RecentreFloors works.
constexpr int32 kFinish = 1;
constexpr int32 kRecentre = 3;
constexpr int32 kNearestFace = 10;
constexpr int32 kSitePlan = 190;
constexpr int32 kRecentreAndSave = 2;
constexpr int32 kRecentreNoSave = 3;


// The floor area: the base line lies this far (logical units) off the top walls.
constexpr int32 kBaseOffset = 200;
constexpr long long kSquareMetre = 40000;  // (5 mm)^2 logical units
constexpr long long kSquareFoot = 2304;    // (1/4 inch)^2 logical units

struct Face {
  int32 x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The faces a nearest-face search looks at: a line's own line, an external
// wall's inner face, both faces of an internal wall.
struct Faces {
  int32 angle = 0;
  bool inWall = false;
  Face first;
  Face second;  // all 0 where the element has only one
};

bool FacesOf(const TObj& e, Faces& out) {
  if (e.Kind == kind::Line) {
    auto* line = dynamic_cast<const TLineobj*>(&e);
    if (!line) return false;
    out.angle = line->Angle;
    out.first = {e.X1, e.Y1, e.X2, e.Y2};
    return true;
  }
  if (e.Kind == kind::ExtWall) {
    auto* w = dynamic_cast<const TExtwallobj*>(&e);
    if (!w) return false;
    out.angle = w->Angle;
    out.first = w->CavityWidth > 0 ? Face{w->Line4X1, w->Line4Y1, w->Line4X2, w->Line4Y2}
                                   : Face{w->Line2X1, w->Line2Y1, w->Line2X2, w->Line2Y2};
    return true;
  }
  if (e.Kind == kind::InWall) {
    auto* w = dynamic_cast<const TInwallobj*>(&e);
    if (!w) return false;
    out.angle = w->Angle;
    out.inWall = true;
    out.first = {e.X1, e.Y1, e.X2, e.Y2};
    out.second = {w->Line2X1, w->Line2Y1, w->Line2X2, w->Line2Y2};
    return true;
  }
  return false;
}

bool StrictlyBetween(int32 v, int32 a, int32 b) { return (v > a && v < b) || (v > b && v < a); }

// The search keeps the nearest candidate beyond the clearance.
class NearestCandidate {
 public:
  NearestCandidate(int32 direction, int32 x, int32 y) : d_(direction), x_(x), y_(y) {}
  void Offer(int32 c, int32 clearance) {
    using namespace facedir;
    const bool beyond = d_ == Up      ? c > y_ + clearance
                        : d_ == Down  ? c < y_ - clearance
                        : d_ == Right ? c > x_ + clearance
                                      : c < x_ - clearance;
    if (!beyond) return;
    const bool nearer = (d_ == Up || d_ == Right) ? c < best_ : c > best_;
    if (found_ && !nearer) return;
    best_ = c;
    found_ = true;
  }
  // The distance to the candidate kept; 0 when there is none within reach.
  int32 Distance() const {
    using namespace facedir;
    if (!found_) return 0;
    const long long dist = d_ == Up ? 1LL * best_ - y_ : d_ == Down ? 1LL * y_ - best_
                                   : d_ == Right ? 1LL * best_ - x_ : 1LL * x_ - best_;
    return dist < kFaceReach ? static_cast<int32>(dist) : 0;
  }

 private:
  int32 d_, x_, y_;
  int32 best_ = 0;
  bool found_ = false;
};

bool Level(int32 angle) { return angle == kRight || angle == kLeft; }
// 3600 is up as well as 0.
bool Plumb(int32 angle) { return angle == 0 || angle == kDown || angle == kFullTurn; }

// A sloped internal wall: where its faces cross the search line through (x, y).
void OfferSlopedFaces(const Faces& f, int32 d, int32 x, int32 y, NearestCandidate& near) {
  using namespace facedir;
  const bool alongY = d == Up || d == Down;
  int32 fx = f.first.x1, fy = f.first.y1;
  int32 sx = f.second.x1, sy = f.second.y1;
  if (alongY ? !StrictlyBetween(x, fx, sx) : !StrictlyBetween(y, fy, sy)) return;
  const int32 a = f.angle;
  int32 reduced = 0;
  if (a < kRight)
    reduced = a;
  else if (a <= kDown)
    reduced = kDown - a;
  else if (a > kLeft)
    reduced = kFullTurn - a;
  else
    reduced = a - kDown;
  const double r = reduced * kRadiansPerTenth;
  int32 shift = 0;
  if (alongY)
    shift = RoundToInt(std::cos(r) * (std::abs(double(x) - fx) / std::sin(r)));
  else
    shift = RoundToInt(std::sin(r) * (std::abs(double(y) - fy) / std::cos(r)));
  const bool add = a < kRight || (!alongY && a < kDown) || (alongY && a >= kLeft);
  if (!add) shift = -shift;
  const bool hasSecond = sx > 0;
  if (alongY) {
    fy += shift;
    if (hasSecond) sy += shift;
  } else {
    fx += shift;
    if (hasSecond) sx += shift;
  }
  // The first face is taken a little closer when searching up or right.
  const int32 firstClearance = (d == Up || d == Right) ? 2 * ZoomUnits : 2 * PixelScale;
  near.Offer(alongY ? fy : fx, firstClearance);
  const int32 second = alongY ? sy : sx;
  if (second > 0) near.Offer(second, 2 * PixelScale);
}

}  // namespace

// ---- The nearest face ----------------------------------------------------------------------

int32 NearestFaceDistance(const TFlist& list, int32 view, int32 x, int32 y, int32 d) {
  using namespace facedir;
  if (d != Up && d != Right && d != Down && d != Left) return 0;
  const int32 m = 2 * PixelScale;
  const bool alongY = d == Up || d == Down;
  NearestCandidate near(d, x, y);
  for (int32 i = 6; i < list.Count(); ++i) {
    const TObj& e = *list.At(i);
    if (e.Floor != view) continue;
    Faces f;
    if (!FacesOf(e, f)) continue;
    if (Level(f.angle)) {
      if (!alongY) continue;
      if (f.first.y1 == f.first.y2 && StrictlyBetween(x, f.first.x1, f.first.x2))
        near.Offer(f.first.y1, m);
      if (f.second.y1 == f.second.y2 && StrictlyBetween(x, f.second.x1, f.second.x2))
        near.Offer(f.second.y1, m);
    } else if (Plumb(f.angle)) {
      if (alongY) continue;
      if (f.first.x1 == f.first.x2 && StrictlyBetween(y, f.first.y1, f.first.y2))
        near.Offer(f.first.x1, m);
      if (f.second.x1 == f.second.x2 && StrictlyBetween(y, f.second.y1, f.second.y2))
        near.Offer(f.second.x1, m);
    } else if (f.inWall) {
      OfferSlopedFaces(f, d, x, y, near);
    }
  }
  return near.Distance();
}

// ---- Floor area ------------------------------------------------------------------------------

int32 EnclosedFloorArea(const TFlist& list, int32 view) {
  struct Edge {
    int32 x1, y1, x2, y2;
    int32 Low() const { return std::min(y1, y2); }
    int32 Mid() const { return Low() + (std::max(y1, y2) - Low()) / 2; }
  };
  std::vector<Edge> top, bottom;
  for (int32 i = 0; i < list.Count(); ++i) {
    const TObj& w = *list.At(i);
    if (w.Kind != kind::ExtWall || w.Floor != view) continue;
    const Edge e{w.X1 / PixelScale, w.Y1 / PixelScale, w.X2 / PixelScale, w.Y2 / PixelScale};
    if (e.x1 < e.x2)
      top.push_back(e);  // clockwise: walls running left to right are the top edges
    else if (e.x1 > e.x2)
      bottom.push_back(e);
  }
  if (top.empty()) return 0;
  long long base = top.front().Low() + kBaseOffset;
  for (std::size_t k = 1; k < top.size(); ++k)
    base = std::min<long long>(base, top[k].Low() - kBaseOffset);
  long long sum = 0;
  for (const Edge& e : top) sum += 1LL * (e.x2 - e.x1) * (e.Mid() - base);
  for (const Edge& e : bottom) sum += 1LL * (e.x1 - e.x2) * (base - e.Mid());
  const long long area = sum / (MetricUnits == 1 ? kSquareMetre : kSquareFoot);
  return static_cast<int32>(std::clamp<long long>(area, INT_MIN, INT_MAX));
}

// ---- Moving a line's end ----------------------------------------------------------------------

namespace {

// Moves the end of (a1, a2) nearer to p by amount; false when the ends
// would meet or pass each other.
bool MoveNearer(int32& a1, int32& a2, int32 p, int32 amount) {
  const bool firstMoves = a1 < a2 ? (p - a1) <= (a2 - p) : (p - a2) > (a1 - p);
  int32 n1 = a1, n2 = a2;
  (firstMoves ? n1 : n2) += amount;
  if (n1 == n2 || (n1 < n2) != (a1 < a2)) return false;
  a1 = n1;
  a2 = n2;
  return true;
}

}  // namespace

bool MoveNearerLineEnd(TObj& line, int32 amount, int32 x, int32 y) {
  bool moved = false;
  if (line.X1 == line.X2 && line.Y1 != line.Y2)
    moved = MoveNearer(line.Y1, line.Y2, y, amount);
  else if (line.Y1 == line.Y2 && line.X1 != line.X2)
    moved = MoveNearer(line.X1, line.X2, x, amount);
  // The line's length goes with it.
  if (moved && line.Tag1 > 0) line.Tag1 = std::abs(line.X2 - line.X1) + std::abs(line.Y2 - line.Y1);
  return moved;
}

int32 StraightLineAt(const TFlist& list, int32 view, int32 x, int32 y, int32 t) {
  for (int32 i = 6; i < list.Count(); ++i) {
    const TObj& e = *list.At(i);
    if (e.Floor != view || e.Kind != kind::Line) continue;
    const int32 xLow = std::min(e.X1, e.X2), xHigh = std::max(e.X1, e.X2);
    const int32 yLow = std::min(e.Y1, e.Y2), yHigh = std::max(e.Y1, e.Y2);
    const bool level = e.Y1 == e.Y2 && xLow != xHigh;
    const bool plumb = e.X1 == e.X2 && yLow != yHigh;
    if (level && std::abs(y - e.Y1) < t && x > xLow - t && x < xHigh + t) return i;
    if (plumb && std::abs(x - e.X1) < t && y > yLow - t && y < yHigh + t) return i;
  }
  return -1;
}

// ---- The tool ------------------------------------------------------------------------------------

void TLineobjtool::Command(int32 code) {
  switch (code) {
    case kFinish:
      if (CurrentView == view::Ground) RecentreFloors(kRecentreAndSave);
      ComputeFloorArea();
      return;
    case kRecentre:
      RecentreFloors(kRecentreNoSave);
      return;
    case kNearestFace:
      Size = NearestFaceDistance(DrawingList, CurrentView, X1, Y1, Direction);
      return;
    case kSitePlan:
      RecentreFloors(kSitePlan);
      return;
    default:
      return;
  }
}

void TLineobjtool::Execute(int32 amount, int32 x, int32 y) {
  if (Step != lineend::Forward && Step != lineend::Back) return;
  Result = kNothingPicked;
  // The index may be stale: the list is rebuilt by every repaint.
  const int32 i = Direction;
  if (i < 6 || i >= DrawingList.Count()) return;
  TObj& line = *DrawingList.At(i);
  if (!kind::IsLineKind(line.Kind)) return;
  if (MoveNearerLineEnd(line, Step == lineend::Forward ? amount : -amount, x, y)) Result = 0;
}

void TLineobjtool::ComputeFloorArea() {
  if (DrawingList.Count() < 4) return;
  DrawingList.SetFloorArea(EnclosedFloorArea(DrawingList, CurrentView));
}
