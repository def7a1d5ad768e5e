// Turning and mirroring a whole drawing into a new drawing, and turning one
// element to a direction for the opening builders and the fan generator.
#include <gtest/gtest.h>

#include "model/rounding.h"
#include "tests/queries_fixtures.h"

namespace {

using namespace qfix;

// Points on the metric example sheet (centre 5000, 4000) and where a turn
// by 90 degrees clockwise puts them: rounded, and truncated (arrows,
// dimensions and texts, which may lose a unit).
struct Pt {
  int32 x, y;
};
constexpr Pt P1{6000, 4000}, P2{6000, 5000}, P3{5000, 5000}, P4{4000, 3500}, P5{5200, 4300};
constexpr Pt R1{5000, 3000}, R2{6000, 3000}, R3{6000, 4000}, R4{4500, 5000}, R5{5300, 3800};
constexpr Pt T1{5000, 3001}, T3{5999, 4000}, T4{4501, 5000}, T5{5299, 3800};

#define EXPECT_AT(gotX, gotY, point) \
  do {                               \
    EXPECT_EQ((gotX), (point).x);    \
    EXPECT_EQ((gotY), (point).y);    \
  } while (0)

template <class T>
T* Find(const TFlist& list, int32 kindCode, int32 floor = view::Ground) {
  for (int32 i = 0; i < list.Count(); ++i) {
    if (list.At(i)->Kind == kindCode && list.At(i)->Floor == floor)
      return dynamic_cast<T*>(list.At(i));
  }
  return nullptr;
}

TExtwallobj* Wall(int32 k, Pt a, Pt b, Pt c, Pt d, Pt e, Pt f, Pt g, Pt h, Pt ref, int32 cavity,
                  int32 angle, int32 floor = view::Ground) {
  const int32 codes[4] = {100, 100, 100, 100};
  return new TExtwallobj(k, floor, 1, 2, 1, a.x, 0, a.y, b.x, 0, b.y, c.x, c.y, d.x, d.y, e.x, e.y,
                         f.x, f.y, g.x, g.y, h.x, h.y, ref.x, 9, ref.y, 100, cavity, 100, 0, 0, 0,
                         0, angle, 0, 0, 0, 0, codes);
}

class DrawingTurn : public QueriesTest {
 protected:
  void SetUp() override {
    dir.WriteFile("CFG\\MOFFSET.CFG", "100 300 200 0 250 200 300");
    dir.WriteFile("CFG\\TITLE2D.CFG",
                  "12 11 12 11 8 9 GROUND FLOORFIRST FLOORSECOND FLOORTHIRD "
                  "FLOORBASEMENTSITE PLAN");
  }

