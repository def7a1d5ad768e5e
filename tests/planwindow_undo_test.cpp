// Undo and redo in the drawing window: what may be undone in the view
// shown, what reaches the live drawing file, and where the pointer and the
// wall tool are left to go on drawing.
#include <gtest/gtest.h>

#include "model/flist.h"
#include "model/globals.h"
#include "planwindow/childwin.h"
#include "tests/planwindow_fixture.h"

namespace {

using planfix::ExtWall;
using planfix::Line;
using planfix::PlanHost;

constexpr const char* kLive = "DWGS\\UNDO.KWV";

class Undo : public ::testing::Test {
 protected:
  ScratchProgramDir dir;
  plat::ManualTimer timer;
  TMainForm form{timer};
  PlanHost host{{800, 500}};
  std::unique_ptr<TMDIChild> child;
  plat::ScriptedUi& ui = DefaultTestUi();

  void SetUp() override {
    DrawingList.SetDrawingName("UNDO");
    InitDrawingList();
    DrawingList.WriteDrawingFile(dtDrawing);
    DrawingList.UpdateUndoHistory(uoReset, 0);
    child = std::make_unique<TMDIChild>(host);
    host.child = child.get();
    child->SetupViewport(2);  // sheet 8000 x 5000, origin 2000, 1250
    ViewState = 2;
  }
  void TearDown() override { host.child = nullptr; }

  void Edit(TObj* e) {
    DrawingList.UpdateUndoHistory(uoRecord, CurrentView);
    DrawingList.Add(e);
    DrawingList.WriteDrawingFile(dtDrawing);
  }
  void ExpectNote(const char* text) {
    ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbOK, plat::mrOk).WithText(text);
  }
  void ExpectQuestion(int answer) {
    ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbYes | plat::mbNo, answer)
        .WithText("last action was not on this view - do you still want to undo it ?");
  }
  int UserElementsInLiveFile() {
    int count = -1;
    std::sscanf(dir.ReadFile(kLive).c_str(), "%d", &count);
    return count - 6;
  }
};

TEST_F(Undo, WithNothingRecordedItSaysSoAndChangesNothing) {
  const std::string before = dir.ReadFile(kLive);
  ExpectNote("no more actions can be undone");
  child->Undo();
  EXPECT_EQ(dir.ReadFile(kLive), before);
  EXPECT_EQ(CurrentFunction, func::ScreenAids);
}

TEST_F(Undo, AStepOfAnotherViewIsUndoneOnlyWhenTheUserAgrees) {
  CurrentView = view::First;
  Edit(Line(1000, 1000, 5000, 1000, view::First));
  CurrentView = view::Ground;
  const std::string before = dir.ReadFile(kLive);
  const std::string slot0 = dir.ReadFile("ACT\\Action0.tmp");

  ExpectQuestion(plat::mrNo);
  child->Undo();
  EXPECT_EQ(dir.ReadFile(kLive), before);
  EXPECT_EQ(dir.ReadFile("ACT\\Action0.tmp"), slot0);
  EXPECT_EQ(DrawingList.UndoViews[0], view::First);

  ExpectQuestion(plat::mrYes);
  child->Undo();
  EXPECT_EQ(UserElementsInLiveFile(), 0);
  EXPECT_EQ(DrawingList.UndoViews[0], 0);
  EXPECT_EQ(CurrentView, view::Ground) << "the view shown stays";
  EXPECT_EQ(ui.Pending(), 0u);
}

TEST_F(Undo, TheOnlyWallIsUndoneAfterANote) {
  Edit(ExtWall(18000, 11000, 22000, 11000));
  ExpectNote("This is the only wall - select FILE / NEW and start again");
  child->Undo();
  EXPECT_EQ(UserElementsInLiveFile(), 0);
  EXPECT_TRUE(host.window.HasInvalidArea());
}

TEST_F(Undo, WhileTheWallCornersAreMarkedOnTheLayoutNothingIsUndone) {
  CurrentView = view::LayoutMarkingWalls;
  Edit(Line(1000, 1000, 5000, 1000, view::LayoutMarkingWalls));
  const std::string before = dir.ReadFile(kLive);
  ExpectNote("Select the 'mark external walls in LAYOUT' icon and re mark the wall corners");
  child->Undo();
  EXPECT_EQ(dir.ReadFile(kLive), before);
  EXPECT_EQ(DrawingList.UndoViews[0], view::LayoutMarkingWalls);
}

TEST_F(Undo, AnUpperFloorWithFewWallsIsToldToStartAgainButStillUndone) {
  CurrentView = view::First;
  Edit(ExtWall(18000, 11000, 22000, 11000, view::First));
  Edit(Line(18000, 12000, 22000, 12000, view::First));
  ExpectNote("select PLAN VIEWS / FIRST FLOOR  and start again");
  child->Undo();
  EXPECT_EQ(UserElementsInLiveFile(), 1);
}

