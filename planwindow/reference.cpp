// The reference point the cursor read-out measures from, the rectangle round
// the design rooms of the layout view, the layout grid redraw and the reset
// of the zoom-up box.
#include <cstdlib>

#include "model/flist.h"
#include "planwindow/childwin.h"
#include "platform/services.h"
#include "shell/mainform.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"

namespace {

// Floor and site views measure from the lowest wall corner; layout views
// keep their reference point.
constexpr int32 kFloorViewsAbove = 49;
constexpr int32 kLayoutViewsBelow = 50;
// Design rooms needed before the rectangle round them means anything.
constexpr int32 kMinRooms = 2;

std::string RectangleReport(int32 w, int32 l) {
  if (MetricUnits == 1) {
    const float wm = float(w) * 0.001f;
    const float lm = float(l) * 0.001f;
    const float area = wm * lm;
    return plat::Format(
        "width %.3f m ,length %.3f , Area (Rectangle) %.2f sq.m, click 'Mark External Walls on "
        "LAYOUT' icon when finished",
        double(wm), double(lm), double(area));
  }
  const int32 wi = w / 24;  // whole inches
  const int32 li = l / 24;
  const long long area = (long long)wi * li / 144;  // whole square feet
  const std::div_t wd = std::div(wi, 12);
  const std::div_t ld = std::div(li, 12);
  return plat::Format(
      "width %d ft %d inches,length %d ft %d inches, Area (Rectangle)%.2f sq.ft, click 'Mark "
      "External Walls on LAYOUT' icon when finished",
      wd.quot, wd.rem, ld.quot, ld.rem, double(area));
}

}  // namespace

void TMDIChild::ResetReference(int32 /*mode: callers pass 4*/) {
  if (CurrentView <= kFloorViewsAbove) return;
  DrawingList.FindLowestCorner(ReferenceX, ReferenceY);
  ChildMode = childmode::Normal;
}

void TMDIChild::ShowExternalRectangle(int32 /*flag: callers pass 0*/) {
  CurrentFunction = func::DesignRooms;
  if (DrawingList.WriteRectAndBounds() < kMinRooms) return;
  cfg::Reader rect(ProgramFile(cfgfile::RoomRect));
  int32 w = 0, l = 0;
  rect.Int(w);
  rect.Int(l);
  cfg::Reader bounds(ProgramFile(cfgfile::RoomBounds));
  bounds.Int(ReferenceX);  // left
  bounds.Int(ReferenceY);  // top
  ChildMode = childmode::Normal;
  if (MainForm) MainForm->st.SetPanelText(panel::Guide, RectangleReport(w, l));
}

void TMDIChild::RedrawLayoutGrid() {
  if (CurrentView >= kLayoutViewsBelow) return;
  if (LayoutGridShown != 1) {
    Surface().InvalidateRect(nullptr);
    return;
  }
  // The grid lines are on the view shown, as when the window is painted
  // (while walls are marked the list still holds the drawing, which is drawn
  // again under them).
  DrawingList.WriteDrawingFile(dtDrawing);
  DrawingList.AddLayoutGrid();
  {
    plat::WindowDC dc(Surface());
    DrawingList.DrawView(*dc, ClientRect());
  }
  DrawingList.Clear();
  DrawingList.ReadDrawingFile(dtDrawing);
}

void TMDIChild::ResetZoomBox() {
  ZoomBoxX = 0;
  ZoomBoxY = 0;
  ZoomStartX = 0;
  ZoomStartY = 0;
}
