// Printing at scale: the print commands ask their dialog and the printer,
// read the drawing once, measure every view they are to print and say when
// a plan does not fit, record an undo step and write the drawing and its
// backup, then the print worker draws each view onto its pages with an
// isotropic mapping, y up, at the printer's own resolution, from that one
// read. Whatever happens, the screen's view code, mapping, wall style and
// drawing are restored afterwards.
#include "shell/printing.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "dialogs/modal.h"
#include "dialogs/printdlg.h"
#include "model/flist.h"
#include "model/globals.h"
#include "planwindow/childwin.h"
#include "platform/ink_dc.h"
#include "platform/services.h"
#include "platform/ui.h"
#include "shell/mainform.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"

namespace {

constexpr const char* kPrintFailed = "the drawing could not be printed";
constexpr const char* kNothingToPrint = "there is nothing to print";
// The plan, the scale and how much of what prints of it, the scale text
// under it too, the paper would cut off ("35 mm too wide and 12 mm too
// tall"), then the ways out.
constexpr const char* kDoesNotFit =
    "the %s does not fit on the page at scale 1 : %d - it is %s on the paper.\n"
    "Choose a smaller scale (a larger number), or the other paper orientation in the print "
    "dialog.\nPrint it all the same?";
// The same when the plan itself fits and only the scale text under it would
// be cut off.
constexpr const char* kScaleTextDoesNotFit =
    "the scale text of the %s does not fit on the page at scale 1 : %d - it is %s on the "
    "paper.\nChoose a smaller scale (a larger number), the other paper orientation, or no scale "
    "text in the print dialog.\nPrint it all the same?";
constexpr const char* kTooManyPages =
    "the plan would need %lld pages at scale 1 : %d - choose a smaller scale (a larger number)";
constexpr const char* kNoGroupSplit = "the group drawing prints on one page only";

constexpr double kInchesPerMillimetre = 0.039371;
constexpr double kInchesPerImperialUnit = 1.0 / 24.0;
constexpr double kMillimetresPerInch = 25.4;
// A calibration outside this range is a damaged file, not a printer.
constexpr double kMinCalibration = 0.5;
constexpr double kMaxCalibration = 2.0;
// What "CFG\EXTENTS.CFG" holds when nothing was measured.
constexpr int32 kNoExtent = 200000;
// Locked rooms and the information records never print.
constexpr int32 kFirstUnprinted = 29500;
// A split print of more pages than this is a wrong scale, not a poster.
constexpr int32 kMaxSplitPages = 100;
// The window extent of the page mapping: the viewport extent carries the
// printer pixels per mapping unit to five places.
constexpr int32 kMappingExtent = 100000;

// Pen widths and text heights on paper for the dialogs' choices.
double LineWeightMillimetres(int32 weight) {
  switch (weight) {
    case dlg::lineweight::Thin: return 0.18;
    case dlg::lineweight::Thick: return 0.5;
    default: return 0.35;
  }
}
double TextHeightMillimetres(int32 size) {
  switch (size) {
    case dlg::textsize::Small: return 2.0;
    case dlg::textsize::Large: return 3.5;
    default: return 2.5;
  }
}

bool IsGroupPrint(int32 v) { return v == view::Group || v == view::GroupPrint; }

// The drawing a print works on: the group file for the group view, the live
// drawing otherwise.
void ReadPrintedDrawing() { DrawingList.ReadDrawingFile(dtDrawing); }

// Puts back what a print changes of the program's state however the print
// ends. The list holds the printed drawing throughout: what the print adds
// to it for its pages it takes away again itself.
class PrintGuard {
 public:
  PrintGuard() = default;
  PrintGuard(const PrintGuard&) = delete;
  PrintGuard& operator=(const PrintGuard&) = delete;
  ~PrintGuard() {
    CurrentView = view_;
    WindowOrgX = orgX_;
    WindowOrgY = orgY_;
    WindowExtX = extX_;
    WindowExtY = extY_;
    ZoomUnits = zoomUnits_;
    TextScale = textScale_;
    WallDisplayMode = wallMode_;
  }

