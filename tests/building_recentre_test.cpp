// Re-centring a floor on the sheet, and the floor area of its walls.
#include <gtest/gtest.h>

#include <vector>

#include "building/extwall_tool.h"
#include "tools/linetool.h"
#include "tools/lineobj_geometry.h"
#include "building/recentre.h"
#include "model/flist.h"
#include "tests/test_support.h"

namespace {

class Recentre : public ::testing::Test {
 protected:
  void SetUp() override {
    Units(true);
    DrawingList.SetDrawingName("CENTRE");
    InitDrawingList();
    CurrentView = view::Ground;
  }
  void Units(bool metric) {
    MetricUnits = metric ? 1 : 0;
    PixelScale = metric ? 5 : 6;
    // A sheet of 12000 x 9600 drawing units in either units: its centre is
    // (6000, 4800).
    DrawingWidth = 12000 / PixelScale;
    DrawingHeight = 9600 / PixelScale;
  }
  TExtwallobj* Wall(int32 floor, int32 x1, int32 y1, int32 x2, int32 y2) {
    WallDraft d;
    d.start = {x1, y1};
    d.end = {x2, y2};
    d.floor = floor;
    d.points.p[0] = {x1 + 1, y1 + 1};
    auto* w = MakeWall(d);
    DrawingList.Add(w);
    return w;
  }
  // A box whose centre is (6000 - dx, 4800 - dy): the raw shift (dx, dy).
  void BoxWithRawShift(int32 floor, int32 dx, int32 dy) {
    Wall(floor, 4000 - dx, 3800 - dy, 4000 - dx, 5800 - dy);
    Wall(floor, 8000 - dx, 5800 - dy, 8000 - dx, 3800 - dy);
  }

