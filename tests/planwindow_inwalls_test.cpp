// Internal walls and wall edits as a user makes them: a finished floor of
// external walls, partitions traced across it with the keys, a stop end on
// Escape, the wall edits picked with the mouse (move, shorten, delete,
// split, join, wall type) and the base expanded; the live file, the undo
// steps and the prompts checked after each step.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "building/extwall_tool.h"
#include "building/inwall_tool.h"
#include "dialogs/feetdlg.h"
#include "dialogs/inwall_dialogs.h"
#include "dialogs/plan_dialogs.h"
#include "dialogs/wall_dialogs.h"
#include "model/view_mapping.h"
#include "platform/keys.h"
#include "tests/planwindow_fixture.h"

namespace {

using P = plat::Point;

class InwallStory : public planfix::ShellTest {
 protected:
  plat::ScriptedUi& ui = DefaultTestUi();
  dlg::InstalledScript<TTExtwalldlg> wallType;
  dlg::InstalledScript<Tsecdlg> side;
  dlg::InstalledScript<TTAreadlg> areas;
  dlg::InstalledScript<TTDblelinedlg> spacing;
  dlg::InstalledScript<TTDblelineimpdlg> spacingImperial;
  dlg::InstalledScript<TTSnapdlg> adjust;
  dlg::InstalledScript<TFloorChange> floors;
  dlg::InstalledScript<TTFeetdlg> feet;

  // A finished floor: solid brick walls round a room 4000 by 3000; the
  // room's inner corners (the faces are re-centred with the floor).
  void House(int32 metric = 1) {
    wallType.Answer([](TTExtwalldlg& d) { d.type = walltype::SolidBrick; });
    side.Answer([](Tsecdlg& d) { d.side = innerside::Right; });
    NewDrawing("HOUSE", metric);
    EnterAt(16000, 12000);
    if (metric == 1) {
      Step(plat::VK_UP, "UP", "3000");
      Step(plat::VK_RIGHT, "RIGHT", "4000");
      Step(plat::VK_DOWN, "DOWN", "3000");
    } else {
      StepFeet(plat::VK_UP, 10, 0);
      StepFeet(plat::VK_RIGHT, 14, 0);
      StepFeet(plat::VK_DOWN, 10, 0);
    }
    ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbYes, plat::mrYes)
        .Containing("Total Building Area this floor");
    Key(plat::VK_F);
    Window().Paint();
    Reload();
    left = right = bottom = top = 0;
    for (int32 i = 6; i < DrawingList.Count(); ++i) {
      auto* w = dynamic_cast<const TExtwallobj*>(DrawingList.At(i));
      if (!w || w->Kind != kind::ExtWall) continue;
      if (w->X1 == w->X2 && w->Y2 > w->Y1) left = w->Line2X1;
      if (w->X1 == w->X2 && w->Y2 < w->Y1) right = w->Line2X1;
      if (w->Y1 == w->Y2 && w->X2 > w->X1) top = w->Line2Y1;
      if (w->Y1 == w->Y2 && w->X2 < w->X1) bottom = w->Line2Y1;
    }
    ASSERT_GT(right, left);
    ASSERT_GT(top, bottom);
  }
  P PixelOf(int32 x, int32 y) {
    plat::WindowDC dc(Child().Surface());
    int32 px = 0, py = 0;
    WorldToDevice(*dc, Child().ClientRect(), x / PixelScale, y / PixelScale, px, py);
    return {px, py};
  }
  void PointAt(int32 x, int32 y) { ui.cursor = Window().window.ClientToScreen(PixelOf(x, y)); }
  // The drawing point the pointer stands on when it is put at (x, y): whole
  // pixels of the window.
  P OnPixel(int32 x, int32 y) {
    const P p = PixelOf(x, y);
    plat::WindowDC dc(Child().Surface());
    int32 wx = 0, wy = 0;
    DeviceToWorld(*dc, Child().ClientRect(), p.x, p.y, wx, wy);
    return {wx * PixelScale, wy * PixelScale};
  }
  void Key(int key) { Child().FormKeyDown(key, false); }
  void EnterAt(int32 x, int32 y) {
    PointAt(x, y);
    Key(plat::VK_RETURN);
  }
  void Step(int key, const char* prompt, const char* mm) {
    ui.ExpectInput(mm).WithPrompt(prompt);
    Key(key);
  }
  void StepFeet(int key, int32 ft, int32 in) {
    feet.Answer([=](TTFeetdlg& d) {
      d.Feet = ft;
      d.Inches = in;
      d.Eighths = 0;
    });
    Key(key);
  }
  void Click(int32 x, int32 y) {
    const P p = PixelOf(x, y);
    Child().OnMouseDown(1, p.x, p.y);
    Child().OnMouseUp(1, p.x, p.y);
  }
  void Internal(int32 s) {
    spacing.Answer([s](TTDblelinedlg& d) {
      d.spacing = 100;
      d.side = s;
    });
    form->CmIntwallExecute();
  }
  void Reload() {
    DrawingList.Clear();
    DrawingList.ReadDrawingFile(dtDrawing);
  }
  std::vector<TInwallobj> InFile(int32 k = kind::InWall) {
    Reload();
    std::vector<TInwallobj> out;
    for (int32 i = 6; i < DrawingList.Count(); ++i)
      if (auto* w = dynamic_cast<TInwallobj*>(DrawingList.At(i)); w && w->Kind == k)
        out.push_back(*w);
    return out;
  }
  int32 IndexOfInwall(int32 n) {
    int32 seen = 0;
    for (int32 i = 6; i < DrawingList.Count(); ++i)
      if (DrawingList.At(i)->Kind == kind::InWall && seen++ == n) return i;
    return -1;
  }
  int UndoSteps() const {
    int n = 0;
    for (int32 v : DrawingList.UndoViews) n += v != 0;
    return n;
  }
  std::string Guide() { return form->st.PanelText(panel::Guide); }

