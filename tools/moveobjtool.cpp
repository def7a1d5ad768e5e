// The selection-frame tools: dragging the frame, taking what lies inside,
// moving and turning the selection, and the copy and erase tools' final
// operations. The symbol generator (Command) lives with the designer.
#include "tools/moveobjtool.h"

#include <cmath>
#include <utility>

#include "model/flist.h"
#include "model/queries_support.h"
#include "model/rounding.h"
#include "model/view_mapping.h"
#include "platform/dc.h"
#include "platform/dc_scope.h"
#include "platform/keys.h"
#include "storage/cfgfile.h"
#include "storage/library_file.h"
#include "storage/settings_files.h"
#include "tools/tool_drawing.h"

namespace {

using queries::ClampToInt32;

constexpr int32 kTakingFirstView = 86;   // floor views and the site plan
constexpr int32 kCurveFirstView = 81;
constexpr int32 kTurnedFrameMargin = 20;  // x PixelScale, round a turned selection
constexpr int32 kAddedFrameMargin = 10;   // x PixelScale, round appended elements
constexpr int32 kPlacingOutline = kind::OpeningFrameAlt;  // 27000

bool IsGroupView(int32 v) { return v >= view::Group && v <= view::Group + 4; }

// The client point in drawing units.
plat::Point Drawing(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y) {
  int32 x = 0, y = 0;
  DeviceToWorld(dc, client, X, Y, x, y);
  return {ClampToInt32(1LL * x * PixelScale), ClampToInt32(1LL * y * PixelScale)};
}

// Midway from a toward b, truncated toward a.
int32 Half(int32 a, int32 b) { return ClampToInt32(1LL * a + (1LL * b - a) / 2); }

}  // namespace

// ---- Frame ---------------------------------------------------------------------------

void TMoveobjtool::SetFrame(const frame::Box& b) {
  X1 = b.left;
  X2 = b.right;
  Y1 = b.bottom;
  Y2 = b.top;
}

void TMoveobjtool::KeepFrame() {
  Frame[0] = X1;
  Frame[1] = X2;
  Frame[2] = Y1;
  Frame[3] = Y2;
}

void TMoveobjtool::OrderFrame() {
  if (AnchorX > PivotX) std::swap(AnchorX, PivotX);
  if (AnchorY > PivotY) std::swap(AnchorY, PivotY);
  SetFrame({AnchorX, PivotX, AnchorY, PivotY});
  KeepFrame();
}

void TMoveobjtool::DrawBand(plat::DeviceContext& dc) const {
  ScopedXorPen pen(dc, plat::R2_XORPEN, plat::Pen{plat::PS_DOT, 0, DrawingColour});
  plat::ScopedBrush brush(dc, plat::NullBrush());
  dc.Rectangle(AnchorX / PixelScale, AnchorY / PixelScale, PivotX / PixelScale,
               PivotY / PixelScale);
}

void TMoveobjtool::MouseDown(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                             int32 Y) {
  if (!framestep::IsStart(Step)) return;
  TakenCount = 0;
  const plat::Point p = Drawing(dc, client, X, Y);
  AnchorX = PivotX = p.x;
  AnchorY = PivotY = p.y;
  Step += framestep::kDragOffset;
}

void TMoveobjtool::MouseMove(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                             int32 Y) {
  if (!framestep::IsDrag(Step)) return;
  SetViewMapping(dc, client);
  DrawBand(dc);  // erases the band at the old corner
  const plat::Point p = Drawing(dc, client, X, Y);
  PivotX = p.x;
  PivotY = p.y;
  DrawBand(dc);
}

void TMoveobjtool::MouseUp(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y) {
  if (framestep::IsDrag(Step)) {
    EndFrame(dc, client, X, Y);
    return;
  }
  if (Step == framestep::Placing) {
    RecordMoveUndo();
    keysRecorded_ = false;
    KeepFrame();
    MoveSelectionTo(dc, client, X, Y);
  }
}

void TMoveobjtool::EndFrame(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                            int32 Y) {
  SetViewMapping(dc, client);
  DrawBand(dc);  // the last band goes
  const plat::Point p = Drawing(dc, client, X, Y);
  PivotX = p.x;
  PivotY = p.y;
  switch (Step) {
    case framestep::Drag: TakeFramedElements(X, Y); break;
    case framestep::EllipseDrag:
    case framestep::CircleDrag: TakeFramedCurve(X, Y); break;
    case framestep::ZoomDrag: ZoomToFrame(client); break;
    case framestep::PartPrintDrag: StorePartPrintFrame(); break;
    default: break;
  }
  if (Type == tooltype::Copy || Type == tooltype::Erase) ApplyToRegion(dc, client, 0, 0);
}

