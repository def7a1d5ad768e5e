#include "platform/qt/qt_timer.h"

namespace plat {

QtTimer::QtTimer(QObject* parent) : QObject(parent) {
  // Like the form library's timer: 1000 ms and off until enabled.
  timer_.setInterval(1000);
  QObject::connect(&timer_, &QTimer::timeout, this, [this] {
    if (onTimer) onTimer();
  });
}

void QtTimer::SetInterval(int ms) {
  // Changing the interval of a running timer restarts it, as it would be
  // reprogrammed on the original system; a stopped one stays stopped.
  const bool running = timer_.isActive();
  timer_.setInterval(ms < 0 ? 0 : ms);
  if (running) timer_.start();
}

void QtTimer::SetEnabled(bool on) {
  if (on && !timer_.isActive()) timer_.start();
  if (!on) timer_.stop();
}

}  // namespace plat
