// The two drawing wizards walk a first-time user through a complete
// example while the user works the real commands: the external-wall wizard
// (kinds 1 and 2, steps 0 to 20) traces a six-wall outline and adds two
// design rooms; the design-room wizard (kinds 3 and 4, steps 100 to 121)
// lays out four rooms and traces the external walls round them. The
// commands, dialogs and keys move WizardStep on and ask the drawing window
// to show the new step (TMDIChild::ShowWallWizardStep, ShowRoomWizardStep).
//
// Here: the wizard kinds and steps, where a step's panel lies, the step
// texts and the example drawings' names, as free functions for the window
// and the tests.
#pragma once

#include <string>

#include "model/globals.h"
#include "platform/gdi_types.h"

namespace wizard {

// ---- Steps (WizardStep) --------------------------------------------------------
constexpr int32 WallFirst = 0;   // the example is shown; File New goes on
constexpr int32 WallNew = 1;     // the New dialog
constexpr int32 WallLast = 20;   // "That concludes this wizard"
constexpr int32 WallDone = 21;   // after the last step: the texts stay until the end
constexpr int32 RoomFirst = 100;
constexpr int32 RoomNew = 101;
constexpr int32 RoomLast = 121;
constexpr int32 RoomDone = 122;

// A wizard that still walks its steps: WizardActive 1 and a kind set. Once
// its last step is shown the kind is 0 and only its texts stay.
bool Running();
bool WallWizardRunning();  // kinds 1 and 2
bool RoomWizardRunning();  // kinds 3 and 4
// Whether a kind is metric (kinds 1 and 3).
inline bool MetricKind(int32 kind) {
  return kind == wizardkind::WallsMetric || kind == wizardkind::RoomsMetric;
}
inline bool IsWallKind(int32 kind) {
  return kind == wizardkind::WallsMetric || kind == wizardkind::WallsImperial;
}

// The step panel of a step in a client area of width x height pixels,
// moved inside it where the placement would leave it; and whether it has a
// border (the first and the last step).
plat::Rect StepPanelBounds(bool wallWizard, int32 step, int32 width, int32 height);
bool StepPanelBordered(bool wallWizard, int32 step);
// The hint line: 450 x 20 pixels, 3 below the top, centred across.
plat::Rect HintBounds(int32 width, int32 height);
extern const char* const kHintText;

// The panel text of a step in the drawing's units ("" for a step without one).
std::string StepText(int32 step, bool metric);
// The status text some design-room steps write (nullptr: none).
const char* StepStatus(int32 step);

// Where tracing starts: client pixels in from the top left corner of the
// part of the sheet the window shows (TMDIChild::SheetCornerPixel). The
// external walls' corner is 625 mm (2 feet) in at normal zoom; the
// design-room wizard's outline starts on Bed 1's corner.
constexpr plat::Point kWallStartMetric{25, 25};
constexpr plat::Point kWallStartImperial{24, 24};
constexpr plat::Point kRoomStart{75, 75};

// The example drawing a wizard kind shows first ("WDS\<name>.KWV").
std::string ExampleName(int32 kind);

}  // namespace wizard
