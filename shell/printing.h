// The printer as the print commands see it: a set-up question (which
// printer, or a PDF file) and one document of one page per print.
#pragma once

#include <memory>
#include <cstdint>
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

// Part printing (shell/printing_part.cpp): the frame chosen with the
// print-part tool ("CFG\PTPRINT.CFG": left, right, top, bottom in drawing
// units). The printed page is centred on it and shows nothing beyond it.
struct PartFrame {
  int32_t left = 0, right = 0, top = 0, bottom = 0;
};
// False when no frame with an area is stored.
bool ReadPartFrame(PartFrame& f);
// The frame's centre in mapping units, and the clip to it on a page whose
// mapping is set.
plat::Point PartFrameCentre(const PartFrame& f);
void ClipToPartFrame(plat::DeviceContext& page, const PartFrame& f);
