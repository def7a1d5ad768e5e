// Where a dropped design room snaps to, and the free space round a point,
// over plain values: the design-room tool gathers the walls and rooms of the
// floor and applies the answer (building/droom_merge.cpp).
#pragma once

#include <optional>
#include <vector>

#include "building/droom_geometry.h"
#include "building/wall_faces.h"

namespace droom {

// A wall as the merging sees it: an external wall by its inner face line, an
// internal wall by the span between its two faces (for a wall running up,
// x1 is its right face and x2 its left face; for one running across, y1 is
// its upper face and y2 its lower face).
struct MergeWall {
  building::Face span;
  bool horizontal = false;
};

// The span between the two faces of an orthogonal internal wall.
building::Face SpanBetween(const building::Face& a, const building::Face& b);

// Pulls a dropped room into line with what lies within the merging distance
// m: its left edge or right edge onto a wall face or beside a neighbouring
// room (s apart, leaving room for an internal wall, or flush with it), and
// its top or bottom edge likewise. Per axis the nearer of wall and room
// wins; when rooms are nearer on both axes, one neighbour gives both edges.
// Returns the new box (the room's own when nothing is near).
Box MergeBox(const Shape& room, int32 m, int32 s, const std::vector<MergeWall>& walls,
             const std::vector<Box>& rooms);

// Lines the room up with the outer extent of the other rooms (their smallest
// left, largest right, largest top, smallest bottom): the left or right edge,
// whichever lies nearer its counterpart, when within m; the top or bottom
// edge likewise. Nothing changes without another room.
Box AlignBox(const Shape& room, int32 m, const std::vector<Box>& others);

// The free space round a point, bounded by rooms (s away from them, leaving
// room for their walls), external-wall faces and internal-wall faces; an
// open side reaches s past the extent of everything on the floor.
struct FreeSpaceInput {
  int32 x = 0;
  int32 y = 0;
  int32 s = 0;
  std::vector<Box> rooms;
  std::vector<building::Face> externalFaces;  // one inner face per external wall
  std::vector<building::Face> internalFaces;  // both faces of every internal wall
};
enum class FreeSpaceFailure { None, Blocked, Angled };
struct FreeSpaceResult {
  FreeSpaceFailure failure = FreeSpaceFailure::None;
  Box space;  // valid when failure is None
};
// Blocked: the point lies on a room or a wall face (edges included), or
// outside everything on the floor. Angled: a sloping wall face reaches into
// the space found, which therefore cannot be trusted.
FreeSpaceResult FindFreeSpace(const FreeSpaceInput& in);

}  // namespace droom