  int32 left = 0, right = 0, bottom = 0, top = 0;
};

TEST_F(InwallStory, APartitionAcrossTheRoomARunWithAStopEndAndTheirUndoSteps) {
  House();
  const int32 steps = UndoSteps();
  Internal(secondline::Right);
  EXPECT_EQ(dir.ReadFile("CFG\\PTNM.CFG"), "100\n");
  EXPECT_EQ(form->CurrentTool()->Type, tooltype::InWall);
  EXPECT_EQ(form->st.PanelText(panel::Tool), "Internal wall");
  EXPECT_EQ(Guide(),
            "GUIDE: Press Enter on start point, then use arrow keys or cursor. Use ESCape key to "
            "add stop end. Press F1 key for ALL methods");
  // Enter on the bottom face, then up to the top face: the wall ends there.
  EnterAt(left + 1500, bottom);
  EXPECT_EQ(Guide(),
            "GUIDE: Press arrow in wall direction OR press the 'A' key and move cursor to draw "
            "angled wall - finetune with arrow keys");
  const std::string height = std::to_string(top - bottom);
  Step(plat::VK_UP, "UP", height.c_str());
  EXPECT_EQ(form->CurrentTool()->Type, tooltype::Pick);
  EXPECT_EQ(Guide(), "GUIDE: Pick Tool");
  Window().Paint();
  auto walls = InFile();
  ASSERT_EQ(walls.size(), 1u);
  const P start = OnPixel(left + 1500, bottom);
  EXPECT_EQ((P{walls[0].X1, walls[0].Y1}), start);
  EXPECT_EQ((P{walls[0].X2, walls[0].Y2}), (P{start.x, start.y + top - bottom}));
  EXPECT_EQ(walls[0].Line2X1, start.x + 100);
  EXPECT_NE(walls[0].StartMeetAngle(), -1);
  EXPECT_NE(walls[0].EndMeetAngle(), -1);
  EXPECT_EQ(InFile(kind::InWallStopStart).size(), 0u);  // its start is on a wall
  EXPECT_EQ(UndoSteps(), steps + 1);

  // A free run: right, then down, then Escape.
  Internal(secondline::Below);
  EnterAt(left + 2000, top - 1000);
  Step(plat::VK_RIGHT, "RIGHT", "1000");
  Step(plat::VK_DOWN, "DOWN", "800");
  Key(plat::VK_ESCAPE);
  EXPECT_EQ(form->CurrentTool()->Type, tooltype::Pick);
  walls = InFile();
  ASSERT_EQ(walls.size(), 3u);
  EXPECT_EQ((P{walls[1].X2, walls[1].Y2}), (P{walls[2].X1, walls[2].Y1}));
  EXPECT_EQ((P{walls[1].Line2X2, walls[1].Line2Y2}), (P{walls[2].Line2X1, walls[2].Line2Y1}));
  EXPECT_EQ(InFile(kind::InWallStopStart).size(), 1u);
  ASSERT_EQ(InFile(kind::InWallStopEnd).size(), 1u);
  EXPECT_EQ(InFile(kind::InWallStopEnd)[0].LinkId, walls[2].LinkId);
  EXPECT_EQ(UndoSteps(), steps + 4);
  // Undo takes the stop end away in one step, then the wall.
  form->CmUndoExecute();
  EXPECT_EQ(InFile(kind::InWallStopEnd).size(), 0u);
  EXPECT_EQ(InFile().size(), 3u);
  form->CmUndoExecute();
  EXPECT_EQ(InFile().size(), 2u);
}

