// Value types and codes of the drawing surface: colours, points, pens,
// brushes, fonts and the mode constants. The numbers are the classic GDI
// ones because drawings and settings files store them (pen styles, RGB
// colours, text alignment flags).
#pragma once

#include <cstdint>
#include <string>

namespace plat {

// 0x00BBGGRR, as stored in drawing and settings files.
using COLORREF = std::uint32_t;

constexpr COLORREF RGB(int r, int g, int b) {
  return COLORREF(r & 0xff) | (COLORREF(g & 0xff) << 8) | (COLORREF(b & 0xff) << 16);
}
constexpr int GetRValue(COLORREF c) { return int(c & 0xff); }
constexpr int GetGValue(COLORREF c) { return int((c >> 8) & 0xff); }
constexpr int GetBValue(COLORREF c) { return int((c >> 16) & 0xff); }

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// Client rectangles: left and top 0, right = width, bottom = height.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  // No width or no height: a figure over it draws nothing.
  bool IsEmpty() const { return right <= left || bottom <= top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

enum PenStyle : int {
  PS_SOLID = 0,
  PS_DASH = 1,
  PS_DOT = 2,
  PS_DASHDOT = 3,
  PS_DASHDOTDOT = 4,
  PS_NULL = 5,
};

struct Pen {
  int style = PS_SOLID;
  int width = 0;  // logical units; 0 draws one pixel wide
  COLORREF colour = 0;
  friend bool operator==(const Pen&, const Pen&) = default;
};

enum BrushStyle : int {
  BS_SOLID = 0,
  BS_NULL = 1,  // hollow: shapes are outlined only
};

struct Brush {
  int style = BS_SOLID;
  COLORREF colour = RGB(255, 255, 255);
  friend bool operator==(const Brush&, const Brush&) = default;
};

inline Brush SolidBrush(COLORREF c) { return Brush{BS_SOLID, c}; }
inline Brush NullBrush() { return Brush{BS_NULL, 0}; }
inline Brush WhiteBrush() { return Brush{BS_SOLID, RGB(255, 255, 255)}; }
inline Brush BlackBrush() { return Brush{BS_SOLID, RGB(0, 0, 0)}; }

constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;

struct Font {
  int height = 0;      // logical units; the cell height (sign ignored)
  int width = 0;       // 0: the face's natural width
  // Tenths of a degree; the device turns it as DeviceContext::DeviceEscapement
  // says (counter-clockwise where the mapping keeps the axes as the device
  // has them, clockwise on screen under the plan's y-up mapping).
  int escapement = 0;
  int weight = FW_NORMAL;
  bool italic = false;
  std::string face = "Arial";
  friend bool operator==(const Font&, const Font&) = default;
};

enum MapMode : int {
  MM_TEXT = 1,
  MM_ISOTROPIC = 7,
  MM_ANISOTROPIC = 8,
};

enum Rop2 : int {
  R2_BLACK = 1,
  R2_NOT = 6,
  R2_XORPEN = 7,
  R2_NOTXORPEN = 10,
  R2_COPYPEN = 13,
  R2_WHITE = 16,
};

enum BkMode : int {
  TRANSPARENT = 1,
  OPAQUE = 2,
};

enum PolyFillMode : int {
  ALTERNATE = 1,
  WINDING = 2,
};

// Text alignment flags (combinable).
enum TextAlign : unsigned {
  TA_NOUPDATECP = 0,
  TA_UPDATECP = 1,
  TA_LEFT = 0,
  TA_RIGHT = 2,
  TA_CENTER = 6,
  TA_TOP = 0,
  TA_BOTTOM = 8,
  TA_BASELINE = 24,
};

struct TextMetrics {
  int height = 0;
  int ascent = 0;
  int descent = 0;
  int aveCharWidth = 0;
  int maxCharWidth = 0;
  int externalLeading = 0;  // space the font wants between lines, beyond height
};

}  // namespace plat
