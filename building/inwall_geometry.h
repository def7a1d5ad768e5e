// The geometry of internal walls over plain values: the second line of a
// free end, the corner of two walls meeting end to start, fitting a second
// line onto the face a wall ends on, and moving a wall's end along it.
//
// An internal wall runs from its start to its end along its first line; its
// second line lies at its thickness on the right-hand side of its bearing
// (+x for a wall running up, -y for one running right). Bearings are tenths
// of a degree clockwise from up; 3600 counts as 0.
#pragma once

#include "building/wall_geometry.h"
#include "model/elements.h"
#include "model/globals.h"
#include "platform/gdi_types.h"

// An internal wall as the tools hold it while making or changing it.
struct InwallDraft {
  plat::Point start, end;              // the first line
  plat::Point secondStart, secondEnd;  // the second line
  int32 bearing = 0;
  int32 thickness = 0;
  int32 linkId = 0;
  int32 startMeet = -1;  // bearing of the wall whose face the start lies on
  int32 endMeet = -1;
};

InwallDraft InwallDraftOf(const TInwallobj& w);
// A wall's first-line and second-line points at one end.
plat::Point FirstLineAt(const TInwallobj& w, WallEnd e);
plat::Point SecondLineAt(const TInwallobj& w, WallEnd e);
// Writes the draft's two lines and bearing back into the wall.
void StoreLines(TInwallobj& w, const InwallDraft& d);
// A new element of the draft: kind 150 (or a stop end's kind) on a floor,
// made the way the internal-wall tool makes walls (four closing values 100).
TInwallobj* MakeInwall(int32 kind, const InwallDraft& d, int32 floor, plat::COLORREF colour);

namespace inwallgeo {

// 0, 900, 1800, 2700 and 3600.
bool IsSquare(int32 bearing);
// 3600 as 0; every other bearing as it is.
int32 Normal(int32 bearing);
// The unit normal on the right of a square bearing: (+1, 0) for 0,
// (0, -1) for 900, (-1, 0) for 1800, (0, +1) for 2700.
plat::Point RightOf(int32 squareBearing);

// The second line's point at a free end p: t on the right of the bearing,
// straight across for a square bearing, else by the bearing's components
// each truncated toward zero (450 with t 100 gives (+70, -70)).
plat::Point SecondLinePoint(plat::Point p, int32 bearing, int32 t);
// Both second-line points of a free wall.
void PlaceSecondLine(InwallDraft& d);

// The way a wall runs by its coordinates, for a wall stored with a square
// bearing: 900 or 2700 when level, 0 or 1800 when plumb (1800 when it runs
// down or not at all), 0 otherwise. An angled bearing is its own.
int32 RunningBearing(const TInwallobj& w);

// The corner of two walls where `arriving` (its end at p) meets `leaving`
// (its start at p): the point at thickness t on the right of both, on the
// bisector of the corner. False (and nothing set) when the corner turns
// (nearly) straight back, where the point would run off toward infinity.
bool MitrePoint(plat::Point p, int32 arriving, int32 leaving, int32 t, plat::Point& out);

// Folds the difference of two bearings to the acute angle between their
// lines (0..900).
int32 AcuteBetween(int32 a, int32 b);

// A wall of bearing `bearing` whose first line starts (or ends) at p on the
// face of a wall of bearing `faceBearing`: the point where its second line
// (of thickness t) crosses that face, t / sin of the angle between them
// from p along the face, on the side where q (the second line's free
// point) lies; offsets truncated toward zero. False when the two run
// (nearly) parallel: there is no crossing and q stays.
bool FitToFace(plat::Point p, plat::Point q, int32 faceBearing, int32 bearing, int32 t,
               plat::Point& out);

// Whether pt lies on the line a-b within tol: a level line by its y and its
// x span widened by tol, a plumb one by its x and y span, a sloped one
// inside its box widened by tol and within tol of the line measured across
// its shorter axis. All comparisons strict.
bool OnLine(plat::Point pt, plat::Point a, plat::Point b, int32 tol);

// Where a ray from p in an arrow direction (1 up, 2 right, 3 down, 4 left)
// crosses the line a-b strictly inside its span: the crossing's y (1, 3) or
// x (2, 4), rounded. False when the ray does not cross it (parallel lines
// included).
bool RayCrossing(plat::Point p, int32 direction, plat::Point a, plat::Point b, int32& at);

// One end of a wall moved by d along the wall (lengthening for d > 0):
// square bearings move along their axis; a sloped wall moves along its own
// line so that the end stays on it, rounded to whole units.
plat::Point MovedEnd(plat::Point moving, plat::Point other, int32 d);

}  // namespace inwallgeo
