// Start-up of the main form: the settings it reads, the status bars it
// fills, the one-shot timer that finishes start-up, and what happens when a
// settings file it needs is missing.
#include <gtest/gtest.h>

#include <filesystem>

#include "model/flist.h"
#include "model/globals.h"
#include "platform/services.h"
#include "shell/mainform.h"
#include "tests/test_support.h"

namespace {

class StartUp : public ::testing::Test {
 protected:
  ScratchProgramDir dir;
  plat::ManualTimer timer;
};

TEST_F(StartUp, CompleteSettingsFolderLoadsColoursModesAndPrompts) {
  dir.WriteFile("CFG\\CLR.CFG", "16777215 255 8421504\n");
  dir.WriteFile("CFG\\GUIDE.CFG", "1 65535\n");
  dir.WriteFile("CFG\\SAVE.CFG", "2\n");
  dir.WriteFile("CFG\\AUTOSCROLL.CFG", "1\n");

  TMainForm form(timer);

  EXPECT_TRUE(form.StartedUp);
  EXPECT_EQ(BackgroundColour, 16777215u);
  EXPECT_EQ(DrawingColour, 255u);
  EXPECT_EQ(OverlayColour, 8421504u);
  EXPECT_TRUE(form.StatusBarOnTop);
  EXPECT_EQ(form.GuideColour, 65535u);
  EXPECT_EQ(AutosaveMode, 2);
  EXPECT_EQ(AutoScroll, 1);
  EXPECT_EQ(form.st.PanelText(panel::Guide), "GUIDE:");
  EXPECT_EQ(DrawingList.ProgramDir, dir.Root() + "\\");
  ASSERT_NE(form.CurrentTool(), nullptr);
  EXPECT_EQ(form.CurrentTool()->Type, 1);
  EXPECT_EQ(MainForm, &form);

  // Timer1 fires once, shortly after start, and finishes start-up.
  EXPECT_TRUE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 1);
  timer.Fire();
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(form.st.PanelText(panel::Guide),
            "GUIDE: Select 'File', then 'New', 'Open' or a file from the 'history list' ");
}

TEST_F(StartUp, GuideBarSitsAtTheBottomUnlessAskedForTheTop) {
  dir.WriteFile("CFG\\GUIDE.CFG", "0 65535\n");
  TMainForm form(timer);
  EXPECT_FALSE(form.StatusBarOnTop);
}

TEST_F(StartUp, ShippedSettingsStartCleanlyWithNoRecentDrawing) {
  TMainForm form(timer);
  EXPECT_TRUE(form.StartedUp);
  for (const auto& entry : form.RecentFiles) EXPECT_EQ(entry, "");
  timer.Fire();
  EXPECT_EQ(DefaultTestUi().Log().size(), 0u);
}

TEST_F(StartUp, MissingGuideSettingsShowTheErrorAndSkipTheRest) {
  std::filesystem::remove(dir.Path("CFG\\GUIDE.CFG"));
  dir.WriteFile("CFG\\SAVE.CFG", "2\n");
  DefaultTestUi().ExpectShowMessage("Error: .cfg file missing");

  TMainForm form(timer);

  EXPECT_FALSE(form.StartedUp);
  EXPECT_EQ(AutosaveMode, 0) << "SAVE.CFG is read after GUIDE.CFG";
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(form.st.PanelText(panel::Guide), "");
  // The colours come before the check.
  EXPECT_EQ(DrawingList.ProgramDir, dir.Root() + "\\");
}

TEST_F(StartUp, MissingAutoScrollSettingsShowTheErrorAfterTheSaveMode) {
  std::filesystem::remove(dir.Path("CFG\\AUTOSCROLL.CFG"));
  dir.WriteFile("CFG\\SAVE.CFG", "1\n");
  DefaultTestUi().ExpectShowMessage("Error: .cfg file missing");

  TMainForm form(timer);

  EXPECT_FALSE(form.StartedUp);
  EXPECT_EQ(AutosaveMode, 1);
  EXPECT_FALSE(timer.Enabled());
}

TEST_F(StartUp, RecentDrawingsSurviveAWriteAndReadWithCrLfAndEmptyEntries) {
  dir.WriteFile("CFG\\LASTFILES.CFG", "HOUSE\r\n\r\nSHED\r\n\r\n");
  TMainForm form(timer);
  EXPECT_EQ(form.RecentFiles[0], "HOUSE");
  EXPECT_EQ(form.RecentFiles[1], "");
  EXPECT_EQ(form.RecentFiles[2], "SHED");

  form.RecentFiles[1] = "GARAGE";
  form.WriteRecentFiles();
  EXPECT_EQ(dir.ReadFile("CFG\\LASTFILES.CFG"), "HOUSE\nGARAGE\nSHED\n\n");
}

TEST_F(StartUp, ExitAsksTheWindowToClose) {
  TMainForm form(timer);
  int closes = 0;
  form.onCloseRequested = [&] { ++closes; };
  form.CmExitExecute();
  EXPECT_EQ(closes, 1);
}

}  // namespace
