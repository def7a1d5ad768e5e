// The device context on Qt: a QPainter on any paint device (the back buffer
// of a plan window, a bitmap for export, a printer).
//
// Drawing is never antialiased, and on bitmaps the raster operations are
// exact: a figure drawn twice with R2_XORPEN (or R2_NOT) leaves every pixel as
// it was, and each pixel of a figure is changed once even where its outline
// and fill meet. One-pixel lines leave out their last pixel, so a chain of
// XOR line segments has no gaps at the joints.
//
// On 32-bit bitmaps, one-pixel lines and texts drawn before are set straight
// into the pixels (the same ones the painter would set): that is most of
// what a plan draws, and the painter's set-up for each figure costs more
// than the figure.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <memory>
#include <type_traits>
#include <vector>

#include "platform/dc.h"

class QFont;
class QPaintDevice;

namespace plat {

struct PixelTarget;
struct QtFont;
struct TextStampKey;
class TextStamper;

class QtDC : public DeviceContext {
 public:
  // Paints on device for the lifetime of the DC.
  explicit QtDC(QPaintDevice* device);
  // Paints with a painter somebody else began (and will end). A clip the
  // painter already has (set through another QtDC on it) is this one's too.
  explicit QtDC(QPainter* painter);
  // A context of device that never paints on it: its size, resolution and
  // fonts, for measuring (a printer before its document begins).
  static std::unique_ptr<QtDC> ForMeasuring(QPaintDevice* device);
  ~QtDC() override;

  // Limits drawing to a region of the device (empty region: no limit).
  // Clip through this call, not through Painter(): figures set straight
  // into a bitmap's pixels keep within this region.
  void SetClipRegion(const QRegion& region);
  // The device pixels drawn so far (for showing only the changed part).
  QRect DirtyRect() const { return dirty_; }

  Size DeviceSize() const override;
  int PixelsPerInchX() const override;
  int PixelsPerInchY() const override;
  // Pages (printers and PDF files) turn texts with their own fonts,
  // counter-clockwise on the page.
  bool TextTurnsWithMapping() const override;

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
  Rect DevTextInk(std::string_view text) override;
  void DevFillRect(Rect r, const Brush& brush) override;
  void DevSetClip(const Rect* deviceRect) override;

 private:
  // A figure's paint code, called once per pass (twice for NOT-XOR); a
  // reference to the caller's lambda, so that no figure allocates for it.
  class PaintFn {
   public:
    template <class F>
    PaintFn(F&& f)  // NOLINT: made from lambdas at every call
        : object_(const_cast<void*>(static_cast<const void*>(&f))),
          call_([](void* o, QPainter& p) { (*static_cast<std::remove_reference_t<F>*>(o))(p); }) {}
    void operator()(QPainter& p) const { call_(object_, p); }

   private:
    void* object_;
    void (*call_)(void*, QPainter&);
  };

  // Runs paint for a figure within bounds (device pixels) under the current
  // raster operation.
  void Draw(QRect bounds, const PaintFn& paint);
  QColor Colour(COLORREF c) const;
  QPen MakePen() const;
  QBrush MakeBrush() const;
  // The solid pen in the background colour that fills the gaps of a broken
  // one-pixel pen while the background mode is opaque; Qt::NoPen otherwise.
  QPen GapPen() const;
  // Strokes a figure as the selected pen and brush say: the gaps of a
  // broken pen first (as the background mode asks), then fill and outline.
  template <class Figure>
  void Outline(QPainter& p, const QBrush& brush, Figure&& figure) const {
    if (const QPen gaps = GapPen(); gaps.style() != Qt::NoPen) {
      p.setPen(gaps);
      p.setBrush(Qt::NoBrush);
      figure(p);
    }
    p.setPen(MakePen());
    p.setBrush(brush);
    figure(p);
  }
  QFont MakeFont() const;
  // The selected font as Qt draws it on this device, made once per thread.
  QtFont& SelectedFont();
  QRect PenBounds(QRect r) const;
  static QRect PenBounds(QRect r, int penWidth);
  bool IsRaster() const;
  // Where figures in the given raster operation may be set straight into
  // the bitmap's pixels (false: draw them through the painter).
  bool DirectPixels(int rop, PixelTarget& target) const;
  // A pixel of a colour in the given raster operation (black and white
  // force theirs).
  static quint32 RopPixel(int rop, COLORREF c);
  // Sets a text's pixels from its stamp; false when it has none (yet).
  bool StampText(const TextStampKey& key, const PixelTarget& target, Point at, QRect bounds,
                 double angle, const QtFont& font, QRect cell);
  struct Unpainted {};
  QtDC(QPaintDevice* device, Unpainted);
  void Setup();

  QPaintDevice* device_;
  QPainter own_;
  QPainter* painter_;
  QRect dirty_;
  // While a mask for XOR or NOT is drawn, every colour becomes this one.
  const QColor* forcedColour_ = nullptr;
  // The clip set through SetClipRegion (empty: none).
  QRegion clip_;
  // The device's resolution and kind, for finding its fonts.
  int dpiX_ = 96, dpiY_ = 96, devType_ = 0;
  bool paged_ = false;  // a printer or a PDF file
  QtFont* lastFont_ = nullptr;
  unsigned lastFontGeneration_ = 0;
  std::unique_ptr<TextStamper> stamper_;
};

// Makes Windows face names ("Arial", "Times New Roman") resolve to the
// metric-compatible free faces even without a fontconfig alias.
void InstallFontSubstitutions();

// Program text (UTF-8, or the 8-bit texts of old drawing files) to QString.
QString ToQString(std::string_view text);

}  // namespace plat
