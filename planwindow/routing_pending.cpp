// Stand-ins for window operations that come with other parts of the plan
// window (wizards, dialog chains, window drawing commands, library commands,
// the measurement question). Each does the least visible part of its job so
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

// Context help of the current function group.
void TMDIChild::PendingContextHelp() {}

// Repaints what a frame or ghost left behind (the whole window here).
void TMDIChild::PendingInvalidateFrameChange(int32 /*mode*/) { Surface().InvalidateRect(nullptr); }
void TMDIChild::PendingInvalidateToolFrame() { Surface().InvalidateRect(nullptr); }
void TMDIChild::PendingInvalidateMergeArea() { Surface().InvalidateRect(nullptr); }

// Whether the listed selection holds a rounded rectangle (no free rotation).
bool TMDIChild::PendingSelectionHasRoundRect() { return false; }

// The measurement question of the dimension steps.
void TMDIChild::PendingMeasurementQuestion(plat::Point /*cursor*/) {}

// The wizards' step texts.
void TMDIChild::PendingWizardStep(int32 /*placement*/) {}

// The fill colour of the shape under the pointer: nothing is picked here.
void TMDIChild::PendingChangeFillColour(int32 /*x*/, int32 /*y*/) {
  if (TDrawingtool* t = routing::Tool()) t->PickedIndex() = kNothingPicked;
}

// The text for the text-on-a-line tool; false when cancelled.
bool TMDIChild::PendingLineText() { return false; }

// The centred-text question; false on Cancel.
bool TMDIChild::PendingCentredText(std::string& text) {
  text.clear();
  return plat::Ui().InputQuery("", "", text);
}

void TMDIChild::PendingAddToLibrary() {}
void TMDIChild::PendingRunFixtureDesigner() {}
void TMDIChild::PendingPrintPart() {}
