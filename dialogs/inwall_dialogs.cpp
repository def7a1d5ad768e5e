#include "dialogs/inwall_dialogs.h"

#include "building/extwall_tool.h"
#include "building/inwall_tool.h"
#include "dialogs/modal.h"
#include "platform/services.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"

namespace {

std::vector<std::pair<int32, std::string>> Sides() {
  return {{secondline::Below, "Below - walls drawn across"},
          {secondline::Above, "Above - walls drawn across"},
          {secondline::Left, "Left - walls drawn up or down"},
          {secondline::Right, "Right - walls drawn up or down"}};
}

int32 SpacingFile(int32 fallback) {
  const int32 v = cfg::ReadFirstInt(ProgramFile(cfgfile::InWallSpacing.ForUnits()), 0);
  return v > 0 ? v : fallback;
}

bool WriteSpacing(int32 v) {
  return cfg::Write(ProgramFile(cfgfile::InWallSpacing.ForUnits()), plat::Format("%d\n", v));
}

}  // namespace

TTDblelinedlg::TTDblelinedlg() {
  const int32 v = SpacingFile(spacing);
  if (v >= kMin && v <= kMax) spacing = v;
}

void TTDblelinedlg::Describe(dlg::Form& f) {
  f.Title("Internal Walls").Help("intwall.htm");
  f.Note("The spacing between the two lines of the wall, and where the second line lies "
         "from the line you draw.");
  f.Integer("spacing (mm)", spacing, kMin, kMax);
  f.Choice("second line", side, Sides());
}

bool TTDblelinedlg::Keep() const { return WriteSpacing(spacing); }

TTDblelineimpdlg::TTDblelineimpdlg() {
  const int32 v = SpacingFile(Spacing());
  if (v >= kMin && v <= kMax) {
    inches = v / 24;
    eighths = (v % 24) / 3;
  }
}

void TTDblelineimpdlg::Describe(dlg::Form& f) {
  f.Title("Internal Walls").Help("intwall.htm");
  f.Note("The spacing between the two lines of the wall, and where the second line lies "
         "from the line you draw.");
  f.Integer("spacing inches", inches, 0, kMax / 24);
  f.Integer("spacing eighths", eighths, 0, 7);
  f.Choice("second line", side, Sides());
}

std::string TTDblelineimpdlg::Accept() {
  const int32 s = Spacing();
  if (s < kMin || s > kMax) return "spacing 1 to 25 inches input is incorrect";
  return {};
}

bool TTDblelineimpdlg::Keep() const { return WriteSpacing(Spacing()); }

bool RunSpacingDialog(int32& spacing, int32& side) {
  if (MetricUnits == 1) {
    TTDblelinedlg d;
    if (!dlg::ShowModal(d)) return false;
    d.Keep();
    spacing = d.spacing;
    side = d.side;
    return true;
  }
  TTDblelineimpdlg d;
  if (!dlg::ShowModal(d)) return false;
  d.Keep();
  spacing = d.Spacing();
  side = d.side;
  return true;
}

void TTSnapdlg::Describe(dlg::Form& f) {
  f.Title("Adjust Wall").Help("altwall.htm");
  f.Choice("change", step,
           {{toolstep::Join, "Join a new wall to the end of an external wall"},
            {toolstep::Shorten, "Shorten a wall"},
            {toolstep::Extend, "Lengthen a wall"},
            {toolstep::Split, "Split an external wall in two"},
            {toolstep::WallType, "Change an external wall to another (thinner) type"},
            {toolstep::MoveInWall, "Move an internal wall"},
            {toolstep::Delete, "Delete a wall or line"}});
}

void TFloorChange::Describe(dlg::Form& f) {
  f.Title("Floors to Change").Help("base.htm");
  f.Choice("change", choice,
           {{multifloor::AllFloors, "All floors"},
            {multifloor::GroundOnly, "Ground floor only"},
            {multifloor::ThisFloor, "This floor only"}});
}
