// The design-room commands beyond laying out rooms: a room sized from the
// free space between walls, altering a finished room, rooms in feet and
// inches, the wizards' rooms, and what goes wrong: missing settings, ids,
// spaces too small, cancelled dialogs.
#include "tests/droom_fixture.h"

namespace {

using droom::Box;
using roomfix::RoomTest;

const int32 kCodes[4] = {100, 100, 100, 100};

// An external wall whose inner face runs from (fx1, fy1) to (fx2, fy2).
TExtwallobj* ExtWall(int32 x1, int32 y1, int32 x2, int32 y2, int32 fx1, int32 fy1, int32 fx2,
                     int32 fy2, int32 floor = view::Ground) {
  return new TExtwallobj(kind::ExtWall, floor, 1, 0, 1, x1, 0, y1, x2, 0, y2, fx1, fy1, fx2, fy2,
                         0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 300, 0, 0, 0, 0, 0, 0, 900, 0, 0, 0,
                         DrawingColour, kCodes);
}
// An internal wall with its faces from (x1, y1)-(x2, y2) and the same line
// moved by (dx, dy).
TInwallobj* InWall(int32 x1, int32 y1, int32 x2, int32 y2, int32 dx, int32 dy, int32 id = 1,
                   int32 floor = view::Ground) {
  return new TInwallobj(kind::InWall, floor, id, id, 1, x1, 0, y1, x2, 0, y2, x1 + dx, 0, y1 + dy,
                        x2 + dx, y2 + dy, 0, 0, 0, 100, 0, 0, 0, 0, -1, -1, 0, 0, 0,
                        DrawingColour, kCodes);
}
TTextobj* Label(int32 id, int32 group, int32 floor = view::Ground) {
  return new TTextobj(kind::WallLabel, floor, id, group, 100, 100, 900, 0, 0, DrawingColour, 0, 0,
                      6, 0, 12, 400, "Arial", "Study");
}
TRoomobj* Room(int32 kindCode, int32 id, const Box& b, int32 floor = view::Ground) {
  return new TRoomobj(kindCode, floor, id, id, b.left, b.top, b.right, b.bottom, b.right - b.left,
                      b.top - b.bottom, 1, BackgroundColour, 10, 5, 4, 4, "Study", "3000",
                      "2000");
}

class RoomCommands : public RoomTest {
 protected:
  // A building of external walls 300 thick from (15000, 10000) to
  // (25000, 18000) with a partition whose faces stand at x = 20000 and 20100.
  void Building() {
    Edit(ExtWall(15000, 18000, 25000, 18000, 15300, 17700, 24700, 17700));
    Edit(ExtWall(25000, 18000, 25000, 10000, 24700, 17700, 24700, 10300));
    Edit(ExtWall(25000, 10000, 15000, 10000, 24700, 10300, 15300, 10300));
    Edit(ExtWall(15000, 10000, 15000, 18000, 15300, 10300, 15300, 17700));
    Edit(InWall(20000, 10300, 20000, 17700, 100, 0));
  }
};

TEST_F(RoomCommands, ARoomTakesTheFreeSpaceBetweenWalls) {
  NewDrawing("PLAN");
  Building();
  const int steps = UndoSteps();
  form->CmDroomFreeSpaceExecute();
  EXPECT_EQ(RoomTool()->Step, roomstep::FreeSpace);

  wallMetric.Answer();
  roomMetric.Answer([](dlg::TTRoomdlg& d) {
    // The measured space comes straight into the dialog; the view stays.
    EXPECT_EQ(CurrentView, view::Ground);
    d.name = "Study";
  });
  Click(17000, 14000);
  ASSERT_EQ(roomMetric.Asked(), 1);
  EXPECT_EQ(roomMetric.Shown()[0].width, 20000 - 15300);
  EXPECT_EQ(roomMetric.Shown()[0].length, 17700 - 10300);
  EXPECT_EQ(dir.ReadFile("CFG\\MAX.CFG"), "4700 7400");
  const TRoomobj study = RoomNamed("Study");
  EXPECT_EQ(study.Floor, view::Ground);
  EXPECT_EQ(study.RoomWidth, 4700);
  EXPECT_EQ(study.RoomHeight, 7400);
  EXPECT_EQ(UndoSteps(), steps + 1);  // the new room can be undone
  EXPECT_EQ(RoomTool()->Step, roomstep::Idle);
  EXPECT_EQ(Child().ChildMode, childmode::Creation);
  form->CmUndoExecute();
  EXPECT_TRUE(RoomsInFile().empty());

  // Outside the walls: said so, nothing measured.
  dir.WriteFile("CFG\\MAX.CFG", "1 1");
  form->CmDroomFreeSpaceExecute();
  ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbCancel, plat::mrCancel)
      .WithText("the click was probably outside the external walls");
  Click(12000, 14000);
  EXPECT_EQ(dir.ReadFile("CFG\\MAX.CFG"), "1 1");
  EXPECT_EQ(roomMetric.Asked(), 1);
}

