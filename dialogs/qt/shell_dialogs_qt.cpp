#include "dialogs/qt/shell_dialogs_qt.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/qt/typing_fields.h"
#include "platform/qt/focus_keeper.h"

namespace dlg {

namespace {

constexpr int kNameMaxLength = 24;

QDialogButtonBox* OkCancel(QDialog* d) {
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, d);
  QObject::connect(box, &QDialogButtonBox::accepted, d, &QDialog::accept);
  QObject::connect(box, &QDialogButtonBox::rejected, d, &QDialog::reject);
  return box;
}

QGroupBox* Pair(QWidget* parent, const char* title, QRadioButton* a, QRadioButton* b) {
  auto* group = new QGroupBox(title, parent);
  auto* column = new QVBoxLayout(group);
  column->addWidget(a);
  column->addWidget(b);
  auto* buttons = new QButtonGroup(group);
  buttons->addButton(a);
  buttons->addButton(b);
  return group;
}

}  // namespace

// ---- New drawing -------------------------------------------------------------------------

NewdlgForm::NewdlgForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle("New Drawing");
  name_ = new QLineEdit(this);
  name_->setObjectName("Edit1");
  name_->setMaxLength(kNameMaxLength);
  metric_ = new QRadioButton("Metric (millimetres)", this);
  imperial_ = new QRadioButton("Imperial (feet and inches)", this);
  walls_ = new QRadioButton("draw external walls", this);
  rooms_ = new QRadioButton("layout design rooms", this);
  metric_->setChecked(true);
  walls_->setChecked(true);

  auto* form = new QFormLayout;
  form->addRow("Drawing name:", name_);
  auto* column = new QVBoxLayout(this);
  column->addLayout(form);
  column->addWidget(Pair(this, "Units", metric_, imperial_));
  column->addWidget(Pair(this, "Start", walls_, rooms_));
  column->addWidget(OkCancel(this));
}

void NewdlgForm::SetChoice(const NewDrawingChoice& c) {
  name_->setText(QString::fromStdString(c.name));
  (c.metric == 1 ? metric_ : imperial_)->setChecked(true);
  (c.designRooms ? rooms_ : walls_)->setChecked(true);
  OpenForTyping({name_});
}

NewDrawingChoice NewdlgForm::Choice() const {
  NewDrawingChoice c;
  c.name = name_->text().trimmed().toStdString();
  c.metric = metric_->isChecked() ? 1 : 0;
  c.designRooms = rooms_->isChecked();
  return c;
}

void NewdlgForm::accept() {
  if (!ValidDrawingName(Choice().name)) {
    QMessageBox::warning(this, windowTitle(), kNameIncorrect);
    FocusForTyping(name_);
    return;
  }
  QDialog::accept();
}

// ---- The runners ---------------------------------------------------------------------------

bool QtNewDrawing::Run(TTNewdlg& d) {
  plat::FocusKeeper focus;
  NewdlgForm form(Parent());
  form.SetChoice(d);
  if (form.exec() != QDialog::Accepted) return false;
  static_cast<NewDrawingChoice&>(d) = form.Choice();
  return true;
}

bool QtScreenScale::Run(ScreenScaleDialog& d) {
  plat::FocusKeeper focus;
  bool ok = false;
  const int v = QInputDialog::getInt(Parent(), "Screen Scale", "Site plan scale (percent of normal):",
                                     d.percent, kMinScreenScale, kMaxScreenScale, 1, &ok);
  if (ok) d.percent = v;
  return ok;
}

}  // namespace dlg
