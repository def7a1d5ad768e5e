// Printing as a user goes through it: the print dialogs and what they keep,
// the chosen floors on their own pages, a plan too big for the page, a plan
// split across pages, the calibration and its effect on a printed length,
// a printer failing half-way, and the state every print leaves behind.
// Also the context help the Help menu and F1 open.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <set>
#include <thread>

#include "dialogs/printdlg.h"
#include "model/flist.h"
#include "planwindow/childwin.h"
#include "platform/keys.h"
#include "shell/printing.h"
#include "storage/record_codec.h"
#include "tests/file_traffic.h"
#include "tests/planwindow_fixture.h"

namespace {

using planfix::ExtWall;
using planfix::ShellTest;

constexpr const char* kLive = "DWGS\\HOUSE.KWV";
constexpr const char* kFailed = "the drawing could not be printed";
// 1 mm on paper at 300 pixels per inch.
constexpr double kPixelsPerMm = 300 / 25.4;

class PrintCommands : public ShellTest {
 protected:
  plat::ScriptedUi& ui = DefaultTestUi();
  dlg::InstalledScript<dlg::TTGrpprintdlg> groupPrint;
  dlg::InstalledScript<dlg::TTSplitdlg> split;
  dlg::InstalledScript<dlg::TTPrintcaldlg> calibration;

  void SetUp() override {
    ShellTest::SetUp();
    NewDrawing("HOUSE");
    // A ground floor 4000 wide and 3000 deep.
    Edit(ExtWall(18000, 14000, 22000, 14000));
    Edit(ExtWall(22000, 14000, 22000, 11000));
    Edit(ExtWall(22000, 11000, 18000, 11000));
    Edit(ExtWall(18000, 11000, 18000, 14000));
  }

