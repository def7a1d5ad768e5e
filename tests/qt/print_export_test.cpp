// Printing to a PDF file and exporting pictures through the real windows,
// offscreen: the PDF is rasterised with poppler's pdftoppm and a wall's
// printed length measured on it, with and without the calibration; the
// pictures are read back with Qt's image reader and compared with what the
// window shows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <cerrno>
#include <filesystem>

#include "building/droom_tool.h"
#include "building/extwall_tool.h"
#include "dialogs/modal.h"
#include "dialogs/qt/form_runner_qt.h"
#include "dialogs/printdlg.h"
#include "dialogs/savescrn.h"
#include "dialogs/shell_dialogs.h"
#include "model/flist.h"
#include "planwindow/qt/planwidget.h"
#include "platform/files.h"
#include "shell/qt/mainwindow.h"
#include "shell/qt/qt_printer.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"
#include "tests/file_traffic.h"
#include "tests/planwindow_fixture.h"
#include "tests/test_support.h"
#include "tests/traced_outline.h"

namespace {

constexpr int kRasterDpi = 300;

// A PDF printer that needs no dialog, made at the screen's resolution as
// the program's printer set-up makes it.
class PdfPrinter : public QtPrinter {
 public:
  explicit PdfPrinter(QPrinter* p) : QtPrinter(p) {}
  bool Setup() override { return true; }

  int failAtPage = 0;  // a page number (from 1) that cannot be started; 0 none
  std::unique_ptr<plat::DeviceContext> BeginDoc(const std::string& title) override {
    started_ = 1;
    return QtPrinter::BeginDoc(title);
  }
  bool NewPage(plat::DeviceContext& page) override {
    return ++started_ != failAtPage && QtPrinter::NewPage(page);
  }