 private:
  int32 view_ = CurrentView;
  int32 orgX_ = WindowOrgX, orgY_ = WindowOrgY;
  int32 extX_ = WindowExtX, extY_ = WindowExtY;
  int32 zoomUnits_ = ZoomUnits;
  int32 textScale_ = TextScale;
  int32 wallMode_ = WallDisplayMode;
};

// One document: begun with its first page, a new page for every page after.
// It is kept only when every page was started and it is finished; a run
// left unfinished abandons its document.
class PrintRun {
 public:
  PrintRun(TPrinter& printer, std::string title) : printer_(printer), title_(std::move(title)) {}
  PrintRun(const PrintRun&) = delete;
  PrintRun& operator=(const PrintRun&) = delete;
  ~PrintRun() {
    if (page_) printer_.EndDoc(std::move(page_), DocEnd::Abandon);
  }

  plat::DeviceContext* NextPage() {
    if (failed_) return nullptr;
    if (!page_) {
      page_ = printer_.BeginDoc(title_);
      failed_ = !page_;
    } else {
      failed_ = !printer_.NewPage(*page_);
    }
    return failed_ ? nullptr : page_.get();
  }
  // Ends the document, kept only when no page failed; false when any page
  // failed, none was begun or the printer could not finish it.
  bool Finish() {
    if (!page_) return false;
    if (failed_) {
      printer_.EndDoc(std::move(page_), DocEnd::Abandon);
      return false;
    }
    return printer_.EndDoc(std::move(page_), DocEnd::Keep);
  }

 private:
  TPrinter& printer_;
  std::string title_;
  std::unique_ptr<plat::DeviceContext> page_;
  bool failed_ = false;
};

// A box of the drawing, drawing units.
struct Box {
  int32 minX = kNoExtent, maxX = 0, maxY = 0, minY = kNoExtent;
  bool Empty() const { return minX == kNoExtent || minY == kNoExtent; }
  double CentreX() const { return (double(minX) + std::max(minX, maxX)) / 2; }
  double CentreY() const { return (double(minY) + std::max(minY, maxY)) / 2; }
  double Width() const { return std::max(0.0, double(maxX) - minX); }
  double Height() const { return std::max(0.0, double(maxY) - minY); }
};

// The plan extents a print measures of the list. The commands after a
// print find the last of them in "CFG\EXTENTS.CFG": it is written once, when
// the print ends.
class PrintedExtents {
 public:
  PrintedExtents() = default;
  PrintedExtents(const PrintedExtents&) = delete;
  PrintedExtents& operator=(const PrintedExtents&) = delete;
  ~PrintedExtents() {
    if (last_) TFlist::WritePlanExtents(*last_);
  }
  Box Measure(int32 scope) {
    last_ = DrawingList.MeasurePlanExtents(scope);
    return {last_->left, last_->right, last_->top, last_->bottom};
  }

 private:
  std::optional<TFlist::PlanExtents> last_;
};

// The scale text under the printed plan: in the list for the pages only,
// never stored.
class PrintedScaleText {
 public:
  PrintedScaleText(int32 scale, int32 showScale) {
    if (DrawingList.AddScaleText(scale, showScale) == 1)
      text_ = DrawingList.At(DrawingList.Count() - 1);
  }
  PrintedScaleText(const PrintedScaleText&) = delete;
  PrintedScaleText& operator=(const PrintedScaleText&) = delete;
  ~PrintedScaleText() {
    for (int32 i = DrawingList.Count() - 1; text_ && i >= 0; --i) {
      if (DrawingList.At(i) == text_) {
        DrawingList.RemoveAt(i);
        text_ = nullptr;
      }
    }
  }

