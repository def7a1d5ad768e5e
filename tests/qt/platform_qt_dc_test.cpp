// The Qt device context on a bitmap: exact pixels, XOR previews that erase
// themselves, pen and text rules of the original platform.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPixmap>
#include <cmath>
#include <functional>
#include <random>

#include "platform/ink_dc.h"
#include "platform/qt/qt_dc.h"

using namespace plat;

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);

QImage Canvas(int w = 300, int h = 200, QRgb fill = kWhite) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(fill);
  return img;
}

// A busy background, so that XOR has something to undo everywhere.
QImage Noise(int w = 300, int h = 200) {
  QImage img = Canvas(w, h);
  std::mt19937 rng(7);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) img.setPixel(x, y, qRgb(rng() & 255, rng() & 255, rng() & 255));
  return img;
}

bool IsSet(const QImage& img, int x, int y, QRgb c = kBlack) {
  return img.rect().contains(x, y) && img.pixel(x, y) == c;
}

// The box of all pixels that differ from the background colour.
QRect InkBox(const QImage& img, QRgb background = kWhite) {
  QRect box;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixel(x, y) != background) box |= QRect(x, y, 1, 1);
  return box;
}

std::string Described(const QRect& box) {
  if (box.isEmpty()) return "nothing";
  return QString("%1 x %2 at (%3, %4)")
      .arg(box.width())
      .arg(box.height())
      .arg(box.left())
      .arg(box.top())
      .toStdString();
}

int CountOf(const QImage& img, QRgb c) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) n += img.pixel(x, y) == c;
  return n;
}

void Draw(QImage& img, const std::function<void(DeviceContext&)>& draw) {
  QtDC dc(&img);
  draw(dc);
}

void PlanMapping(DeviceContext& dc, int w, int h) {
  dc.SetMapMode(MM_ISOTROPIC);
  dc.SetWindowOrg(0, 0);
  dc.SetWindowExt(w, h);
  dc.SetViewportExt(w, -h);
  dc.SetViewportOrg(0, h);
}

Font TestFont(int height, int escapement = 0) {
  Font f;
  f.height = height;
  f.escapement = escapement;
  f.face = "Arial";
  return f;
}

struct Figure {
  const char* name;
  std::function<void(DeviceContext&)> draw;
};

std::vector<Figure> Figures() {
  return {
      {"polyline",
       [](DeviceContext& dc) {
         dc.MoveTo(10, 10);
         dc.LineTo(120, 40);
         dc.LineTo(60, 150);
         dc.LineTo(10, 10);
       }},
      {"wide line",
       [](DeviceContext& dc) {
         dc.SelectPen({PS_SOLID, 5, RGB(200, 10, 90)});
         dc.MoveTo(20, 180);
         dc.LineTo(280, 20);
       }},
      {"dashed line on opaque background",
       [](DeviceContext& dc) {
         dc.SelectPen({PS_DASHDOT, 0, RGB(0, 255, 0)});
         dc.SetBkColor(RGB(0, 0, 255));
         dc.MoveTo(5, 100);
         dc.LineTo(295, 120);
       }},
      {"filled rectangle",
       [](DeviceContext& dc) {
         dc.SelectBrush(SolidBrush(RGB(10, 200, 30)));
         dc.Rectangle(30, 30, 130, 90);
       }},
      {"hollow rectangle",
       [](DeviceContext& dc) {
         dc.SelectBrush(NullBrush());
         dc.Rectangle(30, 30, 130, 90);
       }},
      {"filled ellipse",
       [](DeviceContext& dc) {
         dc.SelectPen({PS_SOLID, 3, RGB(255, 255, 0)});
         dc.SelectBrush(SolidBrush(RGB(90, 0, 200)));
         dc.Ellipse(40, 20, 260, 180);
       }},
      {"self-crossing polygon",
       [](DeviceContext& dc) {
         const Point star[] = {{150, 10}, {200, 190}, {50, 70}, {250, 70}, {100, 190}};
         dc.SelectBrush(SolidBrush(RGB(1, 2, 3)));
         dc.Polygon(star, 5);
       }},
      {"arc",
       [](DeviceContext& dc) { dc.Arc(20, 20, 280, 180, 280, 100, 20, 60); }},
      {"rounded rectangle",
       [](DeviceContext& dc) {
         dc.SelectBrush(SolidBrush(RGB(50, 60, 70)));
         dc.RoundRect(20, 20, 200, 150, 40, 30);
       }},
      {"rotated opaque text",
       [](DeviceContext& dc) {
         dc.SelectFont(TestFont(24, 450));
         dc.SetTextColor(RGB(255, 0, 0));
         dc.TextOut(100, 150, "Lounge 4.2 x 3.6");
       }},
  };
}

}  // namespace

