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

// The last group number a drawing can take: a floor's base (at most a few
// hundred thousand) plus it, and the few ids a tool counts on from it, stay
// clear of the 32-bit limit. Only a damaged file's header comes near it.
constexpr int32 kLastGroupNumber = 2000000000;

// 100000 for the ground floor (120), 10000 more for each floor up to the
// sub floor (125: 150000); 0 on every other view.
int32 FloorGroupBase(int32 view);

// The group number after n: n + 1, from 1 when n is below 0 (a damaged
// header). None is left beyond kLastGroupNumber: the user is told (once,
// until a number can be taken again) and the last one is given again.
int32 GroupNumberAfter(int32 n);

// The group number the next new group takes (NextGroupNumber raised until
// base plus it is no reserved value), without taking it.
int32 PeekGroupNumber(int32 base = 0);
// Takes that group number: NextGroupNumber becomes it; returns base plus it.
int32 NewGroupId(int32 base = 0);
