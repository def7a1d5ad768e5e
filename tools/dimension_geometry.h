// Where the automatic dimensions put their arrows and texts, over plain
// values. An arrow has its tip on the dimensioned point, a shaft 40 pixels
// long, a head 20 pixels deep and 10 wide, and a tick 40 pixels long across
// the tip (pixels of PixelScale drawing units).
#pragma once

#include "model/globals.h"
#include "platform/gdi_types.h"

struct ArrowShape {
  plat::Point tip, shaftEnd, head1, head2, tick1, tick2;
};

// The way an orthogonal arrow points: left, right, to the top, to the bottom.
namespace arrowhead {
constexpr char Left = 'l';
constexpr char Right = 'r';
constexpr char Top = 't';
constexpr char Bottom = 'b';
}  // namespace arrowhead

ArrowShape OrthogonalArrow(plat::Point tip, char head);

// The quadrant of a sloped bearing: 1 for 1..899, 2 for 901..1799, 3 for
// 1801..2699, 4 for 2701..3599.
int SlopedQuadrant(int32 a);

// The offset of a sloped wall's dimension line off its face: `off` along
// the wall's left-hand normal (outside a clockwise outline), each component
// truncated, with the escapement (before the half turn of texts that would
// read downward) and the alignment of its text.
struct SlopedPlace {
  int32 ox = 0, oy = 0;
  int32 escapement = 0;
  int32 alignment = 0;
};
SlopedPlace SlopedDimensionPlace(int32 a, int32 off);
// The escapement a sloped wall's text is drawn with.
int32 SlopedTextEscapement(int32 a, int32 placeEscapement);

// The arrow at one end of a sloped wall (end 1 its start, 2 its end): the
// tip `off` outside the wall end, the shaft along the wall toward its middle.
ArrowShape SlopedArrow(plat::Point wallEnd, int32 a, int end, int32 off);
