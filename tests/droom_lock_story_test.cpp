// A user finishes design rooms: lays out rooms on the layout, marks the
// external walls round them, and the rooms are locked into internal walls
// with their names, size texts and dimensions; alters a finished room and
// finishes it again; in millimetres and in feet and inches, every step in
// the live file and undoable.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <tuple>

#include "building/droom_lock.h"
#include "building/wall_faces.h"
#include "dialogs/wall_dialogs.h"
#include "tests/droom_fixture.h"

namespace {

using droom::Box;
using P = plat::Point;

Box BoxOf(const TObj& e) { return {e.X1, e.Y1, e.X2, e.Y2}; }
// The box a square wall fills between its two lines.
Box BandOf(const TInwallobj& w) {
  const int32 xs[] = {w.X1, w.X2, w.Line2X1, w.Line2X2}, ys[] = {w.Y1, w.Y2, w.Line2Y1, w.Line2Y2};
  return {*std::min_element(xs, xs + 4), *std::max_element(ys, ys + 4),
          *std::max_element(xs, xs + 4), *std::min_element(ys, ys + 4)};
}
P Centre(const TObj& r) { return {r.X1 + (r.X2 - r.X1) / 2, r.Y1 - (r.Y1 - r.Y2) / 2}; }

// What locking made for a room.
struct Made {
  std::vector<TInwallobj> walls;
  std::vector<TTextobj> texts;
  std::vector<TDimensobj> dimensions;
};

// A wall by its outer face (first line), inner face and bearing.
void ExpectWall(const TInwallobj& w, P s, P e, P is, P ie, int32 bearing) {
  EXPECT_EQ(P(w.X1, w.Y1), s);
  EXPECT_EQ(P(w.X2, w.Y2), e);
  EXPECT_EQ(P(w.Line2X1, w.Line2Y1), is);
  EXPECT_EQ(P(w.Line2X2, w.Line2Y2), ie);
  EXPECT_EQ(w.Angle, bearing);
}
void ExpectText(const TTextobj& t, const char* text, P at, int32 direction, int32 link) {
  EXPECT_STREQ(t.Text, text);
  EXPECT_EQ(P(t.X1, t.Y1), at) << text;
  EXPECT_EQ(t.X2, direction) << text;
  EXPECT_EQ(t.LinkId, link) << text;
}
void ExpectDimension(const TDimensobj& d, P a, P aIn, P b, P bIn, int32 direction, int32 link) {
  EXPECT_EQ(P(d.X1, d.Y1), a);
  EXPECT_EQ(P(d.X2, d.Y2), aIn);
  EXPECT_EQ(P(d.SecondX1, d.SecondY1), b);
  EXPECT_EQ(P(d.SecondX2, d.SecondY2), bIn);
  EXPECT_EQ(std::tie(d.Angle, d.Shown, d.LinkId), std::make_tuple(direction, 1, link));
}

class LockStory : public roomfix::RoomTest {
 protected:
  dlg::InstalledScript<TTExtwalldlg> wallType;

