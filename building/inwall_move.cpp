// Moving a picked internal wall sideways: the wall, its stop ends, the
// openings cut into it, the partitions that abut it, the finished rooms
// whose sides lie on it (with their texts and dimensions) and the masking
// lines along it move together.
#include <algorithm>
#include <vector>

#include "building/inwall_edit.h"
#include "building/inwall_tool.h"
#include "building/room_size_text.h"
#include "building/wall_edit_common.h"
#include "model/element_shift.h"
#include "model/flist.h"
#include "platform/keys.h"

namespace {

enum MoveWay { kNoDirection = 0, kUp = 1, kRight = 2, kDown = 3, kLeft = 4 };

MoveWay OfKey(int32 key) {
  switch (key) {
    case plat::VK_UP: return kUp;
    case plat::VK_RIGHT: return kRight;
    case plat::VK_DOWN: return kDown;
    case plat::VK_LEFT: return kLeft;
    default: return kNoDirection;
  }
}

bool Within(int32 v, int32 lo, int32 hi) { return v >= lo && v <= hi; }

// The picked wall's lines as the move holds them, for a level wall (along
// x at y = at, second line at y = second) or a plumb one (along y at x = at).
struct Held {
  int32 lo = 0, hi = 0;  // its extent along the wall
  int32 at = 0;          // its first line across
  int32 second = 0;      // its second line across
};

// Walls meeting the picked wall at one end from both sides of a corner (a
// three-way corner) cannot move with it.
bool ThreeWayCorner(const TFlist& list, int32 self, bool level, const Held& w) {
  int32 atStart = 0, atEnd = 0;
  int32 bandLo = 150000, bandHi = 0;
  for (int32 i = 6; i < list.Count(); ++i) {
    const TObj& e = *list.At(i);
    if (i == self || e.Kind != kind::InWall || e.Floor != CurrentView) continue;
    // Across the wall's line (e's span on that axis) and along it.
    const int32 aLo = level ? std::min(e.Y1, e.Y2) : std::min(e.X1, e.X2);
    const int32 aHi = level ? std::max(e.Y1, e.Y2) : std::max(e.X1, e.X2);
    const int32 lLo = level ? std::min(e.X1, e.X2) : std::min(e.Y1, e.Y2);
    const int32 lHi = level ? std::max(e.X1, e.X2) : std::max(e.Y1, e.Y2);
    if (!Within(w.at, aLo, aHi)) continue;
    const bool loIn = Within(w.lo, lLo, lHi), hiIn = Within(w.hi, lLo, lHi);
    // The start is the left end of a level wall and the top of a plumb one.
    const bool startIn = level ? loIn : hiIn, endIn = level ? hiIn : loIn;
    if (!startIn && endIn)
      ++atEnd;
    else if (startIn)
      ++atStart;
    else
      continue;
    bandLo = std::min(bandLo, aLo);
    bandHi = std::max(bandHi, aHi);
  }
  // A wall running on through the corner keeps it a plain crossing.
  if (w.at > bandLo && w.at < bandHi) atStart = atEnd = 0;
  return atStart >= 2 || atEnd >= 2;
}

}  // namespace

