// The opening tool on plans built by the wall code: finding the wall and
// fitting the opening along it, the cut (frame, jambs, glass line), the
// size labels, the door symbols of every kind, the settings files and the
// parts of an opening that move with its wall.
#include <gtest/gtest.h>

#include <cmath>

#include "building/opening_fit.h"
#include "building/opening_label.h"
#include "building/opening_parts.h"
#include "tests/openings_fixture.h"

namespace {

using P = plat::Point;

constexpr const char* kNoWindow =
    "No window marked - cursor must be between the 2 or 4 line thickness of a wall and window "
    "must not overlap wall - select icon again";
constexpr const char* kNoDoor =
    "No door marked - cursor must be between the 2 or 4 line thickness of a wall and door must "
    "not overlap wall - select icon again";

// ---- Finding the wall: plain walls of known faces -------------------------------------------

TExtwallobj* SolidWall(P a, P b, int32 angle, P c, P d, int32 thickness) {
  auto* w = new TExtwallobj();
  w->Floor = view::Ground;
  w->X1 = a.x, w->Y1 = a.y, w->X2 = b.x, w->Y2 = b.y;
  w->Line2X1 = c.x, w->Line2Y1 = c.y, w->Line2X2 = d.x, w->Line2Y2 = d.y;
  w->Thickness1 = thickness;
  w->Angle = angle;
  w->LinkId = 7;
  return w;
}

class FindWall : public ::testing::Test {
 protected:
  void SetUp() override {
    CurrentView = view::Ground;
    InitDrawingList();
  }
  ScratchProgramDir dir;
};

TEST_F(FindWall, TheFitAlongAHorizontalWallIsInclusiveAtBothEndsAndTheBandsDecideTheFace) {
  // A 200 thick wall along the bottom of a room, face 1 at y 1000.
  DrawingList.Add(SolidWall({0, 1000}, {1000, 1000}, 2700, {0, 1200}, {1000, 1200}, 200));
  const OpeningRequest window{1, 900, 0};
  struct Case {
    P cursor;
    bool found;
    int32 face;
  } cases[] = {
      {{449, 1000}, false, 0},   // 900 wide needs 450 on each side of the cursor
      {{450, 1000}, true, 1},    // accepted at exactly 450
      {{550, 1000}, true, 1},
      {{551, 1000}, false, 0},
      {{500, 1100}, true, 1},    // half the thickness beyond face 1 is still its band
      {{500, 900}, true, 1},
      {{500, 899}, false, 0},
      {{500, 1200}, true, 3},    // on the inner face: the other band
      {{500, 1300}, true, 3},
      {{500, 1301}, false, 0},
  };
  for (const Case& c : cases) {
    const OpeningFit fit = FitOpening(DrawingList, view::Ground, c.cursor, window);
    EXPECT_EQ(fit.Found(), c.found) << c.cursor.x << "," << c.cursor.y;
    if (!fit.Found()) continue;
    EXPECT_EQ(fit.point, (P{c.cursor.x, 1000})) << "the point goes onto face 1";
    EXPECT_EQ(fit.cursorFace, c.face);
    EXPECT_EQ(fit.thickness, 200);
    EXPECT_EQ(fit.angle, 2700);
  }
  // Other floors, and elements that are not walls, are never taken.
  EXPECT_FALSE(FitOpening(DrawingList, view::First, {500, 1000}, window).Found());
  DrawingList.At(6)->Kind = kind::WallLine;
  EXPECT_FALSE(FitOpening(DrawingList, view::Ground, {500, 1000}, window).Found());
}

TEST_F(FindWall, AHangingDoorFitsOnlyTheWallsItsSwingBelongsTo) {
  // A vertical wall (bearing 0) and a horizontal one; a door of 800.
  DrawingList.Add(SolidWall({0, 0}, {0, 3000}, 0, {200, 0}, {200, 3000}, 200));
  DrawingList.Add(SolidWall({1000, 5000}, {4000, 5000}, 900, {1000, 4800}, {4000, 4800}, 200));
  struct Case {
    int32 swing;
    P cursor;
    bool found;
    P middle;
  } cases[] = {
      {5, {50, 1500}, false, {}},            // 5..8 never fit a wall running up the screen
      {8, {50, 1500}, false, {}},
      {1, {50, 1500}, true, {0, 1100}},      // hinge at the top: the door runs down from it
      {1, {50, 799}, false, {}},
      {1, {50, 800}, true, {0, 400}},
      {2, {50, 1500}, true, {0, 1900}},      // hinge at the bottom
      {2, {50, 2201}, false, {}},
      {5, {2000, 5000}, true, {2400, 5000}},  // hinge on the left of a horizontal wall
      {7, {2000, 5000}, true, {1600, 5000}},
      {7, {1799, 5000}, false, {}},
      {3, {2000, 5000}, false, {}},           // 1..4 never fit a wall across the screen
  };
  for (const Case& c : cases) {
    const OpeningFit fit = FitOpening(DrawingList, view::Ground, c.cursor, {11, 800, c.swing});
    EXPECT_EQ(fit.Found(), c.found) << "swing " << c.swing << " at " << c.cursor.y;
    if (fit.Found()) {
      EXPECT_EQ(fit.point, c.middle) << "swing " << c.swing;
    }
  }
}

TEST_F(FindWall, TheEarlierOfTwoWallsUnderTheCursorIsTaken) {
  DrawingList.Add(SolidWall({0, 1000}, {3000, 1000}, 2700, {0, 1200}, {3000, 1200}, 200));
  DrawingList.Add(SolidWall({0, 1100}, {3000, 1100}, 2700, {0, 1300}, {3000, 1300}, 200));
  EXPECT_EQ(FitOpening(DrawingList, view::Ground, {1500, 1050}, {1, 600, 0}).wallIndex, 6);
  std::swap(DrawingList.At(6), DrawingList.At(7));
  EXPECT_EQ(FitOpening(DrawingList, view::Ground, {1500, 1050}, {1, 600, 0}).point.y, 1100);
}

// ---- Windows cut into the walls of a traced plan ----------------------------------------------

class Windows : public OpeningPlan {};

TEST_F(Windows, AWindowInEachWallIsFramedAlongItWithItsCillGlassLineAndLabel) {
  Plan(true, {2000, 2000}, {6000, 5000});  // walls 300 thick outside the outline
  Window(1, 1200, 1050);
  struct Case {
    P cursor;
    int32 angle;
    P place;       // the insertion point on face 1
    P corners[4];  // the frame, cill projected 50 beyond face 1
    P glass[2];
    P label;
    int32 escapement, alignment;
  } cases[] = {
      // The bottom wall runs -x (2700): no turn at all.
      {{4000, 1760}, 2700, {4000, 1700},
       {{4600, 1650}, {3400, 1650}, {3400, 2000}, {4600, 2000}},
       {{3400, 1850}, {4600, 1850}}, {4000, 1575}, 0, 4},
      // The top wall (900) is the same window turned half round.
      {{4000, 5240}, 900, {4000, 5300},
       {{3400, 5350}, {4600, 5350}, {4600, 5000}, {3400, 5000}},
       {{4600, 5150}, {3400, 5150}}, {4000, 5425}, 0, 6},
      // The left wall runs up (0), the right one down (1800).
      {{1760, 3500}, 0, {1700, 3500},
       {{1650, 2900}, {1650, 4100}, {2000, 4100}, {2000, 2900}},
       {{1850, 4100}, {1850, 2900}}, {1575, 3500}, 2700, 6},
      {{6240, 3500}, 1800, {6300, 3500},
       {{6350, 4100}, {6350, 2900}, {6000, 2900}, {6000, 4100}},
       {{6150, 2900}, {6150, 4100}}, {6425, 3500}, 2700, 4},
  };
  int32 previous = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.angle);
    const int32 id = Cut(1, c.cursor);
    ASSERT_GT(id, 0);
    EXPECT_EQ(id, 100000 + NextGroupNumber);
    EXPECT_GT(id, previous);
    previous = id;
    EXPECT_EQ(tool->PlacePoint, c.place);
    ASSERT_TRUE(WallAt(c.angle));
    const int32 link = WallAt(c.angle)->LinkId;  // the list is read again below
    const TPolyobj* frame = Frame(id);
    ASSERT_TRUE(frame);
    ASSERT_EQ(frame->PointCount, 4);
    for (int k = 0; k < 4; ++k)
      EXPECT_POINT_NEAR(frame->PointX[k], frame->PointY[k], c.corners[k].x, c.corners[k].y);
    EXPECT_EQ(frame->Colour, DrawingColour);
    EXPECT_EQ(frame->FillColour, BackgroundColour);
    EXPECT_EQ(frame->LinkId, link);
    EXPECT_EQ(P(frame->RefX, frame->RefY), (P{0, 0})) << "no reference point";
    const auto glass = Parts(id, kind::WallLine);
    ASSERT_EQ(glass.size(), 1u);
    EXPECT_POINT_NEAR(glass[0]->X1, glass[0]->Y1, c.glass[0].x, c.glass[0].y);
    EXPECT_POINT_NEAR(glass[0]->X2, glass[0]->Y2, c.glass[1].x, c.glass[1].y);
    const auto labels = Parts(id, kind::WallLengthText);
    ASSERT_EQ(labels.size(), 1u);
    const auto* label = static_cast<const TTextobj*>(labels[0]);
    EXPECT_STREQ(label->Text, "1200 w x 1050 h");
    EXPECT_EQ(P(label->X1, label->Y1), c.label);
    EXPECT_EQ(label->Escapement, c.escapement);
    EXPECT_EQ(label->Alignment, c.alignment);
    EXPECT_EQ(label->LinkId, 0);
    EXPECT_EQ(label->X2, c.angle);
    EXPECT_EQ(label->Size, 10);
    for (const TObj* e : Parts(id))
      if (e->Kind != kind::WallLengthText) {
        EXPECT_EQ(e->LinkId, link);
      }
  }
  EXPECT_EQ(OpeningCount, 4);
}

