// The New drawing, floor-plan print and screen-scale dialogs on Qt.
#pragma once

#include <QDialog>

#include "dialogs/qt/qt_dialogs.h"
#include "dialogs/shell_dialogs.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

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

// "Print Floor Plan": scale, line weight, text size, the scale text, the
// external dimensions, the wall style and the vertical-text repair.
class FPlanprintdlgForm : public QDialog {
  Q_OBJECT

 public:
  explicit FPlanprintdlgForm(QWidget* parent = nullptr);
  void SetChoice(const PrintChoice& c);
  PrintChoice Choice() const;

 private:
  QSpinBox* scale_;
  QComboBox* weight_;
  QComboBox* text_;
  QCheckBox* showScale_;
  QCheckBox* verticalText_;
  QCheckBox* hideDimensions_;
  QComboBox* walls_;
};

// The runners that show the forms above and the screen-scale input box.
class QtNewDrawing : public QtRunner<TTNewdlg> {
 public:
  bool Run(TTNewdlg& d) override;
};

class QtFloorPlanPrint : public QtRunner<TTFPlanprintdlg> {
 public:
  bool Run(TTFPlanprintdlg& d) override;
};

class QtScreenScale : public QtRunner<ScreenScaleDialog> {
 public:
  bool Run(ScreenScaleDialog& d) override;
};

}  // namespace dlg