  // One element of every kind on the ground floor, walls on the first and
  // third floors, and titles that a turn drops.
  void AddEveryKind() {
    auto* line = Line(view::Ground, P1.x, P1.y, P2.x, P2.y);
    line->Angle = 450;
    list.Add(line);
    list.Add(new TArcobj(kind::Arc, view::Ground, 0, 0, P1.x, 0, P1.y, P2.x, 0, P2.y, P3.x, P3.y,
                         P4.x, P4.y, 0, 1, 0));
    list.Add(Text(kind::Text, view::Ground, P5.x, P5.y, "note", 0, 6, 0, 0));
    list.Add(Text(kind::WallLabel, view::Ground, P1.x, P1.y, "label", 450, 6, 900, 24));
    list.Add(Text(kind::DrawingTitle, view::Ground, P1.x, P1.y, "GROUND FLOOR"));
    list.Add(new TEllipseobj(kind::Ellipse, view::Ground, 0, 0, P1.x, 0, P2.x, 0, P1.y, P2.y, 0, 0,
                             1, 0));
    list.Add(
        new TCircleobj(kind::Circle, view::Ground, 0, 0, P3.x, 0, P4.x, 0, P3.y, P4.y, 0, 0, 1, 0));
    list.Add(new TRndrectobj(kind::RoundRect, view::Ground, 0, 0, P4.x, 0, P5.x, 0, P4.y, P5.y, 30,
                             0, 0, 1, 0));
    list.Add(Wall(kind::ExtWall, P1, P2, P3, P4, P5, P1, P2, P3, P4, 50, 900));
    list.Add(Wall(kind::ExtWall110, P1, P2, P3, P4, P1, P2, P1, P2, P5, 0, 2700));
    list.Add(InWall(view::Ground, P1.x, P1.y, P2.x, P2.y, P3.x - P1.x, P3.y - P1.y));
    list.Add(new TArrowobj(kind::Arrow, view::Ground, 0, 0, P1.x, P1.y, P2.x, P2.y, P3.x, P3.y,
                           P4.x, P4.y, P4.x, P4.y, P5.x, P5.y, 0));
    list.Add(new TDimensobj(kind::Dimension, view::Ground, 0, 0, P1.x, P1.y, P2.x, P2.y, P3.x, P3.y,
                            P5.x, P5.y, 2700, 1, 0));
    list.Add(Room(view::Ground, 1000, 2000, 3000, 1000));
    auto* window = new TWindowobj();
    window->Kind = kind::Window;
    window->Floor = view::Ground;
    window->InsertX = P5.x;
    window->InsertY = P5.y;
    window->OpeningValues[0] = 900;
    list.Add(window);
    auto* door = new TDoorobj();
    door->Kind = kind::Door;
    door->Floor = view::Ground;
    door->InsertX = P1.x;
    door->InsertY = P1.y;
    door->OpeningValues[0] = 2700;
    list.Add(door);
    auto* polygon = Poly(kind::PolyFirst, view::Ground, {{P1.x, P1.y}, {P2.x, P2.y}, {P3.x, P3.y}});
    polygon->RefX = P4.x;
    polygon->RefY = P4.y;
    polygon->PointZ[2] = 5;
    list.Add(polygon);
    // A first floor with walls and a third floor above an empty second.
    list.Add(ExtWall(view::First, P1.x, P1.y, P3.x, P3.y));
    list.Add(Text(kind::DrawingTitle, view::First, 0, 0, "FIRST FLOOR"));
    list.Add(ExtWall(view::Third, P1.x, P1.y, P3.x, P3.y));
    list.Add(Text(kind::DrawingTitle, view::Third, 0, 0, "THIRD FLOOR"));
  }

  // Turns or mirrors the stored drawing into "Turned" and reads it back.
  void Operate(int32 op, const char* newName = "Turned") {
    Store();
    list.RotateDrawingFile(op, newName);
    turned.SetDrawingName(newName);
    turned.ReadDrawingFile(dtDrawing);
  }

  TFlist turned;
};

TEST_F(DrawingTurn, ATurnBy90MovesEveryKindClockwiseAboutTheSheetCentre) {
  AddEveryKind();
  CurrentView = view::Ground;
  Operate(TFlist::toTurn90);
  EXPECT_EQ(list.DrawingName, "Turned");
  EXPECT_EQ(CurrentView, view::Ground);
  EXPECT_TRUE(dir.Exists("DWGS\\House.KWV")) << "the old drawing stays";

  auto* line = Find<TLineobj>(turned, kind::Line);
  ASSERT_NE(line, nullptr);
  EXPECT_AT(line->X1, line->Y1, R1);
  EXPECT_AT(line->X2, line->Y2, R2);
  EXPECT_EQ(line->Angle, 450);

  auto* arc = Find<TArcobj>(turned, kind::Arc);
  ASSERT_NE(arc, nullptr);
  EXPECT_AT(arc->X2, arc->Y2, R2);
  EXPECT_AT(arc->StartX, arc->StartY, R3);
  EXPECT_AT(arc->EndX, arc->EndY, R4);

  auto* text = Find<TTextobj>(turned, kind::Text);
  ASSERT_NE(text, nullptr);
  EXPECT_AT(text->X1, text->Y1, T5);
  EXPECT_EQ(text->Escapement, 2700);
  EXPECT_EQ(text->Alignment, 4);
  EXPECT_EQ(text->X2, 900);

  auto* label = Find<TTextobj>(turned, kind::WallLabel);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->X1, T1.x + 24);
  EXPECT_EQ(label->Y1, T1.y - 24);
  EXPECT_EQ(label->Escapement, 450);
  EXPECT_EQ(label->Alignment, 6);
  EXPECT_EQ(label->X2, 900);

