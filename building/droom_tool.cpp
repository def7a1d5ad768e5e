#include "building/droom_tool.h"

#include <algorithm>
#include <string>

#include "building/droom_lock.h"
#include "building/droom_settings.h"
#include "model/flist.h"
#include "model/group_ids.h"
#include "model/view_mapping.h"
#include "platform/dc.h"
#include "platform/dc_scope.h"
#include "platform/keys.h"
#include "platform/ui.h"
#include "tools/tool_drawing.h"

using droom::Box;
using droom::Shape;

namespace {

// The previous frame when nothing was drawn yet.
constexpr Box kNoFrame{300000, 0, 0, 300000};

Box BoxOf(const TObj& e) { return {e.X1, e.Y1, e.X2, e.Y2}; }
void SetBox(TObj& e, const Box& b) {
  e.X1 = b.left;
  e.Y1 = b.top;
  e.X2 = b.right;
  e.Y2 = b.bottom;
}
Shape ShapeOf(const TRoomobj& r) { return {BoxOf(r), r.RoomWidth, r.RoomHeight}; }

// Copies a size text into a room's field and sets its length.
template <int Capacity>
void PutText(char (&field)[Capacity], int32& length, const std::string& text) {
  length = CopyBoundedText(field, Capacity, text.c_str());
}

bool ArrowSide(int32 key, droom::Side& side) {
  switch (key) {
    case plat::VK_LEFT: side = droom::Side::Left; return true;
    case plat::VK_UP: side = droom::Side::Up; return true;
    case plat::VK_RIGHT: side = droom::Side::Right; return true;
    case plat::VK_DOWN: side = droom::Side::Down; return true;
    default: return false;
  }
}

bool KeyEditOfStep(int32 step, droom::KeyEdit& edit) {
  switch (step) {
    case roomstep::Enlarge: edit = droom::KeyEdit::Enlarge; return true;
    case roomstep::Shrink: edit = droom::KeyEdit::Shrink; return true;
    case roomstep::MoveByDistance: edit = droom::KeyEdit::MoveBy; return true;
    case roomstep::Nudge: edit = droom::KeyEdit::Nudge; return true;
    default: return false;
  }
}

void WriteLive() { DrawingList.WriteDrawingFile(dtDrawing); }

void Reload() {
  DrawingList.WriteDrawingFile(dtDrawing);
  DrawingList.Clear();
  DrawingList.ReadDrawingFile(dtDrawing);
}

}  // namespace

// ---- State ----------------------------------------------------------------------------

bool TDRoomobjtool::UnlockMode() const {
  return Type == tooltype::DesignRoom2 && Step == roomstep::Unlock;
}

void TDRoomobjtool::SetRectangle(const Box& b) {
  X1 = b.left;
  Y1 = b.top;
  X2 = b.right;
  Y2 = b.bottom;
}

void TDRoomobjtool::SetPreviousFrame(const Box& b) {
  Frame[0] = b.left;
  Frame[1] = b.right;
  Frame[2] = b.top;
  Frame[3] = b.bottom;
}

void TDRoomobjtool::NoPreviousFrame() { SetPreviousFrame(kNoFrame); }

void TDRoomobjtool::RecordUndo() { DrawingList.UpdateUndoHistory(uoRecord, CurrentView); }

TRoomobj* TDRoomobjtool::SelectedRoom() {
  if (SelectedIndex < 0 || SelectedIndex >= kNothingPicked) return nullptr;
  auto match = [this](int32 i) -> TRoomobj* {
    TObj* e = DrawingList.At(i);
    if (!e || e->Floor != CurrentView || !kind::IsRoomKind(e->Kind) || e->Tag1 != SelectedId)
      return nullptr;
    return dynamic_cast<TRoomobj*>(e);
  };
  if (SelectedIndex < DrawingList.Count())
    if (TRoomobj* r = match(SelectedIndex)) return r;
  for (int32 i = 0; i < DrawingList.Count(); ++i) {
    if (TRoomobj* r = match(i)) {
      SelectedIndex = i;
      return r;
    }
  }
  SelectedIndex = kNothingPicked;
  return nullptr;
}

// ---- Selecting -------------------------------------------------------------------------

