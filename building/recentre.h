// Re-centring a floor on the drawing sheet: the floor's walls and symbols
// (every drawn shape on the site plan) are measured and the floor, all but
// its walls of kind 110, is moved so that they stand in the middle of the
// sheet, by whole inches (24 units) or by 25 mm. The other floors of the
// house move with it by the same shift, without being measured.
#pragma once

#include "model/globals.h"

// What RecentreFloors measures and whether it saves.
namespace recentre {
constexpr int32 AfterWalls = 1;  // the external-wall tool's: as Save
constexpr int32 Save = 2;
constexpr int32 NoSave = 3;
constexpr int32 SitePlan = 190;  // measured from every drawn shape
}  // namespace recentre

// Re-centres CurrentView, and with a floor of the house every other floor.
// A floor with nothing to measure is left alone and nothing is written.
void RecentreFloors(int32 how);

// Moves every element of CurrentView (and of the house with a floor of it)
// by (dx, dy), walls of kind 110 left where they are; saves nothing.
void ShiftFloorElements(int32 dx, int32 dy);
