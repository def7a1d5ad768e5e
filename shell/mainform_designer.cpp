// The designer's commands: Easy Draw picks a kind, Stairs takes the stairs;
// both then ask for a click where the item goes, which measures the clear
// span there; the designer window designs it and the move tool places it.
#include <memory>

#include "designer/fixture_dialogs.h"
#include "designer/fixture_kinds.h"
#include "designer/miscdesigner.h"
#include "dialogs/modal.h"
#include "model/flist.h"
#include "planwindow/childwin.h"
#include "shell/mainform.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"
#include "tools/linetool.h"

namespace {

constexpr int32 kAcross = TFlist::saAcross;

void StartClearSpanPick(TMainForm& f, int32 kind, bool fan, const std::string& name) {
  f.FixtureKind = kind;
  f.FixtureFan = fan;
  auto tool = std::make_unique<TLineobjtool>();
  tool->Type = tooltype::ClearSpan;
  tool->PickedIndex() = kAcross;
  f.ReplaceTool(nullptr);
  f.ReplaceTool(std::move(tool));
  f.st.SetPanelText(panel::Tool, "Easy Draw");
  f.st.SetPanelText(panel::Guide, "GUIDE: click Left Button where the " + name +
                                      " is to go - it is sized to fit between the walls there");
}

}  // namespace

void TMainForm::CmEasyDrawExecute() {
  if (!ActiveChild() || ViewState <= 1) return;
  CurrentFunction = func::EasyDraw;
  TEasydrawdlg d;
  d.item = lastPickedItem_;
  if (!dlg::ShowModal(d)) return;
  const pick::Item* item = pick::Find(d.item);
  if (!item) return;
  lastPickedItem_ = item->code;
  StartClearSpanPick(*this, item->kind, item->fan, item->caption);
}

void TMainForm::CmStairsExecute() {
  if (!ActiveChild() || ViewState <= 1) return;
  CurrentFunction = func::EasyDraw;
  StartClearSpanPick(*this, fixture::Stairs, false, "stairs");
}

void TMainForm::RunFixtureDesigner() {
  TMDIChild* child = ActiveChild();
  if (!child || !fixture::HasGenerator(FixtureKind)) return;
  CurrentFunction = func::EasyDraw;
  const int32 span = cfg::ReadFirstInt(ProgramFile(cfgfile::ClearSpan), 0);
  TMiscChild designer(FixtureKind, FixtureFan, span);
  if (!designer.ShowChanges() || !dlg::ShowModal(designer)) {
    SelectPickTool();
    return;
  }
  designer.Keep();
  // The plan as stored, then the symbol into it for the move tool to place.
  DrawingList.ReadDrawingFile(dtDrawing);
  SetTool(tooltype::Move);
  child->OfferAddToLibrary(FixtureKind);
}
