// Walls edited in a finished house as a user edits them: a room locked into
// its walls with a door in one of them, its walls deleted and moved one at a
// time; an external wall deleted from a dimensioned floor; a room against a
// wall given a thinner type; a kind-110 wall on a floor that is centred. The
// live file checked after each step.
#include <algorithm>
#include <functional>
#include <tuple>
#include <vector>

#include "dialogs/inwall_dialogs.h"
#include "dialogs/opening_dialogs.h"
#include "dialogs/wall_dialogs.h"
#include "model/group_ids.h"
#include "tests/droom_fixture.h"

namespace {

using P = plat::Point;

class RoomWallStory : public roomfix::RoomTest {
 protected:
  dlg::InstalledScript<TTExtwalldlg> wallType;
  dlg::InstalledScript<TTSnapdlg> adjust;
  dlg::InstalledScript<TTExdoordlg> doorDlg;
  dlg::InstalledScript<TTDoorplandlg> planDlg;

  void PointAt(int32 x, int32 y) { ui.cursor = Window().window.ClientToScreen(Px(x, y)); }
  void EnterAt(int32 x, int32 y) {
    PointAt(x, y);
    Key(plat::VK_RETURN);
  }
  // The elements of the live file.
  std::vector<TObj*> InFile(int32 k) {
    DrawingList.Clear();
    DrawingList.ReadDrawingFile(dtDrawing);
    std::vector<TObj*> out;
    for (int32 i = 6; i < DrawingList.Count(); ++i)
      if (DrawingList.At(i)->Kind == k && DrawingList.At(i)->Floor == view::Ground)
        out.push_back(DrawingList.At(i));
    return out;
  }
  template <class T>
  std::vector<T> Copies(int32 k) {
    std::vector<T> out;
    for (TObj* e : InFile(k)) out.push_back(*static_cast<T*>(e));
    return out;
  }
  // A house of walling 200 whose inner faces stand `gap` round one room of
  // 3000 x 3000, locked into walls of 100 with its name, both size texts
  // and both dimensions.
  void House(int32 gap = 2000, const std::function<void()>& beforeMarking = {}) {
    wallMetric.Answer([](dlg::TTRoomptndlg& d) { d.thickness = 100; });
    roomMetric.Answer([](dlg::TTRoomdlg& d) {
      d.name = "Bed";
      d.width = 3000;
      d.length = 3000;
      d.dimensionChoice = 2;
    });
    NewDrawing("HOME", 1, true);
    const TRoomobj r = RoomNamed("Bed");
    Drag(r.X1 + 200, r.Y1 - 200, 16000 + 200, 15000 - 200);
    const TRoomobj at = RoomNamed("Bed");
    if (beforeMarking) beforeMarking();
    wallType.Answer([](TTExtwalldlg& d) { d.type = walltype::Walling200; });
    ui.ExpectQuestion(plat::mrYes).WithText("do you wish to save drawing changes?");
    form->CmMarkWallsExecute();
    EnterAt(at.X1 - gap, at.Y1 + gap);
    EnterAt(at.X2 + gap, at.Y1 + gap);
    EnterAt(at.X2 + gap, at.Y2 - gap);
    EnterAt(at.X1 - gap, at.Y2 - gap);
    ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbYes, plat::mrYes)
        .Containing("Total Building Area this floor");
    Key(plat::VK_F);
    ASSERT_EQ(CurrentView, view::Ground);
  }
  // What locking made for the room, and the parts of an opening.
  std::vector<TInwallobj> RoomWalls(const TRoomobj& r) {
    std::vector<TInwallobj> out;
    for (const TInwallobj& w : Copies<TInwallobj>(kind::InWall))
      if (w.LinkId == r.Tag1) out.push_back(w);
    return out;
  }
  std::vector<TTextobj> RoomTexts(const TRoomobj& r) {
    std::vector<TTextobj> out;
    for (int32 k : {kind::WallLabel, kind::WallLengthText})
      for (const TTextobj& t : Copies<TTextobj>(k))
        if (t.Tag1 == r.Tag1) out.push_back(t);
    return out;
  }
  std::vector<TDimensobj> RoomDimensions(const TRoomobj& r) {
    std::vector<TDimensobj> out;
    for (const TDimensobj& d : Copies<TDimensobj>(kind::Dimension261))
      if (d.Tag1 == r.Tag1) out.push_back(d);
    return out;
  }
  // Each part of the opening with element id `id` by its kind and points.
  std::vector<std::vector<int32>> PartsOf(int32 id) {
    DrawingList.Clear();
    DrawingList.ReadDrawingFile(dtDrawing);
    std::vector<std::vector<int32>> out;
    for (int32 i = 6; i < DrawingList.Count(); ++i) {
      const TObj& e = *DrawingList.At(i);
      if (e.Tag1 != id) continue;
      std::vector<int32> v{e.Kind, e.LinkId, e.X1, e.Y1, e.X2, e.Y2};
      if (auto* f = dynamic_cast<const TPolyobj*>(&e))
        for (int32 k = 0; k < f->PointCount; ++k) v.insert(v.end(), {f->PointX[k], f->PointY[k]});
      out.push_back(v);
    }
    return out;
  }
};

