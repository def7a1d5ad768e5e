#include "dialogs/opening_dialogs.h"

#include <cmath>

#include "model/rounding.h"
#include "platform/services.h"

namespace {

constexpr int32 kUnitsPerInch = 24;
constexpr int32 kEighthsPerInch = 8;
constexpr int32 kUnitsPerEighth = 3;
constexpr double kDegreesToRadians = 0.017453292519943295;

// The level value the door dialogs write: one unit of the drawing's inch
// or millimetre.
int32 DoorLevel(bool metric) { return metric ? 1 : kUnitsPerInch; }

void LengthField(dlg::Form& f, bool metric, const std::string& label, double& v, double lowMm,
                 double highMm) {
  if (metric)
    f.Real(label + " (mm)", v, lowMm, highMm, 0);
  else
    f.Real(label + " (inches)", v, std::floor(lowMm / 25.4), std::ceil(highMm / 25.4), 3);
}

constexpr double kMinOpening = 100, kMaxOpening = 20000;

}  // namespace

int32 TypedLength(double typed, bool metric) {
  if (metric) return TruncToInt(std::floor(typed + 0.5));
  return TruncToInt(std::floor(typed * kEighthsPerInch + 1e-9)) * kUnitsPerEighth;
}

double ShownLength(int32 units, bool metric) {
  return metric ? units : static_cast<double>(units) / kUnitsPerInch;
}

// ---- Windows ------------------------------------------------------------------------------

void TTWindlg::Load(const WindowSettings& s, bool metricUnits) {
  metric = metricUnits;
  kind = openingkind::IsWindow(s.Kind()) ? s.Kind() : 1;
  width = ShownLength(s.Width(), metric);
  height = ShownLength(s.Height(), metric);
  showSizes = s.ShowSizes() == 1 ? 1 : 0;
  textHeight = s.TextHeight();
  showCill = s.ShowCill() == 1 ? 1 : 0;
}

void TTWindlg::Describe(dlg::Form& f) {
  f.Title("Windows").Help("windows.htm");
  f.Choice("Window type", kind,
           {{1, "Sliding"},
            {2, "Double hung"},
            {3, "Casement"},
            {4, "Awning"},
            {5, "Louvre"},
            {6, "Round (bullseye)"},
            {7, "Fixed"},
            {8, "Bay"},
            {9, "Full height (no cill)"}},
           true);
  LengthField(f, metric, "Width", width, kMinOpening, kMaxOpening);
  LengthField(f, metric, "Height", height, kMinOpening, kMaxOpening);
  f.Check("Show the size on the plan", showSizes);
  f.Integer("Size text height", textHeight, 4, 200);
  f.Check("Show a cill", showCill);
}

void TTWindlg::Apply(WindowSettings& s) const {
  s.v[0] = kind;
  s.v[1] = TypedLength(width, metric);
  s.v[2] = TypedLength(height, metric);
  s.v[4] = showSizes;
  s.v[5] = textHeight;
  s.v[6] = showCill;
}

// ---- Doors -------------------------------------------------------------------------------

void DoorCountRange(int32 type, int32& low, int32& high) {
  using namespace openingkind;
  low = high = 1;
  switch (type) {
    case HangingDoors:
    case InwallSliders: low = high = 2; break;
    case SideFrameSliders:
    case EntryFrame:
    case Garage: high = 2; break;
    case Folding:
    case Wardrobe:
      low = 2;
      high = 10;
      break;
    default: break;
  }
}

void TTExdoordlg::Load(const DoorSettings& s, bool metricUnits) {
  metric = metricUnits;
  type = s.Kind() > openingkind::WindowLast ? s.Kind() : openingkind::HangingDoor;
  width = ShownLength(s.LeafWidth(), metric);
  count = s.LeafCount() >= 1 && s.LeafCount() <= 10 ? s.LeafCount() : 1;
}

void TTExdoordlg::Describe(dlg::Form& f) {
  using namespace openingkind;
  f.Title("Doors").Help("doors.htm");
  f.Choice("Door type",
           type,
           {{WallOpening, "Wall opening (no door)"},
            {HangingDoor, "One hanging door"},
            {HangingDoors, "Two hanging doors"},
            {InwallSlider, "One door sliding inside the wall"},
            {InwallSliders, "Two doors sliding inside the wall"},
            {SideFrameSliders, "External sliding doors with side frame"},
            {EntryFrame, "Entry frame with hanging doors"},
            {Garage, "Garage door"},
            {Folding, "Folding doors"},
            {Wardrobe, "Wardrobe or passing sliders"}},
           true);
  LengthField(f, metric, "Width of each door", width, 100, 6000);
  f.Integer("Number of doors", count, 1, 10);
}

std::string TTExdoordlg::Accept() {
  int32 low = 1, high = 1;
  DoorCountRange(type, low, high);
  if (count < low || count > high)
    return plat::Format("Number of doors %d to %d input is incorrect", low, high);
  return {};
}

