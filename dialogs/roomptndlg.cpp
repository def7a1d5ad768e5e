#include "dialogs/roomptndlg.h"

#include <optional>

#include "building/droom_geometry.h"
#include "dialogs/modal.h"

namespace dlg {

RoomWallSetting::RoomWallSetting(int32 view)
    : index(static_cast<std::size_t>(droom::RoomWallIndex(view))) {
  if (const std::optional<droom::RoomWallSizes> s = droom::ReadRoomWallSizes()) {
    sizes = *s;
    read = true;
  }
}

void RoomWallSetting::Keep(int32 thickness) const {
  droom::RoomWallSizes out = sizes;
  if (!read) out.fill(thickness);
  out[index] = thickness;
  droom::WriteRoomWallSizes(out);
}

TTRoomptndlg::TTRoomptndlg(int32 view) : setting_(view) {
  const int32 v = setting_.sizes[setting_.index];
  if (setting_.read && v >= kMin && v <= kMax) thickness = v;
}

void TTRoomptndlg::Describe(Form& f) {
  f.Title("Wall Thickness for Design Rooms").Help("rooms.htm");
  f.Note("The thickness of the walls that will be built round the design rooms of this floor.");
  f.Integer("wall thickness (mm)", thickness, kMin, kMax);
}

TTRoomptnimp::TTRoomptnimp(int32 view) : setting_(view) {
  const int32 v = setting_.sizes[setting_.index];
  if (setting_.read && v >= kMin && v <= kMax) {
    inches = v / 24;
    eighths = (v % 24) / 3;
  }
}

void TTRoomptnimp::Describe(Form& f) {
  f.Title("Wall Thickness for Design Rooms").Help("rooms.htm");
  f.Note("The thickness of the walls that will be built round the design rooms of this floor.");
  f.Integer("wall thickness inches", inches, 0, kMax / 24);
  f.Integer("wall thickness eighths", eighths, 0, 7);
}

std::string TTRoomptnimp::Accept() {
  const int32 t = Thickness();
  if (t < kMin || t > kMax)
    return "wall thickness " + droom::SizeText(kMin, 0) + " to " + droom::SizeText(kMax, 0) +
           " input is incorrect";
  return {};
}

bool RunRoomWallDialog(int32 view) {
  if (MetricUnits == 1) {
    TTRoomptndlg d(view);
    if (!ShowModal(d)) return false;
    d.Keep();
    return true;
  }
  TTRoomptnimp d(view);
  if (!ShowModal(d)) return false;
  d.Keep();
  return true;
}

}  // namespace dlg
