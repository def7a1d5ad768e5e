// Arcs, ellipses, circles and rounded rectangles drawn in a plan window as a
// user draws them (the Draw menu's commands, the mouse and the keys), and
// what the live drawing file holds afterwards.
#include "tests/drawing_window_fixture.h"
#include "tools/shapetools.h"

namespace {

class Shapes : public DrawingWindowTest {
 protected:
  void SetFillColour(plat::COLORREF c) { dir.WriteFile("CFG\\FILLCLR.CFG", std::to_string(c) + "\n"); }
};

constexpr const char* kArcHeight = "ARC HEIGHT Use minus number for Arcs Below or Right of Endpts";

struct ArcCase {
  const char* what;
  bool metric;
  plat::Point first, second;
  const char* height;
  ShapeBox box;
  plat::Point start, end;
};

TEST_F(Shapes, ArcsFromTwoEndsInLineAndAHeightInBothUnits) {
  const ArcCase cases[] = {
      {"level, above", true, {1000, 1000}, {3000, 1045}, "600", {1000, 400, 3000, 1600},
       {3000, 1000}, {1000, 1000}},
      {"level, below", true, {3000, 1000}, {1000, 1000}, "-600", {3000, 1600, 1000, 400},
       {1000, 1000}, {3000, 1000}},
      {"plumb, left", true, {1000, 1000}, {1040, 3000}, "600", {400, 1000, 1600, 3000},
       {1000, 3000}, {1000, 1000}},
      {"plumb, right", true, {1000, 3000}, {1000, 1000}, "-600", {1600, 3000, 400, 1000},
       {1000, 1000}, {1000, 3000}},
      {"imperial, 9 units off level", false, {1200, 1200}, {3600, 1254}, "24",
       {1200, 624, 3600, 1776}, {3600, 1200}, {1200, 1200}},
  };
  for (const ArcCase& c : cases) {
    SCOPED_TRACE(c.what);
    Open(c.metric);
    form->CmArcExecute();
    EXPECT_EQ(ToolName(), "1,Arc");
    EXPECT_EQ(Guide(),
              "GUIDE: press ENTER on both endpoints of ARC - endpts MUST BE IN LINE horiz or vert!");
    KeyAt(plat::VK_RETURN, c.first.x, c.first.y);
    ui.ExpectInput(c.height).WithPrompt(kArcHeight);
    KeyAt(plat::VK_RETURN, c.second.x, c.second.y);

    const auto arcs = InFile<TArcobj>();
    ASSERT_EQ(arcs.size(), 1u);
    const TArcobj& a = arcs[0];
    EXPECT_EQ(a.Kind, kind::Arc);
    EXPECT_EQ(a.Floor, view::Ground);
    EXPECT_EQ(std::tie(a.X1, a.Y1, a.X2, a.Y2), std::tie(c.box.x1, c.box.y1, c.box.x2, c.box.y2));
    EXPECT_EQ(std::tie(a.StartX, a.StartY, a.EndX, a.EndY),
              std::tie(c.start.x, c.start.y, c.end.x, c.end.y));
    EXPECT_EQ(a.Colour, DrawingColour);
    EXPECT_EQ(UndoSteps(), 1);
    // Ready for the next arc: the next Enter takes a first end again.
    EXPECT_EQ(Tool()->X1, 0);
    EXPECT_EQ(Tool()->State, toolstate::Idle);
  }
}

TEST_F(Shapes, ArcsWhoseEndsAreNotInLineAreRefusedAndPromptedAgain) {
  form->CmArcExecute();
  KeyAt(plat::VK_RETURN, 1000, 1000);
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbRetry, plat::mrRetry)
      .WithText("Endpoint not horizontal or vertical - no arc drawn\nre select tool and retry");
  KeyAt(plat::VK_RETURN, 3000, 2000);
  // Within the window's snap but beyond the tool's: no arc, and the prompt again.
  form->st.SetPanelText(panel::Guide, "");
  ui.ExpectInput("600");
  KeyAt(plat::VK_RETURN, 3000, 1060);
  EXPECT_EQ(UserElementsInFile(), 0);
  EXPECT_EQ(UndoSteps(), 0);
  EXPECT_EQ(Guide(),
            "GUIDE: press ENTER on both endpoints of ARC - endpts MUST BE IN LINE horiz or vert!");

