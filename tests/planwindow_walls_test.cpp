// External walls as a user makes them: a new drawing started with the
// walls, the construction chosen, the outline traced with the keys and the
// mouse in both unit systems, closed with F, and the finished floor
// checked in the live file; the outline of the layout; the upper floors.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "building/extwall_join.h"
#include "dialogs/feetdlg.h"
#include "dialogs/plan_dialogs.h"
#include "dialogs/wall_dialogs.h"
#include "model/view_mapping.h"
#include "platform/keys.h"
#include "tests/planwindow_fixture.h"

std::string StartPointReadout(int32 toolType, int32 h, int32 v);

namespace {

using P = plat::Point;
constexpr const char* kLive = "DWGS\\HOUSE.KWV";

class WallStory : public planfix::ShellTest {
 protected:
  plat::ScriptedUi& ui = DefaultTestUi();
  dlg::InstalledScript<TTExtwalldlg> wallType;
  dlg::InstalledScript<TTTCustwalldlg> customMetric;
  dlg::InstalledScript<TTCustwallimpdlg> customImperial;
  dlg::InstalledScript<Tsecdlg> side;
  dlg::InstalledScript<TTFeetdlg> feet;
  dlg::InstalledScript<TTAreadlg> areas;

  // A new drawing whose walls are chosen of this type, inner lines on `s`.
  void NewWithWalls(int32 type, int32 s = innerside::Right, int32 metric = 1) {
    wallType.Answer([type](TTExtwalldlg& d) { d.type = type; });
    side.Answer([s](Tsecdlg& d) { d.side = s; });
    NewDrawing("HOUSE", metric);
  }
  P PixelOf(int32 x, int32 y) {
    plat::WindowDC dc(Child().Surface());
    int32 px = 0, py = 0;
    WorldToDevice(*dc, Child().ClientRect(), x / PixelScale, y / PixelScale, px, py);
    return {px, py};
  }
  void PointAt(int32 x, int32 y) { ui.cursor = Window().window.ClientToScreen(PixelOf(x, y)); }
  void Key(int key) { Child().FormKeyDown(key, false); }
  void EnterAt(int32 x, int32 y) {
    PointAt(x, y);
    Key(plat::VK_RETURN);
  }
  // An arrow step of a typed distance in millimetres.
  void Step(int key, const char* prompt, const char* mm) {
    ui.ExpectInput(mm).WithPrompt(prompt);
    Key(key);
  }
  // An arrow step in feet, inches and eighths.
  void StepFeet(int key, int32 ft, int32 in, int32 eighths = 0) {
    feet.Answer([=](TTFeetdlg& d) {
      d.Feet = ft;
      d.Inches = in;
      d.Eighths = eighths;
    });
    Key(key);
  }
  // A new drawing of 200 mm walling with three walls traced with the keys
  // from (16000, 12000): up 3000, right 4000 and down 3000, the floor open.
  void TraceThreeWalls() {
    NewWithWalls(walltype::Walling200);
    EnterAt(16000, 12000);
    Step(plat::VK_UP, "UP", "3000");
    Step(plat::VK_RIGHT, "RIGHT", "4000");
    Step(plat::VK_DOWN, "DOWN", "3000");
  }
  void ExpectAreaReport(const std::string& area) {
    ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbYes, plat::mrYes)
        .Containing("Total Building Area this floor: " + area);
  }
  std::vector<TExtwallobj> WallsInFile(int32 floor = view::Ground) {
    DrawingList.Clear();
    DrawingList.ReadDrawingFile(dtDrawing);
    std::vector<TExtwallobj> out;
    for (int32 i = 6; i < DrawingList.Count(); ++i)
      if (auto* w = dynamic_cast<TExtwallobj*>(DrawingList.At(i)); w && w->Floor == floor)
        out.push_back(*w);
    return out;
  }
  int32 CountInFile(int32 k, int32 floor = view::Ground) {
    DrawingList.Clear();
    DrawingList.ReadDrawingFile(dtDrawing);
    int32 n = 0;
    for (int32 i = 6; i < DrawingList.Count(); ++i)
      n += DrawingList.At(i)->Kind == k && DrawingList.At(i)->Floor == floor;
    return n;
  }
  int UndoSteps() const {
    int n = 0;
    for (int32 v : DrawingList.UndoViews) n += v != 0;
    return n;
  }
  // Every corner of a closed chain: each wall starts where the one before
  // ends, and their layer lines meet there.
  static void ExpectClosedAndMitred(const std::vector<TExtwallobj>& w) {
    for (std::size_t k = 0; k < w.size(); ++k) {
      const TExtwallobj& a = w[k];
      const TExtwallobj& b = w[(k + 1) % w.size()];
      EXPECT_EQ(P(a.X2, a.Y2), P(b.X1, b.Y1)) << "corner " << k;
      const LayerPoints pa = DraftOf(a).points, pb = DraftOf(b).points;
      for (int layer = 0; layer < (a.CavityWidth > 0 ? 3 : 1); ++layer) {
        EXPECT_NEAR(pa.At(WallEnd::End, layer).x, pb.At(WallEnd::Start, layer).x, 1) << k;
        EXPECT_NEAR(pa.At(WallEnd::End, layer).y, pb.At(WallEnd::Start, layer).y, 1) << k;
      }
    }
  }
};

