// The geometry of design rooms over plain values: boxes, size texts, ids,
// the arrow-key edits and the quarter turn. The design-room tool
// (building/droom_tool.h) applies them to the room elements.
#pragma once

#include <string>

#include "model/globals.h"
#include "platform/gdi_types.h"

namespace droom {

// A room's box in drawing units, y growing upward: left < right, top > bottom.
struct Box {
  int32 left = 0;
  int32 top = 0;
  int32 right = 0;
  int32 bottom = 0;

  bool operator==(const Box&) const = default;
};

// A room's box with the width and height it records (the box spans them).
struct Shape {
  Box box;
  int32 width = 0;
  int32 height = 0;
};

Box Grown(const Box& b, int32 by);
// The point lies inside the box, not on its edge.
bool StrictlyContains(const Box& b, int32 x, int32 y);

// A room side as the size text shows it: millimetres as a whole number, or
// feet, inches and eighths ("12' 6''", "12' 6 3/8''"). A remainder that is
// not a whole eighth is rounded down to eighths.
std::string SizeText(int32 length, int32 metric);

// The id base of a floor's rooms: 10000 for the ground floor (views 40 and
// 120), 1000 more per floor up to 15000 for the sub floor (125); 10000 for
// any other view.
int32 FloorIdBase(int32 view);
// Which of the six room-wall values belongs to a view: 0..4 for the layout
// views 40..44 and the floors 120..124, 5 for 125; 0 for any other view.
int32 RoomWallIndex(int32 view);

// The smallest room side the commands make or leave: 100 mm, or 4 inches.
constexpr int32 MinRoomSide(int32 metric) { return metric == 1 ? 100 : 96; }
// One nudge of a room by the arrow keys: 25 mm, or 1 inch.
constexpr int32 NudgeStep(int32 metric) { return metric == 1 ? 25 : 24; }

// Where a new room goes: its bottom left corner two logical units' worth of
// PixelScale inside (orgX, orgY), the bottom left of the part of the sheet
// the window shows (VisibleSheet).
Box NewRoomBox(int32 width, int32 height, int32 orgX, int32 orgY, int32 pixelScale);

// The step a click selects a room with: 6 when it lies within 60 logical
// units of the room's centre on both axes (the room is moved without
// snapping), otherwise 5.
int32 GrabStep(const Shape& room, int32 x, int32 y, int32 pixelScale);

// A quarter turn about the room's centre; width and height change places and
// are kept exactly.
Shape Turned(const Shape& room);

// The arrow-key edits of a selected room.
enum class Side { Left, Up, Right, Down };
enum class KeyEdit { Enlarge, Shrink, MoveBy, Nudge };

struct KeyResult {
  Shape shape;
  bool changed = false;
  // The size text to write again: 0 none, 1 the height text, 2 the width text.
  int32 sizeText = 0;
};
// Moves the side of the arrow out (Enlarge) or in (Shrink) by d, or the
// whole room by d (MoveBy) or by the nudge step (Nudge). A shrink stops at
// minSide; one that cannot shrink the room at all changes nothing.
KeyResult ApplyArrow(const Shape& room, KeyEdit edit, Side side, int32 d, int32 nudge,
                     int32 minSide);

}  // namespace droom