  void PointAt(int32 x, int32 y) { ui.cursor = Window().window.ClientToScreen(Px(x, y)); }
  void EnterAt(int32 x, int32 y) {
    PointAt(x, y);
    Key(plat::VK_RETURN);
  }
  // The elements of the live file.
  template <class T>
  std::vector<T> InFile(int32 k, int32 floor) {
    std::vector<T> out;
    EachInLiveFile([&](TObj& e) {
      if (e.Kind == k && e.Floor == floor) out.push_back(static_cast<T&>(e));
    });
    return out;
  }
  // Mark External Walls with 200 mm walling, the drawing saved first.
  void MarkWalls() {
    wallType.Answer([](TTExtwalldlg& d) { d.type = walltype::Walling200; });
    ui.ExpectQuestion(plat::mrYes).WithText("do you wish to save drawing changes?");
    form->CmMarkWallsExecute();
  }
  // "ADD New Design Room" with a dimension choice.
  void AddRoom(const std::string& name, int32 width, int32 length, int32 choice) {
    roomMetric.Answer([=](dlg::TTRoomdlg& d) {
      d.name = name;
      d.width = width;
      d.length = length;
      d.dimensionChoice = choice;
    });
    form->CmDroomExecute();
  }
  // What locking made for a room, from the live file.
  Made MadeFor(const TRoomobj& r) {
    Made m;
    for (const TInwallobj& w : InFile<TInwallobj>(kind::InWall, view::Ground))
      if (w.LinkId == r.Tag1) m.walls.push_back(w);
    for (int k : {kind::WallLabel, kind::WallLengthText})
      for (const TTextobj& t : InFile<TTextobj>(k, view::Ground))
        if (t.Tag1 == r.Tag1) m.texts.push_back(t);
    for (const TDimensobj& d : InFile<TDimensobj>(kind::Dimension261, view::Ground))
      if (d.Tag1 == r.Tag1) m.dimensions.push_back(d);
    return m;
  }
  // Drags a room by a point near its top left corner so that that corner
  // lands on (x, y).
  void DragRoomTo(const std::string& name, int32 x, int32 y) {
    const TRoomobj r = RoomNamed(name);
    Drag(r.X1 + 200, r.Y1 - 200, x + 200, y - 200);
  }
};

TEST_F(LockStory, MarkTheExternalWallsRoundTheLayoutAndAlterAFinishedRoom) {
  // Three rooms on the layout, side by side a room wall apart.
  wallMetric.Answer([](dlg::TTRoomptndlg& d) { d.thickness = 100; });
  AnswerRoom("Lounge", 4000, 3000);
  NewDrawing("HOME", 1, true);
  AddRoom("Bed 1", 3000, 3000, 2);  // both dimensions
  AddRoom("Bath", 2000, 3000, 3);   // the width only
  DragRoomTo("Lounge", 16000, 15000);
  const Box lounge = BoxOf(RoomNamed("Lounge"));
  DragRoomTo("Bed 1", lounge.right + 150, lounge.top);
  const Box bed = BoxOf(RoomNamed("Bed 1"));
  DragRoomTo("Bath", bed.right + 150, bed.top);
  const Box bath = BoxOf(RoomNamed("Bath"));
  ASSERT_EQ(bed.left, lounge.right + 100);  // merged a room wall apart
  ASSERT_EQ(bath.left, bed.right + 100);
  ASSERT_EQ(bath.top, lounge.top);

  // Mark the external walls: the wall type, then the inside corners
  // clockwise, and F.
  MarkWalls();
  EXPECT_EQ(CurrentView, view::LayoutMarkingWalls);
  EXPECT_EQ(Window().caption, "HOME.LYT");
  EXPECT_EQ(form->CurrentTool()->Type, tooltype::Outline);
  EXPECT_EQ(form->st.PanelText(panel::Guide),
            "GUIDE: press ENTER on each house internal corner CLOCKWISE, then press '+ add' or 'F' "
            "key to FINISH");
  EnterAt(lounge.left, lounge.top);
  EnterAt(bath.right, bath.top);
  EnterAt(bath.right, bath.bottom);
  EnterAt(lounge.left, lounge.bottom);
  ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbYes, plat::mrYes)
      .Containing("Total Building Area this floor: 32 sq. metres");
  Key(plat::VK_F);
  EXPECT_EQ(CurrentView, view::Ground);
  EXPECT_EQ(Window().caption, "HOME.PLN");

