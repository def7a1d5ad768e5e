// A small floor plan with an element of every drawn kind, painted through
// TFlist::DrawView into a bitmap with the Qt device context, and checked for
// what a person would see: walls where the plan puts them, y growing upward,
// hatching inside the walls, texts upright and reading the right way.
//
// The picture is also kept as drawing.png for a look by eye when asked
// (tests/qt/picture_for_a_look.h).
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>

#include "model/elements.h"
#include "model/flist.h"
#include "model/globals.h"
#include "platform/qt/qt_dc.h"
#include "tests/qt/picture_for_a_look.h"
#include "tests/test_support.h"
#include "tools/lineobj_geometry.h"

namespace {

// 640 x 480 pixels showing 16 m x 12 m: 25 mm per pixel (PixelScale 5, zoom 5).
constexpr int kWidth = 640;
constexpr int kHeight = 480;
const plat::Rect kClient{0, 0, kWidth, kHeight};
const QRgb kWhite = qRgb(255, 255, 255);
constexpr plat::COLORREF kInk = plat::RGB(0, 0, 0);

// Millimetres to the pixel they land on.
int PxX(int mm) { return mm / 25; }
int PxY(int mm) { return kHeight - mm / 25; }

bool IsDark(QRgb c) { return qGray(c) < 100; }

// Dark pixels in a box of the picture.
int DarkIn(const QImage& img, QRect box) {
  int n = 0;
  for (int y = box.top(); y <= box.bottom(); ++y)
    for (int x = box.left(); x <= box.right(); ++x)
      if (img.rect().contains(x, y) && IsDark(img.pixel(x, y))) ++n;
  return n;
}

QRect InkBox(const QImage& img, QRect within) {
  QRect box;
  for (int y = within.top(); y <= within.bottom(); ++y)
    for (int x = within.left(); x <= within.right(); ++x)
      if (IsDark(img.pixel(x, y))) box |= QRect(x, y, 1, 1);
  return box;
}

// ---- The plan -----------------------------------------------------------------------------

TExtwallobj* ExtWall(int x1, int y1, int x2, int y2, int ix1, int iy1, int ix2, int iy2,
                     int angle) {
  const int32 codes[4] = {};
  return new TExtwallobj(kind::ExtWall, view::Ground, 1, 0, 1, x1, 0, y1, x2, 0, y2, ix1, iy1, ix2,
                         iy2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 250, 0, 0, 3, 3, 0, 0, angle, 0, 0,
                         0, kInk, codes);
}

TInwallobj* InWall(int x1, int y1, int x2, int y2, int dx, int dy, int angle) {
  const int32 codes[4] = {};
  return new TInwallobj(kind::InWall, view::Ground, 2, 0, 1, x1, 0, y1, x2, 0, y2, x1 + dx, 0,
                        y1 + dy, x2 + dx, y2 + dy, 0, 0, 0, 100, 3, 0, 0, 0, -1, -1, angle, 0, 0,
                        kInk, codes);
}

TTextobj* Text(const char* s, int x, int y, int escapement, int alignment, int size) {
  return new TTextobj(kind::Text, view::Ground, 0, 0, x, y, 0, 0, 0, kInk, 0, escapement, alignment,
                      0, size, 400, "Arial", s);
}

TPolyobj* Poly(int32 k, std::initializer_list<std::pair<int, int>> pts, plat::COLORREF fill,
               const int32* hidden = nullptr) {
  int32 xs[19] = {}, ys[19] = {}, zs[19] = {};
  int32 n = 0;
  for (auto [x, y] : pts) xs[n] = x, ys[n] = y, ++n;
  const int32 none[4] = {};
  return new TPolyobj(k, view::Ground, 0, 0, 0, 0, 0, 0, n, 0, 0, 0, fill, 0, kInk, 0, 0, 0, xs, zs,
                      ys, hidden ? hidden : none);
}

// A house 12 m x 9 m with its bottom left outer corner at (1 m, 1 m).
void BuildPlan(TFlist& list) {
  const plat::COLORREF wood = plat::RGB(190, 140, 80), tile = plat::RGB(120, 170, 220);
  // Shapes first, as the plan window reads them: furniture and fixtures.
  list.Add(new TEllipseobj(kind::Ellipse, view::Ground, 0, 0, 2500, 0, 4500, 0, 4500, 3500, wood,
                           kInk, 1, 0));
  list.Add(new TCircleobj(kind::Circle, view::Ground, 0, 0, 9500, 0, 10500, 0, 4500, 3500,
                          plat::RGB(250, 220, 0), kInk, 1, 0));
  list.Add(new TRndrectobj(kind::RoundRect, view::Ground, 0, 0, 9000, 0, 12000, 0, 9400, 7800, 300,
                           tile, kInk, 1, 0));
  list.Add(Poly(6000, {{7500, 8000}, {8500, 8000}, {8500, 9500}, {7500, 9500}}, tile));
  const int32 hidden[4] = {2, 0, 0, 0};
  list.Add(Poly(6600, {{10000, 1500}, {12500, 1500}, {12500, 2500}, {10000, 2500}}, wood, hidden));
  list.Add(Poly(kind::DottedOutline, {{2000, 7000}, {5500, 7000}, {5500, 9000}, {2000, 9000}}, 0));

  // Structure: external walls traced round the outside, internal walls.
  list.Add(ExtWall(1000, 1000, 13000, 1000, 1250, 1250, 12750, 1250, 900));
  list.Add(ExtWall(13000, 1000, 13000, 10000, 12750, 1250, 12750, 9750, 0));
  list.Add(ExtWall(13000, 10000, 1000, 10000, 12750, 9750, 1250, 9750, 2700));
  list.Add(ExtWall(1000, 10000, 1000, 1000, 1250, 9750, 1250, 1250, 1800));
  list.Add(InWall(7000, 1250, 7000, 9750, 100, 0, 0));
  list.Add(InWall(1250, 6000, 7000, 6000, 0, -100, 900));
  list.Add(InWall(7100, 6500, 9500, 8900, 71, -71, 450));

  // A window in the bottom wall: its frame covers the hatching, glass line across.
  list.Add(Poly(kind::OpeningFrame, {{3000, 1000}, {4500, 1000}, {4500, 1250}, {3000, 1250}}, 0));
  list.Add(new TLineobj(kind::WallLine, view::Ground, 0, 0, 3000, 0, 4500, 0, 1125, 1125, 0, 900,
                        kInk, 1, 0));
  // A door in the internal wall: the leaf and its swing.
  list.Add(new TLineobj(kind::WallLine, view::Ground, 0, 0, 7100, 0, 8000, 0, 3000, 3000, 0, 900,
                        kInk, 1, 0));
  list.Add(new TArcobj(kind::Arc, view::Ground, 0, 0, 6200, 0, 3900, 8000, 0, 2100, 8000, 3000,
                       7100, 3900, kInk, 1, 0));

  // Dimension under the house with its text, an arrow to the entry.
  list.Add(new TDimensobj(kind::Dimension, view::Ground, 0, 0, 1000, 400, 6500, 400, 13000, 400,
                          7500, 400, 900, 1, kInk));
  list.Add(new TTextobj(kind::Text34, view::Ground, 0, 0, 7000, 300, 900, 0, 0, kInk, 0, 0, 6, 0,
                        10, 400, "Arial", "12000"));
  list.Add(new TArrowobj(kind::Arrow, view::Ground, 0, 0, 13100, 5000, 14800, 5000, 13400, 5150,
                         13400, 4850, 14800, 4800, 14800, 5200, kInk));

  // Room names: one across, one up the narrow hall.
  list.Add(Text("LIVING", 4000, 4300, 0, 6, 16));
  list.Add(Text("HALL", 8300, 5000, 2700, 6, 12));
}

class PlanPicture : public ::testing::Test {
 protected:
  void SetUp() override {
    PixelScale = 5;
    ZoomFactor = 5.0f;
    ZoomUnits = 5;
    TextScale = 0;
    WindowOrgX = 0;
    WindowOrgY = 0;
    WindowExtX = kWidth * 5;
    WindowExtY = kHeight * 5;
    CurrentView = view::Ground;
    WallDisplayMode = 10;
    BackgroundColour = plat::RGB(255, 255, 255);
    DrawingList.Clear();
    DrawingList.SetTextFontName("Arial");
    BuildPlan(DrawingList);
  }
  void TearDown() override { DrawingList.Clear(); }

