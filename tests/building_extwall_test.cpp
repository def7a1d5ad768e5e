// The external-wall tool's commands: building walls from a traced outline,
// copying a floor, measuring, and walls committed one at a time.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "building/extwall_tool.h"
#include "tools/lineobj_geometry.h"
#include "building/wall_query.h"
#include "model/flist.h"
#include "platform/recording_dc.h"
#include "tests/test_support.h"

namespace {

using P = plat::Point;

class ExtWallTool : public ::testing::Test {
 protected:
  void SetUp() override {
    MetricUnits = 1;
    PixelScale = 5;
    ZoomFactor = 5.0f;
    DrawingWidth = 2000;
    DrawingHeight = 1600;
    DrawingList.SetDrawingName("WALLS");
    InitDrawingList();
    DrawingList.WriteDrawingFile(dtDrawing);
    CurrentView = view::LayoutMarkingWalls;
    NextGroupNumber = 0;
    Construction("110 55 135");
  }
  // The metric construction file with these three layers.
  void Construction(const char* layers) {
    dir.WriteFile("CFG\\EXTWALLM.CFG",
                  std::string(layers) + " 0 3000 6000 9000 -3000 0 0 0 0 0 255\n");
  }
  // A traced outline: kind-11 lines of the marking view from corner to corner.
  void Outline(std::vector<P> corners) {
    for (std::size_t k = 0; k < corners.size(); ++k) {
      const P a = corners[k], b = corners[(k + 1) % corners.size()];
      DrawingList.Add(new TLineobj(kind::WallLine, view::LayoutMarkingWalls, 0,
                                   bearing::Length(a, b), a.x, 0, b.x, 0, a.y, b.y, 0,
                                   bearing::Of(a, b), 0, 1, 0));
    }
  }
  std::vector<const TExtwallobj*> Walls(int32 floor = view::Ground) {
    std::vector<const TExtwallobj*> out;
    for (int32 i = 6; i < DrawingList.Count(); ++i)
      if (auto* w = dynamic_cast<const TExtwallobj*>(DrawingList.At(i)); w && w->Floor == floor)
        out.push_back(w);
    return out;
  }
  int32 Count(int32 k, int32 floor) {
    int32 n = 0;
    for (int32 i = 0; i < DrawingList.Count(); ++i)
      n += DrawingList.At(i)->Kind == k && DrawingList.At(i)->Floor == floor;
    return n;
  }

  ScratchProgramDir dir;
  plat::ScriptedUi& ui = DefaultTestUi();
  TExtwallobjtool tool;
};

TEST_F(ExtWallTool, ARectangleOutlineGivesFourWallsOutsideItWithTheInnerFaceOnTheOutline) {
  Outline({{2000, 2000}, {2000, 5000}, {6000, 5000}, {6000, 2000}});
  tool.Command(extwallcmd::BuildFromOutline);
  EXPECT_EQ(CurrentView, view::Ground);
  EXPECT_EQ(Count(kind::WallLine, view::LayoutMarkingWalls), 0);
  const auto w = Walls();
  ASSERT_EQ(w.size(), 4u);
  const P faces[4][2] = {{{1700, 1700}, {1700, 5300}},
                         {{1700, 5300}, {6300, 5300}},
                         {{6300, 5300}, {6300, 1700}},
                         {{6300, 1700}, {1700, 1700}}};
  const P inner[4][2] = {{{2000, 2000}, {2000, 5000}},
                         {{2000, 5000}, {6000, 5000}},
                         {{6000, 5000}, {6000, 2000}},
                         {{6000, 2000}, {2000, 2000}}};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(P(w[k]->X1, w[k]->Y1), faces[k][0]) << k;
    EXPECT_EQ(P(w[k]->X2, w[k]->Y2), faces[k][1]) << k;
    EXPECT_EQ(P(w[k]->Line4X1, w[k]->Line4Y1), inner[k][0]) << k;
    EXPECT_EQ(P(w[k]->Line4X2, w[k]->Line4Y2), inner[k][1]) << k;
    EXPECT_EQ(w[k]->Kind, kind::ExtWall);
    EXPECT_EQ(w[k]->Marked, 0);  // the ground floor's value
    EXPECT_EQ(w[k]->Colour, 255u);
    EXPECT_EQ(w[k]->WallCodes[1], 18);
  }
  EXPECT_EQ(w[0]->Tag1, 3600);
  EXPECT_EQ(w[1]->Tag1, 4600);
  // The file holds what the list holds.
  DrawingList.Clear();
  DrawingList.ReadDrawingFile(dtDrawing);
  EXPECT_EQ(Walls().size(), 4u);
  EXPECT_EQ(EnclosedFloorArea(DrawingList, view::Ground), 16);  // 3.6 m x 4.6 m
}

