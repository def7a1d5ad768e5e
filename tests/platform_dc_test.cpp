// The device context's mapping and the state a back end receives, checked on
// the recording device context.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "platform/line_walk.h"
#include "platform/recording_dc.h"

using namespace plat;

namespace {

// The plan window's mapping for a 624 x 346 client area: y up, the window
// origin at the bottom left corner.
void SetPlanMapping(DeviceContext& dc, Point org, Size windowExt, Size client) {
  dc.SetMapMode(MM_ISOTROPIC);
  dc.SetWindowOrg(org.x, org.y);
  dc.SetWindowExt(windowExt.cx, windowExt.cy);
  dc.SetViewportExt(client.cx, -client.cy);
  dc.SetViewportOrg(0, client.cy);
}

}  // namespace

TEST(PlatformMapping, TextModeIsOnePixelPerUnitWithOrigins) {
  RecordingDC dc;
  EXPECT_EQ(dc.LPtoDP({10, 20}), (Point{10, 20}));
  dc.SetWindowOrg(100, 50);
  dc.SetViewportOrg(5, 7);
  // Extents do not count in text mode.
  dc.SetWindowExt(1000, 1000);
  dc.SetViewportExt(10, 10);
  EXPECT_EQ(dc.LPtoDP({100, 50}), (Point{5, 7}));
  EXPECT_EQ(dc.LPtoDP({110, 70}), (Point{15, 27}));
  EXPECT_EQ(dc.DPtoLP({15, 27}), (Point{110, 70}));
}

TEST(PlatformMapping, PlanMappingPutsTheOriginAtTheBottomLeftWithYUp) {
  RecordingDC dc;
  SetPlanMapping(dc, {1000, 2000}, {624, 346}, {624, 346});
  EXPECT_EQ(dc.DPtoLP({0, 346}), (Point{1000, 2000}));
  EXPECT_EQ(dc.DPtoLP({624, 0}), (Point{1000 + 624, 2000 + 346}));
  EXPECT_EQ(dc.LPtoDP({1000, 2000}), (Point{0, 346}));
  EXPECT_EQ(dc.LPtoDP({1010, 2020}), (Point{10, 326}));  // up on screen
}

TEST(PlatformMapping, PlanMappingAtZoomFiveRoundsToTheNearestPixel) {
  RecordingDC dc;
  SetPlanMapping(dc, {0, 0}, {624 * 5, 346 * 5}, {624, 346});
  EXPECT_EQ(dc.LPtoDP({12, 0}), (Point{2, 346}));  // 2.4 -> 2
  EXPECT_EQ(dc.LPtoDP({13, 0}), (Point{3, 346}));  // 2.6 -> 3
  EXPECT_EQ(dc.DPtoLP({3, 345}), (Point{15, 5}));
  // Device -> logical -> device comes back to the same pixel.
  for (int x = 0; x < 624; x += 37)
    for (int y = 0; y < 346; y += 41) EXPECT_EQ(dc.LPtoDP(dc.DPtoLP({x, y})), (Point{x, y}));
}

TEST(PlatformMapping, IsotropicUsesTheSmallerScaleOnBothAxes) {
  RecordingDC dc;
  dc.SetMapMode(MM_ISOTROPIC);
  dc.SetWindowExt(1000, 1000);
  dc.SetViewportExt(500, -200);  // x would be 0.5, y 0.2 pixel per unit
  EXPECT_EQ(dc.GetViewportExt(), (Size{200, -200}));
  EXPECT_EQ(dc.LPtoDP({100, 100}), (Point{20, -20}));
  EXPECT_EQ(dc.DPtoLP({20, -20}), (Point{100, 100}));
  EXPECT_EQ(dc.LengthToDevice(50), 10);

  // The other way round: the x axis is shrunk.
  dc.SetViewportExt(100, 800);
  EXPECT_EQ(dc.GetViewportExt(), (Size{100, 100}));
  EXPECT_EQ(dc.LPtoDP({1000, 1000}), (Point{100, 100}));
}

