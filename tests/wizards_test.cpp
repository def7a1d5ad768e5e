// The drawing wizards as a first-time user follows them: chosen from the
// Help menu, the example shown, File New, the wall dialogs, the walls traced
// with the keys, the design rooms added and placed, in millimetres and in
// feet and inches; the step shown at each point, where its panels lie, and
// the live file at the end.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "building/wall_faces.h"
#include "dialogs/wall_dialogs.h"
#include "dialogs/wizardsdlg.h"
#include "planwindow/wizards.h"
#include "tests/droom_fixture.h"

namespace {

using P = plat::Point;
namespace fs = std::filesystem;

class WizardTest : public roomfix::RoomTest {
 protected:
  dlg::InstalledScript<dlg::TTWizardsdlg> wizards;
  dlg::InstalledScript<TTExtwalldlg> wallType;
  dlg::InstalledScript<Tsecdlg> side;

  // The shipped example of a wizard kind, laid into the scratch directory.
  void ShipExample(int32 kind) {
    const std::string name = wizard::ExampleName(kind) + ".KWV";
    const fs::path shipped = fs::path(TW_SOURCE_DIR) / "data" / "WDS" / name;
    ASSERT_TRUE(fs::exists(shipped)) << shipped;
    fs::copy_file(shipped, dir.Path("WDS\\" + name), fs::copy_options::overwrite_existing);
  }
  void StartWizard(int32 kind) {
    ShipExample(kind);
    wizards.Answer([kind](dlg::TTWizardsdlg& d) { d.kind = kind; });
    form->CmWizardsExecute();
  }
  std::string Panel() { return Child().WizardText ? Child().WizardText->Text() : ""; }
  plat::Rect PanelBounds() { return Child().WizardText->Bounds(); }
  bool HintShown() { return Child().WizardHint && Child().WizardHint->Shown(); }
  // The step and the first line of its panel, as the user sees them.
  void ExpectStep(int32 step, const std::string& firstText) {
    EXPECT_EQ(WizardStep, step);
    EXPECT_EQ(Panel().rfind(firstText, 0), 0u) << "step " << step << ": " << Panel();
  }
  // An arrow of the wall wizard with a length typed that the wizard replaces.
  void Arrow(int key, const char* prompt, bool metric) {
    if (metric)
      ui.ExpectInput("1").WithPrompt(prompt);
    else
      feet.Answer([](TTFeetdlg& d) { d.Feet = 1; });
    Key(key);
  }
  int32 CountInFile(int32 k, int32 floor) {
    int32 n = 0;
    EachInLiveFile([&](const TObj& e) { n += e.Kind == k && e.Floor == floor; });
    return n;
  }
  // The example on screen is the wizard's finished floor: six walls and
  // its rooms locked into partitions.
  void ExpectFinishedExample(int32 rooms) {
    Window().Paint();
    int32 walls = 0, locked = 0, partitions = 0;
    for (int32 i = 6; i < DrawingList.Count(); ++i) {
      const TObj* e = DrawingList.At(i);
      if (e->Floor != view::Ground) continue;
      walls += e->Kind == kind::ExtWall;
      locked += e->Kind == kind::LockedRoom;
      partitions += e->Kind == kind::InWall;
    }
    EXPECT_EQ(walls, 6);
    EXPECT_EQ(locked, rooms);
    EXPECT_GE(partitions, rooms);
  }
  template <class T>
  std::vector<T> InFileOf(int32 k) {
    std::vector<T> out;
    EachInLiveFile([&](TObj& e) {
      if (e.Kind == k) out.push_back(static_cast<T&>(e));
    });
    return out;
  }
  std::vector<TExtwallobj> Walls() {
    std::vector<TExtwallobj> out;
    EachInLiveFile([&](TObj& e) {
      if (auto* w = dynamic_cast<TExtwallobj*>(&e); w && w->Floor == view::Ground)
        out.push_back(*w);
    });
    return out;
  }
};

class WallWizard : public WizardTest, public ::testing::WithParamInterface<int32> {};

// Step by step through the external-wall wizard, whatever the user types
// where the wizard has its own answer.
TEST_P(WallWizard, WalksAUserFromTheExampleToTwoRoomsInSixWalls) {
  const bool metric = GetParam() == 1;
  const int32 kind = metric ? wizardkind::WallsMetric : wizardkind::WallsImperial;
  StartWizard(kind);
  ExpectStep(0, " WIZARD - using Draw External Walls option \n\n");
  // The example is shown in the middle of the window, read from WDS\; nothing
  // can be drawn on it.
  EXPECT_EQ(Window().caption, wizard::ExampleName(kind) + ".PLN");
  EXPECT_FALSE(form->DrawingOpen());
  EXPECT_EQ(PanelBounds(), (plat::Rect{150, 200, 650, 300}));
  EXPECT_FALSE(HintShown());
  ExpectFinishedExample(2);
  EXPECT_EQ(MetricUnits, metric ? 1 : 0);
  Key(plat::VK_ESCAPE);  // the first step is left with File New only
  EXPECT_EQ(WizardActive, 1);

  // File New: its own step while the dialog is open.
  newDrawing.Answer([&](dlg::TTNewdlg& d) {
    ExpectStep(1, " WIZARD - New Drawing\n\n");
    EXPECT_TRUE(HintShown());
    EXPECT_EQ(d.metric, metric ? 1 : 0);
    d.name = "wizard";
    d.designRooms = false;
  });
  wallType.Answer([&](TTExtwalldlg& d) {
    ExpectStep(3, " WIZARD - External Wall Type\n\n");
    d.type = walltype::Cavity;  // the wizard's wall is 200 mm or 8 in whatever is chosen
  });
  side.Answer([&](Tsecdlg& d) {
    ExpectStep(4, " WIZARD - Position of Secondary External Wall Lines to Main External Wall "
                  "Line\n\n");
    d.side = innerside::Above;
  });
  form->CmFilenewExecute();
  EXPECT_TRUE(form->DrawingOpen());
  EXPECT_EQ(Window().caption, "wizard.PLN");
  ExpectStep(5, " WIZARD - Starting Point of First Wall \n\n");
  // Steps 3 to 11 sit 20 pixels lower and taller, kept inside the window.
  EXPECT_EQ(PanelBounds(), (plat::Rect{100, 380, 700, 500}));
  EXPECT_EQ(Child().WizardHint->Bounds(), (plat::Rect{175, 3, 625, 23}));
  EXPECT_EQ(Child().WizardHint->Text(),
            " Use the ESCape key or dialogue box Cancel Button (if showing) to cancel this "
            "wizard\n");

  Key(plat::VK_RETURN);
  ExpectStep(6, " WIZARD - Moving Around the Base\n\n");
  EXPECT_NE(Panel().find(metric ? "9000" : "30 feet 6 inches"), std::string::npos);
  Key(plat::VK_RETURN);  // Enter draws nothing in the wall wizard
  EXPECT_EQ(WizardStep, 6);
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbRetry, plat::mrRetry)
      .WithText("Wrong arrow key pressed");
  Key(plat::VK_LEFT);
  Arrow(plat::VK_RIGHT, "RIGHT", metric);
  ExpectStep(7, " WIZARD\n Press the DOWN Arrow key\n ");
  Arrow(plat::VK_DOWN, "DOWN", metric);
  ExpectStep(8, " WIZARD\n Press the LEFT Arrow key\n");
  Arrow(plat::VK_LEFT, "LEFT", metric);
  ExpectStep(9, " WIZARD\n Press the DOWN Arrow key\n ");
  Arrow(plat::VK_DOWN, "DOWN", metric);
  ExpectStep(10, " WIZARD\n Press the LEFT Arrow key\n");
  Arrow(plat::VK_LEFT, "LEFT", metric);
  ExpectStep(11, " WIZARD - Connecting Back to the Original Starting Point\n\n");
  ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbYes, plat::mrYes)
      .Containing("Total Building Area this floor");
  Key(plat::VK_F);
  ExpectStep(13, " WIZARD - Adding Design Rooms\n\n");

  // Six walls of the wizard's lengths, 200 mm (8 in) solid, inner lines inside.
  const std::vector<TExtwallobj> walls = Walls();
  ASSERT_EQ(walls.size(), 6u);
  const std::vector<int32> lengths = metric
                                         ? std::vector<int32>{9000, 7000, 6000, 2000, 3000, 9000}
                                         : std::vector<int32>{8784, 4896, 5904, 1728, 2880, 6624};
  for (std::size_t k = 0; k < walls.size(); ++k) {
    EXPECT_EQ(std::abs(walls[k].X2 - walls[k].X1) + std::abs(walls[k].Y2 - walls[k].Y1),
              lengths[k])
        << "wall " << k;
    EXPECT_EQ(walls[k].Thickness1, metric ? 200 : 192) << "wall " << k;
    EXPECT_EQ(walls[k].CavityWidth, 0);
  }
  EXPECT_EQ(dir.ReadFile(metric ? "CFG\\EXTWALLM.CFG" : "CFG\\EXTWALLI.CFG").substr(0, 8),
            metric ? "200 0 0 " : "192 0 0 ");

  // Two design rooms: the wizard names and sizes them.
  auto wallThickness = [&] {
    ExpectStep(14, " WIZARD - Wall Thickness for Design Rooms on this floor\n\n");
  };
  if (metric)
    wallMetric.Answer([&](dlg::TTRoomptndlg&) { wallThickness(); });
  else
    wallImperial.Answer([&](dlg::TTRoomptnimp&) { wallThickness(); });
  auto firstRoom = [&] { ExpectStep(15, metric ? " WIZARD\n\n" : " WIZARD - New 10 ft x 12 ft Room\n\n"); };
  auto secondRoom = [&] {
    ExpectStep(17, metric ? " WIZARD\n" : " WIZARD\n New 8 ft x 8 ft 8 inches Room\n");
  };
  if (metric) {
    roomMetric.Answer([&](dlg::TTRoomdlg& d) { firstRoom(); d.name = "Den"; });
    roomMetric.Answer([&](dlg::TTRoomdlg& d) { secondRoom(); d.name = "Den"; });
  } else {
    roomImperial.Answer([&](dlg::TTRoomimpdlg& d) { firstRoom(); d.name = "Den"; });
    roomImperial.Answer([&](dlg::TTRoomimpdlg& d) { secondRoom(); d.name = "Den"; });
  }
  form->CmDroomExecute();
  ExpectStep(16, "WIZARD\n");
  const TRoomobj bed = RoomNamed("Bed 1");
  EXPECT_EQ(bed.RoomWidth, metric ? 3600 : 2880);
  EXPECT_EQ(bed.RoomHeight, metric ? 3600 : 3456);
  // Dragged (not by its centre text) near the top left inside corner, which
  // lies a wall's thickness inside the start of the first wall.
  const int32 wall = metric ? 200 : 192;
  const P corner{walls[0].X1 + wall, walls[0].Y1 - wall};
  const P grip{bed.X1 + 300, bed.Y1 - 300};
  Drag(grip.x, grip.y, corner.x + 100 + 300, corner.y - 100 - 300);
  const TRoomobj placed = RoomNamed("Bed 1");
  EXPECT_LE(std::abs(placed.X1 - corner.x), 150);
  EXPECT_LE(std::abs(placed.Y1 - corner.y), 150);
  form->CmDroomExecute();
  ExpectStep(18, " WIZARD - To Finish the Design Rooms\n\n");
  const TRoomobj bath = RoomNamed("Bathroom");
  EXPECT_EQ(bath.RoomWidth, metric ? 3000 : 2304);
  EXPECT_EQ(bath.RoomHeight, metric ? 2600 : 2496);
  EXPECT_EQ(RoomsInFile().size(), 2u);
  // ... and dragged to the top right inside corner.
  const P right{walls[0].X2 - wall, walls[0].Y2 - wall};
  Drag(bath.X1 + 300, bath.Y1 - 300, right.x - bath.RoomWidth - 100 + 300, right.y - 100 - 300);
  EXPECT_LE(std::abs(RoomNamed("Bathroom").X2 - right.x), 150);

  // Finishing the rooms, then altering the bathroom, dragging it beside
  // Bed 1 and finishing again.
  form->CmFinishRoomsExecute();
  ExpectStep(19, " WIZARD - To Alter a Finished Room\n");
  EXPECT_EQ(RoomNamed("Bathroom").Kind, kind::LockedRoom);
  EXPECT_GT(CountInFile(kind::InWall, view::Ground), 0);
  form->CmDroomAlterExecute();
  Click(RoomNamed("Bathroom").X1 + 300, RoomNamed("Bathroom").Y1 - 300);
  EXPECT_EQ(RoomNamed("Bathroom").Kind, kind::Room29001);
  const TRoomobj altered = RoomNamed("Bathroom");
  const int32 bedRight = RoomNamed("Bed 1").X2;
  Drag(altered.X1 + 300, altered.Y1 - 300, bedRight + 200 + 300, altered.Y1 - 300);
  form->CmFinishRoomsExecute();
  const TRoomobj moved = RoomNamed("Bathroom");
  EXPECT_EQ(moved.Kind, kind::LockedRoom);
  EXPECT_LE(std::abs(moved.X1 - bedRight), 150);  // against Bed 1's wall
  EXPECT_EQ(moved.Y1, altered.Y1);
  EXPECT_EQ(WizardStep, 21);
  EXPECT_EQ(WizardKind, wizardkind::None);
  EXPECT_EQ(Panel().rfind(" WIZARD\n\nThat concludes this wizard", 0), 0u);

  // Escape gives the wizard up: its panels go, the pick tool is current.
  Key(plat::VK_ESCAPE);
  EXPECT_EQ(WizardActive, 0);
  EXPECT_EQ(WizardStep, 0);
  EXPECT_EQ(Child().WizardText, nullptr);
  EXPECT_EQ(Child().WizardHint, nullptr);
  EXPECT_EQ(form->CurrentTool()->Type, tooltype::Pick);
  EXPECT_EQ(form->st.PanelText(panel::Guide), "GUIDE: select tool or function");
  EXPECT_EQ(form->st.PanelText(panel::Tool), "Pick tool");
}

