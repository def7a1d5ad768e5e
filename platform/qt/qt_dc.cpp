#include "platform/qt/qt_dc.h"

#include <QFont>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPolygon>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <mutex>

namespace plat {

namespace {

constexpr double kPi = 3.14159265358979323846;

// On/off run lengths in pixels of the one-pixel broken pen styles.
std::vector<int> DashRuns(int style) {
  switch (style) {
    case PS_DASH: return {12, 4};
    case PS_DOT: return {2, 2};
    case PS_DASHDOT: return {9, 4, 2, 4};
    case PS_DASHDOTDOT: return {9, 3, 2, 3, 2, 3};
    default: return {};
  }
}

// Whether the pixel at step i of a broken line is "on".
bool PatternOn(const std::vector<int>& runs, int i) {
  if (runs.empty()) return true;
  int period = 0;
  for (int r : runs) period += r;
  int pos = i % period;
  for (size_t k = 0; k < runs.size(); ++k) {
    if (pos < runs[k]) return k % 2 == 0;
    pos -= runs[k];
  }
  return true;
}

// The pixels of a one-pixel line from a towards b, b itself left out; split
// into the pattern's dashes ("on") and gaps.
void LinePixels(Point a, Point b, const std::vector<int>& runs, QPolygon& on, QPolygon& gaps) {
  const int dx = std::abs(b.x - a.x), dy = -std::abs(b.y - a.y);
  const int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
  int err = dx + dy;
  int x = a.x, y = a.y;
  for (int i = 0; !(x == b.x && y == b.y); ++i) {
    (PatternOn(runs, i) ? on : gaps).append(QPoint(x, y));
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
}

QRect ToQRect(Rect r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

// The box of a figure outlined with a one-pixel pen: GDI leaves out the
// right and bottom edges, Qt strokes both edges of its rectangle.
QRect OutlineRect(Rect r) {
  return QRect(r.left, r.top, std::max(0, r.Width() - 1), std::max(0, r.Height() - 1));
}

bool IsValidUtf8(std::string_view s) {
  for (size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    const int extra = c < 0x80 ? 0
                      : (c & 0xE0) == 0xC0 ? 1
                      : (c & 0xF0) == 0xE0 ? 2
                      : (c & 0xF8) == 0xF0 ? 3
                                           : -1;
    if (extra < 0 || s.size() - i <= size_t(extra)) return false;
    for (int k = 1; k <= extra; ++k)
      if ((static_cast<unsigned char>(s[i + size_t(k)]) & 0xC0) != 0x80) return false;
    i += size_t(extra) + 1;
  }
  return true;
}

// Angle in degrees (counter-clockwise on screen, 0 along +x) that Qt's arc
// functions take for the ray from the centre of box through p. The centre is
// the box's own, as GDI takes it; Qt measures along the ellipse's parameter,
// so the ray is scaled to a circle first.
double RayAngle(Rect box, Point p) {
  const double a = box.Width() / 2.0, b = box.Height() / 2.0;
  const double dx = p.x - (box.left + a), dy = -(p.y - (box.top + b));
  if (a <= 0.0 || b <= 0.0) return std::atan2(dy, dx) * 180.0 / kPi;
  return std::atan2(dy / b, dx / a) * 180.0 / kPi;
}

}  // namespace

void InstallFontSubstitutions() {
  static std::once_flag once;
  std::call_once(once, [] {
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "Arimo", "DejaVu Sans"});
    QFont::insertSubstitutions("Helvetica", {"Liberation Sans", "Arimo"});
    QFont::insertSubstitutions("Arial Narrow", {"Liberation Sans Narrow", "Liberation Sans"});
    QFont::insertSubstitutions("Times New Roman", {"Liberation Serif", "Tinos", "DejaVu Serif"});
    QFont::insertSubstitutions("Times", {"Liberation Serif", "Tinos"});
    QFont::insertSubstitutions("Courier New", {"Liberation Mono", "Cousine", "DejaVu Sans Mono"});
    QFont::insertSubstitutions("Courier", {"Liberation Mono", "Cousine"});
  });
}

QString ToQString(std::string_view text) {
  if (IsValidUtf8(text)) return QString::fromUtf8(text.data(), qsizetype(text.size()));
  return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// ---- Construction -------------------------------------------------------------------

QtDC::QtDC(QPaintDevice* device) : device_(device), painter_(&own_) {
  own_.begin(device);
  Setup();
}

QtDC::QtDC(QPainter* painter) : device_(painter->device()), painter_(painter) { Setup(); }

QtDC::~QtDC() {
  if (own_.isActive()) own_.end();
}

void QtDC::Setup() {
  InstallFontSubstitutions();
  painter_->setRenderHint(QPainter::Antialiasing, false);
  painter_->setRenderHint(QPainter::TextAntialiasing, false);
  painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
}

void QtDC::SetClipRegion(const QRegion& region) {
  if (region.isEmpty()) {
    painter_->setClipping(false);
  } else {
    painter_->setClipRegion(region);
  }
}

Size QtDC::DeviceSize() const {
  if (!device_) return {0, 0};
  return {device_->width(), device_->height()};
}

int QtDC::PixelsPerInchX() const { return device_ ? device_->logicalDpiX() : 96; }
int QtDC::PixelsPerInchY() const { return device_ ? device_->logicalDpiY() : 96; }

bool QtDC::IsRaster() const { return device_ && device_->devType() == QInternal::Image; }

// ---- Colours, pens, brushes, fonts -----------------------------------------------------

QColor QtDC::Colour(COLORREF c) const {
  if (forcedColour_) return *forcedColour_;
  return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

QPen QtDC::MakePen() const {
  const Pen p = DevicePen();
  if (p.style == PS_NULL) return QPen(Qt::NoPen);
  // Width 0 is Qt's cosmetic one-pixel pen.
  QPen pen(Colour(p.colour), p.width > 1 ? p.width : 0);
  if (p.width > 1) {
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
  }
  const std::vector<int> runs = DashRuns(p.style);
  if (!runs.empty()) {
    QList<qreal> pattern;
    for (int r : runs) pattern.append(r);
    pen.setDashPattern(pattern);
  }
  return pen;
}

QBrush QtDC::MakeBrush() const {
  const Brush& b = CurrentBrush();
  if (b.style == BS_NULL) return QBrush(Qt::NoBrush);
  return QBrush(Colour(b.colour));
}

QFont QtDC::MakeFont() const {
  const Font& font = CurrentFont();
  const int height = DeviceFontHeight();
  QFont f(ToQString(font.face));
  f.setStyleStrategy(QFont::NoAntialias);
  f.setItalic(font.italic);
  f.setWeight(QFont::Weight(std::clamp(font.weight <= 0 ? FW_NORMAL : font.weight, 1, 1000)));
  f.setPixelSize(height);
  // The requested height is the character cell (ascent + descent); Qt's
  // pixel size is the em, so scale it until the cell fits.
  const int cell = QFontMetrics(f, device_).height();
  if (cell > 0 && cell != height)
    f.setPixelSize(std::max(1, int(std::lround(double(height) * height / cell))));
  const int width = DeviceFontWidth();
  if (width > 0) {
    const int natural = QFontMetrics(f, device_).averageCharWidth();
    if (natural > 0) f.setStretch(std::clamp(int(std::lround(100.0 * width / natural)), 1, 4000));
  }
  return f;
}

QRect QtDC::PenBounds(QRect r) const {
  const int grow = DevicePen().width + 2;
  return r.normalized().adjusted(-grow, -grow, grow, grow);
}

// ---- Raster operations --------------------------------------------------------------

void QtDC::Draw(QRect bounds, const PaintFn& paint) {
  if (device_) bounds = bounds.intersected(QRect(0, 0, device_->width(), device_->height()));
  if (bounds.isEmpty()) return;
  dirty_ |= bounds;

  static const QColor black(Qt::black), white(Qt::white);
  const int rop = GetROP2();
  if (rop == R2_BLACK || rop == R2_WHITE) {
    forcedColour_ = rop == R2_BLACK ? &black : &white;
    paint(*painter_);
    forcedColour_ = nullptr;
    return;
  }
  if (rop != R2_XORPEN && rop != R2_NOT && rop != R2_NOTXORPEN) {
    paint(*painter_);
    return;
  }
  if (!IsRaster()) {
    // Printers and widgets: the painter's own raster operations.
    painter_->setCompositionMode(rop == R2_NOT ? QPainter::RasterOp_NotDestination
                                               : rop == R2_XORPEN
                                                   ? QPainter::RasterOp_SourceXorDestination
                                                   : QPainter::RasterOp_NotSourceXorDestination);
    paint(*painter_);
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    return;
  }
  // Bitmaps: draw the figure in copy mode onto black (XOR with black changes
  // nothing), then XOR that picture onto the device, so that every pixel of
  // the figure is combined exactly once. NOT is XOR with white; NOT-XOR is
  // XOR with the inverted colour, which is the figure XOR its own coverage.
  auto paintMask = [&](const QColor* forced) {
    QImage m(bounds.size(), QImage::Format_RGB32);
    m.fill(Qt::black);
    QPainter p(&m);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.translate(-bounds.topLeft());
    forcedColour_ = forced;
    paint(p);
    forcedColour_ = nullptr;
    return m;
  };
  QImage mask = paintMask(rop == R2_NOT ? &white : nullptr);
  if (rop == R2_NOTXORPEN) {
    const QImage coverage = paintMask(&white);
    QPainter p(&mask);
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.drawImage(0, 0, coverage);
  }
  painter_->save();
  painter_->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  painter_->drawImage(bounds.topLeft(), mask);
  painter_->restore();
}

// ---- Primitives ----------------------------------------------------------------------

void QtDC::DevLine(Point from, Point to) {
  const Pen pen = DevicePen();
  if (pen.style == PS_NULL || from == to) return;
  const QRect bounds = PenBounds(QRect(QPoint(from.x, from.y), QPoint(to.x, to.y)));
  if (pen.width > 1 || !IsRaster()) {
    Draw(bounds, [&](QPainter& p) {
      p.setPen(MakePen());
      p.drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
    });
    return;
  }
  // Solid upright and level lines in copy mode, the bulk of a plan: one
  // QPainter line that stops a pixel short, as line-to does.
  const int rop = GetROP2();
  if (pen.style == PS_SOLID && (rop == R2_COPYPEN || rop == R2_BLACK || rop == R2_WHITE) &&
      (from.x == to.x || from.y == to.y)) {
    const QPoint last(to.x - (to.x > from.x) + (to.x < from.x), to.y - (to.y > from.y) + (to.y < from.y));
    Draw(bounds, [&](QPainter& p) {
      p.setPen(QPen(Colour(pen.colour), 0));
      p.drawLine(QPoint(from.x, from.y), last);
    });
    return;
  }
  // Otherwise plot the pixels ourselves so that the last one is left out
  // and broken styles fill their gaps as the background mode says.
  QPolygon on, gaps;
  LinePixels(from, to, DashRuns(pen.style), on, gaps);
  const bool opaqueGaps = GetBkMode() == OPAQUE && !gaps.isEmpty();
  Draw(bounds, [&](QPainter& p) {
    p.setPen(QPen(Colour(pen.colour), 0));
    p.drawPoints(on);
    if (opaqueGaps) {
      p.setPen(QPen(Colour(GetBkColor()), 0));
      p.drawPoints(gaps);
    }
  });
}

void QtDC::DevRectangle(Rect r) {
  const QPen pen = MakePen();
  const QBrush brush = MakeBrush();
  if (pen.style() == Qt::NoPen && brush.style() == Qt::NoBrush) return;
  Draw(PenBounds(ToQRect(r)), [&](QPainter& p) {
    p.setPen(MakePen());
    p.setBrush(MakeBrush());
    p.drawRect(pen.style() == Qt::NoPen ? ToQRect(r) : OutlineRect(r));
  });
}

void QtDC::DevEllipse(Rect r) {
  const QPen pen = MakePen();
  const QBrush brush = MakeBrush();
  if (pen.style() == Qt::NoPen && brush.style() == Qt::NoBrush) return;
  Draw(PenBounds(ToQRect(r)), [&](QPainter& p) {
    p.setPen(MakePen());
    p.setBrush(MakeBrush());
    p.drawEllipse(pen.style() == Qt::NoPen ? ToQRect(r) : OutlineRect(r));
  });
}

void QtDC::DevArc(Rect box, Point start, Point end) {
  if (DevicePen().style == PS_NULL) return;
  const QRect rect = OutlineRect(box);
  const double from = RayAngle(box, start);
  double span = RayAngle(box, end) - from;
  // Always counter-clockwise; the same ray at both ends is the whole ellipse.
  while (span <= 0.0) span += 360.0;
  while (span > 360.0) span -= 360.0;
  Draw(PenBounds(ToQRect(box)), [&](QPainter& p) {
    p.setPen(MakePen());
    p.setBrush(Qt::NoBrush);
    // Qt strokes arcs as paths, whose pixels sit half a pixel up and left of
    // those of its ellipses; the shift makes an arc lie on its ellipse.
    p.drawArc(QRectF(rect).translated(0.5, 0.5), int(std::lround(from * 16)),
              int(std::lround(span * 16)));
  });
}

void QtDC::DevPolygon(const std::vector<Point>& pts) {
  const QPen pen = MakePen();
  const QBrush brush = MakeBrush();
  if (pts.empty() || (pen.style() == Qt::NoPen && brush.style() == Qt::NoBrush)) return;
  QPolygon poly;
  for (const Point& pt : pts) poly.append(QPoint(pt.x, pt.y));
  const Qt::FillRule rule = GetPolyFillMode() == WINDING ? Qt::WindingFill : Qt::OddEvenFill;
  Draw(PenBounds(poly.boundingRect()), [&](QPainter& p) {
    p.setPen(MakePen());
    p.setBrush(MakeBrush());
    p.drawPolygon(poly, rule);
  });
}

void QtDC::DevRoundRect(Rect r, Size corner) {
  const QPen pen = MakePen();
  const QBrush brush = MakeBrush();
  if (pen.style() == Qt::NoPen && brush.style() == Qt::NoBrush) return;
  const QRect rect = pen.style() == Qt::NoPen ? ToQRect(r) : OutlineRect(r);
  const double rx = std::min(corner.cx / 2.0, rect.width() / 2.0);
  const double ry = std::min(corner.cy / 2.0, rect.height() / 2.0);
  Draw(PenBounds(ToQRect(r)), [&](QPainter& p) {
    p.setPen(MakePen());
    p.setBrush(MakeBrush());
    p.drawRoundedRect(rect, rx, ry, Qt::AbsoluteSize);
  });
}

void QtDC::DevText(Point at, std::string_view text) {
  if (text.empty()) return;
  const QFont font = MakeFont();
  const QFontMetrics fm(font, device_);
  const QString s = ToQString(text);
  const int width = fm.horizontalAdvance(s);
  const int ascent = fm.ascent(), descent = fm.descent();

  // Alignment is along the text's own direction: offsets in the rotated frame.
  const unsigned align = GetTextAlign();
  const unsigned horizontal = align & TA_CENTER;
  const int x0 = horizontal == TA_CENTER ? -width / 2 : horizontal == TA_RIGHT ? -width : 0;
  const unsigned vertical = align & TA_BASELINE;
  const int baseline = vertical == TA_BASELINE ? 0 : vertical == TA_BOTTOM ? -descent : ascent;
  const QRect cell(x0, baseline - ascent, width, ascent + descent);

  const double angle = -CurrentFont().escapement / 10.0;
  QTransform t;
  t.translate(at.x, at.y);
  t.rotate(angle);
  const QRect bounds = t.mapRect(cell).adjusted(-2, -2, 2, 2);
  const bool opaque = GetBkMode() == OPAQUE;
  Draw(bounds, [&](QPainter& p) {
    p.save();
    p.translate(at.x, at.y);
    p.rotate(angle);
    p.setFont(font);
    if (opaque) p.fillRect(cell, Colour(GetBkColor()));
    p.setPen(Colour(GetTextColor()));
    p.drawText(QPoint(x0, baseline), s);
    p.restore();
  });
}

Size QtDC::DevTextExtent(std::string_view text) {
  const QFontMetrics fm(MakeFont(), device_);
  return {fm.horizontalAdvance(ToQString(text)), fm.ascent() + fm.descent()};
}

TextMetrics QtDC::DevTextMetrics() {
  const QFontMetrics fm(MakeFont(), device_);
  TextMetrics m;
  m.ascent = fm.ascent();
  m.descent = fm.descent();
  m.height = m.ascent + m.descent;
  m.aveCharWidth = fm.averageCharWidth();
  m.maxCharWidth = fm.maxWidth();
  return m;
}

void QtDC::DevFillRect(Rect r, const Brush& brush) {
  // Filling ignores the raster operation, as on the original platform.
  QRect rect = ToQRect(r);
  if (device_) rect = rect.intersected(QRect(0, 0, device_->width(), device_->height()));
  if (rect.isEmpty()) return;
  dirty_ |= rect;
  painter_->fillRect(rect, QColor(GetRValue(brush.colour), GetGValue(brush.colour),
                                  GetBValue(brush.colour)));
}

}  // namespace plat