void TTExdoordlg::Apply(DoorSettings& s) const {
  const int32 w = Width();
  s.v[0] = type;
  s.v[1] = 0;
  s.v[2] = w * count;
  s.v[3] = DoorLevel(metric);
  s.v[4] = w;
  s.v[5] = count;
}

void TTDoorplandlg::Describe(dlg::Form& f) {
  f.Title("Door Position").Help("doors.htm");
  f.Note("Choose the way the door opens as the wall lies on the screen.");
  f.Choice("Door opens", view,
           {{1, "Wall up and down: hinge at the top, opens to the left"},
            {2, "Wall up and down: hinge at the bottom, opens to the left"},
            {3, "Wall up and down: hinge at the top, opens to the right"},
            {4, "Wall up and down: hinge at the bottom, opens to the right"},
            {5, "Wall across: hinge on the left, opens upward"},
            {6, "Wall across: hinge on the left, opens downward"},
            {7, "Wall across: hinge on the right, opens upward"},
            {8, "Wall across: hinge on the right, opens downward"}});
}

void TTSdoordlg::Describe(dlg::Form& f) {
  f.Title("Sliding Door").Help("doors.htm");
  f.Choice("Door slides", view,
           {{1, "Wall up and down: slides up, on the left face"},
            {2, "Wall up and down: slides down, on the left face"},
            {3, "Wall up and down: slides up, on the right face"},
            {4, "Wall up and down: slides down, on the right face"},
            {5, "Wall across: slides left, on the upper face"},
            {6, "Wall across: slides left, on the lower face"},
            {7, "Wall across: slides right, on the upper face"},
            {8, "Wall across: slides right, on the lower face"}});
  f.Check("The door slides into the wall", intoWall);
}

void TTEntrydlg::Load(const DoorSettings& s, bool metricUnits) {
  metric = metricUnits;
  doorKind = s.Kind();
  doorsWidth = s.LeafWidth() * s.LeafCount();
  frameWidth = ShownLength(s.TotalWidth() > doorsWidth ? s.TotalWidth() : doorsWidth, metric);
  position = s.Option() == 1 || s.Option() == 2 ? s.Option() : 0;
}

void TTEntrydlg::Describe(dlg::Form& f) {
  f.Title("Door Frame").Help("doors.htm");
  LengthField(f, metric, "Width of the whole frame", frameWidth, 100, 20000);
  // Seen from outside the building.
  if (doorKind == openingkind::SideFrameSliders)
    f.Choice("Doors stand", position,
             {{0, "Central in the frame"}, {1, "On the left side"}, {2, "On the right side"}});
  else
    f.Choice("Doors stand", position,
             {{0, "Central in the frame"}, {2, "On the left side"}, {1, "On the right side"}});
}

std::string TTEntrydlg::Accept() {
  if (TypedLength(frameWidth, metric) < doorsWidth)
    return "The frame cannot be narrower than its doors: frame width input is incorrect";
  return {};
}

void TTEntrydlg::Apply(DoorSettings& s) const {
  s.v[2] = TypedLength(frameWidth, metric);
  s.v[8] = position;
}

void TTFoldingdlg::Load(const DoorSettings& s) {
  side = s.FoldSide() == 1 || s.FoldSide() == 2 ? s.FoldSide() : 0;
}

void TTFoldingdlg::Describe(dlg::Form& f) {
  f.Title("Folding Doors").Help("doors.htm");
  f.Choice("Opening side", side,
           {{0, "Opens both ways from the middle"}, {1, "Left side opens"}, {2, "Right side opens"}});
}

void TTFoldingdlg::Apply(DoorSettings& s) const { s.v[6] = side; }

void TTRobedlg::Load(const DoorSettings& s, bool metricUnits) {
  metric = metricUnits;
  openingWidth = ShownLength(s.TotalWidth(), metric);
}

void TTRobedlg::Describe(dlg::Form& f) {
  f.Title("Sliding Doors").Help("doors.htm");
  LengthField(f, metric, "Width of the opening", openingWidth, 100, 20000);
  f.Check("The doors slide inside the walls", insideWalls);
}

void TTRobedlg::Apply(DoorSettings& s) const { s.v[2] = OpeningWidth(); }

void TTDefdoorsdlg::Load(const DoorSwing& s) {
  angle = s.angle == 30 || s.angle == 60 ? s.angle : 90;
  lineWidth = s.lineWidth == 2 ? 2 : 1;
}

void TTDefdoorsdlg::Describe(dlg::Form& f) {
  f.Title("Door Swing").Help("doors.htm");
  f.Choice("Doors drawn open at", angle, {{30, "30 degrees"}, {60, "60 degrees"}, {90, "90 degrees"}});
  f.Choice("Door leaf line", lineWidth, {{1, "Thin"}, {2, "Thick"}});
}

DoorSwing TTDefdoorsdlg::Result() const {
  DoorSwing s;
  s.angle = angle;
  s.lineWidth = lineWidth;
  s.sine = std::sin(angle * kDegreesToRadians);
  s.cosine = std::cos(angle * kDegreesToRadians);
  return s;
}
