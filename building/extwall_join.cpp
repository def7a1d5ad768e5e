#include "building/extwall_join.h"

#include <cstdlib>
#include <utility>

#include "building/wall_query.h"
#include "model/rounding.h"

WallDraft DraftOf(const TExtwallobj& w) {
  WallDraft d;
  d.start = {w.X1, w.Y1};
  d.end = {w.X2, w.Y2};
  d.angle = w.Angle;
  d.length = w.Tag1;
  d.layers = {w.Thickness1, w.CavityWidth, w.Thickness2};
  d.extra[0] = w.HatchPairs1;
  d.extra[1] = w.HatchPairs2;
  d.extra[2] = w.WallValues[0];
  d.extra[3] = w.WallValues[1];
  d.colour = w.Colour;
  d.floorValue = w.Marked;
  d.linkId = w.LinkId;
  d.floor = w.Floor;
  d.points.p[0] = {w.Line2X1, w.Line2Y1};
  d.points.p[1] = {w.Line2X2, w.Line2Y2};
  d.points.p[2] = {w.Line3X1, w.Line3Y1};
  d.points.p[3] = {w.Line3X2, w.Line3Y2};
  d.points.p[4] = {w.Line4X1, w.Line4Y1};
  d.points.p[5] = {w.Line4X2, w.Line4Y2};
  d.seventh = {w.RefX, w.RefY};
  d.seventhValue = w.RefZ;
  for (int i = 0; i < 4; ++i) d.closing[i] = w.WallCodes[i];
  return d;
}

TExtwallobj* MakeWall(const WallDraft& d) {
  const plat::Point* p = d.points.p;
  return new TExtwallobj(kind::ExtWall, d.floor, d.linkId, d.length, 1, d.start.x, d.floorValue,
                         d.start.y, d.end.x, 0, d.end.y, p[0].x, p[0].y, p[1].x, p[1].y, p[2].x,
                         p[2].y, p[3].x, p[3].y, p[4].x, p[4].y, p[5].x, p[5].y, d.seventh.x,
                         d.seventhValue, d.seventh.y, d.layers.t1, d.layers.t2, d.layers.t3,
                         d.extra[0], d.extra[1], d.extra[2], d.extra[3], d.angle, 0, 0, 0,
                         d.colour, d.closing);
}

void SetFreeEnd(WallDraft& d, WallEnd end) {
  const plat::Point e = end == WallEnd::Start ? d.start : d.end;
  for (int k = 0; k < 3; ++k) {
    d.points.At(end, k) =
        (k == 0 || d.layers.HasCavity()) ? FreeLayerPoint(e, d.angle, d.layers.Depth(k))
                                         : plat::Point{};
  }
}

namespace {

constexpr int32 kNone = TFlist::kNothingFound;

// The tool's wall and the neighbours whose layer points the join changes.
struct Join {
  const TFlist& list;
  WallDraft d;
  std::vector<std::pair<int32, WallDraft>> touched;

  WallDraft& Neighbour(int32 index) {
    for (auto& [i, w] : touched)
      if (i == index) return w;
    touched.emplace_back(index, DraftOf(static_cast<const TExtwallobj&>(*list.At(index))));
    return touched.back().second;
  }

