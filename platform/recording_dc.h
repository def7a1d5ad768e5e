// A device context that draws nothing and records every primitive in device
// pixels together with the pen, brush, font, colours, alignment and raster
// operation in force, so tests of drawing code can check what was drawn.
//
// Text has a fixed size model so tests do not depend on installed fonts:
// each character is 0.6 x the font's device height wide (or the font's own
// width when one is set), and a line is the font's device height tall with
// 0.8 of it above the baseline and a tenth of it as external leading.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/dc.h"
#include "platform/window.h"

namespace plat {

enum class DcOp { Line, Rectangle, Ellipse, Arc, Polygon, RoundRect, Text, FillRect };

const char* DcOpName(DcOp op);

struct DcRecord {
  DcOp op = DcOp::Line;
  // Line: from -> to. Arc: the start and end ray points. Text: from = the
  // reference point.
  Point from{}, to{};
  // Rectangle, Ellipse, Arc, RoundRect, FillRect: the normalised box.
  Rect box{};
  Size corner{};              // RoundRect
  std::vector<Point> points;  // Polygon
  std::string text;           // Text

  Pen pen;                    // as selected (logical width)
  Pen devicePen;              // as drawn (pixel width, broken styles resolved)
  Brush brush;                // FillRect: the brush given
  Font font;
  int fontHeight = 0;         // device pixels
  int deviceEscapement = 0;   // the turn drawn, counter-clockwise on the device
  COLORREF textColour = 0;
  COLORREF bkColour = 0;
  int bkMode = OPAQUE;
  unsigned textAlign = 0;
  int rop = R2_COPYPEN;
  bool clipped = false;       // drawn within a clip box
  Rect clip{};                // the clip box, device pixels

  friend bool operator==(const DcRecord&, const DcRecord&) = default;
};

class RecordingDC : public DeviceContext {
 public:
  // size: the device surface in pixels. sink: where records go (the DC's own
  // list when null), so that several DCs of one window share a log.
  explicit RecordingDC(Size size = {624, 346}, std::vector<DcRecord>* sink = nullptr);

  const std::vector<DcRecord>& Records() const { return *sink_; }
  void Clear() { sink_->clear(); }

  std::vector<DcRecord> Of(DcOp op) const;
  int Count(DcOp op) const;
  std::vector<DcRecord> Lines() const { return Of(DcOp::Line); }
  std::vector<DcRecord> Texts() const { return Of(DcOp::Text); }
  // The strings drawn by TextOut, in order.
  std::vector<std::string> TextStrings() const;
  // Whether a line between the two device points was drawn (either way).
  bool HasLine(Point a, Point b) const;
  // Whether a text equal to s was drawn.
  bool HasText(const std::string& s) const;

  Size DeviceSize() const override { return size_; }
  int PixelsPerInchX() const override { return ppi_; }
  int PixelsPerInchY() const override { return ppi_; }
  void SetPixelsPerInch(int ppi) { ppi_ = ppi; }
  // A printer's DC turns texts counter-clockwise on the page whatever the
  // mapping; a screen's turns them with it (the default).
  bool TextTurnsWithMapping() const override { return turnsTextWithMapping_; }
  void SetTextTurnsWithMapping(bool turns) { turnsTextWithMapping_ = turns; }

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
  DcRecord Make(DcOp op) const;

  Size size_;
  int ppi_ = 96;
  bool turnsTextWithMapping_ = true;
  std::vector<DcRecord> own_;
  std::vector<DcRecord>* sink_;
};

// A window for headless tests: its device contexts record into one shared
// log, invalidations are listed, and UpdateWindow runs the paint handler with
// a recording DC when anything is invalid.
class RecordingWindow : public Window {
 public:
  explicit RecordingWindow(Size client = {624, 346}, Point screenOrigin = {0, 0});

  Rect ClientRect() const override { return {0, 0, client_.cx, client_.cy}; }
  std::unique_ptr<DeviceContext> GetDC() override;
  void ReleaseDC(std::unique_ptr<DeviceContext> dc) override;
  void InvalidateRect(const Rect* rect) override;
  void UpdateWindow() override;
  Point ClientToScreen(Point client) const override;
  Point ScreenToClient(Point screen) const override;
  // The picture a test gives the window (no picture: false).
  bool CaptureClient(Dib& picture) override {
    return onCapture ? onCapture(picture) : false;
  }
  std::function<bool(Dib& picture)> onCapture;

  void Resize(Size client) { client_ = client; }
  // Everything drawn through GetDC and by the paint handler.
  std::vector<DcRecord>& Drawn() { return drawn_; }
  // A recording DC over the shared log, to query it.
  RecordingDC Log() { return RecordingDC(client_, &drawn_); }
  // Each InvalidateRect call; the whole client rectangle for nullptr.
  const std::vector<Rect>& Invalidated() const { return invalidated_; }
  bool HasInvalidArea() const { return invalid_; }
  int OpenDCs() const { return openDCs_; }
  int PaintCount() const { return paints_; }

  std::function<void(DeviceContext& dc)> onPaint;

 private:
  Size client_;
  Point screenOrigin_;
  std::vector<DcRecord> drawn_;
  std::vector<Rect> invalidated_;
  bool invalid_ = false;
  int openDCs_ = 0;
  int paints_ = 0;
};

}  // namespace plat