TEST_F(Windows, EachKindGetsItsGlassLineAndOnlyExternalWallsACill) {
  Plan(true, {2000, 2000}, {6000, 5000});
  for (int32 k = 1; k <= 9; ++k) {
    SCOPED_TRACE(k);
    Window(k, 1000, 1000, 0, 1);
    const int32 id = Cut(1, {4000, 1760});
    ASSERT_GT(id, 0);
    const auto lines = Parts(id, kind::WallLine);
    ASSERT_EQ(lines.size(), 1u);
    if (k <= 3) {
      EXPECT_EQ(lines[0]->Y1, 1850);  // along the wall's middle
      EXPECT_EQ(lines[0]->Y2, 1850);
    } else {
      EXPECT_EQ(P(lines[0]->X1, lines[0]->Y1), (P{3500, 1700}));  // corner to corner
      EXPECT_EQ(P(lines[0]->X2, lines[0]->Y2), (P{4500, 2000}));
    }
    EXPECT_EQ(Frame(id)->PointY[0], k == 9 ? 1700 : 1650);
    EXPECT_TRUE(Parts(id, kind::WallLengthText).empty()) << "sizes not shown";
    // Undo the cut for the next kind.
    DrawingList.Clear();
    DrawingList.ReadDrawingFile(dtDrawing);
  }
}

