// The drawing life cycle as a user goes through it: a new drawing, its
// views in their own windows, edits, zoom and scroll, undo, saving, the
// save question, Exit and the next start reopening the drawing with its
// undo steps. Checked on the files the program leaves behind.
#include <gtest/gtest.h>

#include <set>

#include "dialogs/plan_dialogs.h"
#include "dialogs/roomimpdlg.h"
#include "dialogs/roomptndlg.h"
#include "dialogs/shell_dialogs.h"
#include "model/flist.h"
#include "model/globals.h"
#include "planwindow/childwin.h"
#include "tests/planwindow_fixture.h"

namespace {

using planfix::ExtWall;
using planfix::Line;
using planfix::PlanHost;
using planfix::ShellTest;

constexpr const char* kLive = "DWGS\\HOUSE.KWV";
constexpr const char* kSaved = "CFG\\tmp.cfg";

class Lifecycle : public ShellTest {
 protected:
  plat::ScriptedUi& ui = DefaultTestUi();
  void ExpectSaveQuestion(int answer) {
    ui.ExpectMessageDlg(plat::MsgType::Confirmation, plat::mbYes | plat::mbNo, answer)
        .WithText("do you wish to save drawing changes?");
  }
};

TEST_F(Lifecycle, ANewDrawingOpensItsGroundFloorWindowAndItsFiles) {
  NewDrawing("HOUSE");

  ASSERT_EQ(frame.Open().size(), 1u);
  EXPECT_EQ(Window().caption, "HOUSE.PLN");
  EXPECT_EQ(DrawingList.ViewFileName, "HOUSE.PLN");
  EXPECT_EQ(CurrentView, view::Ground);
  EXPECT_EQ(UserElementsIn(kLive), 0);
  EXPECT_EQ(dir.ReadFile(kSaved), dir.ReadFile(kLive));
  EXPECT_EQ(form->RecentFiles[0], "HOUSE");
  EXPECT_EQ(dir.ReadFile("CFG\\LASTFILES.CFG"), "HOUSE\n\n\n\n");
  EXPECT_EQ(dir.ReadFile("CFG\\ZOOM.CFG"), "4000 2500");
  // The information records are stored about the sheet the window fitted,
  // so that they read back where they were made.
  DrawingList.Clear();
  DrawingList.ReadDrawingFile(dtDrawing);
  ASSERT_EQ(DrawingList.Count(), 6);
  for (int32 i = 0; i < 6; ++i) {
    const TObj& r = *DrawingList.At(i);
    EXPECT_EQ(std::tie(r.X1, r.Y1, r.X2, r.Y2), std::make_tuple(0, 0, 0, 0)) << r.Kind;
  }
  // Undo starts empty.
  for (int32 v : DrawingList.UndoViews) EXPECT_EQ(v, 0);
  EXPECT_TRUE(dir.Exists("ACT\\Action0.tmp"));
  EXPECT_GE(ViewState, 2);

  // The window paints from the file.
  Edit(ExtWall(18000, 11000, 22000, 11000));
  Window().window.Drawn().clear();
  Window().window.InvalidateRect(nullptr);
  Window().Paint();
  EXPECT_GT(Window().window.Log().Count(plat::DcOp::Line), 0);
}

TEST_F(Lifecycle, AnImperialDrawingStartedWithDesignRoomsShowsTheLayout) {
  // The drawing goes on with its first room: the room-wall thickness, then
  // the room's name and size.
  dlg::InstalledScript<dlg::TTRoomptnimp> wallDialog;
  dlg::InstalledScript<dlg::TTRoomimpdlg> roomDialog;
  wallDialog.Answer();
  roomDialog.Answer();
  NewDrawing("COTTAGE", 0, true);
  EXPECT_EQ(Window().caption, "COTTAGE.LYT");
  EXPECT_EQ(CurrentView, view::LayoutGround);
  EXPECT_EQ(MetricUnits, 0);
  EXPECT_EQ(PixelScale, 6);
  EXPECT_EQ(CurrentFunction, func::DesignRooms);
  const std::string header = dir.ReadFile("DWGS\\COTTAGE.KWV").substr(0, 20);
  EXPECT_EQ(header.substr(0, 12), "7 0 0 0 0 1\n");
}

TEST_F(Lifecycle, ANameThatCannotBeAFileIsRefusedAndAskedAgain) {
  AnswerNewDrawing("..\\CFG\\CLR");
  AnswerNewDrawing("A NAME LONGER THAN 24 LETTERS");
  newDrawing.Cancel();
  for (int i = 0; i < 2; ++i)
    ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbRetry, plat::mrRetry)
        .WithText("drawing name (1 to 24 letters) input is incorrect");
  form->CmFilenewExecute();
  EXPECT_TRUE(frame.Open().empty());
  EXPECT_FALSE(form->DrawingOpen());
}

