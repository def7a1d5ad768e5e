// The building tools as the tool tree knows them: their type codes and the
// start values of the own fields that the plan window reads. Their wall,
// opening and room behaviour comes with the building code.
#pragma once

#include "model/globals.h"
#include "tools/linetool.h"

// How many floors an enlarge or shrink of the base changes.
namespace multifloor {
constexpr int32 None = 0;
constexpr int32 AllFloors = 1;
constexpr int32 GroundOnly = 2;
constexpr int32 ThisFloor = 3;
}  // namespace multifloor

class TExtwallobjtool : public TLineobjtool {
 public:
  TExtwallobjtool() { Type = tooltype::ExtWall; }
  int32 MultiFloorMode = multifloor::None;
};

class TInwallobjtool : public TLineobjtool {
 public:
  TInwallobjtool() { Type = tooltype::InWall; }
  // Bearings of the walls the new wall's two ends meet (-1: none).
  int32 StartMeetAngle = -1;
  int32 EndMeetAngle = -1;
};

class TWindowobjtool : public TLineobjtool {
 public:
  TWindowobjtool() { Type = tooltype::OpeningNew; }
};

// The design-room tool.
#include "building/droom_tool.h"
