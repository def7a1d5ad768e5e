// A user lays out design rooms: starts a drawing with "layout design rooms",
// adds rooms by name and size, drags one against another, aligns one with
// the right button, nudges and moves one by keys, turns, grows, shrinks and
// deletes rooms, finds the free space between walls for a new room and
// alters a finished room; every step in the live file and undoable.
#include "tests/droom_fixture.h"

namespace {

using droom::Box;
using roomfix::RoomTest;

Box BoxOf(const TObj& e) { return {e.X1, e.Y1, e.X2, e.Y2}; }
Box Shifted(const Box& b, plat::Point d) {
  return {b.left + d.x, b.top + d.y, b.right + d.x, b.bottom + d.y};
}

// A point inside a room, well away from its centre (a drag from there snaps).
plat::Point Edge(const TRoomobj& r) { return {r.X1 + 100, r.Y1 - 100}; }
plat::Point Centre(const TRoomobj& r) { return {r.X1 + r.RoomWidth / 2, r.Y1 - r.RoomHeight / 2}; }

class RoomStory : public RoomTest {};

// In a window larger than the sheet a new room stands on the sheet, two
// pixels inside its bottom left corner.
TEST_F(RoomStory, InAWindowLargerThanTheSheetANewRoomStandsOnTheSheet) {
  frame.clientSize = {1714, 870};
  wallMetric.Answer([](dlg::TTRoomptndlg& d) { d.thickness = 100; });
  AnswerRoom("Lounge", 4000, 3000);
  NewDrawing("PLAN", 1, true);
  const std::vector<TRoomobj> rooms = RoomsInFile();
  ASSERT_EQ(rooms.size(), 1u);
  EXPECT_EQ(rooms[0].X1, 50);
  EXPECT_EQ(rooms[0].Y2, 50);
}

TEST_F(RoomStory, LayOutRoomsOnTheLayoutView) {
  wallMetric.Answer([](dlg::TTRoomptndlg& d) { d.thickness = 100; });
  AnswerRoom("Lounge", 4000, 3000);
  NewDrawing("PLAN", 1, true);

  // The first room: the wall thickness first, then name and size.
  ASSERT_EQ(wallMetric.Asked(), 1);
  EXPECT_EQ(Window().caption, "PLAN.LYT");
  EXPECT_EQ(dir.ReadFile("CFG\\RMPTNM.CFG"), "100 110 110 110 110 110");
  std::vector<TRoomobj> rooms = RoomsInFile();
  ASSERT_EQ(rooms.size(), 1u);
  const TRoomobj lounge = rooms[0];
  EXPECT_EQ(lounge.Kind, kind::Room);
  EXPECT_EQ(lounge.Floor, view::LayoutGround);
  EXPECT_EQ(lounge.LinkId, 10001);
  EXPECT_EQ(lounge.Tag1, 10001);
  EXPECT_EQ(BoxOf(lounge), droom::NewRoomBox(4000, 3000, WindowOrgX, WindowOrgY, 5));
  EXPECT_EQ(lounge.RoomWidth, 4000);
  EXPECT_EQ(lounge.RoomHeight, 3000);
  EXPECT_STREQ(lounge.RoomName, "Lounge");
  EXPECT_STREQ(lounge.WidthText, "4000");
  EXPECT_STREQ(lounge.HeightText, "3000");
  EXPECT_EQ(lounge.DimensionChoice, 1);           // "CFG\NEWRM.CFG" as shipped
  EXPECT_EQ(lounge.RoomFill, BackgroundColour);  // colour choice 1: none
  EXPECT_EQ(lounge.LabelSize, TextSize);
  EXPECT_EQ(UndoSteps(), 1);
  EXPECT_EQ(form->st.PanelText(0), "GUIDE: place cursor in room, move with Left Button down");
  EXPECT_NE(RoomTool(), nullptr);

  // Two more from the Rooms menu: no wall question now; a bedroom in its colour.
  roomMetric.Answer([](dlg::TTRoomdlg& d) {
    d.name = "Bed 1";
    d.width = 3000;
    d.length = 3000;
    d.colourChoice = 3;
    d.dimensionChoice = 2;
  });
  form->CmDroomExecute();
  AnswerRoom("", 2000, 2500);
  form->CmDroomExecute();
  EXPECT_EQ(wallMetric.Asked(), 1);
  EXPECT_EQ(dir.ReadFile("CFG\\NEWRM.CFG"), "2 3");  // the choices are kept
  rooms = RoomsInFile();
  ASSERT_EQ(rooms.size(), 3u);
  const TRoomobj bed = RoomNamed("Bed 1");
  EXPECT_EQ(bed.RoomFill, 13434828u);  // the bedroom colour of "CFG\RMCLR.CFG"
  EXPECT_EQ(bed.DimensionChoice, 2);
  EXPECT_STREQ(rooms[2].RoomName, "none");  // an empty name
  // Ids keep clear of each other's text ids (a room's texts take id + 1..3).
  EXPECT_GE(bed.Tag1, lounge.Tag1 + 4);
  EXPECT_GE(rooms[2].Tag1, bed.Tag1 + 4);
  EXPECT_EQ(UndoSteps(), 3);

  // Drag the lounge away (rooms stack at the new-room place; a click takes
  // the first listed).
  const plat::Point d1 = Moved(Edge(lounge).x, Edge(lounge).y, 20000, 15000);
  Drag(Edge(lounge).x, Edge(lounge).y, 20000, 15000);
  const Box loungeBox = Shifted(BoxOf(lounge), d1);
  EXPECT_EQ(BoxOf(RoomNamed("Lounge")), loungeBox);
  EXPECT_EQ(UndoSteps(), 4);
  EXPECT_EQ(RoomTool()->Step, roomstep::Idle);

  // Drop the bedroom 50 right of the lounge, its top 25 below the lounge's:
  // it snaps a wall's width (100) away and flush with the top.
  const plat::Point from = Edge(bed);
  const plat::Point want{loungeBox.right + 50 + 100, loungeBox.top - 25 - 100};
  Drag(from.x, from.y, want.x, want.y);
  Box bedBox = BoxOf(RoomNamed("Bed 1"));
  EXPECT_EQ(bedBox.left, loungeBox.right + 100);
  EXPECT_EQ(bedBox.top, loungeBox.top);
  EXPECT_EQ(bedBox.right - bedBox.left, 3000);
  EXPECT_EQ(UndoSteps(), 5);

  // Right-drag the third room under the lounge, 50 right of its left edge:
  // the right button lines it up with the rooms' left extent.
  const TRoomobj third = RoomsInFile()[2];
  const plat::Point tFrom = Edge(third);
  Drag(tFrom.x, tFrom.y, loungeBox.left + 50 + 100, loungeBox.bottom - 1000 - 100, 2);
  Box thirdBox = BoxOf(RoomsInFile()[2]);
  EXPECT_EQ(thirdBox.left, loungeBox.left);
  EXPECT_EQ(thirdBox.right - thirdBox.left, 2000);
  EXPECT_EQ(UndoSteps(), 6);

  // Nudge it by keys: Move Room, right click, two arrows.
  form->CmDroomMoveExecute();
  Click(thirdBox.left + 100, thirdBox.top - 100, 2);
  EXPECT_EQ(RoomTool()->Step, roomstep::Nudge);
  Key(plat::VK_LEFT);
  Key(plat::VK_LEFT);
  EXPECT_EQ(BoxOf(RoomsInFile()[2]), Shifted(thirdBox, {-50, 0}));
  EXPECT_EQ(UndoSteps(), 8);
  EXPECT_EQ(RoomTool()->DragPhase, dragphase::NotStarted);
  thirdBox = Shifted(thirdBox, {-50, 0});

  // Move it by a typed distance: left click, an arrow, the distance.
  form->CmDroomMoveExecute();
  Click(thirdBox.left + 100, thirdBox.top - 100);
  EXPECT_EQ(RoomTool()->Step, roomstep::MoveByDistance);
  ui.ExpectInput("1000").WithPrompt("DOWN");
  Key(plat::VK_DOWN);
  EXPECT_EQ(BoxOf(RoomsInFile()[2]), Shifted(thirdBox, {0, -1000}));
  EXPECT_EQ(RoomTool()->Step, roomstep::Idle);
  EXPECT_EQ(UndoSteps(), 9);

  // Turn the bedroom about its centre after making it oblong (the undo
  // store keeps ten steps: start counting again). The grown room is shown.
  DrawingList.UpdateUndoHistory(uoReset, 0);
  form->CmDroomEnlargeExecute();
  Click(bedBox.left + 100, bedBox.top - 100);
  ui.ExpectInput("1001").WithPrompt("RIGHT");
  Window().Paint();
  const std::size_t invalidated = Window().window.Invalidated().size();
  Key(plat::VK_RIGHT);
  EXPECT_GT(Window().window.Invalidated().size(), invalidated);
  TRoomobj grown = RoomNamed("Bed 1");
  EXPECT_EQ(grown.RoomWidth, 4001);
  EXPECT_EQ(grown.X2, bedBox.right + 1001);
  EXPECT_STREQ(grown.WidthText, "4001");
  EXPECT_EQ(UndoSteps(), 1);
  form->CmDroomRotateExecute();
  Click(grown.X1 + 100, grown.Y1 - 100);
  const TRoomobj turned = RoomNamed("Bed 1");
  EXPECT_EQ(turned.RoomWidth, 3000);
  EXPECT_EQ(turned.RoomHeight, 4001);
  EXPECT_EQ(turned.X2 - turned.X1, 3000);
  EXPECT_EQ(turned.Y1 - turned.Y2, 4001);
  EXPECT_STREQ(turned.WidthText, "3000");
  EXPECT_STREQ(turned.HeightText, "4001");
  EXPECT_EQ(Centre(turned).x, Centre(grown).x);
  EXPECT_EQ(UndoSteps(), 2);
  EXPECT_EQ(RoomTool()->Step, roomstep::Idle);  // one turn per command

  // Shrink the lounge from the left; it stops at the smallest room.
  form->CmDroomShrinkExecute();
  Click(loungeBox.left + 100, loungeBox.top - 100);
  ui.ExpectInput("500").WithPrompt("LEFT");
  Key(plat::VK_LEFT);
  EXPECT_EQ(RoomNamed("Lounge").X1, loungeBox.left + 500);
  EXPECT_EQ(RoomNamed("Lounge").RoomWidth, 3500);
  ui.ExpectInput("9000").WithPrompt("UP");
  Key(plat::VK_UP);
  EXPECT_EQ(RoomNamed("Lounge").RoomHeight, 100);
  EXPECT_STREQ(RoomNamed("Lounge").HeightText, "100");
  ui.ExpectInput("50").WithPrompt("UP");
  ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbOK, plat::mrOk)
      .WithText("a room cannot be made smaller than 100");
  const int before = UndoSteps();
  Key(plat::VK_UP);
  EXPECT_EQ(UndoSteps(), before);  // refused: no undo step
  EXPECT_EQ(RoomNamed("Lounge").RoomHeight, 100);

  // Undo the shrinks, then delete the third room.
  form->CmUndoExecute();
  form->CmUndoExecute();
  EXPECT_EQ(RoomNamed("Lounge").RoomHeight, 3000);
  EXPECT_EQ(RoomNamed("Lounge").X1, loungeBox.left);
  form->CmDroomDeleteExecute();
  Click(thirdBox.left + 100, thirdBox.top - 1000 - 100);
  EXPECT_EQ(RoomsInFile().size(), 2u);
  form->CmUndoExecute();
  EXPECT_EQ(RoomsInFile().size(), 3u);

  // A click beside every room selects nothing, says so, and records nothing.
  form->CmDroomRotateExecute();
  const int steps = UndoSteps();
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbRetry, plat::mrRetry)
      .WithText("no room selected - re select and retry");
  Click(1000, 30000);
  EXPECT_EQ(UndoSteps(), steps);
}

}  // namespace
