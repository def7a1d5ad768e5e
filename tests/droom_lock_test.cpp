// Locking design rooms into walls: the cover classes of a room's sides, the
// walls that close the open parts, and the lock itself on a floor: rooms side
// by side, a room snapped onto an external wall, open areas, rooms without a
// name, the texts of each dimension choice, missing settings, ids that never
// meet, and unlocking only what a lock made.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "building/droom_lock.h"
#include "building/droom_tool.h"
#include "building/extwall_tool.h"
#include "building/inwall_tool.h"
#include "model/flist.h"
#include "platform/files.h"
#include "storage/record_codec.h"
#include "tests/test_support.h"

namespace {

using droom::Box;
using droom::RoomCover;
using droom::RoomSide;
using droom::RoomWallDraft;
using P = plat::Point;
namespace cover = droom::cover;

// ---- Plain geometry --------------------------------------------------------------------

TEST(RoomCover, ASideIsClassedByHowMuchOfItTheFaceOnItCovers) {
  struct Row {
    int32 lo, hi;
    bool vertical, external;
    int32 expected;
  } rows[] = {
      {1000, 4000, true, false, cover::Whole},     {0, 5000, false, true, cover::Whole},
      {2000, 3000, true, false, cover::Middle},    {2000, 3000, false, true, cover::MiddleAcross},
      {0, 2000, true, false, cover::Lower},        {0, 2000, true, true, 22},
      {2000, 5000, true, false, cover::Upper},     {2000, 5000, true, true, 33},
      {2000, 5000, false, false, cover::RightEnd}, {2000, 5000, false, true, 44},
      {0, 2000, false, false, cover::LeftEnd},     {0, 2000, false, true, 55},
  };
  for (const Row& r : rows)
    EXPECT_EQ(droom::CoverClass(1000, 4000, r.lo, r.hi, r.vertical, r.external), r.expected)
        << r.lo << ".." << r.hi << (r.vertical ? " vertical" : " across");
}

RoomCover Cover(int32 left, int32 bottom, int32 right, int32 top) {
  RoomCover c;
  droom::At(c, RoomSide::Left).cls = left;
  droom::At(c, RoomSide::Bottom).cls = bottom;
  droom::At(c, RoomSide::Right).cls = right;
  droom::At(c, RoomSide::Top).cls = top;
  return c;
}

void ExpectWall(const RoomWallDraft& w, P s, P e, P is, P ie, int32 bearing) {
  EXPECT_EQ(w.start, s);
  EXPECT_EQ(w.end, e);
  EXPECT_EQ(w.innerStart, is);
  EXPECT_EQ(w.innerEnd, ie);
  EXPECT_EQ(w.bearing, bearing);
}

TEST(RoomWalls, AnOpenRoomIsClosedClockwiseWithMitredCorners) {
  const Box box{1000, 4000, 5000, 1000};
  const auto w = droom::PlanRoomWalls(box, Cover(1, 1, 1, 1), 100);
  ASSERT_EQ(w.size(), 4u);
  ExpectWall(w[0], {900, 900}, {900, 4100}, {1000, 1000}, {1000, 4000}, bearing::Up);
  ExpectWall(w[1], {5100, 900}, {900, 900}, {5000, 1000}, {1000, 1000}, bearing::Left);
  ExpectWall(w[2], {5100, 4100}, {5100, 900}, {5000, 4000}, {5000, 1000}, bearing::Down);
  ExpectWall(w[3], {900, 4100}, {5100, 4100}, {1000, 4000}, {5000, 4000}, bearing::Right);
  EXPECT_EQ(w[0].direction, 4);  // up, for the wall tool
}

TEST(RoomWalls, AHalfCoveredSideIsClosedOverItsOpenHalfOnly) {
  // The left side covered from below up to 2500: a wall from there to the
  // top, running on past the open top-left corner; the bottom wall stops at
  // the covered bottom-left corner.
  RoomCover c = Cover(cover::Lower, 1, 1, 1);
  droom::At(c, RoomSide::Left) = {cover::Lower, 500, 2500};
  const auto w = droom::PlanRoomWalls({1000, 4000, 5000, 1000}, c, 100);
  ASSERT_EQ(w.size(), 4u);
  ExpectWall(w[0], {900, 2500}, {900, 4100}, {1000, 2500}, {1000, 4000}, bearing::Up);
  ExpectWall(w[1], {5100, 900}, {1000, 900}, {5000, 1000}, {1000, 1000}, bearing::Left);
  // In the middle only: two walls, each ending at the face's ends.
  droom::At(c, RoomSide::Left) = {cover::Middle, 2000, 3000};
  const auto two = droom::PlanRoomWalls({1000, 4000, 5000, 1000}, c, 100);
  ExpectWall(two[0], {900, 3000}, {900, 4100}, {1000, 3000}, {1000, 4000}, bearing::Up);
  ExpectWall(two[1], {900, 900}, {900, 2000}, {1000, 1000}, {1000, 2000}, bearing::Up);
}

// ---- Locking on a floor -------------------------------------------------------------------

const int32 kCodes[4] = {100, 100, 100, 100};

class RoomLock : public ::testing::Test {
 protected:
  void SetUp() override {
    Units(1);
    DrawingWidth = 2000;
    DrawingHeight = 1600;
    DrawingList.SetDrawingName("LOCK");
    InitDrawingList();
    DrawingList.WriteDrawingFile(dtDrawing);
    CurrentView = view::Ground;
    NextGroupNumber = 20;
  }
  void Units(int32 metric) {
    MetricUnits = metric;
    PixelScale = metric == 1 ? 5 : 6;
    ZoomFactor = metric == 1 ? 5.0f : 4.0f;
    ZoomUnits = metric == 1 ? 5 : 4;
  }