TEST_F(RoomCommands, ASpaceTooSmallOrAnEmptyFloorIsSaidSo) {
  NewDrawing("PLAN");
  // Nothing but the information records: no space can be measured.
  form->CmDroomFreeSpaceExecute();
  ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbCancel, plat::mrCancel)
      .WithText("the click was probably outside the external walls");
  Click(17000, 14000);

  // A measured space too small for a room shows no dialog but says why.
  Edit(Room(kind::Room, 10001, {30000, 20000, 33000, 18000}));
  form->SetTool(tooltype::DesignRoom);
  dir.WriteFile("CFG\\MAX.CFG", "10 5000");
  ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbOK, plat::mrOk)
      .WithText("the free space is too small for a room");
  Child().RoomInFreeSpace();
  EXPECT_EQ(roomMetric.Asked(), 0);
  EXPECT_NE(RoomTool(), nullptr);  // the tool stays
}

TEST_F(RoomCommands, AlteringAFinishedRoomTakesAwayOnlyItsOwnWallsAndTexts) {
  NewDrawing("PLAN");
  const Box box{16000, 16000, 19000, 14000};
  Edit(Room(kind::LockedRoom, 10005, box));
  Edit(InWall(15900, 14000, 15900, 16000, -100, 0, 10005));  // its left wall
  Edit(Label(10006, 10005));                                // its name
  Edit(new TDimensobj(kind::Dimension261, view::Ground, 10007, 10005, 16000, 15700, 19000, 15700,
                      16100, 15700, 18900, 15700, 900, 1, DrawingColour));
  Edit(InWall(19000, 14000, 19000, 16000, 100, 0, 10009));       // the next room's wall
  Edit(InWall(16000, 9000, 19000, 9000, 0, -100, 10005, view::First));  // same id upstairs
  const int steps = UndoSteps();

  form->CmDroomAlterExecute();
  EXPECT_EQ(form->CurrentTool()->Type, tooltype::DesignRoom2);
  Click(17000, 15000);
  TFlist list;
  list.ProgramDir = DrawingList.ProgramDir;
  list.SetDrawingName("PLAN");
  list.ReadDrawingFile(dtDrawing);
  std::vector<int32> kinds;
  for (int32 i = 6; i < list.Count(); ++i) kinds.push_back(list.At(i)->Kind);
  // The room is a design room again; the other room's wall and the wall
  // upstairs stay.
  EXPECT_EQ(kinds, (std::vector<int32>{kind::Room29001, kind::InWall, kind::InWall}));
  EXPECT_EQ(list.At(7)->Tag1, 10009);
  EXPECT_EQ(list.At(8)->Floor, view::First);
  EXPECT_EQ(UndoSteps(), steps + 1);
  EXPECT_EQ(form->CurrentTool()->Step, roomstep::Idle);

  // It can be dragged again, and the undo brings the finished room back.
  const plat::Point d = Moved(16100, 15900, 16100 + 2000, 15900);
  Drag(16100, 15900, 16100 + 2000, 15900);
  EXPECT_EQ(RoomsInFile()[0].X1, box.left + d.x);
  form->CmUndoExecute();
  form->CmUndoExecute();
  EXPECT_EQ(RoomsInFile()[0].Kind, kind::LockedRoom);

  // A click beside any finished room says so.
  form->CmDroomAlterExecute();
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbRetry, plat::mrRetry)
      .WithText("no room selected - re select and retry");
  Click(22000, 15000);
}

