// Undo and redo of the drawing window. The snapshots are kept by the undo
// store; the window decides whether an undo may run in the view shown,
// writes the restored drawing back to the live file, and, when the drawing
// now ends in a wall, puts the pointer and the wall tool back at the end of
// the wall chain so that drawing can go on from there.
#include "model/flist.h"
#include "model/view_mapping.h"
#include "planwindow/childwin.h"
#include "planwindow/routing_support.h"
#include "platform/ui.h"
#include "shell/mainform.h"
#include "tools/moveobjtool.h"

namespace {

constexpr const char* kNothingToUndo = "no more actions can be undone";
constexpr const char* kOtherView =
    "last action was not on this view - do you still want to undo it ?";
constexpr const char* kOnlyWall = "This is the only wall - select FILE / NEW and start again";
// Names the floor's entry of the Plan Views menu, which starts the floor again.
constexpr const char* kUpperFloorRestart = "select PLAN VIEWS / %s  and start again";
constexpr const char* kLayoutRemark =
    "Select the 'mark external walls in LAYOUT' icon and re mark the wall corners";
constexpr const char* kNothingToRedo = "no more actions to redraw ";
constexpr const char* kNoUndoInGroup =
    "undo is not available in the group drawing - its changes are not kept as undo steps";
constexpr const char* kNoRedoInGroup =
    "redo is not available in the group drawing - its changes are not kept as undo steps";

constexpr int32 kFirstUserEntry = 6;
constexpr int32 kStopEndStart = 154;
constexpr int32 kStopEndEnd = 155;
constexpr int32 kUpperFloorLast = view::SubFloor;
constexpr int32 kMinUpperFloorWalls = 2;

// Placing modes of the undo: 1 leave the pointer alone, 2 put it on the
// end of the remaining wall chain.
constexpr int32 kPlaceNothing = 1;
constexpr int32 kPlaceAtChainEnd = 2;

// The values of an element the commands look at, copied out of the list so
// that no pointer is held across a message box or a reload.
struct ElementSnapshot {
  bool present = false;
  int32 kind = 0;
  int32 x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  int32 angle = 0;     // internal walls: the wall's bearing
  int32 endMeet = -1;  // internal walls: bearing of the wall its end meets
};

ElementSnapshot Snapshot(int32 index) {
  ElementSnapshot s;
  if (index < 0 || index >= DrawingList.Count()) return s;
  const TObj* e = DrawingList.At(index);
  s.present = true;
  s.kind = e->Kind;
  s.x1 = e->X1;
  s.y1 = e->Y1;
  s.x2 = e->X2;
  s.y2 = e->Y2;
  if (const auto* w = dynamic_cast<const TInwallobj*>(e)) {
    s.angle = w->Angle;
    s.endMeet = w->EndMeetAngle();
  }
  return s;
}

ElementSnapshot Last() { return Snapshot(DrawingList.Count() - 1); }
ElementSnapshot BeforeLast() { return Snapshot(DrawingList.Count() - 2); }

// The last wall continues from the previous one's start.
bool EndMeetsStart(const ElementSnapshot& last, const ElementSnapshot& prev) {
  return last.x2 == prev.x1 || last.y2 == prev.y1;
}
bool StartMeetsEnd(const ElementSnapshot& last, const ElementSnapshot& prev) {
  return last.x1 == prev.x2 || last.y1 == prev.y2;
}

void Note(const char* text) { plat::InfoBox(text); }

bool AskYesNoInfo(const char* text) {
  return plat::Ui().MessageDlg(text, plat::MsgType::Information, plat::mbYes | plat::mbNo) ==
         plat::mrYes;
}

TDrawingtool* Tool() { return MainForm ? MainForm->CurrentTool() : nullptr; }
int32 ToolType() { return Tool() ? Tool()->Type : 0; }

void SelectPickTool() {
  if (MainForm) MainForm->SelectPickTool();
}

void InstallTool(int32 id) {
  if (MainForm) MainForm->SetTool(id);
}

// An internal-wall tool ready to go on from the end of a wall of this bearing.
void SetUpInternalWallTool(int32 angle) {
  InstallTool(tooltype::InWall);
  if (TDrawingtool* t = Tool()) {
    t->Active = 1;      // an element has been added: the next key continues it
    t->ButtonDown = 1;  // the rubber band follows from the first point
    t->Angle = angle;
  }
}

int32 ExternalWallsOn(int32 v) {
  int32 n = 0;
  for (int32 i = 0; i < DrawingList.Count(); ++i) {
    const TObj* e = DrawingList.At(i);
    if (e->Kind == kind::ExtWall && e->Floor == v) ++n;
  }
  return n;
}

bool IsUpperFloor(int32 v) { return v > view::Ground && v <= kUpperFloorLast; }

// The floor's entry of the Plan Views menu, as the messages name it.
const char* FloorEntry(int32 v) {
  switch (v) {
    case view::First: return "FIRST FLOOR";
    case view::Second: return "SECOND FLOOR";
    case view::Third: return "THIRD FLOOR";
    default: return "SUB FLOOR";
  }
}

}  // namespace