 private:
  const TObj* text_ = nullptr;
};

// A box round what the list holds of view v, for views whose measurements
// know none of it (lines alone, a group drawing without walls): both ends of
// lines and walls, the points of polygons, the boxes of round shapes, the
// anchor of anything else.
Box ListBox(int32 v) {
  Box b;
  auto add = [&b](int32 x, int32 y) {
    if (b.Empty()) {
      b = {x, x, y, y};
      return;
    }
    b.minX = std::min(b.minX, x);
    b.maxX = std::max(b.maxX, x);
    b.minY = std::min(b.minY, y);
    b.maxY = std::max(b.maxY, y);
  };
  for (int32 i = 0; i < DrawingList.Count(); ++i) {
    const TObj& e = *DrawingList.At(i);
    if (e.Kind >= kFirstUnprinted || !(IsGroupPrint(v) || e.Floor == v)) continue;
    add(e.X1, e.Y1);
    if (kind::IsLineKind(e.Kind) || kind::IsWallKind(e.Kind) || kind::IsFilledShapeKind(e.Kind)) {
      add(e.X2, e.Y2);
    } else if (const auto* p = dynamic_cast<const TPolyobj*>(&e)) {
      for (int32 j = 0; j < std::clamp(p->PointCount, 0, kMaxPolyPoints); ++j)
        add(p->PointX[j], p->PointY[j]);
    }
  }
  return b;
}

// Whether the list holds anything the printer prints of view v (the group
// file holds nothing but the group drawing).
bool ViewHasElements(int32 v) {
  for (int32 i = 0; i < DrawingList.Count(); ++i) {
    const TObj& e = *DrawingList.At(i);
    if (e.Kind < kFirstUnprinted && (IsGroupPrint(v) || e.Floor == v)) return true;
  }
  return false;
}

// Where a view lies on its pages.
struct PageLayout {
  bool empty = false;
  double centreX = 0;  // drawing units
  double centreY = 0;
  int32 columns = 1;
  int32 rows = 1;
  const PrintArea* clip = nullptr;  // a part print shows nothing beyond its frame
};

// The page's printable area in drawing units at the scale.
struct PaperArea {
  double width, height;
};

PaperArea PaperOf(const PageMetrics& page, double pixelsPerUnit) {
  return {page.pixels.cx / pixelsPerUnit, page.pixels.cy / pixelsPerUnit};
}

// How many pages a length takes, at least one; held where 32 bits end (a
// damaged drawing's plan may reach that far).
int32 PagesAcross(double length, double page) {
  return int32(std::clamp(std::ceil(length / page), 1.0, double(INT32_MAX)));
}

// Measures view v of the printed drawing in the list for its pages:
// centred on its outline (walls and dimensions), or for a split print on
// everything it holds, over as many pages as that takes.
PageLayout PlanLayout(int32 v, bool split, PaperArea paper, PrintedExtents& extents) {
  PageLayout layout;
  Box everything, outline, listed;
  bool any = false;
  {
    PrintGuard guard;
    CurrentView = v + view::PrintOffset;
    everything = extents.Measure(TFlist::esEverything);
    outline = extents.Measure(TFlist::esOutline);
    any = ViewHasElements(v);
    listed = ListBox(v);
  }
  if (!any) {
    layout.empty = true;
    return layout;
  }
  const Box& box = !everything.Empty() ? everything : !outline.Empty() ? outline : listed;
  if (box.Empty()) {
    layout.centreX = double(DrawingWidth) * PixelScale / 2;
    layout.centreY = double(DrawingHeight) * PixelScale / 2;
    return layout;
  }
  const Box& centre = split || outline.Empty() ? box : outline;
  layout.centreX = centre.CentreX();
  layout.centreY = centre.CentreY();
  if (split) {
    layout.columns = PagesAcross(box.Width(), paper.width);
    layout.rows = PagesAcross(box.Height(), paper.height);
  }
  return layout;
}

// A length on the paper, in printer pixels: the nearest whole millimetres in
// metric drawings, tenths of an inch in imperial ones, so that the figure is
// the length and not a bound above it; never less than one, since the
// length is there.
std::string PaperLength(double pixels, int dpi) {
  const double inches = pixels / std::max(dpi, 1);
  if (MetricUnits == 1)
    return plat::Format("%d mm", int32(std::clamp(std::round(inches * kMillimetresPerInch), 1.0,
                                                  double(INT32_MAX))));
  return plat::Format("%.1f inches", std::max(0.1, std::round(inches * 10) / 10));
}

// What of a view would be cut off its pages: how far what it prints reaches
// beyond them, both sides together, in printer pixels.
struct CutOff {
  double wide = 0;
  double tall = 0;
  bool Any() const { return wide > 0 || tall > 0; }
};

// "35 mm too wide and 12 mm too tall", or the one direction that is too big.
std::string TooBig(const CutOff& cut, int dpi) {
  std::string wide, tall;
  if (cut.wide > 0) wide = PaperLength(cut.wide, dpi) + " too wide";
  if (cut.tall > 0) tall = PaperLength(cut.tall, dpi) + " too tall";
  if (wide.empty() || tall.empty()) return wide + tall;
  return wide + " and " + tall;
}

// What the question calls the plan of a view.
std::string PlanName(int32 v) {
  switch (v) {
    case view::Ground: return "ground floor";
    case view::First: return "first floor";
    case view::Second: return "second floor";
    case view::Third: return "third floor";
    case view::Basement: return "sub floor";
    case view::Site: return "site plan";
    case view::Group: return "group drawing";
    default: return "plan";
  }
}

int32 AtLeastOne(double v) { return std::max(1, int32(std::lround(v))); }

// The page's mapping: isotropic, y up, with the logical point (left,
// bottom) in mapping units at the page's bottom left corner.
void SetPageMapping(plat::DeviceContext& dc, double left, double bottom, double perMapUnit,
                    plat::Size pixels) {
  const double orgX = std::floor(left), orgY = std::floor(bottom);
  const int32 viewport = int32(std::lround(kMappingExtent * perMapUnit));
  dc.SetMapMode(plat::MM_ISOTROPIC);
  dc.SetWindowExt(kMappingExtent, kMappingExtent);
  dc.SetViewportExt(viewport, -viewport);
  dc.SetWindowOrg(int32(orgX), int32(orgY));
  // The fraction of a mapping unit that the whole origin leaves goes into
  // the viewport origin, so that the pages of a split print meet exactly.
  dc.SetViewportOrg(-int32(std::lround((left - orgX) * perMapUnit)),
                    pixels.cy + int32(std::lround((bottom - orgY) * perMapUnit)));
  dc.SetBkMode(plat::TRANSPARENT);
}

// A view on paper while it lives: the print's pens, texts and wall style,
// CurrentView raised by the print's offset and the scale text under the
// plan in the list; all as it was again when it ends.
class PaperView {
 public:
  // What prints with the plan: the scale text too, or the plan alone.
  enum class Ink { All, PlanOnly };
  PaperView(int32 offset, const dlg::PrintChoice& choice, const PageMetrics& page,
            PrintedExtents& extents, Ink ink = Ink::All) {
    const int32 scale = std::clamp(choice.scale, dlg::kMinPrintScale, dlg::kMaxPrintScale);
    perMapUnit =
        PrinterPixelsPerUnit(page.dpiX, scale, PrintCalibration(), MetricUnits) * PixelScale;
    const double mmPerPixel = kMillimetresPerInch / page.dpiX;
    // Pens and texts are sized in mapping units: as many as the paper sizes need.
    ZoomUnits = AtLeastOne(LineWeightMillimetres(choice.lineWeight) / mmPerPixel / perMapUnit);
    TextScale = AtLeastOne(TextHeightMillimetres(choice.textSize) / mmPerPixel /
                           (std::max(TextSize, 1) * perMapUnit));
    WallDisplayMode = dlg::PrintWallDisplayMode(choice);
    CurrentView += offset;
    if (CurrentView < view::SplitPrintOffset) extents.Measure(TFlist::esOutline);
    // The fit counts it too: it prints with the plan, and the paper cuts
    // it off like the plan.
    if (ink == Ink::All)
      scaleText_.emplace(scale, CurrentView < view::PartPrintOffset ? choice.showScale : 0);
  }
  PaperView(const PaperView&) = delete;
  PaperView& operator=(const PaperView&) = delete;