TEST_F(Windows, AnInternalWallGetsAWiderBlankFrameAndJambsButNoCillOrGlass) {
  Plan(true, {2000, 2000}, {8000, 6000});
  InternalWall({2000, 4000}, {8000, 4000}, 100);  // runs right, second line at y 3900
  Window(2, 1200, 900);
  const int32 id = Cut(1, {5000, 3920});          // in the band of the second line
  ASSERT_GT(id, 0);
  EXPECT_EQ(tool->WallClass, 2);
  EXPECT_EQ(tool->CursorFace, 3);
  EXPECT_EQ(tool->PlacePoint, (P{5000, 4000})) << "the face on the left of the run";
  const TPolyobj* frame = Frame(id);
  ASSERT_TRUE(frame);
  // 25 beyond both faces; turned half round with the wall.
  EXPECT_POINT_NEAR(frame->PointX[0], frame->PointY[0], 4400, 4025);
  EXPECT_POINT_NEAR(frame->PointX[2], frame->PointY[2], 5600, 3875);
  EXPECT_EQ(frame->Colour, BackgroundColour);
  EXPECT_EQ(frame->FillColour, BackgroundColour);
  const auto jambs = Parts(id, kind::Line);
  ASSERT_EQ(jambs.size(), 2u);
  for (const TObj* j : jambs) {
    EXPECT_NEAR(std::abs(j->X1 - 5000), 600, 1);
    EXPECT_EQ(j->X1, j->X2);
    EXPECT_NEAR(std::abs(j->Y1 - j->Y2), 100, 1);
  }
  EXPECT_TRUE(Parts(id, kind::WallLine).empty());
  EXPECT_EQ(OpeningCount, 0) << "only the outside walls' openings are counted";
}

