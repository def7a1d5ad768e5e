// How a window, door or opening belongs to its wall, for code that moves or
// deletes walls.
//
// An opening is never stored as one element: it is a frame (a four-point
// polygon of kind 2000 whose points 1 and 3 are opposite corners, blanking
// the wall over the opening), lines, arcs and a size label. Every element of
// one opening carries the same element id (the TObj integer after the link
// id, 100000 + 10000 per floor + a group number); all but the size label
// carry the wall's link id as their own, the label carries link id 0.
#pragma once

#include <vector>

#include "model/flist.h"
#include "model/globals.h"
#include "platform/gdi_types.h"

struct OpeningRef {
  int32 frameIndex = 0;  // the frame's index in the list
  int32 linkId = 0;      // the wall's link id
  int32 elementId = 0;   // the opening's own id
  plat::Point corner1, corner3;  // opposite corners of the frame
};

// The openings cut into wall i (found through their frames, in list order).
std::vector<OpeningRef> OpeningsOfWall(const TFlist& list, int32 wallIndex);

// Whether element e is a part of opening o (its label included).
bool IsPartOfOpening(const TObj& e, const OpeningRef& o);

// Moves every part of opening o by (dx, dy): frames their points, arcs their
// box and end points, lines and texts their two points.
void ShiftOpening(TFlist& list, const OpeningRef& o, int32 dx, int32 dy);