  // Draws the view on dc, the point (left, bottom) in mapping units at the
  // bottom left of a device `pixels` in size.
  void Draw(plat::DeviceContext& dc, double left, double bottom, plat::Size pixels,
            const PrintArea* clip) const {
    SetPageMapping(dc, left, bottom, perMapUnit, pixels);
    if (clip) ClipToArea(dc, *clip);
    if (IsGroupPrint(CurrentView)) {
      DrawingList.PrintFloor(dc);
    } else {
      // Shapes first, so walls, openings and texts print over them.
      DrawingList.DrawInLayers([&dc] { DrawingList.PrintFloor(dc); });
    }
  }

  // Printer pixels per mapping unit.
  double perMapUnit = 0;

 private:
  PrintGuard guard_;  // made before the constructor's body changes anything
  std::optional<PrintedScaleText> scaleText_;
};

// The bottom left of a view's pages, and a page's size, in mapping units.
struct PageGrid {
  double left, bottom, pageWidth, pageHeight;
};

PageGrid GridOf(const PageLayout& layout, const PageMetrics& page, double perMapUnit) {
  const double pageW = page.pixels.cx / perMapUnit, pageH = page.pixels.cy / perMapUnit;
  return {layout.centreX / PixelScale - layout.columns * pageW / 2,
          layout.centreY / PixelScale - layout.rows * pageH / 2, pageW, pageH};
}

// Prints CurrentView, raised by offset while it prints, of the printed
// drawing in the list on the pages of layout. False when a page could not
// be started.
bool PrintPages(PrintRun& run, int32 offset, const dlg::PrintChoice& choice,
                const PageMetrics& page, const PageLayout& layout, PrintedExtents& extents) {
  const PaperView paper(offset, choice, page, extents);
  const PageGrid grid = GridOf(layout, page, paper.perMapUnit);
  for (int32 row = 0; row < layout.rows; ++row) {
    for (int32 column = 0; column < layout.columns; ++column) {
      plat::DeviceContext* dc = run.NextPage();
      if (!dc) return false;
      // Rows run from the top of the plan down.
      paper.Draw(*dc, grid.left + column * grid.pageWidth,
                 grid.bottom + (layout.rows - 1 - row) * grid.pageHeight, page.pixels, layout.clip);
    }
  }
  return true;
}

// What view v would lose off the pages of layout: its pages drawn as they
// print, scale text and all, on the printer's measuring page, nothing
// printed.
CutOff CutOffPages(TPrinter& printer, int32 v, int32 offset, const dlg::PrintChoice& choice,
                   const PageMetrics& page, const PageLayout& layout, PrintedExtents& extents,
                   PaperView::Ink what = PaperView::Ink::All) {
  const std::unique_ptr<plat::DeviceContext> device = printer.MeasuringPage();
  if (!device) return {};
  plat::InkDC ink(*device);
  const double width = double(layout.columns) * page.pixels.cx;
  const double height = double(layout.rows) * page.pixels.cy;
  {
    PrintGuard guard;
    CurrentView = v;
    const PaperView paper(offset, choice, page, extents, what);
    const PageGrid grid = GridOf(layout, page, paper.perMapUnit);
    const plat::Size all{int(std::min(width, double(INT32_MAX))),
                         int(std::min(height, double(INT32_MAX)))};
    paper.Draw(ink, grid.left, grid.bottom, all, layout.clip);
  }
  const std::optional<plat::Rect> box = ink.Ink();
  if (!box) return {};
  // The pages meet at their printable areas; round the grid the paper shows
  // what the outer pages show.
  const plat::Rect sheet = page.Shown();
  const double left = sheet.left, top = sheet.top;
  const double right = width - page.pixels.cx + sheet.right;
  const double bottom = height - page.pixels.cy + sheet.bottom;
  CutOff cut;
  cut.wide = std::max(0.0, left - box->left) + std::max(0.0, box->right - right);
  cut.tall = std::max(0.0, top - box->top) + std::max(0.0, box->bottom - bottom);
  return cut;
}

bool UsablePage(const PageMetrics& page) {
  return page.pixels.cx > 0 && page.pixels.cy > 0 && page.dpiX > 0 && page.dpiY > 0;
}

}  // namespace