TEST_F(RoomWallStory, AFinishedRoomKeepsItsRecordDoorAndTextsWhenItsWallsAreDeletedOrMoved) {
  House();
  const TRoomobj room = RoomNamed("Bed");
  ASSERT_EQ(room.Kind, kind::LockedRoom);
  const int32 L = room.X1, T = room.Y1, R = room.X2, B = room.Y2;
  const int32 cx = L + (R - L) / 2, cy = T - (T - B) / 2;
  ASSERT_EQ(RoomWalls(room).size(), 4u);
  ASSERT_EQ(RoomTexts(room).size(), 3u);
  ASSERT_EQ(RoomDimensions(room).size(), 2u);

  // A door in the room's left wall.
  doorDlg.Answer([](TTExdoordlg& d) {
    d.type = openingkind::HangingDoor;
    d.width = 820;
    d.count = 1;
  });
  planDlg.Answer([](TTDoorplandlg& d) { d.view = 2; });  // along a plumb wall
  form->CmDoorsExecute();
  EnterAt(L - 50, cy);
  const auto frames = InFile(kind::OpeningFrame);
  ASSERT_EQ(frames.size(), 1u);
  const int32 door = frames[0]->Tag1;
  EXPECT_EQ(frames[0]->LinkId, room.Tag1) << "the door is cut into a wall of the room's group";
  const auto doorParts = PartsOf(door);
  ASSERT_GE(doorParts.size(), 3u);
  const auto texts = RoomTexts(room);

  // Delete the right wall: it goes alone.
  form->CmWallDeleteExecute();
  Click(R + 50, cy);
  EXPECT_EQ(RoomWalls(room).size(), 3u);
  const TRoomobj kept = RoomNamed("Bed");
  EXPECT_EQ(kept.Kind, kind::LockedRoom);
  EXPECT_EQ((std::vector<int32>{kept.X1, kept.Y1, kept.X2, kept.Y2}),
            (std::vector<int32>{L, T, R, B}));
  EXPECT_EQ(PartsOf(door), doorParts);
  ASSERT_EQ(RoomTexts(room).size(), texts.size());
  for (std::size_t k = 0; k < texts.size(); ++k) {
    EXPECT_STREQ(RoomTexts(room)[k].Text, texts[k].Text);
    EXPECT_EQ(RoomTexts(room)[k].X1, texts[k].X1);
  }
  EXPECT_EQ(RoomDimensions(room).size(), 2u);

  // Move the bottom wall down 500: the room grows below, its depth text and
  // dimension follow and its name stays centred; the door and the other
  // walls stay, the left wall reaching down to the moved one.
  adjust.Answer([](TTSnapdlg& d) { d.step = toolstep::MoveInWall; });
  form->CmSnapToExecute();
  Click(cx, B - 50);
  ui.ExpectInput("500").WithPrompt("DOWN");
  Key(plat::VK_DOWN);
  const TRoomobj grown = RoomNamed("Bed");
  EXPECT_EQ((std::vector<int32>{grown.X1, grown.Y1, grown.X2, grown.Y2}),
            (std::vector<int32>{L, T, R, B - 500}));
  EXPECT_EQ(grown.RoomHeight, 3500);
  EXPECT_STREQ(grown.HeightText, "3500");
  EXPECT_EQ(PartsOf(door), doorParts);
  const auto walls = RoomWalls(room);
  ASSERT_EQ(walls.size(), 3u);
  for (const TInwallobj& w : walls) {
    if (w.X1 == w.X2) {  // the left wall, running up
      EXPECT_EQ((P{w.X1, w.Y1}), (P{L - 100, B - 600}));
      EXPECT_EQ((P{w.Line2X1, w.Line2Y1}), (P{L, B - 500}));
      EXPECT_EQ(w.Y2, T + 100);
    } else if (w.Y1 > T) {  // the top wall
      EXPECT_EQ(w.Line2Y1, T);
    } else {  // the bottom wall
      EXPECT_EQ(w.Line2Y1, B - 500);
      EXPECT_EQ(w.Y1, B - 600);
    }
  }
  const int32 ncy = T - (T - (B - 500)) / 2;
  for (const TTextobj& t : RoomTexts(room)) {
    if (t.Kind == kind::WallLabel) {
      EXPECT_EQ((P{t.X1, t.Y1}), (P{cx, ncy})) << t.Text;
    } else if (t.X2 == 900) {  // the depth text
      EXPECT_STREQ(t.Text, "3500");
      EXPECT_EQ((P{t.X1, t.Y1}), (P{L + 300, ncy}));
    } else {
      EXPECT_STREQ(t.Text, "3000");
    }
  }
  for (const TDimensobj& d : RoomDimensions(room)) {
    if (d.X1 != d.SecondX1) continue;  // the depth dimension
    EXPECT_EQ((P{d.X1, d.Y1}), (P{L + 300, T}));
    EXPECT_EQ((P{d.SecondX1, d.SecondY1}), (P{L + 300, B - 500}));
    EXPECT_EQ((P{d.SecondX2, d.SecondY2}), (P{L + 300, B - 500 + 100}));
  }
}