TEST_F(Lifecycle, ANewDrawingDoesNotSilentlyReplaceAStoredOne) {
  NewDrawing("HOUSE");
  Edit(ExtWall(18000, 11000, 22000, 11000));
  form->CmSaveExecute();
  const std::string stored = dir.ReadFile(kLive);

  AnswerNewDrawing("HOUSE");
  newDrawing.Cancel();
  ui.ExpectQuestion(plat::mrNo).Containing("already exists");
  form->CmFilenewExecute();
  EXPECT_EQ(dir.ReadFile(kLive), stored);
}

TEST_F(Lifecycle, ADamagedLastDrawingIsKeptOnceBeforeANewOneOfItsNameReplacesIt) {
  NewDrawing("HOUSE");
  Edit(Line(18000, 11000, 22000, 11000));
  form->CmSaveExecute();
  form->CmExitExecute();
  const std::string damaged = "-" + dir.ReadFile(kLive);  // a count below zero
  dir.WriteFile(kLive, damaged);

  // Every start reopens it, tells and keeps the one copy.
  for (int start = 0; start < 2; ++start) {
    form.reset();
    ResetGlobals();
    Start();
    ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbOK, plat::mrOk)
        .Containing("Drawing HOUSE could not be read and was not opened: the header counts a "
                    "negative number of elements (-7)");
    timer.Fire();
    EXPECT_FALSE(form->DrawingOpen());
    EXPECT_EQ(form->RecentFiles[0], "HOUSE");
  }
  EXPECT_EQ(dir.ReadFile("DWGS\\HOUSE.DAMAGED"), damaged);
  EXPECT_FALSE(dir.Exists("DWGS\\HOUSE.DAMAGED2"));

  AnswerNewDrawing("HOUSE");
  ui.ExpectQuestion(plat::mrYes).Containing("already exists");
  form->CmFilenewExecute();
  EXPECT_EQ(UserElementsIn(kLive), 0);
  EXPECT_EQ(dir.ReadFile("DWGS\\HOUSE.DAMAGED"), damaged);
}

TEST_F(Lifecycle, DecliningToSaveTakesTheDrawingBackToTheLastSave) {
  NewDrawing("HOUSE");
  Edit(ExtWall(18000, 11000, 22000, 11000));
  form->CmSaveExecute();
  EXPECT_EQ(AutosaveMode, 0);
  const std::string saved = dir.ReadFile(kLive);
  EXPECT_EQ(dir.ReadFile(kSaved), saved);

  Edit(ExtWall(22000, 11000, 22000, 14000));
  EXPECT_EQ(UserElementsIn(kLive), 2);
  ExpectSaveQuestion(plat::mrNo);
  // The first floor has no walls yet: the user will trace them (the wall
  // type is not chosen here, so nothing is drawn).
  ui.ExpectQuestion(plat::mrNo).WithText(
      "Will the outside wall dimensions be the same as the ground floor?");
  form->CmPlan1Execute();  // switching the view asks

  EXPECT_EQ(dir.ReadFile(kLive), saved);
  EXPECT_EQ(AutosaveMode, 0);
  EXPECT_EQ(Window().caption, "HOUSE.PL1");
  EXPECT_EQ(frame.Open().size(), 2u);
}