  // OK on the plan print dialog at a scale, the floors left as offered.
  void AnswerPrint(int32 scale, std::function<void(dlg::TTFPlanprintdlg&)> more = {}) {
    print.Answer([=](dlg::TTFPlanprintdlg& d) {
      d.scale = scale;
      if (more) more(d);
    });
  }
  // The longest horizontal line of a page, in pixels.
  static int LongestLine(const std::vector<plat::DcRecord>& records) {
    int longest = 0;
    for (const auto& r : records)
      if (r.op == plat::DcOp::Line && r.from.y == r.to.y)
        longest = std::max(longest, std::abs(r.to.x - r.from.x));
    return longest;
  }
  int UndoSteps() const {
    int n = 0;
    for (int32 v : DrawingList.UndoViews) n += v != 0 ? 1 : 0;
    return n;
  }
};

TEST_F(PrintCommands, TheChosenFloorsPrintOnAPageEachInOneDocument) {
  Edit(ExtWall(18000, 14000, 21000, 14000, view::First));
  AnswerPrint(100, [](dlg::TTFPlanprintdlg& d) {
    d.first = 1;
    d.second = 1;  // nothing is drawn there: left out
  });
  form->CmPrintExecute();

  ASSERT_EQ(print.Asked(), 1);
  EXPECT_TRUE(print.Shown()[0].offerFloors);
  EXPECT_EQ(print.Shown()[0].ground, 1);
  EXPECT_EQ(printer.documents, 1);
  ASSERT_EQ(printer.pages, 2);
  // 4000 mm of wall at 1:100 is 40 mm on paper; the first floor's 3000 mm, 30.
  EXPECT_NEAR(LongestLine(printer.PageRecords(0)), 40 * kPixelsPerMm, 2);
  EXPECT_NEAR(LongestLine(printer.PageRecords(1)), 30 * kPixelsPerMm, 2);
  EXPECT_EQ(CurrentView, view::Ground);
}

TEST_F(PrintCommands, TheFloorShownIsOfferedTickedAndAtLeastOneFloorIsNeeded) {
  ui.ExpectQuestion(plat::mrYes).WithText("do you wish to save drawing changes?");
  ui.ExpectQuestion(plat::mrNo).WithText(
      "Will the outside wall dimensions be the same as the ground floor?");
  form->CmPlan1Execute();
  Edit(ExtWall(18000, 14000, 21000, 14000, view::First));
  print.Answer([](dlg::TTFPlanprintdlg& d) {
    d.ground = d.first = d.second = d.third = d.basement = 0;
  });
  form->CmPrintExecute();
  EXPECT_EQ(print.Shown()[0].first, 1);
  EXPECT_EQ(print.Refused(), 1);
  EXPECT_EQ(print.LastRefusal(), dlg::kNoFloorChosen);
  EXPECT_EQ(printer.documents, 0);
}

TEST_F(PrintCommands, AScaleOfZeroOrBelowIsRefused) {
  for (int32 scale : {0, -100}) AnswerPrint(scale);
  form->CmPrintExecute();
  form->CmPrintExecute();
  EXPECT_EQ(print.Refused(), 2);
  EXPECT_EQ(print.LastRefusal(), "print scale (1 in) 1 to 5000 input is incorrect");
  EXPECT_EQ(printer.documents, 0);
  EXPECT_FALSE(dir.Exists("DWGS\\HOUSE.BAK"));
}

TEST_F(PrintCommands, TheChoicesAreKeptAndOfferedNextTime) {
  AnswerPrint(50, [](dlg::TTFPlanprintdlg& d) {
    d.lineWeight = dlg::lineweight::Thick;
    d.textSize = dlg::textsize::Large;
    d.wallStyle = dlg::wallprint::Hatched;
    d.hideDimensions = 1;
    d.showScale = 0;
    d.verticalText = 1;
  });
  form->CmPrintExecute();
  EXPECT_EQ(dir.ReadFile("CFG\\PRINT.CFG"), "1 1 1 3 3 50 0 1 0 0 0 0\n");

  print.Answer();
  form->CmPrintExecute();
  ASSERT_EQ(print.Asked(), 2);
  const dlg::TTFPlanprintdlg& again = print.Shown()[1];
  EXPECT_EQ(again.scale, 50);
  EXPECT_EQ(again.lineWeight, dlg::lineweight::Thick);
  EXPECT_EQ(again.textSize, dlg::textsize::Large);
  EXPECT_EQ(again.wallStyle, dlg::wallprint::Hatched);
  EXPECT_EQ(again.hideDimensions, 1);
  EXPECT_EQ(again.showScale, 0);
  EXPECT_EQ(again.verticalText, 1);
}

TEST_F(PrintCommands, APlanTooBigForThePageIsSaidSoBeforeAnythingIsPrinted) {
  Edit(ExtWall(18000, 14000, 48000, 14000));  // 30 m: 300 mm at 1:100
  const std::string before = dir.ReadFile(kLive);
  const int steps = UndoSteps();
  AnswerPrint(100);
  // 300 mm and the pen's width on a page 210 mm wide.
  ui.ExpectQuestion(plat::mrNo)
      .WithText("the ground floor does not fit on the page at scale 1 : 100 - it is 90 mm too "
                "wide on the paper.\nChoose a smaller scale (a larger number), or the other "
                "paper orientation in the print dialog.\nPrint it all the same?");
  form->CmPrintExecute();
  EXPECT_EQ(printer.documents, 0);
  EXPECT_FALSE(dir.Exists("DWGS\\HOUSE.BAK"));
  EXPECT_EQ(UndoSteps(), steps);
  EXPECT_EQ(dir.ReadFile(kLive), before);

  AnswerPrint(100);
  ui.ExpectQuestion(plat::mrYes).Containing("does not fit");
  form->CmPrintExecute();
  EXPECT_EQ(printer.documents, 1);

  AnswerPrint(200);  // 150 mm: it fits
  form->CmPrintExecute();
  EXPECT_EQ(printer.documents, 2);
}

// An imperial plan's cut is told to the nearest tenth of an inch, and never
// as none: A4 is 8.27 inches wide, and at 1 : 48 an inch of paper holds 1152
// drawing units (1/24 inch each).
TEST_F(PrintCommands, AnImperialPlanTooBigIsToldToTheNearestTenthOfAnInch) {
  MetricUnits = 0;
  struct Case {
    // A line about the plan's middle: with its pen, 0.02 and 1.23 inches
    // wider than the sheet.
    int32 length;
    const char* told;
  };
  for (const Case& c : {Case{9535, "0.1 inches too wide"}, Case{10920, "1.2 inches too wide"}}) {
    Edit(planfix::Line(20000 - c.length / 2, 12500, 20000 + c.length / 2, 12500));
    AnswerPrint(48, [](dlg::TTFPlanprintdlg& d) { d.showScale = 0; });
    ui.ExpectQuestion(plat::mrNo).Containing(c.told);
    form->CmPrintExecute();
  }
}

TEST_F(PrintCommands, ThePrintedLengthFollowsTheScaleAndTheCalibration) {
  struct Case {
    const char* calibration;  // the file's text, null for none
    int32 scale;
    double millimetres;
  };
  for (const Case& c : {Case{nullptr, 100, 40}, Case{"1.05\n", 100, 42}, Case{"0.9\n", 50, 72},
                        Case{"3.0\n", 100, 40} /* out of range: ignored */}) {
    if (c.calibration)
      dir.WriteFile("CFG\\PRNTCALM.CFG", c.calibration);
    AnswerPrint(c.scale);
    form->CmPrintExecute();
    EXPECT_NEAR(LongestLine(printer.printed), c.millimetres * kPixelsPerMm, 2)
        << (c.calibration ? c.calibration : "none") << " at 1:" << c.scale;
  }
  // Imperial drawings read their own file.
  EXPECT_DOUBLE_EQ(PrintCalibration(), 1.0);
  MetricUnits = 0;
  EXPECT_DOUBLE_EQ(PrintCalibration(), 1.0);
  dir.WriteFile("CFG\\PRNTCALI.CFG", "1.1\n");
  EXPECT_DOUBLE_EQ(PrintCalibration(), 1.1);
  // 1/24 inch units: 48 inches at 1:48 print one inch.
  EXPECT_DOUBLE_EQ(PrinterPixelsPerUnit(300, 48, 1.0, 0) * 48 * 24, 300);
}

TEST_F(PrintCommands, APrintRunsWithItsOwnWallStyleAndLeavesTheScreensAsTheyWere) {
  WallDisplayMode = 12;  // hatched walls with the other floors overlaid
  ZoomUnits = 5;
  const std::string before = dir.ReadFile(kLive);
  AnswerPrint(100, [](dlg::TTFPlanprintdlg& d) { d.wallStyle = dlg::wallprint::Solid; });
  form->CmPrintExecute();
  // An overlay mode prints nothing: the print ran with its own mode.
  EXPECT_GT(LongestLine(printer.printed), 0);
  EXPECT_EQ(WallDisplayMode, 12);
  EXPECT_EQ(ZoomUnits, 5);
  EXPECT_EQ(TextScale, 0);
  EXPECT_EQ(CurrentView, view::Ground);
  EXPECT_EQ(dir.ReadFile(kLive), before);
  EXPECT_EQ(DrawingList.Count(), 6 + 4);
}

TEST_F(PrintCommands, AWallAsLongAsAFileCanHoldPrintsOnlyWhatThePageShows) {
  // A page spans about 10000 logical units across and down at 1:100
  // (0.59 pixels each): hatched, each band of a wall shows at most a pair
  // of lines every 125 units of it, whatever its length.
  constexpr int32 kFar = 2000000000;
  const double pageUnits = (printer.pixels.cx + printer.pixels.cy) / kPixelsPerMm * 100 / 5;
  const int bound = int(2 * 2 * pageUnits / 125) + 100;
  const int32 codes[4] = {};
  auto angled = [] {
    TExtwallobj* w = ExtWall(-kFar, -kFar, kFar, kFar);
    w->Angle = 450;
    return w;
  };
  const std::function<TObj*()> walls[] = {
      [] { return ExtWall(-kFar, 14000, kFar, 14000); },
      [] { return ExtWall(20000, kFar, 20000, -kFar); },
      angled,
      [&] {
        return new TInwallobj(kind::InWall, view::Ground, 8, 0, 1, -kFar, 0, 12000, kFar, 0,
                              12000, -kFar, 0, 12100, kFar, 12100, 0, 0, 0, 100, 0, 0, 0, 0, 0, 0,
                              0, 0, 0, 0, codes);
      },
  };
  int drawing = 0;
  for (const auto& wall : walls) {
    NewDrawing("FAR" + std::to_string(++drawing));
    Edit(wall());
    AnswerPrint(100, [](dlg::TTFPlanprintdlg& d) { d.wallStyle = dlg::wallprint::Hatched; });
    ui.ExpectQuestion(plat::mrYes).Containing("does not fit");
    form->CmPrintExecute();
    ASSERT_EQ(printer.documents, drawing);
    EXPECT_GT(printer.printed.size(), 2u) << "wall " << drawing;
    EXPECT_LT(printer.printed.size(), std::size_t(bound)) << "wall " << drawing;
  }
}

// A page that cannot be started abandons the whole document: the one kept
// before stays the last printed, the failure is told, and the program's
// state is put back. Both commands whose documents have more than one page.
TEST_F(PrintCommands, APrinterFailingHalfWayKeepsNothingIsReportedAndEverythingIsPutBack) {
  Edit(ExtWall(18000, 14000, 21000, 14000, view::First));
  const std::string before = dir.ReadFile(kLive);
  const std::function<void()> commands[] = {
      [&] {  // the ground and the first floor on a page each
        AnswerPrint(100, [](dlg::TTFPlanprintdlg& d) { d.first = 1; });
        form->CmPrintExecute();
      },
      [&] {  // the ground floor on four pages
        split.Answer([](dlg::TTSplitdlg& d) {
          d.scale = 10;
          d.showScale = 0;  // which would fall off these pages
        });
        form->CmPrintssplitExecute();
      },
  };
  for (const auto& command : commands) {
    printer.failAtPage = 0;
    command();
    const std::vector<plat::DcRecord> kept = printer.printed;
    const int documents = printer.documents;
    ASSERT_GT(printer.pages, 1);

    printer.failAtPage = 2;
    ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbCancel, plat::mrCancel).WithText(kFailed);
    command();
    EXPECT_EQ(printer.pages, 1);
    EXPECT_EQ(printer.documents, documents);
    EXPECT_TRUE(printer.printed == kept) << "the document kept before is the last printed";
    EXPECT_EQ(CurrentView, view::Ground);
    EXPECT_EQ(TextScale, 0);
    // The scale texts of the print are gone again.
    EXPECT_EQ(dir.ReadFile(kLive), before);
    EXPECT_EQ(DrawingList.Count(), 6 + 5);
  }
  EXPECT_EQ(printer.abandoned, 2);
}

