// The polygon tool: keyboard polygons through the plan window, and its wall
// and floor changes and worktop joining on walls put in the list directly.
#include "tests/routing_fixture.h"
#include "tools/polytool.h"

namespace {

class Polygons : public PlanWindowTest {
 protected:
  void SetUp() override {
    PlanWindowTest::SetUp();
    dir.WriteFile("CFG\\FILLCLR.CFG", "255\n");
    NextGroupNumber = 10;
    form->CmPolygonExecute();
  }
  std::vector<TPolyobj> PolygonsInFile() {
    DrawingList.ReadDrawingFile(dtDrawing);
    std::vector<TPolyobj> out;
    for (int32 i = 6; i < DrawingList.Count(); ++i)
      if (auto* p = dynamic_cast<TPolyobj*>(DrawingList.At(i))) out.push_back(*p);
    return out;
  }
  void Arrow(int key, const char* distance) {
    ui.ExpectInput(distance);
    Key(key);
  }
};

TEST_F(Polygons, SquareByArrowsClosesOnItsStart) {
  EXPECT_EQ(Tool()->Type, tooltype::PolygonCmd);
  EXPECT_EQ(Tool()->FillColour, 255u);
  EXPECT_EQ(form->st.PanelText(panel::Tool), "1,Polygon");
  Key(plat::VK_RIGHT);  // before the first corner an arrow only moves the pointer
  KeyAt(plat::VK_RETURN, 1000, 1000);
  const int before = UndoSteps();
  Arrow(plat::VK_RIGHT, "1000");
  Arrow(plat::VK_UP, "1000");
  Arrow(plat::VK_LEFT, "1000");
  EXPECT_TRUE(PolygonsInFile().empty());
  EXPECT_EQ(PointerDrawing(), (plat::Point{1000, 2000}));  // the pointer follows each corner
  Arrow(plat::VK_DOWN, "1000");
  auto polys = PolygonsInFile();
  ASSERT_EQ(polys.size(), 1u);
  const TPolyobj& p = polys[0];
  EXPECT_EQ(p.Kind, 6720);
  EXPECT_EQ(p.PointCount, 5);
  EXPECT_EQ(p.LinkId, 100011);
  EXPECT_EQ(p.Tag1, 100011);
  EXPECT_EQ(p.FillColour, 255u);
  EXPECT_EQ(std::tie(p.PointX[2], p.PointY[2]), std::make_tuple(2000, 2000));
  EXPECT_EQ(UndoSteps(), before + 1);

  // Numpad + after the polygon closed adds nothing more and ends the tool;
  // the next polygon starts afresh under a new id.
  Key(plat::VK_ADD);
  EXPECT_EQ(PolygonsInFile().size(), 1u);
  EXPECT_EQ(Tool()->Type, tooltype::Pick);
  EXPECT_EQ(NextGroupNumber, 11);  // the file was read while the corners were entered
  form->CmPolygonExecute();
  KeyAt(plat::VK_RETURN, 3000, 1000);
  KeyAt(plat::VK_RETURN, 3500, 1000);
  KeyAt(plat::VK_RETURN, 3500, 1500);
  Key(plat::VK_ADD);
  polys = PolygonsInFile();
  ASSERT_EQ(polys.size(), 2u);
  EXPECT_EQ(polys[1].PointCount, 4);  // three corners and the first again
  EXPECT_EQ(polys[1].LinkId, 100012);
  EXPECT_EQ(Tool()->Type, tooltype::Pick);
  EXPECT_EQ(form->st.PanelText(panel::Guide), "GUIDE; Pick Tool");
}

TEST_F(Polygons, NineteenCornersAtMost) {
  KeyAt(plat::VK_RETURN, 500, 500);
  for (int i = 1; i < 19; ++i) KeyAt(plat::VK_RETURN, 500 + 100 * i, 500 + (i % 2) * 300);
  EXPECT_EQ(static_cast<TPolyobjtool*>(Tool())->VertexCount(), 19);
  ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbOK, plat::mrOk)
      .WithText("a polygon has at most 19 points - press numpad + to close it");
  KeyAt(plat::VK_RETURN, 3000, 3000);  // the twentieth
  EXPECT_EQ(static_cast<TPolyobjtool*>(Tool())->VertexCount(), 19);
  Key(plat::VK_ADD);
  const auto polys = PolygonsInFile();
  ASSERT_EQ(polys.size(), 1u);
  EXPECT_EQ(polys[0].PointCount, 19);
  EXPECT_EQ(polys[0].PointX[18], 2300);
}

// ---- Wall and floor changes ----------------------------------------------------------

class PolygonWalls : public PlanWindowTest {
 protected:
  TPolyobjtool tool;

