// Printing part of a plan: the print-part command has the user frame the
// part, the frame tool stores it, and the print worker prints the floor at
// the chosen scale centred on the frame and clipped to it.
#include <algorithm>
#include <memory>

#include "dialogs/modal.h"
#include "dialogs/printdlg.h"
#include "model/flist.h"
#include "planwindow/childwin.h"
#include "platform/ui.h"
#include "shell/mainform.h"
#include "shell/printing.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"
#include "tools/moveobjtool.h"

namespace {

constexpr const char* kPartGuide =
    "GUIDE: Just hold the Left Button down and drag over EXACT area you want to print";
constexpr const char* kFloorsOnly = "part printing is for floor plans - show a floor and try again";

bool IsPlanFloor(int32 v) { return v >= view::Ground && v <= view::SubFloor; }

}  // namespace

bool ReadPartFrame(PrintArea& f) {
  cfg::Reader r(ProgramFile(cfgfile::PartPrintFrame));
  int32 v[4] = {};
  for (int32& x : v)
    if (!r.Int(x)) return false;
  f.left = std::min(v[0], v[1]);
  f.right = std::max(v[0], v[1]);
  f.top = std::max(v[2], v[3]);
  f.bottom = std::min(v[2], v[3]);
  return f.left < f.right && f.bottom < f.top;
}

void ClipToArea(plat::DeviceContext& page, const PrintArea& f) {
  const plat::Rect box{f.left / PixelScale, f.top / PixelScale, f.right / PixelScale,
                       f.bottom / PixelScale};
  page.SetClipBox(&box);
}

void TMainForm::CmPrintpartExecute() {
  TMDIChild* child = ActiveChild();
  if (!child || !drawingOpen_ || ViewState <= 1) return;
  if (!IsPlanFloor(CurrentView)) {
    plat::InfoBox(kFloorsOnly);
    return;
  }
  CurrentFunction = func::Print;
  // A save that failed, or a decline that could not put the drawing back,
  // leaves the user where they were; the next command asks again.
  if (AskSaveChanges() == SaveAnswer::NotSaved) return;
  auto tool = std::make_unique<TMoveobjtool>();
  tool->Step = framestep::PartPrintStart;
  ReplaceTool(nullptr);
  ReplaceTool(std::move(tool));
  child->ChildMode = childmode::Frame;
  st.SetPanelText(panel::Tool, " Print part");
  st.SetPanelText(panel::Guide, kPartGuide);
}

void TMainForm::PrintPart() {
  TMDIChild* child = ActiveChild();
  TDrawingtool* tool = CurrentTool();
  // A frame without an area left the tool waiting for another.
  if (!child || !printer_ || (tool && tool->Step == framestep::PartPrintStart)) return;
  PrintArea part;
  if (!ReadPartFrame(part)) return;
  SelectPickTool();
  dlg::TTFPlanprintdlg choice;
  dlg::ReadPrintSettings(choice);
  if (!dlg::ShowModal(choice)) return;
  dlg::WritePrintSettings(choice);
  if (!printer_->Setup()) return;

  {
    // The print goes on when these fail: the user is told once.
    WriteReport report(*this);
    DrawingList.UpdateUndoHistory(uoRecord, CurrentView);
    DrawingList.WriteDrawingFile(dtDrawing);
    DrawingList.WriteDrawingFile(dtBackup);
  }
  PrintView(view::PartPrintOffset, choice, &part);
  child->Surface().InvalidateRect(nullptr);
}
