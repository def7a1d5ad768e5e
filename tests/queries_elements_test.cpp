// The plan window's questions about the list: rooms and elements under the
// cursor, floors with walls, the lowest corner of a floor; and the small
// changes: the site plan's walls and the file of a drawing never saved.
#include <gtest/gtest.h>

#include "platform/files.h"
#include "tests/queries_fixtures.h"

namespace {

using namespace qfix;

TEST_F(QueriesTest, ARoomIsFoundOnlyStrictlyInsideAndOnlyWhileUnlocked) {
  list.Add(Room(view::Ground, 1000, 2000, 2000, 1000, kind::LockedRoom));
  list.Add(Room(view::Ground, 1000, 2000, 2000, 1000, kind::Room29001));
  // Logical points: x 5 = 1 logical unit.
  EXPECT_EQ(list.FindRoomAt(300, 300), kind::Room29001);
  EXPECT_EQ(list.FindRoomAt(200, 300), 0);  // on the left edge
  EXPECT_EQ(list.FindRoomAt(300, 400), 0);  // on the top edge
  CurrentView = view::First;
  EXPECT_EQ(list.FindRoomAt(300, 300), 0);
}

TEST_F(QueriesTest, TheHighestFloorIgnoresTheInformationRecordsAndTheBasement) {
  struct Case {
    const char* name;
    int32 floorUsed;
    int32 highest;
  };
  const Case cases[] = {
      {"nothing drawn", 0, view::Ground},
      {"basement only", view::Basement, view::Ground},
      {"second floor", view::Second, view::Second},
      {"third floor", view::Third, view::Third},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    list.Clear();
    AddInfoRecords(list);
    if (c.floorUsed) list.Add(Line(c.floorUsed, 0, 0, 100, 0));
    Store();
    list.Clear();
    EXPECT_EQ(list.GetHighestFloor(), c.highest);
    EXPECT_EQ(list.Count(), c.floorUsed ? 7 : 6) << "the list holds the drawing again";
  }
}

TEST_F(QueriesTest, AFloorQueryAsksTheStoredDrawingForWalls) {
  list.Add(InWall(view::First, 0, 0, 1000, 0, 0, 100));
  list.Add(Line(view::Second, 0, 0, 1000, 0));
  Store();
  list.Clear();
  EXPECT_EQ(list.QueryFloor(view::First), 1);
  EXPECT_EQ(list.QueryFloor(view::Second), 0);
  EXPECT_EQ(list.Count(), 8);
  // Below the floor views the list is asked as it stands.
  CurrentView = view::LayoutGround;
  list.Clear();
  EXPECT_EQ(list.QueryFloor(view::First), 0);
}

class ElementPicking : public QueriesTest {};

TEST_F(ElementPicking, TextsWithinSeventyFiveLogicalUnitsOnBothAxes) {
  list.Add(Text(33, view::Ground, 1000, 1000, "x"));  // 75 x 5 = 375 units of reach
  const int32 index = 6;
  struct Case {
    int32 x, y;
    int32 found;
  };
  const Case cases[] = {
      {200, 200, index},                  // on the anchor
      {274, 200, index},                  // 370 units right
      {275, 200, TFlist::kNothingFound},  // exactly 375 right
      {200, 126, index},                  // 370 below
      {200, 125, TFlist::kNothingFound},  // exactly 375 below
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
    EXPECT_EQ(list.PickElementAt(TFlist::pmTexts, c.x, c.y), c.found);
  }
  EXPECT_EQ(list.PickElementAt(2, 200, 200), TFlist::kNothingFound);
  CurrentView = view::First;
  EXPECT_EQ(list.PickElementAt(TFlist::pmTexts, 200, 200), TFlist::kNothingFound);
}

TEST_F(ElementPicking, InternalWallsWithinHalfTheirThicknessPlusTheScaleOfEitherFace) {
  // Face along y 1000, second face along y 1100, thickness 100: 50 + 5.
  list.Add(InWall(view::Ground, 1000, 1000, 3000, 1000, 0, 100));
  const int32 index = 6;
  struct Case {
    int32 y;
    int32 found;
  };
  const Case cases[] = {
      {190, index},                  // 950: 50 below the face
      {189, TFlist::kNothingFound},  // 945: 55 below
      {230, index},                  // 1150: 50 above the second face
      {231, TFlist::kNothingFound},  // 1155
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.y);
    EXPECT_EQ(list.PickElementAt(TFlist::pmWalls, 400, c.y), c.found);
  }
  EXPECT_EQ(list.PickElementAt(TFlist::pmWalls, 189, 200), TFlist::kNothingFound);  // x 945
  EXPECT_EQ(list.PickElementAt(TFlist::pmWalls, 190, 200), index);
}

