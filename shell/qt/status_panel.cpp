#include "shell/qt/status_panel.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

constexpr int kMinimumWidth = 20;

}  // namespace

StatusPanel::StatusPanel(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setMinimumWidth(kMinimumWidth);
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void StatusPanel::SetText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  UpdateToolTip();
  update();
}

// Inside the frame, half a letter in from each side.
QRect StatusPanel::TextRect() const {
  const int indent = fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
  return contentsRect().adjusted(indent, 0, -indent, 0);
}

QString StatusPanel::ShownText() const {
  return fontMetrics().elidedText(text_, Qt::ElideRight, std::max(0, TextRect().width()));
}

QSize StatusPanel::sizeHint() const {
  const int frame = 2 * frameWidth();
  return {fontMetrics().horizontalAdvance(text_) + fontMetrics().horizontalAdvance(QLatin1Char('x')) +
              frame,
          fontMetrics().height() + frame + 2};
}

QSize StatusPanel::minimumSizeHint() const {
  return {kMinimumWidth, fontMetrics().height() + 2 * frameWidth() + 2};
}

void StatusPanel::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter p(this);
  p.setPen(palette().color(QPalette::WindowText));
  p.drawText(TextRect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, ShownText());
}

void StatusPanel::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  UpdateToolTip();
}

void StatusPanel::UpdateToolTip() { setToolTip(ShownText() == text_ ? QString() : text_); }
