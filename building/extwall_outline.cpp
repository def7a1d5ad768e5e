// Building the external walls along a traced outline (command 7).
//
// The outline is the chain of kind-11 lines of the view where the walls
// are marked, traced along the house's inner corners. Its lines are first
// fitted to the design rooms laid out under them; then every line becomes a
// wall whose face lies outside the line by the wall's total thickness, the
// corners moved outward square or along the bisector, and each wall is
// joined to the ones made before it. The outline lines go, and the ground
// floor holds the walls.
#include <cmath>
#include <cstdlib>
#include <optional>
#include <vector>

#include "building/droom_settings.h"
#include "building/extwall_tool.h"
#include "building/wall_query.h"
#include "model/rounding.h"

namespace {

// At most this many design rooms are fitted.
constexpr std::size_t kMaxFittedRooms = 20;
// Earlier lines whose ends lie this close to a fitted line's ends follow it.
constexpr int32 kFollowReach = 2;
// An angled wall whose end lies this close to its start's x (else y) is
// made exactly vertical (horizontal).
constexpr int32 kSquareReach = 13;
// Layout views are their floor's view less this.
constexpr int32 kLayoutOffset = 5;

struct OutlineLine {
  plat::Point start, end;
  int32 angle;
};

bool Horizontal(const TObj& l) { return l.Y1 == l.Y2 && l.X1 != l.X2; }
bool Vertical(const TObj& l) { return l.X1 == l.X2 && l.Y1 != l.Y2; }

// Fits the outline lines that run along design rooms to the rooms' sizes
// plus the walls between them.
void FitOutlineToRooms(const std::vector<int32>& lines, int32 outlineView) {
  std::vector<const TObj*> rooms;
  for (int32 i = 0; i < DrawingList.Count() && rooms.size() < kMaxFittedRooms; ++i) {
    const TObj* e = DrawingList.At(i);
    if (e->Kind == kind::Room && e->Floor == outlineView - kLayoutOffset) rooms.push_back(e);
  }
  if (rooms.empty()) return;
  const std::optional<droom::RoomWallSizes> roomWalls = droom::ReadRoomWallSizes();
  if (!roomWalls) {
    ReportRoomWallSettingsMissing();
    return;
  }
  const int32 w = (*roomWalls)[0];
  const int32 tol = TruncToInt((MetricUnits == 1 ? 5.0 : 6.0) * ZoomFactor);

  bool changed = false;
  for (std::size_t li = 0; li < lines.size(); ++li) {
    TObj& L = *DrawingList.At(lines[li]);
    const bool across = Horizontal(L);
    if (!across && !Vertical(L)) continue;
    long long sum = 0;
    int32 count = 0, len = 0;
    for (const TObj* r : rooms) {
      if (across) {
        const bool along = std::abs(L.Y1 - r->Y1) < tol || std::abs(L.Y1 - r->Y2) < tol;
        if (along && std::min(L.X1, L.X2) - tol < r->X1 && r->X2 < std::max(L.X1, L.X2) + tol) {
          sum += r->X2 - r->X1;
          ++count;
          len = L.Tag1;
        }
      } else {
        const bool along = std::abs(L.X1 - r->X1) < tol || std::abs(L.X1 - r->X2) < tol;
        if (along && std::min(L.Y1, L.Y2) - tol < r->Y2 && r->Y1 < std::max(L.Y1, L.Y2) + tol) {
          sum += r->Y1 - r->Y2;
          ++count;
          len = L.Tag1;
        }
      }
    }
    if (count > 0) sum += 1LL * (count - 1) * w;
    if (len <= 0 || std::llabs(len - sum) >= tol) continue;
    const int32 s = static_cast<int32>(sum);
    // +1 when the line runs toward larger x (or y).
    const int32 sign = across ? (L.X2 > L.X1 ? 1 : -1) : (L.Y2 > L.Y1 ? 1 : -1);
    for (std::size_t ji = 0; ji < li; ++ji) {
      TObj& J = *DrawingList.At(lines[ji]);
      if (across && std::abs(J.X2 - L.X1) < kFollowReach && std::abs(J.X1 - L.X2) < kFollowReach)
        J.X2 = J.X1 - sign * s;
      if (!across && std::abs(J.Y2 - L.Y1) < kFollowReach && std::abs(J.Y1 - L.Y2) < kFollowReach)
        J.Y2 = J.Y1 - sign * s;
    }
    if (across)
      L.X2 = L.X1 + sign * s;
    else
      L.Y2 = L.Y1 + sign * s;
    L.Tag1 = s;
    changed = true;
  }
  if (!changed) return;
  // Each line starts where the one before it ends, keeping square lines square.
  for (std::size_t k = 0; k < lines.size(); ++k) {
    const TObj& a = *DrawingList.At(lines[k]);
    TObj& b = *DrawingList.At(lines[(k + 1) % lines.size()]);
    const bool bVertical = b.X1 == b.X2, bHorizontal = b.Y1 == b.Y2;
    b.X1 = a.X2;
    b.Y1 = a.Y2;
    if (bVertical) b.X2 = b.X1;
    if (bHorizontal) b.Y2 = b.Y1;
  }
}

// The outline as traced, turned clockwise when it was traced the other way
// round (the walls are built outward, to the left of a clockwise run).
std::vector<OutlineLine> ClockwiseOutline(const std::vector<int32>& lines) {
  std::vector<OutlineLine> out;
  for (int32 i : lines) {
    const TObj* e = DrawingList.At(i);
    const auto* l = dynamic_cast<const TLineobj*>(e);
    out.push_back({{e->X1, e->Y1}, {e->X2, e->Y2}, l ? l->Angle : bearing::Of({e->X1, e->Y1}, {e->X2, e->Y2})});
  }
  double twiceArea = 0;
  for (std::size_t k = 0; k < out.size(); ++k) {
    const plat::Point a = out[k].start, b = out[(k + 1) % out.size()].start;
    twiceArea += double(a.x) * b.y - double(b.x) * a.y;
  }
  if (twiceArea <= 0) return out;  // clockwise (y grows upward)
  std::vector<OutlineLine> reversed;
  for (auto it = out.rbegin(); it != out.rend(); ++it)
    reversed.push_back({it->end, it->start, bearing::Opposite(it->angle)});
  return reversed;
}

}  // namespace

