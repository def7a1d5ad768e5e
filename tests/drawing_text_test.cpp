// Texts and design-room labels: alignment codes, fonts on screen and on the
// printer, the turn of vertical texts for printers that print them the wrong
// way round, and how a room label fits into its room.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "model/elements.h"
#include "model/flist.h"
#include "model/globals.h"
#include "platform/recording_dc.h"
#include "tests/test_support.h"

using plat::DcOp;
using plat::DcRecord;
using plat::Point;
using plat::RecordingDC;

namespace {

constexpr plat::COLORREF kBlue = plat::RGB(0, 0, 200);
constexpr unsigned kUntouched = plat::TA_RIGHT | plat::TA_BOTTOM;

class TextDrawing : public ::testing::Test {
 protected:
  void SetUp() override {
    PixelScale = 5;
    ZoomUnits = 4;
    ZoomFactor = 4.0f;
    TextScale = 0;
    CurrentView = view::Ground;
    dc_.SetTextAlign(kUntouched);
  }

  static TTextobj MakeText(const char* text, int32 escapement, int32 alignment) {
    return TTextobj(kind::Text, view::Ground, 0, 0, 1000, 500, 0, 0, 0, kBlue, 0, escapement,
                    alignment, 0, 3, 400, "Arial", text);
  }

  // Draws a text and returns its one record.
  DcRecord DrawOne(TTextobj& t) {
    dc_.Clear();
    t.DrawStyled(dc_, plat::Rect{0, 0, 624, 346}, 0);
    EXPECT_EQ(dc_.Records().size(), 1u);
    return dc_.Records().empty() ? DcRecord{} : dc_.Records()[0];
  }

