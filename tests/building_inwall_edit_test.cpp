// Edits of picked internal walls: shorten, lengthen, delete and move.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

#include "building/inwall_edit.h"
#include "building/inwall_tool.h"
#include "building/room_size_text.h"
#include "model/flist.h"
#include "platform/keys.h"
#include "platform/recording_dc.h"
#include "tests/test_support.h"

namespace {

using P = plat::Point;

class InwallEdit : public ::testing::Test {
 protected:
  void SetUp() override {
    MetricUnits = 1;
    PixelScale = 5;
    ZoomFactor = 5.0f;
    ZoomUnits = 5;
    DrawingList.SetDrawingName("EDITS");
    InitDrawingList();
    DrawingList.WriteDrawingFile(dtDrawing);
    DrawingList.UpdateUndoHistory(uoReset, 0);
    CurrentView = view::Ground;
    NextGroupNumber = 0;
    dir.WriteFile("CFG\\PTNM.CFG", "100\n");
  }

  int32 Draw(P a, P b, int32 side) {
    TInwallobjtool t;
    t.ChooseSide(side);
    t.X1 = a.x, t.Y1 = a.y, t.X2 = b.x, t.Y2 = b.y;
    t.Angle = bearing::Of(a, b);
    const int32 before = DrawingList.Count();
    t.AddElement(dc, {0, 0, 624, 346});
    EXPECT_GT(DrawingList.Count(), before);
    return DrawingList.Count() - 1;
  }
  // Closes wall i's end (or start) with a stop end as Escape does.
  void StopEnd(int32 i, bool atStart) {
    TInwallobjtool t;
    t.X1 = atStart ? W(i).X1 : W(i).X2;
    t.Y1 = atStart ? W(i).Y1 : W(i).Y2;
    t.Command(inwallcmd::StopEndHere);
  }
  // The edit of step `step` on wall i, picked at p, as the wall-edit click
  // hands it over.
  void Edit(int32 i, int32 step, P p, int32 amount) {
    TInwallobjtool t;
    t.Step = step;
    t.PickedIndex() = i;
    t.X1 = p.x, t.Y1 = p.y;
    t.Execute(amount, p.x, p.y);
    previous = {t.Frame[0], t.Frame[1], t.Frame[2], t.Frame[3]};
    frame = {t.X1, t.X2, t.Y1, t.Y2};
  }
  // Moves wall i by an arrow key; returns the tool for its markers.
  std::unique_ptr<TInwallobjtool> Move(int32 i, int key, int32 amount) {
    auto t = std::make_unique<TInwallobjtool>();
    t->Step = toolstep::MoveInWall;
    t->PickedIndex() = i;
    t->Execute(amount, key, 0);
    return t;
  }
  const TInwallobj& W(int32 i) { return static_cast<const TInwallobj&>(*DrawingList.At(i)); }
  P Start(int32 i) { return {W(i).X1, W(i).Y1}; }
  P End(int32 i) { return {W(i).X2, W(i).Y2}; }
  P Second1(int32 i) { return {W(i).Line2X1, W(i).Line2Y1}; }
  P Second2(int32 i) { return {W(i).Line2X2, W(i).Line2Y2}; }
  int32 Last() { return DrawingList.Count() - 1; }
  // An opening frame across a band with one leaf line, both of group id.
  void Opening(int32 id, int32 x1, int32 y1, int32 x2, int32 y2) {
    const int32 xs[4] = {x1, x2, x2, x1}, ys[4] = {y1, y1, y2, y2}, zs[4] = {}, hidden[4] = {};
    DrawingList.Add(new TPolyobj(kind::OpeningFrame, view::Ground, id, id, 0, 0, 0, 0, 4, 0, 0, 0,
                                 0, 0, 0, x1, 0, y1, xs, zs, ys, hidden));
    DrawingList.Add(new TLineobj(kind::Line, view::Ground, id, id, x1, 0, x2, 0, y1, y1, 0, 900, 0,
                                 1, 0));
  }
  int32 ElementsOf(int32 id) {
    int32 n = 0;
    for (int32 i = 6; i < DrawingList.Count(); ++i) n += DrawingList.At(i)->LinkId == id;
    return n;
  }
  void Reload() {
    DrawingList.Clear();
    DrawingList.ReadDrawingFile(dtDrawing);
  }

