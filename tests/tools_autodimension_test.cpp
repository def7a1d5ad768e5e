// Dimensions: the automatic dimensions of a floor's external walls, the
// overall dimensions, measure texts, and the dimension set by two points.
#include <gtest/gtest.h>

#include <vector>

#include "building/extwall_join.h"
#include "model/flist.h"
#include "platform/recording_dc.h"
#include "tests/test_support.h"
#include "tools/dimension_geometry.h"
#include "tools/linetool.h"
#include "tools/measure_text.h"

namespace {

using P = plat::Point;

TEST(MeasureText, MillimetresPlainAndFeetWithWholeEighths) {
  ScratchProgramDir dir;
  MetricUnits = 1;
  EXPECT_EQ(MeasureText(4600), "4600");
  MetricUnits = 0;
  struct Case {
    int32 v;
    const char* text;
  } cases[] = {{3606, "12' 6 1/4''"}, {3605, "12' 6''"}, {3600, "12' 6''"}, {3, "0' 0 1/8''"},
               {21, "0' 0 7/8''"},   {12, "0' 0 1/2''"},  {288, "1' 0''"},   {8784, "30' 6''"}};
  for (const auto& c : cases) EXPECT_EQ(MeasureText(c.v), c.text) << c.v;
}

TEST(ArrowShapes, OrthogonalArrowsPointAtTheirTip) {
  ScratchProgramDir dir;
  PixelScale = 5;
  const ArrowShape l = OrthogonalArrow({1000, 2000}, arrowhead::Left);
  EXPECT_EQ(l.shaftEnd, (P{1200, 2000}));
  EXPECT_EQ(l.head1, (P{1100, 2025}));
  EXPECT_EQ(l.head2, (P{1100, 1975}));
  EXPECT_EQ(l.tick1, (P{1000, 2100}));
  const ArrowShape b = OrthogonalArrow({1000, 2000}, arrowhead::Bottom);
  EXPECT_EQ(b.shaftEnd, (P{1000, 2200}));
  EXPECT_EQ(b.tick2, (P{1100, 2000}));
  // A sloped wall's arrow lies outside it (to the left of its run), its
  // shaft running along the wall toward its middle.
  const ArrowShape s = SlopedArrow({1000, 1000}, 450, 1, 300);
  EXPECT_EQ(s.tip, (P{1000 - 212, 1000 + 212}));
  EXPECT_GT(s.shaftEnd.x, s.tip.x);
  EXPECT_GT(s.shaftEnd.y, s.tip.y);
  const ArrowShape e = SlopedArrow({3000, 3000}, 450, 2, 300);
  EXPECT_LT(e.shaftEnd.x, e.tip.x);
}

class Dimensions : public ::testing::Test {
 protected:
  void SetUp() override {
    MetricUnits = 1;
    PixelScale = 5;
    DrawingList.SetDrawingName("DIMS");
    DrawingList.SetTextFontName("Arial");
    InitDrawingList();
    CurrentView = view::Ground;
    NextGroupNumber = 0;
    ZoomFactor = 5.0f;
    WindowExtX = 624;
    WindowExtY = 346;
    WindowOrgX = WindowOrgY = 0;
  }
  void Wall(P a, P b, int32 length = -1) {
    WallDraft d;
    d.start = a;
    d.end = b;
    d.angle = bearing::Of(a, b);
    d.length = length >= 0 ? length : bearing::Length(a, b);
    d.floor = view::Ground;
    DrawingList.Add(MakeWall(d));
  }
  void Outline(std::vector<P> corners) {
    for (std::size_t k = 0; k < corners.size(); ++k) Wall(corners[k], corners[(k + 1) % corners.size()]);
  }
  std::vector<const TTextobj*> Texts(int32 k = kind::Text34) {
    std::vector<const TTextobj*> out;
    for (int32 i = 6; i < DrawingList.Count(); ++i)
      if (auto* t = dynamic_cast<const TTextobj*>(DrawingList.At(i)); t && t->Kind == k)
        out.push_back(t);
    return out;
  }
  int32 Arrows() {
    int32 n = 0;
    for (int32 i = 6; i < DrawingList.Count(); ++i) n += DrawingList.At(i)->Kind == kind::Arrow;
    return n;
  }
  void Dimension() { tool.AutoDimension(dc, client, 0, 0, 0, 111); }

