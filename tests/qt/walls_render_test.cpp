// A finished plan of cavity walls built from a traced L-shaped outline,
// painted hatched through the Qt device context at 5 mm a pixel: both
// leaves hatched, the cavity empty, every layer line meeting its
// neighbour's at each corner, square and re-entrant, and nothing drawn
// beyond the outer corners. Kept as walls.png for a look when asked
// (tests/qt/picture_for_a_look.h).
#include <gtest/gtest.h>

#include <QImage>

#include "building/extwall_join.h"
#include "building/extwall_tool.h"
#include "model/flist.h"
#include "model/globals.h"
#include "platform/qt/qt_dc.h"
#include "tests/qt/picture_for_a_look.h"
#include "tests/qt/plan_picture.h"
#include "tests/test_support.h"

namespace {

using namespace picture;

class WallPicture : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUpMapping();
    dir.WriteFile("CFG\\EXTWALLM.CFG", "110 55 110 0 3000 6000 9000 -3000 0 0 0 0 0 0\n");
    // The L traced clockwise along the house's inner corners.
    BuildWalls({{1000, 700}, {1000, 2400}, {2000, 2400}, {2000, 1600}, {3400, 1600}, {3400, 700}});
    for (int32 i = 6; i < DrawingList.Count(); ++i)
      if (auto* w = dynamic_cast<TExtwallobj*>(DrawingList.At(i))) walls.push_back(DraftOf(*w));
  }

  QImage Paint(int32 mode) {
    WallDisplayMode = mode;
    QImage img(kWidth, kHeight, QImage::Format_RGB32);
    img.fill(qRgb(255, 255, 255));
    plat::QtDC dc(&img);
    DrawingList.DrawView(dc, kClient);
    return img;
  }

  ScratchProgramDir dir;
  std::vector<WallDraft> walls;
};

// A point across wall w at depth d from its face, halfway along it.
plat::Point Across(const WallDraft& w, double depth) {
  const plat::Point n = InwardNormal(w.angle);
  return {(w.start.x + w.end.x) / 2 + int(n.x * depth), (w.start.y + w.end.y) / 2 + int(n.y * depth)};
}

TEST_F(WallPicture, BothLeavesAreHatchedTheCavityIsEmptyAndTheCornersMeet) {
  ASSERT_EQ(walls.size(), 6u);
  const QImage img = Paint(10);
  EXPECT_TRUE(KeepPictureForALook(img, "walls.png"));

  for (std::size_t k = 0; k < walls.size(); ++k) {
    const WallDraft& w = walls[k];
    // Hatch lines cross the middle of the outer leaf (110 mm: 22 pixels)
    // and of the inner leaf, within a stretch of 300 mm along the wall.
    EXPECT_GT(DarkNear(img, Px(Across(w, 55)), 30), 8) << "outer leaf of wall " << k;
    EXPECT_GT(DarkNear(img, Px(Across(w, 110 + 55 + 55)), 30), 8) << "inner leaf of wall " << k;
    // The cavity between them holds no hatching.
    EXPECT_EQ(DarkNear(img, Px(Across(w, 110 + 27)), 2), 0) << "cavity of wall " << k;

    // At the corner with the next wall every layer line meets the next
    // wall's at one point, and the lines of both walls are drawn there.
    const WallDraft& next = walls[(k + 1) % walls.size()];
    EXPECT_EQ(w.end.x, next.start.x);
    EXPECT_EQ(w.end.y, next.start.y);
    for (int layer = 0; layer < 3; ++layer) {
      EXPECT_EQ(w.points.At(WallEnd::End, layer).x, next.points.At(WallEnd::Start, layer).x);
      EXPECT_EQ(w.points.At(WallEnd::End, layer).y, next.points.At(WallEnd::Start, layer).y);
      EXPECT_GT(DarkNear(img, Px(w.points.At(WallEnd::End, layer)), 1), 0)
          << "layer " << layer << " at corner " << k;
    }
    EXPECT_GT(DarkNear(img, Px(w.end), 1), 0) << "outer face at corner " << k;
  }
  // Nothing beyond the outer corners: the house's bounding corners are the
  // faces' own, 275 mm outside the traced outline.
  EXPECT_EQ(DarkNear(img, Px({1000 - 275 - 20, 700 - 275 - 20}), 2), 0);
  EXPECT_EQ(DarkNear(img, Px({3400 + 275 + 20, 1600 + 275 + 20}), 2), 0);
  // The re-entrant corner of the L: its faces meet 275 mm up and right of
  // the traced corner, and the band there is hatched.
  EXPECT_GT(DarkNear(img, Px({2000 + 275, 1600 + 275}), 1), 0);

  // Plain walls: the same lines without the hatching.
  const QImage plain = Paint(0);
  EXPECT_EQ(DarkNear(plain, Px(Across(walls[1], 55)), 4), 0);
}

}  // namespace
