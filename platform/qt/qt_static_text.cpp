#include "platform/qt/qt_static_text.h"

#include <QFontMetrics>
#include <QLabel>

namespace plat {

namespace {

QString CssColour(COLORREF c) {
  return QString("rgb(%1, %2, %3)").arg(GetRValue(c)).arg(GetGValue(c)).arg(GetBValue(c));
}

constexpr int kPadding = 2;     // the border and the label's own margin, each side
constexpr qreal kSmallestPoints = 6;

// The box keeps its size: a text that would not fit it is shown in a smaller
// font (never below kSmallestPoints). Blank lines at the end take no room.
QFont FittingFont(const QFont& plain, const QString& text, const QSize& box) {
  QString shown = text;
  while (shown.endsWith('\n')) shown.chop(1);
  QFont font = plain;
  const QRect room(0, 0, std::max(box.width() - 2 * kPadding, 1), 1 << 20);
  for (qreal points = plain.pointSizeF(); points >= kSmallestPoints; points -= 0.5) {
    font.setPointSizeF(points);
    const QRect needed =
        QFontMetrics(font).boundingRect(room, Qt::AlignHCenter | Qt::TextWordWrap, shown);
    if (needed.height() <= box.height() - 2 * kPadding) break;
  }
  return font;
}

}  // namespace

QtStaticText::QtStaticText(QWidget* parent) : label_(new QLabel(parent)) {
  label_->setAttribute(Qt::WA_TransparentForMouseEvents);
  label_->setFocusPolicy(Qt::NoFocus);
  label_->setWordWrap(true);
  label_->setTextFormat(Qt::PlainText);
  label_->hide();
}

QtStaticText::~QtStaticText() { delete label_.data(); }

void QtStaticText::Show(const Rect& bounds, const StaticTextStyle& style, const std::string& text) {
  StaticText::Show(bounds, style, text);
  if (!label_) return;
  label_->setStyleSheet(QString("QLabel { background-color: %1; color: %2; border: %3; padding: "
                                "0px; }")
                            .arg(CssColour(style.background), CssColour(style.textColour),
                                 style.border ? "1px solid black" : "none"));
  label_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  const QString shown = QString::fromStdString(text);
  label_->setFont(FittingFont(label_->parentWidget() ? label_->parentWidget()->font() : QFont(), shown,
                              QSize(bounds.Width(), bounds.Height())));
  label_->setText(shown);
  label_->setGeometry(bounds.left, bounds.top, bounds.Width(), bounds.Height());
  label_->show();
  label_->raise();
}

}  // namespace plat
