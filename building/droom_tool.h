// The design-room tool: places, drags, nudges, moves, grows, shrinks, turns
// and deletes design rooms, snaps a dropped room to its neighbours, measures
// the free space for a new room and unlocks a room that was locked into
// walls.
//
// The design-room commands install it and set its step; the plan window
// routes the mouse and the arrow keys to it. The rectangle of the room being
// dragged is the tool's X1 (left), X2 (right), Y1 (top), Y2 (bottom), and
// Frame holds the area drawn last in the same order, for the screen updates.
#pragma once

#include <string>

#include "building/droom_geometry.h"
#include "tools/linetool.h"

class TRoomobj;

// ---- Steps of the design-room tool -------------------------------------------
namespace roomstep {
constexpr int32 Idle = 0;             // 0..4: a click selects a room
constexpr int32 Dragging = 5;         // a selected room follows the pointer
constexpr int32 DraggingCentre = 6;   // ... grabbed at its centre: dropped without snapping
constexpr int32 Enlarge = 20;         // arrow keys move a side out
constexpr int32 Shrink = 21;          // ... in
constexpr int32 Rotate = 30;          // a click turns a room a quarter turn
constexpr int32 Delete = 40;          // a click deletes a room
constexpr int32 ChooseToMove = 50;    // a left click chooses MoveByDistance, a right click Nudge
constexpr int32 MoveByDistance = 55;  // one arrow key moves the room by the typed distance
constexpr int32 Nudge = 65;           // each arrow key moves the room by one nudge
constexpr int32 FreeSpace = 1000;     // a click measures the free space for a new room
constexpr int32 FreeSpaceFailed = 10001;
constexpr int32 FreeSpaceAngled = 10002;
constexpr int32 Unlock = 29001;       // with type 29001: a click unlocks a locked room
}  // namespace roomstep

// ---- Drag phases -------------------------------------------------------------------
namespace dragphase {
constexpr int32 NotStarted = 0;
constexpr int32 Following = 1;
constexpr int32 StartedOutside = 10;  // the drag began outside the client area
}  // namespace dragphase

class TDRoomobjtool : public TLineobjtool {
 public:
  TDRoomobjtool() { Type = tooltype::DesignRoom; }

  void MouseDown(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y) override;
  void MouseUp(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y) override;
  void RightMouseDown(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                      int32 Y) override;
  void RightMouseUp(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y) override;
  void MouseMove(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y) override;
  // Mode 1: the dragged rectangle's outline in not-xor; mode 0: the room's
  // area painted over in the background colour.
  void DrawPreview(plat::DeviceContext& dc, int32 mode) override;
  // Arrow keys (amount: the typed distance) grow, shrink, move or nudge the
  // selected room by its step.
  void KeyDown(plat::DeviceContext& dc, const plat::Rect& client, int32 key,
               plat::Point& cursor, int32 amount) override;
  // Adds a design room of the tool's rectangle.
  void AddElement(plat::DeviceContext& dc, const plat::Rect& client) override;
  // Unlocks the locked room at that element index (30001 or more: nothing).
  void Command(int32 index) override;
  // A new design room of width a and height b at the bottom left of the
  // visible area; c is not used.
  void Execute(int32 a, int32 b, int32 c) override;

  // ---- The tool's own state ---------------------------------------------------
  int32 SelectedIndex = kNothingPicked;  // the selected room's element index
  int32 SelectedId = 0;                  // ... and its group id, to find it again
  int32 RoomWidth = 0;                   // of the new or last selected room
  int32 RoomHeight = 0;
  int32 WallSize = 0;                    // the current floor's room-wall size
  plat::Point LastPointer{};             // drawing units
  int32 DragFlag = 0;                    // 1 while a button drags the selected room
  int32 DragPhase = dragphase::NotStarted;

  // The selected room, looked up again: the element at SelectedIndex when it
  // is still that room on the current view, else the room with that id;
  // nullptr (and the selection dropped) when it is gone.
  TRoomobj* SelectedRoom();

  // ---- Operations (building/droom_tool.cpp, building/droom_merge.cpp) ------------
  // Selects the room under the point (drawing units); false when none.
  bool SelectRoomAt(plat::Point p);
  void RotateRoom();
  void DeleteRoom();
  // Writes one size text of the selected room again: 1 height, 2 width.
  void UpdateSizeText(int32 which);
  void MergeRoom(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y);
  void AlignToRooms(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y);
  void EndDrag(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y, bool align);
  void FindFreeSpace(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y);

 private:
  bool UnlockMode() const;
  void SetRectangle(const droom::Box& b);
  void SetPreviousFrame(const droom::Box& b);
  void NoPreviousFrame();
  void Remember(const plat::Rect& client) { client_ = client; }
  void RecordUndo();
  void KeepMove(const droom::Box& before);
  void PressUnlock(plat::Point p);
  void DragTo(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y,
              plat::Point p);
  // A new room's id: its floor's base plus the next group number, moved on
  // past any id in use.
  int32 NewRoomId() const;
  void AddRoom(const droom::Box& box, int32 width, int32 height);

  plat::Rect client_{};
  bool outlineShown_ = false;
};
