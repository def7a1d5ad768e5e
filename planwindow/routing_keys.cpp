// Key routing: the keys every tool shares, the idle key table and the Enter
// rules; the construction state goes on in routing_construction.cpp.
#include <cstdlib>

#include "building/extwall_edit.h"
#include "dialogs/feetdlg.h"
#include "model/flist.h"
#include "model/view_mapping.h"
#include "planwindow/childwin.h"
#include "planwindow/routing_support.h"
#include "planwindow/wizards.h"
#include "platform/keys.h"
#include "platform/services.h"
#include "platform/ui.h"
#include "shell/mainform.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"
#include "tools/buildingtools.h"
#include "tools/linetool.h"
#include "tools/lineobj_geometry.h"
#include "tools/texttool.h"

using namespace routing;

namespace {

constexpr int32 kWallWizardIdle = 0;
constexpr int32 kRoomWizardIdle = 100;

constexpr const char* kEscapeGuide = "GUIDE: Select function or tool";
constexpr const char* kTextTooLong = "text longer than maximum 70 letters / spaces";
constexpr const char* kExpandArrowGuide =
    "GUIDE: move cursor,press ENTER when line is at position to expand from";
constexpr const char* kShrinkArrowGuide =
    "GUIDE: move cursor,press ENTER when line is at position to shrink from";
constexpr const char* kNoArc =
    "Endpoint not horizontal or vertical - no arc drawn\nre select tool and retry";
constexpr const char* kArcHeightPrompt =
    "ARC HEIGHT Use minus number for Arcs Below or Right of Endpts";
constexpr const char* kRoundRectArrowGuide = "GUIDE: Now use arrow direction keys for input";
constexpr const char* kNoObjectSelected = "No valid object selected - please re select and retry";
constexpr const char* kSplitDoneGuide = "GUIDE: Pick Tool";
constexpr const char* kInwallStartGuide =
    "GUIDE: Press arrow in wall direction OR press the 'A' key and move cursor to draw angled "
    "wall - finetune with arrow keys";

// An arc's end within this many drawing units of the first point's x or y
// counts as level or plumb with it.
constexpr int32 kArcSnap = 75;
// Largest typed arc height or radius: inches in imperial drawings, mm in metric.
constexpr int32 kMaxImperialInches = 1400;
constexpr int32 kMaxMetricMm = 32000;
constexpr int32 kUnitsPerInch = 24;

constexpr int32 kRotateStep = 5;
constexpr int32 kFullCircle = 360;

// Views whose edits go to the group file.

bool ViewHoldsKind(int32 k) {
  for (int32 i = 6; i < DrawingList.Count(); ++i) {
    const TObj* e = DrawingList.At(i);
    if (e && e->Kind == k && e->Floor == CurrentView) return true;
  }
  return false;
}

void RecordUndo() { DrawingList.UpdateUndoHistory(uoRecord, CurrentView); }

}  // namespace

// ---- Helpers -----------------------------------------------------------------

plat::Point TMDIChild::PointerInClient() const {
  return Surface().ScreenToClient(plat::Ui().GetCursorPos());
}

plat::Point TMDIChild::ClientToDrawing(plat::Point client) const {
  plat::WindowDC dc(Surface());
  int32 x = 0, y = 0;
  DeviceToWorld(*dc, ClientRect(), client.x, client.y, x, y);
  return {x * PixelScale, y * PixelScale};
}

void TMDIChild::CallToolKeyDown(int32 key, plat::Point cursor, int32 amount) {
  TDrawingtool* t = Tool();
  if (!t) return;
  {
    plat::WindowDC dc(Surface());
    t->KeyDown(*dc, ClientRect(), key, cursor, amount);
  }
  PromptAgainIfShapeRefused();
}

// ---- The handler ------------------------------------------------------------------

