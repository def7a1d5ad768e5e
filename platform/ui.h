// The user-interface services the program's logic asks for: message dialogs
// with fixed button sets, input queries, file/colour/printer dialogs, the
// mouse pointer and the help viewer. The program installs a Qt implementation;
// tests install a scripted one that answers from a queue.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/gdi_types.h"

namespace plat {

enum class MsgType { Warning, Error, Information, Confirmation, Custom };

// Button set flags.
enum MsgButton : unsigned {
  mbYes = 1u << 0,
  mbNo = 1u << 1,
  mbOK = 1u << 2,
  mbCancel = 1u << 3,
  mbAbort = 1u << 4,
  mbRetry = 1u << 5,
  mbIgnore = 1u << 6,
};

// Modal results, with the values forms return (OK is 1).
enum ModalResult : int {
  mrNone = 0,
  mrOk = 1,
  mrCancel = 2,
  mrAbort = 3,
  mrRetry = 4,
  mrIgnore = 5,
  mrYes = 6,
  mrNo = 7,
};

struct FileDialogRequest {
  std::string title;
  std::string directory;  // a program path such as "DWGS\\"
  std::string filter;     // "Drawings (*.KWV)" style
  std::string defaultExt;
  // The dialog keeps to its folder (the user cannot browse elsewhere).
  bool stayInDirectory = false;
};

class UserInterface {
 public:
  virtual ~UserInterface() = default;

  // A message dialog of one purpose with the given buttons; returns the
  // modal result of the button pressed.
  virtual int MessageDlg(const std::string& text, MsgType type, unsigned buttons) = 0;
  // A plain message box with OK.
  virtual void ShowMessage(const std::string& text) = 0;
  // An error message under a caption of its own ("Marking Error"); where
  // the services have no captions it is an error dialog like any other.
  virtual int CaptionedMessage(const std::string& caption, const std::string& text,
                               unsigned buttons) {
    (void)caption;
    return MessageDlg(text, MsgType::Error, buttons);
  }
  // Caption, prompt and an editable text; true on OK (value holds the text).
  virtual bool InputQuery(const std::string& caption, const std::string& prompt,
                          std::string& value) = 0;
  // Returns false on Cancel; path is the chosen file (a real path).
  virtual bool OpenFileDialog(const FileDialogRequest& request, std::string& path) = 0;
  virtual bool SaveFileDialog(const FileDialogRequest& request, std::string& path) = 0;
  // Starts from colour; true and the chosen colour on OK.
  virtual bool ChooseColour(COLORREF& colour) = 0;
  // Printer set-up: true when the user confirmed.
  virtual bool PrinterSetup() = 0;

  // The mouse pointer in screen pixels (the arrow keys move it).
  virtual Point GetCursorPos() = 0;
  virtual void SetCursorPos(Point screen) = 0;

  // Runs task once the event being handled is done, for a message that
  // must not open in the middle of a paint; without an event loop it runs
  // at once.
  virtual void Later(std::function<void()> task) { task(); }
  // Runs now the tasks Later still holds: the main window is about to go,
  // and what they tell must be seen before it does.
  virtual void RunWaitingTasks() {}
};

// The installed services. There is always one: before anything is installed
// a silent default answers every question with Cancel/No.
UserInterface& Ui();
// Installs services (not owned); nullptr restores the silent default.
// Returns the previous one (nullptr when it was the silent default), so
// SetUi(SetUi(x)) restores whatever was there. plat::ScopedUi
// (platform/scripted_ui.h) does this for a scope.
UserInterface* SetUi(UserInterface* ui);

// Convenience wrappers with the program's fixed button sets. Error boxes
// with a single Retry, Cancel or OK button; information with a single OK,
// Cancel, Retry or Yes; a Yes/No question. Single-button answers are ignored.
void ErrorBox(const std::string& text, unsigned singleButton);
void InfoBox(const std::string& text, unsigned singleButton = mbOK);
bool AskYesNo(const std::string& text);

}  // namespace plat
