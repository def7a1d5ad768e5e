// Moving one element by a whole shift: every point the element has, the
// way a floor is re-centred on the sheet. A text moves by its anchor only
// (its second point holds the bearing of what it labels).
#pragma once

#include "model/elements.h"
#include "model/globals.h"

void ShiftElement(TObj& e, int32 dx, int32 dy);

class TFlist;

// The floors of one house, ground floor to sub floor: they lie over one
// another, so none of them moves on the sheet without the others.
constexpr bool IsHouseFloor(int32 v) { return v >= view::Ground && v <= view::SubFloor; }

// Moves every element of the view by (dx, dy), and of every floor of the
// house when the view is one of them, leaving those `stays` picks.
void ShiftFloor(TFlist& list, int32 view, int32 dx, int32 dy,
                bool (*stays)(const TObj&) = nullptr);