TEST_F(PrintCommands, NoPrinterPagesIsReported) {
  printer.pixels = {0, 0};
  AnswerPrint(100);
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbCancel, plat::mrCancel).WithText(kFailed);
  form->CmPrintExecute();
  EXPECT_EQ(printer.documents, 0);
}

TEST_F(PrintCommands, ASplitPrintTakesAsManyPagesAsThePlanNeedsAndTheyMeet) {
  split.Answer([](dlg::TTSplitdlg& d) { d.scale = 10; });
  // The scale text, which a split print moves 2400 units left off the
  // pages' seam, falls beyond the left pages at 1:10; the plan fits them.
  ui.ExpectQuestion(plat::mrYes)
      .Containing("the scale text of the ground floor does not fit on the page at scale 1 : 10");
  form->CmPrintssplitExecute();
  // 4000 x 3000 at 1:10 is 400 x 300 mm: two A4 pages across, two down.
  EXPECT_EQ(printer.documents, 1);
  ASSERT_EQ(printer.pages, 4);
  // A wall on the lower two pages lies shifted by exactly one page width
  // from the one to the other.
  auto bottomWall = [&](int page) {
    for (const auto& r : printer.PageRecords(page))
      if (r.op == plat::DcOp::Line && r.from.y == r.to.y && std::abs(r.to.x - r.from.x) > 4000)
        return r;
    return plat::DcRecord{};
  };
  const plat::DcRecord left = bottomWall(2), right = bottomWall(3);
  ASSERT_NE(left.from.x, 0);
  EXPECT_NEAR(left.from.x - right.from.x, printer.pixels.cx, 1);
  EXPECT_EQ(left.from.y, right.from.y);
  EXPECT_NEAR(std::abs(left.to.x - left.from.x), 400 * kPixelsPerMm, 2);
  // The plan's middle is the middle of the four pages.
  const double middle = (left.from.x + left.to.x) / 2.0;
  EXPECT_NEAR(middle, printer.pixels.cx, 2);
  EXPECT_EQ(CurrentView, view::Ground);
  EXPECT_EQ(dir.ReadFile("CFG\\PRINT.CFG").substr(0, 16), "0 0 0 2 2 10 1 1");
}