  ScratchProgramDir dir;
};

TEST_F(Recentre, TheShiftIsCutDownToWholeStepsOfTheUnits) {
  struct Case {
    bool metric;
    int32 raw, snapped;
  } cases[] = {{false, -37, -24}, {true, 49, 25}, {true, 24, 0}, {false, 23, 0},
               {true, -76, -75}, {false, 48, 48}};
  for (const auto& c : cases) {
    Units(c.metric);
    InitDrawingList();
    BoxWithRawShift(view::Ground, c.raw, c.raw);
    RecentreFloors(recentre::Save);
    const TObj& w = *DrawingList.At(6);
    EXPECT_EQ(w.X1, 4000 - c.raw + c.snapped) << c.raw;
    EXPECT_EQ(w.Y1, 3800 - c.raw + c.snapped) << c.raw;
  }
}

TEST_F(Recentre, EveryPointOfTheFloorMovesAndTheOtherFloorsWithIt) {
  // The topmost wall first: the box still spans every wall.
  Wall(view::Ground, 2000, 6000, 6000, 6000);
  Wall(view::Ground, 2000, 2000, 2000, 6000);
  auto* text = new TTextobj(kind::Text34, view::Ground, 0, 0, 1000, 1000, 900, 0, 0, 0, 1, 0, 6,
                            1, 10, 400, "Arial", "4000");
  DrawingList.Add(text);
  auto* above = Wall(view::First, 2000, 2000, 2000, 6000);
  auto* site = Wall(view::Site, 2000, 2000, 2000, 6000);
  RecentreFloors(recentre::NoSave);
  // Box 2000..6000 x 2000..6000: centre (4000, 4000), shift (2000, 800).
  const TObj& first = *DrawingList.At(6);
  EXPECT_EQ(first.X1, 4000);
  EXPECT_EQ(first.Y1, 6800);
  EXPECT_EQ(static_cast<const TExtwallobj&>(first).Line2X1, 2001 + 2000);
  EXPECT_EQ(text->X1, 3000);
  EXPECT_EQ(text->X2, 900);  // the bearing it labels stays
  EXPECT_EQ(above->X1, 4000);
  EXPECT_EQ(site->X1, 2000);
  EXPECT_EQ(DrawingList.At(0)->X1, 2000);  // the floor's information record moves too
  // NoSave leaves the file alone.
  DrawingList.Clear();
  DrawingList.ReadDrawingFile(dtDrawing);
  EXPECT_EQ(DrawingList.Count(), 0);
}

TEST_F(Recentre, AFloorWithoutWallsOrSymbolsMovesNothingAndWritesNothing) {
  DrawingList.Add(new TLineobj(kind::Line, view::Ground, 0, 0, 100, 0, 900, 0, 100, 100, 0, 900,
                               0, 1, 0));
  RecentreFloors(recentre::Save);
  EXPECT_EQ(DrawingList.At(6)->X1, 100);
  EXPECT_FALSE(dir.Exists("DWGS\\CENTRE.KWV"));
  // The site plan measures every shape: the line moves it.
  CurrentView = view::Site;
  DrawingList.At(6)->Floor = view::Site;
  RecentreFloors(recentre::SitePlan);
  EXPECT_EQ(DrawingList.At(6)->X1, 100 + 5500);
  EXPECT_TRUE(dir.Exists("DWGS\\CENTRE.KWV"));
}

// The floors of the house keep lying over one another whichever of them is
// re-centred; views that are no floor of it (site plan, layouts) and walls
// of kind 110 stay where they were drawn.
TEST_F(Recentre, EveryFloorOfTheHouseTakesTheShiftOfTheFloorReCentred) {
  BoxWithRawShift(view::Ground, 100, 0);
  std::vector<TObj*> floors;
  for (int32 v : {view::First, view::Second, view::Third, view::Basement, view::SubFloor})
    floors.push_back(Wall(v, 1000, 1000, 1000, 2000));
  TObj* stays[] = {Wall(view::Site, 1000, 1000, 1000, 2000),
                   Wall(view::LayoutGround, 1000, 1000, 1000, 2000),
                   Wall(view::First, 1000, 1000, 1000, 2000)};
  stays[2]->Kind = kind::ExtWall110;
  RecentreFloors(recentre::AfterWalls);
  for (TObj* f : floors) EXPECT_EQ(f->X1, 1100) << f->Floor;
  for (TObj* s : stays) EXPECT_EQ(s->X1, 1000) << s->Floor;

  // The first floor's own box is off centre: the ground floor goes with it.
  CurrentView = view::First;
  const int32 groundOverFirst = DrawingList.At(6)->X1 - floors[0]->X1;
  RecentreFloors(recentre::Save);
  EXPECT_NE(floors[0]->X1, 1100);
  EXPECT_EQ(DrawingList.At(6)->X1 - floors[0]->X1, groundOverFirst);
  for (TObj* s : stays) EXPECT_EQ(s->X1, 1000) << s->Floor;
}

TEST_F(Recentre, WindowsAndDoorsMoveByTheirInsertionPointOnly) {
  BoxWithRawShift(view::Ground, 100, 0);
  auto* window = new TWindowobj();
  window->Kind = kind::Window;
  window->Floor = view::Ground;
  window->X1 = 10;
  window->InsertX = 4000;
  DrawingList.Add(window);
  RecentreFloors(recentre::NoSave);
  EXPECT_EQ(window->InsertX, 4100);
  EXPECT_EQ(window->X1, 10);
}

TEST_F(Recentre, TheFloorAreaIsTheOutlinesTrapezoidSum) {
  // 4000 x 3000 mm, traced clockwise.
  Wall(view::Ground, 1000, 1000, 1000, 4000);
  Wall(view::Ground, 1000, 4000, 5000, 4000);
  Wall(view::Ground, 5000, 4000, 5000, 1000);
  Wall(view::Ground, 5000, 1000, 1000, 1000);
  EXPECT_EQ(EnclosedFloorArea(DrawingList, view::Ground), 12);
  TLineobjtool pick;
  pick.ComputeFloorArea();
  EXPECT_EQ(DrawingList.GetFloorArea(), 12);
  // 12 ft by 10 ft in 1/24 inch.
  Units(false);
  InitDrawingList();
  const int32 w = 12 * 12 * 24, h = 10 * 12 * 24;
  Wall(view::First, 1200, 1200, 1200, 1200 + h);
  Wall(view::First, 1200, 1200 + h, 1200 + w, 1200 + h);
  Wall(view::First, 1200 + w, 1200 + h, 1200 + w, 1200);
  Wall(view::First, 1200 + w, 1200, 1200, 1200);
  EXPECT_EQ(EnclosedFloorArea(DrawingList, view::First), 120);
  EXPECT_EQ(EnclosedFloorArea(DrawingList, view::Ground), 0);
}

}  // namespace