void TExtwallobjtool::BuildFromOutline() {
  const int32 outlineView = CurrentView;
  std::vector<int32> lines;
  for (int32 i = 6; i < DrawingList.Count(); ++i) {
    const TObj* e = DrawingList.At(i);
    if (e->Kind == kind::WallLine && e->Floor == outlineView) lines.push_back(i);
  }
  // An outline needs at least three lines to close.
  if (lines.size() < 3) return;
  ExtWallSettings settings;
  if (!ReadExtWallSettingsOrReport(settings)) return;

  FitOutlineToRooms(lines, outlineView);
  const std::vector<OutlineLine> outline = ClockwiseOutline(lines);

  CurrentView = view::Ground;
  Type = tooltype::ExtWall;
  const int32 t = settings.layers.Total();
  const std::size_t n = outline.size();
  FloorWalls walls(DrawingList, CurrentView);
  for (std::size_t i = 0; i < n; ++i) {
    const OutlineLine& line = outline[i];
    const OutlineLine& prev = outline[(i + n - 1) % n];
    const OutlineLine& next = outline[(i + 1) % n];
    WallDraft d;
    d.angle = line.angle;
    if (bearing::IsOrthogonal(line.angle) && bearing::IsOrthogonal(prev.angle) &&
        bearing::IsOrthogonal(next.angle)) {
      d.start = OutlineCornerOrthogonal(line.start, line.angle, prev.angle, t);
      d.end = OutlineCornerOrthogonal(line.end, line.angle, next.angle, t);
    } else {
      d.start = OutlineCornerMitred(line.start, line.angle, prev.angle, t);
      d.end = OutlineCornerMitred(line.end, next.angle, line.angle, t);
      if (std::abs(d.end.x - d.start.x) < kSquareReach)
        d.end.x = d.start.x;
      else if (std::abs(d.end.y - d.start.y) < kSquareReach)
        d.end.y = d.start.y;
    }
    d.length = bearing::Length(d.start, d.end);
    // A wall of no length is not made, and is not joined to anything.
    if (d.start.x == d.end.x && d.start.y == d.end.y) continue;
    JoinPlan plan = PlanJoin(d, DrawingList, settings, walls);
    ApplyJoin(plan, DrawingList);
    TakeDraft(plan.wall);
    DrawingList.Add(MakeWall(plan.wall));
    walls.Appended(DrawingList);
  }

  for (int32 i = DrawingList.Count() - 1; i >= 6; --i) {
    const TObj* e = DrawingList.At(i);
    if (e->Kind == kind::WallLine && e->Floor == outlineView) DrawingList.RemoveAt(i);
  }
  DrawingList.WriteDrawingFile(dtDrawing);
  DrawingList.Clear();
  DrawingList.ReadDrawingFile(dtDrawing);
}
