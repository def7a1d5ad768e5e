// A user's session through the menus, as the commands and the window see it:
// the save question after drawing, the recent drawings, opening outside the
// drawings folder, the prompts left in the status bars.
#include <gtest/gtest.h>

#include "dialogs/drawing_dialogs.h"
#include "model/flist.h"
#include "model/globals.h"
#include "planwindow/childwin.h"
#include "platform/keys.h"
#include "tests/planwindow_fixture.h"

namespace {

using planfix::ShellTest;

constexpr const char* kLive = "DWGS\\HOUSE.KWV";
constexpr const char* kSaveQuestion = "do you wish to save drawing changes?";

class UserStory : public ShellTest {
 protected:
  plat::ScriptedUi& ui = DefaultTestUi();
  void DragLine(int x1, int y1, int x2, int y2) {
    Child().OnMouseDown(1, x1, y1);
    Child().OnMouseMove(x2, y2, true);
    Child().OnMouseUp(1, x2, y2);
  }
};

TEST_F(UserStory, ALineDrawnThroughTheMenuIsAskedAboutAndCanBeDeclined) {
  NewDrawing("HOUSE");
  EXPECT_EQ(AutosaveMode, 0);
  form->CmLineExecute();
  EXPECT_EQ(AutosaveMode, 1);
  DragLine(100, 100, 300, 100);
  EXPECT_EQ(UserElementsIn(kLive), 1);

  // Saving disarms the question; the next command arms it again.
  form->CmSaveExecute();
  EXPECT_EQ(AutosaveMode, 0);
  form->CmLineExecute();
  DragLine(100, 200, 300, 200);
  EXPECT_EQ(UserElementsIn(kLive), 2);

  ui.ExpectQuestion(plat::mrNo).WithText(kSaveQuestion);
  form->CmExitExecute();
  EXPECT_EQ(UserElementsIn(kLive), 1) << "the unsaved line is declined";
}

TEST_F(UserStory, UndoIsAChangeTheQuestionAsksAbout) {
  NewDrawing("HOUSE");
  form->CmLineExecute();
  DragLine(100, 100, 300, 100);
  form->CmSaveExecute();
  form->CmUndoExecute();
  EXPECT_EQ(UserElementsIn(kLive), 0);
  ui.ExpectQuestion(plat::mrYes).WithText(kSaveQuestion);
  form->FormCloseQuery();  // the title bar's close button
  EXPECT_EQ(UserElementsIn("CFG\\tmp.cfg"), 0);
}

// Chosen from the menu, a turn into a new name opens that drawing as saved:
// there is nothing to ask about it.
TEST_F(UserStory, ADrawingTurnedIntoANewNameOpensWithNothingToAsk) {
  NewDrawing("HOUSE");
  dlg::InstalledScript<TTManipdlg> turn;
  turn.Answer([](TTManipdlg& d) {
    d.Name = "TURNED";
    d.Operation = 180;
  });
  form->RunCommand(&TMainForm::CmRotateMirrorExecute);
  EXPECT_EQ(DrawingList.DrawingName, "TURNED");
  EXPECT_EQ(AutosaveMode, 0);
  EXPECT_FALSE(form->HasUnsavedChanges());
}

TEST_F(UserStory, SavingWithoutAskingSurvivesOpeningADrawing) {
  NewDrawing("HOUSE");
  form->CmSaveExecute();
  dir.WriteFile("CFG\\SAVE.CFG", "2\n");
  form->CmExitExecute();
  form.reset();
  ResetGlobals();
  Start();
  EXPECT_EQ(AutosaveMode, 2);
  timer.Fire();  // reopens HOUSE
  ASSERT_TRUE(form->DrawingOpen());
  EXPECT_EQ(AutosaveMode, 2);
  form->CmLineExecute();
  EXPECT_EQ(AutosaveMode, 2);
  DragLine(100, 100, 300, 100);
  form->CmExitExecute();  // no question: saved as it stands
  EXPECT_EQ(UserElementsIn("CFG\\tmp.cfg"), 1);
}

}  // namespace

