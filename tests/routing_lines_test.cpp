// Drawing lines in a plan window with the mouse and from the keyboard, as a
// user does it, and what ends up in the live drawing file.
#include "tests/routing_fixture.h"

namespace {

class LineDrawing : public PlanWindowTest {};

TEST_F(LineDrawing, ADraggedLineIsStoredWithOneUndoStepAndTheBandErased) {
  Drag(1000, 1000, 3000, 2000);

  const auto lines = LinesInFile();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].Kind, kind::Line);
  EXPECT_EQ(lines[0].Floor, view::Ground);
  EXPECT_EQ(std::tie(lines[0].X1, lines[0].Y1, lines[0].X2, lines[0].Y2),
            std::make_tuple(1000, 1000, 3000, 2000));
  EXPECT_EQ(lines[0].Angle, 634);  // atan(2000 / 1000), tenths of a degree
  EXPECT_EQ(lines[0].Tag1, 2236);
  EXPECT_EQ(UndoSteps(), 1);
  EXPECT_TRUE(XorBalanced());
}

TEST_F(LineDrawing, ImperialDragsLandOnWholeQuarterInches) {
  Open(false);
  Drag(1200, 1200, 2400, 1200);
  const auto lines = LinesInFile();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(std::tie(lines[0].X1, lines[0].X2), std::make_tuple(1200, 2400));
  EXPECT_EQ(lines[0].Angle, 900);
  EXPECT_EQ(lines[0].Tag1, 1200);
  EXPECT_EQ(MetricUnits, 0);
  EXPECT_TRUE(XorBalanced());
}

TEST_F(LineDrawing, AClickWithoutDragAddsNothing) {
  Click(1000, 1000);
  EXPECT_TRUE(LinesInFile().empty());
  EXPECT_TRUE(XorBalanced());
}

TEST_F(LineDrawing, ARightClickWithAnIdleLineToolReturnsToThePickTool) {
  const plat::Point p = Pixel(1000, 1000);
  child->OnMouseDown(2, p.x, p.y);
  EXPECT_EQ(Tool()->Type, tooltype::Pick);
  EXPECT_EQ(form->st.PanelText(panel::Guide), "GUIDE: Select a function or drawing tool");
}

TEST_F(LineDrawing, MetricKeysEnterThenArrowsWithTypedMillimetres) {
  KeyAt(plat::VK_RETURN, 1000, 1000);
  EXPECT_EQ(Tool()->State, toolstate::Constructing);

  ui.ExpectInput("2500").WithPrompt("RIGHT");
  Key(plat::VK_RIGHT);
  ui.ExpectInput("1200").WithPrompt("UP");
  Key(plat::VK_UP);

  const auto lines = LinesInFile();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(std::tie(lines[0].X1, lines[0].Y1, lines[0].X2, lines[0].Y2),
            std::make_tuple(1000, 1000, 3500, 1000));
  EXPECT_EQ(lines[0].Angle, 900);
  EXPECT_EQ(lines[0].Tag1, 2500);
  EXPECT_EQ(std::tie(lines[1].X1, lines[1].Y1, lines[1].X2, lines[1].Y2),
            std::make_tuple(3500, 1000, 3500, 2200));
  EXPECT_EQ(lines[1].Angle, 0);
  EXPECT_EQ(lines[1].Tag1, 1200);
  EXPECT_EQ(UndoSteps(), 2);
  // The pointer follows the chain's end.
  EXPECT_EQ(PointerDrawing(), (plat::Point{3500, 2200}));
  EXPECT_EQ(ui.Pending(), 0u);
}

TEST_F(LineDrawing, ImperialKeysAskFeetInchesAndEighths) {
  Open(false);
  KeyAt(plat::VK_RETURN, 6000, 1200);
  feet.Answer([](TTFeetdlg& d) {  // 10' 6 1/2"
    d.Feet = 10;
    d.Inches = 6;
    d.Eighths = 4;
  });
  Key(plat::VK_LEFT);

  const auto lines = LinesInFile();
  ASSERT_EQ(lines.size(), 1u);
  const int32 length = (10 * 12 + 6) * 24 + 12;
  EXPECT_EQ(lines[0].Tag1, length);
  EXPECT_EQ(lines[0].X2, 6000 - length);
  // A keyboard segment that runs left is stored so that it runs left.
  EXPECT_EQ(lines[0].Angle, 2700);
  // The first question shows one foot (the tool's distance is still 0).
  ASSERT_EQ(feet.Asked(), 1);
  EXPECT_EQ(feet.Shown()[0].Length, 12 * 24);
}

TEST_F(LineDrawing, TypedDistancesOutsideTheRangeDoNothing) {
  KeyAt(plat::VK_RETURN, 1000, 1000);
  ui.ExpectInput("abc");
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbRetry, plat::mrRetry)
      .WithText("input must be a valid number");
  Key(plat::VK_RIGHT);
  ui.ExpectInput("150000");
  Key(plat::VK_RIGHT);
  ui.ExpectInput("-5");
  Key(plat::VK_RIGHT);
  ui.ExpectInput("149999");
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbCancel, plat::mrCancel)
      .WithText("Distance would take you outside the programme's total drawing sizes");
  Key(plat::VK_RIGHT);
  EXPECT_EQ(ui.Pending(), 0u);
}

