// The element classes and the element list as the tools and readers use
// them: what the constructors keep, what a kind makes, and how the list
// owns its elements.
#include "model/elements.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "model/flist.h"
#include "model/globals.h"

namespace {

class ElementsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    DrawingColour = plat::RGB(10, 20, 30);
  }
};

TEST_F(ElementsTest, TextGetsTheTrueLengthsWhateverLengthsItIsGiven) {
  TTextobj t(kind::Text, view::Ground, 5, 6, 100, 200, 900, 0, 1, 0xff, 0, 0, 1, 0, 12, 400,
             "Arial", "Kitchen");
  EXPECT_STREQ(t.Text, "Kitchen");
  EXPECT_EQ(t.TextLength, 7);
  EXPECT_STREQ(t.FontFace, "Arial");
  EXPECT_EQ(t.FaceLength, 5);
  EXPECT_EQ(t.PenWidth, 1);
  EXPECT_EQ(t.PenStyle, 0);
  EXPECT_EQ(t.FillColour, 0u);
  EXPECT_EQ(t.X2, 900);
  EXPECT_EQ(t.Marked, 1);
}

TEST_F(ElementsTest, OverlongTextsAreCutToTheirArrays) {
  const std::string longText(200, 'x');
  const std::string longFace(50, 'f');
  TTextobj t(kind::Text, 120, 0, 0, 0, 0, 0, 0, 0, 0, 200, 0, 1, 50, 10, 400, longFace.c_str(),
             longText.c_str());
  EXPECT_EQ(t.TextLength, kTextCapacity - 1);
  EXPECT_EQ(std::strlen(t.Text), static_cast<std::size_t>(kTextCapacity - 1));
  EXPECT_EQ(t.FaceLength, kFaceCapacity - 1);
  EXPECT_EQ(std::strlen(t.FontFace), static_cast<std::size_t>(kFaceCapacity - 1));
}

TEST_F(ElementsTest, RoomTextsAreCutAtTheGivenLengthAndAtTheirArrays) {
  TRoomobj room(kind::Room, 40, 7, 7, 0, 3000, 4000, 0, 4000, 3000, 1, 0xffffff, 10, 4, 5, 40,
                "Lounge", "4000 ", "a very long height text indeed");
  EXPECT_STREQ(room.RoomName, "Loun");
  EXPECT_EQ(room.NameLength, 4);
  EXPECT_STREQ(room.WidthText, "4000 ");
  EXPECT_EQ(room.HeightTextLength, kRoomHeightTextCapacity - 1);
  EXPECT_EQ(room.Colour, DrawingColour);
  EXPECT_EQ(room.RoomFill, 0xffffffu);
}

TEST_F(ElementsTest, RoomWithNegativeLengthKeepsNoText) {
  TRoomobj room(kind::Room, 40, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 10, -3, 0, 0, "Hall", "", "");
  EXPECT_STREQ(room.RoomName, "");
  EXPECT_EQ(room.NameLength, 0);
}