TEST_F(WallStory, ARectangleTracedWithTheKeysBecomesAFinishedFloor) {
  NewWithWalls(walltype::Veneer);
  EXPECT_EQ(dir.ReadFile("CFG\\EXTWALLM.CFG"), "110 55 75 0 3000 6000 9000 -3000 0 0 0 0 0 0\n");
  EXPECT_EQ(form->CurrentTool()->Type, tooltype::ExtWall);
  EXPECT_EQ(form->st.PanelText(panel::Guide),
            "GUIDE: Draw outer line of EXTERNAL walls, press ENTER on start point then use arrow "
            "keys for input");

  EnterAt(16000, 12000);
  Step(plat::VK_UP, "UP", "3000");
  Step(plat::VK_RIGHT, "RIGHT", "4000");
  Step(plat::VK_DOWN, "DOWN", "3000");
  EXPECT_EQ(form->st.PanelText(panel::Guide),
            "Press + (ADD) or F key to draw final wall. Distance from START POINT h 4000: v 0");
  EXPECT_EQ(UndoSteps(), 3);
  ExpectAreaReport("12 sq. metres");
  Key(plat::VK_F);

  const auto w = WallsInFile();
  ASSERT_EQ(w.size(), 4u);
  ExpectClosedAndMitred(w);
  for (const auto& x : w) {
    EXPECT_EQ(x.Kind, kind::ExtWall);
    EXPECT_EQ(x.Thickness1 + x.CavityWidth + x.Thickness2, 240);
  }
  EXPECT_EQ(w[0].Tag1, 3000);
  EXPECT_EQ(w[3].Tag1, 4000);
  // The inner lines lie inside: right of the first wall, below the second.
  EXPECT_EQ(w[0].Line4X1, w[0].X1 + 240);
  EXPECT_EQ(w[1].Line4Y1, w[1].Y1 - 240);
  // Re-centred on the sheet, by whole 25 mm.
  const int32 cx = (w[0].X1 + w[2].X1) / 2, cy = (w[0].Y1 + w[0].Y2) / 2;
  EXPECT_NEAR(cx, DrawingWidth * PixelScale / 2, 25);
  EXPECT_NEAR(cy, DrawingHeight * PixelScale / 2, 25);
  // Dimensioned: one text and two arrows a wall.
  EXPECT_EQ(CountInFile(kind::Text34), 4);
  EXPECT_EQ(CountInFile(kind::Arrow), 8);
  EXPECT_EQ(form->CurrentTool()->Type, tooltype::Pick);
  EXPECT_EQ(form->st.PanelText(panel::Guide), "GUIDE: Pick drawingtool");
  EXPECT_EQ(form->st.PanelText(panel::Tool), " select");
  EXPECT_EQ(AutosaveMode, 1);

  // Each wall is one undo step; undoing the last takes it (and what the
  // finish did after it) away.
  EXPECT_EQ(UndoSteps(), 4);
  form->CmUndoExecute();
  EXPECT_EQ(WallsInFile().size(), 3u);
}