// Moves the pointer onto the end (or, with the start flag, the start) of the
// last element and makes it the tool's first point.
void TMDIChild::PlaceAtChainEnd(bool startFlag, bool forUndo) {
  const ElementSnapshot last = Last();
  if (!last.present) return;
  const int32 px = (startFlag ? last.x1 : last.x2) / PixelScale;
  const int32 py = (startFlag ? last.y1 : last.y2) / PixelScale;

  {
    plat::WindowDC dc(Surface());
    int32 cx = 0, cy = 0;
    WorldToDevice(*dc, ClientRect(), px, py, cx, cy);
    plat::Ui().SetCursorPos(ClientToScreen(plat::Point{cx, cy}));
  }

  if (forUndo) {
    if (last.kind == kind::InWall && ToolType() == tooltype::Pick) {
      SetUpInternalWallTool(last.angle);
    } else if (last.kind == kind::ExtWall && ToolType() != tooltype::ExtWall) {
      InstallTool(tooltype::ExtWall);
      if (TDrawingtool* t = Tool()) t->Active = 1;
    }
  }
  if (TDrawingtool* t = Tool()) {
    t->X1 = px * PixelScale;
    t->Y1 = py * PixelScale;
    if (startFlag) {
      t->X2 = t->X1;
      t->Y2 = t->Y1;
    }
  }
}

void TMDIChild::EndPlacingSelection() {
  const auto* t = dynamic_cast<const TMoveobjtool*>(Tool());
  if (!t || t->Step != framestep::Placing) return;
  InvalidateFrameChange(1);
  SelectPickTool();
  routing::ToolPanel(routing::kPickToolName);
}

