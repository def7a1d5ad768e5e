// The geometry of external walls over plain values: bearings, the wall
// tool's own rounding, the layer points of a free wall end, the corner of a
// traced outline and the mitre of two walls meeting at an angle.
//
// An external wall runs from its start to its end along its outer face;
// its layers (outer leaf t1, cavity t2, inner leaf t3) lie on the right of
// the direction of travel, so an outline traced clockwise has its layers
// inside. Bearings are tenths of a degree clockwise from up (+y).
#pragma once

#include "model/globals.h"
#include "platform/gdi_types.h"

namespace bearing {
constexpr int32 Up = 0;
constexpr int32 Right = 900;
constexpr int32 Down = 1800;
constexpr int32 Left = 2700;
constexpr int32 HalfTurn = 1800;
constexpr int32 FullTurn = 3600;

constexpr bool IsOrthogonal(int32 a) { return a == Up || a == Right || a == Down || a == Left; }
// 900 and 2700, 0 and 1800 exchange; other bearings turn by half a circle.
int32 Opposite(int32 a);
// The bearing of the segment from a to b: orthogonal when the two share an
// x or a y (b above or level with a gives Up when they share x), otherwise
// the sloped bearing rounded to tenths of a degree as the line tools do.
int32 Of(plat::Point a, plat::Point b);
// The length of the segment: exact along an axis, else the square root
// truncated.
int32 Length(plat::Point a, plat::Point b);
}  // namespace bearing

// Radians per tenth of a degree as the wall code converts bearings (a
// little less than pi / 1800; stored walls depend on it).
constexpr double kWallRadiansPerTenth = 0.001745;

// Corners whose mitre would be longer than this many wall thicknesses turn
// (nearly) straight back on themselves: their ends are left free instead.
constexpr double kMinCornerCosine = 0.05;

// The wall tool's rounding of a non-negative offset: 100 x v truncated,
// and 1 more when the last two digits are above 4 (2.05 gives 3, 2.04
// gives 2). Decimal values round as written, not as their nearest binary
// fraction falls.
int32 WallRound(double v);

// The three layer thicknesses of a wall and their depths from its face.
struct Layers {
  int32 t1 = 0;  // outer leaf (the whole wall of a solid one)
  int32 t2 = 0;  // cavity
  int32 t3 = 0;  // inner leaf
  int32 Total() const { return t1 + t2 + t3; }
  // Depth of layer line k (0: D1 = t1, 1: D2 = t1 + t2, 2: D3 = the total).
  int32 Depth(int k) const { return k == 0 ? t1 : k == 1 ? t1 + t2 : Total(); }
  // Only a wall with a cavity has its third and fourth lines.
  bool HasCavity() const { return t2 > 0; }
};

enum class WallEnd { Start, End };

// The six layer points of a wall: P1/P2 start and end of the line at depth
// D1, P3/P4 at D2, P5/P6 at D3 (the last four only when there is a cavity).
struct LayerPoints {
  plat::Point p[6] = {};
  plat::Point& At(WallEnd end, int layer) { return p[2 * layer + (end == WallEnd::End ? 1 : 0)]; }
  const plat::Point& At(WallEnd end, int layer) const {
    return p[2 * layer + (end == WallEnd::End ? 1 : 0)];
  }
};

// The inward unit normal of an orthogonal bearing: (+1, 0) up, (0, -1)
// right, (-1, 0) down, (0, +1) left.
plat::Point InwardNormal(int32 orthogonalBearing);

// The layer point at depth d of a free wall end e: straight across the wall
// for an orthogonal bearing, otherwise by the depth's components, each
// truncated toward zero.
plat::Point FreeLayerPoint(plat::Point e, int32 wallBearing, int32 depth);

// The corner of a traced outline when all three lines meeting there are
// orthogonal: the point p of a line of bearing `line` moves outward by d
// across its own line and, when the neighbouring line is perpendicular,
// across that one too; a neighbour running the opposite way leaves it.
plat::Point OutlineCornerOrthogonal(plat::Point p, int32 line, int32 neighbour, int32 d);

// The corner of a traced outline with an angled line: p moves outward along
// the bisector of the two lines (a the line, b the neighbour at that end:
// the previous line at a start, the next line's bearing as a and this
// line's as b at an end) so that walls of total thickness t built outward
// meet there. A line turning (nearly) straight back leaves p where it is.
plat::Point OutlineCornerMitred(plat::Point p, int32 a, int32 b, int32 t);

// Two walls meeting at an angle: incoming bearing a1, outgoing a2. The
// layer points of a corner lie along the inward bisector; each thickness
// moves the point further along it.
struct CornerMitre {
  double cosBeta = 1.0;  // cosine of the bisector's tilt from square
  double sinGamma = 0.0;
  double cosGamma = 0.0;
  int32 inward = 0;  // bearing of the inward bisector
  // False when the corner turns (nearly) straight back: the mitre would run
  // off toward infinity, so the ends stay free.
  bool Usable() const;
  // p moved by one layer of thickness t, each component truncated.
  plat::Point Move(plat::Point p, int32 t) const;
};
CornerMitre MitreOf(int32 incoming, int32 outgoing);