TEST_F(ElementsTest, PolygonClearsEveryPointBeyondItsCount) {
  int32 xs[kMaxPolyPoints], zs[kMaxPolyPoints], ys[kMaxPolyPoints];
  for (int i = 0; i < kMaxPolyPoints; ++i) xs[i] = zs[i] = ys[i] = 99;
  const int32 hidden[4] = {1, 2, 3, 4};
  TPolyobj p(6000, 120, 1, 2, 0, 0, 0, 0, 3, 0, 0, 0, 0x123, 0, 0x456, 7, 8, 9, xs, zs, ys, hidden);
  EXPECT_EQ(p.PointCount, 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(p.PointX[i], 99);
  for (int i = 3; i < kMaxPolyPoints; ++i) {
    EXPECT_EQ(p.PointX[i], 0);
    EXPECT_EQ(p.PointY[i], 0);
    EXPECT_EQ(p.PointZ[i], 0);
  }
  EXPECT_EQ(p.HiddenEdges[3], 4);
  EXPECT_EQ(p.FillColour, 0x123u);
  EXPECT_EQ(p.X1, 0);
  EXPECT_EQ(p.Marked, 0);
}

TEST_F(ElementsTest, PolygonNeverTakesMoreThanNineteenPoints) {
  int32 xs[40] = {}, zs[40] = {}, ys[40] = {};
  const int32 hidden[4] = {};
  TPolyobj p(6000, 120, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0, 0, 0, 0, 0, 0, 0, xs, zs, ys, hidden);
  EXPECT_EQ(p.PointCount, kMaxPolyPoints);
  TPolyobj q(6000, 120, 0, 0, 0, 0, 0, 0, -5, 0, 0, 0, 0, 0, 0, 0, 0, 0, xs, zs, ys, hidden);
  EXPECT_EQ(q.PointCount, 0);
}

TEST_F(ElementsTest, DefaultConstructorsGiveWhatTheReadersExpect) {
  TInwallobj wall;
  EXPECT_EQ(wall.Kind, kind::InWall);
  EXPECT_EQ(wall.WallValues[3], -1);
  EXPECT_EQ(wall.WallValues[4], -1);
  EXPECT_EQ(wall.StartMeetAngle(), -1);
  EXPECT_EQ(wall.Colour, DrawingColour);
  EXPECT_EQ(wall.PenWidth, 1);

  TDimensobj dim;
  EXPECT_EQ(dim.Shown, 1);
  EXPECT_EQ(dim.Kind, kind::Line);

  TDoorobj door;
  EXPECT_EQ(door.OpeningValues[9], 1);

  TLineobj line;
  EXPECT_EQ(line.Colour, 0u);
  EXPECT_EQ(line.PenWidth, 0);

  TInfoobj info;
  EXPECT_EQ(info.Colour, 0u);
  EXPECT_EQ(info.PenWidth, 0);

  EXPECT_EQ(TExtwallobj().Kind, kind::ExtWall);
  EXPECT_EQ(TCircleobj().Kind, kind::Circle);
}

TEST_F(ElementsTest, FullConstructorsStoreValuesInRecordOrder) {
  const int32 codes[4] = {100, 101, 102, 103};
  TExtwallobj w(100, 120, 3, 4, 1, 10, 11, 12, 13, 14, 15, 21, 22, 23, 24, 31, 32, 33, 34, 41, 42,
                43, 44, 51, 52, 53, 60, 61, 62, 63, 64, 70, 71, 900, 72, 73, 74, 0xabc, codes);
  EXPECT_EQ(w.WallFlag, 1);
  EXPECT_EQ(w.X1, 10);
  EXPECT_EQ(w.Marked, 11);
  EXPECT_EQ(w.Y1, 12);
  EXPECT_EQ(w.X2, 13);
  EXPECT_EQ(w.Tag2, 14);
  EXPECT_EQ(w.Y2, 15);
  EXPECT_EQ(w.Line3X2, 33);
  EXPECT_EQ(w.Line4Y2, 44);
  EXPECT_EQ(w.RefZ, 52);
  EXPECT_EQ(w.Thickness2, 62);
  EXPECT_EQ(w.WallValues[1], 71);
  EXPECT_EQ(w.Angle, 900);
  EXPECT_EQ(w.WallValues[4], 74);
  EXPECT_EQ(w.WallCodes[3], 103);
  EXPECT_EQ(w.PenWidth, 1);

  TInwallobj iw(150, 120, 3, 4, 1, 10, 11, 12, 13, 14, 15, 21, 22, 23, 24, 25, 51, 52, 53, 110, 3,
                80, 81, 82, 2700, 900, 1800, 85, 86, 0x1, codes);
  EXPECT_EQ(iw.Line2Z1, 22);
  EXPECT_EQ(iw.Thickness, 110);
  EXPECT_EQ(iw.HatchPairs, 3);
  EXPECT_EQ(iw.StartMeetAngle(), 2700);
  EXPECT_EQ(iw.EndMeetAngle(), 900);
  EXPECT_EQ(iw.Angle, 1800);
  EXPECT_EQ(iw.WallValues[6], 86);

  TArcobj arc(3, 120, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 1, 2);
  EXPECT_EQ(arc.Y1, 3);
  EXPECT_EQ(arc.X2, 4);
  EXPECT_EQ(arc.Tag2, 5);
  EXPECT_EQ(arc.EndY, 10);

  TInfoobj info(32001, 121, 0, 0, 55, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 1, 0);
  EXPECT_EQ(info.InfoValues[0], 55);
  EXPECT_EQ(info.X1, 4);
  EXPECT_EQ(info.Y2, 9);
  EXPECT_EQ(info.InfoValues[4], 10);
}

TEST_F(ElementsTest, TheKindDecidesTheClass) {
  auto classOf = [](int32 k) { return ClassOfKind(k); };
  EXPECT_EQ(classOf(110), ElementClass::ExtWall);
  EXPECT_EQ(classOf(155), ElementClass::InWall);
  EXPECT_EQ(classOf(29500), ElementClass::Room);
  EXPECT_EQ(classOf(32003), ElementClass::Info);
  EXPECT_EQ(classOf(99), ElementClass::Line);
  EXPECT_EQ(classOf(37), ElementClass::Text);
  EXPECT_EQ(classOf(2000), ElementClass::Poly);
  EXPECT_EQ(classOf(10), ElementClass::None);
  EXPECT_EQ(classOf(38), ElementClass::None);
  EXPECT_EQ(classOf(27000), ElementClass::None);
  EXPECT_EQ(classOf(-1), ElementClass::None);

  std::unique_ptr<TObj> e(NewElementOfKind(110));
  ASSERT_NE(dynamic_cast<TExtwallobj*>(e.get()), nullptr);
  EXPECT_EQ(e->Kind, 110);
  e.reset(NewElementOfKind(29500));
  EXPECT_NE(dynamic_cast<TRoomobj*>(e.get()), nullptr);
  e.reset(NewElementOfKind(32003));
  EXPECT_NE(dynamic_cast<TInfoobj*>(e.get()), nullptr);
  EXPECT_EQ(NewElementOfKind(38), nullptr);
}

// ---- The list --------------------------------------------------------------------

TEST_F(ElementsTest, NewDrawingHoldsSixInformationRecords) {
  DrawingList.Add(new TLineobj());
  InitDrawingList();
  ASSERT_EQ(DrawingList.Count(), 6);
  EXPECT_EQ(DrawingList.At(3)->Kind, 32003);
  EXPECT_EQ(DrawingList.At(3)->Floor, 123);
  EXPECT_EQ(DrawingList.At(5)->Floor, 125);
  EXPECT_EQ(DrawingList.At(0)->Colour, DrawingColour);
  EXPECT_EQ(DrawingList.At(0)->PenWidth, 1);
  EXPECT_NE(dynamic_cast<TInfoobj*>(DrawingList.At(0)), nullptr);
  DrawingList.Clear();
}

TEST_F(ElementsTest, ListKeepsOrderBeyondItsFirstFortyAndOwnsItsElements) {
  TFlist list;
  list.Clear();  // clearing an empty list is harmless
  EXPECT_EQ(list.Count(), 0);
  for (int i = 0; i < 41; ++i) {
    auto* l = new TLineobj();
    l->Tag1 = i;
    list.Add(l);
  }
  ASSERT_EQ(list.Count(), 41);
  for (int i = 0; i < 41; ++i) EXPECT_EQ(list.At(i)->Tag1, i);

  list.RemoveAt(0);
  EXPECT_EQ(list.Count(), 40);
  EXPECT_EQ(list.At(0)->Tag1, 1);

  // A slot can be replaced in place; the old element is then the caller's.
  std::unique_ptr<TObj> old(list.At(5));
  list.At(5) = new TCircleobj();
  EXPECT_EQ(list.At(5)->Kind, kind::Circle);
  EXPECT_EQ(list.Data()[5], list.At(5));

  std::unique_ptr<TObj> taken(list.Detach(list.Count() - 1));
  EXPECT_EQ(taken->Tag1, 40);
  EXPECT_EQ(list.Count(), 39);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST_F(ElementsTest, FileContextHoldsItsLimitsAndFloorArea) {
  TFlist list;
  list.SetDrawingName("a-drawing-name-longer-than-twenty-four");
  EXPECT_EQ(list.DrawingName.size(), TFlist::kDrawingNameMax);
  list.SetNewRoomName("Bedroom");
  EXPECT_EQ(list.NewRoomName, "Bedroom");
  list.SetFloorArea(153);
  EXPECT_EQ(list.GetFloorArea(), 153);
  // The largest areas round up as floats and must not overflow on the way back.
  list.SetFloorArea(INT32_MAX);
  EXPECT_EQ(list.GetFloorArea(), INT32_MAX);
  list.SetFloorArea(INT32_MIN);
  EXPECT_EQ(list.GetFloorArea(), INT32_MIN);
}

}  // namespace
