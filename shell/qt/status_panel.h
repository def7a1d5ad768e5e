// A panel of the status bars: a sunken box with one line of text. A text too
// long for the panel is cut at the right with an ellipsis, and then the whole
// text is the panel's tooltip.
#pragma once

#include <QFrame>
#include <QString>

class StatusPanel : public QFrame {
 public:
  explicit StatusPanel(QWidget* parent = nullptr);

  void SetText(const QString& text);
  // The whole text.
  const QString& Text() const { return text_; }
  // The text as the panel shows it at its width.
  QString ShownText() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QRect TextRect() const;
  void UpdateToolTip();

  QString text_;
};