TEST(PlatformMapping, NegativeWindowExtentFlipsTheAxis) {
  RecordingDC dc;
  dc.SetMapMode(MM_ISOTROPIC);
  dc.SetWindowExt(100, -100);
  dc.SetViewportExt(100, 100);
  EXPECT_EQ(dc.LPtoDP({10, 10}), (Point{10, -10}));
}

TEST(PlatformMapping, ZeroClientSizeDoesNotBreakTheMapping) {
  RecordingDC dc({0, 0});
  // A minimised window: zero extents everywhere.
  SetPlanMapping(dc, {40, 60}, {0, 0}, {0, 0});
  // The zero extents are refused, so the mapping stays one to one.
  EXPECT_EQ(dc.GetViewportExt(), (Size{1, 1}));
  EXPECT_EQ(dc.DPtoLP({0, 0}), (Point{40, 60}));
  EXPECT_EQ(dc.DPtoLP(dc.LPtoDP({100, 100})), (Point{100, 100}));
  // Drawing through it is harmless.
  dc.MoveTo(0, 0);
  dc.LineTo(10, 10);
  dc.TextOut(0, 0, "A");
  EXPECT_EQ(dc.Records().size(), 2u);
}

TEST(PlatformMapping, ArrayConversionsMatchSinglePoints) {
  RecordingDC dc;
  SetPlanMapping(dc, {7, 9}, {1248, 692}, {624, 346});
  Point pts[3] = {{7, 9}, {107, 59}, {-20, 400}};
  dc.LPtoDP(pts, 3);
  EXPECT_EQ(pts[0], dc.LPtoDP({7, 9}));
  EXPECT_EQ(pts[1], dc.LPtoDP({107, 59}));
  dc.DPtoLP(pts, 3);
  EXPECT_EQ(pts[1], (Point{107, 59}));
}

TEST(PlatformPens, WidthIsLogicalAndZeroIsOnePixel) {
  RecordingDC dc;
  SetPlanMapping(dc, {0, 0}, {1248, 692}, {624, 346});  // 2 units per pixel
  dc.SelectPen({PS_SOLID, 0, RGB(1, 2, 3)});
  EXPECT_EQ(dc.DevicePen().width, 1);
  dc.SelectPen({PS_SOLID, 6, RGB(1, 2, 3)});
  EXPECT_EQ(dc.DevicePen().width, 3);
  dc.SelectPen({PS_SOLID, 1, RGB(1, 2, 3)});
  EXPECT_EQ(dc.DevicePen().width, 1);  // never thinner than a pixel
}

TEST(PlatformPens, BrokenStylesOnlyForOnePixelPens) {
  RecordingDC dc;
  for (int style : {PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT}) {
    dc.SelectPen({style, 1, 0});
    EXPECT_EQ(dc.DevicePen().style, style);
    dc.SelectPen({style, 3, 0});
    EXPECT_EQ(dc.DevicePen().style, PS_SOLID) << "style " << style;
  }
  dc.SelectPen({PS_NULL, 3, 0});
  EXPECT_EQ(dc.DevicePen().style, PS_NULL);
}

TEST(PlatformDcState, SelectingReturnsThePreviousObject) {
  RecordingDC dc;
  const Pen red{PS_DASH, 2, RGB(255, 0, 0)};
  const Pen first = dc.SelectPen(red);
  EXPECT_EQ(dc.SelectPen(first), red);
  EXPECT_EQ(dc.SelectBrush(NullBrush()), WhiteBrush());
  EXPECT_EQ(dc.SetROP2(R2_XORPEN), R2_COPYPEN);
  EXPECT_EQ(dc.SetROP2(R2_COPYPEN), R2_XORPEN);
  EXPECT_EQ(dc.SetBkMode(TRANSPARENT), OPAQUE);
  EXPECT_EQ(dc.SetTextAlign(TA_CENTER | TA_BASELINE), unsigned(TA_LEFT | TA_TOP));
  EXPECT_EQ(dc.SetMapMode(MM_ISOTROPIC), MM_TEXT);
  EXPECT_EQ(dc.MoveTo(5, 6), (Point{0, 0}));
  EXPECT_EQ(dc.MoveTo(1, 1), (Point{5, 6}));
}

