// Texts written along lines: where the text goes beside a line of each
// direction, the settings file it comes from, and the whole command in a
// plan window with the mouse and the keys.
#include "dialogs/drawing_dialogs.h"
#include "tests/drawing_window_fixture.h"
#include "tools/lineobj_geometry.h"

namespace {

struct PlaceCase {
  const char* what;
  int32 x1, y1, x2, y2;
  bool second;
  int32 x, y, bearing, escapement, code;
};

TEST(LineTextPlace, EachDirectionAndSideOfALine) {
  const int32 q = 75;
  const PlaceCase cases[] = {
      {"level, left to right, first side below", 1000, 1000, 3000, 1000, false, 2000, 925, 900, 0, 4},
      {"level, right to left", 3000, 1000, 1000, 1000, false, 2000, 925, 2700, 0, 4},
      {"level, second side above", 1000, 1000, 3000, 1000, true, 2000, 1075, 900, 0, 6},
      {"plumb, drawn upward, first side right", 1000, 1000, 1000, 3000, false, 1075, 2000, 0,
       2700, 4},
      {"plumb, drawn downward, second side left", 1000, 3000, 1000, 1000, true, 925, 2000, 1800,
       2700, 6},
      // 45 degrees up and right: the quarter line splits 53 and 53.
      {"sloped up right", 1000, 1000, 2000, 2000, false, 1553, 1447, 450, 3150, 4},
      {"sloped up right, second side", 1000, 1000, 2000, 2000, true, 1447, 1553, 450, 3150, 6},
      {"sloped down right", 1000, 2000, 2000, 1000, false, 1447, 1447, 1350, 450, 4},
  };
  for (const PlaceCase& c : cases) {
    SCOPED_TRACE(c.what);
    const LineTextPlace p = PlaceLineText(c.x1, c.y1, c.x2, c.y2, c.second, q);
    EXPECT_EQ(std::tie(p.x, p.y), std::tie(c.x, c.y));
    EXPECT_EQ(p.bearing, c.bearing);
    EXPECT_EQ(p.escapement, c.escapement);
    EXPECT_EQ(p.alignCode, c.code);
  }
}

class LineText : public DrawingWindowTest {
 protected:
  void Answer(const std::string& text, int32 side) {
    textDlg.Answer([=](TTLinetextdlg& d) {
      d.Text = text;
      d.Side = side;
    });
  }
  dlg::InstalledScript<TTLinetextdlg> textDlg;
};

TEST_F(LineText, TheSettingsFileKeepsBlanksAndIsHeldToTheTextField) {
  struct FileCase {
    const char* content;
    int32 side;
    std::string text;
  };
  const FileCase cases[] = {
      {"1 5\n  AB ", 1, "  AB "},
      {"2 200\nABC", 2, "ABC"},  // the count beyond what the file holds
      {"1 0\n", 1, ""},
      {"2 95\n", 2, ""},
  };
  for (const FileCase& c : cases) {
    SCOPED_TRACE(c.content);
    dir.WriteFile("CFG\\LTEXT.CFG", c.content);
    LineTextSetting s;
    ASSERT_TRUE(ReadLineTextSetting(s));
    EXPECT_EQ(s.side, c.side);
    EXPECT_EQ(s.text, c.text);
  }
  dir.WriteFile("CFG\\LTEXT.CFG", "2 90\n" + std::string(100, 'x'));
  LineTextSetting s;
  ReadLineTextSetting(s);
  EXPECT_EQ(s.text.size(), 79u);

  ASSERT_TRUE(WriteLineTextSetting(1, " NORTH"));
  EXPECT_EQ(dir.ReadFile("CFG\\LTEXT.CFG"), "1 6\n NORTH");
}

TEST_F(LineText, ADraggedLineGetsItsTextWithOneUndoStepAndKeepsItAfterARepaint) {
  TextWeight = 500;  // counts as bold
  form->CmLineTextExecute();
  EXPECT_EQ(Tool()->Step, toolstep::LineTextArmed);
  Answer("  BOUNDARY", TTLinetextdlg::kLeftOrAbove);
  Drag(1000, 1000, 3000, 1000);
  EXPECT_EQ(Tool()->Type, tooltype::Pick);
  EXPECT_EQ(dir.ReadFile("CFG\\LTEXT.CFG"), "1 10\n  BOUNDARY");

  // The text was painted at once, above the line, in bold.
  bool painted = false;
  for (const auto& r : host.window.Drawn())
    if (r.op == plat::DcOp::Text && r.text == "  BOUNDARY") {
      painted = true;
      EXPECT_EQ(r.font.weight, plat::FW_BOLD);
    }
  EXPECT_TRUE(painted);

  child->OnPaint();
  const auto texts = InFile<TTextobj>();
  ASSERT_EQ(texts.size(), 1u);
  const TTextobj& t = texts[0];
  EXPECT_EQ(t.Kind, kind::WallLengthText);
  EXPECT_STREQ(t.Text, "  BOUNDARY");
  EXPECT_EQ(t.X1, 2000);
  // A quarter of a line above it: the height (12 x 5) and the font's
  // external leading (a tenth of it in the recording model).
  EXPECT_EQ(t.Y1, 1000 + (60 + 6) * PixelScale / 4);
  EXPECT_EQ(t.X2, 900);  // the line's bearing
  EXPECT_EQ(std::tie(t.Escapement, t.Alignment), std::make_tuple(0, 6));
  EXPECT_EQ(t.Size, 12);  // the text height of the dimension settings
  EXPECT_EQ(InFile<TLineobj>().size(), 1u);
  EXPECT_EQ(UndoSteps(), 1);
  child->Undo();
  EXPECT_EQ(UserElementsInFile(), 0);
}

TEST_F(LineText, AKeyboardLineGetsItsTextOnTheChosenSide) {
  form->CmLineTextExecute();
  KeyAt(plat::VK_RETURN, 2000, 1000);
  ui.ExpectInput("2000").WithPrompt("UP");
  Answer("FENCE", TTLinetextdlg::kRightOrBelow);
  Key(plat::VK_UP);
  const auto texts = InFile<TTextobj>();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_GT(texts[0].X1, 2000);  // right of the line
  EXPECT_EQ(texts[0].Y1, 2000);
  EXPECT_EQ(std::tie(texts[0].X2, texts[0].Escapement), std::make_tuple(0, 2700));
  EXPECT_EQ(Tool()->Type, tooltype::Pick);
}

TEST_F(LineText, ATextOfNoneOrMoreThanTwentyOneLettersIsRefusedWithAMessage) {
  for (const std::string& text : {std::string(), std::string(22, 'a')}) {
    SCOPED_TRACE(text.size());
    form->CmLineTextExecute();
    Answer(text, 1);
    Drag(1000, 1000 + 100 * int(text.size()), 3000, 1000 + 100 * int(text.size()));
    EXPECT_EQ(textDlg.LastRefusal(), "text (1 to 21 letters) input is incorrect");
    EXPECT_EQ(Tool()->Type, tooltype::Pick);
  }
  EXPECT_EQ(textDlg.Refused(), 2);
  EXPECT_TRUE(InFile<TTextobj>().empty());
  // The old text of the settings is not put on the lines instead.
  EXPECT_EQ(dir.ReadFile("CFG\\LTEXT.CFG"), "1 0\n");
}

TEST_F(LineText, OnlyALineJustDrawnGetsATextAndAnEmptyTextAddsNone) {
  TLineobjtool tool;
  plat::WindowDC dc(host.window);
  DrawingList.Add(new TArcobj(kind::Arc, view::Ground, 0, 0, 1000, 0, 1000, 2000, 0, 2000, 0, 0, 0,
                              0, 0, 1, 0));
  dir.WriteFile("CFG\\LTEXT.CFG", "1 4\nWALL");
  tool.ElementsAdded(*dc, child->ClientRect(), 0, 0);
  EXPECT_EQ(DrawingList.Count(), 7);
  EXPECT_EQ(tool.Step, 0);

  DrawingList.Add(new TLineobj(kind::Line, view::Ground, 0, 0, 1000, 0, 3000, 0, 1000, 1000, 0, 900,
                               0, 1, 0));
  dir.WriteFile("CFG\\LTEXT.CFG", "1 0\n");
  tool.ElementsAdded(*dc, child->ClientRect(), 0, 0);
  EXPECT_EQ(DrawingList.Count(), 8);
  EXPECT_EQ(tool.Step, toolstep::LineTextArmed);
}

}  // namespace