TEST_F(Windows, ASlopedWallTakesTheWindowOnItsFaceAndRefusesOneRunningPastItsEnd) {
  Plan(true, {2000, 2000}, {8000, 6000}, 2000);  // the corner at (8000, 6000) cut by a slope
  const auto* slope = dynamic_cast<const TExtwallobj*>(WallAt(1350));
  ASSERT_TRUE(slope);
  const P a{slope->X1, slope->Y1}, b{slope->X2, slope->Y2};
  const double len = std::hypot(b.x - a.x, b.y - a.y);
  const double ux = (b.x - a.x) / len, uy = (b.y - a.y) / len;
  // Inward is the right of the run: (uy, -ux).
  auto onBand = [&](double along) {
    const double x = a.x + ux * along + uy * 120, y = a.y + uy * along - ux * 120;
    return P{static_cast<int32>(std::lround(x / 20) * 20), static_cast<int32>(std::lround(y / 20) * 20)};
  };
  Window(1, 1000, 1000);
  const int32 id = Cut(1, onBand(len / 2));
  ASSERT_GT(id, 0);
  EXPECT_EQ(tool->WallAngle, 1350);
  // The point lies on face 1, half way along.
  const P p = tool->PlacePoint;
  EXPECT_NEAR((p.x - a.x) * uy - (p.y - a.y) * ux, 0, 2);
  EXPECT_NEAR((p.x - a.x) * ux + (p.y - a.y) * uy, len / 2, 30);
  const TPolyobj* frame = Frame(id);
  ASSERT_TRUE(frame);
  // The frame runs along the slope: its first two corners 1000 apart on the face.
  EXPECT_NEAR(std::hypot(frame->PointX[0] - frame->PointX[1], frame->PointY[0] - frame->PointY[1]),
              1000, 2);
  // Too near the end for 1000 along the wall: refused, as on a straight wall.
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk).WithText(kNoWindow);
  EXPECT_EQ(Cut(1, onBand(300)), 0);
  // On the face but past the end of the inner face, under the next wall: refused too.
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk).WithText(kNoWindow);
  EXPECT_EQ(Cut(1, onBand(540)), 0);
  // Far from the wall but inside the box of its ends: not the wall.
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk).WithText(kNoWindow);
  EXPECT_EQ(Cut(1, {(a.x + b.x) / 2 - 400, (a.y + b.y) / 2 - 400}), 0);
}

TEST_F(Windows, NoWallUnderTheCursorIsTheSameMessageForEveryWindowKindAndPlacesNothing) {
  Plan(true, {2000, 2000}, {6000, 5000});
  const std::string before = dir.ReadFile("DWGS\\OPENINGS.KWV");
  for (int32 k = 1; k <= 9; ++k) {
    Window(k, 1000, 1000);
    ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk).WithText(kNoWindow);
    EXPECT_EQ(Cut(1, {4000, 3500}), 0) << k;
    EXPECT_EQ(tool->Y1, 1) << "the ghost's y says nothing was placed";
  }
  Door(10, 900, 1);
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk)
      .Containing("No opening marked - cursor must be between");
  EXPECT_EQ(Cut(2, {4000, 3500}), 0);
  Door(12, 800, 2);
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk).WithText(kNoDoor);
  EXPECT_EQ(Cut(2, {4000, 3500}), 0);
  EXPECT_EQ(dir.ReadFile("DWGS\\OPENINGS.KWV"), before);
  EXPECT_EQ(NextGroupNumber, 4) << "the walls' numbers only";
}

