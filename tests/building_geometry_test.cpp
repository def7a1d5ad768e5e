// Wall geometry over plain values: the wall tool's rounding, outline
// corners, free layer points, and walls joined square and mitred.
#include <gtest/gtest.h>

#include <cmath>

#include "building/extwall_join.h"
#include "building/wall_geometry.h"
#include "building/wall_query.h"
#include "model/flist.h"
#include "model/group_ids.h"
#include "tests/test_support.h"

namespace {

using P = plat::Point;

TEST(WallRounding, RoundsOnTheThirdDecimalUnlikeTheToolsRounding) {
  struct Case {
    double v;
    int32 r;
  } cases[] = {{2.05, 3}, {2.04, 2}, {0.0, 0}, {0.049, 0}, {0.05, 1}, {299.76, 300}, {10.999, 11},
               {7.0, 7}};
  for (const auto& c : cases) EXPECT_EQ(WallRound(c.v), c.r) << c.v;
}

TEST(OutlineCorner, OrthogonalCornersMoveOutwardByTheWholeThickness) {
  // Rows: the line's bearing; columns: the neighbour's 0, 900, 1800, 2700.
  const P p{5000, 5000};
  const int32 d = 300;
  const P expected[4][4] = {
      {{4700, 5000}, {4700, 5300}, {5000, 5000}, {4700, 4700}},
      {{4700, 5300}, {5000, 5300}, {5300, 5300}, {5000, 5000}},
      {{5000, 5000}, {5300, 5300}, {5300, 5000}, {5300, 4700}},
      {{4700, 4700}, {5000, 5000}, {5300, 4700}, {5000, 4700}},
  };
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 4; ++col)
      EXPECT_EQ(OutlineCornerOrthogonal(p, row * 900, col * 900, d), expected[row][col])
          << row * 900 << " after " << col * 900;
}

// Distance of point q from the line through a with bearing b (positive on
// the left of its run).
double LeftOf(P q, P a, int32 b) {
  const double r = b * kWallRadiansPerTenth;
  const double ux = std::sin(r), uy = std::cos(r);
  return (double(q.x) - a.x) * -uy + (double(q.y) - a.y) * ux;
}

TEST(OutlineCorner, MitredCornersLieOnTheBisectorOutsideBothLines) {
  const P p{5000, 5000};
  const int32 t = 300;
  // A square corner through the mitre formula gives the square result.
  EXPECT_EQ(OutlineCornerMitred(p, 900, 0, t), (P{4700, 5300}));
  // Angled corners: the moved point lies t outside (to the left of) both
  // lines, within the rounding.
  const struct {
    int32 a, b;
  } corners[] = {{450, 0}, {900, 450}, {1350, 900}, {1800, 1350}, {2250, 1800}, {3150, 2700},
                 {600, 3300}, {1200, 300}};
  for (const auto& c : corners) {
    const P q = OutlineCornerMitred(p, c.a, c.b, t);
    EXPECT_NEAR(LeftOf(q, p, c.a), t, 2.0) << c.a << " after " << c.b;
    EXPECT_NEAR(LeftOf(q, p, c.b), t, 2.0) << c.a << " after " << c.b;
  }
  // A line turning straight back (also an up line after a down line, whose
  // 0 counts as 3600) has no corner: the point stays.
  EXPECT_EQ(OutlineCornerMitred(p, 2700, 900, t), p);
  EXPECT_EQ(OutlineCornerMitred(p, 0, 1800, t), p);
  EXPECT_EQ(OutlineCornerMitred(p, 5, 1800, t), p);
}

TEST(LayerPoints, FreeEndsLieStraightAcrossOrAlongTheTruncatedComponents) {
  const P e{1000, 1000};
  EXPECT_EQ(FreeLayerPoint(e, 0, 100), (P{1100, 1000}));
  EXPECT_EQ(FreeLayerPoint(e, 900, 100), (P{1000, 900}));
  EXPECT_EQ(FreeLayerPoint(e, 1800, 100), (P{900, 1000}));
  EXPECT_EQ(FreeLayerPoint(e, 2700, 100), (P{1000, 1100}));
  EXPECT_EQ(FreeLayerPoint(e, 450, 100), (P{1070, 930}));
  EXPECT_EQ(FreeLayerPoint(e, 1350, 100), (P{930, 930}));
  EXPECT_EQ(FreeLayerPoint(e, 2250, 100), (P{930, 1070}));
  EXPECT_EQ(FreeLayerPoint(e, 3150, 100), (P{1070, 1070}));
}

