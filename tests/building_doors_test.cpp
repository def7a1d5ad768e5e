// Door symbols of every kind cut into the walls of a traced plan: leaves,
// swing arcs, panels and side frames in the build frame (the bottom wall,
// which is not turned) and turned with the other walls.
#include <gtest/gtest.h>

#include <cmath>

#include <algorithm>

#include "tests/openings_fixture.h"

namespace {

using P = plat::Point;

class Doors : public OpeningPlan {
 protected:
  // The bottom wall: face 1 at y 1700, inner face at 2000, running -x.
  void SetUp() override {
    Plan(true, {2000, 2000}, {8000, 6000});
    Swing(90);
  }
  struct Seg {
    P a, b;
    int32 width;
  };
  std::vector<Seg> Leaves(int32 id) {
    std::vector<Seg> out;
    for (const TObj* e : Parts(id, kind::WallLine))
      out.push_back({{e->X1, e->Y1}, {e->X2, e->Y2}, e->PenWidth});
    std::sort(out.begin(), out.end(), [](const Seg& l, const Seg& r) {
      return std::tie(l.a.x, l.a.y, l.b.x) < std::tie(r.a.x, r.a.y, r.b.x);
    });
    return out;
  }
  std::vector<const TArcobj*> Arcs(int32 id) {
    std::vector<const TArcobj*> out;
    for (const TObj* e : Parts(id, kind::Arc)) out.push_back(static_cast<const TArcobj*>(e));
    return out;
  }
};

TEST_F(Doors, AHangingDoorHasItsLeafAndSwingOnTheSideChosenOnEveryWall) {
  Door(11, 820, 1);
  struct Case {
    int32 swing;
    P cursor;      // on the hinge end
    P hinge, leaf;  // where they end up on screen
    P arcFrom, arcTo;
  } cases[] = {
      // Bottom wall (2700): 5 hinge left, opens up (inside); 8 hinge right, opens down.
      {5, {3000, 1760}, {3000, 2000}, {3000, 2820}, {3820, 2000}, {3000, 2820}},
      {8, {5000, 1760}, {5000, 1700}, {5000, 880}, {4180, 1700}, {5000, 880}},
      // Top wall (900): 5 hinge left, opens up (outside), turned half round.
      {5, {3000, 6240}, {3000, 6300}, {3000, 7120}, {3820, 6300}, {3000, 7120}},
      // Left wall (0): 1 hinge at the top, opens left (outside).
      {1, {1760, 5000}, {1700, 5000}, {880, 5000}, {880, 5000}, {1700, 4180}},
      // Right wall (1800): 4 hinge at the bottom, opens right (outside).
      {4, {8240, 3000}, {8300, 3000}, {9120, 3000}, {9120, 3000}, {8300, 3820}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.swing);
    const int32 id = Cut(2, c.cursor, c.swing);
    ASSERT_GT(id, 0);
    const auto leaves = Leaves(id);
    ASSERT_EQ(leaves.size(), 1u);
    EXPECT_POINT_NEAR(leaves[0].a.x, leaves[0].a.y, c.hinge.x, c.hinge.y);
    EXPECT_POINT_NEAR(leaves[0].b.x, leaves[0].b.y, c.leaf.x, c.leaf.y);
    const auto arcs = Arcs(id);
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_POINT_NEAR(arcs[0]->StartX, arcs[0]->StartY, c.arcFrom.x, c.arcFrom.y);
    EXPECT_POINT_NEAR(arcs[0]->EndX, arcs[0]->EndY, c.arcTo.x, c.arcTo.y);
    // The arc's circle: radius 820 about the hinge.
    EXPECT_NEAR(std::abs(arcs[0]->X2 - arcs[0]->X1), 1640, 2);
    EXPECT_NEAR((arcs[0]->X1 + arcs[0]->X2) / 2, c.hinge.x, 1);
    EXPECT_NEAR((arcs[0]->Y1 + arcs[0]->Y2) / 2, c.hinge.y, 1);
    EXPECT_EQ(arcs[0]->PenStyle, plat::PS_DOT);
    const TPolyobj* frame = Frame(id);
    ASSERT_TRUE(frame);
    EXPECT_NEAR(std::hypot(frame->PointX[0] - frame->PointX[1], frame->PointY[0] - frame->PointY[1]),
                820, 2) << "the frame spans the door, no cill";
  }
}

TEST_F(Doors, TheSwingAngleAndLineWidthComeFromTheSwingSettings) {
  dir.WriteFile(cfgfile::DoorSwing, "30 2 0.500000 0.866025\n");
  Door(11, 800, 1);
  const int32 id = Cut(2, {3000, 1760}, 5);
  const auto leaves = Leaves(id);
  ASSERT_EQ(leaves.size(), 1u);
  EXPECT_EQ(leaves[0].a, (P{3000, 2000}));
  EXPECT_EQ(leaves[0].b, (P{3000 + 692, 2000 + 400}));  // 800 cos 30, 800 sin 30
  EXPECT_EQ(leaves[0].width, 2);
}

TEST_F(Doors, TwoHangingDoorsOpenToTheSideTheCursorWasOn) {
  Door(12, 820, 2);
  for (int32 face : {1, 3}) {
    SCOPED_TRACE(face);
    const int32 id = Cut(2, {4000, face == 1 ? 1760 : 1960});
    ASSERT_GT(id, 0);
    EXPECT_EQ(tool->CursorFace, face);
    const int32 y0 = face == 1 ? 1700 : 2000, toward = face == 1 ? -1 : 1;
    const auto leaves = Leaves(id);
    ASSERT_EQ(leaves.size(), 2u);
    EXPECT_EQ(leaves[0].a, (P{3180, y0}));
    EXPECT_EQ(leaves[0].b, (P{3180, y0 + toward * 820}));
    EXPECT_EQ(leaves[1].a, (P{4820, y0}));
    EXPECT_EQ(leaves[1].b, (P{4820, y0 + toward * 820}));
    const auto arcs = Arcs(id);
    ASSERT_EQ(arcs.size(), 2u);
    // Counter-clockwise from start to end: the quarter between leaf and middle.
    const P mid{4000, y0};
    const P firstFrom = face == 1 ? P{3180, y0 - 820} : mid;
    EXPECT_EQ(P(arcs[0]->StartX, arcs[0]->StartY), firstFrom);
    const P secondFrom = face == 1 ? mid : P{4820, y0 + 820};
    EXPECT_EQ(P(arcs[1]->StartX, arcs[1]->StartY), secondFrom);
  }
}

TEST_F(Doors, AHangingDoorOnASlopedWallGetsItsLeafButNoArc) {
  Plan(true, {2000, 2000}, {8000, 6000}, 2000);
  Swing(90);
  const auto* slope = dynamic_cast<const TExtwallobj*>(WallAt(1350));
  ASSERT_TRUE(slope);
  const P mid{(slope->X1 + slope->X2) / 2, (slope->Y1 + slope->Y2) / 2};
  Door(11, 800, 1);
  const int32 id = Cut(2, {mid.x / 20 * 20 - 60, mid.y / 20 * 20 - 60}, 5);
  ASSERT_GT(id, 0);
  EXPECT_EQ(Leaves(id).size(), 1u);
  EXPECT_TRUE(Arcs(id).empty());
}

TEST_F(Doors, SlidingDoorsInsideTheWallShowTheirPanels) {
  Door(13, 820, 1);
  struct Case {
    int32 view, intoWall;
    int32 y, toX;
  } cases[] = {
      {5, 0, 2025, 4000 - 820},  // slides left along the upper (inner) face
      {8, 0, 1675, 4000 + 820},  // slides right along the lower face
      {5, 1, 1850, 4000 - 820},  // into the wall: along its middle
  };
  for (const Case& c : cases) {
    const int32 id = Cut(2, {4000, 1760}, c.view, c.intoWall);
    const auto leaves = Leaves(id);
    ASSERT_EQ(leaves.size(), 1u);
    EXPECT_EQ(leaves[0].a.y, c.y);
    EXPECT_EQ(std::min(leaves[0].a.x, leaves[0].b.x), std::min(4000, c.toX));
    EXPECT_EQ(std::max(leaves[0].a.x, leaves[0].b.x), std::max(4000, c.toX));
  }
  Door(14, 820, 2, 1640);
  const int32 id = Cut(2, {4000, 1760});
  const auto leaves = Leaves(id);
  ASSERT_EQ(leaves.size(), 2u);
  EXPECT_EQ(leaves[0].a, (P{4000 - 820 - 410, 1675}));
  EXPECT_EQ(leaves[0].b, (P{4000 - 820 + 410, 1675}));
  EXPECT_EQ(leaves[1].a, (P{4000 + 820 + 410, 1675}));
  EXPECT_EQ(leaves[1].b, (P{4000 + 820 - 410, 1675}));
}

TEST_F(Doors, SideFrameSlidersFollowTheTableOfLeavesAndSides) {
  struct Case {
    int32 count, option;
    std::vector<std::pair<int32, int32>> sliding, fixed;  // x ranges, sorted
  } cases[] = {
      {1, 0, {{3180, 4000}}, {{2800, 3590}, {4410, 5200}}},
      {1, 1, {{3210, 4030}}, {{3620, 5200}}},
      {1, 2, {{3970, 4790}}, {{2800, 4380}}},
      {2, 0, {{2770, 3590}, {4410, 5230}}, {{2800, 3180}, {4820, 5200}}},
      {2, 1, {{3210, 4030}, {4850, 5670}}, {{2800, 3620}, {5200, 5260}}},
      {2, 2, {{2330, 3150}, {3970, 4790}}, {{2740, 2800}, {4380, 5200}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.count << " leaves, side " << c.option);
    Door(15, 820, c.count, 2400, 0, c.option);
    const int32 id = Cut(2, {4000, 1960});
    ASSERT_GT(id, 0);
    std::vector<std::pair<int32, int32>> sliding, fixed;
    for (const auto& s : Leaves(id)) {
      auto range = std::make_pair(std::min(s.a.x, s.b.x), std::max(s.a.x, s.b.x));
      (s.a.y == 1875 ? sliding : fixed).push_back(range);
      EXPECT_TRUE(s.a.y == 1875 || s.a.y == 1850);
    }
    std::sort(sliding.begin(), sliding.end());
    std::sort(fixed.begin(), fixed.end());
    EXPECT_EQ(sliding, c.sliding);
    EXPECT_EQ(fixed, c.fixed);
  }
}

TEST_F(Doors, AnEntryFrameDrawsItsDoorsAtTheSideWithOneGroupNumber) {
  Door(16, 820, 1, 2000, 0, 1);
  const int32 before = NextGroupNumber;
  const int32 id = Cut(2, {4000, 1760}, 5);
  ASSERT_GT(id, 0);
  EXPECT_EQ(NextGroupNumber, before + 1);
  EXPECT_EQ(Frame(id)->PointX[0] - Frame(id)->PointX[1], 2000);
  // The door moved 590 toward +x; its hinge on the inside face.
  const auto arcs = Arcs(id);
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_EQ((arcs[0]->X1 + arcs[0]->X2) / 2, 4000 + 590 - 410);
  // The fixed panel fills the rest of the frame, closed across the wall.
  bool middle = false, across = false;
  for (const auto& s : Leaves(id)) {
    if (s.a == P{3000, 1850} && s.b == P{4180, 1850}) middle = true;
    if (s.a == P{4180, 1700} && s.b == P{4180, 2000}) across = true;
  }
  EXPECT_TRUE(middle);
  EXPECT_TRUE(across);
  // Two doors open inward on an outside wall.
  Door(16, 820, 2, 2400);
  const int32 two = Cut(2, {4000, 1760});
  ASSERT_GT(two, 0);
  int32 inward = 0;
  for (const auto& s : Leaves(two)) inward += s.a.y == 2000 && s.b.y == 2820;
  EXPECT_EQ(inward, 2);
}

TEST_F(Doors, FoldingDoorsZigzagOnTheChosenSides) {
  struct Case {
    int32 count, side, lines;
  } cases[] = {{2, 0, 2}, {6, 0, 6}, {4, 1, 4}, {4, 2, 4}, {3, 0, 4}, {1, 1, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.count << " leaves, side " << c.side);
    Door(21, 400, c.count, 0, c.side);
    const int32 id = Cut(2, {4000, 1760});
    ASSERT_GT(id, 0);
    const auto leaves = Leaves(id);
    EXPECT_EQ(static_cast<int32>(leaves.size()), c.lines);
    for (const auto& s : leaves) {
      EXPECT_EQ(s.a.y, 1850) << "from the wall's middle";
      EXPECT_EQ(s.b.y, 1850 - tool->LeafWidth / 2);
    }
  }
}

TEST_F(Doors, WardrobeSlidersShareTheGapAndASingleLeafDrawsAPanel) {
  Door(24, 900, 2, 1800);
  const int32 id = Cut(2, {4000, 1760});
  const auto leaves = Leaves(id);
  ASSERT_EQ(leaves.size(), 2u);
  // g = 1800 - 900 = 900 over one panel a row; the first starts 225 in.
  EXPECT_EQ(leaves[0].a, (P{3325, 1875}));
  EXPECT_EQ(leaves[0].b, (P{4225, 1875}));
  EXPECT_EQ(leaves[1].a, (P{4675, 1850}));
  EXPECT_EQ(leaves[1].b, (P{3775, 1850}));
  Door(24, 900, 1, 1800);  // one leaf: one panel a row, nothing divided by zero
  EXPECT_EQ(Leaves(Cut(2, {4000, 1760})).size(), 2u);
}

TEST_F(Doors, AGarageDoorHasAMiddleLineAndTwoLeavesOnlyWhenItHasTwo) {
  Door(19, 2400, 1);
  int32 id = Cut(2, {4000, 1760});
  auto lines = Leaves(id);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].a.y, 1800);  // a third into the wall
  EXPECT_TRUE(Arcs(id).empty());
  Door(19, 1200, 2);
  id = Cut(2, {4000, 1960});
  EXPECT_EQ(Leaves(id).size(), 3u);
  EXPECT_EQ(Arcs(id).size(), 2u);
  for (const TArcobj* a : Arcs(id)) EXPECT_LE(a->StartY, 1700) << "always the insertion side";
  Door(10, 900, 1);  // a plain opening: only its frame
  id = Cut(2, {4000, 1760});
  EXPECT_EQ(Parts(id).size(), 1u);
}