  auto* ellipse = Find<TObj>(turned, kind::Ellipse);
  EXPECT_AT(ellipse->X1, ellipse->Y1, R1);
  EXPECT_AT(ellipse->X2, ellipse->Y2, R2);
  auto* circle = Find<TObj>(turned, kind::Circle);
  EXPECT_AT(circle->X2, circle->Y2, R4);
  auto* rndrect = Find<TRndrectobj>(turned, kind::RoundRect);
  EXPECT_AT(rndrect->X2, rndrect->Y2, R5);
  EXPECT_EQ(rndrect->CornerRadius, 30);

  auto* wall = Find<TExtwallobj>(turned, kind::ExtWall);
  ASSERT_NE(wall, nullptr);
  EXPECT_AT(wall->X1, wall->Y1, R1);
  EXPECT_AT(wall->Line2X2, wall->Line2Y2, R4);
  EXPECT_AT(wall->Line3X1, wall->Line3Y1, R5);
  EXPECT_AT(wall->Line4X2, wall->Line4Y2, R3);
  EXPECT_AT(wall->RefX, wall->RefY, R4);
  EXPECT_EQ(wall->RefZ, 9);
  EXPECT_EQ(wall->Angle, 1800);

  // Without a cavity the third and fourth lines are not turned: they keep
  // the numbers stored for them.
  auto* plain = Find<TExtwallobj>(turned, kind::ExtWall110);
  ASSERT_NE(plain, nullptr);
  EXPECT_AT(plain->Line2X1, plain->Line2Y1, R3);
  EXPECT_AT(plain->RefX, plain->RefY, R5);
  EXPECT_EQ(plain->Line3X1, P1.x - 5000);
  EXPECT_EQ(plain->Line4Y2, P2.y - 4000);
  EXPECT_EQ(plain->Angle, 0);

  auto* inwall = Find<TInwallobj>(turned, kind::InWall);
  ASSERT_NE(inwall, nullptr);
  EXPECT_AT(inwall->X2, inwall->Y2, R2);
  EXPECT_AT(inwall->Line2X1, inwall->Line2Y1, R3);
  EXPECT_EQ(inwall->Line2Z1, 5);

  auto* arrow = Find<TArrowobj>(turned, kind::Arrow);
  ASSERT_NE(arrow, nullptr);
  EXPECT_AT(arrow->X1, arrow->Y1, T1);
  EXPECT_EQ(arrow->X2, 5999);
  EXPECT_EQ(arrow->Y2, T1.y);  // 3000, one unit off the tip's 3001: pulled level
  EXPECT_AT(arrow->BarbX1, arrow->BarbY1, T3);
  EXPECT_AT(arrow->BarbX2, arrow->BarbY2, T4);
  EXPECT_AT(arrow->BarX2, arrow->BarY2, T5);

  auto* dimension = Find<TDimensobj>(turned, kind::Dimension);
  ASSERT_NE(dimension, nullptr);
  EXPECT_AT(dimension->SecondX1, dimension->SecondY1, T3);
  EXPECT_AT(dimension->SecondX2, dimension->SecondY2, T5);
  EXPECT_EQ(dimension->Y2, T1.y);
  EXPECT_EQ(dimension->Angle, 3600);

