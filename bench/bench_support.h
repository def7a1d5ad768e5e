// What several speed checks share: a Qt application for the offscreen
// painter, a drawing window whose client area is a bitmap, and a scratch
// program directory with a plan window open on an empty ground floor.
#pragma once

#include <QImage>
#include <memory>
#include <string>

#include "planwindow/childwin.h"
#include "platform/window.h"

namespace bench {

constexpr int kWindowWidth = 1280;
constexpr int kWindowHeight = 800;

// Makes the one offscreen application the painters need (once).
void EnsureApplication();

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
