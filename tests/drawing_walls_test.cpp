// Walls drawn as on a construction drawing: heavy face lines and the band
// between the faces hatched, for internal and external walls in every
// direction, cavity walls with their inner leaf, and walls whose stored
// bearing does not match their shape.
//
// Coordinates below are logical units (the recording context has no
// mapping); the walls store five times as much (PixelScale 5).
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "model/elements.h"
#include "model/globals.h"
#include "platform/recording_dc.h"
#include "tests/test_support.h"

using plat::DcRecord;
using plat::Point;
using plat::RecordingDC;

namespace {

constexpr int32 D(int32 logical) { return logical * 5; }
constexpr plat::COLORREF kBrown = plat::RGB(120, 60, 0);

struct Seg {
  Point a, b;
  friend bool operator==(const Seg&, const Seg&) = default;
};

std::ostream& operator<<(std::ostream& os, const Seg& s) {
  return os << "(" << s.a.x << "," << s.a.y << ")-(" << s.b.x << "," << s.b.y << ")";
}

// An internal wall: face from (x1, y1) to (x2, y2), second face from
// (l2x1, l2y1) to (l2x2, l2y2), thickness t; logical units.
std::shared_ptr<TInwallobj> Inwall(int32 angle, Seg face, Seg second, int32 t = 100) {
  auto w = std::make_shared<TInwallobj>();
  w->X1 = D(face.a.x), w->Y1 = D(face.a.y), w->X2 = D(face.b.x), w->Y2 = D(face.b.y);
  w->Line2X1 = D(second.a.x), w->Line2Y1 = D(second.a.y);
  w->Line2X2 = D(second.b.x), w->Line2Y2 = D(second.b.y);
  w->Thickness = D(t);
  w->Angle = angle;
  w->Colour = kBrown;
  w->PenWidth = 1;
  return w;
}

// An external wall; the third and fourth lines only for cavity walls.
std::shared_ptr<TExtwallobj> Extwall(int32 angle, Seg face, Seg second, Seg third = {},
                                     Seg fourth = {}, int32 cavity = 0) {
  auto w = std::make_shared<TExtwallobj>();
  w->X1 = D(face.a.x), w->Y1 = D(face.a.y), w->X2 = D(face.b.x), w->Y2 = D(face.b.y);
  w->Line2X1 = D(second.a.x), w->Line2Y1 = D(second.a.y);
  w->Line2X2 = D(second.b.x), w->Line2Y2 = D(second.b.y);
  w->Line3X1 = D(third.a.x), w->Line3Y1 = D(third.a.y);
  w->Line3X2 = D(third.b.x), w->Line3Y2 = D(third.b.y);
  w->Line4X1 = D(fourth.a.x), w->Line4Y1 = D(fourth.a.y);
  w->Line4X2 = D(fourth.b.x), w->Line4Y2 = D(fourth.b.y);
  w->Thickness1 = D(100);
  w->Thickness2 = D(100);
  w->CavityWidth = cavity;
  w->Angle = angle;
  w->Colour = kBrown;
  w->PenWidth = 1;
  return w;
}

class DetailedWalls : public ::testing::Test {
 protected:
  void SetUp() override {
    PixelScale = 5;
    ZoomUnits = 4;  // face lines 4 wide, hatching 2 wide
  }

  void Draw(TObj& w, int32 highlight = 0) {
    dc_.Clear();
    w.DrawDetailed(dc_, highlight);
  }
  std::vector<DcRecord> LinesOfWidth(int width) const {
    std::vector<DcRecord> out;
    for (const DcRecord& r : dc_.Lines())
      if (r.pen.width == width) out.push_back(r);
    return out;
  }
  std::vector<Seg> Hatching() const {
    std::vector<Seg> out;
    for (const DcRecord& r : LinesOfWidth(2)) out.push_back({r.from, r.to});
    return out;
  }