  auto* room = Find<TRoomobj>(turned, kind::Room);
  ASSERT_NE(room, nullptr);
  EXPECT_EQ(room->X1, 1000);
  EXPECT_EQ(room->Y2, 1000);

  auto* window = Find<TWindowobj>(turned, kind::Window);
  ASSERT_NE(window, nullptr);
  EXPECT_AT(window->InsertX, window->InsertY, R5);
  EXPECT_EQ(window->OpeningValues[0], 900);
  auto* door = Find<TDoorobj>(turned, kind::Door);
  EXPECT_AT(door->InsertX, door->InsertY, R1);

  auto* polygon = Find<TPolyobj>(turned, kind::PolyFirst);
  ASSERT_NE(polygon, nullptr);
  EXPECT_AT(polygon->PointX[2], polygon->PointY[2], R3);
  EXPECT_AT(polygon->RefX, polygon->RefY, R4);
  EXPECT_EQ(polygon->PointZ[2], 5);

  // The information records turn too: (0, 0) is 5000 left of and 4000 below
  // the centre.
  EXPECT_EQ(turned.At(0)->X1, 1000);
  EXPECT_EQ(turned.At(0)->Y1, 9000);
}

TEST_F(DrawingTurn, TitlesAreDroppedAndBuiltAgainOnlyOnFloorsThatCarryThem) {
  AddEveryKind();
  Operate(TFlist::toTurn90);
  // Ground floor: under the turned kind-100 wall from (5000, 3000) to
  // (6000, 3000), 2 x 300 + 200 lower.
  auto* ground = Find<TTextobj>(turned, kind::DrawingTitle, view::Ground);
  ASSERT_NE(ground, nullptr);
  EXPECT_STREQ(ground->Text, "GROUND FLOOR");
  EXPECT_EQ(ground->X1, 5500);
  EXPECT_EQ(ground->Y1, 2200);
  auto* first = Find<TTextobj>(turned, kind::DrawingTitle, view::First);
  ASSERT_NE(first, nullptr);
  EXPECT_STREQ(first->Text, "FIRST FLOOR");
  // The third floor stands above an empty second: its title is gone.
  EXPECT_EQ(Find<TTextobj>(turned, kind::DrawingTitle, view::Third), nullptr);
  int32 titles = 0;
  for (int32 i = 0; i < turned.Count(); ++i) titles += turned.At(i)->Kind == kind::DrawingTitle;
  EXPECT_EQ(titles, 2);
}

