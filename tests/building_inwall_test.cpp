// The internal-wall tool: building partitions, joining them to the walls
// they meet, stop ends and the measurements of the keyboard drawing.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include "building/extwall_tool.h"
#include "building/inwall_join.h"
#include "building/inwall_tool.h"
#include "model/flist.h"
#include "platform/recording_dc.h"
#include "tests/test_support.h"

namespace {

using P = plat::Point;

class InwallTool : public ::testing::Test {
 protected:
  void SetUp() override {
    MetricUnits = 1;
    PixelScale = 5;
    ZoomFactor = 5.0f;
    ZoomUnits = 5;
    DrawingWidth = 2000;
    DrawingHeight = 1600;
    DrawingList.SetDrawingName("PARTS");
    InitDrawingList();
    DrawingList.WriteDrawingFile(dtDrawing);
    DrawingList.UpdateUndoHistory(uoReset, 0);
    CurrentView = view::Ground;
    NextGroupNumber = 0;
    dir.WriteFile("CFG\\PTNM.CFG", "100\n");
  }

  // External walls 200 thick outside the rectangle 2000..6000 x 2000..5000
  // (their inner faces on it), built by the external-wall tool.
  void Room() {
    dir.WriteFile("CFG\\EXTWALLM.CFG", "200 0 0 0 3000 6000 9000 -3000 0 0 0 0 0 255\n");
    CurrentView = view::LayoutMarkingWalls;
    const P c[4] = {{2000, 2000}, {2000, 5000}, {6000, 5000}, {6000, 2000}};
    for (int k = 0; k < 4; ++k) {
      const P a = c[k], b = c[(k + 1) % 4];
      DrawingList.Add(new TLineobj(kind::WallLine, view::LayoutMarkingWalls, 0,
                                   bearing::Length(a, b), a.x, 0, b.x, 0, a.y, b.y, 0,
                                   bearing::Of(a, b), 0, 1, 0));
    }
    TExtwallobjtool ext;
    ext.Command(extwallcmd::BuildFromOutline);
    ASSERT_EQ(CurrentView, view::Ground);
  }

  // Draws one partition with a fresh tool as the keyboard drawing hands it
  // over; returns its index (or kNothingFound).
  int32 Draw(P a, P b, int32 side = secondline::Right, TInwallobjtool* with = nullptr) {
    TInwallobjtool fresh;
    TInwallobjtool& t = with ? *with : fresh;
    if (!with) t.ChooseSide(side);
    t.X1 = a.x, t.Y1 = a.y, t.X2 = b.x, t.Y2 = b.y;
    t.Angle = bearing::Of(a, b);
    const int32 before = DrawingList.Count();
    t.AddElement(dc, client);
    return DrawingList.Count() > before ? DrawingList.Count() - 1 : TFlist::kNothingFound;
  }
  const TInwallobj& W(int32 i) { return static_cast<const TInwallobj&>(*DrawingList.At(i)); }
  P Second1(int32 i) { return {W(i).Line2X1, W(i).Line2Y1}; }
  P Second2(int32 i) { return {W(i).Line2X2, W(i).Line2Y2}; }
  int32 Count(int32 k) {
    int32 n = 0;
    for (int32 i = 6; i < DrawingList.Count(); ++i) n += DrawingList.At(i)->Kind == k;
    return n;
  }
  // The live file read back.
  void Reload() {
    DrawingList.Clear();
    DrawingList.ReadDrawingFile(dtDrawing);
  }