TEST_F(Lifecycle, AgreeingToSaveKeepsTheChangesInBothFiles) {
  NewDrawing("HOUSE");
  Edit(Line(18000, 11000, 22000, 11000));
  ExpectSaveQuestion(plat::mrYes);
  form->CmSiteExecute();
  EXPECT_EQ(UserElementsIn(kSaved), 1);
  EXPECT_EQ(Window().caption, "HOUSE.STE");
}

// The site plan starts from the ground floor's walls: the drawing is
// marked changed when walls were copied, and only then.
TEST_F(Lifecycle, TheSitePlanMarksTheDrawingOnlyWhenItCopiedWalls) {
  NewDrawing("HOUSE");
  Edit(Line(18000, 11000, 22000, 11000));
  form->CmSaveExecute();
  form->CmSiteExecute();  // no wall to copy
  EXPECT_FALSE(form->HasUnsavedChanges());

  form->CmPlanExecute();
  Edit(ExtWall(18000, 11000, 22000, 11000));
  form->CmSaveExecute();
  form->CmSiteExecute();
  EXPECT_TRUE(form->HasUnsavedChanges());
  form->CmSaveExecute();
  form->CmSiteExecute();  // copied before
  EXPECT_FALSE(form->HasUnsavedChanges());

  // Walls taken off the site plan are copied again under its standing title.
  DrawingList.ReadDrawingFile(dtDrawing);
  for (int32 i = DrawingList.Count() - 1; i >= 6; --i)
    if (DrawingList.At(i)->Kind == kind::ExtWall && DrawingList.At(i)->Floor == view::Site)
      DrawingList.RemoveAt(i);
  DrawingList.WriteDrawingFile(dtDrawing);
  form->CmSaveExecute();
  form->CmSiteExecute();
  EXPECT_TRUE(form->HasUnsavedChanges());
}

TEST_F(Lifecycle, SaveWithoutAskingIsASwitchKeptInTheSettings) {
  NewDrawing("HOUSE");
  form->CmAutosaveExecute();
  EXPECT_EQ(dir.ReadFile("CFG\\SAVE.CFG"), "2\n");
  Edit(Line(18000, 11000, 22000, 11000));
  AutosaveMode = 2;
  form->CmLayoutExecute();  // no question
  EXPECT_EQ(UserElementsIn(kSaved), 1);
  form->CmAutosaveExecute();
  EXPECT_EQ(dir.ReadFile("CFG\\SAVE.CFG"), "0\n");
}

TEST_F(Lifecycle, ExitAndTheNextStartReopenTheDrawingWithItsUndoSteps) {
  NewDrawing("HOUSE");
  Edit(ExtWall(18000, 11000, 22000, 11000));
  Edit(ExtWall(22000, 11000, 22000, 14000));
  form->CmSaveExecute();

  Restart();  // Exit, start, Timer1

  EXPECT_EQ(dir.ReadFile("CFG\\LASTDWG.CFG"), "HOUSE\n");
  EXPECT_EQ(dir.ReadFile("CFG\\LASTACT.CFG"), "120 120 0 0 0 0 0 0 0 0\n");
  EXPECT_EQ(DrawingList.DrawingName, "HOUSE");
  ASSERT_NE(form->ActiveChild(), nullptr);
  EXPECT_EQ(Window().caption, "HOUSE.PLN");
  EXPECT_EQ(DrawingList.UndoViews[0], view::Ground);
  EXPECT_EQ(DrawingList.UndoViews[1], view::Ground);
  EXPECT_EQ(form->st.PanelText(panel::Guide),
            "GUIDE: Select 'File', then 'New', 'Open' or a file from the 'history list' ");

  // The undo steps still work after the restart.
  form->CmUndoExecute();
  EXPECT_EQ(UserElementsIn(kLive), 1);
  form->CmRedoExecute();
  EXPECT_EQ(UserElementsIn(kLive), 2);
}