TEST_F(WallStory, AnLShapeInFeetAndInchesWithACavityWall) {
  NewWithWalls(walltype::Cavity, innerside::Right, 0);
  EXPECT_EQ(dir.ReadFile("CFG\\EXTWALLI.CFG").substr(0, 11), "108 48 108 ");
  EnterAt(15000, 11000);
  StepFeet(plat::VK_UP, 20, 0);
  StepFeet(plat::VK_RIGHT, 10, 6, 4);  // 10' 6 1/2''
  StepFeet(plat::VK_DOWN, 8, 0);
  StepFeet(plat::VK_RIGHT, 12, 0);
  StepFeet(plat::VK_DOWN, 12, 0);
  EXPECT_EQ(form->st.PanelText(panel::Guide),
            "Press + (ADD) or F key to draw final wall. Distance from START POINT 22' 6 1/2'' x "
            "0' 0''");
  ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbYes, plat::mrYes)
      .Containing("sq. feet\n\n");
  Key(plat::VK_F);
  const auto w = WallsInFile();
  ASSERT_EQ(w.size(), 6u);
  ExpectClosedAndMitred(w);
  EXPECT_EQ(w[1].Tag1, (10 * 12 + 6) * 24 + 12);
  EXPECT_EQ(w[5].Tag1, (22 * 12 + 6) * 24 + 12);
  // Six walls: the sides of more than one wall get overall dimensions.
  EXPECT_EQ(CountInFile(kind::Text34), 6 + 2);
}

TEST_F(WallStory, ASlopedWallTracedWithTheMouseIsMitredToItsNeighbours) {
  NewWithWalls(walltype::SolidBrick);
  EnterAt(15000, 10000);
  Step(plat::VK_UP, "UP", "3000");
  Key(plat::VK_A);  // angled: the next corner is where the pointer is
  EnterAt(17000, 15000);
  Key(plat::VK_A);
  Step(plat::VK_RIGHT, "RIGHT", "4000");
  Step(plat::VK_DOWN, "DOWN", "5000");
  ExpectAreaReport("");
  Key(plat::VK_F);
  const auto w = WallsInFile();
  ASSERT_EQ(w.size(), 5u);
  ExpectClosedAndMitred(w);
  EXPECT_NE(w[1].Angle % 900, 0);
  EXPECT_EQ(w[1].Thickness1, 230);
}

TEST_F(WallStory, EveryConstructionGivesItsLayersToTheWalls) {
  struct Case {
    int32 type, metric;
    Layers layers;
  } cases[] = {{walltype::Walling200, 1, {200, 0, 0}}, {walltype::Walling150, 1, {150, 0, 0}},
               {walltype::Walling100, 1, {100, 0, 0}}, {walltype::Walling75, 0, {72, 0, 0}},
               {walltype::Custom, 1, {110, 50, 100}},  {walltype::Custom, 0, {183, 54, 96}}};
  int n = 0;
  for (const auto& c : cases) {
    if (c.type == walltype::Custom && c.metric == 1)
      customMetric.Answer([](TTTCustwalldlg& d) {
        d.total = 260;
        d.cavity = 50;
        d.inner = 100;
      });
    if (c.type == walltype::Custom && c.metric == 0)
      customImperial.Answer([](TTCustwallimpdlg& d) {
        d.total = 13.9;  // 13 7/8 in: 333 units
        d.cavity = 2.25;
        d.inner = 4.0;
      });
    wallType.Answer([&](TTExtwalldlg& d) { d.type = c.type; });
    side.Answer();
    MetricUnits = c.metric;
    NewDrawing("HOUSE" + std::to_string(n++), c.metric);
    EnterAt(16000, 12000);
    if (c.metric == 1)
      Step(plat::VK_RIGHT, "RIGHT", "3000");
    else
      StepFeet(plat::VK_RIGHT, 10, 0);
    DrawingList.Clear();
    DrawingList.ReadDrawingFile(dtDrawing);
    auto* wall = dynamic_cast<const TExtwallobj*>(DrawingList.At(DrawingList.Count() - 1));
    ASSERT_NE(wall, nullptr);
    EXPECT_EQ(wall->Thickness1, c.layers.t1) << n;
    EXPECT_EQ(wall->CavityWidth, c.layers.t2) << n;
    EXPECT_EQ(wall->Thickness2, c.layers.t3) << n;
    Key(plat::VK_ESCAPE);
  }
}