class WallJoin : public ::testing::Test {
 protected:
  void SetUp() override {
    MetricUnits = 1;
    PixelScale = 5;
    DrawingList.SetDrawingName("JOIN");
    InitDrawingList();
    CurrentView = view::Ground;
    settings.layers = {110, 50, 90};
    settings.floorValues[0] = 0;
    NextGroupNumber = 0;
  }
  // Draws one wall as the tool would and returns its index.
  int32 Wall(P a, P b, int32 way = drawway::None) {
    WallDraft d;
    d.start = a;
    d.end = b;
    d.angle = bearing::Of(a, b);
    d.length = bearing::Length(a, b);
    d.drawWay = way;
    JoinPlan plan = PlanJoin(d, DrawingList, settings, CurrentView);
    ApplyJoin(plan, DrawingList);
    DrawingList.Add(MakeWall(plan.wall));
    return DrawingList.Count() - 1;
  }
  const TExtwallobj& W(int32 i) { return static_cast<const TExtwallobj&>(*DrawingList.At(i)); }
  static LayerPoints PointsOf(const TExtwallobj& w) { return DraftOf(w).points; }

  ScratchProgramDir dir;
  ExtWallSettings settings;
};

TEST_F(WallJoin, ARectangleMeetsInOnePointPerLayerAtEveryCorner) {
  const P c[4] = {{1000, 1000}, {1000, 4000}, {5000, 4000}, {5000, 1000}};
  int32 w[4];
  for (int k = 0; k < 4; ++k) w[k] = Wall(c[k], c[(k + 1) % 4]);
  for (int k = 0; k < 4; ++k) {
    const LayerPoints in = PointsOf(W(w[k])), out = PointsOf(W(w[(k + 1) % 4]));
    for (int layer = 0; layer < 3; ++layer)
      EXPECT_EQ(in.At(WallEnd::End, layer), out.At(WallEnd::Start, layer))
          << "corner " << k << " layer " << layer;
  }
  // The top left corner: inward by each depth from both faces.
  const LayerPoints left = PointsOf(W(w[0]));
  EXPECT_EQ(left.At(WallEnd::End, 0), (P{1110, 3890}));
  EXPECT_EQ(left.At(WallEnd::End, 1), (P{1160, 3840}));
  EXPECT_EQ(left.At(WallEnd::End, 2), (P{1250, 3750}));
  // Every wall took a group number of its own, in order.
  for (int k = 0; k < 4; ++k) EXPECT_EQ(W(w[k]).LinkId, k + 1);
  EXPECT_EQ(NextGroupNumber, 4);
  EXPECT_EQ(W(w[1]).Tag1, 4000);
}

TEST_F(WallJoin, ASolidWallHasOnlyItsFirstLayerLine) {
  settings.layers = {230, 0, 0};
  const int32 i = Wall({1000, 1000}, {4000, 1000});
  const TExtwallobj& w = W(i);
  EXPECT_EQ(P(w.Line2X1, w.Line2Y1), (P{1000, 770}));
  EXPECT_EQ(P(w.Line2X2, w.Line2Y2), (P{4000, 770}));
  for (int32 v : {w.Line3X1, w.Line3Y1, w.Line3X2, w.Line3Y2, w.Line4X1, w.Line4Y1, w.Line4X2,
                  w.Line4Y2})
    EXPECT_EQ(v, 0);
}

