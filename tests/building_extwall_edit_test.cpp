// Editing external walls (shorten, lengthen, split, wall type, delete) and
// expanding and shrinking the base.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "building/base_resize.h"
#include "building/extwall_edit.h"
#include "building/extwall_tool.h"
#include "model/flist.h"
#include "tests/test_support.h"

namespace {

using P = plat::Point;

class ExtWallEdit : public ::testing::Test {
 protected:
  void SetUp() override {
    MetricUnits = 1;
    PixelScale = 5;
    ZoomFactor = 5.0f;
    ZoomUnits = 5;
    DrawingWidth = 2000;
    DrawingHeight = 1600;
    DrawingList.SetDrawingName("BASE");
    InitDrawingList();
    NextGroupNumber = 0;
    dir.WriteFile("CFG\\EXTWALLM.CFG", "200 0 0 0 3000 6000 9000 -3000 0 7 8 9 10 255\n");
    House(view::Ground);
  }
  // External walls 200 thick round 2000..6000 x 2000..5000: faces at
  // 1800..6200 x 1800..5200, drawn clockwise from the bottom left (left,
  // top, right, bottom).
  void House(int32 floor) {
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
    if (floor != view::Ground) {
      for (int32 i = 6; i < DrawingList.Count(); ++i)
        if (DrawingList.At(i)->Kind == kind::ExtWall && DrawingList.At(i)->Floor == view::Ground &&
            i >= DrawingList.Count() - 4)
          DrawingList.At(i)->Floor = floor;
      DrawingList.WriteDrawingFile(dtDrawing);
    }
    CurrentView = view::Ground;
  }
  std::vector<int32> Walls(int32 floor = view::Ground) {
    std::vector<int32> out;
    for (int32 i = 6; i < DrawingList.Count(); ++i)
      if (DrawingList.At(i)->Kind == kind::ExtWall && DrawingList.At(i)->Floor == floor)
        out.push_back(i);
    return out;
  }
  TExtwallobj& X(int32 i) { return static_cast<TExtwallobj&>(*DrawingList.At(i)); }
  P Start(int32 i) { return {X(i).X1, X(i).Y1}; }
  P End(int32 i) { return {X(i).X2, X(i).Y2}; }
  P P1(int32 i) { return {X(i).Line2X1, X(i).Line2Y1}; }
  P P2(int32 i) { return {X(i).Line2X2, X(i).Line2Y2}; }
  void Edit(int32 i, int32 step, int32 a, int32 b, int32 c) {
    TExtwallobjtool t;
    t.Step = step;
    t.Direction = i;
    t.Execute(a, b, c);
  }
  void Reload() {
    DrawingList.Clear();
    DrawingList.ReadDrawingFile(dtDrawing);
  }

  ScratchProgramDir dir;
  plat::ScriptedUi& ui = DefaultTestUi();
};

TEST_F(ExtWallEdit, ShorteningMovesTheEndPickedAndFreesTheWallThatMetIt) {
  const auto w = Walls();
  const int32 left = w[0], bottom = w[3];
  // Picked near its lower end: that end moves up.
  Edit(left, toolstep::Shorten, 300, 1800, 1800);
  EXPECT_EQ(Start(left), (P{1800, 2100}));
  EXPECT_EQ(X(left).Tag1, 3100);
  EXPECT_EQ(P1(left), (P{2000, 2100}));
  EXPECT_EQ(P2(bottom), (P{1800, 2000}));  // a free end, no longer joined
  // Picked anywhere else: the upper end moves down.
  Edit(left, toolstep::Shorten, 100, 1800, 4000);
  EXPECT_EQ(End(left), (P{1800, 5100}));
  EXPECT_EQ(X(left).Tag1, 3000);
  Reload();
  EXPECT_EQ(End(w[0]), (P{1800, 5100}));
}

TEST_F(ExtWallEdit, LengtheningMovesTheRightEndByExactlyTheAmount) {
  const auto w = Walls();
  const int32 top = w[1], right = w[2];
  Edit(top, toolstep::Extend, 500, 6200, 5200);
  EXPECT_EQ(End(top), (P{6700, 5200}));
  EXPECT_EQ(X(top).Tag1, 4900);
  EXPECT_EQ(P2(top), (P{6700, 5000}));
  EXPECT_EQ(P1(right), (P{6000, 5200}));  // freed
  // A sloped wall moves along its own line; its length agrees with its ends.
  DrawingList.Add(MakeWall([] {
    WallDraft d;
    d.start = {8000, 2000};
    d.end = {9000, 3000};
    d.angle = 450;
    d.layers = {200, 0, 0};
    d.floor = view::Ground;
    d.length = 1414;
    return d;
  }()));
  const int32 s = DrawingList.Count() - 1;
  Edit(s, toolstep::Extend, 1000, 9000, 3000);
  EXPECT_EQ(End(s), (P{9707, 3707}));
  EXPECT_EQ(X(s).Tag1, bearing::Length({8000, 2000}, {9707, 3707}));
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbCancel, plat::mrCancel)
      .Containing("away from both of its ends");
  Edit(s, toolstep::Shorten, 100, 8700, 2700);
  EXPECT_EQ(End(s), (P{9707, 3707}));
}