  void Corners(int32 s, int32 e);
  void JoinStart(int32 s);
  void JoinEnd(int32 e);
  void BothEndsFallback(int32 s, int32 e);
  void Orthogonal(WallDraft& w, WallEnd toolEnd);
  void Angled(WallDraft& w, int mode);
};

bool IsExtWallOn(const TObj& e, int32 view) { return e.Kind == kind::ExtWall && e.Floor == view; }

// The bearing of a neighbour for an angled corner: an orthogonal one is
// read from its ends.
int32 RunOf(const WallDraft& w) {
  if (!bearing::IsOrthogonal(w.angle)) return w.angle;
  if (w.start.y == w.end.y && w.start.x != w.end.x)
    return w.end.x <= w.start.x ? bearing::Left : bearing::Right;
  if (w.start.x == w.end.x) return w.end.y <= w.start.y ? bearing::Down : bearing::Up;
  return bearing::Up;
}

// Square corner: the layer lines of both walls meet where each runs at its
// own depth. A wall running the same way continues straight on; one
// running back gives no corner, so the tool's end stays free.
void Join::Orthogonal(WallDraft& w, WallEnd toolEnd) {
  const int32 turn = ((d.angle - w.angle) % bearing::FullTurn + bearing::FullTurn) %
                     bearing::FullTurn;
  if (turn != bearing::Right && turn != bearing::Left) {
    SetFreeEnd(d, toolEnd);
    return;
  }
  const plat::Point j = toolEnd == WallEnd::Start ? d.start : d.end;
  const WallEnd wEnd = toolEnd == WallEnd::Start ? WallEnd::End : WallEnd::Start;
  const plat::Point nt = InwardNormal(d.angle), nw = InwardNormal(w.angle);
  for (int k = 0; k < 3; ++k) {
    const long long x = 1LL * j.x + 1LL * d.layers.Depth(k) * nt.x + 1LL * w.layers.Depth(k) * nw.x;
    const long long y = 1LL * j.y + 1LL * d.layers.Depth(k) * nt.y + 1LL * w.layers.Depth(k) * nw.y;
    const plat::Point p{TruncToInt(double(x)), TruncToInt(double(y))};
    if (k == 0 || d.layers.HasCavity()) d.points.At(toolEnd, k) = p;
    if (k == 0 || w.layers.HasCavity()) w.points.At(wEnd, k) = p;
  }
}

// Mitred corner: modes 1 and 2 set the tool's points at its start or end,
// 10 and 20 the neighbour's at its end or start.
void Join::Angled(WallDraft& w, int mode) {
  const bool atToolStart = mode == 1 || mode == 10;
  const int32 a1 = atToolStart ? RunOf(w) : d.angle;
  const int32 a2 = atToolStart ? d.angle : RunOf(w);
  const CornerMitre m = MitreOf(a1, a2);
  const bool own = mode == 1 || mode == 2;
  if (!m.Usable()) {
    // Turning straight back: no corner to mitre, the tool's end stays free.
    if (own) SetFreeEnd(d, mode == 1 ? WallEnd::Start : WallEnd::End);
    return;
  }
  WallDraft& target = own ? d : w;
  const WallEnd end = (mode == 1 || mode == 20) ? WallEnd::Start : WallEnd::End;
  const plat::Point j = end == WallEnd::Start ? target.start : target.end;
  const plat::Point p1 = m.Move(j, target.layers.t1);
  target.points.At(end, 0) = p1;
  if (target.layers.HasCavity()) {
    const plat::Point p2 = m.Move(p1, target.layers.t2);
    target.points.At(end, 1) = p2;
    target.points.At(end, 2) = m.Move(p2, target.layers.t3);
  }
  // Square the layer lines of walls that run along an axis.
  auto square = [](WallDraft& s, bool alongX) {
    for (int k = 0; k < (s.layers.HasCavity() ? 3 : 1); ++k) {
      plat::Point& a = s.points.At(WallEnd::Start, k);
      plat::Point& b = s.points.At(WallEnd::End, k);
      if (alongX)
        b.y = a.y;
      else
        b.x = a.x;
    }
  };
  if (d.Vertical())
    square(d, false);
  else if (d.Horizontal())
    square(d, true);
  if (w.start.x != w.end.x && w.start.y == w.end.y)
    square(w, true);
  else if (w.start.x == w.end.x)
    square(w, false);
}

void Join::JoinStart(int32 s) {
  WallDraft& w = Neighbour(s);
  if (bearing::IsOrthogonal(d.angle) && bearing::IsOrthogonal(w.angle)) {
    Orthogonal(w, WallEnd::Start);
  } else {
    Angled(w, 1);
    Angled(w, 10);
  }
}

void Join::JoinEnd(int32 e) {
  WallDraft& w = Neighbour(e);
  if (bearing::IsOrthogonal(d.angle) && bearing::IsOrthogonal(w.angle)) {
    Orthogonal(w, WallEnd::End);
  } else {
    Angled(w, 2);
    Angled(w, 20);
  }
}

// The end neighbour does not start at the tool's end: the tool takes its
// bearing from its own ends, joins its start where the start neighbour
// ends exactly there, and leaves its end free.
void Join::BothEndsFallback(int32 s, int32 /*e*/) {
  d.angle = bearing::Of(d.start, d.end);
  d.length = bearing::Length(d.start, d.end);
  const TObj& sw = *list.At(s);
  if (sw.X2 == d.start.x && sw.Y2 == d.start.y)
    JoinStart(s);
  SetFreeEnd(d, WallEnd::End);
}

void Join::Corners(int32 s, int32 e) {
  auto meets = [&](int32 i, bool atStart) {
    const TObj& w = *list.At(i);
    return atStart ? Near({w.X2, w.Y2}, d.start, kWallEndMeet)
                   : Near({w.X1, w.Y1}, d.end, kWallEndMeet);
  };
  if (s == kNone && e == kNone) {
    SetFreeEnd(d, WallEnd::Start);
    SetFreeEnd(d, WallEnd::End);
    return;
  }
  if (e == kNone) {
    if (!meets(s, true)) {
      SetFreeEnd(d, WallEnd::Start);
      SetFreeEnd(d, WallEnd::End);
      return;
    }
    d.start.x = list.At(s)->X2;
    SetFreeEnd(d, WallEnd::End);
    JoinStart(s);
    return;
  }
  if (s == kNone) {
    if (!meets(e, false)) {
      SetFreeEnd(d, WallEnd::Start);
      SetFreeEnd(d, WallEnd::End);
      return;
    }
    d.end.x = list.At(e)->X1;
    SetFreeEnd(d, WallEnd::Start);
    JoinEnd(e);
    return;
  }
  if (meets(s, true)) {
    d.start.x = list.At(s)->X2;
    JoinStart(s);
  } else {
    SetFreeEnd(d, WallEnd::Start);
  }
  if (meets(e, false)) {
    d.end.x = list.At(e)->X1;
    JoinEnd(e);
  } else {
    BothEndsFallback(s, e);
  }
}

// Turns a free wall to run the way it is drawn; its bearing turns with it.
void Orient(WallDraft& d) {
  bool swap = false;
  switch (d.drawWay) {
    case drawway::Rightward: swap = d.start.x > d.end.x; break;
    case drawway::Downward: swap = d.end.y > d.start.y; break;
    case drawway::Leftward: swap = d.end.x > d.start.x; break;
    case drawway::Upward: swap = d.start.y > d.end.y; break;
    default: break;
  }
  if (!swap) return;
  std::swap(d.start, d.end);
  d.angle = bearing::IsOrthogonal(d.angle) || d.angle == bearing::FullTurn
                ? bearing::Of(d.start, d.end)
                : bearing::Opposite(d.angle);
}

}  // namespace