TEST_F(Windows, ImperialLabelsShowFeetInchesAndEighths) {
  Plan(false, {2400, 2400}, {7200, 6000});  // walls 288 thick
  Window(3, 1020, 1152);                     // 3' 6 1/2'' by 4'
  const int32 id = Cut(1, {4800, 2208});
  ASSERT_GT(id, 0);
  const auto* label = static_cast<const TTextobj*>(Parts(id, kind::WallLengthText).at(0));
  EXPECT_STREQ(label->Text, "3' 6 1/2'' x 4' 0''");
  EXPECT_EQ(P(label->X1, label->Y1), (P{4800, 2112 - 48 - 24 - 48}));
  struct Case {
    int32 w, h;
    const char* text;
  } cases[] = {
      {1152, 1020, "4' 0'' x 3' 6 1/2''"},
      {1023, 1161, "3' 6 5/8'' x 4' 0 3/8''"},
      {1025, 1153, "3' 6 5/8'' x 4' 0''"},  // not a whole eighth: the eighth below
      {1154, 1154, "4' 0'' x 4' 0''"},
  };
  for (const Case& c : cases) EXPECT_EQ(OpeningSizeText(c.w, c.h, false), c.text);
  EXPECT_EQ(OpeningSizeText(1200, 1050, true), "1200 w x 1050 h");
}

TEST_F(Windows, LabelsOfSlopedWallsStandOutFromTheFace) {
  // d 100 from the face of a wall at 450 (the face's outer side is up-left).
  const LabelPlacement l = SizeLabelPlacement({1000, 1000}, 450, 100);
  EXPECT_EQ(l.at, (P{1000 - 71, 1000 + 71}));
  EXPECT_EQ(l.escapement, 3150);
  EXPECT_EQ(l.alignment, 6);
  EXPECT_EQ(SizeLabelPlacement({0, 0}, 1350, 100).escapement, 450);
  EXPECT_EQ(SizeLabelPlacement({0, 0}, 2250, 100).alignment, 4);
  EXPECT_EQ(SizeLabelPlacement({0, 0}, 3150, 100).escapement, 450);
}

TEST_F(Windows, ARoundWindowStaysBelowAWallsTopLevel) {
  Plan(true, {2000, 2000}, {6000, 5000});
  Window(6, 900, 900);
  // The bottom wall records a top level below the window's level.
  for (int32 i = 6; i < DrawingList.Count(); ++i)
    if (DrawingList.At(i)->Kind == kind::ExtWall) {
      DrawingList.At(i)->Marked = 100;
      DrawingList.At(i)->Tag2 = 150;
    }
  DrawingList.WriteDrawingFile(dtDrawing);
  auto t = std::make_unique<TWindowobjtool>();
  t->Type = tooltype::Opening;
  t->Execute(0, 1, 0);
  t->OpeningLevel = 100;  // what the chain leaves: the window stands 100 up
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk)
      .WithText("Round ( Bullseye ) windows cannot be split over 2 floors");
  P px = Pixel({4000, 1760});
  t->KeyDown(dc, client, 13, px, 0);
  EXPECT_EQ(t->Result, 1);
  EXPECT_EQ(NextGroupNumber, 4);
  // Walls that record no top level (0) take it.
  for (int32 i = 6; i < DrawingList.Count(); ++i) DrawingList.At(i)->Tag2 = 0;
  DrawingList.WriteDrawingFile(dtDrawing);
  EXPECT_GT(Cut(1, {4000, 1760}), 0);
}

// ---- Settings files --------------------------------------------------------------------------

class OpeningSettings : public OpeningPlan {};

TEST_F(OpeningSettings, MissingBrokenOrZeroWidthSettingsAreRefusedWithAMessage) {
  Plan(true, {2000, 2000}, {6000, 5000});
  struct Case {
    const char* file;
    const char* text;
    int32 setUp;
    const char* message;
  } cases[] = {
      {cfgfile::Window, "1 0 1200 0 1 10 1 0 0 0 0 0 0 0 0 0 0 0", 1, "has no width"},
      {cfgfile::Window, "1 1200 1200 0 1 10 1 0 0 -5 0 0 0 0 0 0 0 0", 1, "cannot be read"},
      {cfgfile::Window, "1 1200 1200 0 1 10 1 0 0 999999 0 0 0 0 0 0 0 0abc", 1, "cannot be read"},
      {cfgfile::Window, "1 1200 1200", 1, "/CFG/WIND.CFG cannot be read"},
      {cfgfile::Door, "11 0 820 1 0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0", 2, "has no width"},
      {cfgfile::Door, "11 0 820 1 820 1 0 0 0 0 12 0 0 0 0 0 0 0 0 0 0 0short", 2, "cannot be read"},
      {cfgfile::Door, "24 0 1800 1 900 99 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0", 2, "outside 1 to 10"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    dir.WriteFile(c.file, c.text);
    ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk).Containing(c.message);
    TWindowobjtool t;
    t.Type = tooltype::Opening;
    t.Execute(0, c.setUp, 0);
    EXPECT_FALSE(t.Ready);
    EXPECT_EQ(dir.ReadFile(c.file), c.text) << "never rewritten from a part";
  }
}

