// Dialogs wide enough for their whole caption. A window manager cuts a
// caption wider than its window ("EXTER... WALL"), and the program's
// captions name what the box is for, so every dialog is widened as it is
// shown instead of each form setting its own width.
#pragma once

#include <QObject>

namespace plat {

class CaptionFit : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// Installs one CaptionFit on the application for its lifetime.
void FitDialogsToTheirCaptions();

}  // namespace plat