  TRoomobj* Room(int32 id, const Box& b, const char* name = "Study", int32 choice = 1,
                 int32 floor = view::Ground, int32 k = kind::Room) {
    const std::string w = droom::SizeText(b.right - b.left, MetricUnits);
    const std::string h = droom::SizeText(b.top - b.bottom, MetricUnits);
    auto* r = new TRoomobj(k, floor, id, id, b.left, b.top, b.right, b.bottom, b.right - b.left,
                           b.top - b.bottom, choice, BackgroundColour, 10,
                           int32(std::string(name).size()), int32(w.size()), int32(h.size()), name,
                           w.c_str(), h.c_str());
    DrawingList.Add(r);
    return r;
  }
  // External walls 200 thick round 2000..6000 x 2000..5000 (their inner
  // faces on it), built from an outline by the external-wall tool.
  void Building() {
    dir.WriteFile("CFG\\EXTWALLM.CFG", "200 0 0 0 3000 6000 9000 -3000 0 0 0 0 0 255\n");
    CurrentView = view::LayoutMarkingWalls;
    const P c[4] = {{2000, 2000}, {2000, 5000}, {6000, 5000}, {6000, 2000}};
    for (int k = 0; k < 4; ++k) {
      const P a = c[k], b = c[(k + 1) % 4];
      DrawingList.Add(new TLineobj(kind::WallLine, view::LayoutMarkingWalls, 0,
                                   bearing::Length(a, b), a.x, 0, b.x, 0, a.y, b.y, 0,
                                   bearing::Of(a, b), 0, 1, 0));
    }
    TExtwallobjtool ext;
    ext.Command(extwallcmd::BuildFromOutline);
  }
  int32 Lock(int32 mode = 1) {
    DrawingList.WriteDrawingFile(dtDrawing);
    tool.Step = toolstep::LockRooms;
    tool.Execute(0, 0, mode);
    DrawingList.Clear();
    DrawingList.ReadDrawingFile(dtDrawing);
    return CountKind(kind::LockedRoom);
  }
  int32 CountKind(int32 k) {
    int32 n = 0;
    for (int32 i = 6; i < DrawingList.Count(); ++i) n += DrawingList.At(i)->Kind == k;
    return n;
  }
  template <class T>
  std::vector<T> All(int32 k, int32 group = -1) {
    std::vector<T> out;
    for (int32 i = 6; i < DrawingList.Count(); ++i) {
      const TObj* e = DrawingList.At(i);
      if (e->Kind != k) continue;
      if (group >= 0 && (k == kind::InWall ? e->LinkId : e->Tag1) != group) continue;
      out.push_back(*static_cast<const T*>(e));
    }
    return out;
  }
  std::vector<std::string> TextsOf(int32 group) {
    std::vector<std::string> out;
    for (int32 k : {kind::WallLabel, kind::WallLengthText})
      for (const TTextobj& t : All<TTextobj>(k, group)) out.push_back(t.Text);
    return out;
  }