TEST_F(InwallStory, APartitionFromAFaceGoesOnWhicheverWayItsSideRunsAndEscapeClosesIt) {
  House();
  const int32 mx = (left + right) / 2, my = (bottom + top) / 2;
  // Each side drawn from a face with the way its walls run and against it:
  // the wall may be stored turned, but the run goes on from the free end.
  struct Case {
    int32 side;
    int key;
    const char* prompt;
    P from, to;  // Enter on a face, the free end 1000 away
  } cases[] = {
      {secondline::Left, plat::VK_UP, "UP", {mx - 1000, bottom}, {mx - 1000, bottom + 1000}},
      {secondline::Left, plat::VK_DOWN, "DOWN", {mx - 500, top}, {mx - 500, top - 1000}},
      {secondline::Right, plat::VK_UP, "UP", {mx, bottom}, {mx, bottom + 1000}},
      {secondline::Right, plat::VK_DOWN, "DOWN", {mx + 500, top}, {mx + 500, top - 1000}},
      {secondline::Below, plat::VK_LEFT, "LEFT", {right, my}, {right - 1000, my}},
      {secondline::Below, plat::VK_RIGHT, "RIGHT", {left, my + 500}, {left + 1000, my + 500}},
      {secondline::Above, plat::VK_LEFT, "LEFT", {right, my - 500}, {right - 1000, my - 500}},
      {secondline::Above, plat::VK_RIGHT, "RIGHT", {left, my + 800}, {left + 1000, my + 800}},
  };
  std::size_t made = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "side " << c.side << ", " << c.prompt);
    Internal(c.side);
    EnterAt(c.from.x, c.from.y);
    Step(c.key, c.prompt, "1000");
    EXPECT_EQ(form->CurrentTool()->Type, tooltype::InWall) << "the run goes on";
    Key(plat::VK_ESCAPE);
    const auto walls = InFile();
    ASSERT_EQ(walls.size(), ++made);
    const TInwallobj& w = walls.back();
    const P start = OnPixel(c.from.x, c.from.y);
    const P freeEnd{start.x + c.to.x - c.from.x, start.y + c.to.y - c.from.y};
    // One end on the face (its meet bearing kept), the other closed.
    const bool turned = P(w.X1, w.Y1) == freeEnd;
    EXPECT_EQ(turned ? P(w.X2, w.Y2) : P(w.X1, w.Y1), start);
    EXPECT_NE(turned ? w.EndMeetAngle() : w.StartMeetAngle(), -1);
    EXPECT_EQ(turned ? w.StartMeetAngle() : w.EndMeetAngle(), -1);
    const auto stops = InFile(kind::InWallStopEnd);
    ASSERT_EQ(stops.size(), made);
    EXPECT_EQ(P(stops.back().X1, stops.back().Y1), freeEnd);
    EXPECT_EQ(stops.back().LinkId, w.LinkId);
  }
  EXPECT_TRUE(InFile(kind::InWallStopStart).empty());

  // A turned wall goes on round a corner: the next wall meets its free end
  // with their bands on the same side of the run.
  Internal(secondline::Left);
  EnterAt(left + 500, bottom);
  Step(plat::VK_UP, "UP", "1000");
  Step(plat::VK_RIGHT, "RIGHT", "1000");
  Key(plat::VK_ESCAPE);
  const auto walls = InFile();
  ASSERT_EQ(walls.size(), made + 2);
  const TInwallobj& up = walls[made];
  const TInwallobj& across = walls[made + 1];
  const P corner{OnPixel(left + 500, bottom).x, OnPixel(left + 500, bottom).y + 1000};
  EXPECT_EQ(P(up.X1, up.Y1), corner);
  EXPECT_EQ(P(across.X2, across.Y2), corner);
  EXPECT_EQ(P(up.Line2X1, up.Line2Y1), P(corner.x - 100, corner.y + 100));
  EXPECT_EQ(P(across.Line2X2, across.Line2Y2), P(corner.x - 100, corner.y + 100));
  EXPECT_EQ(InFile(kind::InWallStopEnd).back().X1, corner.x + 1000);
}