TEST_F(ElementPicking, ExternalWallsWithinTheirWholeThicknessOfTheFaceOrTheInnerLine) {
  // Thickness 100 + cavity 50 + 100 + 5 = 255. Face at y 1000; lines at
  // 1100, 1200 and (the inner, fourth) 1300.
  list.Add(ExtWall(view::Ground, 1000, 1000, 3000, 1000, 0, 100, 100, 50, 100));
  const int32 index = 6;
  struct Case {
    int32 y;
    int32 found;
  };
  const Case cases[] = {
      {150, index},                  // 750
      {149, TFlist::kNothingFound},  // 745
      {310, index},                  // 1550: 250 above the inner line
      {311, TFlist::kNothingFound},  // 1555
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.y);
    EXPECT_EQ(list.PickElementAt(TFlist::pmWalls, 400, c.y), c.found);
  }
}

TEST_F(ElementPicking, AnExternalWallWithoutCavityUsesItsSecondLine) {
  // 100 + 0 + 0 + 5 = 105 of the second line at 1100.
  list.Add(ExtWall(view::Ground, 1000, 1000, 3000, 1000, 0, 100, 100, 0, 0));
  EXPECT_EQ(list.PickElementAt(TFlist::pmWalls, 400, 240), 6);  // 1200
  EXPECT_EQ(list.PickElementAt(TFlist::pmWalls, 400, 241), TFlist::kNothingFound);
}

class LowestCorner : public QueriesTest {
 protected:
  std::pair<int32, int32> Corner() {
    int32 x = -1, y = -1;
    list.FindLowestCorner(x, y);
    return {x, y};
  }
  using P = std::pair<int32, int32>;
};

TEST_F(LowestCorner, WithoutWallsItIsTheOrigin) { EXPECT_EQ(Corner(), (P{0, 0})); }

TEST_F(LowestCorner, TheCornerKeepsToTheLogicalGridTruncatingTowardZero) {
  list.Add(ExtWall(view::Ground, 1003, 2007, 4000, 2007));
  EXPECT_EQ(Corner(), (P{1000, 2005}));
  list.Add(ExtWall(view::Ground, -1003, 2007, -4000, 2007));
  EXPECT_EQ(Corner(), (P{-4000, 2005}));
  list.Clear();
  list.Add(ExtWall(view::Ground, -1003, -7, 400, 600));
  EXPECT_EQ(Corner(), (P{-1000, -5}));
}

TEST_F(LowestCorner, TheFirstWallStaysWhenNeitherCornerIsBothLeftAndBelow) {
  list.Add(ExtWall(view::Ground, 0, 500, 1000, 500));
  list.Add(ExtWall(view::Ground, 500, 0, 500, 1000));
  EXPECT_EQ(Corner(), (P{0, 500}));
}

TEST_F(LowestCorner, AFloorWithoutWallsTakesTheFloorBelow) {
  list.Add(ExtWall(view::Ground, 1000, 1000, 5000, 1000));
  CurrentView = view::First;
  EXPECT_EQ(Corner(), (P{1000, 1000}));
}

TEST_F(LowestCorner, DrawingOverTheFloorBelowMeasuresIt) {
  list.Add(ExtWall(view::Ground, 1000, 1000, 5000, 1000));
  list.Add(ExtWall(view::Basement, 2000, 2000, 5000, 2000));
  CurrentView = view::Basement;
  EXPECT_EQ(Corner(), (P{2000, 2000}));
  WallDisplayMode = 4;
  EXPECT_EQ(Corner(), (P{1000, 1000}));
}

