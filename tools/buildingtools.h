// The building tools as the tool tree knows them: their type codes and the
// start values of the own fields that the plan window reads. Their wall,
// opening and room behaviour comes with the building code.
#pragma once

#include "model/globals.h"
#include "building/extwall_tool.h"
#include "building/inwall_tool.h"
#include "building/opening_tool.h"
#include "tools/linetool.h"

// The design-room tool.
#include "building/droom_tool.h"
