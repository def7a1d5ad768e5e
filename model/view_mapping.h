// The mapping between a drawing window's client pixels and the view's
// logical units (drawing units / PixelScale): isotropic, y up, the logical
// point (WindowOrgX, WindowOrgY) at the bottom left of the client area, and
// WindowExtX / client width logical units per pixel on both axes.
#pragma once

#include "model/globals.h"
#include "platform/dc.h"

// A box in logical units, y up.
struct LogicalBox {
  int32 left = 0, bottom = 0, right = 0, top = 0;
};

// The part of the sheet (0..DrawingWidth, 0..DrawingHeight) that the window
// (WindowOrgX/Y, WindowExtX/Y) shows. A window larger than the sheet shows
// all of it and more; a point placed relative to the window's corner or size
// is placed relative to this box, so that it lands on the sheet at any
// window size. While the sheet fills the window it is the window itself.
LogicalBox VisibleSheet();

// True when the client area has no pixels to map to (a minimised window):
// nothing is drawn into it and no conversion divides by its size.
bool IsEmptyClient(const plat::Rect& client);

// Puts the device context into the view's coordinates. The mapping stays on
// the context until something changes it.
void SetViewMapping(plat::DeviceContext& dc, const plat::Rect& client);

// A client pixel to logical units. Callers multiply by PixelScale for drawing
// units. An empty client area maps every pixel to the window origin.
void DeviceToWorld(plat::DeviceContext& dc, const plat::Rect& client, int32 deviceX, int32 deviceY,
                   int32& x, int32& y);

// Logical units to a client pixel. An empty client area maps every point to
// its bottom left corner.
void WorldToDevice(plat::DeviceContext& dc, const plat::Rect& client, int32 x, int32 y,
                   int32& deviceX, int32& deviceY);
