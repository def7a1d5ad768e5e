// The plain geometry of locking a room: how much of each side is covered
// already, and the walls that close the rest.
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

std::vector<Part> OpenParts(const SideCover& s, int32 a, int32 b, bool vertical) {
  std::vector<Part> parts;
  if (s.cls == cover::Open) {
    parts.push_back({a, b, true, true});
    return parts;
  }
  if (vertical) {
    if (cover::Is(s.cls, cover::Lower) || s.cls == cover::Middle)
      parts.push_back({s.hi, b, false, true});
    if (cover::Is(s.cls, cover::Upper) || s.cls == cover::Middle)
      parts.push_back({a, s.lo, true, false});
  } else {
    if (cover::Is(s.cls, cover::RightEnd) || s.cls == cover::MiddleAcross)
      parts.push_back({a, s.lo, true, false});
    if (cover::Is(s.cls, cover::LeftEnd) || s.cls == cover::MiddleAcross)
      parts.push_back({s.hi, b, false, true});
  }
  return parts;
}

// Whether a side of this class is covered at the end named by `end`.
bool CoversEnd(int32 cls, int32 end) { return cls == cover::Whole || cover::Is(cls, end); }

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
  const int32 left = At(c, RoomSide::Left).cls, bottom = At(c, RoomSide::Bottom).cls;
  const int32 right = At(c, RoomSide::Right).cls, top = At(c, RoomSide::Top).cls;
  // A corner is covered for one side's wall when the other side meeting
  // there is covered at that corner.
  const bool leftLow = CoversEnd(bottom, cover::LeftEnd);    // bottom-left
  const bool leftHigh = CoversEnd(top, cover::LeftEnd);      // top-left
  const bool rightLow = CoversEnd(bottom, cover::RightEnd);  // bottom-right
  const bool rightHigh = CoversEnd(top, cover::RightEnd);    // top-right
  const bool bottomLow = CoversEnd(left, cover::Lower);      // bottom-left
  const bool bottomHigh = CoversEnd(right, cover::Lower);    // bottom-right
  const bool topLow = CoversEnd(left, cover::Upper);         // top-left
  const bool topHigh = CoversEnd(right, cover::Upper);       // top-right

  std::vector<RoomWallDraft> walls;
  auto run = [w](const Part& p, bool lowCovered, bool highCovered, int32& lo, int32& hi) {
    lo = p.p - (p.pCorner && !lowCovered ? w : 0);
    hi = p.q + (p.qCorner && !highCovered ? w : 0);
  };
  int32 lo = 0, hi = 0;
  if (left != cover::Whole)
    for (const Part& p : OpenParts(At(c, RoomSide::Left), B, T, true)) {
      run(p, leftLow, leftHigh, lo, hi);
      walls.push_back({{L - w, lo}, {L - w, hi}, {L, p.p}, {L, p.q}, bearing::Up, drawway::Upward});
    }
  if (bottom != cover::Whole)
    for (const Part& p : OpenParts(At(c, RoomSide::Bottom), L, R, false)) {
      run(p, bottomLow, bottomHigh, lo, hi);
      walls.push_back(
          {{hi, B - w}, {lo, B - w}, {p.q, B}, {p.p, B}, bearing::Left, drawway::Leftward});
    }
  if (right != cover::Whole)
    for (const Part& p : OpenParts(At(c, RoomSide::Right), B, T, true)) {
      run(p, rightLow, rightHigh, lo, hi);
      walls.push_back(
          {{R + w, hi}, {R + w, lo}, {R, p.q}, {R, p.p}, bearing::Down, drawway::Downward});
    }
  if (top != cover::Whole)
    for (const Part& p : OpenParts(At(c, RoomSide::Top), L, R, false)) {
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