TEST(PlatformQtDc, DrawingAFigureTwiceInXorRestoresEveryPixel) {
  for (const Figure& figure : Figures()) {
    SCOPED_TRACE(figure.name);
    const QImage before = Noise();
    QImage img = before;
    auto xorDraw = [&](DeviceContext& dc) {
      dc.SetROP2(R2_XORPEN);
      dc.SelectPen({PS_SOLID, 0, RGB(255, 255, 255)});
      figure.draw(dc);
    };
    Draw(img, xorDraw);
    EXPECT_NE(img, before) << "the figure drew nothing";
    Draw(img, xorDraw);
    EXPECT_EQ(img, before);
  }
}

TEST(PlatformQtDc, DrawingAFigureTwiceWithNotRestoresEveryPixel) {
  for (const Figure& figure : Figures()) {
    SCOPED_TRACE(figure.name);
    const QImage before = Noise();
    QImage img = before;
    auto notDraw = [&](DeviceContext& dc) {
      dc.SetROP2(R2_NOT);
      figure.draw(dc);
    };
    Draw(img, notDraw);
    EXPECT_NE(img, before);
    Draw(img, notDraw);
    EXPECT_EQ(img, before);
  }
}

TEST(PlatformQtDc, NotXorGuideLinesShowOnWhiteAndEraseWhenDrawnAgain) {
  for (const Figure& figure : Figures()) {
    SCOPED_TRACE(figure.name);
    const QImage before = Noise();
    QImage img = before;
    auto guide = [&](DeviceContext& dc) {
      dc.SetROP2(R2_NOTXORPEN);
      dc.SelectPen({PS_DOT, 0, RGB(0, 0, 0)});
      figure.draw(dc);
    };
    Draw(img, guide);
    EXPECT_NE(img, before);
    Draw(img, guide);
    EXPECT_EQ(img, before);
  }
  // A black pen in NOT-XOR inverts white, so guide lines show on paper.
  QImage img = Canvas();
  Draw(img, [](DeviceContext& dc) {
    dc.SetROP2(R2_NOTXORPEN);
    dc.SelectPen({PS_SOLID, 0, RGB(0, 0, 0)});
    dc.MoveTo(10, 10);
    dc.LineTo(20, 10);
  });
  EXPECT_TRUE(IsSet(img, 15, 10, kBlack));
}

TEST(PlatformQtDc, XorWithAWhitePenInvertsThePixelsItCovers) {
  QImage img = Canvas();
  Draw(img, [](DeviceContext& dc) {
    dc.SetROP2(R2_XORPEN);
    dc.SelectPen({PS_SOLID, 0, RGB(255, 255, 255)});
    dc.MoveTo(10, 10);
    dc.LineTo(20, 10);
  });
  EXPECT_TRUE(IsSet(img, 10, 10, kBlack));
  EXPECT_TRUE(IsSet(img, 19, 10, kBlack));
}

TEST(PlatformQtDc, LineToLeavesOutItsLastPixel) {
  QImage img = Canvas();
  Draw(img, [](DeviceContext& dc) {
    dc.MoveTo(10, 10);
    dc.LineTo(20, 10);
    dc.MoveTo(50, 50);
    dc.LineTo(50, 50);  // nothing at all
  });
  for (int x = 10; x < 20; ++x) EXPECT_TRUE(IsSet(img, x, 10)) << x;
  EXPECT_FALSE(IsSet(img, 20, 10));
  EXPECT_FALSE(IsSet(img, 50, 50));
}

