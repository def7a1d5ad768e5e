// Design-room geometry over plain values: size texts, ids, the new room's
// place, grabbing, the quarter turn and the arrow-key edits.
#include <gtest/gtest.h>

#include "building/droom_geometry.h"

namespace {

using droom::Box;
using droom::KeyEdit;
using droom::Shape;
using droom::Side;

TEST(RoomSizeText, MetricIsWholeMillimetresAndImperialFeetInchesEighths) {
  struct Case {
    int32 length;
    int32 metric;
    const char* text;
  };
  const Case cases[] = {
      {3600, 1, "3600"},
      {2400, 1, "2400"},
      {3609, 0, "12' 6 3/8''"},
      {3600, 0, "12' 6''"},
      {3603, 0, "12' 6 1/8''"},
      {3606, 0, "12' 6 1/4''"},
      {3612, 0, "12' 6 1/2''"},
      {3615, 0, "12' 6 5/8''"},
      {3618, 0, "12' 6 3/4''"},
      {3621, 0, "12' 6 7/8''"},
      // A remainder that is not a whole eighth rounds down: never "0/0".
      {3601, 0, "12' 6''"},
      {3602, 0, "12' 6''"},
      {3610, 0, "12' 6 3/8''"},
      {3623, 0, "12' 6 7/8''"},
      {288, 0, "1' 0''"},
      {23, 0, "0' 0 7/8''"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(droom::SizeText(c.length, c.metric), c.text) << c.length;
}

TEST(RoomIds, EachFloorHasItsBaseAndItsRoomWallValue) {
  struct Case {
    int32 view, base, wallIndex;
  };
  const Case cases[] = {
      {40, 10000, 0}, {120, 10000, 0}, {41, 11000, 1}, {121, 11000, 1}, {42, 12000, 2},
      {122, 12000, 2}, {43, 13000, 3}, {123, 13000, 3}, {44, 14000, 4}, {124, 14000, 4},
      {125, 15000, 5}, {190, 10000, 0}, {80, 10000, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(droom::FloorIdBase(c.view), c.base) << c.view;
    EXPECT_EQ(droom::RoomWallIndex(c.view), c.wallIndex) << c.view;
  }
}

TEST(NewRoomPlace, BottomLeftOfTheVisibleAreaTwoUnitsIn) {
  // Origin (100, 40) in logical units, 5 mm each: corner at (110, 50) x 5.
  const Box b = droom::NewRoomBox(3600, 2400, 100, 40, 5);
  EXPECT_EQ(b, (Box{550, 250 + 2400, 550 + 3600, 250}));
}

TEST(Grab, NearTheCentreMovesWithoutSnappingElsewhereWithSnapping) {
  const Shape room{{1000, 4000, 4000, 2000}, 3000, 2000};  // centre (2500, 3000)
  EXPECT_EQ(droom::GrabStep(room, 2500, 3000, 5), 6);
  EXPECT_EQ(droom::GrabStep(room, 2500 + 299, 3000 - 299, 5), 6);
  EXPECT_EQ(droom::GrabStep(room, 2500 + 300, 3000, 5), 5);
  EXPECT_EQ(droom::GrabStep(room, 1100, 3900, 5), 5);
  EXPECT_TRUE(droom::StrictlyContains(room.box, 1001, 2001));
  EXPECT_FALSE(droom::StrictlyContains(room.box, 1000, 3000));  // on the edge
  EXPECT_FALSE(droom::StrictlyContains(room.box, 2500, 4000));
}

TEST(Turn, KeepsTheCentreAndExactSizes) {
  const Shape room{{1000, 4000, 4000, 2000}, 3000, 2000};
  const Shape t = droom::Turned(room);
  EXPECT_EQ(t.box, (Box{1500, 4500, 3500, 1500}));
  EXPECT_EQ(t.width, 2000);
  EXPECT_EQ(t.height, 3000);
  // Odd sizes keep their exact width and height, turn after turn.
  Shape odd{{0, 3001, 2999, 0}, 2999, 3001};
  for (int i = 0; i < 4; ++i) {
    odd = droom::Turned(odd);
    EXPECT_EQ(odd.box.right - odd.box.left, odd.width);
    EXPECT_EQ(odd.box.top - odd.box.bottom, odd.height);
  }
  EXPECT_EQ(odd.width, 2999);
  EXPECT_EQ(odd.height, 3001);
}

TEST(ArrowEdits, GrowShrinkMoveAndNudgeByTheTable) {
  const Shape r{{1000, 5000, 4000, 2000}, 3000, 3000};
  struct Case {
    KeyEdit edit;
    Side side;
    Box box;
    int32 width, height, sizeText;
  };
  const Case cases[] = {
      {KeyEdit::Enlarge, Side::Left, {900, 5000, 4000, 2000}, 3100, 3000, 2},
      {KeyEdit::Enlarge, Side::Up, {1000, 5100, 4000, 2000}, 3000, 3100, 1},
      {KeyEdit::Enlarge, Side::Right, {1000, 5000, 4100, 2000}, 3100, 3000, 2},
      {KeyEdit::Enlarge, Side::Down, {1000, 5000, 4000, 1900}, 3000, 3100, 1},
      {KeyEdit::Shrink, Side::Left, {1100, 5000, 4000, 2000}, 2900, 3000, 2},
      {KeyEdit::Shrink, Side::Up, {1000, 4900, 4000, 2000}, 3000, 2900, 1},
      {KeyEdit::Shrink, Side::Right, {1000, 5000, 3900, 2000}, 2900, 3000, 2},
      {KeyEdit::Shrink, Side::Down, {1000, 5000, 4000, 2100}, 3000, 2900, 1},
      {KeyEdit::MoveBy, Side::Left, {900, 5000, 3900, 2000}, 3000, 3000, 0},
      {KeyEdit::MoveBy, Side::Up, {1000, 5100, 4000, 2100}, 3000, 3000, 0},
      {KeyEdit::MoveBy, Side::Right, {1100, 5000, 4100, 2000}, 3000, 3000, 0},
      {KeyEdit::MoveBy, Side::Down, {1000, 4900, 4000, 1900}, 3000, 3000, 0},
      {KeyEdit::Nudge, Side::Left, {975, 5000, 3975, 2000}, 3000, 3000, 0},
      {KeyEdit::Nudge, Side::Down, {1000, 4975, 4000, 1975}, 3000, 3000, 0},
  };
  for (const Case& c : cases) {
    const droom::KeyResult k = droom::ApplyArrow(r, c.edit, c.side, 100, 25, 100);
    EXPECT_TRUE(k.changed);
    EXPECT_EQ(k.shape.box, c.box) << int(c.edit) << " " << int(c.side);
    EXPECT_EQ(k.shape.width, c.width);
    EXPECT_EQ(k.shape.height, c.height);
    EXPECT_EQ(k.sizeText, c.sizeText);
  }
}

TEST(ArrowEdits, AShrinkStopsAtTheSmallestRoom) {
  const Shape r{{0, 1000, 250, 0}, 250, 1000};
  // 200 would leave 50: the side stops at 100.
  droom::KeyResult k = droom::ApplyArrow(r, KeyEdit::Shrink, Side::Right, 200, 25, 100);
  EXPECT_TRUE(k.changed);
  EXPECT_EQ(k.shape.box, (Box{0, 1000, 100, 0}));
  EXPECT_EQ(k.shape.width, 100);
  // At the smallest room nothing changes; the box keeps left < right.
  k = droom::ApplyArrow(k.shape, KeyEdit::Shrink, Side::Left, 500, 25, 100);
  EXPECT_FALSE(k.changed);
  EXPECT_EQ(k.shape.box, (Box{0, 1000, 100, 0}));
  EXPECT_EQ(droom::MinRoomSide(1), 100);
  EXPECT_EQ(droom::MinRoomSide(0), 96);
}

}  // namespace
