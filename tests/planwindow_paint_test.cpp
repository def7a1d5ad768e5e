// Painting a view: the picture is rebuilt from the live drawing file every
// time, shapes under the structure, and the window's reference point and
// mode follow the drawing and the tool; the chain-end query of the key
// routing.
#include <gtest/gtest.h>

#include "model/flist.h"
#include "model/globals.h"
#include "planwindow/childwin.h"
#include "storage/record_codec.h"
#include "tests/file_traffic.h"
#include "tests/planwindow_fixture.h"
#include "tools/buildingtools.h"

namespace {

using planfix::ExtWall;
using planfix::Line;
using planfix::PlanHost;

class Painting : public ::testing::Test {
 protected:
  ScratchProgramDir dir;
  plat::ManualTimer timer;
  TMainForm form{timer};
  PlanHost host{{800, 500}};
  std::unique_ptr<TMDIChild> child;

  void SetUp() override {
    DrawingList.SetDrawingName("PAINT");
    InitDrawingList();
    DrawingList.WriteDrawingFile(dtDrawing);
    child = std::make_unique<TMDIChild>(host);
    host.child = child.get();
    child->SetupViewport(2);
    ViewState = 2;
  }
  void TearDown() override { host.child = nullptr; }

  // Stores elements in the live file only (the list is not what is painted).
  void Store(std::initializer_list<TObj*> elements) {
    InitDrawingList();
    for (TObj* e : elements) DrawingList.Add(e);
    DrawingList.WriteDrawingFile(dtDrawing);
  }
  static TRoomobj* Room(int32 x1, int32 y1, int32 x2, int32 y2) {
    return new TRoomobj(kind::Room, view::LayoutGround, 0, 0, x1, y1, x2, y2, x2 - x1, y1 - y2, 1,
                        0, 10, 3, 0, 0, "BED", "", "");
  }
  static int Count(const std::vector<plat::DcRecord>& drawn, plat::DcOp op) {
    int n = 0;
    for (const auto& r : drawn) n += r.op == op;
    return n;
  }
  std::vector<plat::DcRecord> Paint() {
    host.window.Drawn().clear();
    host.window.InvalidateRect(nullptr);
    host.Paint();
    return host.window.Drawn();
  }
};

TEST_F(Painting, ThePictureComesFromTheFileAndTheListIsRebuiltFromIt) {
  Store({Line(10000, 10000, 20000, 10000)});
  // Something in memory that the file does not hold is not painted, and is
  // gone from the list afterwards.
  DrawingList.Add(Line(0, 0, 5000, 5000));

  const auto drawn = Paint();
  int lines = 0;
  for (const auto& r : drawn) lines += r.op == plat::DcOp::Line;
  EXPECT_EQ(lines, 1);
  ASSERT_EQ(DrawingList.Count(), 7);
  EXPECT_EQ(DrawingList.At(6)->X1, 10000);
}

TEST_F(Painting, ShapesLieUnderWallsOpeningsAndTexts) {
  auto* ellipse = new TEllipseobj(kind::Ellipse, view::Ground, 0, 0, 9000, 0, 21000, 0, 11000,
                                  9000, plat::RGB(200, 0, 0), DrawingColour, 1, 0);
  // The wall is stored before the ellipse, yet painted after it.
  Store({ExtWall(10000, 10000, 20000, 10000), ellipse});
  const auto drawn = Paint();
  int ellipseAt = -1, firstLineAt = -1;
  for (int i = 0; i < int(drawn.size()); ++i) {
    if (drawn[i].op == plat::DcOp::Ellipse && ellipseAt < 0) ellipseAt = i;
    if (drawn[i].op == plat::DcOp::Line && firstLineAt < 0) firstLineAt = i;
  }
  ASSERT_GE(ellipseAt, 0);
  ASSERT_GE(firstLineAt, 0);
  EXPECT_LT(ellipseAt, firstLineAt);
}

// The live file is read once per paint. What is drawn, and what the list
// holds afterwards, is what reading the shapes, drawing them, reading the
// rest, drawing it and reading the whole file again gave: in every wall
// look and overlay mode, on a drawing with shapes, walls and texts on two
// floors.
TEST_F(Painting, OneReadPerPaintDrawsWhatAReadPerLayerDrew) {
  const int32 hidden[4] = {-1, -1, -1, -1};
  const int32 xs[kMaxPolyPoints] = {11000, 13000, 13000, 11000};
  const int32 ys[kMaxPolyPoints] = {11000, 11000, 12500, 12500};
  const int32 zs[kMaxPolyPoints] = {};
  auto symbol = [&](int32 floor) {
    return new TPolyobj(kind::FilledSymbolFirst + 100, floor, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0,
                        plat::RGB(200, 220, 180), 0, DrawingColour, 0, 0, 0, xs, zs, ys, hidden);
  };
  auto text = [](int32 floor, const char* s) {
    return new TTextobj(kind::Text, floor, 0, 0, 12000, 13000, 0, 0, 0, DrawingColour, 0, 0, 6, 0,
                        8, 400, "Arial", s);
  };
  Store({ExtWall(10000, 10000, 20000, 10000), symbol(view::Ground), text(view::Ground, "BED"),
         new TEllipseobj(kind::Ellipse, view::Ground, 0, 0, 14000, 0, 16000, 0, 14000, 12000,
                         plat::RGB(200, 0, 0), DrawingColour, 1, 0),
         ExtWall(20000, 10000, 20000, 16000), Line(10000, 16000, 20000, 16000),
         new TDimensobj(kind::Dimension, view::Ground, 0, 0, 10000, 9000, 10000, 9500, 20000,
                        9000, 20000, 9500, 900, 1, DrawingColour),
         ExtWall(10000, 10000, 20000, 10000, view::First), symbol(view::First),
         new TCircleobj(kind::Circle, view::First, 0, 0, 15000, 0, 17000, 0, 15000, 13000,
                        plat::RGB(0, 0, 200), DrawingColour, 1, 0),
         text(view::First, "STUDY"), Room(10000, 14000, 13000, 10000)});
  dir.WriteFile("CFG\\OVERLAY.CFG", "0 1 1 0 0 0\n");  // overlays show ground and first
  auto listed = [] {
    return storage::FormatList(DrawingList, storage::HeaderFromGlobals(0), storage::PageCentre());
  };
  for (const int32 mode : {0, 1, 10, 20, 2, 3}) {
    SCOPED_TRACE(mode);
    WallDisplayMode = mode;
    CurrentView = view::Ground;
    FileTraffic traffic;
    const auto drawn = Paint();
    EXPECT_EQ(traffic.Reads("PAINT.KWV"), 1);
    const int32 viewAfter = CurrentView;
    const std::string listAfter = listed();

    CurrentView = view::Ground;
    std::vector<plat::DcRecord> reference;
    plat::RecordingDC dc({800, 500}, &reference);
    dc.SetBkMode(plat::OPAQUE);
    dc.SetPolyFillMode(plat::ALTERNATE);
    DrawingList.Clear();
    DrawingList.ReadDrawingShapes(dtDrawing);
    DrawingList.DrawView(dc, child->ClientRect());
    DrawingList.Clear();
    DrawingList.ReadDrawingStructure(dtDrawing);
    DrawingList.DrawView(dc, child->ClientRect());
    DrawingList.ReadDrawingFile(dtDrawing);

    if (mode == 0) {
      EXPECT_EQ(Count(drawn, plat::DcOp::Polygon), 1);
      EXPECT_EQ(Count(drawn, plat::DcOp::Text), 1);
    }
    EXPECT_EQ(drawn.size(), reference.size());
    EXPECT_TRUE(drawn == reference);
    EXPECT_EQ(CurrentView, viewAfter);
    EXPECT_EQ(listed(), listAfter);
  }
}

TEST_F(Painting, NothingIsPaintedWhileMinimisedPrintingOrNotReady) {
  Store({Line(10000, 10000, 20000, 10000)});
  const int32 org = WindowOrgX;

  CurrentView = view::Ground + view::PrintOffset;
  EXPECT_TRUE(Paint().empty());
  CurrentView = view::Ground;

  ViewState = 1;
  EXPECT_TRUE(Paint().empty());
  ViewState = 2;

  host.window.Resize({0, 346});
  WindowOrgX = org + 123;
  EXPECT_TRUE(Paint().empty());
  EXPECT_EQ(WindowOrgX, org + 123) << "the globals stay untouched";
}

TEST_F(Painting, TheOriginComesFromTheScrollBars) {
  Store({});
  child->HorzScroll(scrollcode::ThumbPosition, 100);
  child->VertScroll(scrollcode::ThumbPosition, 200);
  WindowOrgX = WindowOrgY = -1;
  Paint();
  EXPECT_EQ(WindowOrgX, 500);
  EXPECT_EQ(WindowOrgY, (child->VertRange - 200 - 500) * 5);
}

TEST_F(Painting, AFloorPaintMeasuresFromTheLowestWallCorner) {
  Store({ExtWall(12000, 9000, 20000, 9000), ExtWall(20000, 9000, 20000, 15000)});
  child->ChildMode = childmode::Creation;
  Paint();
  EXPECT_EQ(child->ReferenceX, 12000);
  EXPECT_EQ(child->ReferenceY, 9000);
  EXPECT_EQ(child->ChildMode, childmode::Normal);

  // A temporary datum keeps its point.
  child->ChildMode = childmode::DatumPlaced;
  child->ReferenceX = 777;
  Paint();
  EXPECT_EQ(child->ReferenceX, 777);
}

TEST_F(Painting, AnExternalWallWithoutItsSecondPointLeavesNoReference) {
  Store({});
  form.SetTool(tooltype::ExtWall);
  form.CurrentTool()->X2 = 0;
  Paint();
  EXPECT_EQ(child->ChildMode, childmode::Creation);

  WallDisplayMode = 4;
  Paint();
  EXPECT_EQ(child->ChildMode, childmode::Normal);

  // With a second point and no measured distance, the reference is that point.
  WallDisplayMode = 0;
  form.CurrentTool()->X1 = 5000;
  form.CurrentTool()->Y1 = 6000;
  form.CurrentTool()->X2 = 8000;
  form.CurrentTool()->Y2 = 6000;
  Paint();
  EXPECT_EQ(child->ReferenceX, 8000);
  form.CurrentTool()->Distance = 3000;
  Paint();
  EXPECT_EQ(child->ReferenceX, 5000);
}

TEST_F(Painting, TheGroupViewPaintsTheGroupFile) {
  Store({Line(10000, 10000, 20000, 10000)});
  DrawingList.Clear();
  DrawingList.Add(Line(1000, 1000, 2000, 2000, view::Group));
  DrawingList.Add(Line(1000, 2000, 2000, 1000, view::Group));
  DrawingList.WriteGroupFile();
  CurrentView = view::Group;
  const auto drawn = Paint();
  int lines = 0;
  for (const auto& r : drawn) lines += r.op == plat::DcOp::Line;
  EXPECT_EQ(lines, 2);
  EXPECT_EQ(DrawingList.Count(), 2) << "the list holds the group file after the paint";
}

TEST_F(Painting, LayoutViewsShowTheRoomRectangleOnlyWhileBeingSetUp) {
  Store({Room(10000, 14000, 13000, 10000), Room(13000, 14000, 16000, 10000)});
  CurrentView = view::LayoutGround;
  child->ChildMode = childmode::Creation;
  Paint();
  EXPECT_EQ(form.st.PanelText(panel::Guide),
            "width 6.000 m ,length 4.000 , Area (Rectangle) 24.00 sq.m, click 'Mark External "
            "Walls on LAYOUT' icon when finished");
  EXPECT_EQ(child->ReferenceX, 10000);
  EXPECT_EQ(child->ReferenceY, 14000);

  form.st.SetPanelText(panel::Guide, "GUIDE:");
  Paint();  // mode 4 now: no rectangle
  EXPECT_EQ(form.st.PanelText(panel::Guide), "GUIDE:");
}

TEST_F(Painting, TheLayoutGridIsDrawnButLeavesTheList) {
  dir.WriteFile("CFG\\LYTGRIDM.CFG", "1000 0\n");
  Store({Room(10000, 14000, 13000, 10000), Room(13000, 14000, 16000, 10000)});
  CurrentView = view::LayoutGround;
  child->ChildMode = childmode::Normal;
  LayoutGridShown = 0;
  const int plain = Count(Paint(), plat::DcOp::Line);
  LayoutGridShown = 1;
  const int gridded = Count(Paint(), plat::DcOp::Line);
  EXPECT_GE(gridded, plain + 4) << "the frame and the grid lines";
  ASSERT_EQ(DrawingList.Count(), 8);
  for (int32 i = 0; i < DrawingList.Count(); ++i)
    EXPECT_EQ(dynamic_cast<TLineobj*>(DrawingList.At(i)), nullptr);
}

class ChainEnd : public Painting {
 protected:
  int32 Find(int32 px, int32 py, int32& x, int32& y) {
    form.CurrentTool()->X1 = px;
    form.CurrentTool()->Y1 = py;
    return child->FindChainEnd(&x, &y);
  }
};

TEST_F(ChainEnd, AnOpenChainAnswersItsOtherEnd) {
  InitDrawingList();
  DrawingList.Add(ExtWall(1000, 1000, 6000, 1000));  // A to B
  DrawingList.Add(ExtWall(6000, 1000, 6000, 5000));  // B to C
  DrawingList.Add(ExtWall(6000, 5000, 1000, 5000));  // C to D
  int32 x = 0, y = 0;
  EXPECT_EQ(Find(1000, 5000, x, y), 6) << "from D: the first wall";
  EXPECT_EQ(x, 1000 / 5);
  EXPECT_EQ(y, 1000 / 5);
  EXPECT_EQ(Find(1000, 1000, x, y), 8) << "from A: the third wall";
  EXPECT_EQ(x, 1000 / 5);
  EXPECT_EQ(y, 5000 / 5);
}

TEST_F(ChainEnd, AClosedOutlineAnswersTheTouchingWallsEnd) {
  InitDrawingList();
  DrawingList.Add(Line(1000, 1000, 6000, 1000));
  DrawingList.At(6)->Kind = kind::WallLine;
  DrawingList.Add(ExtWall(6000, 1000, 6000, 5000));
  DrawingList.Add(ExtWall(6000, 5000, 1000, 5000));
  DrawingList.Add(ExtWall(1000, 5000, 1000, 1000));
  int32 x = 0, y = 0;
  EXPECT_EQ(Find(1000, 1000, x, y), 6);
  EXPECT_EQ(x, 6000 / 5);
  EXPECT_EQ(y, 1000 / 5);
}

TEST_F(ChainEnd, NoWallNoChain) {
  InitDrawingList();
  DrawingList.Add(Line(1000, 1000, 6000, 1000));
  DrawingList.Add(ExtWall(1000, 1000, 6000, 1000, view::First));
  int32 x = 0, y = 0;
  EXPECT_EQ(Find(1000, 1000, x, y), kNoChain);
}

}  // namespace
