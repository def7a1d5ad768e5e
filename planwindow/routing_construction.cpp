// The construction key table: keys while a tool has something under
// construction (State 1, or 4 while an internal wall opens up). An arrow
// chooses the direction and asks the distance, Enter ends a segment on the
// pointer, 'A' toggles angled drawing and 'F' closes an outline.
#include <vector>

#include "building/droom_tool.h"
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

using namespace routing;

namespace {

// Arrow directions of the construction keys.
constexpr int32 kUp = 1, kRight = 2, kDown = 3, kLeft = 4;

constexpr int32 kAngledSteps[] = {1, 181};   // angled drawing
constexpr int32 kSquareSteps[] = {0, 180};   // the steps 'A' switches from
constexpr int32 kPolygonFinished = 300001;

constexpr const char* kCannotClose =
    "The final wall cannot be drawn: no wall ends where the walls are being drawn from.\n"
    "Press F while drawing on from the free end of the walls (Walls / Join Wall to End starts "
    "there).";

// Whether the walls (or outline lines) of the current view close on
// themselves: each starts where one ends and ends where one starts.
bool ChainClosed(int32 chainKind) {
  std::vector<const TObj*> chain;
  for (int32 i = 6; i < DrawingList.Count(); ++i) {
    const TObj* e = DrawingList.At(i);
    if (e->Kind == chainKind && e->Floor == CurrentView) chain.push_back(e);
  }
  if (chain.size() < 3) return false;
  for (const TObj* a : chain) {
    bool from = false, to = false;
    for (const TObj* b : chain) {
      if (a == b) continue;
      from = from || (b->X2 == a->X1 && b->Y2 == a->Y1);
      to = to || (b->X1 == a->X2 && b->Y1 == a->Y2);
    }
    if (!from || !to) return false;
  }
  return true;
}

int32 DirectionOfArrow(int32 key) {
  switch (key) {
    case plat::VK_LEFT: return kLeft;
    case plat::VK_RIGHT: return kRight;
    case plat::VK_UP: return kUp;
    default: return kDown;
  }
}

const char* ArrowPrompt(int32 key) {
  switch (key) {
    case plat::VK_LEFT: return "LEFT";
    case plat::VK_RIGHT: return "RIGHT";
    case plat::VK_UP: return "UP";
    default: return "DOWN";
  }
}

bool IsDesignRoom(int32 type) {
  return type == tooltype::DesignRoom || type == tooltype::DesignRoom2;
}

// The caption of the distance question, by the tool.
std::string DistanceCaption(const TDrawingtool& t) {
  switch (t.Type) {
    case tooltype::RoundRect: return "ROUNDED RECTANGLE";
    case tooltype::EnlargeShrink:
      return t.Step == 8 ? "EXPAND BASE BY" : t.Step == 9 ? "SHRINK BASE BY" : "";
    case tooltype::DesignRoom:
    case tooltype::DesignRoom2:
      return (t.Step == roomstep::Enlarge || t.Step == roomstep::Shrink ||
              t.Step == roomstep::MoveByDistance)
                 ? "ADJUST ROOM"
                 : "";
    case tooltype::ExtWall: return "EXTERNAL WALL";
    case tooltype::InWall:
      return t.State == toolstate::InWallOpening ? "OPEN UP" : "WALL TO";
    default: return "LINE";
  }
}

// The external-wall wizards' fixed lengths, replacing what was typed.
bool WizardLength(int32 key, int32& value) {
  struct Fixed {
    int32 key, step, metric, imperial;
  };
  static constexpr Fixed kFixed[] = {
      {plat::VK_RIGHT, 6, 9000, 8784}, {plat::VK_DOWN, 7, 7000, 4896},
      {plat::VK_LEFT, 8, 6000, 5904},  {plat::VK_DOWN, 9, 2000, 1728},
      {plat::VK_LEFT, 10, 3000, 2880},
  };
  if (!wizard::WallWizardRunning()) return false;
  for (const auto& f : kFixed) {
    if (f.key == key && f.step == WizardStep) {
      value = MetricUnits == 1 ? f.metric : f.imperial;
      return true;
    }
  }
  return false;
}

// Whether an arrow is allowed at the current step of a wall wizard.
bool WizardAcceptsArrow(int32 key) {
  switch (key) {
    case plat::VK_LEFT: return WizardStep == 8 || WizardStep == 10;
    case plat::VK_RIGHT: return WizardStep == 6;
    case plat::VK_DOWN: return WizardStep == 7 || WizardStep == 9;
    default: return WizardStep >= 20;
  }
}

bool IsFineStep(const TDrawingtool& t) {
  auto angled = [&] { return t.Step == kAngledSteps[0] || t.Step == kAngledSteps[1]; };
  switch (t.Type) {
    case tooltype::PolygonCmd: return t.Step == 1;
    case tooltype::ExtWall:
    case tooltype::InWall: return angled();
    case tooltype::Line: return t.Step == 1;
    case tooltype::Outline: return true;
    default: return false;
  }
}

void RecordUndo() { DrawingList.UpdateUndoHistory(uoRecord, CurrentView); }

}  // namespace

