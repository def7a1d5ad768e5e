// The one way the program shows a modal dialog.
//
// A dialog is a plain class of the values its form shows and returns: its
// fields, plus `std::string Accept()` where the form checks them on OK (an
// empty string when they hold, else the message the form shows while it stays
// open). The command that needs the dialog fills in the start values and calls
// ShowModal; whoever is installed for that class shows it: the Qt form in the
// program, a script in tests. With nothing installed every dialog is
// cancelled, so headless code never blocks on a question nobody can answer.
#pragma once

#include <concepts>
#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <type_traits>
#include <typeinfo>
#include <utility>
#include <vector>

#include "dialogs/form.h"

namespace dlg {

template <class Dialog>
class Runner {
 public:
  virtual ~Runner() = default;
  // Shows the dialog with its fields as start values and edits them; true on
  // OK (after the dialog's Accept, where it has one, has passed).
  virtual bool Run(Dialog& d) = 0;
};

// Dialogs whose OK is checked by Accept().
template <class Dialog>
concept Validated = requires(Dialog& d) {
  { d.Accept() } -> std::convertible_to<std::string>;
};

// Dialogs that describe their form (dialogs/form.h) and need no form of
// their own.
template <class Dialog>
concept Described = requires(Dialog& d, Form& f) { d.Describe(f); };

namespace detail {
template <class Dialog>
inline Runner<Dialog>* installed = nullptr;
}  // namespace detail

// Installs the runner of one dialog class (not owned) and returns the one it
// replaces; nullptr makes every show of that class a Cancel.
template <class Dialog>
Runner<Dialog>* Install(Runner<Dialog>* r) {
  return std::exchange(detail::installed<Dialog>, r);
}

// Takes r away again if it is still the one installed.
template <class Dialog>
void Uninstall(Runner<Dialog>* r) {
  if (detail::installed<Dialog> == r) detail::installed<Dialog> = nullptr;
}

// What OK says of a described dialog's values: the ranges of its fields,
// then its own Accept.
template <Described Dialog>
std::string CheckDescribed(Dialog& d, const Form& form) {
  std::string why = form.Validate();
  if constexpr (Validated<Dialog>) {
    if (why.empty()) why = std::string(d.Accept());
  }
  return why;
}

// What OK says of any dialog's values as they stand: CheckDescribed for a
// described dialog, Accept for one that only checks, nothing otherwise.
template <class Dialog>
std::string CheckOk(Dialog& d) {
  if constexpr (Described<Dialog>) {
    Form form;
    d.Describe(form);
    return CheckDescribed(d, form);
  } else if constexpr (Validated<Dialog>) {
    return std::string(d.Accept());
  }
  return {};
}

// Shows a described dialog through the installed form runner.
template <Described Dialog>
bool RunDescribed(Dialog& d, FormRunner& runner) {
  Form form;
  d.Describe(form);
  return runner.Run(form, [&d, &form]() { return CheckDescribed(d, form); });
}

// Shows d modally; true on OK, false on Cancel or when nothing is installed.
// A runner installed for the class comes first; a described dialog without
// one is shown by the form runner.
template <class Dialog>
bool ShowModal(Dialog& d) {
  if (Runner<Dialog>* r = detail::installed<Dialog>) return r->Run(d);
  if constexpr (Described<Dialog>) {
    if (FormRunner* f = InstalledFormRunner()) return RunDescribed(d, *f);
  }
  return false;
}

// Where scripts report a question nobody asked or an answer nobody took
// (tests point it at their failure macro).
inline std::function<void(const std::string&)> ScriptFailure;

// Installs a runner for the lifetime of the object and then puts back the
// one it replaced.
template <class Dialog>
class ScopedRunner {
 public:
  explicit ScopedRunner(Runner<Dialog>* r) : previous_(Install(r)) {}
  explicit ScopedRunner(Runner<Dialog>& r) : ScopedRunner(&r) {}
  ~ScopedRunner() { Install(previous_); }
  ScopedRunner(const ScopedRunner&) = delete;
  ScopedRunner& operator=(const ScopedRunner&) = delete;

 private:
  Runner<Dialog>* previous_;
};

// Answers from a script, for tests. Each show takes the next queued answer:
// a function that types into the fields and presses OK, or Cancel. OK runs
// the dialog's Accept as the form would; an answer it refuses closes the
// dialog as Cancel and is counted, since a script cannot type again. A show
// with nothing queued is a Cancel too, counted as unanswered and reported
// through ScriptFailure (unless allowUnanswered); answers still queued when
// the script goes away are reported too.
template <class Dialog>
class Scripted : public Runner<Dialog> {
 public:
  using Fill = std::function<void(Dialog&)>;

  Scripted() = default;
  Scripted(const Scripted&) = delete;
  Scripted& operator=(const Scripted&) = delete;
  ~Scripted() override {
    if (!answers_.empty() && ScriptFailure)
      ScriptFailure(std::to_string(answers_.size()) + " scripted answer(s) of " +
                    typeid(Dialog).name() + " never asked for");
  }

  // Shows beyond the script are plain Cancels, not failures.
  bool allowUnanswered = false;

  // OK after fill has edited the fields; no fill keeps the start values.
  Scripted& Answer(Fill fill = {}) {
    answers_.push_back(fill ? std::move(fill) : Fill([](Dialog&) {}));
    return *this;
  }
  Scripted& Cancel() {
    answers_.push_back(Fill{});
    return *this;
  }

  bool Run(Dialog& d) override {
    shown_.push_back(d);
    if (answers_.empty()) {
      ++unanswered_;
      if (!allowUnanswered && ScriptFailure)
        ScriptFailure(std::string("unexpected dialog ") + typeid(Dialog).name());
      return false;
    }
    Fill fill = std::move(answers_.front());
    answers_.pop_front();
    if (!fill) return false;
    fill(d);
    const std::string why = CheckOk(d);
    if (!why.empty()) {
      ++refused_;
      lastRefusal_ = why;
      // Cancel after a refusal leaves the start values, as the form does.
      if constexpr (std::is_copy_assignable_v<Dialog>) d = shown_.back();
      return false;
    }
    return true;
  }

  // Every dialog shown, as it was when it opened.
  const std::vector<Dialog>& Shown() const { return shown_; }
  int Asked() const { return static_cast<int>(shown_.size()); }
  int Unanswered() const { return unanswered_; }
  int Refused() const { return refused_; }
  // The message of the last refused answer.
  const std::string& LastRefusal() const { return lastRefusal_; }
  std::size_t Pending() const { return answers_.size(); }

 private:
  std::deque<Fill> answers_;  // an empty Fill is Cancel
  std::vector<Dialog> shown_;
  int unanswered_ = 0;
  int refused_ = 0;
  std::string lastRefusal_;
};

// A script installed for its own lifetime: the runner of its dialog class
// while it lives, the one before it again afterwards.
template <class Dialog>
class InstalledScript : public Scripted<Dialog> {
 public:
  InstalledScript() : use_(this) {}

 private:
  ScopedRunner<Dialog> use_;
};

}  // namespace dlg
