// A room's size texts rewritten after one of its sides has moved.
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

}  // namespace roomsize
