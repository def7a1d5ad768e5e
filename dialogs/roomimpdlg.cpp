#include "dialogs/roomimpdlg.h"

#include <algorithm>

#include "building/droom_geometry.h"

namespace dlg {

namespace {
constexpr int32 kUnitsPerFoot = 288;
constexpr int32 kUnitsPerInch = 24;
constexpr int32 kUnitsPerEighth = 3;
constexpr int32 kDefaultSide = 10 * kUnitsPerFoot;
}  // namespace

FeetInches FeetInches::Of(int32 units) {
  units = std::max(units, 0);
  return {units / kUnitsPerFoot, (units % kUnitsPerFoot) / kUnitsPerInch,
          (units % kUnitsPerInch) / kUnitsPerEighth};
}

int32 FeetInches::Units() const {
  return feet * kUnitsPerFoot + inches * kUnitsPerInch + eighths * kUnitsPerEighth;
}

TTRoomimpdlg::TTRoomimpdlg()
    : width(FeetInches::Of(kDefaultSide)), length(FeetInches::Of(kDefaultSide)) {}

TTRoomimpdlg::TTRoomimpdlg(int32 spanWidth, int32 spanLength)
    : width(FeetInches::Of(std::clamp(spanWidth, kMin, kMax))),
      length(FeetInches::Of(std::clamp(spanLength, kMin, kMax))) {}

void TTRoomimpdlg::Describe(Form& f) {
  f.Title("Design Room").Help("rooms.htm");
  DescribeName(f);
  f.Integer("width feet", width.feet, 0, kMax / kUnitsPerFoot);
  f.Integer("width inches", width.inches, 0, 11);
  f.Integer("width eighths", width.eighths, 0, 7);
  f.Integer("length feet", length.feet, 0, kMax / kUnitsPerFoot);
  f.Integer("length inches", length.inches, 0, 11);
  f.Integer("length eighths", length.eighths, 0, 7);
  DescribeChoices(f);
}

std::string TTRoomimpdlg::Accept() {
  const std::string low = droom::SizeText(kMin, 0), high = droom::SizeText(kMax, 0);
  for (const auto& [label, v] : {std::pair{"width", Width()}, std::pair{"length", Length()}}) {
    if (v < kMin || v > kMax)
      return std::string(label) + " " + low + " to " + high + " input is incorrect";
  }
  return {};
}

}  // namespace dlg
