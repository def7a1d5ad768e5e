// The generated elements: the layout grid over the design rooms, the title
// under each plan and the scale text that printing adds.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/files.h"
#include "tests/queries_fixtures.h"

namespace {

using namespace qfix;

struct GridLine {
  int32 x1, y1, x2, y2, style;
  friend bool operator==(const GridLine&, const GridLine&) = default;
};

std::vector<GridLine> LinesFrom(const TFlist& list, int32 first, uint32 colour) {
  std::vector<GridLine> lines;
  for (int32 i = first; i < list.Count(); ++i) {
    const TObj& e = *list.At(i);
    EXPECT_EQ(e.Kind, kind::Line);
    EXPECT_EQ(e.Floor, CurrentView);
    EXPECT_EQ(e.Colour, colour);
    EXPECT_EQ(e.PenWidth, 1);
    lines.push_back({e.X1, e.Y1, e.X2, e.Y2, e.PenStyle});
  }
  return lines;
}

constexpr int32 kSolid = 0;
constexpr int32 kDotted = 2;

class LayoutGrid : public QueriesTest {
 protected:
  void SetUp() override {
    CurrentView = view::LayoutGround;
    dir.WriteFile("CFG\\LYTGRIDM.CFG", "1000 255\n");
  }
  // Two rooms spanning 1000..4000 across and 1000..3500 up.
  void AddTwoRooms() {
    list.Add(Room(view::LayoutGround, 1000, 3500, 2500, 2500));
    list.Add(Room(view::LayoutGround, 2500, 3000, 4000, 1000));
  }
};

TEST_F(LayoutGrid, TwoRoomsGetAFrameAndTheGridInsideIt) {
  WindowExtY = 800;  // the window shows the whole frame: 0..4000 up
  AddTwoRooms();
  list.AddLayoutGrid();
  const std::vector<GridLine> expected = {
      {1000, 3500, 1000, 1000, kSolid},  {1000, 3500, 4000, 3500, kSolid},
      {4000, 3500, 4000, 1000, kSolid},  {1000, 1000, 4000, 1000, kSolid},
      {1000, 1000, 1000, 3500, kDotted}, {2000, 1000, 2000, 3500, kDotted},
      {3000, 1000, 3000, 3500, kDotted}, {4000, 1000, 4000, 3500, kDotted},
      {1000, 3500, 4000, 3500, kDotted}, {1000, 2500, 4000, 2500, kDotted},
      {1000, 1500, 4000, 1500, kDotted},
  };
  EXPECT_EQ(LinesFrom(list, 0, 255), expected);

  // The drawing itself was stored first, for the caller to read back.
  TFlist stored;
  stored.SetDrawingName("House");
  stored.ReadDrawingFile(dtDrawing);
  EXPECT_EQ(stored.Count(), 8);
}

TEST_F(LayoutGrid, RoomsOrBoundsAsFarAsAFileReachesMakeOnlyTheLinesTheWindowShows) {
  // The window: 0..3120 x 0..1730 drawing units; the grid 1000 apart.
  list.Add(Room(view::LayoutGround, 0, 2000000000, 2000000000, 1000));
  list.Add(Room(view::LayoutGround, -2000000000, 0, 0, -2000000000));
  list.AddLayoutGrid();
  EXPECT_LT(list.Count(), 6 + 20);
  for (int32 i = 6 + 4; i < list.Count(); ++i) {
    const TObj& l = *list.At(i);
    EXPECT_TRUE(l.X1 == l.X2 ? l.X1 >= -1000 && l.X1 <= 4120 : l.Y1 >= -1000 && l.Y1 <= 2730);
  }

  CurrentView = view::LayoutMarkingWalls;
  dir.WriteFile("CFG\\BOUNDS.CFG", "-2000000000 2000000000 0 0\n");
  list.Clear();
  list.AddLayoutGrid();
  EXPECT_LT(list.Count(), 20);
  // A spacing finer than any window shows draws no grid.
  dir.WriteFile("CFG\\LYTGRIDM.CFG", "1 255\n");
  WindowExtX = 100000000;
  list.Clear();
  list.AddLayoutGrid();
  EXPECT_EQ(list.Count(), 0);
}

TEST_F(LayoutGrid, ARoomJustCreatedDoesNotMakeASecond) {
  list.Add(Room(view::LayoutGround, 1000, 3500, 2500, 2500));
  // The new-room place with the window at the origin: (10 x 5, 10 x 5 + height).
  list.Add(Room(view::LayoutGround, 50, 850, 1050, 50));
  list.AddLayoutGrid();
  EXPECT_EQ(list.Count(), 8);
  EXPECT_FALSE(dir.Exists("DWGS\\House.KWV"));
}

TEST_F(LayoutGrid, OneRoomGetsNone) {
  list.Add(Room(view::LayoutGround, 1000, 3500, 2500, 2500));
  list.Add(Room(view::LayoutFirst, 2500, 3000, 4000, 1000));
  list.AddLayoutGrid();
  EXPECT_EQ(list.Count(), 8);
}

TEST_F(LayoutGrid, NoUsableSpacingDrawsTheFrameOnly) {
  for (const char* settings :
       std::initializer_list<const char*>{"0 255\n", "-500 255\n", nullptr}) {
    SCOPED_TRACE(settings ? settings : "no settings file");
    if (settings)
      dir.WriteFile("CFG\\LYTGRIDM.CFG", settings);
    else
      plat::DeleteFile("CFG\\LYTGRIDM.CFG");
    list.Clear();
    AddTwoRooms();
    list.AddLayoutGrid();
    const std::vector<GridLine> lines = LinesFrom(list, 0, settings ? 255 : 0);
    ASSERT_EQ(lines.size(), 4u);
    for (const GridLine& l : lines) EXPECT_EQ(l.style, kSolid);
  }
}

TEST_F(LayoutGrid, WhileMarkingWallsTheGridCoversTheWindowAlignedOnTheRooms) {
  CurrentView = view::LayoutMarkingWalls;
  dir.WriteFile("CFG\\LYTGRIDM.CFG", "500 255\n");
  dir.WriteFile("CFG\\BOUNDS.CFG", "1000 1000 3000 0\n");
  // The window: 0..624 x 0..346 logical units, 0..3120 x 0..1730 drawing units.
  list.AddLayoutGrid();
  std::vector<GridLine> expected = {{1000, 1730, 1000, 0, kDotted}, {0, 1000, 3120, 1000, kDotted}};
  for (int32 x : {500, 0, -500, 1500, 2000, 2500, 3000, 3500})
    expected.push_back({x, 1730, x, 0, kDotted});
  for (int32 y : {500, 0, -500, 1500, 2000}) expected.push_back({0, y, 3120, y, kDotted});
  EXPECT_EQ(LinesFrom(list, 6, 255), expected) << "the list keeps its elements";

  list.Clear();
  dir.WriteFile("CFG\\LYTGRIDM.CFG", "0 255\n");
  list.AddLayoutGrid();
  EXPECT_EQ(list.Count(), 0);
}

TEST_F(LayoutGrid, OtherViewsGetNone) {
  CurrentView = view::Ground;
  list.Add(Room(view::Ground, 1000, 3500, 2500, 2500));
  list.Add(Room(view::Ground, 2500, 3000, 4000, 1000));
  list.AddLayoutGrid();
  EXPECT_EQ(list.Count(), 8);
}

// ---- Drawing titles ------------------------------------------------------------

const TTextobj* OnlyTitle(const TFlist& list, int32 floor) {
  const TTextobj* found = nullptr;
  for (int32 i = 0; i < list.Count(); ++i) {
    auto* t = dynamic_cast<const TTextobj*>(list.At(i));
    if (!t || t->Kind != kind::DrawingTitle || t->Floor != floor) continue;
    EXPECT_EQ(found, nullptr) << "a second title on floor " << floor;
    found = t;
  }
  return found;
}

class DrawingTitle : public QueriesTest {
 protected:
  void SetUp() override {
    dir.WriteFile("CFG\\MOFFSET.CFG", "100 300 200 0 250 200 300");
    dir.WriteFile("CFG\\TITLE2D.CFG",
                  "12 11 12 11 8 9 GROUND FLOORFIRST FLOORSECOND FLOORTHIRD "
                  "FLOORBASEMENTSITE PLAN");
    TextSize = 14;
    TextWeight = 700;
  }
  // Walls from 1000 to 5000 across, the lowest line at 1000.
  void AddWalls(int32 floor) {
    list.Add(ExtWall(floor, 1000, 3000, 1000, 1000));
    list.Add(ExtWall(floor, 1000, 1000, 5000, 1000));
    list.Add(ExtWall(floor, 5000, 1000, 5000, 3000));
  }
};

TEST_F(DrawingTitle, EachPlanViewGetsItsTitleBelowTheWallsAndTheDimensions) {
  struct Case {
    int32 view;
    const char* title;
    int32 y;
  };
  // 2 x 300 + 200 below the lowest wall line; the site plan 250 x 5 lower.
  const Case cases[] = {
      {view::Ground, "GROUND FLOOR", 200}, {view::First, "FIRST FLOOR", 200},
      {view::Second, "SECOND FLOOR", 200}, {view::Third, "THIRD FLOOR", 200},
      {view::Basement, "BASEMENT", 200},   {view::Site, "SITE PLAN", 200 - 1250},
      {view::SubFloor, "", 200},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.view);
    if (c.view != view::Site) AddWalls(c.view);
    CurrentView = c.view;
    list.BuildTitleBlock();
    const TTextobj* t = OnlyTitle(list, c.view);
    ASSERT_NE(t, nullptr);
    EXPECT_STREQ(t->Text, c.title);
    EXPECT_EQ(t->X1, 3000);
    EXPECT_EQ(t->Y1, c.y);
    EXPECT_EQ(t->X2, 900);
    EXPECT_EQ(t->Y2, 0);
    EXPECT_EQ(t->Escapement, 0);
    EXPECT_EQ(t->Alignment, 1);
    EXPECT_EQ(t->Size, 14);
    EXPECT_EQ(t->Weight, 700);
    EXPECT_STREQ(t->FontFace, "Arial");
  }
  TFlist stored;
  stored.SetDrawingName("House");
  stored.ReadDrawingFile(dtDrawing);
  EXPECT_NE(OnlyTitle(stored, view::Site), nullptr) << "the drawing was stored";
}

