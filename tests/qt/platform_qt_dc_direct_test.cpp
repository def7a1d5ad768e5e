// One-pixel lines and texts drawn again are set straight into a 32-bit
// bitmap's pixels. Whatever is drawn, the picture must be the one the painter
// draws: here the same drawing on a 24-bit bitmap (always drawn through the
// painter) is the reference, pixel for pixel.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <functional>
#include <random>
#include <string>

#include "platform/qt/qt_dc.h"

using namespace plat;

namespace {

constexpr int kW = 320, kH = 240;

// The same noisy background on both bitmaps, so that a pixel set wrongly
// (or not at all) shows.
QImage Background(QImage::Format format, unsigned run) {
  QImage img(kW, kH, QImage::Format_RGB32);
  std::mt19937 rng(run);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) img.setPixel(x, y, qRgb(rng() & 255, rng() & 255, rng() & 255));
  return img.convertToFormat(format);
}

struct Picture {
  QImage image;
  QRect dirty;
};

// Who draws: the context that clips, or (as a window's paint handler does
// inside the window's rebuild) a second context on the first one's painter.
enum class Drawer { Clipping, OnItsPainter };

Picture DrawOn(QImage::Format format, unsigned run, const QRegion& clip,
               const std::function<void(DeviceContext&)>& draw, Drawer drawer) {
  Picture pic{Background(format, run), {}};
  QtDC dc(&pic.image);
  dc.SetClipRegion(clip);
  if (drawer == Drawer::OnItsPainter) {
    QtDC second(&dc.Painter());
    draw(second);
    pic.dirty = second.DirtyRect();
  } else {
    draw(dc);
    pic.dirty = dc.DirtyRect();
  }
  return pic;
}

// Draws on a bitmap set directly and on the painter's, and tells where the
// two differ first.
void ExpectSameAsThePainter(const std::function<void(DeviceContext&)>& draw,
                            const QRegion& clip = QRegion(), unsigned run = 1,
                            Drawer drawer = Drawer::Clipping) {
  const Picture direct = DrawOn(QImage::Format_RGB32, run, clip, draw, drawer);
  const Picture painted = DrawOn(QImage::Format_RGB888, run, clip, draw, drawer);
  const QImage reference = painted.image.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      if (direct.image.pixel(x, y) != reference.pixel(x, y)) {
        ADD_FAILURE() << "first differing pixel at " << x << "," << y;
        return;
      }
    }
  }
  EXPECT_EQ(direct.dirty, painted.dirty);
}

int Coord(std::mt19937& rng, int limit) {
  return int(rng() % unsigned(limit + 200)) - 100;  // some beyond every edge
}

void RandomLines(DeviceContext& dc, unsigned run) {
  std::mt19937 rng(run);
  static const int kRops[] = {R2_COPYPEN, R2_BLACK, R2_WHITE};
  for (int i = 0; i < 400; ++i) {
    dc.SelectPen({int(rng() % 5), 0, RGB(rng() & 255, rng() & 255, rng() & 255)});
    dc.SetROP2(kRops[rng() % 3]);
    dc.SetBkMode(rng() % 2 ? OPAQUE : TRANSPARENT);
    dc.SetBkColor(RGB(rng() & 255, rng() & 255, rng() & 255));
    const int x = Coord(rng, kW), y = Coord(rng, kH);
    dc.MoveTo(x, y);
    switch (rng() % 3) {
      case 0: dc.LineTo(Coord(rng, kW), y); break;  // level
      case 1: dc.LineTo(x, Coord(rng, kH)); break;  // upright
      default: dc.LineTo(Coord(rng, kW), Coord(rng, kH));
    }
  }
}

TEST(PlatformQtDcDirect, PlanLinesOfEveryStyleAreThePaintersPixels) {
  ExpectSameAsThePainter([](DeviceContext& dc) { RandomLines(dc, 11); });
}

TEST(PlatformQtDcDirect, LinesKeepWithinTheClipRegion) {
  const QRegion oneBox(-20, 30, 250, 400);
  const QRegion twoBoxes = QRegion(20, 20, 150, 100).united(QRegion(100, 90, 200, 140));
  ExpectSameAsThePainter([](DeviceContext& dc) { RandomLines(dc, 12); }, oneBox);
  ExpectSameAsThePainter([](DeviceContext& dc) { RandomLines(dc, 13); }, twoBoxes);
}