  // The rooms are locked into the ground floor (re-centred on the sheet
  // with it); only the two sides between rooms needed walls.
  std::vector<TRoomobj> rooms = RoomsInFile();
  ASSERT_EQ(rooms.size(), 3u);
  for (const TRoomobj& r : rooms) {
    EXPECT_EQ(r.Kind, kind::LockedRoom) << r.RoomName;
    EXPECT_EQ(r.Floor, view::Ground) << r.RoomName;
  }
  const TRoomobj L = RoomNamed("Lounge"), B1 = RoomNamed("Bed 1"), Ba = RoomNamed("Bath");
  const P shift{L.X1 - lounge.left, L.Y1 - lounge.top};
  EXPECT_EQ(BoxOf(B1).left, bed.left + shift.x);
  EXPECT_EQ(InFile<TExtwallobj>(kind::ExtWall, view::Ground).size(), 4u);
  std::vector<TInwallobj> walls = InFile<TInwallobj>(kind::InWall, view::Ground);
  ASSERT_EQ(walls.size(), 2u);
  // Each runs down the room's right side, its outer face a wall's width
  // outside it, both ends stopping at the external walls' inner faces.
  for (const auto& [w, r] : {std::pair{walls[0], L}, std::pair{walls[1], B1}}) {
    EXPECT_EQ(std::tie(w.LinkId, w.Tag1, w.Thickness), std::make_tuple(r.Tag1, r.Tag1, 100));
    ExpectWall(w, {r.X2 + 100, r.Y1}, {r.X2 + 100, r.Y2}, {r.X2, r.Y1}, {r.X2, r.Y2},
               bearing::Down);
  }
  // Names, size texts and dimensions by each room's dimension choice, in
  // text groups of their own that follow the room's group.
  auto made = [this](const TRoomobj& r) { return MadeFor(r); };
  Made m = made(L);  // dimension choice 1: the name and "width x depth" under it
  ASSERT_EQ(m.texts.size(), 2u);
  ExpectText(m.texts[0], "Lounge", Centre(L), 900, L.Tag1 + 1);
  EXPECT_EQ(std::tie(m.texts[0].Alignment, m.texts[0].Size),
            std::make_tuple(6, 12));  // MOFFSET value 6
  ExpectText(m.texts[1], "4000 x 3000", {Centre(L).x, Centre(L).y - 250}, 900, L.Tag1 + 1);
  EXPECT_EQ(m.texts[1].Y2, 250);
  EXPECT_TRUE(m.dimensions.empty());

  m = made(B1);  // both dimensions, 300 inside the top and left sides
  ASSERT_EQ(m.texts.size(), 3u);
  ASSERT_EQ(m.dimensions.size(), 2u);
  ExpectText(m.texts[0], "Bed 1", Centre(B1), 900, B1.Tag1 + 1);
  ExpectText(m.texts[1], "3000", {Centre(B1).x, B1.Y1 - 300}, 2700, B1.Tag1 + 2);
  EXPECT_EQ(m.texts[1].Kind, kind::WallLengthText);
  ExpectText(m.texts[2], "3000", {B1.X1 + 300, Centre(B1).y}, 900, B1.Tag1 + 3);
  // Ticks 100 in from the ends ("CFG\ARROW.CFG"), drawn (its style 1).
  ExpectDimension(m.dimensions[0], {B1.X1, B1.Y1 - 300}, {B1.X1 + 100, B1.Y1 - 300},
                  {B1.X2, B1.Y1 - 300}, {B1.X2 - 100, B1.Y1 - 300}, 900, B1.Tag1 + 2);
  ExpectDimension(m.dimensions[1], {B1.X1 + 300, B1.Y1}, {B1.X1 + 300, B1.Y1 - 100},
                  {B1.X1 + 300, B1.Y2}, {B1.X1 + 300, B1.Y2 + 100}, 1800, B1.Tag1 + 3);

  m = made(Ba);  // the width dimension only, and no walls of its own
  EXPECT_TRUE(m.walls.empty());
  ASSERT_EQ(m.texts.size(), 2u);
  EXPECT_STREQ(m.texts[1].Text, "2000");
  EXPECT_EQ(m.dimensions.size(), 1u);

