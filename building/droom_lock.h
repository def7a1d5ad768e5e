// Locking design rooms into walls: every design room of a floor gets
// internal walls round it where no wall stands yet, its name, size texts and
// dimensions, and becomes a locked room (kind 29500) of the floor.
//
// The geometry works over plain values: what already covers each side of a
// room (its cover class and the span of the wall face found on it), and the
// walls that close the rest. The walls run clockwise about the room; each
// one's first line is its outer face and its second line the inner face on
// the room side, so a room's walls meet in mitres at its open corners.
#pragma once

#include <array>
#include <vector>

#include "building/droom_geometry.h"
#include "model/globals.h"
#include "platform/gdi_types.h"

class TInwallobjtool;
class TObj;
class TRoomobj;

namespace droom {

// The sides of a room, in the order their walls are built.
enum class RoomSide { Left = 0, Bottom = 1, Right = 2, Top = 3 };

// How much of a room side the wall face lying on it covers.
namespace cover {
constexpr int32 Whole = 0;
constexpr int32 Open = 1;           // no wall on the side
constexpr int32 Lower = 2;          // a left or right side covered at its lower end
constexpr int32 Upper = 3;          // ... at its upper end
constexpr int32 RightEnd = 4;       // a top or bottom side covered at its right end
constexpr int32 LeftEnd = 5;        // ... at its left end
constexpr int32 Middle = 12;        // a left or right side covered in its middle only
constexpr int32 MiddleAcross = 14;  // a top or bottom side covered in its middle only
// The class when the wall found is an external wall: 22, 33, 44, 55.
constexpr int32 External(int32 c) { return c * 11; }
// c is the class or its external variant.
constexpr bool Is(int32 c, int32 base) { return c == base || c == External(base); }
}  // namespace cover

// A stretch along a room side: lo < hi.
struct Span {
  int32 lo = 0;
  int32 hi = 0;
};

// What lies on one side of a room: its cover class and the span (lo < hi)
// along the side of the wall face found on it, and the spans of any further
// faces lying on the same side (a side can lie partly on one wall and partly
// on another).
struct SideCover {
  SideCover() = default;
  SideCover(int32 c, int32 l, int32 h) : cls(c), lo(l), hi(h) {}

  int32 cls = cover::Open;
  int32 lo = 0;
  int32 hi = 0;
  std::vector<Span> more;
};
using RoomCover = std::array<SideCover, 4>;  // indexed by RoomSide

inline SideCover& At(RoomCover& c, RoomSide s) { return c[static_cast<std::size_t>(s)]; }
inline const SideCover& At(const RoomCover& c, RoomSide s) {
  return c[static_cast<std::size_t>(s)];
}

// The stretches of the side a..b (bottom to top, or left to right) that no
// face on it covers, from a on.
std::vector<Span> OpenSpans(const SideCover& side, int32 a, int32 b);

// The class of a side from a to b (a < b; bottom to top, or left to right)
// that a face spanning lo..hi lies on.
int32 CoverClass(int32 a, int32 b, int32 lo, int32 hi, bool vertical, bool external);

// One wall to build round a room.
struct RoomWallDraft {
  plat::Point start, end;            // the first line: the outer face
  plat::Point innerStart, innerEnd;  // the second line: on the room side
  int32 bearing = 0;
  int32 direction = 0;  // the way it runs: 1 right, 2 down, 3 left, 4 up
};

// The walls of thickness w that close the open parts of the room's sides,
// in the order left, bottom, right, top. A side wholly covered gets none, a
// side partly covered a wall over each stretch no face covers (from the top
// down on the left and right sides, from the left on the others); at a room
// corner not covered by a wall already there the outer face runs on by w
// past the corner, while the inner face ends at the corner or at the end of
// the wall found on the side.
std::vector<RoomWallDraft> PlanRoomWalls(const Box& box, const RoomCover& cover, int32 w);

// A room named "space" or "SPACE": an open area, locked without walls or
// texts.
bool IsOpenArea(const TRoomobj& r);

// Whether an element was made when the room of this group was locked: its
// internal walls (the group as link id) and its texts and dimensions (the
// group as second id, a link id of their own).
bool MadeByLocking(const TObj& e, int32 group);

}  // namespace droom

// Locks the design rooms of CurrentView (mode 1) or of the ground-floor
// layout (mode 2) into internal walls of CurrentView. Rooms named "space" or
// "SPACE" get no walls and no texts but are locked too. Leaves in the tool's
// Frame the box of the rooms that got walls (left, right, top, bottom),
// widened for repainting. Returns how many rooms were locked; when the
// room-wall size of the floor cannot be read it says so and locks nothing.
int32 LockDesignRooms(TInwallobjtool& tool, int32 mode);

// The room-wall size of a floor for locking, or 0 after saying that it
// cannot be read.
int32 RoomWallSizeOrReport(int32 view);