INSTANTIATE_TEST_SUITE_P(BothUnits, WallWizard, ::testing::Values(1, 0),
                         [](const auto& info) { return info.param == 1 ? "mm" : "FeetInches"; });

// The window opens at most of the screen: from a small screen, where the
// sheet fills the drawing area, to large ones, where the drawing area is
// larger than the sheet. The wizard's corner is 25 pixels inside the top
// left corner of the sheet as the window shows it, and the first wall is
// drawn from there.
struct WindowSize {
  plat::Size client;
  P corner;  // the pixel the pointer waits on
};

class WallWizardWindow : public WizardTest, public ::testing::WithParamInterface<WindowSize> {};

TEST_P(WallWizardWindow, TheFirstWallStartsOnTheSheetWhateverTheWindowsSize) {
  frame.clientSize = GetParam().client;
  StartWizard(wizardkind::WallsMetric);
  newDrawing.Answer([](dlg::TTNewdlg& d) {
    d.name = "wizard";
    d.designRooms = false;
  });
  wallType.Answer();
  side.Answer();
  form->CmFilenewExecute();
  ExpectStep(5, " WIZARD - Starting Point of First Wall \n\n");
  EXPECT_EQ(Window().window.ScreenToClient(ui.cursor), GetParam().corner);

  const P corner = At(GetParam().corner);
  Key(plat::VK_RETURN);
  Arrow(plat::VK_RIGHT, "RIGHT", true);
  ExpectStep(7, " WIZARD\n Press the DOWN Arrow key\n ");
  const std::vector<TExtwallobj> walls = Walls();
  ASSERT_EQ(walls.size(), 1u);
  EXPECT_EQ(P(walls[0].X1, walls[0].Y1), corner);
  EXPECT_EQ(P(walls[0].X2, walls[0].Y2), P(corner.x + 9000, corner.y));
  // On the sheet with its inner lines, room left below it for the outline.
  EXPECT_GT(walls[0].X1, 0);
  EXPECT_LT(walls[0].X2, DrawingWidth * PixelScale);
  EXPECT_LT(walls[0].Y1, DrawingHeight * PixelScale);
  EXPECT_GT(walls[0].Y1 - 200 - 9000, 0);
  EXPECT_NE(form->st.PanelText(panel::Guide).find("Distance from START POINT h 9000: v 0"),
            std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    ScreenSizes, WallWizardWindow,
    ::testing::Values(WindowSize{{986, 598}, {25, 25}},      // a 1000 x 700 window
                      WindowSize{{1714, 870}, {82, 55}},     // 90% of 1920 x 1080
                      WindowSize{{2290, 1194}, {370, 207}}),  // 90% of 2560 x 1440
    [](const auto& info) {
      return std::to_string(info.param.client.cx) + "x" + std::to_string(info.param.client.cy);
    });

}  // namespace

