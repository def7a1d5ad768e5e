#include "platform/qt/caption_fit.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFontMetrics>
#include <QLayout>

namespace plat {

namespace {

// Room beside the caption for the title bar's icon and buttons.
constexpr int kTitleBarExtras = 140;

}  // namespace

bool CaptionFit::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show) {
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (dialog && dialog->isWindow() && !dialog->windowTitle().isEmpty()) {
      const int wanted =
          QFontMetrics(QApplication::font()).horizontalAdvance(dialog->windowTitle()) +
          kTitleBarExtras;
      if (dialog->width() < wanted) {
        // A layout that sizes its window would undo a plain resize.
        if (QLayout* layout = dialog->layout()) layout->setSizeConstraint(QLayout::SetDefaultConstraint);
        dialog->setMinimumWidth(wanted);
        dialog->resize(wanted, dialog->height());
      }
    }
  }
  return QObject::eventFilter(watched, event);
}

void FitDialogsToTheirCaptions() {
  static CaptionFit* fit = nullptr;
  if (fit || !qApp) return;
  fit = new CaptionFit(qApp);
  qApp->installEventFilter(fit);
}

}  // namespace plat