TEST_F(WallJoin, AWallSnapsOntoANeighboursEndOnlyWithinThreePixels) {
  const int32 a = Wall({1000, 1000}, {1000, 4000});
  const int32 b = Wall({1000 + 2 * PixelScale, 4000 + PixelScale}, {5000, 4000 + PixelScale});
  EXPECT_EQ(P(W(b).X1, W(b).Y1), (P{W(a).X2, W(a).Y2}));
  EXPECT_EQ(P(W(b).X2, W(b).Y2), (P{5000 - 2 * PixelScale, 4000}));
  const int32 c = Wall({5000 + 3 * PixelScale, 4000}, {5000 + 3 * PixelScale, 1000});
  EXPECT_EQ(W(c).X1, 5000 + 3 * PixelScale);
}

TEST_F(WallJoin, CollinearWallsKeepStraightLinesAndTheFirstWallUnchanged) {
  const int32 a = Wall({1000, 1000}, {3000, 1000});
  const LayerPoints before = PointsOf(W(a));
  const int32 b = Wall({3000, 1000}, {6000, 1000});
  const LayerPoints after = PointsOf(W(a));
  for (int k = 0; k < 6; ++k) EXPECT_EQ(after.p[k], before.p[k]) << k;
  const LayerPoints second = PointsOf(W(b));
  for (int layer = 0; layer < 3; ++layer) {
    EXPECT_EQ(second.At(WallEnd::Start, layer), before.At(WallEnd::End, layer));
    EXPECT_EQ(second.At(WallEnd::End, layer).y, before.At(WallEnd::End, layer).y);
  }
}

TEST_F(WallJoin, AnAngledWallIsMitredOnTheBisectorWithBothWallsSquared) {
  settings.layers = {200, 0, 0};
  const int32 up = Wall({2000, 1000}, {2000, 3000});
  const int32 slope = Wall({2000, 3000}, {4000, 5000});
  ASSERT_EQ(W(slope).Angle, 450);
  const TExtwallobj& v = W(up);
  const TExtwallobj& s = W(slope);
  // The corner point: 200 inside both faces, on the bisector of the 135
  // degree corner, each component truncated.
  const double t = 200, half = 67.5 * M_PI / 180;
  const double along = t / std::tan(half);
  EXPECT_NEAR(s.Line2X1, 2000 + t, 1.0);
  EXPECT_NEAR(s.Line2Y1, 3000 - along, 2.0);
  EXPECT_NEAR(v.Line2X2, s.Line2X1, 1.0);
  EXPECT_EQ(v.Line2Y2, s.Line2Y1);
  // The vertical wall's layer line stays vertical.
  EXPECT_EQ(v.Line2X1, v.Line2X2);
}

TEST_F(WallJoin, UnjoinedEndsGetFreePointsNeverThePreviousWalls) {
  // A wall starting where another starts matches it at the start, but the
  // other does not end there (only its x agrees): neither wall is joined.
  settings.layers = {100, 0, 0};
  const int32 a = Wall({1000, 1000}, {1000, 3000});
  const LayerPoints before = PointsOf(W(a));
  const int32 b = Wall({1000, 1000}, {4000, 1000});
  const TExtwallobj& w = W(b);
  EXPECT_EQ(P(w.Line2X1, w.Line2Y1), (P{1000, 900}));
  EXPECT_EQ(P(w.Line2X2, w.Line2Y2), (P{4000, 900}));
  for (int k = 0; k < 6; ++k) EXPECT_EQ(PointsOf(W(a)).p[k], before.p[k]) << k;
}

TEST_F(WallJoin, AWallTurningStraightBackLeavesBothEndsFree) {
  settings.layers = {100, 0, 0};
  const int32 a = Wall({1000, 1000}, {3000, 3000});
  const LayerPoints before = PointsOf(W(a));
  const int32 b = Wall({3000, 3000}, {1000, 1001});
  const TExtwallobj& w = W(b);
  EXPECT_EQ(P(w.Line2X1, w.Line2Y1), FreeLayerPoint({w.X1, w.Y1}, w.Angle, 100));
  for (int k = 0; k < 6; ++k) EXPECT_EQ(PointsOf(W(a)).p[k], before.p[k]);
  for (int32 v : {w.Line2X1, w.Line2Y1, w.Line2X2, w.Line2Y2}) {
    EXPECT_GT(v, 0);
    EXPECT_LT(v, 10000);
  }
}