FloorWalls::FloorWalls(const TFlist& list, int32 view) : view_(view) {
  for (int32 i = 6; i < list.Count(); ++i)
    if (IsExtWallOn(*list.At(i), view)) entries_.push_back(i);
}

void FloorWalls::Appended(const TFlist& list) {
  const int32 last = list.Count() - 1;
  if (last >= 6 && IsExtWallOn(*list.At(last), view_)) entries_.push_back(last);
}

JoinPlan PlanJoin(const WallDraft& draft, const TFlist& list, const ExtWallSettings& settings,
                  int32 view, int32 exclude) {
  return PlanJoin(draft, list, settings, FloorWalls(list, view), exclude);
}

JoinPlan PlanJoin(const WallDraft& draft, const TFlist& list, const ExtWallSettings& settings,
                  const FloorWalls& walls, int32 exclude) {
  const int32 view = walls.View();
  Join j{list, draft, {}};
  WallDraft& d = j.d;
  JoinPlan plan;
  plan.groupNumber = PeekGroupNumber();
  d.linkId = plan.groupNumber;

  // Snap onto the ends of the walls already there.
  const int32 tol = 3 * PixelScale;
  int32 s = kNone, e = kNone, matches = 0;
  for (const int32 i : walls.Entries()) {
    if (i == exclude) continue;
    const TObj& w = *list.At(i);
    const plat::Point ws{w.X1, w.Y1}, we{w.X2, w.Y2};
    plat::Point target, from;
    bool atStart;
    if (Near(ws, d.start, tol)) {
      target = ws, from = d.start, atStart = true;
    } else if (Near(we, d.start, tol)) {
      target = we, from = d.start, atStart = true;
    } else if (Near(ws, d.end, tol)) {
      target = ws, from = d.end, atStart = false;
    } else if (Near(we, d.end, tol)) {
      target = we, from = d.end, atStart = false;
    } else {
      continue;
    }
    const int32 dx = target.x - from.x, dy = target.y - from.y;
    d.start = {d.start.x + dx, d.start.y + dy};
    d.end = {d.end.x + dx, d.end.y + dy};
    ++matches;
    int32& own = atStart ? s : e;
    int32& other = atStart ? e : s;
    if (matches == 2 && other == kNone)
      other = i;
    else
      own = i;
  }
  if (s == kNone && e == kNone) Orient(d);

  d.layers = settings.layers;
  for (int i = 0; i < 4; ++i) d.extra[i] = settings.extra[i];
  d.colour = settings.colour;
  d.floorValue = settings.FloorValue(view, d.floorValue);
  for (int k = 1; k < 3; ++k) {
    d.points.At(WallEnd::Start, k) = {};
    d.points.At(WallEnd::End, k) = {};
  }
  const int32 closing[4] = {100, 18, 100, 20};
  for (int i = 0; i < 4; ++i) d.closing[i] = closing[i];
  d.floor = view;

  j.Corners(s, e);
  d.length = bearing::Length(d.start, d.end);

  plan.wall = d;
  for (const auto& [i, w] : j.touched) plan.neighbours.push_back({i, w.points});
  return plan;
}

void ApplyJoin(const JoinPlan& plan, TFlist& list) {
  NextGroupNumber = plan.groupNumber;
  for (const auto& n : plan.neighbours) {
    auto* w = dynamic_cast<TExtwallobj*>(list.At(n.index));
    if (!w) continue;
    const plat::Point* p = n.points.p;
    w->Line2X1 = p[0].x, w->Line2Y1 = p[0].y, w->Line2X2 = p[1].x, w->Line2Y2 = p[1].y;
    w->Line3X1 = p[2].x, w->Line3Y1 = p[2].y, w->Line3X2 = p[3].x, w->Line3Y2 = p[3].y;
    w->Line4X1 = p[4].x, w->Line4Y1 = p[4].y, w->Line4X2 = p[5].x, w->Line4Y2 = p[5].y;
  }
}
