#include "dialogs/qt/typing_fields.h"

#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QWidget>

namespace dlg {

namespace {

bool TakesTyping(const QWidget* field) {
  return qobject_cast<const QLineEdit*>(field) || qobject_cast<const QAbstractSpinBox*>(field);
}

void SelectText(QWidget* field) {
  if (auto* edit = qobject_cast<QLineEdit*>(field))
    edit->selectAll();
  else if (auto* spin = qobject_cast<QAbstractSpinBox*>(field))
    spin->selectAll();
}

}  // namespace

void OpenForTyping(const std::vector<QWidget*>& fields) {
  QWidget* first = nullptr;
  QWidget* typed = nullptr;
  for (QWidget* f : fields) {
    if (!f) continue;
    SelectText(f);
    if (!first) first = f;
    if (!typed && TakesTyping(f)) typed = f;
  }
  if (QWidget* focus = typed ? typed : first) focus->setFocus(Qt::OtherFocusReason);
}

void FocusForTyping(QWidget* field) {
  if (!field) return;
  field->setFocus(Qt::OtherFocusReason);
  SelectText(field);
}

}  // namespace dlg