TEST_F(WallJoin, AFreeWallRunsTheWayThatPutsItsInnerLinesOnTheChosenSide) {
  settings.layers = {100, 0, 0};
  struct Case {
    int32 side;
    P a, b;
    bool innerBelowOrLeft;  // of the face
  } cases[] = {
      {innerside::Below, {4000, 2000}, {1000, 2000}, true},
      {innerside::Below, {1000, 2000}, {4000, 2000}, true},
      {innerside::Above, {1000, 2000}, {4000, 2000}, false},
      {innerside::Above, {4000, 2000}, {1000, 2000}, false},
      {innerside::Left, {2000, 1000}, {2000, 4000}, true},
      {innerside::Left, {2000, 4000}, {2000, 1000}, true},
      {innerside::Right, {2000, 4000}, {2000, 1000}, false},
      {innerside::Right, {2000, 1000}, {2000, 4000}, false},
  };
  for (const auto& c : cases) {
    InitDrawingList();
    const TExtwallobj& w = W(Wall(c.a, c.b, DrawWayForInnerSide(c.side)));
    const bool horizontal = w.Y1 == w.Y2;
    const int32 offset = horizontal ? w.Line2Y1 - w.Y1 : w.Line2X1 - w.X1;
    EXPECT_EQ(offset, c.innerBelowOrLeft ? -100 : 100) << "side " << c.side;
    EXPECT_EQ(w.Angle, bearing::Of({w.X1, w.Y1}, {w.X2, w.Y2})) << "side " << c.side;
  }
}

TEST_F(WallJoin, NeighboursAreFoundByBothCoordinatesAndNeverTheWallItself) {
  const int32 a = Wall({1000, 1000}, {1000, 3000});
  const int32 b = Wall({1000, 3000}, {4000, 3000});
  DrawingList.Add(MakeWall(DraftOf(W(a))));  // a second wall ending at b's start
  int32 prev = 0, next = 0;
  FindWallNeighbours(DrawingList, b, prev, next);
  EXPECT_EQ(prev, DrawingList.Count() - 1);  // the later of the two
  EXPECT_EQ(next, TFlist::kNothingFound);
  FindWallNeighbours(DrawingList, a, prev, next);
  EXPECT_EQ(next, b);
  EXPECT_EQ(prev, TFlist::kNothingFound);
  // A wall shorter than the tolerance does not meet itself.
  const int32 stub = Wall({7000, 7000}, {7020, 7000});
  FindWallNeighbours(DrawingList, stub, prev, next);
  EXPECT_EQ(prev, TFlist::kNothingFound);
  EXPECT_EQ(next, TFlist::kNothingFound);
}

TEST(GroupIds, NeverTakeAReservedValue) {
  ScratchProgramDir dir;
  NextGroupNumber = 29998;
  EXPECT_EQ(NewGroupId(), 29999);
  EXPECT_EQ(NewGroupId(), 30004);
  NextGroupNumber = 19000;
  EXPECT_EQ(NewGroupId(11000), 11000 + 19004);
  EXPECT_EQ(PeekGroupNumber(), 19005);
  EXPECT_EQ(NextGroupNumber, 19004);
}

// Every value a join plans, for comparing two plans.
std::string Described(const JoinPlan& p) {
  std::string s;
  auto add = [&s](const char* name, P q) {
    s += std::string(name) + "(" + std::to_string(q.x) + "," + std::to_string(q.y) + ") ";
  };
  const WallDraft& w = p.wall;
  add("start", w.start);
  add("end", w.end);
  for (const P& q : w.points.p) add("p", q);
  for (int32 v : {w.angle, w.length, w.linkId, w.floor, w.floorValue, p.groupNumber})
    s += std::to_string(v) + " ";
  for (const auto& n : p.neighbours) {
    s += "| " + std::to_string(n.index) + ": ";
    for (const P& q : n.points.p) add("p", q);
  }
  return s;
}

