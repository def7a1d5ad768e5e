// The polygon tool: filled polygons drawn vertex by vertex. Its vertex
// lists and operations come with the polygon tool.
#pragma once

#include "tools/linetool.h"

class TPolyobjtool : public TLineobjtool {
 public:
  TPolyobjtool() { Type = tooltype::Polygon; }
};
