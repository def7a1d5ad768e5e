// The printer on Qt: the print dialog chooses a printer or a PDF file, and
// each document is painted through the Qt device context at the printer's
// own resolution.
#pragma once

#include <QPrinter>
#include <memory>

#include "shell/printing.h"

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
  bool NewPage(plat::DeviceContext& page) override;
  bool EndDoc(std::unique_ptr<plat::DeviceContext> page) override;

  // A PDF file prints at this many pixels per inch.
  static constexpr int kPdfResolution = 1200;

 private:
  // Prints at the finest resolution the printer offers (a PDF file at
  // kPdfResolution), not at the screen's.
  void UseFullResolution();

  std::unique_ptr<QPrinter> own_;
  QPrinter* printer_;
  QWidget* parent_;
};