 private:
  int started_ = 0;
};

// The dark pixels of a rasterised page: their bounding box, and the
// thickness of the top line in the middle, so that lengths are measured
// from the middle of one line to the middle of the other.
struct Ink {
  int left = INT32_MAX, right = -1, top = INT32_MAX, bottom = -1;
  int thickness = 0;
  int Width() const { return right - left + 1 - thickness; }
  int Height() const { return bottom - top + 1 - thickness; }
};

std::string Tool(const char* name) {
  const QString path = QStandardPaths::findExecutable(name);
  EXPECT_FALSE(path.isEmpty()) << name << " (poppler-utils) is missing: run scripts/install-deps.sh";
  return path.toStdString();
}

// Rasterises page `page` (from 1) of a PDF at kRasterDpi in grey.
QImage Rasterise(const std::string& pdf, int page, const std::string& stem) {
  const std::string tool = Tool("pdftoppm");
  if (tool.empty()) return {};
  QProcess p;
  p.start(QString::fromStdString(tool),
          {"-r", QString::number(kRasterDpi), "-gray", "-f", QString::number(page), "-l",
           QString::number(page), "-singlefile", QString::fromStdString(pdf),
           QString::fromStdString(stem)});
  EXPECT_TRUE(p.waitForFinished(60000));
  EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
  // A sheet of A2 takes more memory than the reader allows by default.
  const int limit = QImageReader::allocationLimit();
  QImageReader::setAllocationLimit(0);
  QImage raster(QString::fromStdString(stem + ".pgm"));
  QImageReader::setAllocationLimit(limit);
  return raster;
}

int PageCount(const std::string& pdf) {
  const std::string tool = Tool("pdfinfo");
  if (tool.empty()) return 0;
  QProcess p;
  p.start(QString::fromStdString(tool), {QString::fromStdString(pdf)});
  p.waitForFinished(60000);
  for (const QString& line : QString(p.readAllStandardOutput()).split('\n'))
    if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
  return 0;
}

Ink InkOf(const QImage& page) {
  Ink ink;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if (qGray(page.pixel(x, y)) < 128) {
        ink.left = std::min(ink.left, x);
        ink.right = std::max(ink.right, x);
        ink.top = std::min(ink.top, y);
        ink.bottom = std::max(ink.bottom, y);
      }
  if (ink.right < 0) return ink;
  const int middle = (ink.left + ink.right) / 2;
  for (int y = ink.top; y < page.height() && qGray(page.pixel(middle, y)) < 128; ++y) ++ink.thickness;
  return ink;
}

// What a sheet of the size and orientation would cut off a print, in mm,
// both sides together: measured on the same print on a larger sheet, whose
// middle is where the small sheet's middle would be (the plan stands on the
// middle of either).
std::pair<double, double> CutOffBy(QPageSize::PageSizeId size, QPageLayout::Orientation turn,
                                   const QImage& larger) {
  const double perMm = kRasterDpi / 25.4;
  const Ink ink = InkOf(larger);
  EXPECT_GT(ink.left, 0) << "the larger sheet cuts it off too";
  EXPECT_LT(ink.bottom, larger.height() - 1) << "the larger sheet cuts it off too";
  const QSizeF sheet = QPageSize(size).size(QPageSize::Millimeter);
  const bool portrait = turn == QPageLayout::Portrait;
  const double halfWidth = (portrait ? sheet.width() : sheet.height()) / 2 * perMm;
  const double halfHeight = (portrait ? sheet.height() : sheet.width()) / 2 * perMm;
  const double mx = larger.width() / 2.0, my = larger.height() / 2.0;
  return {(std::max(0.0, mx - ink.left - halfWidth) +
           std::max(0.0, ink.right + 1 - mx - halfWidth)) / perMm,
          (std::max(0.0, my - ink.top - halfHeight) +
           std::max(0.0, ink.bottom + 1 - my - halfHeight)) / perMm};
}

// The millimetres a fit question tells in a direction ("wide", "tall"); 0
// when it tells none.
double Told(const std::string& question, const char* direction) {
  const std::size_t at = question.find(std::string(" mm too ") + direction);
  if (at == std::string::npos) return 0.0;
  const std::size_t from = question.rfind(' ', at - 1) + 1;
  return std::stod(question.substr(from, at - from));
}

class RealWindow : public ::testing::Test {
 protected:
  ScratchProgramDir dir;
  plat::ScriptedUi& ui = DefaultTestUi();
  MainWindow window;
  dlg::InstalledScript<dlg::TTNewdlg> newDrawing;
  dlg::InstalledScript<dlg::TTFPlanprintdlg> print;
  dlg::InstalledScript<dlg::TTSplitdlg> split;
  dlg::InstalledScript<dlg::Tsavescreen> saveAs;
  QPrinter device{QPrinter::ScreenResolution};
  std::string pdf = dir.Root() + "/plan.pdf";
  std::unique_ptr<PdfPrinter> printer;

  void SetUp() override {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(20);  // start-up's timer
    newDrawing.Answer([](dlg::TTNewdlg& d) { d.name = "HOUSE"; });
    window.Form().CmFilenewExecute();
    // An outline 16 m wide and 6 m deep on the ground floor.
    for (TObj* e : {planfix::Line(12000, 14000, 28000, 14000), planfix::Line(28000, 14000, 28000, 8000),
                    planfix::Line(28000, 8000, 12000, 8000), planfix::Line(12000, 8000, 12000, 14000)})
      DrawingList.Add(e);
    DrawingList.WriteDrawingFile(dtDrawing);
    device.setOutputFormat(QPrinter::PdfFormat);
    device.setOutputFileName(QString::fromStdString(pdf));
    printer = std::make_unique<PdfPrinter>(&device);
    window.Form().SetPrinter(printer.get());
  }
  void TearDown() override { window.Form().SetPrinter(nullptr); }

