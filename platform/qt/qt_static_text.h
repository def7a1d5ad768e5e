// The static text control on Qt: a label over the client area of a widget.
// Mouse events pass through it to the window below, so that a drag over a
// guide panel still reaches the plan.
#pragma once

#include <QPointer>

#include "platform/static_text.h"

class QLabel;
class QWidget;

namespace plat {

class QtStaticText : public StaticText {
 public:
  explicit QtStaticText(QWidget* parent);
  // The label goes with the control (unless its window went first).
  ~QtStaticText() override;
  void Show(const Rect& bounds, const StaticTextStyle& style, const std::string& text) override;

 private:
  QPointer<QLabel> label_;
};

}  // namespace plat
