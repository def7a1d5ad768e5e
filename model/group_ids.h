// Group ids of new elements: every new wall, opening, placed symbol or
// polygon takes the next group number, and on the plan floors the id carries
// the floor in its ten thousands so that ids of different floors never meet.
#pragma once

#include "model/globals.h"

// 100000 for the ground floor (120), 10000 more for each floor up to the
// sub floor (125: 150000); 0 on every other view.
int32 FloorGroupBase(int32 view);
// Raises NextGroupNumber and returns the floor base of the view plus it.
int32 NewGroupId(int32 view);
