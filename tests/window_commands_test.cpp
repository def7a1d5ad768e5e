// The drawing window's commands that change the drawing as a whole or a
// picked shape: turning or mirroring into a new name, the line style, the
// check before a free turn of a selection, the fill colour.
#include "dialogs/drawing_dialogs.h"
#include "tests/drawing_window_fixture.h"

namespace {

class WindowCommands : public DrawingWindowTest {
 protected:
  void AddLine(int32 x1, int32 y1, int32 x2, int32 y2) {
    DrawingList.Add(new TLineobj(kind::Line, view::Ground, 0, 0, x1, 0, x2, 0, y1, y2, 0, 900, 0,
                                 1, 0));
    DrawingList.WriteDrawingFile(dtDrawing);
  }
  void AnswerTurn(const std::string& name, int32 operation) {
    manip.Answer([=](TTManipdlg& d) {
      d.Name = name;
      d.Operation = operation;
    });
  }
  dlg::InstalledScript<TTManipdlg> manip;
  dlg::InstalledScript<TTLinedlg> lineStyle;
};

TEST_F(WindowCommands, ADrawingTurnedIntoANewNameOpensUnderItAndCanBeUndone) {
  AddLine(1000, 1000, 3000, 1000);
  AnswerTurn("TURNED", 180);
  form->CmRotateMirrorExecute();

  EXPECT_EQ(DrawingList.DrawingName, "TURNED");
  EXPECT_TRUE(dir.Exists("DWGS\\TURNED.KWV"));
  EXPECT_EQ(form->RecentFiles[0], "TURNED");
  EXPECT_EQ(Tool()->Type, tooltype::Pick);
  auto lines = InFile<TLineobj>();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].X1, 1000);  // turned about the sheet's centre
  // The drawing it came from is as it was.
  DrawingList.SetDrawingName("ROUTING");
  EXPECT_EQ(InFile<TLineobj>()[0].X1, 1000);
  DrawingList.SetDrawingName("TURNED");
  // The saved state of the new drawing is the turned drawing.
  EXPECT_EQ(dir.ReadFile("CFG\\tmp.cfg"), dir.ReadFile("DWGS\\TURNED.KWV"));

  ASSERT_EQ(UndoSteps(), 1);
  form->ActiveChild()->Undo();
  lines = InFile<TLineobj>();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].X1, 1000);
}

TEST_F(WindowCommands, NamesTooShortTooLongOrUnsafeAreRefusedAndSaySo) {
  const std::pair<std::string, std::string> refused[] = {
      {"AB", "drawing name (3 to 24 letters) input is incorrect"},
      {std::string(25, 'A'), "drawing name (3 to 24 letters) input is incorrect"},
      {"..\\CFG\\CLR", "a drawing name may not hold \\ / : * ? \" < > | nor begin or end with a space"},
      {"A/B", "a drawing name may not hold \\ / : * ? \" < > | nor begin or end with a space"},
  };
  for (const auto& [name, why] : refused) {
    SCOPED_TRACE(name);
    AnswerTurn(name, 90);
    form->CmRotateMirrorExecute();
    EXPECT_EQ(manip.LastRefusal(), why);
    EXPECT_EQ(DrawingList.DrawingName, "ROUTING");
  }
  EXPECT_EQ(UndoSteps(), 0);
}

TEST_F(WindowCommands, AnExistingDrawingIsReplacedOnlyAfterAskingAndTheSameNameTurnsInPlace) {
  AddLine(1000, 1000, 3000, 1000);
  dir.WriteFile("DWGS\\OTHER.KWV", "kept");
  AnswerTurn("OTHER", 1);
  ui.ExpectQuestion(plat::mrNo)
      .WithText("a drawing of that name already exists - do you wish to replace it?");
  manip.Cancel();  // asked again after No, then given up
  form->CmRotateMirrorExecute();
  EXPECT_EQ(dir.ReadFile("DWGS\\OTHER.KWV"), "kept");
  EXPECT_EQ(DrawingList.DrawingName, "ROUTING");

  // The drawing's own name turns it where it is: a mirror.
  AnswerTurn("ROUTING", TTManipdlg::kMirror);
  form->CmRotateMirrorExecute();
  const auto lines = InFile<TLineobj>();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].X1, 1000);
  EXPECT_EQ(UndoSteps(), 1);
  child->Undo();
  EXPECT_EQ(InFile<TLineobj>()[0].X1, 1000);
}

TEST_F(WindowCommands, TheLineStyleGoesToTheToolAndTheStatusBar) {
  form->CmLineExecute();
  lineStyle.Answer([](TTLinedlg& d) {
    d.Thickness = TTLinedlg::kThick;
    d.PenStyle = 1;
  });
  form->CmLinestyleExecute();
  EXPECT_EQ(LineThickness, 2);
  EXPECT_EQ(Tool()->PenStyle, 1);
  EXPECT_EQ(ToolName(), "2,Line");
  EXPECT_EQ(lineStyle.Shown().back().Thickness, TTLinedlg::kThin);  // it opened with the old one
  Drag(1000, 1000, 3000, 1000);
  const auto lines = InFile<TLineobj>();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(std::tie(lines[0].PenWidth, lines[0].PenStyle), std::make_tuple(2, 1));

  lineStyle.Cancel();
  form->CmLinestyleExecute();
  EXPECT_EQ(Tool()->Type, tooltype::Pick);
}