TEST_F(RoomWallStory, DeletingAnExternalWallRedimensionsTheFloorOnTheScreenAtOnce) {
  House();
  // The dimensions carry the id of the tool that made them: the external
  // walls' tool, left with the last wall's id.
  auto walls = Copies<TExtwallobj>(kind::ExtWall);
  ASSERT_EQ(walls.size(), 4u);
  const TExtwallobj last = walls.back();
  ASSERT_EQ(InFile(kind::Arrow).size(), 8u);
  ASSERT_EQ(InFile(kind::Text34).size(), 4u);
  for (int32 k : {kind::Arrow, kind::Text34})
    for (const TObj* e : InFile(k)) EXPECT_EQ(e->LinkId, last.LinkId);
  Window().Paint();

  // Deleting that wall takes none of them: the floor's are made again.
  form->CmWallDeleteExecute();
  Click((last.X1 + last.X2) / 2, (last.Y1 + last.Y2) / 2);  // on its outer face
  walls = Copies<TExtwallobj>(kind::ExtWall);
  EXPECT_EQ(walls.size(), 3u);
  EXPECT_EQ(InFile(kind::Arrow).size(), 6u);
  EXPECT_EQ(InFile(kind::Text34).size(), 3u);
  for (int32 k : {kind::Arrow, kind::Text34})
    for (const TObj* e : InFile(k)) EXPECT_EQ(e->LinkId, last.LinkId);
  const plat::Rect client = Child().ClientRect();
  ASSERT_FALSE(Window().window.Invalidated().empty());
  const plat::Rect shown = Window().window.Invalidated().back();
  EXPECT_EQ(std::tie(shown.left, shown.top, shown.right, shown.bottom),
            std::tie(client.left, client.top, client.right, client.bottom));

  // Some drawings hold them with the floor's group base: a delete replaces
  // them all the same, with the id of the delete's tool (the wall's).
  InFile(kind::Arrow);
  for (int32 i = 6; i < DrawingList.Count(); ++i)
    if (kind::IsAutoDimensionKind(DrawingList.At(i)->Kind))
      DrawingList.At(i)->LinkId = FloorGroupBase(view::Ground);
  DrawingList.WriteDrawingFile(dtDrawing);
  Window().Paint();
  const TExtwallobj next = walls.back();
  form->CmWallDeleteExecute();
  Click((next.X1 + next.X2) / 2, (next.Y1 + next.Y2) / 2);
  EXPECT_EQ(Copies<TExtwallobj>(kind::ExtWall).size(), 2u);
  EXPECT_EQ(InFile(kind::Arrow).size(), 4u);
  EXPECT_EQ(InFile(kind::Text34).size(), 2u);
  for (int32 k : {kind::Arrow, kind::Text34})
    for (const TObj* e : InFile(k)) EXPECT_EQ(e->LinkId, next.LinkId);
}

