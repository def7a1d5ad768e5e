// The selection-frame tools through the plan window: framing, moving by the
// mouse and the keys, turning, copying and pasting, erasing, curves.
#include <cmath>

#include "storage/library_file.h"
#include "storage/selection_files.h"
#include "tests/routing_fixture.h"
#include "dialogs/altercurvedlg.h"
#include "tools/moveobjtool.h"

namespace {

class Frames : public PlanWindowTest {
 protected:
  // Appends an element to the drawing as stored; returns its index.
  int32 Put(TObj* e) {
    if (e->Floor == 0) e->Floor = CurrentView;
    DrawingList.Add(e);
    DrawingList.WriteDrawingFile(dtDrawing);
    return DrawingList.Count() - 1;
  }
  int32 PutLine(int32 x1, int32 y1, int32 x2, int32 y2, int32 angle = 900) {
    return Put(new TLineobj(kind::Line, CurrentView, 0, 0, x1, 0, x2, 0, y1, y2, 0, angle,
                            DrawingColour, 1, 0));
  }
  int32 PutBox(int32 k, int32 x1, int32 y1, int32 x2, int32 y2) {
    TObj* e = NewElementOfKind(k);
    e->X1 = x1;
    e->Y1 = y1;
    e->X2 = x2;
    e->Y2 = y2;
    return Put(e);
  }
  int32 PutText(int32 x, int32 y, int32 escapement) {
    return Put(new TTextobj(kind::Text, CurrentView, 0, 0, x, y, 0, 0, 0, DrawingColour, 4,
                            escapement, 0, 5, 10, 400, "Arial", "Hall"));
  }
  // The element i of the live file.
  TObj& Stored(int32 i) {
    DrawingList.ReadDrawingFile(dtDrawing);
    return *DrawingList.At(i);
  }
  std::vector<int32> Listed() {
    std::vector<int32> out;
    for (const auto& e : selection::ReadList()) out.push_back(e.index);
    return out;
  }
  TMoveobjtool& Frame() { return *dynamic_cast<TMoveobjtool*>(Tool()); }
  void RightClick() {
    const plat::Point p = Pixel(1000, 1000);
    child->OnMouseDown(2, p.x, p.y);
  }
};

// Move: a frame takes what lies wholly inside it on this floor, a click puts
// its centre at the new place (one undo step), arrow keys fine-tune and
// Enter locks; the live file holds each state.
TEST_F(Frames, FrameMoveByMouseAndKeysThenLock) {
  const int32 inside = PutLine(500, 500, 1000, 500);
  const int32 across = PutLine(500, 700, 3000, 700);  // one end outside
  const int32 text = PutText(800, 900, 0);
  const int32 circle = PutBox(kind::Circle, 600, 600, 700, 700);
  TInwallobj* wall = new TInwallobj();
  wall->X1 = 600;
  wall->Y1 = 1000;
  wall->X2 = 900;
  wall->Y2 = 1000;
  wall->Line2X1 = 600;
  wall->Line2Y1 = 1100;
  wall->Line2X2 = 900;
  wall->Line2Y2 = 1100;
  const int32 partition = Put(wall);
  const int32 otherFloor = Put(new TLineobj(kind::Line, view::First, 0, 0, 600, 0, 700, 0, 600,
                                            600, 0, 900, 0, 1, 0));

  form->CmMoveExecute();
  EXPECT_EQ(child->ChildMode, childmode::Frame);
  // Dragged from upper right to lower left: the same frame.
  Drag(2000, 1500, 400, 400);
  EXPECT_EQ(Listed(), (std::vector<int32>{inside, text, circle}));
  EXPECT_EQ(Tool()->Step, framestep::Placing);
  EXPECT_EQ(Frame().PivotX, 1200);
  EXPECT_EQ(Frame().PivotY, 950);
  (void)across;
  (void)partition;
  (void)otherFloor;

  const int before = UndoSteps();
  Click(2200, 1950);  // the centre moves by (1000, 1000)
  EXPECT_EQ(UndoSteps(), before + 1);
  EXPECT_EQ(Stored(inside).X1, 1500);
  EXPECT_EQ(Stored(inside).Y2, 1500);
  EXPECT_EQ(Stored(circle).X2, 1700);
  // A text moves its anchor only: its second pair is not a position.
  EXPECT_EQ(Stored(text).X1, 1800);
  EXPECT_EQ(Stored(text).X2, 0);
  EXPECT_EQ(Stored(across).X1, 500);
  EXPECT_EQ(PointerDrawing(), (plat::Point{2200, 1950}));

  // Arrow keys: one pixel (5 units at the normal metric zoom) each, one undo
  // step for the run.
  const int steps = UndoSteps();
  Key(plat::VK_RIGHT);
  Key(plat::VK_RIGHT);
  Key(plat::VK_DOWN);
  EXPECT_EQ(UndoSteps(), steps + 1);
  EXPECT_EQ(Stored(inside).X1, 1500 + 2 * 25);
  EXPECT_EQ(Stored(inside).Y1, 1500 - 25);

  Key(plat::VK_RETURN);
  EXPECT_EQ(Tool()->Type, tooltype::Pick);
  EXPECT_EQ(Stored(inside).X1, 1550);

  // Undo takes back the keys, then the click.
  child->Undo();
  EXPECT_EQ(Stored(inside).X1, 1500);
  child->Undo();
  EXPECT_EQ(Stored(inside).X1, 500);
}

TEST_F(Frames, KeyStepFollowsTheZoom) {
  const int32 line = PutLine(500, 500, 1000, 500);
  form->CmMoveExecute();
  Drag(400, 400, 1200, 700);
  ZoomFactor = 2.5f;  // PixelScale 5 / 2.5: two pixels, five units each
  Key(plat::VK_LEFT);
  EXPECT_EQ(Stored(line).X1, 500 - 5 * 5);
}

// Turning: points round to the nearest unit, bearings turn with them, box
// kinds keep their size, texts keep 0..3599, and a locked room's texts
// trade places for every quarter turn it makes.
TEST_F(Frames, TurnByNinetyAndFortyFive) {
  const int32 line = PutLine(1000, 1000, 2000, 1000, 900);
  const int32 ellipse = PutBox(kind::Ellipse, 1200, 1200, 1600, 1400);  // 400 x 200
  const int32 rect = PutBox(kind::RoundRect, 1700, 1100, 1900, 1500);
  const int32 text = PutText(1500, 1300, 3580);
  form->CmMoveExecute();
  Drag(900, 900, 2100, 1700);  // centre (1500, 1300)
  ASSERT_EQ(Listed().size(), 4u);

  ui.ExpectInput("90").WithPrompt("clockwise");
  RightClick();
  const TLineobj& l = static_cast<TLineobj&>(Stored(line));
  EXPECT_EQ(std::tie(l.X1, l.Y1, l.X2, l.Y2), std::make_tuple(1200, 1800, 1200, 800));
  EXPECT_EQ(l.Angle, 1800);
  const TObj& e = Stored(ellipse);
  EXPECT_EQ(std::abs(e.X2 - e.X1), 200);  // stood on its side
  EXPECT_EQ(std::abs(e.Y2 - e.Y1), 400);
  EXPECT_EQ((e.X1 + e.X2) / 2, 1500);  // its centre turned about (1500, 1300)
  EXPECT_EQ((e.Y1 + e.Y2) / 2, 1400);
  EXPECT_EQ(static_cast<TTextobj&>(Stored(text)).Escapement, 880);  // 3580 + 900, wrapped

  // A rounded rectangle turns by quarters only.
  ui.ExpectInput("45").WithPrompt("clockwise");
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk)
      .WithText("RECT and RNDRECT Objs only rotate in 90, 180 and 270 degree increments");
  RightClick();
  const TObj& r90 = Stored(rect);
  EXPECT_EQ(std::abs(r90.X2 - r90.X1), 400);  // 200 x 400 stood on its side
  EXPECT_EQ(std::abs(r90.Y2 - r90.Y1), 200);
}

