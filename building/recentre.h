// Re-centring a floor on the drawing sheet: the floor's walls and symbols
// (every drawn shape on the site plan) are measured and the floor, all but
// its walls of kind 110, is moved so that they stand in the middle of the
// sheet, by whole inches (24 units) or by 25 mm.
#pragma once

#include "model/globals.h"

class TDrawingtool;

// What RecentreFloors measures and whether it saves.
namespace recentre {
constexpr int32 WithUpperFloors = 1;  // the upper floors follow the ground floor (multi-floor mode 2)
constexpr int32 Save = 2;
constexpr int32 NoSave = 3;
constexpr int32 SitePlan = 190;  // measured from every drawn shape
}  // namespace recentre

// Re-centres CurrentView. `tool` is the calling tool: only an external-wall
// tool's multi-floor mode is read (mode 2 with `how` 1 on the ground floor
// moves the upper floors listed in "CFG\FLOORS.CFG" by the same shift).
// A floor with nothing to measure is left alone and nothing is written.
void RecentreFloors(const TDrawingtool* tool, int32 how);

// Moves every element of CurrentView by (dx, dy), walls of kind 110 left
// where they are; saves nothing.
void ShiftFloorElements(int32 dx, int32 dy);