TEST_F(DrawingTurn, AMirrorReflectsEveryKindAboutTheUprightCentreLine) {
  AddEveryKind();
  Operate(TFlist::toMirror);
  // x becomes 10000 - x; y stays; ends of lines exchange.
  auto* line = Find<TLineobj>(turned, kind::Line);
  EXPECT_EQ(line->X1, 10000 - P2.x);
  EXPECT_EQ(line->Y1, P2.y);
  EXPECT_EQ(line->Y2, P1.y);
  EXPECT_EQ(line->Angle, 450);

  auto* wall = Find<TExtwallobj>(turned, kind::ExtWall);
  EXPECT_EQ(wall->X1, 10000 - P2.x);
  EXPECT_EQ(wall->Y1, P2.y);
  EXPECT_EQ(wall->Line3X2, 10000 - P5.x);
  EXPECT_EQ(wall->Line3Y2, P5.y);
  EXPECT_EQ(wall->RefX, 10000 - P4.x);
  EXPECT_EQ(wall->Angle, 2700);
  auto* plain = Find<TExtwallobj>(turned, kind::ExtWall110);
  EXPECT_EQ(plain->Line4X1, 10000 - P2.x) << "mirrored whatever the cavity";
  EXPECT_EQ(plain->Angle, 900);

  auto* arrow = Find<TArrowobj>(turned, kind::Arrow);
  EXPECT_EQ(arrow->X1, 10000 - P1.x);
  EXPECT_EQ(arrow->BarbX1, 10000 - P4.x);
  EXPECT_EQ(arrow->BarbY1, P4.y);
  auto* dimension = Find<TDimensobj>(turned, kind::Dimension);
  EXPECT_EQ(dimension->X1, 10000 - P1.x);
  EXPECT_EQ(dimension->Angle, 900);
  auto* arc = Find<TArcobj>(turned, kind::Arc);
  EXPECT_EQ(arc->X1, 10000 - P1.x);
  EXPECT_EQ(arc->StartX, 10000 - P4.x);
  EXPECT_EQ(arc->EndY, P3.y);
  auto* text = Find<TTextobj>(turned, kind::Text);
  EXPECT_EQ(text->X1, 10000 - P5.x);
  EXPECT_EQ(text->X2, 1800);
  EXPECT_EQ(text->Alignment, 4);
  auto* label = Find<TTextobj>(turned, kind::WallLabel);
  EXPECT_EQ(label->Escapement, 3150);
  EXPECT_EQ(label->Alignment, 6) << "its bearing 900 keeps the alignment";
  EXPECT_NE(Find<TTextobj>(turned, kind::DrawingTitle, view::Third), nullptr)
      << "a mirror keeps the titles";
  EXPECT_EQ(Find<TRoomobj>(turned, kind::Room)->X1, 1000);
  auto* window = Find<TWindowobj>(turned, kind::Window);
  EXPECT_EQ(window->InsertX, 10000 - P5.x);
  EXPECT_EQ(window->OpeningValues[0], 2700);
  EXPECT_EQ(Find<TDoorobj>(turned, kind::Door)->OpeningValues[0], 900);
  auto* polygon = Find<TPolyobj>(turned, kind::PolyFirst);
  EXPECT_EQ(polygon->PointX[0], 10000 - P1.x);
  EXPECT_EQ(polygon->RefX, 10000 - P4.x);
}

TEST_F(DrawingTurn, MirroringTwiceGivesBackTheSameFile) {
  AddEveryKind();
  Operate(TFlist::toMirror, "Once");
  list.RotateDrawingFile(TFlist::toMirror, "Twice");
  EXPECT_EQ(dir.ReadFile("DWGS\\Twice.KWV"), dir.ReadFile("DWGS\\House.KWV"));
}

TEST_F(DrawingTurn, TextDirectionsFollowTheTurnTable) {
  struct Case {
    int32 op, escapement, alignment;
    int32 turnedEscapement, turnedAlignment, turnedBearing;
  };
  const Case cases[] = {
      {90, 0, 6, 2700, 4, 900},      {90, 900, 6, 0, 4, 900},   {90, 1800, 6, 1800, 6, 900},
      {90, 2700, 6, 0, 6, 900},      {180, 0, 6, 0, 4, 1800},   {180, 2700, 4, 2700, 6, 1800},
      {270, 0, 6, 2700, 6, 2700},    {270, 900, 4, 0, 4, 2700}, {270, 2700, 6, 0, 4, 2700},
      {270, 1800, 1, 1800, 1, 2700},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.op << " " << c.escapement);
    list.Clear();
    AddInfoRecords(list);
    list.SetDrawingName("House");
    list.Add(Text(kind::Text24, view::Ground, 5000, 4000, "t", c.escapement, c.alignment, 0, 0));
    Store();
    list.RotateDrawingFile(c.op, "Turned");
    auto* t = Find<TTextobj>(list, kind::Text24);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->Escapement, c.turnedEscapement);
    EXPECT_EQ(t->Alignment, c.turnedAlignment);
    EXPECT_EQ(t->X2, c.turnedBearing);
  }
}