  ScratchProgramDir dir_;
  RecordingDC dc_;
};

// ---- Alignment codes -------------------------------------------------------------------

struct AlignCase {
  int32 alignment;
  int32 escapement;
  unsigned expected;
};

class TextAlignment : public TextDrawing, public ::testing::WithParamInterface<AlignCase> {};

TEST_P(TextAlignment, FollowsTheCodeAndAngle) {
  const AlignCase& c = GetParam();
  TTextobj t = MakeText("HALL", c.escapement, c.alignment);
  EXPECT_EQ(DrawOne(t).textAlign, c.expected) << "code " << c.alignment << " at " << c.escapement;
}

constexpr unsigned kBaselineCentre = plat::TA_BASELINE | plat::TA_CENTER;
constexpr unsigned kBaselineLeft = plat::TA_BASELINE | plat::TA_LEFT;

INSTANTIATE_TEST_SUITE_P(
    Table, TextAlignment,
    ::testing::Values(AlignCase{1, 0, kBaselineCentre}, AlignCase{1, 2700, kBaselineLeft},
                      AlignCase{1, 900, kUntouched}, AlignCase{1, 1800, kUntouched},
                      AlignCase{2, 900, kBaselineLeft}, AlignCase{3, 0, kBaselineLeft},
                      AlignCase{4, 0, plat::TA_TOP | plat::TA_CENTER},
                      AlignCase{5, 2700, plat::TA_TOP | plat::TA_LEFT},
                      AlignCase{6, 900, kBaselineCentre}, AlignCase{0, 0, kUntouched},
                      AlignCase{7, 0, kUntouched}));

// ---- Print escapement ---------------------------------------------------------------------

struct EscapementCase {
  const char* printSettings;  // nullptr: no settings file
  int32 view;
  int32 escapement;
  int32 drawn;
};

class PrintEscapement : public TextDrawing, public ::testing::WithParamInterface<EscapementCase> {};

TEST_P(PrintEscapement, TurnsVerticalTextsUnlessTheBoxIsTicked) {
  const EscapementCase& c = GetParam();
  if (c.printSettings)
    dir_.WriteFile("CFG\\PRINT.CFG", c.printSettings);
  else
    std::remove(dir_.Path("CFG\\PRINT.CFG").c_str());
  CurrentView = c.view;
  TTextobj t = MakeText("STAIR", c.escapement, 2);
  EXPECT_EQ(DrawOne(t).font.escapement, c.drawn) << (c.printSettings ? c.printSettings : "(none)")
                                                 << " view " << c.view << " at " << c.escapement;
}

INSTANTIATE_TEST_SUITE_P(
    Table, PrintEscapement,
    ::testing::Values(
        // Printing with the box clear: angles 1..900 and from 2700 turn.
        EscapementCase{"0 0 0 0 0", 1120, 450, 3150}, EscapementCase{"0 0 0 0 0", 1120, 2700, 900},
        EscapementCase{"0 0 0 0 0", 1120, 900, 2700}, EscapementCase{"0 0 0 0 0", 1120, 3150, 450},
        EscapementCase{"0 0 0 0 0", 2121, 1, 3599}, EscapementCase{"0 0 0 0 0", 3120, 3600, 0},
        EscapementCase{"0 0 0 0 0", 1120, 0, 0}, EscapementCase{"0 0 0 0 0", 1120, 1800, 1800},
        EscapementCase{"0 0 0 0 0", 1120, 901, 901}, EscapementCase{"0 0 0 0 0", 1120, 2699, 2699},
        // The box ticked, no settings file, or the screen: texts stay.
        EscapementCase{"1 0 0 0 0", 1120, 2700, 2700}, EscapementCase{nullptr, 1120, 2700, 2700},
        EscapementCase{"0 0 0 0 0", 120, 2700, 2700}, EscapementCase{"0 0 0 0 0", 999, 450, 450}));

TEST_F(TextDrawing, VerticalTextAlignsByTheTurnedAngle) {
  dir_.WriteFile("CFG\\PRINT.CFG", "0 0 0 0 0\n");
  CurrentView = 1120;
  TTextobj t = MakeText("LOUNGE", 2700, 1);  // prints at 900: alignment code 1 leaves it
  EXPECT_EQ(DrawOne(t).textAlign, kUntouched);
}

// ---- Fonts ----------------------------------------------------------------------------------

TEST_F(TextDrawing, FontOnScreenScalesBySizeAndZoom) {
  TTextobj t = MakeText("BED 1", 0, 1);
  t.Size = 3;
  t.Weight = 500;
  TextItalic = 1;
  const DcRecord r = DrawOne(t);
  EXPECT_EQ(TextScale, ZoomUnits) << "an unset text scale takes the zoom units";
  EXPECT_EQ(r.font.height, 12);
  EXPECT_EQ(r.font.weight, plat::FW_BOLD);
  EXPECT_TRUE(r.font.italic);
  EXPECT_EQ(r.font.face, "Arial");
  EXPECT_EQ(r.text, "BED 1");
  EXPECT_EQ(r.from, (Point{200, 100}));
  EXPECT_EQ(r.textColour, kBlue);
  EXPECT_EQ(r.bkMode, plat::OPAQUE);

  t.Weight = 499;
  TextItalic = 0;
  CurrentView = view::Site;  // the site plan is drawn smaller: its texts three times larger
  const DcRecord site = DrawOne(t);
  EXPECT_EQ(site.font.height, 36);
  EXPECT_EQ(site.font.weight, plat::FW_NORMAL);
  EXPECT_FALSE(site.font.italic);
}

TEST_F(TextDrawing, PrintedWeightFollowsThePrinterLineWeight) {
  dir_.WriteFile("CFG\\PRINT.CFG", "1 0 0 0 0\n");
  CurrentView = 1120;
  TextScale = 30;  // set by the print command for the printer resolution
  const struct { int32 zoomUnits, weight; } cases[] = {{3, 400}, {5, 500}, {4, 250}, {12, 250}};
  for (const auto& c : cases) {
    ZoomUnits = c.zoomUnits;
    TTextobj t = MakeText("WC", 0, 1);
    t.Weight = 700;
    const DcRecord r = DrawOne(t);
    EXPECT_EQ(r.font.weight, c.weight) << "line weight " << c.zoomUnits;
    EXPECT_EQ(r.font.height, 90);
  }
}

TEST_F(TextDrawing, TextLengthNeverReachesPastTheText) {
  TTextobj t = MakeText("PORCH", 0, 1);
  t.TextLength = 3;
  EXPECT_EQ(DrawOne(t).text, "POR");
  t.TextLength = 500;  // as a damaged file might hold
  EXPECT_EQ(DrawOne(t).text, "PORCH");
  t.TextLength = -4;
  EXPECT_EQ(DrawOne(t).text, "");
}

TEST_F(TextDrawing, HighlightLeavesTextsInTheirOwnColour) {
  TTextobj t = MakeText("ENTRY", 0, 1);
  dc_.Clear();
  t.Paint(dc_, plat::Rect{0, 0, 624, 346}, 1);
  ASSERT_EQ(dc_.Texts().size(), 1u);
  EXPECT_EQ(dc_.Texts()[0].textColour, kBlue);
}

// ---- Room labels ------------------------------------------------------------------------------

class RoomLabels : public TextDrawing {
 protected:
  // A room 4000 x 3000 drawing units with its top left at (1000, 5000).
  static TRoomobj MakeRoom(const char* name, int32 width) {
    return TRoomobj(kind::LockedRoom, view::Ground, 7, 7, 1000, 5000, 1000 + width, 2000, width,
                    3000, 1, plat::RGB(240, 230, 200), 2, int32(std::strlen(name)), 5, 5, name,
                    "4000", "3000");
  }
};

TEST_F(RoomLabels, ANameThatFitsStandsAboveTheSizes) {
  DrawingList.SetTextFontName("Times New Roman");
  TRoomobj room = MakeRoom("KITCHEN", 4000);
  room.Draw(dc_, 0);

  const auto boxes = dc_.Of(DcOp::Rectangle);
  ASSERT_EQ(boxes.size(), 1u);
  // Right and down by one pixel's worth of logical units (the zoom factor).
  EXPECT_EQ(boxes[0].box, (plat::Rect{200, 396, 1004, 1000}));
  EXPECT_EQ(boxes[0].brush, plat::SolidBrush(plat::RGB(240, 230, 200)));

  const auto texts = dc_.Texts();
  ASSERT_EQ(texts.size(), 3u);
  // Font height: label size 2 x PixelScale 5 = 10 units, so lines 10 apart.
  EXPECT_EQ(texts[0].text, "KITCHEN");
  EXPECT_EQ(texts[0].from, (Point{600, 700}));
  EXPECT_EQ(texts[1].text, "4000");
  EXPECT_EQ(texts[1].from, (Point{600, 690}));
  EXPECT_EQ(texts[2].text, "3000");
  EXPECT_EQ(texts[2].from, (Point{600, 680}));
  for (const DcRecord& t : texts) {
    EXPECT_EQ(t.font.escapement, 0);
    EXPECT_EQ(t.font.height, 10);
    EXPECT_EQ(t.font.weight, plat::FW_BOLD);
    EXPECT_EQ(t.font.face, "Times New Roman");
    EXPECT_EQ(t.textAlign, plat::TA_BOTTOM | plat::TA_CENTER);
    EXPECT_EQ(t.textColour, DrawingColour);
  }
  EXPECT_EQ(dc_.GetBkMode(), plat::TRANSPARENT);
}

TEST_F(RoomLabels, ANameTooWideTurnsAllThreeTexts) {
  // 7 letters x 6 units average width = 42 > a room 40 units wide.
  TRoomobj room = MakeRoom("KITCHEN", 40);
  room.Draw(dc_, 0);
  const auto texts = dc_.Texts();
  ASSERT_EQ(texts.size(), 3u);
  const int32 cx = (1000 + 20) / 5, cy = (5000 - 1500) / 5;
  EXPECT_EQ(texts[0].from, (Point{cx, cy}));
  EXPECT_EQ(texts[1].from, (Point{cx + 6, cy})) << "two thirds of the line height apart";
  EXPECT_EQ(texts[2].from, (Point{cx - 6, cy}));
  for (const DcRecord& t : texts) EXPECT_EQ(t.font.escapement, 2700);
}

TEST_F(RoomLabels, AreUnfilledWhileWallsAreMarkedOnTheLayout) {
  BackgroundColour = plat::RGB(255, 255, 255);
  CurrentView = view::LayoutMarkingWalls;
  TRoomobj room = MakeRoom("BED", 4000);
  room.Draw(dc_, 0);
  EXPECT_EQ(dc_.Of(DcOp::Rectangle)[0].brush, plat::SolidBrush(BackgroundColour));
}

TEST_F(RoomLabels, MarginFollowsAFractionalZoom) {
  ZoomFactor = 2.5f;
  ZoomUnits = 4;
  TRoomobj room = MakeRoom("BED", 4000);
  room.Draw(dc_, 0);
  EXPECT_EQ(dc_.Of(DcOp::Rectangle)[0].box, (plat::Rect{200, 398, 1002, 1000}));
}

}  // namespace
