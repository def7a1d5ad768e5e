// The opening tool's set-up, ghost and the search for the wall.
#include "building/opening_tool.h"

#include <algorithm>
#include <utility>

#include "model/flist.h"
#include "model/queries_support.h"
#include "model/rounding.h"
#include "platform/dc.h"
#include "platform/ui.h"
#include "storage/settings_files.h"
#include "tools/tool_drawing.h"

namespace {

constexpr int32 kSetUpWindow = 1;
constexpr int32 kSetUpDoor = 2;
constexpr int32 kNothingPlaced = 1;  // Result, and the ghost's y
constexpr int32 kMaxLeaves = 10;
constexpr int32 kGhostTick = 50;  // window units

constexpr const char* kMarkingCaption = "Marking Error";
constexpr const char* kNoWindow =
    "No window marked - cursor must be between the 2 or 4 line thickness of a wall and window "
    "must not overlap wall - select icon again";
constexpr const char* kNoOpening =
    "No opening marked - cursor must be between the 2 or 4 line thickness of a wall and opening "
    "must not overlap wall - select icon again";
constexpr const char* kNoDoor =
    "No door marked - cursor must be between the 2 or 4 line thickness of a wall and door must "
    "not overlap wall - select icon again";
constexpr const char* kRoundWindowSplit = "Round ( Bullseye ) windows cannot be split over 2 floors";
constexpr const char* kNoWidth =
    "The window or door has no width: set its width above 0 and choose it again";
constexpr const char* kBadLeafCount =
    "The door settings give a number of doors outside 1 to 10: choose the door again";

bool TakesSwingFromStep(int32 k) {
  using namespace openingkind;
  return k == HangingDoor || k == EntryFrame || k == Folding || k == Wardrobe;
}

}  // namespace

int32 OpeningIdBase(int32 v) {
  constexpr int32 kGround = 100000, kPerFloor = 10000, kOtherViews = 160000;
  if (v >= view::Ground && v <= view::SubFloor) return kGround + kPerFloor * (v - view::Ground);
  return kOtherViews;
}

// ---- Set-up ---------------------------------------------------------------------------

void TWindowobjtool::Execute(int32 /*a*/, int32 kind, int32 /*c*/) {
  LeafCount = 1;
  Ready = false;
  if (kind == kSetUpWindow) {
    if (!SetUpWindow()) return;
  } else if (kind == kSetUpDoor) {
    if (!SetUpDoor()) return;
  } else {
    return;
  }
  if (OpeningWidth <= 0) {
    plat::ErrorBox(kNoWidth, plat::mbOK);
    return;
  }
  Ready = true;
  ButtonDown = 1;  // the ghost follows the pointer
  GhostShown = 0;
}

bool TWindowobjtool::SetUpWindow() {
  WindowSettings w;
  if (!ReadWindowSettings(w)) {
    ReportOpeningSettingsUnreadable(cfgfile::Window);
    return false;
  }
  OpeningKind = w.Kind();
  OpeningWidth = w.Width();
  ShowSizes = w.ShowSizes();
  ShowCill = w.ShowCill();
  return true;
}

bool TWindowobjtool::SetUpDoor() {
  using namespace openingkind;
  DoorSettings d;
  if (!ReadDoorSettings(d)) {
    ReportOpeningSettingsUnreadable(cfgfile::Door);
    return false;
  }
  if (d.LeafCount() < 1 || d.LeafCount() > kMaxLeaves) {
    plat::ErrorBox(kBadLeafCount, plat::mbOK);
    return false;
  }
  OpeningKind = d.Kind();
  LeafWidth = d.LeafWidth();
  LeafCount = d.LeafCount();
  FoldSide = d.FoldSide();
  DoorOption = d.Option();
  const int32 k = OpeningKind;
  if (k > WindowLast) {
    OpeningWidth = LeafWidth * LeafCount;
    if (k == InwallSliders || k == SideFrameSliders || k == EntryFrame || k == Folding ||
        k == Wardrobe)
      OpeningWidth = d.TotalWidth();
    if (OpeningWidth <= 0) return true;  // refused by the caller; the file stays as it is
    if (k == HangingDoor || k == HangingDoors || k == Folding || k == Wardrobe)
      d.v[2] = OpeningWidth;
    WriteDoorSettings(d);
  }
  if (k == SideFrameSliders) FoldSide = DoorOption;
  WallBase = 0;
  OpeningLevel = d.Level();
  if (TakesSwingFromStep(k)) {
    SwingDirection = Step;
    if (!ReadDoorSwing(swing_)) {
      ReportOpeningSettingsUnreadable(cfgfile::DoorSwing);
      return false;
    }
    PlacePoint = {TruncToInt(OpeningWidth * swing_.sine), TruncToInt(OpeningWidth * swing_.cosine)};
  }
  return true;
}

// ---- The ghost --------------------------------------------------------------------------

void TWindowobjtool::MouseMove(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                               int32 Y) {
  const plat::Point p = ClickToDrawing(dc, client, X, Y);
  if (Type != tooltype::Opening) return;
  if (p.x == X1 && p.y == Y1) return;
  if (GhostShown > 0) DrawPreview(dc, 0);
  X1 = p.x;
  Y1 = p.y;
  DrawPreview(dc, 0);
  GhostShown = 1;
}

