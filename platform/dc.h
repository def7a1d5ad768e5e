// A device context with the classic GDI meaning: a mapping from logical to
// device coordinates (text or isotropic), the selected pen, brush and font,
// text colours and alignment, a raster operation (XOR previews erase
// themselves when drawn twice), and drawing primitives in logical units.
//
// The base class keeps the state and does the mapping; a back end receives
// every primitive already in device pixels together with the state in force.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/gdi_types.h"

namespace plat {

class DeviceContext {
 public:
  DeviceContext();
  virtual ~DeviceContext();
  DeviceContext(const DeviceContext&) = delete;
  DeviceContext& operator=(const DeviceContext&) = delete;

  // ---- Mapping -----------------------------------------------------------
  int SetMapMode(int mode);  // returns the previous mode
  int GetMapMode() const { return mapMode_; }
  Point SetWindowOrg(int x, int y);
  Point SetWindowExt(int x, int y);
  Point SetViewportOrg(int x, int y);
  Point SetViewportExt(int x, int y);
  Point GetWindowOrg() const { return windowOrg_; }
  Size GetWindowExt() const { return windowExt_; }
  Point GetViewportOrg() const { return viewportOrg_; }
  // The viewport extent in force (after the isotropic adjustment).
  Size GetViewportExt() const;

  Point LPtoDP(Point logical) const;
  Point DPtoLP(Point device) const;
  void LPtoDP(Point* pts, int n) const;
  void DPtoLP(Point* pts, int n) const;
  // A logical length along x in device pixels (pen widths, font heights).
  int LengthToDevice(int logical) const;
  // Device pixels per logical unit along x and along y (without sign).
  double DeviceScaleX() const { return sx_ < 0 ? -sx_ : sx_; }
  double DeviceScaleY() const { return sy_ < 0 ? -sy_ : sy_; }

  // ---- Objects and attributes -------------------------------------------
  Pen SelectPen(const Pen& pen);  // each returns the previous object
  Brush SelectBrush(const Brush& brush);
  Font SelectFont(const Font& font);
  const Pen& CurrentPen() const { return pen_; }
  const Brush& CurrentBrush() const { return brush_; }
  const Font& CurrentFont() const { return font_; }

  COLORREF SetTextColor(COLORREF c);
  COLORREF SetBkColor(COLORREF c);
  int SetBkMode(int mode);
  unsigned SetTextAlign(unsigned flags);
  int SetROP2(int rop);
  int SetPolyFillMode(int mode);
  COLORREF GetTextColor() const { return textColour_; }
  COLORREF GetBkColor() const { return bkColour_; }
  int GetBkMode() const { return bkMode_; }
  unsigned GetTextAlign() const { return textAlign_; }
  int GetROP2() const { return rop2_; }
  int GetPolyFillMode() const { return polyFillMode_; }

  // ---- Primitives in logical units ---------------------------------------
  // What reaches the device draws nothing when it is empty there, whatever
  // the pen: a line from a point to itself, a figure whose box has no width
  // or no height, an outline whose path never leaves its point (a box one
  // pixel each way, a polygon of one point), the fill of a polygon whose
  // points lie on one line, a text with no glyph that shows (where the
  // background is transparent). Every device, and the measure of what a
  // print covers, keeps to it.
  Point MoveTo(int x, int y);  // returns the previous current position
  void LineTo(int x, int y);
  Point CurrentPosition() const { return current_; }
  void Rectangle(int left, int top, int right, int bottom);
  void Ellipse(int left, int top, int right, int bottom);
  // Counter-clockwise on screen over the ellipse of the box, from the ray
  // through the start point to the ray through the end point.
  void Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
           int yEnd);
  void Polygon(const Point* pts, int n);
  void RoundRect(int left, int top, int right, int bottom, int ellipseWidth,
                 int ellipseHeight);
  void TextOut(int x, int y, std::string_view text);
  // Fills a box with a brush and no outline (right and bottom edges
  // excluded, as for Rectangle); a null brush fills nothing.
  void FillRect(int left, int top, int right, int bottom, const Brush& brush);

