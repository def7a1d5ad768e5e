#include "dialogs/form.h"

#include <utility>

#include "platform/services.h"

namespace dlg {

namespace {
FormRunner* g_formRunner = nullptr;
}  // namespace

FormRunner* InstallFormRunner(FormRunner* runner) { return std::exchange(g_formRunner, runner); }
FormRunner* InstalledFormRunner() { return g_formRunner; }

FormField& Form::Add(FormField::Kind kind, std::string label) {
  FormField& f = fields_.emplace_back();
  f.kind = kind;
  f.label = std::move(label);
  return f;
}

Form& Form::Integer(std::string label, int32& value, int32 low, int32 high) {
  FormField& f = Add(FormField::Kind::Integer, std::move(label));
  f.integer = &value;
  f.low = low;
  f.high = high;
  return *this;
}

Form& Form::Real(std::string label, double& value, double low, double high, int decimals) {
  FormField& f = Add(FormField::Kind::Real, std::move(label));
  f.real = &value;
  f.low = low;
  f.high = high;
  f.decimals = decimals;
  return *this;
}

Form& Form::Text(std::string label, std::string& value, int maxLength) {
  FormField& f = Add(FormField::Kind::Text, std::move(label));
  f.text = &value;
  f.maxLength = maxLength;
  return *this;
}

Form& Form::Choice(std::string label, int32& value,
                   std::vector<std::pair<int32, std::string>> options, bool asList) {
  FormField& f = Add(FormField::Kind::Choice, std::move(label));
  f.integer = &value;
  f.options = std::move(options);
  f.asList = asList;
  return *this;
}

Form& Form::Check(std::string label, int32& value) {
  Add(FormField::Kind::Check, std::move(label)).integer = &value;
  return *this;
}

Form& Form::Note(std::string text) {
  Add(FormField::Kind::Note, std::move(text));
  return *this;
}

int Form::FirstInvalid() const {
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    const FormField& f = fields_[i];
    if (f.kind == FormField::Kind::Integer && (*f.integer < f.low || *f.integer > f.high))
      return int(i);
    if (f.kind == FormField::Kind::Real && (*f.real < f.low || *f.real > f.high)) return int(i);
  }
  return -1;
}

std::string Form::Validate() const {
  const int i = FirstInvalid();
  if (i < 0) return {};
  return RangeMessage(fields_[std::size_t(i)]);
}

std::string Form::RangeMessage(const FormField& f) {
  if (f.kind == FormField::Kind::Integer)
    return plat::Format("%s %d to %d input is incorrect", f.label.c_str(), int(f.low),
                        int(f.high));
  return plat::Format("%s %.*f to %.*f input is incorrect", f.label.c_str(), f.decimals, f.low,
                      f.decimals, f.high);
}

Form::Snapshot Form::Take() const {
  Snapshot s;
  for (const FormField& f : fields_) {
    if (f.integer) s.integers.push_back(*f.integer);
    if (f.real) s.reals.push_back(*f.real);
    if (f.text) s.texts.push_back(*f.text);
  }
  return s;
}

void Form::Restore(const Snapshot& s) const {
  size_t i = 0, r = 0, t = 0;
  for (const FormField& f : fields_) {
    if (f.integer) *f.integer = s.integers[i++];
    if (f.real) *f.real = s.reals[r++];
    if (f.text) *f.text = s.texts[t++];
  }
}

}  // namespace dlg