  // An arc of no height is no arc, whoever asks the tool for it.
  TArcobjtool tool;
  plat::WindowDC dc(host.window);
  plat::Point a = Pixel(1000, 1000), b = Pixel(3000, 1000);
  tool.KeyDown(*dc, child->ClientRect(), plat::VK_RETURN, a, 0);
  tool.KeyDown(*dc, child->ClientRect(), plat::VK_RETURN, b, 0);
  EXPECT_EQ(tool.Result, kNothingPlaced);
  EXPECT_EQ(UserElementsInFile(), 0);
}

TEST_F(Shapes, CirclesDraggedFromTheCentreTakeTheSignedHorizontalRadius) {
  SetFillColour(plat::RGB(0, 128, 255));
  form->CmCircleExecute();
  EXPECT_EQ(ToolName(), "1,Circle");
  Drag(2000, 2000, 2500, 2600);
  Drag(5000, 2000, 4500, 2000);  // to the left: the box's corners come swapped
  form->st.SetPanelText(panel::Guide, "");
  Drag(7000, 2000, 7000, 2600);  // straight up: no radius, no circle

  const auto circles = InFile<TCircleobj>();
  ASSERT_EQ(circles.size(), 2u);
  EXPECT_EQ(std::tie(circles[0].X1, circles[0].Y1, circles[0].X2, circles[0].Y2),
            std::make_tuple(1500, 1500, 2500, 2500));
  EXPECT_EQ(std::tie(circles[1].X1, circles[1].Y1, circles[1].X2, circles[1].Y2),
            std::make_tuple(5500, 2500, 4500, 1500));
  EXPECT_EQ(circles[0].FillColour, plat::RGB(0, 128, 255));
  EXPECT_EQ(circles[0].Kind, kind::Circle);
  EXPECT_EQ(UndoSteps(), 2);
  EXPECT_TRUE(FiguresBalanced());
  EXPECT_EQ(Guide(),
            "GUIDE: First select fill colour then press ENTER on centrepoint, input radius OR "
            "press Left Button on centre and DRAG");
}

TEST_F(Shapes, KeyboardCirclesAskTheirRadiusAtEveryEnterInBothUnits) {
  form->CmCircleExecute();
  ui.ExpectInput("100").WithPrompt("RADIUS");
  KeyAt(plat::VK_RETURN, 2000, 2000);
  ui.ExpectInput("50").WithPrompt("RADIUS");
  KeyAt(plat::VK_RETURN, 3000, 2000);
  auto circles = InFile<TCircleobj>();
  ASSERT_EQ(circles.size(), 2u);
  EXPECT_EQ(std::tie(circles[0].X1, circles[0].Y1, circles[0].X2, circles[0].Y2),
            std::make_tuple(1900, 1900, 2100, 2100));
  EXPECT_EQ(std::tie(circles[1].X1, circles[1].X2), std::make_tuple(2950, 3050));

  Open(false);
  form->CmCircleExecute();
  ui.ExpectInput("4").WithPrompt("RADIUS in inches");
  KeyAt(plat::VK_RETURN, 2400, 2400);
  circles = InFile<TCircleobj>();
  ASSERT_EQ(circles.size(), 1u);
  EXPECT_EQ(std::tie(circles[0].X1, circles[0].Y1, circles[0].X2, circles[0].Y2),
            std::make_tuple(2304, 2304, 2496, 2496));
}

TEST_F(Shapes, EllipsesAreDraggedAndNeedBothAWidthAndAHeight) {
  SetFillColour(plat::RGB(255, 0, 0));
  form->CmEllipseExecute();
  EXPECT_EQ(Guide(), "GUIDE: press Left Button on one endpoint and DRAG");
  Drag(1000, 1000, 3000, 2000);
  Drag(1000, 3000, 3000, 3000);  // no height

  // From the keys an arrow gives a line's worth of ellipse: no height either.
  form->st.SetPanelText(panel::Guide, "");
  KeyAt(plat::VK_RETURN, 4000, 1000);
  ui.ExpectInput("2000").WithPrompt("RIGHT");
  Key(plat::VK_RIGHT);
  EXPECT_EQ(Guide(), "GUIDE: press Left Button on one endpoint and DRAG");

  const auto ellipses = InFile<TEllipseobj>();
  ASSERT_EQ(ellipses.size(), 1u);
  EXPECT_EQ(std::tie(ellipses[0].X1, ellipses[0].Y1, ellipses[0].X2, ellipses[0].Y2),
            std::make_tuple(1000, 1000, 3000, 2000));
  EXPECT_EQ(ellipses[0].FillColour, plat::RGB(255, 0, 0));
  EXPECT_EQ(ellipses[0].Kind, kind::Ellipse);
  EXPECT_EQ(UndoSteps(), 1);
  EXPECT_EQ(UserElementsInFile(), 1);
  EXPECT_TRUE(FiguresBalanced());
}