  // Limits what is drawn to a box in logical units (the mapping in force
  // now); nullptr draws everywhere again. Printing a part of a plan clips
  // to its frame.
  void SetClipBox(const Rect* logicalBox);
  // The clip box in device pixels, when one is set.
  bool Clipped() const { return clipped_; }
  Rect Clip() const { return clip_; }
  // The box of the logical plane that can reach the device (its surface,
  // within the clip box when one is set), widened by margin device pixels
  // on every side, normalised (left <= right, top <= bottom). Loops whose
  // count comes from a drawing's coordinates draw only what lies within it.
  // A device of unknown size shows the whole plane.
  Rect VisibleBox(int margin) const;

  // ---- The device -----------------------------------------------------------
  // The drawing surface in device pixels (client area, bitmap or page).
  virtual Size DeviceSize() const { return {0, 0}; }
  // Device pixels per inch (printers: for printing to scale).
  virtual int PixelsPerInchX() const { return 96; }
  virtual int PixelsPerInchY() const { return 96; }

  // Extent of a text in the selected font, in logical units.
  Size GetTextExtent(std::string_view text);
  TextMetrics GetTextMetrics();
  // The box a text's glyphs cover in the selected font, in device pixels
  // from the start of its baseline (y down), unturned: the character cell
  // (the extent, ascent above the baseline) where the device cannot say.
  Rect DeviceTextInk(std::string_view text) { return DevTextInk(text); }

  // ---- State a back end draws with ----------------------------------------
  // The pen as it reaches the device: width in pixels (at least 1), and a
  // dashed or dotted style only when that width is one pixel.
  Pen DevicePen() const;
  // The font cell height in device pixels (a height of 0 gives the
  // device's default font size).
  int DeviceFontHeight() const;
  // The average character width in device pixels; 0 for the face's own.
  int DeviceFontWidth() const;
  // The selected font's escapement as the device turns it, in tenths of a
  // degree counter-clockwise on the device. Screens and bitmaps turn a text
  // with the orientation of the logical coordinates: where the mapping turns
  // one axis over (the plan's y-up views) an escapement turns clockwise on
  // the device, so that 2700 reads upward there. Printer fonts always turn
  // counter-clockwise on the paper.
  int DeviceEscapement() const;
  // Whether the device's fonts turn with the mapping (false: printer fonts).
  virtual bool TextTurnsWithMapping() const { return true; }
  static constexpr int kDefaultFontHeight = 16;

 protected:
  // Back-end hooks, all in device pixels.
  virtual void DevLine(Point from, Point to) = 0;
  virtual void DevRectangle(Rect r) = 0;
  virtual void DevEllipse(Rect r) = 0;
  virtual void DevArc(Rect box, Point start, Point end) = 0;
  virtual void DevPolygon(const std::vector<Point>& pts) = 0;
  virtual void DevRoundRect(Rect r, Size corner) = 0;
  virtual void DevText(Point at, std::string_view text) = 0;
  // Text size in device pixels for the selected font.
  virtual Size DevTextExtent(std::string_view text) = 0;
  virtual TextMetrics DevTextMetrics() = 0;
  virtual Rect DevTextInk(std::string_view text);
  virtual void DevFillRect(Rect r, const Brush& brush) = 0;
  // The clip in device pixels (nullptr: none); back ends that cannot clip
  // ignore it.
  virtual void DevSetClip(const Rect* deviceRect) { (void)deviceRect; }

  // Normalised device rectangle of a logical box.
  Rect BoxToDevice(int left, int top, int right, int bottom) const;

 private:
  void ScaleFactors(double& sx, double& sy) const {
    sx = sx_;
    sy = sy_;
  }
  // Works out the scale factors again after the mapping changed.
  void UpdateScale();

  int mapMode_ = MM_TEXT;
  Point windowOrg_{0, 0};
  Size windowExt_{1, 1};
  Point viewportOrg_{0, 0};
  Size viewportExt_{1, 1};
  // Device pixels per logical unit on each axis, as the mapping gives them.
  double sx_ = 1.0;
  double sy_ = 1.0;

  Pen pen_{PS_SOLID, 0, RGB(0, 0, 0)};
  Brush brush_ = WhiteBrush();
  Font font_;
  COLORREF textColour_ = RGB(0, 0, 0);
  COLORREF bkColour_ = RGB(255, 255, 255);
  int bkMode_ = OPAQUE;
  unsigned textAlign_ = TA_LEFT | TA_TOP;
  int rop2_ = R2_COPYPEN;
  int polyFillMode_ = ALTERNATE;
  Point current_{0, 0};
  bool clipped_ = false;
  Rect clip_{};  // device pixels
};

}  // namespace plat