TEST(PlatformRecordingDc, RecordsPrimitivesInDevicePixelsWithTheirState) {
  RecordingDC dc;
  SetPlanMapping(dc, {0, 0}, {624, 346}, {624, 346});
  dc.SelectPen({PS_DOT, 0, RGB(9, 9, 9)});
  dc.SetROP2(R2_XORPEN);
  dc.MoveTo(10, 10);
  dc.LineTo(20, 10);
  dc.LineTo(20, 30);
  dc.SetROP2(R2_COPYPEN);
  dc.SelectBrush(NullBrush());
  dc.Rectangle(0, 100, 50, 0);
  const Point tri[] = {{0, 0}, {10, 0}, {0, 10}};
  dc.Polygon(tri, 3);

  ASSERT_EQ(dc.Count(DcOp::Line), 2);
  EXPECT_TRUE(dc.HasLine({10, 336}, {20, 336}));
  EXPECT_TRUE(dc.HasLine({20, 316}, {20, 336}));  // either direction
  const DcRecord line = dc.Lines()[0];
  EXPECT_EQ(line.rop, R2_XORPEN);
  EXPECT_EQ(line.pen.style, PS_DOT);
  EXPECT_EQ(line.pen.colour, RGB(9, 9, 9));

  const DcRecord rect = dc.Of(DcOp::Rectangle).at(0);
  EXPECT_EQ(rect.box, (Rect{0, 246, 50, 346}));  // normalised on screen
  EXPECT_EQ(rect.brush.style, BS_NULL);
  EXPECT_EQ(rect.rop, R2_COPYPEN);
  const DcRecord poly = dc.Of(DcOp::Polygon).at(0);
  EXPECT_EQ(poly.points, (std::vector<Point>{{0, 346}, {10, 346}, {0, 336}}));
}

TEST(PlatformRecordingDc, ArcKeepsItsRayPointsAndRoundRectItsCorner) {
  RecordingDC dc;
  dc.Arc(0, 0, 100, 50, 100, 25, 50, 0);
  dc.RoundRect(10, 10, 60, 40, 8, 6);
  const DcRecord arc = dc.Of(DcOp::Arc).at(0);
  EXPECT_EQ(arc.box, (Rect{0, 0, 100, 50}));
  EXPECT_EQ(arc.from, (Point{100, 25}));
  EXPECT_EQ(arc.to, (Point{50, 0}));
  EXPECT_EQ(dc.Of(DcOp::RoundRect).at(0).corner, (Size{8, 6}));
}

TEST(PlatformRecordingDc, TextHasAFixedSizeModel) {
  RecordingDC dc;
  Font f;
  f.height = 20;
  dc.SelectFont(f);
  EXPECT_EQ(dc.GetTextExtent("Kitchen"), (Size{7 * 12, 20}));
  const TextMetrics m = dc.GetTextMetrics();
  EXPECT_EQ(m.ascent, 16);
  EXPECT_EQ(m.descent, 4);

  // In logical units under a mapping of 2 units per pixel: a 40 unit font is
  // 20 pixels and its extent comes back in units.
  SetPlanMapping(dc, {0, 0}, {1248, 692}, {624, 346});
  f.height = 40;
  dc.SelectFont(f);
  EXPECT_EQ(dc.DeviceFontHeight(), 20);
  EXPECT_EQ(dc.GetTextExtent("ab"), (Size{48, 40}));
}

TEST(PlatformRecordingDc, TextIsRecordedWithFontColoursAndAlignment) {
  RecordingDC dc;
  Font f;
  f.height = 12;
  f.escapement = 900;
  f.face = "Times New Roman";
  dc.SelectFont(f);
  dc.SetTextColor(RGB(255, 0, 0));
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextAlign(TA_CENTER | TA_BOTTOM);
  dc.TextOut(30, 40, "Bed 1");
  ASSERT_EQ(dc.TextStrings(), std::vector<std::string>{"Bed 1"});
  const DcRecord t = dc.Texts()[0];
  EXPECT_EQ(t.from, (Point{30, 40}));
  EXPECT_EQ(t.font.escapement, 900);
  EXPECT_EQ(t.font.face, "Times New Roman");
  EXPECT_EQ(t.fontHeight, 12);
  EXPECT_EQ(t.textColour, RGB(255, 0, 0));
  EXPECT_EQ(t.bkMode, TRANSPARENT);
  EXPECT_EQ(t.textAlign, unsigned(TA_CENTER | TA_BOTTOM));
  EXPECT_TRUE(dc.HasText("Bed 1"));
}

