// A window the program draws into outside its paint handler: rubber bands
// and previews take a device context with GetDC, draw (often in XOR) and
// release it; edits invalidate the part of the client area that changed, and
// the window's paint handler redraws that part later (or at once with
// UpdateWindow). Client coordinates are pixels, y down, origin top left.
#pragma once

#include <memory>
#include <utility>

#include "platform/dc.h"
#include "platform/dib.h"
#include "platform/static_text.h"

namespace plat {

class Window {
 public:
  virtual ~Window() = default;

  // Left and top 0, right = width, bottom = height.
  virtual Rect ClientRect() const = 0;
  // A device context drawing straight into the client area (text mapping).
  virtual std::unique_ptr<DeviceContext> GetDC() = 0;
  // Gives back a device context from GetDC; what it drew appears on screen.
  virtual void ReleaseDC(std::unique_ptr<DeviceContext> dc) = 0;
  // Marks a part of the client area (nullptr: all of it) to be repainted by
  // the paint handler; the parts outside keep whatever was drawn there.
  virtual void InvalidateRect(const Rect* rect) = 0;
  // Runs the paint handler now when anything is invalid.
  virtual void UpdateWindow() = 0;
  virtual Point ClientToScreen(Point client) const = 0;
  virtual Point ScreenToClient(Point screen) const = 0;
  // The client area as shown, pixel for pixel, as a bitmap of the screen's
  // format (top row first); false when the window cannot give its pixels.
  virtual bool CaptureClient(Dib& /*picture*/) { return false; }
  // Whether the client area shows what the paint handler last drew there
  // and nothing else: no part waits for a repaint, and nothing was drawn
  // through GetDC outside the paint handler since (rubber bands, ghosts,
  // previews). False when the window cannot tell.
  virtual bool PictureIsCurrent() const { return false; }
  // A static text control on the client area, hidden until shown; it goes
  // away with the object.
  virtual std::unique_ptr<StaticText> CreateStaticText() { return std::make_unique<StaticText>(); }
};

// GetDC for the lifetime of the object, ReleaseDC at its end.
class WindowDC {
 public:
  explicit WindowDC(Window& window) : window_(window), dc_(window.GetDC()) {}
  ~WindowDC() { window_.ReleaseDC(std::move(dc_)); }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  DeviceContext& operator*() const { return *dc_; }
  DeviceContext* operator->() const { return dc_.get(); }
  DeviceContext& Get() const { return *dc_; }

 private:
  Window& window_;
  std::unique_ptr<DeviceContext> dc_;
};

// Client to screen through a window that may be missing (then unchanged).
inline Point ClientToScreen(const Window* window, Point client) {
  return window ? window->ClientToScreen(client) : client;
}
inline Point ScreenToClient(const Window* window, Point screen) {
  return window ? window->ScreenToClient(screen) : screen;
}

}  // namespace plat