  ScratchProgramDir dir;
  plat::ScriptedUi& ui = DefaultTestUi();
  plat::RecordingDC dc;
  plat::Rect client{0, 0, 624, 346};
};

// ---- Plain geometry ------------------------------------------------------------------

TEST(InwallGeometry, TheSecondLineOfAFreeEndLiesOnTheRightOfTheBearing) {
  struct Row {
    int32 bearing;
    P expected;
  } rows[] = {
      {0, {1100, 5000}},    {900, {1000, 4900}},  {1800, {900, 5000}},
      {2700, {1000, 5100}}, {3600, {1100, 5000}}, {450, {1070, 4930}},  // trunc of 70.7
      {1350, {930, 4930}},  {2250, {930, 5070}},  {3150, {1070, 5070}},
  };
  for (const Row& r : rows)
    EXPECT_EQ(inwallgeo::SecondLinePoint({1000, 5000}, r.bearing, 100), r.expected) << r.bearing;
}

TEST(InwallGeometry, CornersOfTwoWallsMeetingEndToStart) {
  MetricUnits = 1;
  PixelScale = 5;
  CurrentView = view::Ground;
  // W runs east to (2000, 1000) with thickness 100; N leaves it southward.
  auto w = [](P a, P b, int32 bearing) {
    InwallDraft d;
    d.start = a, d.end = b, d.bearing = bearing, d.thickness = 100;
    inwallgeo::PlaceSecondLine(d);
    return std::unique_ptr<TInwallobj>(MakeInwall(kind::InWall, d, view::Ground, 0));
  };
  auto n = [](P a, P b, int32 bearing) {
    InwallDraft d;
    d.start = a, d.end = b, d.bearing = bearing, d.thickness = 100;
    inwallgeo::PlaceSecondLine(d);
    return d;
  };
  {
    auto east = w({1000, 1000}, {2000, 1000}, 900);
    InwallDraft south = n({2000, 1000}, {2000, 0}, 1800);
    inwalljoin::JoinSquareCorner(south, *east, inwalljoin::joint::StartOnEnd);
    EXPECT_EQ(south.secondStart, (P{1900, 900}));
    EXPECT_EQ((P{east->Line2X2, east->Line2Y2}), (P{1900, 900}));
  }
  {
    // Straight on: both running down, joint at N's end.
    auto down = w({500, 800}, {500, 0}, 1800);
    InwallDraft above = n({500, 1500}, {500, 800}, 1800);
    inwalljoin::JoinSquareCorner(above, *down, inwalljoin::joint::EndOnStart);
    EXPECT_EQ(above.secondEnd, (P{400, 800}));
  }
  {
    // Running back along W changes nothing.
    auto east = w({1000, 1000}, {2000, 1000}, 900);
    InwallDraft back = n({2000, 1000}, {1500, 1000}, 2700);
    const InwallDraft before = back;
    inwalljoin::JoinSquareCorner(back, *east, inwalljoin::joint::StartOnEnd);
    EXPECT_EQ(back.secondStart, before.secondStart);
    EXPECT_EQ((P{east->Line2X2, east->Line2Y2}), (P{2000, 900}));
  }
  {
    // A mitre from 900 (arriving) to 450 (leaving): half the opening 1125,
    // the mitre bearing 1575 at 100 / cos(225 x 0.001745) from the joint.
    P m;
    ASSERT_TRUE(inwallgeo::MitrePoint({1000, 1000}, 900, 450, 100, m));
    const double len = 100 / std::cos(225 * 0.001745);
    EXPECT_EQ(m.x, 1000 + int32(std::abs(len * std::sin(1575 * 0.001745))));
    EXPECT_EQ(m.y, 1000 - int32(std::abs(len * std::cos(1575 * 0.001745))));
    // Turning straight back has no mitre.
    EXPECT_FALSE(inwallgeo::MitrePoint({1000, 1000}, 900, 2700, 100, m));
    EXPECT_FALSE(inwallgeo::MitrePoint({1000, 1000}, 450, 2251, 100, m));
  }
}

TEST(InwallGeometry, FittingToAFaceItRunsAlongFallsBackToAFreeEnd) {
  P out{1, 1};
  // Parallel to the face: no crossing, no division by zero.
  EXPECT_FALSE(inwallgeo::FitToFace({1000, 1000}, {1070, 930}, 450, 450, 100, out));
  EXPECT_FALSE(inwallgeo::FitToFace({1000, 1000}, {1070, 930}, 2250, 450, 100, out));
  EXPECT_EQ(out, (P{1, 1}));
  // 45 degrees off a level face: 100 / sin 45 along it, on the free point's side.
  ASSERT_TRUE(inwallgeo::FitToFace({1000, 1000}, {1070, 930}, 900, 450, 100, out));
  EXPECT_EQ(out, (P{1141, 1000}));
  // Leaving a plumb face south-west: the crossing lies above the start.
  ASSERT_TRUE(inwallgeo::FitToFace({1000, 1000}, {930, 1070}, 0, 2250, 100, out));
  EXPECT_EQ(out, (P{1000, 1141}));
}

// ---- Building walls --------------------------------------------------------------------

TEST_F(InwallTool, AFreeWallTakesTheSpacingFileAndItsSideAndIsStoredAndSaved) {
  const int32 i = Draw({1000, 5000}, {3000, 5000}, secondline::Below);
  ASSERT_NE(i, TFlist::kNothingFound);
  EXPECT_EQ(W(i).Kind, kind::InWall);
  EXPECT_EQ(W(i).Thickness, 100);
  EXPECT_EQ(W(i).Angle, 900);
  EXPECT_EQ(Second1(i), (P{1000, 4900}));
  EXPECT_EQ(Second2(i), (P{3000, 4900}));
  EXPECT_EQ(W(i).LinkId, 1);
  EXPECT_EQ(W(i).Tag1, 1);  // the group number until an edit stores the length
  EXPECT_EQ(W(i).StartMeetAngle(), -1);
  EXPECT_EQ(W(i).WallCodes[0], 100);
  EXPECT_EQ(NextGroupNumber, 1);
  EXPECT_EQ(DrawingList.UndoViews[0], view::Ground);  // one undo step
  EXPECT_EQ(DrawingList.UndoViews[1], 0);
  Reload();
  EXPECT_EQ(Count(kind::InWall), 1);
}

TEST_F(InwallTool, AFreeWallIsTurnedSoThatItsSecondLineLiesOnTheChosenSide) {
  // Drawn left to right with the second line above: stored right to left,
  // its bearing turned with it, the second line above.
  const int32 above = Draw({1000, 5000}, {3000, 5000}, secondline::Above);
  EXPECT_EQ((P{W(above).X1, W(above).Y1}), (P{3000, 5000}));
  EXPECT_EQ(W(above).Angle, 2700);
  EXPECT_EQ(Second1(above), (P{3000, 5100}));
  // Drawn upward with the second line on the left: stored downward.
  const int32 left = Draw({8000, 1000}, {8000, 3000}, secondline::Left);
  EXPECT_EQ(W(left).Angle, 1800);
  EXPECT_EQ(Second1(left).x, 7900);
}

TEST_F(InwallTool, AWallSnapsOntoAPartitionEndWithinThreePixelsAndTakesItsThickness) {
  dir.WriteFile("CFG\\PTNM.CFG", "75\n");
  const int32 first = Draw({1000, 1000}, {1000, 3000});  // 75 thick
  dir.WriteFile("CFG\\PTNM.CFG", "100\n");
  // Two pixels (10) off the first wall's end: moved whole onto it.
  const int32 second = Draw({1010, 3010}, {3010, 3010});
  EXPECT_EQ((P{W(second).X1, W(second).Y1}), (P{1000, 3000}));
  EXPECT_EQ((P{W(second).X2, W(second).Y2}), (P{3000, 3000}));
  EXPECT_EQ(W(second).Thickness, 75);
  // An L corner: both second lines meet at the inner corner.
  EXPECT_EQ(Second1(second), (P{1075, 2925}));
  EXPECT_EQ(Second2(first), (P{1075, 2925}));
  // Three pixels (15) off: not moved, a free wall of the file's spacing.
  const int32 third = Draw({3015, 1000}, {3015, 2985});
  EXPECT_EQ(W(third).X1, 3015);
  EXPECT_EQ(W(third).Thickness, 100);
}

TEST_F(InwallTool, APartitionAcrossARoomMeetsBothFacesSquareAndAngled) {
  Room();
  TInwallobjtool t;
  t.ChooseSide(secondline::Right);
  const int32 i = Draw({3000, 2000}, {3000, 5000}, 0, &t);
  ASSERT_NE(i, TFlist::kNothingFound);
  EXPECT_EQ(W(i).StartMeetAngle(), 2700);  // the bottom wall runs left...
  EXPECT_EQ(W(i).EndMeetAngle(), 900);     // ...and the top one right
  EXPECT_EQ(Second1(i), (P{3100, 2000}));  // on the faces already
  EXPECT_EQ(Second2(i), (P{3100, 5000}));
  EXPECT_EQ(t.Distance, inwallmark::EndsOnWall);  // the run ends on the wall
  EXPECT_FALSE(t.EndMeetsInwall);

  // At 45 degrees from the bottom face to the top one: the second line is
  // brought onto both faces.
  const int32 a = Draw({2500, 2000}, {5500, 5000});
  ASSERT_NE(a, TFlist::kNothingFound);
  EXPECT_EQ(W(a).Angle, 450);
  EXPECT_EQ(Second1(a).y, 2000);
  EXPECT_EQ(Second2(a).y, 5000);
  EXPECT_EQ(Second1(a).x, 2500 + 141);
  EXPECT_EQ(Second2(a).x, 5500 + 141);
}

TEST_F(InwallTool, ATJunctionEndsOnThePartitionFace) {
  const int32 across = Draw({1000, 5000}, {5000, 5000}, secondline::Below);
  TInwallobjtool t;
  t.ChooseSide(secondline::Right);
  const int32 stem = Draw({3000, 2000}, {3000, 4900}, 0, &t);
  EXPECT_EQ(W(stem).EndMeetAngle(), 900);
  EXPECT_TRUE(t.EndMeetsInwall);
  EXPECT_EQ(Second2(stem), (P{3100, 4900}));
  // The wall met is not changed.
  EXPECT_EQ(Second1(across), (P{1000, 4900}));
  EXPECT_EQ(Second2(across), (P{5000, 4900}));
}

TEST_F(InwallTool, AWallBetweenTwoPartitionEndsContinuesTheirBands) {
  // A U drawn up, across, down: the middle wall closes it from end to end.
  const int32 left = Draw({1000, 1000}, {1000, 3000}, secondline::Right);
  const int32 right = Draw({4000, 3000}, {4000, 1000}, secondline::Left);
  TInwallobjtool t;
  const int32 top = Draw({1000, 3000}, {4000, 3000}, secondline::Below, &t);
  ASSERT_NE(top, TFlist::kNothingFound);
  EXPECT_EQ(W(top).Angle, 900);  // its band below, inside the U like the others
  EXPECT_EQ(Second1(top), (P{1100, 2900}));
  EXPECT_EQ(Second2(top), (P{3900, 2900}));
  EXPECT_EQ(Second2(left), (P{1100, 2900}));
  EXPECT_EQ(Second1(right), (P{3900, 2900}));
  EXPECT_EQ(t.Distance, 0);  // joined at both ends: no face search
}

TEST_F(InwallTool, WhereTheSecondWallsBandLiesOutsideTheNewWallRunsAcrossIt) {
  // The right-hand wall was drawn upward to the corner with its band
  // outside the U: the top wall runs on across it and its inner face comes
  // down to the top wall's.
  const int32 left = Draw({1000, 1000}, {1000, 3000}, secondline::Right);
  const int32 right = Draw({4000, 1000}, {4000, 3000}, secondline::Right);
  const int32 top = Draw({1000, 3000}, {4000, 3000}, secondline::Below);
  ASSERT_NE(top, TFlist::kNothingFound);
  EXPECT_EQ(W(top).X2, 4100);
  EXPECT_EQ(Second2(top), (P{4000, 2900}));
  EXPECT_EQ((P{W(right).X2, W(right).Y2}), (P{4000, 2900}));
  EXPECT_EQ(Second2(right), (P{4100, 3000}));
  EXPECT_EQ(Second2(left), (P{1100, 2900}));
}

TEST_F(InwallTool, AWallBetweenAnAngledAndASquarePartitionJoinsEachEndOnItsOwn) {
  const int32 slope = Draw({1000, 1000}, {2000, 2000}, secondline::Right);  // 45 degrees
  const int32 down = Draw({4000, 2000}, {4000, 500}, secondline::Left);
  const int32 mid = Draw({2000, 2000}, {4000, 2000}, secondline::Below);
  ASSERT_NE(mid, TFlist::kNothingFound);
  P m;
  ASSERT_TRUE(inwallgeo::MitrePoint({2000, 2000}, 450, 900, 100, m));
  EXPECT_EQ(Second1(mid), m);  // mitred to the sloped wall, not left over
  EXPECT_EQ(Second2(slope), m);
  EXPECT_EQ(Second2(mid), (P{3900, 1900}));  // squared to the plumb one
  EXPECT_EQ(Second1(down), (P{3900, 1900}));
}

TEST_F(InwallTool, TheBothEndsJoinedMarkIsReadAfreshForEveryWall) {
  Room();
  Draw({3000, 2000}, {3000, 3000}, secondline::Right);
  Draw({3500, 3000}, {3500, 2000}, secondline::Left);
  TInwallobjtool t;
  t.ChooseSide(secondline::Below);
  Draw({3000, 3000}, {3500, 3000}, 0, &t);  // between the two: joined at both ends
  // The next wall of the same tool meets the top face again.
  const int32 up = Draw({4500, 2000}, {4500, 5000}, 0, &t);
  EXPECT_EQ(W(up).EndMeetAngle(), 900);
  EXPECT_EQ(W(up).StartMeetAngle(), 2700);
}

TEST_F(InwallTool, AWallReachingOffTheSheetIsRefusedBeforeAnythingIsJoined) {
  // Down to y 50, its band on the left at x 100.
  const int32 first = Draw({200, 2000}, {200, 50}, secondline::Left);
  ASSERT_NE(first, TFlist::kNothingFound);
  const P before = Second2(first);
  const int32 groups = NextGroupNumber;
  const std::string file = dir.ReadFile("DWGS\\PARTS.KWV");
  const int32 undo = DrawingList.UndoViews[1];
  // Turning right along y 50: its band would lie below the sheet.
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbCancel, plat::mrCancel)
      .Containing("beyond the edge of the drawing sheet");
  EXPECT_EQ(Draw({200, 50}, {2000, 50}), TFlist::kNothingFound);
  EXPECT_EQ(Second2(first), before);
  EXPECT_EQ(NextGroupNumber, groups);
  EXPECT_EQ(dir.ReadFile("DWGS\\PARTS.KWV"), file);
  EXPECT_EQ(DrawingList.UndoViews[1], undo);
}