TEST_F(PrintCommands, ASplitPrintOfFarTooManyPagesIsRefused) {
  split.Answer([](dlg::TTSplitdlg& d) { d.scale = 1; });
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbCancel, plat::mrCancel)
      .Containing("pages at scale 1 : 1 - choose a smaller scale");
  form->CmPrintssplitExecute();
  EXPECT_EQ(printer.documents, 0);
}

TEST_F(PrintCommands, TheGroupDrawingHasItsOwnDialogAndPrintsOnOnePage) {
  ui.ExpectQuestion(plat::mrYes).WithText("do you wish to save drawing changes?");
  form->CmGroupExecute();
  ASSERT_EQ(CurrentView, view::Group);
  // Under the sheet's middle, where the scale text of a drawing without a
  // title stands.
  DrawingList.Add(ExtWall(19000, 5000, 21000, 5000, view::Group));
  DrawingList.WriteGroupFile();
  groupPrint.Answer([](dlg::TTGrpprintdlg& d) { d.scale = 100; });
  form->CmPrintExecute();
  EXPECT_EQ(print.Asked(), 0);
  EXPECT_EQ(printer.pages, 1);
  EXPECT_NEAR(LongestLine(printer.printed), 20 * kPixelsPerMm, 2);
  EXPECT_EQ(CurrentView, view::Group);

  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbCancel, plat::mrCancel)
      .WithText("the group drawing prints on one page only");
  form->CmPrintssplitExecute();
  EXPECT_EQ(printer.documents, 1);
}