TEST_F(InwallStory, EscapeAfterAMoveClosesNothingAndThePreviewHasBothLines) {
  House();
  Internal(secondline::Below);
  EXPECT_EQ(static_cast<TInwallobjtool*>(form->CurrentTool())->Spacing, 100);
  EnterAt(left + 500, top - 1000);
  // The double line follows the pointer once the start is set.
  Window().window.Drawn().clear();
  const P to = PixelOf(left + 1500, top - 1500);
  Child().OnMouseMove(to.x, to.y, false);
  int32 lines = 0;
  for (const auto& r : Window().window.Drawn()) lines += r.op == plat::DcOp::Line;
  EXPECT_EQ(lines, 2);
  Step(plat::VK_RIGHT, "RIGHT", "2000");
  Key(plat::VK_ESCAPE);
  ASSERT_EQ(InFile(kind::InWallStopEnd).size(), 1u);
  const TInwallobj wall = InFile()[0];
  const TInwallobj start = InFile(kind::InWallStopStart).at(0);
  const TInwallobj end = InFile(kind::InWallStopEnd).at(0);
  form->CmMoveInwallExecute();
  Click(left + 1500, top - 1000);
  Step(plat::VK_DOWN, "DOWN", "300");
  Key(plat::VK_ESCAPE);
  EXPECT_EQ(InFile(kind::InWallStopEnd).size(), 1u);
  EXPECT_EQ(InFile()[0].Y1, OnPixel(left + 500, top - 1000).y - 300);
  // The wall's own stop ends came along, still closing its ends.
  for (const auto& [k, was] :
       {std::pair{kind::InWallStopStart, start}, std::pair{kind::InWallStopEnd, end}}) {
    const TInwallobj now = InFile(k).at(0);
    EXPECT_EQ((P{now.X1, now.Y1}), (P{was.X1, was.Y1 - 300})) << k;
    EXPECT_EQ((P{now.X2, now.Y2}), (P{was.X2, was.Y2 - 300})) << k;
  }
  EXPECT_EQ(start.X1, wall.X1);
  EXPECT_EQ(end.X2, wall.X2);
}

TEST_F(InwallStory, TheWrongFirstArrowIsRefusedAndTheToolLeft) {
  House();
  Internal(secondline::Right);
  EnterAt(left + 1500, bottom + 500);
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbRetry, plat::mrRetry)
      .WithText("Wrong Arrow key for second line position - re select Internal Wall icon and "
                "try again");
  Key(plat::VK_RIGHT);
  EXPECT_EQ(form->CurrentTool()->Type, tooltype::Pick);
  EXPECT_EQ(InFile().size(), 0u);
}

TEST_F(InwallStory, MovingAPartitionWithTheArrowKeys) {
  House();
  Internal(secondline::Right);
  EnterAt(left + 1500, bottom);
  Step(plat::VK_UP, "UP", std::to_string(top - bottom).c_str());
  Window().Paint();
  const std::string before = dir.ReadFile("DWGS\\HOUSE.KWV");

  adjust.Answer([](TTSnapdlg& d) { d.step = toolstep::MoveInWall; });
  form->CmSnapToExecute();
  EXPECT_EQ(form->st.PanelText(panel::Tool), "MOVE Internal Wall");
  EXPECT_EQ(Guide(), "GUIDE: click Left Button on one side of an internal ( partition ) wall to MOVE");
  const int32 steps = UndoSteps();
  Click(left + 1500, (bottom + top) / 2);
  EXPECT_EQ(form->CurrentTool()->Type, tooltype::InWall);
  EXPECT_EQ(form->CurrentTool()->Step, toolstep::MoveInWall);
  EXPECT_EQ(Guide(), "GUIDE: Select ARROW key direction to MOVE wall / line");
  EXPECT_EQ(UndoSteps(), steps);  // picking changes nothing yet
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbRetry, plat::mrRetry)
      .WithText("Wrong Arrow key, the selected wall can only be moved left or right");
  Key(plat::VK_UP);
  EXPECT_EQ(UndoSteps(), steps);
  Step(plat::VK_RIGHT, "RIGHT", "250");
  Window().Paint();
  auto walls = InFile();
  ASSERT_EQ(walls.size(), 1u);
  const int32 x = OnPixel(left + 1500, bottom).x;
  EXPECT_EQ(walls[0].X1, x + 250);
  EXPECT_EQ(walls[0].Line2X2, x + 350);
  EXPECT_EQ(UndoSteps(), steps + 1);
  // Again, the other way: each arrow is one step.
  Step(plat::VK_LEFT, "LEFT", "50");
  EXPECT_EQ(InFile()[0].X1, x + 200);
  form->CmUndoExecute();
  form->CmUndoExecute();
  EXPECT_EQ(dir.ReadFile("DWGS\\HOUSE.KWV"), before);
}