  ScratchProgramDir dir;
  plat::ScriptedUi& ui = DefaultTestUi();
  TInwallobjtool tool;
};

TEST_F(RoomLock, TwoRoomsAWallApartShareTheWallBetweenThem) {
  // Equal heights, a room wall (100 here) apart.
  dir.WriteFile("CFG\\RMPTNM.CFG", "100 110 110 110 110 110");
  Room(10001, {2000, 5000, 4000, 3000}, "One");
  Room(10005, {4100, 5000, 6000, 3000}, "Two");
  // A partition marked by an earlier frame is unmarked by the lock.
  DrawingList.Add(new TInwallobj(kind::InWall, view::Ground, 3, 3, 1, 9000, 1, 1000, 9000, 0, 3000,
                                 9100, 0, 1000, 9100, 3000, 0, 0, 0, 100, 0, 0, 0, 0, -1, -1, 0, 0,
                                 0, DrawingColour, kCodes));
  EXPECT_EQ(Lock(), 2);
  EXPECT_EQ(All<TInwallobj>(kind::InWall, 10001).size(), 4u);
  const auto two = All<TInwallobj>(kind::InWall, 10005);
  ASSERT_EQ(two.size(), 3u);  // its left side lies on the first one's wall
  for (const TInwallobj& w : two) EXPECT_NE(w.Angle, bearing::Up);
  EXPECT_EQ(All<TInwallobj>(kind::InWall, 3)[0].Marked, 0);
  // The second room's bottom wall stops at its covered bottom-left corner.
  EXPECT_EQ(P(two[0].X2, two[0].Y2), P(4100, 2900));
  EXPECT_EQ(P(two[0].X1, two[0].Y1), P(6100, 2900));
  // The box of the walled rooms, widened by 2 x PixelScale x the wall.
  EXPECT_EQ(tool.Frame[0], 2000 - 1000);
  EXPECT_EQ(tool.Frame[1], 6000 + 1000);
  EXPECT_EQ(tool.Frame[2], 5000 + 1000);
  EXPECT_EQ(tool.Frame[3], 3000 - 1000);
}

TEST_F(RoomLock, TheDrawingIsWrittenOnceWithEveryRoomsWalls) {
  // On the floor (Finish Design Rooms) and from the layout (Mark External
  // Walls): all the rooms' walls, texts and dimensions in one write.
  dir.WriteFile("CFG\\RMPTNM.CFG", "100 110 110 110 110 110");
  const std::string live = dir.Path("DWGS\\LOCK.KWV");
  for (const int32 mode : {1, 2}) {
    InitDrawingList();
    const int32 floor = mode == 2 ? view::LayoutGround : view::Ground;
    Room(10001, {2000, 5000, 4000, 3000}, "One", 2, floor);
    Room(10005, {4100, 5000, 6000, 3000}, "Two", 3, floor);
    Room(10009, {2000, 2900, 6000, 1000}, "Three", 1, floor);
    DrawingList.WriteDrawingFile(dtDrawing);
    int writes = 0;
    plat::SetFileObserver([&](const plat::FileTraffic& t) {
      writes += t.op == plat::FileTraffic::Op::Write && t.path == live;
    });
    tool.Step = toolstep::LockRooms;
    tool.Execute(0, 0, mode);
    plat::SetFileObserver({});
    EXPECT_EQ(writes, 1) << mode;
    EXPECT_EQ(dir.ReadFile("DWGS\\LOCK.KWV"),
              storage::FormatList(DrawingList, storage::HeaderFromGlobals(0),
                                  storage::PageCentre()))
        << mode;
    DrawingList.Clear();
    DrawingList.ReadDrawingFile(dtDrawing);
    EXPECT_EQ(CountKind(kind::LockedRoom), 3) << mode;
    EXPECT_EQ(All<TInwallobj>(kind::InWall, 10001).size(), 4u) << mode;
    EXPECT_EQ(All<TInwallobj>(kind::InWall, 10005).size(), 3u) << mode;
    EXPECT_EQ(All<TInwallobj>(kind::InWall, 10009).size(), 3u) << mode;
    EXPECT_EQ(TextsOf(10005), (std::vector<std::string>{"Two", "1900"})) << mode;
  }
}

TEST_F(RoomLock, ARoomNearAnExternalWallIsSnappedOntoItsFace) {
  Building();
  ASSERT_EQ(CurrentView, view::Ground);
  // 3 units inside the external wall's inner face at x = 2000 (tolerance
  // 5 x 5.0 + 1 = 26), its top 26 below the one at y = 5000: not snapped,
  // but a wall of its own there would overlap the external wall, so the top
  // takes that wall's face too.
  Room(10001, {2003, 4974, 4000, 3000});
  EXPECT_EQ(Lock(), 1);
  const auto walls = All<TInwallobj>(kind::InWall, 10001);
  ASSERT_EQ(walls.size(), 2u);  // bottom, right
  EXPECT_EQ(walls[0].Angle, bearing::Left);
  EXPECT_EQ(P(walls[0].X2, walls[0].Y2), P(2000, 2890));  // ends on the snapped side
  EXPECT_EQ(P(walls[1].X1, walls[1].Y1), P(4110, 5000));  // from the external wall down
  // The room and its size texts follow.
  const TRoomobj r = All<TRoomobj>(kind::LockedRoom)[0];
  EXPECT_EQ(Box(r.X1, r.Y1, r.X2, r.Y2), Box(2000, 5000, 4000, 3000));
  EXPECT_EQ(std::tie(r.RoomWidth, r.RoomHeight), std::make_tuple(2000, 2000));
  EXPECT_EQ(TextsOf(10001), (std::vector<std::string>{"Study", "2000 x 2000"}));
}

TEST_F(RoomLock, OpenAreasAndUnnamedRoomsAndEachDimensionChoice) {
  Room(10001, {2000, 9000, 5000, 6000}, "space", 2);
  Room(10005, {2000, 5000, 5000, 3000}, "none", 4);
  Room(10009, {7000, 5000, 9000, 3000}, "Hall", 3);
  Room(10013, {11000, 5000, 14000, 3000}, "SPACE", 1);
  EXPECT_EQ(Lock(), 4);
  // Open areas: locked, without walls or texts.
  EXPECT_TRUE(All<TInwallobj>(kind::InWall, 10001).empty());
  EXPECT_TRUE(TextsOf(10001).empty());
  EXPECT_TRUE(TextsOf(10013).empty());
  // No name text for "none"; the depth only.
  EXPECT_EQ(TextsOf(10005), (std::vector<std::string>{"2000"}));
  const auto depth = All<TDimensobj>(kind::Dimension261, 10005);
  ASSERT_EQ(depth.size(), 1u);
  EXPECT_EQ(depth[0].LinkId, 10007);  // the name's group is taken all the same
  EXPECT_EQ(TextsOf(10009), (std::vector<std::string>{"Hall", "2000"}));
  EXPECT_EQ(All<TTextobj>(kind::WallLengthText, 10009)[0].X2, 2700);  // the width, across
  EXPECT_EQ(All<TInwallobj>(kind::InWall, 10009).size(), 4u);
}

TEST_F(RoomLock, AMissingRoomWallSizeIsReportedAndNothingIsLocked) {
  std::remove(dir.Path("CFG\\RMPTNM.CFG").c_str());
  Room(10001, {2000, 5000, 4000, 3000});
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk).Containing("RMPTNM.CFG");
  EXPECT_EQ(Lock(), 0);
  EXPECT_EQ(CountKind(kind::InWall), 0);
  EXPECT_EQ(CountKind(kind::Room), 1);
  // An open area needs no walls: it is locked without a question.
  DrawingList.Clear();
  InitDrawingList();
  Room(10001, {2000, 5000, 4000, 3000}, "space");
  EXPECT_EQ(Lock(), 1);
}

