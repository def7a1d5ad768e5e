// The two centring aids: the middle of two clicks, and the centre of a
// rectangle from three corners clicked clockwise.
#include <gtest/gtest.h>

#include "platform/recording_dc.h"
#include "tests/test_support.h"
#include "tools/linetool.h"
#include "tools/texttool.h"

namespace {

// Client pixels map to logical units one to one (y up from the bottom), and
// drawing units are five times that.
class Centring : public ::testing::Test {
 protected:
  void SetUp() override {
    DefaultTestUi().cursor = {};
  }
  plat::Point PixelOf(int32 x, int32 y) const { return {x / 5, 346 - y / 5}; }
  void CentreAt(TDrawingtool& t, int32 x, int32 y) {
    const plat::Point p = PixelOf(x, y);
    t.CentreClick(dc, client, p.x, p.y);
  }
  void CornerAt(TDrawingtool& t, int32 x, int32 y) {
    const plat::Point p = PixelOf(x, y);
    t.CentreCentreClick(dc, client, p.x, p.y);
  }
  plat::Point Pointer() const {
    const plat::Point c = DefaultTestUi().cursor;
    return {c.x * 5, (346 - c.y) * 5};
  }

  ScratchProgramDir dir;
  plat::RecordingDC dc;
  const plat::Rect client{0, 0, 624, 346};
};

TEST_F(Centring, CentreTakesTheMiddleOfTwoClicksAndResumes) {
  TLineobjtool t;
  t.SavedStep = 0;
  t.Step = toolstep::CentreFirst;
  CentreAt(t, 1000, 1000);
  EXPECT_EQ(t.Step, toolstep::CentreSecond);
  CentreAt(t, 2000, 1500);
  EXPECT_EQ(std::tie(t.X1, t.Y1), std::make_tuple(1500, 1250));
  EXPECT_EQ(Pointer(), (plat::Point{1500, 1250}));
  EXPECT_EQ(t.Step, 0);
}

TEST_F(Centring, HalvingNeverPassesTheTrueMiddle) {
  PixelScale = 1;
  TLineobjtool t;
  // The first point (0, 0) lies on the margin of the window, so it is set
  // here; the second click is the logical point (7, 3).
  t.Step = toolstep::CentreSecond;
  t.X2 = 0;
  t.Y2 = 0;
  t.CentreClick(dc, client, 7, 346 - 3);
  EXPECT_EQ(std::tie(t.X1, t.Y1), std::make_tuple(3, 1));
}

TEST_F(Centring, ClicksOnTheLeftOrTopMarginAreIgnored) {
  TLineobjtool t;
  t.Step = toolstep::CentreFirst;
  t.CentreClick(dc, client, 2, 50);
  t.CentreCentreClick(dc, client, 50, 2);
  EXPECT_EQ(t.Step, toolstep::CentreFirst);
}

TEST_F(Centring, CentreCentreTakesXFromTheFirstSideAndYFromTheSecond) {
  TLineobjtool t;
  t.SavedStep = 0;
  t.Step = toolstep::CentreCentreFirst;
  // A = (100, 500), B = (400, 500), C = (400, 100), in steps of 3 units.
  CornerAt(t, 300, 1500);
  CornerAt(t, 1200, 1500);
  CornerAt(t, 1200, 300);
  EXPECT_EQ(std::tie(t.X1, t.Y1), std::make_tuple(750, 900));
  EXPECT_EQ(Pointer(), (plat::Point{750, 900}));
  EXPECT_EQ(t.Step, 0);
}

TEST_F(Centring, ASloppyFirstSideGivesBothCoordinates) {
  TLineobjtool t;
  t.Step = toolstep::CentreCentreFirst;
  CornerAt(t, 1000, 500);
  CornerAt(t, 3000, 1500);
  CornerAt(t, 2000, 1000);  // ignored: A and B already decide both
  EXPECT_EQ(std::tie(t.X1, t.Y1), std::make_tuple(2000, 1000));
}

TEST_F(Centring, CornersThatSpanNoRectangleKeepWaitingForTheThird) {
  TLineobjtool t;
  t.SavedStep = 0;
  t.Step = toolstep::CentreCentreFirst;
  CornerAt(t, 1000, 1500);
  CornerAt(t, 3000, 1500);
  DefaultTestUi().cursor = {7, 7};
  // Within 20 x PixelScale of the second corner's y: no height to halve.
  CornerAt(t, 3000, 1550);
  EXPECT_EQ(t.Step, toolstep::CentreCentreThird);
  EXPECT_EQ(DefaultTestUi().cursor, (plat::Point{7, 7}));
  CornerAt(t, 3000, 500);
  EXPECT_EQ(std::tie(t.X1, t.Y1), std::make_tuple(2000, 1000));
  EXPECT_EQ(t.Step, 0);
}

TEST_F(Centring, TextToolsStayDoneSoTheWindowAsksForTheTextClick) {
  TTextobjtool t;
  t.SavedStep = 0;
  t.Step = toolstep::CentreCentreFirst;
  CornerAt(t, 1000, 500);
  CornerAt(t, 3000, 500);
  CornerAt(t, 3000, 1500);
  EXPECT_EQ(t.Step, toolstep::CentreCentreDone);
}

TEST_F(Centring, TheLineToolPassesCentringClicksOn) {
  TLineobjtool t;
  t.Step = toolstep::CentreFirst;
  const plat::Point p = PixelOf(1000, 1000);
  t.MouseDown(dc, client, p.x, p.y);
  EXPECT_EQ(t.Step, toolstep::CentreSecond);
  EXPECT_EQ(t.ButtonDown, 0);
}

}  // namespace
