// Moving one element by a whole shift: every point the element has, the
// way a floor is re-centred on the sheet. A text moves by its anchor only
// (its second point holds the bearing of what it labels).
#pragma once

#include "model/elements.h"
#include "model/globals.h"

void ShiftElement(TObj& e, int32 dx, int32 dy);
