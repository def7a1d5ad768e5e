// A user finishes design rooms: lays out rooms on the layout, marks the
// external walls round them, and the rooms are locked into internal walls
// with their names, size texts and dimensions; alters a finished room and
// finishes it again; in millimetres and in feet and inches, every step in
// the live file and undoable.
#include <algorithm>

#include "building/droom_lock.h"
#include "dialogs/wall_dialogs.h"
#include "tests/droom_fixture.h"

namespace {

using droom::Box;
using P = plat::Point;

Box BoxOf(const TObj& e) { return {e.X1, e.Y1, e.X2, e.Y2}; }

class LockStory : public roomfix::RoomTest {
 protected:
  dlg::Scripted<TTExtwalldlg> wallType;
  dlg::ScopedRunner<TTExtwalldlg> useWallType{wallType};

  void PointAt(int32 x, int32 y) { ui.cursor = Window().window.ClientToScreen(Px(x, y)); }
  void EnterAt(int32 x, int32 y) {
    PointAt(x, y);
    Key(plat::VK_RETURN);
  }
  // The elements of the live file.
  template <class T>
  std::vector<T> InFile(int32 k, int32 floor) {
    TFlist list;
    list.ProgramDir = DrawingList.ProgramDir;
    list.SetDrawingName(DrawingList.DrawingName);
    list.ReadDrawingFile(dtDrawing);
    std::vector<T> out;
    for (int32 i = 6; i < list.Count(); ++i)
      if (list.At(i)->Kind == k && list.At(i)->Floor == floor)
        out.push_back(*static_cast<T*>(list.At(i)));
    return out;
  }
  // Drags a room by a point near its top left corner so that that corner
  // lands on (x, y).
  void DragRoomTo(const std::string& name, int32 x, int32 y) {
    const TRoomobj r = RoomNamed(name);
    Drag(r.X1 + 200, r.Y1 - 200, x + 200, y - 200);
  }
};

// What locking makes for a room, read from the live file.
struct Made {
  std::vector<TInwallobj> walls;
  std::vector<TTextobj> texts;
  std::vector<TDimensobj> dimensions;
};

TEST_F(LockStory, MarkTheExternalWallsRoundTheLayoutAndAlterAFinishedRoom) {
  // Three rooms on the layout, side by side a room wall apart.
  wallMetric.Answer([](dlg::TTRoomptndlg& d) { d.thickness = 100; });
  AnswerRoom("Lounge", 4000, 3000);
  NewDrawing("HOME", 1, true);
  roomMetric.Answer([](dlg::TTRoomdlg& d) {
    d.name = "Bed 1";
    d.width = 3000;
    d.length = 3000;
    d.colourChoice = 3;
    d.dimensionChoice = 2;
  });
  form->CmDroomExecute();
  roomMetric.Answer([](dlg::TTRoomdlg& d) {
    d.name = "Bath";
    d.width = 2000;
    d.length = 3000;
    d.colourChoice = 2;
    d.dimensionChoice = 3;
  });
  form->CmDroomExecute();
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
  wallType.Answer([](TTExtwalldlg& d) { d.type = walltype::Walling200; });
  ui.ExpectQuestion(plat::mrYes).WithText("do you wish to save drawing changes?");
  form->CmMarkWallsExecute();
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
    EXPECT_EQ(w.LinkId, r.Tag1);
    EXPECT_EQ(w.Tag1, r.Tag1);
    EXPECT_EQ(w.Angle, bearing::Down);
    EXPECT_EQ(w.Thickness, 100);
    EXPECT_EQ(P(w.X1, w.Y1), P(r.X2 + 100, r.Y1));
    EXPECT_EQ(P(w.X2, w.Y2), P(r.X2 + 100, r.Y2));
    EXPECT_EQ(P(w.Line2X1, w.Line2Y1), P(r.X2, r.Y1));
    EXPECT_EQ(P(w.Line2X2, w.Line2Y2), P(r.X2, r.Y2));
  }
  // Names, size texts and dimensions by each room's dimension choice, in
  // text groups of their own that follow the room's group.
  auto made = [&](const TRoomobj& r) {
    Made m;
    for (const TInwallobj& w : InFile<TInwallobj>(kind::InWall, view::Ground))
      if (w.LinkId == r.Tag1) m.walls.push_back(w);
    for (int k : {kind::WallLabel, kind::WallLengthText})
      for (const TTextobj& t : InFile<TTextobj>(k, view::Ground))
        if (t.Tag1 == r.Tag1) m.texts.push_back(t);
    for (const TDimensobj& d : InFile<TDimensobj>(kind::Dimension261, view::Ground))
      if (d.Tag1 == r.Tag1) m.dimensions.push_back(d);
    return m;
  };
  auto centre = [](const TRoomobj& r) {
    return P{r.X1 + (r.X2 - r.X1) / 2, r.Y1 - (r.Y1 - r.Y2) / 2};
  };
  Made m = made(L);  // dimension choice 1: the name and "width x depth" under it
  ASSERT_EQ(m.texts.size(), 2u);
  EXPECT_STREQ(m.texts[0].Text, "Lounge");
  EXPECT_EQ(P(m.texts[0].X1, m.texts[0].Y1), centre(L));
  EXPECT_EQ(m.texts[0].LinkId, L.Tag1 + 1);
  EXPECT_EQ(m.texts[0].X2, 900);
  EXPECT_EQ(m.texts[0].Alignment, 6);
  EXPECT_EQ(m.texts[0].Size, 12);  // "CFG\MOFFSET.CFG" value 6
  EXPECT_STREQ(m.texts[1].Text, "4000 x 3000");
  EXPECT_EQ(P(m.texts[1].X1, m.texts[1].Y1), P(centre(L).x, centre(L).y - 250));
  EXPECT_EQ(m.texts[1].Y2, 250);
  EXPECT_EQ(m.texts[1].LinkId, L.Tag1 + 1);
  EXPECT_TRUE(m.dimensions.empty());

