// Keys every tool shares, the idle Enter questions and the keyboard step
// kept in view.
#include "tests/routing_fixture.h"
#include "tools/moveobjtool.h"

namespace {

class KeyRouting : public PlanWindowTest {};

TEST_F(KeyRouting, EnterDoesNothingForThePickToolOrInTheLayoutView) {
  form->SelectPickTool();
  KeyAt(plat::VK_RETURN, 1000, 1000);
  EXPECT_EQ(Tool()->State, toolstate::Idle);

  form->SetTool(tooltype::Line);
  CurrentView = view::LayoutGround;
  KeyAt(plat::VK_RETURN, 1000, 1000);
  EXPECT_EQ(Tool()->State, toolstate::Idle);
}

TEST_F(KeyRouting, InsertTogglesTheLayoutGridWhateverTheTool) {
  LayoutGridShown = 0;
  Key(plat::VK_INSERT);
  EXPECT_EQ(LayoutGridShown, 1);
  Key(plat::VK_INSERT);
  EXPECT_EQ(LayoutGridShown, 0);
}

TEST_F(KeyRouting, ACircleRadiusMustBeAPositiveNumber) {
  form->SetTool(tooltype::Circle);
  for (const char* answer : {"-40", "x"}) {
    ui.ExpectInput(answer).WithPrompt("RADIUS");
    ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbRetry, plat::mrRetry)
        .WithText("input must be a valid number");
    KeyAt(plat::VK_RETURN, 1000, 1000);
  }
  ui.ExpectInput("32001").WithPrompt("RADIUS");  // beyond the limit: silently nothing
  Key(plat::VK_RETURN);
  EXPECT_EQ(Tool()->Size, 0);
  EXPECT_EQ(Tool()->State, toolstate::Idle);

  ui.ExpectInput("250").WithPrompt("RADIUS");
  Key(plat::VK_RETURN);
  EXPECT_EQ(Tool()->Distance, 250);
  EXPECT_EQ(ui.Pending(), 0u);
}

TEST_F(KeyRouting, ARoundedRectangleCornerIsAskedInInchesAndRefusedBelowZero) {
  Open(false);
  form->SetTool(tooltype::Line);
  Tool()->Type = tooltype::RoundRect;
  ui.ExpectInput("-2").WithPrompt("RADIUS in inches");
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbRetry, plat::mrRetry);
  KeyAt(plat::VK_RETURN, 1200, 1200);
  ui.ExpectInput("3").WithPrompt("RADIUS in inches");
  Key(plat::VK_RETURN);
  EXPECT_EQ(Tool()->Distance, 72);
  EXPECT_EQ(form->st.PanelText(panel::Guide), "GUIDE: Now use arrow direction keys for input");
  // The Enter also took the corner: the arrows that follow give the sides.
  EXPECT_EQ(Tool()->State, toolstate::Constructing);
}

TEST_F(KeyRouting, AnArcEndMustBeLevelOrPlumbWithItsStart) {
  Open(false);
  form->SetTool(tooltype::Line);
  Tool()->Type = tooltype::Arc;
  Tool()->X1 = 1200;
  Tool()->Y1 = 1200;
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbRetry, plat::mrRetry)
      .WithText("Endpoint not horizontal or vertical - no arc drawn\nre select tool and retry");
  KeyAt(plat::VK_RETURN, 1200 + 78, 1200 + 78);
  // 72 units off counts as level; heights up to 1400 inches, negative too.
  ui.ExpectInput("1401").WithPrompt(
      "ARC HEIGHT Use minus number for Arcs Below or Right of Endpts");
  KeyAt(plat::VK_RETURN, 3000, 1200 + 72);
  ui.ExpectInput("-50");
  KeyAt(plat::VK_RETURN, 3000, 1200 + 72);
  EXPECT_EQ(ui.Pending(), 0u);
}

TEST_F(KeyRouting, SplittingWhereThereIsNoWallRecordsNoUndoStep) {
  form->SetTool(tooltype::WallEdit);
  Tool()->Step = toolstep::Split;
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbRetry, plat::mrRetry)
      .WithText("No valid object selected - please re select and retry");
  PointAt(1000, 1000);
  const plat::Point before = ui.cursor;
  Key(plat::VK_RETURN);
  EXPECT_EQ(UndoSteps(), 0);
  EXPECT_EQ(ui.cursor, before);
}

