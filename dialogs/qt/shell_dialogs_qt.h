// The New drawing, floor-plan print and screen-scale dialogs on Qt.
#pragma once

#include <QDialog>

#include "dialogs/shell_dialogs.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace dlg {

// "New Drawing": the name, the units and how the drawing starts. OK checks
// the name and keeps the dialog open while it is not valid.
class TTNewdlg : public QDialog {
  Q_OBJECT

 public:
  explicit TTNewdlg(QWidget* parent = nullptr);
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
class TTFplanprintdlg : public QDialog {
  Q_OBJECT

 public:
  explicit TTFplanprintdlg(QWidget* parent = nullptr);
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

class QtShellDialogs : public ShellDialogs {
 public:
  explicit QtShellDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  bool NewDrawing(NewDrawingChoice& choice) override;
  bool FloorPlanPrint(PrintChoice& choice) override;
  bool ScreenScale(int32& percent) override;

 private:
  QWidget* parent_;
};

}  // namespace dlg