TEST(PlatformQtDc, AnXorPolylineKeepsItsCorners) {
  // Each joint is drawn by one segment only, so XOR does not punch holes.
  QImage img = Canvas();
  Draw(img, [](DeviceContext& dc) {
    dc.SetROP2(R2_XORPEN);
    dc.SelectPen({PS_SOLID, 0, RGB(255, 255, 255)});
    dc.MoveTo(10, 10);
    dc.LineTo(40, 10);
    dc.LineTo(40, 40);
    dc.LineTo(10, 40);
    dc.LineTo(10, 10);
  });
  for (QPoint corner : {QPoint(10, 10), QPoint(40, 10), QPoint(40, 40), QPoint(10, 40)})
    EXPECT_TRUE(IsSet(img, corner.x(), corner.y())) << corner.x() << "," << corner.y();
  EXPECT_EQ(CountOf(img, kBlack), 4 * 30);
}

TEST(PlatformQtDc, AWideDashedPenDrawsSolid) {
  QImage thin = Canvas(), wide = Canvas();
  auto line = [](int width) {
    return [width](DeviceContext& dc) {
      dc.SelectPen({PS_DASH, width, RGB(0, 0, 0)});
      dc.SetBkMode(TRANSPARENT);
      dc.MoveTo(10, 100);
      dc.LineTo(290, 100);
    };
  };
  Draw(thin, line(1));
  Draw(wide, line(3));
  int thinGaps = 0;
  for (int x = 10; x < 290; ++x) {
    thinGaps += !IsSet(thin, x, 100);
    EXPECT_TRUE(IsSet(wide, x, 100)) << x;
  }
  EXPECT_GT(thinGaps, 20);
  // Three pixels across.
  EXPECT_TRUE(IsSet(wide, 150, 99));
  EXPECT_TRUE(IsSet(wide, 150, 101));
}

TEST(PlatformQtDc, GapsOfABrokenPenTakeTheBackgroundWhenOpaque) {
  QImage img = Canvas();
  Draw(img, [](DeviceContext& dc) {
    dc.SelectPen({PS_DOT, 0, RGB(0, 0, 0)});
    dc.SetBkColor(RGB(255, 0, 0));
    dc.MoveTo(10, 20);
    dc.LineTo(100, 20);
  });
  EXPECT_GT(CountOf(img, qRgb(255, 0, 0)), 30);
  EXPECT_GT(CountOf(img, kBlack), 30);
}

TEST(PlatformQtDc, ABrokenLineMillionsOfPixelsLongSetsOnlyWhatTheBitmapShowsInItsPattern) {
  // Dots two on, two off from the first end, 2000000000 pixels left of the
  // bitmap (a multiple of the pattern): pixel x is on when x % 4 < 2.
  for (int rop : {R2_COPYPEN, R2_XORPEN}) {
    SCOPED_TRACE(rop);
    QImage img = Canvas();
    Draw(img, [rop](DeviceContext& dc) {
      dc.SetROP2(rop);
      dc.SetBkMode(TRANSPARENT);
      dc.SelectPen({PS_DOT, 0, rop == R2_XORPEN ? RGB(255, 255, 255) : RGB(0, 0, 0)});
      dc.MoveTo(-2000000000, 10);
      dc.LineTo(2000000000, 10);
    });
    for (int x = 0; x < img.width(); ++x) EXPECT_EQ(IsSet(img, x, 10), x % 4 < 2) << x;
    EXPECT_EQ(CountOf(img, kBlack), img.width() / 2);
  }
}