// Room names and dimensions as a plan repeats them: every text drawn three
// times at other places, so that the later ones come from its stamp.
void RepeatedTexts(DeviceContext& dc, unsigned run) {
  std::mt19937 rng(run);
  static const char* const kFaces[] = {"Arial", "Times New Roman", "Courier New"};
  static const char* const kTexts[] = {"LIVING", "Bed 2", "3600", "11' 6''", "G\xc3\xa4ste WC",
                                       "\xe9t\xe9", " lead", "jgpqy"};
  static const int kEscapements[] = {0, 900, 2700, -1800, 1800, 450};
  static const unsigned kAligns[] = {TA_LEFT | TA_TOP, TA_CENTER | TA_BASELINE,
                                     TA_RIGHT | TA_BOTTOM, TA_CENTER | TA_TOP};
  for (int i = 0; i < 40; ++i) {
    Font f;
    f.face = kFaces[rng() % 3];
    f.height = int(rng() % 40) + 1;
    f.weight = rng() % 3 ? FW_NORMAL : FW_BOLD;
    f.italic = rng() % 4 == 0;
    f.escapement = kEscapements[rng() % 6];
    const char* text = kTexts[rng() % 8];
    const unsigned align = kAligns[rng() % 4];
    for (int again = 0; again < 3; ++again) {
      dc.SelectFont(f);
      dc.SetTextAlign(align);
      dc.SetROP2(rng() % 5 ? R2_COPYPEN : R2_BLACK);
      dc.SetBkMode(rng() % 2 ? OPAQUE : TRANSPARENT);
      dc.SetBkColor(RGB(rng() & 255, rng() & 255, rng() & 255));
      dc.SetTextColor(RGB(rng() & 255, rng() & 255, rng() & 255));
      dc.TextOut(Coord(rng, kW), Coord(rng, kH), text);
    }
  }
}

TEST(PlatformQtDcDirect, TextsDrawnAgainComeOutAsThePainterDrawsThem) {
  ExpectSameAsThePainter([](DeviceContext& dc) { RepeatedTexts(dc, 21); });
  // A second round finds every text's stamp already taken.
  ExpectSameAsThePainter([](DeviceContext& dc) { RepeatedTexts(dc, 21); }, QRegion(), 2);
}

TEST(PlatformQtDcDirect, TextsKeepWithinTheClipRegion) {
  const QRegion twoBoxes = QRegion(10, 40, 160, 120).united(QRegion(120, 100, 180, 120));
  for (int round = 0; round < 2; ++round)
    ExpectSameAsThePainter([](DeviceContext& dc) { RepeatedTexts(dc, 22); }, twoBoxes);
}

TEST(PlatformQtDcDirect, ASecondContextOnAClippedPainterKeepsWithinTheClip) {
  const QRegion twoBoxes = QRegion(20, 20, 150, 100).united(QRegion(100, 90, 200, 140));
  ExpectSameAsThePainter([](DeviceContext& dc) { RandomLines(dc, 14); }, twoBoxes, 1,
                         Drawer::OnItsPainter);
  for (int round = 0; round < 2; ++round)
    ExpectSameAsThePainter([](DeviceContext& dc) { RepeatedTexts(dc, 24); }, twoBoxes, 1,
                           Drawer::OnItsPainter);
}

// The plan's y-up mapping turns texts the other way round: there a text
// drawn again must not take the stamp of the same text at the same
// escapement drawn without the mapping.
TEST(PlatformQtDcDirect, TextsUnderTheYUpMappingHaveStampsOfTheirOwn) {
  ExpectSameAsThePainter([](DeviceContext& dc) { RepeatedTexts(dc, 23); });
  ExpectSameAsThePainter([](DeviceContext& dc) {
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExt(kW, kH);
    dc.SetViewportExt(kW, -kH);
    dc.SetViewportOrg(0, kH);
    RepeatedTexts(dc, 23);
  });
}

TEST(PlatformQtDcDirect, APainterSomebodyElseMovedStillMovesTheDrawing) {
  QImage img(60, 40, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter painter(&img);
  painter.translate(5, 3);
  {
    QtDC dc(&painter);
    dc.MoveTo(0, 0);
    dc.LineTo(10, 0);
  }
  painter.end();
  EXPECT_EQ(img.pixel(5, 3), qRgb(0, 0, 0));
  EXPECT_EQ(img.pixel(0, 0), qRgb(255, 255, 255));
}

}  // namespace