TEST_F(InwallTool, AMissingSpacingFileIsReportedOnceAndTheLastSpacingKept) {
  TInwallobjtool t;
  t.ChooseSide(secondline::Right);
  t.Spacing = 90;
  std::remove(dir.Path("CFG\\PTNM.CFG").c_str());
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk).Containing("PTNM.CFG");
  const int32 a = Draw({1000, 1000}, {1000, 2000}, 0, &t);
  const int32 b = Draw({3000, 1000}, {3000, 2000}, 0, &t);
  EXPECT_EQ(W(a).Thickness, 90);
  EXPECT_EQ(W(b).Thickness, 90);
  // A tool with no spacing at all makes no wall and says why.
  TInwallobjtool none;
  none.ChooseSide(secondline::Right);
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk).Containing("PTNM.CFG");
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbCancel, plat::mrCancel)
      .Containing("no spacing");
  EXPECT_EQ(Draw({5000, 1000}, {5000, 2000}, 0, &none), TFlist::kNothingFound);
}

TEST_F(InwallTool, BuildingOneWallOnItsOwnNeedsNoToolOrUndoStep) {
  const int32 i = BuildInternalWallBetween({1000, 1000}, {1000, 3000}, 120, secondline::Left);
  ASSERT_NE(i, TFlist::kNothingFound);
  EXPECT_EQ(W(i).Thickness, 120);
  EXPECT_EQ(Second1(i).x, 880);
  EXPECT_EQ(DrawingList.UndoViews[0], 0);
  Reload();
  EXPECT_EQ(Count(kind::InWall), 1);
}

