// The text tools: a text placed at a click or typed at a point.
#pragma once

#include "tools/drawingtool.h"

constexpr int32 kToolTextCapacity = 80;  // 79 characters and the terminator

class TTexttool : public TDrawingtool {
 public:
  TTexttool() { Type = tooltype::Text; }
  char Text[kToolTextCapacity] = {};
  int32 Length = 0;  // length of Text when committed
  int32 Typed = 0;   // characters typed so far; where the next one goes
};

class TTextobjtool : public TTexttool {};
