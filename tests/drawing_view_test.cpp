// Drawing a view and printing a floor: which elements of the list each view
// shows, and how (normally or faintly in the overlay style), the overlay of
// other floors from "CFG\OVERLAY.CFG", the floor a print run prints, and the
// mapping between window pixels and the view's logical units.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/draw_view.h"
#include "model/elements.h"
#include "model/flist.h"
#include "model/globals.h"
#include "model/view_mapping.h"
#include "platform/recording_dc.h"
#include "tests/test_support.h"

using plat::Point;
using plat::RecordingDC;

namespace {

const plat::Rect kClient{0, 0, 624, 346};

// An element that notes each time it is drawn, as "floor/kind", with "~"
// when drawn in the overlay style.
class SpyElement : public TObj {
 public:
  SpyElement(int32 floor, int32 kind, std::vector<std::string>& log) : log_(log) {
    Floor = floor;
    Kind = kind;
  }
  void Draw(plat::DeviceContext&, int32 highlight) override {
    log_.push_back(std::to_string(Floor) + "/" + std::to_string(Kind) + (highlight ? "~" : ""));
  }

 private:
  std::vector<std::string>& log_;
};

using Names = std::vector<std::string>;

class ViewDrawing : public ::testing::Test {
 protected:
  void SetUp() override {
    DrawingList.Clear();
    PixelScale = 5;
  }
  void TearDown() override { DrawingList.Clear(); }

  // Fills the list from "floor/kind" names, in order.
  void Fill(const Names& names) {
    for (const std::string& n : names) {
      const auto slash = n.find('/');
      DrawingList.Add(
          new SpyElement(std::stoi(n.substr(0, slash)), std::stoi(n.substr(slash + 1)), log_));
    }
  }
  void SetOverlay(const char* settings) {
    if (settings)
      dir_.WriteFile("CFG\\OVERLAY.CFG", settings);
    else
      std::remove(dir_.Path("CFG\\OVERLAY.CFG").c_str());
  }

