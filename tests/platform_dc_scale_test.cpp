// The scale of the mapping is worked out when the mapping changes, not at
// every point: each change must still take effect at once, and points must
// round as before (halves away from zero).
#include <gtest/gtest.h>

#include "platform/recording_dc.h"

using namespace plat;

TEST(PlatformMappingScale, EveryChangeOfTheMappingTakesEffectAtOnce) {
  RecordingDC dc;
  dc.SetMapMode(MM_ANISOTROPIC);
  dc.SetWindowExt(100, 100);
  dc.SetViewportExt(200, 50);
  EXPECT_EQ(dc.LPtoDP({10, 10}), (Point{20, 5}));
  EXPECT_EQ(dc.LengthToDevice(10), 20);

  dc.SetWindowExt(50, 100);  // x now four pixels a unit
  EXPECT_EQ(dc.LPtoDP({10, 10}), (Point{40, 5}));
  dc.SetViewportExt(50, -100);  // one pixel a unit, y turned over
  EXPECT_EQ(dc.LPtoDP({10, 10}), (Point{10, -10}));

  dc.SetMapMode(MM_ISOTROPIC);  // the smaller scale on both axes
  dc.SetViewportExt(25, -100);
  EXPECT_EQ(dc.LPtoDP({10, 10}), (Point{5, -5}));
  EXPECT_EQ(dc.DPtoLP({5, -5}), (Point{10, 10}));

  dc.SetMapMode(MM_TEXT);  // extents no longer count
  EXPECT_EQ(dc.LPtoDP({10, 10}), (Point{10, 10}));
  EXPECT_EQ(dc.LengthToDevice(7), 7);

  // A refused extent (zero) leaves the scale as it was.
  dc.SetMapMode(MM_ANISOTROPIC);
  dc.SetWindowExt(0, 10);
  EXPECT_EQ(dc.LPtoDP({10, 10}), (Point{5, -10}));
}

TEST(PlatformMappingScale, HalfPixelsRoundAwayFromZero) {
  RecordingDC dc;
  dc.SetMapMode(MM_ANISOTROPIC);
  dc.SetWindowExt(2, 2);
  dc.SetViewportExt(1, 1);  // half a pixel a unit
  EXPECT_EQ(dc.LPtoDP({1, -1}), (Point{1, -1}));
  EXPECT_EQ(dc.LPtoDP({3, -3}), (Point{2, -2}));
  EXPECT_EQ(dc.LPtoDP({-5, 5}), (Point{-3, 3}));
  EXPECT_EQ(dc.LPtoDP({4, -4}), (Point{2, -2}));
  // Far from the origin, at the ends of the 32-bit range.
  dc.SetWindowExt(1, 1);
  dc.SetViewportExt(1, 1);
  EXPECT_EQ(dc.LPtoDP({2147483647, -2147483647 - 1}), (Point{2147483647, -2147483647 - 1}));
}