  m = made(B1);  // both dimensions, 300 inside the top and left sides
  ASSERT_EQ(m.texts.size(), 3u);
  ASSERT_EQ(m.dimensions.size(), 2u);
  EXPECT_STREQ(m.texts[0].Text, "Bed 1");
  EXPECT_EQ(m.texts[0].Kind, kind::WallLabel);
  EXPECT_EQ(m.texts[0].LinkId, B1.Tag1 + 1);
  const TTextobj& width = m.texts[1];
  EXPECT_STREQ(width.Text, "3000");
  EXPECT_EQ(width.Kind, kind::WallLengthText);
  EXPECT_EQ(P(width.X1, width.Y1), P(centre(B1).x, B1.Y1 - 300));
  EXPECT_EQ(width.X2, 2700);
  EXPECT_EQ(width.LinkId, B1.Tag1 + 2);
  const TDimensobj& across = m.dimensions[0];
  EXPECT_EQ(across.LinkId, B1.Tag1 + 2);
  EXPECT_EQ(P(across.X1, across.Y1), P(B1.X1, B1.Y1 - 300));
  EXPECT_EQ(P(across.X2, across.Y2), P(B1.X1 + 100, B1.Y1 - 300));  // "CFG\ARROW.CFG" inset
  EXPECT_EQ(P(across.SecondX1, across.SecondY1), P(B1.X2, B1.Y1 - 300));
  EXPECT_EQ(P(across.SecondX2, across.SecondY2), P(B1.X2 - 100, B1.Y1 - 300));
  EXPECT_EQ(across.Angle, 900);
  EXPECT_EQ(across.Shown, 1);
  const TTextobj& depth = m.texts[2];
  EXPECT_STREQ(depth.Text, "3000");
  EXPECT_EQ(P(depth.X1, depth.Y1), P(B1.X1 + 300, centre(B1).y));
  EXPECT_EQ(depth.X2, 900);
  EXPECT_EQ(depth.LinkId, B1.Tag1 + 3);
  const TDimensobj& down = m.dimensions[1];
  EXPECT_EQ(P(down.X1, down.Y1), P(B1.X1 + 300, B1.Y1));
  EXPECT_EQ(P(down.X2, down.Y2), P(B1.X1 + 300, B1.Y1 - 100));
  EXPECT_EQ(P(down.SecondX1, down.SecondY1), P(B1.X1 + 300, B1.Y2));
  EXPECT_EQ(down.Angle, 1800);

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
  const TInwallobj& bottom = m.walls[0];  // leftward, stopping at the lounge's wall
  EXPECT_EQ(bottom.Angle, bearing::Left);
  EXPECT_EQ(P(bottom.X1, bottom.Y1), P(bed2.X2 + 100, bed2.Y2 - 100));
  EXPECT_EQ(P(bottom.X2, bottom.Y2), P(bed2.X1, bed2.Y2 - 100));
  EXPECT_EQ(P(bottom.Line2X1, bottom.Line2Y1), P(bed2.X2, bed2.Y2));
  EXPECT_EQ(P(bottom.Line2X2, bottom.Line2Y2), P(bed2.X1, bed2.Y2));
  const TInwallobj& right = m.walls[1];  // downward from the external wall
  EXPECT_EQ(right.Angle, bearing::Down);
  EXPECT_EQ(P(right.X1, right.Y1), P(bed2.X2 + 100, bed2.Y1));
  EXPECT_EQ(P(right.X2, right.Y2), P(bed2.X2 + 100, bed2.Y2 - 100));
  EXPECT_EQ(P(right.Line2X2, right.Line2Y2), P(bed2.X2, bed2.Y2));
  ASSERT_EQ(m.texts.size(), 3u);
  EXPECT_EQ(P(m.texts[0].X1, m.texts[0].Y1), centre(bed2));
  EXPECT_STREQ(m.texts[2].Text, "2000");  // the new depth
  EXPECT_EQ(m.texts[0].LinkId, bed2.Tag1 + 1);

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
  ui.ExpectQuestion(plat::mrYes).WithText(
      "last action was not on this view - do you still want to undo it ?");
  form->CmUndoExecute();
  EXPECT_EQ(RoomNamed("Bath").Kind, kind::Room);
  EXPECT_EQ(RoomNamed("Bath").Floor, view::LayoutGround);
  EXPECT_TRUE(InFile<TInwallobj>(kind::InWall, view::Ground).empty());
  EXPECT_TRUE(InFile<TExtwallobj>(kind::ExtWall, view::Ground).empty());
}

}  // namespace