  ScratchProgramDir dir;
  plat::RecordingDC dc;
  const plat::Rect client{0, 0, 624, 346};
  TLineobjtool tool;
};

TEST_F(Dimensions, EveryWallOfARectangleIsDimensionedOutsideItOnce) {
  // MOFFSET: walls' dimensions 600 out, text height 10.
  Outline({{2000, 2000}, {2000, 5000}, {6000, 5000}, {6000, 2000}});
  Dimension();
  Dimension();  // a second run replaces the first
  const auto t = Texts();
  ASSERT_EQ(t.size(), 4u);
  EXPECT_EQ(Arrows(), 8);
  struct Expected {
    P at;
    int32 bearing, alignment;
    const char* text;
  } expected[] = {{{1400, 3500}, 0, 6, "3000"},
                  {{4000, 5600}, 900, 6, "4000"},
                  {{6600, 3500}, 1800, 6, "3000"},
                  {{4000, 1400}, 2700, 4, "4000"}};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(P(t[k]->X1, t[k]->Y1), expected[k].at) << k;
    EXPECT_EQ(t[k]->X2, expected[k].bearing) << k;
    EXPECT_EQ(t[k]->Alignment, expected[k].alignment) << k;
    EXPECT_STREQ(t[k]->Text, expected[k].text) << k;
    EXPECT_EQ(t[k]->Size, 10);
    EXPECT_EQ(t[k]->Escapement, 0);
  }
  // Each wall's dimension is a group of its own; the file holds them.
  EXPECT_NE(t[0]->Tag1, t[1]->Tag1);
  DrawingList.Clear();
  DrawingList.ReadDrawingFile(dtDrawing);
  EXPECT_EQ(Texts().size(), 4u);
}

TEST_F(Dimensions, VerticalTextsRunAlongTheirDimensionWhenTheSettingsSaySo) {
  dir.WriteFile("CFG\\MOFFSET.CFG", "300 600 1200 2700 10 12 14\n");
  Outline({{2000, 2000}, {2000, 5000}, {6000, 5000}, {6000, 2000}});
  Dimension();
  const auto t = Texts();
  ASSERT_EQ(t.size(), 4u);
  EXPECT_EQ(t[0]->Escapement, 2700);
  EXPECT_EQ(t[2]->Escapement, 2700);
  EXPECT_EQ(t[2]->Alignment, 4);
  EXPECT_EQ(t[1]->Escapement, 0);
}

TEST_F(Dimensions, AFloorOfMoreThanFourWallsGetsOverallDimensions) {
  // An L: overall 5000 wide and 4000 high, 1200 beyond the outline, on the
  // two sides made of more than one wall.
  Outline({{2000, 2000}, {2000, 6000}, {4000, 6000}, {4000, 4000}, {7000, 4000}, {7000, 2000}});
  Dimension();
  const auto t = Texts();
  ASSERT_EQ(t.size(), 6u + 2u);
  EXPECT_EQ(Arrows(), 16);
  // Top: from 2000 to 7000 at the right run's top (6000) + 1200.
  EXPECT_EQ(P(t[6]->X1, t[6]->Y1), (P{4500, 7200}));
  EXPECT_STREQ(t[6]->Text, "5000");
  EXPECT_EQ(t[6]->X2, 900);
  // Right: at the top run's right end (7000) + 1200.
  EXPECT_EQ(P(t[7]->X1, t[7]->Y1), (P{8200, 4000}));
  EXPECT_STREQ(t[7]->Text, "4000");
  EXPECT_EQ(t[7]->X2, 1800);
  // With a notch at the bottom left the other two sides are dimensioned too.
  InitDrawingList();
  Outline({{2000, 3000}, {2000, 6000}, {7000, 6000}, {7000, 2000}, {3000, 2000}, {3000, 3000}});
  Dimension();
  const auto u = Texts();
  ASSERT_EQ(u.size(), 6u + 2u);
  EXPECT_EQ(P(u[6]->X1, u[6]->Y1), (P{4500, 800}));
  EXPECT_STREQ(u[6]->Text, "5000");
  EXPECT_EQ(P(u[7]->X1, u[7]->Y1), (P{800, 4000}));
  EXPECT_STREQ(u[7]->Text, "4000");
  // A rectangle of four walls has none.
  InitDrawingList();
  Outline({{2000, 2000}, {2000, 5000}, {6000, 5000}, {6000, 2000}});
  Dimension();
  EXPECT_EQ(Texts().size(), 4u);
}

