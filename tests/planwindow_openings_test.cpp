// Windows and doors as a user puts them in: the command, the dialog chain,
// the ghost following the pointer, Enter on a wall, the live file, undo,
// refusals with their messages, and cancels that go back to the pick tool.
#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <vector>

#include "building/extwall_tool.h"
#include "building/opening_tool.h"
#include "building/wall_geometry.h"
#include "dialogs/opening_dialogs.h"
#include "model/view_mapping.h"
#include "platform/keys.h"
#include "tests/planwindow_fixture.h"
#include "tests/traced_outline.h"

namespace {

using P = plat::Point;

class OpeningStory : public planfix::ShellTest {
 protected:
  plat::ScriptedUi& ui = DefaultTestUi();
  dlg::InstalledScript<TTWindlg> windowDlg;
  dlg::InstalledScript<TTExdoordlg> doorDlg;
  dlg::InstalledScript<TTDoorplandlg> planDlg;
  dlg::InstalledScript<TTRobedlg> robeDlg;
  dlg::InstalledScript<TTSdoordlg> slideDlg;
  dlg::InstalledScript<TTEntrydlg> entryDlg;
  dlg::InstalledScript<TTFoldingdlg> foldDlg;

  P lo, hi;  // the traced outline; the walls lie 300 outside it

  // A new drawing with a room of external walls in the middle of the window.
  void NewHouse(int32 metric) {
    NewDrawing("HOUSE", metric);
    ui.Reset();
    ui.onFailure = [](const std::string& f) { ADD_FAILURE() << f; };
    const int32 u = metric ? 1000 : 288;  // a metre, or a foot
    const int32 cx = (WindowOrgX + WindowExtX / 2) * PixelScale / u * u;
    const int32 cy = (WindowOrgY + WindowExtY / 2) * PixelScale / u * u;
    lo = {cx - 3 * u, cy - 2 * u};
    hi = {cx + 3 * u, cy + 2 * u};
    dir.WriteFile(metric ? "CFG\\EXTWALLM.CFG" : "CFG\\EXTWALLI.CFG",
                  metric ? "110 55 135 0 3000 6000 9000 -3000 0 0 0 0 0 0\n"
                         : "108 48 132 0 3000 6000 9000 -3000 0 0 0 0 0 0\n");
    TraceOutline({lo, {lo.x, hi.y}, hi, {hi.x, lo.y}});
    TExtwallobjtool build;
    build.Command(extwallcmd::BuildFromOutline);
    CurrentView = view::Ground;
    DrawingList.UpdateUndoHistory(uoReset, 0);
    AutosaveMode = 0;
    Window().Paint();
  }
  P PixelOf(P d) {
    plat::WindowDC dc(Child().Surface());
    int32 px = 0, py = 0;
    WorldToDevice(*dc, Child().ClientRect(), d.x / PixelScale, d.y / PixelScale, px, py);
    return {px, py};
  }
  // The door command for one hanging door of this width (in the drawing's
  // units), opening the way `opens` gives (TTDoorplandlg::view).
  void HangingDoor(double width, int32 opens) {
    doorDlg.Answer([width](TTExdoordlg& d) {
      d.type = openingkind::HangingDoor;
      d.width = width;
      d.count = 1;
    });
    planDlg.Answer([opens](TTDoorplandlg& d) { d.view = opens; });
    form->CmDoorsExecute();
  }
  void PointAt(P d) { ui.cursor = Window().window.ClientToScreen(PixelOf(d)); }
  void EnterAt(P d) {
    PointAt(d);
    Child().FormKeyDown(plat::VK_RETURN, false);
  }
  void MoveTo(P d) {
    const P px = PixelOf(d);
    Child().OnMouseMove(px.x, px.y, false);
  }
  int UndoSteps() const {
    int n = 0;
    for (int32 v : DrawingList.UndoViews) n += v != 0;
    return n;
  }
  std::vector<TObj*> InFile(int32 k) {
    DrawingList.Clear();
    DrawingList.ReadDrawingFile(dtDrawing);
    std::vector<TObj*> out;
    for (int32 i = 6; i < DrawingList.Count(); ++i)
      if (DrawingList.At(i)->Kind == k) out.push_back(DrawingList.At(i));
    return out;
  }
  std::string Guide() { return form->st.PanelText(panel::Guide); }
  int32 ToolType() { return form->CurrentTool() ? form->CurrentTool()->Type : -1; }
};

TEST_F(OpeningStory, AWindowAndADoorArePutIntoTheWallsUndoneAndRefusedAsAUserSeesIt) {
  NewHouse(1);
  const int32 bottom = lo.y - 300, top = hi.y + 300;
  const int32 mx = (lo.x + hi.x) / 2;

  // The window: its dialog, the prompt, the ghost, Enter on the bottom wall.
  windowDlg.Answer([](TTWindlg& d) {
    d.kind = 2;
    d.width = 1200;
    d.height = 900;
    d.showSizes = 1;
    d.showCill = 1;
  });
  form->CmWindowExecute();
  EXPECT_EQ(ToolType(), tooltype::Opening);
  EXPECT_EQ(Guide(), "GUIDE: Move to the window wall position and press enter");
  EXPECT_EQ(dir.ReadFile("CFG\\WIND.CFG").substr(0, 16), "2 1200 900 0 1 1");
  const std::size_t drawnBefore = Window().window.Drawn().size();
  MoveTo({mx, bottom + 100});
  MoveTo({mx + 200, bottom + 100});
  EXPECT_GT(Window().window.Drawn().size(), drawnBefore) << "the ghost follows the pointer";
  EnterAt({mx, bottom + 100});
  EXPECT_EQ(ToolType(), tooltype::Pick);
  EXPECT_EQ(UndoSteps(), 1);
  EXPECT_EQ(AutosaveMode, 1) << "the save question is armed";
  // Every ghost drawn was rubbed out again, the last one by Enter.
  std::map<std::tuple<int, int, int, int>, int> ghosts;
  for (const auto& r : Window().window.Drawn())
    if (r.op == plat::DcOp::Ellipse && r.rop == plat::R2_XORPEN)
      ++ghosts[{r.box.left, r.box.top, r.box.right, r.box.bottom}];
  EXPECT_EQ(ghosts.size(), 2u);
  for (const auto& [box, n] : ghosts) EXPECT_EQ(n % 2, 0) << "a ghost left on the screen";
  auto frames = InFile(kind::OpeningFrame);
  ASSERT_EQ(frames.size(), 1u);
  auto* frame = static_cast<TPolyobj*>(frames[0]);
  EXPECT_EQ(frame->PointY[1], bottom - 50) << "the cill";
  EXPECT_EQ(frame->Tag1, 100000 + NextGroupNumber);
  EXPECT_EQ(OpeningCount, 1);
  EXPECT_EQ(InFile(kind::WallLengthText).size(), 1u) << "the size label";

  // Enter inside the room: the marking error, nothing stored, no undo step.
  windowDlg.Answer();
  form->CmWindowExecute();
  const std::string live = dir.ReadFile("DWGS\\HOUSE.KWV");
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk)
      .Containing("No window marked - cursor must be between the 2 or 4 line thickness");
  EnterAt({mx, (lo.y + hi.y) / 2});
  EXPECT_EQ(ToolType(), tooltype::Pick);
  EXPECT_EQ(UndoSteps(), 1);
  EXPECT_EQ(dir.ReadFile("DWGS\\HOUSE.KWV"), live);

