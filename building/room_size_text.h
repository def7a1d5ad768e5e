// A room's size texts rewritten after one of its sides has moved, and what
// locking wrote for the room brought along with it.
#pragma once

#include "model/flist.h"
#include "model/globals.h"

namespace roomsize {

// Which text of a room holds a size.
enum class Which { Depth = 1, Width = 2 };

// Rewrites the room's depth text (from RoomHeight) or width text (from
// RoomWidth) as a measure (millimetres, or feet, inches and eighths), and
// the size label of its group on its floor (the kind-36 text "<width> x
// <depth>" sharing the room's group number), so that no text of the room
// shows the old size.
void Relabel(TFlist& list, TRoomobj& room, Which which);

// A finished room's box before one of its sides moved.
struct RoomBox {
  int32 left, top, right, bottom;
};
inline RoomBox BoxOf(const TRoomobj& r) { return {r.X1, r.Y1, r.X2, r.Y2}; }

// After sides of a finished room moved (the room's box changed from
// `before`, its texts already relabelled), the texts and dimensions locking
// wrote for it follow (those of its floor with the room's group as second
// id): its name and size labels stay centred, each dimension keeps its ends
// on the sides they lay nearer and its text shows the room's width or
// depth text, centred along it.
void FollowRoom(TFlist& list, const TRoomobj& room, const RoomBox& before);

}  // namespace roomsize