TEST_F(WallJoin, TheFloorsWallIndexPlansEveryJoinAsTheWholeListDoesOnABusyFloor) {
  // Walls of a house drawn one after another among lines, partitions and
  // texts, with the walls of the floor above and outline lines lying on the
  // same corners; the index is built once and told of every entry added.
  const P ring[] = {{1000, 1000}, {1000, 4000}, {1000 + 2 * PixelScale, 4000 + PixelScale},
                    {3000, 4000}, {3000, 6000}, {6000, 6000}, {8000, 8000}, {8000, 1000},
                    {6000, 1000}, {6000, 3000}, {6000, 1000}, {1000, 1000}};
  auto filler = [](int32 k, P a, P b) {
    WallDraft above;
    above.start = a;
    above.end = b;
    above.floor = view::First;
    DrawingList.Add(MakeWall(above));
    for (int32 lineKind : {kind::Line, kind::WallLine})
      DrawingList.Add(new TLineobj(lineKind, view::Ground, 0, 0, a.x, 0, b.x, 0, a.y, b.y, 0, 0, 0,
                                   1, 0));
    DrawingList.Add(new TTextobj(kind::Text, view::Ground, 0, 0, a.x + k, a.y, 0, 0, 0, 0, 0, 0,
                                 6, 0, 10, 400, "Arial", "HALL"));
  };
  filler(0, ring[0], ring[1]);
  FloorWalls walls(DrawingList, CurrentView);
  int joined = 0;
  for (std::size_t k = 0; k + 1 < std::size(ring); ++k) {
    WallDraft d;
    d.start = ring[k];
    d.end = ring[k + 1];
    d.angle = bearing::Of(d.start, d.end);
    d.length = bearing::Length(d.start, d.end);
    const JoinPlan scanned = PlanJoin(d, DrawingList, settings, CurrentView);
    const JoinPlan indexed = PlanJoin(d, DrawingList, settings, walls);
    EXPECT_EQ(Described(indexed), Described(scanned)) << "wall " << k;
    joined += !scanned.neighbours.empty();
    ApplyJoin(scanned, DrawingList);
    DrawingList.Add(MakeWall(scanned.wall));
    walls.Appended(DrawingList);
    filler(int32(k), ring[k + 1], ring[(k + 2) % std::size(ring)]);
    for (int f = 0; f < 4; ++f) walls.Appended(DrawingList);
  }
  EXPECT_GE(joined, 8) << "most walls meet a neighbour";
  // A wall replaced in an edit is left out of its own join either way.
  const int32 edited = walls.Entries()[3];
  const WallDraft again = DraftOf(W(edited));
  EXPECT_EQ(Described(PlanJoin(again, DrawingList, settings, walls, edited)),
            Described(PlanJoin(again, DrawingList, settings, CurrentView, edited)));
  EXPECT_EQ(walls.Entries(), FloorWalls(DrawingList, CurrentView).Entries());
}

TEST(GroupIds, ACounterThatCannotGrowIsToldAndNeverGivesANegativeId) {
  ScratchProgramDir dir;
  struct Case {
    int32 next;  // as a damaged header leaves it
    int32 after;
  };
  for (const Case& c : {Case{-2147483647 - 1, 1}, Case{-1, 1}, Case{0, 1},
                        Case{kLastGroupNumber - 1, kLastGroupNumber}})
    EXPECT_EQ(GroupNumberAfter(c.next), c.after) << c.next;

  // A library symbol placed into a drawing whose header says 2147483647:
  // told once, and both its ids are the floor's last.
  NextGroupNumber = 2147483647;
  CurrentView = view::SubFloor;
  dir.WriteFile("LIBS\\Tap.PLM", "1 0 0 0 2 0\n5\n5 0 0 0 0 0 10 0 0 10 0 0 1 0\n");
  DefaultTestUi()
      .ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk)
      .WithText("the drawing has used up its group numbers: new elements share the last one");
  ASSERT_EQ(DrawingList.ReadLibraryFile("Tap.PLM"), 1);
  EXPECT_EQ(DrawingList.At(DrawingList.Count() - 1)->LinkId, 150000 + kLastGroupNumber);
  EXPECT_EQ(NewGroupId(), kLastGroupNumber);
  EXPECT_EQ(NextGroupNumber, kLastGroupNumber);
  DrawingList.Clear();
}

}  // namespace