TEST_F(RoomCommands, RoomsInFeetAndInches) {
  wallImperial.Answer([](dlg::TTRoomptnimp& d) {
    d.inches = 4;
    d.eighths = 4;
  });
  AnswerImperialRoom("Bed", 3609, 2880);
  NewDrawing("COTTAGE", 0, true);
  EXPECT_EQ(dir.ReadFile("CFG\\RMPTNI.CFG"), "108 108 108 108 108 108");
  TRoomobj bed = RoomNamed("Bed");
  EXPECT_EQ(bed.RoomWidth, 3609);
  EXPECT_STREQ(bed.WidthText, "12' 6 3/8''");
  EXPECT_STREQ(bed.HeightText, "10' 0''");
  EXPECT_EQ(form->st.PanelText(0),
            "GUIDE: place cursor in room, move with Left Button down (align to Room), RB (align "
            "Boundary)");

  // A nudge is one inch; a typed move goes through the feet dialog.
  form->CmDroomMoveExecute();
  Click(bed.X1 + 120, bed.Y1 - 120, 2);
  Key(plat::VK_RIGHT);
  EXPECT_EQ(RoomNamed("Bed").X1, bed.X1 + 24);
  form->CmDroomMoveExecute();
  bed = RoomNamed("Bed");
  Click(bed.X1 + 120, bed.Y1 - 120);
  feet.Answer([](TTFeetdlg& d) {
    d.Feet = 2;
    d.Inches = 6;
    d.Eighths = 0;
  });
  Key(plat::VK_UP);
  EXPECT_EQ(RoomNamed("Bed").Y1, bed.Y1 + 720);

  // Growing by a length that is not a whole eighth rounds the text down.
  form->CmDroomEnlargeExecute();
  Click(bed.X1 + 120, bed.Y1 + 600);
  feet.Answer([](TTFeetdlg& d) {
    d.Feet = 0;
    d.Inches = 0;
    d.Eighths = 1;
  });
  Key(plat::VK_LEFT);
  EXPECT_STREQ(RoomNamed("Bed").WidthText, "12' 6 1/2''");
  EXPECT_EQ(RoomNamed("Bed").RoomWidth, 3612);
}

TEST_F(RoomCommands, TheWizardTakesItsOwnRoomAndACancelEndsItInBothUnits) {
  NewDrawing("PLAN");
  WizardActive = 1;
  WizardKind = 1;
  WizardStep = 14;
  wallMetric.Answer();
  AnswerRoom("Kitchen", 1000, 1000);
  form->CmDroomExecute();
  const TRoomobj bed = RoomNamed("Bed 1");
  EXPECT_EQ(bed.RoomWidth, 3600);
  EXPECT_EQ(bed.RoomHeight, 3600);
  EXPECT_EQ(WizardStep, 16);

  roomMetric.Cancel();
  form->CmDroomExecute();
  EXPECT_EQ(WizardActive, 0);
  EXPECT_EQ(form->CurrentTool()->Type, tooltype::Pick);

  wallImperial.Cancel();  // the new layout's first room: no thickness, no room
  NewDrawing("COTTAGE", 0, true);
  WizardActive = 1;
  WizardKind = 4;
  WizardStep = 101;
  wallImperial.Cancel();
  form->CmDroomExecute();
  EXPECT_EQ(WizardStep, 0);  // an ended wizard is reset whole
  EXPECT_EQ(WizardActive, 0);
  wallImperial.Answer();
  roomImperial.Cancel();
  WizardActive = 1;
  WizardKind = 4;
  WizardStep = 102;
  form->CmDroomExecute();
  EXPECT_EQ(roomImperial.Asked(), 1);
  EXPECT_EQ(WizardActive, 0);  // Cancel on the imperial room dialog ends it too
  EXPECT_TRUE(RoomsInFile().empty());
}