TEST(PlatformQtDc, BrokenOutlinesFillTheirGapsToo) {
  // A dotted XOR box in the drawing colour (black) on white paper shows by
  // its gaps, which take the white background and so invert the paper;
  // drawn again it is gone. This is how the zoom-up box shows while dragging.
  const QImage paper = Canvas();
  QImage img = paper;
  auto box = [](DeviceContext& dc) {
    dc.SetROP2(R2_XORPEN);
    dc.SelectPen({PS_DOT, 0, RGB(0, 0, 0)});
    dc.SelectBrush(NullBrush());
    dc.Rectangle(10, 10, 80, 50);
  };
  Draw(img, box);
  EXPECT_GT(CountOf(img, kBlack), 60);
  EXPECT_TRUE(IsSet(img, 40, 30, kWhite)) << "the inside stays clear";
  Draw(img, box);
  EXPECT_EQ(img, paper);

  // In copy mode with a transparent background the gaps keep the paper.
  QImage clear = Canvas();
  Draw(clear, [](DeviceContext& dc) {
    dc.SetBkMode(TRANSPARENT);
    dc.SetBkColor(RGB(255, 0, 0));
    dc.SelectPen({PS_DASH, 0, RGB(0, 0, 0)});
    dc.SelectBrush(NullBrush());
    dc.Ellipse(10, 10, 80, 50);
  });
  EXPECT_EQ(CountOf(clear, qRgb(255, 0, 0)), 0);
}

TEST(PlatformQtDc, RectangleIsOutlinedByThePenAndFilledByTheBrush) {
  const QRgb red = qRgb(255, 0, 0);
  QImage img = Canvas();
  Draw(img, [](DeviceContext& dc) {
    dc.SelectBrush(SolidBrush(RGB(255, 0, 0)));
    dc.Rectangle(10, 10, 50, 30);
  });
  EXPECT_TRUE(IsSet(img, 10, 10));
  EXPECT_TRUE(IsSet(img, 49, 29));  // right and bottom edges left out
  EXPECT_FALSE(IsSet(img, 50, 30, kBlack));
  EXPECT_FALSE(IsSet(img, 50, 30, red));
  EXPECT_TRUE(IsSet(img, 30, 20, red));
  EXPECT_EQ(InkBox(img), QRect(10, 10, 40, 20));
}

TEST(PlatformQtDc, FiguresCoverTheirBoxWithoutItsRightAndBottomEdges) {
  const std::vector<Figure> figures = {
      {"ellipse", [](DeviceContext& dc) { dc.Ellipse(10, 10, 50, 30); }},
      {"rounded rectangle", [](DeviceContext& dc) { dc.RoundRect(10, 10, 50, 30, 10, 8); }},
      {"whole arc", [](DeviceContext& dc) { dc.Arc(10, 10, 50, 30, 50, 20, 60, 20); }},
  };
  for (const Figure& figure : figures) {
    for (bool pen : {true, false}) {
      SCOPED_TRACE(std::string(figure.name) + (pen ? " outlined" : " filled"));
      QImage img = Canvas();
      Draw(img, [&](DeviceContext& dc) {
        if (!pen) dc.SelectPen({PS_NULL, 0, 0});
        dc.SelectBrush(BlackBrush());
        figure.draw(dc);
      });
      if (pen) {
        EXPECT_EQ(InkBox(img), QRect(10, 10, 40, 20));
      } else if (figure.name != std::string("whole arc")) {
        // A fill may miss the outermost row where it only touches a curve.
        EXPECT_TRUE(QRect(10, 10, 40, 20).contains(InkBox(img)));
        EXPECT_GE(InkBox(img).height(), 19);
      }
    }
  }
}

TEST(PlatformQtDc, NullBrushOutlinesOnlyAndNullPenFillsOnly) {
  const QRgb red = qRgb(255, 0, 0);
  QImage hollow = Canvas(), solid = Canvas();
  Draw(hollow, [](DeviceContext& dc) {
    dc.SelectBrush(NullBrush());
    dc.Rectangle(10, 10, 50, 30);
    dc.Ellipse(60, 10, 120, 50);
    const Point tri[] = {{150, 10}, {190, 10}, {170, 50}};
    dc.Polygon(tri, 3);
  });
  EXPECT_TRUE(IsSet(hollow, 10, 20));
  EXPECT_TRUE(IsSet(hollow, 30, 20, kWhite));
  EXPECT_TRUE(IsSet(hollow, 90, 30, kWhite));
  EXPECT_TRUE(IsSet(hollow, 170, 25, kWhite));

  Draw(solid, [](DeviceContext& dc) {
    dc.SelectPen({PS_NULL, 0, 0});
    dc.SelectBrush(SolidBrush(RGB(255, 0, 0)));
    dc.Rectangle(10, 10, 50, 30);
  });
  EXPECT_EQ(CountOf(solid, kBlack), 0);
  EXPECT_EQ(CountOf(solid, red), 40 * 20);
}