TEST_F(InwallStory, AWallJoinedAcrossAPartitionIsLeftSquareWhenTheJoinIsFreed) {
  House();
  // Two free walls up from the bottom, each with its band on its right, and
  // a wall from the top of the first to the top of the second: its band
  // below continues the first one's, so it runs on across the second one.
  for (int32 x : {left + 500, left + 2500}) {
    Internal(secondline::Right);
    EnterAt(x, bottom + 500);
    Step(plat::VK_UP, "UP", "1500");
    Key(plat::VK_ESCAPE);
  }
  auto walls = InFile();
  ASSERT_EQ(walls.size(), 2u);
  const TInwallobj first = walls[0], second = walls[1];
  Internal(secondline::Below);
  EnterAt(first.X2, first.Y2);
  Step(plat::VK_RIGHT, "RIGHT", std::to_string(second.X2 - first.X2).c_str());
  Key(plat::VK_ESCAPE);
  walls = InFile();
  ASSERT_EQ(walls.size(), 3u);
  const P top{second.X2, second.Y2};
  EXPECT_EQ((P{walls[2].X2, walls[2].Y2}), (P{top.x + 100, top.y}));
  EXPECT_EQ((P{walls[1].X2, walls[1].Y2}), (P{top.x, top.y - 100}));
  EXPECT_EQ((P{walls[1].Line2X2, walls[1].Line2Y2}), (P{top.x + 100, top.y}));

  // Deleting the wall across: the second wall's end is square again, at
  // its full height.
  form->CmWallDeleteExecute();
  Click((first.X2 + top.x) / 2, top.y);
  walls = InFile();
  ASSERT_EQ(walls.size(), 2u);
  EXPECT_EQ((P{walls[1].X2, walls[1].Y2}), top);
  EXPECT_EQ((P{walls[1].Line2X2, walls[1].Line2Y2}), (P{top.x + 100, top.y}));
  EXPECT_EQ(walls[1].Tag1, 1500);
  EXPECT_EQ((P{walls[0].Line2X2, walls[0].Line2Y2}), (P{first.X2 + 100, first.Y2}));

  // Shortening the second wall at its top instead: the wall across ends
  // square where its second line ends.
  form->CmUndoExecute();
  ASSERT_EQ(InFile().size(), 3u);
  form->CmWallShortenExecute();
  ui.ExpectInput("300").WithPrompt("");
  Click(top.x, top.y - 120);
  walls = InFile();
  EXPECT_EQ(walls[1].Y2, top.y - 400);
  EXPECT_EQ((P{walls[2].X2, walls[2].Y2}), top);
  EXPECT_EQ((P{walls[2].Line2X2, walls[2].Line2Y2}), (P{top.x, top.y - 100}));
  EXPECT_EQ(walls[2].Tag1, top.x - first.X2);
}

// An angled partition ended on the point it starts from has no length: it
// is refused as such, and nothing is added.
TEST_F(InwallStory, APartitionEndedOnItsStartIsRefusedAsOneOfNoLength) {
  House();
  Internal(secondline::Right);
  EnterAt(left + 1500, bottom);
  const int steps = UndoSteps();
  Key(plat::VK_A);
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbCancel, plat::mrCancel)
      .WithText("This partition would have no length - it was not drawn");
  EnterAt(left + 1500, bottom);
  EXPECT_EQ(InFile().size(), 0u);
  EXPECT_EQ(UndoSteps(), steps);
}

TEST_F(InwallStory, PartitionsFollowTheInnerFaceOfAWallGivenAThinnerType) {
  House();
  // One partition from the bottom face to the top face, one down from the
  // top face and stopped.
  Internal(secondline::Right);
  EnterAt(left + 1500, bottom);
  Step(plat::VK_UP, "UP", std::to_string(top - bottom).c_str());
  Internal(secondline::Left);
  EnterAt(left + 3000, top);
  Step(plat::VK_DOWN, "DOWN", "1000");
  Key(plat::VK_ESCAPE);
  // One lying almost along the top face, its left end just below it: its
  // line meets the face's line 233 to the left, and the thinner wall's face
  // more than 3000 away, out of the house.
  auto* slope = new TInwallobj();
  slope->Floor = view::Ground;
  slope->X1 = left + 3200, slope->Y1 = top - 10, slope->X2 = left + 3900, slope->Y2 = top - 40;
  slope->Line2X1 = slope->X1, slope->Line2Y1 = slope->Y1 - 100;
  slope->Line2X2 = slope->X2, slope->Line2Y2 = slope->Y2 - 100;
  slope->Thickness = 100;
  slope->Tag1 = 700;
  Edit(slope);
  // A bay's side, meeting the top face at 45 degrees.
  auto* bay = new TInwallobj();
  bay->Floor = view::Ground;
  bay->X1 = left + 700, bay->Y1 = top, bay->X2 = left + 1200, bay->Y2 = top - 500;
  bay->Line2X1 = bay->X1 + 141, bay->Line2Y1 = top;
  bay->Line2X2 = bay->X2 + 141, bay->Line2Y2 = bay->Y2;
  bay->Thickness = 100;
  bay->Tag1 = 707;
  Edit(bay);
  const auto before = InFile();
  ASSERT_EQ(before.size(), 4u);
  const TInwallobj stop = InFile(kind::InWallStopEnd).at(0);

  // Solid brick 230 to walling 100: the top wall's inner face rises 130.
  form->CmWallTypeExecute();
  wallType.Answer([](TTExtwalldlg& d) { d.type = walltype::Walling100; });
  Click(left + 2000, top + 230);
  const int32 face = top + 130;
  const auto after = InFile();
  ASSERT_EQ(after.size(), 4u);
  EXPECT_EQ((P{after[0].X1, after[0].Y1}), (P{before[0].X1, before[0].Y1}));
  EXPECT_EQ((P{after[0].X2, after[0].Y2}), (P{before[0].X2, face}));
  EXPECT_EQ((P{after[0].Line2X2, after[0].Line2Y2}), (P{before[0].Line2X2, face}));
  EXPECT_EQ(after[0].Tag1, face - before[0].Y1);
  EXPECT_EQ((P{after[1].X1, after[1].Y1}), (P{before[1].X1, face}));
  EXPECT_EQ((P{after[1].Line2X1, after[1].Line2Y1}), (P{before[1].Line2X1, face}));
  EXPECT_EQ((P{after[1].X2, after[1].Y2}), (P{before[1].X2, before[1].Y2}));
  // The end lying almost along the face would go far: it stays.
  EXPECT_EQ((std::vector<int32>{after[2].X1, after[2].Y1, after[2].Line2X1, after[2].Line2Y1}),
            (std::vector<int32>{before[2].X1, before[2].Y1, before[2].Line2X1, before[2].Line2Y1}));
  // The bay's side slides up its own line to the new face.
  EXPECT_EQ((std::vector<int32>{after[3].X1, after[3].Y1, after[3].Line2X1, after[3].Line2Y1}),
            (std::vector<int32>{left + 570, face, left + 711, face}));
  EXPECT_EQ((P{after[3].X2, after[3].Y2}), (P{before[3].X2, before[3].Y2}));
  const TInwallobj kept = InFile(kind::InWallStopEnd).at(0);
  EXPECT_EQ((P{kept.X1, kept.Y1}), (P{stop.X1, stop.Y1}));
  EXPECT_EQ((P{kept.X2, kept.Y2}), (P{stop.X2, stop.Y2}));
  const plat::Rect shown = Window().window.Invalidated().back(), client = Child().ClientRect();
  EXPECT_EQ(shown.bottom - shown.top, client.bottom - client.top) << "drawn again whole";
}

