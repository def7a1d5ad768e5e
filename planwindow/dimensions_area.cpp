// The plan window's dimension commands and floor areas: the automatic
// dimensions of the floor, the report of its building area, the typed
// measurement of a dimension set by two points, and the table of the
// drawing's floor areas.
#include "dialogs/feetdlg.h"
#include "dialogs/modal.h"
#include "dialogs/plan_dialogs.h"
#include "model/flist.h"
#include "planwindow/childwin.h"
#include "planwindow/routing_support.h"
#include "platform/services.h"
#include "platform/ui.h"
#include "shell/mainform.h"

using namespace routing;

namespace {

constexpr int32 kPositionStep = 2;
constexpr int32 kMeasurementLimit = 70000;  // mm, exclusive

// The floor's information record takes its area (views 120..125).
void StoreFloorArea(int32 area) {
  const int32 record = CurrentView - view::Ground;
  if (record < 0 || record > view::SubFloor - view::Ground || record >= DrawingList.Count()) return;
  if (auto* info = dynamic_cast<TInfoobj*>(DrawingList.At(record))) info->InfoValues[0] = area;
}

std::string AreaLine(int32 area, const char* ending) {
  return plat::Format(MetricUnits == 1 ? "Total Building Area this floor: %d sq. metres%s"
                                       : "Total Building Area this floor: %d sq. feet%s",
                      area, ending);
}

}  // namespace

void TMDIChild::PlaceAutoDimensions(int32 step) {
  TDrawingtool* t = Tool();
  if (!t) return;
  t->Window = this;
  if (step == 1) {
    plat::WindowDC dc(Surface());
    t->ElementsAdded(*dc, ClientRect(), 1, 0);
    t->Step = kPositionStep;
    Guide("position cursor & click Left Button to move or click Right Button to rotate");
    return;
  }
  if (step != 8) return;
  DrawingList.UpdateUndoHistory(uoRecord, CurrentView);
  t->Command(1);  // re-centres the ground floor and measures the floor's area
  {
    plat::WindowDC dc(Surface());
    if (TDrawingtool* now = Tool()) now->AutoDimension(*dc, ClientRect(), 0, 0, 0, 111);
  }
  const int32 area = DrawingList.GetFloorArea();
  StoreFloorArea(area);
  DrawingList.WriteDrawingFile(dtDrawing);
  MarkDrawingChanged();
  Surface().InvalidateRect(nullptr);
  const plat::Point cursor = plat::Ui().GetCursorPos();
  plat::InfoBox(AreaLine(area, "\n") + "Area and Dimensions should be checked manually\n");
  plat::Ui().SetCursorPos(cursor);
}

void TMDIChild::ReportFloorArea(int32 mode) {
  const plat::Rect r = ClientRect();
  const plat::Point centre = ClientToScreen({r.right / 2, r.bottom / 2});
  plat::Ui().SetCursorPos(centre);
  Guide("GUIDE: for HELP - press button if showing or press F1 key");
  if (mode != 1 && mode != 2) return;
  const int32 area = DrawingList.GetFloorArea();
  StoreFloorArea(area);
  DrawingList.WriteDrawingFile(dtDrawing);
  std::string text = AreaLine(area, "\n\n");
  if (mode == 1) text += "If the plan view is incorrect, select PLAN VIEWS / LAYOUT to re mark the walls\n";
  text += "Area and Dimensions should be checked manually\n\n";
  text += "Areas are available in Plan Views / Floor Areas";
  plat::InfoBox(text, plat::mbYes);
  if (MainForm) MainForm->SelectPickTool();
  Guide("GUIDE: Pick drawingtool");
  plat::Ui().SetCursorPos(centre);
  if (mode == 1)
    Guide("GUIDE: If the plan view is incorrect, select PLAN VIEWS / LAYOUT to re mark the walls");
}

void TMDIChild::AskDimensionMeasurement(plat::Point cursor) {
  TDrawingtool* t = Tool();
  if (!t) return;
  t->Window = this;
  const int32 entry = t->Step;
  if (entry == toolstep::DimensionSecond) DrawingList.UpdateUndoHistory(uoRecord, CurrentView);
  {
    plat::WindowDC dc(Surface());
    t->AutoDimension(*dc, ClientRect(), cursor.x, cursor.y, 1, 122);
  }
  if (entry == toolstep::DimensionFirst) {
    t->Step = toolstep::DimensionSecond;
    return;
  }
  if (entry != toolstep::DimensionSecond) return;
  // Until its measurement is typed the dimension lives in the list only: a
  // cancelled one goes with the next paint.
  auto drop = [this] {
    if (TDrawingtool* now = Tool(); now && now->Step == toolstep::DimensionSecond)
      now->Step = toolstep::DimensionFirst;
    Surface().InvalidateRect(nullptr);
  };
  int32 value = 0;
  const int32 measured = t->Frame[0];
  if (MetricUnits == 1) {
    std::string text;
    if (!AskText("Measurement", "", plat::IntToStr(measured), text)) return drop();
    value = plat::StrToInt0(text);
    if (value == 0) {
      plat::ErrorBox(kValidNumber, plat::mbRetry);
      return drop();
    }
    if (value < 0 || value >= kMeasurementLimit) {
      if (MainForm) MainForm->SelectPickTool();
      return drop();
    }
  } else {
    TTFeetdlg feet(measured);
    if (feet.ShowModal() != plat::mrOk) {
      if (MainForm) MainForm->SelectPickTool();
      return drop();
    }
    value = feet.Length;
  }
  t = Tool();
  if (!t) return;
  t->Frame[0] = value;
  t->Step = toolstep::DimensionText;
  {
    plat::WindowDC dc(Surface());
    t->AutoDimension(*dc, ClientRect(), 0, 0, 0, 122);
  }
  MarkDrawingChanged();
  // Ready for the next dimension.
  t->Step = toolstep::DimensionFirst;
}

void TMDIChild::ShowAreaDialog() {
  const bool floorView = (CurrentView >= 100 && CurrentView <= 105) ||
                         (CurrentView >= view::Ground && CurrentView <= 199);
  if (!floorView) return;
  TTAreadlg areas;
  areas.Compute();
  if (!dlg::ShowModal(areas)) return;
  if (LayoutGridShown == 1) {
    Surface().InvalidateRect(nullptr);
    Surface().UpdateWindow();
  }
}