  ScratchProgramDir dir_;
  RecordingDC dc_;
  Names log_;
};

// ---- Which elements a view shows --------------------------------------------------------

struct ViewCase {
  const char* story;
  int32 view;
  int32 mode;           // WallDisplayMode
  const char* overlay;  // "CFG\OVERLAY.CFG", nullptr: no such file
  Names list;
  Names drawn;
  int32 viewAfter;
  int32 modeAfter;
};
void PrintTo(const ViewCase& c, std::ostream* os) { *os << c.story; }

class ViewSelection : public ViewDrawing, public ::testing::WithParamInterface<ViewCase> {};

TEST_P(ViewSelection, DrawsTheViewsElementsInListOrder) {
  const ViewCase& c = GetParam();
  SetOverlay(c.overlay);
  CurrentView = c.view;
  WallDisplayMode = c.mode;
  Fill(c.list);
  DrawingList.DrawView(dc_, kClient);
  EXPECT_EQ(log_, c.drawn) << c.story;
  EXPECT_EQ(CurrentView, c.viewAfter) << c.story;
  EXPECT_EQ(WallDisplayMode, c.modeAfter) << c.story;
}

INSTANTIATE_TEST_SUITE_P(
    Views, ViewSelection,
    ::testing::Values(
        ViewCase{"the wall-marking layout also shows the ground floor's layout",
                 45,
                 0,
                 nullptr,
                 {"45/1", "40/1", "41/1", "45/29000", "45/29500", "40/29499"},
                 {"45/1", "40/1", "45/29000", "40/29499"},
                 45,
                 0},
        ViewCase{"a layout view shows its floor and the one five below",
                 40,
                 3,
                 nullptr,
                 {"40/1", "35/1", "45/1"},
                 {"40/1", "35/1"},
                 40,
                 3},
        ViewCase{
            "a floor plan shows its floor with external dimensions",
            120,
            0,
            nullptr,
            {"120/1", "120/34", "120/250", "120/251", "120/260", "121/1", "120/29500", "120/29499"},
            {"120/1", "120/34", "120/250", "120/251", "120/260", "120/29499"},
            120,
            0},
        ViewCase{"without external dimensions the plan keeps dimension lines",
                 120,
                 1,
                 nullptr,
                 {"120/1", "120/34", "120/35", "120/250", "120/251", "120/260", "120/261"},
                 {"120/1", "120/35", "120/251", "120/261"},
                 120,
                 1},
        ViewCase{"the wall style does not change what is shown",
                 123,
                 21,
                 nullptr,
                 {"123/34", "123/1"},
                 {"123/1"},
                 123,
                 21},
        ViewCase{"a group drawing shows every floor below kind 27999",
                 80,
                 0,
                 nullptr,
                 {"80/1", "120/1", "80/27998", "80/27999", "190/34"},
                 {"80/1", "120/1", "80/27998", "190/34"},
                 80,
                 0},
        ViewCase{"a group drawing without dimensions",
                 80,
                 1,
                 nullptr,
                 {"80/1", "80/34", "80/35", "80/36", "80/250", "80/251", "80/260", "80/261"},
                 {"80/1", "80/36"},
                 80,
                 1},
        ViewCase{"a group drawing drops an overlay mode for good",
                 80,
                 12,
                 nullptr,
                 {"80/1", "80/34"},
                 {"80/1", "80/34"},
                 80,
                 0},
        ViewCase{"the site plan shows everything of its floor, rooms too",
                 190,
                 1,
                 nullptr,
                 {"190/1", "190/29500", "190/32000", "120/1"},
                 {"190/1", "190/29500", "190/32000"},
                 190,
                 1},
        ViewCase{"any other view is drawn faintly",
                 100,
                 0,
                 nullptr,
                 {"100/1", "100/29500", "120/1"},
                 {"100/1~", "100/29500~"},
                 100,
                 0},
        ViewCase{"a floor plan in an unknown mode is drawn faintly",
                 120,
                 5,
                 nullptr,
                 {"120/1", "121/1"},
                 {"120/1~"},
                 120,
                 5}));

INSTANTIATE_TEST_SUITE_P(
    Overlays, ViewSelection,
    ::testing::Values(
        ViewCase{
            "ground and first floor, dimensions on the working floor",
            120,
            2,
            "0 1 1 0 0 0 0",
            {"120/1", "120/4", "120/11", "120/34", "120/37", "120/250", "120/6100", "120/6099",
             "121/1", "121/4", "121/34", "121/37", "121/251", "121/6100", "122/1", "120/29500"},
            {"120/1~", "120/6099~", "121/1", "121/4", "121/34", "121/37", "121/251", "121/6100"},
            121,
            2},
        ViewCase{"ground and first floor, no dimensions anywhere: the title stays",
                 120,
                 13,
                 "0 1 1 0 0 0 0",
                 {"120/1", "120/4", "120/37", "120/6099", "121/1", "121/4", "121/24", "121/34",
                  "121/35", "121/36", "121/37", "121/11", "121/260", "121/6699", "121/6700"},
                 {"120/1~", "120/6099~", "121/1", "121/37", "121/6700"},
                 121,
                 13},
        ViewCase{"the basement over the ground floor",
                 120,
                 3,
                 "0 0 0 0 0 1 0",
                 {"124/1", "120/1", "120/37", "124/37", "124/35"},
                 {"120/1~", "124/1", "124/37"},
                 124,
                 3},
        ViewCase{"basement with and without the ground floor both on",
                 120,
                 2,
                 "1 0 0 0 0 1 0",
                 {"124/1", "120/1"},
                 {"120/1~", "124/1", "124/1"},
                 124,
                 2},
        ViewCase{"a new floor over the one below keeps the view and every kind",
                 121,
                 4,
                 "0 1 1 1 0 0 0",
                 {"122/1", "121/4", "120/11", "120/34"},
                 {"120/11~", "120/34~", "121/4", "122/1~"},
                 121,
                 4},
        ViewCase{"floors whose flag is off are not drawn, the working floor included",
                 122,
                 14,
                 "1 0 1 0 0 0 0",
                 {"122/1", "121/1", "124/1"},
                 {"124/1~", "121/1~"},
                 122,
                 14},
        ViewCase{
            "a flag of 2 is off", 120, 2, "0 2 1 0 0 0 0", {"120/1", "121/1"}, {"121/1"}, 121, 2},
        ViewCase{"a short settings file: what is missing is off",
                 121,
                 3,
                 "0 1",
                 {"120/1", "121/1"},
                 {"120/1"},
                 120,
                 3},
        ViewCase{"no settings file: every floor is off and the view stays",
                 122,
                 2,
                 nullptr,
                 {"120/1", "122/1", "124/1"},
                 {},
                 122,
                 2},
        ViewCase{"an empty list still chooses the working floor",
                 120,
                 2,
                 "0 0 0 1 0 0 0",
                 {},
                 {},
                 122,
                 2}));

TEST_F(ViewDrawing, SetsTheMappingAndModesEvenForAnEmptyList) {
  WindowOrgX = 40;
  WindowOrgY = 30;
  WindowExtX = 3120;  // zoom factor 5
  WindowExtY = 1730;
  dc_.SetBkMode(plat::OPAQUE);
  dc_.SetROP2(plat::R2_XORPEN);
  CurrentView = view::Ground;
  DrawingList.DrawView(dc_, kClient);
  EXPECT_EQ(dc_.GetMapMode(), plat::MM_ISOTROPIC);
  EXPECT_EQ(dc_.LPtoDP(Point{40, 30}), (Point{0, 346}));
  EXPECT_EQ(dc_.LPtoDP(Point{40 + 3120, 30 + 1730}), (Point{624, 0}));
  EXPECT_EQ(dc_.GetBkMode(), plat::TRANSPARENT);
  EXPECT_EQ(dc_.GetBkColor(), BackgroundColour);
  EXPECT_EQ(dc_.GetROP2(), plat::R2_COPYPEN);
}

TEST_F(ViewDrawing, AnEmptyClientAreaDrawsNothing) {
  dir_.WriteFile("CFG\\OVERLAY.CFG", "0 1 1 0 0 0 0\n");
  Fill({"120/1", "121/1"});
  CurrentView = view::Ground;
  WallDisplayMode = 0;
  DrawingList.DrawView(dc_, plat::Rect{0, 0, 0, 0});
  WallDisplayMode = 2;
  DrawingList.DrawView(dc_, plat::Rect{0, 0, 624, 0});
  EXPECT_TRUE(log_.empty());
  EXPECT_EQ(CurrentView, view::First) << "the working floor is chosen all the same";
}

TEST_F(ViewDrawing, OverlaidFloorsAreDashedInTheOverlayColour) {
  // Real elements into a recording context: the highlight becomes a pen.
  dir_.WriteFile("CFG\\OVERLAY.CFG", "0 1 1 0 0 0 0\n");
  CurrentView = view::Ground;
  WallDisplayMode = 2;
  auto ground =
      new TLineobj(1, view::Ground, 0, 0, 0, 0, 500, 0, 0, 0, 0, 900, plat::RGB(10, 10, 10), 1, 0);
  auto first = new TLineobj(1, view::First, 0, 0, 0, 0, 500, 0, 500, 500, 0, 900,
                            plat::RGB(10, 10, 10), 1, 0);
  DrawingList.Add(ground);
  DrawingList.Add(first);
  DrawingList.DrawView(dc_, kClient);
  const auto lines = dc_.Lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].pen, (plat::Pen{plat::PS_DASH, 1, OverlayColour}));
  EXPECT_EQ(lines[1].pen, (plat::Pen{plat::PS_SOLID, 1, plat::RGB(10, 10, 10)}));
}

