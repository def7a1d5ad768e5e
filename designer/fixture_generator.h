// The furniture and fixture symbol generator: a kind's symbol built from
// its parameters as plain elements of the drawing (filled polygons of the
// fixture kinds 6100..6699, worktops 6600 with a 6500 part, lines, circles,
// ellipses, rounded rectangles and texts), all under one group id.
#pragma once

#include <vector>

#include "model/globals.h"

class TFlist;

namespace fixture {

// Polygon kinds of the symbols.
constexpr int32 kFanBlade = 6100;
constexpr int32 kBedFrame = 6101;
constexpr int32 kPillow = 6102;
constexpr int32 kBedCover = 6103;
constexpr int32 kTableTop = 6110;
constexpr int32 kChair = 6111;
constexpr int32 kBathTub = 6120;
constexpr int32 kLoungeFrame = 6130;
constexpr int32 kCushion = 6131;
constexpr int32 kSinkTop = 6140;
constexpr int32 kShowerTray = 6150;
constexpr int32 kCooktopTop = 6160;
constexpr int32 kVanityTop = 6170;
constexpr int32 kLeaf = 6180;
constexpr int32 kWorktopTop = 6600;
constexpr int32 kSplashback = 6500;

// Appends the symbol of kind (parameters in drawing units) to list with its
// lower-left corner at (x, y) on floor, every element carrying linkId.
// Returns the number of elements appended (0 for a kind without one).
int32 Generate(TFlist& list, int32 kind, const std::vector<int32>& values, int32 x, int32 y,
               int32 floor, int32 linkId);

// Sizes the symbol across to a clear span (drawing units; 0 or less: no
// span was found): the whole symbol, chairs and arms included, fits between
// the walls, and a kind that fills its span (a bath, a worktop) reaches both.
void FitToSpan(int32 kind, int32 span, std::vector<int32>& values);

}  // namespace fixture
