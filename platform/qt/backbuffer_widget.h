// A window whose picture lives in a back buffer of its client size.
//
// The program draws into the window outside paint events (XOR rubber bands,
// an element just added): GetDC gives a device context on the back buffer and
// ReleaseDC shows the changed part. Invalidating a part schedules the paint
// handler, which redraws only that part of the buffer (everything outside,
// previews included, stays as it is); paintEvent shows the buffer. Resizing
// makes a new buffer and repaints all of it.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QWidget>
#include <functional>
#include <memory>

#include "platform/window.h"

namespace plat {

class BackbufferWidget : public QWidget, public Window {
 public:
  explicit BackbufferWidget(QWidget* parent = nullptr);
  ~BackbufferWidget() override;

  // ---- Window ----------------------------------------------------------------
  Rect ClientRect() const override;
  std::unique_ptr<DeviceContext> GetDC() override;
  void ReleaseDC(std::unique_ptr<DeviceContext> dc) override;
  void InvalidateRect(const Rect* rect) override;
  void UpdateWindow() override;
  Point ClientToScreen(Point client) const override;
  Point ScreenToClient(Point screen) const override;
  bool CaptureClient(Dib& picture) override;
  bool PictureIsCurrent() const override;
  std::unique_ptr<StaticText> CreateStaticText() override;

  // The colour the invalid part is cleared to before the paint handler runs.
  void SetBackgroundColour(COLORREF colour) { background_ = colour; }
  COLORREF BackgroundColour() const { return background_; }
  const QImage& Buffer() const { return buffer_; }
  // Whether a part waits for the paint handler (all of it after a resize).
  bool HasInvalidArea() const { return !invalid_.isEmpty() || buffer_.size() != BufferSize(); }

  // Redraws the back buffer; the DC is clipped to the invalid part, which is
  // already cleared. Used when PaintBuffer is not overridden.
  std::function<void(DeviceContext& dc)> onPaint;

 protected:
  virtual void PaintBuffer(DeviceContext& dc);
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void RebuildInvalid();
  // A hidden widget is resized without resize events: every entry point
  // checks the buffer against the client size.
  void EnsureBuffer();
  QSize BufferSize() const { return size().expandedTo(QSize(1, 1)); }

  QImage buffer_;
  QRegion invalid_;
  // What was drawn through GetDC outside the paint handler and not painted
  // over by it since.
  QRegion drawnOutsidePaint_;
  bool painting_ = false;
  COLORREF background_ = RGB(255, 255, 255);
  // Device contexts open at the same time share one painter: a bitmap takes
  // only one painter at a time.
  QPainter painter_;
  int openDCs_ = 0;
};

}  // namespace plat