std::string PrintFailure(const std::string& failed, const TPrinter& printer) {
  const std::string why = printer.Problem();
  return why.empty() ? failed : failed + ": " + why;
}

double PrintCalibration() {
  cfg::Reader r(ProgramFile(cfgfile::PrintCalibration.ForUnits()));
  double f = 0;
  if (!r.Real(f) || !(f >= kMinCalibration && f <= kMaxCalibration)) return 1.0;
  return f;
}

double PrinterPixelsPerUnit(int dpi, int32 scale, double calibration, int32 metric) {
  const double inchesPerUnit = metric == 1 ? kInchesPerMillimetre : kInchesPerImperialUnit;
  return double(dpi) * inchesPerUnit * calibration / std::max(scale, 1);
}

bool PrintCalibrationLine(TPrinter& printer, double inches, const std::string& caption) {
  PrintRun run(printer, "calibration");
  plat::DeviceContext* dc = run.NextPage();
  if (!dc) return false;
  const int dpi = std::max(dc->PixelsPerInchX(), 1);
  // One inch in from the left, two down from the top, in device pixels.
  const int x = dpi, y = 2 * dpi;
  const int length = int(std::lround(inches * dpi));
  const int tick = dpi / 10;
  dc->SetMapMode(plat::MM_TEXT);
  dc->SetBkMode(plat::TRANSPARENT);
  const plat::Pen oldPen = dc->SelectPen({plat::PS_SOLID, std::max(1, dpi / 254), plat::RGB(0, 0, 0)});
  dc->MoveTo(x, y);
  dc->LineTo(x + length, y);
  dc->MoveTo(x, y - tick);
  dc->LineTo(x, y + tick);
  dc->MoveTo(x + length, y - tick);
  dc->LineTo(x + length, y + tick);
  plat::Font font;
  font.height = dpi / 6;
  const plat::Font oldFont = dc->SelectFont(font);
  dc->SetTextAlign(plat::TA_LEFT | plat::TA_BOTTOM);
  dc->TextOut(x, y - 2 * tick, caption);
  dc->SelectFont(oldFont);
  dc->SelectPen(oldPen);
  return run.Finish();
}

