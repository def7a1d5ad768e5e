// The design-room commands of the plan window: a new room by name and size,
// and a new room the size of the free space round a click. Both ask the
// room-wall thickness for the first room of a view, then the room dialog of
// the drawing's units, and hand the size to the design-room tool.
#include <string>

#include "building/droom_geometry.h"
#include "building/droom_tool.h"
#include "dialogs/modal.h"
#include "dialogs/roomdlg.h"
#include "dialogs/roomimpdlg.h"
#include "dialogs/roomptndlg.h"
#include "model/flist.h"
#include "planwindow/childwin.h"
#include "planwindow/routing_support.h"
#include "planwindow/wizards.h"
#include "platform/ui.h"
#include "shell/mainform.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"

using namespace routing;

namespace {

constexpr const char* kHelpGuide = "GUIDE: press HELP button if unsure";
constexpr const char* kPlaceGuideMetric = "GUIDE: place cursor in room, move with Left Button down";
constexpr const char* kPlaceGuideImperial =
    "GUIDE: place cursor in room, move with Left Button down (align to Room), RB (align "
    "Boundary)";
constexpr const char* kFreeSpaceGuideMetric =
    "GUIDE: place cursor in room, move with Left Button down (align to Room), Right Button "
    "(align Boundary)";
constexpr const char* kFreeSpaceGuideImperial =
    "place cursor in room, move with Left Button down (align to Room), Right Button (align "
    "Boundary)";
constexpr const char* kSpaceTooSmall = "the free space is too small for a room";

// The wizards' example rooms, used instead of what was typed.
struct WizardRoom {
  int32 step;
  const char* name;
  int32 metricWidth, metricLength;
  int32 imperialWidth, imperialLength;
};
constexpr WizardRoom kWizardRooms[] = {
    {15, "Bed 1", 3600, 3600, 2880, 3456},     {17, "Bathroom", 3000, 2600, 2304, 2496},
    {103, "Bed 1", 3000, 3600, 2880, 3456},    {105, "Bathroom", 2400, 2550, 2304, 2448},
    {107, "Bed 2", 3000, 3300, 2880, 3168},    {109, "Kitchen", 2700, 2700, 2592, 2592},
};

// The name and size a room dialog gave.
struct RoomAnswer {
  std::string name;
  int32 width = 0;
  int32 length = 0;
};

// Shows the room dialog of the drawing's units (pre-filled with a measured
// space when given); false on Cancel.
bool AskRoom(RoomAnswer& answer, const int32* span) {
  auto take = [&answer](auto& d) {
    if (!dlg::ShowModal(d)) return false;
    d.Keep();
    answer = {d.RoomName(), d.Width(), d.Length()};
    return true;
  };
  if (MetricUnits == 1) {
    dlg::TTRoomdlg d = span ? dlg::TTRoomdlg(span[0], span[1]) : dlg::TTRoomdlg();
    return take(d);
  }
  dlg::TTRoomimpdlg d = span ? dlg::TTRoomimpdlg(span[0], span[1]) : dlg::TTRoomimpdlg();
  return take(d);
}

// Whether the current view holds a design room, placed or locked.
bool ViewHasRoom() {
  for (int32 i = 0; i < DrawingList.Count(); ++i) {
    const TObj* e = DrawingList.At(i);
    if (e->Floor == CurrentView && kind::IsRoomKind(e->Kind)) return true;
  }
  return false;
}

TDRoomobjtool* RoomTool() { return dynamic_cast<TDRoomobjtool*>(Tool()); }

void PickTool() {
  if (MainForm) MainForm->SelectPickTool();
}

void RecordUndo() { DrawingList.UpdateUndoHistory(uoRecord, CurrentView); }

}  // namespace

void TMDIChild::NewDesignRoom() {
  if (!RoomTool()) return;
  Guide(kHelpGuide);
  const bool guided = wizard::Running();
  // The room steps of both wizards: the external-wall wizard's lie below
  // the design-room wizard's.
  auto showStep = [this] {
    if (WizardStep < wizard::RoomFirst)
      ShowWallWizardStep(0);
    else
      ShowRoomWizardStep(0);
  };

  if (!ViewHasRoom()) {
    if (guided && (WizardStep == 13 || WizardStep == 101)) {
      ++WizardStep;
      showStep();
    }
    if (!dlg::RunRoomWallDialog(CurrentView)) {
      PickTool();
      if (WizardActive == 1) EndWizard();
      return;
    }
  }

  if (guided) {
    int32 next = WizardStep;
    if (WizardStep < 15) next = 15;
    else if (WizardStep == 16) next = 17;
    else if (WizardStep >= 100 && WizardStep <= 102) next = 103;
    else if (WizardStep == 104 || WizardStep == 106 || WizardStep == 108) next = WizardStep + 1;
    if (next != WizardStep) {
      WizardStep = next;
      showStep();
    }
  }

  RoomAnswer room;
  if (!AskRoom(room, nullptr)) {
    // Both unit systems end a running wizard here, as the wall question does.
    PickTool();
    if (WizardActive == 1) EndWizard();
    return;
  }
  if (guided) {
    for (const WizardRoom& w : kWizardRooms) {
      if (w.step != WizardStep) continue;
      room.name = w.name;
      room.width = MetricUnits == 1 ? w.metricWidth : w.imperialWidth;
      room.length = MetricUnits == 1 ? w.metricLength : w.imperialLength;
    }
    switch (WizardStep) {
      case 15: case 17: case 103: case 105: case 107: case 109:
        ++WizardStep;
        showStep();
        break;
      default: break;
    }
  }
  DrawingList.SetNewRoomName(room.name);

  ViewState = 2;
  TDRoomobjtool* tool = RoomTool();
  if (!tool) return;
  RecordUndo();
  tool->Execute(room.width, room.length, 0);
  Guide(MetricUnits == 1 ? kPlaceGuideMetric : kPlaceGuideImperial);
  // The wizard's own prompt for placing its room stays in view.
  if (const char* status = wizard::StepStatus(WizardStep); status && wizard::RoomWizardRunning())
    Guide(status);
  InvalidateToolFrame();
}

void TMDIChild::RoomInFreeSpace() {
  if (!RoomTool()) return;
  if (!ViewHasRoom() && !dlg::RunRoomWallDialog(CurrentView)) {
    PickTool();
    return;
  }
  int32 span[2] = {0, 0};
  {
    cfg::Reader r(ProgramFile(cfgfile::ClearSpan));
    r.Int(span[0]);
    r.Int(span[1]);
  }
  const int32 least = droom::MinRoomSide(MetricUnits);
  if (span[0] < least || span[1] < least) {
    plat::InfoBox(kSpaceTooSmall);
    return;
  }
  RoomAnswer room;
  if (!AskRoom(room, span)) {
    PickTool();
    return;
  }
  DrawingList.SetNewRoomName(room.name);
  TDRoomobjtool* tool = RoomTool();
  if (!tool) return;
  tool->Step = roomstep::Idle;
  RecordUndo();
  tool->Execute(room.width, room.length, 0);
  ViewState = 2;
  Guide(MetricUnits == 1 ? kFreeSpaceGuideMetric : kFreeSpaceGuideImperial);
  ChildMode = childmode::Creation;
  InvalidateToolFrame();
}