// Screens and bitmaps turn a text with the mapping: where it turns one axis
// over, the escapement turns clockwise on the device (2700 reads upward in the
// plan). Printers keep turning counter-clockwise, whatever the mapping.
TEST(PlatformRecordingDc, TextsTurnWithTheMappingExceptOnPrinters) {
  struct Case {
    const char* name;
    Size windowExt, viewportExt;
    bool printer;
    int drawn2700;
  };
  const Case cases[] = {
      {"plan, y up", {624, 346}, {624, -346}, false, -2700},
      {"plan on a printer", {624, 346}, {624, -346}, true, 2700},
      {"x turned over", {-624, 346}, {624, 346}, false, -2700},
      {"both axes turned over", {-624, 346}, {624, -346}, false, 2700},
      {"text mode", {0, 0}, {0, 0}, false, 2700},
  };
  for (const Case& c : cases) {
    RecordingDC dc;
    dc.SetTextTurnsWithMapping(!c.printer);
    if (c.windowExt.cx != 0) {
      dc.SetMapMode(MM_ISOTROPIC);
      dc.SetWindowExt(c.windowExt.cx, c.windowExt.cy);
      dc.SetViewportExt(c.viewportExt.cx, c.viewportExt.cy);
    }
    Font f;
    f.escapement = 2700;
    dc.SelectFont(f);
    dc.TextOut(10, 10, "UP");
    EXPECT_EQ(dc.Texts().back().deviceEscapement, c.drawn2700) << c.name;
    EXPECT_EQ(dc.Texts().back().font.escapement, 2700) << c.name;
  }
}

// A damaged drawing can give a text any 32-bit escapement: the lowest one
// draws at the angle whole turns leave of it, turned with the mapping like
// any other, never as a negation that overflows.
TEST(PlatformRecordingDc, TheLowestEscapementDrawsAtTheAngleWholeTurnsLeave) {
  constexpr int kLowest = std::numeric_limits<std::int32_t>::min();
  constexpr int kSameAngle = kLowest + 596523 * 3600;  // whole turns fewer: -848
  struct Case {
    const char* name;
    int viewportCy;
  };
  const Case cases[] = {
      {"y up: the escapement is negated", -346},
      {"y down", 346},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto drawn = [&](int escapement) {
      RecordingDC dc;
      dc.SetMapMode(MM_ISOTROPIC);
      dc.SetWindowExt(624, 346);
      dc.SetViewportExt(624, c.viewportCy);
      Font f;
      f.escapement = escapement;
      dc.SelectFont(f);
      dc.TextOut(10, 10, "BED");
      return dc.Texts().back().deviceEscapement;
    };
    EXPECT_EQ(drawn(kLowest), drawn(kSameAngle));
  }
}

TEST(PlatformRecordingDc, UpdateCpTextMovesTheCurrentPosition) {
  RecordingDC dc;
  Font f;
  f.height = 10;
  dc.SelectFont(f);
  dc.SetTextAlign(TA_UPDATECP);
  dc.MoveTo(5, 5);
  dc.TextOut(0, 0, "ab");
  dc.TextOut(0, 0, "c");
  EXPECT_EQ(dc.Texts()[0].from, (Point{5, 5}));
  EXPECT_EQ(dc.Texts()[1].from, (Point{17, 5}));
}

TEST(PlatformRecordingDc, FillRectWithANullBrushDrawsNothing) {
  RecordingDC dc;
  dc.FillRect(0, 0, 10, 10, NullBrush());
  dc.FillRect(0, 0, 10, 10, SolidBrush(RGB(1, 1, 1)));
  ASSERT_EQ(dc.Count(DcOp::FillRect), 1);
  EXPECT_EQ(dc.Of(DcOp::FillRect)[0].brush.colour, RGB(1, 1, 1));
}