TEST(PlatformQtDc, PolygonsFillAlternateOrWinding) {
  const Point star[] = {{150, 10}, {200, 190}, {50, 70}, {250, 70}, {100, 190}};
  QImage alternate = Canvas(), winding = Canvas();
  auto draw = [&](int mode) {
    return [&, mode](DeviceContext& dc) {
      dc.SetPolyFillMode(mode);
      dc.SelectBrush(BlackBrush());
      dc.Polygon(star, 5);
    };
  };
  Draw(alternate, draw(ALTERNATE));
  Draw(winding, draw(WINDING));
  EXPECT_TRUE(IsSet(alternate, 150, 110, kWhite));  // the middle of the star
  EXPECT_TRUE(IsSet(winding, 150, 110, kBlack));
}

TEST(PlatformQtDc, ArcsRunCounterClockwiseOnScreenWithYUp) {
  // A quarter from the ray east to the ray north of the centre (150, 100)
  // in a y-up plan mapping: on screen it is the upper right quarter.
  QImage img = Canvas();
  Draw(img, [](DeviceContext& dc) {
    PlanMapping(dc, 300, 200);
    dc.Arc(100, 150, 200, 50, 200, 100, 150, 150);
  });
  const QRect ink = InkBox(img);
  EXPECT_GE(ink.left(), 148);
  EXPECT_LE(ink.bottom(), 102);
  EXPECT_GE(ink.right(), 195);
  EXPECT_LE(ink.top(), 52);
}

TEST(PlatformQtDc, ArcsRunCounterClockwiseOnScreenWithYDown) {
  QImage quarter = Canvas(), rest = Canvas();
  // East ray to north ray (north is up on screen, smaller y).
  Draw(quarter, [](DeviceContext& dc) { dc.Arc(100, 50, 200, 150, 200, 100, 150, 50); });
  EXPECT_LE(InkBox(quarter).bottom(), 102);
  EXPECT_GE(InkBox(quarter).left(), 148);
  // North to east is the other three quarters.
  Draw(rest, [](DeviceContext& dc) { dc.Arc(100, 50, 200, 150, 150, 50, 200, 100); });
  EXPECT_GE(InkBox(rest).bottom(), 147);
  EXPECT_LE(InkBox(rest).left(), 102);
  // The same ray at both ends draws the whole ellipse.
  QImage whole = Canvas();
  Draw(whole, [](DeviceContext& dc) { dc.Arc(100, 50, 200, 150, 200, 100, 250, 100); });
  EXPECT_EQ(InkBox(whole), QRect(100, 50, 100, 100));
}

TEST(PlatformQtDc, AnArcOfAnEllipseEndsOnItsRays) {
  // Box 200 x 100 centred on (100, 50); the end ray goes through (200, 0),
  // meeting the ellipse at (170.7, 14.6).
  QImage img = Canvas(201, 101);
  Draw(img, [](DeviceContext& dc) { dc.Arc(0, 0, 200, 100, 200, 50, 200, 0); });
  bool nearEnd = false;
  for (int y = 12; y <= 17; ++y)
    for (int x = 168; x <= 173; ++x) nearEnd |= IsSet(img, x, y);
  EXPECT_TRUE(nearEnd);
  for (int y = 0; y < 101; ++y)
    for (int x = 0; x < 201; ++x)
      if (IsSet(img, x, y)) {
        const double angle = std::atan2(50.0 - y, x - 100.0) * 180 / M_PI;
        EXPECT_TRUE(angle >= -1.0 && angle <= 29.0) << x << "," << y;
      }
}

