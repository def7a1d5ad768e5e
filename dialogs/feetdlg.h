// The feet, inches and eighths dialog: asks a length in an imperial drawing.
//
// It is created with a default length in 1/24 inch and shown modally through
// the installed runner (a Qt dialog in the program, a script in tests); on OK
// Length holds the typed length in 1/24 inch.
#pragma once

#include <deque>
#include <string>

#include "model/globals.h"

class TTFeetdlg {
 public:
  // A default below 1 is shown as 1 ft 0 in.
  explicit TTFeetdlg(int32 length);

  // The three fields as the dialog shows them.
  int32 Feet = 0;
  int32 Inches = 0;   // 0 to 11
  int32 Eighths = 0;  // 0 to 7
  // The result in 1/24 inch, valid after OK.
  int32 Length = 0;

  // Shows the dialog; 1 (OK) or 2 (Cancel).
  int ShowModal();

  // Checks the fields and, when they hold, sets Length; otherwise returns
  // the message the dialog shows (and stays open).
  std::string Accept();

  static constexpr int32 kMaxFeet = 9999;
};

// Who shows the dialog.
class FeetDialogRunner {
 public:
  virtual ~FeetDialogRunner() = default;
  // Edits the dialog's fields; true on OK.
  virtual bool Run(TTFeetdlg& dlg) = 0;
};

// Installs a runner (not owned); nullptr: every question is cancelled.
// Returns the previous one.
FeetDialogRunner* SetFeetDialogRunner(FeetDialogRunner* runner);

// A runner for tests: answers from a queue, one entry per dialog shown, and
// keeps the defaults it was shown.
class ScriptedFeetDialog : public FeetDialogRunner {
 public:
  struct Answer {
    bool ok = true;
    int32 feet = 0, inches = 0, eighths = 0;
  };
  void ExpectLength(int32 feet, int32 inches, int32 eighths) {
    answers.push_back({true, feet, inches, eighths});
  }
  void ExpectCancel() { answers.push_back({false}); }
  bool Run(TTFeetdlg& dlg) override;

  std::deque<Answer> answers;
  std::deque<int32> shownDefaults;  // the length each dialog was created with
  int unexpected = 0;               // dialogs shown beyond the script
};

// Installs a runner for the lifetime of the object.
class ScopedFeetDialog {
 public:
  explicit ScopedFeetDialog(FeetDialogRunner& r) : previous_(SetFeetDialogRunner(&r)) {}
  ~ScopedFeetDialog() { SetFeetDialogRunner(previous_); }
  ScopedFeetDialog(const ScopedFeetDialog&) = delete;
  ScopedFeetDialog& operator=(const ScopedFeetDialog&) = delete;

 private:
  FeetDialogRunner* previous_;
};