TEST_F(DrawingTitle, BuildingTwiceLeavesOneTitleAndAChangedTitleStays) {
  AddWalls(view::First);
  list.Add(Text(kind::DrawingTitle, view::Second, 0, 0, "FIRST FLOOR"));
  list.Add(Text(kind::DrawingTitle, view::First, 0, 0, "UPSTAIRS"));
  CurrentView = view::First;
  list.BuildTitleBlock();
  list.BuildTitleBlock();
  int32 titles = 0;
  for (int32 i = 0; i < list.Count(); ++i)
    if (list.At(i)->Kind == kind::DrawingTitle) ++titles;
  EXPECT_EQ(titles, 3);
}

TEST_F(DrawingTitle, AFloorWithoutExternalWallsIsLeftAlone) {
  list.Add(InWall(view::First, 0, 0, 1000, 0, 0, 100));
  CurrentView = view::First;
  list.BuildTitleBlock();
  EXPECT_EQ(list.Count(), 7);
  EXPECT_FALSE(dir.Exists("DWGS\\House.KWV"));
}

TEST_F(DrawingTitle, ALongTitleIsCutAndTheNextStillReadsInStep) {
  dir.WriteFile("CFG\\TITLE2D.CFG", "30 11 0 0 0 0 GROUND FLOOR OF THE MAIN HOUSEFIRST FLOOR");
  AddWalls(view::Ground);
  AddWalls(view::First);
  list.BuildTitleBlock();
  CurrentView = view::First;
  list.BuildTitleBlock();
  EXPECT_STREQ(OnlyTitle(list, view::Ground)->Text, "GROUND FLOOR OF THE MAIN");
  EXPECT_STREQ(OnlyTitle(list, view::First)->Text, "FIRST FLOOR");
}