// A turn other than a quarter turn keeps boxes level: a selection holding a
// box drawn round a curve (ellipse, arc) or a rounded rectangle is refused,
// by the right button and by the keys alike, and nothing moves. Circles and
// lines turn by any angle.
TEST_F(Frames, OnlyQuarterTurnsForEllipsesArcsAndRoundedRectangles) {
  const struct {
    int32 kind;
    const char* message;
  } refused[] = {
      {kind::Ellipse, "ELLIPSE and ARC Objs only rotate in 90, 180 and 270 degree increments"},
      {kind::Arc, "ELLIPSE and ARC Objs only rotate in 90, 180 and 270 degree increments"},
      {kind::RoundRect, "RECT and RNDRECT Objs only rotate in 90, 180 and 270 degree increments"},
  };
  for (const auto& c : refused) {
    SCOPED_TRACE(c.kind);
    DrawingList.Clear();
    InitDrawingList();
    const int32 line = PutLine(1000, 1000, 2000, 1000, 900);
    const int32 box = PutBox(c.kind, 1200, 1200, 1600, 1400);
    if (c.kind == kind::Arc) {
      auto& arc = static_cast<TArcobj&>(*DrawingList.At(box));
      arc.StartX = 1600, arc.StartY = 1300, arc.EndX = 1200, arc.EndY = 1300;
      DrawingList.WriteDrawingFile(dtDrawing);
    }
    form->CmMoveExecute();
    Drag(900, 900, 2100, 1700);
    ASSERT_EQ(Listed().size(), 2u);
    ui.ExpectInput("45").WithPrompt("clockwise");
    ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk).WithText(c.message);
    RightClick();
    ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk).WithText(c.message);
    Key(plat::VK_ADD);
    EXPECT_EQ(Stored(line).X2, 2000);
    EXPECT_EQ(Stored(box).X1, 1200);
    // A quarter turn stands the box on its side.
    ui.ExpectInput("90").WithPrompt("clockwise");
    RightClick();
    const TObj& b = Stored(box);
    EXPECT_EQ(std::abs(b.Y2 - b.Y1), 400);
    Key(plat::VK_RETURN);
  }

  DrawingList.Clear();
  InitDrawingList();
  const int32 line = PutLine(1000, 1000, 2000, 1000, 900);
  const int32 circle = PutBox(kind::Circle, 1700, 1100, 1900, 1300);
  form->CmMoveExecute();
  Drag(900, 900, 2100, 1700);
  ui.ExpectInput("45").WithPrompt("clockwise");
  RightClick();
  const TObj& c45 = Stored(circle);
  EXPECT_EQ(c45.X2 - c45.X1, 200);
  EXPECT_EQ(c45.Y2 - c45.Y1, 200);
  EXPECT_EQ(static_cast<TLineobj&>(Stored(line)).Angle, 1350);
  // A line of 1000 stays 1000 long (rounded, not cut down).
  const TObj& l45 = Stored(line);
  EXPECT_NEAR(std::hypot(l45.X2 - l45.X1, l45.Y2 - l45.Y1), 1000.0, 1.5);
}