TEST_F(ExtWallTool, AnLShapeHasItsReentrantCornerMovedOutwardToo) {
  Construction("200 0 0");
  Outline({{2000, 2000}, {2000, 6000}, {4000, 6000}, {4000, 4000}, {7000, 4000}, {7000, 2000}});
  tool.Command(extwallcmd::BuildFromOutline);
  const auto w = Walls();
  ASSERT_EQ(w.size(), 6u);
  // The inner corner of the L: (4000, 4000) turning from down to right.
  EXPECT_EQ(P(w[2]->X2, w[2]->Y2), (P{4200, 4200}));
  EXPECT_EQ(P(w[3]->X1, w[3]->Y1), (P{4200, 4200}));
  // Every layer line meets the next wall's at each corner.
  for (int k = 0; k < 6; ++k) {
    const auto* a = w[k];
    const auto* b = w[(k + 1) % 6];
    EXPECT_EQ(P(a->Line2X2, a->Line2Y2), P(b->Line2X1, b->Line2Y1)) << k;
    EXPECT_EQ(P(a->X2, a->Y2), P(b->X1, b->Y1)) << k;
  }
}

TEST_F(ExtWallTool, ASlopedOutlineLineIsMitredAtBothEnds) {
  Construction("200 0 0");
  Outline({{2000, 2000}, {2000, 5000}, {4000, 7000}, {7000, 7000}, {7000, 2000}});
  tool.Command(extwallcmd::BuildFromOutline);
  const auto w = Walls();
  ASSERT_EQ(w.size(), 5u);
  EXPECT_EQ(w[1]->Angle, 450);
  for (int k = 0; k < 5; ++k) {
    const auto* a = w[k];
    const auto* b = w[(k + 1) % 5];
    EXPECT_NEAR(a->X2, b->X1, 1) << k;
    EXPECT_NEAR(a->Y2, b->Y1, 1) << k;
  }
  // The sloped wall's face lies 200 outside the traced slope.
  const double along = (w[1]->X1 - 2000) - (w[1]->Y1 - 5000);
  EXPECT_NEAR(along / std::sqrt(2.0), -200, 2);
}

TEST_F(ExtWallTool, AnOutlineTracedAntiClockwiseStillGetsItsWallsOutside) {
  Outline({{2000, 2000}, {6000, 2000}, {6000, 5000}, {2000, 5000}});
  tool.Command(extwallcmd::BuildFromOutline);
  const auto w = Walls();
  ASSERT_EQ(w.size(), 4u);
  int32 minX = 99999, maxX = 0;
  for (const auto* x : w) {
    minX = std::min({minX, x->X1, x->X2});
    maxX = std::max({maxX, x->X1, x->X2});
    EXPECT_GE(std::min(x->Line4X1, x->Line4X2), 2000);
    EXPECT_LE(std::max(x->Line4X1, x->Line4X2), 6000);
  }
  EXPECT_EQ(minX, 1700);
  EXPECT_EQ(maxX, 6300);
}

TEST_F(ExtWallTool, OnlyTheOutlineLinesCountAndTwoOfThemBuildNothing) {
  // Lines of another view and plain lines after the outline are no part of it.
  DrawingList.Add(new TLineobj(kind::WallLine, view::Ground, 0, 0, 100, 0, 900, 0, 100, 100, 0,
                               900, 0, 1, 0));
  Outline({{2000, 2000}, {2000, 5000}});
  tool.Command(extwallcmd::BuildFromOutline);
  EXPECT_EQ(CurrentView, view::LayoutMarkingWalls);
  EXPECT_EQ(Walls().size(), 0u);
  EXPECT_EQ(NextGroupNumber, 0);

  InitDrawingList();
  Outline({{2000, 2000}, {2000, 5000}, {6000, 5000}, {6000, 2000}});
  DrawingList.Add(new TLineobj(kind::Line, view::LayoutMarkingWalls, 0, 0, 100, 0, 900, 0, 100,
                               100, 0, 900, 0, 1, 0));
  tool.Command(extwallcmd::BuildFromOutline);
  EXPECT_EQ(Walls().size(), 4u);
  EXPECT_EQ(Count(kind::Line, view::LayoutMarkingWalls), 1);
}

TEST_F(ExtWallTool, AWallStartingAtCoordinateZeroIsMade) {
  Construction("300 0 0");
  Outline({{300, 300}, {300, 3000}, {3000, 3000}, {3000, 300}});
  tool.Command(extwallcmd::BuildFromOutline);
  const auto w = Walls();
  ASSERT_EQ(w.size(), 4u);
  EXPECT_EQ(P(w[0]->X1, w[0]->Y1), (P{0, 0}));
}

