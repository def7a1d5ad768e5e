// Shortening, lengthening and deleting a picked internal wall. The walls
// joined to a moved or deleted end get free ends again (a wall joined
// across it square ends); a lengthened end
// that reaches another partition's end or a wall face is joined to it; the
// wall's stop end at a moved end moves with it.
#include "building/inwall_edit.h"

#include <algorithm>

#include "building/droom_lock.h"
#include "building/inwall_join.h"
#include "building/inwall_tool.h"
#include "building/wall_edit_common.h"
#include "platform/ui.h"

namespace inwalledit {

const char* const kNotInternal = "this function only works on INTERNAL walls";
const char* const kNotStraight = "No valid horizontal or vertical (on screen)line or wall object selected ";

namespace {

constexpr const char* kTooShort =
    "The wall is not that long - it can be shortened by less than its length only";

}  // namespace

std::string Refusal(const TFlist& list, int32 i, int32 step, plat::Point p, int32 amount) {
  if (i < 6 || i >= list.Count()) return kNotInternal;
  const auto* w = dynamic_cast<const TInwallobj*>(list.At(i));
  if (!w || w->Kind != kind::InWall || w->Floor != CurrentView) return kNotInternal;
  if (step == toolstep::MoveInWall) return (w->X1 == w->X2 || w->Y1 == w->Y2) ? "" : kNotStraight;
  if (step == toolstep::Shorten || step == toolstep::Extend) {
    WallEnd which;
    if (!walledit::PickedEnd({w->X1, w->Y1}, {w->X2, w->Y2}, p, which))
      return walledit::kPickedAwayFromEnds;
    if (step == toolstep::Shorten && amount >= bearing::Length({w->X1, w->Y1}, {w->X2, w->Y2}))
      return kTooShort;
  }
  return {};
}

}  // namespace inwalledit

namespace {

constexpr int32 kNone = TFlist::kNothingFound;

// A wall's first line as a frame: smallest x, largest x, largest y, smallest y.
void SetFrame(int32& x1, int32& x2, int32& y1, int32& y2, const TObj& w) {
  x1 = std::min(w.X1, w.X2);
  x2 = std::max(w.X1, w.X2);
  y1 = std::max(w.Y1, w.Y2);
  y2 = std::min(w.Y1, w.Y2);
}

TInwallobj* InwallAt(int32 i) {
  if (i == kNone || i < 0 || i >= DrawingList.Count()) return nullptr;
  auto* w = dynamic_cast<TInwallobj*>(DrawingList.At(i));
  return w && w->Kind == kind::InWall ? w : nullptr;
}

// The neighbour's end at a broken joint goes back to a plain offset.
void FreeEnd(TInwallobj& w, WallEnd end) {
  if (end == WallEnd::Start) {
    const plat::Point q = inwallgeo::SecondLinePoint({w.X1, w.Y1}, w.Angle, w.Thickness);
    w.Line2X1 = q.x;
    w.Line2Y1 = q.y;
  } else {
    const plat::Point q = inwallgeo::SecondLinePoint({w.X2, w.Y2}, w.Angle, w.Thickness);
    w.Line2X2 = q.x;
    w.Line2Y2 = q.y;
  }
}

// A wall joined across at this end: its first line comes back level with
// its second line, square across the wall.
void SquareEnd(TInwallobj& w, WallEnd end) {
  const bool level = w.Y1 == w.Y2;
  if (end == WallEnd::Start)
    (level ? w.X1 : w.Y1) = level ? w.Line2X1 : w.Line2Y1;
  else
    (level ? w.X2 : w.Y2) = level ? w.Line2X2 : w.Line2Y2;
  w.Tag1 = bearing::Length({w.X1, w.Y1}, {w.X2, w.Y2});
}

// The wall joined across the end, freed; done before the end changes.
struct CarriedJoin {
  int32 wall = kNone;
  WallEnd end = WallEnd::Start;
  void Find(int32 self, WallEnd at) {
    wall = inwalljoin::FindCarriedJoin(DrawingList, self, at, end);
  }
  void Free() const {
    if (TInwallobj* w = InwallAt(wall)) SquareEnd(*w, end);
  }
};

// A lengthened end that now meets another partition's end is joined to it.
void JoinMovedEnd(int32 self, InwallDraft& d, WallEnd end) {
  for (int32 i = 6; i < DrawingList.Count(); ++i) {
    if (i == self) continue;
    TInwallobj* w = InwallAt(i);
    if (!w || w->Floor != CurrentView) continue;
    const bool atStart = end == WallEnd::Start;
    if (atStart && w->X2 == d.start.x && w->Y2 == d.start.y) {
      if (inwallgeo::IsSquare(d.bearing) && inwallgeo::IsSquare(w->Angle)) {
        inwalljoin::JoinSquareCorner(d, *w, inwalljoin::joint::StartOnEnd);
      } else {
        inwalljoin::JoinMitreCorner(d, *w, inwalljoin::joint::StartOnEnd);
        inwalljoin::JoinMitreCorner(d, *w, inwalljoin::joint::WallEnd);
      }
      return;
    }
    if (!atStart && w->X1 == d.end.x && w->Y1 == d.end.y) {
      if (inwallgeo::IsSquare(d.bearing) && inwallgeo::IsSquare(w->Angle)) {
        inwalljoin::JoinSquareCorner(d, *w, inwalljoin::joint::EndOnStart);
      } else {
        inwalljoin::JoinMitreCorner(d, *w, inwalljoin::joint::EndOnStart);
        inwalljoin::JoinMitreCorner(d, *w, inwalljoin::joint::WallStart);
      }
      return;
    }
  }
}

}  // namespace