  // Alter the bedroom: its wall and texts go, the lounge's wall stays. (The
  // undo store is full by now: the undos below count the steps.)
  form->CmDroomAlterExecute();
  Click(B1.X1 + 500, B1.Y1 - 500);
  EXPECT_EQ(RoomNamed("Bed 1").Kind, kind::Room29001);
  EXPECT_TRUE(made(B1).walls.empty());
  EXPECT_TRUE(made(B1).texts.empty());
  EXPECT_TRUE(made(B1).dimensions.empty());
  EXPECT_EQ(made(L).walls.size(), 1u);
  EXPECT_EQ(made(L).texts.size(), 2u);

  // Shrink it from below by 1000 and finish it again: its open right side
  // and new bottom side get walls, mitred at the free corner.
  form->CmDroomShrinkExecute();
  Click(B1.X1 + 500, B1.Y1 - 500);
  ui.ExpectInput("1000").WithPrompt("DOWN");
  Key(plat::VK_DOWN);
  form->CmFinishRoomsExecute();
  EXPECT_EQ(form->CurrentTool()->Type, tooltype::Pick);
  const TRoomobj bed2 = RoomNamed("Bed 1");
  EXPECT_EQ(bed2.Kind, kind::LockedRoom);
  EXPECT_EQ(bed2.Y2, B1.Y2 + 1000);
  m = made(bed2);
  ASSERT_EQ(m.walls.size(), 2u);
  // Leftward, stopping at the lounge's wall; downward from the external wall.
  const int32 l = bed2.X1, t = bed2.Y1, r = bed2.X2, b = bed2.Y2;
  ExpectWall(m.walls[0], {r + 100, b - 100}, {l, b - 100}, {r, b}, {l, b}, bearing::Left);
  ExpectWall(m.walls[1], {r + 100, t}, {r + 100, b - 100}, {r, t}, {r, b}, bearing::Down);
  ASSERT_EQ(m.texts.size(), 3u);
  ExpectText(m.texts[0], "Bed 1", Centre(bed2), 900, bed2.Tag1 + 1);
  EXPECT_STREQ(m.texts[2].Text, "2000");  // the new depth

  // Undo the finish, the shrink and the alteration: as finished first.
  form->CmUndoExecute();
  EXPECT_EQ(RoomNamed("Bed 1").Kind, kind::Room29001);
  EXPECT_TRUE(made(bed2).walls.empty());
  form->CmUndoExecute();
  EXPECT_EQ(RoomNamed("Bed 1").Y2, B1.Y2);
  form->CmUndoExecute();
  EXPECT_EQ(RoomNamed("Bed 1").Kind, kind::LockedRoom);
  EXPECT_EQ(made(B1).walls.size(), 1u);
  EXPECT_EQ(made(B1).texts.size(), 3u);

  // Undoing the marking asks, as it was done on the layout, and brings the
  // rooms back onto the layout without walls.
  ui.ExpectQuestion(plat::mrYes)
      .WithText("last action was not on this view - do you still want to undo it ?");
  form->CmUndoExecute();
  EXPECT_EQ(RoomNamed("Bath").Kind, kind::Room);
  EXPECT_EQ(RoomNamed("Bath").Floor, view::LayoutGround);
  EXPECT_TRUE(InFile<TInwallobj>(kind::InWall, view::Ground).empty());
  EXPECT_TRUE(InFile<TExtwallobj>(kind::ExtWall, view::Ground).empty());
}