// ---- Measuring and stop ends ------------------------------------------------------------

TEST_F(InwallTool, TheArrowMeasuresToTheNextFaceAndChecksTheFirstArrow) {
  Room();
  TInwallobjtool t;
  t.ChooseSide(secondline::Right);
  t.X1 = 3000, t.Y1 = 2000;
  t.WallDirection = 2;  // right, but the band lies to the right: wrong arrow
  t.Command(inwallcmd::DistanceToFace);
  EXPECT_EQ(t.Y1, inwallmark::WrongArrow);
  t.Y1 = 2000;
  t.WallDirection = 1;  // up: to the top wall's inner face
  t.Command(inwallcmd::DistanceToFace);
  EXPECT_EQ(t.Distance, 3000);
  EXPECT_EQ(t.FirstArrowChecked, 2);
  t.WallDirection = 2;  // now allowed: to the right wall's inner face
  t.Y1 = 2500;
  t.Command(inwallcmd::DistanceToFace);
  EXPECT_EQ(t.Distance, 3000);
  // No wall that way, in any of the four directions: the last distance stays.
  InitDrawingList();
  for (int32 d = 1; d <= 4; ++d) {
    t.Distance = 777;
    t.WallDirection = d;
    t.Command(inwallcmd::DistanceToFace);
    EXPECT_EQ(t.Distance, 777) << d;
  }
}

