// Small commands of the drawing window that set up or change drawing work:
// the text along the next line, redrawing at once, the number of lines of
// the multi-line function, moving a line's end.
#include "dialogs/drawing_dialogs.h"
#include "model/flist.h"
#include "planwindow/childwin.h"
#include "planwindow/routing_support.h"
#include "platform/keys.h"
#include "platform/services.h"
#include "platform/ui.h"
#include "shell/mainform.h"
#include "tools/linetool.h"
#include "tools/lineobj_geometry.h"

using namespace routing;

namespace {

constexpr int32 kRedrawNow = 3;
constexpr int32 kLineText = 8;
constexpr int32 kMultiLines = 8;
constexpr int32 kMaxMultiLines = 100;

constexpr const char* kMultiLinePrompt =
    "GUIDE: Press Enter on first line start, then press Enter on line end, now press Enter on "
    "starting point of final line";

constexpr const char* kNoLine =
    "No valid horizontal or vertical (on screen)line or wall object selected ";
constexpr const char* kWrongArrow = "Wrong Arrow key to shorten / extend the line selected";
constexpr const char* kTooShort = "the line is not that long - no change made";

const char* ArrowName(int32 key) {
  switch (key) {
    case plat::VK_LEFT: return "LEFT";
    case plat::VK_RIGHT: return "RIGHT";
    case plat::VK_UP: return "UP";
    default: return "DOWN";
  }
}

// Whether an element still is the line that was picked before a question.
bool SameLine(int32 index, const TObj& picked) {
  if (index < 6 || index >= DrawingList.Count()) return false;
  const TObj& e = *DrawingList.At(index);
  return e.Kind == picked.Kind && e.Floor == picked.Floor && e.X1 == picked.X1 &&
         e.Y1 == picked.Y1 && e.X2 == picked.X2 && e.Y2 == picked.Y2;
}

}  // namespace

void TMDIChild::LineTextOrRedraw(int32 mode) {
  if (mode == kRedrawNow) {
    if (LayoutGridShown != 1) {
      Surface().InvalidateRect(nullptr);
      return;
    }
    const int32 shown = CurrentView;
    DrawingList.WriteDrawingFile(dtDrawing);
    {
      plat::WindowDC dc(Surface());
      DrawingList.DrawView(*dc, ClientRect());
    }
    CurrentView = shown;
    DrawingList.ReadDrawingFile(dtDrawing);
    return;
  }
  if (mode != kLineText) return;
  DrawingList.WriteDrawingFile(dtDrawing);
  // The dialog keeps itself open, saying why, until the text has 1 to 21
  // characters or it is cancelled.
  TTLinetextdlg d;
  if (!dlg::ShowModal(d)) {
    if (MainForm) MainForm->SelectPickTool();
    if (TDrawingtool* t = Tool()) t->Y1 = kClickWithoutDrag;
    return;
  }
  WriteLineTextSetting(d.Side, d.Text);
}

void TMDIChild::StartMultiLines(int32 mode) {
  if (mode != kMultiLines) return;
  TDrawingtool* t = Tool();
  if (!t) return;
  const plat::Point pointer = plat::Ui().GetCursorPos();
  DrawingList.WriteDrawingFile(dtDrawing);
  t->Step = toolstep::MultiStart;
  std::string answer;
  const bool ok = AskText("Multi Lines", "number of lines", "5", answer);
  plat::Ui().SetCursorPos(pointer);
  if (!ok) return;
  const int32 lines = plat::StrToInt0(answer);
  if (lines == 0) {
    plat::ErrorBox(kValidNumber, plat::mbRetry);
    return;
  }
  if (lines < 1 || lines > kMaxMultiLines) {
    if (MainForm) MainForm->SelectPickTool();
    return;
  }
  Guide(kMultiLinePrompt);
  if (TDrawingtool* now = Tool()) now->Size = lines;
  if (LayoutGridShown == 1) LineTextOrRedraw(kRedrawNow);
}

void TMDIChild::MoveLineEnd(int32 key, plat::Point cursor) {
  const plat::Point p = ClientToDrawing(cursor);
  const int32 index = StraightLineAt(DrawingList, CurrentView, p.x, p.y, EditPickTolerance());
  if (index < 0) {
    plat::ErrorBox(kNoLine, plat::mbRetry);
    return;
  }
  const TObj picked = *DrawingList.At(index);
  const bool sideways = key == plat::VK_LEFT || key == plat::VK_RIGHT;
  if (sideways != (picked.Y1 == picked.Y2)) {
    plat::ErrorBox(kWrongArrow, plat::mbRetry);
    return;
  }
  int32 amount = 0;
  switch (AskDistance("MOVE LINE END", ArrowName(key), 0, amount)) {
    case DistanceAnswer::Ok: break;
    case DistanceAnswer::Invalid: plat::ErrorBox(kValidNumber, plat::mbRetry); return;
    default: return;
  }
  // The question may have let a repaint rebuild the list.
  if (!SameLine(index, picked)) return;
  const bool forward = key == plat::VK_RIGHT || key == plat::VK_UP;
  TObj trial = picked;
  if (!MoveNearerLineEnd(trial, forward ? amount : -amount, p.x, p.y)) {
    plat::ErrorBox(kTooShort, plat::mbRetry);
    return;
  }
  TDrawingtool* t = Tool();
  if (!t) return;
  DrawingList.UpdateUndoHistory(uoRecord, CurrentView);
  t->Direction = index;
  t->Step = forward ? lineend::Forward : lineend::Back;
  t->Execute(amount, p.x, p.y);
  t->Step = lineend::Forward;  // ready for the next line
  DrawingList.WriteDrawingFile(dtDrawing);
  MarkDrawingChanged();
  Surface().InvalidateRect(nullptr);
}
