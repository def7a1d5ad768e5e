// The line tool on its own: picking walls and lines for the edit steps, and
// the geometry of keyboard segments.
#include <gtest/gtest.h>

#include "model/flist.h"
#include "platform/keys.h"
#include "platform/recording_dc.h"
#include "tests/test_support.h"
#include "tools/linetool.h"

namespace {

class LineTool : public ::testing::Test {
 protected:
  void SetUp() override {
    DrawingList.SetDrawingName("LINETOOL");
    InitDrawingList();
    CurrentView = view::Ground;
  }
  void Units(bool metric) {
    MetricUnits = metric ? 1 : 0;
    PixelScale = metric ? 5 : 6;
  }
  plat::Point PixelOf(int32 x, int32 y) const {
    return {x / PixelScale, 346 - y / PixelScale};
  }
  void AddLine(int32 x1, int32 y1, int32 x2, int32 y2, int32 angle, int32 k = kind::Line) {
    DrawingList.Add(new TLineobj(k, CurrentView, 0, 0, x1, 0, x2, 0, y1, y2, 0, angle, 0, 1, 0));
  }
  // Picks with an edit step at a drawing point; the picked index or 30001.
  int32 PickAt(int32 x, int32 y) {
    TLineobjtool t;
    t.Type = tooltype::WallEdit;
    t.Step = toolstep::Shorten;
    const plat::Point p = PixelOf(x, y);
    t.MouseDown(dc, client, p.x, p.y);
    last = {t.X1, t.Y1};
    return t.X1 == kNothingPicked ? kNothingPicked : t.CursorX;
  }
  void Key(TLinetool& t, int key, int32 x, int32 y, int32 amount = 0) {
    plat::Point p = PixelOf(x, y);
    t.KeyDown(dc, client, key, p, amount);
  }
  const TObj& Last() { return *DrawingList.At(DrawingList.Count() - 1); }