TEST_F(InwallTool, TheArrowFindsASlopedPartitionAcrossItsWholeSpan) {
  Draw({1000, 1000}, {3000, 3000}, secondline::Right);
  TInwallobjtool t;
  t.ChooseSide(secondline::Right);
  t.FirstArrowChecked = 2;
  t.X1 = 2500, t.Y1 = 500;
  t.WallDirection = 1;
  t.Command(inwallcmd::DistanceToFace);
  EXPECT_EQ(t.Distance, 2360 - 500);  // its second line, y = x - 140 below the first
}

TEST_F(InwallTool, AStartOnAWallFaceIsFoundAndAFreeStartGetsAStopEnd) {
  Room();
  TInwallobjtool t;
  t.X1 = 3010, t.Y1 = 2020;  // within 30 of the bottom inner face
  t.Command(inwallcmd::StartOnFace);
  EXPECT_EQ(t.SavedStep, 0);
  t.X1 = 3000, t.Y1 = 3000;
  t.Command(inwallcmd::StartOnFace);
  EXPECT_EQ(t.SavedStep, 1);
  // The first wall of that free run gets a stop end at its start, once.
  t.ChooseSide(secondline::Below);
  t.Frame[0] = 1;
  const int32 w = Draw({3000, 3000}, {4000, 3000}, 0, &t);
  t.Command(inwallcmd::StopEndAtStart);
  EXPECT_EQ(t.Frame[0], 0);
  ASSERT_EQ(Count(kind::InWallStopStart), 1);
  const TObj& s = *DrawingList.At(DrawingList.Count() - 1);
  EXPECT_EQ(s.LinkId, W(w).LinkId);
  EXPECT_EQ((P{s.X1, s.Y1}), (P{3000, 3000}));
  EXPECT_EQ((P{s.X2, s.Y2}), (P{3000, 2900}));
  EXPECT_EQ(static_cast<const TInwallobj&>(s).Angle, 0);
  Reload();
  EXPECT_EQ(Count(kind::InWallStopStart), 1);
}

