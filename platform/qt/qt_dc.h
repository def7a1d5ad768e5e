// The device context on Qt: a QPainter on any paint device (the back buffer
// of a plan window, a bitmap for export, a printer).
//
// Drawing is never antialiased, and on bitmaps the raster operations are
// exact: a figure drawn twice with R2_XORPEN (or R2_NOT) leaves every pixel as
// it was, and each pixel of a figure is changed once even where its outline
// and fill meet. One-pixel lines leave out their last pixel, so a chain of
// XOR line segments has no gaps at the joints.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <functional>

#include "platform/dc.h"

class QFont;
class QPaintDevice;

namespace plat {

class QtDC : public DeviceContext {
 public:
  // Paints on device for the lifetime of the DC.
  explicit QtDC(QPaintDevice* device);
  // Paints with a painter somebody else began (and will end).
  explicit QtDC(QPainter* painter);
  ~QtDC() override;

  // Limits drawing to a region of the device (empty region: no limit).
  void SetClipRegion(const QRegion& region);
  // The device pixels drawn so far (for showing only the changed part).
  QRect DirtyRect() const { return dirty_; }

  Size DeviceSize() const override;
  int PixelsPerInchX() const override;
  int PixelsPerInchY() const override;

  QPainter& Painter() { return *painter_; }

 protected:
  void DevLine(Point from, Point to) override;
  void DevRectangle(Rect r) override;
  void DevEllipse(Rect r) override;
  void DevArc(Rect box, Point start, Point end) override;
  void DevPolygon(const std::vector<Point>& pts) override;
  void DevRoundRect(Rect r, Size corner) override;
  void DevText(Point at, std::string_view text) override;
  Size DevTextExtent(std::string_view text) override;
  TextMetrics DevTextMetrics() override;
  void DevFillRect(Rect r, const Brush& brush) override;

 private:
  using PaintFn = std::function<void(QPainter&)>;
  // Runs paint for a figure within bounds (device pixels) under the current
  // raster operation.
  void Draw(QRect bounds, const PaintFn& paint);
  QColor Colour(COLORREF c) const;
  QPen MakePen() const;
  QBrush MakeBrush() const;
  QFont MakeFont() const;
  QRect PenBounds(QRect r) const;
  bool IsRaster() const;
  void Setup();

  QPaintDevice* device_;
  QPainter own_;
  QPainter* painter_;
  QRect dirty_;
  // While a mask for XOR or NOT is drawn, every colour becomes this one.
  const QColor* forcedColour_ = nullptr;
};

// Makes Windows face names ("Arial", "Times New Roman") resolve to the
// metric-compatible free faces even without a fontconfig alias.
void InstallFontSubstitutions();

// Program text (UTF-8, or the 8-bit texts of old drawing files) to QString.
QString ToQString(std::string_view text);

}  // namespace plat
