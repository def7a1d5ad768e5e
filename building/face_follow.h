// What meets the face of a wall, brought to the face again after the face
// has moved (a thinner wall type): the partitions whose ends lay on it,
// lengthened or shortened along their own lines with their stop ends and
// openings kept, and the finished rooms whose sides lay on it, resized with
// their texts.
#pragma once

#include <vector>

#include "building/wall_geometry.h"
#include "building/wall_query.h"
#include "model/flist.h"
#include "model/globals.h"

namespace facefollow {

// A partition end on the face, as it was.
struct PartitionEnd {
  int32 index = 0;
  WallEnd end = WallEnd::Start;
  plat::Point first, second;  // its first-line and second-line points there
  bool secondOnFace = false;
};
// A finished room's side on the face.
struct RoomSideOn {
  int32 index = 0;
  bool vertical = false;  // a left or right side (x), else a top or bottom one (y)
  bool low = false;       // the left (x1) or the bottom (y2) side
};
struct Meeting {
  Segment face;
  std::vector<PartitionEnd> partitions;
  std::vector<RoomSideOn> rooms;
};

// What of the floor meets the face (partition ends within 3 x PixelScale of
// it, room sides exactly on a level or plumb face), the wall itself left out.
Meeting WhatMeets(const TFlist& list, const Segment& face, int32 wall);

// Brings what met the face to the face's new line. A partition end goes
// along its own line to where that meets the face, but only when that is
// near: no farther than twice the face's move plus the band, so partitions
// meeting the face at 30 degrees or more follow; otherwise it stays.
void BringTo(TFlist& list, const Meeting& m, const Segment& face);

}  // namespace facefollow