void TMDIChild::RouteConstructionKey(int32 key, plat::Point cursor) {
  TDrawingtool* t = Tool();
  switch (key) {
    case plat::VK_RETURN:
      if (wizard::WallWizardRunning()) return;
      if (t->Type == tooltype::EnlargeShrink) {
        EnterForEnlargeShrink(cursor);
        return;
      }
      StepExecutor(key, 0, false);
      return;
    case plat::VK_LEFT:
    case plat::VK_RIGHT:
    case plat::VK_UP:
    case plat::VK_DOWN:
      ArrowProcedure(key, cursor);
      return;
    case plat::VK_A:
    case plat::VK_NUMPAD1:
      AngledToggle(key, cursor);
      return;
    case plat::VK_F:
    case plat::VK_NUMPAD6:
    case plat::VK_ADD:
      FinalWall(key, cursor);
      return;
    default:
      return;
  }
}

// 'A' and numpad 1 switch a wall or line into angled drawing and back.
void TMDIChild::AngledToggle(int32 key, plat::Point /*cursor*/) {
  // Ignored while a wizard walks its steps (not once its last step is shown).
  if (wizard::Running()) return;
  TDrawingtool* t = Tool();
  const bool goesOn = key == plat::VK_NUMPAD1;
  if (t->Type == tooltype::Line || t->Type == tooltype::ExtWall || t->Type == tooltype::InWall) {
    if (t->Step == kSquareSteps[0] || t->Step == kSquareSteps[1]) {
      t->Angled = 1;
      t->Step += 1;
      if (goesOn) StepExecutor(key, 0, true);
      return;
    }
    if (t->Step == kAngledSteps[0] || t->Step == kAngledSteps[1]) {
      t->Angled = 0;
      t->Step -= 1;
      if (goesOn) StepExecutor(key, 0, true);
      return;
    }
    StepExecutor(key, 0, false);
    return;
  }
  if (t->Type == tooltype::PolygonCmd) {
    t->Step = t->Step == 0 ? 1 : t->Step == 1 ? 0 : t->Step;
    StepExecutor(key, 0, true);
    return;
  }
  StepExecutor(key, 0, false);
}

