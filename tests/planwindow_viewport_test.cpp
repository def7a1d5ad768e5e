// The drawing window's view of the sheet: viewport set-up on resize, the
// zoom styles, the zoom-up box, centring and the scroll bars, checked through
// the mapping globals, the scroll bars shown and the settings files written.
#include <gtest/gtest.h>

#include <filesystem>

#include "model/flist.h"
#include "model/globals.h"
#include "planwindow/childwin.h"
#include "tests/planwindow_fixture.h"

namespace {

using planfix::PlanHost;

class Viewport : public ::testing::Test {
 protected:
  ScratchProgramDir dir;
  plat::ManualTimer timer;
  TMainForm form{timer};
  PlanHost host{{800, 500}};
  std::unique_ptr<TMDIChild> child;

  void SetUp() override {
    DrawingList.SetDrawingName("VIEW");
    InitDrawingList();
    DrawingList.WriteDrawingFile(dtDrawing);
    child = std::make_unique<TMDIChild>(host);
    host.child = child.get();
  }
  void TearDown() override { host.child = nullptr; }

  void Metric(bool metric) {
    MetricUnits = metric ? 1 : 0;
    PixelScale = metric ? 5 : 6;
    ZoomUnits = metric ? 5 : 4;
    ZoomFactor = float(ZoomUnits);
  }
};

TEST_F(Viewport, NormalZoomOnAMetricWindowCoversFourThousandByTwoAndAHalfThousandUnits) {
  dir.WriteFile("CFG\\DWGSIZEM.CFG", "8000 6000");
  child->SetupViewport(2);
  child->ApplyZoom(zoomstyle::Normal);

  EXPECT_EQ(WindowExtX, 4000);
  EXPECT_EQ(WindowExtY, 2500);
  EXPECT_FLOAT_EQ(ZoomFactor, 5.0f);
  EXPECT_EQ(ZoomStyle, zoomstyle::Normal);
  EXPECT_EQ(ViewState, 2);
  // The scroll bars carry the sheet at one pixel per five units.
  EXPECT_EQ(host.horz.range, 1600);
  EXPECT_TRUE(host.horz.visible);
  EXPECT_EQ(form.st.PanelText(panel::ScreenScale), "1 pixel = 25 mm");
}

TEST_F(Viewport, TheSheetTakesTheWindowsProportionsInWholeStepsAndIsRemembered) {
  dir.WriteFile("CFG\\DWGSIZEM.CFG", "8000 6000");
  child->SetupViewport(2);
  // 8000 x 2500 / 4000 = 5000, a multiple of 25.
  EXPECT_EQ(DrawingHeight, 5000);
  EXPECT_EQ(dir.ReadFile("CFG\\DWGSIZEM.CFG"), "8000 5000");
  EXPECT_EQ(dir.ReadFile("CFG\\ZOOM.CFG"), "4000 2500");
  EXPECT_EQ(dir.ReadFile("CFG\\ZSTAT.CFG"), "0 4000 2500 2000 1250 5.000000");
  // Centred: the origin and the bars agree.
  EXPECT_EQ(WindowOrgX, 2000);
  EXPECT_EQ(child->HorzPosition(), 400);
  EXPECT_EQ(child->VertPosition(), 250);

  host.Resize({700, 433});
  // 8000 x 2165 / 3500 = 4948 -> 4925.
  EXPECT_EQ(DrawingHeight, 4925);
  EXPECT_EQ(DrawingHeight % 25, 0);

  Metric(false);
  dir.WriteFile("CFG\\DWGSIZEI.CFG", "9600 7200");
  host.Resize({800, 500});
  EXPECT_EQ(DrawingHeight % 24, 0);
  EXPECT_EQ(DrawingHeight, 6000);
}

TEST_F(Viewport, EachHalfZoomAddsANormalWindowUntilTheSheetIsFull) {
  dir.WriteFile("CFG\\DWGSIZEM.CFG", "16000 10000");
  child->SetupViewport(2);  // normal extents 4000 x 2500 written to ZOOM.CFG
  child->ApplyZoom(zoomstyle::Half);
  EXPECT_EQ(WindowExtX, 8000);
  EXPECT_FLOAT_EQ(ZoomFactor, 10.0f);
  child->ApplyZoom(zoomstyle::Half);
  EXPECT_EQ(WindowExtX, 12000);
  EXPECT_EQ(WindowExtY, 7500);
  child->ApplyZoom(zoomstyle::Half);
  EXPECT_EQ(WindowExtX, 16000);
  // One more would not fit on the sheet: the extent stays.
  child->ApplyZoom(zoomstyle::Half);
  EXPECT_EQ(WindowExtX, 16000);
  EXPECT_EQ(ZoomStyle, zoomstyle::Half);
}

TEST_F(Viewport, HalfZoomWithoutTheNormalExtentsKeepsTheWindowAsItIs) {
  dir.WriteFile("CFG\\DWGSIZEM.CFG", "8000 6000");
  child->SetupViewport(2);
  std::filesystem::remove(dir.Path("CFG\\ZOOM.CFG"));
  child->ApplyZoom(zoomstyle::Half);
  EXPECT_EQ(WindowExtX, 4000);
  EXPECT_EQ(WindowExtY, 2500);
  EXPECT_FLOAT_EQ(ZoomFactor, 5.0f);
}

TEST_F(Viewport, AMinimisedWindowKeepsItsViewAndDividesByNothing) {
  dir.WriteFile("CFG\\DWGSIZEM.CFG", "8000 6000");
  child->SetupViewport(2);
  const int32 ext = WindowExtX, org = WindowOrgX, height = DrawingHeight;

  host.Resize({0, 0});
  for (int32 style : {zoomstyle::Normal, zoomstyle::Half, zoomstyle::Fit}) child->ApplyZoom(style);
  child->FitZoomToWindow();
  child->OnPaint();

  EXPECT_EQ(WindowExtX, ext);
  EXPECT_EQ(WindowOrgX, org);
  EXPECT_EQ(DrawingHeight, height);
  EXPECT_FLOAT_EQ(ZoomFactor, 5.0f);
  EXPECT_TRUE(host.window.Drawn().empty());
}

TEST_F(Viewport, FitEndsOnAWholeNumberOfUnitsPerPixelAndNeverCloserThanOne) {
  WindowExtX = 2000;  // 2.5 units per pixel on 800 pixels
  child->FitZoomToWindow();
  EXPECT_FLOAT_EQ(ZoomFactor, 3.0f);
  EXPECT_EQ(WindowExtX, 2400);
  EXPECT_EQ(WindowExtY, 1500);

  WindowExtX = 1600;  // exactly 2
  child->FitZoomToWindow();
  EXPECT_FLOAT_EQ(ZoomFactor, 2.0f);

  WindowExtX = 400;  // 0.5
  child->FitZoomToWindow();
  EXPECT_FLOAT_EQ(ZoomFactor, 1.0f);
}

TEST_F(Viewport, FitOfAViewWithNothingMeasuredOnlyRepaints) {
  dir.WriteFile("CFG\\DWGSIZEM.CFG", "8000 6000");
  child->SetupViewport(2);
  const int32 ext = WindowExtX;
  host.window.Drawn().clear();
  child->ApplyZoom(zoomstyle::Fit);
  EXPECT_EQ(WindowExtX, ext);
  EXPECT_TRUE(host.window.HasInvalidArea());
}

class ZoomBox : public Viewport {
 protected:
  void Drag(plat::Point from, plat::Point to) {
    plat::RecordingDC dc({800, 500});
    form.CurrentTool()->PickedFloor() = kZoomBoxArmed;
    child->ZoomBox(1, dc, 0, from.x, from.y);
    child->TrackZoomBox(dc, 0, to.x, to.y);
    child->ZoomBox(2, dc, 0, to.x, to.y);
  }
  void Normal() {
    dir.WriteFile("CFG\\DWGSIZEM.CFG", "8000 6000");
    child->SetupViewport(2);
    child->ApplyZoom(zoomstyle::Normal);
  }
};

TEST_F(ZoomBox, DrawnEitherWayRoundGivesTheSameView) {
  Normal();
  Drag({100, 100}, {300, 200});
  const int32 ext = WindowExtX, orgX = WindowOrgX, orgY = WindowOrgY;
  const float zoom = ZoomFactor;

  Normal();
  Drag({300, 200}, {100, 100});
  EXPECT_EQ(WindowExtX, ext);
  EXPECT_EQ(WindowOrgX, orgX);
  EXPECT_EQ(WindowOrgY, orgY);
  EXPECT_FLOAT_EQ(ZoomFactor, zoom);
  EXPECT_EQ(form.CurrentTool()->PickedFloor(), CurrentView);
}

TEST_F(ZoomBox, ASmallBoxStopsAtOneUnitPerPixelAndMetricShowsNoCaution) {
  Normal();
  form.st.SetPanelText(panel::Guide, "GUIDE:");
  Drag({100, 100}, {120, 110});
  EXPECT_FLOAT_EQ(ZoomFactor, 1.0f);
  EXPECT_EQ(WindowExtX, 800);
  EXPECT_EQ(form.st.PanelText(panel::Guide), "GUIDE:");
}

TEST_F(ZoomBox, ImperialDrawingsAreWarnedAboutFeetAndInches) {
  Metric(false);
  dir.WriteFile("CFG\\DWGSIZEI.CFG", "9600 7200");
  child->SetupViewport(2);
  child->ApplyZoom(zoomstyle::Normal);
  Drag({100, 100}, {300, 300});
  EXPECT_EQ(form.st.PanelText(panel::Guide),
            "CAUTION: Zoom Up may not give precise measurements using feet & inches");
}

TEST_F(ZoomBox, ABoxWithoutWidthKeepsTheRubberBandGoing) {
  Normal();
  const int32 ext = WindowExtX;
  plat::RecordingDC dc({800, 500});
  form.CurrentTool()->PickedFloor() = kZoomBoxArmed;
  child->ZoomBox(1, dc, 0, 100, 100);
  child->ZoomBox(2, dc, 0, 100, 300);
  EXPECT_EQ(WindowExtX, ext);
  EXPECT_EQ(form.CurrentTool()->PickedFloor(), kZoomBoxDragging);
}

TEST_F(Viewport, ScrollingStepsByLinesAndPagesAndStaysOnTheBar) {
  dir.WriteFile("CFG\\DWGSIZEM.CFG", "8000 6000");
  child->SetupViewport(2);  // horizontal range 1600, position 400
  child->HorzScroll(scrollcode::LineDown, 0);
  EXPECT_EQ(child->HorzPosition(), 405);
  child->HorzScroll(scrollcode::PageUp, 0);
  EXPECT_EQ(child->HorzPosition(), 155);
  child->HorzScroll(scrollcode::PageUp, 0);
  EXPECT_EQ(child->HorzPosition(), 0);

  child->HorzScroll(scrollcode::ThumbPosition, 1500);
  child->HorzScroll(scrollcode::PageDown, 0);
  EXPECT_EQ(child->HorzPosition(), 1600) << "a page near the end stops exactly at the range";

  // Thumb positions are held to the bar too, and are not cut to 16 bits.
  child->VertScroll(scrollcode::ThumbTrack, 70000);
  EXPECT_EQ(child->VertPosition(), child->VertRange);
  child->VertScroll(scrollcode::ThumbTrack, -5);
  EXPECT_EQ(child->VertPosition(), 0);
  child->VertScroll(6, 300);
  EXPECT_EQ(child->VertPosition(), 0);
  EXPECT_EQ(host.vert.position, 0);

  // Imperial lines are four pixels, pages 48 lines.
  Metric(false);
  child->HorzScroll(scrollcode::ThumbPosition, 500);
  child->HorzScroll(scrollcode::LineUp, 0);
  child->HorzScroll(scrollcode::PageDown, 0);
  EXPECT_EQ(child->HorzPosition(), 500 - 4 + 192);
}

TEST_F(Viewport, BigSheetsScrollBeyondSixteenBits) {
  dir.WriteFile("CFG\\DWGSIZEM.CFG", "400000 300000");
  ZoomFactor = 1.0f;
  child->SetupViewport(2);
  child->HorzScroll(scrollcode::ThumbTrack, 300000);
  EXPECT_EQ(child->HorzPosition(), 300000);
  host.window.InvalidateRect(nullptr);
  ViewState = 2;
  host.Paint();
  EXPECT_EQ(WindowOrgX, 300000);
}

TEST(NearestWhole, RoundsHalvesUpOnTheHundredthsAndTruncatesNegatives) {
  EXPECT_EQ(TMDIChild::NearestWhole(250.0f), 3);
  EXPECT_EQ(TMDIChild::NearestWhole(249.9f), 2);
  EXPECT_EQ(TMDIChild::NearestWhole(1000.0f), 10);
  EXPECT_EQ(TMDIChild::NearestWhole(-260.0f), -2);
}

}  // namespace
