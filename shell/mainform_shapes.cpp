// The main form's drawing commands beyond lines: the four shape tools, the
// fill colour, texts, texts along lines, multi-lines, moving a line end, the
// line style and turning or mirroring the drawing. Commands that work on the
// open view hand over to the active drawing window.
#include <memory>

#include "model/flist.h"
#include "model/globals.h"
#include "planwindow/childwin.h"
#include "platform/services.h"
#include "platform/ui.h"
#include "shell/mainform.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"
#include "tools/shapetools.h"

namespace {

// A drawing window is ready for drawing commands.
bool DrawingReady() { return ViewState > 1; }

plat::COLORREF ReadFillColour() {
  return static_cast<plat::COLORREF>(cfg::ReadFirstInt(ProgramFile(cfgfile::FillColour), 0));
}

}  // namespace

// ---- Shapes -------------------------------------------------------------------------------------

namespace {

// Installs a shape tool with its name in panel 2 and its prompt in panel 0;
// the filled shapes take the fill colour of the settings.
void StartShape(TMainForm& form, std::unique_ptr<TDrawingtool> tool, const char* name,
                bool filled) {
  if (!DrawingReady()) return;
  CurrentFunction = func::DrawingTools;
  if (filled) tool->FillColour = ReadFillColour();
  const int32 type = tool->Type;
  form.ReplaceTool(nullptr);
  form.ReplaceTool(std::move(tool));
  form.st.SetPanelText(panel::Tool, plat::Format("%d,%s", LineThickness, name));
  form.st.SetPanelText(panel::Guide, ShapePrompt(type));
}

}  // namespace

void TMainForm::CmArcExecute() { StartShape(*this, std::make_unique<TArcobjtool>(), "Arc", false); }

void TMainForm::CmEllipseExecute() {
  StartShape(*this, std::make_unique<TEllipseobjtool>(), "Ellipse", true);
}

void TMainForm::CmCircleExecute() {
  StartShape(*this, std::make_unique<TCircleobjtool>(), "Circle", true);
}

void TMainForm::CmRndRectExecute() {
  StartShape(*this, std::make_unique<TRndrectobjtool>(), "RoundRect", true);
}