  ScratchProgramDir dir;
  plat::ScriptedUi& ui = DefaultTestUi();
  plat::RecordingDC dc;
  std::array<int32, 4> frame{}, previous{};
};

// ---- Shorten and lengthen -----------------------------------------------------------------

TEST_F(InwallEdit, ShorteningTheEndMovesItsSecondLineAndStopEndWithIt) {
  const int32 w = Draw({1000, 5000}, {4000, 5000}, secondline::Below);
  StopEnd(w, false);
  const int32 stop = Last();
  Edit(w, toolstep::Shorten, {3980, 5000}, 300);
  EXPECT_EQ(End(w), (P{3700, 5000}));
  EXPECT_EQ(W(w).Tag1, 2700);
  EXPECT_EQ(Second2(w), (P{3700, 4900}));
  const TObj& s = *DrawingList.At(stop);
  EXPECT_EQ((P{s.X1, s.Y1}), (P{3700, 4900}));
  EXPECT_EQ((P{s.X2, s.Y2}), (P{3700, 5000}));
  // The window repaints the wall as it was and as it is.
  EXPECT_EQ(previous, (std::array<int32, 4>{1000, 4000, 5000, 5000}));
  EXPECT_EQ(frame, (std::array<int32, 4>{1000, 3700, 5000, 5000}));
  Reload();
  EXPECT_EQ(End(w), (P{3700, 5000}));
}

TEST_F(InwallEdit, MovingAnEndAwayFromACornerFreesTheNeighboursEnd) {
  const int32 up = Draw({1000, 1000}, {1000, 3000}, secondline::Right);
  const int32 right = Draw({1000, 3000}, {4000, 3000}, secondline::Below);
  ASSERT_EQ(Second2(up), (P{1100, 2900}));  // the corner
  Edit(right, toolstep::Shorten, {1000, 3000}, 200);  // its left end
  EXPECT_EQ(Start(right), (P{1200, 3000}));
  EXPECT_EQ(Second1(right), (P{1200, 2900}));
  EXPECT_EQ(Second2(up), (P{1100, 3000}));  // a plain offset again
}

TEST_F(InwallEdit, LengtheningToAPartitionFaceOrEndJoinsIt) {
  const int32 across = Draw({1000, 5000}, {5000, 5000}, secondline::Below);
  const int32 stem = Draw({3000, 2000}, {3000, 4000}, secondline::Right);
  Edit(stem, toolstep::Extend, {3000, 4000}, 900);  // up to the face at 4900
  EXPECT_EQ(End(stem), (P{3000, 4900}));
  EXPECT_EQ(W(stem).EndMeetAngle(), 900);
  EXPECT_EQ(W(stem).Tag1, 2900);
  EXPECT_EQ(Second2(across), (P{5000, 4900}));  // the wall met is not cut
  // A wall lengthened onto another's start takes the corner with it.
  const int32 a = Draw({7000, 1000}, {7000, 2500}, secondline::Right);
  const int32 b = Draw({7000, 3000}, {9000, 3000}, secondline::Below);
  Edit(a, toolstep::Extend, {7000, 2500}, 500);
  EXPECT_EQ(End(a), (P{7000, 3000}));
  EXPECT_EQ(Second2(a), (P{7100, 2900}));
  EXPECT_EQ(Second1(b), (P{7100, 2900}));
}

TEST_F(InwallEdit, AnAngledWallMovesAlongItsOwnLineAndKeepsItsLengthTrue) {
  const int32 w = Draw({1000, 1000}, {3000, 3000}, secondline::Right);
  Edit(w, toolstep::Extend, {3000, 3000}, 1000);
  EXPECT_EQ(End(w), (P{3707, 3707}));
  EXPECT_EQ(W(w).Tag1, bearing::Length({1000, 1000}, {3707, 3707}));
  // Picked away from both of its ends: said so, nothing changed.
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbCancel, plat::mrCancel)
      .Containing("away from both of its ends");
  Edit(w, toolstep::Shorten, {2000, 2000}, 100);
  EXPECT_EQ(End(w), (P{3707, 3707}));
  EXPECT_EQ(inwalledit::Refusal(DrawingList, w, toolstep::Shorten, {2000, 2000}, 100),
            "This angled wall was picked away from both of its ends - click nearer the end to "
            "move");
}

TEST_F(InwallEdit, ShorteningByTheWholeLengthIsRefused) {
  const int32 w = Draw({1000, 1000}, {1000, 2000}, secondline::Right);
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbCancel, plat::mrCancel).Containing("not that long");
  Edit(w, toolstep::Shorten, {1000, 2000}, 1000);
  EXPECT_EQ(End(w), (P{1000, 2000}));
  EXPECT_EQ(inwalledit::Refusal(DrawingList, w, toolstep::Shorten, {1000, 2000}, 999), "");
}

// ---- Delete --------------------------------------------------------------------------------