TEST_F(DrawingTitle, MissingSettingsGiveAnEmptyTitleRightBelowTheWalls) {
  plat::DeleteFile("CFG\\TITLE2D.CFG");
  plat::DeleteFile("CFG\\MOFFSET.CFG");
  AddWalls(view::Ground);
  list.BuildTitleBlock();
  const TTextobj* t = OnlyTitle(list, view::Ground);
  ASSERT_NE(t, nullptr);
  EXPECT_STREQ(t->Text, "");
  EXPECT_EQ(t->TextLength, 0);
  EXPECT_EQ(t->Y1, 1000);
}

// ---- Scale text ------------------------------------------------------------------

class ScaleText : public QueriesTest {
 protected:
  const TTextobj* Last() const { return dynamic_cast<const TTextobj*>(list.At(list.Count() - 1)); }
};

TEST_F(ScaleText, StandsTwiceTheScaledOffsetBelowThePrintedFloorsTitle) {
  UseImperial();
  dir.WriteFile("CFG\\IOFFSET.CFG", "96 480 192 0 0 0 0");
  list.Add(ExtWall(view::Ground, 1000, 1000, 5000, 1000));
  list.Add(new TTextobj(kind::DrawingTitle, view::Ground, 0, 0, 3000, 200, 900, 0, 0, 0, 0, 0, 1, 0,
                        18, 600, "Courier", "GROUND FLOOR"));
  CurrentView = view::Ground + view::PrintOffset;
  ASSERT_EQ(list.AddScaleText(48, 1), 1);
  const TTextobj* t = Last();
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->Kind, kind::Text);
  EXPECT_EQ(t->Floor, view::Ground);
  EXPECT_STREQ(t->Text, "scale 1 : 48");
  EXPECT_EQ(t->X1, 3000);
  EXPECT_EQ(t->Y1, 200 - 2 * 240);  // 480 x 48 / 96 = 240
  EXPECT_EQ(t->Alignment, 1);
  EXPECT_EQ(t->X2, 900);
  EXPECT_STREQ(t->FontFace, "Courier");
  EXPECT_EQ(t->Size, 18);
  EXPECT_EQ(t->Weight, 600);
  EXPECT_FALSE(dir.Exists("DWGS\\House.KWV")) << "for the print only: never stored";
}