TEST_F(InwallStory, ShorteningAndDeletingPartitionsAndRefusalsBeforeAnythingIsRecorded) {
  House();
  Internal(secondline::Below);
  EnterAt(left + 500, top - 1000);
  Step(plat::VK_RIGHT, "RIGHT", "2000");
  Key(plat::VK_ESCAPE);
  Window().Paint();
  auto walls = InFile();
  ASSERT_EQ(walls.size(), 1u);
  const int32 steps = UndoSteps();

  // The thinner wall type is for external walls only: said, nothing recorded.
  form->CmWallTypeExecute();
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk)
      .WithText("this function only works on EXTERNAL walls");
  Click(left + 1500, top - 1000);
  EXPECT_EQ(UndoSteps(), steps);
  EXPECT_EQ(form->CurrentTool()->Type, tooltype::WallEdit);

  form->CmWallShortenExecute();
  ui.ExpectInput("400").WithPrompt("");
  Click(left + 2480, top - 1000);  // near its right end
  EXPECT_EQ(form->CurrentTool()->Type, tooltype::Pick);
  EXPECT_EQ(Guide(), "GUIDE: Pick Tool");
  walls = InFile();
  const int32 x = OnPixel(left + 500, top - 1000).x;
  EXPECT_EQ(walls[0].X2, x + 1600);
  EXPECT_EQ(walls[0].Tag1, 1600);
  const auto stop = InFile(kind::InWallStopEnd);
  ASSERT_EQ(stop.size(), 1u);
  EXPECT_EQ(stop[0].X1, x + 1600);  // the stop end came along
  EXPECT_EQ(UndoSteps(), steps + 1);

  // An amount that is no number is said; one of 70000 or more ends the edit.
  form->CmWallShortenExecute();
  ui.ExpectInput("abc").WithPrompt("");
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbRetry, plat::mrRetry)
      .WithText("input must be a valid number");
  Click(left + 2080, top - 1000);
  ui.ExpectInput("70000").WithPrompt("");
  Click(left + 2080, top - 1000);
  EXPECT_EQ(form->CurrentTool()->Type, tooltype::Pick);
  EXPECT_EQ(UndoSteps(), steps + 1);

  // Deleting takes the wall with its stop ends.
  form->CmWallDeleteExecute();
  Click(left + 1000, top - 1000);
  EXPECT_EQ(Guide(), "GUIDE: Pick Tool");
  EXPECT_EQ(InFile().size(), 0u);
  EXPECT_EQ(InFile(kind::InWallStopEnd).size(), 0u);
  EXPECT_EQ(InFile(kind::InWallStopStart).size(), 0u);
  form->CmUndoExecute();
  EXPECT_EQ(InFile().size(), 1u);
  // Nothing under the pointer.
  form->CmWallDeleteExecute();
  ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbRetry, plat::mrRetry)
      .WithText("No valid object selected - restart function again");
  Click(left + 3000, bottom + 1500);
}

