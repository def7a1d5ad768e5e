#include "shell/qt/qt_printer.h"

#include <QPrintDialog>

#include "platform/qt/qt_dc.h"

QtPrinter::QtPrinter(QPrinter* printer, QWidget* parent)
    : own_(printer ? nullptr : std::make_unique<QPrinter>(QPrinter::HighResolution)),
      printer_(printer ? printer : own_.get()),
      parent_(parent) {}

QtPrinter::~QtPrinter() = default;

bool QtPrinter::Setup() {
  QPrintDialog dialog(printer_, parent_);
  dialog.setWindowTitle("Print");
  return dialog.exec() == QDialog::Accepted;
}

std::unique_ptr<plat::DeviceContext> QtPrinter::BeginDoc(const std::string& title) {
  printer_->setDocName(QString::fromStdString(title));
  auto dc = std::make_unique<plat::QtDC>(printer_);
  if (!dc->Painter().isActive()) return nullptr;
  return dc;
}

bool QtPrinter::EndDoc(std::unique_ptr<plat::DeviceContext> page) {
  if (!page) return false;
  auto* dc = dynamic_cast<plat::QtDC*>(page.get());
  const bool ended = dc && dc->Painter().end();
  page.reset();
  return ended && printer_->printerState() != QPrinter::Error;
}
