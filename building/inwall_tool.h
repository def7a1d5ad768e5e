// The internal-wall tool: partitions drawn as double lines.
//
// The line mechanics of the line tool hand it a committed line (start,
// end, bearing); AddElement turns the line into one internal wall: snapped
// onto the ends of the partitions already there, given the spacing of the
// settings file (or of the wall it continues), its second line placed on
// the right-hand side of its bearing and joined to the walls it meets.
// Command adds stop ends and measures for the keyboard drawing; Execute
// runs the wall edits (shorten, extend, delete, move) on a picked wall.
//
// The tool's own wall is (X1, Y1)-(X2, Y2) with bearing Angle, spacing
// Spacing, second line SecondStart-SecondEnd and group number LinkId.
#pragma once

#include "building/inwall_geometry.h"
#include "model/globals.h"
#include "tools/linetool.h"

// The commands of the internal-wall tool.
namespace inwallcmd {
constexpr int32 StartOnFace = 1;     // is the first point on a wall face? (result in SavedStep)
constexpr int32 DistanceToFace = 2;  // distance to the next face in the arrow direction
constexpr int32 StopEndAtStart = 3;  // stop end at the free start of the wall just made
constexpr int32 StopEndHere = 5;     // stop end where the drawing stops (Escape)
}  // namespace inwallcmd

// The side of the second line chosen in the spacing dialog. A free wall is
// turned to run so that its second line (on its right) falls on that side.
namespace secondline {
constexpr int32 Below = 1;  // walls run right
constexpr int32 Left = 2;   // walls run down
constexpr int32 Above = 3;  // walls run left
constexpr int32 Right = 4;  // walls run up
constexpr bool IsAcross(int32 side) { return side == Below || side == Above; }
constexpr bool IsBeside(int32 side) { return side == Left || side == Right; }
}  // namespace secondline

// What the tool leaves in its fields for the plan window.
namespace inwallmark {
constexpr int32 WrongArrow = 30001;      // Y1: the arrow does not suit the second line's side
constexpr int32 WrongMoveArrow = 30002;  // Y1: the picked wall cannot move that way
constexpr int32 ThreeWayCorner = 30003;  // Y2: the picked wall is part of a three-way corner
constexpr int32 RunComplete = 30000;     // Distance: the wall run is complete
constexpr int32 EndsOnWall = 30001;      // Distance: the wall just made ends on a wall face
constexpr int32 Moved = 4;               // Result: the picked wall was moved
constexpr int32 Made = 1;                // Result: AddElement made the wall
}  // namespace inwallmark

// The wall-edit steps an internal wall answers to (Execute).
namespace inwalledit {
constexpr int32 First = 101;
constexpr int32 Last = 999;
}  // namespace inwalledit

class TInwallobjtool : public TLineobjtool {
 public:
  TInwallobjtool() { Type = tooltype::InWall; }

  // Bearings of the walls the new wall's two ends meet (-1: none).
  int32 StartMeetAngle = -1;
  int32 EndMeetAngle = -1;
  // The spacing of the wall being built and its second line.
  int32 Spacing = 0;
  plat::Point SecondStart{};
  plat::Point SecondEnd{};
  // The side of the second line chosen for this run (secondline::).
  int32 SecondLineSide = 0;
  // 0 until command 2 has checked the first arrow of the run against the side.
  int32 FirstArrowChecked = 0;
  // Where the run of walls began (Enter on the start point), and where the
  // wall being drawn began (the end of the wall before it in the run).
  plat::Point RunStart{};
  plat::Point SegmentStart{};
  // The ends of the last wall made met the face of an internal wall.
  bool StartMeetsInwall = false;
  bool EndMeetsInwall = false;

  // The side chosen in the spacing dialog: orders free walls and checks the
  // first arrow.
  void ChooseSide(int32 side);

  // ---- Slots ------------------------------------------------------------------
  // Commits the line held as a new internal wall: snapped, joined, checked,
  // stored, painted and saved. A wall that cannot stand (reaching off the
  // sheet) is refused with a message before anything is joined to it.
  void AddElement(plat::DeviceContext& dc, const plat::Rect& client) override;
  void Command(int32 code) override;
  // Steps 101..999: the edits of the picked wall (PickedIndex()); step 700
  // moves it by a (b: the arrow key). Step 1500 locks the design rooms
  // (LockDesignRooms with mode c).
  void Execute(int32 a, int32 b, int32 c) override;
  // The double line follows the pointer while a wall is drawn with the mouse.
  void MouseMove(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y) override;
  void DrawPreview(plat::DeviceContext& dc, int32 mode) override;

  // ---- Building one wall ----------------------------------------------------------
  // Snaps, spaces, places and joins the wall held, then adds it to the list
  // and saves the drawing. spacing 0 takes the settings file's. A user's
  // step records its undo step and reports a refusal. Returns the new
  // wall's index, or TFlist::kNothingFound when it was refused (the list,
  // the walls met and NextGroupNumber are then as they were).
  int32 CommitWall(int32 spacing, bool userStep);

  // The wall held, as a draft, and back.
  InwallDraft Draft() const;
  void TakeDraft(const InwallDraft& d);

  // ---- Locking design rooms (building/droom_lock.cpp) -----------------------------
  // Adds the wall held as it is, without snapping or joining: its first line
  // the outer face, its second line the inner face on the room side, Spacing
  // its thickness, Direction the way it runs (drawway::), LinkId both its
  // ids. The lock saves the drawing once all its rooms have their walls.
  // Returns the new wall.
  TInwallobj* CreateRoomWall();

 private:
  // The edits (building/inwall_edit.cpp, inwall_move.cpp); repeat: the
  // same wall again, its frame kept.
  void EditWall(int32 amount, bool repeat);
  void MoveWall(int32 key, int32 distance);
  // Command 2 and command 1 (building/inwall_measure.cpp).
  void MeasureToNextFace();
  void TestStartOnFace();
  // Commands 3 and 5 (building/inwall_stopend.cpp).
  void StopEndAtFreeStart();
  void StopEndWhereDrawingStops();
  // The spacing of the settings file, reported once per tool when missing.
  bool ReadSpacing(int32& spacing);
  bool spacingReported_ = false;
  bool previewShown_ = false;
};

// Builds one internal wall from a to b with the given spacing, its second
// line on the chosen side (secondline::) for a free wall, snapped and joined
// to the walls it meets, on the current floor; adds it and saves the drawing.
// Returns the new wall's index, or TFlist::kNothingFound when it was refused.
int32 BuildInternalWallBetween(plat::Point a, plat::Point b, int32 spacing, int32 side);
