// The wall and plan dialogs' values: the wall types, custom walls in both
// units, the overlaid floors and the dimension settings as their files
// keep them.
#include <gtest/gtest.h>

#include "dialogs/modal.h"
#include "dialogs/plan_dialogs.h"
#include "dialogs/wall_dialogs.h"
#include "model/globals.h"
#include "platform/services.h"
#include "shell/mainform.h"
#include "tests/test_support.h"

namespace {

TEST(WallTypes, GiveTheirLayersInBothUnitsAndAddUpToTheirNominalThickness) {
  struct Case {
    int32 type;
    Layers metric, imperial;
    int32 nominalMetric;
  } cases[] = {{walltype::Cavity, {110, 55, 110}, {108, 48, 108}, 275},
               {walltype::Veneer, {110, 55, 75}, {108, 48, 72}, 240},
               {walltype::SolidBrick, {230, 0, 0}, {216, 0, 0}, 230},
               {walltype::Walling200, {200, 0, 0}, {192, 0, 0}, 200},
               {walltype::Walling150, {150, 0, 0}, {144, 0, 0}, 150},
               {walltype::Walling100, {100, 0, 0}, {96, 0, 0}, 100},
               {walltype::Walling75, {75, 0, 0}, {72, 0, 0}, 75}};
  for (const auto& c : cases) {
    const Layers m = LayersOfWallType(c.type, true), i = LayersOfWallType(c.type, false);
    EXPECT_EQ(std::tie(m.t1, m.t2, m.t3), std::tie(c.metric.t1, c.metric.t2, c.metric.t3));
    EXPECT_EQ(std::tie(i.t1, i.t2, i.t3), std::tie(c.imperial.t1, c.imperial.t2, c.imperial.t3));
    EXPECT_EQ(m.Total(), c.nominalMetric);
    EXPECT_EQ(NominalThickness(c.type, true), c.nominalMetric);
    EXPECT_EQ(NominalThickness(c.type, false), i.Total());
    EXPECT_EQ(WallTypeOf(m, true), c.type);
  }
  EXPECT_EQ(NominalThickness(walltype::Custom, true), 1);
  EXPECT_EQ(WallTypeOf({120, 0, 0}, true), walltype::Custom);
}

TEST(CustomWalls, TheOuterLeafIsWhatTheCavityAndInnerLeafLeave) {
  TTTCustwalldlg mm;
  mm.total = 300, mm.cavity = 50, mm.inner = 100;
  EXPECT_EQ(mm.Accept(), "");
  EXPECT_EQ(mm.Result().t1, 150);
  mm.cavity = 0, mm.inner = 0;
  EXPECT_EQ(mm.Result().t1, 300);
  mm.total = 150, mm.cavity = 50, mm.inner = 100;
  EXPECT_NE(mm.Accept(), "");  // nothing left for the outer leaf
  mm.total = 300, mm.cavity = 50, mm.inner = 0;
  EXPECT_NE(mm.Accept(), "");  // a cavity without an inner leaf

  // Inches, each rounded down to whole eighths (3 units of 1/24 inch).
  TTCustwallimpdlg in;
  in.total = 11.0, in.cavity = 2.0, in.inner = 4.49;  // 4 3/8 in
  EXPECT_EQ(in.Accept(), "");
  const Layers l = in.Result();
  EXPECT_EQ(l.t3, 105);
  EXPECT_EQ(l.t2, 48);
  EXPECT_EQ(l.t1, 264 - 48 - 105);
}

TEST(OverlayDialog, KeepsItsRulesInTheFileAndTheDisplayMode) {
  ScratchProgramDir dir;
  TTOverdlg o;
  o.Read();
  EXPECT_EQ(o.ground, 1);  // as shipped
  o.ground = 0;
  EXPECT_TRUE(o.Write());
  EXPECT_EQ(dir.ReadFile("CFG\\OVERLAY.CFG"), "0 1 0 0 0 0 0\n");  // nothing ticked: the ground floor
  o.first = o.second = o.basementWithGround = 1;
  o.Write();
  EXPECT_EQ(dir.ReadFile("CFG\\OVERLAY.CFG"), "0 0 0 0 0 1 0\n");
  o.showDimensions = 1;
  EXPECT_EQ(o.DisplayMode(10), 12);
  o.showDimensions = 0;
  EXPECT_EQ(o.DisplayMode(21), 23);
}

TEST(OffsetDialog, ReadsAndWritesTheSevenValuesOfTheUnits) {
  ScratchProgramDir dir;
  MetricUnits = 0;
  TTOffsetdlg d;
  d.Read();
  EXPECT_EQ(d.wallOffset, 576);
  EXPECT_EQ(d.overallOffset, 1152);
  d.textDirection = 2700;
  d.textSize = 9;
  EXPECT_TRUE(d.Write());
  EXPECT_EQ(dir.ReadFile("CFG\\IOFFSET.CFG"), "288 576 1152 2700 9 12 14\n");

  // The room-text dialog edits values 1, 4 and 6 of the same file and
  // keeps the others.
  dlg::Scripted<TTRoomtextdlg> script;
  dlg::ScopedRunner use(script);
  script.Answer([](TTRoomtextdlg& r) {
    r.roomOffset = 240;
    r.textDirection = 0;
    r.measureTextSize = 11;
  });
  plat::ManualTimer timer;
  TMainForm form(timer);
  form.CmRoomTextsExecute();
  EXPECT_EQ(dir.ReadFile("CFG\\IOFFSET.CFG"), "240 576 1152 0 9 11 14\n");
}

}  // namespace
