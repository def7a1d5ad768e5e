// Group ids of new elements: every new wall, opening, placed symbol or
// polygon takes the next group number, and on the plan floors the id carries
// the floor in its ten thousands so that ids of different floors never meet.
// No id ever takes a reserved value: 30001 marks an element for deletion,
// and 30000 to 30003 are the tools' "nothing" markers.
#pragma once

#include "model/globals.h"

constexpr int32 kReservedIdFirst = 30000;
constexpr int32 kReservedIdLast = 30003;

// 100000 for the ground floor (120), 10000 more for each floor up to the
// sub floor (125: 150000); 0 on every other view.
int32 FloorGroupBase(int32 view);
// The group number the next new group takes (NextGroupNumber raised until
// neither it nor base plus it is a reserved value), without taking it.
int32 PeekGroupNumber(int32 base = 0);
// Takes that group number: NextGroupNumber becomes it; returns base plus it.
int32 TakeGroupId(int32 base = 0);
// The id of a new group on a view: its floor base plus the number taken.
int32 NewGroupId(int32 view);
