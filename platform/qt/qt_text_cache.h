// What the Qt device contexts of a thread keep between texts and between
// paints: fonts as Qt draws them with the widths of the texts measured in
// them, and the pixel patterns ("stamps") of texts drawn more than once.
//
// Qt lays a text out (shapes it) again at every measurement and every
// drawText, which costs more than anything else a plan draws. Drawn without
// antialiasing in solid colours, a text sets each pixel fully or not at
// all, and at another whole-pixel anchor the same text sets the same pattern
// moved by as much, as long as its turn keeps every position exact (level,
// upright or upside down). Such a pattern is taken once from a scratch
// bitmap and set again wherever the text is drawn.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QString>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/qt/qt_pixels.h"

class QPaintDevice;

namespace plat {

// A font as a device context selects it, on a device of a resolution.
struct QtFontKey {
  std::string face;
  int weight = 0;
  bool italic = false;
  int height = 0;  // device pixels
  int width = 0;   // device pixels; 0: the face's own
  int dpiX = 0, dpiY = 0, devType = 0;
  bool operator==(const QtFontKey&) const = default;
};

struct QtFont {
  QtFont(QtFontKey k, const QFont& made, const QPaintDevice* device)
      : key(std::move(k)), font(made), metrics(made, device), ascent(metrics.ascent()),
        descent(metrics.descent()) {}
  // The advance of a text, measured once.
  int Width(const QString& text);

  QtFontKey key;
  QFont font;
  QFontMetrics metrics;
  int ascent, descent;
  QHash<QString, int> widths;
};

// The thread's fonts. Entries stay where they are until Generation()
// changes.
class QtFontCache {
 public:
  static QtFontCache& ForThread();
  QtFont* Find(const QtFontKey& key);
  QtFont& Add(QtFontKey key, const QFont& made, const QPaintDevice* device);
  unsigned Generation() const { return generation_; }
  void Clear();

 private:
  std::vector<std::unique_ptr<QtFont>> fonts_;
  unsigned generation_ = 0;
};

// A text as DevText draws it: font, turn on the device (the escapement
// actually drawn, whatever the mapping made of the selected one), offsets of
// its reference point, and the string.
struct TextStampKey {
  QtFontKey font;
  int escapement = 0, x0 = 0, baseline = 0;
  QString text;
  bool operator==(const TextStampKey&) const = default;
};

struct TextStampKeyHash {
  std::size_t operator()(const TextStampKey& k) const;
};

// A text's pixels around its anchor: everything it sets over an opaque
// background (the cell behind it and the ink), and the ink alone.
struct TextStamp {
  std::vector<PixelRun> covered;
  std::vector<PixelRun> ink;
  bool usable = false;  // false: the painter draws it
};

// Turns whose sine and cosine Qt takes as exactly 0 and 1.
bool IsQuarterTurn(double degrees);

// The thread's stamps. A text seen for the first time is only noted: drawing
// it through the painter costs less than taking its stamp, and a text drawn
// once (while zooming, say) never needs one.
class TextStampCache {
 public:
  static TextStampCache& ForThread();
  struct Entry {
    bool taken = false;
    TextStamp stamp;
  };
  // The entry of a text, noted as seen; seenBefore tells whether it was.
  Entry& Sight(const TextStampKey& key, bool& seenBefore);
  // Records a stamp taken for the entry just sighted.
  void Took(Entry& entry, TextStamp stamp);
  void Clear();

 private:
  std::unordered_map<TextStampKey, Entry, TextStampKeyHash> entries_;
  std::size_t bytes_ = 0;
};

// A scratch bitmap and a painter kept open on it, for taking stamps (opening
// a painter costs more than drawing a small text).
class TextStamper {
 public:
  explicit TextStamper(const QPaintDevice& device);
  // Draws the text as DevText does, the anchor at the origin, in marker
  // colours, and reads back the pixels it set.
  TextStamp Take(const QFont& font, const QString& text, double angle, QPoint origin, QRect cell);

 private:
  QPainter* Begin(int w, int h);

  int dotsPerMeterX_, dotsPerMeterY_;
  QImage image_;
  QPainter painter_;  // ended before the image goes
};

}  // namespace plat