TEST_F(WindowCommands, ASelectionWithARoundedRectangleTurnsOnlyByQuarterTurns) {
  DrawingList.Add(new TRndrectobj(kind::RoundRect, view::Ground, 0, 0, 1000, 0, 2000, 0, 1000, 2000,
                                  50, 0, 0, 1, 0));
  DrawingList.Add(new TLineobj(kind::Line, view::Ground, 0, 0, 3000, 0, 3010, 0, 3000, 3010, 0, 0,
                               0, 1, 0));
  DrawingList.WriteDrawingFile(dtDrawing);
  EXPECT_FALSE(child->SelectionTurnsByQuartersOnly());  // no frame tool, nothing listed
  form->CmMoveExecute();
  Drag(2900, 2900, 3100, 3100);  // the line alone
  EXPECT_FALSE(child->SelectionTurnsByQuartersOnly());
  form->CmMoveExecute();
  Drag(900, 900, 2100, 2100);
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk)
      .WithText("RECT and RNDRECT Objs only rotate in 90, 180 and 270 degree increments");
  const plat::Point pointer = ui.cursor;
  EXPECT_TRUE(child->SelectionTurnsByQuartersOnly());
  EXPECT_EQ(ui.cursor, pointer);
  dir.WriteFile("CFG\\COPY.CFG", "99 0 0\n");  // an index the list does not have
  EXPECT_FALSE(child->SelectionTurnsByQuartersOnly());
}

TEST_F(WindowCommands, AFillChangeTakesTheWholeGroupOnThisViewOnly) {
  auto circle = [](int32 linkId, int32 floor, int32 x) {
    return new TCircleobj(kind::Circle, floor, linkId, 0, x, 0, x + 1000, 0, 1000, 2000, 0, 0, 1, 0);
  };
  DrawingList.Add(circle(5, view::Ground, 1000));   // 6: clicked
  DrawingList.Add(circle(5, view::Ground, 4000));   // 7: same group
  DrawingList.Add(circle(5, view::First, 1000));    // 8: same group, another floor
  DrawingList.Add(circle(0, view::Ground, 7000));   // 9: no group
  DrawingList.Add(circle(0, view::Ground, 9000));   // 10: no group
  const int32 xs[19] = {1000, 3000, 3000, 1000}, ys[19] = {3000, 3000, 5000, 5000}, zs[19] = {};
  const int32 none[4] = {};
  DrawingList.Add(new TPolyobj(6100, view::Ground, 9, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                               xs, zs, ys, none));  // 11: a symbol's outline
  DrawingList.WriteDrawingFile(dtDrawing);

  form->CmFillExecute();
  EXPECT_EQ(Tool()->Type, tooltype::Fill);
  const plat::COLORREF red = plat::RGB(200, 0, 0);
  ui.ExpectColour(red);
  Click(1500, 1500);
  ui.ExpectColour(red);
  Click(7500, 1500);
  ui.ExpectColour(red);
  Click(2000, 4000);  // inside the box the symbol's points span
  ui.ExpectColour(0, false);
  Click(9500, 1500);  // the chooser cancelled: nothing changes
  Click(12000, 1500);
  EXPECT_EQ(Guide(), "GUIDE: no suitable item selected");

  DrawingList.Clear();
  DrawingList.ReadDrawingFile(dtDrawing);
  const plat::COLORREF fills[] = {red, red, 0, red, 0, red};
  for (int32 i = 0; i < 6; ++i) {
    SCOPED_TRACE(i + 6);
    EXPECT_EQ(DrawingList.At(i + 6)->FillColour, fills[i]);
  }
  EXPECT_EQ(UndoSteps(), 3);
  // The chooser starts from the picked shape's colour: the last one's, kept.
  EXPECT_EQ(dir.ReadFile("CFG\\FILLCLR.CFG"), "0\n");
}

TEST_F(WindowCommands, TheFillColourOfNewShapesIsChosenOnceAndKept) {
  form->CmCircleExecute();
  const plat::COLORREF green = plat::RGB(0, 160, 0);
  ui.ExpectColour(green);
  form->CmFillColourExecute();
  EXPECT_EQ(Tool()->FillColour, green);
  EXPECT_EQ(dir.ReadFile("CFG\\FILLCLR.CFG"), std::to_string(green) + "\n");
  ui.ExpectColour(0, false);
  form->CmFillColourExecute();
  EXPECT_EQ(dir.ReadFile("CFG\\FILLCLR.CFG"), std::to_string(green) + "\n");
  Drag(2000, 2000, 2500, 2000);
  EXPECT_EQ(InFile<TCircleobj>().at(0).FillColour, green);
}

}  // namespace
