#include "dialogs/roomimpdlg.h"

#include <algorithm>

#include "building/droom_geometry.h"

namespace dlg {

namespace {
constexpr int32 kUnitsPerFoot = 288;
constexpr int32 kDefaultSide = 10 * kUnitsPerFoot;
}  // namespace

TTRoomimpdlg::TTRoomimpdlg()
    : width(FeetInches::Of(kDefaultSide)), length(FeetInches::Of(kDefaultSide)) {}

TTRoomimpdlg::TTRoomimpdlg(int32 spanWidth, int32 spanLength)
    : width(FeetInches::Of(std::clamp(spanWidth, kMin, kMax))),
      length(FeetInches::Of(std::clamp(spanLength, kMin, kMax))) {}

void TTRoomimpdlg::Describe(Form& f) {
  f.Title("Design Room").Help("rooms.htm");
  DescribeName(f);
  DescribeFeetInches(f, "width", width, kMax / kUnitsPerFoot);
  DescribeFeetInches(f, "length", length, kMax / kUnitsPerFoot);
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