TEST_F(LockStory, RoomsSetApartAndPartlyCoveredSidesGetNoWallOverAnother) {
  wallMetric.Answer([](dlg::TTRoomptndlg& d) { d.thickness = 100; });
  AnswerRoom("Lounge", 4000, 3000);
  NewDrawing("L", 1, true);
  dir.WriteFile("CFG\\MERGEM.CFG", "10\n");  // rooms stay where they are put
  AddRoom("Bed", 3000, 2000, 1);
  AddRoom("Study", 4000, 2000, 1);
  // The bedroom 150 right of the lounge; the study under the bedroom, a room
  // wall below it and reaching 1000 past it.
  DragRoomTo("Lounge", 16000, 15000);
  const Box lounge = BoxOf(RoomNamed("Lounge"));
  DragRoomTo("Bed", lounge.right + 150, lounge.top);
  const Box bed = BoxOf(RoomNamed("Bed"));
  DragRoomTo("Study", bed.left, bed.bottom - 100);
  const Box study = BoxOf(RoomNamed("Study"));
  ASSERT_EQ(bed.left, lounge.right + 150);
  ASSERT_EQ(bed.top, lounge.top);
  ASSERT_EQ(P(study.left, study.top), P(bed.left, bed.bottom - 100));

  // The layout grid shows at once with Insert.
  Window().window.Drawn().clear();
  Key(plat::VK_INSERT);
  int32 dotted = 0;
  for (const auto& r : Window().window.Drawn())
    dotted += r.op == plat::DcOp::Line && r.pen.style == plat::PS_DOT;
  EXPECT_GT(dotted, 4);
  Key(plat::VK_INSERT);

  // Marking begun and given up with Escape: its corners go, as one undo step.
  MarkWalls();
  EnterAt(lounge.left, lounge.top);
  EnterAt(bed.right, bed.top);
  EnterAt(bed.right, study.top);
  ASSERT_EQ(InFile<TLineobj>(kind::WallLine, view::LayoutMarkingWalls).size(), 2u);
  const int steps = UndoSteps();
  Key(plat::VK_ESCAPE);
  EXPECT_EQ(form->CurrentTool()->Type, tooltype::Pick);
  EXPECT_TRUE(InFile<TLineobj>(kind::WallLine, view::LayoutMarkingWalls).empty());
  EXPECT_EQ(UndoSteps(), std::min(steps + 1, 10));

  // Marked afresh round the three rooms: six walls, from this outline only.
  MarkWalls();
  for (const P c : {P{lounge.left, lounge.top}, P{bed.right, bed.top}, P{bed.right, study.top},
                    P{study.right, study.top}, P{study.right, study.bottom},
                    P{lounge.left, study.bottom}})
    EnterAt(c.x, c.y);
  ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbYes, plat::mrYes)
      .Containing("Total Building Area this floor");
  Key(plat::VK_F);
  ASSERT_EQ(CurrentView, view::Ground);
  EXPECT_EQ(InFile<TExtwallobj>(kind::ExtWall, view::Ground).size(), 6u);

  // No two walls overlap: the bedroom's left side takes the face of the
  // lounge's wall (the bedroom 50 wider, its size text following); the
  // study's top lies partly on the bedroom's wall and partly on the external
  // wall and gets no wall; its left side gets a wall only below the
  // lounge's wall.
  const TRoomobj L = RoomNamed("Lounge"), B = RoomNamed("Bed"), S = RoomNamed("Study");
  EXPECT_EQ(B.X1, L.X2 + 100);
  EXPECT_EQ(B.RoomWidth, 3050);
  EXPECT_EQ(B.X2 - B.X1, 3050);
  EXPECT_EQ(S.X1, L.X2 + 100);
  ASSERT_EQ(MadeFor(B).texts.size(), 2u);
  EXPECT_STREQ(MadeFor(B).texts[1].Text, "3050 x 2000");
  EXPECT_STREQ(MadeFor(S).texts[1].Text, "4050 x 2000");
  std::vector<TInwallobj> walls = InFile<TInwallobj>(kind::InWall, view::Ground);
  for (std::size_t i = 0; i < walls.size(); ++i)
    for (std::size_t j = i + 1; j < walls.size(); ++j) {
      if ((walls[i].X1 == walls[i].X2) != (walls[j].X1 == walls[j].X2)) continue;  // a corner
      const Box a = BandOf(walls[i]), b = BandOf(walls[j]);
      EXPECT_FALSE(a.left < b.right && b.left < a.right && a.bottom < b.top && b.bottom < a.top)
          << "walls " << i << " and " << j << " overlap";
    }
  EXPECT_EQ(MadeFor(B).walls.size(), 1u);  // its bottom
  const Made s = MadeFor(S);
  ASSERT_EQ(s.walls.size(), 1u);
  ExpectWall(s.walls[0], {S.X1 - 100, S.Y2}, {S.X1 - 100, L.Y2 - 100}, {S.X1, S.Y2},
             {S.X1, L.Y2 - 100}, bearing::Up);
}

