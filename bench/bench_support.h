// What several speed checks share: a Qt application for the offscreen
// painter, a drawing window whose client area is a bitmap, a scratch
// program directory with a plan window open on an empty ground floor, and
// the bare references: recorded primitives drawn straight with QPainter,
// pixels written straight with libpng, a device context that renders
// nothing.
#pragma once

#include <QImage>
#include <memory>
#include <string>
#include <vector>

#include "planwindow/childwin.h"
#include "platform/recording_dc.h"
#include "platform/window.h"

namespace bench {

// A small deterministic generator, so every run draws the same drawing.
class Rng {
 public:
  explicit Rng(unsigned start) : s_(start) {}
  int Below(int n) {
    s_ = s_ * 1103515245u + 12345u;
    return int((s_ >> 8) % unsigned(n));
  }
  int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }

 private:
  unsigned s_;
};

constexpr int kWindowWidth = 1280;
constexpr int kWindowHeight = 800;

// Makes the one offscreen application the painters and widgets need (once).
void EnsureApplication();

// Draws recorded primitives (device pixels, pens, brushes, fonts) straight
// with QPainter onto a white image: the floor under any way of painting them.
void PaintBare(QImage& image, const std::vector<plat::DcRecord>& records);

// libpng alone writing rows of 32-bit pixels (blue, green, red, unused) as
// the PNG export writes a window: RGB, interlaced, the unused byte stripped.
// False when the file cannot be written.
bool WriteBarePng(const std::vector<const unsigned char*>& rows, int width,
                  const std::string& path);

// A context that takes every primitive and renders nothing: the element
// layer's own cost (choosing, pens, conversions, mapping).
class NullDC : public plat::DeviceContext {
 public:
  explicit NullDC(plat::Size size = {0, 0}, int dpi = 96) : size_(size), dpi_(dpi) {}
  plat::Size DeviceSize() const override { return size_; }
  int PixelsPerInchX() const override { return dpi_; }
  int PixelsPerInchY() const override { return dpi_; }

 protected:
  void DevLine(plat::Point, plat::Point) override {}
  void DevRectangle(plat::Rect) override {}
  void DevEllipse(plat::Rect) override {}
  void DevArc(plat::Rect, plat::Point, plat::Point) override {}
  void DevPolygon(const std::vector<plat::Point>&) override {}
  void DevRoundRect(plat::Rect, plat::Size) override {}
  void DevText(plat::Point, std::string_view) override {}
  plat::Size DevTextExtent(std::string_view t) override { return {int(t.size()) * 6, 10}; }
  plat::TextMetrics DevTextMetrics() override { return {10, 8, 2, 6, 10}; }
  void DevFillRect(plat::Rect, const plat::Brush&) override {}

 private:
  plat::Size size_;
  int dpi_;
};

// A drawing window whose client area is a bitmap.
class ImageWindow : public plat::Window {
 public:
  QImage image{kWindowWidth, kWindowHeight, QImage::Format_RGB32};
  plat::Rect ClientRect() const override { return {0, 0, kWindowWidth, kWindowHeight}; }
  std::unique_ptr<plat::DeviceContext> GetDC() override;
  void ReleaseDC(std::unique_ptr<plat::DeviceContext>) override {}
  void InvalidateRect(const plat::Rect*) override {}
  void UpdateWindow() override {}
  plat::Point ClientToScreen(plat::Point p) const override { return p; }
  plat::Point ScreenToClient(plat::Point p) const override { return p; }
};

class ImageHost : public TPlanWindowHost {
 public:
  ImageWindow window;
  plat::Window& Surface() override { return window; }
  void SetScrollBar(ScrollBarKind, int32, int32, bool) override {}
  void SetCaption(const std::string&) override {}
  void SetColour(plat::COLORREF) override {}
  void Close() override {}
};

// A program directory of its own (removed again) with the metric sheet, an
// empty drawing "BENCH" and, once Open() has run, its plan window.
class PlanBench {
 public:
  PlanBench();
  ~PlanBench();
  PlanBench(const PlanBench&) = delete;
  PlanBench& operator=(const PlanBench&) = delete;

  // Opens the plan window on what the live drawing file now holds.
  void Open();
  // One full paint into the bitmap, as the window's paint handler does.
  void Paint();

 private:
  std::string root_;
  ImageHost host_;
  std::unique_ptr<TMDIChild> child_;
};

}  // namespace bench
