// The plain geometry of locking a room: how much of each side is covered
// already, and the walls that close the rest.
#include <algorithm>
#include <string>
#include <vector>

#include "building/droom_lock.h"
#include "building/wall_settings.h"
#include "model/element_draw.h"
#include "model/elements.h"

namespace droom {

namespace {

// One part of a side to close with a wall: its inner face from p to q along
// the side, and whether each end lies at a room corner.
struct Part {
  int32 p, q;
  bool pCorner, qCorner;
};

// The stretches of the side a..b that the faces on it cover.
std::vector<Span> Covered(const SideCover& s, int32 a, int32 b) {
  std::vector<Span> spans;
  if (s.cls == cover::Whole)
    spans.push_back({a, b});
  else if (s.cls != cover::Open)
    spans.push_back({s.lo, s.hi});
  spans.insert(spans.end(), s.more.begin(), s.more.end());
  return spans;
}

// The stretches of a..b that no face covers, from a upward.
std::vector<Part> OpenParts(const SideCover& s, int32 a, int32 b) {
  std::vector<Span> spans = Covered(s, a, b);
  std::sort(spans.begin(), spans.end(), [](const Span& x, const Span& y) { return x.lo < y.lo; });
  std::vector<Part> parts;
  int32 from = a;
  for (const Span& c : spans) {
    if (c.hi <= from) continue;
    if (c.lo >= b) break;
    if (c.lo > from) parts.push_back({from, c.lo, from == a, false});
    from = std::max(from, c.hi);
    if (from >= b) break;
  }
  if (from < b) parts.push_back({from, b, from == a, true});
  return parts;
}

}  // namespace

std::vector<Span> OpenSpans(const SideCover& side, int32 a, int32 b) {
  std::vector<Span> out;
  for (const Part& p : OpenParts(side, a, b)) out.push_back({p.p, p.q});
  return out;
}

namespace {

// Whether the faces on the side a..b cover its end at `end` (a or b).
bool CoversEnd(const SideCover& s, int32 a, int32 b, int32 end) {
  for (const Span& c : Covered(s, a, b))
    if (end == a ? (c.lo <= a && c.hi > a) : (c.lo < b && c.hi >= b)) return true;
  return false;
}

}  // namespace

int32 CoverClass(int32 a, int32 b, int32 lo, int32 hi, bool vertical, bool external) {
  if (a >= lo && b <= hi) return cover::Whole;
  if (a < lo && b > hi) return vertical ? cover::Middle : cover::MiddleAcross;
  int32 c;
  if (vertical)
    c = (hi > a && hi < b) ? cover::Lower : cover::Upper;
  else
    c = (lo > a && lo < b) ? cover::RightEnd : cover::LeftEnd;
  return external ? cover::External(c) : c;
}

std::vector<RoomWallDraft> PlanRoomWalls(const Box& box, const RoomCover& c, int32 w) {
  const int32 L = box.left, T = box.top, R = box.right, B = box.bottom;
  const SideCover& left = At(c, RoomSide::Left);
  const SideCover& bottom = At(c, RoomSide::Bottom);
  const SideCover& right = At(c, RoomSide::Right);
  const SideCover& top = At(c, RoomSide::Top);
  // A corner is covered for one side's wall when the other side meeting
  // there is covered at that corner.
  const bool leftLow = CoversEnd(bottom, L, R, L);     // bottom-left
  const bool leftHigh = CoversEnd(top, L, R, L);       // top-left
  const bool rightLow = CoversEnd(bottom, L, R, R);    // bottom-right
  const bool rightHigh = CoversEnd(top, L, R, R);      // top-right
  const bool bottomLow = CoversEnd(left, B, T, B);     // bottom-left
  const bool bottomHigh = CoversEnd(right, B, T, B);   // bottom-right
  const bool topLow = CoversEnd(left, B, T, T);        // top-left
  const bool topHigh = CoversEnd(right, B, T, T);      // top-right

  std::vector<RoomWallDraft> walls;
  auto run = [w](const Part& p, bool lowCovered, bool highCovered, int32& lo, int32& hi) {
    lo = p.p - (p.pCorner && !lowCovered ? w : 0);
    hi = p.q + (p.qCorner && !highCovered ? w : 0);
  };
  // The left and right sides are closed from the top down.
  auto downward = [](std::vector<Part> parts) {
    std::reverse(parts.begin(), parts.end());
    return parts;
  };
  int32 lo = 0, hi = 0;
  for (const Part& p : downward(OpenParts(left, B, T))) {
    run(p, leftLow, leftHigh, lo, hi);
    walls.push_back({{L - w, lo}, {L - w, hi}, {L, p.p}, {L, p.q}, bearing::Up, drawway::Upward});
  }
  for (const Part& p : OpenParts(bottom, L, R)) {
    run(p, bottomLow, bottomHigh, lo, hi);
    walls.push_back(
        {{hi, B - w}, {lo, B - w}, {p.q, B}, {p.p, B}, bearing::Left, drawway::Leftward});
  }
  for (const Part& p : downward(OpenParts(right, B, T))) {
    run(p, rightLow, rightHigh, lo, hi);
    walls.push_back(
        {{R + w, hi}, {R + w, lo}, {R, p.q}, {R, p.p}, bearing::Down, drawway::Downward});
  }
  for (const Part& p : OpenParts(top, L, R)) {
    run(p, topLow, topHigh, lo, hi);
    walls.push_back(
        {{lo, T + w}, {hi, T + w}, {p.p, T}, {p.q, T}, bearing::Right, drawway::Rightward});
  }
  return walls;
}

bool IsOpenArea(const TRoomobj& r) {
  const std::string name(draw::Chars(r.RoomName, kRoomNameCapacity, r.NameLength));
  return name == "space" || name == "SPACE";
}

bool MadeByLocking(const TObj& e, int32 group) {
  if (kind::IsInWallKind(e.Kind)) return e.LinkId == group;
  const bool text = e.Kind == kind::WallLengthText || e.Kind == kind::WallLabel;
  if (text || e.Kind == kind::Dimension261) return e.Tag1 == group && e.LinkId != group;
  return false;
}

}  // namespace droom
