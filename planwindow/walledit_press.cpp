// The wall-edit press: with the wall-edit tool current, a left press picks
// the wall or line to edit, checks that the edit suits it, asks the amount
// where one is needed, records one undo step and hands the edit to the tool
// of the picked element's kind. Every refusal comes before anything is
// recorded or the tool is changed.
#include <algorithm>
#include <string>

#include "building/extwall_edit.h"
#include "building/extwall_tool.h"
#include "building/inwall_edit.h"
#include "building/inwall_tool.h"
#include "building/wall_edit_common.h"
#include "building/wall_settings.h"
#include "dialogs/feetdlg.h"
#include "model/flist.h"
#include "model/view_mapping.h"
#include "planwindow/childwin.h"
#include "planwindow/routing_support.h"
#include "platform/services.h"
#include "platform/ui.h"
#include "shell/mainform.h"

using namespace routing;

namespace {

constexpr const char* kNoStraightPick =
    "No valid horizontal or vertical (on screen)line or wall object selected ";
constexpr const char* kNothingPickedRestart = "No valid object selected - restart function again";
constexpr const char* kNoLineOrWall = "No valid line or wall object selected ";
constexpr const char* kPickToolGuide = "GUIDE: Pick tool";

// Largest amount a wall or line is shortened or lengthened by (exclusive).
constexpr int32 kAmountLimit = 70000;

bool IsLine(int32 k) { return k == kind::Line || k == kind::WallLine; }

// Why the edit cannot be made on an element of kind k (before the amount).
std::string KindRefusal(int32 step, int32 k, int32 i, plat::Point p) {
  switch (step) {
    case toolstep::Join:
    case toolstep::EditPickEnd:
    case toolstep::WallType:
      return k == kind::ExtWall ? std::string() : extwalledit::kNotExternal;
    case toolstep::MoveInWall:
      return inwalledit::Refusal(DrawingList, i, step, p, 0);
    default:
      return (k == kind::ExtWall || k == kind::InWall || IsLine(k))
                 ? std::string()
                 : std::string(kNoLineOrWall);
  }
}

// Why shortening or lengthening element i by amount at p cannot be made.
std::string AmountRefusal(int32 step, int32 k, int32 i, plat::Point p, int32 amount) {
  if (k == kind::ExtWall) return extwalledit::Refusal(DrawingList, i, step, p, amount);
  if (k == kind::InWall) return inwalledit::Refusal(DrawingList, i, step, p, amount);
  const TObj& e = *DrawingList.At(i);
  if (step == toolstep::Shorten && amount >= bearing::Length({e.X1, e.Y1}, {e.X2, e.Y2}))
    return "The line is not that long - it can be shortened by less than its length only";
  return {};
}

bool FloorHasAutoDimensions() {
  for (int32 i = 6; i < DrawingList.Count(); ++i) {
    const TObj& e = *DrawingList.At(i);
    if (e.Floor == CurrentView && kind::IsAutoDimensionKind(e.Kind)) return true;
  }
  return false;
}

}  // namespace

// The amount to shorten or lengthen by; false when the press ends (the
// message given, or the pick tool back for an amount out of range).
bool TMDIChild::AskEditAmount(int32 step, int32& amount) {
  Guide(step == toolstep::Shorten ? "GUIDE: input amount to shorten"
                                  : "GUIDE: input amount to lengthen");
  if (MetricUnits == 1) {
    std::string text;
    if (!AskText("", "", "0", text)) return false;
    amount = plat::StrToInt0(text);
    if (amount == 0) {
      plat::ErrorBox(kValidNumber, plat::mbRetry);
      return false;
    }
  } else {
    TTFeetdlg d(0);
    if (d.ShowModal() != plat::mrOk) {
      if (MainForm) MainForm->SelectPickTool();
      return false;
    }
    amount = d.Length;
  }
  if (amount < 0 || amount >= kAmountLimit) {
    if (MainForm) MainForm->SelectPickTool();
    return false;
  }
  return true;
}