TEST_F(Doors, ImperialDoorsUseTheSameGeometryInTwentyFourthsOfAnInch) {
  Plan(false, {2400, 2400}, {9600, 7200});
  Swing(90);
  Door(11, 768, 1);  // 2' 8''
  const int32 id = Cut(2, {3600, 2136}, 5);
  ASSERT_GT(id, 0);
  const auto leaves = Leaves(id);
  ASSERT_EQ(leaves.size(), 1u);
  EXPECT_EQ(leaves[0].a, (P{3600, 2400}));
  EXPECT_EQ(leaves[0].b, (P{3600, 2400 + 768}));
  EXPECT_EQ(dir.ReadFile(cfgfile::Door).substr(0, 17), "11 0 768 24 768 1");
}

}  // namespace

namespace {

// Every window kind and every door kind, with one and two leaves where the
// kind has them, into each wall of a plan with a sloped corner and into an
// internal wall, in both unit systems: one opening each, framed to its
// width along the wall, every part carrying its id and the wall's link.
class EveryOpening : public OpeningPlan, public ::testing::WithParamInterface<bool> {};

TEST_P(EveryOpening, GoesIntoEveryKindOfWall) {
  const bool metric = GetParam();
  const int32 u = metric ? 1000 : 288;  // a metre or a foot
  const int32 grid = metric ? 20 : 24;  // one pixel
  Plan(metric, {2 * u, 2 * u}, {12 * u, 8 * u}, 3 * u);
  InternalWall({2 * u, 5 * u}, {8 * u, 5 * u}, metric ? 100 : 96);
  Swing(60);
  struct DoorCase {
    int32 setUp, kind, leaves;
  };
  std::vector<DoorCase> cases;
  for (int32 k = 1; k <= 9; ++k) cases.push_back({1, k, 1});
  for (int32 k : {10, 11, 12, 13, 14, 15, 16, 19, 21, 24}) {
    int32 low = 1, high = 1;
    if (k == 12 || k == 14 || k == 21 || k == 24) low = 2;
    if (k == 12 || k == 14 || k == 15 || k == 16 || k == 19 || k == 21 || k == 24) high = 2;
    for (int32 n = low; n <= high; ++n) cases.push_back({2, k, n});
  }
  // Each wall: a point in its band half way along its inner line, and the
  // swing that fits it.
  struct Target {
    const char* name;
    P cursor;
    int32 swing;
  };
  std::vector<Target> targets;
  for (int32 i = 6; i < DrawingList.Count(); ++i) {
    const TObj* e = DrawingList.At(i);
    if (!kind::IsWallKind(e->Kind)) continue;
    int32 angle = 0;
    P inner;
    if (auto* w = dynamic_cast<const TExtwallobj*>(e)) {
      angle = w->Angle;
      inner = {(w->Line2X1 + w->Line2X2) / 2, (w->Line2Y1 + w->Line2Y2) / 2};
    } else if (auto* w = dynamic_cast<const TInwallobj*>(e)) {
      angle = w->Angle;
      inner = {(w->Line2X1 + w->Line2X2) / 2, (w->Line2Y1 + w->Line2Y2) / 2};
    }
    // The face across from the inner line's middle.
    const double ux = e->X2 - e->X1, uy = e->Y2 - e->Y1;
    const double t = ((inner.x - e->X1) * ux + (inner.y - e->Y1) * uy) / (ux * ux + uy * uy);
    const P face{e->X1 + int32(std::lround(t * ux)), e->Y1 + int32(std::lround(t * uy))};
    // A third of the way from the face toward the inner line, on the grid.
    const P at{(2 * face.x + inner.x) / 3 / grid * grid, (2 * face.y + inner.y) / 3 / grid * grid};
    const bool upright = angle == 0 || angle == 1800;
    targets.push_back({e->Kind == kind::InWall ? "internal" : "external", at, upright ? 1 : 5});
  }
  ASSERT_EQ(targets.size(), 6u);
  for (const Target& t : targets) {
    for (const DoorCase& s : cases) {
      SCOPED_TRACE(testing::Message() << t.name << " wall at " << t.cursor.x << "," << t.cursor.y
                                      << ", kind " << s.kind << " with " << s.leaves);
      const int32 leaf = metric ? 700 : 240;
      if (s.setUp == 1)
        Window(s.kind, 2 * leaf, leaf);
      else
        Door(s.kind, leaf, s.leaves, s.kind == 15 || s.kind == 16 ? 3 * leaf : 0, 0, 0);
      const int32 id = Cut(s.setUp, t.cursor, t.swing);
      ASSERT_GT(id, 0);
      const int32 link = DrawingList.At(tool->WallIndex)->LinkId;
      const int32 width = tool->OpeningWidth;
      const TPolyobj* frame = Frame(id);
      ASSERT_TRUE(frame);
      EXPECT_NEAR(std::hypot(frame->PointX[0] - frame->PointX[1], frame->PointY[0] - frame->PointY[1]),
                  width / 2 * 2, 3);
      for (const TObj* e : Parts(id)) {
        EXPECT_EQ(e->Floor, view::Ground);
        if (e->Kind != kind::WallLengthText) {
          EXPECT_EQ(e->LinkId, link);
        }
      }
      // Take it out again for the next one.
      DrawingList.UpdateUndoHistory(uoReset, 0);
      for (int32 i = DrawingList.Count() - 1; i >= 6; --i)
        if (DrawingList.At(i)->Tag1 == id) DrawingList.RemoveAt(i);
      DrawingList.WriteDrawingFile(dtDrawing);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(BothUnits, EveryOpening, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Metric" : "Imperial"; });

}  // namespace