void TMoveobjtool::ZoomToFrame(const plat::Rect& client) {
  if (AnchorX == PivotX || AnchorY == PivotY || IsEmptyClient(client)) return;
  const frame::Box b = frame::Box::Of(AnchorX, AnchorY, PivotX, PivotY);
  WindowExtX = (b.right - b.left) / PixelScale;
  WindowOrgX = b.left / PixelScale;
  WindowExtY = (b.top - b.bottom) / PixelScale;
  WindowOrgY = b.bottom / PixelScale;
  const double r = double(client.right - client.left) / double(client.bottom - client.top);
  if (WindowExtY * r > WindowExtX)
    WindowExtX = RoundToInt(WindowExtY * r);
  else
    WindowExtY = RoundToInt(WindowExtX / r);
  ZoomFactor = float(WindowExtX) / float(client.right - client.left);
}

void TMoveobjtool::StorePartPrintFrame() {
  if (AnchorX == PivotX || AnchorY == PivotY) {
    // A frame of no area prints nothing: drag again.
    Step = framestep::PartPrintStart;
    return;
  }
  const frame::Box b = frame::Box::Of(AnchorX, AnchorY, PivotX, PivotY);
  SetFrame(b);
  cfg::Write(ProgramFile(cfgfile::PartPrintFrame),
             queries::FormatInts({b.left, b.right, b.top, b.bottom}, false));
}

// ---- Taking ------------------------------------------------------------------------------

void TMoveobjtool::List(const std::vector<selection::Entry>& entries) {
  selection::WriteList(entries);
  named_ = selection::NameAll(entries, DrawingList);
  TakenCount = static_cast<int32>(entries.size());
}

std::vector<selection::Entry> TMoveobjtool::Listed() {
  std::vector<selection::Entry> listed = selection::ReadNamedList(DrawingList, named_);
  if (listed.empty() && selection::ReadTempCfg() > 0) {
    selection::WriteTempCfg(0);
    named_.clear();
    TakenCount = 0;
  }
  return listed;
}

void TMoveobjtool::FinishTaking() {
  placingAppended_ = false;
  PivotX = ClampToInt32(1LL * X2 - (1LL * X2 - X1) / 2);
  PivotY = ClampToInt32(1LL * Y1 - (1LL * Y1 - Y2) / 2);
  Step = framestep::Placing;
  Active = 0;
  Angle = frameangle::Taken;
  keysRecorded_ = false;
  RotationAngle = 0;  // the turn shown is this selection's own
}

void TMoveobjtool::TakeFramedElements(int32, int32) {
  // Every frame starts a list of its own, also where it takes nothing.
  List({});
  if (CurrentView < kTakingFirstView && !IsGroupView(CurrentView)) {
    Step = framestep::Start;  // nothing can be framed here: start again
    return;
  }
  OrderFrame();
  const frame::Box f = FrameBox();
  const bool centred = Type == tooltype::Copy;
  const int32 ox = centred ? Half(AnchorX, PivotX) : AnchorX;
  const int32 oy = centred ? Half(AnchorY, PivotY) : AnchorY;
  std::vector<selection::Entry> taken;
  for (int32 i = 0; i < DrawingList.Count(); ++i)
    if (frame::Takes(*DrawingList.At(i), f, Type, CurrentView)) taken.push_back({i, ox, oy});
  List(taken);
  FinishTaking();
}

void TMoveobjtool::TakeFramedCurve(int32, int32) {
  List({});
  if (CurrentView < kCurveFirstView) {
    Step = framestep::IsDrag(Step) ? Step - framestep::kDragOffset : Step;
    return;
  }
  OrderFrame();
  const frame::Box f = FrameBox();
  const int32 wanted = Step == framestep::EllipseDrag ? kind::Ellipse : kind::Circle;
  for (int32 i = 0; i < DrawingList.Count(); ++i) {
    const TObj& e = *DrawingList.At(i);
    if (e.Floor == CurrentView && e.Kind == wanted && f.BoxInside(e.X1, e.Y1, e.X2, e.Y2)) {
      List({{i, AnchorX, AnchorY}});
      break;
    }
  }
  FinishTaking();
}