TEST_F(Undo, UndoingAJoinedWallPutsThePointerAndTheWallToolOnTheRemainingEnd) {
  Edit(ExtWall(18000, 11000, 22000, 11000));
  Edit(ExtWall(22000, 11000, 22000, 14000));
  child->Undo();

  EXPECT_EQ(UserElementsInLiveFile(), 1);
  // (22000, 11000) is logical (4400, 2200): pixel (480, 310) in the window
  // whose client area starts at screen (100, 50).
  EXPECT_EQ(ui.cursor, (plat::Point{580, 360}));
  ASSERT_EQ(form.CurrentTool()->Type, tooltype::ExtWall);
  EXPECT_EQ(form.CurrentTool()->X1, 22000);
  EXPECT_EQ(form.CurrentTool()->Y1, 11000);

  // Redo brings the wall back and the pointer to its end.
  child->Redo();
  EXPECT_EQ(UserElementsInLiveFile(), 2);
  EXPECT_EQ(ui.cursor, (plat::Point{580, 240}));
  EXPECT_EQ(form.CurrentTool()->X1, 22000);
  EXPECT_EQ(form.CurrentTool()->Y1, 14000);
}

TEST_F(Undo, AnInternalWallContinuesFromTheWallBeforeIt) {
  const int32 codes[4] = {100, 100, 100, 100};
  auto wall = [&](int32 x1, int32 y1, int32 x2, int32 y2) {
    return new TInwallobj(kind::InWall, view::Ground, 1, 0, 1, x1, 0, y1, x2, 0, y2, x1, 0, y1 - 100,
                          x2, y2 - 100, 0, 0, 0, 100, 0, 0, 0, 0, -1, -1, 900, 0, 0,
                          DrawingColour, codes);
  };
  Edit(wall(18000, 11000, 22000, 11000));
  Edit(wall(22000, 11000, 22000, 14000));
  form.SelectPickTool();
  child->Undo();
  ASSERT_EQ(form.CurrentTool()->Type, tooltype::InWall);
  EXPECT_EQ(form.CurrentTool()->Angle, 900);
  EXPECT_EQ(form.CurrentTool()->X1, 22000);
  EXPECT_EQ(ui.cursor, (plat::Point{580, 360}));
}

TEST_F(Undo, AnEmptySnapshotNeverReachesTheLiveFile) {
  Edit(Line(18000, 11000, 22000, 11000));
  const std::string before = dir.ReadFile(kLive);
  // A step is listed but its snapshot is gone.
  std::remove(dir.Path("ACT\\Action0.tmp").c_str());
  ExpectNote("no more actions can be undone");
  child->Undo();
  EXPECT_EQ(dir.ReadFile(kLive), before);
  EXPECT_EQ(DrawingList.Count(), 7) << "the live drawing is read again";
}

TEST_F(Undo, RedoWithNothingUndoneSaysSoAndKeepsTheDrawing) {
  Edit(Line(18000, 11000, 22000, 11000));
  const std::string before = dir.ReadFile(kLive);
  ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbOK, plat::mrOk)
      .WithText("no more actions to redraw ");
  child->Redo();
  EXPECT_EQ(dir.ReadFile(kLive), before);
  EXPECT_EQ(DrawingList.Count(), 7);
}

TEST_F(Undo, TheGroupDrawingHasNoUndoAndItsElementsNeverReachTheLiveFile) {
  Edit(Line(18000, 11000, 22000, 11000));
  const std::string before = dir.ReadFile(kLive);
  CurrentView = view::Group;
  DrawingList.Clear();
  DrawingList.Add(Line(1, 1, 2, 2, view::Group));
  // Steps exist, but not for this view: the message says why.
  ExpectNote("undo is not available in the group drawing - its changes are not kept as undo "
             "steps");
  child->Undo();
  ExpectNote("redo is not available in the group drawing - its changes are not kept as undo "
             "steps");
  child->Redo();
  CurrentView = view::Ground;
  EXPECT_EQ(dir.ReadFile(kLive), before);
}

// A user interface that lets the window repaint while a question is open,
// as the message loop of a modal box does.
class RepaintingUi : public plat::ScriptedUi {
 public:
  PlanHost* host = nullptr;
  int MessageDlg(const std::string& text, plat::MsgType type, unsigned buttons) override {
    if (host) {
      host->window.InvalidateRect(nullptr);
      host->Paint();
    }
    return plat::ScriptedUi::MessageDlg(text, type, buttons);
  }
};

TEST_F(Undo, ARepaintWhileAQuestionIsOpenDoesNotUpsetTheUndo) {
  RepaintingUi repainting;
  repainting.host = &host;
  repainting.onFailure = [](const std::string& f) { ADD_FAILURE() << f; };
  plat::ScopedUi use(repainting);

  CurrentView = view::First;
  Edit(ExtWall(18000, 11000, 22000, 11000, view::First));
  Edit(ExtWall(22000, 11000, 22000, 14000, view::First));
  Edit(ExtWall(22000, 14000, 18000, 14000, view::First));
  CurrentView = view::Ground;
  repainting.ExpectMessageDlg(plat::MsgType::Information, plat::mbYes | plat::mbNo, plat::mrYes);
  child->Undo();

  EXPECT_EQ(UserElementsInLiveFile(), 2);
  EXPECT_EQ(DrawingList.Count(), 8);
  EXPECT_EQ(DrawingList.At(7)->Y2, 14000);
  EXPECT_EQ(repainting.Pending(), 0u);
}

}  // namespace
