// User-interface services answered from a script, for tests.
//
// A test queues the questions it expects, in order, each with its answer:
//
//   plat::ScriptedUi ui;
//   plat::ScopedUi use(ui);
//   ui.ExpectQuestion(plat::mrYes).WithText("do you wish to save drawing changes?");
//   ui.ExpectInput("12").WithPrompt("Length");
//
// A question that is not next in the queue (or whose kind, text or buttons
// differ) is recorded as a failure and answered as the silent default does
// (Cancel / No / false). Every question asked is logged, so a test can also
// check afterwards that a message was shown.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui.h"

namespace plat {

enum class UiCall {
  MessageDlg,
  ShowMessage,
  InputQuery,
  OpenFile,
  SaveFile,
  ChooseColour,
  PrinterSetup,
};

const char* UiCallName(UiCall call);

// One question as it was asked.
struct AskedQuestion {
  UiCall call = UiCall::ShowMessage;
  std::string text;     // message text, input prompt or dialog title
  std::string caption;  // input caption
  MsgType type = MsgType::Custom;
  unsigned buttons = 0;
};

// One expected question and its answer.
struct ScriptedStep {
  UiCall call = UiCall::ShowMessage;
  // Expectations (unset: anything goes).
  std::optional<std::string> text;
  bool textIsFragment = false;
  std::optional<MsgType> type;
  std::optional<unsigned> buttons;
  // Answer.
  int modalResult = mrOk;  // MessageDlg
  bool accept = true;      // InputQuery, file, colour, printer dialogs
  std::string value;       // input text or chosen path
  COLORREF colour = 0;     // chosen colour

  // Fluent refinements of the expectation.
  ScriptedStep& WithText(std::string exact) {
    text = std::move(exact);
    textIsFragment = false;
    return *this;
  }
  ScriptedStep& Containing(std::string fragment) {
    text = std::move(fragment);
    textIsFragment = true;
    return *this;
  }
  ScriptedStep& WithPrompt(std::string exact) { return WithText(std::move(exact)); }
  ScriptedStep& OfType(MsgType t) {
    type = t;
    return *this;
  }
  ScriptedStep& WithButtons(unsigned b) {
    buttons = b;
    return *this;
  }
};

class ScriptedUi : public UserInterface {
 public:
  ScriptedUi() = default;
  // Questions still queued are reported as failures.
  ~ScriptedUi() override;
  ScriptedUi(const ScriptedUi&) = delete;
  ScriptedUi& operator=(const ScriptedUi&) = delete;

  // ---- Script --------------------------------------------------------------
  // A message dialog answered with a modal result (mrYes, mrNo, mrOk ...).
  ScriptedStep& ExpectQuestion(int modalResult);
  // A message dialog of a given type and button set.
  ScriptedStep& ExpectMessageDlg(MsgType type, unsigned buttons, int modalResult);
  // A plain message box (ShowMessage), optionally with its exact text.
  ScriptedStep& ExpectShowMessage(std::optional<std::string> text = std::nullopt);
  // An input query answered with text (accept) or cancelled.
  ScriptedStep& ExpectInput(std::string answer, bool accept = true);
  ScriptedStep& ExpectInputCancelled();
  ScriptedStep& ExpectOpenFile(std::string path, bool accept = true);
  ScriptedStep& ExpectSaveFile(std::string path, bool accept = true);
  ScriptedStep& ExpectColour(COLORREF colour, bool accept = true);
  ScriptedStep& ExpectPrinterSetup(bool accept);

  // Questions still waiting to be asked.
  std::size_t Pending() const { return queue_.size(); }
  // Reports every question still queued as a failure (a script that
  // expected a question the program never asked) and drops them.
  void CheckAllAsked();
  // Drops the remaining script, the log and the failures.
  void Reset();

  // ---- What happened ---------------------------------------------------------
  const std::vector<AskedQuestion>& Log() const { return log_; }
  // Whether a question whose text contains the fragment was asked.
  bool WasAsked(std::string_view fragment) const;
  // The number of questions of one kind.
  int CountOf(UiCall call) const;
  // Unexpected or mismatched questions, one line each.
  const std::vector<std::string>& Failures() const { return failures_; }
  // Called with every failure as it happens (tests set it to ADD_FAILURE).
  std::function<void(const std::string&)> onFailure;
  // When set, questions beyond the script are answered with the default
  // without counting as failures.
  bool allowUnexpected = false;

  // ---- Virtual mouse pointer -------------------------------------------------
  Point cursor{0, 0};
  int cursorMoves = 0;  // SetCursorPos calls

  // ---- UserInterface ---------------------------------------------------------
  int MessageDlg(const std::string& text, MsgType type, unsigned buttons) override;
  void ShowMessage(const std::string& text) override;
  bool InputQuery(const std::string& caption, const std::string& prompt,
                  std::string& value) override;
  bool OpenFileDialog(const FileDialogRequest& request, std::string& path) override;
  bool SaveFileDialog(const FileDialogRequest& request, std::string& path) override;
  bool ChooseColour(COLORREF& colour) override;
  bool PrinterSetup() override;
  Point GetCursorPos() override { return cursor; }
  void SetCursorPos(Point screen) override {
    cursor = screen;
    ++cursorMoves;
  }

 private:
  ScriptedStep& Push(UiCall call);
  // Logs the question and takes the matching step; nullopt when the
  // question was not expected (recorded as a failure).
  std::optional<ScriptedStep> Take(const AskedQuestion& q);
  void Fail(const std::string& what);

  std::deque<ScriptedStep> queue_;
  std::vector<AskedQuestion> log_;
  std::vector<std::string> failures_;
};

// Installs services for the lifetime of the object and restores the
// previous ones afterwards.
class ScopedUi {
 public:
  explicit ScopedUi(UserInterface& ui) : previous_(SetUi(&ui)) {}
  ~ScopedUi() { SetUi(previous_); }
  ScopedUi(const ScopedUi&) = delete;
  ScopedUi& operator=(const ScopedUi&) = delete;

 private:
  UserInterface* previous_;
};

}  // namespace plat