// ---- Moving and turning ------------------------------------------------------------------

void TMoveobjtool::WriteEdited() {
  MarkDrawingChanged();
  DrawingList.WriteDrawingFile(dtDrawing);  // the group file in the group view
}

void TMoveobjtool::RecordKeyUndo() {
  if (keysRecorded_) return;
  RecordMoveUndo();
  keysRecorded_ = true;
}

void TMoveobjtool::RecordMoveUndo() {
  if (!placingAppended_) DrawingList.UpdateUndoHistory(uoRecord, CurrentView);
}

void TMoveobjtool::MoveSelectionTo(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                                   int32 Y) {
  Angle = frameangle::Moved;
  const plat::Point p = Drawing(dc, client, X, Y);
  DropX = p.x;
  DropY = p.y;
  const int32 dx = ClampToInt32(1LL * DropX - PivotX);
  const int32 dy = ClampToInt32(1LL * DropY - PivotY);
  PivotX = DropX;
  PivotY = DropY;
  SetFrame({ClampToInt32(1LL * X1 + dx), ClampToInt32(1LL * X2 + dx), ClampToInt32(1LL * Y1 + dy),
            ClampToInt32(1LL * Y2 + dy)});
  const std::vector<selection::Entry> listed = Listed();
  for (const selection::Entry& s : listed) frame::Move(*DrawingList.At(s.index), dx, dy);
  named_ = selection::NameAll(listed, DrawingList);
  MoveCursorTo(dc, client, PivotX, PivotY);
  WriteEdited();
}

void TMoveobjtool::RotateSelection(plat::DeviceContext&, const plat::Rect&, int32, int32) {
  const frame::Turn turn(Angle, PivotX, PivotY);
  const frame::Box before = FrameBox();
  frame::Bounds bounds;
  const std::vector<selection::Entry> listed = Listed();
  for (const selection::Entry& s : listed)
    frame::TurnElement(*DrawingList.At(s.index), turn, before, bounds);
  named_ = selection::NameAll(listed, DrawingList);
  WriteEdited();
  if (listed.empty() || bounds.minX > bounds.maxX) return;  // nothing turned: the frame stays
  const int32 m = kTurnedFrameMargin * PixelScale;
  SetFrame({ClampToInt32(1LL * bounds.minX - m), ClampToInt32(1LL * bounds.maxX + m),
            ClampToInt32(1LL * bounds.minY - m), ClampToInt32(1LL * bounds.maxY + m)});
}

void TMoveobjtool::RightMouseDown(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                                  int32 Y) {
  KeepFrame();
  RecordMoveUndo();
  keysRecorded_ = false;
  RotateSelection(dc, client, X, Y);
}

void TMoveobjtool::KeyDown(plat::DeviceContext& dc, const plat::Rect& client, int32 key,
                           plat::Point& cursor, int32 mode) {
  // One key moves the selection by a pixel's worth of drawing units, and
  // never less than one logical unit when the view is zoomed in.
  const int32 stepPixels =
      ZoomFactor >= 5.0f ? 1 : std::max(1, static_cast<int32>(PixelScale / ZoomFactor));
  const int32 units =
      std::max<int32>(1, static_cast<int32>(std::lround(stepPixels * ZoomFactor))) * PixelScale;
  KeepFrame();
  int32 dx = 0, dy = 0;
  switch (key) {
    case plat::VK_RIGHT: dx = units; break;
    case plat::VK_LEFT: dx = -units; break;
    case plat::VK_UP: dy = units; break;
    case plat::VK_DOWN: dy = -units; break;
    case plat::VK_ADD:
    case plat::VK_SUBTRACT: {
      const int32 by = mode == addmode::Designed ? frameangle::QuarterTurn : frameangle::KeyTurn;
      Angle = key == plat::VK_ADD ? by : -by;
      RecordKeyUndo();
      RotateSelection(dc, client, cursor.x, cursor.y);
      return;
    }
    default: return;
  }
  RecordKeyUndo();
  int32 px = 0, py = 0;
  WorldToDevice(dc, client, ClampToInt32(1LL * PivotX + dx) / PixelScale,
                ClampToInt32(1LL * PivotY + dy) / PixelScale, px, py);
  cursor = {px, py};
  MoveSelectionTo(dc, client, px, py);
}

