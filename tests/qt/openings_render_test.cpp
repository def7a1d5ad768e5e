// A wall with a window and a door cut into it, painted through the Qt
// device context at 5 mm a pixel: the wall's hatching stops at the
// openings, the window keeps its glass line and cill, and the door's leaf
// and dotted swing stand where the door opens. Kept as openings.png for a
// look when asked (tests/qt/picture_for_a_look.h).
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <memory>

#include "building/extwall_tool.h"
#include "building/opening_tool.h"
#include "model/flist.h"
#include "model/globals.h"
#include "platform/qt/qt_dc.h"
#include "platform/recording_dc.h"
#include "storage/settings_files.h"
#include "tests/qt/picture_for_a_look.h"
#include "tests/qt/plan_picture.h"
#include "tests/test_support.h"

namespace {

using namespace picture;

class OpeningPicture : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUpMapping();
    DrawingList.WriteDrawingFile(dtDrawing);
    dir.WriteFile("CFG\\EXTWALLM.CFG", "230 0 0 0 3000 6000 9000 -3000 0 0 0 0 0 0\n");
    dir.WriteFile(cfgfile::DoorSwing, "90 1 1.000000 0.000000\n");
    // A room 3 m by 1.6 m traced clockwise; walls 230 thick outside it.
    BuildWalls({{700, 700}, {700, 2300}, {3700, 2300}, {3700, 700}});
  }

  // Cuts an opening with the cursor at p (drawing units on the pixel grid).
  void Cut(int32 setUp, plat::Point p, int32 step = 0) {
    TWindowobjtool t;
    t.Type = tooltype::Opening;
    t.Step = step;
    t.Execute(0, setUp, 0);
    ASSERT_TRUE(t.Ready);
    plat::RecordingDC dc;
    plat::Point px{p.x / PixelScale, kHeight - p.y / PixelScale};
    t.KeyDown(dc, kClient, 13, px, 0);
    ASSERT_EQ(t.Result, 0);
  }

  QImage Paint() {
    DrawingList.Clear();
    DrawingList.ReadDrawingFile(dtDrawing);
    WallDisplayMode = 10;  // hatched walls
    QImage img(kWidth, kHeight, QImage::Format_RGB32);
    img.fill(qRgb(255, 255, 255));
    plat::QtDC dc(&img);
    DrawingList.DrawView(dc, kClient);
    return img;
  }

  ScratchProgramDir dir;
};

TEST_F(OpeningPicture, TheWallIsOpenWhereTheWindowAndDoorAreAndTheDoorSwingsIntoTheRoom) {
  // A 1000 wide window in the bottom wall (face at y 470, inner face at 700),
  // a 800 door in the top wall (face at 2530), hinged left, opening down.
  dir.WriteFile(cfgfile::Window, "1 1000 1200 0 0 10 1 0 0 0 0 0 0 0 0 0 0 0");
  Cut(1, {2200, 500});
  dir.WriteFile(cfgfile::Door, "11 0 800 1 800 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0");
  Cut(2, {1500, 2500}, 6);
  const QImage img = Paint();
  EXPECT_TRUE(KeepPictureForALook(img, "openings.png"));

  // Beside the window the bottom wall is hatched; inside its frame only the
  // glass line along the middle remains.
  auto darkAlong = [&](int y, int x0, int x1) {
    int n = 0;
    for (int x = x0; x <= x1; x += kMmPerPixel) n += Dark(img, Px({x, y}));
    return n;
  };
  EXPECT_GT(darkAlong(530, 500, 1650) + darkAlong(650, 500, 1650), 0)
      << "hatching beside the window";
  EXPECT_EQ(darkAlong(530, 1730, 2670), 0) << "the window blanks the wall";
  EXPECT_EQ(darkAlong(650, 1730, 2670), 0);
  EXPECT_GT(DarkNear(img, Px({2200, 585}), 1), 0) << "the glass line";
  EXPECT_GT(DarkNear(img, Px({2200, 420}), 1), 0) << "the cill's edge 50 beyond the face";

  // The door: the wall open between x 1500 and 2300, the leaf standing down
  // into the room from the hinge at (1500, 2300), and the swing between the
  // leaf's end and the far jamb.
  EXPECT_EQ(DarkNear(img, Px({1900, 2415}), 3), 0) << "the door blanks the wall";
  EXPECT_GT(DarkNear(img, Px({1500, 2000}), 1), 0) << "the leaf";
  EXPECT_EQ(DarkNear(img, Px({1900, 2000}), 3), 0) << "nothing inside the swing";
  int onArc = 0;
  for (int deg = 10; deg <= 80; deg += 10) {
    const double r = deg * M_PI / 180;
    const plat::Point p{1500 + int(800 * std::cos(r)), 2300 - int(800 * std::sin(r))};
    onArc += DarkNear(img, Px(p), 2) > 0;
  }
  EXPECT_GE(onArc, 5) << "the dotted swing runs from the leaf to the jamb";
  // The swing is the quarter inside the room, not the one outside.
  int outside = 0;
  for (int deg = 100; deg <= 170; deg += 10) {
    const double r = deg * M_PI / 180;
    outside += DarkNear(img, Px({1500 + int(800 * std::cos(r)), 2300 - int(800 * std::sin(r))}), 1);
  }
  EXPECT_EQ(outside, 0);
}

}  // namespace