bool TMainForm::PrintView(int32 offset, const dlg::PrintChoice& choice, const PrintArea* area) {
  if (!printer_) return false;
  const PageMetrics page = printer_->Page();
  if (!UsablePage(page)) {
    plat::ErrorBox(kPrintFailed, plat::mbCancel);
    return false;
  }
  bool printed = false;
  {
    PrintedExtents extents;
    ReadPrintedDrawing();
    PageLayout layout;
    if (area) {
      layout.centreX = (double(area->left) + area->right) / 2;
      layout.centreY = (double(area->top) + area->bottom) / 2;
      layout.clip = area;
    } else {
      const double perUnit =
          PrinterPixelsPerUnit(page.dpiX, choice.scale, PrintCalibration(), MetricUnits);
      layout = PlanLayout(CurrentView, offset == view::SplitPrintOffset, PaperOf(page, perUnit),
                          extents);
    }
    PrintRun run(*printer_, DrawingList.ViewFileName);
    printed = PrintPages(run, offset, choice, page, layout, extents);
    printed = run.Finish() && printed;
  }
  if (!printed) plat::ErrorBox(PrintFailure(kPrintFailed, *printer_), plat::mbCancel);
  return printed;
}

bool TMainForm::PrintViews(const std::vector<int32>& views, int32 offset,
                           const dlg::PrintChoice& choice) {
  const PageMetrics page = printer_->Page();
  if (!UsablePage(page)) {
    plat::ErrorBox(kPrintFailed, plat::mbCancel);
    return false;
  }
  const bool split = offset == view::SplitPrintOffset;
  const double perUnit =
      PrinterPixelsPerUnit(page.dpiX, choice.scale, PrintCalibration(), MetricUnits);

  // One read of the drawing serves the whole print. Every view is measured
  // before anything is printed, so that the user can stop at a question with
  // nothing printed.
  PrintedExtents extents;
  if (!views.empty()) ReadPrintedDrawing();
  std::vector<std::pair<int32, PageLayout>> planned;
  for (int32 v : views) {
    const PageLayout layout = PlanLayout(v, split, PaperOf(page, perUnit), extents);
    if (layout.empty) continue;
    const long long pages = 1LL * layout.columns * layout.rows;
    if (pages > kMaxSplitPages) {
      plat::ErrorBox(plat::Format(kTooManyPages, pages, choice.scale), plat::mbCancel);
      return false;
    }
    const CutOff cut = CutOffPages(*printer_, v, offset, choice, page, layout, extents);
    if (cut.Any()) {
      // Measured again without the scale text only when something is cut,
      // so that a plan that fits is not said not to.
      const bool planFits = !CutOffPages(*printer_, v, offset, choice, page, layout, extents,
                                         PaperView::Ink::PlanOnly)
                                 .Any();
      if (!plat::AskYesNo(plat::Format(planFits ? kScaleTextDoesNotFit : kDoesNotFit,
                                       PlanName(v).c_str(), choice.scale,
                                       TooBig(cut, page.dpiX).c_str())))
        return false;
    }
    planned.emplace_back(v, layout);
  }
  if (planned.empty()) {
    plat::ErrorBox(kNothingToPrint, plat::mbCancel);
    return false;
  }

  {
    // The print goes on when these fail: the user is told once.
    WriteReport report(*this);
    DrawingList.UpdateUndoHistory(uoRecord, CurrentView);
    // The group file in the group view, which has no backup.
    DrawingList.WriteDrawingFile(dtDrawing);
    DrawingList.WriteDrawingFile(dtBackup);
  }

  bool printed = true;
  {
    PrintGuard guard;
    PrintRun run(*printer_, DrawingList.ViewFileName);
    for (const auto& [v, layout] : planned) {
      CurrentView = v;
      if (!PrintPages(run, offset, choice, page, layout, extents)) {
        printed = false;
        break;
      }
    }
    printed = run.Finish() && printed;
  }
  if (!printed) plat::ErrorBox(PrintFailure(kPrintFailed, *printer_), plat::mbCancel);
  return printed;
}