  QImage Paint() {
    QImage img(kWidth, kHeight, QImage::Format_RGB32);
    img.fill(kWhite);
    plat::QtDC dc(&img);
    DrawingList.DrawView(dc, kClient);
    return img;
  }

  ScratchProgramDir dir_;
};

TEST_F(PlanPicture, ShowsTheWallsWhereThePlanPutsThemWithYUp) {
  const QImage img = Paint();
  EXPECT_TRUE(KeepPictureForALook(img, "drawing.png"));

  // The bottom wall's outer face 1 m above the bottom edge of the view, the
  // top wall's 10 m up, near the top of the picture.
  const int x = PxX(6000);
  EXPECT_GT(DarkIn(img, QRect(x - 5, PxY(1000) - 1, 10, 3)), 5) << "bottom wall face";
  EXPECT_GT(DarkIn(img, QRect(x - 5, PxY(10000) - 1, 10, 3)), 5) << "top wall face";
  EXPECT_LT(PxY(10000), 100);
  EXPECT_GT(DarkIn(img, QRect(PxX(13000) - 1, PxY(6000) - 5, 3, 10)), 5) << "right wall";
  EXPECT_GT(DarkIn(img, QRect(PxX(7000) - 1, PxY(8000) - 5, 6, 10)), 5) << "internal wall";
  // Outside the house (between the wall and the dimension) stays white.
  EXPECT_EQ(DarkIn(img, QRect(x - 5, PxY(800), 10, 3)), 0);
  EXPECT_EQ(DarkIn(img, QRect(PxX(14000), PxY(9000), 20, 20)), 0);
}

TEST_F(PlanPicture, HatchesTheBandBetweenTheFaces) {
  const QImage img = Paint();
  // Inside the bottom wall band (1000..1250 mm), away from the window.
  const QRect band(PxX(6000), PxY(1250) + 2, 100, PxY(1000) - PxY(1250) - 3);
  EXPECT_GT(DarkIn(img, band), 10);

  WallDisplayMode = 0;  // face lines only: the band stays empty
  const QImage plain = Paint();
  EXPECT_EQ(DarkIn(plain, band), 0);

  WallDisplayMode = 20;  // solid: the band is black
  const QImage solid = Paint();
  EXPECT_EQ(DarkIn(solid, band), band.width() * band.height());
}

// Where a text's ink lies against the line it was written along: on the side
// of its reference point, clear of the line, stretched along it and centred
// on its middle. Turned texts follow the plan's y-up mapping: 2700 reads
// upward, 3150 rises to the right, 450 falls to the right.
TEST_F(PlanPicture, TurnedTextsReadAlongTheirLinesOnTheChosenSide) {
  DrawingList.Clear();
  // A big "L": upright, its foot is at the bottom and reaches right.
  DrawingList.Add(Text("L", 4000, 4000, 0, 2, 40));
  // A vertical "L" reading upward: its foot is on the right and reaches up.
  DrawingList.Add(Text("L", 10000, 4000, 2700, 2, 40));
  const QImage img = Paint();

  const QRect left = InkBox(img, QRect(0, 0, kWidth / 2, kHeight));
  ASSERT_TRUE(left.isValid());
  EXPECT_GT(left.height(), left.width()) << "an L is taller than wide";
  EXPECT_LE(left.bottom(), PxY(4000)) << "text stands on its baseline, above the anchor";
  const int top = DarkIn(img, QRect(left.left(), left.top(), left.width(), 3));
  const int foot = DarkIn(img, QRect(left.left(), left.bottom() - 2, left.width(), 3));
  EXPECT_GT(foot, 2 * top) << "the foot of the L is at the bottom";
  const int leftStroke = DarkIn(img, QRect(left.left(), left.top(), 3, left.height()));
  const int rightEdge = DarkIn(img, QRect(left.right() - 2, left.top(), 3, left.height()));
  EXPECT_GT(leftStroke, 2 * rightEdge) << "the stem of the L is on the left";

  const QRect turned = InkBox(img, QRect(kWidth / 2, 0, kWidth / 2, kHeight));
  ASSERT_TRUE(turned.isValid());
  EXPECT_GT(turned.width(), turned.height()) << "turned a quarter, the L lies on its side";
  EXPECT_LE(turned.right(), PxX(10000) + 1) << "turned about its anchor, its baseline on the right";
  const int rightStroke = DarkIn(img, QRect(turned.right() - 2, turned.top(), 3, turned.height()));
  const int leftEdge = DarkIn(img, QRect(turned.left(), turned.top(), 3, turned.height()));
  EXPECT_GT(rightStroke, 2 * leftEdge) << "reading upward, the foot lies on the right";
  const int bottomStem = DarkIn(img, QRect(turned.left(), turned.bottom() - 2, turned.width(), 3));
  const int topEdge = DarkIn(img, QRect(turned.left(), turned.top(), turned.width(), 3));
  EXPECT_GT(bottomStem, 2 * topEdge) << "the stem runs along the bottom";

  struct LineCase {
    const char* name;
    int x1, y1, x2, y2;
    int escapement;  // what the placement gives
  };
  const LineCase lines[] = {
      {"level", 4000, 6000, 10000, 6000, 0},
      {"drawn up", 8000, 3000, 8000, 9000, 2700},
      {"drawn down", 8000, 9000, 8000, 3000, 2700},
      {"rising at 45 degrees", 5000, 3000, 11000, 9000, 3150},
      {"falling at 45 degrees", 5000, 9000, 11000, 3000, 450},
  };
  for (const LineCase& c : lines) {
    for (const bool second : {false, true}) {
      SCOPED_TRACE(testing::Message() << c.name << (second ? ", second side" : ", first side"));
      const LineTextPlace p = PlaceLineText(c.x1, c.y1, c.x2, c.y2, second, 75);
      ASSERT_EQ(p.escapement, c.escapement);
      DrawingList.Clear();
      DrawingList.Add(new TLineobj(kind::Line, view::Ground, 0, 0, c.x1, 0, c.x2, 0, c.y1, c.y2,
                                   0, p.bearing, kInk, 1, 0));
      DrawingList.Add(new TTextobj(kind::WallLengthText, view::Ground, 0, 0, p.x, p.y, p.bearing, 0,
                                   0, kInk, 0, p.escapement, p.alignCode, 5, 12, 400, "Arial",
                                   "FENCE"));
      const QImage picture = Paint();

      // Pixels measured from the line's middle: along it and off it, the
      // side of the reference point counting positive.
      const double ax = PxX(c.x1), ay = PxY(c.y1), bx = PxX(c.x2), by = PxY(c.y2);
      const double length = std::hypot(bx - ax, by - ay);
      const double ux = (bx - ax) / length, uy = (by - ay) / length;
      const double mx = (ax + bx) / 2, my = (ay + by) / 2;
      const double side = (PxX(p.x) - mx) * -uy + (PxY(p.y) - my) * ux > 0 ? 1.0 : -1.0;
      int beside = 0, across = 0;
      double alongMin = 1e9, alongMax = -1e9, offMax = 0, alongSum = 0;
      for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
          if (!IsDark(picture.pixel(x, y))) continue;
          const double along = (x - mx) * ux + (y - my) * uy;
          const double off = side * ((x - mx) * -uy + (y - my) * ux);
          if (std::abs(off) <= 1.0) continue;  // the line itself
          if (off < 0) {
            ++across;
            continue;
          }
          ++beside;
          alongMin = std::min(alongMin, along), alongMax = std::max(alongMax, along);
          offMax = std::max(offMax, off);
          alongSum += along;
        }
      }
      EXPECT_EQ(across, 0) << "no ink across the line";
      EXPECT_GT(beside, 40) << "the text stands beside its line";
      if (beside == 0) continue;
      EXPECT_GT(alongMax - alongMin, 2 * offMax) << "the text runs along its line";
      EXPECT_LT(std::abs(alongSum / beside), 6.0) << "the text is centred on the line's middle";
    }
  }
}

TEST_F(PlanPicture, OverlaidFloorsShowFaintlyUnderTheWorkingFloor) {
  dir_.WriteFile("CFG\\OVERLAY.CFG", "0 1 1 0 0 0 0\n");
  OverlayColour = plat::RGB(255, 0, 0);
  WallDisplayMode = 2;
  // The first floor: one wall line 3 m up, drawn as the working floor.
  DrawingList.Add(new TLineobj(kind::Line, view::First, 0, 0, 1000, 0, 13000, 0, 3000, 3000, 0, 900,
                               kInk, 1, 0));
  const QImage img = Paint();
  EXPECT_EQ(CurrentView, view::First);
  // The ground floor's bottom wall is red and dashed, the first floor's line black.
  int red = 0, dark = 0;
  for (int x = PxX(2000); x < PxX(12000); ++x) {
    red += img.pixel(x, PxY(1000)) == qRgb(255, 0, 0);
    dark += IsDark(img.pixel(x, PxY(3000)));
  }
  EXPECT_GT(red, 100);
  EXPECT_LT(red, PxX(12000) - PxX(2000)) << "dashed, with gaps";
  EXPECT_EQ(dark, PxX(12000) - PxX(2000));
}

}  // namespace
