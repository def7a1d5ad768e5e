// Group ids of new elements: every new wall, opening, placed symbol or
// polygon takes the next group number. On the plan floors symbols and
// polygons carry the floor in the ten thousands of their id, so that ids of
// different floors never meet.
#pragma once

#include "model/globals.h"

// Values a group id must never take: 30001 marks an element for deletion,
// and 30000 to 30003 are the tools' "nothing" markers.
constexpr int32 kReservedIdFirst = 30000;
constexpr int32 kReservedIdLast = 30003;

// 100000 for the ground floor (120), 10000 more for each floor up to the
// sub floor (125: 150000); 0 on every other view.
int32 FloorGroupBase(int32 view);

// The group the automatic dimensions of a floor carry as their link id: the
// floor's group base, which no group of the floor takes (0 off the plan
// floors). They belong to the floor, never to a wall.
int32 AutoDimensionGroup(int32 view);

// The group number the next new group takes (NextGroupNumber raised until
// base plus it is no reserved value), without taking it.
int32 PeekGroupNumber(int32 base = 0);
// Takes that group number: NextGroupNumber becomes it; returns base plus it.
int32 NewGroupId(int32 base = 0);
