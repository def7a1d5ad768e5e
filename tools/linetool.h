// The rubber-band line tool and the line-object tool.
//
// TLinetool draws straight lines with the mouse (press, drag a rubber band,
// release) and from the keyboard (Enter on the start, an arrow key with a
// distance or a second Enter on the end), shows guide lines through the
// pointer for the outline and base functions, and picks walls and lines for
// the wall-editing steps. TLineobjtool turns the band into a line element;
// the pick tool, wall editing, the outline and the building tools are
// line-object tools of other types.
#pragma once

#include "tools/drawingtool.h"

// Keyboard drawing state shared by every line tool (one copy in the program).
namespace linekey {
constexpr int32 StartsLine = 1;  // the next Enter starts a keyboard line
constexpr int32 EndsSegment = 2; // the next Enter or arrow ends a segment
}  // namespace linekey
extern int32 LineKeyState;
// End of the last keyboard segment of the outline and wall tools.
extern int32 LastSegmentEndX;
extern int32 LastSegmentEndY;

// Picking tolerances of the line tools, drawing units.
int32 EditPickTolerance();  // 100 metric, 96 (4 inches) imperial
int32 WallEndTolerance();   // 25 metric, 24 (1 inch) imperial

// Which guide lines TLinetool::DrawGuideLines draws.
namespace guides {
constexpr int32 Vertical = 1;
constexpr int32 Horizontal = 2;
constexpr int32 Both = 3;
constexpr int32 Shown = 2;  // GuidesShown while they are on screen
}  // namespace guides

class TLinetool : public TDrawingtool {
 public:
  TLinetool() { Type = tooltype::Line; }

  void MouseDown(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y) override;
  void MouseUp(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y) override;
  void MouseMove(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y) override;
  void DrawPreview(plat::DeviceContext& dc, int32 mode) override;
  void KeyDown(plat::DeviceContext& dc, const plat::Rect& client, int32 key,
               plat::Point& cursor, int32 amount) override;
  // Draws the guide lines through (CursorX, CursorY) once, in not-xor.
  virtual void DrawGuideLines(plat::DeviceContext& dc, int32 mode);

  // Orients a keyboard segment so that it ends on a wall or line: 1 the start
  // was moved onto the end of an element, 0 the start lies on the first end
  // of one (the caller swaps the segment), 2 nothing found.
  int32 MatchWallEnd();

 protected:
  // Picks the wall or line under the click for the edit steps.
  void PickForEdit(plat::Point p);
  void FollowGuides(plat::DeviceContext& dc, plat::Point p);
  void HideGuides(plat::DeviceContext& dc, plat::Point p);
  void FollowInwallPreview(plat::DeviceContext& dc, plat::Point p);
  void DragRubberBand(plat::DeviceContext& dc, plat::Point p);

  // Keyboard drawing (one function per rule group).
  // The two segment steps answer false when a wall or outline segment was
  // refused: the point, the guide lines and the pointer stay where they were.
  bool KeyArrow(plat::DeviceContext& dc, const plat::Rect& client, int32 key, int32 amount,
                plat::Point& end);
  void KeyFirstEnter(plat::DeviceContext& dc, const plat::Rect& client, plat::Point cursor);
  bool KeySecondEnter(plat::DeviceContext& dc, const plat::Rect& client, plat::Point cursor,
                      int32 amount, plat::Point& end);
  void KeyCommonEnd(plat::DeviceContext& dc, const plat::Rect& client, plat::Point end,
                    bool refused);
  void LayMultiLineCopies(plat::DeviceContext& dc, const plat::Rect& client,
                          plat::Point cursor);
  void SnapStartToLastElement();
  void MeasureSegment(bool straighten);
  void MeasureBearingAndLength();
  // Hands the segment to the tool; false when nothing was stored.
  bool CommitSegment(plat::DeviceContext& dc, const plat::Rect& client);
  // Where a refused tracing step leaves the tool: on the point it was drawn
  // from, as before the step.
  void KeepPoint(plat::Point from, plat::Point lastEnd, plat::Point& end);
};

class TLineobjtool : public TLinetool {
 public:
  TLineobjtool() = default;
  // Turns the rubber band into a line of kind Type on the current view.
  void AddElement(plat::DeviceContext& dc, const plat::Rect& client) override;

  // Dimensions (tools/autodimension.cpp): in steps 20 to 22 the dimension
  // set by two points (X, Y: the click), in any other step the automatic
  // dimensions of the current floor's external walls, made afresh.
  void AutoDimension(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y,
                     int32 flag, int32 code) override;
  void PlaceDimension(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y,
                      int32 direction, int32 height);

  // The line-object commands (tools/lineobj_commands.cpp, tools/line_text.cpp).
  // Writes the text of "CFG\LTEXT.CFG" along the line just drawn (the
  // list's last element), paints it, appends it and stores the drawing;
  // Step becomes 50 either way.
  void ElementsAdded(plat::DeviceContext& dc, const plat::Rect& client, int32 firstIndex,
                     int32 mode) override;
  // 1 finish (re-centre the ground floor, then the floor area), 3 and 190
  // re-centre, 10 the distance to the nearest face in Direction (Size, 0
  // when there is none).
  void Command(int32 code) override;
  // Steps 2 and 3: moves the nearer end of line Direction by amount (step
  // 2) or by -amount (step 3), judged at (x, y).
  void Execute(int32 amount, int32 x, int32 y) override;
  // The floor area enclosed by the external walls of the current view,
  // stored with TFlist::SetFloorArea.
  void ComputeFloorArea();
};

// A sloped segment's bearing in tenths of a degree (0 up, clockwise), from
// its start to its end; dx and dy must both be non-zero.
int32 SlopedBearing(int32 x1, int32 y1, int32 x2, int32 y2);
