// The main form's frame, polygon and library commands: each installs its
// tool (or asks the active drawing window) and writes the first prompt.
#include <memory>

#include "dialogs/altercurvedlg.h"
#include "dialogs/modal.h"
#include "planwindow/childwin.h"
#include "platform/services.h"
#include "shell/mainform.h"
#include "storage/cfgfile.h"
#include "storage/library_file.h"
#include "storage/settings_files.h"
#include "tools/moveobjtool.h"
#include "tools/polytool.h"

namespace {

constexpr const char* kMoveGuide =
    "GUIDE: hold Left Button down and DRAG over the items to move, then click their new "
    "position (fine tune with arrow keys, + - keys or Right Button rotate), press Enter to lock";
constexpr const char* kCopyGuide =
    "GUIDE: hold Left Button down and DRAG over the items to copy - then select Paste to place "
    "the copy";
constexpr const char* kEraseGuide =
    "GUIDE: hold Left Button down and DRAG COMPLETELY over the items to ERASE";
constexpr const char* kMoveCurveGuide =
    "DRAG Left Button completely over curved object - then use Left Button(MOVE), press ENTER to "
    "lock in new position";
constexpr const char* kDeleteCurveGuide =
    "DRAG with Left Button down, COMPLETELY over curved object to DELETE";
constexpr const char* kPolygonGuide =
    "GUIDE: press Enter on the first corner, then arrow keys (with distance) or Enter on each "
    "corner; back on the first corner, or numpad +, closes the polygon";
constexpr const char* kMergeGuide = "GUIDE: Left Button click inside the first worktop to merge";

}  // namespace

namespace {

// Installs a frame tool at its first step over the active drawing window.
bool StartFrameTool(TMainForm& f, std::unique_ptr<TMoveobjtool> tool, int32 step,
                    const char* name, const char* guide) {
  TMDIChild* child = f.ActiveChild();
  if (!child || ViewState <= 1) return false;
  CurrentFunction = func::Edit;
  tool->Step = step;
  f.ReplaceTool(nullptr);
  f.ReplaceTool(std::move(tool));
  child->ChildMode = childmode::Frame;
  f.st.SetPanelText(panel::Tool, name);
  f.st.SetPanelText(panel::Guide, guide);
  return true;
}

}  // namespace

void TMainForm::CmMoveExecute() {
  StartFrameTool(*this, std::make_unique<TMoveobjtool>(), framestep::Start, " Move", kMoveGuide);
}

void TMainForm::CmCopyExecute() {
  StartFrameTool(*this, std::make_unique<TCopyobjtool>(), framestep::Start, " Copy", kCopyGuide);
}

void TMainForm::CmEraseExecute() {
  StartFrameTool(*this, std::make_unique<TEraseobjtool>(), framestep::Start, " Erase",
                 kEraseGuide);
}

void TMainForm::CmPasteExecute() {
  TMDIChild* child = ActiveChild();
  if (!child || ViewState <= 1) return;
  CurrentFunction = func::Edit;
  child->PasteItems();
}

void TMainForm::CmCurveAlterExecute() {
  if (!ActiveChild() || ViewState <= 1) return;
  TTAltercurvedlg d;
  if (!dlg::ShowModal(d)) return;
  const int32 step =
      d.curve == TTAltercurvedlg::Ellipse ? framestep::EllipseStart : framestep::CircleStart;
  if (d.action == TTAltercurvedlg::MoveIt)
    StartFrameTool(*this, std::make_unique<TMoveobjtool>(), step, " Move curve", kMoveCurveGuide);
  else
    StartFrameTool(*this, std::make_unique<TEraseobjtool>(), step, " Delete curve",
                   kDeleteCurveGuide);
}

void TMainForm::CmPolygonExecute() {
  if (!ActiveChild() || ViewState <= 1) return;
  CurrentFunction = func::DrawingTools;
  auto tool = std::make_unique<TPolyobjtool>();
  tool->Type = tooltype::PolygonCmd;
  tool->FillColour = plat::COLORREF(cfg::ReadFirstInt(ProgramFile(cfgfile::FillColour), 0));
  ReplaceTool(nullptr);
  ReplaceTool(std::move(tool));
  st.SetPanelText(panel::Tool, plat::Format("%d,%s", LineThickness, "Polygon"));
  st.SetPanelText(panel::Guide, kPolygonGuide);
}

void TMainForm::CmMergeWorktopsExecute() {
  if (!ActiveChild() || ViewState <= 1) return;
  CurrentFunction = func::Edit;
  auto tool = std::make_unique<TPolyobjtool>();
  tool->Type = tooltype::WorktopMerge;
  tool->Step = 1;
  ReplaceTool(nullptr);
  ReplaceTool(std::move(tool));
  st.SetPanelText(panel::Tool, "Merge worktops");
  st.SetPanelText(panel::Guide, kMergeGuide);
}

// ---- Libraries ------------------------------------------------------------------------------

namespace {
void PickFrom(TMainForm& f, int32 group) {
  TMDIChild* child = f.ActiveChild();
  if (!child || ViewState <= 1) return;
  child->PickLibraryItem(group);
}
}  // namespace

void TMainForm::CmPlumbingExecute() { PickFrom(*this, library::Plumbing); }
void TMainForm::CmElectricalExecute() { PickFrom(*this, library::Electrical); }
void TMainForm::CmFurnitureExecute() { PickFrom(*this, library::Furniture); }
void TMainForm::CmMiscellaneousExecute() { PickFrom(*this, library::Miscellaneous); }

void TMainForm::CmAddToLibraryExecute() {
  TMDIChild* child = ActiveChild();
  if (!child || ViewState <= 1) return;
  child->StartLibraryAdd();
}
