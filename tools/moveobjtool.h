// The selection-frame tools: a frame dragged over part of the view, then
// moved, turned, copied or erased; the same frame chooses the part of a plan
// to print, the area to zoom to and a curve to move or delete. Elements just
// appended (a paste, a library symbol, a designed fixture) are framed for
// placing the same way. The symbol generator of the furniture and fixture
// designer occupies the move tool's Command.
//
// The selection travels through the hand-over files (storage/
// selection_files.h): every operation on it reads them again, and acts only
// while every listed index still names the element the tool listed there.
#pragma once

#include <vector>

#include "storage/selection_files.h"
#include "tools/drawingtool.h"
#include "tools/frame_geometry.h"

// ---- Steps of the frame tools (TDrawingtool::Step) ---------------------------
namespace framestep {
constexpr int32 Start = 0;            // waiting for the first corner
constexpr int32 Placing = 3;          // a selection follows clicks and keys
constexpr int32 Drag = 5;             // dragging the frame (Start + 5)
constexpr int32 Erased = 9;           // the erase tool has erased its frame
constexpr int32 ZoomStart = 10;       // zoom to the framed area
constexpr int32 PartPrintStart = 12;  // the part of the plan to print
constexpr int32 ZoomDrag = 15;
constexpr int32 PartPrintDrag = 17;
constexpr int32 EllipseStart = 500;   // one framed ellipse to move or delete
constexpr int32 EllipseDrag = 505;
constexpr int32 CircleStart = 550;    // one framed circle
constexpr int32 CircleDrag = 555;
constexpr int32 kDragOffset = 5;

constexpr bool IsStart(int32 s) {
  return s == Start || s == ZoomStart || s == PartPrintStart || s == EllipseStart ||
         s == CircleStart;
}
constexpr bool IsDrag(int32 s) { return IsStart(s - kDragOffset) && s >= kDragOffset; }
}  // namespace framestep

// Modes of TMoveobjtool::ElementsAdded.
namespace addmode {
constexpr int32 Paste = 0;     // listed with origin (0, 0)
constexpr int32 Turnable = 1;  // a placing outline that turns by quarters
constexpr int32 Designed = 5;  // listed with the frame centre as origin
}  // namespace addmode

// Values of the move tool's Angle field besides a turn in degrees.
namespace frameangle {
constexpr int32 Taken = 1;
constexpr int32 Moved = 2;
constexpr int32 KeyTurn = 5;      // numpad + and -
constexpr int32 QuarterTurn = 90;
}  // namespace frameangle

class TMoveobjtool : public TDrawingtool {
 public:
  TMoveobjtool() { Type = tooltype::Move; }

  void MouseDown(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y) override;
  void MouseUp(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y) override;
  void RightMouseDown(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                      int32 Y) override;
  void MouseMove(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y) override;
  // Arrows move the selection one step, numpad + and - turn it by 5 degrees
  // (by 90 with mode 5).
  void KeyDown(plat::DeviceContext& dc, const plat::Rect& client, int32 key, plat::Point& cursor,
               int32 mode) override;
  void ElementsAdded(plat::DeviceContext& dc, const plat::Rect& client, int32 firstIndex,
                     int32 mode) override;
  // The furniture and fixture generator (designer/fixture_generator.cpp):
  // a fixture kind builds the preview, the kind plus 100 the symbol in the plan.
  void Command(int32 code) override;

  // The final operation after a frame; the move tool itself does nothing.
  virtual void ApplyToRegion(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                             int32 Y);

  void TakeFramedElements(int32 X, int32 Y);
  void TakeFramedCurve(int32 X, int32 Y);
  void MoveSelectionTo(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y);
  void RotateSelection(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y);

  // The hand-over list read again, while it still names the elements this
  // tool listed. A list that names anything else (an undo or a reload gave
  // an index to another element) is dropped: nothing of it is acted on.
  std::vector<selection::Entry> Listed();

  // The frame (X1 left, X2 right, Y1 bottom, Y2 top) as a box.
  frame::Box FrameBox() const { return {X1, X2, Y1, Y2}; }

  int32 TakenCount = 0;  // elements listed by the last taking
  int32 AnchorX = 0;     // corner where the frame was started; the origin after taking
  int32 AnchorY = 0;
  int32 PivotX = 0;      // opposite corner while dragged; the selection's centre after taking
  int32 PivotY = 0;
  int32 DropX = 0;       // last point the selection was moved to
  int32 DropY = 0;

 protected:
  // Orders the corners and sets the frame from them; the origin every
  // element is listed with.
  void OrderFrame();
  void SetFrame(const frame::Box& b);
  void KeepFrame();  // Frame := the frame, for repainting what it leaves
  void FinishTaking();
  // Writes the hand-over list and keeps what each entry names.
  void List(const std::vector<selection::Entry>& entries);
  void DrawBand(plat::DeviceContext& dc) const;
  // The drawing (or the group file) rewritten after an edit.
  static void WriteEdited();
  // Records one undo step for a run of keys: the first key after a click
  // or a taking records it.
  void RecordKeyUndo();
  // The undo step of a move or turn, except while elements just appended
  // are placed: the step recorded before they came stands for their
  // placing, so that an undo takes them away whole.
  void RecordMoveUndo();

  bool keysRecorded_ = false;
  bool placingAppended_ = false;
  std::vector<selection::Named> named_;  // what the hand-over list names

 private:
  void EndFrame(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y);
  void ZoomToFrame(const plat::Rect& client);
  void StorePartPrintFrame();
};

class TCopyobjtool : public TMoveobjtool {
 public:
  TCopyobjtool() { Type = tooltype::Copy; }
  // Writes the listed elements to the paste buffer (not while framing a
  // library item: AddToLibraryFlag 1).
  void ApplyToRegion(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                     int32 Y) override;
};

class TEraseobjtool : public TMoveobjtool {
 public:
  TEraseobjtool() { Type = tooltype::Erase; }
  // Erases the listed elements (never external walls or records) and reloads
  // the drawing.
  void ApplyToRegion(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                     int32 Y) override;
};