void TMDIChild::FormKeyDown(int key, bool /*shift*/) {
  if (key == plat::VK_ESCAPE) DropUnfinishedOutline();
  if (key == plat::VK_ESCAPE && WizardActive == 1 && WizardStep != kWallWizardIdle &&
      WizardStep != kRoomWizardIdle) {
    EndWizard();
    return;
  }
  TDrawingtool* t = Tool();
  if (!t) return;
  t->Window = this;
  if (key == plat::VK_F1) {
    if (MainForm) MainForm->ShowContextHelp();
    return;
  }
  if (key == plat::VK_INSERT) {
    ToggleLayoutGrid();
    return;
  }
  if (key == plat::VK_ESCAPE) {
    EscapeToPickTool();
    return;
  }
  if (t->Type == tooltype::Parked && ChildMode < childmode::KeyRouting) return;
  const plat::Point cursor = PointerInClient();
  if (ChildMode == childmode::DatumWaiting && key == plat::VK_RETURN) {
    const plat::Point p = ClientToDrawing(cursor);
    ReferenceX = p.x;
    ReferenceY = p.y;
    ChildMode = childmode::DatumPlaced;
    if (MainForm) MainForm->EndAidPrompt();
    return;
  }
  if (t->Type == tooltype::Parked) return;
  if (key == plat::VK_RETURN && (t->Type == tooltype::Pick || CurrentView == view::LayoutGround))
    return;
  if (t->State == toolstate::Idle) {
    ViewState = 3;
    RouteIdleKey(key, cursor);
  } else if (t->State == toolstate::Constructing || t->State == toolstate::InWallOpening) {
    RouteConstructionKey(key, cursor);
  }
}

void TMDIChild::ToggleLayoutGrid() {
  if (LayoutGridShown == 1) {
    LayoutGridShown = 0;
    Surface().InvalidateRect(nullptr);
  } else {
    LayoutGridShown = 1;
    RedrawLayoutGrid();
  }
}

// Marking given up: the corners marked so far go, as one undo step, so that
// the next marking starts afresh instead of going on from their end (and the
// walls are never built from a stale half outline).
void TMDIChild::DropUnfinishedOutline() {
  const TDrawingtool* t = Tool();
  if (!t || t->Type != tooltype::Outline || CurrentView != view::LayoutMarkingWalls) return;
  if (!ViewHoldsKind(kind::WallLine)) return;
  RecordUndo();
  for (int32 i = DrawingList.Count() - 1; i >= 6; --i) {
    const TObj* e = DrawingList.At(i);
    if (e->Kind == kind::WallLine && e->Floor == CurrentView) DrawingList.RemoveAt(i);
  }
  DrawingList.WriteDrawingFile(dtDrawing);
  Surface().InvalidateRect(nullptr);
}

void TMDIChild::EscapeToPickTool() {
  if (TDrawingtool* t = Tool(); t && t->Type == tooltype::InWall) t->Command(5);
  if (MainForm) MainForm->SelectPickTool();
  Guide(kEscapeGuide);
  ToolPanel(kPickToolName);
  Surface().InvalidateRect(nullptr);
}

// ---- Idle table --------------------------------------------------------------------

void TMDIChild::RouteIdleKey(int32 key, plat::Point cursor) {
  if (plat::IsArrowKey(key)) {
    RouteIdleArrow(key, cursor);
  } else if (key == plat::VK_ADD || key == plat::VK_SUBTRACT) {
    TDrawingtool* t = Tool();
    if (t->Type == tooltype::Move && t->Step == 3) RouteRotateByKey(key, cursor);
  } else if (key == plat::VK_RETURN) {
    RouteIdleEnter(cursor);
  }
}

void TMDIChild::RouteIdleArrow(int32 key, plat::Point cursor) {
  TDrawingtool* t = Tool();
  if (t->Type == tooltype::Pick && (t->Step == lineend::Forward || t->Step == lineend::Back)) {
    MoveLineEnd(key, cursor);
    return;
  }
  if (t->Type == tooltype::Move && t->Step == 3) {
    NudgeCursor(key);
    CallToolKeyDown(key, cursor, 0);
    InvalidateFrameChange(1);
    return;
  }
  if (t->Type != tooltype::EnlargeShrink) {
    NudgeCursor(key);
    return;
  }
  // Enlarge or shrink: the arrow chooses the side that moves.
  constexpr int32 kUp = 1, kRight = 2, kDown = 3, kLeft = 4;
  constexpr int32 kHorizontal = 1, kVertical = 2;
  switch (key) {
    case plat::VK_LEFT: t->Direction = kLeft; break;
    case plat::VK_UP: t->Direction = kUp; break;
    case plat::VK_RIGHT: t->Direction = kRight; break;
    default: t->Direction = kDown; break;
  }
  t->State = toolstate::Constructing;
  t->Angled = 1;
  t->Axis = (key == plat::VK_LEFT || key == plat::VK_RIGHT) ? kHorizontal : kVertical;
  // The line to expand or shrink from follows the pointer.
  t->GuideMode = t->Axis == kHorizontal ? guides::Vertical : guides::Horizontal;
  t->ButtonDown = 1;
  constexpr int32 kExpandStep = 8, kShrinkStep = 9;
  if (t->Step == kExpandStep) Guide(kExpandArrowGuide);
  if (t->Step == kShrinkStep) Guide(kShrinkArrowGuide);
}