TEST_F(LineDrawing, CancellingTheDistanceAsksWhetherToRetry) {
  KeyAt(plat::VK_RETURN, 1000, 1000);
  // Yes asks the distance again.
  ui.ExpectInputCancelled();
  ui.ExpectMessageDlg(plat::MsgType::Confirmation, plat::mbYes | plat::mbNo, plat::mrYes)
      .WithText("do you wish to retry?");
  ui.ExpectInputCancelled();
  ui.ExpectQuestion(plat::mrYes).WithText("do you wish to retry?");
  ui.ExpectInput("500").WithPrompt("DOWN");
  Key(plat::VK_DOWN);
  EXPECT_EQ(Tool()->Type, tooltype::Line);
  ASSERT_EQ(LinesInFile().size(), 1u);
  EXPECT_EQ(LinesInFile()[0].Y2, 500);

  ui.ExpectInputCancelled();
  ui.ExpectQuestion(plat::mrNo).WithText("do you wish to retry?");
  Key(plat::VK_DOWN);
  EXPECT_EQ(Tool()->Type, tooltype::Pick);
  EXPECT_EQ(form->st.PanelText(panel::Guide), "GUIDE; Pick Tool");
  EXPECT_EQ(LinesInFile().size(), 1u);
}

TEST_F(LineDrawing, ASecondEnterEndsASegmentOnThePointer) {
  KeyAt(plat::VK_RETURN, 1000, 1000);
  KeyAt(plat::VK_RETURN, 2000, 1500);
  const auto lines = LinesInFile();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(std::tie(lines[0].X1, lines[0].Y1, lines[0].X2, lines[0].Y2),
            std::make_tuple(1000, 1000, 2000, 1500));
  EXPECT_EQ(UndoSteps(), 1);
}

TEST_F(LineDrawing, ASegmentStartingOnAWallsFirstEndIsTurnedToEndOnIt) {
  // A line drawn left to right; the next keyboard segment starts on its
  // first end and runs down.
  Drag(1000, 1000, 3000, 1000);
  KeyAt(plat::VK_RETURN, 1000, 1000);
  ui.ExpectInput("500");
  Key(plat::VK_DOWN);
  const auto lines = LinesInFile();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(std::tie(lines[1].X1, lines[1].Y1, lines[1].X2, lines[1].Y2),
            std::make_tuple(1000, 500, 1000, 1000));
  EXPECT_EQ(lines[1].Angle, 0);
}

TEST_F(LineDrawing, MultiLinesLayEvenlySpacedCopies) {
  Tool()->Size = 3;
  Tool()->Step = toolstep::MultiStart;
  KeyAt(plat::VK_RETURN, 1000, 1000);
  EXPECT_EQ(Tool()->Step, toolstep::MultiEnd);
  EXPECT_EQ(child->ChildMode, childmode::Normal);
  KeyAt(plat::VK_RETURN, 3000, 1000);
  EXPECT_EQ(Tool()->Step, toolstep::MultiCopies);
  KeyAt(plat::VK_RETURN, 1000, 2000);

  const auto lines = LinesInFile();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(std::tie(lines[1].Y1, lines[1].Y2), std::make_tuple(1500, 1500));
  EXPECT_EQ(std::tie(lines[2].X1, lines[2].Y1, lines[2].X2, lines[2].Y2),
            std::make_tuple(1000, 2000, 3000, 2000));
}

TEST_F(LineDrawing, OneMultiLineLaysNoCopies) {
  Tool()->Size = 1;
  Tool()->Step = toolstep::MultiStart;
  KeyAt(plat::VK_RETURN, 1000, 1000);
  KeyAt(plat::VK_RETURN, 3000, 1000);
  KeyAt(plat::VK_RETURN, 1000, 2000);
  EXPECT_EQ(LinesInFile().size(), 1u);
  EXPECT_EQ(Tool()->Step, toolstep::Idle);
}

TEST_F(LineDrawing, EscapeEndsTheLineAndReturnsToThePickTool) {
  KeyAt(plat::VK_RETURN, 1000, 1000);
  Key(plat::VK_ESCAPE);
  EXPECT_EQ(Tool()->Type, tooltype::Pick);
  EXPECT_EQ(form->st.PanelText(panel::Guide), "GUIDE: Select function or tool");
  EXPECT_EQ(form->st.PanelText(panel::Tool), "Pick tool");
}

TEST_F(LineDrawing, ArrowKeysOfAnIdleToolNudgeThePointerOnePixel) {
  form->SelectPickTool();
  ui.cursor = {1200, 600};
  Key(plat::VK_LEFT);
  Key(plat::VK_UP);
  EXPECT_EQ(ui.cursor, (plat::Point{1199, 599}));
  Key(plat::VK_RIGHT);
  Key(plat::VK_DOWN);
  EXPECT_EQ(ui.cursor, (plat::Point{1200, 600}));
}

}  // namespace
