// The window, door and opening tool: set up from the window or door
// settings, it shows a ghost of the opening at the pointer and, on Enter,
// finds the wall under the pointer and cuts the opening into it (a frame
// that blanks the wall over the opening, jambs, a glass line and a size
// label for windows, leaves, swings and panels for doors).
#pragma once

#include "building/opening_fit.h"
#include "building/opening_settings.h"
#include "tools/linetool.h"

namespace refusal {
constexpr int32 None = 0;
constexpr int32 NoWall = 1;            // no wall under the cursor takes the opening
constexpr int32 RoundWindowSplit = 2;  // a round window would reach above its wall
}  // namespace refusal

class TWindowobjtool : public TLineobjtool {
 public:
  TWindowobjtool() { Type = tooltype::OpeningNew; }

  // The ghost follows the pointer (X, Y client pixels) while the tool type is 200.
  void MouseMove(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y) override;
  // The ghost at GhostPos in exclusive-or: drawn twice it is gone.
  void DrawPreview(plat::DeviceContext& dc, int32 mode) override;
  // Finds the wall under the cursor and places the opening there; value 4
  // places nothing. Result (and the ghost y) is 1 when nothing was placed.
  void KeyDown(plat::DeviceContext& dc, const plat::Rect& client, int32 key,
               plat::Point& cursor, int32 value) override;
  // Sets the opening up from its settings file: kind 1 a window, 2 a door or
  // opening; any other kind only sets LeafCount to 1. Ready tells whether it
  // could be set up (the settings were read and give a width above 0).
  void Execute(int32 a, int32 kind, int32 c) override;

  // The halves of KeyDown. LocateWall finds the wall, or sets Result to 1
  // and keeps why there is none for ShowRefusal, which tells the user (once
  // the window's device context is given back); PlaceOpening builds the
  // opening on the wall and writes the drawing.
  bool LocateWall(plat::DeviceContext& dc, const plat::Rect& client, plat::Point cursor);
  void ShowRefusal();
  void PlaceOpening(plat::DeviceContext& dc, const plat::Rect& client, int32 value);
  void BuildOpening(plat::DeviceContext& dc, const plat::Rect& client);
  void AddSizeLabel(plat::DeviceContext& dc, const plat::Rect& client);
  void BuildDoorSymbol(plat::DeviceContext& dc, const plat::Rect& client);
  // Turns (x, y) about PlacePoint as the opening is turned with its wall and
  // stores it in PlacePoint.
  void RotateLeafPoint(int32 x, int32 y);

  bool Ready = false;
  int32 OpeningWidth = 0;
  int32 OpeningLevel = 0;
  int32 LeafWidth = 0;
  int32 LeafCount = 1;
  int32 FoldSide = 1;
  int32 DoorOption = 0;
  int32 SwingDirection = 0;
  int32 ShowSizes = 0;
  int32 ShowCill = 0;
  int32 WallClass = wallclass::External;
  int32 WallThickness = 0;
  int32 WallAngle = 0;
  plat::Point PlacePoint{0, 0};  // before placing: a hanging door's leaf offsets
  int32 CursorFace = cursorface::Insertion;
  int32 WallIndex = 0;
  int32 WallBase = 0;
  int32 WallLink = 0;
  int32 NewElementId = 0;
  int32 GhostShown = 0;
  // What the dialog chain leaves: the option value and the kind chosen.
  int32 OpeningOption = 0;
  int32 ChosenKind = 0;
  int32 Refusal = 0;  // refusal:: why the last LocateWall found no place

 private:
  // Turns an element built as if the wall ran along +x (insertion face at
  // PlacePoint.y, the other face at PlacePoint.y + WallThickness) with the
  // wall, adds it to the drawing and paints it.
  void Emit(plat::DeviceContext& dc, const plat::Rect& client, TObj* e);
  // A line of the door symbol in the build frame.
  void DoorLine(plat::DeviceContext& dc, const plat::Rect& client, int32 x1, int32 y1, int32 x2,
                int32 y2, int32 width);
  void SwingArc(plat::DeviceContext& dc, const plat::Rect& client, plat::Point hinge,
                int32 radius, plat::Point from, plat::Point to);
  void BuildHangingDoor(plat::DeviceContext& dc, const plat::Rect& client);
  void BuildDoublePair(plat::DeviceContext& dc, const plat::Rect& client, bool insertionSide);
  void BuildEntryFrame(plat::DeviceContext& dc, const plat::Rect& client);
  void BuildSideFrameSliders(plat::DeviceContext& dc, const plat::Rect& client);
  void BuildFolding(plat::DeviceContext& dc, const plat::Rect& client);
  void BuildInwallSliders(plat::DeviceContext& dc, const plat::Rect& client);
  void BuildWardrobe(plat::DeviceContext& dc, const plat::Rect& client);
  void ShowMarkingError() const;
  bool SetUpWindow();
  bool SetUpDoor();

  DoorSwing swing_;       // read when the door symbol is built
  int32 doorLineWidth_ = 1;
  int32 ls_ = 0, lc_ = 0;  // a leaf's reach across and along the wall
};

// The id base of an opening on a floor: 100000 on the ground floor, 10000
// more on each floor above, and on the basement; other views 160000.
int32 OpeningIdBase(int32 view);
