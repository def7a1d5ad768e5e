#include "building/inwall_join.h"

#include <cstdlib>
#include <utility>

#include "building/wall_query.h"

namespace inwalljoin {

namespace {

constexpr int32 kNone = TFlist::kNothingFound;

using inwallgeo::IsSquare;
using inwallgeo::Normal;
using inwallgeo::RightOf;

plat::Point Add(plat::Point p, plat::Point u, int32 t) {
  return {p.x + u.x * t, p.y + u.y * t};
}

bool Same(plat::Point a, plat::Point b) { return a.x == b.x && a.y == b.y; }

int32 Turn(int32 a, int32 b) {
  return ((Normal(a) - Normal(b)) % bearing::FullTurn + bearing::FullTurn) % bearing::FullTurn;
}
bool Perpendicular(int32 a, int32 b) {
  const int32 t = Turn(a, b);
  return t == bearing::Right || t == bearing::Left;
}

// The unit normal from a square wall's first line to its second line at
// one end (the wall's right when nothing tells otherwise).
plat::Point SideOf(const TInwallobj& w, bool atStart) {
  const plat::Point first = atStart ? plat::Point{w.X1, w.Y1} : plat::Point{w.X2, w.Y2};
  const plat::Point second =
      atStart ? plat::Point{w.Line2X1, w.Line2Y1} : plat::Point{w.Line2X2, w.Line2Y2};
  auto sign = [](long long v) { return v > 0 ? 1 : v < 0 ? -1 : 0; };
  if (w.Y1 == w.Y2 && w.X1 != w.X2) {
    const int s = sign(1LL * second.y - first.y);
    if (s != 0) return {0, s};
  } else if (w.X1 == w.X2) {
    const int s = sign(1LL * second.x - first.x);
    if (s != 0) return {s, 0};
  }
  return RightOf(inwallgeo::RunningBearing(w));
}

// Whether the wall's second line lies on the right of the way it runs.
bool SecondOnRight(const TInwallobj& w) {
  return Normal(w.Angle) == Normal(inwallgeo::RunningBearing(w)) || !IsSquare(w.Angle);
}

// N takes the side of the wall it continues: its bearing turns back when
// that wall's second line lies on the left of the way the wall runs.
void TakeSideOf(InwallDraft& n, const TInwallobj& w) {
  const int32 run = bearing::Of(n.start, n.end);
  n.bearing = SecondOnRight(w) ? run : bearing::Opposite(run);
  inwallgeo::PlaceSecondLine(n);
}

}  // namespace

void JoinSquareCorner(InwallDraft& n, TInwallobj& w, int mode) {
  const bool atStart = mode == joint::StartOnEnd;
  const plat::Point p = atStart ? n.start : n.end;
  const int32 t = w.Thickness;
  plat::Point& own = atStart ? n.secondStart : n.secondEnd;
  if (Normal(n.bearing) == Normal(w.Angle)) {
    own = Add(p, RightOf(n.bearing), t);
  } else if (Perpendicular(n.bearing, w.Angle)) {
    const plat::Point c = Add(Add(p, RightOf(w.Angle), t), RightOf(n.bearing), t);
    own = c;
    if (atStart) {
      w.Line2X2 = c.x;
      w.Line2Y2 = c.y;
    } else {
      w.Line2X1 = c.x;
      w.Line2Y1 = c.y;
    }
  }
}

void JoinMitreCorner(InwallDraft& n, TInwallobj& w, int mode) {
  const bool leavesW = mode == joint::StartOnEnd || mode == joint::WallEnd;
  const int32 wallRun = inwallgeo::RunningBearing(w);
  const int32 arriving = leavesW ? wallRun : n.bearing;
  const int32 leaving = leavesW ? n.bearing : wallRun;
  plat::Point p, *target;
  int32 t;
  switch (mode) {
    case joint::StartOnEnd: p = n.start, t = n.thickness, target = &n.secondStart; break;
    case joint::EndOnStart: p = n.end, t = n.thickness, target = &n.secondEnd; break;
    case joint::WallEnd: p = {w.X2, w.Y2}, t = w.Thickness, target = nullptr; break;
    default: p = {w.X1, w.Y1}, t = w.Thickness, target = nullptr; break;
  }
  plat::Point m;
  if (!inwallgeo::MitrePoint(p, arriving, leaving, t, m)) {
    // Turning straight back: no corner, the end stays free.
    m = target ? inwallgeo::SecondLinePoint(p, n.bearing, t)
               : inwallgeo::SecondLinePoint(p, w.Angle, t);
  }
  if (target) {
    *target = m;
  } else if (mode == joint::WallEnd) {
    w.Line2X2 = m.x;
    w.Line2Y2 = m.y;
  } else {
    w.Line2X1 = m.x;
    w.Line2Y1 = m.y;
  }
}

bool JoinBetweenTwoWalls(InwallDraft& n, TInwallobj& s, TInwallobj& e) {
  if (!IsSquare(s.Angle) || !IsSquare(e.Angle)) return false;
  // Turn the walls so that S ends at N's start and E starts at N's end.
  const bool reverseS = !Same({s.X2, s.Y2}, n.start) && Same({s.X1, s.Y1}, n.start);
  const bool reverseE = !Same({e.X1, e.Y1}, n.end) && Same({e.X2, e.Y2}, n.end);
  if (reverseS) ReverseWall(s);
  if (reverseE) ReverseWall(e);
  const bool startJoint = Same({s.X2, s.Y2}, n.start);
  const bool endJoint = Same({e.X1, e.Y1}, n.end);
  const int32 run = bearing::Of(n.start, n.end);
  const bool square = IsSquare(run);
  // N's second line continues S's band: on the right of the way N runs
  // when S's band lies on the right of the way S runs into the joint.
  const plat::Point us = SideOf(s, false);
  const bool sRight = us.x == RightOf(inwallgeo::RunningBearing(s)).x &&
                      us.y == RightOf(inwallgeo::RunningBearing(s)).y;
  n.bearing = (!square || sRight) ? run : bearing::Opposite(run);
  inwallgeo::PlaceSecondLine(n);
  const bool nRight = n.bearing == run;

  if (startJoint) {
    if (!square) {
      if (sRight) {
        JoinMitreCorner(n, s, joint::StartOnEnd);
        JoinMitreCorner(n, s, joint::WallEnd);
      }
    } else if (Perpendicular(run, inwallgeo::RunningBearing(s))) {
      const plat::Point c = Add(Add(n.start, us, s.Thickness), RightOf(n.bearing), n.thickness);
      n.secondStart = c;
      s.Line2X2 = c.x;
      s.Line2Y2 = c.y;
    }
  }
  if (endJoint) {
    const plat::Point ue = SideOf(e, true);
    const int32 eRun = inwallgeo::RunningBearing(e);
    const bool eRight = ue.x == RightOf(eRun).x && ue.y == RightOf(eRun).y;
    const bool consistent = eRight == nRight;
    if (!square) {
      if (consistent) {
        JoinMitreCorner(n, e, joint::EndOnStart);
        JoinMitreCorner(n, e, joint::WallStart);
      }
    } else if (Perpendicular(run, eRun)) {
      const plat::Point un = RightOf(n.bearing);
      if (consistent) {
        const plat::Point c = Add(Add(n.end, un, n.thickness), ue, e.Thickness);
        n.secondEnd = c;
        e.Line2X1 = c.x;
        e.Line2Y1 = c.y;
      } else {
        // E's band lies on N's other side: N's first line runs on across E
        // to E's second line, and E's first line comes down to N's second.
        const plat::Point c = Add(n.end, un, n.thickness);
        n.end = Add(n.end, ue, e.Thickness);
        n.secondEnd = c;
        e.X1 = c.x;
        e.Y1 = c.y;
      }
    }
  }
  if (reverseS) ReverseWall(s);
  if (reverseE) ReverseWall(e);
  return startJoint && endJoint;
}

namespace {

// N's start on the end of S: N takes S's side and the corner is joined.
bool JoinStart(InwallDraft& n, TInwallobj& s) {
  if (!Near({s.X2, s.Y2}, n.start, kWallEndMeet)) return false;
  n.start = {s.X2, s.Y2};
  TakeSideOf(n, s);
  if (IsSquare(n.bearing) && IsSquare(s.Angle)) {
    JoinSquareCorner(n, s, joint::StartOnEnd);
  } else {
    JoinMitreCorner(n, s, joint::StartOnEnd);
    JoinMitreCorner(n, s, joint::WallEnd);
  }
  return true;
}

// N's end on the start of E. N takes E's side unless its side is set
// already (its start is joined), in which case a wall whose band lies on
// N's other side is not joined.
bool JoinEnd(InwallDraft& n, TInwallobj& e, bool sideSet) {
  if (!Near({e.X1, e.Y1}, n.end, kWallEndMeet)) return false;
  n.end = {e.X1, e.Y1};
  if (!sideSet) {
    TakeSideOf(n, e);
  } else if (SecondOnRight(e) != (Normal(n.bearing) == Normal(bearing::Of(n.start, n.end)))) {
    n.secondEnd = inwallgeo::SecondLinePoint(n.end, n.bearing, n.thickness);
    return false;
  } else {
    n.secondEnd = inwallgeo::SecondLinePoint(n.end, n.bearing, n.thickness);
  }
  if (IsSquare(n.bearing) && IsSquare(e.Angle)) {
    JoinSquareCorner(n, e, joint::EndOnStart);
  } else {
    JoinMitreCorner(n, e, joint::EndOnStart);
    JoinMitreCorner(n, e, joint::WallStart);
  }
  return true;
}

}  // namespace

bool JoinInternalWallEnds(InwallDraft& n, TFlist& list, int32 s, int32 e) {
  auto wall = [&](int32 i) -> TInwallobj* {
    if (i == kNone || i < 0 || i >= list.Count()) return nullptr;
    return dynamic_cast<TInwallobj*>(list.At(i));
  };
  TInwallobj* sw = wall(s);
  TInwallobj* ew = wall(e);
  inwallgeo::PlaceSecondLine(n);
  if (sw && ew && IsSquare(sw->Angle) && IsSquare(ew->Angle))
    return JoinBetweenTwoWalls(n, *sw, *ew);
  // An angled wall at either end: each end is joined on its own.
  const bool started = sw && JoinStart(n, *sw);
  const bool ended = ew && JoinEnd(n, *ew, started);
  return started && ended;
}

int32 FaceSearchLimit(const InwallDraft& n, const TFlist& list) {
  for (int32 i = list.Count() - 1; i >= 6; --i) {
    const TObj& w = *list.At(i);
    if (w.Kind != kind::InWall) continue;
    if (Same({w.X2, w.Y2}, n.start) || Same({w.X1, w.Y1}, n.end)) return i;
    break;
  }
  return list.Count();
}

FaceMeet MeetWallFaces(InwallDraft& n, const TFlist& list, int32 limit, int32& distance,
                       int32 exclude) {
  n.startMeet = n.endMeet = -1;
  FaceMeet f;
  const bool exchanged = distance == 1;
  const int32 tol = 3 * PixelScale;
  for (int32 i = 0; i < limit && i < list.Count(); ++i) {
    const TObj& e = *list.At(i);
    if (i == exclude) continue;
    if (e.Floor != CurrentView || (e.Kind != kind::ExtWall && e.Kind != kind::InWall)) continue;
    Segment a, b;
    bool hasB = false;
    if (auto* w = dynamic_cast<const TExtwallobj*>(&e)) {
      a = InnerFace(*w);
    } else if (auto* w = dynamic_cast<const TInwallobj*>(&e)) {
      a = {{w->X1, w->Y1}, {w->X2, w->Y2}};
      b = {{w->Line2X1, w->Line2Y1}, {w->Line2X2, w->Line2Y2}};
      hasB = true;
    } else {
      continue;
    }
    const bool level = a.a.y == a.b.y, plumb = a.a.x == a.b.x;
    // The second line is tested along the first one's axis.
    if (level) b.b.y = b.a.y;
    if (plumb) b.b.x = b.a.x;
    const bool aligned = level || plumb;
    auto hit = [&](bool atStart) {
      const bool asStart = atStart != exchanged;
      if (asStart) {
        f.startWall = i;
      } else {
        f.endWall = i;
        distance = 30001;
      }
    };
    const struct {
      plat::Point pt;
      bool atStart;
      bool onB;
    } tests[] = {{n.start, true, false}, {n.start, true, true}, {n.end, false, false},
                 {n.end, false, true}};
    for (const auto& t : tests) {
      if (t.onB && !hasB) continue;
      const Segment& line = t.onB ? b : a;
      if (!inwallgeo::OnLine(t.pt, line.a, line.b, tol)) continue;
      hit(t.atStart);
      if (aligned) break;
    }
  }
  auto bearingOf = [&](int32 i) {
    const TObj* e = list.At(i);
    if (auto* w = dynamic_cast<const TExtwallobj*>(e)) return w->Angle;
    return static_cast<const TInwallobj*>(e)->Angle;
  };
  if (f.startWall != kNone) {
    n.startMeet = bearingOf(f.startWall);
    if (!IsSquare(n.bearing) || !IsSquare(n.startMeet))
      FitSecondLineToFace(n, *list.At(f.startWall), 1);
  }
  if (f.endWall != kNone) {
    n.endMeet = bearingOf(f.endWall);
    if (!IsSquare(n.bearing) || !IsSquare(n.endMeet))
      FitSecondLineToFace(n, *list.At(f.endWall), 2);
  }
  return f;
}

bool FitSecondLineToFace(InwallDraft& n, const TObj& w, int end) {
  int32 face;
  if (auto* x = dynamic_cast<const TExtwallobj*>(&w); x && w.Kind == kind::ExtWall)
    face = x->Angle;
  else if (auto* y = dynamic_cast<const TInwallobj*>(&w); y && w.Kind == kind::InWall)
    face = y->Angle;
  else
    return false;
  const plat::Point p = end == 1 ? n.start : n.end;
  plat::Point& q = end == 1 ? n.secondStart : n.secondEnd;
  plat::Point out;
  if (inwallgeo::FitToFace(p, q, face, n.bearing, n.thickness, out)) q = out;
  return true;
}

void SwapWallLines(TInwallobj& w) {
  std::swap(w.X1, w.Line2X1);
  std::swap(w.Y1, w.Line2Y1);
  std::swap(w.X2, w.Line2X2);
  std::swap(w.Y2, w.Line2Y2);
}

void ReverseWall(TInwallobj& w) {
  std::swap(w.X1, w.X2);
  std::swap(w.Y1, w.Y2);
  std::swap(w.Line2X1, w.Line2X2);
  std::swap(w.Line2Y1, w.Line2Y2);
  w.Angle -= bearing::HalfTurn;
  if (w.Angle < 0) w.Angle += bearing::FullTurn;
}

void FindJoinedInternalWalls(const TFlist& list, int32 w, int32& previous, int32& next) {
  previous = next = kNone;
  if (w < 0 || w >= list.Count()) return;
  const TObj& x = *list.At(w);
  for (int32 i = 6; i < list.Count(); ++i) {
    if (i == w) continue;
    const TObj& e = *list.At(i);
    if (e.Kind != kind::InWall || e.Floor != CurrentView) continue;
    if (Same({e.X2, e.Y2}, {x.X1, x.Y1}))
      previous = i;
    else if (Same({e.X1, e.Y1}, {x.X2, x.Y2}))
      next = i;
  }
}

int32 FindCarriedJoin(const TFlist& list, int32 w, WallEnd end, WallEnd& otherEnd) {
  const auto* x =
      w >= 0 && w < list.Count() ? dynamic_cast<const TInwallobj*>(list.At(w)) : nullptr;
  if (!x || x->Kind != kind::InWall || !IsSquare(x->Angle)) return kNone;
  auto inwall = [&](int32 i) -> const TInwallobj* {
    const auto* v = dynamic_cast<const TInwallobj*>(list.At(i));
    return v && v->Kind == kind::InWall && v->Floor == x->Floor ? v : nullptr;
  };
  // A wall joined across has no other wall at that end: one that has is
  // met in a corner there, and a partition merely ending on its face at
  // that corner is no join of it.
  auto cornered = [&](int32 self, plat::Point p) {
    for (int32 k = 6; k < list.Count(); ++k) {
      const TInwallobj* v = k == self || k == w ? nullptr : inwall(k);
      if (v && (Same({v->X1, v->Y1}, p) || Same({v->X2, v->Y2}, p))) return true;
    }
    return false;
  };
  for (int32 i = 6; i < list.Count(); ++i) {
    const TInwallobj* y = i == w ? nullptr : inwall(i);
    if (!y || !IsSquare(y->Angle) || !Perpendicular(x->Angle, y->Angle)) continue;
    for (WallEnd e : {WallEnd::Start, WallEnd::End}) {
      const bool across = Same(FirstLineAt(*y, e), SecondLineAt(*x, end)) ||
                          Same(SecondLineAt(*y, e), FirstLineAt(*x, end));
      if (across && !cornered(i, FirstLineAt(*y, e))) {
        otherEnd = e;
        return i;
      }
    }
  }
  return kNone;
}

int32 FindStopEnd(const TFlist& list, int32 w, WallEnd end) {
  if (w < 0 || w >= list.Count()) return kNone;
  const auto* x = dynamic_cast<const TInwallobj*>(list.At(w));
  if (!x) return kNone;
  const plat::Point p = FirstLineAt(*x, end), q = SecondLineAt(*x, end);
  for (int32 i = 6; i < list.Count(); ++i) {
    if (i == w) continue;
    const TObj& e = *list.At(i);
    if (!kind::IsStopEndKind(e.Kind) ||
        e.Floor != CurrentView || e.LinkId != x->LinkId)
      continue;
    const plat::Point a{e.X1, e.Y1}, b{e.X2, e.Y2};
    if (Same(a, p) || Same(b, p) || Same(a, q) || Same(b, q)) return i;
  }
  return kNone;
}

}  // namespace inwalljoin
