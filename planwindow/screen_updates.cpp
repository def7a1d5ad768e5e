// The plan window's small screen updates: a line rubbed out in the
// background colour, and the parts of the window a tool's frame covered
// invalidated so that the next paint redraws them.
#include <algorithm>

#include "building/droom_settings.h"
#include "model/flist.h"
#include "model/view_mapping.h"
#include "planwindow/childwin.h"
#include "planwindow/routing_support.h"
#include "platform/dc_scope.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"

using namespace routing;

namespace {

// A rectangle in logical units (drawing units / PixelScale).
struct Box {
  int32 left, bottom, right, top;
  Box Grown(int32 by) const { return {left - by, bottom - by, right + by, top + by}; }
  Box United(const Box& o) const {
    return {std::min(left, o.left), std::min(bottom, o.bottom), std::max(right, o.right),
            std::max(top, o.top)};
  }
};

// A frame of four values x1, x2, y1, y2 in drawing units, put in order.
Box FrameBox(const int32 f[4]) {
  const int32 x1 = f[0] / PixelScale, x2 = f[1] / PixelScale;
  const int32 y1 = f[2] / PixelScale, y2 = f[3] / PixelScale;
  return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

// The tool's current frame (its rectangle x1, x2, y1, y2) and the copy of
// the frame drawn last that it keeps in Frame.
Box CurrentFrame(const TDrawingtool& t) {
  const int32 f[4] = {t.X1, t.X2, t.Y1, t.Y2};
  return FrameBox(f);
}
Box PreviousFrame(const TDrawingtool& t) { return FrameBox(t.Frame); }

// A tool that keeps no frame at all: the whole window is redrawn.
bool NoFrames(const TDrawingtool& t) {
  for (int i = 0; i < 4; ++i)
    if (t.Frame[i] != 0) return false;
  return t.X1 == 0 && t.X2 == 0 && t.Y1 == 0 && t.Y2 == 0;
}

}  // namespace

// Invalidates a logical box, clipped to the client area, with background erase.
void TMDIChild::InvalidateLogical(int32 left, int32 bottom, int32 right, int32 top) {
  const plat::Rect client = ClientRect();
  int32 ax = 0, ay = 0, bx = 0, by = 0;
  {
    plat::WindowDC dc(Surface());
    WorldToDevice(*dc, client, left, bottom, ax, ay);
    WorldToDevice(*dc, client, right, top, bx, by);
  }
  plat::Rect r{std::max(std::min(ax, bx), client.left), std::max(std::min(ay, by), client.top),
               std::min(std::max(ax, bx), client.right), std::min(std::max(ay, by), client.bottom)};
  if (r.right <= r.left || r.bottom <= r.top) return;
  Surface().InvalidateRect(&r);
}

void TMDIChild::EraseLineOnScreen(int32 index) {
  if (index < 0 || index >= DrawingList.Count()) return;
  const TObj& e = *DrawingList.At(index);
  if (e.Kind != kind::Line && e.Kind != kind::InWall) return;
  plat::WindowDC dc(Surface());
  SetViewMapping(*dc, ClientRect());
  dc->SetBkMode(plat::TRANSPARENT);
  dc->SetROP2(plat::R2_COPYPEN);
  plat::ScopedPen pen(*dc, plat::Pen{plat::PS_DOT, 2, BackgroundColour});
  dc->MoveTo(e.X1 / PixelScale, e.Y1 / PixelScale);
  dc->LineTo(e.X2 / PixelScale, e.Y2 / PixelScale);
  if (auto* w = dynamic_cast<const TInwallobj*>(&e)) {
    dc->MoveTo(w->Line2X1 / PixelScale, w->Line2Y1 / PixelScale);
    dc->LineTo(w->Line2X2 / PixelScale, w->Line2Y2 / PixelScale);
  }
}

void TMDIChild::InvalidateToolFrame() {
  TDrawingtool* t = Tool();
  if (!t) return;
  if (NoFrames(*t)) {
    Surface().InvalidateRect(nullptr);
    return;
  }
  const Box b = PreviousFrame(*t).Grown(2 * PixelScale);
  InvalidateLogical(b.left, b.bottom, b.right, b.top);
}

void TMDIChild::InvalidateMergeArea() {
  TDrawingtool* t = Tool();
  if (!t) return;
  if (NoFrames(*t)) {
    Surface().InvalidateRect(nullptr);
    return;
  }
  if (LayoutGridShown == 1) {
    Surface().InvalidateRect(nullptr);
    return;
  }
  const int32 merge = droom::ReadMergingDistance();
  const Box b = PreviousFrame(*t)
                    .United(CurrentFrame(*t))
                    .Grown(merge / PixelScale + 10 * PixelScale);
  InvalidateLogical(b.left, b.bottom, b.right, b.top);
}

// A changed frame redraws round both frames with a wide margin, a moved one
// with a narrow one; mode 2 redraws round where the frame was only.
void TMDIChild::InvalidateFrameChange(int32 mode) { InvalidateFrames(mode, 50); }
void TMDIChild::InvalidateFrameMove(int32 mode) { InvalidateFrames(mode, 10); }

void TMDIChild::InvalidateFrames(int32 mode, int32 margin) {
  TDrawingtool* t = Tool();
  if (!t) return;
  if (NoFrames(*t)) {
    Surface().InvalidateRect(nullptr);
    return;
  }
  Box b;
  if (mode == 1)
    b = PreviousFrame(*t).United(CurrentFrame(*t)).Grown(margin * PixelScale);
  else if (mode == 2)
    b = PreviousFrame(*t).Grown(10 * PixelScale);
  else
    return;
  InvalidateLogical(b.left, b.bottom, b.right, b.top);
}