  // Prints the ground floor at 1:100, walls only, and measures its ink.
  Ink PrintedPlan(const std::string& stem, int32 weight = dlg::lineweight::Thin) {
    print.Answer([weight](dlg::TTFPlanprintdlg& d) {
      d.scale = 100;
      d.lineWeight = weight;
      d.hideDimensions = 1;
      d.showScale = 0;
    });
    window.Form().CmPrintExecute();
    return InkOf(Rasterise(pdf, 1, dir.Root() + "/" + stem));
  }
  // The ground floor printed on a sheet of the size and orientation, its
  // scale text shown or not; the question asked, if any, is answered No.
  void PrintOn(QPageSize::PageSizeId sheet, QPageLayout::Orientation turn, int32 scale,
               int32 showScale) {
    device.setPageSize(QPageSize(sheet));
    device.setPageOrientation(turn);
    print.Answer([scale, showScale](dlg::TTFPlanprintdlg& d) {
      d.scale = scale;
      d.showScale = showScale;
    });
    window.Form().CmPrintExecute();
  }
  PlanWindow& Plan() { return *window.PlanWindows().front(); }
};

TEST_F(RealWindow, APdfPrintsAtItsOwnResolutionAndAWallMeasuresTrueToScale) {
  // Made at the screen's resolution, the PDF still prints at its own.
  EXPECT_EQ(printer->Page().dpiX, QtPrinter::kPdfResolution);

  // 16 m at 1:100 is 160 mm on paper, 6 m is 60 mm.
  const double perMm = kRasterDpi / 25.4;
  const Ink plain = PrintedPlan("plain");
  EXPECT_NEAR(plain.Width(), 160 * perMm, 2);
  EXPECT_NEAR(plain.Height(), 60 * perMm, 2);
  EXPECT_GE(plain.thickness, 1);
  // The plan stands in the middle of the page.
  const QImage page = Rasterise(pdf, 1, dir.Root() + "/again");
  EXPECT_NEAR((plain.left + plain.right) / 2.0, page.width() / 2.0, 3);

  // Line weights are true to the paper too: a thick line is 0.5 mm.
  const Ink thick = PrintedPlan("thick", dlg::lineweight::Thick);
  EXPECT_NEAR(thick.thickness, 0.5 * perMm, 1.5);
  EXPECT_NEAR(thick.Width(), 160 * perMm, 2);

  // A printer that prints 2 % short is corrected.
  dir.WriteFile("CFG\\PRNTCALM.CFG", "1.02\n");
  const Ink calibrated = PrintedPlan("calibrated");
  EXPECT_NEAR(calibrated.Width(), 160 * 1.02 * perMm, 2);
  EXPECT_NEAR(calibrated.Height(), 60 * 1.02 * perMm, 2);
}

TEST_F(RealWindow, ASplitPrintGivesMoreThanOnePage) {
  split.Answer([](dlg::TTSplitdlg& d) {
    d.scale = 50;  // 320 mm wide: two A4 pages across
    d.hideDimensions = 1;
  });
  window.Form().CmPrintssplitExecute();
  EXPECT_EQ(PageCount(pdf), 2);
  // The wall runs off the right of the first page and on from the left of
  // the second.
  const Ink first = InkOf(Rasterise(pdf, 1, dir.Root() + "/one"));
  const Ink second = InkOf(Rasterise(pdf, 2, dir.Root() + "/two"));
  const QImage page = Rasterise(pdf, 1, dir.Root() + "/size");
  EXPECT_GE(first.right, page.width() - 2);
  EXPECT_LE(second.left, 1);
}

// A PDF the disk cannot take whole is a failed print, told with the reason;
// the PDF printed before stays as it was, and the program goes on: the
// next print writes it, and the window closes when asked.
TEST_F(RealWindow, APdfTheDiskCannotTakeIsToldAsAFailedPrintAndNothingIsCut) {
  const std::string folder = dir.Root() + "/PRINTS";
  std::filesystem::create_directory(folder);
  const std::string file = pdf = folder + "/plan.pdf";
  device.setOutputFileName(QString::fromStdString(file));
  PrintedPlan("first");
  const std::string before = plat::ReadWholeFile(file).value_or("");
  ASSERT_GT(before.size(), 1000u);

  plat::SimulateWriteFailure(folder, ENOSPC);
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbCancel, plat::mrCancel)
      .WithText("the drawing could not be printed: cannot write " + file +
                " (No space left on device)");
  PrintedPlan("failed", dlg::lineweight::Thick);
  plat::SimulateWriteFailure("", 0);
  EXPECT_EQ(plat::ReadWholeFile(file).value_or(""), before);
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    EXPECT_EQ(entry.path().filename(), "plan.pdf") << "nothing left beside it";

  const Ink thick = PrintedPlan("again", dlg::lineweight::Thick);
  EXPECT_NE(plat::ReadWholeFile(file).value_or(""), before);
  EXPECT_NEAR(thick.Width(), 160 * kRasterDpi / 25.4, 2);
  window.close();
  EXPECT_FALSE(window.isVisible());
}