TEST_F(DrawingTurn, WallAndDimensionDirectionsWrapDifferently) {
  list.Add(ExtWall(view::Second, 5000, 4000, 6000, 4000, 0, 100, 100, 0, 0, 900));
  list.Add(
      new TDimensobj(kind::Dimension261, view::Second, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 900, 1, 0));
  Operate(TFlist::toTurn270);
  EXPECT_EQ(Find<TExtwallobj>(turned, kind::ExtWall, view::Second)->Angle, 0);
  EXPECT_EQ(Find<TDimensobj>(turned, kind::Dimension261, view::Second)->Angle, 3600);
}

TEST_F(DrawingTurn, DirectionsNearTheLimitOfADamagedFileNeitherOverflowNorWrapNegative) {
  constexpr int32 kMax = 2147483647;
  struct Case {
    int32 op, wallAngle, escapement, bearing;
    int32 turnedWallAngle, turnedEscapement, turnedBearing;
  };
  const Case cases[] = {
      {TFlist::toMirror, kMax, 100, 0, kMax - 1800, 2800, 1800},
      {TFlist::toTurn90, kMax, kMax, kMax, kMax - 2700, kMax - 2700, kMax - 2700},
      {TFlist::toTurn180, kMax - 100, 0, kMax, kMax - 1900, 0, kMax - 1800},
      {TFlist::toTurn270, 0, kMax, kMax, 2700, kMax - 2700, kMax - 900},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.op << " " << c.wallAngle << " " << c.escapement);
    list.Clear();
    AddInfoRecords(list);
    list.SetDrawingName("House");
    list.Add(ExtWall(view::Second, 5000, 4000, 6000, 4000, 0, 100, 100, 0, 0, c.wallAngle));
    list.Add(Text(kind::Text24, view::Second, 5000, 4000, "t", c.escapement, 1, c.bearing));
    Operate(c.op);
    EXPECT_EQ(Find<TExtwallobj>(turned, kind::ExtWall, view::Second)->Angle, c.turnedWallAngle);
    EXPECT_EQ(Find<TTextobj>(turned, kind::Text24, view::Second)->Escapement, c.turnedEscapement);
    EXPECT_EQ(Find<TTextobj>(turned, kind::Text24, view::Second)->X2, c.turnedBearing);
  }
}

TEST_F(DrawingTurn, AMissingLiveFileKeepsTheDrawingAndWritesNothing) {
  AddEveryKind();
  const int32 count = list.Count();
  list.RotateDrawingFile(TFlist::toTurn90, "Turned");
  list.RotateDrawingFile(TFlist::toMirror, "Turned");
  EXPECT_EQ(list.Count(), count);
  EXPECT_EQ(list.DrawingName, "House");
  EXPECT_FALSE(dir.Exists("DWGS\\Turned.KWV"));
}

TEST_F(DrawingTurn, NoOperationChosenChangesNothing) {
  AddEveryKind();
  const int32 count = list.Count();
  Store();
  const std::string before = dir.ReadFile("DWGS\\House.KWV");
  list.RotateDrawingFile(TFlist::toNone, "Turned");
  EXPECT_EQ(list.Count(), count);
  EXPECT_EQ(list.DrawingName, "House");
  EXPECT_FALSE(dir.Exists("DWGS\\Turned.KWV"));
  EXPECT_EQ(dir.ReadFile("DWGS\\House.KWV"), before);
}