TEST(PlatformRecordingWindow, DeviceContextsShareOneLogAndPaintRunsWhenInvalid) {
  RecordingWindow window({200, 100}, {50, 60});
  int painted = 0;
  window.onPaint = [&](DeviceContext& dc) {
    ++painted;
    dc.Rectangle(0, 0, 200, 100);
  };
  {
    WindowDC dc(window);
    EXPECT_EQ(window.OpenDCs(), 1);
    dc->MoveTo(1, 1);
    dc->LineTo(5, 5);
  }
  EXPECT_EQ(window.OpenDCs(), 0);
  window.UpdateWindow();
  EXPECT_EQ(painted, 0);  // nothing invalid yet

  const Rect part{10, 10, 20, 20};
  window.InvalidateRect(&part);
  window.InvalidateRect(nullptr);
  EXPECT_EQ(window.Invalidated(), (std::vector<Rect>{part, {0, 0, 200, 100}}));
  window.UpdateWindow();
  EXPECT_EQ(painted, 1);
  EXPECT_FALSE(window.HasInvalidArea());
  EXPECT_EQ(window.Log().Count(DcOp::Line), 1);
  EXPECT_EQ(window.Log().Count(DcOp::Rectangle), 1);
  EXPECT_EQ(window.ClientToScreen({1, 2}), (Point{51, 62}));
  EXPECT_EQ(ClientToScreen(nullptr, {1, 2}), (Point{1, 2}));
}

TEST(PlatformLineWalk, OnlyTheStretchABoxShowsIsWalkedPixelForPixelAsTheWholeWalk) {
  static constexpr int kDashDot[] = {9, 4, 2, 4};
  const plat::DashRuns style{kDashDot, 4};
  struct Pixel {
    int x, y;
    bool on;
    bool operator==(const Pixel&) const = default;
  };
  // The walk from a to b, b left out, every pixel of it.
  auto whole = [&](plat::Point a, plat::Point b) {
    std::vector<Pixel> out;
    const long long dx = std::llabs(1LL * b.x - a.x), dy = -std::llabs(1LL * b.y - a.y);
    const int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
    long long err = dx + dy, x = a.x, y = a.y;
    plat::DashWalker dash(style);
    while (!(x == b.x && y == b.y)) {
      out.push_back({int(x), int(y), dash.Next()});
      const long long e2 = 2 * err;
      if (e2 >= dy) err += dy, x += sx;
      if (e2 <= dx) err += dx, y += sy;
    }
    return out;
  };
  unsigned state = 12345;
  auto next = [&state](int range) {
    state = state * 1103515245u + 12345u;
    return int((state >> 8) % unsigned(2 * range + 1)) - range;
  };
  for (int run = 0; run < 3000; ++run) {
    const int range = run % 3 == 0 ? 100000 : 300;
    const plat::Point a{next(range), next(range)}, b{next(range), next(range)};
    const plat::Rect keep{next(200), next(200), next(200) + 250, next(200) + 250};
    const bool xMajor = std::llabs(1LL * b.x - a.x) >= std::llabs(1LL * b.y - a.y);
    std::vector<Pixel> expected, walked;
    for (const Pixel& p : whole(a, b)) {
      const int along = xMajor ? p.x : p.y;
      if (along >= (xMajor ? keep.left : keep.top) && along <= (xMajor ? keep.right : keep.bottom))
        expected.push_back(p);
    }
    plat::WalkLine(a, b, style, keep, [&](int x, int y, bool on) { walked.push_back({x, y, on}); });
    ASSERT_EQ(walked, expected) << a.x << "," << a.y << " to " << b.x << "," << b.y;
  }
  // Ends as far apart as 32 bits allow: a box's worth of pixels, half way
  // down from 5 to -7.
  int visited = 0;
  plat::WalkLine({-2147483647, 5}, {2147483647, -7}, style, {0, -10, 99, 10},
                 [&](int, int y, bool) { visited += y == -1 ? 1 : 1000; });
  EXPECT_EQ(visited, 100);
}
