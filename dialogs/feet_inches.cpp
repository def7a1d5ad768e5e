#include "dialogs/feet_inches.h"

#include <algorithm>
#include <cstdint>

#include "dialogs/form.h"

namespace dlg {

namespace {
constexpr int32 kUnitsPerFoot = 288;
constexpr int32 kUnitsPerInch = 24;
constexpr int32 kUnitsPerEighth = 3;
constexpr int32 kInchesPerFoot = 12;
constexpr int32 kEighthsPerInch = 8;
// Beyond any length a drawing takes, and far within 32 bits as units.
constexpr std::int64_t kLargestNumber = 1000000;

// Reads typed text from left to right.
class Typed {
 public:
  explicit Typed(std::string_view s) : s_(s) {}
  void Blanks() {
    while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t')) ++i_;
  }
  bool At(char c) const { return i_ < s_.size() && s_[i_] == c; }
  bool AtDigit() const { return i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9'; }
  bool Take(char c) {
    if (!At(c)) return false;
    ++i_;
    return true;
  }
  bool TakeFootMark() {
    if (!At('\'') || (i_ + 1 < s_.size() && s_[i_ + 1] == '\'')) return false;
    ++i_;
    return true;
  }
  bool TakeInchMark() {
    if (Take('"')) return true;
    if (s_.substr(i_, 2) != "''") return false;
    i_ += 2;
    return true;
  }
  // Digits only; false when there are none or they run beyond any length.
  bool Number(std::int64_t& v) {
    if (!AtDigit()) return false;
    v = 0;
    while (AtDigit()) {
      v = v * 10 + (s_[i_++] - '0');
      if (v > kLargestNumber) return false;
    }
    return true;
  }
  bool AtEnd() {
    Blanks();
    return i_ == s_.size();
  }

 private:
  std::string_view s_;
  std::size_t i_ = 0;
};

// A fraction of an inch after its numerator: "/8"; false unless it is
// whole eighths below one inch.
bool Fraction(Typed& t, std::int64_t numerator, std::int64_t& eighths) {
  std::int64_t denominator = 0;
  if (!t.Take('/') || !t.Number(denominator)) return false;
  if (denominator == 0 || kEighthsPerInch % denominator != 0 || numerator >= denominator)
    return false;
  eighths = numerator * (kEighthsPerInch / denominator);
  return true;
}

// Inches from their first number on: "6", "6 1/2", "6-1/2" or "1/2".
bool Inches(Typed& t, std::int64_t first, std::int64_t& inches, std::int64_t& eighths) {
  inches = first;
  eighths = 0;
  if (t.At('/')) {
    inches = 0;
    return Fraction(t, first, eighths);
  }
  t.Blanks();
  const bool hyphen = t.Take('-');
  t.Blanks();
  std::int64_t numerator = 0;
  if (!t.Number(numerator)) return !hyphen;
  return Fraction(t, numerator, eighths);
}

}  // namespace

std::optional<TypedFeet> ReadFeetInches(std::string_view text) {
  Typed t(text);
  t.Blanks();
  std::int64_t first = 0;
  if (!t.Number(first)) return std::nullopt;
  t.Blanks();
  if (t.AtEnd()) return TypedFeet{{int32(first), 0, 0}, false};
  std::int64_t inches = 0, eighths = 0;
  if (t.TakeFootMark()) {
    t.Blanks();
    if (t.AtEnd()) return TypedFeet{{int32(first), 0, 0}, false};
    t.Take('-');
    t.Blanks();
    std::int64_t number = 0;
    if (!t.Number(number) || !Inches(t, number, inches, eighths)) return std::nullopt;
    t.Blanks();
    t.TakeInchMark();
    if (!t.AtEnd() || inches >= kInchesPerFoot) return std::nullopt;
    return TypedFeet{{int32(first), int32(inches), int32(eighths)}, true};
  }
  // No foot mark: inches alone, which must be marked as inches.
  if (!Inches(t, first, inches, eighths)) return std::nullopt;
  t.Blanks();
  if (!t.TakeInchMark() || !t.AtEnd()) return std::nullopt;
  return TypedFeet{FeetInches::Of(int32(inches * kUnitsPerInch + eighths * kUnitsPerEighth)),
                   true};
}

FeetInches FeetInches::Of(int32 units) {
  units = std::max(units, 0);
  return {units / kUnitsPerFoot, (units % kUnitsPerFoot) / kUnitsPerInch,
          (units % kUnitsPerInch) / kUnitsPerEighth};
}

int32 FeetInches::Units() const {
  return feet * kUnitsPerFoot + inches * kUnitsPerInch + eighths * kUnitsPerEighth;
}

void DescribeFeetInches(Form& f, const std::string& label, FeetInches& v, int32 maxFeet) {
  f.Integer(label + " feet", v.feet, 0, maxFeet);
  f.Integer(label + " inches", v.inches, 0, 11);
  f.Integer(label + " eighths", v.eighths, 0, 7);
}

}  // namespace dlg