TEST_F(KeyRouting, NumpadPlusAndMinusTurnAMovedSelectionByFiveDegrees) {
  form->SetTool(tooltype::Move);
  Tool()->Step = 3;
  // The selection turned holds no rounded rectangle, so it may turn freely.
  dir.WriteFile("CFG\\TEMP.CFG", "0\n");
  dir.WriteFile("CFG\\COPY.CFG", "");
  RotationAngle = 355;
  Key(plat::VK_ADD);
  EXPECT_EQ(RotationAngle, 360);
  Key(plat::VK_ADD);
  EXPECT_EQ(RotationAngle, 5);
  EXPECT_EQ(form->st.PanelText(panel::Tool), "5 degrees");
  RotationAngle = 0;
  Key(plat::VK_SUBTRACT);
  EXPECT_EQ(RotationAngle, 355);
}

TEST_F(KeyRouting, EnlargingWaitsForTheArrowThatChoosesTheSide) {
  form->SetTool(tooltype::ExtWall);
  Tool()->Type = tooltype::EnlargeShrink;
  Tool()->Step = 8;
  KeyAt(plat::VK_RETURN, 1000, 1000);
  EXPECT_EQ(Tool()->State, toolstate::Idle);
  Key(plat::VK_LEFT);
  EXPECT_EQ(Tool()->Direction, 4);
  EXPECT_EQ(Tool()->Axis, 1);
  EXPECT_EQ(Tool()->State, toolstate::Constructing);
  EXPECT_EQ(form->st.PanelText(panel::Guide),
            "GUIDE: move cursor,press ENTER when line is at position to expand from");
  ui.ExpectInput("0").WithText("");
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbRetry, plat::mrRetry);
  Key(plat::VK_RETURN);
  ASSERT_GE(ui.Log().size(), 2u);
  EXPECT_EQ(ui.Log()[0].caption, "EXPAND BASE BY");
}

class StepInView : public PlanWindowTest {};

TEST_F(StepInView, AStepEndingOnTheSheetEdgeScrollsOneUnitMoreIsRefused) {
  DrawingWidth = 8000;
  WindowOrgX = 0;
  const int32 x = 7000;
  EXPECT_EQ(child->ScrollToStep(1000 * PixelScale, plat::VK_RIGHT, x, 100), 1);
  EXPECT_EQ(WindowOrgX, 8000 - WindowExtX);
  WindowOrgX = 0;
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbCancel, plat::mrCancel)
      .WithText("Distance would take you outside the programme's total drawing sizes");
  EXPECT_EQ(child->ScrollToStep(1001 * PixelScale, plat::VK_RIGHT, x, 100), 2);
  EXPECT_EQ(WindowOrgX, 0);
}

TEST_F(StepInView, AStepEndingOnTheVisibleEdgeDoesNotScroll) {
  WindowOrgX = 100;
  EXPECT_EQ(child->ScrollToStep(100 * PixelScale, plat::VK_RIGHT, 100 + 624 - 100, 100), 0);
  EXPECT_EQ(WindowOrgX, 100);
}

TEST_F(StepInView, LeftToTheSheetsEdgeScrollsToTheOrigin) {
  WindowOrgX = 50;
  EXPECT_EQ(child->ScrollToStep(3 * PixelScale, plat::VK_LEFT, 3, 100), 1);
  EXPECT_EQ(WindowOrgX, 0);
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbCancel, plat::mrCancel);
  EXPECT_EQ(child->ScrollToStep(4 * PixelScale, plat::VK_LEFT, 3, 100), 2);
}

}  // namespace

namespace {

TEST(FeetDialog, ShowsALengthAsFeetInchesAndEighths) {
  TTFeetdlg dlg((10 * 12 + 6) * 24 + 12);
  EXPECT_EQ(std::tie(dlg.Feet, dlg.Inches, dlg.Eighths), std::make_tuple(10, 6, 4));
  TTFeetdlg empty(0);
  EXPECT_EQ(std::tie(empty.Feet, empty.Inches, empty.Eighths), std::make_tuple(1, 0, 0));
}

TEST(FeetDialog, RefusesInchesOfAFootOrMore) {
  TTFeetdlg dlg(24);
  dlg.Inches = 12;
  EXPECT_EQ(dlg.Accept(), "inches 0 to 11 input is incorrect");
  dlg.Inches = 11;
  dlg.Eighths = 7;
  EXPECT_EQ(dlg.Accept(), "");
  EXPECT_EQ(dlg.Length, (0 * 12 + 11) * 24 + 21);
}

TEST(FeetDialog, WithoutARunnerTheQuestionIsCancelled) {
  dlg::ScopedRunner<TTFeetdlg> none(nullptr);
  TTFeetdlg dlg(100);
  EXPECT_EQ(dlg.ShowModal(), plat::mrCancel);
}

}  // namespace