TEST(PlatformQtDc, TextWithEscapement900RunsUpward) {
  QImage flat = Canvas(), upward = Canvas();
  auto text = [](int escapement) {
    return [escapement](DeviceContext& dc) {
      dc.SelectFont(TestFont(20, escapement));
      dc.SetBkMode(TRANSPARENT);
      dc.SetTextAlign(TA_LEFT | TA_BASELINE);
      dc.TextOut(150, 180, "KITCHEN");
    };
  };
  Draw(flat, text(0));
  Draw(upward, text(900));
  const QRect f = InkBox(flat), u = InkBox(upward);
  EXPECT_GT(f.width(), 2 * f.height());
  EXPECT_GT(u.height(), 2 * u.width());
  // From the reference point up the screen, the letters to the left of it.
  EXPECT_LE(u.bottom(), 181);
  EXPECT_LT(u.top(), 180 - 60);
  EXPECT_LE(u.right(), 151);
}

TEST(PlatformQtDc, TextAlignmentPlacesTheReferencePoint) {
  auto inkFor = [](unsigned align) {
    QImage img = Canvas();
    Draw(img, [align](DeviceContext& dc) {
      dc.SelectFont(TestFont(20));
      dc.SetBkMode(TRANSPARENT);
      dc.SetTextAlign(align);
      dc.TextOut(150, 100, "Bath");
    });
    return InkBox(img);
  };
  EXPECT_GE(inkFor(TA_LEFT | TA_TOP).left(), 150);
  EXPECT_GE(inkFor(TA_LEFT | TA_TOP).top(), 100);
  EXPECT_LE(inkFor(TA_RIGHT | TA_TOP).right(), 150);
  const QRect centred = inkFor(TA_CENTER | TA_BOTTOM);
  EXPECT_LT(centred.left(), 145);
  EXPECT_GT(centred.right(), 155);
  EXPECT_LE(centred.bottom(), 100);
  const QRect baseline = inkFor(TA_LEFT | TA_BASELINE);
  EXPECT_LE(baseline.bottom(), 101);  // no descenders in "Bath"
  EXPECT_GT(baseline.bottom(), 95);
}

// Without a mapping, a text at escapement 2700 runs down the screen (bottom
// centre): the alignment follows the turned text, so the label is centred on
// the point along its run and stands on the side its tops face.
TEST(PlatformQtDc, AlignmentFollowsTheEscapement) {
  QImage img = Canvas();
  Draw(img, [](DeviceContext& dc) {
    dc.SelectFont(TestFont(20, 2700));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(TA_CENTER | TA_BOTTOM);
    dc.TextOut(150, 100, "LOUNGE");
  });
  const QRect ink = InkBox(img);
  EXPECT_GT(ink.height(), 2 * ink.width());
  EXPECT_LT(ink.top(), 95);
  EXPECT_GT(ink.bottom(), 105);
  EXPECT_LE(std::abs((ink.top() + ink.bottom()) / 2 - 100), 3);
  EXPECT_GE(ink.left(), 150);
}

TEST(PlatformQtDc, OpaqueTextFillsItsCellWithTheBackground) {
  const QRgb blue = qRgb(0, 0, 255);
  QImage opaque = Canvas(), transparent = Canvas();
  auto text = [](int mode) {
    return [mode](DeviceContext& dc) {
      dc.SelectFont(TestFont(20));
      dc.SetBkColor(RGB(0, 0, 255));
      dc.SetBkMode(mode);
      dc.TextOut(10, 10, "Hall");
    };
  };
  Draw(opaque, text(OPAQUE));
  Draw(transparent, text(TRANSPARENT));
  EXPECT_GT(CountOf(opaque, blue), 100);
  EXPECT_EQ(CountOf(transparent, blue), 0);
  // Only the text colour and nothing smoothed in between.
  EXPECT_EQ(CountOf(transparent, kBlack) + CountOf(transparent, kWhite), 300 * 200);
}

