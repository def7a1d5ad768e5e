// A described dialog shown as a real Qt form, offscreen: typing into its
// fields, a refused OK that keeps the form open, and Cancel; every form
// opening its fields for typing over.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QInputDialog>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "dialogs/feetdlg.h"
#include "dialogs/modal.h"
#include "dialogs/opening_dialogs.h"
#include "dialogs/printdlg.h"
#include "dialogs/qt/feetdlg_qt.h"
#include "dialogs/qt/form_runner_qt.h"
#include "dialogs/qt/shell_dialogs_qt.h"
#include "model/globals.h"
#include "platform/qt/caption_fit.h"
#include "platform/qt/qt_ui.h"

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

// A field opened for typing: its whole text selected, so that typing
// replaces it.
bool AllSelected(QLineEdit* e) { return e && !e->text().isEmpty() && e->selectedText() == e->text(); }

struct Wall {
  int32 thickness = 110;
  int32 height = 2400;
  void Describe(dlg::Form& f) {
    f.Title("Wall").Note("Type the sizes");
    f.Integer("wall thickness (mm)", thickness, 25, 600).Integer("height", height, 1000, 5000);
  }
};

// Typing "100" over a field that shows 110 gives 100, in the described forms
// and the hand-made ones; after a range message the field in error is the
// one ready for typing.
TEST(FormRunnerOffscreen, FieldsOpenSelectedAndTheFieldInErrorTakesTheFocus) {
  dlg::QtFormRunner runner;
  dlg::FormRunner* previous = dlg::InstallFormRunner(&runner);
  Wall w;
  QString message;
  QTimer::singleShot(0, [&] {
    QDialog* d = OpenForm();
    ASSERT_NE(d, nullptr);
    auto* thickness = d->findChild<QLineEdit*>("Field2");
    auto* height = d->findChild<QLineEdit*>("Field3");
    EXPECT_EQ(d->focusWidget(), thickness);
    EXPECT_TRUE(AllSelected(thickness));
    EXPECT_TRUE(AllSelected(height));
    thickness->insert("100");  // typed over the selection
    height->setText("99");
    QTimer::singleShot(0, [&, d, height] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      message = box->text();
      box->accept();
      QTimer::singleShot(0, [d, height] {
        EXPECT_EQ(d->focusWidget(), height);
        EXPECT_TRUE(AllSelected(height));
        height->insert("2700");
        Press(d, QDialogButtonBox::Ok);
      });
    });
    Press(d, QDialogButtonBox::Ok);
  });
  EXPECT_TRUE(dlg::ShowModal(w));
  EXPECT_EQ(message, "height 1000 to 5000 input is incorrect");
  EXPECT_EQ(w.thickness, 100);
  EXPECT_EQ(w.height, 2700);
  dlg::InstallFormRunner(previous);

  dlg::NewdlgForm named;
  named.SetChoice({"HOUSE", 1, false});
  EXPECT_EQ(named.focusWidget(), named.NameEdit());
  EXPECT_TRUE(AllSelected(named.NameEdit()));

  dlg::QtFeetDialog feetRunner;
  TTFeetdlg feet(10 * 12 * 24);
  bool feetSelected = false;
  QTimer::singleShot(0, [&] {
    QDialog* d = OpenForm();
    ASSERT_NE(d, nullptr);
    auto* feetBox = d->findChild<QLineEdit*>("Feet");
    ASSERT_NE(feetBox, nullptr);
    feetSelected = d->focusWidget() == feetBox && AllSelected(feetBox);
    d->reject();
  });
  feetRunner.Run(feet);
  EXPECT_TRUE(feetSelected);

  // The input boxes of questions select their text as well.
  plat::QtUi qtUi;
  bool inputSelected = false;
  QTimer::singleShot(0, [&] {
    auto* d = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    inputSelected = AllSelected(d->findChild<QLineEdit*>());
    d->reject();
  });
  std::string value = "90";
  qtUi.InputQuery("ROTATE", "clockwise", value);
  EXPECT_TRUE(inputSelected);
}

// Feet and inches typed into the Feet box as they are written ("40'6\"")
// are the length, marks and all; the boxes then show what was read.
TEST(FormRunnerOffscreen, TheFeetBoxTakesFeetAndInchesAsTyped) {
  dlg::QtFeetDialog runner;
  TTFeetdlg feet(12 * 24);
  QString shown;
  QTimer::singleShot(0, [&] {
    QDialog* d = OpenForm();
    ASSERT_NE(d, nullptr);
    QTest::keyClicks(d->focusWidget(), "40'6\"");
    Press(d, QDialogButtonBox::Ok);
    if (auto* feetBox = d->findChild<QLineEdit*>("Feet"))
      shown = feetBox->text() + " " + d->findChildren<QSpinBox*>().value(0)->text();
  });
  ASSERT_TRUE(runner.Run(feet));
  EXPECT_EQ(feet.Length, (40 * 12 + 6) * 24);
  EXPECT_EQ(shown, "40 6");
}