TEST_F(Lifecycle, OpeningAnotherDrawingKeepsTheFirstAndForgetsItsUndoSteps) {
  NewDrawing("SHED");
  Edit(Line(18000, 11000, 22000, 11000));
  NewDrawing("HOUSE");
  Edit(Line(18000, 11000, 22000, 12000));
  Edit(Line(18000, 11000, 22000, 13000));

  ui.ExpectOpenFile(dir.Path("DWGS\\SHED.KWV"));
  form->CmFileopenExecute();

  EXPECT_EQ(UserElementsIn(kLive), 2) << "HOUSE was written without asking";
  EXPECT_EQ(DrawingList.DrawingName, "SHED");
  EXPECT_EQ(DrawingList.UndoViews[0], 0);
  EXPECT_EQ(form->RecentFiles[0], "SHED");
  EXPECT_EQ(form->RecentFiles[1], "HOUSE");
  ASSERT_EQ(frame.Open().size(), 1u);
  EXPECT_EQ(Window().caption, "SHED.PLN");
  EXPECT_EQ(dir.ReadFile(kSaved), dir.ReadFile("DWGS\\SHED.KWV"));
}

TEST_F(Lifecycle, ADrawingThatCannotBeReadLeavesTheOpenOneAndBothFilesAlone) {
  NewDrawing("HOUSE");
  Edit(Line(18000, 11000, 22000, 11000));
  dir.WriteFile("DWGS\\BROKEN.KWV", "garbage\n");
  const std::string house = dir.ReadFile(kLive);

  ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbOK, plat::mrOk)
      .WithText("Drawing BROKEN could not be read and was not opened: the file does not begin "
                "with a drawing's header. The file as it was is kept as " +
                dir.Root() + "/DWGS/BROKEN.DAMAGED.");
  EXPECT_FALSE(form->OpenNamedDrawing("BROKEN"));
  ui.ExpectShowMessage("no drawing of that name");
  EXPECT_FALSE(form->OpenNamedDrawing("MISSING"));

  EXPECT_EQ(DrawingList.DrawingName, "HOUSE");
  EXPECT_EQ(DrawingList.Count(), 7);
  form->CmSaveExecute();
  EXPECT_EQ(dir.ReadFile(kLive), house);
  EXPECT_EQ(dir.ReadFile("DWGS\\BROKEN.KWV"), "garbage\n");
  EXPECT_FALSE(dir.Exists("DWGS\\MISSING.KWV"));
}

TEST_F(Lifecycle, TheRecentListKeepsFourNamesMostRecentFirst) {
  for (const char* n : {"A", "B", "C", "D", "E"}) NewDrawing(n);
  EXPECT_EQ(dir.ReadFile("CFG\\LASTFILES.CFG"), "E\nD\nC\nB\n");
  form->OpenRecentFile(2);  // C
  EXPECT_EQ(dir.ReadFile("CFG\\LASTFILES.CFG"), "C\nE\nD\nB\n");
  EXPECT_EQ(DrawingList.DrawingName, "C");
}

TEST_F(Lifecycle, AtMostTenDrawingWindowsStayOpen) {
  NewDrawing("HOUSE");
  const int32 views[] = {view::First,  view::Second, view::Third, view::Basement,
                         view::Site,   view::Group,  view::Ground};
  for (int32 v : views) {
    CurrentView = v;
    form->ShowView(0, ViewExtension(v));
  }
  for (int i = 0; i < 4; ++i) form->ShowView(0, ".PLN");
  EXPECT_EQ(frame.Open().size(), std::size_t(kMaxDrawingWindows));
  EXPECT_EQ(form->Children().size(), std::size_t(kMaxDrawingWindows));
  // The oldest went first.
  EXPECT_TRUE(frame.hosts[0]->closed);
  EXPECT_TRUE(frame.hosts[1]->closed);
  EXPECT_FALSE(frame.hosts[2]->closed);
}

TEST_F(Lifecycle, SwitchingBackToAnOpenViewActivatesItsWindow) {
  NewDrawing("HOUSE");
  form->CmPlan1Execute();
  form->CmPlanExecute();
  EXPECT_EQ(frame.Open().size(), 2u);
  EXPECT_EQ(Window().caption, "HOUSE.PLN");
  EXPECT_EQ(CurrentView, view::Ground);
  EXPECT_EQ(DrawingList.ViewFileName, "HOUSE.PLN");
}