namespace {

class RoomWizard : public WizardTest, public ::testing::WithParamInterface<int32> {};

// The design-room wizard up to the rooms set side by side for the walls.
TEST_P(RoomWizard, LaysOutFourRoomsInARowWhereTheOutlineStarts) {
  const bool metric = GetParam() == 1;
  const int32 kind = metric ? wizardkind::RoomsMetric : wizardkind::RoomsImperial;
  StartWizard(kind);
  ExpectStep(100, "WIZARD  using the layout design rooms option\n\n");
  ExpectFinishedExample(4);

  newDrawing.Answer([&](dlg::TTNewdlg& d) {
    ExpectStep(101, " WIZARD - New Drawing\n\n");
    d.name = "wizard";
    d.designRooms = true;
  });
  auto thickness = [&] {
    ExpectStep(102, " WIZARD  Wall Thickness for Design Rooms on this floor\n\n");
    EXPECT_NE(Panel().find(metric ? "Type 100" : "Type 4"), std::string::npos);
  };
  if (metric)
    wallMetric.Answer([&](dlg::TTRoomptndlg& d) { thickness(); d.thickness = 100; });
  else
    wallImperial.Answer([&](dlg::TTRoomptnimp& d) { thickness(); d.inches = 4; d.eighths = 0; });
  // Each room dialog opens on its own step; the wizard's room replaces the answer.
  struct Expected {
    int32 step;
    const char* metricFirst;
    const char* imperialFirst;
  };
  const Expected dialogs[] = {
      {103, " WIZARD  New 3000 mm. x 3600 mm. Design Room\n\n", " WIZARD  New 10' x 12' Design Room\n\n"},
      {105, " WIZARD  New 2400 mm. x 2550 mm. Design Room\n\n",
       " WIZARD  New 8 ft x 8 ft 6 inch Design Room\n\n"},
      {107, " WIZARD  New 3000 mm. x 3300 mm. Design Room\n\n", " WIZARD - New 10' x 11' Design Room\n\n"},
      {109, " WIZARD  New 2700 mm. x 2700 mm. Design Room\n\n", " WIZARD  New 9' x 9 ' Design Room\n\n"},
  };
  for (const Expected& e : dialogs) {
    auto check = [&] { ExpectStep(e.step, metric ? e.metricFirst : e.imperialFirst); };
    if (metric)
      roomMetric.Answer([=](dlg::TTRoomdlg& d) { check(); d.name = "Den"; });
    else
      roomImperial.Answer([=](dlg::TTRoomimpdlg& d) { check(); d.name = "Den"; });
  }
  form->CmFilenewExecute();
  EXPECT_EQ(CurrentView, view::LayoutGround);
  ExpectStep(104, " WIZARD\n\n");
  EXPECT_EQ(form->st.PanelText(panel::Guide),
            "GUIDE: Place mouse cursor in room, hold down and drag room to near top left ");
  const char* statuses[] = {
      "GUIDE: Place mouse cursor in room, hold down and drag room close to right side of bed 1 ",
      "GUIDE: Place mouse cursor in room, hold down and drag room to right side of Bathroom  ",
      "GUIDE: Place mouse cursor in room, hold down and drag room to right side of bed 2  "};
  for (int32 n = 0; n < 3; ++n) {
    form->CmDroomExecute();
    EXPECT_EQ(WizardStep, 106 + 2 * n);
    EXPECT_EQ(form->st.PanelText(panel::Guide), statuses[n]);
  }
  ExpectStep(110, " WIZARD\n");

  // Marking the external walls on the layout sets the rooms side by side,
  // Bed 1's top left corner on the point the outline starts from, one
  // room-wall size apart: the row is as long as the first outline segment.
  wallType.Answer([&](TTExtwalldlg& d) {
    ExpectStep(112, " WIZARD  External Wall Type\n\n");
    EXPECT_EQ(form->st.PanelText(panel::Guide), "GUIDE: ");
    d.type = walltype::Walling100;  // the wizard's wall is the brick veneer whatever is chosen
  });
  ui.ExpectQuestion(plat::mrYes).WithText("do you wish to save drawing changes?");
  form->CmMarkWallsExecute();
  EXPECT_EQ(CurrentView, view::LayoutMarkingWalls);
  const std::vector<TRoomobj> rooms = RoomsInFile();
  ASSERT_EQ(rooms.size(), 4u);
  const P start = At({75, 75});
  const int32 gap = metric ? 100 : 96;
  const char* names[] = {"Bed 1", "Bathroom", "Bed 2", "Kitchen"};
  for (std::size_t k = 0; k < rooms.size(); ++k) {
    EXPECT_STREQ(rooms[k].RoomName, names[k]);
    EXPECT_EQ(rooms[k].Y1, start.y) << names[k];
    EXPECT_EQ(rooms[k].X2 - rooms[k].X1, rooms[k].RoomWidth) << names[k];
    EXPECT_EQ(rooms[k].X1, k == 0 ? start.x : rooms[k - 1].X2 + gap) << names[k];
  }
  EXPECT_EQ(rooms[3].X2 - rooms[0].X1, metric ? 11400 : 10944);
  ExpectStep(113, " WIZARD You should have something like this...\n\n");
  EXPECT_NE(Panel().find("Press Enter: the outline starts on the top left corner of Bed 1"),
            std::string::npos);
  // The window settles to another height before the user goes on.
  Window().Resize({800, 520});
  // Enter anywhere starts at Bed 1's corner, the rooms standing where the
  // outline starts; each Enter draws the wizard's next segment; the ADD key
  // closes the outline.
  ui.cursor = Window().window.ClientToScreen({400, 300});
  Key(plat::VK_RETURN);
  ExpectStep(114, " WIZARD\n\n");
  const P outlineStart{form->CurrentTool()->X1, form->CurrentTool()->Y1};
  EXPECT_EQ(outlineStart, At({75, 75}));
  EXPECT_EQ(P(RoomNamed("Bed 1").X1, RoomNamed("Bed 1").Y1), outlineStart);
  EXPECT_EQ(RoomNamed("Kitchen").Y1, outlineStart.y);
  const char* firsts[] = {" WIZARD\n\n", " WIZARD\n", " WIZARD\n\n", " WIZARD\n\n",
                          " WIZARD\nConnecting Back To The Starting Point\n (top / left corner of Bed 1)\n"};
  for (int32 k = 0; k < 5; ++k) {
    Key(plat::VK_RETURN);
    ExpectStep(115 + k, firsts[k]);
  }
  ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbYes, plat::mrYes)
      .Containing("Total Building Area this floor");
  Key(plat::VK_ADD);
  // The last step: its texts stay, the wizard walks no more steps.
  EXPECT_EQ(WizardStep, 122);
  EXPECT_EQ(WizardKind, wizardkind::None);
  EXPECT_EQ(Panel().rfind("\nWIZARD\n That concludes this wizard\n\n", 0), 0u);
  EXPECT_EQ(Window().caption, "wizard.PLN");
  const std::vector<TExtwallobj> walls = Walls();
  ASSERT_EQ(walls.size(), 6u);
  for (const TExtwallobj& w : walls) {
    EXPECT_EQ(w.Thickness1, metric ? 110 : 108);
    EXPECT_EQ(w.CavityWidth, metric ? 55 : 48);
    EXPECT_EQ(w.Thickness2, metric ? 75 : 72);
  }
  EXPECT_EQ(CountInFile(kind::WallLine, view::LayoutMarkingWalls), 0);
  // The rooms are locked into partitions on the ground floor, their tops on
  // the external wall's face, their texts saying their sizes.
  EXPECT_EQ(CountInFile(kind::LockedRoom, view::Ground), 4);
  EXPECT_GT(CountInFile(kind::InWall, view::Ground), 3);
  const int32 face = building::ExtWallInnerFace(walls[0]).y1;
  for (const TRoomobj& r : RoomsInFile()) {
    EXPECT_EQ(r.Y1, face) << r.RoomName;
    EXPECT_EQ(r.RoomHeight, r.Y1 - r.Y2) << r.RoomName;
  }
  const TRoomobj bed = RoomNamed("Bed 1");
  EXPECT_EQ(bed.RoomHeight, metric ? 3600 : 3456);
  std::vector<std::string> texts;
  for (const auto& t : InFileOf<TTextobj>(kind::WallLabel))
    if (t.Tag1 == bed.Tag1) texts.push_back(t.Text);
  const std::vector<std::string> expected{"Bed 1", metric ? "3000 x 3600" : "10' 0'' x 12' 0''"};
  EXPECT_EQ(texts, expected);
}

