#include "designer/qt/miscdesigner_qt.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/focus_keeper.h"
#include "platform/qt/qt_dc.h"

namespace dlg {

namespace {

constexpr int kPreviewWidth = 420;
constexpr int kPreviewHeight = 320;

QPixmap Picture(const TMiscChild& d) {
  QImage image(kPreviewWidth, kPreviewHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    plat::QtDC dc(&image);
    d.DrawPreview(dc, plat::Rect{0, 0, kPreviewWidth, kPreviewHeight});
  }
  return QPixmap::fromImage(image);
}

}  // namespace

bool QtDesignerWindow::Run(TMiscChild& d) {
  plat::FocusKeeper focus;
  QDialog box(QApplication::activeWindow() ? QApplication::activeWindow() : Parent());
  box.setWindowTitle(QString::fromStdString(d.Title()));
  auto* column = new QVBoxLayout(&box);
  auto* preview = new QLabel(&box);
  preview->setObjectName("Preview");
  preview->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  preview->setPixmap(Picture(d));
  column->addWidget(preview);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &box);
  QPushButton* changes = buttons->addButton("Show Changes", QDialogButtonBox::ActionRole);
  changes->setObjectName("ShowChanges");
  column->addWidget(buttons);
  QObject::connect(changes, &QPushButton::clicked, &box, [&] {
    if (d.ShowChanges()) preview->setPixmap(Picture(d));
  });
  QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
  return box.exec() == QDialog::Accepted;
}

}  // namespace dlg
