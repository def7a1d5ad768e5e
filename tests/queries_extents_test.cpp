// Plan extents, clear spans, design-room bounds and library extents as the
// zoom, the printing, the fixture designer and the frame tools read them
// from their settings files.
#include <gtest/gtest.h>

#include "platform/files.h"
#include "tests/queries_fixtures.h"

namespace {

using namespace qfix;
using Values = std::vector<long long>;

class PlanExtents : public QueriesTest {
 protected:
  // The ground floor of a small house: four walls round 1000..5000 x
  // 1000..3000.
  void AddHouseWalls(int32 floor = view::Ground) {
    list.Add(ExtWall(floor, 1000, 1000, 5000, 1000));
    list.Add(ExtWall(floor, 5000, 1000, 5000, 3000));
    list.Add(ExtWall(floor, 5000, 3000, 1000, 3000));
    list.Add(ExtWall(floor, 1000, 3000, 1000, 1000));
  }
  Values Measure(int32 scope) {
    Store();
    TFlist reader;
    reader.SetDrawingName("House");
    reader.ComputePlanExtents(scope);
    return Ints(dir, "CFG\\EXTENTS.CFG");
  }
};

TEST_F(PlanExtents, ALoneTextLowersTheMinimaWithoutRaisingTheMaxima) {
  list.Add(Text(kind::Text, view::Ground, 100, 100, "note"));
  EXPECT_EQ(Measure(TFlist::esEverything), (Values{100, 0, 100, 200000}));
}

TEST_F(PlanExtents, ANothingCountingViewWritesTheStartValues) {
  CurrentView = view::First;
  EXPECT_EQ(Measure(TFlist::esOutline), (Values{200000, 0, 0, 200000}));
}

TEST_F(PlanExtents, ATitleBelowThePlanKeepsRoomForTheDimensionsInBothUnitSystems) {
  struct Case {
    const char* name;
    bool metric;
    const char* offsetsFile;
    const char* offsets;
    long long margin;
  };
  const Case cases[] = {
      {"metric", true, "CFG\\MOFFSET.CFG", "100 300 200 0 250 200 300", 4 * 300 + 200},
      {"imperial", false, "CFG\\IOFFSET.CFG", "96 288 192 0 240 192 288", 4 * 288 + 192},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    list.Clear();
    AddInfoRecords(list);
    c.metric ? UseMetric() : UseImperial();
    dir.WriteFile(c.offsetsFile, c.offsets);
    AddHouseWalls();
    list.Add(Text(kind::DrawingTitle, view::Ground, 3000, 500, "GROUND FLOOR"));
    EXPECT_EQ(Measure(TFlist::esEverything), (Values{1000, 5000, 3000, 500 - c.margin}));

    // A plain text at the same place leaves the bottom at the walls.
    list.Clear();
    AddInfoRecords(list);
    AddHouseWalls();
    list.Add(Text(kind::Text, view::Ground, 3000, 500, "note"));
    EXPECT_EQ(Measure(TFlist::esEverything), (Values{1000, 5000, 3000, 1000}));
  }
}

TEST_F(PlanExtents, WithoutDimensionSettingsTheMarginIsZero) {
  plat::DeleteFile("CFG\\MOFFSET.CFG");
  AddHouseWalls();
  list.Add(Text(kind::DrawingTitle, view::Ground, 3000, 500, "GROUND FLOOR"));
  EXPECT_EQ(Measure(TFlist::esEverything), (Values{1000, 5000, 3000, 500}));
}

TEST_F(PlanExtents, AnUpperFloorWithoutWallsTakesTheGroundFloorsDimensions) {
  list.Add(new TArrowobj(kind::Arrow, view::Ground, 0, 0, 800, 700, 5200, 700, 0, 0, 0, 0, 0, 0, 0,
                         0, 0));
  CurrentView = view::First;
  EXPECT_EQ(Measure(TFlist::esOutline), (Values{800, 5200, 700, 700}));
}

TEST_F(PlanExtents, PrintingTheSitePlanWithDimensionsCountsItsInternalWallsTooTheScreenDoesNot) {
  list.Add(InWall(view::Site, 2000, 2000, 2000, 9000, 100, 0));
  list.Add(new TDimensobj(kind::Dimension, view::Site, 0, 0, 2500, 2500, 2600, 2500, 2700, 2500,
                          2800, 2500, 900, 1, 0));
  CurrentView = view::Site + view::PrintOffset;
  // The wall's second end raises the maximum first.
  EXPECT_EQ(Measure(TFlist::esOutline), (Values{2000, 2000, 9000, 2000}));
  CurrentView = view::Site;
  EXPECT_EQ(Measure(TFlist::esOutline), (Values{200000, 0, 0, 200000}));
}

TEST_F(PlanExtents, TheLayoutViewMeasuresItsDesignRooms) {
  list.Add(Room(view::LayoutGround, 1000, 4000, 3000, 2000));
  list.Add(Room(view::LayoutGround, 3000, 4500, 6000, 1500));
  list.Add(Room(view::LayoutGround, 0, 9000, 9000, 0, kind::Room29001));  // not counted
  CurrentView = view::LayoutGround;
  EXPECT_EQ(Measure(TFlist::esOutline), (Values{1000, 6000, 4500, 1500}));
}

TEST_F(PlanExtents, TheListHoldsTheWholeDrawingAfterwards) {
  AddHouseWalls();
  Store();
  list.Clear();
  list.ComputePlanExtents(TFlist::esOutline);
  EXPECT_EQ(list.Count(), 10);
}

class ClearSpan : public QueriesTest {
 protected:
  // Two upright internal walls 100 thick whose facing lines stand at x 1100
  // and 1100 + gap.
  void AddWallsApart(int32 gap) {
    list.Add(InWall(view::Ground, 1000, 0, 1000, 4000, 100, 0));
    list.Add(InWall(view::Ground, 1100 + gap, 0, 1100 + gap, 4000, 100, 0));
  }
  Values Span(int32 x, int32 y, int32 axis) {
    list.FindClearSpan(x, y, axis);
    return Ints(dir, "CFG\\MAX.CFG");
  }
};

TEST_F(ClearSpan, AClickBetweenTwoWallsMeasuresTheirFacingLines) {
  AddWallsApart(3000);
  EXPECT_EQ(Span(2500, 2000, TFlist::saAcross), (Values{3000, 0}));
}

TEST_F(ClearSpan, SpansFromTenThousandOnAreNotBounded) {
  struct Case {
    int32 gap;
    long long written;
  };
  for (const Case c : {Case{9999, 9999}, Case{10000, 0}}) {
    SCOPED_TRACE(c.gap);
    list.Clear();
    AddInfoRecords(list);
    AddWallsApart(c.gap);
    EXPECT_EQ(Span(1200, 2000, TFlist::saAcross), (Values{c.written, 0}));
  }
}

TEST_F(ClearSpan, NothingOnOneSideWritesZero) {
  list.Add(InWall(view::Ground, 1000, 0, 1000, 4000, 100, 0));
  EXPECT_EQ(Span(2500, 2000, TFlist::saAcross), (Values{0, 0}));
}

TEST_F(ClearSpan, MeasuringUpUsesTheLinesAboveAndBelow) {
  list.Add(InWall(view::Ground, 0, 1000, 4000, 1000, 0, 100));
  list.Add(new TRndrectobj(kind::RoundRect, view::Ground, 0, 0, 500, 0, 3500, 0, 3600, 4000, 50, 0,
                           0, 1, 0));
  list.Add(Poly(kind::PolyFirst, view::First, {{0, 2000}, {4000, 2000}}));  // another floor
  // A box offers its far side as the high end.
  EXPECT_EQ(Span(2000, 2000, TFlist::saUp), (Values{4000 - 1100, 0}));
}

TEST_F(ClearSpan, AnExternalWallOffersItsInnerLine) {
  // Without a cavity the second line, with one the fourth.
  list.Add(ExtWall(view::Ground, 1000, 0, 1000, 4000, 100, 0, 100, 0));
  list.Add(ExtWall(view::Ground, 6000, 0, 6000, 4000, -100, 0, 100, 50, 100));
  EXPECT_EQ(Span(3000, 2000, TFlist::saAcross), (Values{5700 - 1100, 0}));
}

class RoomBounds : public QueriesTest {
 protected:
  void SetUp() override {
    CurrentView = view::LayoutGround;
    plat::DeleteFile("CFG\\RECT.CFG");
    plat::DeleteFile("CFG\\BOUNDS.CFG");
  }
};

TEST_F(RoomBounds, OneRoomWritesNothing) {
  list.Add(Room(view::LayoutGround, 1000, 4000, 3000, 2000));
  EXPECT_EQ(list.WriteRectAndBounds(), 1);
  EXPECT_FALSE(dir.Exists("CFG\\RECT.CFG"));
  EXPECT_FALSE(dir.Exists("CFG\\BOUNDS.CFG"));
}

TEST_F(RoomBounds, TwoRoomsGiveTheirRectangleAndBounds) {
  list.Add(Room(view::LayoutGround, 1000, 4000, 3000, 2000));
  list.Add(Room(view::LayoutGround, 3000, 4500, 6000, 1500));
  EXPECT_EQ(list.WriteRectAndBounds(), 2);
  EXPECT_EQ(Ints(dir, "CFG\\RECT.CFG"), (Values{5000, 3000, 15000000}));
  EXPECT_EQ(Ints(dir, "CFG\\BOUNDS.CFG"), (Values{1000, 4500, 6000, 1500}));
}

TEST_F(RoomBounds, ARoomJustCreatedIsCountedButNotMeasured) {
  WindowOrgX = 100;
  WindowOrgY = 200;
  list.Add(Room(view::LayoutGround, 1000, 4000, 3000, 2000));
  list.Add(Room(view::LayoutGround, 3000, 4500, 6000, 1500));
  // The new-room place: ((100 + 10) x 5, (200 + 10) x 5 + height).
  list.Add(Room(view::LayoutGround, 550, 1050 + 800, 1550, 1050));
  EXPECT_EQ(list.WriteRectAndBounds(), 3);
  EXPECT_EQ(Ints(dir, "CFG\\BOUNDS.CFG"), (Values{1000, 4500, 6000, 1500}));
}

TEST_F(RoomBounds, WhileMarkingWallsTheLayoutRoomsAreMeasured) {
  CurrentView = view::LayoutMarkingWalls;
  list.Add(Room(view::LayoutGround, 1000, 4000, 3000, 2000));
  list.Add(Room(view::LayoutGround, 3000, 4500, 6000, 1500));
  EXPECT_EQ(list.WriteRectAndBounds(), 2);
  EXPECT_EQ(Ints(dir, "CFG\\RECT.CFG"), (Values{5000, 3000, 15000000}));
  EXPECT_EQ(Ints(dir, "CFG\\BOUNDS.CFG"), (Values{1000, 4500, 6000, 1500}));
}

TEST_F(RoomBounds, OutsideTheLayoutViewsOnlyTheBoundsAreWritten) {
  CurrentView = view::Ground;
  list.Add(Room(view::Ground, 1000, 4000, 3000, 2000));
  list.Add(Room(view::Ground, 3000, 4500, 6000, 1500));
  EXPECT_EQ(list.WriteRectAndBounds(), 2);
  EXPECT_FALSE(dir.Exists("CFG\\RECT.CFG"));
  EXPECT_EQ(Ints(dir, "CFG\\BOUNDS.CFG"), (Values{1000, 4500, 6000, 1500}));
}

TEST_F(RoomBounds, AHugeAreaIsHeldToWhatTheFileCanTake) {
  list.Add(Room(view::LayoutGround, -100000, 100000, 0, 0));
  list.Add(Room(view::LayoutGround, 0, 0, 100000, -100000));
  list.WriteRectAndBounds();
  EXPECT_EQ(Ints(dir, "CFG\\RECT.CFG"), (Values{200000, 200000, 2147483647}));
}

TEST_F(QueriesTest, LibraryExtentsOfALineAndOfTheAppendedElementsOnly) {
  list.Add(Line(view::Ground, 0, 0, 500, 0));
  list.WriteLibraryExtents(6);
  EXPECT_EQ(Ints(dir, "CFG\\LIBEXTENTS.CFG"), (Values{0, 500, 0, 0}));

  const int32 first = list.Count();
  list.Add(Text(kind::Text, view::Ground, 2000, 1000, "abcd"));  // 4 letters: +20 right, +5 up
  list.Add(new TArcobj(kind::Arc, view::Ground, 0, 0, 1800, 0, 900, 2200, 0, 1100, 1700, 1000, 2300,
                       1050, 0, 1, 0));
  list.Add(Poly(kind::PolyFirst, view::Ground, {{1900, 1200}, {2100, 800}}));
  list.WriteLibraryExtents(first);
  EXPECT_EQ(Ints(dir, "CFG\\LIBEXTENTS.CFG"), (Values{1700, 2300, 1200, 800}));
}

TEST_F(QueriesTest, LibraryExtentsOfNothingAreTheStartValues) {
  list.WriteLibraryExtents(list.Count());
  EXPECT_EQ(Ints(dir, "CFG\\LIBEXTENTS.CFG"), (Values{300000, 0, 0, 300000}));
}

}  // namespace