TEST_F(LockStory, RoomsInFeetAndInchesAndAnOpenArea) {
  wallImperial.Answer([](dlg::TTRoomptnimp& d) {
    d.inches = 4;
    d.eighths = 4;
  });
  roomImperial.Answer([](dlg::TTRoomimpdlg& d) {
    d.name = "Bed";
    d.width = dlg::FeetInches::Of(2880);
    d.length = dlg::FeetInches::Of(3456);
    d.dimensionChoice = 4;
  });
  NewDrawing("COTTAGE", 0, true);
  AnswerImperialRoom("space", 2304, 3456);
  form->CmDroomExecute();
  DragRoomTo("Bed", 96000, 72000);
  const Box bed = BoxOf(RoomNamed("Bed"));
  DragRoomTo("space", bed.right + 144, bed.top);
  const Box space = BoxOf(RoomNamed("space"));
  ASSERT_EQ(space.left, bed.right + 108);

  MarkWalls();
  EnterAt(bed.left, bed.top);
  EnterAt(space.right, space.top);
  EnterAt(space.right, space.bottom);
  EnterAt(bed.left, bed.bottom);
  ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbYes, plat::mrYes)
      .Containing("Total Building Area this floor");
  Key(plat::VK_F);
  ASSERT_EQ(CurrentView, view::Ground);

  // The bedroom gets the one wall beside the open area, 4 1/2 inches
  // thick, and its depth as text and dimension 12 inches inside its left
  // side (the external wall's face there: the corners were marked to the
  // nearest screen pixel, half an inch off); the open area is locked
  // without walls or texts.
  const TRoomobj b = RoomNamed("Bed");
  int32 leftFace = 300000;
  for (const TExtwallobj& w : InFile<TExtwallobj>(kind::ExtWall, view::Ground))
    leftFace = std::min(leftFace, building::ExtWallInnerFace(w).x1);
  EXPECT_LT(std::abs(leftFace - b.X1), 25);
  const TRoomobj open = RoomNamed("space");
  EXPECT_EQ(b.Kind, kind::LockedRoom);
  EXPECT_EQ(open.Kind, kind::LockedRoom);
  EXPECT_EQ(open.Floor, view::Ground);
  std::vector<TInwallobj> walls = InFile<TInwallobj>(kind::InWall, view::Ground);
  ASSERT_EQ(walls.size(), 1u);
  EXPECT_EQ(walls[0].LinkId, b.Tag1);
  EXPECT_EQ(walls[0].Thickness, 108);
  EXPECT_EQ(P(walls[0].X1, walls[0].Y1), P(b.X2 + 108, b.Y1));
  EXPECT_EQ(P(walls[0].Line2X2, walls[0].Line2Y2), P(b.X2, b.Y2));
  std::vector<TTextobj> texts = InFile<TTextobj>(kind::WallLengthText, view::Ground);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_STREQ(texts[0].Text, "12' 0''");
  EXPECT_EQ(texts[0].X1, leftFace + 288);
  EXPECT_EQ(texts[0].LinkId, b.Tag1 + 2);
  ASSERT_EQ(InFile<TTextobj>(kind::WallLabel, view::Ground).size(), 1u);  // "Bed"
  EXPECT_EQ(InFile<TDimensobj>(kind::Dimension261, view::Ground).size(), 1u);

  // Altered (the click that unlocks it snaps it onto the external wall's
  // face) and finished again: the wall follows it, as one undo step.
  form->CmDroomAlterExecute();
  Click(b.X1 + 240, b.Y1 - 240);
  EXPECT_TRUE(InFile<TInwallobj>(kind::InWall, view::Ground).empty());
  const TRoomobj altered = RoomNamed("Bed");
  EXPECT_EQ(altered.X1, leftFace);
  form->CmFinishRoomsExecute();
  walls = InFile<TInwallobj>(kind::InWall, view::Ground);
  ASSERT_EQ(walls.size(), 1u);
  EXPECT_EQ(P(walls[0].X1, walls[0].Y1), P(altered.X2 + 108, altered.Y1));
  EXPECT_EQ(InFile<TTextobj>(kind::WallLengthText, view::Ground)[0].LinkId, b.Tag1 + 2);
  form->CmUndoExecute();
  EXPECT_EQ(RoomNamed("Bed").Kind, kind::Room29001);
  EXPECT_EQ(RoomNamed("space").Kind, kind::LockedRoom);
}

