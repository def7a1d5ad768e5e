// The printer on Qt: the print dialog chooses a printer or a PDF file, and
// each document is painted through the Qt device context at the printer's
// own resolution. A PDF file is made in memory and written whole at the end
// of the document, so that a file that cannot be written whole is told as
// the print's failure and leaves nothing cut short behind; an abandoned
// document is never written.
#pragma once

#include <QByteArray>
#include <QPrinter>
#include <memory>
#include <string>

#include "shell/printing.h"

class QBuffer;
class QPdfWriter;
class QWidget;

class QtPrinter : public TPrinter {
 public:
  // printer: the one the printer set-up configures (not owned); null makes
  // a printer of its own.
  explicit QtPrinter(QPrinter* printer = nullptr, QWidget* parent = nullptr);
  ~QtPrinter() override;

  QPrinter& Device() { return *printer_; }

  bool Setup() override;
  PageMetrics Page() const override;
  std::unique_ptr<plat::DeviceContext> BeginDoc(const std::string& title) override;
  std::unique_ptr<plat::DeviceContext> MeasuringPage() override;
  bool NewPage(plat::DeviceContext& page) override;
  bool EndDoc(std::unique_ptr<plat::DeviceContext> page, DocEnd end) override;
  std::string Problem() const override { return problem_; }

  // A PDF file prints at this many pixels per inch.
  static constexpr int kPdfResolution = 1200;

 private:
  // Prints at the finest resolution the printer offers (a PDF file at
  // kPdfResolution), not at the screen's.
  void UseFullResolution();
  // Whether documents go to a PDF file.
  bool ToPdfFile() const;

  std::unique_ptr<QPrinter> own_;
  QPrinter* printer_;
  QWidget* parent_;
  // The PDF document being made, and the file it goes to.
  std::unique_ptr<QBuffer> pdfBytes_;
  std::unique_ptr<QPdfWriter> pdf_;
  std::string pdfFile_;
  std::string problem_;
};
