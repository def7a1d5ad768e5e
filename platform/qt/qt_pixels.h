// Setting pixels of a 32-bit bitmap directly, for figures whose pixels are
// known exactly (one-pixel lines, taken text patterns): the same pixels the
// painter would set, without its set-up for every figure.
#pragma once

#include <QRect>
#include <QtGlobal>
#include <algorithm>
#include <vector>

#include "platform/gdi_types.h"

namespace plat {

// A 32-bit bitmap pixel of an opaque colour.
inline quint32 OpaquePixel(COLORREF c) {
  return 0xFF000000u | (quint32(GetRValue(c)) << 16) | (quint32(GetGValue(c)) << 8) |
         quint32(GetBValue(c));
}

// A level run of pixels (relative to some anchor).
struct PixelRun {
  int x, y, length;
};

// The pixels of a bitmap that may be set: a window (the device within the
// clip's bounds) and, for a clip of several rectangles, those rectangles.
struct PixelTarget {
  uchar* bits = nullptr;
  qsizetype stride = 0;
  int left = 0, top = 0, right = -1, bottom = -1;  // edges included
  const QRect* rects = nullptr;
  const QRect* rectsEnd = nullptr;

  quint32* Row(int y) const { return reinterpret_cast<quint32*>(bits + y * stride); }
  bool InWindow(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
  bool InClip(int x, int y) const {
    for (const QRect* r = rects; r != rectsEnd; ++r)
      if (x >= r->left() && x <= r->right() && y >= r->top() && y <= r->bottom()) return true;
    return rects == nullptr;
  }
  void Plot(int x, int y, quint32 pixel) const {
    if (InWindow(x, y) && InClip(x, y)) Row(y)[x] = pixel;
  }

  // A solid upright or level run from a to b, both included.
  void Run(Point a, Point b, quint32 pixel) const {
    if (rects) {
      // Only the part within the window is walked, however long the run.
      if (a.y == b.y) {
        if (a.y < top || a.y > bottom) return;
        const int from = std::max(std::min(a.x, b.x), left);
        const int to = std::min(std::max(a.x, b.x), right);
        for (int x = from; x <= to; ++x) Plot(x, a.y, pixel);
      } else {
        if (a.x < left || a.x > right) return;
        const int from = std::max(std::min(a.y, b.y), top);
        const int to = std::min(std::max(a.y, b.y), bottom);
        for (int y = from; y <= to; ++y) Plot(a.x, y, pixel);
      }
      return;
    }
    if (a.y == b.y) {
      if (a.y < top || a.y > bottom) return;
      const int from = std::max(std::min(a.x, b.x), left);
      const int to = std::min(std::max(a.x, b.x), right);
      if (from <= to) std::fill(Row(a.y) + from, Row(a.y) + to + 1, pixel);
      return;
    }
    if (a.x < left || a.x > right) return;
    const int from = std::max(std::min(a.y, b.y), top), to = std::min(std::max(a.y, b.y), bottom);
    for (int y = from; y <= to; ++y) Row(y)[a.x] = pixel;
  }

  // Level runs relative to an anchor.
  void Runs(const std::vector<PixelRun>& runs, Point at, quint32 pixel) const {
    for (const PixelRun& r : runs)
      Run({at.x + r.x, at.y + r.y}, {at.x + r.x + r.length - 1, at.y + r.y}, pixel);
  }
};

}  // namespace plat
