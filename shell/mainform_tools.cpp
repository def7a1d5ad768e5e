// The main form's side of the tools: choosing the current tool, returning to
// the pick tool, the line command, the centring aids, the temporary datum and
// the tool side of the line style.
#include <memory>

#include "model/globals.h"
#include "planwindow/childwin.h"
#include "platform/services.h"
#include "platform/ui.h"
#include "shell/mainform.h"
#include "tools/buildingtools.h"
#include "tools/linetool.h"
#include "tools/moveobjtool.h"
#include "tools/shapetools.h"
#include "tools/texttool.h"

namespace {

constexpr const char* kPickGuide = "GUIDE: pick tool";
constexpr const char* kPickName = " pick tool";
constexpr const char* kSelectPickGuide = "GUIDE: Select a function or drawing tool";
constexpr const char* kInternalWallName = "Internal wall";
constexpr const char* kCentreRefused = "Centre is not available to this function";
constexpr const char* kCentrePrompt =
    "CENTRE - mark both endpoints with LEFT Button - cursor will move to centre";
constexpr const char* kCentreCentrePrompt =
    "CENTRE CENTRE - click any three corners in a CLOCKWISE direction with LEFT Button";
constexpr const char* kLinePrompt =
    "GUIDE: Hold Left Button down and drag, or press Enter on start point then use arrow keys";

// Tool ids of SetTool beyond the tool types they share a number with.
constexpr int32 kIdPlaceLibraryItem = 78;  // the move tool that places a library item
constexpr int32 kIdPlainLine = 85;

template <class T>
std::unique_ptr<TDrawingtool> Make() {
  return std::make_unique<T>();
}

// The tool for an id, and the type it gets when that differs from its
// constructor's (0: keep the constructor's type).
struct ToolChoice {
  std::unique_ptr<TDrawingtool> tool;
  int32 type = 0;
};

ToolChoice ToolForId(int32 id) {
  using namespace tooltype;
  switch (id) {
    case Line: return {Make<TLineobjtool>()};
    case Arc: return {Make<TArcobjtool>()};
    case Text: return {Make<TTextobjtool>()};
    case Ellipse: return {Make<TEllipseobjtool>()};
    case Circle: return {Make<TCircleobjtool>()};
    case Move: return {Make<TMoveobjtool>()};
    case Copy: return {Make<TCopyobjtool>()};
    case Parked:
    case Pick: return {Make<TLineobjtool>(), Pick};
    case LibraryPick: return {Make<TLineobjtool>(), LibraryPick};
    case TypedText: return {Make<TTextobjtool>(), TypedText};
    case kIdPlaceLibraryItem: return {Make<TMoveobjtool>()};
    case kIdPlainLine: return {Make<TLineobjtool>()};
    case WallEdit: return {Make<TLineobjtool>(), WallEdit};
    case ExtWall: return {Make<TExtwallobjtool>()};
    case InWall: return {Make<TInwallobjtool>()};
    case Opening: return {Make<TWindowobjtool>()};
    case DesignRoom: return {Make<TDRoomobjtool>()};
    case DesignRoom2: return {Make<TDRoomobjtool>(), DesignRoom2};
    default: return {Make<TLineobjtool>(), Line};
  }
}

// The tool's name in status panel 2 after a line style is chosen.
const char* StyleToolName(int32 type) {
  switch (type) {
    case tooltype::Line: return "Line";
    case tooltype::Arc: return "Multiline";
    case tooltype::Text: return "Text";
    case tooltype::Ellipse: return "Ellipse";
    case tooltype::Circle: return "Circle";
    case tooltype::Parked:
    case tooltype::Pick: return "Pick tool";
    default: return "";
  }
}

}  // namespace

void TMainForm::SetTool(int32 id) {
  ReplaceTool(nullptr);  // the old tool goes first: one tool at a time
  ToolChoice choice = ToolForId(id);
  if (choice.type != 0) choice.tool->Type = choice.type;
  ReplaceTool(std::move(choice.tool));
  if (id == tooltype::Parked || id == tooltype::Pick) {
    st.SetPanelText(panel::Guide, kPickGuide);
    st.SetPanelText(panel::Tool, kPickName);
  } else if (id == tooltype::InWall) {
    st.SetPanelText(panel::Tool, kInternalWallName);
  }
}

void TMainForm::SelectPickTool() {
  ReplaceTool(nullptr);
  auto tool = std::make_unique<TLineobjtool>();
  tool->Type = tooltype::Pick;
  ReplaceTool(std::move(tool));
  st.SetPanelText(panel::Guide, kSelectPickGuide);
  st.SetPanelText(panel::Tool, kPickName);
  CurrentFunction = func::PickTool;
}

void TMainForm::CmLineExecute() {
  if (ViewState <= 1) return;
  CurrentFunction = func::DrawingTools;
  MarkDrawingChanged();
  SetTool(tooltype::Line);
  st.SetPanelText(panel::Tool, plat::Format("%d,%s", LineThickness, "Line"));
  st.SetPanelText(panel::Guide, kLinePrompt);
}

// Both aids remember the step to return to and take over the next clicks.
void TMainForm::StartCentringAid(int32 step, const char* prompt) {
  TDrawingtool* tool = CurrentTool();
  if (!tool) return;
  // The design-room tool's own steps share these numbers (30 turns a room):
  // the aids run with the pick tool instead.
  if (tool->Type == tooltype::DesignRoom || tool->Type == tooltype::DesignRoom2) {
    SelectPickTool();
    CurrentFunction = func::ScreenAids;
    tool = CurrentTool();
  }
  tool->SavedStep = tool->Step;
  tool->Step = step;
  st.SetPanelText(panel::Guide, prompt);
}

void TMainForm::CmCentreExecute() {
  if (ViewState <= 1) return;
  CurrentFunction = func::ScreenAids;
  TDrawingtool* tool = CurrentTool();
  if (tool && tool->Step == toolstep::MultiStart) {
    plat::ErrorBox(kCentreRefused, plat::mbCancel);
    return;
  }
  StartCentringAid(toolstep::CentreFirst, kCentrePrompt);
}

void TMainForm::CmCentrecentreExecute() {
  if (ViewState <= 1) return;
  CurrentFunction = func::ScreenAids;
  StartCentringAid(toolstep::CentreCentreFirst, kCentreCentrePrompt);
}

void TMainForm::CmDatumExecute() {
  if (TMDIChild* child = ActiveChild()) child->StartTemporaryDatum();
}

void TMainForm::CmLinestyleExecute() {
  if (ViewState <= 1) return;
  CurrentFunction = func::LineStyle;
  // The active window's line-style dialog hands its answer to ApplyLineStyle.
  if (TMDIChild* child = ActiveChild()) child->ChooseLineStyle();
}

void TMainForm::ApplyLineStyle(int32 thickness, int32 penStyle) {
  LineThickness = thickness;
  TDrawingtool* tool = CurrentTool();
  if (tool) tool->PenStyle = penStyle;
  st.SetPanelText(panel::Tool,
                  plat::Format("%d,%s", LineThickness, tool ? StyleToolName(tool->Type) : ""));
}