TEST_F(ExtWallEdit, SplittingGivesTwoWallsMeetingWithFreeEndsAndTheSameSettings) {
  const int32 bottom = Walls()[3];  // (6200, 1800) to (1800, 1800)
  const int32 link = X(bottom).LinkId;
  const int32 groups = NextGroupNumber;
  Edit(bottom, toolstep::Split, 0, 5200, 1830);  // snapped onto the wall's line
  const auto w = Walls();
  ASSERT_EQ(w.size(), 5u);
  const int32 second = w[4];
  EXPECT_EQ(End(bottom), (P{5200, 1800}));
  EXPECT_EQ(X(bottom).Tag1, 1000);
  EXPECT_EQ(X(bottom).LinkId, link);
  EXPECT_EQ(Start(second), (P{5200, 1800}));
  EXPECT_EQ(End(second), (P{1800, 1800}));
  EXPECT_EQ(X(second).Tag1, 3400);
  EXPECT_EQ(X(second).LinkId, groups + 1);
  EXPECT_EQ(X(second).WallCodes[0], 1);
  EXPECT_EQ(P2(bottom), (P{5200, 2000}));
  EXPECT_EQ(P1(second), (P{5200, 2000}));
  // The split-off part keeps the wall's settings.
  EXPECT_EQ(X(second).Colour, X(bottom).Colour);
  EXPECT_EQ(X(second).WallValues[0], X(bottom).WallValues[0]);
  EXPECT_EQ(X(second).WallValues[1], X(bottom).WallValues[1]);
  EXPECT_EQ((P{X(second).RefX, X(second).RefY}), (P{X(bottom).RefX, X(bottom).RefY}));
  // Too near an end: refused before the wall is touched.
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbCancel, plat::mrCancel)
      .Containing("cannot be split there");
  Edit(bottom, toolstep::Split, 0, 5300, 1800);
  EXPECT_EQ(End(bottom), (P{5200, 1800}));
  EXPECT_EQ(Walls().size(), 5u);
}

TEST_F(ExtWallEdit, DeletingTakesTheWallsGroupAndLeavesTheRecordsAndFreeNeighbours) {
  const auto w = Walls();
  const int32 top = w[1];
  DrawingList.Add(new TTextobj(kind::WallLengthText, view::Ground, X(top).LinkId, 0, 4000, 5400,
                               0, 0, 1, 0, 4, 0, 1, 5, 10, 400, "Arial", "4400"));
  Edit(top, toolstep::Delete, 0, 0, 0);
  EXPECT_EQ(DrawingList.Count(), 6 + 3);
  for (int32 i = 0; i < 6; ++i) EXPECT_GE(DrawingList.At(i)->Kind, kind::InfoFirst);
  const auto left = Walls()[0], right = Walls()[1];
  EXPECT_EQ(P2(left), (P{2000, 5200}));
  EXPECT_EQ(P1(right), (P{6000, 5200}));
}

TEST_F(ExtWallEdit, ATypeChangeRemitresBothCornersOrChangesNothingAndSaysWhy) {
  auto w = Walls();
  const int32 left = w[0], top = w[1], right = w[2];
  Edit(top, toolstep::WallType, 100, 0, 0);
  EXPECT_EQ(X(top).Thickness1, 100);
  EXPECT_EQ(P1(top), (P{2000, 5100}));
  EXPECT_EQ(P2(left), (P{2000, 5100}));
  EXPECT_EQ(P2(top), (P{6000, 5100}));
  EXPECT_EQ(P1(right), (P{6000, 5100}));
  // Without a wall at one end the type stays, and so do the joins.
  Edit(right, toolstep::Delete, 0, 0, 0);
  w = Walls();
  const P corner = P2(w[0]);
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbCancel, plat::mrCancel)
      .Containing("joined to walls at both of its ends");
  Edit(w[1], toolstep::WallType, 300, 0, 0);
  EXPECT_EQ(X(w[1]).Thickness1, 100);
  EXPECT_EQ(P2(w[0]), corner);
  EXPECT_EQ(extwalledit::Refusal(DrawingList, w[1], toolstep::WallType, {}, 0),
            "The wall type can only be changed on a wall joined to walls at both of its ends - "
            "nothing was changed");
}