TEST_F(LowestCorner, TheSitePlanTakesItsSymbolsFirstThenAnyWall) {
  CurrentView = view::Site;
  list.Add(ExtWall(view::Ground, 1000, 1000, 5000, 1000));
  EXPECT_EQ(Corner(), (P{1000, 1000}));
  list.Add(Poly(kind::SiteSymbolFirst, view::Site, {{3000, 500}, {2500, 900}}));
  EXPECT_EQ(Corner(), (P{2500, 500}));
}

TEST_F(LowestCorner, LayoutViewsHaveNone) {
  list.Add(ExtWall(view::LayoutGround, 1000, 1000, 5000, 1000));
  CurrentView = view::LayoutGround;
  EXPECT_EQ(Corner(), (P{0, 0}));
}

TEST_F(QueriesTest, TheSitePlanGetsTheGroundFloorsWallsOnceAndTheDrawingIsStored) {
  list.Add(ExtWall(view::Ground, 1000, 1000, 5000, 1000));
  list.Add(ExtWall(view::Ground, 5000, 1000, 5000, 3000));
  list.Add(ExtWall(view::First, 1000, 1000, 5000, 1000));
  list.CopyWallsToSite();
  list.CopyWallsToSite();
  ASSERT_EQ(list.Count(), 11);
  for (int32 i : {9, 10}) {
    auto* copy = dynamic_cast<TExtwallobj*>(list.At(i));
    auto* ground = dynamic_cast<TExtwallobj*>(list.At(i - 3));
    ASSERT_TRUE(copy && ground);
    EXPECT_EQ(copy->Floor, view::Site);
    EXPECT_EQ(copy->WallFlag, 1);
    for (int32 code : copy->WallCodes) EXPECT_EQ(code, 100);
    EXPECT_EQ(copy->X1, ground->X1);
    EXPECT_EQ(copy->Y2, ground->Y2);
    EXPECT_EQ(copy->Line4X2, ground->Line4X2);
    EXPECT_EQ(copy->RefZ, ground->RefZ);
    EXPECT_EQ(copy->WallValues[4], ground->WallValues[4]);
    EXPECT_EQ(copy->Angle, ground->Angle);
  }
  TFlist stored;
  stored.SetDrawingName("House");
  stored.ReadDrawingFile(dtDrawing);
  EXPECT_EQ(stored.Count(), 11);
}

class NeverSavedDrawing : public QueriesTest {
 protected:
  void SetUp() override { Store(); }
};

TEST_F(NeverSavedDrawing, IsDeletedWhenItsSavedCopyHoldsNothing) {
  dir.WriteFile("CFG\\tmp.cfg", "0 0 0 0 1 0\n");
  EXPECT_NE(list.DeleteDrawingFile(), 0);
  EXPECT_FALSE(dir.Exists("DWGS\\House.KWV"));
  EXPECT_EQ(list.Count(), 0);
}

TEST_F(NeverSavedDrawing, StaysWhenTheSavedCopyCannotBeRead) {
  plat::DeleteFile("CFG\\tmp.cfg");
  EXPECT_EQ(list.DeleteDrawingFile(), 0);
  EXPECT_TRUE(dir.Exists("DWGS\\House.KWV"));
  dir.WriteFile("CFG\\tmp.cfg", "");
  EXPECT_EQ(list.DeleteDrawingFile(), 0);
  EXPECT_TRUE(dir.Exists("DWGS\\House.KWV"));
  EXPECT_EQ(list.Count(), 6);
}

TEST_F(NeverSavedDrawing, StaysWhenTheSavedCopyHoldsElements) {
  list.WriteDrawingFile(dtSavedCopy);
  EXPECT_EQ(list.DeleteDrawingFile(), 0);
  EXPECT_TRUE(dir.Exists("DWGS\\House.KWV"));
}

}  // namespace
