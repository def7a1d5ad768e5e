// The main form's design-room commands: adding a room, the edits of placed
// rooms (each installs the design-room tool at its step; the plan window
// hands it the clicks and arrow keys), unlocking a finished room, marking
// the external walls round the layout's rooms, finishing the rooms of a
// floor into walls, and the merging distance and room colour settings.
#include "building/droom_lock.h"
#include "building/droom_settings.h"
#include "building/droom_tool.h"
#include "dialogs/modal.h"
#include "dialogs/roomoptionsdlg.h"
#include "model/flist.h"
#include "model/globals.h"
#include "planwindow/childwin.h"
#include "platform/ui.h"
#include "shell/mainform.h"

namespace {

// Views that hold design rooms: the layout views and the floors.
bool IsRoomView(int32 v) {
  return (v >= view::LayoutGround && v <= view::LayoutBasement) ||
         (v >= view::Ground && v <= view::SubFloor);
}

// Whether the ground-floor layout holds a design room that will get walls.
bool LayoutHasWalledRooms() {
  for (int32 i = 6; i < DrawingList.Count(); ++i) {
    const auto* r = dynamic_cast<const TRoomobj*>(DrawingList.At(i));
    if (r && r->Floor == view::LayoutGround && kind::IsDesignRoomKind(r->Kind) &&
        !droom::IsOpenArea(*r))
      return true;
  }
  return false;
}

// The drawing window a room command works in (nullptr: none is ready).
TMDIChild* RoomWindow(TMainForm& form) {
  if (!form.DrawingOpen() || ViewState <= 1) return nullptr;
  return form.ActiveChild();
}

struct RoomEdit {
  int32 type;
  int32 step;
  const char* name;   // status panel 2
  const char* guide;  // status panel 0
};

constexpr RoomEdit kEnlarge{tooltype::DesignRoom, roomstep::Enlarge, "Enlarge Room",
                            "GUIDE: click Left Button inside the room, then press the ARROW key "
                            "of the side to move out"};
constexpr RoomEdit kShrink{tooltype::DesignRoom, roomstep::Shrink, "Shrink Room",
                           "GUIDE: click Left Button inside the room, then press the ARROW key "
                           "of the side to move in"};
constexpr RoomEdit kRotate{tooltype::DesignRoom, roomstep::Rotate, "Rotate Room",
                           "GUIDE: click Left Button inside the room to turn it a quarter turn"};
constexpr RoomEdit kDelete{tooltype::DesignRoom, roomstep::Delete, "Delete Room",
                           "GUIDE: click Left Button inside the room to delete it"};
constexpr RoomEdit kMove{tooltype::DesignRoom, roomstep::ChooseToMove, "Move Room",
                         "GUIDE: Left Button in room then ARROW key to move by a distance, OR "
                         "Right Button then ARROW keys to nudge"};
constexpr RoomEdit kFreeSpace{tooltype::DesignRoom, roomstep::FreeSpace, "Room in Free Space",
                              "GUIDE: click Left Button in the free space between walls and "
                              "rooms for the new room"};
constexpr RoomEdit kAlter{tooltype::DesignRoom2, roomstep::Unlock, "ALTER Finished Room",
                          "GUIDE: click Left Button inside the finished room to alter - its "
                          "walls and texts are taken away"};

void StartRoomEdit(TMainForm& form, const RoomEdit& edit) {
  if (!RoomWindow(form)) return;
  CurrentFunction = func::DesignRooms;
  form.SetTool(edit.type);
  if (TDrawingtool* t = form.CurrentTool()) t->Step = edit.step;
  form.st.SetPanelText(panel::Tool, edit.name);
  form.st.SetPanelText(panel::Guide, edit.guide);
}

}  // namespace

void TMainForm::CmDroomExecute() {
  if (!RoomWindow(*this)) return;
  CurrentFunction = func::DesignRooms;
  if (!IsRoomView(CurrentView) && !SwitchView(view::LayoutGround, func::DesignRooms)) return;
  StartDesignRooms();
}

void TMainForm::StartDesignRooms() {
  CurrentFunction = func::DesignRooms;
  TMDIChild* child = ActiveChild();
  if (!child) {
    SelectPickTool();
    return;
  }
  SetTool(tooltype::DesignRoom);
  st.SetPanelText(panel::Tool, "Design Room");
  child->NewDesignRoom();
}

void TMainForm::CmDroomEnlargeExecute() { StartRoomEdit(*this, kEnlarge); }
void TMainForm::CmDroomShrinkExecute() { StartRoomEdit(*this, kShrink); }
void TMainForm::CmDroomRotateExecute() { StartRoomEdit(*this, kRotate); }
void TMainForm::CmDroomDeleteExecute() { StartRoomEdit(*this, kDelete); }
void TMainForm::CmDroomMoveExecute() { StartRoomEdit(*this, kMove); }
void TMainForm::CmDroomFreeSpaceExecute() { StartRoomEdit(*this, kFreeSpace); }
void TMainForm::CmDroomAlterExecute() { StartRoomEdit(*this, kAlter); }

// The outline of the house is traced round the layout's rooms on the layout
// view where walls are marked; once it closes, the key routing builds the
// ground floor's walls from it and locks the rooms into them.
void TMainForm::CmMarkWallsExecute() {
  TMDIChild* c = RoomWindow(*this);
  if (!c) return;
  CurrentFunction = func::Walls;
  if (LayoutHasWalledRooms() && !c->AskMissingRoomWallSize(view::LayoutGround)) return;
  if (!SwitchView(view::LayoutMarkingWalls, func::Walls)) return;
  c = ActiveChild();
  if (!c || CurrentView != view::LayoutMarkingWalls) return;
  SetTool(tooltype::Line);
  TDrawingtool* t = CurrentTool();
  t->Type = tooltype::Outline;
  t->Colour = DrawingColour;
  t->Window = c;
  st.SetPanelText(panel::Tool, "Mark External Walls");
  c->ChooseWallOrOpening(wallchain::ExternalWalls);
  c->Surface().InvalidateRect(nullptr);
}

void TMainForm::CmFinishRoomsExecute() {
  TMDIChild* c = RoomWindow(*this);
  if (!c) return;
  CurrentFunction = func::DesignRooms;
  c->FinishDesignRooms();
}

void TMainForm::CmMergeDistanceExecute() {
  CurrentFunction = func::DesignRooms;
  dlg::MergingDistanceDialog d;
  if (dlg::ShowModal(d)) d.Keep();
}

void TMainForm::CmRoomColourExecute() {
  CurrentFunction = func::DesignRooms;
  dlg::RoomColourDialog which;
  if (!dlg::ShowModal(which)) return;
  droom::RoomColours colours = droom::ReadRoomColours();
  plat::COLORREF* colour = which.which == 1   ? &colours.wetArea
                           : which.which == 2 ? &colours.bedroom
                                              : &colours.other;
  if (!plat::Ui().ChooseColour(*colour)) return;
  droom::WriteRoomColours(colours);
}
