#include "shell/qt/qt_printer.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QPrintDialog>
#include <algorithm>

#include "platform/files.h"
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

bool QtPrinter::ToPdfFile() const {
  return printer_->outputFormat() == QPrinter::PdfFormat && !printer_->outputFileName().isEmpty();
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
  if (printer_->outputFormat() == QPrinter::PdfFormat) {
    // The painter's origin is the printable area's top left.
    const QRect paper = printer_->paperRect(QPrinter::DevicePixel).toRect();
    const QRect printable = printer_->pageRect(QPrinter::DevicePixel).toRect();
    page.sheet = {paper.left() - printable.left(), paper.top() - printable.top(),
                  paper.right() + 1 - printable.left(), paper.bottom() + 1 - printable.top()};
  }
  return page;
}

std::unique_ptr<plat::DeviceContext> QtPrinter::MeasuringPage() {
  UseFullResolution();
  return plat::QtDC::ForMeasuring(printer_);
}

std::unique_ptr<plat::DeviceContext> QtPrinter::BeginDoc(const std::string& title) {
  UseFullResolution();
  problem_.clear();
  printer_->setDocName(QString::fromStdString(title));
  QPaintDevice* device = printer_;
  if (ToPdfFile()) {
    // The pages as the printer lays them out, into memory.
    pdfFile_ = printer_->outputFileName().toStdString();
    pdfBytes_ = std::make_unique<QBuffer>();
    pdfBytes_->open(QIODevice::WriteOnly);
    pdf_ = std::make_unique<QPdfWriter>(pdfBytes_.get());
    pdf_->setPdfVersion(printer_->pdfVersion());
    pdf_->setResolution(printer_->resolution());
    pdf_->setPageLayout(printer_->pageLayout());
    pdf_->setTitle(printer_->docName());
    pdf_->setCreator(printer_->creator());
    device = pdf_.get();
  }
  auto dc = std::make_unique<plat::QtDC>(device);
  if (dc->Painter().isActive()) return dc;
  dc.reset();
  pdf_.reset();
  pdfBytes_.reset();
  return nullptr;
}

bool QtPrinter::NewPage(plat::DeviceContext&) {
  return pdf_ ? pdf_->newPage() : printer_->newPage();
}

bool QtPrinter::EndDoc(std::unique_ptr<plat::DeviceContext> page, DocEnd end) {
  const bool keep = end == DocEnd::Keep;
  // A printer is asked to drop the job before the painter ends and sends it.
  const bool aborted = !keep && !pdf_ && printer_->abort();
  auto* dc = dynamic_cast<plat::QtDC*>(page.get());
  bool ended = dc && dc->Painter().end();
  page.reset();
  if (!pdf_) return keep ? ended && printer_->printerState() != QPrinter::Error : aborted;
  pdf_.reset();
  const QByteArray bytes = pdfBytes_->data();
  pdfBytes_.reset();
  // An abandoned PDF is dropped in memory: the file at its path stays as it was.
  if (!keep) return true;
  if (ended) {
    const plat::WriteResult written =
        plat::WriteUserFileAtomic(pdfFile_, std::string_view(bytes.constData(), bytes.size()));
    problem_ = written.Problem();
    ended = bool(written);
  }
  return ended;
}
