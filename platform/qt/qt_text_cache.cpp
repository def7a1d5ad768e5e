#include "platform/qt/qt_text_cache.h"

#include <QCoreApplication>
#include <QThread>
#include <QTransform>
#include <algorithm>

namespace plat {

namespace {

// Fonts hold on to Qt's font engines, which must go before the application
// does: the GUI thread's caches are emptied as the application ends.
thread_local const QCoreApplication* clearedWith = nullptr;

void ClearGuiThreadCaches() {
  QtFontCache::ForThread().Clear();
  TextStampCache::ForThread().Clear();
  clearedWith = nullptr;
}

void ClearWithApplication() {
  const QCoreApplication* app = QCoreApplication::instance();
  if (!app || clearedWith == app || QThread::currentThread() != app->thread()) return;
  clearedWith = app;
  qAddPostRoutine(ClearGuiThreadCaches);
}

}  // namespace

// ---- Fonts ------------------------------------------------------------------------------

int QtFont::Width(const QString& text) {
  const auto known = widths.constFind(text);
  if (known != widths.constEnd()) return *known;
  constexpr qsizetype kMaxWidths = 4096;
  if (widths.size() >= kMaxWidths) widths.clear();
  const int width = metrics.horizontalAdvance(text);
  widths.insert(text, width);
  return width;
}

QtFontCache& QtFontCache::ForThread() {
  thread_local QtFontCache cache;
  ClearWithApplication();
  return cache;
}

QtFont* QtFontCache::Find(const QtFontKey& key) {
  for (const auto& f : fonts_)
    if (f->key == key) return f.get();
  return nullptr;
}

QtFont& QtFontCache::Add(QtFontKey key, const QFont& made, const QPaintDevice* device) {
  // A drawing uses a handful of fonts; zooming through many sizes starts
  // the cache afresh now and then.
  constexpr std::size_t kMaxFonts = 64;
  if (fonts_.size() >= kMaxFonts) Clear();
  fonts_.push_back(std::make_unique<QtFont>(std::move(key), made, device));
  return *fonts_.back();
}

void QtFontCache::Clear() {
  fonts_.clear();
  ++generation_;
}

// ---- Stamps -----------------------------------------------------------------------------

std::size_t TextStampKeyHash::operator()(const TextStampKey& k) const {
  std::size_t h = qHash(k.text) ^ std::hash<std::string>()(k.font.face);
  for (int v : {k.font.weight, int(k.font.italic), k.font.height, k.font.width, k.font.dpiX,
                k.font.dpiY, k.font.devType, k.escapement, k.x0, k.baseline})
    h = h * 1000003u ^ std::size_t(unsigned(v));
  return h;
}

bool IsQuarterTurn(double degrees) {
  for (double exact : {0.0, 90.0, -90.0, 180.0, 270.0, -270.0})
    if (degrees == exact) return true;
  return false;
}

TextStampCache& TextStampCache::ForThread() {
  thread_local TextStampCache cache;
  ClearWithApplication();
  return cache;
}

TextStampCache::Entry& TextStampCache::Sight(const TextStampKey& key, bool& seenBefore) {
  const auto known = entries_.find(key);
  seenBefore = known != entries_.end();
  if (seenBefore) return known->second;
  // Enough for the texts of many drawings; past it, start afresh.
  constexpr std::size_t kMaxBytes = std::size_t{16} << 20;
  if (bytes_ > kMaxBytes) Clear();
  bytes_ += sizeof(TextStampKey) + sizeof(Entry) + 2 * std::size_t(key.text.size());
  return entries_.try_emplace(key).first->second;
}

void TextStampCache::Took(Entry& entry, TextStamp stamp) {
  bytes_ += (stamp.covered.size() + stamp.ink.size()) * sizeof(PixelRun);
  entry.stamp = std::move(stamp);
  entry.taken = true;
}

void TextStampCache::Clear() {
  entries_.clear();
  bytes_ = 0;
}

TextStamper::TextStamper(const QPaintDevice& device)
    : dotsPerMeterX_(qRound(device.logicalDpiX() / 0.0254)),
      dotsPerMeterY_(qRound(device.logicalDpiY() / 0.0254)) {}

// A painter on at least w x h pixels, set up as a fresh one would be.
QPainter* TextStamper::Begin(int w, int h) {
  if (image_.width() < w || image_.height() < h) {
    if (painter_.isActive()) painter_.end();
    image_ = QImage(std::max({w, image_.width(), 256}), std::max({h, image_.height(), 64}),
                    QImage::Format_RGB32);
    if (image_.isNull()) return nullptr;
    image_.setDotsPerMeterX(dotsPerMeterX_);
    image_.setDotsPerMeterY(dotsPerMeterY_);
  }
  if (!painter_.isActive() && !painter_.begin(&image_)) return nullptr;
  painter_.resetTransform();
  painter_.setClipRect(0, 0, w, h);
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::TextAntialiasing, false);
  return &painter_;
}

TextStamp TextStamper::Take(const QFont& font, const QString& text, double angle, QPoint origin,
                            QRect cell) {
  static const QRgb kNone = qRgb(0, 0, 0), kCellMark = qRgb(0, 0, 255), kInkMark = qRgb(255, 0, 0);
  TextStamp stamp;
  QTransform turn;
  turn.rotate(angle);
  // A margin round the cell for ink that reaches past it; ink at the
  // margin's outer edge may reach further, and then there is no stamp.
  const int margin = 3 + cell.height() / 4;
  const QRect box = turn.mapRect(cell).adjusted(-margin, -margin, margin, margin);
  const int w = box.width(), h = box.height();
  QPainter* p = Begin(w, h);
  if (!p) return stamp;
  p->fillRect(0, 0, w, h, QColor(kNone));
  p->translate(-box.left(), -box.top());
  p->rotate(angle);
  p->setFont(font);
  p->fillRect(cell, QColor(kCellMark));
  p->setPen(QColor(kInkMark));
  p->drawText(origin, text);

  for (int y = 0; y < h; ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
    quint32 anything = 0;
    for (int x = 0; x < w; ++x) anything |= row[x] ^ kNone;
    if (anything == 0) continue;
    if (y == 0 || y == h - 1) return stamp;
    for (int x = 0; x < w;) {
      if (row[x] == kNone) {
        ++x;
        continue;
      }
      if (x == 0) return stamp;
      const int start = x;
      while (x < w && row[x] != kNone) {
        if (row[x] == kInkMark) {
          const int inkStart = x;
          while (x < w && row[x] == kInkMark) ++x;
          stamp.ink.push_back({box.left() + inkStart, box.top() + y, x - inkStart});
        } else if (row[x] == kCellMark) {
          ++x;
        } else {
          return stamp;  // blended: not a pattern of whole pixels
        }
      }
      if (x == w) return stamp;
      stamp.covered.push_back({box.left() + start, box.top() + y, x - start});
    }
  }
  stamp.usable = true;
  return stamp;
}

}  // namespace plat
