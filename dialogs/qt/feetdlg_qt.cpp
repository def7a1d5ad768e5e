#include "dialogs/qt/feetdlg_qt.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
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
  auto* feet = Spin(&box, 0, TTFeetdlg::kMaxFeet, d.Feet);
  auto* inches = Spin(&box, 0, 11, d.Inches);
  auto* eighths = Spin(&box, 0, 7, d.Eighths);
  form->addRow("Feet", feet);
  form->addRow("Inches", inches);
  form->addRow("Eighths", eighths);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &box);
  form->addRow(buttons);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &box, [&] {
    d.Feet = feet->value();
    d.Inches = inches->value();
    d.Eighths = eighths->value();
    // The spin boxes hold each field within the range Accept checks, so
    // its message is a safeguard only.
    const std::string problem = d.Accept();
    if (problem.empty())
      box.accept();
    else
      QMessageBox::warning(&box, QString(), QString::fromStdString(problem));
  });
  OpenForTyping({feet, inches, eighths});
  return box.exec() == QDialog::Accepted;
}

}  // namespace dlg
