// The geometry of the line-object tool's commands, over plain values: where
// a text along a line goes, the nearest wall or line face in a direction,
// the floor area inside the external walls and moving a line's end.
#pragma once

#include <string>
#include <string_view>

#include "model/elements.h"
#include "model/globals.h"

class TFlist;
class TDrawingtool;

// ---- Text along a line ------------------------------------------------------------------

struct LineTextPlace {
  int32 x = 0, y = 0;      // the text's reference point, drawing units
  int32 bearing = 0;       // the line's bearing: tenths of a degree clockwise from up
  int32 escapement = 0;    // the font's escapement, tenths of a degree
  int32 alignCode = 4;     // stored alignment: 4 on the first side, 6 on the second
  unsigned textAlign = 0;  // the alignment the text is painted with at once
};

// The text's place beside the line from (x1, y1) to (x2, y2), centred on it
// and q drawing units away: on the first side below a level line and right
// of a plumb one, on the second side above or left.
LineTextPlace PlaceLineText(int32 x1, int32 y1, int32 x2, int32 y2, bool secondSide, int32 q);

// "CFG\LTEXT.CFG": the side flag (1: the second side) and the text, its
// length held to a text element's field, its blanks kept. False when the
// file cannot be read.
struct LineTextSetting {
  int32 side = 0;
  std::string text;
};
bool ReadLineTextSetting(LineTextSetting& setting);
// The same from the file's bytes.
LineTextSetting ParseLineTextSetting(std::string_view data);
// Writes "%d %d\n" (side, length) and the text.
bool WriteLineTextSetting(int32 side, const std::string& text);

// ---- The nearest face in an arrow direction ------------------------------------------------

// Arrow directions of the nearest-face search.
namespace facedir {
constexpr int32 Up = 1;  // towards larger y
constexpr int32 Right = 2;
constexpr int32 Down = 3;
constexpr int32 Left = 4;
}  // namespace facedir

// Faces nearer than this (drawing units) are measured; farther ones count as none.
constexpr int32 kFaceReach = 34001;

// The distance from (x, y) to the nearest face of a line (kind 1), external
// wall (kind 100, its inner face) or internal wall (kind 150, both faces) of
// the view in the direction, beyond a clearance of twice PixelScale; 0 when
// there is none within reach.
int32 NearestFaceDistance(const TFlist& list, int32 view, int32 x, int32 y, int32 direction);

// ---- Floor area -----------------------------------------------------------------------------

// The area enclosed by the external walls (kind 100) of the view, traced
// clockwise: square metres in metric drawings, square feet in imperial ones,
// truncated. Every wall of the floor counts.
int32 EnclosedFloorArea(const TFlist& list, int32 view);

// ---- Moving a line's end --------------------------------------------------------------------

// The line-object tool's steps that move a line's end: the amount given to
// Execute moves the end toward larger x or y (Forward) or smaller (Back).
namespace lineend {
constexpr int32 Forward = 2;
constexpr int32 Back = 3;
}  // namespace lineend

// Adds amount to the x (level line, Y1 == Y2) or the y (plumb line, X1 ==
// X2) of the end nearer to (x, y); on a tie the first end. A sloped line is
// left alone, and so is a move that would make the ends meet or cross.
// False when nothing moved.
bool MoveNearerLineEnd(TObj& line, int32 amount, int32 x, int32 y);

// The first level or plumb line (kind 1) of the view passing within
// tolerance of (x, y), drawing units; -1 when there is none.
int32 StraightLineAt(const TFlist& list, int32 view, int32 x, int32 y, int32 tolerance);

// ---- Re-centring the floor (the wall code's) --------------------------------------------------

// Centres the current floor on the sheet; how: 2 and save, 3 without
// saving, 190 the site plan.
void RecentreFloors(int32 how);
