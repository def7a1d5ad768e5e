// Texts in a plan window: centred at a click, typed line by line from a
// starting point, changed and resized; what the live drawing file holds.
#include "dialogs/drawing_dialogs.h"
#include "tests/drawing_window_fixture.h"
#include "tools/texttool.h"

namespace {

class Texts : public DrawingWindowTest {
 protected:
  void StartText(int32 placement, int32 direction = TTTextdlg::kLevel) {
    style.Answer([=](TTTextdlg& d) {
      d.Placement = placement;
      d.Direction = direction;
    });
    form->CmTextExecute();
  }
  void Type(const std::string& keys) {
    for (char c : keys) child->FormKeyPress(c);
  }
  void Enter() { child->FormKeyPress('\r'); }

  dlg::InstalledScript<TTTextdlg> style;
  dlg::InstalledScript<Ttextcentredlg> centred;
};

TEST_F(Texts, CentredTextsAreStoredAtTheClickWithANewGroupNumberEach) {
  NextGroupNumber = 7;
  StartText(TTTextdlg::kCentred);
  EXPECT_EQ(Guide(),
            "GUIDE: click LEFT button on TEXT centre point - OR click on the Centre Centre icon "
            "if it will help to position the text");
  EXPECT_EQ(ToolName(), "1,Text");
  centred.Answer([](Ttextcentredlg& d) { d.Text = "LOUNGE"; });
  Click(2000, 1500);
  centred.Answer([](Ttextcentredlg& d) { d.Text = "BED 1"; });
  Click(4000, 1500);
  EXPECT_EQ(Guide(),
            "GUIDE: you can continue using the same text function by clicking LEFT button on "
            "TEXT point");

  const auto texts = InFile<TTextobj>();
  ASSERT_EQ(texts.size(), 2u);
  const TTextobj& t = texts[0];
  EXPECT_EQ(t.Kind, kind::Text);
  EXPECT_STREQ(t.Text, "LOUNGE");
  EXPECT_EQ(t.TextLength, 6);
  EXPECT_EQ(std::tie(t.X1, t.Y1), std::make_tuple(2000, 1500));
  EXPECT_EQ(std::tie(t.Alignment, t.Escapement), std::make_tuple(1, 0));
  EXPECT_EQ(std::tie(t.Size, t.Weight), std::make_tuple(TextSize, TextWeight));
  // The width in the text's own font: 6 letters of 0.6 x 10 pixels, 25 mm a pixel.
  EXPECT_EQ(t.Marked, 6 * 6 * 25);
  EXPECT_EQ(t.Tag1, 8);
  EXPECT_EQ(texts[1].Tag1, 9);
  EXPECT_EQ(NextGroupNumber, 9);
  EXPECT_EQ(UndoSteps(), 2);

  // Cancel ends the text function without taking a group number.
  centred.Cancel();
  Click(6000, 1500);
  EXPECT_EQ(Tool()->Type, tooltype::Pick);
  EXPECT_EQ(NextGroupNumber, 9);
}

TEST_F(Texts, AnUprightCentredTextRunsDownTheSheetCentredOnTheClick) {
  StartText(TTTextdlg::kCentred, TTTextdlg::kUpright);
  EXPECT_EQ(Tool()->CursorX, textplace::CentredUpright);
  centred.Answer([](Ttextcentredlg& d) { d.Text = "HALL"; });
  Click(2000, 2000);
  const auto texts = InFile<TTextobj>();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(std::tie(texts[0].Escapement, texts[0].Alignment), std::make_tuple(2700, 6));
  EXPECT_EQ(std::tie(texts[0].X1, texts[0].Y1), std::make_tuple(2000, 2000));
}

TEST_F(Texts, TypedLinesFollowEachOtherDownTheSheetUntilASecondEnter) {
  StartText(TTTextdlg::kTyped);
  EXPECT_EQ(Tool()->Type, tooltype::TypedText);
  EXPECT_EQ(Guide(),
            "GUIDE: Press LEFT button on TEXT starting point - then type away - press Enter when "
            "finished ");
  Click(1000, 3000);
  EXPECT_EQ(Guide(), "GUIDE: maximum of 70 letters/numbers/spaces per line");
  Type("KITCHEN");
  Type("\b\b\bTH");  // "KITCTH" after three back and two more
  EXPECT_EQ(Guide(), "GUIDE: press ENTER once for newline - T W I C E to FINISH");
  Enter();
  Type("3.6 x 4.2");
  Enter();
  Enter();  // the second Enter ends the text
  EXPECT_EQ(Tool()->Type, tooltype::Parked);
  EXPECT_EQ(ToolName(), "None");
  EXPECT_EQ(Guide(), "GUIDE: select tool or function");

  child->OnPaint();  // a repaint rebuilds the list from the file
  const auto texts = InFile<TTextobj>();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_STREQ(texts[0].Text, "KITCTH");
  EXPECT_EQ(texts[0].Kind, kind::Text24);
  EXPECT_EQ(texts[0].Alignment, textplace::Typed);
  EXPECT_EQ(std::tie(texts[0].X1, texts[0].Y1), std::make_tuple(1000, 3000));
  EXPECT_STREQ(texts[1].Text, "3.6 x 4.2");
  // One line lower: the line height at 10 pixels, 25 mm a pixel... measured by the tool,
  // with the font's external leading (a tenth of its height in the recording model).
  EXPECT_EQ(texts[1].X1, 1000);
  EXPECT_EQ(texts[1].Y1, 3000 - (10 + 1) * 5 * (PixelScale + 1));
  EXPECT_EQ(UndoSteps(), 2);
}

TEST_F(Texts, AnEnterOnAnEmptyFirstLineEndsTheTextAtOnce) {
  StartText(TTTextdlg::kTyped);
  Click(1000, 3000);
  Type("\b");  // nothing typed yet: nothing to take back
  Enter();
  EXPECT_EQ(Tool()->Type, tooltype::Parked);
  EXPECT_EQ(ToolName(), "Pick tool");
  EXPECT_EQ(UserElementsInFile(), 0);
}

TEST_F(Texts, TheSeventyFirstLetterEndsTheLineWithAMessageAndNoMarkInTheFile) {
  StartText(TTTextdlg::kTyped);
  Click(1000, 5000);
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk)
      .WithText("text longer than maximum 70 letters / spaces");
  Type(std::string(71, 'a') + "b");
  Enter();
  Enter();
  const auto texts = InFile<TTextobj>();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].TextLength, 71);
  EXPECT_EQ(texts[0].Y2, 0);  // the overflow is not written into the text's coordinates
  EXPECT_STREQ(texts[1].Text, "b");
  EXPECT_LT(texts[1].Y1, texts[0].Y1);
  // The letter that overflowed is drawn only where it stands, on the new line.
  int drawn = 0;
  for (const plat::DcRecord& r : host.window.Log().Texts()) {
    if (r.text != "b") continue;
    ++drawn;
    EXPECT_EQ(r.from, Pixel(texts[1].X1, texts[1].Y1));
  }
  EXPECT_GT(drawn, 0);
}