// ---- Appended elements ----------------------------------------------------------------------

void TMoveobjtool::ElementsAdded(plat::DeviceContext&, const plat::Rect&, int32 firstIndex,
                                 int32 mode) {
  if (mode == addmode::Turnable) {
    const int32 n = DrawingList.Count();
    auto* outline = n > 0 ? dynamic_cast<TPolyobj*>(DrawingList.At(n - 1)) : nullptr;
    if (!outline || outline->Kind != kPlacingOutline || outline->PointCount < 1) return;
    PivotX = outline->PointX[0];
    PivotY = outline->PointY[0];
    List({{n - 1, PivotX, PivotY}});
    Active = 0;
    Angle = frameangle::Taken;
    RotationAngle = 0;
    return;
  }
  if (mode != addmode::Paste && mode != addmode::Designed) return;
  cfg::Reader r(ProgramFile(cfgfile::LibraryExtents));
  int32 left = 0, right = 0, top = 0, bottom = 0;
  r.Int(left);
  r.Int(right);
  r.Int(top);
  r.Int(bottom);
  const int32 m = kAddedFrameMargin * PixelScale;
  SetFrame({ClampToInt32(1LL * left - m), ClampToInt32(1LL * right + m),
            ClampToInt32(1LL * bottom - m), ClampToInt32(1LL * top + m)});
  KeepFrame();
  PivotX = ClampToInt32(1LL * X2 - (1LL * X2 - X1) / 2);
  PivotY = ClampToInt32(1LL * Y1 - (1LL * Y1 - Y2) / 2);
  const int32 ox = mode == addmode::Designed ? PivotX : 0;
  const int32 oy = mode == addmode::Designed ? PivotY : 0;
  std::vector<selection::Entry> listed;
  for (int32 i = std::max(firstIndex, 0); i < DrawingList.Count(); ++i)
    listed.push_back({i, ox, oy});
  List(listed);
  // The caller recorded the undo step before appending them.
  placingAppended_ = true;
  keysRecorded_ = false;
  RotationAngle = 0;
}

// ---- Final operations ----------------------------------------------------------------------

void TMoveobjtool::ApplyToRegion(plat::DeviceContext&, const plat::Rect&, int32, int32) {}

void TCopyobjtool::ApplyToRegion(plat::DeviceContext&, const plat::Rect&, int32, int32) {
  // A library item being framed is offered to the library by the window;
  // a frame that took nothing leaves the paste buffer as it was.
  if (AddToLibraryFlag() == 1 || TakenCount == 0) return;
  const std::vector<selection::Entry> listed = Listed();
  if (listed.empty()) return;
  WritePasteBuffer(DrawingList, listed);
  AnchorX = listed.back().x;
  AnchorY = listed.back().y;
}

void TEraseobjtool::ApplyToRegion(plat::DeviceContext&, const plat::Rect&, int32, int32) {
  Step = framestep::Erased;
  // A list that names any element other than those framed was not made for
  // this drawing as it stands: nothing of it is erased.
  const std::vector<selection::Entry> listed = Listed();
  if (listed.empty() || TakenCount == 0) return;
  DrawingList.UpdateUndoHistory(uoRecord, CurrentView);
  for (const selection::Entry& s : listed) {
    TObj& e = *DrawingList.At(s.index);
    if (e.Kind != kind::ExtWall && !kind::IsInfoKind(e.Kind)) e.LinkId = kind::DeleteMark;
  }
  // The remaining elements keep their order.
  std::vector<TObj*> kept;
  kept.reserve(static_cast<std::size_t>(DrawingList.Count()));
  for (int32 i = 0; i < DrawingList.Count(); ++i) {
    TObj* e = std::exchange(DrawingList.At(i), nullptr);
    if (e->LinkId == kind::DeleteMark)
      delete e;
    else
      kept.push_back(e);
  }
  DrawingList.Clear();
  for (TObj* e : kept) DrawingList.Add(e);
  MarkDrawingChanged();
  // The erased elements' indices mean nothing now.
  selection::WriteTempCfg(0);
  named_.clear();
  // The view's own file: the group file in the group view.
  DrawingList.WriteDrawingFile(dtDrawing);
  DrawingList.ReadDrawingFile(dtDrawing);
}
