// Window commands that change the drawing as a whole or a shape picked in
// it: turning or mirroring the drawing into a new name, the line style, the
// check before a selection is turned freely, and a shape's fill colour.
#include <algorithm>

#include "dialogs/drawing_dialogs.h"
#include "model/flist.h"
#include "model/view_mapping.h"
#include "planwindow/childwin.h"
#include "planwindow/routing_support.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "shell/mainform.h"
#include "storage/cfgfile.h"
#include "storage/selection_files.h"
#include "storage/settings_files.h"
#include "tools/moveobjtool.h"

using namespace routing;

namespace {

constexpr const char* kReplaceQuestion =
    "a drawing of that name already exists - do you wish to replace it?";
constexpr const char* kRoundRectTurn =
    "RECT and RNDRECT Objs only rotate in 90, 180 and 270 degree increments";
constexpr const char* kCurveTurn =
    "ELLIPSE and ARC Objs only rotate in 90, 180 and 270 degree increments";

// What is said when a listed element of kind k is to be turned by other than
// a quarter turn; nullptr when it turns at any angle. Boxes keep their level
// sides (an ellipse would only move its centre, an arc turn its ends but not
// its ellipse), so the curve would change.
const char* QuarterTurnsOnly(int32 k) {
  if (k == kind::RoundRect) return kRoundRectTurn;
  if (k == kind::Ellipse || k == kind::Arc) return kCurveTurn;
  return nullptr;
}

bool IsFloorPlan(int32 v) { return v >= view::Ground && v <= view::Basement; }

bool DrawingExists(const std::string& name) {
  return plat::FileExists("DWGS\\" + name + ".KWV");
}

// ---- Picking a filled shape or symbol ---------------------------------------------------------

// The box a fill click hit, drawing units, corners in order.
struct HitBox {
  int32 left = 0, bottom = 0, right = 0, top = 0;
  bool Holds(plat::Point p) const {
    return p.x > left && p.x < right && p.y > bottom && p.y < top;
  }
  void Grow(int32 x, int32 y) {
    left = std::min(left, x);
    right = std::max(right, x);
    bottom = std::min(bottom, y);
    top = std::max(top, y);
  }
};

constexpr int32 kFillShapesFirst = kind::Ellipse;  // kinds 5 to 8
constexpr int32 kFillShapesLast = kind::RoundRect;
constexpr int32 kFillSymbolsLast = 19999;

// Whether p lies in the element: a filled shape's box, or for a polygon or
// symbol the box its points span so far, point by point.
bool FillHit(const TObj& e, plat::Point p, HitBox& box) {
  if (e.Kind >= kFillShapesFirst && e.Kind <= kFillShapesLast) {
    box = {std::min(e.X1, e.X2), std::min(e.Y1, e.Y2), std::max(e.X1, e.X2),
           std::max(e.Y1, e.Y2)};
    return box.Holds(p);
  }
  if (e.Kind < kind::PolyFirst || e.Kind > kFillSymbolsLast) return false;
  auto* poly = dynamic_cast<const TPolyobj*>(&e);
  if (!poly || poly->PointCount < 1) return false;
  const int32 n = std::min(poly->PointCount, kMaxPolyPoints);
  box = {poly->PointX[0], poly->PointY[0], poly->PointX[0], poly->PointY[0]};
  for (int32 k = 1; k < n; ++k) {
    box.Grow(poly->PointX[k], poly->PointY[k]);
    if (box.Holds(p)) return true;
  }
  return false;
}

// A group is a link id that elements share; 0 and the deletion mark are none.
bool IsGroup(int32 linkId) { return linkId != 0 && linkId != kind::DeleteMark; }

}  // namespace

// ---- Turning or mirroring the drawing ----------------------------------------------------------

bool TMDIChild::RotateMirrorDrawing(int32 flag) {
  if (flag < 1) {
    DrawingList.UpdateUndoHistory(uoRecord, CurrentView);
    DrawingList.RotateDrawingFile(flag, DrawingList.DrawingName);
    if (!IsFloorPlan(CurrentView)) CurrentView = view::Ground;
    MarkDrawingChanged();
    Surface().InvalidateRect(nullptr);
    return false;
  }
  DrawingList.WriteDrawingFile(dtDrawing);
  TTManipdlg d;
  for (;;) {
    // The dialog refuses, saying why, names that are too short or long or
    // that no file could carry.
    if (!dlg::ShowModal(d)) {
      if (MainForm) MainForm->SelectPickTool();
      return false;
    }
    if (d.Name == DrawingList.DrawingName || !DrawingExists(d.Name) ||
        plat::AskYesNo(kReplaceQuestion))
      break;
  }
  const bool newName = d.Name != DrawingList.DrawingName;
  // The old name is left: what its files could not take would stay held
  // under it, neither written nor asked about again.
  if (newName && MainForm && !MainForm->KeepCurrentDrawing()) {
    MainForm->SelectPickTool();
    return false;
  }
  DrawingList.UpdateUndoHistory(uoRecord, CurrentView);
  DrawingList.WriteDrawingFile(dtDrawing);
  DrawingList.RotateDrawingFile(d.Operation, d.Name);
  if (!IsFloorPlan(CurrentView)) CurrentView = view::Ground;
  MarkDrawingChanged();
  if (!newName) Surface().InvalidateRect(nullptr);
  return newName;
}

