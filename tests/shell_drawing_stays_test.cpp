// A drawing stays where it was drawn. What the windows do never moves it:
// each window keeps a sheet of its own proportions, and files keep
// positions about the sheet's centre, so whatever the list holds must follow
// the sheet in force whenever a write could come. And the floors of a house
// stay over one another when one of them is centred on the sheet.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "model/flist.h"
#include "model/globals.h"
#include "planwindow/childwin.h"
#include "storage/record_codec.h"
#include "tests/planwindow_fixture.h"

namespace {

constexpr const char* kLive = "DWGS\\HOUSE.KWV";
constexpr const char* kSaved = "CFG\\tmp.cfg";
constexpr const char* kGroup = "DWGS\\HOUSE.GPD";

class WindowOperations : public planfix::ShellTest {
 public:
  using planfix::ShellTest::form;
  using planfix::ShellTest::frame;

  // A saved house with a ground and a first floor, each in its window
  // (the first floor's active), the windows of one shape.
  void SetUp() override {
    ShellTest::SetUp();
    NewDrawing("HOUSE");
    ground = &Window();
    Edit(planfix::ExtWall(18000, 11000, 22000, 11000));
    Edit(planfix::Line(19000, 12000, 21000, 14000));
    form->CmSaveExecute();
    DefaultTestUi().ExpectQuestion(plat::mrNo).WithText(
        "Will the outside wall dimensions be the same as the ground floor?");
    form->CmPlan1Execute();
    first = &Window();
    ASSERT_NE(first, ground);
    Edit(planfix::Line(18500, 11500, 21500, 11500, view::First));
    form->CmSaveExecute();
    live = dir.ReadFile(kLive);
    saved = dir.ReadFile(kSaved);
    ASSERT_EQ(live, saved);
  }
  planfix::PlanHost* ground = nullptr;
  planfix::PlanHost* first = nullptr;
  std::string live, saved;
};

struct Operation {
  const char* name;
  std::function<void(WindowOperations&)> run;
};

void Activate(WindowOperations& t, planfix::PlanHost* h) { t.form->ChildActivated(h->child); }

const Operation kOperations[] = {
    {"CloseTheActiveWindowOfAnotherShape",
     [](WindowOperations& t) {
       t.ground->Resize({400, 700});
       t.first->Close();
     }},
    {"PaintTheOtherWindowOfAnotherShape",
     [](WindowOperations& t) {
       t.ground->Resize({400, 700});
       t.ground->window.InvalidateRect(nullptr);
       t.ground->Paint();
     }},
    {"ResizeTheActiveWindow", [](WindowOperations& t) { t.first->Resize({1200, 400}); }},
    {"ActivateTheOtherWindowOfAnotherShape",
     [](WindowOperations& t) {
       t.ground->Resize({400, 700});
       Activate(t, t.ground);
     }},
    {"MaximiseThenRestoreThenCloseEach",
     [](WindowOperations& t) {
       t.first->Resize({2560, 1300});
       t.first->Paint();
       t.first->Resize({1000, 600});
       t.first->Close();
       t.ground->Resize({700, 1000});
     }},
    {"CloseEachAndReopenTwice",
     [](WindowOperations& t) {
       for (int i = 0; i < 2; ++i) {
         t.ground->Resize({500 + 300 * i, 900});
         t.first->Close();
         t.ground->Close();
         t.form->OpenRecentFile(0);
         t.ground = t.first = t.frame.Active();
         t.first->Resize({1100, 500});
       }
     }},
};

class AnyWindowOperation : public WindowOperations,
                           public ::testing::WithParamInterface<Operation> {};

// Whatever is done to the windows, a save writes every element where it
// was: the live file and the saved copy keep their bytes.
TEST_P(AnyWindowOperation, NeverMovesWhatASaveWrites) {
  GetParam().run(*this);
  form->CmSaveExecute();
  EXPECT_EQ(dir.ReadFile(kLive), live);
  EXPECT_EQ(dir.ReadFile(kSaved), saved);
}

INSTANTIATE_TEST_SUITE_P(Windows, AnyWindowOperation, ::testing::ValuesIn(kOperations),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

namespace {

// The group drawing keeps its place through the same operations, and the
// floors' drawing saved from the group window keeps its own.
TEST_F(WindowOperations, TheGroupDrawingStaysWhereItWasDrawnToo) {
  form->CmGroupExecute();
  planfix::PlanHost* group = &Window();
  Edit(planfix::Line(17000, 10000, 23000, 10000, view::Group));
  form->CmSaveExecute();
  const std::string drawn = dir.ReadFile(kGroup);

  group->Resize({450, 800});
  Activate(*this, ground);
  ground->Paint();
  Activate(*this, group);
  group->Resize({1300, 500});
  Edit(planfix::Line(17000, 9000, 23000, 9000, view::Group));
  form->CmSaveExecute();
  // The first line's record, the last of the file as it was drawn.
  const std::string firstLine = drawn.substr(drawn.rfind("\n1\n") + 1);
  EXPECT_NE(dir.ReadFile(kGroup).find(firstLine), std::string::npos) << drawn;
  EXPECT_EQ(dir.ReadFile(kLive), live);
  EXPECT_EQ(dir.ReadFile(kSaved), saved);
}

}  // namespace

namespace {

// The stored positions of the first element of a kind on a floor.
std::pair<int32, int32> Stored(const ScratchProgramDir& dir, int32 k, int32 floor) {
  TFlist stored;
  const int32 units = MetricUnits;
  storage::ReadListFile(dir.Path(kLive), stored, {});
  MetricUnits = units;
  for (int32 i = 0; i < stored.Count(); ++i)
    if (stored.At(i)->Kind == k && stored.At(i)->Floor == floor)
      return {stored.At(i)->X1, stored.At(i)->Y1};
  ADD_FAILURE() << "no kind " << k << " on floor " << floor;
  return {};
}

// A bed 9 m beside the house moves the ground floor's box: Plan Views >
// Ground Floor centres the ground floor, and the first floor comes along.
TEST_F(WindowOperations, CentringTheGroundFloorTakesTheFloorsAboveAlong) {
  const int32 xs[] = {27000, 29000, 29000, 27000}, ys[] = {11000, 11000, 13000, 13000};
  const int32 zs[4] = {}, hidden[4] = {};
  Activate(*this, ground);
  Edit(new TPolyobj(kind::PolyFirst, view::Ground, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0, 0,
                    DrawingColour, xs[0], 0, ys[0], xs, zs, ys, hidden));
  form->CmSaveExecute();
  const auto wallBefore = Stored(dir, kind::ExtWall, view::Ground);
  const auto aboveBefore = Stored(dir, kind::Line, view::First);

  form->CmPlanExecute();
  const auto wall = Stored(dir, kind::ExtWall, view::Ground);
  const auto above = Stored(dir, kind::Line, view::First);
  EXPECT_NE(wall, wallBefore) << "the ground floor was not centred";
  EXPECT_EQ(above.first - aboveBefore.first, wall.first - wallBefore.first);
  EXPECT_EQ(above.second - aboveBefore.second, wall.second - wallBefore.second);
}

}  // namespace