TEST_F(RoomCommands, MissingSettingsGiveDefaultsAndNamesAreCut) {
  for (const char* f : {"CFG\\NEWRM.CFG", "CFG\\RMCLR.CFG", "CFG\\MERGEM.CFG", "CFG\\RMPTNM.CFG"})
    std::remove(dir.Path(f).c_str());
  wallMetric.Answer([](dlg::TTRoomptndlg& d) { d.thickness = 120; });
  AnswerRoom("A NAME OF THIRTY LETTERS ABCDEF", 3000, 3000);
  NewDrawing("PLAN", 1, true);
  const TRoomobj first = RoomsInFile()[0];
  EXPECT_EQ(first.DimensionChoice, 1);
  EXPECT_EQ(first.RoomFill, BackgroundColour);
  EXPECT_STREQ(first.RoomName, "A NAME OF THIRTY");  // 16 letters
  EXPECT_EQ(dir.ReadFile("CFG\\RMPTNM.CFG"), "120 120 120 120 120 120");
  EXPECT_EQ(dir.ReadFile("CFG\\NEWRM.CFG"), "1 1");

  // No merging distance: a room dropped 50 from another stays put.
  roomMetric.Answer([](dlg::TTRoomdlg& d) {
    d.name = "B";
    d.colourChoice = 2;  // wet area, but no colours on file: no colour
  });
  form->CmDroomExecute();
  EXPECT_EQ(RoomNamed("B").RoomFill, BackgroundColour);
  const plat::Point d = Moved(first.X1 + 100, first.Y1 - 100, 20000, 15000);
  Drag(first.X1 + 100, first.Y1 - 100, 20000, 15000);
  const TRoomobj a = RoomsInFile()[0];
  const TRoomobj b = RoomNamed("B");
  const plat::Point want{a.X2 + 50 + 100, a.Y1 - 100};
  const plat::Point moved = Moved(b.X1 + 100, b.Y1 - 100, want.x, want.y);
  Drag(b.X1 + 100, b.Y1 - 100, want.x, want.y);
  EXPECT_EQ(RoomNamed("B").X1, b.X1 + moved.x);
  EXPECT_EQ(a.X1, first.X1 + d.x);
}

TEST_F(RoomCommands, NewIdsNeverMeetAnotherRoomsIds) {
  wallMetric.Answer();
  AnswerRoom("First", 2000, 2000);
  NewDrawing("PLAN", 1, true);
  // A room upstairs whose id the ground floor's numbering is about to reach.
  Edit(Room(kind::Room, 11006, {1000, 5000, 3000, 3000}, view::LayoutFirst));
  NextGroupNumber = 1002;  // the next ground-floor id would be 11003
  AnswerRoom("Hall", 2000, 2000);
  form->CmDroomExecute();
  const TRoomobj hall = RoomNamed("Hall");
  EXPECT_GE(hall.Tag1, 11006 + 4);
  EXPECT_EQ(NextGroupNumber, hall.Tag1 - 10000);
}

TEST_F(RoomCommands, ARoomGrabbedAtItsCentreDropsWithoutSnapping) {
  NewDrawing("PLAN");
  Edit(Room(kind::Room, 10001, {16000, 16000, 19000, 14000}));
  Edit(Room(kind::Room, 10005, {21000, 16000, 24000, 14000}));
  // Dragged by its centre to 50 right of the first room: it stays there.
  const plat::Point d = Moved(22500, 15000, 22500 - 1950, 15000 - 25);
  Drag(22500, 15000, 22500 - 1950, 15000 - 25);
  EXPECT_EQ(RoomsInFile()[1].X1, 21000 + d.x);
  EXPECT_EQ(RoomsInFile()[1].Y1, 16000 + d.y);
  // Dragged by its side, the same drop snaps a wall's width away, tops flush.
  form->CmUndoExecute();
  Drag(21100, 15900, 21100 - 1950, 15900 - 25);
  EXPECT_EQ(RoomsInFile()[1].X1, 19000 + 110);
  EXPECT_EQ(RoomsInFile()[1].Y1, 16000);
}

TEST_F(RoomCommands, CentringAidsDoNotTurnRooms) {
  NewDrawing("PLAN");
  Edit(Room(kind::Room, 10001, {16000, 16000, 19000, 14000}));
  form->CmDroomMoveExecute();
  form->CmCentreExecute();
  EXPECT_EQ(form->CurrentTool()->Type, tooltype::Pick);
  EXPECT_EQ(form->CurrentTool()->Step, toolstep::CentreFirst);
  Click(17000, 15000);
  EXPECT_EQ(RoomsInFile()[0].RoomWidth, 3000);  // not turned
}

}  // namespace
