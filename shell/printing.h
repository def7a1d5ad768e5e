// The printer as the print commands see it: a set-up question (which
// printer, or a PDF file) and one document of one page per print.
#pragma once

#include <memory>
#include <string>

#include "platform/dc.h"

class TPrinter {
 public:
  virtual ~TPrinter() = default;
  // Asks where to print; false on Cancel.
  virtual bool Setup() = 0;
  // Starts a document; the device context of its page (text mapping, device
  // pixels), or nullptr when the printer cannot start.
  virtual std::unique_ptr<plat::DeviceContext> BeginDoc(const std::string& title) = 0;
  // Ends the document; false when it could not be finished.
  virtual bool EndDoc(std::unique_ptr<plat::DeviceContext> page) = 0;
};

// The printer's own pixels in one inch of paper through the calibration:
// the factor from "CFG\PRNTCALM.CFG" or "CFG\PRNTCALI.CFG", 1.0 when unset.
double PrintCalibration();
