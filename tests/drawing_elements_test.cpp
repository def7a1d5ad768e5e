// Elements drawing themselves into a recording device context: the pens the
// three entry points choose, how walls follow the display mode, texts and
// their print escapement, dimensions, polygons and room labels, and that
// drawing never changes the element.
//
// Without a mapping the recording context's logical units are its device
// pixels, so records show logical coordinates (drawing units / PixelScale).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/elements.h"
#include "model/flist.h"
#include "model/globals.h"
#include "platform/recording_dc.h"
#include "tests/test_support.h"

using plat::DcOp;
using plat::DcRecord;
using plat::Point;
using plat::RecordingDC;

namespace {

constexpr plat::COLORREF kRed = plat::RGB(200, 0, 0);
constexpr plat::COLORREF kFill = plat::RGB(0, 120, 0);
const plat::Rect kClient{0, 0, 624, 346};

class ElementDrawing : public ::testing::Test {
 protected:
  void SetUp() override {
    PixelScale = 5;
    ZoomUnits = 4;
    ZoomFactor = 4.0f;
    WallDisplayMode = 0;
    CurrentView = view::Ground;
  }

  ScratchProgramDir dir_;
  RecordingDC dc_;
};

std::unique_ptr<TLineobj> MakeLine(int32 kind, int32 x1, int32 y1, int32 x2, int32 y2) {
  auto e = std::make_unique<TLineobj>();
  e->Kind = kind;
  e->X1 = x1;
  e->Y1 = y1;
  e->X2 = x2;
  e->Y2 = y2;
  e->Colour = kRed;
  return e;
}

// A polygon of n points on a square-ish ring, 100 logical units apart.
std::unique_ptr<TPolyobj> MakePolygon(int32 kind, int32 n) {
  auto p = std::make_unique<TPolyobj>();
  p->Kind = kind;
  p->PointCount = n;
  for (int32 i = 0; i < n; ++i) {
    p->PointX[i] = 500 * i;
    p->PointY[i] = 500 * (i % 2);
  }
  p->FillColour = kFill;
  p->Colour = kRed;
  return p;
}

std::unique_ptr<TInwallobj> MakeInwall(int32 kind) {
  auto w = std::make_unique<TInwallobj>();
  w->Kind = kind;
  w->X1 = 0, w->Y1 = 3000, w->X2 = 15000, w->Y2 = 3000;
  w->Line2X1 = 0, w->Line2Y1 = 0, w->Line2X2 = 15000, w->Line2Y2 = 0;
  w->Thickness = 500;
  w->Colour = kRed;
  return w;
}

std::unique_ptr<TExtwallobj> MakeExtwall(int32 kind, int32 cavity) {
  auto w = std::make_unique<TExtwallobj>();
  w->Kind = kind;
  w->X1 = 0, w->Y1 = 3000, w->X2 = 15000, w->Y2 = 3000;
  w->Line2X1 = 0, w->Line2Y1 = 2500, w->Line2X2 = 15000, w->Line2Y2 = 2500;
  w->Line3X1 = 0, w->Line3Y1 = 2250, w->Line3X2 = 15000, w->Line3Y2 = 2250;
  w->Line4X1 = 0, w->Line4Y1 = 1750, w->Line4X2 = 15000, w->Line4Y2 = 1750;
  w->Thickness1 = 500, w->Thickness2 = 500, w->CavityWidth = cavity;
  w->Colour = kRed;
  return w;
}

// ---- Pens of the entry points ---------------------------------------------------------

enum class Entry { Paint, Styled, Print };

struct PenCase {
  const char* story;
  Entry entry;
  int32 highlight;
  int32 kind;
  int32 style;
  int32 width;
  int32 zoomUnits;
  plat::Pen expected;
};
void PrintTo(const PenCase& c, std::ostream* os) { *os << c.story; }

class EntryPointPens : public ElementDrawing, public ::testing::WithParamInterface<PenCase> {};

TEST_P(EntryPointPens, ChooseStyleWidthAndColour) {
  const PenCase& c = GetParam();
  ZoomUnits = c.zoomUnits;
  std::unique_ptr<TObj> e;
  if (c.kind == kind::DottedOutline)
    e = MakePolygon(c.kind, 3);
  else
    e = MakeLine(c.kind, 0, 0, 500, 500);
  e->PenStyle = c.style;
  e->PenWidth = c.width;
  switch (c.entry) {
    case Entry::Paint:
      e->Paint(dc_, kClient, c.highlight);
      break;
    case Entry::Styled:
      e->DrawStyled(dc_, kClient, c.highlight);
      break;
    case Entry::Print:
      e->DrawForPrint(dc_);
      break;
  }
  const auto lines = dc_.Lines();
  ASSERT_FALSE(lines.empty()) << c.story;
  for (const DcRecord& r : lines) EXPECT_EQ(r.pen, c.expected) << c.story;
}

const plat::COLORREF kOverlay = plat::RGB(160, 160, 160);  // the start value of OverlayColour

INSTANTIATE_TEST_SUITE_P(
    Table, EntryPointPens,
    ::testing::Values(
        PenCase{"a painted line keeps its own pen", Entry::Paint, 0, 1, 0, 3, 4, {0, 3, kRed}},
        PenCase{"a highlighted painted line turns overlay-coloured but keeps its style",
                Entry::Paint,
                1,
                1,
                2,
                3,
                4,
                {2, 3, kOverlay}},
        PenCase{"paint gives the dotted outline no special style",
                Entry::Paint,
                0,
                kind::DottedOutline,
                0,
                1,
                4,
                {0, 1, kRed}},
        PenCase{"a listed line keeps its own pen", Entry::Styled, 0, 1, 2, 3, 4, {2, 3, kRed}},
        PenCase{"a listed line drawn highlighted is dashed in the overlay colour",
                Entry::Styled,
                1,
                1,
                0,
                3,
                4,
                {1, 3, kOverlay}},
        PenCase{"highlight values above 1 count as highlighted",
                Entry::Styled,
                7,
                1,
                0,
                1,
                4,
                {1, 1, kOverlay}},
        PenCase{"the dotted outline stays dotted when highlighted",
                Entry::Styled,
                1,
                kind::DottedOutline,
                0,
                1,
                4,
                {2, 1, kOverlay}},
        PenCase{"the dotted outline is dotted even when drawn normally",
                Entry::Styled,
                0,
                kind::DottedOutline,
                0,
                1,
                4,
                {2, 1, kRed}},
        PenCase{"a heavy solid line prints twice the line weight",
                Entry::Print,
                0,
                1,
                0,
                2,
                4,
                {0, 8, kRed}},
        PenCase{
            "any other width prints the line weight", Entry::Print, 0, 1, 0, 5, 4, {0, 4, kRed}},
        PenCase{"a dotted line of width 5 prints one unit wide",
                Entry::Print,
                0,
                1,
                2,
                5,
                4,
                {2, 1, kRed}},
        PenCase{
            "a dotted heavy line prints two units wide", Entry::Print, 0, 1, 2, 2, 4, {2, 2, kRed}},
        PenCase{"a dashed line is scaled like a solid one",
                Entry::Print,
                0,
                1,
                1,
                1,
                3,
                {1, 3, kRed}}));

// ---- Walls by display mode ---------------------------------------------------------------

struct WallModeCase {
  const char* story;
  int32 kind;
  int32 cavity;  // -1: an internal wall
  int32 mode;
  int faceLines;      // lines drawn with the element's own pen
  int heavyLines;     // lines drawn with the detailed (heavy) pen
  int blackPolygons;  // solid fills
};
void PrintTo(const WallModeCase& c, std::ostream* os) { *os << c.story; }

class WallDisplayModes : public ElementDrawing,
                         public ::testing::WithParamInterface<WallModeCase> {};

TEST_P(WallDisplayModes, DecideHowWallsAreDrawn) {
  const WallModeCase& c = GetParam();
  WallDisplayMode = c.mode;
  std::unique_ptr<TObj> w;
  if (c.cavity < 0)
    w = MakeInwall(c.kind);
  else
    w = MakeExtwall(c.kind, c.cavity);
  w->PenWidth = 1;

  for (Entry entry : {Entry::Paint, Entry::Styled}) {
    dc_.Clear();
    if (entry == Entry::Paint)
      w->Paint(dc_, kClient, 0);
    else
      w->DrawStyled(dc_, kClient, 0);
    int face = 0, heavy = 0;
    for (const DcRecord& r : dc_.Lines()) {
      if (r.pen.width == 1) ++face;
      if (r.pen.width == ZoomUnits) ++heavy;
    }
    int black = 0;
    for (const DcRecord& r : dc_.Of(DcOp::Polygon))
      if (r.brush == plat::BlackBrush()) ++black;
    EXPECT_EQ(face, c.faceLines) << c.story;
    EXPECT_EQ(heavy, c.heavyLines) << c.story;
    EXPECT_EQ(black, c.blackPolygons) << c.story;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, WallDisplayModes,
    ::testing::Values(
        WallModeCase{"face lines of an external wall", kind::ExtWall, 0, 0, 2, 0, 0},
        WallModeCase{"a cavity wall shows all four lines", kind::ExtWall, 250, 1, 4, 0, 0},
        WallModeCase{"detailed external wall: heavy lines", kind::ExtWall, 0, 12, 0, 2, 0},
        WallModeCase{"detailed internal wall: heavy lines", kind::InWall, -1, 14, 0, 2, 0},
        WallModeCase{"solid internal wall", kind::InWall, -1, 21, 2, 0, 1},
        WallModeCase{"solid cavity wall", kind::ExtWall, 250, 20, 2, 0, 1},
        WallModeCase{"mode 35 hides an external wall", kind::ExtWall, 0, 35, 0, 0, 0},
        WallModeCase{"mode 35 hides an internal wall", kind::InWall, -1, 35, 0, 0, 0},
        WallModeCase{"kind 110 always shows its lines", kind::ExtWall110, 0, 35, 2, 0, 0},
        WallModeCase{"kind 151 always shows its lines", 151, -1, 22, 2, 0, 0},
        WallModeCase{"kind 155 ignores the detailed mode", kind::InWallLast, -1, 12, 2, 0, 0}));

TEST_F(ElementDrawing, SolidCavityWallIsFilledFromFaceToInnerLeaf) {
  auto w = MakeExtwall(kind::ExtWall, 250);
  w->DrawSolid(dc_);
  const auto polys = dc_.Of(DcOp::Polygon);
  ASSERT_EQ(polys.size(), 1u);
  EXPECT_EQ(polys[0].points, (std::vector<Point>{{0, 600}, {3000, 600}, {3000, 350}, {0, 350}}));
}

// ---- Drawing leaves the drawing alone --------------------------------------------------------

TEST_F(ElementDrawing, HighlightedShapesShowTheBackgroundWithoutStoringIt) {
  BackgroundColour = plat::RGB(250, 250, 240);
  std::vector<std::unique_ptr<TObj>> shapes;
  auto ellipse = std::make_unique<TEllipseobj>();
  auto circle = std::make_unique<TCircleobj>();
  auto rect = std::make_unique<TRndrectobj>();
  auto symbol = MakePolygon(6000, 4);
  for (TObj* e : std::initializer_list<TObj*>{ellipse.get(), circle.get(), rect.get()}) {
    e->X2 = e->Y2 = 500;
    e->FillColour = kFill;
  }
  shapes.push_back(std::move(ellipse));
  shapes.push_back(std::move(circle));
  shapes.push_back(std::move(rect));
  shapes.push_back(std::move(symbol));

  for (auto& e : shapes) {
    e->LinkId = 1234;
    dc_.Clear();
    e->DrawStyled(dc_, kClient, 1);
    ASSERT_EQ(dc_.Records().size(), 1u) << e->Kind;
    EXPECT_EQ(dc_.Records()[0].brush, plat::SolidBrush(BackgroundColour)) << e->Kind;
    EXPECT_EQ(e->FillColour, kFill) << "the fill stays in the element, kind " << e->Kind;
    EXPECT_EQ(e->LinkId, 1234) << "the group id is never borrowed, kind " << e->Kind;

    dc_.Clear();
    e->DrawStyled(dc_, kClient, 0);
    EXPECT_EQ(dc_.Records()[0].brush, plat::SolidBrush(kFill)) << "next draw, kind " << e->Kind;
  }
}

TEST_F(ElementDrawing, ElementsWithAGroupIdAreNotDrawnAsHighlighted) {
  // Tools draw previews through Draw directly; a group id must not read as a
  // highlight.
  auto e = std::make_unique<TEllipseobj>();
  e->LinkId = 55;
  e->FillColour = kFill;
  e->Paint(dc_, kClient, 0);
  ASSERT_EQ(dc_.Count(DcOp::Ellipse), 1);
  EXPECT_EQ(dc_.Of(DcOp::Ellipse)[0].brush, plat::SolidBrush(kFill));
  e->DrawForPrint(dc_);
  EXPECT_EQ(dc_.Of(DcOp::Ellipse)[1].brush, plat::SolidBrush(kFill));
}

TEST_F(ElementDrawing, DetailedWallsKeepTheirStoredPairSettings) {
  WallDisplayMode = 10;
  auto in = MakeInwall(kind::InWall);
  in->HatchPairs = 1;
  auto ext = MakeExtwall(kind::ExtWall, 250);
  ext->HatchPairs1 = 0;
  ext->HatchPairs2 = 2;
  in->DrawStyled(dc_, kClient, 0);
  ext->Paint(dc_, kClient, 1);
  ext->DrawForPrint(dc_);
  EXPECT_EQ(in->HatchPairs, 1);
  EXPECT_EQ(ext->HatchPairs1, 0);
  EXPECT_EQ(ext->HatchPairs2, 2);
}

// ---- Paint sets the view mapping -------------------------------------------------------------

TEST_F(ElementDrawing, PaintMapsTheViewBottomLeftWithYUp) {
  WindowOrgX = 100;
  WindowOrgY = 50;
  WindowExtX = 624;
  WindowExtY = 346;
  auto line = MakeLine(1, 500, 250, 1500, 1250);  // logical (100, 50) - (300, 250)
  line->Paint(dc_, kClient, 0);
  ASSERT_EQ(dc_.Lines().size(), 1u);
  EXPECT_EQ(dc_.Lines()[0].from, (Point{0, 346}));
  EXPECT_EQ(dc_.Lines()[0].to, (Point{200, 146}));
  EXPECT_EQ(dc_.Lines()[0].bkMode, plat::OPAQUE);
  EXPECT_EQ(dc_.Lines()[0].bkColour, BackgroundColour);
}

TEST_F(ElementDrawing, PaintIntoAnEmptyClientAreaDrawsNothing) {
  auto line = MakeLine(1, 0, 0, 500, 500);
  line->Paint(dc_, plat::Rect{0, 0, 0, 0}, 0);
  line->Paint(dc_, plat::Rect{0, 0, 300, 0}, 1);
  EXPECT_TRUE(dc_.Records().empty());
}

TEST_F(ElementDrawing, CoordinatesAreDividedOneByOneTowardZero) {
  auto line = MakeLine(1, 9, -9, -4, 14);  // 9/5 = 1, -9/5 = -1, -4/5 = 0, 14/5 = 2
  line->DrawStyled(dc_, kClient, 0);
  EXPECT_EQ(dc_.Lines()[0].from, (Point{1, -1}));
  EXPECT_EQ(dc_.Lines()[0].to, (Point{0, 2}));
}

// ---- Shapes -------------------------------------------------------------------------------

TEST_F(ElementDrawing, ShapesDrawInTheirBoxes) {
  TArcobj arc;
  arc.X1 = 0, arc.Y1 = 500, arc.X2 = 1000, arc.Y2 = 0;
  arc.StartX = 1000, arc.StartY = 250, arc.EndX = 0, arc.EndY = 250;
  arc.Draw(dc_, 0);
  const auto arcs = dc_.Of(DcOp::Arc);
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_EQ(arcs[0].box, (plat::Rect{0, 0, 200, 100}));
  EXPECT_EQ(arcs[0].from, (Point{200, 50}));
  EXPECT_EQ(arcs[0].to, (Point{0, 50}));

  TRndrectobj rect;
  rect.X2 = 1000, rect.Y2 = 500, rect.CornerRadius = 53;  // 106 / 5 = 21
  rect.Draw(dc_, 0);
  ASSERT_EQ(dc_.Count(DcOp::RoundRect), 1);
  EXPECT_EQ(dc_.Of(DcOp::RoundRect)[0].corner, (plat::Size{21, 21}));

  TArrowobj arrow;
  arrow.X1 = 0, arrow.Y1 = 0, arrow.X2 = 500, arrow.Y2 = 0;
  arrow.BarbX1 = 50, arrow.BarbY1 = 25, arrow.BarbX2 = 50, arrow.BarbY2 = -25;
  arrow.BarX1 = 500, arrow.BarY1 = -50, arrow.BarX2 = 500, arrow.BarY2 = 50;
  dc_.Clear();
  arrow.Draw(dc_, 0);
  EXPECT_EQ(dc_.Count(DcOp::Line), 4);
  EXPECT_TRUE(dc_.HasLine({0, 0}, {10, 5}));
  EXPECT_TRUE(dc_.HasLine({0, 0}, {10, -5}));
  EXPECT_TRUE(dc_.HasLine({100, -10}, {100, 10}));
}

// ---- Dimensions ----------------------------------------------------------------------------

struct DimensionCase {
  int32 angle;
  std::vector<Point> atA;  // ends of the two head lines and the tick at A = (100, 100)
  std::vector<Point> atC;  // ... at C = (300, 100)
};

class DimensionEnds : public ElementDrawing, public ::testing::WithParamInterface<DimensionCase> {};

TEST_P(DimensionEnds, HaveHeadsAndTicksPerDirection) {
  const DimensionCase& c = GetParam();
  TDimensobj d;
  d.X1 = 500, d.Y1 = 500, d.X2 = 1000, d.Y2 = 500;
  d.SecondX1 = 1500, d.SecondY1 = 500, d.SecondX2 = 1000, d.SecondY2 = 500;
  d.Angle = c.angle;
  d.Draw(dc_, 0);
  ASSERT_EQ(dc_.Count(DcOp::Line), 10) << c.angle;
  EXPECT_TRUE(dc_.HasLine({100, 100}, {200, 100}));
  EXPECT_TRUE(dc_.HasLine({300, 100}, {200, 100}));
  for (Point p : c.atA)
    EXPECT_TRUE(dc_.HasLine({100, 100}, p)) << c.angle << " A to " << p.x << "," << p.y;
  for (Point p : c.atC)
    EXPECT_TRUE(dc_.HasLine({300, 100}, p)) << c.angle << " C to " << p.x << "," << p.y;
}

INSTANTIATE_TEST_SUITE_P(
    Table, DimensionEnds,
    ::testing::Values(DimensionCase{900,
                                    {{120, 105}, {120, 95}, {100, 120}, {100, 80}},
                                    {{280, 105}, {280, 95}, {300, 120}, {300, 80}}},
                      DimensionCase{1800,
                                    {{105, 80}, {95, 80}, {120, 100}, {80, 100}},
                                    {{305, 120}, {295, 120}, {320, 100}, {280, 100}}},
                      DimensionCase{2700,
                                    {{80, 105}, {80, 95}, {100, 120}, {100, 80}},
                                    {{320, 105}, {320, 95}, {300, 120}, {300, 80}}},
                      DimensionCase{0,
                                    {{105, 120}, {95, 120}, {120, 100}, {80, 100}},
                                    {{305, 80}, {295, 80}, {320, 100}, {280, 100}}},
                      DimensionCase{3600,
                                    {{105, 120}, {95, 120}, {120, 100}, {80, 100}},
                                    {{305, 80}, {295, 80}, {320, 100}, {280, 100}}}));

TEST_F(ElementDrawing, HiddenOrOddlyTurnedDimensionsDrawNothing) {
  TDimensobj hidden;
  hidden.Angle = 900;
  hidden.Shown = 0;
  hidden.Draw(dc_, 0);
  TDimensobj slanted;
  slanted.Angle = 450;
  slanted.Draw(dc_, 0);
  EXPECT_TRUE(dc_.Records().empty());
}

// ---- Polygons ------------------------------------------------------------------------------

struct PolygonCase {
  const char* story;
  int32 kind;
  int lines;
  int polygons;
  plat::COLORREF brush;  // of the filled polygon, when there is one
};
void PrintTo(const PolygonCase& c, std::ostream* os) { *os << c.story; }

class PolygonKinds : public ElementDrawing, public ::testing::WithParamInterface<PolygonCase> {};

TEST_P(PolygonKinds, DecideOutlineOrFill) {
  const PolygonCase& c = GetParam();
  BackgroundColour = plat::RGB(255, 255, 250);
  auto p = MakePolygon(c.kind, 5);
  p->DrawStyled(dc_, kClient, 0);
  EXPECT_EQ(dc_.Count(DcOp::Line), c.lines) << c.story;
  ASSERT_EQ(dc_.Count(DcOp::Polygon), c.polygons) << c.story;
  if (c.polygons) {
    EXPECT_EQ(dc_.Of(DcOp::Polygon)[0].brush, plat::SolidBrush(c.brush)) << c.story;
    EXPECT_EQ(dc_.Of(DcOp::Polygon)[0].points.size(), 5u) << c.story;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, PolygonKinds,
    ::testing::Values(
        PolygonCase{"a plain symbol kind draws nothing", 1000, 0, 0, 0},
        PolygonCase{"outline kinds draw every edge", 3131, 5, 0, 0},
        PolygonCase{"the dotted outline draws every edge", kind::DottedOutline, 5, 0, 0},
        PolygonCase{"site symbols draw every edge", 3599, 5, 0, 0},
        PolygonCase{"an opening frame hides what lies under it", kind::OpeningFrame, 0, 1,
                    plat::RGB(255, 255, 250)},
        PolygonCase{"kind 27000 is an opening frame too", kind::OpeningFrameAlt, 0, 1,
                    plat::RGB(255, 255, 250)},
        PolygonCase{"filled symbols use their fill", 6000, 0, 1, kFill},
        PolygonCase{"the last filled symbol kind", 6749, 0, 1, kFill},
        PolygonCase{"beyond the filled symbols nothing", 6750, 0, 0, 0},
        PolygonCase{"symbols with hidden edges fill, then draw each edge", 6600, 5, 1, kFill}));

TEST_F(ElementDrawing, HiddenEdgesAreDrawnInTheFillColour) {
  auto p = MakePolygon(6600, 5);
  const int32 hidden[4] = {1, 3, 0, 0};
  std::copy(hidden, hidden + 4, p->HiddenEdges);
  p->PenWidth = 1;
  p->DrawStyled(dc_, kClient, 0);

  const auto polys = dc_.Of(DcOp::Polygon);
  ASSERT_EQ(polys.size(), 1u);
  EXPECT_EQ(polys[0].pen, (plat::Pen{plat::PS_SOLID, 2, kFill}));
  const auto lines = dc_.Lines();
  ASSERT_EQ(lines.size(), 5u);
  const plat::Pen own{0, 1, kRed}, fill{plat::PS_SOLID, 2, kFill};
  const plat::Pen expected[5] = {own, fill, own, fill, own};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(lines[i].pen, expected[i]) << "edge " << i;
  EXPECT_EQ(lines[4].to, lines[0].from) << "the last edge closes the polygon";
}

TEST_F(ElementDrawing, HiddenEdgesAreMatchedInAscendingOrder) {
  auto p = MakePolygon(6500, 6);
  const int32 hidden[4] = {0, 2, 3, 5};
  std::copy(hidden, hidden + 4, p->HiddenEdges);
  p->DrawStyled(dc_, kClient, 0);
  const auto lines = dc_.Lines();
  ASSERT_EQ(lines.size(), 6u);
  const int expectedWidths[6] = {2, 1, 2, 2, 1, 2};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(lines[i].pen.width, expectedWidths[i]) << "edge " << i;

  // Not ascending: after edge 3 the list waits for edge 1 again, which never comes.
  auto q = MakePolygon(6500, 6);
  const int32 unordered[4] = {3, 1, 4, 5};
  std::copy(unordered, unordered + 4, q->HiddenEdges);
  dc_.Clear();
  q->DrawStyled(dc_, kClient, 0);
  const int unorderedWidths[6] = {1, 1, 1, 2, 1, 1};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(dc_.Lines()[i].pen.width, unorderedWidths[i]) << i;
}

TEST_F(ElementDrawing, PolygonPointCountBeyondTheArraysIsHeldToIt) {
  auto p = MakePolygon(3131, 5);
  p->PointCount = 4000;  // as a damaged file might hold
  p->Draw(dc_, 0);
  EXPECT_EQ(dc_.Count(DcOp::Line), kMaxPolyPoints);
}

}  // namespace