TEST_F(ExtWallEdit, AWallDrawnAt3600BehavesAsOneAt0) {
  const int32 left = Walls()[0];
  X(left).Angle = 3600;
  Edit(left, toolstep::Shorten, 300, 1800, 1800);
  EXPECT_EQ(Start(left), (P{1800, 2100}));
  EXPECT_EQ(P1(left), (P{2000, 2100}));
}

// ---- Expand and shrink the base ----------------------------------------------------------

class BaseResize : public ExtWallEdit {
 protected:
  TRoomobj* Room(int32 x1, int32 y1, int32 x2, int32 y2, int32 floor = view::Ground) {
    const std::string wt = MeasureTextOf(x2 - x1), ht = MeasureTextOf(y1 - y2);
    auto* r = new TRoomobj(kind::LockedRoom, floor, 15, 15, x1, y1, x2, y2, x2 - x1, y1 - y2, 1,
                           0, 10, 4, int32(wt.size()), int32(ht.size()), "HALL", wt.c_str(),
                           ht.c_str());
    DrawingList.Add(r);
    return r;
  }
  static std::string MeasureTextOf(int32 v) { return std::to_string(v); }
  void Resize(int32 step, int32 mode, int32 side, int32 amount, P p) {
    TExtwallobjtool t;
    t.Type = tooltype::EnlargeShrink;
    t.Step = step;
    t.MultiFloorMode = mode;
    t.Direction = side;
    t.Execute(amount, p.x, p.y);
  }
};

TEST_F(BaseResize, ExpandingToTheRightStretchesWhatCrossesTheLineAndMovesWhatIsBeyond) {
  const auto w = Walls();
  TRoomobj* room = Room(3000, 4000, 5000, 3000);
  const int32 roomIndex = DrawingList.Count() - 1;
  DrawingList.Add(new TTextobj(kind::WallLabel, view::Ground, 0, 15, 4000, 3500, 900, 0, 0, 0, 4,
                               0, 6, 5, 10, 400, "Arial", "HALL"));
  const int32 label = DrawingList.Count() - 1;
  DrawingList.Add(new TLineobj(kind::Line, view::Ground, 0, 0, 3000, 0, 4500, 0, 2500, 2500, 0,
                               900, 0, 1, 0));  // across: stretches
  const int32 line = DrawingList.Count() - 1;
  DrawingList.Add(new TLineobj(kind::Line, view::Ground, 0, 0, 4000, 0, 4000, 0, 2200, 2400, 0, 0,
                               0, 1, 0));  // on the line: stays
  const int32 onLine = DrawingList.Count() - 1;
  DrawingList.Add(new TTextobj(kind::WallLengthText, view::Ground, 0, 0, 5000, 2300, 0, 0, 1, 0,
                               3, 0, 1, 5, 10, 400, "Arial", "abc"));  // beyond: moves
  const int32 text = DrawingList.Count() - 1;
  (void)room;
  Resize(extwallstep::Expand, multifloor::ThisFloor, baseside::Right, 1200, {4000, 3500});
  const auto& r = static_cast<const TRoomobj&>(*DrawingList.At(roomIndex));
  EXPECT_EQ(End(w[1]), (P{7400, 5200}));    // the top wall's right end
  EXPECT_EQ(X(w[1]).Tag1, 4400 + 1200);
  EXPECT_EQ(P2(w[1]), (P{7200, 5000}));
  EXPECT_EQ(Start(w[2]), (P{7400, 5200}));  // the right wall moves whole
  EXPECT_EQ(End(w[2]), (P{7400, 1800}));
  EXPECT_EQ(Start(w[3]), (P{7400, 1800}));  // the bottom wall's right end
  EXPECT_EQ(Start(w[0]), (P{1800, 1800}));  // the left wall stays
  EXPECT_EQ(r.X2, 6200);
  EXPECT_EQ(r.RoomWidth, 3200);
  EXPECT_STREQ(r.WidthText, "3200");
  EXPECT_EQ(DrawingList.At(label)->X1, 4600);  // centred again
  EXPECT_EQ(DrawingList.At(line)->X2, 5700);
  EXPECT_EQ(DrawingList.At(onLine)->X1, 4000);
  EXPECT_EQ(DrawingList.At(text)->X1, 6200);
  EXPECT_EQ(DrawingList.At(text)->Marked, 1);  // a length text's mark is its own
  Reload();
  EXPECT_EQ(End(w[1]), (P{7400, 5200}));
}

