// A described dialog shown as a real Qt form, offscreen: typing into its
// fields, a refused OK that keeps the form open, and Cancel.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "dialogs/modal.h"
#include "dialogs/qt/form_runner_qt.h"

namespace {

struct Spacing {
  int32 spacing = 100;
  int32 side = 1;
  void Describe(dlg::Form& f) {
    f.Title("Spacing").Integer("spacing", spacing, 50, 1000);
    f.Choice("Side", side, {{1, "below"}, {2, "above"}});
  }
};

QDialog* OpenForm() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible() && !qobject_cast<QMessageBox*>(w))
      return d;
  return nullptr;
}

void Press(QDialog* d, QDialogButtonBox::StandardButton which) {
  d->findChild<QDialogButtonBox*>()->button(which)->click();
}

TEST(FormRunnerOffscreen, TypesChoosesRefusesAndCancels) {
  dlg::QtFormRunner runner;
  dlg::FormRunner* previous = dlg::InstallFormRunner(&runner);
  Spacing s;

  QTimer::singleShot(0, [] {
    QDialog* d = OpenForm();
    ASSERT_NE(d, nullptr);
    d->findChild<QLineEdit*>("Field1")->setText("250");
    d->findChildren<QRadioButton*>()[1]->setChecked(true);
    Press(d, QDialogButtonBox::Ok);
  });
  EXPECT_TRUE(dlg::ShowModal(s));
  EXPECT_EQ(s.spacing, 250);
  EXPECT_EQ(s.side, 2);

  // Out of range: the message shows, the form stays; Cancel then restores.
  QString message;
  QTimer::singleShot(0, [&] {
    QDialog* d = OpenForm();
    ASSERT_NE(d, nullptr);
    d->findChild<QLineEdit*>("Field1")->setText("20");
    QTimer::singleShot(0, [&, d] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      message = box->text();
      box->accept();
      QTimer::singleShot(0, [d] {
        EXPECT_TRUE(d->isVisible());
        Press(d, QDialogButtonBox::Cancel);
      });
    });
    Press(d, QDialogButtonBox::Ok);
  });
  EXPECT_FALSE(dlg::ShowModal(s));
  EXPECT_EQ(message, "spacing 50 to 1000 input is incorrect");
  EXPECT_EQ(s.spacing, 250);
  dlg::InstallFormRunner(previous);
}

}  // namespace