  // An internal wall from (x1, y1) to (x2, y2) whose second face lies d
  // away, right of a vertical wall or above a horizontal one.
  int32 Wall(int32 x1, int32 y1, int32 x2, int32 y2, int32 d) {
    auto* w = new TInwallobj();
    w->Floor = CurrentView;
    w->X1 = x1, w->Y1 = y1, w->X2 = x2, w->Y2 = y2;
    const bool upright = x1 == x2;
    w->Angle = upright ? 0 : 900;
    w->Line2X1 = x1 + (upright ? d : 0), w->Line2Y1 = y1 + (upright ? 0 : d);
    w->Line2X2 = x2 + (upright ? d : 0), w->Line2Y2 = y2 + (upright ? 0 : d);
    w->LinkId = DrawingList.Count();
    DrawingList.Add(w);
    return DrawingList.Count() - 1;
  }
  // A room 1100..5000 by 1100..4000 inside walls 100 thick.
  void Room() {
    Wall(1000, 1000, 1000, 4100, 100);  // left: faces at 1000 and 1100
    Wall(5000, 1000, 5000, 4100, 100);  // right: 5000 and 5100
    Wall(1000, 1000, 5100, 1000, 100);  // bottom: 1000 and 1100
    Wall(1000, 4000, 5100, 4000, 100);  // top: 4000 and 4100
    DrawingList.WriteDrawingFile(dtDrawing);
  }
  void Press(int32 x, int32 y) {
    const plat::Point p = Pixel(x, y);
    plat::WindowDC dc(host.window);
    tool.MouseDown(*dc, child->ClientRect(), p.x, p.y);
  }
};

TEST_F(PolygonWalls, FloorChangeWalksRoundTheRoomAndLabelsItsArea) {
  Room();
  tool.Step = polystep::FloorPickFirst;
  Press(3000, 2500);
  EXPECT_EQ(tool.GuideMode, 6);  // the left wall
  EXPECT_EQ(tool.X1, 1100);
  EXPECT_EQ(tool.Y1, 2500);
  tool.Command(2);
  ASSERT_EQ(tool.VertexCount(), 5);
  EXPECT_EQ(std::tie(tool.VX[0], tool.VY[0]), std::make_tuple(1100, 1100));
  EXPECT_EQ(std::tie(tool.VX[1], tool.VY[1]), std::make_tuple(5000, 1100));
  EXPECT_EQ(std::tie(tool.VX[2], tool.VY[2]), std::make_tuple(5000, 4000));
  EXPECT_EQ(std::tie(tool.VX[3], tool.VY[3]), std::make_tuple(1100, 4000));
  // 3900 x 2900 mm: 11.31 square metres, shown to the half. The label is a
  // text the drawing file keeps.
  DrawingList.ReadDrawingFile(dtDrawing);
  const auto* label = dynamic_cast<TTextobj*>(DrawingList.At(DrawingList.Count() - 1));
  ASSERT_NE(label, nullptr);
  EXPECT_STREQ(label->Text, " 11.5 sq. metres");
  EXPECT_EQ(std::tie(label->X1, label->Y1), std::make_tuple(3000, 2500));

  // Removing the floor change takes its label.
  auto* change = new TPolyobj();
  change->Kind = 8001;
  change->Floor = CurrentView;
  change->LinkId = label->LinkId;
  change->PointCount = 3;
  change->PointX[1] = 100;
  change->PointY[2] = 100;
  DrawingList.Add(change);
  tool.CursorX = DrawingList.Count() - 1;
  tool.Command(3);
  DrawingList.ReadDrawingFile(dtDrawing);
  EXPECT_EQ(DrawingList.Count(), 10);  // the records and the four walls
}

TEST_F(PolygonWalls, TheNearestFaceWinsEveryWayAndSlopedFacesBlockThePick) {
  Room();
  Wall(3000, 1100, 3000, 2000, 100);  // a stub between the click and the right wall
  tool.X1 = 1100;
  tool.Y1 = 1500;
  tool.WalkDirection = 2;
  EXPECT_EQ(tool.NextWallFace(8, 1), 10);  // the stub, not the far wall
  EXPECT_EQ(tool.X1, 3000);

  // A sloped wall leaning left (bearing 1350) nearer than the left wall.
  auto* slope = new TInwallobj();
  slope->Floor = CurrentView;
  slope->X1 = 1500, slope->Y1 = 3000, slope->X2 = 2500, slope->Y2 = 2000;
  slope->Line2X1 = 1550, slope->Line2Y1 = 3050, slope->Line2X2 = 2550, slope->Line2Y2 = 2050;
  slope->Angle = 1350;
  DrawingList.Add(slope);
  tool.Step = polystep::FloorPickFirst;
  Press(2500, 2400);
  EXPECT_EQ(tool.X1, kNothingPicked);
  Press(2500, 3500);  // above it the left wall is nearest again
  EXPECT_EQ(tool.X1, 1100);
}