TEST_F(BaseResize, ADimensionAcrossTheLineGetsItsNewMeasureInItsText) {
  DrawingList.Add(new TDimensobj(kind::Dimension261, view::Ground, 500, 500, 1800, 5600, 1900,
                                 5600, 6200, 5600, 6100, 5600, 900, 1, 0));
  DrawingList.Add(new TTextobj(kind::WallLengthText, view::Ground, 500, 0, 4000, 5700, 0, 0, 0, 0,
                               4, 0, 1, 5, 10, 400, "Arial", "4400"));
  const int32 text = DrawingList.Count() - 1;
  Resize(extwallstep::Expand, multifloor::ThisFloor, baseside::Right, 600, {4000, 3500});
  const auto& t = static_cast<const TTextobj&>(*DrawingList.At(text));
  EXPECT_STREQ(t.Text, "5000");
  EXPECT_EQ(t.X1, 4300);
  EXPECT_EQ(t.Marked, 0);
  const auto& d = static_cast<const TDimensobj&>(*DrawingList.At(text - 1));
  EXPECT_EQ(d.SecondX1, 6800);
  EXPECT_EQ(d.X1, 1800);
}

TEST_F(BaseResize, ShrinkingPastTheNearestWallLandsThatWallOnTheLineAndTooMuchIsRefused) {
  const auto w = Walls();
  Resize(extwallstep::Shrink, multifloor::ThisFloor, baseside::Right, 1000, {5500, 3500});
  EXPECT_EQ(Start(w[2]).x, 5200);
  EXPECT_EQ(End(w[1]), (P{5200, 5200}));
  EXPECT_EQ(X(w[1]).Tag1, 3400);
  const std::string file = dir.ReadFile("DWGS\\BASE.KWV");
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk)
      .Containing("ground floor: the plan is not as wide");
  Resize(extwallstep::Shrink, multifloor::ThisFloor, baseside::Right, 9000, {3000, 3500});
  EXPECT_EQ(dir.ReadFile("DWGS\\BASE.KWV"), file);
}

TEST_F(BaseResize, AllFloorsAreTheGroundFloorAndTheUpperFloorsListedAndEachIsReported) {
  House(view::First);
  House(view::Third);
  dir.WriteFile("CFG\\FLOORS.CFG", "121 0 123 0\n");
  Resize(extwallstep::Expand, multifloor::AllFloors, baseside::Up, 100, {4000, 3500});
  EXPECT_EQ(CurrentView, view::Third);
  for (int32 f : {view::Ground, view::First, view::Third}) EXPECT_EQ(Start(Walls(f)[2]).y, 5300);
  // A shrink refused on one floor goes on with the others and says which.
  dir.WriteFile("CFG\\FLOORS.CFG", "121 122 0 0\n");
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk)
      .Containing("second floor: there is no plan on this floor");
  Resize(extwallstep::Shrink, multifloor::AllFloors, baseside::Up, 100, {4000, 3500});
  EXPECT_EQ(Start(Walls(view::Ground)[2]).y, 5200);
  EXPECT_EQ(Start(Walls(view::First)[2]).y, 5200);
  EXPECT_EQ(Start(Walls(view::Third)[2]).y, 5300);
  // Without the floors file: the ground floor only.
  std::remove(dir.Path("CFG\\FLOORS.CFG").c_str());
  Resize(extwallstep::Expand, multifloor::AllFloors, baseside::Up, 100, {4000, 3500});
  EXPECT_EQ(CurrentView, view::Ground);
  EXPECT_EQ(Start(Walls(view::Ground)[2]).y, 5300);
  EXPECT_EQ(Start(Walls(view::First)[2]).y, 5200);
}

TEST_F(BaseResize, AnImperialRoomsWidthTextHasItsEighths) {
  MetricUnits = 0;
  TRoomobj* r = Room(3000, 4000, 3000 + 2922, 3000);
  r->Floor = view::Ground;
  Resize(extwallstep::Expand, multifloor::ThisFloor, baseside::Right, 24, {4000, 3500});
  EXPECT_STREQ(static_cast<const TRoomobj&>(*DrawingList.At(DrawingList.Count() - 1)).WidthText,
               "10' 2 3/4''");
  MetricUnits = 1;
}

}  // namespace