TEST_F(ScaleText, WithoutShowingTheScaleNothingIsAdded) {
  list.Add(ExtWall(view::Ground, 1000, 1000, 5000, 1000));
  CurrentView = view::Ground + view::PrintOffset;
  EXPECT_EQ(list.AddScaleText(50, 0), 0);
  EXPECT_EQ(list.Count(), 7);
}

TEST_F(ScaleText, WithoutATextItStandsUnderTheWallsInTheSheetsMiddle) {
  dir.WriteFile("CFG\\MOFFSET.CFG", "100 300 200 0 250 200 300");
  list.Add(ExtWall(view::Ground, 1000, 1000, 5000, 1000));
  list.Add(InWall(view::Ground, 1000, 800, 5000, 800, 0, 100));
  TextSize = 12;
  // Split printing: the text moves 2400 left of the sheet's middle.
  CurrentView = view::Ground + view::SplitPrintOffset;
  ASSERT_EQ(list.AddScaleText(50, 1), 1);
  const TTextobj* t = Last();
  EXPECT_EQ(t->X1, 2000 * 5 / 2 - 2400);
  EXPECT_EQ(t->Y1, 800 - (4 * 150 + 200));  // 300 x 50 / 100 = 150
  EXPECT_EQ(t->Alignment, 6);
  EXPECT_EQ(t->Size, 12);
  EXPECT_STREQ(t->FontFace, "Arial");
}

TEST_F(ScaleText, NothingToStandUnderAddsNothing) {
  CurrentView = view::First + view::PrintOffset;
  list.Add(ExtWall(view::Ground, 1000, 1000, 5000, 1000));
  EXPECT_EQ(list.AddScaleText(50, 1), 0);
  EXPECT_EQ(list.Count(), 7);
}

TEST_F(ScaleText, AGroupDrawingTakesItsLowestTitle) {
  list.Add(Text(kind::DrawingTitle, view::Group, 100, 500, "A"));
  list.Add(Text(kind::DrawingTitle, view::First, 700, 300, "B"));
  list.Add(ExtWall(view::First, 0, 1000, 100, 1000));
  CurrentView = view::GroupPrint;
  ASSERT_EQ(list.AddScaleText(20, 1), 1);
  EXPECT_EQ(Last()->X1, 700);
  EXPECT_EQ(Last()->Floor, view::Group);
  EXPECT_FALSE(dir.Exists("DWGS\\House.GPD"));
  EXPECT_FALSE(dir.Exists("DWGS\\House.KWV"));
}

}  // namespace
