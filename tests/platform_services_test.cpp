// Text conversion, the status bar, the manual timer and the help viewer.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <thread>

#include "platform/services.h"
#include "tests/test_support.h"

using plat::StrToIntDef;

TEST(PlatformStrToIntDef, AcceptsOnlyAWholeSignedDecimal) {
  EXPECT_EQ(StrToIntDef("42", 0), 42);
  EXPECT_EQ(StrToIntDef("-17", 0), -17);
  EXPECT_EQ(StrToIntDef("+8", 0), 8);
  EXPECT_EQ(StrToIntDef("  12  ", 0), 12);
  EXPECT_EQ(StrToIntDef("007", 0), 7);
  EXPECT_EQ(StrToIntDef("0", 5), 0);
}

TEST(PlatformStrToIntDef, AnythingElseGivesTheDefault) {
  for (const char* bad : {"", " ", "-", "+", "12a", "a12", "1 2", "1.5", "--3", "0x10", "1e3"})
    EXPECT_EQ(StrToIntDef(bad, -99), -99) << '"' << bad << '"';
  EXPECT_EQ(plat::StrToInt0("ten"), 0);
}

TEST(PlatformStrToIntDef, ValuesBeyond32BitsGiveTheDefault) {
  EXPECT_EQ(StrToIntDef("2147483647", 0), 2147483647);
  EXPECT_EQ(StrToIntDef("-2147483648", 0), -2147483647 - 1);
  EXPECT_EQ(StrToIntDef("2147483648", 1), 1);
  EXPECT_EQ(StrToIntDef("-2147483649", 1), 1);
  EXPECT_EQ(StrToIntDef("99999999999999999999999", 1), 1);
}

TEST(PlatformFormat, FormatsLikePrintfWithoutALengthLimit) {
  EXPECT_EQ(plat::Format("%d,%s", 3, "Line"), "3,Line");
  EXPECT_EQ(plat::Format("%ld' %ld %ld/%ld''", 12L, 3L, 1L, 2L), "12' 3 1/2''");
  const std::string longName(500, 'x');
  EXPECT_EQ(plat::Format("DWGS\\%s.KWV", longName.c_str()).size(), 500u + 9u);
  EXPECT_EQ(plat::IntToStr(-5), "-5");
}

TEST(PlatformStatusBar, PanelsKeepTheirTextsAndReportChanges) {
  plat::StatusBar bar(3);
  std::vector<std::pair<int, std::string>> changes;
  bar.onChange = [&](int panel, const std::string& text) { changes.emplace_back(panel, text); };
  bar.SetPanelText(0, "GUIDE:");
  bar.SetPanelText(2, "1,Line");
  bar.SetPanelText(7, "ignored");
  EXPECT_EQ(bar.PanelText(0), "GUIDE:");
  EXPECT_EQ(bar.PanelText(2), "1,Line");
  EXPECT_EQ(bar.PanelText(7), "");
  EXPECT_EQ(changes.size(), 2u);

  plat::StatusBar coordinates;
  coordinates.SetSimpleText("X 10 Y 20");
  EXPECT_EQ(coordinates.SimpleText(), "X 10 Y 20");
}

TEST(PlatformTimer, ManualTimerFiresOnlyWhenEnabled) {
  plat::ManualTimer timer;
  int fired = 0;
  timer.onTimer = [&] {
    ++fired;
    timer.SetEnabled(false);  // a one-shot, as the start-up timer does
  };
  timer.SetInterval(1);
  timer.Fire();
  EXPECT_EQ(fired, 0);
  timer.SetEnabled(true);
  timer.Fire();
  timer.Fire();
  EXPECT_EQ(fired, 1);
  EXPECT_EQ(timer.Interval(), 1);
}

TEST(PlatformHelp, TheCommandLineNamesThePage) {
  EXPECT_EQ(plat::HelpCommandLine("file.htm"), "help.exe page file.htm");
}

TEST(PlatformHelp, NothingStartsWithoutAViewer) {
  ScratchProgramDir dir;
  EXPECT_FALSE(plat::StartHelp("file.htm"));
  dir.WriteFile("help", "not executable");
  EXPECT_FALSE(plat::StartHelp("file.htm"));
}

TEST(PlatformHelp, TheViewerGetsThePageAndRunsInTheProgramDirectory) {
  ScratchProgramDir dir;
  dir.WriteFile("help", "#!/bin/sh\necho \"$1 $2 $(pwd)\" > asked.txt.tmp\nmv asked.txt.tmp asked.txt\n");
  ::chmod(dir.Path("help").c_str(), 0755);
  ASSERT_TRUE(plat::StartHelp("walls.htm"));
  // The program does not wait; the test does, for a while.
  for (int i = 0; i < 500 && !dir.Exists("asked.txt"); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(dir.ReadFile("asked.txt"), "page walls.htm " + dir.Root() + "\n");
}
