// One element of every shape and text kind the drawing tools make, placed
// by the tools' own geometry and painted with the Qt device context: ink and
// fill where the shape is, and nothing where it is not.
#include <gtest/gtest.h>

#include <QImage>

#include "model/elements.h"
#include "model/flist.h"
#include "model/globals.h"
#include "platform/qt/qt_dc.h"
#include "tests/qt/picture_for_a_look.h"
#include "tests/test_support.h"
#include "tools/lineobj_geometry.h"
#include "tools/shapetools.h"

namespace {

// 640 x 480 pixels showing 16 m x 12 m: 25 mm a pixel.
constexpr int kWidth = 640;
constexpr int kHeight = 480;
const plat::Rect kClient{0, 0, kWidth, kHeight};
constexpr plat::COLORREF kInk = plat::RGB(0, 0, 0);
const plat::COLORREF kRed = plat::RGB(220, 0, 0);
const plat::COLORREF kGreen = plat::RGB(0, 170, 0);
const plat::COLORREF kBlue = plat::RGB(0, 0, 220);

int PxX(int mm) { return mm / 25; }
int PxY(int mm) { return kHeight - mm / 25; }

bool IsDark(QRgb c) { return qGray(c) < 100 && qRed(c) < 100 && qGreen(c) < 100 && qBlue(c) < 100; }

int DarkIn(const QImage& img, int mmX, int mmY, int halfPixels) {
  int n = 0;
  for (int y = PxY(mmY) - halfPixels; y <= PxY(mmY) + halfPixels; ++y)
    for (int x = PxX(mmX) - halfPixels; x <= PxX(mmX) + halfPixels; ++x)
      if (img.rect().contains(x, y) && IsDark(img.pixel(x, y))) ++n;
  return n;
}

QRgb At(const QImage& img, int mmX, int mmY) { return img.pixel(PxX(mmX), PxY(mmY)); }

TTextobj* Text(int32 k, const char* s, int32 x, int32 y, int32 escapement, int32 alignment,
               int32 size) {
  return new TTextobj(k, view::Ground, 0, 0, x, y, 0, 0, 0, kInk, 0, escapement, alignment, 5,
                      size, 400, "Arial", s);
}

class ShapesPicture : public ::testing::Test {
 protected:
  void SetUp() override {
    PixelScale = 5;
    ZoomFactor = 5.0f;
    ZoomUnits = 5;
    TextScale = 0;
    WindowOrgX = WindowOrgY = 0;
    WindowExtX = kWidth * 5;
    WindowExtY = kHeight * 5;
    CurrentView = view::Ground;
    BackgroundColour = plat::RGB(255, 255, 255);
    DrawingList.Clear();
    DrawingList.SetTextFontName("Arial");
  }
  void TearDown() override { DrawingList.Clear(); }

  QImage Paint() {
    QImage img(kWidth, kHeight, QImage::Format_RGB32);
    img.fill(qRgb(255, 255, 255));
    plat::QtDC dc(&img);
    DrawingList.DrawView(dc, kClient);
    return img;
  }