TEST_F(Frames, KeyTurnsComeBackAndTextsStayInRange) {
  const int32 line = PutLine(1000, 1000, 1800, 1300);
  const int32 text = PutText(1200, 1100, 0);
  form->CmMoveExecute();
  Drag(900, 900, 2100, 1700);
  Key(plat::VK_SUBTRACT);
  EXPECT_EQ(static_cast<TTextobj&>(Stored(text)).Escapement, 3550);
  EXPECT_EQ(RotationAngle, 355);
  for (int i = 0; i < 5; ++i) Key(plat::VK_ADD);
  for (int i = 0; i < 4; ++i) Key(plat::VK_SUBTRACT);
  const TObj& l = Stored(line);
  EXPECT_NEAR(l.X1, 1000, 5);
  EXPECT_NEAR(l.Y1, 1000, 5);
  EXPECT_NEAR(l.X2, 1800, 5);
  EXPECT_NEAR(l.Y2, 1300, 5);
  EXPECT_EQ(static_cast<TTextobj&>(Stored(text)).Escapement, 0);
}

TEST_F(Frames, LockedRoomTextsTradeOnEveryQuarterTurn) {
  const int32 room = Put(new TRoomobj(kind::LockedRoom, CurrentView, 5, 5, 1000, 1600, 1600,
                                      1200, 600, 400, 0, 0, 10, 4, 5, 5, "Hall", "600mm",
                                      "400mm"));
  form->CmMoveExecute();
  Drag(900, 1100, 1700, 1700);
  RotationAngle = 0;
  ui.ExpectInput("90").WithPrompt("clockwise");
  RightClick();
  TRoomobj& r = static_cast<TRoomobj&>(Stored(room));
  EXPECT_STREQ(r.WidthText, "400mm");
  EXPECT_EQ(r.RoomWidth, 400);
  EXPECT_EQ(std::abs(r.X2 - r.X1), 400);
  // A half turn at a running total of 270 keeps them.
  RotationAngle = 90;
  ui.ExpectInput("180").WithPrompt("clockwise");
  RightClick();
  EXPECT_STREQ(static_cast<TRoomobj&>(Stored(room)).WidthText, "400mm");
}

