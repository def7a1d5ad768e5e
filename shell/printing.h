// The printer as the print commands see it: a set-up question (which
// printer, or a PDF file), the size of its pages, and documents of pages.
#pragma once

#include <memory>
#include <string>

#include "model/globals.h"
#include "platform/dc.h"

// A page as the printer prints it: the printable area in the printer's own
// pixels and how many of them make an inch, and the part of the page that
// shows on paper, in the same pixels from the printable area's top left:
// the printable area itself (none set) for a printer, which cannot print
// beyond it; the whole sheet for a PDF file, which shows its margins too.
struct PageMetrics {
  plat::Size pixels;
  int dpiX = 0;
  int dpiY = 0;
  plat::Rect sheet{};
  plat::Rect Shown() const {
    return sheet.Width() > 0 && sheet.Height() > 0 ? sheet : plat::Rect{0, 0, pixels.cx, pixels.cy};
  }
};

// How a document ends: kept (sent to the printer, or written to its file),
// or abandoned when a page of it failed or the print was given up, so that
// an unfinished print never stands in for a whole one (nor for a file that
// was there before it).
enum class DocEnd { Keep, Abandon };

class TPrinter {
 public:
  virtual ~TPrinter() = default;
  // Asks where to print; false on Cancel.
  virtual bool Setup() = 0;
  // The pages as set up (the size is 0 when no printer is available).
  virtual PageMetrics Page() const = 0;
  // Starts a document; the device context of its first page (text mapping,
  // device pixels), or nullptr when the printer cannot start.
  virtual std::unique_ptr<plat::DeviceContext> BeginDoc(const std::string& title) = 0;
  // A device context of the pages as set up on which nothing prints: its
  // size, resolution and fonts measure what a print would cover before it
  // begins.
  virtual std::unique_ptr<plat::DeviceContext> MeasuringPage() = 0;
  // Starts the next page of the document on the same device context; false
  // when it cannot.
  virtual bool NewPage(plat::DeviceContext& page) = 0;
  // Ends the document, kept or abandoned; false when it could not be ended
  // so (a kept document not finished, an abandoned one that the printer
  // could not take back).
  virtual bool EndDoc(std::unique_ptr<plat::DeviceContext> page, DocEnd end) = 0;
  // Why the last document could not be begun or finished, as the user is
  // told it ("cannot write <path> (<reason>)"); empty when that is not known.
  virtual std::string Problem() const { return {}; }
};

// A failed print as the user is told it: what failed, and the printer's
// reason when it knows one.
std::string PrintFailure(const std::string& failed, const TPrinter& printer);

// A part of the drawing in drawing units (y up): left < right, bottom < top.
struct PrintArea {
  int32 left = 0;
  int32 right = 0;
  int32 top = 0;
  int32 bottom = 0;
};

// The printer's pixels in one inch of paper are corrected by the
// calibration factor from "CFG\PRNTCALM.CFG" or "CFG\PRNTCALI.CFG" (1.0 when
// unset or out of range).
double PrintCalibration();
// Printer pixels per drawing unit on paper: drawing length / scale x pixels
// per inch x inches per drawing unit (1/24 imperial, 0.039371 metric) x
// the calibration factor.
double PrinterPixelsPerUnit(int dpi, int32 scale, double calibration, int32 metric);

// Prints the calibration page: a line of the given length in inches at the
// printer's own resolution, uncorrected, with a caption. False (and nothing
// said) when the printer could not print it.
bool PrintCalibrationLine(TPrinter& printer, double inches, const std::string& caption);

// Part printing (shell/printing_part.cpp): the frame chosen with the
// print-part tool, from "CFG\PTPRINT.CFG" (left, right, top, bottom in
// drawing units); false when no frame with an area is stored.
bool ReadPartFrame(PrintArea& area);
// Limits a page whose mapping is set to the area: nothing beyond it prints.
void ClipToArea(plat::DeviceContext& page, const PrintArea& area);
