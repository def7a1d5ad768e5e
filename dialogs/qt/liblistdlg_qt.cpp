#include "dialogs/qt/liblistdlg_qt.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/focus_keeper.h"

namespace dlg {

bool QtLibraryList::Run(TTLiblistdlg& d) {
  plat::FocusKeeper focus;
  QDialog box(QApplication::activeWindow() ? QApplication::activeWindow() : Parent());
  box.setWindowTitle(QString::fromStdString(d.Title()));
  auto* column = new QVBoxLayout(&box);
  column->addWidget(new QLabel("Click an item to preview it in the bottom left corner of the plan:",
                               &box));
  auto* list = new QListWidget(&box);
  list->setObjectName("LibraryItems");
  for (const std::string& item : d.items) list->addItem(QString::fromStdString(item));
  column->addWidget(list);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &box);
  column->addWidget(buttons);
  buttons->button(QDialogButtonBox::Ok)->setEnabled(false);
  QObject::connect(list, &QListWidget::currentRowChanged, &box, [&](int row) {
    d.Choose(row);
    buttons->button(QDialogButtonBox::Ok)->setEnabled(d.chosen >= 0);
  });
  QObject::connect(list, &QListWidget::itemDoubleClicked, &box, [&] { box.accept(); });
  QObject::connect(buttons, &QDialogButtonBox::accepted, &box, [&] {
    const std::string why = d.Accept();
    if (!why.empty()) {
      QMessageBox::warning(&box, box.windowTitle(), QString::fromStdString(why));
      return;
    }
    box.accept();
  });
  QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
  box.resize(320, 360);
  return box.exec() == QDialog::Accepted;
}

}  // namespace dlg