TEST_F(Shapes, RoundedRectanglesFromACornerAndTwoArrowsInBothUnits) {
  form->CmRndRectExecute();
  EXPECT_EQ(ToolName(), "1,RoundRect");
  ui.ExpectInput("50").WithPrompt("RADIUS");
  KeyAt(plat::VK_RETURN, 1000, 1000);
  EXPECT_EQ(Guide(), "GUIDE: Now use arrow direction keys for input");
  ui.ExpectInput("2000").WithPrompt("RIGHT");
  Key(plat::VK_RIGHT);
  EXPECT_EQ(PointerDrawing(), (plat::Point{3000, 1000}));  // the far end of the width
  ui.ExpectInput("1000").WithPrompt("UP");
  Key(plat::VK_UP);
  auto rects = InFile<TRndrectobj>();
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_EQ(std::tie(rects[0].X1, rects[0].Y1, rects[0].X2, rects[0].Y2),
            std::make_tuple(1000, 1000, 3000, 2000));
  EXPECT_EQ(rects[0].CornerRadius, 50);
  EXPECT_EQ(rects[0].FillColour, plat::RGB(255, 255, 255));  // the shipped fill colour
  // The next rectangle asks its radius again, as the prompt says.
  EXPECT_EQ(Tool()->State, toolstate::Idle);
  EXPECT_EQ(Guide(),
            "GUIDE: First, select fill colour, then press ENTER on one corner -as if squared "
            "off- of ROUNDED RECTANGLE");

  Open(false);
  form->CmRndRectExecute();
  ui.ExpectInput("2").WithPrompt("RADIUS in inches");
  KeyAt(plat::VK_RETURN, 4800, 2400);
  feet.Answer([](TTFeetdlg& d) { d.Feet = 3, d.Inches = 0, d.Eighths = 0; });
  Key(plat::VK_DOWN);
  feet.Answer([](TTFeetdlg& d) { d.Feet = 10, d.Inches = 6, d.Eighths = 0; });
  Key(plat::VK_LEFT);
  rects = InFile<TRndrectobj>();
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_EQ(std::tie(rects[0].X1, rects[0].Y1, rects[0].X2, rects[0].Y2),
            std::make_tuple(4800, 2400, 4800 - 126 * 24, 2400 - 36 * 24));
  EXPECT_EQ(rects[0].CornerRadius, 48);
}

TEST_F(Shapes, ShapesOffTheSheetAreRefusedAndEveryStoredShapeIsOneUndoStep) {
  form->CmRndRectExecute();
  ui.ExpectInput("50");
  KeyAt(plat::VK_RETURN, 1000, 1000);
  ui.ExpectInput("995");
  Key(plat::VK_LEFT);  // to x 5: below the sheet's lowest coordinate
  ui.ExpectInput("500");
  Key(plat::VK_UP);
  EXPECT_EQ(UserElementsInFile(), 0);
  EXPECT_EQ(Guide(),
            "GUIDE: First, select fill colour, then press ENTER on one corner -as if squared "
            "off- of ROUNDED RECTANGLE");

  form->CmCircleExecute();
  Drag(2000, 2000, 2500, 2000);
  form->CmEllipseExecute();
  Drag(3000, 3000, 4000, 3500);
  form->CmArcExecute();
  KeyAt(plat::VK_RETURN, 5000, 1000);
  ui.ExpectInput("300");
  KeyAt(plat::VK_RETURN, 6000, 1000);
  EXPECT_EQ(UserElementsInFile(), 3);
  EXPECT_EQ(UndoSteps(), 3);

  child->Undo();
  EXPECT_EQ(UserElementsInFile(), 2);
  EXPECT_TRUE(InFile<TArcobj>().empty());
  EXPECT_EQ(AutosaveMode, 1);  // the drawing asks to be saved
}

}  // namespace
