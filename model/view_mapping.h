// The mapping between a drawing window's client pixels and the view's
// logical units (drawing units / PixelScale): isotropic, y up, the logical
// point (WindowOrgX, WindowOrgY) at the bottom left of the client area, and
// WindowExtX / client width logical units per pixel on both axes.
#pragma once

#include "model/globals.h"
#include "platform/dc.h"

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