// ---- Printing a floor --------------------------------------------------------------------

struct PrintCase {
  const char* story;
  int32 view;
  int32 mode;
  Names list;
  Names printed;
};
void PrintTo(const PrintCase& c, std::ostream* os) { *os << c.story; }

class PrintSelection : public ViewDrawing, public ::testing::WithParamInterface<PrintCase> {};

TEST_P(PrintSelection, PrintsTheBaseViewsElements) {
  const PrintCase& c = GetParam();
  CurrentView = c.view;
  WallDisplayMode = c.mode;
  Fill(c.list);
  DrawingList.PrintFloor(dc_);
  EXPECT_EQ(log_, c.printed) << c.story;
  EXPECT_EQ(CurrentView, c.view) << c.story;
}

INSTANTIATE_TEST_SUITE_P(
    Table, PrintSelection,
    ::testing::Values(
        PrintCase{
            "the ground floor with dimensions",
            1120,
            0,
            {"120/1", "120/34", "120/250", "120/251", "120/260", "120/261", "121/1", "120/29500"},
            {"120/1", "120/34", "120/250", "120/251", "120/260", "120/261"}},
        PrintCase{"without external dimensions the printer keeps kinds 260 and 261",
                  1120,
                  11,
                  {"120/1", "120/34", "120/250", "120/251", "120/260", "120/261"},
                  {"120/1", "120/260", "120/261"}},
        PrintCase{"an overlay mode prints nothing", 1120, 2, {"120/1"}, {}},
        PrintCase{"split printing of the first floor", 2121, 0, {"121/1", "120/1"}, {"121/1"}},
        PrintCase{"part printing of the ground floor", 3120, 20, {"120/1"}, {"120/1"}},
        PrintCase{"2000 is a plain print of view 1000", 2000, 0, {"1000/1", "1/1"}, {"1000/1"}},
        PrintCase{"2001 is a split print of view 1", 2001, 0, {"1000/1", "1/1"}, {"1/1"}},
        PrintCase{"3000 is a split print of view 1000", 3000, 0, {"1000/1", "1/1"}, {"1000/1"}},
        PrintCase{"3001 is a part print of view 1", 3001, 0, {"1000/1", "1/1"}, {"1/1"}},
        PrintCase{"a group prints every floor below the rooms",
                  1080,
                  0,
                  {"80/1", "120/1", "80/29500", "80/28000"},
                  {"80/1", "120/1", "80/28000"}},
        PrintCase{"a group without dimensions",
                  1080,
                  1,
                  {"80/34", "80/35", "80/250", "80/251", "80/260"},
                  {"80/35", "80/260"}},
        PrintCase{"a group in an overlay mode prints nothing", 1080, 3, {"80/1"}, {}},
        PrintCase{"the site plan prints everything of its floor",
                  1190,
                  3,
                  {"190/1", "190/29500", "120/1"},
                  {"190/1", "190/29500"}},
        PrintCase{"views up to 99 print nothing", 99, 0, {"99/1"}, {}},
        PrintCase{"a view not raised for printing prints nothing", 120, 0, {"120/1"}, {}}));

