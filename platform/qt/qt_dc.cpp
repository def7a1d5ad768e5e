#include "platform/qt/qt_dc.h"

#include <QFont>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPaintDevice>
#include <QPolygon>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <mutex>

#include "platform/line_walk.h"
#include "platform/qt/qt_pixels.h"
#include "platform/qt/qt_text_cache.h"

namespace plat {

namespace {

constexpr double kPi = 3.14159265358979323846;
// The longest side, in pixels, of a text taken as a stamp.
constexpr int kMaxStampSide = 2048;

// On/off run lengths in pixels of the one-pixel broken pen styles (none:
// solid).
DashRuns DashRunsOf(int style) {
  static constexpr int kDash[] = {12, 4};
  static constexpr int kDot[] = {2, 2};
  static constexpr int kDashDot[] = {9, 4, 2, 4};
  static constexpr int kDashDotDot[] = {9, 3, 2, 3, 2, 3};
  switch (style) {
    case PS_DASH: return {kDash, 2};
    case PS_DOT: return {kDot, 2};
    case PS_DASHDOT: return {kDashDot, 4};
    case PS_DASHDOTDOT: return {kDashDotDot, 6};
    default: return {};
  }
}

// The pixels of a one-pixel line from a towards b, b itself left out, as
// far as they can lie within keep; split into the pattern's dashes ("on")
// and gaps.
void LinePixels(Point a, Point b, int style, Rect keep, QPolygon& on, QPolygon& gaps) {
  WalkLine(a, b, DashRunsOf(style), keep,
           [&](int x, int y, bool isOn) { (isOn ? on : gaps).append(QPoint(x, y)); });
}

bool IsXorFamily(int rop) { return rop == R2_XORPEN || rop == R2_NOT || rop == R2_NOTXORPEN; }

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

QtDC::QtDC(QPainter* painter) : device_(painter->device()), painter_(painter) {
  Setup();
  // A paint handler's own context on the painter of the window's rebuild:
  // knowing the rebuild's clip, it may still set figures straight into the
  // bitmap within it.
  if (painter_->isActive() && painter_->hasClipping() && painter_->worldTransform().isIdentity())
    clip_ = painter_->clipRegion();
}

QtDC::QtDC(QPaintDevice* device, Unpainted) : device_(device), painter_(&own_) { Setup(); }

std::unique_ptr<QtDC> QtDC::ForMeasuring(QPaintDevice* device) {
  return std::unique_ptr<QtDC>(new QtDC(device, Unpainted{}));
}

QtDC::~QtDC() {
  if (own_.isActive()) own_.end();
}

void QtDC::Setup() {
  InstallFontSubstitutions();
  if (device_) {
    dpiX_ = device_->logicalDpiX();
    dpiY_ = device_->logicalDpiY();
    devType_ = device_->devType();
    paged_ = dynamic_cast<QPagedPaintDevice*>(device_) != nullptr;
  }
  if (!painter_->isActive()) return;
  painter_->setRenderHint(QPainter::Antialiasing, false);
  painter_->setRenderHint(QPainter::TextAntialiasing, false);
  painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
}

void QtDC::SetClipRegion(const QRegion& region) {
  clip_ = region;
  if (region.isEmpty()) {
    painter_->setClipping(false);
  } else {
    painter_->setClipRegion(region);
  }
}

void QtDC::DevSetClip(const Rect* r) {
  SetClipRegion(r ? QRegion(r->left, r->top, r->right - r->left, r->bottom - r->top) : QRegion());
}

Size QtDC::DeviceSize() const {
  if (!device_) return {0, 0};
  return {device_->width(), device_->height()};
}

int QtDC::PixelsPerInchX() const { return device_ ? device_->logicalDpiX() : 96; }
int QtDC::PixelsPerInchY() const { return device_ ? device_->logicalDpiY() : 96; }

bool QtDC::TextTurnsWithMapping() const { return !paged_; }

bool QtDC::IsRaster() const { return device_ && device_->devType() == QInternal::Image; }

bool QtDC::DirectPixels(int rop, PixelTarget& target) const {
  if (IsXorFamily(rop) || forcedColour_ || !IsRaster()) return false;
  auto* image = static_cast<QImage*>(device_);
  const QImage::Format f = image->format();
  if (f != QImage::Format_RGB32 && f != QImage::Format_ARGB32 &&
      f != QImage::Format_ARGB32_Premultiplied)
    return false;
  const QPainter& p = *painter_;
  if (!p.isActive() || !p.worldTransform().isIdentity() || !p.deviceTransform().isIdentity() ||
      p.compositionMode() != QPainter::CompositionMode_SourceOver || p.opacity() != 1.0 ||
      image->devicePixelRatio() != 1.0)
    return false;
  QRect window = image->rect();
  if (p.hasClipping()) {
    // Only a clip of our own is known without asking the painter for it.
    if (clip_.isEmpty()) return false;
    window &= clip_.boundingRect();
    if (clip_.rectCount() > 1) {
      target.rects = clip_.begin();
      target.rectsEnd = clip_.end();
    }
  }
  target.left = window.left();
  target.top = window.top();
  target.right = window.right();
  target.bottom = window.bottom();
  // The painter draws into the image's pixels as they were when it began;
  // reading them without detaching keeps to that same buffer.
  target.bits = const_cast<uchar*>(image->constBits());
  target.stride = image->bytesPerLine();
  return target.bits != nullptr;
}

quint32 QtDC::RopPixel(int rop, COLORREF c) {
  return OpaquePixel(rop == R2_BLACK ? RGB(0, 0, 0) : rop == R2_WHITE ? RGB(255, 255, 255) : c);
}

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
  const DashRuns runs = DashRunsOf(p.style);
  if (runs.count > 0) {
    QList<qreal> pattern;
    for (int i = 0; i < runs.count; ++i) pattern.append(runs.runs[i]);
    pen.setDashPattern(pattern);
  }
  return pen;
}

QPen QtDC::GapPen() const {
  const Pen p = DevicePen();
  if (GetBkMode() != OPAQUE || p.style == PS_NULL || DashRunsOf(p.style).count == 0)
    return QPen(Qt::NoPen);
  return QPen(Colour(GetBkColor()), 0);
}

QBrush QtDC::MakeBrush() const {
  const Brush& b = CurrentBrush();
  if (b.style == BS_NULL) return QBrush(Qt::NoBrush);
  return QBrush(Colour(b.colour));
}

QFont QtDC::MakeFont() const {
  const Font& font = CurrentFont();
  const int height = DeviceFontHeight();
  // A font without a face name takes the mapper's default, a sans face.
  QFont f(font.face.empty() ? QStringLiteral("Arial") : ToQString(font.face));
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

QtFont& QtDC::SelectedFont() {
  QtFontCache& fonts = QtFontCache::ForThread();
  const Font& font = CurrentFont();
  const int height = DeviceFontHeight(), width = DeviceFontWidth();
  auto selects = [&](const QtFontKey& k) {
    return k.height == height && k.width == width && k.weight == font.weight &&
           k.italic == font.italic && k.face == font.face && k.dpiX == dpiX_ &&
           k.dpiY == dpiY_ && k.devType == devType_;
  };
  if (lastFont_ && lastFontGeneration_ == fonts.Generation() && selects(lastFont_->key))
    return *lastFont_;
  QtFontKey key{font.face, font.weight, font.italic, height, width, dpiX_, dpiY_, devType_};
  QtFont* found = fonts.Find(key);
  if (!found) found = &fonts.Add(std::move(key), MakeFont(), device_);
  lastFont_ = found;
  lastFontGeneration_ = fonts.Generation();
  return *found;
}

QRect QtDC::PenBounds(QRect r) const { return PenBounds(r, DevicePen().width); }

QRect QtDC::PenBounds(QRect r, int penWidth) {
  const int grow = penWidth + 2;
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
  const QRect bounds = PenBounds(QRect(QPoint(from.x, from.y), QPoint(to.x, to.y)), pen.width);
  if (pen.width > 1 || !IsRaster()) {
    Draw(bounds, [&](QPainter& p) {
      p.setPen(MakePen());
      p.drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
    });
    return;
  }
  const int rop = GetROP2();
  PixelTarget target;
  if (DirectPixels(rop, target)) {
    // The bulk of a plan: its pixels go straight into the bitmap, the same
    // ones the painter would set below, without its per-figure set-up.
    const QRect shown = bounds.intersected(QRect(0, 0, device_->width(), device_->height()));
    if (shown.isEmpty()) return;
    dirty_ |= shown;
    const quint32 ink = RopPixel(rop, pen.colour);
    if (pen.style == PS_SOLID && (from.x == to.x || from.y == to.y)) {
      const Point last{to.x - (to.x > from.x) + (to.x < from.x),
                       to.y - (to.y > from.y) + (to.y < from.y)};
      target.Run(from, last, ink);
      return;
    }
    const quint32 gap = RopPixel(rop, GetBkColor());
    const bool opaqueGaps = GetBkMode() == OPAQUE;
    WalkLine(from, to, DashRunsOf(pen.style),
             Rect{target.left, target.top, target.right, target.bottom},
             [&](int x, int y, bool on) {
               if (on || opaqueGaps) target.Plot(x, y, on ? ink : gap);
             });
    return;
  }
  // Solid upright and level lines in copy mode: one QPainter line that
  // stops a pixel short, as line-to does.
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
  LinePixels(from, to, pen.style, Rect{0, 0, device_->width() - 1, device_->height() - 1}, on,
             gaps);
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

// A figure over a box of no width or height draws nothing (Qt would stroke
// its outline as a line).
void QtDC::DevRectangle(Rect r) {
  const bool noPen = DevicePen().style == PS_NULL;
  if ((noPen && CurrentBrush().style == BS_NULL) || r.IsEmpty()) return;
  const QRect rect = noPen ? ToQRect(r) : OutlineRect(r);
  Draw(PenBounds(ToQRect(r)), [&](QPainter& p) {
    Outline(p, MakeBrush(), [&](QPainter& q) { q.drawRect(rect); });
  });
}

void QtDC::DevEllipse(Rect r) {
  const bool noPen = DevicePen().style == PS_NULL;
  if ((noPen && CurrentBrush().style == BS_NULL) || r.IsEmpty()) return;
  const QRect rect = noPen ? ToQRect(r) : OutlineRect(r);
  Draw(PenBounds(ToQRect(r)), [&](QPainter& p) {
    Outline(p, MakeBrush(), [&](QPainter& q) { q.drawEllipse(rect); });
  });
}

void QtDC::DevArc(Rect box, Point start, Point end) {
  if (DevicePen().style == PS_NULL || box.IsEmpty()) return;
  const QRect rect = OutlineRect(box);
  const double from = RayAngle(box, start);
  double span = RayAngle(box, end) - from;
  // Always counter-clockwise; the same ray at both ends is the whole ellipse.
  while (span <= 0.0) span += 360.0;
  while (span > 360.0) span -= 360.0;
  Draw(PenBounds(ToQRect(box)), [&](QPainter& p) {
    // Qt strokes arcs as paths, whose pixels sit half a pixel up and left of
    // those of its ellipses; the shift makes an arc lie on its ellipse.
    Outline(p, QBrush(Qt::NoBrush), [&](QPainter& q) {
      q.drawArc(QRectF(rect).translated(0.5, 0.5), int(std::lround(from * 16)),
                int(std::lround(span * 16)));
    });
  });
}

void QtDC::DevPolygon(const std::vector<Point>& pts) {
  if (pts.empty() || (DevicePen().style == PS_NULL && CurrentBrush().style == BS_NULL)) return;
  QPolygon poly(qsizetype(pts.size()));
  QPoint* out = poly.data();
  for (const Point& pt : pts) *out++ = QPoint(pt.x, pt.y);
  const Qt::FillRule rule = GetPolyFillMode() == WINDING ? Qt::WindingFill : Qt::OddEvenFill;
  Draw(PenBounds(poly.boundingRect()), [&](QPainter& p) {
    Outline(p, MakeBrush(), [&](QPainter& q) { q.drawPolygon(poly, rule); });
  });
}

void QtDC::DevRoundRect(Rect r, Size corner) {
  const bool noPen = DevicePen().style == PS_NULL;
  if ((noPen && CurrentBrush().style == BS_NULL) || r.IsEmpty()) return;
  const QRect rect = noPen ? ToQRect(r) : OutlineRect(r);
  const double rx = std::min(corner.cx / 2.0, rect.width() / 2.0);
  const double ry = std::min(corner.cy / 2.0, rect.height() / 2.0);
  Draw(PenBounds(ToQRect(r)), [&](QPainter& p) {
    Outline(p, MakeBrush(), [&](QPainter& q) { q.drawRoundedRect(rect, rx, ry, Qt::AbsoluteSize); });
  });
}

void QtDC::DevText(Point at, std::string_view text) {
  if (text.empty()) return;
  QtFont& font = SelectedFont();
  const QString s = ToQString(text);
  const int width = font.Width(s);
  const int ascent = font.ascent, descent = font.descent;

  // Alignment is along the text's own direction: offsets in the rotated frame.
  const unsigned align = GetTextAlign();
  const unsigned horizontal = align & TA_CENTER;
  const int x0 = horizontal == TA_CENTER ? -width / 2 : horizontal == TA_RIGHT ? -width : 0;
  const unsigned vertical = align & TA_BASELINE;
  const int baseline = vertical == TA_BASELINE ? 0 : vertical == TA_BOTTOM ? -descent : ascent;
  const QRect cell(x0, baseline - ascent, width, ascent + descent);

  const int escapement = DeviceEscapement();
  const double angle = -escapement / 10.0;
  QTransform t;
  t.translate(at.x, at.y);
  t.rotate(angle);
  const QRect bounds = t.mapRect(cell).adjusted(-2, -2, 2, 2);
  PixelTarget target;
  // Stamps are for the many small texts of a plan; a text of a damaged
  // file's size is left to the painter, which draws only what is shown.
  const bool stampable = width <= kMaxStampSide && 1LL * ascent + descent <= kMaxStampSide;
  if (stampable && IsQuarterTurn(angle) && DirectPixels(GetROP2(), target)) {
    const TextStampKey key{font.key, escapement, x0, baseline, s};
    if (StampText(key, target, at, bounds, angle, font, cell)) return;
  }
  const bool opaque = GetBkMode() == OPAQUE;
  Draw(bounds, [&](QPainter& p) {
    p.save();
    p.translate(at.x, at.y);
    p.rotate(angle);
    p.setFont(font.font);
    if (opaque) p.fillRect(cell, Colour(GetBkColor()));
    p.setPen(Colour(GetTextColor()));
    p.drawText(QPoint(x0, baseline), s);
    p.restore();
  });
}

bool QtDC::StampText(const TextStampKey& key, const PixelTarget& target, Point at, QRect bounds,
                     double angle, const QtFont& font, QRect cell) {
  TextStampCache& stamps = TextStampCache::ForThread();
  bool seenBefore = false;
  TextStampCache::Entry& entry = stamps.Sight(key, seenBefore);
  if (!entry.taken) {
    if (!seenBefore) return false;
    if (!stamper_) stamper_ = std::make_unique<TextStamper>(*device_);
    stamps.Took(entry,
                stamper_->Take(font.font, key.text, angle, QPoint(key.x0, key.baseline), cell));
  }
  if (!entry.stamp.usable) return false;
  // As Draw does: nothing when the text's box is off the bitmap.
  const QRect shown = bounds.intersected(QRect(0, 0, device_->width(), device_->height()));
  if (shown.isEmpty()) return true;
  dirty_ |= shown;
  const int rop = GetROP2();
  if (GetBkMode() == OPAQUE) target.Runs(entry.stamp.covered, at, RopPixel(rop, GetBkColor()));
  target.Runs(entry.stamp.ink, at, RopPixel(rop, GetTextColor()));
  return true;
}

Size QtDC::DevTextExtent(std::string_view text) {
  QtFont& font = SelectedFont();
  return {font.Width(ToQString(text)), font.ascent + font.descent};
}

Rect QtDC::DevTextInk(std::string_view text) {
  if (text.empty()) return {};
  const QRect ink = SelectedFont().metrics.tightBoundingRect(ToQString(text));
  return {ink.left(), ink.top(), ink.right() + 1, ink.bottom() + 1};
}

TextMetrics QtDC::DevTextMetrics() {
  const QtFont& font = SelectedFont();
  const QFontMetrics& fm = font.metrics;
  TextMetrics m;
  m.ascent = font.ascent;
  m.descent = font.descent;
  m.height = m.ascent + m.descent;
  m.aveCharWidth = fm.averageCharWidth();
  m.maxCharWidth = fm.maxWidth();
  m.externalLeading = std::max(0, fm.leading());
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
