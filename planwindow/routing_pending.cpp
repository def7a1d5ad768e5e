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


// The wizards' step texts.
void TMDIChild::PendingWizardStep(int32 /*placement*/) {}

// Places the design-room wizard's example rooms in a row; until the wizards
// arrive the rooms stay where the user left them.
void TMDIChild::PlaceWizardRooms() {}
