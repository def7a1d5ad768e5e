// The line-object tool's commands on walls and lines put into the list: the
// floor area, the nearest face in an arrow direction, moving a line's end;
// and the window commands that reach them (move line end, multi-lines, the
// distance a line step offers).
#include "tests/drawing_window_fixture.h"
#include "tools/lineobj_geometry.h"

namespace {

TExtwallobj* ExtWall(int32 view, int32 x1, int32 y1, int32 x2, int32 y2, int32 angle,
                     int32 cavity = 0, plat::Point inner1 = {}, plat::Point inner2 = {}) {
  const int32 codes[4] = {};
  const bool layered = cavity > 0;
  const plat::Point l2a = layered ? plat::Point{} : inner1, l2b = layered ? plat::Point{} : inner2;
  const plat::Point l4a = layered ? inner1 : plat::Point{}, l4b = layered ? inner2 : plat::Point{};
  return new TExtwallobj(kind::ExtWall, view, 1, 0, 1, x1, 0, y1, x2, 0, y2, l2a.x, l2a.y, l2b.x,
                         l2b.y, 0, 0, 0, 0, l4a.x, l4a.y, l4b.x, l4b.y, 0, 0, 0, 110, cavity, 100,
                         0, 0, 0, 0, angle, 0, 0, 0, 0, codes);
}

TInwallobj* InWall(int32 x1, int32 y1, int32 x2, int32 y2, int32 x3, int32 y3, int32 x4, int32 y4,
                   int32 angle) {
  const int32 codes[4] = {};
  return new TInwallobj(kind::InWall, view::Ground, 2, 0, 1, x1, 0, y1, x2, 0, y2, x3, 0, y3, x4,
                        y4, 0, 0, 0, 100, 0, 0, 0, 0, -1, -1, angle, 0, 0, 0, codes);
}

TLineobj* Line(int32 x1, int32 y1, int32 x2, int32 y2, int32 angle, int32 length = 0) {
  return new TLineobj(kind::Line, view::Ground, 0, length, x1, 0, x2, 0, y1, y2, 0, angle, 0, 1, 0);
}

// A clockwise rectangle of external walls, its top edge cut into n walls.
void Rectangle(int32 view, int32 left, int32 bottom, int32 width, int32 height, int32 n = 1) {
  const int32 top = bottom + height, right = left + width;
  for (int32 k = 0; k < n; ++k)
    DrawingList.Add(ExtWall(view, left + k * width / n, top, left + (k + 1) * width / n, top, 900));
  DrawingList.Add(ExtWall(view, right, top, right, bottom, 1800));
  DrawingList.Add(ExtWall(view, right, bottom, left, bottom, 2700));
  DrawingList.Add(ExtWall(view, left, bottom, left, top, 0));
}

class LineCommands : public DrawingWindowTest {
 protected:
  int32 AreaOf(int32 viewCode) {
    TLineobjtool t;
    CurrentView = viewCode;
    t.Command(1);
    CurrentView = view::Ground;
    return DrawingList.GetFloorArea();
  }
  int32 Face(int32 x, int32 y, int32 d) {
    TLineobjtool t;
    t.X1 = x;
    t.Y1 = y;
    t.Direction = d;
    t.Command(10);
    return t.Size;
  }
};

TEST_F(LineCommands, TheFloorAreaSumsEveryTopAndBottomWall) {
  Rectangle(view::First, 1000, 1000, 4000, 3000);
  EXPECT_EQ(AreaOf(view::First), 12);  // square metres
  // Eight walls along the top: all of them count.
  DrawingList.Clear();
  InitDrawingList();
  Rectangle(view::First, 1000, 1000, 4000, 3000, 8);
  EXPECT_EQ(AreaOf(view::First), 12);
  // On the ground floor the finish re-centres first; the area is the same.
  DrawingList.Clear();
  InitDrawingList();
  Rectangle(view::Ground, 1000, 1000, 4000, 3000);
  EXPECT_EQ(AreaOf(view::Ground), 12);

  Open(false);
  Rectangle(view::First, 1200, 1200, 12 * 288, 10 * 288);
  EXPECT_EQ(AreaOf(view::First), 120);  // square feet
  // No external wall on the floor: no area.
  EXPECT_EQ(AreaOf(view::Second), 0);
}

TEST_F(LineCommands, TheNearestFaceInEachDirectionBeyondTheClearance) {
  using namespace facedir;
  DrawingList.Add(Line(0, 2000, 4000, 2000, 900));             // level line above
  DrawingList.Add(ExtWall(view::Ground, 3000, 0, 3000, 4000, 0, 0, {2800, 0}, {2800, 4000}));
  DrawingList.Add(ExtWall(view::Ground, 0, 300, 4000, 300, 900, 50, {0, 500}, {4000, 500}));
  DrawingList.Add(InWall(600, 0, 600, 4000, 500, 0, 500, 4000, 3600));  // 3600 is upright
  struct Case {
    const char* what;
    int32 x, y, d, distance;
  };
  const Case cases[] = {
      {"up to the line", 1000, 1000, Up, 1000},
      {"right to the external wall's inner face", 1000, 1000, Right, 1800},
      {"down to the inner face of a layered wall", 1000, 1000, Down, 500},
      {"left to the nearer face of an internal wall", 1000, 1000, Left, 400},
      {"a face at the clearance is not taken", 1000, 1990, Up, 0},
      {"just beyond it is", 1000, 1989, Up, 11},
      {"nothing that way: no distance", 1000, 2500, Up, 0},
      {"nothing left of the internal wall", 400, 1000, Left, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Face(c.x, c.y, c.d), c.distance);
  }
}

TEST_F(LineCommands, ASlopedInternalWallIsMeasuredAlongItsSlope) {
  using namespace facedir;
  // Bearing 45 degrees; the second face starts 100 to the right.
  DrawingList.Add(InWall(1000, 1000, 3000, 3000, 1100, 900, 3100, 2900, 450));
  // Between the two faces' starts: both faces move up by the same 50.
  EXPECT_EQ(Face(1050, 500, Up), 450);
  EXPECT_EQ(Face(2000, 500, Up), 0);  // not between the starts: no part in the search
}

TEST_F(LineCommands, MovingTheNearerEndOfALine) {
  struct Case {
    const char* what;
    int32 x1, y1, x2, y2;
    int32 step, amount, atX, atY;
    int32 ex1, ey1, ex2, ey2;
  };
  const Case cases[] = {
      {"level, right end to the right", 1000, 1000, 3000, 1000, 2, 500, 2900, 1000, 1000, 1000,
       3500, 1000},
      {"level, left end to the left", 1000, 1000, 3000, 1000, 3, 500, 1100, 1000, 500, 1000, 3000,
       1000},
      {"level drawn right to left", 3000, 1000, 1000, 1000, 2, 500, 1100, 1000, 3000, 1000, 1500,
       1000},
      {"plumb, top end up", 1000, 1000, 1000, 3000, 2, 400, 1000, 2900, 1000, 1000, 1000, 3400},
      {"plumb, bottom end down", 1000, 3000, 1000, 1000, 3, 400, 1000, 1100, 1000, 3000, 1000,
       600},
      {"sloped: left alone", 1000, 1000, 2000, 2000, 2, 500, 1900, 1900, 1000, 1000, 2000, 2000},
      {"passing the other end: left alone", 1000, 1000, 3000, 1000, 3, 2500, 2900, 1000, 1000,
       1000, 3000, 1000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    DrawingList.Clear();
    InitDrawingList();
    DrawingList.Add(Line(c.x1, c.y1, c.x2, c.y2, 0, 2000));
    TLineobjtool t;
    t.Step = c.step;
    t.Direction = 6;
    t.Execute(c.amount, c.atX, c.atY);
    const TObj& e = *DrawingList.At(6);
    EXPECT_EQ(std::tie(e.X1, e.Y1, e.X2, e.Y2), std::tie(c.ex1, c.ey1, c.ex2, c.ey2));
    EXPECT_EQ(std::tie(e.Marked, e.Tag2), std::make_tuple(0, 0));
  }
  // A stale index is checked against the list.
  TLineobjtool t;
  t.Step = 2;
  t.Direction = 40;
  t.Execute(100, 0, 0);
  EXPECT_EQ(t.Result, kNothingPicked);
}

TEST_F(LineCommands, MoveLineEndFromTheMenuWithTheArrowKeys) {
  DrawingList.Add(Line(1000, 1000, 3000, 1000, 900, 2000));
  DrawingList.WriteDrawingFile(dtDrawing);
  form->CmLineEndExecute();
  EXPECT_EQ(ToolName(), "Move line end");
  ui.ExpectInput("500").WithPrompt("RIGHT");
  KeyAt(plat::VK_RIGHT, 2900, 1000);
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbRetry, plat::mrRetry)
      .WithText("Wrong Arrow key to shorten / extend the line selected");
  KeyAt(plat::VK_UP, 2900, 1000);
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbRetry, plat::mrRetry)
      .WithText("No valid horizontal or vertical (on screen)line or wall object selected ");
  KeyAt(plat::VK_LEFT, 2000, 2000);
  ui.ExpectInput("3000").WithPrompt("LEFT");
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbRetry, plat::mrRetry)
      .WithText("the line is not that long - no change made");
  KeyAt(plat::VK_LEFT, 3400, 1000);

  const auto lines = InFile<TLineobj>();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(std::tie(lines[0].X1, lines[0].X2), std::make_tuple(1000, 3500));
  EXPECT_EQ(lines[0].Tag1, 2500);  // its length follows
  EXPECT_EQ(UndoSteps(), 1);
}

