// Small drawing helpers of the tools' previews.
#pragma once

#include "platform/dc.h"

// The not-exclusive-or raster operation of the guide lines (drawing them
// twice erases them, and they stay visible on a white background).
constexpr int kRopNotXorPen = 10;

// Selects a pen for the lifetime of the object and restores the previous one.
class ScopedPen {
 public:
  ScopedPen(plat::DeviceContext& dc, const plat::Pen& pen) : dc_(dc), old_(dc.SelectPen(pen)) {}
  ~ScopedPen() { dc_.SelectPen(old_); }
  ScopedPen(const ScopedPen&) = delete;
  ScopedPen& operator=(const ScopedPen&) = delete;

 private:
  plat::DeviceContext& dc_;
  plat::Pen old_;
};

// A preview pen: sets the raster operation (left in force afterwards, as the
// next preview draws in the same mode) and selects the pen.
class ScopedXorPen : public ScopedPen {
 public:
  ScopedXorPen(plat::DeviceContext& dc, int rop, const plat::Pen& pen)
      : ScopedPen((dc.SetROP2(rop), dc), pen) {}
};
