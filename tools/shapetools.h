// The plain shape tools and their element-making subclasses.
//
// The plain tools draw previews only; each objtool adds the element when the
// shape is complete. Arcs and rounded rectangles are given from the keyboard,
// ellipses are dragged with the mouse, circles either way. The geometry of
// each shape lives beside the tools in free functions over plain values.
#pragma once

#include "tools/linetool.h"

// The result marker (TDrawingtool::Result) a shape tool leaves after an
// action that was to add a shape: 0 stored, kNothingPlaced refused (off the
// sheet, or no width or height); the plan window then prompts again.
constexpr int32 kNothingPlaced = 1;

// ---- Geometry ----------------------------------------------------------------------

// A shape's bounding box as stored (corners in the order the shape gives
// them, drawing units).
struct ShapeBox {
  int32 x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// An arc given by the two ends of its chord and its height ("bulge").
struct ArcShape {
  ShapeBox box;
  plat::Point start{};  // the arc runs counter-clockwise on screen from start to end
  plat::Point end{};
};

// The arc over the chord from first to second. The ends count as level
// when their heights differ by less than tolerance (the second end is then
// put level with the first), else as plumb when their x differ by less than
// tolerance. A positive bulge draws the arc above a level chord or left of a
// plumb one, a negative bulge below or right. False when the ends are not in
// line or the bulge is 0: there is no arc to draw.
bool ArcFromChord(plat::Point first, plat::Point second, int32 bulge, int32 tolerance,
                  ArcShape& arc);

// The box of a circle centred on centre whose radius is the signed horizontal
// distance to edgeX (a drag to the left gives a box with its corners swapped).
ShapeBox CircleBox(plat::Point centre, int32 edgeX);

// Whether a box has an area and lies on the drawing sheet (every corner
// within 10 .. the sheet's size in drawing units).
bool BoxHasArea(const ShapeBox& b);
bool BoxOnSheet(const ShapeBox& b);

// The status prompt of a shape command ("" for other tool types); the plan
// window shows it again when a shape was refused.
const char* ShapePrompt(int32 type);

// ---- Tools ---------------------------------------------------------------------------

class TArctool : public TLinetool {
 public:
  TArctool() { Type = tooltype::Arc; }
  void DrawPreview(plat::DeviceContext& dc, int32 mode) override;
  // The first key takes the chord's first end at the pointer, the second its
  // other end; amount is the arc's height. Either way the tool is ready for
  // a new arc after the second key.
  void KeyDown(plat::DeviceContext& dc, const plat::Rect& client, int32 key,
               plat::Point& cursor, int32 amount) override;

  int32 ArcStartX = 0;  // the arc's start and end points, drawing units
  int32 ArcStartY = 0;
  int32 ArcEndX = 0;
  int32 ArcEndY = 0;
  int32 Clicks = 0;     // 1 after the first key of an arc

 private:
  void ClearArc();
};

class TArcobjtool : public TArctool {
 public:
  void AddElement(plat::DeviceContext& dc, const plat::Rect& client) override;
};

class TEllipsetool : public TLinetool {
 public:
  TEllipsetool() { Type = tooltype::Ellipse; }
  void DrawPreview(plat::DeviceContext& dc, int32 mode) override;
};

class TEllipseobjtool : public TEllipsetool {
 public:
  void AddElement(plat::DeviceContext& dc, const plat::Rect& client) override;
};

class TCircletool : public TLinetool {
 public:
  TCircletool() { Type = tooltype::Circle; }
  void MouseDown(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y) override;
  void MouseMove(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y) override;
  void MouseUp(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y) override;
  void DrawPreview(plat::DeviceContext& dc, int32 mode) override;
  // Enter: a circle of radius Size round the pointer (the plan window asks
  // the radius first). The next Enter asks the radius again.
  void KeyDown(plat::DeviceContext& dc, const plat::Rect& client, int32 key,
               plat::Point& cursor, int32 amount) override;

  int32 CentreX = 0;  // centre of the circle being dragged
  int32 CentreY = 0;

 private:
  void DrawBand(plat::DeviceContext& dc);
};

class TCircleobjtool : public TCircletool {
 public:
  void AddElement(plat::DeviceContext& dc, const plat::Rect& client) override;
};

class TRoundrecttool : public TLinetool {
 public:
  TRoundrecttool() { Type = tooltype::RoundRect; }
  void DrawPreview(plat::DeviceContext& dc, int32 mode) override;
  // Enter takes a corner at the pointer, one horizontal and one vertical
  // arrow the width and height (amount); the corner radius is Size.
  void KeyDown(plat::DeviceContext& dc, const plat::Rect& client, int32 key,
               plat::Point& cursor, int32 amount) override;
};

class TRndrectobjtool : public TRoundrecttool {
 public:
  void AddElement(plat::DeviceContext& dc, const plat::Rect& client) override;
};
