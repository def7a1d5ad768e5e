// The main form's internal-wall and wall-edit commands: internal walls with
// their spacing, the wall edits (join, shorten, lengthen, split, wall type,
// move an internal wall, delete) started from the options dialog or each on
// its own, and expanding or shrinking the base.
#include "building/base_resize.h"
#include "building/extwall_tool.h"
#include "building/inwall_tool.h"
#include "dialogs/inwall_dialogs.h"
#include "dialogs/modal.h"
#include "model/flist.h"
#include "model/globals.h"
#include "planwindow/childwin.h"
#include "platform/services.h"
#include "platform/ui.h"
#include "shell/mainform.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"

namespace {

constexpr const char* kInwallGuide =
    "GUIDE: Press Enter on start point, then use arrow keys or cursor. Use ESCape key to add "
    "stop end. Press F1 key for ALL methods";
constexpr const char* kGroundAloneRefused =
    "You cannot alter the ground floor without re centreing any other floors\nre select tool "
    "and retry";

bool IsFloorView(int32 v) { return v >= view::Ground && v <= view::SubFloor; }

// What each wall edit shows: its name in panel 2 and its first prompt.
struct WallEdit {
  int32 step;
  const char* name;
  const char* guide;
};

constexpr WallEdit kWallEdits[] = {
    {toolstep::Join, "Join Walls",
     "GUIDE: click Left Button on the end of an EXTERNAL wall to draw a new wall from"},
    {toolstep::Shorten, "Shorten Wall",
     "GUIDE: click Left Button on a wall or line near the end to SHORTEN"},
    {toolstep::Extend, "Lengthen Wall",
     "GUIDE: click Left Button on a wall or line near the end to LENGTHEN"},
    {toolstep::Split, "Split Wall",
     "GUIDE: place the cursor on the EXTERNAL wall where it is to be split, then press ENTER"},
    {toolstep::WallType, "Change Wall Type",
     "GUIDE: click Left Button on the EXTERNAL wall to change to another wall type"},
    {toolstep::MoveInWall, "MOVE Internal Wall",
     "GUIDE: click Left Button on one side of an internal ( partition ) wall to MOVE"},
    {toolstep::Delete, "Delete Wall",
     "GUIDE: click Left Button on the wall or line to DELETE"},
};

// The upper floors of the drawing that hold a wall, as "CFG\FLOORS.CFG"
// lists them.
bool WriteFloorsWithWalls() {
  int32 codes[4] = {};
  const int32 floors[4] = {view::First, view::Second, view::Third, view::Basement};
  for (int32 i = 6; i < DrawingList.Count(); ++i) {
    const TObj& e = *DrawingList.At(i);
    if (e.Kind != kind::ExtWall && e.Kind != kind::InWall) continue;
    for (int k = 0; k < 4; ++k)
      if (e.Floor == floors[k]) codes[k] = floors[k];
  }
  return cfg::Write(ProgramFile(cfgfile::Floors), plat::Format("%d %d %d %d\n", codes[0],
                                                               codes[1], codes[2], codes[3]));
}

}  // namespace

TMDIChild* TMainForm::WallWindow() {
  if (!drawingOpen_ || ViewState < 2) return nullptr;
  return ActiveChild();
}

void TMainForm::CmIntwallExecute() {
  TMDIChild* c = WallWindow();
  if (!c) return;
  CurrentFunction = func::Walls;
  if (!IsFloorView(CurrentView)) {
    if (!SwitchView(view::Ground, func::Walls)) return;
    c = ActiveChild();
    if (!c) return;
  }
  SetTool(tooltype::InWall);
  int32 spacing = 0, side = 0;
  if (!RunSpacingDialog(spacing, side)) {
    SelectPickTool();
    return;
  }
  auto* t = dynamic_cast<TInwallobjtool*>(CurrentTool());
  if (!t) return;
  t->ChooseSide(side);
  t->Spacing = spacing;
  t->Colour = DrawingColour;
  t->Window = c;
  MarkDrawingChanged();
  st.SetPanelText(panel::Guide, kInwallGuide);
}

void TMainForm::StartWallEdit(int32 step) {
  TMDIChild* c = WallWindow();
  if (!c) return;
  CurrentFunction = func::Walls;
  if (!IsFloorView(CurrentView)) {
    if (!SwitchView(view::Ground, func::Walls)) return;
    c = ActiveChild();
    if (!c) return;
  }
  SetTool(tooltype::WallEdit);
  TDrawingtool* t = CurrentTool();
  t->Step = step;
  t->Window = c;
  MarkDrawingChanged();
  for (const WallEdit& e : kWallEdits) {
    if (e.step != step) continue;
    st.SetPanelText(panel::Tool, e.name);
    st.SetPanelText(panel::Guide, e.guide);
  }
}

void TMainForm::CmSnapToExecute() {
  if (!WallWindow()) return;
  TTSnapdlg d;
  if (!dlg::ShowModal(d)) return;
  StartWallEdit(d.step);
}

void TMainForm::CmWallJoinExecute() { StartWallEdit(toolstep::Join); }
void TMainForm::CmWallShortenExecute() { StartWallEdit(toolstep::Shorten); }
void TMainForm::CmWallLengthenExecute() { StartWallEdit(toolstep::Extend); }
void TMainForm::CmWallSplitExecute() { StartWallEdit(toolstep::Split); }
void TMainForm::CmWallTypeExecute() { StartWallEdit(toolstep::WallType); }
void TMainForm::CmMoveInwallExecute() { StartWallEdit(toolstep::MoveInWall); }
void TMainForm::CmWallDeleteExecute() { StartWallEdit(toolstep::Delete); }

void TMainForm::StartBaseChange(int32 step) {
  TMDIChild* c = WallWindow();
  if (!c) return;
  CurrentFunction = func::Walls;
  TFloorChange d;
  if (!dlg::ShowModal(d)) return;
  if (d.choice == multifloor::ThisFloor && CurrentView == view::Ground) {
    plat::ErrorBox(kGroundAloneRefused, plat::mbCancel);
    return;
  }
  if (d.choice == multifloor::AllFloors || d.choice == multifloor::GroundOnly) {
    DrawingList.ReadDrawingFile(dtDrawing);
    WriteFloorsWithWalls();
    if (CurrentView != view::Ground) {
      if (!SwitchView(view::Ground, func::Walls)) return;
      c = ActiveChild();
      if (!c) return;
    }
  }
  SetTool(tooltype::ExtWall);
  auto* t = dynamic_cast<TExtwallobjtool*>(CurrentTool());
  if (!t) return;
  t->Type = tooltype::EnlargeShrink;
  t->MultiFloorMode = d.choice;
  t->Step = step;
  t->Window = c;
  MarkDrawingChanged();
  const bool expand = step == extwallstep::Expand;
  st.SetPanelText(panel::Tool, expand ? "Enlarge Floor Plan" : "Shrink Floor Plan");
  st.SetPanelText(panel::Guide,
                  expand ? "GUIDE: press ARROW key of direction to expand floor plan"
                         : "*WARNING* press F1 first if unsure -press ARROW key of direction to "
                           "shrink floor plan");
}

void TMainForm::CmExpandbaseExecute() { StartBaseChange(extwallstep::Expand); }
void TMainForm::CmShrinkbaseExecute() { StartBaseChange(extwallstep::Shrink); }