// Copy writes the paste buffer; Paste sets it down on another floor and
// the move tool places it.
TEST_F(Frames, CopyAndPasteIntoAnotherFloor) {
  const int32 line = PutLine(500, 500, 1000, 500);
  PutBox(kind::Circle, 600, 600, 800, 800);
  form->CmCopyExecute();
  Drag(400, 400, 1200, 900);
  EXPECT_EQ(form->st.PanelText(panel::Guide), "GUIDE: press F1 key for help");
  ASSERT_TRUE(dir.Exists("LIBS\\PASTE.CFG"));

  CurrentView = view::First;
  const int32 first = DrawingList.Count();
  const int before = UndoSteps();
  form->CmPasteExecute();
  EXPECT_EQ(UndoSteps(), before + 1);
  EXPECT_EQ(Tool()->Type, tooltype::Move);
  EXPECT_EQ(Tool()->Step, framestep::Placing);
  ASSERT_EQ(DrawingList.Count(), first + 2);
  Click(3000, 3000);
  const TObj& pasted = Stored(first);
  EXPECT_EQ(pasted.Floor, view::First);
  EXPECT_EQ(pasted.X2 - pasted.X1, 500);
  EXPECT_EQ(Stored(first + 1).Floor, view::First);
  EXPECT_EQ(Stored(line).Floor, view::Ground);  // the original stays
  // The pasted circle keeps its size where it was put.
  const TObj& c = Stored(first + 1);
  EXPECT_EQ(c.X2 - c.X1, 200);
}

TEST_F(Frames, EmptyCopyLeavesThePasteBufferAndEmptyPasteSaysSo) {
  ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbOK, plat::mrOk)
      .WithText("nothing to paste");
  form->CmPasteExecute();  // no buffer yet
  EXPECT_EQ(Tool()->Type, tooltype::Pick);

  PutLine(500, 500, 1000, 500);
  form->CmCopyExecute();
  Drag(400, 400, 1200, 900);
  const std::string buffer = dir.ReadFile("LIBS\\PASTE.CFG");
  form->CmCopyExecute();
  Drag(3000, 3000, 3500, 3500);  // takes nothing
  EXPECT_EQ(dir.ReadFile("LIBS\\PASTE.CFG"), buffer);
  EXPECT_TRUE(Listed().empty());  // and the old list is gone
}