void TInwallobjtool::MoveWall(int32 key, int32 distance) {
  Result = 0;
  const int32 self = PickedIndex();
  if (!inwalledit::Refusal(DrawingList, self, toolstep::MoveInWall, {}, 0).empty()) return;
  auto* w = static_cast<TInwallobj*>(DrawingList.At(self));
  const MoveWay dir = OfKey(key);
  if (dir == kNoDirection) return;
  const bool level = dir == kUp || dir == kDown;
  if ((level && w->Y1 != w->Y2) || (!level && w->X1 != w->X2)) {
    Y1 = inwallmark::WrongMoveArrow;
    return;
  }
  const int32 s = (dir == kUp || dir == kRight) ? distance : -distance;
  Held h;
  h.lo = level ? std::min(w->X1, w->X2) : std::min(w->Y1, w->Y2);
  h.hi = level ? std::max(w->X1, w->X2) : std::max(w->Y1, w->Y2);
  h.at = level ? w->Y1 : w->X1;
  h.second = level ? w->Line2Y1 : w->Line2X1;
  X1 = std::min(w->X1, w->X2), X2 = std::max(w->X1, w->X2);
  Y1 = std::max(w->Y1, w->Y2), Y2 = std::min(w->Y1, w->Y2);
  if (ThreeWayCorner(DrawingList, self, level, h)) {
    Y2 = inwallmark::ThreeWayCorner;
    return;
  }
  DrawingList.UpdateUndoHistory(uoRecord, CurrentView);
  // The window repaints the wall's band as it was (Frame) and as it is (the
  // tool's rectangle).
  Frame[0] = std::min({w->X1, w->X2, w->Line2X1, w->Line2X2});
  Frame[1] = std::max({w->X1, w->X2, w->Line2X1, w->Line2X2});
  Frame[2] = std::max({w->Y1, w->Y2, w->Line2Y1, w->Line2Y2});
  Frame[3] = std::min({w->Y1, w->Y2, w->Line2Y1, w->Line2Y2});

  const int32 dx = level ? 0 : s, dy = level ? s : 0;
  auto onWall = [&](int32 v) { return v == h.at || v == h.second; };
  auto spansWithin = [&](int32 a, int32 b) {
    return std::min(a, b) >= h.lo && std::max(a, b) <= h.hi;
  };
  const std::vector<OpeningRef> openings = walledit::OpeningsInWall(DrawingList, self);
  for (int32 i = 0; i < DrawingList.Count(); ++i) {
    if (i == self) continue;
    TObj& e = *DrawingList.At(i);
    if (e.Floor != CurrentView) continue;
    // Its stop ends and the openings cut into it go along whole; nothing
    // else of its group (a finished room's walls share the room's).
    const bool stopEnd = kind::IsStopEndKind(e.Kind) && walledit::OwnedByWall(DrawingList, self, e);
    if (stopEnd || walledit::PartOfOpenings(e, openings)) {
      ShiftElement(e, dx, dy);
      continue;
    }
    if (auto* x = dynamic_cast<TInwallobj*>(&e); x && e.Kind == kind::InWall) {
      // A partition abutting the wall stretches with it.
      if (!(level ? spansWithin(x->X1, x->X2) : spansWithin(x->Y1, x->Y2))) continue;
      if (onWall(level ? x->Y1 : x->X1)) {
        (level ? x->Y1 : x->X1) += s;
        (level ? x->Line2Y1 : x->Line2X1) += s;
      } else if (onWall(level ? x->Y2 : x->X2)) {
        (level ? x->Y2 : x->X2) += s;
        (level ? x->Line2Y2 : x->Line2X2) += s;
      } else {
        continue;
      }
      x->Tag1 = bearing::Length({x->X1, x->Y1}, {x->X2, x->Y2});
    } else if (auto* r = dynamic_cast<TRoomobj*>(&e); r && e.Kind == kind::LockedRoom) {
      // A finished room on either side takes its real new size.
      if (!(level ? spansWithin(r->X1, r->X2) : spansWithin(r->Y1, r->Y2))) continue;
      const roomsize::RoomBox box = roomsize::BoxOf(*r);
      int32& a = level ? r->Y1 : r->X1;
      int32& b = level ? r->Y2 : r->X2;
      const int32 before = std::abs(a - b);
      if (onWall(a))
        a += s;
      else if (onWall(b))
        b += s;
      else
        continue;
      int32& size = level ? r->RoomHeight : r->RoomWidth;
      size += std::abs(a - b) - before;
      roomsize::Relabel(DrawingList, *r, level ? roomsize::Which::Depth : roomsize::Which::Width);
      roomsize::FollowRoom(DrawingList, *r, box);
    } else if (e.Kind == kind::Line && e.Colour == BackgroundColour) {
      // Masking lines along the wall.
      if (!(level ? spansWithin(e.X1, e.X2) : spansWithin(e.Y1, e.Y2))) continue;
      if (!onWall(level ? e.Y1 : e.X1)) continue;
      ShiftElement(e, dx, dy);
    }
  }
  if (level) {
    w->Y1 += s, w->Y2 += s, w->Line2Y1 += s, w->Line2Y2 += s;
  } else {
    w->X1 += s, w->X2 += s, w->Line2X1 += s, w->Line2X2 += s;
  }
  X1 = std::min({w->X1, w->X2, w->Line2X1, w->Line2X2});
  X2 = std::max({w->X1, w->X2, w->Line2X1, w->Line2X2});
  Y1 = std::max({w->Y1, w->Y2, w->Line2Y1, w->Line2Y2});
  Y2 = std::min({w->Y1, w->Y2, w->Line2Y1, w->Line2Y2});
  Result = inwallmark::Moved;
  MarkDrawingChanged();
}