void TMDIChild::RouteRotateByKey(int32 key, plat::Point cursor) {
  if (SelectionTurnsByQuartersOnly()) return;
  CallToolKeyDown(key, cursor, 0);
  InvalidateFrameChange(1);
  if (key == plat::VK_ADD) {
    RotationAngle += kRotateStep;
    if (RotationAngle > kFullCircle) RotationAngle -= kFullCircle;
  } else {
    RotationAngle -= kRotateStep;
    if (RotationAngle < 0) RotationAngle += kFullCircle;
  }
  ToolPanel(plat::Format("%d degrees", RotationAngle));
}

// ---- Enter rules of the idle state -------------------------------------------------------

// An Enter question for an arc height or a radius: false when the key ends
// (cancelled, not a number, beyond the limit). The value is in drawing units.
bool TMDIChild::AskEnterNumber(const char* prompt, const char* initial, bool allowNegative,
                               int32& value) {
  std::string text;
  if (!AskText("", prompt, initial, text)) return false;
  const int32 typed = plat::StrToInt0(text);
  // A radius below zero is as meaningless as one that is not a number.
  if (typed == 0 || (!allowNegative && typed < 0)) {
    plat::ErrorBox(kValidNumber, plat::mbRetry);
    return false;
  }
  const int32 limit = MetricUnits == 1 ? kMaxMetricMm : kMaxImperialInches;
  if (typed > limit) return false;
  value = MetricUnits == 1 ? typed : typed * kUnitsPerInch;
  return true;
}

bool TMDIChild::AskArcHeight(plat::Point cursor, int32& value) {
  TDrawingtool* t = Tool();
  plat::Point p = ClientToDrawing(cursor);
  if (std::abs(p.x - t->X1) < kArcSnap) p.x = t->X1;
  if (std::abs(p.y - t->Y1) < kArcSnap) p.y = t->Y1;
  if (p.x != t->X1 && p.y != t->Y1) {
    const plat::Point screen = plat::Ui().GetCursorPos();
    plat::ErrorBox(kNoArc, plat::mbRetry);
    plat::Ui().SetCursorPos(screen);
    return false;
  }
  return AskEnterNumber(kArcHeightPrompt, MetricUnits == 1 ? "600" : "24", true, value);
}

void TMDIChild::RouteIdleEnter(plat::Point cursor) {
  TDrawingtool* t = Tool();
  int32 typed = 0;
  const bool metric = MetricUnits == 1;
  switch (t->Type) {
    case tooltype::EnlargeShrink:
      if (t->Direction == 0) return;  // no side chosen yet
      break;
    case tooltype::Arc:
      if (t->X1 > 0 && !AskArcHeight(cursor, typed)) return;
      break;
    case tooltype::Circle: {
      int32 radius = 0;
      if (!AskEnterNumber(metric ? "RADIUS" : "RADIUS in inches", metric ? "100" : "4", false,
                          radius))
        return;
      t->Distance = radius;
      t->Size = radius;  // the circle tool draws with the radius in Size
      break;
    }
    case tooltype::RoundRect: {
      int32 radius = 0;
      if (!AskEnterNumber(metric ? "RADIUS" : "RADIUS in inches", metric ? "50" : "2", false,
                          radius))
        return;
      t->Distance = radius;
      t->Size = radius;  // the corner radius the rounded rectangle draws with
      Guide(kRoundRectArrowGuide);
      // The Enter also takes the corner, so that the arrows give the sides.
      break;
    }
    case tooltype::Opening:
    case tooltype::OpeningNew:
      EnterForOpening(cursor);
      return;
    case tooltype::Move:
      EnterForMoveTool(cursor);
      return;
    default:
      break;
  }
  constexpr int32 kMeasureFirst = 20, kMeasureSecond = 21;
  if (t->Type == tooltype::Line && (t->Step == kMeasureFirst || t->Step == kMeasureSecond)) {
    // The measurement question moves the tool on to its next step.
    t->State = toolstate::Idle;
    AskDimensionMeasurement(cursor);
    return;
  }
  if (t->Type == tooltype::Line && t->Step == toolstep::MultiCopies) {
    CallToolKeyDown(plat::VK_RETURN, cursor, 0);
    if (MainForm) MainForm->SelectPickTool();
    return;
  }
  if (t->Type == tooltype::WallEdit && t->Step == toolstep::Split) {
    EnterForSplit(cursor);
    return;
  }

  // Wizards start from their own corner of the sheet, not the pointer.
  plat::Point point = cursor;
  bool wizardRoomsStart = false;
  if (WizardActive == 1 && WizardStep == 5 && t->Type == tooltype::ExtWall) {
    point = WallStartCorner();
  } else if (WizardActive == 1 && WizardStep == 113 && t->Type == tooltype::Outline) {
    point = SheetCornerPixel(wizard::kRoomStart);
    wizardRoomsStart = true;
    WizardStep = 114;
    ShowRoomWizardStep(1);
  }
  CallToolKeyDown(plat::VK_RETURN, point, typed);
  t = Tool();
  if (!t) return;
  // The window may have changed size since the wizard's rooms were set out:
  // they stand where the outline really starts.
  if (wizardRoomsStart) PlaceWizardRooms({t->X1, t->Y1});
  // Arcs and keyboard circles are made by Enter alone: each next Enter asks
  // its height or radius again.
  t->State = (t->Type == tooltype::Arc || t->Type == tooltype::Circle ||
              t->Type == tooltype::CircleDone)
                 ? toolstate::Idle
                 : toolstate::Constructing;
  AfterIdleEnter();
}