// ---- View mapping ---------------------------------------------------------------------------

class ViewMapping : public ::testing::Test {
 protected:
  void SetUp() override {
    WindowOrgX = 1000;
    WindowOrgY = 2000;
    WindowExtX = 624;
    WindowExtY = 346;
  }
  ScratchProgramDir dir_;
  RecordingDC dc_;
};

TEST_F(ViewMapping, TheBottomLeftPixelIsTheWindowOrigin) {
  int32 x = 0, y = 0;
  DeviceToWorld(dc_, kClient, 0, 346, x, y);
  EXPECT_EQ(x, 1000);
  EXPECT_EQ(y, 2000);
  DeviceToWorld(dc_, kClient, 624, 0, x, y);
  EXPECT_EQ(x, 1000 + 624);
  EXPECT_EQ(y, 2000 + 346);
}

TEST_F(ViewMapping, BothAxesShareOneScaleWhateverTheWindowShape) {
  WindowExtX = 624 * 5;
  WindowExtY = 346 * 5;
  const plat::Rect wide{0, 0, 1248, 346};  // twice as wide: the height decides the scale
  int32 x = 0, y = 0;
  DeviceToWorld(dc_, wide, 100, 246, x, y);
  EXPECT_EQ(x, 1000 + 500);
  EXPECT_EQ(y, 2000 + 500);
}

TEST_F(ViewMapping, RoundTripsAPixel) {
  WindowExtX = 624 * 4;
  WindowExtY = 346 * 4;
  for (Point p : {Point{0, 0}, Point{17, 300}, Point{623, 345}, Point{311, 1}}) {
    int32 x, y, dx, dy;
    DeviceToWorld(dc_, kClient, p.x, p.y, x, y);
    WorldToDevice(dc_, kClient, x, y, dx, dy);
    EXPECT_EQ((Point{dx, dy}), p);
    EXPECT_EQ((x - WindowOrgX) % 4, 0) << "a pixel spans four logical units";
  }
}

TEST_F(ViewMapping, AnEmptyClientAreaDividesByNothing) {
  int32 x = -1, y = -1;
  DeviceToWorld(dc_, plat::Rect{0, 0, 0, 0}, 10, 10, x, y);
  EXPECT_EQ(x, WindowOrgX);
  EXPECT_EQ(y, WindowOrgY);
  int32 dx = -1, dy = -1;
  WorldToDevice(dc_, plat::Rect{0, 0, 0, 200}, 5000, 5000, dx, dy);
  EXPECT_EQ(dx, 0);
  EXPECT_EQ(dy, 200);
}

}  // namespace