void TMDIChild::Undo() {
  EndPlacingSelection();
  CurrentFunction = func::ScreenAids;
  const int32 shown = CurrentView;
  const int32 v = DrawingList.UndoViews[0];
  // The undo store keeps nothing for the group drawing: an undo there would
  // only write the group's elements over the live drawing file.
  if (CurrentView == view::Group) {
    Note(kNoUndoInGroup);
    return;
  }
  if (v == 0) {
    Note(kNothingToUndo);
    return;
  }
  if (v != CurrentView && !AskYesNoInfo(kOtherView)) return;

  int32 placing = kPlaceNothing;
  bool startFlag = false;
  const ElementSnapshot last = Last();
  const ElementSnapshot prev = BeforeLast();
  const bool onlyUserElement = DrawingList.Count() - 1 == kFirstUserEntry;
  const bool removedTitle = last.kind == kind::DrawingTitle;

  if (last.kind == kStopEndStart || last.kind == kStopEndEnd) {
    DrawingList.UpdateUndoHistory(uoUndo, 0);
    if (DrawingList.Count() == 0) {
      // A step given up was told as such.
      if (!DrawingList.StepGivenUp) Note(kNothingToUndo);
      DrawingList.ReadDrawingFile(dtDrawing);
      return;
    }
    DrawingList.WriteDrawingFile(dtDrawing);
    Surface().InvalidateRect(nullptr);
    return;
  }
  if (removedTitle) {
    // decided after the undo, from the walls left
  } else if ((last.kind == kind::ExtWall || last.kind == kind::InWall) && onlyUserElement) {
    Note(kOnlyWall);
  } else if (last.kind == kind::ExtWall && prev.kind == kind::ExtWall) {
    startFlag = EndMeetsStart(last, prev);
  } else if ((last.kind == kind::ExtWall && prev.kind != kind::ExtWall) ||
             (last.kind == kind::InWall && prev.kind != kind::InWall)) {
    SelectPickTool();
  } else if (last.kind == kind::InWall && prev.kind == kind::InWall) {
    const bool fromEnd = StartMeetsEnd(last, prev);
    const bool fromStart = EndMeetsStart(last, prev);
    if (fromEnd) {
      placing = kPlaceAtChainEnd;
      startFlag = false;
    }
    if (fromStart) {
      placing = kPlaceAtChainEnd;
      startFlag = true;
    }
    if (!fromEnd && !fromStart) SelectPickTool();
  }

  if (CurrentView == view::Ground) {
    placing = kPlaceAtChainEnd;
  } else if (IsUpperFloor(CurrentView)) {
    if (ExternalWallsOn(CurrentView) < kMinUpperFloorWalls)
      Note(plat::Format(kUpperFloorRestart, FloorEntry(CurrentView)).c_str());
    else
      placing = kPlaceAtChainEnd;
  } else if (CurrentView == view::LayoutMarkingWalls) {
    Note(kLayoutRemark);
    return;
  }

  DrawingList.UpdateUndoHistory(uoUndo, 0);
  if (DrawingList.Count() == 0) {
    // An empty snapshot never reaches the live file; a step given up was
    // told as such.
    if (!DrawingList.StepGivenUp) Note(kNothingToUndo);
    DrawingList.ReadDrawingFile(dtDrawing);
    return;
  }
  CurrentView = v;
  DrawingList.WriteDrawingFile(dtDrawing);
  CurrentView = shown;

  const ElementSnapshot now = Last();
  if (placing == kPlaceAtChainEnd &&
      (now.kind == kind::Line || now.kind == kind::ExtWall || now.kind == kind::InWall)) {
    if (removedTitle) {
      const ElementSnapshot before = BeforeLast();
      if (now.kind == kind::ExtWall && before.kind == kind::ExtWall)
        startFlag = EndMeetsStart(now, before);
    }
    PlaceAtChainEnd(startFlag, true);
  }
  Surface().InvalidateRect(nullptr);
}

void TMDIChild::Redo() {
  EndPlacingSelection();
  CurrentFunction = func::ScreenAids;
  const int32 shown = CurrentView;
  if (CurrentView == view::Group) {
    Note(kNoRedoInGroup);
    return;
  }
  DrawingList.UpdateUndoHistory(uoRedo, CurrentView);
  if (DrawingList.Count() == 0) {
    if (!DrawingList.StepGivenUp) Note(kNothingToRedo);
    DrawingList.ReadDrawingFile(dtDrawing);
    return;
  }
  DrawingList.WriteDrawingFile(dtDrawing);
  DrawingList.ReadDrawingFile(dtDrawing);
  CurrentView = shown;

  const ElementSnapshot last = Last();
  const ElementSnapshot prev = BeforeLast();
  if (last.kind != kind::ExtWall && last.kind != kind::InWall) {
    Surface().InvalidateRect(nullptr);
    return;
  }

  bool startFlag = false;
  if (last.kind == kind::InWall && ToolType() != tooltype::InWall) {
    SetUpInternalWallTool(last.angle);
  } else if (last.kind == kind::InWall && prev.kind == kind::InWall) {
    if (EndMeetsStart(last, prev)) startFlag = true;
    if (StartMeetsEnd(last, prev)) startFlag = false;
    // A wall whose end already meets another has nothing to continue.
    if (last.endMeet >= 1) SelectPickTool();
  } else if (last.kind == kind::ExtWall && ToolType() == tooltype::ExtWall) {
    startFlag = prev.kind == kind::ExtWall && EndMeetsStart(last, prev);
  }
  PlaceAtChainEnd(startFlag, false);
  Surface().InvalidateRect(nullptr);
}