TEST_F(LockStory, FinishingSaysWhyWhereItCannotRun) {
  wallMetric.Answer([](dlg::TTRoomptndlg& d) { d.thickness = 100; });
  AnswerRoom("Lounge", 4000, 3000);
  NewDrawing("FLAT", 1, true);
  // The layout's rooms are finished by marking the walls round them.
  ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbOK, plat::mrOk)
      .Containing("select 'Mark External Walls on LAYOUT'");
  form->CmFinishRoomsExecute();
  EXPECT_EQ(RoomNamed("Lounge").Kind, kind::Room);

  // A floor without design rooms.
  ui.ExpectQuestion(plat::mrYes).WithText("do you wish to save drawing changes?");
  form->CmPlanExecute();
  ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbOK, plat::mrOk)
      .WithText("there are no design rooms on this floor to finish");
  const int steps = UndoSteps();
  form->CmFinishRoomsExecute();
  EXPECT_EQ(UndoSteps(), steps);

  // The room-wall size cannot be read: said, and asked again before
  // marking; a Cancel leaves the layout as it was.
  std::remove(dir.Path("CFG\\RMPTNM.CFG").c_str());
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk).Containing("RMPTNM.CFG");
  wallMetric.Cancel();
  form->CmMarkWallsExecute();
  EXPECT_NE(CurrentView, view::LayoutMarkingWalls);
  EXPECT_EQ(form->CurrentTool()->Type, tooltype::Pick);

  // On a floor, the size given in the dialog is used.
  Edit(new TRoomobj(kind::Room, view::Ground, 10009, 10009, 16000, 15000, 19000, 12000, 3000, 3000,
                    1, BackgroundColour, 10, 5, 4, 4, "Study", "3000", "3000"));
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk).Containing("RMPTNM.CFG");
  wallMetric.Answer([](dlg::TTRoomptndlg& d) { d.thickness = 120; });
  form->CmFinishRoomsExecute();
  const std::vector<TInwallobj> walls = InFile<TInwallobj>(kind::InWall, view::Ground);
  ASSERT_EQ(walls.size(), 4u);
  EXPECT_EQ(walls[0].Thickness, 120);

  // The external-wall wizard moves on from its finishing steps.
  WizardActive = 1;
  WizardKind = 1;
  WizardStep = 18;
  Edit(new TRoomobj(kind::Room, view::Ground, 10013, 10013, 22000, 15000, 24000, 12000, 2000, 3000,
                    1, BackgroundColour, 10, 4, 4, 4, "Bath", "2000", "3000"));
  form->CmFinishRoomsExecute();
  EXPECT_EQ(WizardStep, 19);
  EXPECT_EQ(InFile<TInwallobj>(kind::InWall, view::Ground).size(), 8u);
  WizardActive = 0;
}

}  // namespace