bool TMDIChild::WallEditPress(int x, int y, int32 step) {
  if (step == toolstep::Split) return false;  // split from the keyboard
  TDrawingtool* t = Tool();
  if (!t || !MainForm) return false;
  const plat::Point screen = Surface().ClientToScreen({x, y});
  auto refuse = [&](const std::string& text, bool error, unsigned button) {
    if (error)
      plat::ErrorBox(text, button);
    else
      plat::InfoBox(text, button);
    plat::Ui().SetCursorPos(screen);
    return false;
  };
  {
    plat::WindowDC dc(Surface());
    t->MouseDown(*dc, ClientRect(), x, y);
  }
  const int32 i = t->PickedIndex();
  const int32 picked = t->Direction;
  const plat::Point start{t->X1, t->Y1}, end{t->X2, t->Y2};
  if (step == toolstep::MoveInWall && picked == kNothingPicked)
    return refuse(kNoStraightPick, true, plat::mbCancel);
  if (i == kNothingPicked || i < 6 || i >= DrawingList.Count())
    return refuse(kNothingPickedRestart, false, plat::mbRetry);
  if (picked == kNothingPicked) return refuse(kNoLineOrWall, true, plat::mbCancel);
  const int32 k = DrawingList.At(i)->Kind;
  const plat::Point p = step == toolstep::EditPickEnd ? end : start;
  if (const std::string why = KindRefusal(step, k, i, p); !why.empty())
    return refuse(why, true, step == toolstep::MoveInWall ? plat::mbCancel : plat::mbOK);

  switch (step) {
    case toolstep::Join: JoinFirstEnd(i, p); break;
    case toolstep::EditPickEnd: JoinSecondEnd(p); break;
    case toolstep::Shorten:
    case toolstep::Extend: ResizePickedWall(step, k, i, p); break;
    case toolstep::Delete:
      DeletePickedWall(k, i);
      plat::Ui().SetCursorPos(screen);
      break;
    case toolstep::WallType: {
      if (const std::string why = extwalledit::Refusal(DrawingList, i, step, p, 0); !why.empty())
        return refuse(why, true, plat::mbCancel);
      Guide("GUIDE: select new wall type");
      const bool dimensioned = FloorHasAutoDimensions();
      DrawingList.UpdateUndoHistory(uoRecord, CurrentView);
      MainForm->SetTool(tooltype::ExtWall);
      TDrawingtool* n = Tool();
      n->Window = this;
      n->Direction = i;
      n->Step = step;
      n->X2 = p.x, n->Y2 = p.y;
      // The partitions and rooms meeting the wall's face may have followed
      // it: the window is drawn again whole.
      if (ChangeExternalWallType()) {
        Surface().InvalidateRect(nullptr);
        if (dimensioned) Redimension();
      }
      MainForm->SelectPickTool();
      break;
    }
    case toolstep::MoveInWall: {
      EraseLineOnScreen(i);
      MainForm->SetTool(tooltype::InWall);
      TDrawingtool* n = Tool();
      n->Window = this;
      n->Step = step;
      n->PickedIndex() = i;
      n->State = toolstate::Constructing;
      Guide("GUIDE: Select ARROW key direction to MOVE wall / line");
      break;
    }
    default: break;
  }
  if ((step >= toolstep::Shorten && step < toolstep::MoveInWall) ||
      (step > toolstep::MoveInWall && step < toolstep::EditEnd)) {
    Guide(kPickToolGuide);
    ToolPanel(kPickToolName);
  }
  return true;
}

// The first end of a join: the new wall starts at the picked end of an
// external wall, in that wall's construction.
void TMDIChild::JoinFirstEnd(int32 i, plat::Point p) {
  ExtWallSettings s;
  if (!ReadExtWallSettings(s)) {
    ReportExtWallSettingsMissing();
    return;
  }
  const auto& w = static_cast<const TExtwallobj&>(*DrawingList.At(i));
  s.layers = {w.Thickness1, w.CavityWidth, w.Thickness2};
  s.extra[0] = w.HatchPairs1;
  s.extra[1] = w.HatchPairs2;
  s.extra[2] = w.WallValues[0];
  s.extra[3] = w.WallValues[1];
  WriteExtWallSettings(s);
  MainForm->SetTool(tooltype::ExtWall);
  TDrawingtool* n = Tool();
  n->Window = this;
  n->Step = toolstep::Join;
  n->X1 = p.x, n->Y1 = p.y;
  JoinEnding(p);
}

// The second end of a join: the wall from the first end to this one.
void TMDIChild::JoinSecondEnd(plat::Point p) {
  MainForm->SetTool(tooltype::ExtWall);
  TDrawingtool* n = Tool();
  n->Window = this;
  n->X1 = ZoomStartX, n->Y1 = ZoomStartY;
  n->X2 = p.x, n->Y2 = p.y;
  n->Angle = bearing::Of({n->X1, n->Y1}, p);
  {
    plat::WindowDC dc(Surface());
    n->AddElement(*dc, ClientRect());
  }
  InvalidateFrameMove(1);
  MarkDrawingChanged();
  // The join is made: further clicks belong to the pick tool.
  MainForm->SelectPickTool();
  Guide("GUIDE: Pick Tool");
}