TEST_F(PolygonWalls, WallChangePicksAFaceAndPreparesTheStrip) {
  Room();
  tool.Execute(1105, 2000, 0);  // within 25 of the left wall's second face
  EXPECT_EQ(tool.GuideMode, 6);
  EXPECT_EQ(tool.CursorX, 2);
  EXPECT_EQ(tool.GuidesShown, 25);
  DrawingList.At(6)->Marked = 0;
  DrawingList.At(6)->Tag2 = 2400;
  static_cast<TInwallobj*>(DrawingList.At(6))->Line2Z1 = 2400;
  tool.Command(1);
  // On the room side of the face, between the faces below and above.
  EXPECT_EQ(std::tie(tool.VX[0], tool.VY[0], tool.VZ[0]), std::make_tuple(1110, 4000, 0));
  EXPECT_EQ(std::tie(tool.VX[1], tool.VY[1]), std::make_tuple(1110, 1100));
  EXPECT_EQ(tool.VZ[2], 2400);
  tool.Execute(9000, 9000, 0);
  EXPECT_EQ(tool.X1, kNothingPicked);
}

TEST_F(PolygonWalls, JoiningTwoWorktopsPullsTheSecondFlushAndCoversTheSeam) {
  auto worktop = [&](int32 x1, int32 x2, int32 link) {
    const int32 xs[4] = {x1, x2, x2, x1}, ys[4] = {1000, 1000, 1600, 1600}, zs[4] = {};
    const int32 hidden[4] = {};
    DrawingList.Add(new TPolyobj(TPolyobjtool::kWorktopKind, CurrentView, link, link, 900, 0, 0,
                                 0, 4, 0, 0, 0, 0x00C0C0C0, 0, 0, 0, 0, 0, xs, zs, ys, hidden));
    return DrawingList.Count() - 1;
  };
  const int32 a = worktop(1000, 2000, 50);
  const int32 part = DrawingList.Count();
  DrawingList.Add(new TPolyobj());
  DrawingList.At(part)->Kind = TPolyobjtool::kWorktopPartKind;
  DrawingList.At(part)->LinkId = 50;
  const int32 b = worktop(2040, 3000, 40);  // last in the list: no parts after it
  tool.Type = tooltype::WorktopMerge;
  tool.JoinSymbols(1, 1500, 1300);
  EXPECT_EQ(tool.Step, 2);
  tool.JoinSymbols(2, 2500, 1300);
  EXPECT_EQ(tool.Step, 3);
  DrawingList.ReadDrawingFile(dtDrawing);
  EXPECT_EQ(DrawingList.At(a)->LinkId, 40);
  EXPECT_EQ(DrawingList.At(part)->LinkId, 40);
  EXPECT_EQ(static_cast<TPolyobj*>(DrawingList.At(b))->PointX[0], 2000);
  const TObj& seam = *DrawingList.At(DrawingList.Count() - 1);
  EXPECT_EQ(seam.Kind, kind::WallLine);
  EXPECT_EQ(std::tie(seam.X1, seam.Y1, seam.X2, seam.Y2), std::make_tuple(2000, 1000, 2000, 1600));
  EXPECT_EQ(seam.Colour, 0x00C0C0C0u);
}

TEST(PolygonArea, LabelsRoundToHalves) {
  struct Case {
    double area;
    int32 metric;
    const char* text;
  } cases[] = {{12.74, 1, " 12.5 sq. metres"}, {12.76, 1, " 13.0 sq. metres"},
               {12.2, 1, " 12.0 sq. metres"},  {12.25, 1, " 12.5 sq. metres"},
               {120.0, 0, " 120.0 sq. feet"},   {0.9, 0, " 1.0 sq. feet"}};
  for (const Case& c : cases) EXPECT_EQ(AreaLabel(c.area, c.metric), c.text) << c.area;
  // Every edge counts: a comb outline of 24 corners, 11 m wide, 5 m high
  // less eleven triangles of half a square metre.
  MetricUnits = 1;
  PixelScale = 5;
  std::vector<plat::Point> comb;
  for (int32 i = 0; i < 12; ++i) comb.push_back({i * 1000, (i % 2) * 1000});
  for (int32 i = 11; i >= 0; --i) comb.push_back({i * 1000, 5000});
  EXPECT_DOUBLE_EQ(OutlineArea(comb), 49.5);
}

}  // namespace