void TMDIChild::FinalWall(int32 key, plat::Point cursor) {
  constexpr int32 kOutlineWizardLast = 11, kRoomWizardLast = 119;
  if (wizard::Running() && WizardStep != kOutlineWizardLast && WizardStep != kRoomWizardLast) {
    plat::ErrorBox("Wrong key pressed", plat::mbRetry);
    return;
  }
  TDrawingtool* t = Tool();
  if (t->Type == tooltype::Outline || t->Type == tooltype::ExtWall) {
    const int32 chainKind = t->Type == tooltype::Outline ? kind::WallLine : kind::ExtWall;
    const bool closed = ChainClosed(chainKind);
    int32 x = 0, y = 0;
    const int32 index = closed ? kNoChain : FindChainEnd(&x, &y);
    // Without a chain to close the floor would be finished open: said, and
    // nothing is finished.
    if (!closed && index >= kNoChain) {
      plat::ErrorBox(kCannotClose, plat::mbCancel);
      return;
    }
    if (t->Type == tooltype::Outline) RecordUndo();  // a wall records its own as it is added
    if (key == plat::VK_ADD) DrawingList.WriteDrawingFile(dtDrawing);
    if (index < kNoChain) {
      const int32 before = DrawingList.Count();
      {
        plat::WindowDC dc(Surface());
        int32 dx = 0, dy = 0;
        WorldToDevice(*dc, ClientRect(), x, y, dx, dy);
        plat::Point end{dx, dy};
        t->KeyDown(*dc, ClientRect(), plat::VK_RETURN, end, 1);
      }
      // A closing wall refused (off the sheet: the tool said so) leaves the
      // floor open.
      if (DrawingList.Count() <= before && !ChainClosed(chainKind)) return;
    }
    StepExecutor(key, 0, false);
    return;
  }
  if (t->Type == tooltype::PolygonCmd) {
    CallToolKeyDown(plat::VK_ADD, cursor, 0);
    t = Tool();
    if (t && t->Result == kPolygonFinished) {
      InvalidateFrameChange(2);
      if (MainForm) MainForm->SelectPickTool();
      Guide("GUIDE; Pick Tool");
    }
    StepExecutor(key, 0, false);
    return;
  }
  if (t->Type == tooltype::InWall) StepExecutor(key, 0, false);
}

// The tool's own preparation of an arrow step; false ends the key.
bool TMDIChild::ArrowSetUp(int32 key, int32 d) {
  TDrawingtool* t = Tool();
  if (t->Type == tooltype::ExtWall) {
    // The undo step is recorded when the wall is drawn (StepExecutor).
    t->WallDirection = d;
    t->Command(2);
  } else if (t->Type == tooltype::Line && t->Step == toolstep::Idle) {
    t->Direction = d;
    t->Command(10);  // the distance to the nearest line or wall face that way
    // The question offers it (0 when there is no face that way).
    t->Distance = t->Size;
  } else if (t->Type == tooltype::InWall && t->State == toolstate::Constructing) {
    // The wall drawn or moved records its own undo step once it is made.
    StartX = 0;
    t->WallDirection = d;
    t->Command(2);
    constexpr int32 kWrongArrow = 30001, kWrongMove = 30002;
    if (t->Y1 == kWrongArrow) {
      const plat::Point screen = plat::Ui().GetCursorPos();
      plat::ErrorBox(key == plat::VK_RIGHT
                         ? "Wrong Arrow key for second line position - re select Internal Wall "
                           "icon and try again"
                         : "Wrong Arrow key for second line position - re select internal wall "
                           "icon and try again",
                     plat::mbRetry);
      if (MainForm) MainForm->SelectPickTool();
      plat::Ui().SetCursorPos(screen);
      return false;
    }
    if (t->Y1 == kWrongMove) {
      const bool sideways = key == plat::VK_LEFT || key == plat::VK_RIGHT;
      if (t->Step == toolstep::MoveInWall)
        plat::ErrorBox(sideways ? "Wrong Arrow key, the selected wall can only be moved up or down"
                                : "Wrong Arrow key, the selected wall can only be moved left or "
                                  "right",
                       plat::mbRetry);
      else
        plat::ErrorBox("Wrong Arrow key to shorten / extend the wall selected", plat::mbRetry);
      return false;
    }
  }
  return true;
}