void TInwallobjtool::Execute(int32 a, int32 b, int32 c) {
  if (Step == toolstep::LockRooms) {
    LockDesignRooms(*this, c);
    return;
  }
  if (Step == toolstep::MoveInWall) {
    MoveWall(b, a);
    DrawingList.WriteDrawingFile(dtDrawing);
    return;
  }
  if (Step < inwalledit::First || Step > inwalledit::Last) return;
  EditWall(a, c == 1);
  DrawingList.WriteDrawingFile(dtDrawing);
}

void TInwallobjtool::EditWall(int32 amount, bool repeat) {
  const int32 self = PickedIndex();
  TInwallobj* w = InwallAt(self);
  if (!w) return;
  const bool resize = Step == toolstep::Shorten || Step == toolstep::Extend;
  const std::string why = inwalledit::Refusal(DrawingList, self, Step, {X1, Y1}, amount);
  if (!why.empty() && (resize || Step == toolstep::Delete)) {
    plat::ErrorBox(why, plat::mbCancel);
    return;
  }
  int32 previous = kNone, next = kNone;
  inwalljoin::FindJoinedInternalWalls(DrawingList, self, previous, next);
  // The window repaints the frame as it was (Frame) and as it is (the
  // tool's rectangle).
  const plat::Point picked{X1, Y1};
  if (!repeat) SetFrame(Frame[0], Frame[1], Frame[2], Frame[3], *w);

  bool startMoved = false, endMoved = false;
  if (resize) {
    WallEnd end;
    walledit::PickedEnd({w->X1, w->Y1}, {w->X2, w->Y2}, picked, end);
    const int32 d = Step == toolstep::Extend ? amount : -amount;
    const int32 stop = inwalljoin::FindStopEnd(DrawingList, self, end);
    CarriedJoin across;
    across.Find(self, end);
    InwallDraft dr = InwallDraftOf(*w);
    if (end == WallEnd::Start) {
      dr.start = inwallgeo::MovedEnd(dr.start, dr.end, d);
      dr.secondStart = inwallgeo::SecondLinePoint(dr.start, dr.bearing, dr.thickness);
      startMoved = true;
    } else {
      dr.end = inwallgeo::MovedEnd(dr.end, dr.start, d);
      dr.secondEnd = inwallgeo::SecondLinePoint(dr.end, dr.bearing, dr.thickness);
      endMoved = true;
    }
    // The walls joined at the moved end are left with free ends.
    if (startMoved && InwallAt(previous)) FreeEnd(*InwallAt(previous), WallEnd::End);
    if (endMoved && InwallAt(next)) FreeEnd(*InwallAt(next), WallEnd::Start);
    across.Free();
    if (Step == toolstep::Extend) {
      JoinMovedEnd(self, dr, end);
      InwallDraft probe = dr;
      int32 dummy = 0;
      const inwalljoin::FaceMeet f =
          inwalljoin::MeetWallFaces(probe, DrawingList, DrawingList.Count(), dummy, self);
      if (end == WallEnd::Start && f.startWall != kNone) {
        dr.secondStart = probe.secondStart;
        dr.startMeet = probe.startMeet;
      } else if (end == WallEnd::End && f.endWall != kNone) {
        dr.secondEnd = probe.secondEnd;
        dr.endMeet = probe.endMeet;
      }
    }
    StoreLines(*w, dr);
    w->StartMeetAngle() = dr.startMeet;
    w->EndMeetAngle() = dr.endMeet;
    w->Tag1 = bearing::Length(dr.start, dr.end);
    if (TObj* s = stop != kNone ? DrawingList.At(stop) : nullptr) {
      const plat::Point a = end == WallEnd::Start ? dr.start : dr.secondEnd;
      const plat::Point b = end == WallEnd::Start ? dr.secondStart : dr.end;
      s->X1 = a.x, s->Y1 = a.y, s->X2 = b.x, s->Y2 = b.y;
    }
    SetFrame(X1, X2, Y1, Y2, *w);
    MarkDrawingChanged();
  }

  if (Step == toolstep::Delete) {
    SetFrame(X1, X2, Y1, Y2, *w);
    if (TInwallobj* p = InwallAt(previous)) FreeEnd(*p, WallEnd::End);
    if (TInwallobj* n = InwallAt(next)) FreeEnd(*n, WallEnd::Start);
    for (WallEnd at : {WallEnd::Start, WallEnd::End}) {
      CarriedJoin across;
      across.Find(self, at);
      across.Free();
    }
    walledit::DeleteWallWithGroup(DrawingList, self);
    PickedIndex() = kNone;
    DrawingList.WriteDrawingFile(dtDrawing);
    DrawingList.Clear();
    DrawingList.ReadDrawingFile(dtDrawing);
    MarkDrawingChanged();
    return;
  }
  if (!repeat && !resize) SetFrame(X1, X2, Y1, Y2, *w);
}
