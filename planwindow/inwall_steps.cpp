// What the plan window does after a key step of the internal-wall tool: a
// picked wall moved, or a wall drawn and the drawing going on from its end
// (or ending, when the wall ran onto a wall face).
#include <algorithm>

#include "building/inwall_tool.h"
#include "model/flist.h"
#include "model/view_mapping.h"
#include "planwindow/childwin.h"
#include "planwindow/routing_support.h"
#include "platform/keys.h"
#include "platform/ui.h"
#include "shell/mainform.h"

using namespace routing;

namespace {

constexpr const char* kThreeWayCorner =
    "Move Internal Wall function: This wall is part of a 3 way corner which this function cannot "
    "alter - try the 'alter finished room' icon instead";

}  // namespace

// The pointer to the middle of the window, and the read-out cleared.
void TMDIChild::PointerToMiddle() {
  const plat::Rect r = ClientRect();
  plat::Ui().SetCursorPos(ClientToScreen({(r.right - r.left) / 2, (r.bottom - r.top) / 2}));
  if (MainForm) MainForm->crds.SetSimpleText("0");
}

void TMDIChild::InwallStepDone(int32 key, int32 distance) {
  TDrawingtool* t = Tool();
  if (!t) return;
  if (t->Step == toolstep::MoveInWall) {
    t->Execute(distance, key, 0);
    if (t->Y2 == inwallmark::ThreeWayCorner) {
      Surface().InvalidateRect(nullptr);
      Surface().UpdateWindow();
      plat::InfoBox(kThreeWayCorner, plat::mbCancel);
      return;
    }
    // Walls, rooms and openings along the wall moved with it.
    if (t->Result == inwallmark::Moved) Surface().InvalidateRect(nullptr);
    return;
  }
  ReferenceX = t->X2;
  ReferenceY = t->Y2;
  ChildMode = childmode::Normal;
  if (t->State == toolstate::Constructing || t->State == 3 || key == plat::VK_RETURN)
    DrawingList.WriteDrawingFile(dtDrawing);
  if (t->State == toolstate::InWallOpening) {
    if (t->Step == toolstep::Shorten) Surface().InvalidateRect(nullptr);
    RedrawArea(redraw::ToolFrame);
    if (MainForm) MainForm->SelectPickTool();
    Guide("GUIDE: Pick Tool");
    return;
  }
  if (t->State != toolstate::Constructing) return;
  // The walls just made (the wall and its stop ends) and the corners they
  // joined are drawn again.
  const int32 n = DrawingList.Count();
  int32 l = 0, b = 0, r = 0, top = 0;
  bool any = false;
  for (int32 i = std::max(6, n - 3); i < n; ++i) {
    const auto* w = dynamic_cast<const TInwallobj*>(DrawingList.At(i));
    if (!w || !kind::IsInWallKind(w->Kind) || w->Floor != CurrentView) continue;
    const int32 xs[] = {w->X1, w->X2, w->Line2X1, w->Line2X2};
    const int32 ys[] = {w->Y1, w->Y2, w->Line2Y1, w->Line2Y2};
    const int32 count = w->Kind == kind::InWall ? 4 : 2;
    for (int32 k = 0; k < count; ++k) {
      if (!any) l = r = xs[k], b = top = ys[k];
      l = std::min(l, xs[k]), r = std::max(r, xs[k]);
      b = std::min(b, ys[k]), top = std::max(top, ys[k]);
      any = true;
    }
  }
  if (any) {
    const int32 m = 10 * PixelScale;
    InvalidateLogical(l / PixelScale - m, b / PixelScale - m, r / PixelScale + m,
                      top / PixelScale + m);
  }
  const int32 ended = t->Distance;
  if (ended == inwallmark::RunComplete || ended == inwallmark::EndsOnWall) {
    // The run has ended on a wall: the function is done.
    PointerToMiddle();
    if (MainForm) MainForm->SelectPickTool();
    Guide(ended == inwallmark::RunComplete ? " GUIDE: Pick Tool" : "GUIDE: Pick Tool");
    return;
  }
  plat::WindowDC dc(Surface());
  int32 cx = 0, cy = 0;
  WorldToDevice(*dc, ClientRect(), t->X1 / PixelScale, t->Y1 / PixelScale, cx, cy);
  plat::Ui().SetCursorPos(ClientToScreen({cx, cy}));
}