// Erase: what the frame took goes (never external walls), in one undo step;
// a list naming elements the drawing does not have erases nothing.
TEST_F(Frames, EraseAndItsRefusals) {
  const int32 a = PutLine(500, 500, 1000, 500);
  PutBox(kind::Circle, 600, 600, 800, 800);
  TInwallobj* wall = new TInwallobj();
  wall->X1 = 600, wall->Y1 = 700, wall->X2 = 900, wall->Y2 = 700;
  wall->Line2X1 = 600, wall->Line2Y1 = 750, wall->Line2X2 = 900, wall->Line2Y2 = 750;
  Put(wall);
  const int32 keep = PutLine(2500, 2500, 2600, 2500);
  const int32 count = DrawingList.Count();
  form->CmEraseExecute();
  const int before = UndoSteps();
  Drag(400, 400, 1200, 900);
  EXPECT_EQ(UndoSteps(), before + 1);
  EXPECT_EQ(Tool()->Type, tooltype::Pick);
  DrawingList.ReadDrawingFile(dtDrawing);
  ASSERT_EQ(DrawingList.Count(), count - 3);
  EXPECT_EQ(DrawingList.At(a)->X1, 2500);
  (void)keep;

  // A stale list: the taking is replaced by a list with an index beyond the
  // drawing, so nothing may be erased.
  PutLine(500, 500, 1000, 500);
  auto tool = std::make_unique<TEraseobjtool>();
  tool->TakenCount = 2;
  TEraseobjtool& eraser = *tool;
  form->ReplaceTool(std::move(tool));
  selection::WriteList({{6, 0, 0}, {DrawingList.Count() + 5, 0, 0}});
  const int32 now = DrawingList.Count();
  plat::WindowDC dc(host.window);
  eraser.ApplyToRegion(*dc, child->ClientRect(), 0, 0);
  DrawingList.ReadDrawingFile(dtDrawing);
  EXPECT_EQ(DrawingList.Count(), now);
}

// Indices name elements by their place in the drawing. An undo while a
// selection is being placed gives the place to another element: it ends the
// placing, as Enter would, and a list that no longer names what was framed
// moves nothing.
TEST_F(Frames, AStaleSelectionNeverMovesAnotherElement) {
  const int32 text = PutText(3000, 3000, 0);
  auto* outline = new TPolyobj();
  outline->Kind = 1000;
  outline->PointCount = 4;
  const int32 xs[] = {500, 1000, 1000, 500}, ys[] = {500, 500, 800, 800};
  std::copy(std::begin(xs), std::end(xs), outline->PointX);
  std::copy(std::begin(ys), std::end(ys), outline->PointY);
  const int32 polygon = Put(outline);

  form->CmEraseExecute();
  Drag(2900, 2900, 3600, 3200);  // the text goes: the polygon takes its place
  form->CmMoveExecute();
  Drag(400, 400, 1200, 900);
  ASSERT_EQ(Listed(), (std::vector<int32>{text}));
  form->CmUndoExecute();  // the text is back in its place
  EXPECT_EQ(Tool()->Type, tooltype::Pick);
  EXPECT_EQ(form->st.PanelText(panel::Guide), "GUIDE: Select a function or drawing tool");
  EXPECT_EQ(form->st.PanelText(panel::Tool), "Pick tool");
  Click(1800, 1650);
  EXPECT_EQ(Stored(text).X1, 3000);
  EXPECT_EQ(static_cast<TPolyobj&>(Stored(polygon)).PointX[0], 500);

  // Redo ends a placing too.
  form->CmMoveExecute();
  Drag(400, 400, 1200, 900);
  form->CmRedoExecute();
  EXPECT_EQ(Tool()->Type, tooltype::Pick);

  // However the list came to name other elements, nothing moves and the
  // list is dropped.
  form->CmUndoExecute();
  const int32 line = PutLine(500, 2000, 1000, 2000);
  form->CmMoveExecute();
  Drag(400, 1900, 1200, 2100);
  selection::WriteList({{text, 0, 0}});
  Click(1800, 2500);
  EXPECT_EQ(Stored(text).X1, 3000);
  EXPECT_EQ(Stored(line).X1, 500);
  EXPECT_TRUE(Listed().empty());
}