TEST_F(ExtWallTool, AMissingConstructionFileIsReportedAndNothingIsBuilt) {
  dir.WriteFile("CFG\\EXTWALLM.CFG", "110 55\n");
  Outline({{2000, 2000}, {2000, 5000}, {6000, 5000}, {6000, 2000}});
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk).Containing("EXTWALLM.CFG");
  tool.Command(extwallcmd::BuildFromOutline);
  EXPECT_EQ(Walls().size(), 0u);
  EXPECT_EQ(Count(kind::WallLine, view::LayoutMarkingWalls), 4);
}

TEST_F(ExtWallTool, TheOutlineIsFittedToTheDesignRoomsAlongIt) {
  // Two rooms of 3000 along the top with a 110 wall between: 6110. The
  // traced edge is 3 longer, within the tolerance of 25 (5 x 5.0).
  auto room = [](int32 k, int32 x1, int32 y1, int32 x2, int32 y2) {
    return new TRoomobj(k, view::LayoutGround, 0, 0, x1, y1, x2, y2, x2 - x1, y1 - y2, 1, 0, 10,
                        1, 1, 1, "R", "", "");
  };
  DrawingList.Add(room(kind::Room, 2000, 5000, 5000, 3000));
  DrawingList.Add(room(kind::Room, 5110, 5000, 8110, 3000));
  DrawingList.Add(room(kind::Room29001, 2000, 9000, 9000, 7000));  // takes no part
  Construction("200 0 0");
  Outline({{2000, 2000}, {2000, 5000}, {8113, 5000}, {8113, 2000}});
  tool.Command(extwallcmd::BuildFromOutline);
  const auto w = Walls();
  ASSERT_EQ(w.size(), 4u);
  EXPECT_EQ(w[1]->X2, 8110 + 200);  // the top edge fitted, the face outside it
  EXPECT_EQ(w[2]->X1, 8110 + 200);  // the next line starts at its new end
  EXPECT_EQ(w[3]->X1, 8110 + 200);  // and the bottom edge starts there
  EXPECT_EQ(w[0]->X1, 2000 - 200);  // the rest stays as traced
}

TEST_F(ExtWallTool, AMissingRoomWallFileIsReportedAndTheOutlineBuiltAsTraced) {
  DrawingList.Add(new TRoomobj(kind::Room, view::LayoutGround, 0, 0, 2000, 5000, 5000, 2000, 3000,
                               3000, 1, 0, 10, 1, 1, 1, "R", "", ""));
  dir.WriteFile("CFG\\RMPTNM.CFG", "110 110\n");
  Construction("200 0 0");
  Outline({{2000, 2000}, {2000, 5000}, {5003, 5000}, {5003, 2000}});
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk).Containing("RMPTNM.CFG");
  tool.Command(extwallcmd::BuildFromOutline);
  const auto w = Walls();
  ASSERT_EQ(w.size(), 4u);
  EXPECT_EQ(w[1]->X2, 5003 + 200);
}

TEST_F(ExtWallTool, CopiesTakeTheFloorBelowsWallsWithTheCurrentConstruction) {
  Construction("200 0 0");
  Outline({{2000, 2000}, {2000, 5000}, {6000, 5000}, {6000, 2000}});
  tool.Command(extwallcmd::BuildFromOutline);
  Construction("100 0 0");
  CurrentView = view::First;
  TExtwallobjtool copier;
  copier.Command(extwallcmd::CopyFloorBelow);
  const auto ground = Walls(view::Ground), first = Walls(view::First);
  ASSERT_EQ(first.size(), 4u);
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(P(first[k]->X1, first[k]->Y1), P(ground[k]->X1, ground[k]->Y1));
    EXPECT_EQ(first[k]->Thickness1, 100);
    EXPECT_EQ(first[k]->Marked, 3000);  // the first floor's value
    EXPECT_NE(first[k]->LinkId, ground[k]->LinkId);
  }
  EXPECT_EQ(P(first[0]->Line2X2, first[0]->Line2Y2), (P{first[0]->X2 + 100, first[0]->Y2 - 100}));

  CurrentView = view::Basement;
  TExtwallobjtool basement;
  basement.Command(extwallcmd::CopyGroundToBasement);
  EXPECT_EQ(Walls(view::Basement).size(), 4u);
  EXPECT_EQ(Walls(view::Basement)[0]->Marked, -3000);
}