INSTANTIATE_TEST_SUITE_P(BothUnits, RoomWizard, ::testing::Values(1, 0),
                         [](const auto& info) { return info.param == 1 ? "mm" : "FeetInches"; });

// Where the step panel and the hint line lie, kept inside small windows
// too, and the texts of every step.
TEST(WizardPanels, StepsArePlacedByTheirStepKeptInsideTheWindowAndWritten) {
  struct Case {
    bool wall;
    int32 step, w, h;
    plat::Rect expected;
    bool border;
  };
  const Case cases[] = {
      {true, 0, 800, 500, {150, 200, 650, 300}, true},     // the first step, in the middle
      {true, 1, 800, 500, {100, 400, 700, 500}, false},    // wide, at the bottom
      {true, 5, 800, 500, {100, 380, 700, 500}, false},    // lowered and taller, moved back in
      {true, 7, 800, 500, {150, 380, 650, 500}, false},    // narrow and lowered
      {true, 12, 800, 500, {150, 400, 650, 500}, false},   // narrow
      {true, 20, 800, 500, {100, 175, 700, 375}, true},    // the last step, in the middle
      {false, 100, 800, 500, {150, 200, 650, 300}, true},
      {false, 101, 800, 500, {100, 400, 700, 500}, false},
      {false, 110, 800, 500, {150, 400, 650, 500}, false},
      {false, 121, 800, 500, {100, 175, 700, 345}, true},
      {false, 122, 800, 500, {100, 400, 700, 500}, false},
      {true, 20, 300, 150, {0, 0, 300, 150}, true},        // larger than the window
      {true, 0, 120, 400, {0, 150, 120, 250}, true},       // a narrow window
  };
  for (const Case& c : cases) {
    EXPECT_EQ(wizard::StepPanelBounds(c.wall, c.step, c.w, c.h), c.expected)
        << (c.wall ? "wall " : "room ") << c.step << " in " << c.w << "x" << c.h;
    EXPECT_EQ(wizard::StepPanelBordered(c.wall, c.step), c.border) << c.step;
  }
  EXPECT_EQ(wizard::HintBounds(800, 500), (plat::Rect{175, 3, 625, 23}));
  EXPECT_EQ(wizard::HintBounds(300, 150), (plat::Rect{0, 3, 300, 23}));

  // Every step shown has its text in both units; millimetres carry no foot marks.
  const std::regex footMark("[0-9] ?'");
  for (int32 step = 0; step <= 121; ++step) {
    if (step == 2 || (step > 20 && step < 100) || step == 111) continue;
    EXPECT_FALSE(wizard::StepText(step, false).empty()) << step;
    EXPECT_FALSE(std::regex_search(wizard::StepText(step, true), footMark)) << step;
  }
}

