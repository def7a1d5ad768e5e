#include "dialogs/qt/form_runner_qt.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/qt/typing_fields.h"
#include "platform/qt/focus_keeper.h"
#include "platform/services.h"

namespace dlg {

namespace {

// One field's widget and how its value goes back into the dialog.
struct Binding {
  const FormField* field = nullptr;
  QLineEdit* edit = nullptr;
  QCheckBox* check = nullptr;
  QComboBox* list = nullptr;
  QButtonGroup* radios = nullptr;

  // The widget that takes the focus for the field.
  QWidget* Widget() const {
    if (edit) return edit;
    if (check) return check;
    if (list) return list;
    if (!radios) return nullptr;
    QAbstractButton* on = radios->checkedButton();
    return on ? on : radios->buttons().value(0);
  }

  // False when a number field holds no number ("10'6\"" in a feet
  // field): it keeps its value, and the form says what it takes.
  bool Store() const {
    const FormField& f = *field;
    switch (f.kind) {
      case FormField::Kind::Integer: {
        bool ok = false;
        const int v = edit->text().trimmed().toInt(&ok);
        if (ok) *f.integer = v;
        return ok;
      }
      case FormField::Kind::Real: {
        bool ok = false;
        const double v = edit->text().trimmed().toDouble(&ok);
        if (ok) *f.real = v;
        return ok;
      }
      case FormField::Kind::Text: *f.text = edit->text().toStdString(); break;
      case FormField::Kind::Check: *f.integer = check->isChecked() ? 1 : 0; break;
      case FormField::Kind::Choice:
        if (list) {
          if (list->currentIndex() >= 0) *f.integer = f.options[list->currentIndex()].first;
        } else if (radios->checkedId() >= 0) {
          *f.integer = f.options[radios->checkedId()].first;
        }
        break;
      case FormField::Kind::Note: break;
    }
    return true;
  }
};

int OptionIndex(const FormField& f) {
  for (size_t i = 0; i < f.options.size(); ++i)
    if (f.options[i].first == *f.integer) return int(i);
  return -1;
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

bool QtFormRunner::Run(const Form& form, const std::function<std::string()>& accept) {
  plat::FocusKeeper focus;
  QWidget* parent = QApplication::activeWindow() ? QApplication::activeWindow() : parent_;
  QDialog box(parent);
  box.setWindowTitle(Q(form.TitleText()));
  auto* column = new QVBoxLayout(&box);
  auto* rows = new QFormLayout;
  column->addLayout(rows);

  std::vector<Binding> bindings;
  int n = 0;
  for (const FormField& f : form.Fields()) {
    Binding b;
    b.field = &f;
    const QString name = QString("Field%1").arg(++n);
    switch (f.kind) {
      case FormField::Kind::Integer:
        b.edit = new QLineEdit(QString::number(*f.integer), &box);
        rows->addRow(Q(f.label), b.edit);
        break;
      case FormField::Kind::Real:
        b.edit = new QLineEdit(QString::number(*f.real, 'f', f.decimals), &box);
        rows->addRow(Q(f.label), b.edit);
        break;
      case FormField::Kind::Text:
        b.edit = new QLineEdit(Q(*f.text), &box);
        if (f.maxLength > 0) b.edit->setMaxLength(f.maxLength);
        rows->addRow(Q(f.label), b.edit);
        break;
      case FormField::Kind::Check:
        b.check = new QCheckBox(Q(f.label), &box);
        b.check->setChecked(*f.integer == 1);
        b.check->setObjectName(name);
        rows->addRow(b.check);
        break;
      case FormField::Kind::Choice:
        if (f.asList) {
          b.list = new QComboBox(&box);
          for (const auto& [value, caption] : f.options) b.list->addItem(Q(caption));
          b.list->setCurrentIndex(OptionIndex(f));
          b.list->setObjectName(name);
          rows->addRow(Q(f.label), b.list);
        } else {
          auto* group = new QGroupBox(Q(f.label), &box);
          auto* inner = new QVBoxLayout(group);
          b.radios = new QButtonGroup(group);
          for (size_t i = 0; i < f.options.size(); ++i) {
            auto* radio = new QRadioButton(Q(f.options[i].second), group);
            b.radios->addButton(radio, int(i));
            inner->addWidget(radio);
          }
          if (QAbstractButton* on = b.radios->button(OptionIndex(f))) on->setChecked(true);
          group->setObjectName(name);
          rows->addRow(group);
        }
        break;
      case FormField::Kind::Note: {
        auto* label = new QLabel(Q(f.label), &box);
        label->setWordWrap(true);
        rows->addRow(label);
        break;
      }
    }
    if (b.edit) b.edit->setObjectName(name);
    if (f.kind != FormField::Kind::Note) bindings.push_back(b);
  }

  auto buttons = QDialogButtonBox::Ok | QDialogButtonBox::Cancel;
  if (!form.HelpPage().empty()) buttons |= QDialogButtonBox::Help;
  auto* box_buttons = new QDialogButtonBox(buttons, &box);
  column->addWidget(box_buttons);
  QObject::connect(box_buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
  QObject::connect(box_buttons, &QDialogButtonBox::helpRequested, &box, [&form, &box] {
    if (!plat::StartHelp(form.HelpPage()))
      QMessageBox::information(&box, box.windowTitle(), Q(plat::NoHelpViewer(form.HelpPage())));
  });
  const Form::Snapshot start = form.Take();
  QObject::connect(box_buttons, &QDialogButtonBox::accepted, &box, [&] {
    for (const Binding& b : bindings) {
      if (b.Store()) continue;
      QMessageBox::warning(&box, box.windowTitle(), Q(Form::RangeMessage(*b.field)));
      FocusForTyping(b.Widget());
      return;
    }
    const std::string why = accept();
    if (why.empty()) {
      box.accept();
      return;
    }
    QMessageBox::warning(&box, box.windowTitle(), Q(why));
    // The number out of its range is the one to type again.
    const int invalid = form.FirstInvalid();
    for (const Binding& b : bindings)
      if (invalid >= 0 && b.field == &form.Fields()[std::size_t(invalid)])
        FocusForTyping(b.Widget());
  });
  std::vector<QWidget*> fields;
  for (const Binding& b : bindings) fields.push_back(b.Widget());
  OpenForTyping(fields);
  if (box.exec() == QDialog::Accepted) return true;
  form.Restore(start);
  return false;
}

}  // namespace dlg