TEST_F(Frames, CurveAlterMovesAnEllipseAndDeletesACircle) {
  dlg::Scripted<TTAltercurvedlg> curve;
  dlg::ScopedRunner<TTAltercurvedlg> use(curve);
  const int32 ellipse = PutBox(kind::Ellipse, 500, 500, 900, 700);
  const int32 circle = PutBox(kind::Circle, 1500, 500, 1700, 700);
  curve.Answer([](TTAltercurvedlg& d) {
    d.curve = TTAltercurvedlg::Ellipse;
    d.action = TTAltercurvedlg::MoveIt;
  });
  form->CmCurveAlterExecute();
  EXPECT_EQ(Tool()->Step, framestep::EllipseStart);
  EXPECT_EQ(form->st.PanelText(panel::Tool), " Move curve");
  Drag(400, 400, 2000, 800);  // the circle is inside too, but only ellipses count
  EXPECT_EQ(Listed(), (std::vector<int32>{ellipse}));
  Click(1700, 1100);  // the frame's centre (1200, 600) moves by (500, 500)
  EXPECT_EQ(Stored(ellipse).X1, 1000);
  EXPECT_EQ(Stored(ellipse).Y2, 1200);

  curve.Answer([](TTAltercurvedlg& d) {
    d.curve = TTAltercurvedlg::Circle;
    d.action = TTAltercurvedlg::DeleteIt;
  });
  form->CmCurveAlterExecute();
  EXPECT_EQ(Tool()->Step, framestep::CircleStart);
  const int32 count = DrawingList.Count();
  Drag(1400, 400, 1800, 800);
  DrawingList.ReadDrawingFile(dtDrawing);
  EXPECT_EQ(DrawingList.Count(), count - 1);
  EXPECT_EQ(DrawingList.At(circle - 1)->Kind, kind::Ellipse);
}

TEST_F(Frames, ErasingOnTheGroupViewKeepsTheGroupFile) {
  CurrentView = view::Group;
  DrawingList.Clear();
  InitDrawingList();
  DrawingList.Add(new TLineobj(kind::Line, view::Group, 0, 0, 500, 0, 1000, 0, 500, 500, 0, 900,
                               0, 1, 0));
  DrawingList.Add(new TLineobj(kind::Line, view::Group, 0, 0, 3000, 0, 3100, 0, 500, 500, 0, 900,
                               0, 1, 0));
  DrawingList.WriteGroupFile();
  form->CmEraseExecute();
  Drag(400, 400, 1200, 900);
  DrawingList.Clear();
  DrawingList.ReadGroupFile();
  ASSERT_EQ(DrawingList.Count(), 7);
  EXPECT_EQ(DrawingList.At(6)->X1, 3000);
}

TEST_F(Frames, ViewsThatTakeNothingStartAnEmptyList) {
  PutLine(500, 500, 1000, 500);
  selection::WriteList({{6, 0, 0}});
  CurrentView = view::LayoutGround;
  form->CmCopyExecute();
  Drag(400, 400, 1200, 900);
  EXPECT_TRUE(Listed().empty());
  EXPECT_FALSE(dir.Exists("LIBS\\PASTE.CFG"));
}

}  // namespace

namespace {

// The placing outlines 27000..27005 are taken, moved and turned as the
// polygons they are, every one of them alike.
TEST(FrameGeometry, PlacingOutlinesAreHandledLikePolygons) {
  for (int32 k = 27000; k <= 27005; ++k) {
    TPolyobj p;
    p.Kind = k;
    p.Floor = view::Ground;
    p.PointCount = 3;
    const int32 xs[3] = {100, 200, 100}, ys[3] = {100, 100, 200};
    std::copy(xs, xs + 3, p.PointX);
    std::copy(ys, ys + 3, p.PointY);
    EXPECT_TRUE(frame::Takes(p, frame::Box{0, 300, 0, 300}, tooltype::Move, view::Ground)) << k;
    frame::Move(p, 10, 20);
    EXPECT_EQ(p.PointX[1], 210) << k;
    frame::Bounds b;
    frame::TurnElement(p, frame::Turn(90, 110, 120), frame::Box{0, 300, 0, 300}, b);
    EXPECT_EQ(std::tie(p.PointX[1], p.PointY[1]), std::make_tuple(110, 20)) << k;
    EXPECT_EQ(b.maxX, 210) << k;
  }
}

}  // namespace