TEST_F(WallStory, TheInnerLinesOfAFirstWallLieOnTheSideChosen) {
  struct Case {
    int32 side;
    int key;
    const char* prompt;
    bool below, left;  // where the inner lines lie
  } cases[] = {{innerside::Below, plat::VK_LEFT, "LEFT", true, false},
               {innerside::Above, plat::VK_RIGHT, "RIGHT", false, false},
               {innerside::Left, plat::VK_UP, "UP", false, true},
               {innerside::Right, plat::VK_DOWN, "DOWN", false, false}};
  int n = 0;
  for (const auto& c : cases) {
    wallType.Answer([](TTExtwalldlg& d) { d.type = walltype::Walling100; });
    side.Answer([&](Tsecdlg& d) { d.side = c.side; });
    NewDrawing("SIDE" + std::to_string(n++));
    EnterAt(16000, 12000);
    Step(c.key, c.prompt, "3000");
    const auto w = WallsInFile();
    ASSERT_EQ(w.size(), 1u);
    if (w[0].Y1 == w[0].Y2)
      EXPECT_EQ(w[0].Line2Y1 - w[0].Y1, c.below ? -100 : 100) << c.side;
    else
      EXPECT_EQ(w[0].Line2X1 - w[0].X1, c.left ? -100 : 100) << c.side;
    Key(plat::VK_ESCAPE);
  }
}

TEST_F(WallStory, ATracedOutlineOfTheLayoutIsBuiltIntoTheGroundFloor) {
  NewWithWalls(walltype::Walling200);
  Key(plat::VK_ESCAPE);
  // The outline is marked on the layout: corners with Enter, clockwise.
  form->SetTool(tooltype::Line);
  form->CurrentTool()->Type = tooltype::Outline;
  CurrentView = view::LayoutMarkingWalls;
  const P corners[] = {{16000, 12000}, {16000, 15000}, {20000, 15000}, {20000, 12000}};
  for (const P& c : corners) EnterAt(c.x, c.y);
  EXPECT_EQ(CountInFile(kind::WallLine, view::LayoutMarkingWalls), 3);
  EXPECT_NE(form->st.PanelText(panel::Guide).find("Press + (ADD) or F key when all corners marked"),
            std::string::npos);
  ExpectAreaReport("14 sq. metres\n\nIf the plan view");  // 4.4 m x 3.4 m outside the walls
  Key(plat::VK_F);
  EXPECT_EQ(CurrentView, view::Ground);
  EXPECT_EQ(Child().Caption, "HOUSE.PLN");
  EXPECT_EQ(Window().caption, "HOUSE.PLN");
  EXPECT_EQ(CountInFile(kind::WallLine, view::LayoutMarkingWalls), 0);
  const auto w = WallsInFile();
  ASSERT_EQ(w.size(), 4u);
  ExpectClosedAndMitred(w);
  EXPECT_EQ(w[0].Tag1, 3400);
  EXPECT_EQ(w[1].Tag1, 4400);
  EXPECT_EQ(form->st.PanelText(panel::Guide),
            "GUIDE: If the plan view is incorrect, select PLAN VIEWS / LAYOUT to re mark the walls");
  EXPECT_EQ(form->st.PanelText(panel::Tool), " no selection");
}

TEST_F(WallStory, WallsLeftOpenAreClosedByFOnlyFromTheirFreeEnd) {
  TraceThreeWalls();
  Key(plat::VK_ESCAPE);  // three walls left open
  const P start{16000, 12000}, freeEnd{20000, 12000};

  // Drawing on from a point off the walls: F has nothing to close; it says
  // so and reports no area.
  wallType.Answer([](TTExtwalldlg& d) { d.type = walltype::Walling200; });
  side.Answer([](Tsecdlg& d) { d.side = innerside::Right; });
  form->CmExtwallExecute();
  EnterAt(24000, 8000);
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbCancel, plat::mrCancel)
      .Containing("The final wall cannot be drawn");
  Key(plat::VK_F);
  EXPECT_EQ(WallsInFile().size(), 3u);
  Key(plat::VK_ESCAPE);

  // Join Wall to End on the free end, then F: the closing wall runs from
  // there to the start, and the finished floor is reported.
  form->CmWallJoinExecute();
  const P px = PixelOf(freeEnd.x, freeEnd.y);
  Child().OnMouseDown(1, px.x, px.y);
  Child().OnMouseUp(1, px.x, px.y);
  ExpectAreaReport("12 sq. metres");
  Key(plat::VK_F);
  const auto w = WallsInFile();
  ASSERT_EQ(w.size(), 4u);
  ExpectClosedAndMitred(w);
  const P shift{w[0].X1 - start.x, w[0].Y1 - start.y};  // re-centred
  EXPECT_EQ(P(w[3].X1, w[3].Y1), P(freeEnd.x + shift.x, freeEnd.y + shift.y));
  EXPECT_EQ(w[3].Tag1, 4000);
}