  // A cancelled dialog: the pick tool, nothing written.
  const std::string wind = dir.ReadFile("CFG\\WIND.CFG");
  windowDlg.Cancel();
  form->CmWindowExecute();
  EXPECT_EQ(ToolType(), tooltype::Pick);
  EXPECT_EQ(dir.ReadFile("CFG\\WIND.CFG"), wind);
  EXPECT_EQ(OpeningCount, 1) << "counts openings cut, not dialogs shown";

  // A hanging door in the top wall, hinged on the left and opening inward.
  HangingDoor(820, 6);
  EXPECT_EQ(Guide(), "GUIDE: press ENTER when cursor is between wall lines");
  EnterAt({mx, top - 100});
  EXPECT_EQ(UndoSteps(), 2);
  const auto arcs = InFile(kind::Arc);
  ASSERT_EQ(arcs.size(), 1u);
  const auto* arc = static_cast<TArcobj*>(arcs[0]);
  // Hinge on the left at the inner face, swinging down into the room.
  EXPECT_NEAR((arc->X1 + arc->X2) / 2, mx - (mx - lo.x) % 25, 30);
  EXPECT_NEAR((arc->Y1 + arc->Y2) / 2, top - 300, 1);
  EXPECT_NEAR(std::min(arc->StartY, arc->EndY), top - 300 - 820, 1);
  EXPECT_EQ(OpeningCount, 2);

  // Undo takes the door away again.
  form->CmUndoExecute();
  EXPECT_TRUE(InFile(kind::Arc).empty());
  EXPECT_EQ(InFile(kind::OpeningFrame).size(), 1u);
}

TEST_F(OpeningStory, OpeningsStayClearOfTheNeighbouringWallsAtTheCorners) {
  NewHouse(1);  // walls 300 thick: the bottom wall's face runs 300 past each inner corner
  const int32 bottom = lo.y - 300;
  const std::string live = dir.ReadFile("DWGS/HOUSE.KWV");
  ASSERT_FALSE(live.empty());
  // A door of 820 at the very end of the bottom wall, hinged at the corner:
  // on the face, but under the left wall.
  HangingDoor(820, 5);
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk)
      .Containing("No door marked - cursor must be between the 2 or 4 line thickness");
  EnterAt({lo.x - 300, bottom + 100});
  EXPECT_EQ(dir.ReadFile("DWGS/HOUSE.KWV"), live);
  // A window of 1200 reaching 100 past the right wall's inner face: refused;
  // one that ends on it is put in.
  windowDlg.Answer([](TTWindlg& d) {
    d.kind = 2;
    d.width = 1200;
  });
  form->CmWindowExecute();
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk)
      .Containing("No window marked");
  EnterAt({hi.x - 500, bottom + 100});
  EXPECT_TRUE(InFile(kind::OpeningFrame).empty());
  windowDlg.Answer();
  form->CmWindowExecute();
  EnterAt({hi.x - 600, bottom + 100});
  const auto frames = InFile(kind::OpeningFrame);
  ASSERT_EQ(frames.size(), 1u);
  const auto* frame = static_cast<const TPolyobj*>(frames[0]);
  EXPECT_EQ(std::max(frame->PointX[0], frame->PointX[1]), hi.x);
}