void TMainForm::CmPrintExecute() {
  TMDIChild* child = ActiveChild();
  if (!child || !drawingOpen_ || !printer_) return;
  CurrentFunction = func::Print;
  dlg::PrintChoice choice;
  dlg::ReadPrintSettings(choice);
  std::vector<int32> views{CurrentView};
  if (CurrentView == view::Group) {
    dlg::TTGrpprintdlg d;
    static_cast<dlg::PrintChoice&>(d) = choice;
    if (!dlg::ShowModal(d)) return;
    choice = d;
  } else {
    dlg::TTFPlanprintdlg d;
    static_cast<dlg::PrintChoice&>(d) = choice;
    // On a floor the dialog offers every floor, the one shown ticked.
    if (int32* shown = d.FloorTick(CurrentView)) {
      d.offerFloors = true;
      *shown = 1;
    }
    if (!dlg::ShowModal(d)) return;
    choice = d;
    if (d.offerFloors) views = choice.Floors();
  }
  dlg::WritePrintSettings(choice);
  if (!printer_->Setup()) return;

  PrintViews(views, view::PrintOffset, choice);
  TextScale = 0;
  child->Surface().InvalidateRect(nullptr);
}

void TMainForm::CmPrintssplitExecute() {
  TMDIChild* child = ActiveChild();
  if (!child || !drawingOpen_ || !printer_) return;
  CurrentFunction = func::Print;
  if (CurrentView == view::Group) {
    plat::ErrorBox(kNoGroupSplit, plat::mbCancel);
    return;
  }
  dlg::TTSplitdlg d;
  dlg::ReadPrintSettings(d);
  if (!dlg::ShowModal(d)) return;
  dlg::WritePrintSettings(d);
  if (!printer_->Setup()) return;

  PrintViews({CurrentView}, view::SplitPrintOffset, d);
  TextScale = 0;
  child->Surface().InvalidateRect(nullptr);
}
