// The external-wall construction file ("CFG\EXTWALLM.CFG" metric,
// "CFG\EXTWALLI.CFG" imperial) and the room-wall file, read whole or
// reported; the wall types of the construction dialog; the side of the
// inner lines as the way a free wall is drawn.
#pragma once

#include <string>

#include "building/wall_geometry.h"
#include "model/globals.h"
#include "platform/gdi_types.h"

// The fourteen values of the external-wall file, in its order:
// "%d %d %d %ld %ld %ld %ld %ld %ld %d %d %d %d %ld".
struct ExtWallSettings {
  Layers layers;              // values 1 to 3
  int32 floorValues[6] = {};  // values 4 to 9: floors 120 to 125
  int32 extra[4] = {};        // values 10 to 13, carried into every wall
  plat::COLORREF colour = 0;  // value 14
  // The floor value of a floor view (120..125); `fallback` for other views.
  int32 FloorValue(int32 view, int32 fallback) const;
};

// Reads the file of the drawing's units whole; false when it is missing,
// holds fewer than its fourteen values or layers no wall can have (s is
// then left as it was).
bool ReadExtWallSettings(ExtWallSettings& s);
// Writes the file of the drawing's units whole.
bool WriteExtWallSettings(const ExtWallSettings& s);
// Tells the user that the construction file cannot be used.
void ReportExtWallSettingsMissing();
// Reads the file, or reports it and returns false.
bool ReadExtWallSettingsOrReport(ExtWallSettings& s);

// Tells the user that the room-wall file cannot be used for fitting an
// outline to the design rooms.
void ReportRoomWallSettingsMissing();

// The side of the inner lines chosen in the side dialog: 1 below, 2 above,
// 3 left, 4 right of the line the user draws.
namespace innerside {
constexpr int32 Below = 1;
constexpr int32 Above = 2;
constexpr int32 Left = 3;
constexpr int32 Right = 4;
}  // namespace innerside

// The way a wall is drawn, kept by the external-wall tool: 1 right (x
// grows), 2 down, 3 left, 4 up; 0 none. A free wall is turned to run this
// way, and its layers lie on the right of its run.
namespace drawway {
constexpr int32 None = 0;
constexpr int32 Rightward = 1;
constexpr int32 Downward = 2;
constexpr int32 Leftward = 3;
constexpr int32 Upward = 4;
}  // namespace drawway

// The way to draw a free wall so that its inner lines fall on the chosen
// side: below a wall running right, above one running left, left of one
// running down, right of one running up.
int32 DrawWayForInnerSide(int32 side);

// The wall types of the construction dialog.
namespace walltype {
constexpr int32 Custom = 0;
constexpr int32 Cavity = 1;
constexpr int32 Veneer = 2;
constexpr int32 SolidBrick = 3;
constexpr int32 Walling200 = 4;
constexpr int32 Walling150 = 5;
constexpr int32 Walling100 = 6;
constexpr int32 Walling75 = 7;
constexpr int32 Count = 8;
}  // namespace walltype

// The layers of a wall type in the drawing's units (custom: all 0).
Layers LayersOfWallType(int32 type, bool metric);
// The wall type whose layers these are (custom when none has them).
int32 WallTypeOf(const Layers& layers, bool metric);
// The nominal thickness the dialog reports for a type (custom: 1).
int32 NominalThickness(int32 type, bool metric);
// The type's caption in the construction dialog.
std::string WallTypeCaption(int32 type, bool metric);
