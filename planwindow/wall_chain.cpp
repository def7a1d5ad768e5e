// The dialog chain in front of the external walls: the wall type (and a
// custom wall's layers), the side of the inner lines for walls drawn one at
// a time, the construction file written, and the first prompt of the
// tracing. Changing the wall type of a picked wall runs the same dialogs.
#include "building/wall_settings.h"
#include "dialogs/modal.h"
#include "dialogs/wall_dialogs.h"
#include "model/flist.h"
#include "planwindow/childwin.h"
#include "planwindow/routing_support.h"
#include "planwindow/wizards.h"
#include "platform/ui.h"
#include "shell/mainform.h"
#include "tools/linetool.h"

using namespace routing;

namespace {

constexpr int32 kWizardSolidWall = 3;
constexpr int32 kWizardSideStep = 4;
constexpr int32 kWizardStartStep = 5;
constexpr int32 kWizardVeneer = 112;
constexpr int32 kWizardOutlineStep = 113;
constexpr int32 kLastLayoutView = 49;
constexpr int32 kFirstPlanView = 50;

constexpr double kUnitsPerInch = 24.0;

// The layers of a wall type, a custom one asked in the drawing's units;
// false when a dialog was cancelled. The dialogs open on the construction
// in use.
bool ChooseLayers(Layers& layers, bool wizardForcesType) {
  const bool metric = MetricUnits == 1;
  const Layers current = layers;
  TTExtwalldlg type;
  type.metric = metric;
  if (current.Total() > 0) type.type = WallTypeOf(current, metric);
  if (!dlg::ShowModal(type)) return false;
  layers = type.Result();
  if (wizardForcesType) return true;
  if (!type.Custom()) return true;
  const bool presetCustom = WallTypeOf(current, metric) == walltype::Custom && current.Total() > 0;
  if (metric) {
    TTTCustwalldlg custom;
    if (presetCustom) custom.total = current.Total(), custom.cavity = current.t2, custom.inner = current.t3;
    if (!dlg::ShowModal(custom)) return false;
    layers = custom.Result();
  } else {
    TTCustwallimpdlg custom;
    if (presetCustom) {
      custom.total = current.Total() / kUnitsPerInch;
      custom.cavity = current.t2 / kUnitsPerInch;
      custom.inner = current.t3 / kUnitsPerInch;
    }
    if (!dlg::ShowModal(custom)) return false;
    layers = custom.Result();
  }
  return true;
}

}  // namespace

void TMDIChild::ChooseWallOrOpening(int32 k) {
  if (k == wallchain::ExternalWalls) ChooseExternalWalls();
  if (k == wallchain::Windows) ChooseWindows();
  if (k == wallchain::Doors) ChooseDoors();
}

void TMDIChild::CancelWallChain() {
  if (!MainForm) return;
  MainForm->SelectPickTool();
  if (WizardActive == 1) EndWizard();
  if (TDrawingtool* t = Tool()) t->X1 = kNothingPicked;
}

void TMDIChild::ChooseExternalWalls() {
  Guide("GUIDE:");
  ExtWallSettings settings;
  // Nothing is written from a file that could not be read whole.
  if (!ReadExtWallSettingsOrReport(settings)) return CancelWallChain();
  // A concluded wizard (its texts still shown) no longer drives the chain.
  const bool guided = wizard::Running();
  const bool wallWizard = wizard::WallWizardRunning();
  if (guided) {
    WizardStep = wallWizard ? kWizardSolidWall : kWizardVeneer;
    if (wallWizard)
      ShowWallWizardStep(3);
    else
      ShowRoomWizardStep(3);
  }
  Layers layers = settings.layers;
  const bool forced = guided && (WizardStep == kWizardSolidWall || WizardStep == kWizardVeneer);
  if (!ChooseLayers(layers, forced)) return CancelWallChain();
  TDrawingtool* t = Tool();
  if (!t) return;
  t->Step = 0;
  t->SavedStep = 0;
  const bool metric = MetricUnits == 1;
  if (guided && WizardStep == kWizardSolidWall)
    layers = LayersOfWallType(walltype::Walling200, metric);
  if (guided && WizardStep == kWizardVeneer) layers = LayersOfWallType(walltype::Veneer, metric);

  if (t->Type == tooltype::ExtWall) {
    if (wallWizard) {
      WizardStep = kWizardSideStep;
      ShowWallWizardStep(3);
    }
    Guide("GUIDE: Select the position of the inner wall line(s) relative to the EXTERNAL wall "
          "line you will draw");
    Tsecdlg side;
    if (!dlg::ShowModal(side)) return CancelWallChain();
    t = Tool();
    const int32 chosen = (guided && WizardStep == kWizardSideStep) ? innerside::Below : side.side;
    // The side the user sees, as the way a free wall is turned to run.
    t->Direction = DrawWayForInnerSide(chosen);
  }
  settings.layers = layers;
  settings.colour = t->Colour;
  WriteExtWallSettings(settings);
  Guide("Draw outer line of EXTERNAL walls, press ENTER on start point then use arrow keys for "
        "input (for ANGLED walls press F1 key for help)");

  if (CurrentView == view::Ground) {
    if (wallWizard) {
      WizardStep = kWizardStartStep;
      ShowWallWizardStep(1);
    }
    plat::Ui().SetCursorPos(ClientToScreen(WallStartCorner()));
  } else if (CurrentView >= view::LayoutGround && CurrentView <= kLastLayoutView) {
    if (guided && !wallWizard) {
      // The design-room wizard's rooms stand where the outline starts, in
      // the window as it is once the wall type has been chosen.
      PlaceWizardRooms();
      WizardStep = kWizardOutlineStep;
      ShowRoomWizardStep(3);
    }
    t->ButtonDown = 1;         // the guide lines follow the pointer
    t->GuideMode = guides::Both;
    t->SavedStep = 2;
  }
  Guide(CurrentView < kFirstPlanView
            ? "GUIDE: press ENTER on each house internal corner CLOCKWISE, then press '+ add' or "
              "'F' key to FINISH"
            : "GUIDE: Draw outer line of EXTERNAL walls, press ENTER on start point then use "
              "arrow keys for input");
  if (CurrentView >= view::Ground && CurrentView <= view::SubFloor &&
      DrawingList.Count() > CurrentView - view::Ground) {
    TObj* info = DrawingList.At(CurrentView - view::Ground);
    info->Marked = settings.floorValues[0];
    info->Tag2 = settings.floorValues[1];
  }
  DrawingList.WriteDrawingFile(dtDrawing);
  MarkDrawingChanged();
}

bool TMDIChild::ChangeExternalWallType() {
  ExtWallSettings settings;
  if (!ReadExtWallSettingsOrReport(settings)) {
    CancelWallChain();
    return false;
  }
  Layers layers = settings.layers;
  if (!ChooseLayers(layers, false)) {
    if (MainForm) MainForm->SelectPickTool();
    if (TDrawingtool* t = Tool()) t->X1 = kNothingPicked;
    return false;
  }
  settings.layers = layers;
  WriteExtWallSettings(settings);
  if (TDrawingtool* t = Tool()) t->Execute(layers.t1, layers.t2, layers.t3);
  DrawingList.WriteDrawingFile(dtDrawing);
  MarkDrawingChanged();
  return true;
}