// The opening goes into the wall under the pointer; an undo step is
// recorded only once a wall has taken it.
void TMDIChild::EnterForOpening(plat::Point cursor) {
  if (auto* opening = dynamic_cast<TWindowobjtool*>(Tool())) {
    opening->Window = this;
    bool found = false;
    {
      plat::WindowDC dc(Surface());
      found = opening->LocateWall(*dc, ClientRect(), cursor);
    }
    if (found) {
      RecordUndo();
      plat::WindowDC dc(Surface());
      opening->PlaceOpening(*dc, ClientRect(), 0);
    } else {
      opening->ShowRefusal();
    }
  } else {
    RecordUndo();
    CallToolKeyDown(plat::VK_RETURN, cursor, 0);
  }
  TDrawingtool* t = Tool();
  if (t && t->Result != 1) t->Command(100);
  if (MainForm) MainForm->SelectPickTool();
}

void TMDIChild::EnterForMoveTool(plat::Point cursor) {
  if (CurrentView == view::Site) CurrentFunction = func::View;
  CallToolKeyDown(plat::VK_RETURN, cursor, 0);
  InvalidateFrameChange(1);
  if (MainForm) MainForm->SelectPickTool();
  DrawingList.WriteDrawingFile(dtDrawing);  // the group file in the group view
  ToolPanel(kPickToolName);
}

// Splits the external wall under the pointer. Only a wall that can be split
// records an undo step.
void TMDIChild::EnterForSplit(plat::Point cursor) {
  const plat::Point p = ClientToDrawing(cursor);
  const int32 index =
      DrawingList.PickElementAt(TFlist::pmWalls, p.x / PixelScale, p.y / PixelScale);
  if (index == TFlist::kNothingFound) {
    const plat::Point screen = plat::Ui().GetCursorPos();
    plat::ErrorBox(kNoObjectSelected, plat::mbRetry);
    plat::Ui().SetCursorPos(screen);
    return;
  }
  const int32 wallKind = DrawingList.At(index)->Kind;
  // Only an external wall splits; a split that cannot be made says why
  // before anything is recorded.
  std::string why = wallKind == kind::ExtWall || wallKind == kind::WallLine
                        ? std::string()
                        : std::string(extwalledit::kNotExternal);
  if (why.empty() && wallKind == kind::ExtWall)
    why = extwalledit::Refusal(DrawingList, index, toolstep::Split, p, 0);
  if (!why.empty()) {
    const plat::Point screen = plat::Ui().GetCursorPos();
    plat::ErrorBox(why, plat::mbCancel);
    plat::Ui().SetCursorPos(screen);
    return;
  }
  RecordUndo();
  if (!MainForm) return;
  MainForm->SetTool(wallKind);
  TDrawingtool* t = Tool();
  t->Direction = index;
  t->Step = toolstep::Split;
  t->Window = this;
  t->Execute(0, p.x, p.y);
  {
    plat::WindowDC dc(Surface());
    if (TDrawingtool* now = Tool()) now->AutoDimension(*dc, ClientRect(), 0, 0, 0, 111);
  }
  Surface().InvalidateRect(nullptr);
  MainForm->SelectPickTool();
  Guide(kSplitDoneGuide);
}