// A page after the first that cannot be started gives up the whole PDF:
// the file printed before at the path stays byte for byte, none is made
// where there was none, and the failure is told.
TEST_F(RealWindow, APdfWhosePageCannotBeStartedLeavesTheEarlierFileAsItWas) {
  auto splitPrint = [&](int32 weight) {
    split.Answer([weight](dlg::TTSplitdlg& d) {
      d.scale = 50;  // two A4 pages across
      d.lineWeight = weight;
    });
    window.Form().CmPrintssplitExecute();
  };
  splitPrint(dlg::lineweight::Thin);
  ASSERT_EQ(PageCount(pdf), 2);
  const std::string before = plat::ReadWholeFile(pdf).value_or("");

  printer->failAtPage = 2;
  for (const bool earlier : {true, false}) {
    if (!earlier) std::filesystem::remove(pdf);
    ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbCancel, plat::mrCancel)
        .WithText("the drawing could not be printed");
    splitPrint(dlg::lineweight::Thick);
    EXPECT_TRUE(plat::ReadWholeFile(pdf) == (earlier ? std::optional(before) : std::nullopt))
        << (earlier ? "the earlier PDF was written over" : "a PDF was made");
  }
}

// A house 10 x 8 m as the program's tools make it: external walls traced
// and built, the Dimensions command, four rooms finished into walls with
// their names, sizes and dimensions, and the drawing title under the plan.
class PrintedHouse : public RealWindow {
 protected:
  void SetUp() override {
    RealWindow::SetUp();
    newDrawing.Answer([](dlg::TTNewdlg& d) { d.name = "HOME"; });
    window.Form().CmFilenewExecute();
    TraceOutline({{10000, 8000}, {10000, 16000}, {20000, 16000}, {20000, 8000}});
    TExtwallobjtool build;
    build.Command(extwallcmd::BuildFromOutline);
    CurrentView = view::Ground;
    ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbOK, plat::mrOk).Containing("Area");
    window.Form().CmDimensionsExecute();
    // The rooms inside the walls, wherever the Dimensions command has
    // centred them.
    int32 left = INT32_MAX, bottom = INT32_MAX;
    for (int32 i = 6; i < DrawingList.Count(); ++i) {
      const TObj& e = *DrawingList.At(i);
      if (e.Kind != kind::ExtWall) continue;
      left = std::min({left, e.X1, e.X2});
      bottom = std::min({bottom, e.Y1, e.Y2});
    }
    cfg::Write(ProgramFile(cfgfile::NewRoom), "2 1");
    plat::RecordingDC dc;
    const char* names[] = {"LOUNGE", "BED", "BATH", "KITCHEN"};
    for (int32 room = 0; room < 4; ++room) {
      TDRoomobjtool tool;
      tool.X1 = left + 540 + room % 2 * 4800;
      tool.X2 = tool.X1 + 4600;
      tool.Y1 = bottom + 7940 - room / 2 * 3800;
      tool.Y2 = tool.Y1 - 3600;
      DrawingList.SetNewRoomName(names[room]);
      tool.AddElement(dc, window.Form().ActiveChild()->ClientRect());
    }
    window.Form().CmFinishRoomsExecute();
    DrawingList.BuildTitleBlock();
  }
};

