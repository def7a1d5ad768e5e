#include "planwindow/routing_support.h"

#include "dialogs/feetdlg.h"
#include "platform/services.h"
#include "platform/ui.h"
#include "shell/mainform.h"
#include "tools/shapetools.h"

namespace routing {

const char* const kValidNumber = "input must be a valid number";
const char* const kRetryQuestion = "do you wish to retry?";
const char* const kPickToolName = "Pick tool";

TDrawingtool* Tool() { return MainForm ? MainForm->CurrentTool() : nullptr; }

void Guide(const std::string& text) {
  if (MainForm) MainForm->st.SetPanelText(panel::Guide, text);
}

void ToolPanel(const std::string& text) {
  if (MainForm) MainForm->st.SetPanelText(panel::Tool, text);
}

void PromptAgainIfShapeRefused() {
  TDrawingtool* t = Tool();
  if (!t) return;
  const char* prompt = ShapePrompt(t->Type);
  if (*prompt == '\0') return;  // not a shape tool: its marker is its own
  // A rounded rectangle just finished waits for the next corner.
  const bool rectangleDone =
      t->Type == tooltype::RoundRect && t->State == toolstate::Idle && t->X1 == 0;
  if (t->Result != kNothingPlaced && !rectangleDone) return;
  t->Result = 0;
  Guide(prompt);
}

bool AskText(const std::string& caption, const std::string& prompt, const std::string& initial,
             std::string& answer) {
  answer = initial;
  return plat::Ui().InputQuery(caption, prompt, answer);
}

DistanceAnswer AskDistance(const std::string& caption, const std::string& prompt,
                           int32 defaultValue, int32& value) {
  if (MetricUnits == 1) {
    std::string text;
    if (!AskText(caption, prompt, plat::IntToStr(defaultValue), text))
      return DistanceAnswer::Cancelled;
    value = plat::StrToInt0(text);
    if (value == 0) return DistanceAnswer::Invalid;
    if (value < 0 || value >= kDistanceLimit) return DistanceAnswer::OutOfRange;
    return DistanceAnswer::Ok;
  }
  TTFeetdlg dlg(defaultValue);
  if (dlg.ShowModal() != plat::mrOk) return DistanceAnswer::Cancelled;
  value = dlg.Length;
  // Feet and inches keep to the same limit as millimetres.
  if (value == 0) return DistanceAnswer::Invalid;
  if (value >= kDistanceLimit) return DistanceAnswer::OutOfRange;
  return DistanceAnswer::Ok;
}

}  // namespace routing
