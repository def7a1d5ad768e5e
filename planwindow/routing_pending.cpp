// Stand-ins for window operations that come with other parts of the plan
// window (wizards, dialog chains, library commands, the measurement
// question). Each does the least visible part of its job so
// that the routing around it runs; replace the call by the real operation
// when it exists.
#include "planwindow/childwin.h"
#include "planwindow/routing_support.h"
#include "platform/ui.h"
#include "shell/mainform.h"

// Ends the running wizard.
void TMDIChild::PendingEndWizard() {
  WizardActive = 0;
  Surface().InvalidateRect(nullptr);
}

// Repaints what a frame or ghost left behind (the whole window here).
void TMDIChild::PendingInvalidateFrameChange(int32 /*mode*/) { Surface().InvalidateRect(nullptr); }
void TMDIChild::PendingInvalidateToolFrame() { Surface().InvalidateRect(nullptr); }
void TMDIChild::PendingInvalidateMergeArea() { Surface().InvalidateRect(nullptr); }

// The measurement question of the dimension steps.
void TMDIChild::PendingMeasurementQuestion(plat::Point /*cursor*/) {}

// The wizards' step texts.
void TMDIChild::PendingWizardStep(int32 /*placement*/) {}

