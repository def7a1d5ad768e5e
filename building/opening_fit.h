// Finding the wall an opening goes into: the wall of the floor whose band
// holds the cursor and along which the whole opening fits, and the point on
// the wall's face where the opening is put (its insertion point).
#pragma once

#include "model/flist.h"
#include "model/globals.h"
#include "platform/gdi_types.h"

// What is being put into a wall.
struct OpeningRequest {
  int32 kind = 0;   // OpeningKind
  int32 width = 0;  // along the wall, drawing units
  int32 swing = 0;  // a hanging door's swing choice 1..8 (kind 11)
};

// Which band of the wall the cursor lay in: the face that receives the
// insertion point, or the other one.
namespace cursorface {
constexpr int32 Insertion = 1;
constexpr int32 Other = 3;
}  // namespace cursorface

// 1 external wall, 2 internal wall.
namespace wallclass {
constexpr int32 External = 1;
constexpr int32 Internal = 2;
}  // namespace wallclass

struct OpeningFit {
  int32 wallIndex = TFlist::kNothingFound;
  plat::Point point;  // the insertion point: the middle of the opening on the face
  int32 cursorFace = cursorface::Insertion;
  int32 wallClass = wallclass::External;
  int32 thickness = 0;
  int32 angle = 0;
  bool Found() const { return wallIndex != TFlist::kNothingFound; }
};

// The first wall of `floor` (in list order) that takes the opening with the
// cursor at p (drawing units). A hanging door's point is moved from its
// hinge end to the middle of the opening.
OpeningFit FitOpening(const TFlist& list, int32 floor, plat::Point p, const OpeningRequest& r);

// The reduced angle of a sloped bearing (its angle from the nearest
// vertical, tenths of a degree) and the signs of its quadrant.
struct SlopeFrame {
  int32 reduced = 0;
  int32 sx = 1, sy = 1;
  double sin = 0, cos = 1;
};
SlopeFrame SlopeOf(int32 angle);