TEST_F(Texts, ATextTypedOffTheSheetIsKeptUntilANewStartingPointIsClicked) {
  StartText(TTTextdlg::kTyped);
  Type("PORCH");  // before any starting point was clicked
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk)
      .Containing("off the drawing sheet");
  Enter();
  EXPECT_EQ(UserElementsInFile(), 0);
  Click(2000, 2000);
  Enter();
  const auto texts = InFile<TTextobj>();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_STREQ(texts[0].Text, "PORCH");
  EXPECT_EQ(std::tie(texts[0].X1, texts[0].Y1), std::make_tuple(2000, 2000));
}

TEST_F(Texts, TheToolCommitsCleanlyAndTakesGroupNumbersOnlyForStoredTexts) {
  TTextobjtool tool;
  tool.Type = tooltype::TypedText;
  plat::WindowDC dc(host.window);
  const plat::Rect r = child->ClientRect();
  const plat::Point p = Pixel(1000, 1000);
  tool.MouseDown(*dc, r, p.x, p.y);
  tool.KeyPress(*dc, r, 'A');
  tool.KeyPress(*dc, r, '\r');
  tool.KeyPress(*dc, r, '\r');  // straight after a commit: the buffer is empty
  EXPECT_EQ(UserElementsInFile(), 1);
  EXPECT_EQ(tool.Typed, 0);
  EXPECT_STREQ(tool.Text, "");

  NextGroupNumber = 3;
  TTextobjtool placed;
  placed.PlaceText(*dc, r, p.x, p.y, std::string(80, 'x'));  // too long
  const plat::Point off = Pixel(0, 1000);
  placed.PlaceText(*dc, r, off.x, off.y, "EDGE");  // off the sheet
  EXPECT_EQ(NextGroupNumber, 3);
  placed.PlaceText(*dc, r, p.x, p.y, "KEPT");
  EXPECT_EQ(NextGroupNumber, 4);
  EXPECT_EQ(UserElementsInFile(), 2);
}

TEST_F(Texts, TextsAreChangedAndResizedFromTheDrawMenuWithAnUndoStepEach) {
  DrawingList.Add(new TTextobj(kind::Text, view::Ground, 0, 0, 2000, 1500, 0, 0, 0, 0, 0, 0, 1,
                               0, 10, 400, "", "LOUNGE"));
  DrawingList.WriteDrawingFile(dtDrawing);
  form->CmTextChangeExecute();
  EXPECT_EQ(Guide(), "GUIDE: click LEFT button on the text to change");
  ui.ExpectInput("FAMILY").WithPrompt("");
  Click(2000, 1500);
  form->CmTextSizeExecute();
  ui.ExpectInput("14").WithPrompt("CHANGE TEXT SIZE");
  Click(2000, 1500);
  const auto texts = InFile<TTextobj>();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_STREQ(texts[0].Text, "FAMILY");
  EXPECT_EQ(texts[0].Size, 14);
  EXPECT_EQ(UndoSteps(), 2);
  child->Undo();
  EXPECT_EQ(InFile<TTextobj>()[0].Size, 10);
}

}  // namespace