TEST_F(InwallStory, ExternalWallEditsSplitJoinAndShorten) {
  House();
  Reload();
  const int32 walls = [] {
    int32 n = 0;
    for (int32 i = 6; i < DrawingList.Count(); ++i) n += DrawingList.At(i)->Kind == kind::ExtWall;
    return n;
  }();
  ASSERT_EQ(walls, 4);
  // Split the top wall with the keyboard.
  form->CmWallSplitExecute();
  EXPECT_EQ(Guide(),
            "GUIDE: place the cursor on the EXTERNAL wall where it is to be split, then press "
            "ENTER");
  const int32 outerTop = top + 230;
  EnterAt(left + 1000, outerTop);
  EXPECT_EQ(form->CurrentTool()->Type, tooltype::Pick);
  Reload();
  int32 n = 0;
  for (int32 i = 6; i < DrawingList.Count(); ++i) n += DrawingList.At(i)->Kind == kind::ExtWall;
  EXPECT_EQ(n, 5);
  // Too near a corner: refused, nothing recorded.
  form->CmWallSplitExecute();
  const int32 steps = UndoSteps();
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbCancel, plat::mrCancel)
      .Containing("cannot be split there");
  EnterAt(right + 100, outerTop);
  EXPECT_EQ(UndoSteps(), steps);

  // Join: the first end of an external wall rewrites the construction with
  // the wall's own and leaves the pointer on the joint.
  dir.WriteFile("CFG\\EXTWALLM.CFG", "110 55 75 0 3000 6000 9000 -3000 0 0 0 0 0 0\n");
  form->CmWallJoinExecute();
  Click(right + 230, bottom + 300);  // the right wall, near its lower end
  EXPECT_EQ(dir.ReadFile("CFG\\EXTWALLM.CFG").substr(0, 8), "230 0 0 ");
  EXPECT_EQ(form->CurrentTool()->Type, tooltype::ExtWall);
  EXPECT_EQ(form->CurrentTool()->State, toolstate::Constructing);
  EXPECT_EQ(form->CurrentTool()->Step, 180);
  EXPECT_EQ(Guide(),
            "GUIDE: to draw wall, press ARROW for new wall direction, ANGLE WALLS press 'A' key - "
            "use ADD key to complete base");
  EXPECT_EQ(ui.cursor, Window().window.ClientToScreen(PixelOf(right + 230, bottom - 230)));
  Key(plat::VK_ESCAPE);

  // Lengthen the right wall's lower end; the dimensions follow.
  form->CmWallLengthenExecute();
  ui.ExpectInput("500").WithPrompt("");
  Click(right + 230, bottom + 100);
  Reload();
  bool found = false;
  for (int32 i = 6; i < DrawingList.Count(); ++i) {
    const TObj& e = *DrawingList.At(i);
    if (e.Kind == kind::ExtWall && e.X1 == right + 230 && e.X2 == right + 230) {
      EXPECT_EQ(std::min(e.Y1, e.Y2), bottom - 230 - 500);
      found = true;
    }
  }
  EXPECT_TRUE(found);
}

TEST_F(InwallStory, ALineIsDeletedFromTheScreenAtOnceAndABrokenConstructionFileIsNotRewritten) {
  House();
  Edit(new TLineobj(kind::Line, view::Ground, 0, 0, left + 500, 0, left + 2500, 0, bottom + 1000,
                    bottom + 1000, 0, 900, DrawingColour, 1, 0));
  Window().Paint();
  form->CmWallDeleteExecute();
  const std::size_t before = Window().window.Invalidated().size();
  Click(left + 1500, bottom + 1000);
  EXPECT_GT(Window().window.Invalidated().size(), before);
  Reload();
  int32 lines = 0;
  for (int32 i = 6; i < DrawingList.Count(); ++i) lines += DrawingList.At(i)->Kind == kind::Line;
  EXPECT_EQ(lines, 0);

  // The join copies the picked wall's construction into the settings file,
  // but only into a file read whole.
  dir.WriteFile("CFG\\EXTWALLM.CFG", "110 55 75 0 3000\n");
  form->CmWallJoinExecute();
  const int32 steps = UndoSteps();
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk).Containing("EXTWALLM.CFG");
  Click(right + 230, bottom + 300);
  EXPECT_EQ(dir.ReadFile("CFG\\EXTWALLM.CFG"), "110 55 75 0 3000\n");
  EXPECT_EQ(form->CurrentTool()->Type, tooltype::WallEdit);
  EXPECT_EQ(UndoSteps(), steps);
}

