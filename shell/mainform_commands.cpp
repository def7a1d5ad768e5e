// Choosing a command from the menus: every command that can change the
// drawing marks it changed, so the save question and the title's star know
// of the change whether or not the command goes on to make it.
#include <algorithm>
#include <string>

#include "model/flist.h"
#include "model/globals.h"
#include "shell/mainform.h"

namespace {

// The commands that leave the open drawing as it is: its files, printing and
// pictures, the views and the zoom, the screen aids, settings kept in files
// of their own, and help. A view that changes the drawing when it is shown
// (walls copied from below or to the site plan, its title placed, the
// ground floor centred on the sheet) marks that itself, once it has.
// Every other command can change the drawing.
constexpr TMainForm::Command kLeaveDrawingAsItIs[] = {
    // Files, printing and pictures.
    &TMainForm::CmFilenewExecute, &TMainForm::CmFileopenExecute, &TMainForm::CmSaveExecute,
    &TMainForm::CmAutosaveExecute, &TMainForm::CmExitExecute, &TMainForm::CmPrintExecute,
    &TMainForm::CmPrintpartExecute, &TMainForm::CmPrintssplitExecute,
    &TMainForm::CmPrintcalExecute, &TMainForm::CmBmpExecute, &TMainForm::CmPngExecute,
    // Views and zoom.
    &TMainForm::CmPlanExecute, &TMainForm::CmPlan1Execute, &TMainForm::CmPlan2Execute,
    &TMainForm::CmPlan3Execute, &TMainForm::CmSubfloorExecute, &TMainForm::CmSiteExecute,
    &TMainForm::CmLayoutExecute, &TMainForm::CmGroupExecute, &TMainForm::CmAreasExecute,
    &TMainForm::CmOverlayExecute, &TMainForm::CmZoomnormExecute, &TMainForm::CmZoomhalfExecute,
    &TMainForm::CmZoomfitExecute, &TMainForm::CmZoomupExecute, &TMainForm::ScalePercentage1Click,
    // Screen aids.
    &TMainForm::CmCentreExecute, &TMainForm::CmCentrecentreExecute, &TMainForm::CmDatumExecute,
    // Settings of new shapes, rooms, dimensions and doors, and the libraries.
    &TMainForm::CmLinestyleExecute, &TMainForm::CmFillColourExecute,
    &TMainForm::CmMergeDistanceExecute, &TMainForm::CmRoomColourExecute,
    &TMainForm::CmRoomTextsExecute, &TMainForm::CmOffsetsExecute, &TMainForm::CmDefdoorsExecute,
    &TMainForm::CmAddToLibraryExecute,
    // Help.
    &TMainForm::ShowContextHelp, &TMainForm::CmWizardsExecute,
};

bool LeavesDrawingAsItIs(TMainForm::Command command) {
  return std::find(std::begin(kLeaveDrawingAsItIs), std::end(kLeaveDrawingAsItIs), command) !=
         std::end(kLeaveDrawingAsItIs);
}

}  // namespace

void TMainForm::RunCommand(Command command) {
  const bool changes = drawingOpen_ && ActiveChild() && !LeavesDrawingAsItIs(command);
  const std::string drawing = DrawingList.DrawingName;
  (this->*command)();
  // Marked once the command has run, so that the save question of a view it
  // switches to first asks only about what came before it. A drawing opened
  // in place of this one (turned or mirrored into a new name) starts saved.
  if (changes && drawingOpen_ && DrawingList.DrawingName == drawing) MarkDrawingChanged();
}