TEST_F(OpeningSettings, DoorSetUpWritesTheOpeningWidthBackAndKeepsTheCountedText) {
  Plan(true, {2000, 2000}, {6000, 5000});
  dir.WriteFile(cfgfile::Door, "12 0 100 1 820 2 0 0 0 0 4 0 0 0 0 0 0 0 0 0 0 0Main");
  TWindowobjtool t;
  t.Type = tooltype::Opening;
  t.Execute(0, 2, 0);
  EXPECT_TRUE(t.Ready);
  EXPECT_EQ(t.OpeningWidth, 1640);
  EXPECT_EQ(dir.ReadFile(cfgfile::Door), "12 0 1640 1 820 2 0 0 0 0 4 0 0 0 0 0 0 0 0 0 0 0Main");
  // Kinds that take the frame width from the file keep it.
  dir.WriteFile(cfgfile::Door, "16 0 2400 1 820 1 0 0 1 0 0 0 0 0 0 0 0 0 0 0 0 0");
  t.Execute(0, 2, 0);
  EXPECT_EQ(t.OpeningWidth, 2400);
  EXPECT_EQ(t.DoorOption, 1);
  // Any other set-up only resets the leaf count.
  t.LeafCount = 5;
  t.Execute(0, 3, 0);
  EXPECT_EQ(t.LeafCount, 1);
}

TEST_F(OpeningSettings, EveryFloorViewHasAnIdBase) {
  EXPECT_EQ(OpeningIdBase(view::Ground), 100000);
  EXPECT_EQ(OpeningIdBase(view::Third), 130000);
  EXPECT_EQ(OpeningIdBase(124), 140000);
  EXPECT_EQ(OpeningIdBase(125), 150000);
  EXPECT_EQ(OpeningIdBase(view::Site), 160000);
}

// ---- What moves with an internal wall -------------------------------------------------------

TEST_F(Windows, AnOpeningsPartsAreFoundFromItsWallAndMoveWithIt) {
  Plan(true, {2000, 2000}, {8000, 6000});
  const int32 wall = InternalWall({2000, 4000}, {8000, 4000}, 100);
  Window(1, 1000, 1000);
  const int32 a = Cut(1, {3500, 3980});
  Door(11, 800, 1);
  Swing(90);
  const int32 b = Cut(2, {5500, 3980}, 6);
  ASSERT_GT(a, 0);
  ASSERT_GT(b, 0);
  DrawingList.Clear();
  DrawingList.ReadDrawingFile(dtDrawing);
  const auto openings = OpeningsOfWall(DrawingList, wall);
  ASSERT_EQ(openings.size(), 2u);
  EXPECT_EQ(openings[0].elementId, a);
  EXPECT_EQ(openings[1].elementId, b);
  EXPECT_EQ(openings[0].linkId, DrawingList.At(wall)->LinkId);
  // The wall moves up 500: its openings go with it, the external walls stay.
  const auto before = Parts(b);
  std::vector<int32> ys;
  for (const TObj* e : before) ys.push_back(e->Y1);
  for (const OpeningRef& o : openings) ShiftOpening(DrawingList, o, 0, 500);
  reloaded_ = true;
  const auto after = Parts(b);
  ASSERT_EQ(after.size(), before.size());
  for (std::size_t k = 0; k < after.size(); ++k) {
    if (auto* f = dynamic_cast<const TPolyobj*>(after[k]))
      EXPECT_NEAR(f->PointY[0], 4000 + 500, 30);
    else
      EXPECT_EQ(after[k]->Y1, ys[k] + 500);
  }
  EXPECT_EQ(Parts(a, kind::WallLengthText).at(0)->Y1, 4000 + 50 + 25 + 50 + 500)
      << "the label, which carries no link id, goes too";
  EXPECT_EQ(DrawingList.At(wall)->Y1, 4000) << "the wall itself is the mover's";
}

}  // namespace