// Each view chosen from Plan Views over the ground floor overlaid (the
// ticks as they come) is shown, alone, in its one window: in the overlay its
// window would take the ground floor's view and caption.
TEST_F(Lifecycle, AViewChosenOverAnOverlayIsShownInItsOneWindow) {
  NewDrawing("HOUSE");
  for (int32 floor : {view::Ground, view::First, view::Second, view::Third, view::Basement})
    Edit(ExtWall(18000, 11000, 22000, 11000, floor));
  AutosaveMode = autosave::SaveWithoutAsking;
  dlg::InstalledScript<TTOverdlg> overlay;
  const struct {
    void (TMainForm::*choose)();
    int32 view;
  } choices[] = {{&TMainForm::CmPlan1Execute, view::First},
                 {&TMainForm::CmPlan2Execute, view::Second},
                 {&TMainForm::CmPlan3Execute, view::Third},
                 {&TMainForm::CmSubfloorExecute, view::Basement},
                 {&TMainForm::CmSiteExecute, view::Site},
                 {&TMainForm::CmLayoutExecute, view::LayoutGround},
                 {&TMainForm::CmGroupExecute, view::Group}};
  for (int round = 0; round < 2; ++round) {
    for (const auto& c : choices) {
      form->CmPlanExecute();
      overlay.Answer();
      form->CmOverlayExecute();
      (*form.*c.choose)();
      std::set<std::string> shown;
      for (PlanHost* h : frame.Open()) {
        h->Paint();
        EXPECT_TRUE(shown.insert(h->caption).second) << h->caption << " twice";
      }
      EXPECT_EQ(Window().caption, "HOUSE" + ViewExtension(c.view));
      EXPECT_EQ(Child().ViewCode, c.view);
    }
  }
  EXPECT_EQ(frame.Open().size(), std::size(choices) + 1);
}

// An undo or redo may change any floor: no window of the drawing keeps
// showing it as it was.
TEST_F(Lifecycle, AnUndoOrRedoInOneWindowPaintsEveryWindowOfTheDrawingAgain) {
  NewDrawing("HOUSE");
  form->CmPlan1Execute();
  form->CmPlanExecute();
  Edit(Line(18000, 11000, 22000, 11000));
  planfix::PlanHost& other = *frame.hosts[1];
  ASSERT_EQ(other.caption, "HOUSE.PL1");
  for (const TMainForm::Command command : {&TMainForm::CmUndoExecute, &TMainForm::CmRedoExecute}) {
    for (planfix::PlanHost* h : frame.Open()) h->Paint();
    ASSERT_FALSE(other.window.HasInvalidArea());
    (form.get()->*command)();
    EXPECT_TRUE(other.window.HasInvalidArea());
  }
  EXPECT_EQ(UserElementsIn(kLive), 1);
}

TEST_F(Lifecycle, ZoomCommandsWorkOnTheActiveWindowAndRememberTheTool) {
  NewDrawing("HOUSE");
  form->SetTool(tooltype::Line);
  form->CmZoomhalfExecute();
  EXPECT_EQ(ZoomStyle, zoomstyle::Half);
  EXPECT_EQ(WindowExtX, 8000);
  EXPECT_EQ(Child().RestoreToolId, tooltype::Line);
  form->CmZoomnormExecute();
  EXPECT_EQ(WindowExtX, 4000);
  form->CmZoomupExecute();
  EXPECT_EQ(ZoomStyle, zoomstyle::ZoomUp);
  EXPECT_EQ(Child().ChildMode, childmode::Frame);
  EXPECT_EQ(form->CurrentTool()->PickedFloor(), kZoomBoxArmed);
  EXPECT_EQ(form->st.PanelText(panel::ScreenScale), "1 pixel = 25 mm");

  // A new view window takes the remembered zoom.
  form->CmZoomhalfExecute();
  form->CmPlan2Execute();
  EXPECT_EQ(WindowExtX, 8000);
}