// ---- Line style -------------------------------------------------------------------------------

void TMDIChild::ChooseLineStyle() {
  TTLinedlg d;
  d.Thickness = LineThickness == TTLinedlg::kThick ? TTLinedlg::kThick : TTLinedlg::kThin;
  if (TDrawingtool* t = Tool()) d.PenStyle = std::clamp(t->PenStyle, 0, 3);
  if (!dlg::ShowModal(d)) {
    if (MainForm) MainForm->SelectPickTool();
    return;
  }
  if (MainForm) MainForm->ApplyLineStyle(d.Thickness, d.PenStyle);
}

// ---- Turning a selection freely ---------------------------------------------------------------------

bool TMDIChild::SelectionTurnsByQuartersOnly() {
  auto* t = dynamic_cast<TMoveobjtool*>(Tool());
  if (!t) return false;
  // The rounded rectangle's message comes first, whatever the list's order.
  const char* refusal = nullptr;
  for (const selection::Entry& s : t->Listed()) {
    const char* why = QuarterTurnsOnly(DrawingList.At(s.index)->Kind);
    if (why && refusal != kRoundRectTurn) refusal = why;
  }
  if (!refusal) return false;
  const plat::Point pointer = plat::Ui().GetCursorPos();
  plat::ErrorBox(refusal, plat::mbOK);
  plat::Ui().SetCursorPos(pointer);
  return true;
}

// ---- Fill colour ------------------------------------------------------------------------------------

void TMDIChild::ChangeFillColour(int32 x, int32 y) {
  const plat::Point p{x * PixelScale, y * PixelScale};
  int32 index = -1;
  HitBox box;
  for (int32 i = 0; i < DrawingList.Count(); ++i) {
    const TObj& e = *DrawingList.At(i);
    if (e.Floor == CurrentView && FillHit(e, p, box)) {
      index = i;
      break;
    }
  }
  if (index < 0) {
    if (TDrawingtool* t = Tool()) t->PickedIndex() = kNothingPicked;
    return;
  }
  // What the chooser must find again afterwards: a repaint while it is open
  // rebuilds the list.
  const TObj picked = *DrawingList.At(index);
  if (TDrawingtool* t = Tool()) t->PickedIndex() = index;
  cfg::Write(ProgramFile(cfgfile::FillColour), plat::Format("%ld\n", long(picked.FillColour)));
  if (!MainForm || !MainForm->ChooseColour(54)) return;
  const auto colour = static_cast<plat::COLORREF>(
      cfg::ReadFirstInt(ProgramFile(cfgfile::FillColour), static_cast<int32>(picked.FillColour)));
  if (index >= DrawingList.Count()) return;
  const TObj& now = *DrawingList.At(index);
  if (now.Kind != picked.Kind || now.LinkId != picked.LinkId || now.X1 != picked.X1 ||
      now.Y1 != picked.Y1 || now.Floor != picked.Floor)
    return;

  DrawingList.UpdateUndoHistory(uoRecord, CurrentView);
  for (int32 i = 0; i < DrawingList.Count(); ++i) {
    TObj& e = *DrawingList.At(i);
    const bool member = i == index || (IsGroup(picked.LinkId) && e.LinkId == picked.LinkId &&
                                       e.Floor == CurrentView);
    if (member) e.FillColour = colour;
  }
  DrawingList.WriteDrawingFile(dtDrawing);
  MarkDrawingChanged();

  // Repaint the shape, a little beyond its box (logical units).
  const plat::Rect client = ClientRect();
  const int32 margin = 5 * PixelScale;
  int32 left = 0, top = 0, right = 0, bottom = 0;
  {
    plat::WindowDC dc(Surface());
    WorldToDevice(*dc, client, box.left / PixelScale - margin, box.top / PixelScale + margin,
                  left, top);
    WorldToDevice(*dc, client, box.right / PixelScale + margin, box.bottom / PixelScale - margin,
                  right, bottom);
  }
  const plat::Rect area{std::max(left, client.left), std::max(top, client.top),
                        std::min(right, client.right), std::min(bottom, client.bottom)};
  Surface().InvalidateRect(&area);
}
