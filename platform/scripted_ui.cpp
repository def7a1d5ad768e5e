#include "platform/scripted_ui.h"

#include <utility>

namespace plat {

namespace {

const char* TypeName(MsgType t) {
  switch (t) {
    case MsgType::Warning: return "Warning";
    case MsgType::Error: return "Error";
    case MsgType::Information: return "Information";
    case MsgType::Confirmation: return "Confirmation";
    case MsgType::Custom: return "Custom";
  }
  return "?";
}

std::string Describe(const AskedQuestion& q) {
  std::string s = UiCallName(q.call);
  if (q.call == UiCall::MessageDlg) {
    s += std::string("(") + TypeName(q.type) + ", buttons " + std::to_string(q.buttons) + ")";
  }
  return s + " \"" + q.text + "\"";
}

bool TextMatches(const ScriptedStep& step, const std::string& text) {
  if (!step.text) return true;
  if (step.textIsFragment) return text.find(*step.text) != std::string::npos;
  return text == *step.text;
}

// Why a step does not fit a question; empty when it does.
std::string Mismatch(const ScriptedStep& step, const AskedQuestion& q) {
  if (step.call != q.call) return std::string("expected ") + UiCallName(step.call);
  if (!TextMatches(step, q.text))
    return std::string("expected text ") + (step.textIsFragment ? "containing " : "") + "\"" +
           *step.text + "\"";
  if (step.type && *step.type != q.type)
    return std::string("expected type ") + TypeName(*step.type);
  if (step.buttons && *step.buttons != q.buttons)
    return "expected buttons " + std::to_string(*step.buttons);
  return {};
}

}  // namespace

const char* UiCallName(UiCall call) {
  switch (call) {
    case UiCall::MessageDlg: return "MessageDlg";
    case UiCall::ShowMessage: return "ShowMessage";
    case UiCall::InputQuery: return "InputQuery";
    case UiCall::OpenFile: return "OpenFileDialog";
    case UiCall::SaveFile: return "SaveFileDialog";
    case UiCall::ChooseColour: return "ChooseColour";
    case UiCall::PrinterSetup: return "PrinterSetup";
  }
  return "?";
}

ScriptedStep& ScriptedUi::Push(UiCall call) {
  ScriptedStep step;
  step.call = call;
  queue_.push_back(std::move(step));
  return queue_.back();
}

ScriptedStep& ScriptedUi::ExpectQuestion(int modalResult) {
  ScriptedStep& s = Push(UiCall::MessageDlg);
  s.modalResult = modalResult;
  return s;
}

ScriptedStep& ScriptedUi::ExpectMessageDlg(MsgType type, unsigned buttons, int modalResult) {
  return ExpectQuestion(modalResult).OfType(type).WithButtons(buttons);
}

ScriptedStep& ScriptedUi::ExpectShowMessage(std::optional<std::string> text) {
  ScriptedStep& s = Push(UiCall::ShowMessage);
  s.text = std::move(text);
  return s;
}

ScriptedStep& ScriptedUi::ExpectInput(std::string answer, bool accept) {
  ScriptedStep& s = Push(UiCall::InputQuery);
  s.value = std::move(answer);
  s.accept = accept;
  return s;
}

ScriptedStep& ScriptedUi::ExpectInputCancelled() { return ExpectInput({}, false); }

ScriptedStep& ScriptedUi::ExpectOpenFile(std::string path, bool accept) {
  ScriptedStep& s = Push(UiCall::OpenFile);
  s.value = std::move(path);
  s.accept = accept;
  return s;
}

ScriptedStep& ScriptedUi::ExpectSaveFile(std::string path, bool accept) {
  ScriptedStep& s = Push(UiCall::SaveFile);
  s.value = std::move(path);
  s.accept = accept;
  return s;
}

ScriptedStep& ScriptedUi::ExpectColour(COLORREF colour, bool accept) {
  ScriptedStep& s = Push(UiCall::ChooseColour);
  s.colour = colour;
  s.accept = accept;
  return s;
}

ScriptedStep& ScriptedUi::ExpectPrinterSetup(bool accept) {
  ScriptedStep& s = Push(UiCall::PrinterSetup);
  s.accept = accept;
  return s;
}

ScriptedUi::~ScriptedUi() { CheckAllAsked(); }

void ScriptedUi::CheckAllAsked() {
  for (const ScriptedStep& step : queue_) {
    std::string what = std::string("expected ") + UiCallName(step.call);
    if (step.text) what += " \"" + *step.text + "\"";
    Fail(what + " was never asked");
  }
  queue_.clear();
}

void ScriptedUi::Reset() {
  queue_.clear();
  log_.clear();
  failures_.clear();
}

bool ScriptedUi::WasAsked(std::string_view fragment) const {
  for (const AskedQuestion& q : log_)
    if (q.text.find(fragment) != std::string::npos) return true;
  return false;
}

int ScriptedUi::CountOf(UiCall call) const {
  int n = 0;
  for (const AskedQuestion& q : log_)
    if (q.call == call) ++n;
  return n;
}

void ScriptedUi::Fail(const std::string& what) {
  failures_.push_back(what);
  if (onFailure) onFailure(what);
}

std::optional<ScriptedStep> ScriptedUi::Take(const AskedQuestion& q) {
  log_.push_back(q);
  if (queue_.empty()) {
    if (!allowUnexpected) Fail("unexpected " + Describe(q));
    return std::nullopt;
  }
  std::string why = Mismatch(queue_.front(), q);
  if (!why.empty()) {
    // The script stays where it is so that later questions still line up
    // when this one was merely an extra.
    Fail("unexpected " + Describe(q) + ": " + why);
    return std::nullopt;
  }
  ScriptedStep step = std::move(queue_.front());
  queue_.pop_front();
  return step;
}

int ScriptedUi::MessageDlg(const std::string& text, MsgType type, unsigned buttons) {
  auto step = Take({UiCall::MessageDlg, text, {}, type, buttons});
  if (!step) {
    // As the silent default: the "no" answer of the buttons offered.
    if (buttons & mbNo) return mrNo;
    if (buttons & mbCancel) return mrCancel;
    return mrOk;
  }
  return step->modalResult;
}

void ScriptedUi::ShowMessage(const std::string& text) {
  Take({UiCall::ShowMessage, text, {}, MsgType::Custom, mbOK});
}

bool ScriptedUi::InputQuery(const std::string& caption, const std::string& prompt,
                            std::string& value) {
  auto step = Take({UiCall::InputQuery, prompt, caption, MsgType::Custom, 0});
  if (!step || !step->accept) return false;
  value = step->value;
  return true;
}

bool ScriptedUi::OpenFileDialog(const FileDialogRequest& request, std::string& path) {
  auto step = Take({UiCall::OpenFile, request.title, {}, MsgType::Custom, 0});
  if (!step || !step->accept) return false;
  path = step->value;
  return true;
}

bool ScriptedUi::SaveFileDialog(const FileDialogRequest& request, std::string& path) {
  auto step = Take({UiCall::SaveFile, request.title, {}, MsgType::Custom, 0});
  if (!step || !step->accept) return false;
  path = step->value;
  return true;
}

bool ScriptedUi::ChooseColour(COLORREF& colour) {
  auto step = Take({UiCall::ChooseColour, {}, {}, MsgType::Custom, 0});
  if (!step || !step->accept) return false;
  colour = step->colour;
  return true;
}

bool ScriptedUi::PrinterSetup() {
  auto step = Take({UiCall::PrinterSetup, {}, {}, MsgType::Custom, 0});
  return step && step->accept;
}

}  // namespace plat