// The question comes when, and only when, something the print puts on the
// paper would be cut off it, the scale text under the plan too, and tells
// how much: measured against the same print on the next larger sheet, whose
// middle is where the small sheet's middle would be (the plan stands on the
// middle of either). The band below the title prints nothing and counts
// for nothing.
TEST_F(PrintedHouse, TheFitQuestionComesExactlyWhenThePrintWouldBeCutAndSaysByHowMuch) {
  struct Case {
    QPageSize::PageSizeId sheet;
    QPageLayout::Orientation turn;
    int32 scale;
    int32 showScale;
    const char* cut;  // the directions cut off, as the house falls
  };
  constexpr auto A4 = QPageSize::A4, A3 = QPageSize::A3;
  constexpr auto kPortrait = QPageLayout::Portrait, kLandscape = QPageLayout::Landscape;
  for (const Case& c : {Case{A4, kPortrait, 50, 1, "wide"}, Case{A4, kLandscape, 50, 1, "tall"},
                        Case{A4, kPortrait, 45, 1, "wide tall"},
                        Case{A4, kLandscape, 70, 1, "tall"},  // the scale text alone
                        Case{A4, kLandscape, 60, 0, "tall"}, Case{A4, kPortrait, 65, 1, ""},
                        Case{A3, kPortrait, 35, 1, "wide"}, Case{A3, kLandscape, 35, 1, "tall"},
                        Case{A3, kPortrait, 30, 1, "wide tall"}}) {
    const bool portrait = c.turn == kPortrait;
    SCOPED_TRACE(std::string(c.sheet == A4 ? "A4 " : "A3 ") +
                 (portrait ? "portrait" : "landscape") + " 1 : " + std::to_string(c.scale) +
                 (c.showScale ? " with" : " without") + " the scale text");
    PrintOn(c.sheet == A4 ? A3 : QPageSize::A2, c.turn, c.scale, c.showScale);
    const auto [wide, tall] = CutOffBy(c.sheet, c.turn, Rasterise(pdf, 1, dir.Root() + "/whole"));
    const std::string cut = std::string(wide > 0 ? "wide" : "") +
                            (wide > 0 && tall > 0 ? " " : "") + (tall > 0 ? "tall" : "");
    ASSERT_EQ(cut, c.cut);

    std::filesystem::remove(pdf);
    const std::size_t asked = ui.Log().size();
    if (!cut.empty()) ui.ExpectQuestion(plat::mrNo).Containing("does not fit on the page");
    PrintOn(c.sheet, c.turn, c.scale, c.showScale);
    ASSERT_EQ(ui.Log().size(), asked + (cut.empty() ? 0 : 1));
    if (cut.empty()) {
      EXPECT_TRUE(std::filesystem::exists(pdf));
      continue;
    }
    EXPECT_FALSE(std::filesystem::exists(pdf));
    const std::string question = ui.Log().back().text;
    EXPECT_NEAR(Told(question, "wide"), wide, 1.0) << question;
    EXPECT_NEAR(Told(question, "tall"), tall, 1.0) << question;
  }
}

// A house drawn as a new user would: its partitions keep faces of no length
// at the sheet's corner, far off the house, which print nothing and count
// for nothing. On A4 it fits at 1 : 80 and prints without a word; at 1 : 50
// the question tells what the paper really cuts off.
TEST_F(RealWindow, TheFitQuestionCountsOnlyWhatPrints) {
  std::filesystem::copy_file(std::string(TW_SOURCE_DIR) + "/tests/data/fit-question-house.kwv",
                             dir.Path("DWGS\\SKETCH.KWV"));
  ASSERT_TRUE(window.Form().OpenNamedDrawing("SKETCH"));
  PrintOn(QPageSize::A4, QPageLayout::Portrait, 80, 1);
  EXPECT_TRUE(std::filesystem::exists(pdf));

  PrintOn(QPageSize::A3, QPageLayout::Portrait, 50, 1);
  const auto [wide, tall] =
      CutOffBy(QPageSize::A4, QPageLayout::Portrait, Rasterise(pdf, 1, dir.Root() + "/whole"));
  ASSERT_GT(wide, 0);
  std::filesystem::remove(pdf);
  ui.ExpectQuestion(plat::mrNo).Containing("does not fit on the page");
  PrintOn(QPageSize::A4, QPageLayout::Portrait, 50, 1);
  EXPECT_FALSE(std::filesystem::exists(pdf));
  const std::string question = ui.Log().back().text;
  EXPECT_NEAR(Told(question, "wide"), wide, 1.0) << question;
  EXPECT_NEAR(Told(question, "tall"), tall, 1.0) << question;
}

