// The drawing life cycle where drawings and views meet: the undo steps and
// the group drawing of one drawing must never end up in another, and the
// zoom-up command leaves its zoom state behind like every other zoom.
#include <gtest/gtest.h>

#include "model/flist.h"
#include "model/globals.h"
#include "planwindow/childwin.h"
#include "tests/planwindow_fixture.h"

namespace {

using planfix::Line;
using planfix::ShellTest;

class DrawingsApart : public ShellTest {
 protected:
  plat::ScriptedUi& ui = DefaultTestUi();
  void ExpectNothingToUndo() {
    ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbOK, plat::mrOk)
        .WithText("no more actions can be undone");
  }
  void ExpectNoUndoSteps() {
    for (int32 v : DrawingList.UndoViews) EXPECT_EQ(v, 0);
  }
};

TEST_F(DrawingsApart, ANewDrawingStartedFromTheGroupViewHasNoUndoStepsOfTheOldOne) {
  NewDrawing("HOUSE");
  Edit(Line(18000, 11000, 22000, 11000));
  form->CmSaveExecute();
  form->CmGroupExecute();

  NewDrawing("SHED");
  ExpectNoUndoSteps();
  ExpectNothingToUndo();
  form->CmUndoExecute();
  EXPECT_EQ(UserElementsIn("DWGS\\SHED.KWV"), 0) << "the house must not be undone into the shed";
}

TEST_F(DrawingsApart, OpeningADrawingFromTheGroupViewForgetsTheUndoStepsAndKeepsItsSavedCopy) {
  NewDrawing("SHED");
  NewDrawing("HOUSE");
  Edit(Line(18000, 11000, 22000, 11000));
  form->CmSaveExecute();
  form->CmGroupExecute();

  ASSERT_TRUE(form->OpenNamedDrawing("SHED"));
  ExpectNoUndoSteps();
  EXPECT_EQ(UserElementsIn("CFG\\tmp.cfg"), 0) << "the saved copy is the shed's";
}

TEST_F(DrawingsApart, TheDrawingLeftLastGetsItsKeptUndoStepsOnlyWhileTheyAreStillItsOwn) {
  NewDrawing("HOUSE");
  Edit(Line(18000, 11000, 22000, 11000));
  Edit(Line(18000, 11000, 22000, 12000));
  form->CmSaveExecute();
  Restart();  // HOUSE reopens with its two steps
  ASSERT_EQ(DrawingList.UndoViews[0], view::Ground);

  // Another drawing takes over the undo store ...
  NewDrawing("SHED");
  Edit(Line(1000, 1000, 2000, 2000));
  form->CmSaveExecute();
  const std::string house = dir.ReadFile("DWGS\\HOUSE.KWV");

  // ... so coming back to the house must not bring back its old steps.
  ASSERT_TRUE(form->OpenNamedDrawing("HOUSE"));
  ExpectNoUndoSteps();
  ExpectNothingToUndo();
  form->CmUndoExecute();
  EXPECT_EQ(dir.ReadFile("DWGS\\HOUSE.KWV"), house);
}

TEST_F(DrawingsApart, ReopeningTheDrawingLeftLastKeepsTheStepsMadeSinceTheStart) {
  NewDrawing("HOUSE");
  Edit(Line(18000, 11000, 22000, 11000));
  form->CmSaveExecute();
  Restart();
  CurrentView = view::First;
  Edit(Line(18000, 11000, 22000, 12000, view::First));
  form->CmSaveExecute();
  CurrentView = view::Ground;

  ASSERT_TRUE(form->OpenNamedDrawing("HOUSE"));
  // The step of this session, not the views kept by the last Exit.
  EXPECT_EQ(DrawingList.UndoViews[0], view::First);
  EXPECT_EQ(DrawingList.UndoViews[1], view::Ground);
}

TEST_F(DrawingsApart, ANewDrawingDoesNotTakeItsCountsFromAnOldGroupDrawingOfItsName) {
  // A group drawing left under the name by an earlier drawing.
  DrawingList.SetDrawingName("HOUSE");
  InitDrawingList();
  DrawingList.Add(Line(1000, 1000, 2000, 2000, view::Group));
  DesignRoomCount = 3;
  OpeningCount = 4;
  NextGroupNumber = 900;
  CurrentView = view::Group;
  DrawingList.WriteGroupFile();
  CurrentView = view::Ground;
  DrawingList.Clear();
  DesignRoomCount = OpeningCount = NextGroupNumber = 0;

  NewDrawing("HOUSE");
  EXPECT_EQ(DesignRoomCount, 0);
  EXPECT_EQ(OpeningCount, 0);
  EXPECT_EQ(NextGroupNumber, 0);
  EXPECT_EQ(dir.ReadFile("DWGS\\HOUSE.KWV").substr(0, 12), "6 0 0 0 1 0\n");
  EXPECT_EQ(UserElementsIn("DWGS\\HOUSE.GPD"), -6) << "the old group drawing is emptied";
}

TEST_F(DrawingsApart, ComingBackToTheGroupWindowWorksOnTheGroupDrawing) {
  NewDrawing("HOUSE");
  Edit(Line(18000, 11000, 22000, 11000));
  form->CmSaveExecute();
  form->CmGroupExecute();
  form->CmPlanExecute();
  form->CmGroupExecute();  // its window is still open
  EXPECT_EQ(frame.Open().size(), 2u);
  EXPECT_EQ(DrawingList.Count(), 0) << "the list holds the (empty) group drawing";

  // Leaving from here writes the group drawing, not the house, to the group file.
  form->CmExitExecute();
  EXPECT_LE(UserElementsIn("DWGS\\HOUSE.GPD"), 0);
  EXPECT_EQ(UserElementsIn("DWGS\\HOUSE.KWV"), 1);
}

TEST_F(DrawingsApart, TheZoomUpCommandRecordsTheZoomState) {
  NewDrawing("HOUSE");
  form->CmZoomhalfExecute();
  form->CmZoomupExecute();
  EXPECT_EQ(dir.ReadFile("CFG\\ZSTAT.CFG"),
            plat::Format("%d %d %d %d %d %f", 0, WindowExtX, WindowExtY, WindowOrgX, WindowOrgY,
                         double(ZoomFactor)));
  EXPECT_EQ(WindowExtX, 8000);
}

}  // namespace