// A number field that holds no number is refused with its range, never
// read as 0: "10'6\"" in a field of whole feet, or a decimal comma in a
// field of decimals, says what the field takes, and the field is the one
// ready for typing again.
TEST(FormRunnerOffscreen, ANumberFieldHoldingNoNumberSaysWhatItTakes) {
  dlg::QtFormRunner runner;
  dlg::FormRunner* previous = dlg::InstallFormRunner(&runner);
  struct Room {
    int32 feet = 10;
    double height = 2.4;
    void Describe(dlg::Form& f) {
      f.Integer("width feet", feet, 0, 150);
      f.Real("height", height, 0, 12, 2);
    }
  };
  struct Case {
    const char* field;
    const char* typed;
    const char* said;
    const char* retyped;
    int32 feet;
    double height;
  };
  const Case cases[] = {
      {"Field1", "10'6\"", "width feet 0 to 150 input is incorrect", "12", 12, 2.4},
      {"Field2", "2,5", "height 0.00 to 12.00 input is incorrect", "2.5", 10, 2.5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    Room room;
    QString message;
    bool readyAgain = false;
    QTimer::singleShot(0, [&] {
      QPointer<QDialog> d = OpenForm();
      ASSERT_NE(d, nullptr);
      auto* field = d->findChild<QLineEdit*>(c.field);
      ASSERT_NE(field, nullptr);
      field->setText(c.typed);
      QTimer::singleShot(0, [&, d, field] {
        if (!d) return;  // taken as it was: nothing was said
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box) {
          message = box->text();
          box->accept();
        }
        QTimer::singleShot(0, [&, d, field] {
          if (!d) return;
          readyAgain = d->focusWidget() == field && AllSelected(field);
          field->setText(c.retyped);
          Press(d, QDialogButtonBox::Ok);
        });
      });
      Press(d, QDialogButtonBox::Ok);
    });
    EXPECT_TRUE(dlg::ShowModal(room));
    EXPECT_EQ(message.toStdString(), c.said);
    EXPECT_TRUE(readyAgain);
    EXPECT_EQ(room.feet, c.feet);
    EXPECT_EQ(room.height, c.height);
  }
  dlg::InstallFormRunner(previous);
}

// Types into the field that has the focus as the form opens, then presses
// OK; a value run on from the one shown would be refused, so it cancels.
void TypeAsTheFormOpens(const QString& typed) {
  QTimer::singleShot(0, [typed] {
    QDialog* d = OpenForm();
    ASSERT_NE(d, nullptr);
    ASSERT_NE(d->focusWidget(), nullptr);
    QTest::keyClicks(d->focusWidget(), typed);
    auto* edit = qobject_cast<QLineEdit*>(d->focusWidget());
    Press(d, edit && edit->text() == typed ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel);
  });
}

// Print Floor Plan lists the floors to print as tick boxes, and the Windows
// dialog the window type, before their numbers: a number typed as either
// opens still replaces the print scale or the window width.
TEST(FormRunnerOffscreen, ANumberTypedAsTheFormOpensReplacesItsFirstNumber) {
  dlg::QtFormRunner runner;
  dlg::FormRunner* previous = dlg::InstallFormRunner(&runner);
  dlg::TTFPlanprintdlg print;
  print.offerFloors = true;
  print.ground = 1;
  TypeAsTheFormOpens("50");
  EXPECT_TRUE(dlg::ShowModal(print));
  EXPECT_EQ(print.scale, 50);
  EXPECT_EQ(print.Floors(), std::vector<int32>{view::Ground});

  TTWindlg window;
  window.kind = 3;
  TypeAsTheFormOpens("900");
  EXPECT_TRUE(dlg::ShowModal(window));
  EXPECT_EQ(window.width, 900);
  EXPECT_EQ(window.kind, 3);
  dlg::InstallFormRunner(previous);
}

// Every dialog, a described form and an input box alike, shows its whole
// caption.
TEST(FormRunnerOffscreen, DialogsAreWideEnoughForTheirCaptions) {
  plat::FitDialogsToTheirCaptions();
  auto captionFits = [](QDialog* d) {
    return d && d->width() > QFontMetrics(QApplication::font()).horizontalAdvance(d->windowTitle());
  };
  dlg::QtFormRunner runner;
  dlg::FormRunner* previous = dlg::InstallFormRunner(&runner);
  Spacing narrow;
  bool formFits = false;
  QTimer::singleShot(0, [&] {
    QDialog* d = OpenForm();
    ASSERT_NE(d, nullptr);
    d->setWindowTitle("Wall Thickness of the Walls Round the Design Rooms");
    d->hide();
    d->show();
    formFits = captionFits(d);
    d->reject();
  });
  dlg::ShowModal(narrow);
  dlg::InstallFormRunner(previous);
  EXPECT_TRUE(formFits);

  plat::QtUi qtUi;
  bool inputFits = false;
  QTimer::singleShot(0, [&] {
    auto* d = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
    inputFits = captionFits(d);
    if (d) d->reject();
  });
  std::string value = "0";
  qtUi.InputQuery("EXTERNAL WALL OF THE GROUND FLOOR", "RIGHT", value);
  EXPECT_TRUE(inputFits);
}

}  // namespace
