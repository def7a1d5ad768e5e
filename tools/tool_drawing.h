// Small drawing helpers of the tools' previews.
#pragma once

#include "platform/dc.h"
#include "platform/dc_scope.h"

// The not-exclusive-or raster operation of the guide lines (drawing them
// twice erases them, and they stay visible on a white background).
constexpr int kRopNotXorPen = plat::R2_NOTXORPEN;

using plat::ScopedPen;

// A preview pen: sets the raster operation (left in force afterwards, as the
// next preview draws in the same mode) and selects the pen.
class ScopedXorPen : public ScopedPen {
 public:
  ScopedXorPen(plat::DeviceContext& dc, int rop, const plat::Pen& pen)
      : ScopedPen((dc.SetROP2(rop), dc), pen) {}
};