TEST_F(WallStory, TheFirstFloorCopiesTheGroundFloorOrIsTracedOverIt) {
  TraceThreeWalls();
  ExpectAreaReport("12 sq. metres");
  Key(plat::VK_F);
  form->CmSaveExecute();

  // Yes: the first floor takes the ground floor's walls.
  ui.ExpectQuestion(plat::mrYes).WithText(
      "Will the outside wall dimensions be the same as the ground floor?");
  form->CmPlan1Execute();
  EXPECT_EQ(CurrentView, view::First);
  const auto ground = WallsInFile(view::Ground), first = WallsInFile(view::First);
  ASSERT_EQ(first.size(), 4u);
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(P(first[k].X1, first[k].Y1), P(ground[k].X1, ground[k].Y1));
    EXPECT_EQ(first[k].Marked, 3000);
  }
  EXPECT_EQ(CountInFile(kind::Text34, view::First), 4);
  EXPECT_EQ(static_cast<const TInfoobj*>(DrawingList.At(1))->InfoValues[0], 12);
  // Shown again: no question about the walls.
  ui.ExpectQuestion(plat::mrYes).WithText("do you wish to save drawing changes?");
  form->CmPlanExecute();
  form->CmPlan1Execute();

  // No: the second floor shows the first under it while its walls are traced.
  ui.ExpectQuestion(plat::mrNo).WithText(
      "Will the outside wall dimensions be the same as the ground floor?");
  wallType.Answer([](TTExtwalldlg& d) { d.type = walltype::Walling100; });
  side.Answer();
  form->CmPlan2Execute();
  EXPECT_EQ(WallDisplayMode % 10, 4);
  EXPECT_EQ(dir.ReadFile("CFG\\OVERLAY.CFG"), "0 0 1 1 0 0 0\n");
  EXPECT_EQ(form->CurrentTool()->Type, tooltype::ExtWall);
  EXPECT_EQ(WallsInFile(view::Second).size(), 0u);

  // The basement starts from the ground floor.
  ui.ExpectQuestion(plat::mrYes).WithText("do you wish to save drawing changes?");
  ui.ExpectQuestion(plat::mrYes).WithText(
      "Will the outside wall dimensions be the same as the ground floor?");
  form->CmSubfloorExecute();
  EXPECT_EQ(WallsInFile(view::Basement).size(), 4u);
  EXPECT_EQ(WallsInFile(view::Basement)[0].Marked, -3000);
  // And the site plan.
  ui.ExpectQuestion(plat::mrYes).WithText("do you wish to save drawing changes?");
  form->CmSiteExecute();
  EXPECT_EQ(WallsInFile(view::Site).size(), 4u);
}

TEST_F(WallStory, TheAreaDialogListsEveryFloorAndTheDimensionCommandReports) {
  TraceThreeWalls();
  ExpectAreaReport("12 sq. metres");
  Key(plat::VK_F);
  areas.Answer();
  form->CmAreasExecute();
  ASSERT_EQ(areas.Shown().size(), 1u);
  ASSERT_EQ(areas.Shown()[0].rows.size(), 1u);
  EXPECT_EQ(areas.Shown()[0].rows[0].floor, "Ground floor");
  EXPECT_EQ(areas.Shown()[0].rows[0].area, 12);

  ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbOK, plat::mrOk)
      .WithText("Total Building Area this floor: 12 sq. metres\n"
                "Area and Dimensions should be checked manually\n");
  form->CmDimensionsExecute();
  EXPECT_EQ(CountInFile(kind::Text34), 4);

  // A dimension set by two points, its measurement typed.
  form->CmDimensionPointsExecute();
  const auto w = WallsInFile();
  EnterAt(w[0].X1, w[0].Y1 + 1000);
  ui.ExpectInput("4005").WithPrompt("");
  EnterAt(w[2].X1 + 30, w[0].Y1 + 1000);
  EXPECT_EQ(CountInFile(kind::Dimension261), 1);
  ASSERT_EQ(CountInFile(kind::WallLengthText), 1);
  EXPECT_EQ(form->CurrentTool()->Step, toolstep::DimensionFirst);
}