TEST_F(InwallTool, EscapeClosesTheEndAtOnceWithOneUndoStep) {
  TInwallobjtool t;
  t.ChooseSide(secondline::Below);
  const int32 w = Draw({1000, 3000}, {3000, 3000}, 0, &t);
  t.X1 = t.X2 = 3000, t.Y1 = t.Y2 = 3000;  // the drawing goes on from the end
  const int32 steps = [] {
    int32 n = 0;
    for (int32 v : DrawingList.UndoViews) n += v != 0;
    return n;
  }();
  t.Command(inwallcmd::StopEndHere);
  ASSERT_EQ(Count(kind::InWallStopEnd), 1);
  const TObj& s = *DrawingList.At(DrawingList.Count() - 1);
  EXPECT_EQ((P{s.X1, s.Y1}), (P{3000, 3000}));
  EXPECT_EQ((P{s.X2, s.Y2}), (P{3000, 2900}));
  EXPECT_EQ(s.LinkId, W(w).LinkId);
  int32 after = 0;
  for (int32 v : DrawingList.UndoViews) after += v != 0;
  EXPECT_EQ(after, steps + 1);
  Reload();
  EXPECT_EQ(Count(kind::InWallStopEnd), 1);
  // Nothing to close: no element, no undo step.
  t.X1 = 5000;
  t.Command(inwallcmd::StopEndHere);
  int32 again = 0;
  for (int32 v : DrawingList.UndoViews) again += v != 0;
  EXPECT_EQ(again, after);
}

}  // namespace
