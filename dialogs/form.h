// A dialog's form described as data, so that one window-system runner can
// show every option dialog.
//
// A dialog class that has no hand-made form describes its fields in
//
//   void Describe(dlg::Form& f) {
//     f.Title("Wall spacing").Help("intwall.htm");
//     f.Integer("Spacing (mm)", spacing, 50, 1000);
//     f.Choice("Second line", side, {{1, "below"}, {2, "above"}});
//   }
//
// The form edits the dialog's own fields in place. On OK the runner stores
// the edited values, checks every number against its range (Validate) and
// then calls the dialog's Accept() (when it has one); a message from either
// is shown and the form stays open. On Cancel every field gets its start
// value back.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "model/globals.h"

namespace dlg {

struct FormField {
  enum class Kind {
    Integer,  // a whole number in low..high
    Real,     // a number with decimals in low..high
    Text,     // up to maxLength characters
    Choice,   // one of several values, shown as radio buttons or a list
    Check,    // 1 ticked, 0 not
    Note,     // a line of text that explains the fields
  };
  Kind kind = Kind::Note;
  std::string label;
  int32* integer = nullptr;  // Integer, Choice, Check
  double* real = nullptr;    // Real
  std::string* text = nullptr;
  double low = 0;
  double high = 0;
  int decimals = 0;
  int maxLength = 0;
  std::vector<std::pair<int32, std::string>> options;  // Choice: value and caption
  bool asList = false;                                 // Choice: a drop-down list
};

class Form {
 public:
  Form& Title(std::string title) {
    title_ = std::move(title);
    return *this;
  }
  // The help viewer's page for the form's Help button.
  Form& Help(std::string page) {
    help_ = std::move(page);
    return *this;
  }
  Form& Integer(std::string label, int32& value, int32 low, int32 high);
  Form& Real(std::string label, double& value, double low, double high, int decimals = 2);
  Form& Text(std::string label, std::string& value, int maxLength);
  // Radio buttons (or a drop-down list) of values with captions.
  Form& Choice(std::string label, int32& value, std::vector<std::pair<int32, std::string>> options,
               bool asList = false);
  Form& Check(std::string label, int32& value);
  Form& Note(std::string text);

  const std::string& TitleText() const { return title_; }
  const std::string& HelpPage() const { return help_; }
  const std::vector<FormField>& Fields() const { return fields_; }

  // The first field whose value lies outside its range, as the message
  // the form shows ("Spacing 50 to 1000 input is incorrect"); empty when
  // every field holds.
  std::string Validate() const;
  // The message of a number field that does not hold: its range.
  static std::string RangeMessage(const FormField& f);
  // The index in Fields() of that field; -1 when every field holds.
  int FirstInvalid() const;

  // The values of every field, to put back on Cancel.
  struct Snapshot {
    std::vector<int32> integers;
    std::vector<double> reals;
    std::vector<std::string> texts;
  };
  Snapshot Take() const;
  void Restore(const Snapshot& s) const;

 private:
  FormField& Add(FormField::Kind kind, std::string label);

  std::string title_;
  std::string help_;
  std::vector<FormField> fields_;
};

// Shows a described form; installed by the program, absent in tests.
class FormRunner {
 public:
  virtual ~FormRunner() = default;
  // Shows the form modally; accept checks the edited values (an empty
  // string when they hold). True on OK.
  virtual bool Run(const Form& form, const std::function<std::string()>& accept) = 0;
};

// Installs the runner of described forms (not owned); returns the previous.
FormRunner* InstallFormRunner(FormRunner* runner);
FormRunner* InstalledFormRunner();

}  // namespace dlg
