#include "platform/qt/backbuffer_widget.h"

#include <QPaintEvent>
#include <QResizeEvent>
#include <cstring>

#include "platform/qt/qt_dc.h"
#include "platform/qt/qt_static_text.h"

namespace plat {

BackbufferWidget::BackbufferWidget(QWidget* parent) : QWidget(parent) {
  // paintEvent covers every pixel from the buffer.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  EnsureBuffer();
}

BackbufferWidget::~BackbufferWidget() {
  if (painter_.isActive()) painter_.end();
}

void BackbufferWidget::EnsureBuffer() {
  if (openDCs_ > 0) return;  // resized from inside a drawing: next time
  const QSize size = BufferSize();
  if (buffer_.size() == size) return;
  buffer_ = QImage(size, QImage::Format_RGB32);
  buffer_.fill(QColor(GetRValue(background_), GetGValue(background_), GetBValue(background_)));
  invalid_ = QRegion(buffer_.rect());
  drawnOutsidePaint_ = QRegion();
}

Rect BackbufferWidget::ClientRect() const { return {0, 0, width(), height()}; }

std::unique_ptr<DeviceContext> BackbufferWidget::GetDC() {
  EnsureBuffer();
  if (openDCs_++ == 0) painter_.begin(&buffer_);
  return std::make_unique<QtDC>(&painter_);
}

void BackbufferWidget::ReleaseDC(std::unique_ptr<DeviceContext> dc) {
  if (!dc) return;
  if (auto* qdc = dynamic_cast<QtDC*>(dc.get())) {
    const QRect dirty = qdc->DirtyRect();
    if (!dirty.isEmpty()) update(dirty);
    if (!painting_) drawnOutsidePaint_ += dirty;
  }
  dc.reset();
  if (--openDCs_ == 0) painter_.end();
}

void BackbufferWidget::InvalidateRect(const Rect* rect) {
  EnsureBuffer();
  invalid_ += rect ? QRect(rect->left, rect->top, rect->Width(), rect->Height()).normalized()
                   : buffer_.rect();
  invalid_ &= QRegion(buffer_.rect());
  update();
}

void BackbufferWidget::UpdateWindow() {
  EnsureBuffer();
  if (invalid_.isEmpty()) return;
  RebuildInvalid();
  if (isVisible()) repaint();
}

std::unique_ptr<StaticText> BackbufferWidget::CreateStaticText() {
  return std::make_unique<QtStaticText>(this);
}

Point BackbufferWidget::ClientToScreen(Point client) const {
  const QPoint p = mapToGlobal(QPoint(client.x, client.y));
  return {p.x(), p.y()};
}

Point BackbufferWidget::ScreenToClient(Point screen) const {
  const QPoint p = mapFromGlobal(QPoint(screen.x, screen.y));
  return {p.x(), p.y()};
}

bool BackbufferWidget::PictureIsCurrent() const {
  return !HasInvalidArea() && drawnOutsidePaint_.isEmpty() && openDCs_ == 0;
}

// The buffer is what the window shows: 32-bit pixels whose bytes are blue,
// green, red and unused, as a top-down bitmap of the same layout.
bool BackbufferWidget::CaptureClient(Dib& picture) {
  EnsureBuffer();
  if (openDCs_ > 0) return false;  // a figure is being drawn into it
  const QImage image = buffer_.convertToFormat(QImage::Format_RGB32);
  picture = MakeTopDownDib32(image.width(), image.height());
  const std::size_t rowBytes = std::size_t(image.width()) * 4;
  for (int y = 0; y < image.height(); ++y)
    std::memcpy(picture.bits.data() + std::size_t(y) * rowBytes, image.constScanLine(y), rowBytes);
  return true;
}

void BackbufferWidget::PaintBuffer(DeviceContext& dc) {
  if (onPaint) onPaint(dc);
}

void BackbufferWidget::RebuildInvalid() {
  // A paint handler that asks for a device context of its own gets the
  // shared painter; a rebuild while one is open waits for the next paint.
  EnsureBuffer();
  if (openDCs_ > 0) return;
  const QRegion region = invalid_;
  invalid_ = QRegion();
  auto dc = GetDC();
  auto& qdc = static_cast<QtDC&>(*dc);
  qdc.SetClipRegion(region);
  const QColor bg(GetRValue(background_), GetGValue(background_), GetBValue(background_));
  for (const QRect& r : region) qdc.Painter().fillRect(r, bg);
  painting_ = true;
  PaintBuffer(*dc);
  painting_ = false;
  drawnOutsidePaint_ -= region;
  qdc.SetClipRegion(QRegion());
  dc.reset();
  if (--openDCs_ == 0) painter_.end();
  update(region.boundingRect());
}

void BackbufferWidget::paintEvent(QPaintEvent* event) {
  EnsureBuffer();
  if (!invalid_.isEmpty()) RebuildInvalid();
  QPainter p(this);
  p.drawImage(event->rect(), buffer_, event->rect());
}

void BackbufferWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  EnsureBuffer();
  update();
}

}  // namespace plat
