// Steps the edits of external and internal walls share: which end of a
// picked wall the user meant, the openings cut into a wall, and taking a
// wall out of the drawing with everything of its group.
#pragma once

#include <string>
#include <vector>

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

// The group ids of the openings cut into wall i: the opening frames (kind
// 2000) of its floor whose every corner lies within the wall's band, widened
// by 2 x PixelScale x ZoomUnits. Each id once.
std::vector<int32> OpeningsInWall(const TFlist& list, int32 i);

// Takes wall i out of the list and frees it with everything of its group
// (stop ends, length texts, dimensions: the elements of its floor sharing
// its link id, other walls excepted) and the openings cut into it. A wall
// whose link id is no group (0 or below, or a reserved value) goes alone
// with its openings. Returns the number of elements removed.
int32 DeleteWallWithGroup(TFlist& list, int32 i);

}  // namespace walledit
