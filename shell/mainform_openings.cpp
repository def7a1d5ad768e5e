// The main form's window and door commands and the door swing settings.
#include "building/opening_tool.h"
#include "dialogs/modal.h"
#include "dialogs/opening_dialogs.h"
#include "model/flist.h"
#include "model/globals.h"
#include "planwindow/childwin.h"
#include "storage/settings_files.h"
#include "shell/mainform.h"

namespace {

constexpr const char* kWindowGuide = "GUIDE: Move to the window wall position and press enter";

}  // namespace

// Windows and doors go into the walls of a floor: from any other view the
// ground floor is shown first.
void TMainForm::StartOpeningTool(bool door) {
  TMDIChild* c = ActiveChild();
  if (!drawingOpen_ || !c || ViewState < 2) return;
  CurrentFunction = func::WindowsDoors;
  if (CurrentView < view::Ground || CurrentView > view::SubFloor) {
    if (!SwitchView(view::Ground, func::WindowsDoors)) return;
    c = ActiveChild();
    if (!c) return;
  }
  SetTool(tooltype::Opening);
  TDrawingtool* t = CurrentTool();
  if (!t) return;
  t->Type = tooltype::Opening;
  t->Colour = DrawingColour;
  t->Window = c;
  st.SetPanelText(panel::Tool, door ? "Doors" : "Windows");
  c->ChooseWallOrOpening(door ? wallchain::Doors : wallchain::Windows);
  auto* opening = dynamic_cast<TWindowobjtool*>(CurrentTool());
  if (!opening || !opening->Ready) return;
  DrawingList.WriteDrawingFile(dtDrawing);
  if (!door) st.SetPanelText(panel::Guide, kWindowGuide);
}

void TMainForm::CmWindowExecute() { StartOpeningTool(false); }

void TMainForm::CmDoorsExecute() { StartOpeningTool(true); }

// The angle doors are drawn open at and their leaf line.
void TMainForm::CmDefdoorsExecute() {
  CurrentFunction = func::Customise;
  DoorSwing s;
  if (!ReadDoorSwing(s)) {
    ReportOpeningSettingsUnreadable(cfgfile::DoorSwing);
    return;
  }
  TTDefdoorsdlg d;
  d.Load(s);
  if (!dlg::ShowModal(d)) return;
  WriteDoorSwing(d.Result());
}