// What the window takes from the tool after the first Enter.
void TMDIChild::AfterIdleEnter() {
  TDrawingtool* t = Tool();
  if (t->Type == tooltype::Line && t->Step == toolstep::MultiEnd) {
    ReferenceX = t->X1;
    ReferenceY = t->Y1;
    ChildMode = childmode::Normal;
  } else if (t->Type == tooltype::ExtWall || t->Type == tooltype::Outline) {
    if (t->Type == tooltype::ExtWall && WizardActive == 1 && WizardStep == 5) {
      WizardStep = 6;
      ShowWallWizardStep(2);
    }
    const int32 chainKind = t->Type == tooltype::ExtWall ? kind::ExtWall : kind::WallLine;
    if (!ViewHoldsKind(chainKind)) {
      ReferenceX = StartX = t->X1;
      ReferenceY = StartY = t->Y1;
      ChildMode = childmode::Normal;
    }
  } else if (t->Type == tooltype::InWall) {
    ReferenceX = t->X1;
    ReferenceY = t->Y1;
    ChildMode = childmode::Normal;
    t->Angled = 1;
    Guide(kInwallStartGuide);
  }
}

// ---- Enlarging and shrinking the base (Enter in the construction state) ----------------------

void TMDIChild::EnterForEnlargeShrink(plat::Point cursor) {
  constexpr int32 kShrinkStep = 9;
  TDrawingtool* t = Tool();
  const bool shrink = t->Step == kShrinkStep;
  const plat::Point p = ClientToDrawing(cursor);
  int32 fallback = 0;
  if (shrink) {
    t->Distance = p.x / PixelScale;
    t->Y2 = p.y / PixelScale;
    t->Command(1);
    fallback = t->Distance;
  }
  int32 distance = 0;
  switch (AskDistance(shrink ? "SHRINK BASE BY" : "EXPAND BASE BY", "", fallback, distance)) {
    case DistanceAnswer::Ok:
      break;
    case DistanceAnswer::Invalid:
      plat::ErrorBox(kValidNumber, plat::mbRetry);
      return;
    default:
      if (MainForm) MainForm->SelectPickTool();
      return;
  }
  RecordUndo();
  t = Tool();
  t->Execute(distance, p.x, p.y);
  auto* ext = dynamic_cast<TExtwallobjtool*>(t);
  RedimensionFloors(ext ? ext->MultiFloorMode : multifloor::None);
  DrawingList.ReadDrawingFile(dtDrawing);
  Surface().InvalidateRect(nullptr);
  // Done: the keys no longer draw external walls from here.
  if (MainForm) MainForm->SelectPickTool();
  Guide("GUIDE: Pick Tool");
}

void TMDIChild::RedimensionFloors(int32 multiFloorMode) {
  int32 upper[4] = {};
  const bool listed = [&] {
    cfg::Reader floors(ProgramFile(cfgfile::Floors));
    if (!floors.IsOpen()) return false;
    for (int32& f : upper) floors.Int(f);
    return true;
  }();
  const int32 current = CurrentView;
  auto edit = [&](int32 floor, int32 flag) {
    CurrentView = floor;
    FinishFloorEdit(flag);
  };
  auto uppers = [&](int32 flag, int32 skip) {
    if (!listed) return;
    for (int32 f : upper)
      if (f != 0 && f != skip) edit(f, flag);
  };
  switch (multiFloorMode) {
    case multifloor::AllFloors:
      edit(view::Ground, 1);
      uppers(1, 0);
      CurrentView = view::Ground;
      break;
    case multifloor::GroundOnly:
      edit(view::Ground, 1);
      uppers(2, 0);
      CurrentView = view::Ground;
      break;
    case multifloor::ThisFloor:
      edit(current, 2);
      edit(view::Ground, 1);
      uppers(2, current);
      CurrentView = current;
      break;
    default:
      break;
  }
}

