#include "shell/qt/qt_printer.h"

#include <QPrintDialog>
#include <algorithm>

#include "platform/qt/qt_dc.h"

QtPrinter::QtPrinter(QPrinter* printer, QWidget* parent)
    : own_(printer ? nullptr : std::make_unique<QPrinter>(QPrinter::HighResolution)),
      printer_(printer ? printer : own_.get()),
      parent_(parent) {
  UseFullResolution();
}

QtPrinter::~QtPrinter() = default;

void QtPrinter::UseFullResolution() {
  if (printer_->outputFormat() == QPrinter::PdfFormat) {
    if (printer_->resolution() < kPdfResolution) printer_->setResolution(kPdfResolution);
    return;
  }
  const QList<int> offered = printer_->supportedResolutions();
  if (offered.isEmpty()) return;
  const int finest = *std::max_element(offered.begin(), offered.end());
  if (printer_->resolution() < finest) printer_->setResolution(finest);
}

bool QtPrinter::Setup() {
  QPrintDialog dialog(printer_, parent_);
  dialog.setWindowTitle("Print");
  const bool accepted = dialog.exec() == QDialog::Accepted;
  // The dialog may have chosen another printer or a file.
  UseFullResolution();
  return accepted;
}

PageMetrics QtPrinter::Page() const {
  PageMetrics page;
  page.pixels = {printer_->width(), printer_->height()};
  page.dpiX = printer_->logicalDpiX();
  page.dpiY = printer_->logicalDpiY();
  return page;
}

std::unique_ptr<plat::DeviceContext> QtPrinter::BeginDoc(const std::string& title) {
  UseFullResolution();
  printer_->setDocName(QString::fromStdString(title));
  auto dc = std::make_unique<plat::QtDC>(printer_);
  if (!dc->Painter().isActive()) return nullptr;
  return dc;
}

bool QtPrinter::NewPage(plat::DeviceContext&) { return printer_->newPage(); }

bool QtPrinter::EndDoc(std::unique_ptr<plat::DeviceContext> page) {
  if (!page) return false;
  auto* dc = dynamic_cast<plat::QtDC*>(page.get());
  const bool ended = dc && dc->Painter().end();
  page.reset();
  return ended && printer_->printerState() != QPrinter::Error;
}