bool TDRoomobjtool::SelectRoomAt(plat::Point p) {
  WallSize = droom::RoomWallSize(CurrentView);
  SelectedIndex = kNothingPicked;
  LastPointer = p;
  const bool unlock = UnlockMode();
  for (int32 i = 0; i < DrawingList.Count(); ++i) {
    TObj* e = DrawingList.At(i);
    if (e->Floor != CurrentView) continue;
    if (unlock ? e->Kind != kind::LockedRoom : !kind::IsDesignRoomKind(e->Kind)) continue;
    auto* room = dynamic_cast<TRoomobj*>(e);
    if (!room || !droom::StrictlyContains(BoxOf(*room), p.x, p.y)) continue;
    SelectedIndex = i;
    SelectedId = room->Tag1;
    if (unlock) Direction = i;
    const Shape shape = ShapeOf(*room);
    SetRectangle(shape.box);
    RoomWidth = shape.width;
    RoomHeight = shape.height;
    SetPreviousFrame(droom::Grown(shape.box, WallSize + 1));
    if (Step < roomstep::Dragging) {
      Step = droom::GrabStep(shape, p.x, p.y, PixelScale);
      DragFlag = 1;
    }
    return true;
  }
  Y2 = kNothingPicked;
  return false;
}

// ---- Mouse -------------------------------------------------------------------------------

void TDRoomobjtool::MouseDown(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                              int32 Y) {
  Remember(client);
  const plat::Point p = ClickToDrawing(dc, client, X, Y);
  if (UnlockMode()) {
    PressUnlock(p);
    return;
  }
  switch (Step) {
    case roomstep::Enlarge:
    case roomstep::Shrink:
      // The arrow keys follow (the plan window hands them to KeyDown).
      if (SelectRoomAt(p)) State = toolstate::Constructing;
      return;
    case roomstep::ChooseToMove:
      if (SelectRoomAt(p)) {
        State = toolstate::Constructing;
        Step = roomstep::MoveByDistance;
      }
      return;
    case roomstep::Rotate:
      if (!SelectRoomAt(p)) return;
      RecordUndo();
      RotateRoom();
      return;
    case roomstep::Delete:
      if (!SelectRoomAt(p)) return;
      RecordUndo();
      DeleteRoom();
      return;
    case roomstep::FreeSpace:
      FindFreeSpace(dc, client, X, Y);
      return;
    default:
      // A click selects the room to drag; the release commits the move.
      if (Step < roomstep::Dragging) SelectRoomAt(p);
      return;
  }
}

void TDRoomobjtool::PressUnlock(plat::Point p) {
  if (!SelectRoomAt(p)) return;
  RecordUndo();
  Command(SelectedIndex);
  Step = roomstep::Dragging;
}

void TDRoomobjtool::RightMouseDown(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                                   int32 Y) {
  Remember(client);
  const plat::Point p = ClickToDrawing(dc, client, X, Y);
  if (Step < roomstep::Dragging) {
    SelectRoomAt(p);
  } else if (Step == roomstep::ChooseToMove && SelectRoomAt(p)) {
    Step = roomstep::Nudge;
    State = toolstate::Constructing;
  }
}

void TDRoomobjtool::MouseMove(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                              int32 Y) {
  Remember(client);
  if (DragFlag != 1 || !SelectedRoom()) return;
  DragTo(dc, client, X, Y, ClickToDrawing(dc, client, X, Y));
}

// The outline follows the pointer inside the window; the room's own picture
// is painted over when the drag starts. Outside the window the outline is
// taken away and, for a drag that began there, keeps following. The
// rectangle always moves by the whole way from the press, so a room lands
// exactly where it was dropped.
void TDRoomobjtool::DragTo(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y,
                           plat::Point p) {
  auto follow = [&] {
    X1 += p.x - LastPointer.x;
    X2 += p.x - LastPointer.x;
    Y1 += p.y - LastPointer.y;
    Y2 += p.y - LastPointer.y;
    LastPointer = p;
  };
  const bool inside = X > client.left && X < client.right && Y > client.top && Y < client.bottom;
  if (inside) {
    if (DragPhase == dragphase::NotStarted)
      DrawPreview(dc, 0);
    else if (outlineShown_)
      DrawPreview(dc, 1);
    follow();
    DrawPreview(dc, 1);
    DragPhase = dragphase::Following;
    return;
  }
  DrawPreview(dc, 0);
  if (DragPhase == dragphase::NotStarted) {
    DragPhase = dragphase::StartedOutside;
  } else if (DragPhase == dragphase::StartedOutside) {
    follow();
    DrawPreview(dc, 1);
  }
}

