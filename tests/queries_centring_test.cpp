// Centring a floor on the sheet: the ground-floor plan command moves the
// whole view in whole steps so that its walls sit in the sheet's middle.
#include <gtest/gtest.h>

#include "tests/queries_fixtures.h"

namespace {

using namespace qfix;

class FloorCentring : public QueriesTest {
 protected:
  // Walls spanning x 1000..5000 and y 1000..3000 on the metric example
  // sheet (10000 x 8000), shifted by dx across.
  void AddWalls(int32 floor, int32 dx = 0) {
    list.Add(ExtWall(floor, 1000 + dx, 1000, 5000 + dx, 1000));
    list.Add(InWall(floor, 5000 + dx, 1000, 5000 + dx, 3000, -100, 0));
  }
  int32 MovedX() const { return list.At(6)->X1 - 1000; }
};

TEST_F(FloorCentring, EveryElementOfTheViewMovesByTheShiftAndTheFileIsWritten) {
  AddWalls(view::Ground);
  auto* arc = new TArcobj(kind::Arc, view::Ground, 0, 0, 1100, 0, 1200, 1300, 0, 1400, 1150, 1250,
                          1350, 1450, 0, 1, 0);
  auto* arrow = new TArrowobj(kind::Arrow, view::Ground, 0, 0, 1000, 1100, 1200, 1300, 1400, 1500,
                              1600, 1700, 1800, 1900, 2000, 2100, 0);
  auto* dimension = new TDimensobj(kind::Dimension261, view::Ground, 0, 0, 1000, 1100, 1200, 1300,
                                   1400, 1500, 1600, 1700, 900, 1, 0);
  auto* polygon = Poly(kind::OpeningFrame, view::Ground, {{2000, 2000}, {2500, 2100}});
  polygon->PointZ[0] = 77;
  auto* window = new TWindowobj();
  window->Kind = kind::Window;
  window->Floor = view::Ground;
  window->InsertX = 3000;
  window->InsertY = 1000;
  window->X1 = 11;  // not stored, not moved
  auto* door = new TDoorobj();
  door->Kind = kind::Door31602;
  door->Floor = view::Ground;
  door->InsertX = 1000;
  door->InsertY = 2000;
  auto* text =
      Text(kind::WallLengthText, view::Ground, 1500, 1500, "3000", 0, 1, 900, kind::DeleteMark);
  auto* room = Room(view::Ground, 1200, 2800, 2200, 2000, kind::LockedRoom);
  auto* boxKind = new TObj(27003, view::Ground, 0, 0, 1000, 0, 1100, 0, 1200, 1300, 0, 1, 0);
  auto* otherKind = new TObj(29002, view::Ground, 0, 0, 1000, 0, 1100, 0, 1200, 1300, 0, 1, 0);
  auto* otherView = Line(view::Site, 1000, 1000, 2000, 2000);
  auto* floorAbove = Line(view::First, 1000, 1000, 2000, 2000);
  // Far off: a kind-110 wall does not place the view, but moves with it.
  auto* plainWall = ExtWall(view::Ground, 9000, 7000, 9500, 7000);
  plainWall->Kind = kind::ExtWall110;
  for (TObj* e : std::initializer_list<TObj*>{arc, arrow, dimension, polygon, window, door, text,
                                              room, boxKind, otherKind, otherView, floorAbove,
                                              plainWall})
    list.Add(e);

  list.CentreFloorOnPage(0);

  // dx = 5000 + 2000 - 5000, dy = 4000 + 1000 - 3000.
  const int32 d = 2000;
  auto* wall = dynamic_cast<TExtwallobj*>(list.At(6));
  EXPECT_EQ(wall->X1, 1000 + d);
  EXPECT_EQ(wall->Y2, 1000 + d);
  EXPECT_EQ(wall->Line3X2, 5000 + d);
  EXPECT_EQ(wall->Line4Y1, 1300 + d);
  EXPECT_EQ(wall->RefX, 1000 + d);
  EXPECT_EQ(wall->RefZ, 9);
  auto* inwall = dynamic_cast<TInwallobj*>(list.At(7));
  EXPECT_EQ(inwall->Line2X2, 4900 + d);
  EXPECT_EQ(inwall->Line2Y2, 3000 + d);
  EXPECT_EQ(inwall->Line2Z1, 5);
  EXPECT_EQ(arc->StartX, 1150 + d);
  EXPECT_EQ(arc->EndY, 1450 + d);
  EXPECT_EQ(arc->Y2, 1400 + d);
  EXPECT_EQ(arrow->BarbY2, 1700 + d);
  EXPECT_EQ(arrow->BarX2, 2000 + d);
  EXPECT_EQ(dimension->SecondX2, 1600 + d);
  EXPECT_EQ(dimension->Angle, 900);
  EXPECT_EQ(polygon->PointX[1], 2500 + d);
  EXPECT_EQ(polygon->PointY[1], 2100 + d);
  EXPECT_EQ(polygon->RefY, 2000 + d);
  EXPECT_EQ(polygon->PointZ[0], 77);
  EXPECT_EQ(window->InsertX, 3000 + d);
  EXPECT_EQ(window->X1, 11);
  EXPECT_EQ(door->InsertY, 2000 + d);
  EXPECT_EQ(text->X1, 1500 + d);
  EXPECT_EQ(text->Y1, 1500 + d);
  // A text's X2 is its line's bearing and Y2 its overflow mark: not moved.
  EXPECT_EQ(text->X2, 900);
  EXPECT_EQ(text->Y2, kind::DeleteMark);
  EXPECT_EQ(room->Y2, 2000 + d);
  EXPECT_EQ(boxKind->X2, 1100 + d);
  EXPECT_EQ(otherKind->X1, 1000);
  EXPECT_EQ(otherView->X1, 1000);
  EXPECT_EQ(floorAbove->Y2, 2000 + d);  // the floors stay over one another
  EXPECT_EQ(plainWall->X1, 9000 + d);
  EXPECT_EQ(plainWall->Line2Y2, 7100 + d);

  TFlist stored;
  stored.SetDrawingName("House");
  stored.ReadDrawingFile(dtDrawing);
  ASSERT_GT(stored.Count(), 6);
  EXPECT_EQ(stored.At(6)->X1, 1000 + d);
}

TEST_F(FloorCentring, TheShiftIsCutToWholeStepsOfTheUnits) {
  struct Case {
    const char* name;
    bool metric;
    int32 sheetWidth;
    int32 wallsFrom;  // walls span wallsFrom .. wallsFrom + 4000
    int32 movedX;
  };
  const Case cases[] = {
      {"metric 1990", true, 2000, 1010, 1975},
      {"imperial 1990", false, 2000, 2010, 1968},  // sheet 12000: 6000 + 2000 - 6010
      {"metric -37", true, 1200, 1037, -25},       // 3000 + 2000 - 5037
      {"imperial -37", false, 1000, 1037, -24},    // 3000 + 2000 - 5037
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    list.Clear();
    AddInfoRecords(list);
    c.metric ? UseMetric() : UseImperial();
    DrawingWidth = c.sheetWidth;
    AddWalls(view::Ground, c.wallsFrom - 1000);
    list.CentreFloorOnPage(0);
    EXPECT_EQ(list.At(6)->X1 - c.wallsFrom, c.movedX);
  }
}

TEST_F(FloorCentring, ACentredFloorStaysWhereItIs) {
  AddWalls(view::Ground);
  list.CentreFloorOnPage(0);
  list.CentreFloorOnPage(0);
  EXPECT_EQ(MovedX(), 2000);
}

TEST_F(FloorCentring, AViewWithoutWallsMovesNothingAndWritesNothing) {
  list.Add(Poly(kind::PolyFirst, view::Ground, {{100, 100}, {200, 200}}));
  list.Add(Line(view::Ground, 100, 100, 200, 200));
  AddWalls(view::First);
  list.CentreFloorOnPage(0);
  EXPECT_EQ(list.At(6)->Kind, kind::PolyFirst);
  EXPECT_EQ(dynamic_cast<TPolyobj*>(list.At(6))->PointX[0], 100);
  EXPECT_EQ(list.At(7)->X1, 100);
  EXPECT_FALSE(dir.Exists("DWGS\\House.KWV"));
}

}  // namespace