TEST_F(DrawingTurn, ALongNewNameIsCutTo24Characters) {
  list.Add(Line(view::Ground, 0, 0, 100, 0));
  Store();
  list.RotateDrawingFile(TFlist::toTurn180, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
  EXPECT_EQ(list.DrawingName, "ABCDEFGHIJKLMNOPQRSTUVWX");
  EXPECT_TRUE(dir.Exists("DWGS\\ABCDEFGHIJKLMNOPQRSTUVWX.KWV"));
}

// ---- Turning one element ----------------------------------------------------

TEST_F(QueriesTest, AnElementTurnsAboutItsCentreToEachOrthogonalDirection) {
  struct Case {
    int32 direction;
    Pt a, b, c;  // where (1500, 1000), (1000, 1300) and (1400, 1200) go
  };
  // Each coordinate is cut toward zero, so a half turn can lose a unit.
  const Case cases[] = {
      {2700, {1500, 1000}, {1000, 1300}, {1400, 1200}}, {0, {1000, 501}, {1299, 1000}, {1200, 601}},
      {3600, {1000, 501}, {1299, 1000}, {1200, 601}},   {900, {501, 1000}, {1000, 701}, {600, 801}},
      {1800, {1000, 1499}, {701, 1000}, {801, 1400}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.direction);
    auto* polygon =
        Poly(kind::OpeningFrame, view::Ground, {{1500, 1000}, {1000, 1300}, {1400, 1200}});
    list.Add(polygon);
    list.RotateElement(polygon, kind::OpeningFrame, c.direction, 1000, 1000);
    EXPECT_AT(polygon->PointX[0], polygon->PointY[0], c.a);
    EXPECT_AT(polygon->PointX[1], polygon->PointY[1], c.b);
    EXPECT_AT(polygon->PointX[2], polygon->PointY[2], c.c);
    EXPECT_AT(polygon->RefX, polygon->RefY, c.a);

    auto* arc = new TArcobj(kind::Arc, view::Ground, 0, 0, 1500, 0, 1000, 1000, 0, 1300, 1400, 1200,
                            1500, 1000, 0, 1, 0);
    list.Add(arc);
    list.RotateElement(arc, kind::Arc, c.direction, 1000, 1000);
    EXPECT_AT(arc->X1, arc->Y1, c.a);
    EXPECT_AT(arc->X2, arc->Y2, c.b);
    EXPECT_AT(arc->StartX, arc->StartY, c.c);
    EXPECT_AT(arc->EndX, arc->EndY, c.a);
  }
}

TEST_F(QueriesTest, ATurnedLineNearlyUprightOrLevelBecomesExactlySo) {
  struct Case {
    Pt end;
    Pt kept;
  };
  const Case cases[] = {
      {{1009, 2000}, {1000, 2000}}, {{1010, 2000}, {1010, 2000}}, {{991, 2000}, {1000, 2000}},
      {{2000, 1009}, {2000, 1000}}, {{2000, 990}, {2000, 990}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.end.x << "," << c.end.y);
    auto* line = Line(view::Ground, 1000, 1000, c.end.x, c.end.y, kind::WallLine);
    list.Add(line);
    list.RotateElement(line, kind::WallLine, 2700, 0, 0);
    EXPECT_AT(line->X2, line->Y2, c.kept);
  }
}

TEST_F(QueriesTest, OtherKindsAreNotTurned) {
  auto* text = Text(kind::Text, view::Ground, 1500, 1000, "x");
  list.Add(text);
  list.RotateElement(text, kind::Text, 900, 1000, 1000);
  EXPECT_EQ(text->X1, 1500);
  list.RotateElement(nullptr, kind::Line, 900, 0, 0);
}

// ---- The two roundings ----------------------------------------------------------

TEST(RealRounding, TheToolsRoundingOnlyTruncatesNegativeValues) {
  const std::pair<double, int32> cases[] = {{0.49, 0},  {0.5, 1},   {-0.5, 0},       {2.5, 3},
                                            {2.495, 2}, {-2.7, -2}, {1e12, 21474836}};
  for (auto [value, rounded] : cases) EXPECT_EQ(RoundToInt(value), rounded) << value;
}

TEST(RealRounding, TheTurnsRoundingTakesHalvesAwayFromZero) {
  const std::pair<double, int32> cases[] = {{12.5, 13},      {-12.5, -13},      {12.49, 12},
                                            {11.999999, 12}, {-11.999999, -12}, {0.0, 0}};
  for (auto [value, rounded] : cases) EXPECT_EQ(RoundHalfAwayOnHundredths(value), rounded) << value;
}

}  // namespace