  ScratchProgramDir dir;
  plat::RecordingDC dc;
  const plat::Rect client{0, 0, 624, 346};
  plat::Point last;
};

TEST_F(LineTool, AnEditClickPicksALineWithinTheToleranceOnly) {
  Units(true);
  AddLine(1000, 1000, 3000, 1000, 900);
  EXPECT_EQ(PickAt(2000, 1095), 6);
  EXPECT_EQ(PickAt(2000, 1100), kNothingPicked);
  EXPECT_EQ(PickAt(3095, 1000), 6);
  EXPECT_EQ(PickAt(3105, 1000), kNothingPicked);
}

TEST_F(LineTool, ImperialPicksAllowFourInches) {
  Units(false);
  AddLine(996, 996, 2994, 996, 2700);
  EXPECT_EQ(PickAt(1500, 996 + 90), 6);
  EXPECT_EQ(PickAt(1500, 996 + 96), kNothingPicked);
}

TEST_F(LineTool, ASlopedLineIsPickedOnlyNearTheLineItself) {
  Units(true);
  AddLine(1000, 500, 2000, 1500, 450);
  // Inside the line's bounding box but far from the line.
  EXPECT_EQ(PickAt(1900, 600), kNothingPicked);
  EXPECT_EQ(PickAt(1500, 1000), 6);
  EXPECT_EQ(last, (plat::Point{1000, 500}));  // nearer the first end
  EXPECT_EQ(PickAt(1600, 1100), 6);
  EXPECT_EQ(last, (plat::Point{2000, 1500}));
}

TEST_F(LineTool, AWallIsPickedOnEitherFace) {
  Units(true);
  auto* wall = new TExtwallobj();
  wall->Floor = CurrentView;
  wall->X1 = 1000, wall->Y1 = 500, wall->X2 = 3000, wall->Y2 = 500;
  wall->Angle = 900;
  wall->Line2X1 = 1000, wall->Line2Y1 = 800, wall->Line2X2 = 3000, wall->Line2Y2 = 800;
  DrawingList.Add(wall);
  EXPECT_EQ(PickAt(2000, 850), 6);
  EXPECT_EQ(PickAt(2000, 900), kNothingPicked);
  EXPECT_EQ(PickAt(2000, 450), 6);
  // Elements of other floors are not picked.
  wall->Floor = view::First;
  EXPECT_EQ(PickAt(2000, 500), kNothingPicked);
}

TEST_F(LineTool, SecondEnterSegmentsAreStraightenedMeasuredAndTurned) {
  Units(true);
  TLineobjtool t;
  t.Type = tooltype::Outline;
  Key(t, plat::VK_RETURN, 1000, 1000);
  Key(t, plat::VK_RETURN, 1045, 1500);  // 45 off vertical: straightened
  EXPECT_EQ(std::tie(Last().X1, Last().Y1, Last().X2, Last().Y2),
            std::make_tuple(1000, 1000, 1000, 1500));
  EXPECT_EQ(dynamic_cast<const TLineobj&>(Last()).Angle, 0);
  EXPECT_EQ(Last().Tag1, 500);
  EXPECT_EQ(Last().Kind, kind::WallLine);

  Key(t, plat::VK_RETURN, 1500, 2000);  // as far right as up
  EXPECT_EQ(dynamic_cast<const TLineobj&>(Last()).Angle, 450);
  EXPECT_EQ(Last().Tag1, 707);

  Key(t, plat::VK_RETURN, 1545, 1500, 1);  // amount 1: kept as typed
  EXPECT_EQ(std::tie(Last().X2, Last().Y2), std::make_tuple(1545, 1500));
  EXPECT_EQ(dynamic_cast<const TLineobj&>(Last()).Angle, 1749);
}

TEST_F(LineTool, AnArrowStepStartsOnTheLastElementsEndWhenOneUnitBeside) {
  Units(true);
  AddLine(1000, 1000, 2000, 1000, 900);
  TLineobjtool t;
  LineKeyState = linekey::EndsSegment;
  t.X1 = 2001;
  t.Y1 = 999;
  Key(t, plat::VK_UP, 0, 0, 700);
  EXPECT_EQ(std::tie(Last().X1, Last().Y1), std::make_tuple(2000, 1000));
  EXPECT_EQ(Last().Y2, 1000 + 700);
}

TEST_F(LineTool, AStartNearAWallsSecondEndMovesOntoIt) {
  Units(true);
  AddLine(1000, 1000, 2000, 1000, 900);
  TLineobjtool t;
  t.X1 = 2010;
  t.Y1 = 990;
  EXPECT_EQ(t.MatchWallEnd(), 1);
  EXPECT_EQ(std::tie(t.X1, t.Y1), std::make_tuple(2000, 1000));
  t.X1 = 1010;
  t.Y1 = 1000;
  EXPECT_EQ(t.MatchWallEnd(), 0);
  t.X1 = 5000;
  EXPECT_EQ(t.MatchWallEnd(), 2);
}

TEST_F(LineTool, OnlyTheFirstLineUnderAStartDecidesItsEnd) {
  Units(true);
  // A start in the middle of a wall, where a later line also ends nearby:
  // the wall is met first, so the start is on no end and stays put.
  AddLine(1000, 1000, 3000, 1000, 900);
  AddLine(2000, 200, 2000, 1000, 0);
  TLineobjtool t;
  t.X1 = 2010;
  t.Y1 = 1005;
  t.X2 = 2010;
  t.Y2 = 1505;
  EXPECT_EQ(t.MatchWallEnd(), 2);
  EXPECT_EQ(std::tie(t.X1, t.Y1), std::make_tuple(2010, 1005));
}

TEST_F(LineTool, ARubberBandIsDrawnAndErasedInExclusiveOr) {
  Units(true);
  TLineobjtool t;
  const plat::Point a = PixelOf(1000, 1000), b = PixelOf(2000, 1500);
  t.MouseDown(dc, client, a.x, a.y);
  t.MouseMove(dc, client, b.x, b.y);
  t.MouseMove(dc, client, a.x, a.y);  // back onto the start: the band stays
  auto xorLines = [&] {
    int n = 0;
    for (const auto& r : dc.Lines()) n += r.rop == plat::R2_XORPEN && r.from != r.to;
    return n;
  };
  EXPECT_EQ(xorLines(), 1);
  t.MouseUp(dc, client, b.x, b.y);
  EXPECT_EQ(xorLines(), 2);
  EXPECT_EQ(Last().Kind, kind::Line);
}

}  // namespace