TEST_F(Lifecycle, TheScreenScaleSetsTheSitePlansZoom) {
  NewDrawing("HOUSE");
  form->CmSiteExecute();
  screenScale.Answer([](dlg::ScreenScaleDialog& d) { d.percent = 50; });
  form->ScalePercentage1Click();
  EXPECT_EQ(dir.ReadFile("CFG\\SCALEVIEWM.CFG"), "50.000000 10.000000");
  EXPECT_FLOAT_EQ(ZoomFactor, 10.0f);
  EXPECT_EQ(WindowExtX, 8000);
  EXPECT_EQ(form->st.PanelText(panel::ScreenScale), "1 pixel = 50 mm");
}

TEST_F(Lifecycle, ImperialPixelsAreShownInFeetAndInches) {
  NewDrawing("BARN", 0);
  EXPECT_EQ(form->st.PanelText(panel::ScreenScale), "1 pixel = 0' 1''");
  ZoomFactor = 5.0f;
  form->ShowPixelSize();
  EXPECT_EQ(form->st.PanelText(panel::ScreenScale), "1 pixel = 0' 1 1/4''");
}

TEST_F(Lifecycle, TheTitleBarCloseLeavesThroughExit) {
  NewDrawing("HOUSE");
  Edit(Line(18000, 11000, 22000, 11000));
  int closes = 0;
  form->onCloseRequested = [&] { ++closes; };
  ExpectSaveQuestion(plat::mrYes);
  form->FormCloseQuery();
  EXPECT_EQ(closes, 1);
  EXPECT_EQ(dir.ReadFile("CFG\\LASTDWG.CFG"), "HOUSE\n");
  EXPECT_EQ(UserElementsIn(kSaved), 1);
  EXPECT_TRUE(frame.Open().empty());
}

class Printing : public Lifecycle {
 protected:
  void SetUp() override {
    Lifecycle::SetUp();
    NewDrawing("HOUSE");
    Edit(ExtWall(18000, 11000, 22000, 11000));
    Edit(ExtWall(22000, 11000, 22000, 14000));
  }
};

TEST_F(Printing, AFloorPrintsAtScaleAndLeavesTheDrawingAsItWas) {
  const std::string before = dir.ReadFile(kLive);
  print.Answer([](dlg::TTFPlanprintdlg& d) {
    static_cast<dlg::PrintChoice&>(d) = dlg::PrintChoice{};
    d.scale = 100;
    d.showScale = 1;
  });
  form->CmPrintExecute();

  EXPECT_EQ(printer.documents, 1);
  EXPECT_EQ(printer.title, "HOUSE.PLN");
  // 4000 mm of wall at 1:100 is 40 mm on paper: 472 pixels at 300 per inch.
  int longest = 0;
  for (const auto& r : printer.printed)
    if (r.op == plat::DcOp::Line) longest = std::max(longest, std::abs(r.to.x - r.from.x));
  EXPECT_NEAR(longest, 472, 2);
  bool scaleText = false;
  for (const auto& r : printer.printed) scaleText = scaleText || r.text == "scale 1 : 100";
  EXPECT_TRUE(scaleText);

  // The scale text was for the print only; a backup and an undo step remain.
  EXPECT_EQ(dir.ReadFile(kLive), before);
  EXPECT_EQ(dir.ReadFile("DWGS\\HOUSE.BAK"), before);
  EXPECT_EQ(DrawingList.UndoViews[0], view::Ground);
  EXPECT_EQ(CurrentView, view::Ground);
  EXPECT_EQ(TextScale, 0);
  EXPECT_EQ(dir.ReadFile("CFG\\PRINT.CFG"), "0 0 0 2 2 100 1 1 0 0 0 0\n");
}

TEST_F(Printing, CancellingThePrintDialogOrThePrinterPrintsNothing) {
  print.Cancel();
  form->CmPrintExecute();
  print.Answer();
  printer.acceptSetup = false;
  form->CmPrintExecute();
  EXPECT_EQ(printer.documents, 0);
  EXPECT_FALSE(dir.Exists("DWGS\\HOUSE.BAK"));
}

TEST_F(Printing, APrinterThatCannotStartIsReported) {
  printer.failStart = true;
  print.Answer();
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbCancel, plat::mrCancel)
      .WithText("the drawing could not be printed");
  form->CmPrintExecute();
  EXPECT_EQ(CurrentView, view::Ground);
}

}  // namespace