TEST_F(InwallEdit, DeletingAWallTakesItsGroupAndOpeningsAndFreesItsNeighbours) {
  const int32 a = Draw({1000, 1000}, {1000, 3000}, secondline::Right);
  const int32 mid = Draw({1000, 3000}, {4000, 3000}, secondline::Below);
  const int32 c = Draw({4000, 3000}, {4000, 1000}, secondline::Left);
  const int32 group = W(mid).LinkId;
  StopEnd(a, true);
  DrawingList.Add(new TTextobj(kind::WallLengthText, view::Ground, group, 0, 2000, 3200, 0, 0, 1,
                               0, 4, 0, 1, 5, 10, 400, "Arial", "3000"));
  Opening(120005, 2000, 2900, 2800, 3000);  // cut into the middle wall
  Opening(120006, 1000, 1500, 1100, 2300);  // cut into the first wall
  const int32 count = DrawingList.Count();
  Edit(mid, toolstep::Delete, {1000, 3000}, 0);
  EXPECT_EQ(DrawingList.Count(), count - 4);  // the wall, its text, the opening's two
  EXPECT_EQ(ElementsOf(group), 0);
  EXPECT_EQ(ElementsOf(120005), 0);
  EXPECT_EQ(ElementsOf(120006), 2);
  // Both neighbours have plain ends at the gap; the reloaded list holds it.
  EXPECT_EQ(Second2(a), (P{1100, 3000}));
  EXPECT_EQ(Second1(c - 1), (P{3900, 3000}));
}

// ---- Move ----------------------------------------------------------------------------------

class InwallMove : public InwallEdit {
 protected:
  void SetUp() override {
    InwallEdit::SetUp();
    left = Draw({1000, 1000}, {1000, 5000}, secondline::Right);   // band 1000..1100
    right = Draw({5000, 5000}, {5000, 1000}, secondline::Left);   // band 4900..5000
    wall = Draw({1100, 3000}, {4900, 3000}, secondline::Below);   // band 2900..3000
    below = Draw({3000, 1000}, {3000, 2900}, secondline::Right);  // ends on its second line
    above = Draw({2000, 3000}, {2000, 5000}, secondline::Right);  // starts on its first line
    StopEnd(below, true);
    Opening(120010, 1500, 2900, 2300, 3000);
    Opening(120011, 3300, 2900, 4100, 3000);
    Opening(120012, 1000, 3500, 1100, 4300);  // in the left wall
    Opening(W(wall).LinkId, 2400, 2875, 2800, 3025);  // carrying the wall's own id
    DrawingList.Add(Room(2100, 5000, 4900, 3000));  // above: its bottom on the wall
    roomAbove = Last();
    DrawingList.Add(Room(1100, 2900, 2900, 1000));  // below: its top on the second line
    roomBelow = Last();
    DrawingList.Add(new TLineobj(kind::Line, view::Ground, 0, 0, 1500, 0, 2300, 0, 3000, 3000, 0,
                                 900, BackgroundColour, 2, 0));  // masking line
    mask = Last();
    DrawingList.WriteDrawingFile(dtDrawing);
  }
  static TRoomobj* Room(int32 x1, int32 y1, int32 x2, int32 y2) {
    const std::string w = std::to_string(x2 - x1), h = std::to_string(y1 - y2);
    return new TRoomobj(kind::LockedRoom, view::Ground, 77, 77, x1, y1, x2, y2, x2 - x1, y1 - y2,
                        1, 0, 10, 4, int32(w.size()), int32(h.size()), "ROOM", w.c_str(),
                        h.c_str());
  }
  const TRoomobj& R(int32 i) { return static_cast<const TRoomobj&>(*DrawingList.At(i)); }
  int32 left = 0, right = 0, wall = 0, below = 0, above = 0, roomAbove = 0, roomBelow = 0,
        mask = 0;
};