TEST_F(RealWindow, ExportedPicturesAreWhatTheWindowShows) {
  Plan().Canvas()->UpdateWindow();
  saveAs.Answer([](dlg::Tsavescreen& d) { d.Edit1 = "FRONT"; });
  ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbOK, plat::mrOk).Containing("'.PNG' saved");
  window.Form().CmPngExecute();
  saveAs.Answer([](dlg::Tsavescreen& d) { d.Edit1 = "FRONT"; });
  ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbOK, plat::mrOk).Containing("'.BMP' saved");
  window.Form().CmBmpExecute();

  const QImage shown = Plan().Canvas()->Buffer().convertToFormat(QImage::Format_RGB32);
  for (const char* file : {"EXPORT/FRONT.PNG", "EXPORT/FRONT.BMP"}) {
    QImageReader reader(QString::fromStdString(dir.Root() + "/" + file));
    const QImage picture = reader.read().convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(picture.isNull()) << file << ": " << reader.errorString().toStdString();
    EXPECT_EQ(picture.size(), shown.size()) << file;
    EXPECT_EQ(picture, shown) << file;
    // Something of the plan is in it, not a blank window.
    int ink = 0;
    for (int x = 0; x < picture.width(); ++x)
      for (int y = 0; y < picture.height(); ++y) ink += picture.pixel(x, y) != picture.pixel(0, 0);
    EXPECT_GT(ink, 100) << file;
  }
}

// The picture is taken as the window shows it, painted again first only
// when it is not what the paint drew: a ghost drawn through the window's
// device context (as tools draw rubber bands) is never exported.
TEST_F(RealWindow, AnExportTakesThePaintedPictureAndNeverAGhost) {
  plat::BackbufferWidget& canvas = *Plan().Canvas();
  canvas.UpdateWindow();
  const QImage painted = canvas.Buffer().copy();
  auto exported = [&](const char* name, bool png) {
    saveAs.Answer([name](dlg::Tsavescreen& d) { d.Edit1 = name; });
    ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbOK, plat::mrOk).Containing("saved");
    if (png)
      window.Form().CmPngExecute();
    else
      window.Form().CmBmpExecute();
    const std::string file = dir.Root() + "/EXPORT/" + name + (png ? ".PNG" : ".BMP");
    return QImageReader(QString::fromStdString(file)).read().convertToFormat(QImage::Format_RGB32);
  };
  auto ghost = [&] {
    plat::WindowDC dc(canvas);
    dc->SetROP2(plat::R2_XORPEN);
    dc->SelectPen({plat::PS_SOLID, 0, plat::RGB(255, 255, 255)});
    dc->MoveTo(0, 30);
    dc->LineTo(canvas.width(), 30);
  };
  {
    FileTraffic traffic;
    EXPECT_EQ(exported("SHOWN", true), painted);
    EXPECT_EQ(traffic.Reads("HOUSE.KWV"), 0) << "not painted again";
  }
  canvas.InvalidateRect(nullptr);
  EXPECT_EQ(exported("INVALID", true), painted);
  for (const bool png : {true, false}) {
    ghost();
    ASSERT_NE(canvas.Buffer(), painted);
    EXPECT_EQ(exported("GHOST", png), painted) << png;
  }
}

TEST_F(RealWindow, TheMenusOfferPrintingExportAndHelp) {
  for (const char* text : {"Print...", "Split Print...", "Printer Calibration...",
                           "Export Picture as BMP...", "Export Picture as PNG...",
                           "Help on This Function", "Group Drawing"}) {
    QAction* a = window.Command(text);
    ASSERT_NE(a, nullptr) << text;
    EXPECT_TRUE(a->isEnabled()) << text;
  }
  EXPECT_EQ(window.Command("Help on This Function")->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST(PrintDialogOffscreen, HelpWithoutAViewerSaysSo) {
  ScratchProgramDir dir;  // no viewer in it
  dlg::QtFormRunner runner;
  dlg::FormRunner* previous = dlg::InstallFormRunner(&runner);
  dlg::TTSplitdlg split;
  QString told;
  QTimer::singleShot(0, [&] {
    QDialog* form = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(form, nullptr);
    QTimer::singleShot(0, [&, form] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      told = box->text();
      box->accept();
      QTimer::singleShot(0, [form] {
        form->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
      });
    });
    form->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Help)->click();
  });
  EXPECT_FALSE(dlg::ShowModal(split));
  EXPECT_EQ(told, "no help viewer is installed to show the page split.htm");
  dlg::InstallFormRunner(previous);
}

}  // namespace