// What a print measures before it prints is what the devices draw, for the
// figures that are empty on the device too: on a bitmap, and on a device
// drawn through the painter as printers are.
TEST(PlatformQtDc, TheMeasureOfWhatPrintsCountsOnlyWhatIsDrawn) {
  enum Style { kThinPen, kWidePen, kBrush, kPenAndBrush };
  using Drawing = std::function<void(DeviceContext&)>;
  struct Case {
    const char* what;
    Style style;
    Drawing draw;
  };
  auto line = [](Point from, Point to) -> Drawing {
    return [=](DeviceContext& dc) {
      dc.MoveTo(from.x, from.y);
      dc.LineTo(to.x, to.y);
    };
  };
  auto figure = [](void (DeviceContext::*draw)(int, int, int, int), Rect r) -> Drawing {
    return [=](DeviceContext& dc) { (dc.*draw)(r.left, r.top, r.right, r.bottom); };
  };
  auto roundRect = [](Rect r) -> Drawing {
    return [=](DeviceContext& dc) { dc.RoundRect(r.left, r.top, r.right, r.bottom, 6, 6); };
  };
  // From the right of the box's middle round to its left.
  auto arc = [](Rect r) -> Drawing {
    return [=](DeviceContext& dc) { dc.Arc(r.left, r.top, r.right, r.bottom, 80, 60, 20, 60); };
  };
  auto polygon = [](std::vector<Point> pts) -> Drawing {
    return [=](DeviceContext& dc) { dc.Polygon(pts.data(), int(pts.size())); };
  };
  auto text = [](const char* s, int escapement) -> Drawing {
    return [=](DeviceContext& dc) {
      dc.SelectFont(TestFont(20, escapement));
      dc.TextOut(50, 50, s);
    };
  };
  const Rect noWidth{50, 50, 50, 70}, noHeight{50, 50, 70, 50}, onePixel{50, 50, 51, 51};
  const std::vector<Point> onePoint{{50, 50}, {50, 50}, {50, 50}};
  const std::vector<Point> onALine{{50, 50}, {70, 60}, {60, 55}};
  const std::vector<Case> cases = {
      {"a line from a point to itself", kThinPen, line({50, 50}, {50, 50})},
      {"a wide line from a point to itself", kWidePen, line({50, 50}, {50, 50})},
      {"a rectangle of no width", kThinPen, figure(&DeviceContext::Rectangle, noWidth)},
      {"a rectangle of no height", kWidePen, figure(&DeviceContext::Rectangle, noHeight)},
      {"a filled rectangle of no width", kBrush, figure(&DeviceContext::Rectangle, noWidth)},
      {"a rectangle one pixel each way", kPenAndBrush,
       figure(&DeviceContext::Rectangle, onePixel)},
      {"a rectangle one pixel wide", kThinPen,
       figure(&DeviceContext::Rectangle, {50, 50, 51, 70})},
      {"an ellipse of no height", kPenAndBrush, figure(&DeviceContext::Ellipse, noHeight)},
      {"an ellipse one pixel each way", kWidePen, figure(&DeviceContext::Ellipse, onePixel)},
      {"a round rectangle of no width", kWidePen, roundRect(noWidth)},
      {"a round rectangle one pixel each way", kThinPen, roundRect(onePixel)},
      {"an arc of no width", kThinPen, arc(noWidth)},
      {"an arc of no height", kWidePen, arc(noHeight)},
      {"an arc one pixel each way", kThinPen, arc(onePixel)},
      {"a polygon of one point", kWidePen, polygon(onePoint)},
      {"a filled polygon of one point", kBrush, polygon(onePoint)},
      {"a filled polygon of no area", kBrush, polygon(onALine)},
      {"an outlined polygon of no area", kPenAndBrush, polygon(onALine)},
      {"a fill of no width", kBrush,
       [](DeviceContext& dc) { dc.FillRect(50, 50, 50, 70, BlackBrush()); }},
      {"an empty text", kThinPen, text("", 0)},
      {"a turned text of spaces", kThinPen, text("   ", 450)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto draw = [&c](DeviceContext& dc) {
      dc.SelectPen(c.style == kBrush ? Pen{PS_NULL, 0, 0}
                                     : Pen{PS_SOLID, c.style == kWidePen ? 5 : 0, RGB(0, 0, 0)});
      dc.SelectBrush(c.style == kBrush || c.style == kPenAndBrush ? BlackBrush() : NullBrush());
      dc.SetBkMode(TRANSPARENT);
      c.draw(dc);
    };
    QImage bitmap = Canvas();
    Draw(bitmap, draw);
    QPixmap painted(bitmap.size());
    painted.fill(Qt::white);
    {
      QtDC dc(&painted);
      draw(dc);
    }
    QImage device = Canvas();
    const std::unique_ptr<QtDC> measuring = QtDC::ForMeasuring(&device);
    InkDC ink(*measuring);
    draw(ink);
    const std::optional<Rect> measured = ink.Ink();
    const QRect box = measured ? QRect(QPoint(measured->left, measured->top),
                                       QPoint(measured->right - 1, measured->bottom - 1))
                               : QRect();
    EXPECT_EQ(Described(box), Described(InkBox(bitmap)));
    EXPECT_EQ(Described(box), Described(InkBox(painted.toImage())));
  }
}

TEST(PlatformQtDc, WindowsFaceNamesResolveToTheirMetricCompatibleFaces) {
  InstallFontSubstitutions();
  EXPECT_EQ(QFontInfo(QFont("Arial")).family(), "Liberation Sans");
  EXPECT_EQ(QFontInfo(QFont("Times New Roman")).family(), "Liberation Serif");
}

TEST(PlatformQtDc, FontHeightIsTheCellHeightInLogicalUnits) {
  QImage img = Canvas();
  QtDC dc(&img);
  PlanMapping(dc, 600, 400);  // two units per pixel
  dc.SelectFont(TestFont(40));
  const TextMetrics m = dc.GetTextMetrics();
  EXPECT_NEAR(m.height, 40, 2);
  const Size extent = dc.GetTextExtent("Bedroom");
  EXPECT_NEAR(extent.cy, 40, 2);
  EXPECT_GT(extent.cx, 3 * 40);

  // A font width narrows the letters.
  Font narrow = TestFont(40);
  narrow.width = 8;
  dc.SelectFont(narrow);
  EXPECT_LT(dc.GetTextExtent("Bedroom").cx, extent.cx);
}

TEST(PlatformQtDc, FillRectIgnoresTheRasterOperation) {
  QImage img = Canvas();
  Draw(img, [](DeviceContext& dc) {
    dc.SetROP2(R2_XORPEN);
    dc.FillRect(0, 0, 10, 10, BlackBrush());
    dc.FillRect(0, 0, 10, 10, BlackBrush());
  });
  EXPECT_EQ(CountOf(img, kBlack), 100);
}

TEST(PlatformQtDc, DirtyRectCoversWhatWasDrawnWithinTheDevice) {
  QImage img = Canvas();
  QtDC dc(&img);
  EXPECT_TRUE(dc.DirtyRect().isEmpty());
  dc.MoveTo(10, 10);
  dc.LineTo(40, 20);
  dc.Rectangle(250, 150, 400, 400);  // partly off the bitmap
  EXPECT_TRUE(dc.DirtyRect().contains(QRect(10, 10, 30, 10)));
  EXPECT_TRUE(QRect(0, 0, 300, 200).contains(dc.DirtyRect()));
  EXPECT_EQ(dc.DeviceSize(), (Size{300, 200}));
}

TEST(PlatformQtDc, EightBitTextsOfOldDrawingsAreShown) {
  EXPECT_EQ(ToQString("Caf\xe9"), QString::fromUtf8("Caf\xc3\xa9"));
  EXPECT_EQ(ToQString("Caf\xc3\xa9"), QString::fromUtf8("Caf\xc3\xa9"));
  EXPECT_EQ(ToQString("3'6\""), QString("3'6\""));
}