TEST_F(RoomLock, MissingDimensionSettingsGiveTheShippedValues) {
  std::remove(dir.Path("CFG\\MOFFSET.CFG").c_str());
  std::remove(dir.Path("CFG\\ARROW.CFG").c_str());
  Room(10001, {2000, 5000, 4000, 3000}, "Study", 2);
  Lock();
  const auto texts = All<TTextobj>(kind::WallLengthText, 10001);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].Y1, 5000 - 300);
  EXPECT_EQ(texts[0].Size, 12);
  const auto dims = All<TDimensobj>(kind::Dimension261, 10001);
  ASSERT_EQ(dims.size(), 2u);
  EXPECT_EQ(dims[0].X2, 2000 + 100);
  EXPECT_EQ(dims[0].Shown, 1);  // drawn
}

TEST_F(RoomLock, TextIdsNeverMeetIdsInUseOnAnyFloor) {
  // A dimension on the first floor already took 10002, the id after the
  // room's own; the room after it starts at 10006.
  DrawingList.Add(new TDimensobj(kind::Dimension261, view::First, 10002, 10002, 0, 0, 0, 0, 100, 0,
                                 100, 0, 900, 1, DrawingColour));
  Room(10001, {2000, 5000, 4000, 3000}, "Study", 2);
  Room(10006, {6000, 5000, 8000, 3000}, "Den", 1, view::First);
  Lock();
  std::vector<int32> ids;
  for (int32 k : {kind::WallLabel, kind::WallLengthText})
    for (const TTextobj& t : All<TTextobj>(k, 10001)) ids.push_back(t.LinkId);
  EXPECT_EQ(ids, (std::vector<int32>{10003, 10004, 10005}));
  // Later groups of the floor start beyond them.
  EXPECT_GE(NextGroupNumber, 5);
}

