#include "dialogs/qt/feetdlg_qt.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>

#include "dialogs/qt/typing_fields.h"
#include "platform/qt/focus_keeper.h"

namespace dlg {

namespace {

QSpinBox* Spin(QWidget* parent, int low, int high, int value) {
  auto* s = new QSpinBox(parent);
  s->setRange(low, high);
  s->setValue(value);
  return s;
}

}  // namespace

// Shown over the active window, whose drawing asks the length.
bool QtFeetDialog::Run(TTFeetdlg& d) {
  plat::FocusKeeper focus;
  QDialog box(QApplication::activeWindow());
  box.setWindowTitle("Feet and inches");
  auto* form = new QFormLayout(&box);
  // A text box: feet and inches typed as they are written ("40'6\"") are
  // read whole, where a spin box would drop the marks and take 406 feet.
  auto* feet = new QLineEdit(QString::number(d.Feet), &box);
  feet->setObjectName("Feet");
  auto* inches = Spin(&box, 0, 11, d.Inches);
  auto* eighths = Spin(&box, 0, 7, d.Eighths);
  form->addRow("Feet", feet);
  form->addRow("Inches", inches);
  form->addRow("Eighths", eighths);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &box);
  form->addRow(buttons);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &box, [&] {
    d.Inches = inches->value();
    d.Eighths = eighths->value();
    if (d.TypeFeet(feet->text().toStdString())) {
      // What was read, split into the boxes.
      feet->setText(QString::number(d.Feet));
      inches->setValue(d.Inches);
      eighths->setValue(d.Eighths);
    }
    // The spin boxes hold their fields within the ranges Accept checks:
    // its message is about the feet.
    const std::string problem = d.Accept();
    if (problem.empty()) {
      box.accept();
      return;
    }
    QMessageBox::warning(&box, QString(), QString::fromStdString(problem));
    FocusForTyping(feet);
  });
  OpenForTyping({feet, inches, eighths});
  return box.exec() == QDialog::Accepted;
}

}  // namespace dlg