TEST_F(InwallMove, MovingAWallCarriesWhatIsAttachedAndResizesTheRoomsOnBothSides) {
  const std::string before = dir.ReadFile("DWGS\\EDITS.KWV");
  auto t = Move(wall, plat::VK_UP, 100);
  EXPECT_EQ(t->Result, inwallmark::Moved);
  EXPECT_EQ(Start(wall), (P{1100, 3100}));
  EXPECT_EQ(Second2(wall), (P{4900, 3000}));
  EXPECT_EQ(End(below), (P{3000, 3000}));      // stretched up to the new second line
  EXPECT_EQ(Second2(below), (P{3100, 3000}));
  EXPECT_EQ(Start(above), (P{2000, 3100}));    // shortened from below
  EXPECT_EQ(R(roomAbove).Y2, 3100);
  EXPECT_EQ(R(roomAbove).RoomHeight, 1900);
  EXPECT_STREQ(R(roomAbove).HeightText, "1900");
  EXPECT_EQ(R(roomBelow).Y1, 3000);
  EXPECT_EQ(R(roomBelow).RoomHeight, 2000);
  EXPECT_STREQ(R(roomBelow).HeightText, "2000");
  // Both openings in the wall move (frames and leaves), the one in the
  // left wall stays; so does the stop end of the wall below.
  for (int32 i = 6; i < DrawingList.Count(); ++i) {
    const TObj& e = *DrawingList.At(i);
    if (e.LinkId == 120010 || e.LinkId == 120011) {
      if (auto* f = dynamic_cast<const TPolyobj*>(&e)) {
        EXPECT_EQ(f->PointY[2], 3100);
      } else {
        EXPECT_EQ(e.Y1, 3000);
      }
    }
    if (e.LinkId == W(wall).LinkId && e.Kind == kind::Line) {
      EXPECT_EQ(e.Y1, 2975);
    }
    if (e.LinkId == 120012 && e.Kind == kind::Line) {
      EXPECT_EQ(e.Y1, 3500);
    }
  }
  EXPECT_EQ(DrawingList.At(mask)->Y1, 3100);
  EXPECT_EQ(DrawingList.UndoViews[0], view::Ground);
  // In the live file, and undone in one step.
  Reload();
  EXPECT_EQ(Start(wall), (P{1100, 3100}));
  DrawingList.UpdateUndoHistory(uoUndo, 0);
  DrawingList.WriteDrawingFile(dtDrawing);
  EXPECT_EQ(dir.ReadFile("DWGS\\EDITS.KWV"), before);
}

TEST_F(InwallMove, AWallCanOnlyMoveAcrossItselfAndAnyOtherKeyMovesNothing) {
  auto t = Move(wall, plat::VK_LEFT, 100);
  EXPECT_EQ(t->Y1, inwallmark::WrongMoveArrow);
  EXPECT_EQ(Start(wall), (P{1100, 3000}));
  t = Move(wall, plat::VK_RETURN, 100);
  EXPECT_EQ(t->Result, 0);
  EXPECT_EQ(Start(wall), (P{1100, 3000}));
  // The plumb wall moves right, its rooms by their real sizes.
  t = Move(left, plat::VK_RIGHT, 50);
  EXPECT_EQ(Start(left), (P{1050, 1000}));
  EXPECT_EQ(Start(wall), (P{1150, 3000}));  // the abutting wall shortens
  EXPECT_EQ(R(roomBelow).X1, 1150);
  EXPECT_EQ(R(roomBelow).RoomWidth, 1750);
  EXPECT_STREQ(R(roomBelow).WidthText, "1750");
}

TEST_F(InwallMove, AThreeWayCornerIsRefusedAndACrossingIsNot) {
  const int32 w2 = Draw({1000, 7000}, {3000, 7000}, secondline::Below);
  Draw({3000, 7000}, {4000, 7000}, secondline::Below);  // on along its line
  const int32 rise = Draw({3000, 7000}, {3000, 8000}, secondline::Right);
  auto t = Move(w2, plat::VK_UP, 100);
  EXPECT_EQ(t->Y2, inwallmark::ThreeWayCorner);
  EXPECT_EQ(Start(w2), (P{1000, 7000}));
  // With a wall running through the corner instead, it moves.
  DrawingList.RemoveAt(rise);
  Draw({3000, 6000}, {3000, 8000}, secondline::Right);
  t = Move(w2, plat::VK_UP, 100);
  EXPECT_EQ(t->Result, inwallmark::Moved);
}

TEST(RoomSizeText, ImperialSizesAreFeetInchesAndEighths) {
  ScratchProgramDir dir;
  MetricUnits = 0;
  InitDrawingList();
  struct Row {
    int32 size;
    const char* text;
  } rows[] = {{2600, "9' 0''"}, {3000, "10' 5''"}, {3003, "10' 5 1/8''"}, {3001, "10' 5''"},
              {2922 + 24, "10' 2 3/4''"}};
  for (const Row& r : rows) {
    TRoomobj room(kind::LockedRoom, view::Ground, 5, 5, 0, 100, 100, 0, 100, r.size, 1, 0, 10, 1,
                  3, 3, "A", "4'", "8'");
    DrawingList.Add(new TTextobj(kind::WallLabel, view::Ground, 5, 5, 0, 0, 0, 0, 0, 0, 8, 0, 6,
                                 5, 10, 400, "Arial", "4' x 8'"));
    roomsize::Relabel(DrawingList, room, roomsize::Which::Depth);
    EXPECT_STREQ(room.HeightText, r.text) << r.size;
    EXPECT_EQ(room.HeightTextLength, int32(std::string(r.text).size()));
    const auto& label = static_cast<const TTextobj&>(*DrawingList.At(DrawingList.Count() - 1));
    EXPECT_EQ(std::string(label.Text), std::string("4' x ") + r.text);
  }
  MetricUnits = 1;
}

}  // namespace