  ScratchProgramDir dir_;
  // A surface that shows every wall below whole: hatching stops where the
  // device does.
  RecordingDC dc_{{4000, 4000}};
};

// ---- One wall per direction -------------------------------------------------------------

struct HatchCase {
  const char* story;
  std::function<std::shared_ptr<TObj>()> make;
  int faceLines;
  int hatchLines;
  Seg first, second;  // the first two hatch lines
  int innerAt = -1;   // index of the inner band's first line, -1 none
  Seg innerFirst{}, innerSecond{};
};
void PrintTo(const HatchCase& c, std::ostream* os) { *os << c.story; }

class WallHatching : public DetailedWalls, public ::testing::WithParamInterface<HatchCase> {};

TEST_P(WallHatching, DrawsItsLinesWhereTheyBelong) {
  const HatchCase& c = GetParam();
  auto wall = c.make();
  Draw(*wall);
  EXPECT_EQ(LinesOfWidth(4).size(), size_t(c.faceLines)) << c.story;
  const std::vector<Seg> h = Hatching();
  ASSERT_EQ(h.size(), size_t(c.hatchLines)) << c.story;
  if (c.hatchLines >= 2) {
    EXPECT_EQ(h[0], c.first) << c.story;
    EXPECT_EQ(h[1], c.second) << c.story;
  }
  if (c.innerAt >= 0) {
    EXPECT_EQ(h[c.innerAt], c.innerFirst) << c.story;
    EXPECT_EQ(h[c.innerAt + 1], c.innerSecond) << c.story;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Internal, WallHatching,
    ::testing::Values(
        HatchCase{"a horizontal internal wall: 21 pairs",
                  [] {
                    return Inwall(900, {{0, 600}, {3000, 600}}, {{0, 0}, {3000, 0}});
                  },
                  2,
                  42,
                  {{100, 600}, {200, 0}},
                  {{115, 600}, {215, 0}}},
        HatchCase{"the same wall drawn from right to left",
                  [] {
                    return Inwall(2700, {{3000, 600}, {0, 600}}, {{3000, 0}, {0, 0}});
                  },
                  2,
                  42,
                  {{100, 600}, {200, 0}},
                  {{115, 600}, {215, 0}}},
        HatchCase{"a vertical internal wall hatches downward from its top",
                  [] {
                    return Inwall(0, {{0, 0}, {0, 3000}}, {{100, 0}, {100, 3000}});
                  },
                  2,
                  42,
                  {{0, 2900}, {100, 2800}},
                  {{0, 2885}, {100, 2785}}},
        HatchCase{"a wall too short for a pair",
                  [] {
                    return Inwall(900, {{0, 600}, {50, 600}}, {{0, 0}, {50, 0}});
                  },
                  2,
                  0,
                  {},
                  {}},
        HatchCase{"up and right (450): single lines every 125",
                  [] {
                    return Inwall(450, {{0, 0}, {1000, 1000}}, {{71, -71}, {1071, 929}});
                  },
                  2,
                  8,
                  {{125, 125}, {125, -16}},
                  {{250, 250}, {250, 109}}},
        HatchCase{"up and right, hung from the second face when it lies higher",
                  [] {
                    return Inwall(450, {{0, 0}, {1000, 1000}}, {{-71, 71}, {929, 1071}});
                  },
                  2,
                  8,
                  {{54, 196}, {54, 55}},
                  {{179, 321}, {179, 180}}},
        HatchCase{"down and right (1350): the last line would reach below 0",
                  [] {
                    return Inwall(1350, {{0, 1000}, {1000, 0}}, {{-71, 929}, {929, -71}});
                  },
                  2,
                  7,
                  {{125, 874}, {125, 733}},
                  {{250, 749}, {250, 608}}},
        HatchCase{"down and left (2250)",
                  [] {
                    return Inwall(2250, {{1000, 1000}, {0, 0}}, {{1071, 929}, {71, -71}});
                  },
                  2,
                  7,
                  {{875, 874}, {875, 733}},
                  {{750, 749}, {750, 608}}},
        HatchCase{"up and left (3150)",
                  [] {
                    return Inwall(3150, {{1000, 0}, {0, 1000}}, {{929, -71}, {-71, 929}});
                  },
                  2,
                  8,
                  {{875, 125}, {875, -16}},
                  {{750, 250}, {750, 109}}},
        HatchCase{"a slanted wall marked 2700 gets no hatching",
                  [] {
                    return Inwall(2700, {{1000, 10}, {0, 0}}, {{1000, 110}, {0, 100}});
                  },
                  2,
                  0,
                  {},
                  {}}));

INSTANTIATE_TEST_SUITE_P(
    External, WallHatching,
    ::testing::Values(
        HatchCase{"toward +x",
                  [] {
                    return Extwall(900, {{0, 600}, {3000, 600}}, {{0, 500}, {3000, 500}});
                  },
                  2,
                  42,
                  {{100, 600}, {200, 500}},
                  {{115, 600}, {215, 500}}},
        HatchCase{"toward -x: pairs walk back from the start",
                  [] {
                    return Extwall(2700, {{3000, 0}, {0, 0}}, {{3000, 100}, {0, 100}});
                  },
                  2,
                  42,
                  {{2900, 0}, {2800, 100}},
                  {{2885, 0}, {2785, 100}}},
        HatchCase{"upward: from the top end down",
                  [] {
                    return Extwall(0, {{0, 0}, {0, 3000}}, {{-100, 0}, {-100, 3000}});
                  },
                  2,
                  42,
                  {{0, 2900}, {-100, 2800}},
                  {{0, 2885}, {-100, 2785}}},
        HatchCase{"downward: from the bottom end up",
                  [] {
                    return Extwall(1800, {{0, 3000}, {0, 0}}, {{100, 3000}, {100, 0}});
                  },
                  2,
                  42,
                  {{0, 100}, {100, 200}},
                  {{0, 115}, {100, 215}}},
        HatchCase{"up and right (450): pairs of vertical lines",
                  [] {
                    return Extwall(450, {{0, 0}, {1000, 1000}}, {{71, -71}, {1071, 929}});
                  },
                  2,
                  14,
                  {{125, 125}, {125, -16}},
                  {{140, 140}, {140, -1}}},
        HatchCase{"down and right (1350)",
                  [] {
                    return Extwall(1350, {{0, 1000}, {1000, 0}}, {{-71, 929}, {929, -71}});
                  },
                  2,
                  12,
                  {{125, 874}, {125, 733}},
                  {{140, 859}, {140, 718}}},
        HatchCase{"down and left (2250): the lines run up from the face",
                  [] {
                    return Extwall(2250, {{1000, 1000}, {0, 0}}, {{1071, 929}, {71, -71}});
                  },
                  2,
                  14,
                  {{875, 874}, {875, 1015}},
                  {{860, 859}, {860, 1000}}},
        HatchCase{"up and left (3150)",
                  [] {
                    return Extwall(3150, {{1000, 0}, {0, 1000}}, {{929, -71}, {-71, 929}});
                  },
                  2,
                  12,
                  {{875, 155}, {875, 14}},
                  {{860, 170}, {860, 29}}},
        HatchCase{"nearly upright (11): the pair's second line sits 14 higher",
                  [] {
                    return Extwall(11, {{0, 0}, {1000, 52000}}, {{100, 0}, {1100, 52000}});
                  },
                  2,
                  14,
                  {{125, 7278}, {125, 2068}},
                  {{140, 7292}, {140, 2082}}}));

INSTANTIATE_TEST_SUITE_P(
    Cavity, WallHatching,
    ::testing::Values(HatchCase{"a horizontal cavity wall hatches both leaves",
                                [] {
                                  return Extwall(900, {{0, 600}, {3000, 600}},
                                                 {{0, 500}, {3000, 500}}, {{0, 450}, {3000, 450}},
                                                 {{0, 350}, {3000, 350}}, D(50));
                                },
                                4,
                                84,
                                {{100, 600}, {200, 500}},
                                {{115, 600}, {215, 500}},
                                42,
                                {{100, 350}, {0, 450}},
                                {{115, 350}, {15, 450}}},
                      HatchCase{"a vertical cavity wall: the inner leaf below the cavity",
                                [] {
                                  return Extwall(0, {{0, 0}, {0, 3000}}, {{100, 0}, {100, 3000}},
                                                 {{150, 0}, {150, 3000}}, {{250, 0}, {250, 3000}},
                                                 D(50));
                                },
                                4,
                                82,
                                {{0, 2900}, {100, 2800}},
                                {{0, 2885}, {100, 2785}},
                                42,
                                {{150, 2850}, {250, 2750}},
                                {{150, 2835}, {250, 2735}}},
                      HatchCase{"a cavity of 2 shows four lines but hatches only the outer leaf",
                                [] {
                                  return Extwall(900, {{0, 600}, {3000, 600}},
                                                 {{0, 500}, {3000, 500}}, {{0, 450}, {3000, 450}},
                                                 {{0, 350}, {3000, 350}}, 2);
                                },
                                4,
                                42,
                                {{100, 600}, {200, 500}},
                                {{115, 600}, {215, 500}}}));

// ---- Stored bearings that do not fit the wall ---------------------------------------------

struct UprightCase {
  bool external;
  int32 angle;
};

class NearlyUprightWalls : public DetailedWalls,
                           public ::testing::WithParamInterface<UprightCase> {};

TEST_P(NearlyUprightWalls, DrawTheirLinesWithoutHatching) {
  // The ends are 3 drawing units apart across: not exactly upright, so the
  // bearing decides, and a bearing straight up or down has no slope.
  const UprightCase& c = GetParam();
  std::shared_ptr<TObj> w;
  if (c.external) {
    w = Extwall(c.angle, {{0, 0}, {0, 3000}}, {{100, 0}, {100, 3000}});
  } else {
    w = Inwall(c.angle, {{0, 0}, {0, 3000}}, {{100, 0}, {100, 3000}});
  }
  w->X2 = 3;
  Draw(*w);
  EXPECT_EQ(LinesOfWidth(4).size(), 2u);
  EXPECT_TRUE(Hatching().empty());
}

INSTANTIATE_TEST_SUITE_P(Table, NearlyUprightWalls,
                         ::testing::Values(UprightCase{false, 0}, UprightCase{false, 1800},
                                           UprightCase{false, 3600}, UprightCase{true, 0},
                                           UprightCase{true, 1800}, UprightCase{true, 3600}));

// ---- Walls beyond the device ------------------------------------------------------------

TEST_F(DetailedWalls, AWallBeyondTheDeviceHatchesWhatItShowsEachLineWhereTheWholeWallHasIt) {
  struct Case {
    const char* story;
    std::shared_ptr<TObj> wall;
    Point origin;  // of a 600 x 400 device's view of it
  };
  const Case cases[] = {
      {"internal, level", Inwall(900, {{0, 600}, {30000, 600}}, {{0, 0}, {30000, 0}}), {10000, 0}},
      {"internal, rising", Inwall(450, {{0, 0}, {30000, 30000}}, {{71, -71}, {30071, 29929}}),
       {10000, 9800}},
      {"external, rising", Extwall(450, {{0, 0}, {30000, 30000}}, {{71, -71}, {30071, 29929}}),
       {10000, 9800}},
      {"external, falling",
       Extwall(2250, {{30000, 30000}, {0, 0}}, {{29929, 30071}, {-71, 71}}), {20000, 19800}},
      {"external, upright", Extwall(0, {{0, 0}, {0, 30000}}, {{100, 0}, {100, 30000}}),
       {-200, 15000}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.story);
    RecordingDC whole({40000, 40000});
    c.wall->DrawDetailed(whole, 0);
    RecordingDC part({600, 400});
    part.SetWindowOrg(c.origin.x, c.origin.y);
    c.wall->DrawDetailed(part, 0);
    std::vector<Seg> all, shown;
    for (const DcRecord& r : whole.Lines())
      if (r.pen.width == 2) all.push_back({r.from, r.to});
    for (const DcRecord& r : part.Lines())
      if (r.pen.width == 2)
        shown.push_back({{r.from.x + c.origin.x, r.from.y + c.origin.y},
                         {r.to.x + c.origin.x, r.to.y + c.origin.y}});
    int meets = 0;
    for (const Seg& s : all) {
      const bool meetsBox = std::max(s.a.x, s.b.x) >= c.origin.x &&
                            std::min(s.a.x, s.b.x) < c.origin.x + 600 &&
                            std::max(s.a.y, s.b.y) >= c.origin.y &&
                            std::min(s.a.y, s.b.y) < c.origin.y + 400;
      if (!meetsBox) continue;
      ++meets;
      EXPECT_NE(std::find(shown.begin(), shown.end(), s), shown.end()) << s;
    }
    EXPECT_GE(meets, 3);
    for (const Seg& s : shown) EXPECT_NE(std::find(all.begin(), all.end(), s), all.end()) << s;
    EXPECT_LT(shown.size(), all.size() / 10);
  }

  // Zoomed out until a wall of a damaged file's length fits the device:
  // pairs closer than a pixel are drawn no denser than its pixels.
  RecordingDC far({600, 400});
  far.SetMapMode(plat::MM_ISOTROPIC);
  far.SetWindowExt(400000000, 400000000);
  far.SetViewportExt(600, 600);
  Extwall(900, {{0, 600}, {400000000, 600}}, {{0, 500}, {400000000, 500}})->DrawDetailed(far, 0);
  EXPECT_GT(far.Lines().size(), 300u);
  EXPECT_LE(far.Lines().size(), 2u * 600 + 10);
}

// ---- Pens -------------------------------------------------------------------------------

TEST_F(DetailedWalls, HighlightedWallsAreDrawnInTheOverlayColour) {
  auto in = Inwall(900, {{0, 600}, {3000, 600}}, {{0, 0}, {3000, 0}});
  Draw(*in, 1);
  ASSERT_FALSE(dc_.Lines().empty());
  for (const DcRecord& r : dc_.Lines()) EXPECT_EQ(r.pen.colour, OverlayColour);
  Draw(*in, 0);
  for (const DcRecord& r : dc_.Lines()) EXPECT_EQ(r.pen.colour, kBrown);
}

TEST_F(DetailedWalls, PensScaleWithTheZoomUnits) {
  ZoomUnits = 5;
  auto in = Inwall(900, {{0, 600}, {3000, 600}}, {{0, 0}, {3000, 0}});
  in->PenWidth = 3;
  in->PenStyle = plat::PS_DASH;
  Draw(*in);
  EXPECT_EQ(dc_.Lines()[0].pen, (plat::Pen{plat::PS_DASH, 15, kBrown})) << "faces: width x 5";
  EXPECT_EQ(dc_.Lines()[2].pen, (plat::Pen{plat::PS_SOLID, 6, kBrown})) << "hatch: width x 2";

  auto ext = Extwall(900, {{0, 600}, {3000, 600}}, {{0, 500}, {3000, 500}});
  ext->PenStyle = plat::PS_DASH;
  Draw(*ext);
  EXPECT_EQ(dc_.Lines()[0].pen.style, plat::PS_SOLID) << "external walls are always solid";
}

TEST_F(DetailedWalls, RestoreTheCallersPen) {
  const plat::Pen callers{plat::PS_DOT, 7, plat::RGB(1, 2, 3)};
  dc_.SelectPen(callers);
  auto ext = Extwall(450, {{0, 0}, {1000, 1000}}, {{71, -71}, {1071, 929}});
  Draw(*ext);
  EXPECT_EQ(dc_.CurrentPen(), callers);
}

}  // namespace