TEST_F(RoomLock, UnlockingTakesAwayOnlyWhatTheLockMade) {
  Room(10001, {2000, 5000, 4000, 3000}, "Study", 2);
  Lock();
  // A room wall shortened since (its length now in its second id), and an
  // external wall whose length happens to be the room's group number.
  for (int32 i = 6; i < DrawingList.Count(); ++i)
    if (DrawingList.At(i)->Kind == kind::InWall) {
      DrawingList.At(i)->Tag1 = 1900;
      break;
    }
  DrawingList.Add(new TExtwallobj(kind::ExtWall, view::Ground, 7, 10001, 1, 0, 0, 100, 10001, 0,
                                  100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 300, 0, 0, 0, 0,
                                  0, 0, 900, 0, 0, 0, DrawingColour, kCodes));
  DrawingList.WriteDrawingFile(dtDrawing);
  int32 room = -1;
  for (int32 i = 6; i < DrawingList.Count(); ++i)
    if (DrawingList.At(i)->Kind == kind::LockedRoom) room = i;
  TDRoomobjtool unlock;
  unlock.Command(room);
  EXPECT_EQ(CountKind(kind::InWall), 0);
  EXPECT_EQ(CountKind(kind::WallLabel) + CountKind(kind::WallLengthText), 0);
  EXPECT_EQ(CountKind(kind::Dimension261), 0);
  EXPECT_EQ(CountKind(kind::ExtWall), 1);
  EXPECT_EQ(CountKind(kind::Room29001), 1);
  // Locked again, its texts take the same ids.
  Lock();
  EXPECT_EQ(All<TTextobj>(kind::WallLabel, 10001)[0].LinkId, 10002);
}

}  // namespace
