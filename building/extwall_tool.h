// The external-wall tool: builds the walls round a traced outline, copies
// the walls of one floor to another, commits walls drawn one at a time and
// measures for the plan window. Its steps are the commands the window and
// the main form send it:
//
//   1  clearance from the walls to the design rooms (enlarging the base)
//   2  snap the end to a wall end, then the distance to the next wall end
//      in the arrow's direction
//   3  copy the walls of the floor below onto the current floor
//   4  copy the ground floor's walls onto the basement
//   5  the last wall is drawn: re-centre and measure the floor
//   7  the outline is closed: build the walls along it
//
// The wall it holds is (X1, Y1)-(X2, Y2), its bearing Angle and its length
// Tag1; Direction keeps the way a free wall is drawn (drawway::).
#pragma once

#include "building/extwall_join.h"
#include "building/wall_geometry.h"
#include "building/wall_settings.h"
#include "model/globals.h"
#include "tools/linetool.h"

// How many floors an enlarge or shrink of the base changes.
namespace multifloor {
constexpr int32 None = 0;
constexpr int32 AllFloors = 1;
constexpr int32 GroundOnly = 2;
constexpr int32 ThisFloor = 3;
}  // namespace multifloor

// The steps of the base's expand and shrink (the wall edits use toolstep::).
namespace extwallstep {
constexpr int32 Expand = 8;
constexpr int32 Shrink = 9;
}  // namespace extwallstep

// The commands of the external-wall tool.
namespace extwallcmd {
constexpr int32 RoomClearance = 1;
constexpr int32 NearestWallEnd = 2;
constexpr int32 CopyFloorBelow = 3;
constexpr int32 CopyGroundToBasement = 4;
constexpr int32 FinishFloor = 5;
constexpr int32 BuildFromOutline = 7;
}  // namespace extwallcmd

class TExtwallobjtool : public TLineobjtool {
 public:
  TExtwallobjtool() { Type = tooltype::ExtWall; }

  int32 MultiFloorMode = multifloor::None;
  // The floor the next wall goes to, and the layer points and construction
  // of the wall held (copied into every wall made).
  int32 WallFloor = 0;
  Layers WallLayers;
  LayerPoints Points;
  int32 WallValues[4] = {};
  int32 FloorValue = 0;

  void Command(int32 code) override;
  // Commits the wall held (drawn with the keyboard or the mouse): joined to
  // its neighbours, checked, added, saved and painted. A wall that cannot
  // stand (of no length, or reaching off the sheet) is refused with a
  // message and changes nothing.
  void AddElement(plat::DeviceContext& dc, const plat::Rect& client) override;
  // Makes the wall held on its floor and saves the drawing; a wall of no
  // length is not made. Used by the copies and the wall edits.
  void CreateWall();

  // ---- Wall edits (building/extwall_edit.cpp) and the base (base_resize.cpp)
  // Steps 300 shorten and 400 lengthen by a at the end meant by (b, c); 500
  // split at (b, c); 600 the layers (a, b, c); 900 delete; 8 and 9 expand or
  // shrink the base by a from the point (b, c) on the side in Direction. The
  // edited wall's index is in Direction.
  void Execute(int32 a, int32 b, int32 c) override;

  // The wall held, as a draft, and back.
  WallDraft Draft() const;
  void TakeDraft(const WallDraft& d);

 private:
  void BuildFromOutline();                // 7, extwall_outline.cpp
  void CopyWalls(int32 sourceView);       // 3 and 4
  void FinishFloor();                     // 5
  void MeasureRoomClearance();            // 1, extwall_measure.cpp
  void MeasureToNearestWallEnd();         // 2, extwall_measure.cpp
  void EditWall(int32 a, plat::Point p);  // steps 300..900, extwall_edit.cpp
};
