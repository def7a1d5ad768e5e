// The building tools as the tool tree knows them: their type codes and the
// start values of the own fields that the plan window reads. Their wall,
// opening and room behaviour comes with the building code.
#pragma once

#include "model/globals.h"
#include "building/extwall_tool.h"
#include "tools/linetool.h"

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