TEST_F(LineCommands, ALineStepOffersTheDistanceToTheNearestFace) {
  DrawingList.Add(Line(0, 3000, 6000, 3000, 900));
  DrawingList.WriteDrawingFile(dtDrawing);
  form->CmLineExecute();
  KeyAt(plat::VK_RETURN, 1000, 1000);
  ui.ExpectInput("2000").WithPrompt("UP");
  Key(plat::VK_UP);
  EXPECT_EQ(Tool()->Distance, 2000);  // what the question offered: up to the line
  ui.ExpectInput("700").WithPrompt("RIGHT");
  Key(plat::VK_RIGHT);
  EXPECT_EQ(Tool()->Distance, 0);  // nothing that way
  EXPECT_EQ(InFile<TLineobj>().size(), 3u);
}

TEST_F(LineCommands, MultiLinesAskTheirNumberFromOneToAHundred) {
  ui.ExpectInput("3").WithPrompt("number of lines");
  form->CmMultiLinesExecute();
  EXPECT_EQ(std::tie(Tool()->Step, Tool()->Size), std::make_tuple(toolstep::MultiStart, 3));
  EXPECT_EQ(Guide(),
            "GUIDE: Press Enter on first line start, then press Enter on line end, now press "
            "Enter on starting point of final line");
  EXPECT_EQ(ToolName(), "1,Multiline");

  ui.ExpectInput("0");
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbRetry, plat::mrRetry)
      .WithText("input must be a valid number");
  form->CmMultiLinesExecute();
  ui.ExpectInputCancelled();
  form->CmMultiLinesExecute();
  EXPECT_EQ(Tool()->Step, toolstep::MultiStart);  // Cancel stays in the function
  EXPECT_EQ(Tool()->Type, tooltype::Line);
  ui.ExpectInput("101");
  form->CmMultiLinesExecute();
  EXPECT_EQ(Tool()->Type, tooltype::Pick);
}

}  // namespace
