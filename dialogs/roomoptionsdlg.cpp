#include "dialogs/roomoptionsdlg.h"

#include "building/droom_settings.h"

namespace dlg {

namespace {
constexpr int32 kUnitsPerInch = 24;
}  // namespace

MergingDistanceDialog::MergingDistanceDialog() {
  const int32 m = droom::ReadMergingDistance();
  distance = MetricUnits == 1 ? m : m / kUnitsPerInch;
}

void MergingDistanceDialog::Describe(Form& f) {
  f.Title("Merging Distance").Help("rooms.htm");
  f.Note("A design room dropped this near a wall or another room is pulled against it.");
  if (MetricUnits == 1)
    f.Integer("merging distance (mm)", distance, 0, kMaxMetric);
  else
    f.Integer("merging distance (inches)", distance, 0, kMaxInches);
}

void MergingDistanceDialog::Keep() const {
  droom::WriteMergingDistance(MetricUnits == 1 ? distance : distance * kUnitsPerInch);
}

void RoomColourDialog::Describe(Form& f) {
  f.Title("Room Colours").Help("rooms.htm");
  f.Choice("colour to change", which, {{1, "wet areas"}, {2, "bedrooms"}, {3, "other rooms"}});
}

}  // namespace dlg