void TMDIChild::JoinEnding(plat::Point p) {
  TDrawingtool* n = Tool();
  Guide("GUIDE: to draw wall, press ARROW for new wall direction, ANGLE WALLS press 'A' key - "
        "use ADD key to complete base");
  ToolPanel("External Wall tool");
  ReferenceX = p.x;
  ReferenceY = p.y;
  // The read-out measures the new walls from the joint.
  StartX = p.x;
  StartY = p.y;
  {
    plat::WindowDC dc(Surface());
    int32 cx = 0, cy = 0;
    WorldToDevice(*dc, ClientRect(), p.x / PixelScale, p.y / PixelScale, cx, cy);
    plat::Ui().SetCursorPos(ClientToScreen({cx, cy}));
  }
  n->State = toolstate::Constructing;
  // The joint is the new wall's first point: the next Enter (or F) ends a
  // wall there instead of starting one.
  n->Active = 1;
  if (n->Step != 0) {
    n->Step = 180;  // square walls, the guide lines following
    ZoomStartX = p.x;
    ZoomStartY = p.y;
  }
}

void TMDIChild::ResizePickedWall(int32 step, int32 k, int32 i, plat::Point p) {
  int32 amount = 0;
  if (!AskEditAmount(step, amount)) return;
  if (const std::string why = AmountRefusal(step, k, i, p, amount); !why.empty()) {
    plat::ErrorBox(why, plat::mbCancel);
    return;
  }
  const bool dimensioned = FloorHasAutoDimensions();
  DrawingList.UpdateUndoHistory(uoRecord, CurrentView);
  if (IsLine(k)) {
    TObj& e = *DrawingList.At(i);
    const plat::Point a{e.X1, e.Y1}, b{e.X2, e.Y2};
    const int32 d = step == toolstep::Extend ? amount : -amount;
    const bool atStart = std::max(std::abs(a.x - p.x), std::abs(a.y - p.y)) <=
                         std::max(std::abs(b.x - p.x), std::abs(b.y - p.y));
    const plat::Point moved = atStart ? inwallgeo::MovedEnd(a, b, d) : inwallgeo::MovedEnd(b, a, d);
    (atStart ? e.X1 : e.X2) = moved.x;
    (atStart ? e.Y1 : e.Y2) = moved.y;
    if (e.Tag1 != 0) e.Tag1 = bearing::Length({e.X1, e.Y1}, {e.X2, e.Y2});
    DrawingList.WriteDrawingFile(dtDrawing);
    MarkDrawingChanged();
    const int32 m = 2 * PixelScale;
    InvalidateLogical(std::min({a.x, b.x, moved.x}) / PixelScale - m,
                      std::min({a.y, b.y, moved.y}) / PixelScale - m,
                      std::max({a.x, b.x, moved.x}) / PixelScale + m,
                      std::max({a.y, b.y, moved.y}) / PixelScale + m);
  } else {
    MainForm->SetTool(k);
    TDrawingtool* n = Tool();
    n->Window = this;
    n->Step = step;
    if (k == kind::ExtWall)
      n->Direction = i;
    else
      n->PickedIndex() = i;
    n->X1 = p.x, n->Y1 = p.y;
    n->Execute(amount, p.x, p.y);
    if (k == kind::ExtWall) {
      InvalidateFrameMove(1);
      if (dimensioned) Redimension();
    } else {
      InvalidateFrameChange(1);
    }
  }
  MainForm->SelectPickTool();
}

void TMDIChild::DeletePickedWall(int32 k, int32 i) {
  const bool dimensioned = FloorHasAutoDimensions();
  DrawingList.UpdateUndoHistory(uoRecord, CurrentView);
  if (IsLine(k)) {
    const TObj& e = *DrawingList.At(i);
    const int32 m = 2 * PixelScale;
    const int32 l = std::min(e.X1, e.X2) / PixelScale - m, r = std::max(e.X1, e.X2) / PixelScale + m;
    const int32 b = std::min(e.Y1, e.Y2) / PixelScale - m, tp = std::max(e.Y1, e.Y2) / PixelScale + m;
    DrawingList.RemoveAt(i);
    DrawingList.WriteDrawingFile(dtDrawing);
    MarkDrawingChanged();
    // Gone from the screen at once.
    InvalidateLogical(l, b, r, tp);
    Surface().UpdateWindow();
  } else {
    MainForm->SetTool(k);
    TDrawingtool* n = Tool();
    n->Window = this;
    n->Step = toolstep::Delete;
    if (k == kind::ExtWall)
      n->Direction = i;
    else
      n->PickedIndex() = i;
    n->Execute(0, 0, 0);
    if (k == kind::ExtWall) {
      InvalidateFrameMove(2);
      if (dimensioned) Redimension();
    } else {
      InvalidateFrameChange(1);
    }
  }
  MainForm->SelectPickTool();
  Guide("GUIDE: Pick Tool");
}

// The automatic dimensions of a floor that had them follow its external
// walls, and the window shows them at once.
void TMDIChild::Redimension() {
  TDrawingtool* t = Tool();
  if (!t) return;
  {
    plat::WindowDC dc(Surface());
    t->AutoDimension(*dc, ClientRect(), 0, 0, 0, 111);
  }
  Surface().InvalidateRect(nullptr);
}
