#include "dialogs/qt/feetdlg_qt.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QMessageBox>
#include <QSpinBox>

namespace {

class QtFeetDialog : public FeetDialogRunner {
 public:
  bool Run(TTFeetdlg& dlg) override {
    QDialog box(QApplication::activeWindow());
    box.setWindowTitle("Feet and inches");
    auto* form = new QFormLayout(&box);
    auto* feet = Spin(&box, 0, TTFeetdlg::kMaxFeet, dlg.Feet);
    auto* inches = Spin(&box, 0, 11, dlg.Inches);
    auto* eighths = Spin(&box, 0, 7, dlg.Eighths);
    form->addRow("Feet", feet);
    form->addRow("Inches", inches);
    form->addRow("Eighths", eighths);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &box);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, [&] {
      dlg.Feet = feet->value();
      dlg.Inches = inches->value();
      dlg.Eighths = eighths->value();
      const std::string problem = dlg.Accept();
      if (problem.empty())
        box.accept();
      else
        QMessageBox::warning(&box, QString(), QString::fromStdString(problem));
    });
    return box.exec() == QDialog::Accepted;
  }

 private:
  static QSpinBox* Spin(QWidget* parent, int low, int high, int value) {
    auto* s = new QSpinBox(parent);
    s->setRange(low, high);
    s->setValue(value);
    return s;
  }
};

}  // namespace

void InstallQtFeetDialog() {
  static QtFeetDialog dialog;
  SetFeetDialogRunner(&dialog);
}
