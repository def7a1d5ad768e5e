// The scripted user interface that tests answer questions with, and the
// silent default the program falls back on.
#include <gtest/gtest.h>

#include "platform/scripted_ui.h"
#include "tests/test_support.h"

using namespace plat;

TEST(PlatformScriptedUi, AnswersTheQuestionsInOrder) {
  ScriptedUi ui;
  ScopedUi use(ui);
  ui.ExpectQuestion(mrYes).WithText("do you wish to save drawing changes?");
  ui.ExpectInput("3600").WithPrompt("Length");
  ui.ExpectOpenFile("/tmp/x.KWV");
  ui.ExpectColour(RGB(1, 2, 3));
  ui.ExpectShowMessage("Done");
  ui.ExpectPrinterSetup(false);

  EXPECT_TRUE(AskYesNo("do you wish to save drawing changes?"));
  std::string value = "0";
  EXPECT_TRUE(Ui().InputQuery("Wall", "Length", value));
  EXPECT_EQ(value, "3600");
  std::string path;
  EXPECT_TRUE(Ui().OpenFileDialog({"Open", "DWGS\\", "Drawings (*.KWV)", "KWV"}, path));
  EXPECT_EQ(path, "/tmp/x.KWV");
  COLORREF c = 0;
  EXPECT_TRUE(Ui().ChooseColour(c));
  EXPECT_EQ(c, RGB(1, 2, 3));
  Ui().ShowMessage("Done");
  EXPECT_FALSE(Ui().PrinterSetup());

  EXPECT_EQ(ui.Pending(), 0u);
  EXPECT_TRUE(ui.Failures().empty());
  EXPECT_EQ(ui.Log().size(), 6u);
  EXPECT_EQ(ui.Log()[1].caption, "Wall");
}

TEST(PlatformScriptedUi, CancelledInputLeavesTheValue) {
  ScriptedUi ui;
  ScopedUi use(ui);
  ui.ExpectInputCancelled();
  std::string value = "keep";
  EXPECT_FALSE(Ui().InputQuery("Caption", "Prompt", value));
  EXPECT_EQ(value, "keep");
}

TEST(PlatformScriptedUi, UnexpectedQuestionsAreFailuresAnsweredNo) {
  ScriptedUi ui;
  std::vector<std::string> reported;
  ui.onFailure = [&](const std::string& what) { reported.push_back(what); };
  ScopedUi use(ui);

  EXPECT_EQ(Ui().MessageDlg("Delete?", MsgType::Confirmation, mbYes | mbNo), mrNo);
  EXPECT_EQ(Ui().MessageDlg("Oops", MsgType::Error, mbOK), mrOk);
  ASSERT_EQ(ui.Failures().size(), 2u);
  EXPECT_EQ(reported, ui.Failures());
  EXPECT_NE(ui.Failures()[0].find("Delete?"), std::string::npos);
}

TEST(PlatformScriptedUi, AMismatchedTextDoesNotConsumeTheScript) {
  ScriptedUi ui;
  ScopedUi use(ui);
  ui.ExpectShowMessage("Error: .cfg file missing");
  Ui().ShowMessage("something else");
  EXPECT_EQ(ui.Failures().size(), 1u);
  EXPECT_EQ(ui.Pending(), 1u);
  Ui().ShowMessage("Error: .cfg file missing");
  EXPECT_EQ(ui.Pending(), 0u);
  EXPECT_EQ(ui.Failures().size(), 1u);
}

TEST(PlatformScriptedUi, TypeButtonsAndFragmentsCanBeRequired) {
  ScriptedUi ui;
  ScopedUi use(ui);
  ui.ExpectMessageDlg(MsgType::Error, mbRetry, mrRetry).Containing("input is incorrect");
  ui.ExpectMessageDlg(MsgType::Information, mbOK, mrOk);
  ErrorBox("Length 1 to 9999 input is incorrect", mbRetry);
  InfoBox("Walls built", mbCancel);  // wrong button
  EXPECT_EQ(ui.Failures().size(), 1u);
  EXPECT_NE(ui.Failures()[0].find("expected buttons"), std::string::npos);
}

TEST(PlatformScriptedUi, TheLogTellsWhichMessagesWereShown) {
  ScriptedUi ui;
  ui.allowUnexpected = true;  // this test only looks at the log
  ScopedUi use(ui);
  Ui().ShowMessage("Drawing saved");
  InfoBox("Room added");
  EXPECT_TRUE(ui.WasAsked("saved"));
  EXPECT_TRUE(ui.WasAsked("Room added"));
  EXPECT_FALSE(ui.WasAsked("deleted"));
  EXPECT_EQ(ui.CountOf(UiCall::ShowMessage), 1);
  EXPECT_EQ(ui.CountOf(UiCall::MessageDlg), 1);
  EXPECT_TRUE(ui.Failures().empty());
}

TEST(PlatformScriptedUi, HasAVirtualMousePointer) {
  ScriptedUi ui;
  ScopedUi use(ui);
  ui.cursor = {100, 200};
  EXPECT_EQ(Ui().GetCursorPos(), (Point{100, 200}));
  Ui().SetCursorPos({101, 200});
  EXPECT_EQ(ui.cursor, (Point{101, 200}));
  EXPECT_EQ(ui.cursorMoves, 1);
}

TEST(PlatformScriptedUi, ScopedUiRestoresWhatWasInstalledBefore) {
  UserInterface* before = &Ui();
  {
    ScriptedUi inner;
    ScopedUi use(inner);
    EXPECT_EQ(&Ui(), &inner);
  }
  EXPECT_EQ(&Ui(), before);
}

TEST(PlatformScriptedUi, TheDefaultTestUiCanBeScriptedDirectly) {
  DefaultTestUi().ExpectQuestion(mrYes);
  EXPECT_TRUE(AskYesNo("Continue?"));
  EXPECT_EQ(DefaultTestUi().Pending(), 0u);
}

TEST(PlatformSilentUi, AnswersCancelOrNoWithoutAsking) {
  UserInterface* previous = SetUi(nullptr);
  EXPECT_EQ(Ui().MessageDlg("?", MsgType::Confirmation, mbYes | mbNo), mrNo);
  EXPECT_EQ(Ui().MessageDlg("?", MsgType::Warning, mbOK | mbCancel), mrCancel);
  EXPECT_EQ(Ui().MessageDlg("!", MsgType::Error, mbOK), mrOk);
  std::string value = "v";
  EXPECT_FALSE(Ui().InputQuery("c", "p", value));
  COLORREF c = 7;
  EXPECT_FALSE(Ui().ChooseColour(c));
  EXPECT_EQ(c, 7u);
  EXPECT_FALSE(AskYesNo("Save?"));
  SetUi(previous);
}
