// The New drawing and screen-scale dialogs on Qt.
#pragma once

#include <QDialog>

#include "dialogs/qt/qt_dialogs.h"
#include "dialogs/shell_dialogs.h"

class QLineEdit;
class QRadioButton;

namespace dlg {

// "New Drawing": the name, the units and how the drawing starts. OK checks
// the name and keeps the dialog open while it is not valid.
class NewdlgForm : public QDialog {
  Q_OBJECT

 public:
  explicit NewdlgForm(QWidget* parent = nullptr);
  void SetChoice(const NewDrawingChoice& c);
  NewDrawingChoice Choice() const;
  QLineEdit* NameEdit() const { return name_; }

 public slots:
  void accept() override;

 private:
  QLineEdit* name_;
  QRadioButton* metric_;
  QRadioButton* imperial_;
  QRadioButton* walls_;
  QRadioButton* rooms_;
};

// The runners that show the forms above and the screen-scale input box.
class QtNewDrawing : public QtRunner<TTNewdlg> {
 public:
  bool Run(TTNewdlg& d) override;
};

class QtScreenScale : public QtRunner<ScreenScaleDialog> {
 public:
  bool Run(ScreenScaleDialog& d) override;
};

}  // namespace dlg
