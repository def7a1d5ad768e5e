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
#include "tools/lineobj_geometry.h"
#include "tools/shapetools.h"
#include "tools/texttool.h"

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

// ---- Texts -----------------------------------------------------------------------------------

void TMainForm::CmTextExecute() {
  if (!DrawingReady()) return;
  CurrentFunction = func::DrawingTools;
  MarkDrawingChanged();
  SetTool(tooltype::Text);
  st.SetPanelText(panel::Tool, plat::Format("%d,%s", LineThickness, "Text"));
  if (TMDIChild* child = ActiveChild()) child->StartText();
}

namespace {

// The text editing tool: a click on a text changes it (step 1) or its size (2).
constexpr int32 kChangeTextStep = 1;
constexpr int32 kTextSizeStep = 2;

void StartTextEdit(TMainForm& form, int32 step, const char* name, const char* prompt) {
  if (!DrawingReady()) return;
  CurrentFunction = func::DrawingTools;
  MarkDrawingChanged();
  form.SetTool(tooltype::Line);
  TDrawingtool* t = form.CurrentTool();
  t->Type = tooltype::TextEdit;
  t->Step = step;
  form.st.SetPanelText(panel::Tool, name);
  form.st.SetPanelText(panel::Guide, prompt);
}

}  // namespace

void TMainForm::CmTextChangeExecute() {
  StartTextEdit(*this, kChangeTextStep, "Change text",
                "GUIDE: click LEFT button on the text to change");
}

void TMainForm::CmTextSizeExecute() {
  StartTextEdit(*this, kTextSizeStep, "Text size",
                "GUIDE: click LEFT button on the text to resize");
}

// ---- Texts along lines and multi-lines -------------------------------------------------------

void TMainForm::CmLineTextExecute() {
  if (!DrawingReady()) return;
  CurrentFunction = func::DrawingTools;
  MarkDrawingChanged();
  SetTool(tooltype::Line);
  CurrentTool()->Step = toolstep::LineTextArmed;
  st.SetPanelText(panel::Tool, plat::Format("%d,%s", LineThickness, "Line text"));
  st.SetPanelText(panel::Guide,
                  "GUIDE: draw the line for the text - hold Left Button down and drag, or press "
                  "Enter on start point then use arrow keys");
}

void TMainForm::CmMultiLinesExecute() {
  if (!DrawingReady()) return;
  CurrentFunction = func::DrawingTools;
  MarkDrawingChanged();
  SetTool(tooltype::Line);
  st.SetPanelText(panel::Tool, plat::Format("%d,%s", LineThickness, "Multiline"));
  if (TMDIChild* child = ActiveChild()) child->StartMultiLines(8);
}

// ---- Moving a line's end ------------------------------------------------------------------------

void TMainForm::CmLineEndExecute() {
  if (!DrawingReady()) return;
  CurrentFunction = func::Edit;
  MarkDrawingChanged();
  SetTool(tooltype::Line);
  TDrawingtool* t = CurrentTool();
  t->Type = tooltype::Pick;  // clicks select nothing; the arrows move ends
  t->Step = lineend::Forward;
  st.SetPanelText(panel::Tool, "Move line end");
  st.SetPanelText(panel::Guide,
                  "GUIDE: point at a line near the end to move, then press the ARROW key of the "
                  "direction to move it");
}

// ---- Fill colour ---------------------------------------------------------------------------------

namespace {
constexpr int32 kFillColourCode = 54;
constexpr int32 kFillPickStep = 1;
}  // namespace

bool TMainForm::ChooseColour(int32 code) {
  if (code != kFillColourCode) return false;
  plat::COLORREF colour = ReadFillColour();
  if (!plat::Ui().ChooseColour(colour)) return false;
  cfg::Write(ProgramFile(cfgfile::FillColour), plat::Format("%ld\n", long(colour)));
  return true;
}

void TMainForm::CmFillColourExecute() {
  if (!ChooseColour(kFillColourCode)) return;
  // A shape tool already chosen fills with it from now on.
  if (TDrawingtool* t = CurrentTool()) t->FillColour = ReadFillColour();
}

void TMainForm::CmFillExecute() {
  if (!DrawingReady()) return;
  CurrentFunction = func::DrawingTools;
  MarkDrawingChanged();
  SetTool(tooltype::Line);
  TDrawingtool* t = CurrentTool();
  t->Type = tooltype::Fill;
  t->Step = kFillPickStep;
  st.SetPanelText(panel::Tool, "Fill");
  st.SetPanelText(panel::Guide, "GUIDE: click LEFT button inside the shape or symbol to fill");
}

// ---- Turning or mirroring the drawing ---------------------------------------------------------------

void TMainForm::CmRotateMirrorExecute() {
  if (!DrawingReady()) return;
  TMDIChild* child = ActiveChild();
  if (!child) return;
  CurrentFunction = func::Edit;
  if (child->RotateMirrorDrawing(1)) ShowRotatedDrawing();
}

void TMainForm::ShowRotatedDrawing() {
  // The drawing of the new name is the open drawing now: its undo steps,
  // its saved state and its windows.
  undoOwner_ = DrawingList.DrawingName;
  undoViewsKeptByExit_ = false;
  neverSaved_ = false;  // it was turned out of a drawing, whose saved state it takes
  {
    WriteReport report(*this);
    if (DrawingList.WriteDrawingFile(dtSavedCopy) && AutosaveMode == autosave::Changed)
      AutosaveMode = autosave::Unchanged;
  }
  DrawingList.KeepGroupAsSaved();
  RememberRecentFile(DrawingList.DrawingName);
  CloseAllChildren();
  ShowView(0, ViewExtension(CurrentView));
  SelectPickTool();
}