class WizardEnds : public WizardTest {};

// The last step stays on screen with the wizard's kind cleared: from then on
// the commands are the user's own again, until Escape or File New ends it.
TEST_F(WizardEnds, TheLastStepStaysButNoLongerDrivesTheCommands) {
  wallType.Cancel();
  NewDrawing("HOUSE");
  WizardActive = 1;
  WizardKind = wizardkind::WallsMetric;
  WizardStep = 20;
  Child().ShowWallWizardStep(0);
  EXPECT_EQ(WizardActive, 1);
  EXPECT_EQ(WizardStep, 21);
  EXPECT_EQ(WizardKind, wizardkind::None);
  EXPECT_NE(Panel().find("That concludes this wizard - another Wizard can be found from 'Help' on "
                         "the menu bar\n\n\n"),
            std::string::npos);
  EXPECT_TRUE(Child().WizardText->Style().border);
  EXPECT_EQ(PanelBounds(), (plat::Rect{100, 175, 700, 375}));
  EXPECT_FALSE(Window().window.HasInvalidArea());  // painted at once

  // The wall chain takes the user's own wall, and the texts stay.
  wallType.Answer([](TTExtwalldlg& d) { d.type = walltype::Cavity; });
  side.Answer();
  form->CmExtwallExecute();
  EXPECT_EQ(dir.ReadFile("CFG\\EXTWALLM.CFG").substr(0, 11), "110 55 110 ");
  EXPECT_EQ(WizardStep, 21);
  EXPECT_NE(Panel().find("That concludes this wizard"), std::string::npos);

  // File New at a step past the New dialog's gives the wizard up.
  wallType.Answer();
  side.Answer();
  NewDrawing("COTTAGE");
  EXPECT_EQ(WizardActive, 0);
  EXPECT_EQ(Child().WizardText, nullptr);

  // A second wizard in a window makes fresh panels.
  WizardActive = 1;
  WizardKind = wizardkind::RoomsMetric;
  WizardStep = 101;
  Child().ShowRoomWizardStep(0);
  ExpectStep(101, " WIZARD - New Drawing\n\n");
  EXPECT_TRUE(HintShown());
}

