// What the queries and generators share: the settings they read (dimension
// offsets, layout grid, design-room bounds, drawing titles), the writing of
// their result files and the new-room place. Settings are read afresh at
// every use; a file that cannot be opened (or ends early) leaves the missing
// values at 0 and the titles empty, never undefined.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "model/globals.h"

class TObj;
class TFlist;

namespace queries {

// "CFG\MOFFSET.CFG" (metric) or "CFG\IOFFSET.CFG" (imperial).
struct DimensionOffsets {
  int32 internal = 0;
  int32 external = 0;
  int32 overall = 0;
  int32 direction = 0;
  int32 textSize = 0;
  int32 roomDimensionTextSize = 0;
  int32 roomNameTextSize = 0;
};
// The three offsets are held to the ranges the dimension settings dialog
// offers (0 to MaxDimensionOffset(), the overall one to twice that): a
// damaged file cannot move dimensions beyond the reach of 32 bits.
DimensionOffsets ReadDimensionOffsets();
// The largest room and wall dimension offset, drawing units, of the units
// in force (MetricUnits 1: millimetres, else 1/24 inch).
int32 MaxDimensionOffset();

// The room left between a plan and its external dimensions:
// 4 x the external offset + the overall offset, held to 32 bits.
int32 DimensionMargin(const DimensionOffsets& offsets);

// "CFG\LYTGRIDM.CFG" / "CFG\LYTGRIDI.CFG".
struct LayoutGridSettings {
  int32 spacing = 0;  // drawing units; 0 or below draws no grid
  uint32 colour = 0;
};
LayoutGridSettings ReadLayoutGridSettings();

// "CFG\BOUNDS.CFG" as written by the design-room bounds: left, top, right,
// bottom.
struct RoomBounds {
  int32 left = 0;
  int32 top = 0;
  int32 right = 0;
  int32 bottom = 0;
};
RoomBounds ReadRoomBounds();

// Takes DrawingWidth and DrawingHeight (logical units) from the sheet file
// of the units in force, each where the file holds it. A side longer either
// way than kMaxSheetSide is a damaged file's and leaves the one in force:
// the sheet's centre is added to every position read.
constexpr int32 kMaxSheetSide = 1000000;
void ReadSheetSize();

// "CFG\TITLE2D.CFG": the titles of the ground, first, second and third
// floor, the basement and the site plan, each at most 24 characters.
constexpr int kTitleCount = 6;
constexpr int kMaxTitleLength = 24;
std::array<std::string, kTitleCount> ReadTitles();

// Value to 32 bits, held at the limits.
int32 ClampToInt32(long long v);

// Replaces a settings file (a cfgfile:: entry, opened through ProgramFile)
// with one formatted line; a file that cannot be written is skipped, as the
// program reports nothing here.
void WriteSettingsLine(std::string_view programPath, const std::string& line);
std::string FormatInts(std::initializer_list<long long> values, bool newline);

// A design room still standing where the design-room command puts a new
// one, (left + 2 x PixelScale) x PixelScale across and (bottom + 2 x
// PixelScale) x PixelScale plus its height up, from the bottom left of the
// part of the sheet the window shows: it has not been placed yet.
bool AtNewRoomPlace(const TObj& e);

// Whether a floor holds an external or internal wall (kinds 100 and 150),
// scanning the user elements from entry 6.
bool HasWallOnFloor(const TFlist& list, int32 floor);

}  // namespace queries