// A print reads the drawing once and prints every page from that read, each
// floor's shapes under its walls and texts and its scale text last. It
// writes one undo step, the live file and its backup once each and the plan
// extents once (those measured last, of the last floor printed); the live
// file and the list hold the drawing as before. A group print writes the
// group file once and leaves it as it was.
TEST_F(PrintCommands, APrintReadsTheDrawingOnceAndWritesEachFileOnce) {
  Edit(new TEllipseobj(kind::Ellipse, view::Ground, 0, 0, 19000, 0, 20000, 0, 13000, 12000,
                       plat::RGB(200, 0, 0), DrawingColour, 1, 0));
  Edit(ExtWall(18000, 14000, 21000, 14000, view::First));
  Edit(new TCircleobj(kind::Circle, view::First, 0, 0, 19000, 0, 20000, 0, 13000, 12000,
                      plat::RGB(0, 0, 200), DrawingColour, 1, 0));
  const std::string before = dir.ReadFile(kLive);
  const int steps = UndoSteps();
  auto listed = [] {
    return storage::FormatList(DrawingList, storage::HeaderFromGlobals(0), storage::PageCentre());
  };
  FileTraffic traffic;
  AnswerPrint(50, [](dlg::TTFPlanprintdlg& d) { d.first = 1; });
  form->CmPrintExecute();

  ASSERT_EQ(printer.pages, 2);
  for (int page = 0; page < 2; ++page) {
    SCOPED_TRACE(page);
    const auto records = printer.PageRecords(page);
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records.front().op, plat::DcOp::Ellipse) << "the shape first";
    EXPECT_EQ(records.back().text, "scale 1 : 50");
  }
  EXPECT_EQ(traffic.Reads("HOUSE.KWV"), 1);
  // Each at most once (a file whose bytes would not change may be left alone).
  const std::set<std::string> written{"Action0.tmp", "EXTENTS.CFG", "HOUSE.BAK", "HOUSE.KWV",
                                      "PRINT.CFG"};
  for (const auto& [name, times] : traffic.writes) {
    EXPECT_TRUE(written.count(name)) << name;
    EXPECT_EQ(times, 1) << name;
  }
  EXPECT_EQ(UndoSteps(), steps + 1);
  EXPECT_EQ(dir.ReadFile(kLive), before);
  EXPECT_EQ(dir.ReadFile("DWGS\\HOUSE.BAK"), before);
  const std::string printedListing = listed();
  const std::string extents = dir.ReadFile("CFG\\EXTENTS.CFG");
  CurrentView = view::First + view::PrintOffset;
  DrawingList.ComputePlanExtents(TFlist::esOutline);
  CurrentView = view::Ground;
  EXPECT_EQ(extents, dir.ReadFile("CFG\\EXTENTS.CFG"));
  EXPECT_EQ(printedListing, listed()) << "the list holds the live file as read";

  ui.ExpectQuestion(plat::mrYes).WithText("do you wish to save drawing changes?");
  form->CmGroupExecute();
  // Under the sheet's middle, where the scale text of a drawing without a
  // title stands.
  DrawingList.Add(ExtWall(19000, 5000, 21000, 5000, view::Group));
  DrawingList.WriteGroupFile();
  const std::string group = dir.ReadFile("DWGS\\HOUSE.GPD");
  traffic.Clear();
  groupPrint.Answer([](dlg::TTGrpprintdlg& d) { d.scale = 100; });
  form->CmPrintExecute();
  EXPECT_EQ(printer.PageRecords(0).back().text, "scale 1 : 100");
  EXPECT_EQ(traffic.Reads("HOUSE.GPD"), 1);
  EXPECT_EQ(traffic.Reads("HOUSE.KWV"), 0);
  EXPECT_LE(traffic.Writes("HOUSE.GPD"), 1);
  EXPECT_EQ(traffic.Writes("HOUSE.KWV"), 0);
  EXPECT_EQ(dir.ReadFile("DWGS\\HOUSE.GPD"), group);
}

