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
    const std::string problem = d.Accept();
    if (problem.empty()) {
      box.accept();
      return;
    }
    QMessageBox::warning(&box, QString(), QString::fromStdString(problem));
    // The message names the field it is about.
    const bool aboutInches = problem.rfind("inches", 0) == 0;
    const bool aboutEighths = problem.rfind("eighths", 0) == 0;
    FocusForTyping(aboutInches ? inches : aboutEighths ? eighths : feet);
  });
  OpenForTyping({feet, inches, eighths});
  return box.exec() == QDialog::Accepted;
}

}  // namespace dlg
