// Steps the edits of external and internal walls share: which end of a
// picked wall the user meant, the openings cut into a wall, what else is a
// wall's own, and taking a wall out of the drawing with what is its own.
//
// A wall's link id is not always its alone: the walls of a finished room
// all carry the room's group, and so do the room record and the openings
// cut into any of them. What belongs to one wall is therefore decided by
// place where the id is shared.
#pragma once

#include <string>
#include <vector>

#include "building/opening_parts.h"
#include "building/wall_geometry.h"
#include "model/flist.h"
#include "model/globals.h"
#include "platform/gdi_types.h"

namespace walledit {

// A picked point this close (drawing units, strictly) to a wall's end means
// that end.
constexpr int32 kEndPick = 50;

// The end of the wall from start to end that the picked point p means: for
// a plumb wall the lower end when p is level with it within kEndPick, else
// the upper; for a level wall the right end when p is within kEndPick of it
// across, else the left; for a sloped wall the end p lies within kEndPick of
// (the nearer when both are). False for a sloped wall picked away from
// both ends.
bool PickedEnd(plat::Point start, plat::Point end, plat::Point p, WallEnd& which);

// What the edits say when a sloped wall was picked away from both ends.
extern const char* const kPickedAwayFromEnds;

// The first line and the face opposite it of a wall element (an internal
// wall's second line, an external wall's inner face); false for any other
// element.
bool WallBand(const TObj& wall, plat::Point& a, plat::Point& b, plat::Point& c, plat::Point& d);

// The openings cut into wall i: those whose frame (kind 2000, of its floor)
// has every corner within the wall's band, widened by 2 x PixelScale x
// ZoomUnits, whatever link id the frame carries. In list order.
std::vector<OpeningRef> OpeningsInWall(const TFlist& list, int32 i);

// Whether e is a part of one of these openings (its size label included).
bool PartOfOpenings(const TObj& e, const std::vector<OpeningRef>& openings);

// Whether e, an element that is no wall, is wall i's own: its stop ends,
// its length texts and anything else carrying its link id, when no other
// wall of the floor carries that id or wall i is the nearest of those that
// do. Never the parts of an opening, a room record or the floor's automatic
// dimensions, whatever ids they carry.
bool OwnedByWall(const TFlist& list, int32 i, const TObj& e);

// Takes wall i out of the list with its own elements (OwnedByWall) and the
// openings cut into it. Nothing of a room or of another wall goes with it.
// Returns the number of elements removed.
int32 DeleteWallWithGroup(TFlist& list, int32 i);

}  // namespace walledit
