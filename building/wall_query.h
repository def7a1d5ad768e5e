// Questions every wall tool asks of the drawing: the id of a new group, a
// wall's inner face, the wall under a point and the walls meeting a wall at
// its ends.
#pragma once

#include "model/flist.h"
#include "model/globals.h"
#include "model/group_ids.h"
#include "platform/gdi_types.h"


// A straight line between two points, drawing units.
struct Segment {
  plat::Point a, b;
};
// The inner face of an external wall: its fourth line when it has a cavity,
// else its second line.
Segment InnerFace(const TExtwallobj& w);

// The external or internal wall of the current floor under a point given in
// drawing units; TFlist::kNothingFound when there is none.
int32 WallUnderPoint(const TFlist& list, plat::Point p);

// The external walls of the current floor that meet wall i: `previous` ends
// within 25 units (x and y) of its start, `next` starts within 25 units of
// its end; kNothingFound when none. A wall is never its own neighbour; a
// later match replaces an earlier one.
void FindWallNeighbours(const TFlist& list, int32 i, int32& previous, int32& next);

// Tolerance of the wall ends that meet, drawing units.
constexpr int32 kWallEndMeet = 25;
// Whether a lies strictly within t of b in x and in y.
bool Near(plat::Point a, plat::Point b, int32 t);
