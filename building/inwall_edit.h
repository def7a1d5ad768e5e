// The edits of a picked internal wall: shorten, lengthen, delete and move.
// The plan window asks Refusal first, so that an edit that cannot be made
// is reported before anything (an undo step included) is recorded.
#pragma once

#include <string>

#include "model/flist.h"
#include "model/globals.h"
#include "platform/gdi_types.h"

namespace inwalledit {

// Why the edit `step` of element i picked at p (the end meant) by `amount`
// cannot be made; empty when it can. Internal walls only; moving takes a
// level or plumb wall.
std::string Refusal(const TFlist& list, int32 i, int32 step, plat::Point p, int32 amount);

// What a refusal says when the element picked is no internal wall.
extern const char* const kNotInternal;
// What a move says for a wall that is neither level nor plumb.
extern const char* const kNotStraight;

}  // namespace inwalledit