namespace {

class KeyboardLines : public UserStory {
 protected:
  void SetUp() override {
    UserStory::SetUp();
    NewDrawing("HOUSE");
    form->CmLineExecute();
  }
  // The pointer over client pixel (x, y) of the active window.
  void PointAt(int x, int y) { ui.cursor = Window().window.ClientToScreen({x, y}); }
  int UndoSteps() const {
    int n = 0;
    for (int32 v : DrawingList.UndoViews) n += v != 0;
    return n;
  }
};

TEST_F(KeyboardLines, EachLineStartedWithEnterIsOneUndoStep) {
  for (int line = 0; line < 2; ++line) {
    PointAt(200, 200 + 50 * line);
    Child().FormKeyDown(plat::VK_RETURN, false);
    ui.ExpectInput("1000").WithPrompt("RIGHT");
    Child().FormKeyDown(plat::VK_RIGHT, false);
    Child().FormKeyDown(plat::VK_ESCAPE, false);
    form->CmLineExecute();
  }
  EXPECT_EQ(UserElementsIn(kLive), 2);
  EXPECT_EQ(UndoSteps(), 2);
  form->CmUndoExecute();
  EXPECT_EQ(UserElementsIn(kLive), 1);
}

TEST_F(KeyboardLines, AStepOffTheSheetIsRefusedBeforeAnythingIsStored) {
  PointAt(200, 200);
  Child().FormKeyDown(plat::VK_RETURN, false);
  ui.ExpectInput("60000").WithPrompt("RIGHT");
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbCancel, plat::mrCancel)
      .WithText("Distance would take you outside the programme's total drawing sizes");
  Child().FormKeyDown(plat::VK_RIGHT, false);
  EXPECT_EQ(UserElementsIn(kLive), 0);
  EXPECT_EQ(UndoSteps(), 0);

  // The line goes on from where it stood.
  ui.ExpectInput("1000").WithPrompt("RIGHT");
  Child().FormKeyDown(plat::VK_RIGHT, false);
  EXPECT_EQ(UserElementsIn(kLive), 1);
  EXPECT_EQ(UndoSteps(), 1);
}

}  // namespace

namespace {

TEST_F(UserStory, TheOpenDialogKeepsToTheDrawingsFolder) {
  NewDrawing("HOUSE");
  NewDrawing("SHED");
  // A drawing file copied somewhere else is picked first.
  const std::string elsewhere = dir.Root() + "/EXPORT/HOUSE.KWV";
  dir.WriteFile("EXPORT\\HOUSE.KWV", dir.ReadFile(kLive));
  ui.ExpectOpenFile(elsewhere);
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbRetry, plat::mrRetry)
      .WithText("Drawings are opened from the DWGS folder only: choose a drawing there");
  ui.ExpectOpenFile(dir.Path(kLive));
  form->CmFileopenExecute();
  EXPECT_EQ(DrawingList.DrawingName, "HOUSE");
}

TEST_F(UserStory, ARecentDrawingThatIsGoneLeavesTheListAfterItsMessage) {
  NewDrawing("SHED");
  NewDrawing("HOUSE");
  form->CmExitExecute();
  std::remove(dir.Path(kLive).c_str());
  form.reset();
  ResetGlobals();
  Start();
  ui.ExpectShowMessage("no drawing of that name");
  timer.Fire();
  EXPECT_EQ(form->RecentFiles[0], "SHED");
  EXPECT_EQ(dir.ReadFile("CFG\\LASTFILES.CFG"), "SHED\n\n\n\n");
  // The next start asks nothing and opens the shed.
  form.reset();
  ResetGlobals();
  Start();
  timer.Fire();
  EXPECT_EQ(DrawingList.DrawingName, "SHED");
}

}  // namespace

namespace {

TEST_F(UserStory, EveryPromptEndsWithTheOneOfTheNewState) {
  NewDrawing("HOUSE");
  form->CmLineExecute();
  const std::string linePrompt = form->st.PanelText(panel::Guide);
  Window().Paint();
  Child().OnMouseMove(300, 200, false);
  EXPECT_FALSE(form->crds.SimpleText().empty());

  // The zoom-up box gives the line's prompt back when it is done.
  form->CmZoomupExecute();
  EXPECT_NE(form->st.PanelText(panel::Guide), linePrompt);
  DragLine(200, 150, 400, 300);
  EXPECT_EQ(form->st.PanelText(panel::Guide), linePrompt);

  // So does the temporary datum once Enter has placed it.
  form->CmDatumExecute();
  EXPECT_EQ(form->st.PanelText(panel::Guide),
            "Guide: TEMPORARY DATUM - press Enter key when cursor is on your new reference point");
  ui.cursor = Window().window.ClientToScreen({250, 250});
  Child().FormKeyDown(plat::VK_RETURN, false);
  EXPECT_EQ(form->st.PanelText(panel::Guide), linePrompt);

  // Another floor starts with nothing under way.
  ui.ExpectQuestion(plat::mrYes).WithText(kSaveQuestion);
  form->CmPlan1Execute();
  EXPECT_EQ(form->st.PanelText(panel::Guide), "GUIDE: Select a function or drawing tool");

  // A new drawing forgets the old read-out; with no window left the
  // start-up prompt is back.
  NewDrawing("SHED");
  EXPECT_EQ(form->crds.SimpleText(), "");
  form->CloseAllChildren();
  EXPECT_EQ(form->st.PanelText(panel::Guide),
            "GUIDE: Select 'File', then 'New', 'Open' or a file from the 'history list' ");
}

}  // namespace
