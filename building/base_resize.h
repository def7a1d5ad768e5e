// Expanding and shrinking the base: everything of a floor beyond a line
// through a point moves out (expand) or in (shrink) by an amount on one
// side; walls, lines and rooms across the line stretch, their size texts
// and the measures of the dimensions across it are rewritten, and room
// labels move to stay centred.
#pragma once

#include <string>
#include <vector>

#include "model/globals.h"
#include "platform/gdi_types.h"

class TExtwallobjtool;

// Sides of the base that move.
namespace baseside {
constexpr int32 Up = 1;
constexpr int32 Right = 2;
constexpr int32 Down = 3;
constexpr int32 Left = 4;
}  // namespace baseside

// Steps 8 (expand) and 9 (shrink) of the external-wall tool: the floors of
// its multi-floor mode in turn (all floors: the ground floor and the upper
// floors listed in "CFG\FLOORS.CFG"; the ground floor only; the current
// view), on the side in the tool's Direction. A floor where a shrink is
// refused is left as it was and reported, floor by floor. CurrentView is
// left at the last floor done.
void ResizeBase(TExtwallobjtool& tool, int32 amount, plat::Point p);

// One floor (CurrentView): expand (shrink false) or shrink by amount on the
// side from the line through p. Returns why a shrink was refused (nothing
// changed, nothing written), or an empty string once the floor is saved.
std::string MoveBaseSide(bool shrink, int32 side, int32 amount, plat::Point p);

// The floors "CFG\FLOORS.CFG" lists as holding walls (121..124), in order;
// none when the file is missing.
std::vector<int32> UpperFloorsWithWalls();
