// The main form's side of the drawing wizards: the Help menu's Wizards
// command shows the chosen wizard's example drawing and its first step;
// File New moves the wizard on to the New dialog's step, or gives a wizard
// under way up; opening another drawing ends it.
#include "dialogs/modal.h"
#include "dialogs/wizardsdlg.h"
#include "model/flist.h"
#include "planwindow/childwin.h"
#include "planwindow/wizards.h"
#include "platform/ui.h"
#include "shell/mainform.h"
#include "storage/settings_files.h"

void TMainForm::CmWizardsExecute() {
  dlg::TTWizardsdlg choice;
  choice.kind = MetricUnits == 1 ? wizardkind::WallsMetric : wizardkind::WallsImperial;
  if (!dlg::ShowModal(choice)) return;
  EndWizards();

  if (!KeepCurrentDrawing()) return;
  CloseAllChildren();
  SetUnits(wizard::MetricKind(choice.kind) ? 1 : 0);
  const bool walls = wizard::IsWallKind(choice.kind);
  WizardKind = choice.kind;
  WizardStep = walls ? wizard::WallFirst : wizard::RoomFirst;
  WizardActive = 1;
  const std::string example = wizard::ExampleName(choice.kind);
  DrawingList.SetDrawingName(example);
  // While the wizard shows its first step the live drawing is read from
  // WDS\. The example is only shown: no drawing is open (the drawing
  // commands stay off) until File New starts the user's own.
  DrawingList.ReadDrawingFile(dtDrawing);
  if (DrawingList.Count() == 0)
    plat::InfoBox("the wizard's example drawing " + ShownFile("WDS\\" + example + ".KWV") +
                  " is missing");
  SetUnits(MetricUnits);
  drawingOpen_ = false;
  crds.SetSimpleText("");
  CurrentView = view::Ground;
  ViewState = 2;
  ShowView(0, ViewExtension(CurrentView));
  SelectPickTool();
  if (TMDIChild* child = ActiveChild()) {
    if (walls)
      child->ShowWallWizardStep(0);
    else
      child->ShowRoomWizardStep(0);
  }
}

// File New at a wizard's first step (or again at the New dialog's step)
// shows the step that explains the New dialog; at any later step the
// wizard is given up.
void TMainForm::WizardFileNew() {
  if (WizardActive != 1) return;
  TMDIChild* child = ActiveChild();
  if (WizardStep == wizard::WallFirst || WizardStep == wizard::WallNew) {
    WizardStep = wizard::WallNew;
    if (child) child->ShowWallWizardStep(0);
  } else if (WizardStep == wizard::RoomFirst || WizardStep == wizard::RoomNew) {
    WizardStep = wizard::RoomNew;
    if (child) child->ShowRoomWizardStep(0);
  } else {
    EndWizards();
  }
}

void TMainForm::EndWizards() {
  if (WizardActive != 1) return;
  const std::vector<TMDIChild*> open = Children();
  for (TMDIChild* c : open) c->EndWizard();
  WizardActive = 0;
  WizardStep = 0;
  WizardKind = wizardkind::None;
}

// Finish Design Rooms moves the external-wall wizard on: from the rooms
// placed to altering a finished room, then to its last step.
void TMainForm::WizardRoomsFinished() {
  constexpr int32 kRoomsPlaced = 18, kRoomAltered = 19;
  if (!wizard::WallWizardRunning() || (WizardStep != kRoomsPlaced && WizardStep != kRoomAltered))
    return;
  ++WizardStep;
  if (TMDIChild* child = ActiveChild()) child->ShowWallWizardStep(0);
}
