// Small helpers shared by the element drawing code: conversion of drawing
// units to logical units, and objects selected into a device context for
// the length of a scope (the previous one goes back in afterwards).
#pragma once

#include <cstring>
#include <string_view>

#include "model/globals.h"
#include "platform/dc.h"
#include "platform/dc_scope.h"

namespace draw {

// Drawing units to logical units: divided by PixelScale, truncated toward
// zero, one value at a time.
inline int32 L(int32 v) { return PixelScale > 0 ? v / PixelScale : v; }
inline plat::Point LP(int32 x, int32 y) { return {L(x), L(y)}; }

inline void Line(plat::DeviceContext& dc, int32 x1, int32 y1, int32 x2, int32 y2) {
  dc.MoveTo(x1, y1);
  dc.LineTo(x2, y2);
}
inline void Line(plat::DeviceContext& dc, plat::Point a, plat::Point b) {
  Line(dc, a.x, a.y, b.x, b.y);
}

// The first length characters of a fixed text array, never beyond its
// terminating zero or its capacity (lengths come from files unchecked).
inline std::string_view Chars(const char* text, int32 capacity, int32 length) {
  const std::size_t have = ::strnlen(text, static_cast<std::size_t>(capacity));
  const std::size_t want = length > 0 ? static_cast<std::size_t>(length) : 0;
  return std::string_view(text, want < have ? want : have);
}

using plat::ScopedBrush;
using plat::ScopedFont;
using plat::ScopedPen;

}  // namespace draw