void TDRoomobjtool::DrawPreview(plat::DeviceContext& dc, int32 mode) {
  if (!SelectedRoom() || Y2 == kNothingPicked) return;
  SetViewMapping(dc, client_);
  const int32 l = X1 / PixelScale, t = Y1 / PixelScale;
  const int32 r = X2 / PixelScale, b = Y2 / PixelScale;
  auto sides = [&] {
    dc.MoveTo(l, t);
    dc.LineTo(r, t);
    dc.LineTo(r, b);
    dc.LineTo(l, b);
    dc.LineTo(l, t);
  };
  if (mode == 1) {
    ScopedXorPen pen(dc, kRopNotXorPen, plat::Pen{plat::PS_DOT, 1, DrawingColour});
    sides();
    outlineShown_ = !outlineShown_;
    return;
  }
  if (mode != 0) return;
  dc.SetROP2(plat::R2_COPYPEN);
  plat::ScopedPen pen(dc, plat::Pen{plat::PS_SOLID, 1, BackgroundColour});
  plat::ScopedBrush brush(dc, plat::SolidBrush(BackgroundColour));
  sides();
  const int32 e = static_cast<float>(ZoomUnits) == ZoomFactor ? ZoomUnits
                                                               : static_cast<int32>(ZoomFactor);
  dc.Rectangle(l, t, r + e, b - e);
  outlineShown_ = false;
}

// Keeps the box a drag or a snap left the room with; the undo step holds
// the room where it stood before. A room that did not move records nothing.
void TDRoomobjtool::KeepMove(const Box& before) {
  TRoomobj* room = SelectedRoom();
  if (!room) return;
  const Box after = BoxOf(*room);
  if (after == before) return;
  SetBox(*room, before);
  RecordUndo();
  SetBox(*room, after);
  WriteLive();
  MarkDrawingChanged();
}

void TDRoomobjtool::MouseUp(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                            int32 Y) {
  EndDrag(dc, client, X, Y, false);
}

void TDRoomobjtool::RightMouseUp(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                                 int32 Y) {
  EndDrag(dc, client, X, Y, true);
}

// Dropping a dragged room: the left button merges it with its neighbours,
// the right one lines it up with the other rooms.
void TDRoomobjtool::EndDrag(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y,
                            bool align) {
  Remember(client);
  TRoomobj* room = SelectedRoom();
  const bool dragged = DragFlag == 1;
  DragPhase = dragphase::NotStarted;
  DragFlag = 0;
  if (!room) return;
  const Box before = BoxOf(*room);
  if (dragged) SetBox(*room, {X1, Y1, X2, Y2});
  if (Step == roomstep::Dragging) {
    Step = roomstep::Idle;
    if (align) {
      AlignToRooms(dc, client, X, Y);
    } else {
      MergeRoom(dc, client, X, Y);
      room = SelectedRoom();
      if (room && Type == tooltype::DesignRoom2) SetRectangle(BoxOf(*room));
    }
  }
  KeepMove(before);
}

// ---- Keys ---------------------------------------------------------------------------------

void TDRoomobjtool::KeyDown(plat::DeviceContext&, const plat::Rect& client, int32 key,
                            plat::Point&, int32 amount) {
  Remember(client);
  droom::Side side;
  droom::KeyEdit edit;
  if (!ArrowSide(key, side) || !KeyEditOfStep(Step, edit)) return;
  TRoomobj* room = SelectedRoom();
  if (!room) return;
  WallSize = droom::RoomWallSize(CurrentView);
  const Shape before = ShapeOf(*room);
  const droom::KeyResult r =
      droom::ApplyArrow(before, edit, side, amount, droom::NudgeStep(MetricUnits),
                        droom::MinRoomSide(MetricUnits));
  if (Step == roomstep::MoveByDistance) Step = roomstep::Idle;
  if (!r.changed) {
    if (edit == droom::KeyEdit::Shrink)
      plat::InfoBox("a room cannot be made smaller than " +
                    droom::SizeText(droom::MinRoomSide(MetricUnits), MetricUnits));
    return;
  }
  SetPreviousFrame(droom::Grown(before.box, WallSize + 1));
  RecordUndo();
  SetBox(*room, r.shape.box);
  room->RoomWidth = r.shape.width;
  room->RoomHeight = r.shape.height;
  RoomWidth = r.shape.width;
  RoomHeight = r.shape.height;
  if (r.sizeText != 0) UpdateSizeText(r.sizeText);
  SetRectangle(r.shape.box);
  MarkDrawingChanged();
}

void TDRoomobjtool::UpdateSizeText(int32 which) {
  TRoomobj* room = SelectedRoom();
  if (!room) return;
  if (which == 1)
    PutText(room->HeightText, room->HeightTextLength,
            droom::SizeText(room->RoomHeight, MetricUnits));
  else if (which == 2)
    PutText(room->WidthText, room->WidthTextLength,
            droom::SizeText(room->RoomWidth, MetricUnits));
}

// ---- Turning, deleting, unlocking ------------------------------------------------------------

