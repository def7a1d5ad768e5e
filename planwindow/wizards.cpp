// The drawing window's side of the wizards: the cyan step panel and the red
// hint line over the plan, the end of a wizard, and the design-room
// wizard's four rooms set side by side before the walls are traced round
// them.
#include "planwindow/wizards.h"

#include <algorithm>
#include <cstring>

#include "building/droom_settings.h"
#include "model/elements.h"
#include "model/flist.h"
#include "model/view_mapping.h"
#include "planwindow/childwin.h"
#include "planwindow/routing_support.h"
#include "shell/mainform.h"

using namespace routing;

namespace wizard {

namespace {

constexpr int32 kPanelHeight = 100;
constexpr int32 kFirstHalfHeight = 50;    // the first step's panel sits about the middle
constexpr int32 kLastHalfHeight = 75;     // ... and the last step's
constexpr int32 kLastWallHeight = 200;
constexpr int32 kLastRoomHeight = 170;
constexpr int32 kNarrowMargin = 50;       // the narrow panels' left, off a quarter of the width
constexpr int32 kWideMargin = 100;
constexpr int32 kLowered = 20;            // steps 3 to 11 of the wall wizard sit lower
constexpr int32 kHintWidth = 450;
constexpr int32 kHintHeight = 20;
constexpr int32 kHintTop = 3;

constexpr plat::COLORREF kPanelColour = plat::RGB(0, 255, 255);
constexpr plat::COLORREF kPanelTextColour = plat::RGB(0, 0, 0);
constexpr plat::COLORREF kHintColour = plat::RGB(255, 255, 255);
constexpr plat::COLORREF kHintTextColour = plat::RGB(255, 0, 0);

// The narrow panels: while the user traces or places rooms.
bool NarrowStep(int32 step) { return (step >= 7 && step <= 19) || (step >= 102 && step <= 120); }

// A box moved (and cut down only when it is larger) into a client area.
plat::Rect Inside(int32 left, int32 top, int32 width, int32 height, int32 w, int32 h) {
  width = std::min(width, std::max(w, 0));
  height = std::min(height, std::max(h, 0));
  left = std::clamp(left, 0, std::max(w - width, 0));
  top = std::clamp(top, 0, std::max(h - height, 0));
  return {left, top, left + width, top + height};
}

}  // namespace

bool Running() { return WizardActive == 1 && WizardKind != wizardkind::None; }
bool WallWizardRunning() { return WizardActive == 1 && IsWallKind(WizardKind); }
bool RoomWizardRunning() {
  return WizardActive == 1 && (WizardKind == wizardkind::RoomsMetric || WizardKind == wizardkind::RoomsImperial);
}

bool StepPanelBordered(bool wallWizard, int32 step) {
  return step == (wallWizard ? WallFirst : RoomFirst) || step == (wallWizard ? WallLast : RoomLast);
}

plat::Rect StepPanelBounds(bool wallWizard, int32 step, int32 w, int32 h) {
  int32 top = h - kPanelHeight;
  int32 left = w / 2 - w / 4 - kWideMargin;
  int32 height = kPanelHeight;
  int32 width = w / 2 + 2 * kWideMargin;
  if (step == (wallWizard ? WallFirst : RoomFirst)) {
    top = h / 2 - kFirstHalfHeight;
    left = w / 2 - w / 4 - kNarrowMargin;
    width = w / 2 + 2 * kNarrowMargin;
  } else if (NarrowStep(step)) {
    left = w / 2 - w / 4 - kNarrowMargin;
    width = w / 2 + 2 * kNarrowMargin;
  } else if (step == (wallWizard ? WallLast : RoomLast)) {
    top = h / 2 - kLastHalfHeight;
    height = wallWizard ? kLastWallHeight : kLastRoomHeight;
  }
  if (wallWizard && step >= 3 && step <= 11) {
    top += kLowered;
    height += kLowered;
  }
  return Inside(left, top, width, height, w, h);
}

plat::Rect HintBounds(int32 w, int32 h) {
  return Inside(w / 2 - kHintWidth / 2, kHintTop, kHintWidth, kHintHeight, w, h);
}

std::string ExampleName(int32 kind) {
  switch (kind) {
    case wizardkind::WallsMetric: return "WALLS_MM";
    case wizardkind::WallsImperial: return "WALLS_FT";
    case wizardkind::RoomsMetric: return "ROOMS_MM";
    case wizardkind::RoomsImperial: return "ROOMS_FT";
    default: return {};
  }
}

}  // namespace wizard

namespace {

constexpr int32 kFirstRoomEntry = 6;
constexpr int32 kLastRoomEntry = 9;
constexpr const char* kFirstRoomName = "Bed 1";

}  // namespace

void TMDIChild::ShowWallWizardStep(int32 /*placement: the step decides*/) {
  ShowWizardStep(true);
}

void TMDIChild::ShowRoomWizardStep(int32 /*placement: the step decides*/) {
  ShowWizardStep(false);
}

