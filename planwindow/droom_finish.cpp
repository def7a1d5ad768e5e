// Finishing design rooms: the rooms of the floor shown are locked into
// internal walls by the internal-wall tool's locking step, with their names,
// size texts and dimensions, as one undo step. The rooms of the layout are
// finished when the external walls are marked round them instead.
#include <string>

#include "building/droom_lock.h"
#include "building/droom_settings.h"
#include "building/inwall_tool.h"
#include "dialogs/roomptndlg.h"
#include "model/flist.h"
#include "planwindow/childwin.h"
#include "planwindow/routing_support.h"
#include "platform/ui.h"
#include "shell/mainform.h"
#include "storage/settings_files.h"

using namespace routing;

namespace {

constexpr int32 kLastLayoutView = 49;

constexpr const char* kLayoutRooms =
    "The design rooms of the LAYOUT are finished when the external walls are marked round them - "
    "select 'Mark External Walls on LAYOUT'";
constexpr const char* kNoRooms = "there are no design rooms on this floor to finish";

// The design rooms of a view: how many, and how many will get walls.
struct RoomCount {
  int32 all = 0;
  int32 walled = 0;
};
RoomCount CountRooms(int32 v) {
  RoomCount n;
  for (int32 i = 6; i < DrawingList.Count(); ++i) {
    const auto* r = dynamic_cast<const TRoomobj*>(DrawingList.At(i));
    if (!r || r->Floor != v || !kind::IsDesignRoomKind(r->Kind)) continue;
    ++n.all;
    n.walled += !droom::IsOpenArea(*r);
  }
  return n;
}

}  // namespace

bool TMDIChild::AskMissingRoomWallSize(int32 v) {
  if (droom::RoomWallSize(v) > 0) return true;
  plat::ErrorBox(std::string("The wall thickness round design rooms cannot be read from ") +
                     ShownFile(cfgfile::RoomWalls.ForUnits()) + " - set it again before the rooms are walled.",
                 plat::mbOK);
  return dlg::RunRoomWallDialog(v) && droom::RoomWallSize(v) > 0;
}

void TMDIChild::FinishDesignRooms() {
  if (!MainForm) return;
  if (CurrentView >= view::LayoutGround && CurrentView <= kLastLayoutView) {
    plat::InfoBox(kLayoutRooms);
    return;
  }
  const RoomCount rooms = CountRooms(CurrentView);
  if (rooms.all == 0) {
    plat::InfoBox(kNoRooms);
    return;
  }
  if (rooms.walled > 0 && !AskMissingRoomWallSize(CurrentView)) return;

  DrawingList.UpdateUndoHistory(uoRecord, CurrentView);
  MainForm->SetTool(tooltype::InWall);
  TDrawingtool* t = Tool();
  t->Window = this;
  t->Step = toolstep::LockRooms;
  t->Execute(0, 0, 1);
  MainForm->SelectPickTool();
  // The rooms themselves are no longer drawn once locked: the whole window
  // is painted again, not only the walls' frame.
  Surface().InvalidateRect(nullptr);
  MarkDrawingChanged();

  MainForm->WizardRoomsFinished();
}