TEST_F(ExtWallTool, TheNearestWallEndInTheArrowsDirectionIsMeasured) {
  CurrentView = view::Ground;
  Construction("200 0 0");
  DrawingList.Add(MakeWall([] {
    WallDraft d;
    d.start = {2000, 2000};
    d.end = {2000, 5000};
    d.floor = view::Ground;
    return d;
  }()));
  tool.X1 = tool.X2 = 2010;  // within three pixels of the wall's start
  tool.Y1 = tool.Y2 = 1990;
  tool.WallDirection = 1;  // up
  tool.Command(extwallcmd::NearestWallEnd);
  EXPECT_EQ(P(tool.X2, tool.Y2), (P{2000, 2000}));
  EXPECT_EQ(tool.Distance, 0);  // the snapped end is the wall's own end
  tool.X2 = 2005;
  tool.Y2 = 1000;
  tool.Command(extwallcmd::NearestWallEnd);
  EXPECT_EQ(tool.Distance, 1000);
  tool.WallDirection = 2;  // right: nothing in line
  tool.Command(extwallcmd::NearestWallEnd);
  EXPECT_EQ(tool.Distance, 0);
}

TEST_F(ExtWallTool, TheClearanceToTheDesignRoomsIsMeasuredByDirection) {
  CurrentView = view::Ground;
  Construction("200 0 0");
  WallDraft d;
  d.start = {2000, 8000};
  d.end = {2000, 1000};
  d.layers = {200, 0, 0};
  d.floor = view::Ground;
  DrawingList.Add(MakeWall(d));
  DrawingList.Add(new TRoomobj(kind::Room, view::LayoutGround, 0, 0, 3000, 6000, 5000, 3000, 2000,
                               3000, 1, 0, 10, 1, 1, 1, "R", "", ""));
  tool.Direction = 1;
  tool.Distance = 3000 / PixelScale;
  tool.Y2 = 4000 / PixelScale;
  tool.Command(extwallcmd::RoomClearance);
  EXPECT_EQ(tool.Distance, 8000 - 200 - 6000);
  tool.Direction = 2;  // no horizontal wall: nothing
  tool.Command(extwallcmd::RoomClearance);
  EXPECT_EQ(tool.Distance, 0);
}

class DrawnWall : public ExtWallTool {
 protected:
  void SetUp() override {
    ExtWallTool::SetUp();
    CurrentView = view::Ground;
    Construction("200 0 0");
  }
  void Draw(P a, P b) {
    tool.X1 = a.x, tool.Y1 = a.y, tool.X2 = b.x, tool.Y2 = b.y;
    tool.Angle = bearing::Of(a, b);
    tool.Tag1 = bearing::Length(a, b);
    tool.AddElement(dc, client);
  }
  plat::RecordingDC dc;
  const plat::Rect client{0, 0, 624, 346};
};

TEST_F(DrawnWall, AWallIsJoinedSavedPaintedAndKeepsItsEndAsItsSeventhPoint) {
  Draw({2000, 2000}, {2000, 5000});
  Draw({2000, 5000}, {6000, 5000});
  const auto w = Walls();
  ASSERT_EQ(w.size(), 2u);
  EXPECT_EQ(P(w[1]->RefX, w[1]->RefY), (P{6000, 5000}));
  EXPECT_EQ(P(w[0]->Line2X2, w[0]->Line2Y2), (P{2200, 4800}));
  EXPECT_FALSE(dc.Records().empty());
  DrawingList.Clear();
  DrawingList.ReadDrawingFile(dtDrawing);
  EXPECT_EQ(Walls().size(), 2u);
}

TEST_F(DrawnWall, AWallReachingOffTheSheetIsRefusedAndChangesNothing) {
  Draw({2000, 2000}, {2000, 5000});
  const TExtwallobj before = *Walls()[0];
  const int32 group = NextGroupNumber;
  // Its end meets the first wall's start, but its start lies at x = 9.
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbCancel, plat::mrCancel).Containing("edge of the drawing sheet");
  Draw({9, 2000}, {2000, 2000});
  const auto w = Walls();
  ASSERT_EQ(w.size(), 1u);
  EXPECT_EQ(NextGroupNumber, group);
  EXPECT_EQ(P(w[0]->Line2X1, w[0]->Line2Y1), P(before.Line2X1, before.Line2Y1));
  // A wall of no length is not made either, and is refused as such.
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbCancel, plat::mrCancel)
      .WithText("This wall would have no length - it was not drawn");
  Draw({3000, 3000}, {3000, 3000});
  EXPECT_EQ(Walls().size(), 1u);
}

}  // namespace