void TMDIChild::FinishFloorEdit(int32 flag) {
  TDrawingtool* t = Tool();
  if (!t) return;
  if (flag == 1) t->Command(5);
  {
    plat::WindowDC dc(Surface());
    t->AutoDimension(*dc, ClientRect(), 0, 0, 0, 111);
  }
  if (flag != 1) return;
  // The floor area goes into the floor's information record (views 120..125).
  const int32 record = CurrentView - view::Ground;
  if (record >= 0 && record <= view::SubFloor - view::Ground && record < DrawingList.Count()) {
    if (auto* info = dynamic_cast<TInfoobj*>(DrawingList.At(record)))
      info->InfoValues[0] = DrawingList.GetFloorArea();
  }
  DrawingList.BuildTitleBlock();
}

// ---- Key release and typed text ----------------------------------------------------------------

void TMDIChild::FormKeyUp(int /*key*/) {
  if (DrawingList.ShownRepaint != DrawingList.WantedRepaint) {
    DrawingList.ShownRepaint = DrawingList.WantedRepaint;
    Surface().InvalidateRect(nullptr);
  }
  if (auto* room = dynamic_cast<TDRoomobjtool*>(Tool()); room && room->Step == roomstep::Nudge) {
    DrawingList.WriteDrawingFile(dtDrawing);
    InvalidateMergeArea();
    room->DragPhase = dragphase::NotStarted;
  }
}

void TMDIChild::FormKeyPress(char ch) {
  TDrawingtool* t = Tool();
  if (!t || t->Type != tooltype::TypedText) return;
  constexpr char kEnter = '\r';
  // RestoreToolId doubles as the flag that the last key ended a line.
  Guide("GUIDE: press ENTER once for newline - T W I C E to FINISH");
  if (ch == kEnter && RestoreToolId == 1) {
    t->Type = tooltype::Parked;
    ToolPanel("None");
    Guide("GUIDE: select tool or function");
    return;
  }
  RestoreToolId = 0;
  t->Window = this;
  const int32 before = DrawingList.Count();
  {
    plat::WindowDC dc(Surface());
    t->KeyPress(*dc, ClientRect(), ch);
  }
  if (t->Result == textresult::OffSheet) {
    TypedTextOffSheet();
    return;
  }
  bool lineEnded = ch == kEnter;
  const bool overflowed = t->Result == textresult::Overflowed;
  if (overflowed) {
    t->Result = textresult::Stored;
    lineEnded = true;
  }
  if (!lineEnded) return;
  // Only a line this key committed continues the text; an Enter that
  // committed nothing ends it.
  const int32 n = DrawingList.Count();
  auto* text = n > before && n > 6 ? dynamic_cast<TTextobj*>(DrawingList.At(n - 1)) : nullptr;
  if (!text || text->Kind != kind::Text24) {
    if (overflowed) plat::ErrorBox(kTextTooLong, plat::mbOK);
    if (MainForm) MainForm->SelectPickTool();
    if (TDrawingtool* now = Tool()) now->Type = tooltype::Parked;
    ToolPanel(kPickToolName);
    Guide("GUIDE: select tool or function");
    return;
  }
  // The next line starts one line spacing below (or beside, for vertical text).
  // The new line is empty unless the character that overflowed the last one
  // already stands on it: only then does a second Enter end the text.
  auto* typing = dynamic_cast<TTexttool*>(t);
  const bool newLineEmpty = !typing || typing->Typed == 0;
  RestoreToolId = newLineEmpty ? 1 : 0;
  t->CursorX = text->Alignment;
  t->Direction = text->Escapement;
  // The tool measured the line height (Size) at the line's first character.
  if (text->Escapement == 0) {
    t->X1 = text->X1;
    t->Y1 = text->Y1 - t->Size;
  } else {
    t->X1 = text->X1 + t->Size;
    t->Y1 = text->Y1;
  }
  int32 dx = 0, dy = 0;
  {
    plat::WindowDC dc(Surface());
    // The character that overflowed the last line is shown on its own line
    // before the message says why it moved there.
    if (!newLineEmpty) {
      SetViewMapping(*dc, ClientRect());
      t->DrawPreview(*dc, 0);
    }
    WorldToDevice(*dc, ClientRect(), t->X1 / PixelScale, t->Y1 / PixelScale, dx, dy);
  }
  plat::Ui().SetCursorPos(Surface().ClientToScreen({dx, dy}));
  if (overflowed) plat::ErrorBox(kTextTooLong, plat::mbOK);
}