TEST_F(OpeningStory, DoorChainsAskWhatTheirKindNeedsAndRefuseSlidersWiderThanTheirDoors) {
  NewHouse(1);
  const int32 bottom = lo.y - 300;
  const int32 mx = (lo.x + hi.x) / 2;
  // Two doors of 900 cannot fill an opening of 2000.
  doorDlg.Answer([](TTExdoordlg& d) {
    d.type = 24;
    d.width = 900;
    d.count = 2;
  });
  robeDlg.Answer([](TTRobedlg& d) { d.openingWidth = 2000; });
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbCancel, plat::mrCancel)
      .WithText("You cannot have an opening bigger than the sum of the door widths - reselect "
                "door icon");
  form->CmDoorsExecute();
  EXPECT_EQ(ToolType(), tooltype::Pick) << "no half-configured tool is left";
  // 1800 is accepted.
  doorDlg.Answer([](TTExdoordlg& d) {
    d.type = 24;
    d.width = 900;
    d.count = 2;
  });
  robeDlg.Answer([](TTRobedlg& d) { d.openingWidth = 1800; });
  form->CmDoorsExecute();
  EXPECT_EQ(ToolType(), tooltype::Opening);
  EXPECT_EQ(Guide(), "GUIDE: press ENTER key when cursor is nearer wall side for folding doors");
  EnterAt({mx, bottom + 100});
  EXPECT_EQ(InFile(kind::OpeningFrame).size(), 1u);

  // Two hanging doors ask nothing more; the count the kind allows is checked.
  doorDlg.Answer([](TTExdoordlg& d) {
    d.type = 12;
    d.width = 820;
    d.count = 3;
  });
  form->CmDoorsExecute();
  EXPECT_EQ(doorDlg.Refused(), 1) << "two hanging doors are two";
  EXPECT_EQ(ToolType(), tooltype::Pick);
  doorDlg.Answer([](TTExdoordlg& d) {
    d.type = 12;
    d.width = 820;
    d.count = 2;
  });
  form->CmDoorsExecute();
  EXPECT_EQ(Guide(), "GUIDE: press ENTER with cursor cross on door HANGING side of wall");

  // Folding doors ask their side; an entry frame with one door its swing too.
  doorDlg.Answer([](TTExdoordlg& d) {
    d.type = 21;
    d.width = 400;
    d.count = 4;
  });
  foldDlg.Answer([](TTFoldingdlg& d) { d.side = 1; });
  form->CmDoorsExecute();
  EXPECT_EQ(dir.ReadFile("CFG\\DOOR.CFG").substr(0, 19), "21 0 1600 1 400 4 1");
  doorDlg.Answer([](TTExdoordlg& d) {
    d.type = 16;
    d.width = 820;
    d.count = 1;
  });
  entryDlg.Answer([](TTEntrydlg& d) {
    d.frameWidth = 2000;
    d.position = 2;
  });
  planDlg.Answer([](TTDoorplandlg& d) { d.view = 5; });
  form->CmDoorsExecute();
  EXPECT_EQ(Guide(), "GUIDE: press ENTER with cursor on or between wall lines");
  EXPECT_EQ(form->CurrentTool()->Step, 5);
  // A cancel anywhere in the chain: the pick tool.
  doorDlg.Answer([](TTExdoordlg& d) {
    d.type = 13;
    d.width = 820;
    d.count = 1;
  });
  slideDlg.Cancel();
  form->CmDoorsExecute();
  EXPECT_EQ(ToolType(), tooltype::Pick);
}

TEST_F(OpeningStory, ImperialDoorsAreTypedInInchesAndStoredInTwentyFourths) {
  NewHouse(0);
  const int32 bottom = lo.y - 288;
  const int32 mx = (lo.x + hi.x) / 2;
  HangingDoor(32.5, 5);  // 2' 8 1/2''
  EXPECT_EQ(dir.ReadFile("CFG\\DOOR.CFG").substr(0, 18), "11 0 780 24 780 1 ");
  EnterAt({mx, bottom + 96});
  const auto leaves = InFile(kind::WallLine);
  ASSERT_FALSE(leaves.empty());
  bool found = false;
  for (const TObj* l : leaves)
    found = found || (l->Y2 - l->Y1 == 780 && l->X1 == l->X2 && l->Y1 == bottom + 288);
  EXPECT_TRUE(found) << "a leaf 780 long standing into the room";
}

}  // namespace