TEST_F(WallStory, AMissingConstructionFileIsReportedAndNothingIsWritten) {
  dir.WriteFile("CFG\\EXTWALLM.CFG", "110 55 75 0 3000\n");
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk).Containing("EXTWALLM.CFG");
  NewDrawing("HOUSE");
  EXPECT_EQ(dir.ReadFile("CFG\\EXTWALLM.CFG"), "110 55 75 0 3000\n");
  EXPECT_EQ(form->CurrentTool()->Type, tooltype::Pick);
}

TEST_F(WallStory, CancellingTheWallTypeLeavesThePickToolAndTheFileAlone) {
  dir.WriteFile("CFG\\EXTWALLM.CFG", "200 0 0 0 3000 6000 9000 -3000 0 0 0 0 0 0\n");
  const std::string before = dir.ReadFile("CFG\\EXTWALLM.CFG");
  wallType.Cancel();
  NewDrawing("HOUSE");
  // The dialog opened on the construction in use.
  ASSERT_EQ(wallType.Shown().size(), 1u);
  EXPECT_EQ(wallType.Shown()[0].type, walltype::Walling200);
  EXPECT_EQ(form->CurrentTool()->Type, tooltype::Pick);
  EXPECT_EQ(form->CurrentTool()->X1, kNothingPicked);
  EXPECT_EQ(dir.ReadFile("CFG\\EXTWALLM.CFG"), before);
}

TEST_F(WallStory, DistancesAreAskedAgainOnRetryAndHeldToTheSheetInBothUnits) {
  NewWithWalls(walltype::Walling200, innerside::Right, 0);
  EnterAt(15000, 11000);
  // Cancel, then Yes: the distance is asked again.
  feet.Cancel();
  ui.ExpectQuestion(plat::mrYes).WithText("do you wish to retry?");
  StepFeet(plat::VK_UP, 10, 0);
  EXPECT_EQ(WallsInFile().size(), 1u);
  // 600 feet is beyond what a step may be: nothing happens.
  StepFeet(plat::VK_RIGHT, 600, 0);
  EXPECT_EQ(WallsInFile().size(), 1u);
  EXPECT_EQ(UndoSteps(), 1);
}

TEST_F(WallStory, AStepOffTheSheetIsRefusedBeforeAWallIsDrawnOrAnUndoStepKept) {
  NewWithWalls(walltype::Walling200);
  EnterAt(16000, 12000);
  ui.ExpectInput("90000").WithPrompt("RIGHT");
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbCancel, plat::mrCancel)
      .WithText("Distance would take you outside the programme's total drawing sizes");
  Key(plat::VK_RIGHT);
  EXPECT_EQ(WallsInFile().size(), 0u);
  EXPECT_EQ(UndoSteps(), 0);
  // A step that stays on the sheet but whose wall would not: the wall is
  // refused, and the point, the view, the pointer and the read-out stay.
  const plat::Point pointer = ui.cursor;
  const std::string readout = form->st.PanelText(panel::Guide);
  const int32 scrolledTo = Child().VertPosition();
  ui.ExpectInput("11995").WithPrompt("DOWN");
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbCancel, plat::mrCancel)
      .WithText("This wall would reach beyond the edge of the drawing sheet - it was not drawn");
  Key(plat::VK_DOWN);
  EXPECT_EQ(WallsInFile().size(), 0u);
  EXPECT_EQ(UndoSteps(), 0);
  EXPECT_EQ(P(form->CurrentTool()->X1, form->CurrentTool()->Y1), P(16000, 12000));
  EXPECT_EQ(ui.cursor, pointer);
  EXPECT_EQ(form->st.PanelText(panel::Guide), readout);
  EXPECT_EQ(Child().VertPosition(), scrolledTo);
  // The chain goes on from where it was.
  Step(plat::VK_RIGHT, "RIGHT", "3000");
  const auto w = WallsInFile();
  ASSERT_EQ(w.size(), 1u);
  EXPECT_EQ(w[0].X2 - w[0].X1, 3000);
  EXPECT_EQ(UndoSteps(), 1);
}

