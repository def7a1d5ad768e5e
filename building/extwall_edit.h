// The edits of a picked external wall: shorten, lengthen, split, change its
// wall type, delete. TExtwallobjtool::Execute runs them (the picked wall's
// index in Direction, the step in Step); the plan window asks Refusal first
// so that an edit that cannot be made is reported before anything (an undo
// step included) is recorded.
#pragma once

#include <string>

#include "building/wall_geometry.h"
#include "model/flist.h"
#include "model/globals.h"
#include "platform/gdi_types.h"

namespace extwalledit {

// Why the edit `step` of element i at point p by `amount` cannot be made;
// empty when it can. p is the end meant for shortening and lengthening, the
// split point for splitting.
std::string Refusal(const TFlist& list, int32 i, int32 step, plat::Point p, int32 amount);

// The split point on the wall: within 10 x PixelScale of level or plumb it
// snaps onto the wall's axis, on a sloped wall onto the wall's line.
plat::Point SplitPoint(const TExtwallobj& w, plat::Point p);

// What a refusal says when the element picked is no external wall.
extern const char* const kNotExternal;

}  // namespace extwalledit
