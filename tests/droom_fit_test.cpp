// Where a dropped design room snaps to, how the right button aligns it, and
// the free space round a click: the examples of the merging rules over plain
// values.
#include <gtest/gtest.h>

#include "building/droom_fit.h"

namespace {

using building::Face;
using droom::Box;
using droom::MergeWall;
using droom::Shape;

// An internal wall running up with its faces at x = a and x = b.
MergeWall WallUp(int32 a, int32 b, int32 y1, int32 y2) {
  return {droom::SpanBetween({a, y1, a, y2}, {b, y1, b, y2}), false};
}
MergeWall WallAcross(int32 a, int32 b, int32 x1, int32 x2) {
  return {droom::SpanBetween({x1, a, x2, a}, {x1, b, x2, b}), true};
}
Shape Room(int32 left, int32 bottom, int32 w, int32 h) {
  return {{left, bottom + h, left + w, bottom}, w, h};
}

TEST(Merge, ALeftEdgeNearAnInternalWallFaceMovesOntoIt) {
  const std::vector<MergeWall> wall{WallUp(1000, 1100, 0, 5000)};
  const Shape r = Room(1200, 1000, 3000, 2000);  // 100 right of the right face
  EXPECT_EQ(droom::MergeBox(r, 150, 100, wall, {}), (Box{1100, 3000, 4100, 1000}));
  EXPECT_EQ(droom::MergeBox(r, 100, 100, wall, {}), r.box);  // not within 100
  // The right edge comes onto the wall's left face from the other side.
  const Shape l = Room(-2080, 1000, 3000, 2000);
  EXPECT_EQ(droom::MergeBox(l, 150, 100, wall, {}).right, 1000);
  // A wall across: the top goes under its lower face.
  const std::vector<MergeWall> across{WallAcross(3050, 3150, 0, 6000)};
  EXPECT_EQ(droom::MergeBox(r, 150, 100, across, {}).top, 3050);
}

TEST(Merge, TwoRoomsSideBySideEndAnInternalWallApart) {
  const Box neighbour = Room(0, 0, 3000, 3000).box;
  const Shape r = Room(3060, 0, 3000, 3000);  // 60 gap
  const Box b = droom::MergeBox(r, 150, 100, {}, {neighbour});
  EXPECT_EQ(b.left - neighbour.right, 100);
  EXPECT_EQ(b.right - b.left, 3000);
  EXPECT_EQ(b.top, 3000);
  // Nothing within the merging distance: the room stays where it was dropped.
  EXPECT_EQ(droom::MergeBox(Room(3500, 0, 3000, 3000), 150, 100, {}, {neighbour}),
            Room(3500, 0, 3000, 3000).box);
}

TEST(Merge, PerAxisTheNearerOfWallAndRoomWins) {
  // A wall face 40 left of the room and a neighbour whose side lies 90 off:
  // the wall is nearer across; the neighbour's top lines up the top.
  const std::vector<MergeWall> wall{WallUp(900, 1000, -5000, 5000)};
  const Shape r = Room(1040, 0, 2900, 3000);                     // right at 3940
  const Box neighbour = Room(3940 + 90, 20, 2000, 3000).box;  // top at 3020
  const Box b = droom::MergeBox(r, 150, 100, wall, {neighbour});
  EXPECT_EQ(b.left, 1000);
  EXPECT_EQ(b.top, 3020);
}

TEST(Merge, BothEdgesFromRoomsComeFromOneNeighbour) {
  // Neighbour A lies nearest across, B nearest up and down; only one of
  // them may place the room, or it would end up flush with neither.
  const Box a = Room(3040, 120, 2000, 3000).box;    // 40 right of the room, top 3120
  const Box b = Room(-2100, 3110, 2000, 2000).box;  // 100 left, bottom 60 above the top
  const Shape r = Room(0, 0, 3000, 3050);           // top 3050
  const Box m = droom::MergeBox(r, 150, 100, {}, {a, b});
  // A is nearer across (40) and places the room a wall's width left of it,
  // flush with its top; B's bottom (60 off, nearer than A's top at 70) must
  // not take the top.
  EXPECT_EQ(m.right, a.left - 100);
  EXPECT_EQ(m.top, a.top);
  EXPECT_EQ(m.top - m.bottom, 3050);
}

TEST(Align, LinesUpWithTheOtherRoomsWhenNear) {
  const Box other = Room(0, 0, 3000, 3000).box;
  // Left edges 80 apart, right edges far: the left edge lines up.
  Box b = droom::AlignBox(Room(80, 5000, 2000, 2000), 150, {other});
  EXPECT_EQ(b.left, 0);
  EXPECT_EQ(b.right, 2000);
  // Right edges 60 apart and nearer than the left: the right edge lines up.
  b = droom::AlignBox(Room(1060, 5000, 2000, 2000), 150, {other});
  EXPECT_EQ(b.right, 3000);
  EXPECT_EQ(b.left, 1000);
  // Bottoms 50 apart: the bottom lines up, the height stays.
  b = droom::AlignBox(Room(5000, 50, 2000, 2000), 150, {other});
  EXPECT_EQ(b.bottom, 0);
  EXPECT_EQ(b.top, 2000);
  // No other room: nothing changes.
  EXPECT_EQ(droom::AlignBox(Room(80, 5000, 2000, 2000), 150, {}), Room(80, 5000, 2000, 2000).box);
}

TEST(Align, EveryRoomCountsNotOnlyTheFirstTwenty) {
  std::vector<Box> others;
  for (int i = 0; i < 25; ++i) others.push_back(Room(10000 + i * 100, 10000, 50, 50).box);
  others.push_back(Room(0, 0, 1000, 1000).box);  // the 26th sets the left extent
  const Box b = droom::AlignBox(Room(90, 20000, 1000, 1000), 150, others);
  EXPECT_EQ(b.left, 0);
}

// An enclosure of external walls 0..10000 x 0..8000 (inner faces).
droom::FreeSpaceInput Enclosure(int32 x, int32 y) {
  droom::FreeSpaceInput in;
  in.x = x;
  in.y = y;
  in.s = 100;
  in.externalFaces = {{0, 0, 10000, 0}, {0, 8000, 10000, 8000}, {0, 0, 0, 8000},
                      {10000, 0, 10000, 8000}};
  return in;
}

TEST(FreeSpace, BetweenWallFacesAndBesideRooms) {
  droom::FreeSpaceInput in = Enclosure(5000, 4000);
  droom::FreeSpaceResult r = droom::FindFreeSpace(in);
  ASSERT_EQ(r.failure, droom::FreeSpaceFailure::None);
  EXPECT_EQ(r.space, (Box{0, 8000, 10000, 0}));

  // A room on the left leaves a wall's width beside it; an internal wall on
  // the right bounds by its nearer face.
  in.rooms = {Room(0, 0, 3000, 8000).box};
  in.internalFaces = {{7000, 0, 7000, 8000}, {7100, 0, 7100, 8000}};
  r = droom::FindFreeSpace(in);
  ASSERT_EQ(r.failure, droom::FreeSpaceFailure::None);
  EXPECT_EQ(r.space.left, 3100);
  EXPECT_EQ(r.space.right, 7000);
}

TEST(FreeSpace, AnOpenSideReachesPastTheExtent) {
  // A corridor open at its right end: walls above and below and on the
  // left; the building reaches to x = 10000 elsewhere.
  droom::FreeSpaceInput in;
  in.x = 2000;
  in.y = 500;
  in.s = 100;
  in.externalFaces = {{0, 0, 6000, 0}, {0, 1000, 6000, 1000}, {0, 0, 0, 1000},
                      {10000, 5000, 10000, 8000}};
  const droom::FreeSpaceResult r = droom::FindFreeSpace(in);
  ASSERT_EQ(r.failure, droom::FreeSpaceFailure::None);
  EXPECT_EQ(r.space, (Box{0, 1000, 10000 + 100, 0}));
}

TEST(FreeSpace, AClickOnARoomOrAWallOrOutsideFails) {
  droom::FreeSpaceInput in = Enclosure(1500, 1500);
  in.rooms = {Room(1000, 1000, 1000, 1000).box};
  EXPECT_EQ(droom::FindFreeSpace(in).failure, droom::FreeSpaceFailure::Blocked);
  in = Enclosure(0, 4000);  // on a face
  EXPECT_EQ(droom::FindFreeSpace(in).failure, droom::FreeSpaceFailure::Blocked);
  in = Enclosure(12000, 4000);  // outside everything
  EXPECT_EQ(droom::FindFreeSpace(in).failure, droom::FreeSpaceFailure::Blocked);
  in = Enclosure(5000, 4000);
  in.externalFaces.clear();
  EXPECT_EQ(droom::FindFreeSpace(in).failure, droom::FreeSpaceFailure::Blocked);
  // A sloping face reaching into the space makes the measure untrustworthy.
  in = Enclosure(5000, 4000);
  in.internalFaces = {{6000, 1000, 9000, 3000}};
  EXPECT_EQ(droom::FindFreeSpace(in).failure, droom::FreeSpaceFailure::Angled);
}

}  // namespace