void TMDIChild::ShowWizardStep(bool wallWizard) {
  if (WizardActive != 1) return;
  const int32 step = WizardStep;
  shownWizardStep_ = step;
  shownWallWizard_ = wallWizard;
  if (step > (wallWizard ? wizard::WallFirst : wizard::RoomFirst)) {
    WizardHint.reset();
    WizardHint = Surface().CreateStaticText();
    WizardHint->Show({}, {wizard::kHintColour, wizard::kHintTextColour, false}, wizard::kHintText);
  }
  WizardText.reset();
  WizardText = Surface().CreateStaticText();
  WizardText->Show({},
                   {wizard::kPanelColour, wizard::kPanelTextColour,
                    wizard::StepPanelBordered(wallWizard, step)},
                   wizard::StepText(step, MetricUnits == 1));
  PlaceWizardPanels();
  if (const char* status = wizard::StepStatus(step); status && !wallWizard) Guide(status);
  Surface().InvalidateRect(nullptr);
  if (step == (wallWizard ? wizard::WallLast : wizard::RoomLast)) {
    Surface().UpdateWindow();
    WizardStep = wallWizard ? wizard::WallDone : wizard::RoomDone;
    WizardKind = wizardkind::None;
  }
}

// The panels of the step shown last, placed for the client area as it is now.
void TMDIChild::PlaceWizardPanels() {
  const plat::Rect client = ClientRect();
  if (WizardHint && WizardHint->Shown())
    WizardHint->Move(wizard::HintBounds(client.Width(), client.Height()));
  if (WizardText && WizardText->Shown())
    WizardText->Move(wizard::StepPanelBounds(shownWallWizard_, shownWizardStep_, client.Width(),
                                             client.Height()));
}

void TMDIChild::EndWizard() {
  WizardText.reset();
  WizardHint.reset();
  WizardActive = 0;
  WizardStep = 0;
  WizardKind = wizardkind::None;
  ChildMode = childmode::Normal;
  // The status says the pick tool: the tool the wizard was working is put away.
  if (MainForm) MainForm->SelectPickTool();
  ToolPanel(kPickToolName);
  Guide("GUIDE: select tool or function");
  Surface().UpdateWindow();
}

plat::Point TMDIChild::SheetCornerPixel(plat::Point inset) const {
  const plat::Rect client = ClientRect();
  const LogicalBox sheet = VisibleSheet();
  int32 x = 0, y = 0;
  {
    plat::WindowDC dc(Surface());
    WorldToDevice(*dc, client, sheet.left, sheet.top, x, y);
  }
  // A window that shows a sheet's edge from beyond it still has its
  // corner inside.
  x = std::clamp(x, 0, std::max(client.right - 1, 0));
  y = std::clamp(y, 0, std::max(client.bottom - 1, 0));
  return {std::min(x + inset.x, std::max(client.right - 1, 0)),
          std::min(y + inset.y, std::max(client.bottom - 1, 0))};
}

plat::Point TMDIChild::WallStartCorner() const {
  return SheetCornerPixel(MetricUnits == 1 ? wizard::kWallStartMetric : wizard::kWallStartImperial);
}

// The design-room wizard's rooms: the first stands with its top left corner
// on the point the outline is started from.
void TMDIChild::PlaceWizardRooms() {
  PlaceWizardRooms(ClientToDrawing(SheetCornerPixel(wizard::kRoomStart)));
}

void TMDIChild::PlaceWizardRooms(plat::Point corner) {
  const std::optional<droom::RoomWallSizes> sizes = droom::ReadRoomWallSizes();
  const int32 gap = sizes ? (*sizes)[0] : 0;
  ReferenceX = corner.x;
  ReferenceY = corner.y;

  auto designRoom = [](int32 i) -> TRoomobj* {
    if (i >= DrawingList.Count() || DrawingList.At(i)->Kind != kind::Room) return nullptr;
    return dynamic_cast<TRoomobj*>(DrawingList.At(i));
  };
  TRoomobj* first = designRoom(kFirstRoomEntry);
  if (!first) return;
  std::memset(first->RoomName, 0, sizeof first->RoomName);
  std::strncpy(first->RoomName, kFirstRoomName, sizeof first->RoomName - 1);
  first->NameLength = int32(std::strlen(first->RoomName));

  int32 left = corner.x;
  for (int32 i = kFirstRoomEntry; i <= kLastRoomEntry; ++i) {
    TRoomobj* room = designRoom(i);
    if (!room) continue;
    const int32 width = room->X2 - room->X1;
    const int32 height = room->Y1 - room->Y2;
    room->X1 = left;
    room->Y1 = corner.y;
    room->X2 = left + width;
    room->Y2 = corner.y - height;
    left = room->X2 + gap;
  }
  DrawingList.WriteDrawingFile(dtDrawing);
  DrawingList.Clear();
  DrawingList.ReadDrawingFile(dtDrawing);
  MarkDrawingChanged();
  Surface().InvalidateRect(nullptr);
}
