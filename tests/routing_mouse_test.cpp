// Presses and releases that the window handles itself: the centring aids,
// turning a selection by the right button, and auto-scroll.
#include "tests/routing_fixture.h"
#include "tools/moveobjtool.h"

namespace {

class MouseRouting : public PlanWindowTest {};

TEST_F(MouseRouting, CentreMovesThePointerBetweenTwoClicksAndTheLineGoesOn) {
  form->CmCentreExecute();
  EXPECT_EQ(CurrentFunction, func::ScreenAids);
  EXPECT_EQ(form->st.PanelText(panel::Guide),
            "CENTRE - mark both endpoints with LEFT Button - cursor will move to centre");
  Click(1000, 1000);
  Click(2000, 1500);
  EXPECT_EQ(PointerDrawing(), (plat::Point{1500, 1250}));
  EXPECT_EQ(Tool()->Step, 0);
  // The centre is where the next line starts.
  KeyAt(plat::VK_RETURN, 1500, 1250);
  KeyAt(plat::VK_RETURN, 1500, 1600);
  const auto lines = LinesInFile();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(std::tie(lines[0].X1, lines[0].Y1), std::make_tuple(1500, 1250));
  EXPECT_TRUE(XorBalanced());
}

TEST_F(MouseRouting, CentreIsRefusedToTheMultiLineStart) {
  Tool()->Step = toolstep::MultiStart;
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbCancel, plat::mrCancel)
      .WithText("Centre is not available to this function");
  form->CmCentreExecute();
  EXPECT_EQ(Tool()->Step, toolstep::MultiStart);
}

TEST_F(MouseRouting, CentreCentreOfATextToolAsksForTheTextClick) {
  form->SetTool(tooltype::Text);
  Tool()->PickedIndex() = 1;
  form->CmCentrecentreExecute();
  EXPECT_EQ(form->st.PanelText(panel::Guide),
            "CENTRE CENTRE - click any three corners in a CLOCKWISE direction with LEFT Button");
  Click(500, 1500);
  Click(2000, 1500);
  Click(2000, 500);
  EXPECT_EQ(Tool()->Step, toolstep::CentreCentreDone);
  EXPECT_EQ(PointerDrawing(), (plat::Point{1250, 1000}));
  EXPECT_EQ(form->st.PanelText(panel::Guide),
            "GUIDE: click LEFT button on TEXT centre point - type in the input box that "
            "appears ");
}

class SelectionTurn : public PlanWindowTest {
 protected:
  void SetUp() override {
    PlanWindowTest::SetUp();
    form->SetTool(tooltype::Move);
    RotationAngle = 300;
  }
  void RightClick() {
    const plat::Point p = Pixel(1000, 1000);
    child->OnMouseDown(2, p.x, p.y);
  }
};

TEST_F(SelectionTurn, TheTypedAngleIsAddedToTheTotalTurn) {
  ui.ExpectInput("90").WithPrompt("clockwise");
  RightClick();
  EXPECT_EQ(RotationAngle, 30);
  EXPECT_EQ(Tool()->Angle, 90);
  EXPECT_EQ(Tool()->Step, 3);
  EXPECT_EQ(form->st.PanelText(panel::Tool), "30 degrees");
}

TEST_F(SelectionTurn, CancelOnTheQuestionTurnsNothing) {
  ui.ExpectInputCancelled();
  RightClick();
  EXPECT_EQ(RotationAngle, 300);
  EXPECT_EQ(Tool()->Step, 0);
}

TEST_F(SelectionTurn, AnglesOutsideAFullTurnAreIgnored) {
  ui.ExpectInput("400");
  RightClick();
  ui.ExpectInput("none");
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbRetry, plat::mrRetry)
      .WithText("input must be a valid number");
  RightClick();
  EXPECT_EQ(RotationAngle, 300);
}

class AutoScrolling : public PlanWindowTest {
 protected:
  void SetUp() override {
    PlanWindowTest::SetUp();
    AutoScroll = 1;
    child->AutoScrollTimer = &scrollTimer;
    child->CentreView(0);
    form->SelectPickTool();
  }
  plat::ManualTimer scrollTimer;
};

TEST_F(AutoScrolling, HoldingTheButtonAtTheLeftEdgeScrollsFivePixelsPerTick) {
  const int32 start = child->HorzPosition();
  ASSERT_GT(start, 10);
  child->OnMouseDown(1, 3, 150);
  // The press returns at once; the timer does the scrolling.
  EXPECT_TRUE(child->AutoScrolling());
  EXPECT_TRUE(scrollTimer.Enabled());
  scrollTimer.Fire();
  scrollTimer.Fire();
  EXPECT_EQ(child->HorzPosition(), start - 10);
  child->OnMouseMove(300, 150, true);  // away from the edge: no more scrolling
  scrollTimer.Fire();
  EXPECT_EQ(child->HorzPosition(), start - 10);
  child->OnMouseUp(1, 300, 150);
  EXPECT_FALSE(scrollTimer.Enabled());
}

TEST_F(AutoScrolling, InTheTopLeftCornerOnlyTheHorizontalBarMoves) {
  const int32 h = child->HorzPosition(), v = child->VertPosition();
  child->OnMouseDown(1, 2, 2);
  scrollTimer.Fire();
  EXPECT_EQ(child->HorzPosition(), h - 5);
  EXPECT_EQ(child->VertPosition(), v);
}

TEST_F(AutoScrolling, AMoveWithoutTheButtonEndsIt) {
  child->OnMouseDown(1, 3, 150);
  child->OnMouseMove(3, 150, false);
  EXPECT_FALSE(child->AutoScrolling());
  EXPECT_FALSE(scrollTimer.Enabled());
}

TEST_F(AutoScrolling, ClosingTheWindowWhileTheButtonIsHeldStopsTheTicks) {
  child->OnMouseDown(1, 3, 150);
  ASSERT_TRUE(scrollTimer.Enabled());
  child->FormClose();  // the main form frees the window
  child = nullptr;
  EXPECT_FALSE(scrollTimer.Enabled());
  EXPECT_FALSE(scrollTimer.onTimer) << "a late tick would reach a freed window";
}

TEST_F(AutoScrolling, WithoutTheSettingAPressDoesNotScroll) {
  AutoScroll = 0;
  child->OnMouseDown(1, 3, 150);
  EXPECT_FALSE(child->AutoScrolling());
}

}  // namespace