void TMDIChild::ArrowProcedure(int32 key, plat::Point cursor) {
  if (wizard::WallWizardRunning() && !WizardAcceptsArrow(key)) {
    plat::ErrorBox(key == plat::VK_UP ? "Wrong key pressed" : "Wrong arrow key pressed",
                   plat::mbRetry);
    return;
  }
  TDrawingtool* t = Tool();
  if (IsFineStep(*t)) {
    NudgeCursor(key);
    return;
  }
  if (IsDesignRoom(t->Type) && t->Step == roomstep::Nudge) {
    CallToolKeyDown(key, cursor, 0);
    InvalidateFrameChange(1);
    DrawingList.WriteDrawingFile(dtDrawing);
    return;
  }
  if (IsDesignRoom(t->Type) && t->Step == toolstep::Idle) {
    if (MainForm) MainForm->SelectPickTool();
    return;
  }
  if (!ArrowSetUp(key, DirectionOfArrow(key))) return;

  int32 distance = 0;
  for (bool asked = false; !asked;) {
    t = Tool();
    switch (AskDistance(DistanceCaption(*t), ArrowPrompt(key), t->Distance, distance)) {
      case DistanceAnswer::Ok:
        WizardLength(key, distance);
        asked = true;
        break;
      case DistanceAnswer::Invalid:
        if (WizardLength(key, distance)) {
          asked = true;
          break;
        }
        plat::ErrorBox(kValidNumber, plat::mbRetry);
        return;
      case DistanceAnswer::OutOfRange:
        if (WizardLength(key, distance)) {
          asked = true;
          break;
        }
        return;
      case DistanceAnswer::Cancelled:
        // Yes asks the distance again.
        if (plat::AskYesNo(kRetryQuestion)) break;
        if (MainForm) MainForm->SelectPickTool();
        Guide("GUIDE; Pick Tool");
        return;
    }
  }
  StepExecutor(key, distance, false);
}