  ScratchProgramDir dir_;
};

TEST_F(ShapesPicture, EveryShapeAndTextKindShowsWhereItIsAndNowhereElse) {
  // An arc over a level chord, bulging up.
  ArcShape arc;
  ASSERT_TRUE(ArcFromChord({1000, 2000}, {3000, 2000}, 600, 50, arc));
  DrawingList.Add(new TArcobj(kind::Arc, view::Ground, 0, 0, arc.box.x1, 0, arc.box.y1, arc.box.x2,
                              0, arc.box.y2, arc.start.x, arc.start.y, arc.end.x, arc.end.y, kInk,
                              1, 0));
  DrawingList.Add(new TEllipseobj(kind::Ellipse, view::Ground, 0, 0, 4000, 0, 6000, 0, 1000, 2000,
                                  kRed, kInk, 1, 0));
  const ShapeBox c = CircleBox({8000, 1500}, 7500);  // dragged to the left: a signed radius
  DrawingList.Add(new TCircleobj(kind::Circle, view::Ground, 0, 0, c.x1, 0, c.x2, 0, c.y1, c.y2,
                                 kGreen, kInk, 1, 0));
  DrawingList.Add(new TRndrectobj(kind::RoundRect, view::Ground, 0, 0, 9500, 0, 11500, 0, 1000,
                                  2500, 400, kBlue, kInk, 1, 0));
  DrawingList.Add(Text(kind::Text, "HALL", 2000, 5000, 0, 1, 16));
  DrawingList.Add(Text(kind::Text24, "NOTE", 6000, 5000, 0, 2, 16));
  // A line and its text on the first side, below it.
  DrawingList.Add(new TLineobj(kind::Line, view::Ground, 0, 0, 1000, 0, 5000, 0, 8000, 8000, 0,
                               900, kInk, 1, 0));
  const LineTextPlace p = PlaceLineText(1000, 8000, 5000, 8000, false, 75);
  DrawingList.Add(Text(kind::WallLengthText, "FENCE", p.x, p.y, p.escapement, p.alignCode, 12));
  const QImage img = Paint();
  EXPECT_TRUE(KeepPictureForALook(img, "shapes.png"));

  // The arc: its top, not its bottom, and its ends on the chord.
  EXPECT_GT(DarkIn(img, 2000, 2600, 1), 0) << "arc top";
  EXPECT_EQ(DarkIn(img, 2000, 1400, 2), 0) << "no arc below the chord";
  EXPECT_EQ(DarkIn(img, 2000, 2000, 2), 0) << "the chord itself is not drawn";

  // Filled shapes: fill inside, outline on the edge, nothing outside.
  EXPECT_EQ(At(img, 5000, 1500), qRgb(220, 0, 0)) << "ellipse fill";
  EXPECT_GT(DarkIn(img, 5000, 2000, 1), 0) << "ellipse outline";
  EXPECT_EQ(DarkIn(img, 6500, 1500, 3), 0) << "beside the ellipse";
  EXPECT_EQ(At(img, 8000, 1500), qRgb(0, 170, 0)) << "circle fill";
  EXPECT_EQ(At(img, 7580, 1080), qRgb(255, 255, 255)) << "a circle leaves its box's corners";
  EXPECT_EQ(At(img, 10500, 1750), qRgb(0, 0, 220)) << "rounded rectangle fill";
  EXPECT_GT(DarkIn(img, 10500, 1000, 1), 0) << "rounded rectangle edge";
  EXPECT_EQ(At(img, 9525, 2475), qRgb(255, 255, 255)) << "its corner is rounded away";

  // Texts: ink round the anchor, none far away.
  EXPECT_GT(DarkIn(img, 2000, 5100, 6), 5) << "centred text";
  EXPECT_GT(DarkIn(img, 6400, 5100, 6), 5) << "typed text runs right from its start";
  EXPECT_EQ(DarkIn(img, 5200, 5100, 4), 0) << "left of the typed text's start";
  EXPECT_GT(DarkIn(img, 3000, 7800, 5), 5) << "line text under the line";
  EXPECT_EQ(DarkIn(img, 3000, 8300, 4), 0) << "nothing above the line";
}

TEST_F(ShapesPicture, ATextStoredWithoutAFaceShowsInTheDefaultSansFace) {
  DrawingList.Add(new TTextobj(kind::Text, view::Ground, 0, 0, 4000, 6000, 0, 0, 0, kInk, 0, 0, 2,
                               0, 20, 400, "", "LOUNGE"));
  const QImage faceless = Paint();
  DrawingList.Clear();
  DrawingList.Add(Text(kind::Text, "LOUNGE", 4000, 6000, 0, 2, 20));
  EXPECT_TRUE(faceless == Paint());
}

}  // namespace