TEST_F(PrintCommands, CalibratingPrintsTheLineAndKeepsTheFactorOfTheMeasuredLength) {
  ui.ExpectQuestion(plat::mrYes).Containing("print the calibration line first?");
  calibration.Answer([](dlg::TTPrintcaldlg& d) { d.measured = 98; });
  form->CmPrintcalExecute();
  ASSERT_EQ(calibration.Asked(), 1);
  EXPECT_DOUBLE_EQ(calibration.Shown()[0].measured, 100);
  // The line is printed uncorrected: 100 mm.
  EXPECT_NEAR(LongestLine(printer.printed), 100 * kPixelsPerMm, 1);
  EXPECT_NEAR(PrintCalibration(), 100.0 / 98, 1e-5);

  // Measured again without printing: the dialog starts from what is kept.
  ui.ExpectQuestion(plat::mrNo).Containing("calibration line");
  calibration.Answer([](dlg::TTPrintcaldlg& d) { d.measured = 250; });
  form->CmPrintcalExecute();
  EXPECT_NEAR(calibration.Shown()[1].measured, 98, 1e-3);
  EXPECT_EQ(calibration.Refused(), 1);  // 250 mm for 100 is no printer
  EXPECT_EQ(printer.documents, 1);

  // A 4000 mm wall now prints 40 x 100 / 98 mm long.
  AnswerPrint(100);
  form->CmPrintExecute();
  EXPECT_NEAR(LongestLine(printer.printed), 40 * 100.0 / 98 * kPixelsPerMm, 2);
}

TEST_F(PrintCommands, ImperialCalibrationMeasuresInches) {
  MetricUnits = 0;
  ui.ExpectQuestion(plat::mrNo).Containing("calibration line");
  calibration.Answer([](dlg::TTPrintcaldlg& d) { d.measured = 4.1; });
  form->CmPrintcalExecute();
  EXPECT_EQ(calibration.Shown()[0].metric, 0);
  EXPECT_NEAR(PrintCalibration(), 4 / 4.1, 1e-5);
  EXPECT_FALSE(dir.Exists("CFG\\PRNTCALM.CFG"));
}

// ---- Context help -----------------------------------------------------------------------

class ContextHelp : public ShellTest {
 protected:
  plat::ScriptedUi& ui = DefaultTestUi();
};

TEST_F(ContextHelp, EachFunctionGroupHasItsPage) {
  struct Case {
    int32 function;
    const char* page;
  };
  for (const Case& c : {Case{func::File, "file.htm"}, Case{func::Zoom, "zoom.htm"},
                        Case{func::Walls + 2, "walls.htm"}, Case{func::Print, "print.htm"},
                        Case{func::PickTool, "start.htm"}, Case{0, "contents.htm"},
                        Case{999, "contents.htm"}})
    EXPECT_STREQ(TMainForm::HelpPage(c.function), c.page) << c.function;
}

TEST_F(ContextHelp, F1StartsTheViewerOnThePageWithoutWaitingForIt) {
  NewDrawing("HOUSE");
  CurrentFunction = func::File;
  form->ShowContextHelp();
  EXPECT_EQ(form->st.PanelText(panel::Guide),
            "GUIDE: no help viewer is installed to show the page file.htm");

  // A viewer that notes its command line, then takes its time.
  const std::string noted = dir.Root() + "/asked.txt";
  dir.WriteFile("help", "#!/bin/sh\necho \"$@\" > asked.tmp && mv asked.tmp asked.txt\nsleep 2\n");
  std::filesystem::permissions(dir.Path("help"), std::filesystem::perms::owner_all);
  CurrentFunction = func::Print;
  const auto start = std::chrono::steady_clock::now();
  Child().FormKeyDown(plat::VK_F1, false);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  for (int i = 0; i < 200 && !std::filesystem::exists(noted); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  std::string line = dir.ReadFile("asked.txt");
  EXPECT_EQ(line, "page print.htm\n");
}

}  // namespace