// Hands the step to the tool and keeps the window in step with it.
void TMDIChild::StepExecutor(int32 key, int32 distance, bool noQuestion) {
  if (noQuestion) return;
  TDrawingtool* t = Tool();
  if (!t) return;
  const plat::Point cursor = PointerInClient();
  plat::Point from = ClientToDrawing(cursor);
  from = {from.x / PixelScale, from.y / PixelScale};
  if (t->Type == tooltype::ExtWall && DrawingList.Count() > 6) {
    const TObj* last = DrawingList.At(DrawingList.Count() - 1);
    if (last->Kind == kind::ExtWall && last->Floor == CurrentView)
      from = {last->X2 / PixelScale, last->Y2 / PixelScale};
  }
  // What a scroll to the step changes, for a step the tool then refuses.
  const plat::Point origin{WindowOrgX, WindowOrgY}, positions{horzPos_, vertPos_};
  int32 scrolled = 0;
  if (t->Type != tooltype::EnlargeShrink && t->Type < tooltype::DesignRoom)
    scrolled = ScrollToStep(distance, key, from.x, from.y);
  // A step that would leave the sheet is refused before the tool moves: the
  // message said so, and nothing may be stored.
  if (scrolled == kStepOffSheet) return;
  if (wizard::RoomWizardRunning() && WizardStep >= 114 && WizardStep <= 118)
    ShowRoomWizardStep(3);
  // An outline corner is one undo step (the external-wall tool records its
  // own as it adds a wall, and the final wall recorded one already).
  const bool tracing = t->Type == tooltype::ExtWall || t->Type == tooltype::Outline;
  if (t->Type == tooltype::Outline && key == plat::VK_RETURN) {
    const plat::Point corner = ClientToDrawing(cursor);
    if (corner.x != t->X1 || corner.y != t->Y1) RecordUndo();
  }
  const int32 countBefore = DrawingList.Count();
  const bool handedOn = !(t->Type == tooltype::InWall && t->Step == toolstep::MoveInWall);
  if (handedOn) CallToolKeyDown(key, cursor, distance);
  t = Tool();
  if (!t) return;
  const bool finalKey = key == plat::VK_F || key == plat::VK_NUMPAD6 || key == plat::VK_ADD;
  const bool drawn = finalKey || DrawingList.Count() > countBefore;
  if (tracing && drawn) MarkDrawingChanged();
  // A wall or segment the tool refused leaves the tool's point, the view,
  // the read-out and the prompt as they were: the pointer stays over the
  // point the next step starts from.
  const bool segmentKey = key == plat::VK_RETURN || plat::IsArrowKey(key);
  const bool refused =
      handedOn && segmentKey && !drawn && (tracing || t->Type == tooltype::InWall);
  if (refused && scrolled == kStepScrolled) {
    WindowOrgX = origin.x;
    WindowOrgY = origin.y;
    horzPos_ = positions.x;
    vertPos_ = positions.y;
    PushScrollBars();
  }
  if (scrolled == kStepScrolled) Surface().InvalidateRect(nullptr);
  if (refused) return;
  if (t->Type == tooltype::PolygonCmd) {
    if (t->WallDirection == 1) {
      ReferenceX = t->X1;
      ReferenceY = t->Y1;
    }
    ReferenceX = t->X2;
    ReferenceY = t->Y2;
  }

  if (t->Type == tooltype::Outline || t->Type == tooltype::ExtWall) {
    ReferenceX = t->Distance > 0 ? t->X1 : t->X2;
    ReferenceY = t->Distance > 0 ? t->Y1 : t->Y2;
    // Each wall or outline segment drawn moves a wizard on by one step.
    constexpr int32 kWallStepsFirst = 6, kWallStepsLast = 24;
    constexpr int32 kOutlineStepsFirst = 113, kOutlineStepsLast = 119;
    if (drawn && wizard::WallWizardRunning() && WizardStep >= kWallStepsFirst &&
        WizardStep <= kWallStepsLast) {
      ++WizardStep;
      ShowWallWizardStep(3);
    } else if (drawn && wizard::RoomWizardRunning() && WizardStep >= kOutlineStepsFirst &&
               WizardStep <= kOutlineStepsLast) {
      ++WizardStep;
      ShowRoomWizardStep(3);
    }
    Surface().InvalidateRect(nullptr);
    ChildMode = childmode::Normal;
    Guide("GUIDE: Continue - if same details use arrow keys or Enter endpoint");
  }
  if (t->Type == tooltype::Line) {
    if (t->Step == toolstep::MultiCopies) ChildMode = childmode::Creation;
    Guide("press arrow key for direction of next line, OR press LeftButton & DRAG, use Right "
          "Button to detool");
    t->State = toolstate::Constructing;
  }
  if (IsDesignRoom(t->Type)) {
    DrawingList.WriteDrawingFile(dtDrawing);
    if (t->Step == roomstep::Nudge) {
      plat::WindowDC dc(Surface());
      t->DrawPreview(*dc, 0);
    }
    // A grown, shrunk or moved room is shown where it now stands.
    InvalidateMergeArea();
    return;
  }
  if (t->Type == tooltype::InWall) {
    InwallStepDone(key, distance);
    return;
  }
  if (t->Type == tooltype::Line && t->Step == toolstep::LineTextStarted &&
      t->Y1 < kClickWithoutDrag) {
    LineTextOrRedraw(8);
    t = Tool();
    if (!t || t->Y1 >= kClickWithoutDrag) {
      if (MainForm) MainForm->SelectPickTool();
      return;
    }
    {
      plat::WindowDC dc(Surface());
      t->ElementsAdded(*dc, ClientRect(), 0, 0);
    }
    if (CurrentView == view::Site) {
      t->Step = toolstep::LineTextStarted;
      t->State = toolstate::Constructing;
    } else if (MainForm) {
      MainForm->SelectPickTool();
    }
    DrawingList.WriteDrawingFile(dtDrawing);
  }
  if (tracing) AfterWallStep(drawn);
}