// A wall pointed to with the mouse whose layers would leave the sheet is
// refused at the second Enter: the tool keeps its point, the pointer and
// the read-out stay, and the chain goes on from where it was.
TEST_F(WallStory, AWallPointedToOffTheSheetIsRefusedAndTheChainGoesOnFromItsPoint) {
  NewWithWalls(walltype::Walling200);
  EnterAt(16000, 12000);
  Step(plat::VK_UP, "UP", "3000");
  const std::string readout = form->st.PanelText(panel::Guide);
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbCancel, plat::mrCancel)
      .WithText("This wall would reach beyond the edge of the drawing sheet - it was not drawn");
  PointAt(16000, 5);
  const plat::Point pointer = ui.cursor;
  Key(plat::VK_RETURN);
  EXPECT_EQ(WallsInFile().size(), 1u);
  EXPECT_EQ(P(form->CurrentTool()->X1, form->CurrentTool()->Y1), P(16000, 15000));
  EXPECT_EQ(ui.cursor, pointer);
  EXPECT_EQ(form->st.PanelText(panel::Guide), readout);

  Step(plat::VK_RIGHT, "RIGHT", "3000");
  const auto w = WallsInFile();
  ASSERT_EQ(w.size(), 2u);
  EXPECT_EQ(P(w[1].X1, w[1].Y1), P(16000, 15000));
}

// A wall's length typed in the Feet box as it is written on plans is the
// wall's length, not a number of feet made of its digits.
TEST_F(WallStory, AWallTypedInFeetAndInchesIsAsLongAsTyped) {
  NewWithWalls(walltype::Walling200, innerside::Right, 0);
  EnterAt(3000, 3000);
  feet.Answer([](TTFeetdlg& d) { d.TypeFeet("40'6\""); });
  Key(plat::VK_RIGHT);
  const auto w = WallsInFile();
  ASSERT_EQ(w.size(), 1u);
  EXPECT_EQ(w[0].Tag1, (40 * 12 + 6) * 24);
}

// A wall ended on the point it starts from has no length: it is refused as
// such, a click there between the two Enters included, nothing is added,
// and the chain goes on from its start.
TEST_F(WallStory, AWallEndedOnItsStartIsRefusedAsAWallOfNoLength) {
  for (bool click : {false, true}) {
    SCOPED_TRACE(click ? "a click between" : "Enter twice");
    wallType.Answer([](TTExtwalldlg& d) { d.type = walltype::Walling200; });
    side.Answer([](Tsecdlg& d) { d.side = innerside::Right; });
    NewDrawing(click ? "CLICKED" : "ENTERED", 0);
    EnterAt(15000, 11000);
    const P start(form->CurrentTool()->X1, form->CurrentTool()->Y1);
    if (click) {
      const P px = PixelOf(15000, 11000);
      Child().OnMouseDown(1, px.x, px.y);
      Child().OnMouseUp(1, px.x, px.y);
    }
    ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbCancel, plat::mrCancel)
        .WithText("This wall would have no length - it was not drawn");
    Key(plat::VK_RETURN);
    EXPECT_EQ(WallsInFile().size(), 0u);
    EXPECT_EQ(UndoSteps(), 0);
    StepFeet(plat::VK_UP, 10, 0);
    const auto w = WallsInFile();
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(P(w[0].X1, w[0].Y1), start);
  }
}

TEST(StartPointReadout, ShowsFeetInchesAndWholeEighthsRoundedDown) {
  ScratchProgramDir dir;
  MetricUnits = 1;
  EXPECT_EQ(StartPointReadout(tooltype::Outline, 3000, -200),
            "Press + (ADD) or F key when all corners marked. Distance from START POINT h 3000: v "
            "-200");
  MetricUnits = 0;
  const int32 ft = 288, in = 24;
  struct Case {
    int32 h, v;
    const char* text;
  } cases[] = {
      {10 * ft + 3 * in + 12, 8 * ft, "|10' 3 1/2'' x 8' 0''"},
      {8 * ft, -(2 * ft + 2), "|h 8' 0: v -2' 0"},
      {8 * ft, -(2 * ft + 5), "|8' 0'' x -2' 0 1/8''"},
      {4 * ft + 4, 6 * ft + 23, "|4' 0 1/8'' x 6' 0 7/8''"},
      {-(3 * ft), 1 * ft + 9, "|-3' 0'' x 1' 0 3/8''"},
  };
  for (const auto& c : cases) {
    const std::string want = std::string(c.text).substr(std::string(c.text).find('|') + 1);
    const std::string got = StartPointReadout(tooltype::ExtWall, c.h, c.v);
    EXPECT_EQ(got.substr(got.find("START POINT ") + 12), want) << c.h << "," << c.v;
  }
}

}  // namespace
