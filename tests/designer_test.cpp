// The furniture and fixture designer: every kind built from its shipped
// parameters and within a clear span, its dialogs' checks, and the whole
// round from the Easy Draw command to the symbol placed in the plan and
// kept in a library.
#include <algorithm>
#include <cmath>
#include <functional>

#include "designer/fixture_dialogs.h"
#include "designer/fixture_generator.h"
#include "designer/fixture_kinds.h"
#include "designer/miscdesigner.h"
#include "dialogs/addtolibdlg.h"
#include "dialogs/liblistdlg.h"
#include "storage/record_codec.h"
#include "tests/routing_fixture.h"
#include "tools/moveobjtool.h"

namespace {

struct Extent {
  int32 minX = 1 << 30, maxX = -(1 << 30), minY = 1 << 30, maxY = -(1 << 30);
  int32 Width() const { return maxX - minX; }
};

Extent ExtentOf(const TFlist& list, int32 first = 0) {
  Extent e;
  auto add = [&](int32 x, int32 y) {
    e.minX = std::min(e.minX, x);
    e.maxX = std::max(e.maxX, x);
    e.minY = std::min(e.minY, y);
    e.maxY = std::max(e.maxY, y);
  };
  for (int32 i = first; i < list.Count(); ++i) {
    const TObj& o = *list.At(i);
    if (const auto* p = dynamic_cast<const TPolyobj*>(&o)) {
      for (int32 k = 0; k < p->PointCount; ++k) add(p->PointX[k], p->PointY[k]);
    } else if (!kind::IsTextKind(o.Kind)) {
      add(o.X1, o.Y1);
      add(o.X2, o.Y2);
    }
  }
  return e;
}

class Designer : public ::testing::TestWithParam<int32> {
 protected:
  ScratchProgramDir dir;
};

// Each kind, in both units: the shipped file holds the defaults, the symbol
// is made of the fixture kinds under one group id on the given floor, and
// a clear span holds (or, for worktops and baths, sets) its size across.
TEST_P(Designer, BuildsFromShippedParametersAndWithinASpan) {
  const int32 k = GetParam();
  for (int32 metric : {1, 0}) {
    SCOPED_TRACE(metric ? "metric" : "imperial");
    MetricUnits = metric;
    PixelScale = metric ? 5 : 6;
    const std::vector<int32> values = fixture::ReadParams(k);
    EXPECT_EQ(values, fixture::DefaultParams(k));
    TFlist list;
    const int32 n = fixture::Generate(list, k, values, 1000, 2000, view::First, 120007);
    ASSERT_GT(n, 0);
    ASSERT_EQ(n, list.Count());
    for (int32 i = 0; i < n; ++i) {
      const TObj& e = *list.At(i);
      EXPECT_EQ(e.Floor, view::First);
      EXPECT_EQ(e.LinkId, 120007);
      EXPECT_TRUE(storage::HasLayout(e.Kind)) << "kind " << e.Kind << " is not kept in files";
      if (kind::IsPolygonKind(e.Kind)) {
        const bool worktop = k == fixture::Worktop;
        EXPECT_TRUE(worktop ? (e.Kind == 6600 || e.Kind == 6500) : (e.Kind >= 6100 && e.Kind < 6600))
            << e.Kind;
      }
    }
    const fixture::KindSpec& info = fixture::SpecOf(k);
    if (info.acrossField < 0) continue;
    // A span narrower than the symbol (but not than its smallest size).
    const Extent whole = ExtentOf(list);
    const int32 low = info.fields[info.acrossField].type == fixture::FieldType::Length
                          ? (metric ? info.fields[info.acrossField].low
                                    : info.fields[info.acrossField].lowIn * 24)
                          : 0;
    const int32 span = std::max(whole.Width() * 3 / 4, low + 50);
    std::vector<int32> fitted = values;
    fixture::FitToSpan(k, span, fitted);
    TFlist inSpan;
    fixture::Generate(inSpan, k, fitted, 0, 0, view::Ground, 1);
    const Extent e = ExtentOf(inSpan);
    EXPECT_LE(e.Width(), span) << "across " << fitted[info.acrossField];
    if (info.fillsSpan) {
      EXPECT_EQ(e.Width(), span);
      // A wider span is filled too.
      std::vector<int32> wide = values;
      fixture::FitToSpan(k, whole.Width() + 100, wide);
      EXPECT_EQ(wide[info.acrossField], values[info.acrossField] + 100);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, Designer,
    ::testing::Values(fixture::Bed, fixture::Table, fixture::Stairs, fixture::Bath, fixture::Lounge,
                      fixture::Sink, fixture::Shower, fixture::Cooktop, fixture::Vanity,
                      fixture::Plant, fixture::Lights, fixture::Worktop),
    [](const auto& info) { return std::string(fixture::SpecOf(info.param).name); });

TEST(DesignerShapes, FanBladesTurnRoundTheHubAndRoundTablesRingTheirChairs) {
  ScratchProgramDir dir;
  MetricUnits = 1;
  PixelScale = 5;
  std::vector<int32> v = fixture::DefaultParams(fixture::Lights);
  v[fixture::lights::What] = fixture::lights::IsFan;
  for (int32 blades : {3, 4}) {
    v[fixture::lights::Blades] = blades;
    TFlist list;
    fixture::Generate(list, fixture::Lights, v, 0, 0, view::Ground, 5);
    int32 count = 0;
    for (int32 i = 0; i < list.Count(); ++i) {
      const auto* p = dynamic_cast<const TPolyobj*>(list.At(i));
      if (!p || p->Kind != fixture::kFanBlade) continue;
      ++count;
      // Each blade's tip lies on the fan's rim, 600 from the hub's centre.
      const double mx = (p->PointX[1] + p->PointX[2]) / 2.0 - 600;
      const double my = (p->PointY[1] + p->PointY[2]) / 2.0 - 600;
      EXPECT_NEAR(std::hypot(mx, my), 600, 8);
    }
    EXPECT_EQ(count, blades);
  }
  std::vector<int32> t = fixture::DefaultParams(fixture::Table);
  t[fixture::table::Shape] = fixture::table::Round;
  t[fixture::table::Width] = 1200;
  t[fixture::table::Chairs] = 4;
  TFlist round;
  fixture::Generate(round, fixture::Table, t, 0, 0, view::Ground, 5);
  const Extent e = ExtentOf(round);
  EXPECT_EQ(e.Width(), e.maxY - e.minY);  // four chairs at the quarters
}

TEST(DesignerDialogs, ShowLengthsInTheDrawingsUnitsAndCheckRanges) {
  ScratchProgramDir dir;
  MetricUnits = 0;
  TBedDlg bed(fixture::ReadParams(fixture::Bed));
  EXPECT_EQ(bed.shown[fixture::bed::Width], 60);  // inches
  dlg::Form f;
  bed.Describe(f);
  EXPECT_EQ(f.Fields()[0].label, "Width (inches)");
  bed.shown[fixture::bed::Width] = 100;
  EXPECT_EQ(f.Validate(), "Width (inches) 24 to 90 input is incorrect");
  bed.shown[fixture::bed::Width] = 54;
  EXPECT_EQ(bed.Values()[fixture::bed::Width], 54 * 24);

  MetricUnits = 1;
  TFansDlg fans(fixture::ReadParams(fixture::Lights));
  dlg::Form ff;
  fans.Describe(ff);
  ASSERT_EQ(ff.Fields().size(), 2u);  // only the fan's own parameters
  EXPECT_EQ(ff.Fields()[1].label, "Blades");
  // A damaged file falls back on the defaults for what is out of range.
  dir.WriteFile("CFG\\BEDM.CFG", "99999 2030 7\n");
  EXPECT_EQ(fixture::ReadParams(fixture::Bed), fixture::DefaultParams(fixture::Bed));
}

// ---- The whole round through the plan window ------------------------------------------

class DesignerRound : public PlanWindowTest {
 protected:
  dlg::InstalledScript<TEasydrawdlg> picker;
  dlg::InstalledScript<TBedDlg> bedDialog;
  dlg::InstalledScript<TStairsDlg> stairsDialog;
  dlg::InstalledScript<TMiscChild> window;
  dlg::InstalledScript<TTAddtolibdlg> addToLibrary;

  void SetUp() override {
    PlanWindowTest::SetUp();
    // Two partitions whose facing lines stand 1400 apart.
    for (int32 x : {1000, 2500}) {
      auto* w = new TInwallobj();
      w->Floor = CurrentView;
      w->X1 = w->X2 = x;
      w->Line2X1 = w->Line2X2 = x + 100;
      w->Y1 = w->Line2Y1 = 0;
      w->Y2 = w->Line2Y2 = 5000;
      DrawingList.Add(w);
    }
    NextGroupNumber = 30;
    DrawingList.WriteDrawingFile(dtDrawing);
  }
};

TEST_F(DesignerRound, ABedSizedToTheSpanIsDesignedKeptInALibraryAndPlaced) {
  picker.Answer([](TEasydrawdlg& d) { d.item = 1; });
  form->CmEasyDrawExecute();
  EXPECT_EQ(Tool()->Type, tooltype::ClearSpan);
  EXPECT_EQ(form->st.PanelText(panel::Guide),
            "GUIDE: click Left Button where the Bed is to go - it is sized to fit between the "
            "walls there");

  int32 shownWidth = 0;
  bedDialog.Answer([&](TBedDlg& d) { shownWidth = d.shown[fixture::bed::Width]; });
  // Show Changes: one pillow.
  bedDialog.Answer([](TBedDlg& d) { d.shown[fixture::bed::Pillows] = 1; });
  int32 previewCount = 0;
  window.Answer([&](TMiscChild& m) {
    previewCount = m.Preview().Count();
    ASSERT_TRUE(m.ShowChanges());
  });
  ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbYes | plat::mbNo, plat::mrYes)
      .WithText("do you want to add this object to your libraries ?");
  addToLibrary.Answer([](TTAddtolibdlg& d) {
    d.name = "Narrow bed";
    d.category = library::Furniture;
  });
  const int32 first = DrawingList.Count();
  const int before = UndoSteps();
  Click(1800, 2500);
  EXPECT_EQ(shownWidth, 1400);       // the span between the partitions' faces
  EXPECT_GT(previewCount, 0);
  EXPECT_EQ(dir.ReadFile("CFG\\BEDM.CFG"), "1400 2030 1 1\n");
  EXPECT_TRUE(dir.Exists("LIBS\\Narrow bed.FUM"));
  EXPECT_EQ(UndoSteps(), before + 1);
  EXPECT_EQ(Tool()->Type, tooltype::Move);
  EXPECT_EQ(Tool()->Step, framestep::Placing);
  EXPECT_EQ(form->st.PanelText(panel::Tool), "Move Rotate");
  EXPECT_EQ(form->st.PanelText(panel::Guide),
            "GUIDE: click new position with Left Button (fine tune with arrow keys, press Enter "
            "to lock position)");

  // The symbol stands a little inside the window's corner until it is placed.
  DrawingList.ReadDrawingFile(dtDrawing);
  ASSERT_GT(DrawingList.Count(), first);
  const Extent at = ExtentOf(DrawingList, first);
  EXPECT_EQ(at.minX, 500);
  EXPECT_EQ(at.Width(), 1400);
  for (int32 i = first; i < DrawingList.Count(); ++i) EXPECT_EQ(DrawingList.At(i)->LinkId, 100031);

  Click(1800, 2500);
  Key(plat::VK_RETURN);
  DrawingList.ReadDrawingFile(dtDrawing);
  const Extent placed = ExtentOf(DrawingList, first);
  EXPECT_NEAR((placed.minX + placed.maxX) / 2, 1800, 10);
  EXPECT_NEAR((placed.minY + placed.maxY) / 2, 2500, 10);
  EXPECT_EQ(Tool()->Type, tooltype::Pick);
}

TEST_F(DesignerRound, StairsAreNotOfferedToALibraryAndCancelPlacesNothing) {
  form->CmStairsExecute();
  stairsDialog.Answer();
  window.Answer();
  Click(1800, 2500);
  EXPECT_EQ(form->st.PanelText(panel::Guide),
            "GUIDE: click new position with Left Button (fine tune with arrow keys) - bottom "
            "tread is at bottom of screen");

  // Cancel in the designer window: nothing is added.
  form->CmStairsExecute();
  stairsDialog.Answer();
  window.Cancel();
  const int32 count = DrawingList.Count();
  Click(1800, 2500);
  DrawingList.ReadDrawingFile(dtDrawing);
  EXPECT_EQ(DrawingList.Count(), count);
  EXPECT_EQ(Tool()->Type, tooltype::Pick);
}

// A window scrolled past the sheet's bottom left corner shows more than the
// sheet: the symbol stands a little inside the sheet's corner, not the
// window's, so that it is on the sheet until it is placed.
TEST_F(DesignerRound, ASymbolStandsOnTheSheetWhenTheWindowShowsMoreThanIt) {
  WindowOrgX = -100;
  WindowOrgY = -50;
  form->CmStairsExecute();
  stairsDialog.Answer();
  window.Answer();
  const int32 first = DrawingList.Count();
  Click(1800, 1000);
  DrawingList.ReadDrawingFile(dtDrawing);
  ASSERT_GT(DrawingList.Count(), first);
  const Extent at = ExtentOf(DrawingList, first);
  EXPECT_EQ(at.minX, 500);
  EXPECT_EQ(at.minY, 500);
}

// "Show Changes" only shows: a design cancelled in the designer window
// leaves the kind's file, and so the next design's defaults, as they were.
TEST_F(DesignerRound, ACancelledDesignLeavesTheKindsFileAsItWas) {
  struct ShowChangesThenCancel : dlg::Runner<TMiscChild> {
    bool Run(TMiscChild& m) override {
      EXPECT_TRUE(m.ShowChanges());
      return false;
    }
  } cancelling;
  dlg::ScopedRunner<TMiscChild> use(cancelling);
  const std::string before = dir.ReadFile("CFG\\BEDM.CFG");
  picker.Answer([](TEasydrawdlg& d) { d.item = 1; });
  form->CmEasyDrawExecute();
  bedDialog.Answer();
  bedDialog.Answer([](TBedDlg& d) { d.shown[fixture::bed::Pillows] = 1; });
  const int32 count = DrawingList.Count();
  Click(1800, 2500);
  EXPECT_EQ(dir.ReadFile("CFG\\BEDM.CFG"), before);
  DrawingList.ReadDrawingFile(dtDrawing);
  EXPECT_EQ(DrawingList.Count(), count);
  EXPECT_EQ(Tool()->Type, tooltype::Pick);
}

// A symbol placed with a click and locked with Enter, from each of the
// three places symbols come from: Undo takes it away whole, and the drawing
// is what it was before the symbol came.
TEST_F(DesignerRound, UndoRightAfterPlacingASymbolTakesItAwayWhole) {
  Open(false);  // feet and inches
  DrawingList.Add(new TLineobj(kind::Line, CurrentView, 0, 0, 600, 0, 1800, 0, 1200, 1200, 0,
                               900, DrawingColour, 1, 0));
  DrawingList.WriteDrawingFile(dtDrawing);
  form->CmCopyExecute();
  Drag(500, 1100, 1900, 1300);
  form->CmAddToLibraryExecute();
  addToLibrary.Answer([](TTAddtolibdlg& d) {
    d.name = "Bench";
    d.category = library::Furniture;
  });
  Drag(500, 1100, 1900, 1300);
  dlg::InstalledScript<TWorktopDlg> worktop;
  dlg::InstalledScript<TTLiblistdlg> list;

  struct Source {
    const char* name;
    std::function<void()> bring;
  } sources[] = {
      {"Easy Draw",
       [&] {
         picker.Answer([](TEasydrawdlg& d) { d.item = 8; });  // Worktop
         form->CmEasyDrawExecute();
         worktop.Answer();
         window.Answer();
         Click(2500, 600);  // where it is to go
       }},
      {"a library",
       [&] {
         list.Answer([](TTLiblistdlg& d) { d.Choose(0); });
         form->CmFurnitureExecute();
       }},
      {"the paste buffer", [&] { form->CmPasteExecute(); }},
  };
  for (const Source& s : sources) {
    SCOPED_TRACE(s.name);
    DrawingList.ReadDrawingFile(dtDrawing);
    const int32 before = DrawingList.Count();
    s.bring();
    Click(3000, 1600);
    Key(plat::VK_RETURN);
    DrawingList.ReadDrawingFile(dtDrawing);
    ASSERT_GT(DrawingList.Count(), before);
    child->Undo();
    DrawingList.ReadDrawingFile(dtDrawing);
    EXPECT_EQ(DrawingList.Count(), before);
  }
}

}  // namespace
