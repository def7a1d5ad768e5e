// Gives the keyboard focus back after a modal dialog.
//
// Without a window manager (and with some) nothing hands the focus back
// when a dialog closes, so the keys the user presses next would go nowhere
// until a click. Every modal show keeps one of these for its lifetime.
#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace plat {

class FocusKeeper {
 public:
  FocusKeeper() : window_(QApplication::activeWindow()), widget_(QApplication::focusWidget()) {}
  ~FocusKeeper() {
    if (window_) window_->activateWindow();
    if (widget_) widget_->setFocus(Qt::OtherFocusReason);
  }
  FocusKeeper(const FocusKeeper&) = delete;
  FocusKeeper& operator=(const FocusKeeper&) = delete;

 private:
  QPointer<QWidget> window_;
  QPointer<QWidget> widget_;
};

}  // namespace plat
