// The selection-frame tools: a frame dragged over part of the view, then
// moved, turned, copied or erased. The frame behaviour comes with the
// selection-frame tools; the symbol generator occupies the move tool's Command.
#pragma once

#include "tools/drawingtool.h"

class TMoveobjtool : public TDrawingtool {
 public:
  TMoveobjtool() { Type = tooltype::Move; }
  // The final operation after a frame; the move tool itself does nothing.
  virtual void ApplyToRegion(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                             int32 Y);

  int32 TakenCount = 0;  // elements listed by the last taking
  int32 AnchorX = 0;     // corner where the frame was started; the origin after taking
  int32 AnchorY = 0;
  int32 PivotX = 0;      // opposite corner while dragged; the selection's centre after taking
  int32 PivotY = 0;
  int32 DropX = 0;       // last point the selection was moved to
  int32 DropY = 0;
};

class TCopyobjtool : public TMoveobjtool {
 public:
  TCopyobjtool() { Type = tooltype::Copy; }
};

class TEraseobjtool : public TMoveobjtool {
 public:
  TEraseobjtool() { Type = tooltype::Erase; }
};
