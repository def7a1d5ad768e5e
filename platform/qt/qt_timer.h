// plat::Timer on a QTimer: the handler runs from the Qt event loop.
#pragma once

#include <QObject>
#include <QTimer>

#include "platform/services.h"

namespace plat {

class QtTimer : public QObject, public Timer {
  Q_OBJECT
 public:
  explicit QtTimer(QObject* parent = nullptr);
  void SetInterval(int ms) override;
  void SetEnabled(bool on) override;
  bool Enabled() const override { return timer_.isActive(); }
  int Interval() const { return timer_.interval(); }

 private:
  QTimer timer_;
};

}  // namespace plat