void TWindowobjtool::DrawPreview(plat::DeviceContext& dc, int32 /*mode*/) {
  ScopedXorPen pen(dc, plat::R2_XORPEN, plat::Pen{plat::PS_DOT, 2, DrawingColour});
  plat::ScopedBrush brush(dc, plat::NullBrush());
  const int32 ps = std::max(1, PixelScale);
  const int32 x = X1 / ps, y = Y1 / ps, w = OpeningWidth / ps;
  if (OpeningKind != openingkind::HangingDoor) {
    dc.Ellipse(x - w / 2, y + w / 2, x + w / 2, y - w / 2);
    return;
  }
  const int32 lx = PlacePoint.x / ps, ly = PlacePoint.y / ps, t = kGhostTick;
  struct Ghost {
    plat::Point leaf, from, to;
  };
  Ghost g{};
  switch (SwingDirection) {
    case 1: g = {{x - lx, y - ly}, {x - t, y - w}, {x, y - w}}; break;
    case 2: g = {{x - lx, y + ly}, {x - t, y + w}, {x + t, y + w}}; break;
    case 3: g = {{x + lx, y - ly}, {x - t, y - w}, {x + t, y - w}}; break;
    case 4: g = {{x + lx, y + ly}, {x - t, y + w}, {x + t, y + w}}; break;
    case 5: g = {{x + ly, y + lx}, {x + w, y - t}, {x + w, y + t}}; break;
    case 6: g = {{x + ly, y - lx}, {x + w, y - t}, {x + w, y + t}}; break;
    case 7: g = {{x - ly, y + lx}, {x - w, y - t}, {x - w, y + t}}; break;
    case 8: g = {{x - ly, y - lx}, {x - w, y - t}, {x - w, y + t}}; break;
    default: return;
  }
  dc.MoveTo(x, y);
  dc.LineTo(g.leaf.x, g.leaf.y);
  dc.MoveTo(g.from.x, g.from.y);
  dc.LineTo(g.to.x, g.to.y);
}

// ---- Finding the wall ---------------------------------------------------------------------

void TWindowobjtool::KeyDown(plat::DeviceContext& dc, const plat::Rect& client, int32 /*key*/,
                             plat::Point& cursor, int32 value) {
  if (LocateWall(dc, client, cursor))
    PlaceOpening(dc, client, value);
  else
    ShowRefusal();
}

void TWindowobjtool::ShowRefusal() {
  const int32 why = std::exchange(Refusal, refusal::None);
  if (why == refusal::NoWall) ShowMarkingError();
  if (why == refusal::RoundWindowSplit) plat::ErrorBox(kRoundWindowSplit, plat::mbOK);
}

void TWindowobjtool::ShowMarkingError() const {
  const char* text = openingkind::IsWindow(OpeningKind)         ? kNoWindow
                     : OpeningKind == openingkind::WallOpening ? kNoOpening
                                                                : kNoDoor;
  plat::Ui().CaptionedMessage(kMarkingCaption, text, plat::mbOK);
}

bool TWindowobjtool::LocateWall(plat::DeviceContext& dc, const plat::Rect& client,
                                plat::Point cursor) {
  ButtonDown = 0;
  // Converting the cursor puts the view's mapping on dc; the ghost is then
  // rubbed out where it was last drawn.
  const plat::Point p = ClickToDrawing(dc, client, cursor.x, cursor.y);
  if (GhostShown > 0) DrawPreview(dc, 0);
  GhostShown = 0;
  X1 = p.x;
  Y1 = p.y;
  dc.SetROP2(plat::R2_COPYPEN);
  WallAngle = 0;
  WallIndex = TFlist::kNothingFound;
  Result = 0;
  Refusal = refusal::None;

  const OpeningFit fit =
      FitOpening(DrawingList, CurrentView, p, {OpeningKind, OpeningWidth, SwingDirection});
  ReadDoorSwing(swing_);
  if (!fit.Found()) {
    Y1 = kNothingPlaced;
    Result = kNothingPlaced;
    Refusal = refusal::NoWall;
    PlacePoint = {TruncToInt(OpeningWidth * swing_.sine), TruncToInt(OpeningWidth * swing_.cosine)};
    return false;
  }
  const TObj& wall = *DrawingList.At(fit.wallIndex);
  WallIndex = fit.wallIndex;
  WallClass = fit.wallClass;
  WallThickness = fit.thickness;
  WallAngle = fit.angle;
  CursorFace = fit.cursorFace;
  WallLink = wall.LinkId;
  WallBase = wall.Marked;
  // Levels come from the door file and the wall's own: held to 32 bits.
  OpeningLevel = queries::ClampToInt32(1LL * OpeningLevel + WallBase);
  // A wall that records its top level keeps a round window below it.
  const int32 top = wall.Tag2;
  if (OpeningKind == openingkind::RoundWindow && top > WallBase && top < OpeningLevel) {
    Y1 = kNothingPlaced;
    Result = kNothingPlaced;
    Refusal = refusal::RoundWindowSplit;
    return false;
  }
  X1 = fit.point.x;
  Y1 = fit.point.y;
  PlacePoint = fit.point;
  return true;
}
