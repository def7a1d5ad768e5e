// The plain shape tools and their element-making subclasses. The plain
// tools draw previews only; each objtool adds the element when the shape is
// complete. Their mouse, key and preview behaviour comes with the shape tools.
#pragma once

#include "tools/linetool.h"

class TArctool : public TLinetool {
 public:
  TArctool() { Type = tooltype::Arc; }
  int32 ArcStartX = 0;  // the arc's start and end points, drawing units
  int32 ArcStartY = 0;
  int32 ArcEndX = 0;
  int32 ArcEndY = 0;
  int32 Clicks = 0;     // 1 after the first Enter of an arc
};

class TArcobjtool : public TArctool {};

class TEllipsetool : public TLinetool {
 public:
  TEllipsetool() { Type = tooltype::Ellipse; }
};

class TEllipseobjtool : public TEllipsetool {};

class TCircletool : public TLinetool {
 public:
  TCircletool() { Type = tooltype::Circle; }
  int32 CentreX = 0;  // centre of the circle being dragged
  int32 CentreY = 0;
};

class TCircleobjtool : public TCircletool {};

class TRoundrecttool : public TLinetool {
 public:
  TRoundrecttool() { Type = tooltype::RoundRect; }
};

class TRndrectobjtool : public TRoundrecttool {};