void TDRoomobjtool::RotateRoom() {
  TRoomobj* room = SelectedRoom();
  if (!room) return;
  const Shape turned = droom::Turned(ShapeOf(*room));
  SetBox(*room, turned.box);
  room->RoomWidth = turned.width;
  room->RoomHeight = turned.height;
  RoomWidth = turned.width;
  RoomHeight = turned.height;
  UpdateSizeText(2);
  UpdateSizeText(1);
  SetRectangle(turned.box);
  MarkDrawingChanged();
}

void TDRoomobjtool::DeleteRoom() {
  TRoomobj* room = SelectedRoom();
  if (!room) return;
  SetRectangle(BoxOf(*room));
  DrawingList.RemoveAt(SelectedIndex);
  SelectedIndex = kNothingPicked;
  Reload();
  MarkDrawingChanged();
}

void TDRoomobjtool::Command(int32 index) {
  if (index < 0 || index >= kNothingPicked || index >= DrawingList.Count()) return;
  TObj* e = DrawingList.At(index);
  const int32 group = e->Tag1;
  LinkId = group;
  NoPreviousFrame();
  if (e->Kind == kind::LockedRoom && e->Floor == CurrentView) {
    e->Kind = kind::Room29001;
    SetRectangle(BoxOf(*e));
    SetPreviousFrame(BoxOf(*e));
    // What locking made for this room: its walls, texts and dimensions on
    // this floor. Another element that merely carries the same number (a
    // wall whose length it is) stays.
    for (int32 i = DrawingList.Count() - 1; i >= 0; --i) {
      const TObj* o = DrawingList.At(i);
      if (o != e && o->Floor == CurrentView && droom::MadeByLocking(*o, group))
        DrawingList.RemoveAt(i);
    }
    MarkDrawingChanged();
  }
  Reload();
  Step = roomstep::Idle;
  WallSize = droom::RoomWallSize(CurrentView);
}

// ---- New rooms ------------------------------------------------------------------------------

int32 TDRoomobjtool::NewRoomId() const {
  // A room's texts take the three ids after its own when it is locked, so
  // a new id keeps four clear of every id in use and of every other room's.
  constexpr int32 kIdsPerRoom = 4;
  const int32 base = droom::FloorIdBase(CurrentView);
  auto inUse = [&](int32 id) {
    for (int32 i = 6; i < DrawingList.Count(); ++i) {
      const TObj* e = DrawingList.At(i);
      for (int32 v : {e->LinkId, e->Tag1})
        if (v >= id && v < id + kIdsPerRoom) return true;
      if (kind::IsRoomKind(e->Kind) && e->Tag1 > id - kIdsPerRoom && e->Tag1 < id) return true;
    }
    return false;
  };
  int32 n = GroupNumberAfter(NextGroupNumber);
  while (n < kLastGroupNumber && inUse(base + n)) ++n;
  NextGroupNumber = n;
  return base + n;
}

void TDRoomobjtool::AddRoom(const Box& box, int32 width, int32 height) {
  const droom::NewRoomChoice choice = droom::ReadNewRoomChoice();
  const plat::COLORREF fill = droom::RoomFill(choice.colour);
  const int32 id = NewRoomId();
  LinkId = id;
  const std::string& name = DrawingList.NewRoomName;
  const std::string w = droom::SizeText(width, MetricUnits);
  const std::string h = droom::SizeText(height, MetricUnits);
  DrawingList.Add(new TRoomobj(kind::Room, CurrentView, id, id, box.left, box.top, box.right,
                               box.bottom, width, height, choice.dimension, fill, TextSize,
                               int32(name.size()), int32(w.size()), int32(h.size()), name.c_str(),
                               w.c_str(), h.c_str()));
  WriteLive();
  MarkDrawingChanged();
}

void TDRoomobjtool::Execute(int32 a, int32 b, int32) {
  Type = tooltype::DesignRoom;
  RoomWidth = a;
  RoomHeight = b;
  const LogicalBox sheet = VisibleSheet();
  const Box box = droom::NewRoomBox(a, b, sheet.left, sheet.bottom, PixelScale);
  SetPreviousFrame(box);
  SetRectangle(box);
  WallSize = droom::RoomWallSize(CurrentView);
  SelectedIndex = kNothingPicked;
  AddRoom(box, a, b);
}

void TDRoomobjtool::AddElement(plat::DeviceContext&, const plat::Rect& client) {
  Remember(client);
  if (Y2 == kNothingPicked || X2 <= X1 || Y1 <= Y2) return;
  AddRoom({X1, Y1, X2, Y2}, X2 - X1, Y1 - Y2);
}
