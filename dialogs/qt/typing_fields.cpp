#include "dialogs/qt/typing_fields.h"

#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QWidget>

namespace dlg {

namespace {

void SelectText(QWidget* field) {
  if (auto* edit = qobject_cast<QLineEdit*>(field))
    edit->selectAll();
  else if (auto* spin = qobject_cast<QAbstractSpinBox*>(field))
    spin->selectAll();
}

}  // namespace

void OpenForTyping(const std::vector<QWidget*>& fields) {
  for (QWidget* f : fields)
    if (f) SelectText(f);
  for (QWidget* f : fields) {
    if (!f) continue;
    f->setFocus(Qt::OtherFocusReason);
    break;
  }
}

void FocusForTyping(QWidget* field) {
  if (!field) return;
  field->setFocus(Qt::OtherFocusReason);
  SelectText(field);
}

}  // namespace dlg