TEST_F(Dimensions, ASlopedWallIsDimensionedOffItsOutsideFace) {
  Outline({{2000, 2000}, {2000, 5000}, {4000, 7000}, {7000, 7000}, {7000, 2000}});
  tool.LinkId = 7;
  Dimension();
  const auto t = Texts();
  ASSERT_GE(t.size(), 2u);
  const TTextobj& slope = *t[1];
  EXPECT_EQ(slope.X2, 450);
  EXPECT_STREQ(slope.Text, "2828");
  // Outside: up and to the left of the wall's middle (3000, 6000).
  EXPECT_EQ(P(slope.X1, slope.Y1), (P{3000 - 424, 6000 + 424}));
  EXPECT_EQ(slope.Escapement, 450 + 2700);
  // The file holds every text and arrow, overall ones too, with the tool's
  // link id, but the sloped wall's arrows with none.
  const int32 slopeGroup = slope.Tag1;
  DrawingList.Clear();
  DrawingList.ReadDrawingFile(dtDrawing);
  int32 arrows = 0, unlinked = 0;
  for (int32 i = 6; i < DrawingList.Count(); ++i) {
    const TObj& e = *DrawingList.At(i);
    if (e.Kind == kind::Text34) {
      EXPECT_EQ(e.LinkId, 7);
    }
    if (e.Kind != kind::Arrow) continue;
    ++arrows;
    const bool sloped = e.Tag1 == slopeGroup;
    unlinked += sloped;
    EXPECT_EQ(e.LinkId, sloped ? 0 : 7);
  }
  EXPECT_EQ(arrows, 2 * 5 + 2 * 2);
  EXPECT_EQ(unlinked, 2);
}

TEST_F(Dimensions, ATwoPointDimensionMeasuresSnapsAndTakesAnIdOfItsView) {
  Wall({2000, 2000}, {2000, 5000});
  NextGroupNumber = 19999;  // 10000 + 20001 would mark it for deletion
  auto click = [&](int32 x, int32 y) {
    tool.AutoDimension(dc, client, x / PixelScale, 346 - y / PixelScale, 1, 122);
  };
  tool.Step = toolstep::DimensionFirst;
  click(2025, 3000);  // 25 from the wall's face: snaps onto it
  EXPECT_EQ(P(tool.X1, tool.Y1), (P{2000, 3000}));
  tool.Step = toolstep::DimensionSecond;
  click(4000, 5000);  // as far across as up: a horizontal dimension
  EXPECT_EQ(tool.Frame[0], 2000);
  EXPECT_EQ(tool.Angle, 900);
  EXPECT_EQ(tool.LinkId, 10000 + 20004);
  auto* d = dynamic_cast<const TDimensobj*>(DrawingList.At(DrawingList.Count() - 1));
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(P(d->X2, d->Y2), (P{2100, 3000}));
  EXPECT_EQ(P(d->SecondX2, d->SecondY2), (P{3900, 3000}));
  tool.Frame[0] = 2010;  // the typed measurement
  tool.Step = toolstep::DimensionText;
  click(0, 0);
  const auto t = Texts(kind::WallLengthText);
  ASSERT_EQ(t.size(), 1u);
  EXPECT_STREQ(t[0]->Text, "2010");
  EXPECT_EQ(P(t[0]->X1, t[0]->Y1), (P{3000, 3000}));
  // A point 30 from a face does not snap; a dimension on the site plan
  // takes the base after the floors'.
  CurrentView = view::Site;
  tool.Step = toolstep::DimensionFirst;
  click(2030, 3000);
  EXPECT_EQ(tool.X1, 2030);
  tool.Step = toolstep::DimensionSecond;
  click(2030, 4000);
  EXPECT_EQ(tool.LinkId, 16000 + NextGroupNumber);
  EXPECT_EQ(tool.Angle, 0);
}

}  // namespace