TEST_F(RoomWallStory, AFinishedRoomAgainstAWallGivenAThinnerTypeGrowsWithItsTexts) {
  House(0);
  const TRoomobj room = RoomNamed("Bed");
  const int32 L = room.X1, T = room.Y1, R = room.X2, B = room.Y2;
  ASSERT_TRUE(RoomWalls(room).empty()) << "its sides are the external walls' faces";
  form->CmWallTypeExecute();
  wallType.Answer([](TTExtwalldlg& d) { d.type = walltype::Walling100; });
  Click(L + 1000, T + 200);  // the top wall's outer face
  const TRoomobj grown = RoomNamed("Bed");
  EXPECT_EQ((std::vector<int32>{grown.X1, grown.Y1, grown.X2, grown.Y2}),
            (std::vector<int32>{L, T + 100, R, B}));
  EXPECT_EQ(grown.RoomHeight, 3100);
  EXPECT_STREQ(grown.HeightText, "3100");
  const int32 cx = L + (R - L) / 2, cy = T + 100 - (T + 100 - B) / 2;
  for (const TTextobj& t : RoomTexts(room)) {
    if (t.Kind == kind::WallLabel) {
      EXPECT_EQ((P{t.X1, t.Y1}), (P{cx, cy})) << t.Text;
    }
    if (t.Kind == kind::WallLengthText && t.X2 == 900) {
      EXPECT_STREQ(t.Text, "3100");
    }
  }
  for (const TDimensobj& d : RoomDimensions(room)) {
    if (d.X1 == d.SecondX1) {  // the depth dimension, down from the top
      EXPECT_EQ((P{d.X1, d.Y1}), (P{L + 300, T + 100}));
      EXPECT_EQ((P{d.SecondX1, d.SecondY1}), (P{L + 300, B}));
    } else {  // the width dimension, 300 below the top
      EXPECT_EQ(d.Y1, T + 100 - 300);
    }
  }
}

TEST_F(RoomWallStory, AKind110WallStaysWhereItIsWhenItsFloorIsCentredAndDoesNotPlaceIt) {
  // A kind-110 wall on the ground floor, far from where the house goes.
  const P at{2000, 2000};
  TRoomobj before;
  House(2000, [&] {
    before = RoomNamed("Bed");
    TExtwallobj* w = planfix::ExtWall(at.x, at.y, at.x + 1000, at.y);
    w->Kind = kind::ExtWall110;
    Edit(w);
  });
  const TRoomobj room = RoomNamed("Bed");
  ASSERT_NE((P{room.X1 - before.X1, room.Y1 - before.Y1}), (P{0, 0})) << "the floor moved";
  const auto others = Copies<TExtwallobj>(kind::ExtWall110);
  ASSERT_EQ(others.size(), 1u);
  EXPECT_EQ((P{others[0].X1, others[0].Y1}), at);
  EXPECT_EQ((P{others[0].Line2X2, others[0].Line2Y2}), (P{at.x + 1000, at.y - 300}));
  // The house alone is centred on the sheet.
  int32 lo = 1 << 30, hi = 0;
  for (const TExtwallobj& w : Copies<TExtwallobj>(kind::ExtWall))
    lo = std::min({lo, w.X1, w.X2}), hi = std::max({hi, w.X1, w.X2});
  EXPECT_NEAR(lo + (hi - lo) / 2, DrawingWidth * PixelScale / 2, 25);
}

}  // namespace