// Opening a drawing while a wizard shows its example opens that drawing,
// not a file of its name among the examples.
TEST_F(WizardEnds, OpeningADrawingEndsTheWizard) {
  wallType.Cancel();
  NewDrawing("HOUSE");
  Edit(planfix::Line(0, 0, 3000, 0));
  StartWizard(wizardkind::WallsMetric);
  EXPECT_EQ(WizardStep, 0);
  ASSERT_TRUE(form->OpenNamedDrawing("HOUSE"));
  EXPECT_EQ(WizardActive, 0);
  EXPECT_EQ(UserElementsIn("DWGS\\HOUSE.KWV"), 1);
  Window().Paint();
  EXPECT_EQ(DrawingList.Count(), 7);
  EXPECT_EQ(Child().WizardText, nullptr);
}

// The wizard's rooms are set only when the drawing's first element is a
// design room; other elements stay where they are.
TEST_F(WizardEnds, PlacingTheRoomsNeedsARoomFirstAndLeavesTheRestAlone) {
  wallMetric.Answer([](dlg::TTRoomptndlg& d) { d.thickness = 100; });
  AnswerRoom("A", 3000, 3000);
  NewDrawing("PLAN", 1, true);
  Child().PlaceWizardRooms();  // one room: placed alone
  EXPECT_EQ(P(RoomsInFile()[0].X1, RoomsInFile()[0].Y1), At({75, 75}));
  // In a window larger than the sheet the room stands 75 pixels (1875 mm)
  // inside the sheet's top left corner, not off the sheet.
  Window().Resize({1714, 870});
  Child().PlaceWizardRooms();
  EXPECT_EQ(P(RoomsInFile()[0].X1, RoomsInFile()[0].Y1),
            P(1875, DrawingHeight * PixelScale - 1875));

  Edit(planfix::Line(0, 0, 1000, 0, view::LayoutGround));
  AnswerRoom("B", 2000, 2500);
  form->CmDroomExecute();
  Child().PlaceWizardRooms();
  const std::vector<TRoomobj> rooms = RoomsInFile();
  ASSERT_EQ(rooms.size(), 2u);
  EXPECT_EQ(rooms[1].X1, rooms[0].X2 + 100);
  EXPECT_EQ(rooms[1].Y1, rooms[0].Y1);
  TFlist list;
  list.ProgramDir = DrawingList.ProgramDir;
  list.SetDrawingName("PLAN");
  list.ReadDrawingFile(dtDrawing);
  ASSERT_EQ(list.At(7)->Kind, kind::Line);
  EXPECT_EQ(list.At(7)->X2, 1000);

  wallType.Cancel();
  NewDrawing("EMPTY", 1, false);  // the walls chain is cancelled: nothing but the records
  EXPECT_EQ(DrawingList.Count(), 6);
  Child().PlaceWizardRooms();
  EXPECT_EQ(DrawingList.Count(), 6);
}

}  // namespace