TEST_F(InwallStory, ExpandingTheBaseOnTheGroundFloor) {
  House();
  const int32 steps = UndoSteps();
  floors.Answer([](TFloorChange& d) { d.choice = multifloor::ThisFloor; });
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbCancel, plat::mrCancel)
      .WithText("You cannot alter the ground floor without re centreing any other floors\nre "
                "select tool and retry");
  form->CmExpandbaseExecute();
  floors.Answer([](TFloorChange& d) { d.choice = multifloor::GroundOnly; });
  form->CmExpandbaseExecute();
  EXPECT_EQ(dir.ReadFile("CFG\\FLOORS.CFG"), "0 0 0 0\n");
  EXPECT_EQ(form->CurrentTool()->Type, tooltype::EnlargeShrink);
  EXPECT_EQ(form->st.PanelText(panel::Tool), "Enlarge Floor Plan");
  EXPECT_EQ(Guide(), "GUIDE: press ARROW key of direction to expand floor plan");
  Key(plat::VK_RIGHT);
  EXPECT_EQ(Guide(), "GUIDE: move cursor,press ENTER when line is at position to expand from");
  // The line to expand from follows the pointer, whole through it.
  Window().window.Drawn().clear();
  const P at = PixelOf(left + 2000, bottom + 1500);
  Child().OnMouseMove(at.x, at.y, false);
  int32 through = 0;
  for (const auto& r : Window().window.Drawn())
    through += r.op == plat::DcOp::Line && r.from.x == at.x && r.to.x == at.x &&
               std::min(r.from.y, r.to.y) < at.y && std::max(r.from.y, r.to.y) > at.y;
  EXPECT_EQ(through, 1);
  ui.ExpectInput("600").WithPrompt("");
  EnterAt(left + 2000, bottom + 1500);
  EXPECT_EQ(form->CurrentTool()->Type, tooltype::Pick);
  EXPECT_EQ(UndoSteps(), steps + 1);
  Reload();
  int32 maxX = 0;
  for (int32 i = 6; i < DrawingList.Count(); ++i)
    if (DrawingList.At(i)->Kind == kind::ExtWall)
      maxX = std::max({maxX, DrawingList.At(i)->X1, DrawingList.At(i)->X2});
  // The floor is re-centred after the change: the plan is 600 wider.
  int32 minX = 1 << 30;
  for (int32 i = 6; i < DrawingList.Count(); ++i)
    if (DrawingList.At(i)->Kind == kind::ExtWall)
      minX = std::min({minX, DrawingList.At(i)->X1, DrawingList.At(i)->X2});
  EXPECT_EQ(maxX - minX, 4000 + 600);  // the traced outline is the walls' outer face
}

// Expanding every floor re-centres the house once, by its ground floor: a
// narrower floor above, off to one side, does not pull the house over to
// centre itself, so Plan Views > Ground Floor afterwards moves nothing.
TEST_F(InwallStory, ExpandingAllFloorsKeepsTheHouseCentredByItsGroundFloor) {
  House();
  const int32 firstLeft = left + 1500, firstRight = left + 3500;
  for (const auto& [x1, y1, x2, y2] : {std::array{firstLeft, bottom, firstLeft, top},
                                       std::array{firstLeft, top, firstRight, top},
                                       std::array{firstRight, top, firstRight, bottom},
                                       std::array{firstRight, bottom, firstLeft, bottom}})
    Edit(planfix::ExtWall(x1, y1, x2, y2, view::First));
  floors.Answer([](TFloorChange& d) { d.choice = multifloor::AllFloors; });
  form->CmExpandbaseExecute();
  Key(plat::VK_RIGHT);
  ui.ExpectInput("600").WithPrompt("");
  EnterAt(left + 2000, bottom + 1500);  // through both floors
  form->CmSaveExecute();
  const std::string saved = dir.ReadFile("DWGS\\HOUSE.KWV");

  form->CmPlanExecute();
  EXPECT_TRUE(dir.ReadFile("DWGS\\HOUSE.KWV") == saved);
  EXPECT_FALSE(form->HasUnsavedChanges());
}

TEST_F(InwallStory, AnImperialAmountHasTheSameLimit) {
  House(0);
  spacingImperial.Answer([](TTDblelineimpdlg& d) {
    d.inches = 4;
    d.eighths = 0;
    d.side = secondline::Right;
  });
  form->CmIntwallExecute();
  EXPECT_EQ(dir.ReadFile("CFG\\PTNI.CFG"), "96\n");
  Key(plat::VK_ESCAPE);
  form->CmWallShortenExecute();
  const int32 steps = UndoSteps();
  feet.Answer([](TTFeetdlg& d) {
    d.Feet = 300;
    d.Inches = 0;
    d.Eighths = 0;
  });
  Click(left, bottom + 200);  // the left wall's inner face
  EXPECT_EQ(form->CurrentTool()->Type, tooltype::Pick);
  EXPECT_EQ(UndoSteps(), steps);
}

}  // namespace
