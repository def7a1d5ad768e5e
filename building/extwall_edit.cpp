// Editing a picked external wall. The walls meeting it at its ends get free
// ends where it moved away and are mitred again where it still meets them;
// the partitions and finished rooms meeting its inner face follow the face.
#include "building/extwall_edit.h"

#include <algorithm>
#include <cmath>

#include "building/base_resize.h"
#include "building/extwall_tool.h"
#include "building/face_follow.h"
#include "building/inwall_geometry.h"
#include "building/wall_corner.h"
#include "building/wall_edit_common.h"
#include "building/wall_query.h"
#include "platform/ui.h"

namespace extwalledit {

const char* const kNotExternal = "this function only works on EXTERNAL walls";

namespace {

constexpr const char* kTooShort =
    "The wall is not that long - it can be shortened by less than its length only";
constexpr const char* kTypeNeedsBothEnds =
    "The wall type can only be changed on a wall joined to walls at both of its ends - nothing "
    "was changed";
constexpr const char* kTypeNeedsSquareWalls =
    "The wall type can only be changed where this wall and the walls at both of its ends are "
    "horizontal or vertical - nothing was changed";
constexpr const char* kSplitTooNearAnEnd =
    "The wall cannot be split there - both parts must be at least as long as the wall is thick";

bool Square(int32 a) { return bearing::IsOrthogonal(a) || a == bearing::FullTurn; }

const TExtwallobj* ExtWallAt(const TFlist& list, int32 i) {
  if (i < 6 || i >= list.Count()) return nullptr;
  auto* w = dynamic_cast<const TExtwallobj*>(list.At(i));
  return w && w->Kind == kind::ExtWall && w->Floor == CurrentView ? w : nullptr;
}

}  // namespace

plat::Point SplitPoint(const TExtwallobj& w, plat::Point p) {
  const int32 tol = 10 * PixelScale;
  if (std::abs(w.X1 - w.X2) < tol) return {w.X1, p.y};
  if (std::abs(w.Y1 - w.Y2) < tol) return {p.x, w.Y1};
  const double dx = double(w.X2) - w.X1, dy = double(w.Y2) - w.Y1;
  const double u = ((double(p.x) - w.X1) * dx + (double(p.y) - w.Y1) * dy) / (dx * dx + dy * dy);
  return {int32(std::lround(w.X1 + u * dx)), int32(std::lround(w.Y1 + u * dy))};
}

std::string Refusal(const TFlist& list, int32 i, int32 step, plat::Point p, int32 amount) {
  const TExtwallobj* w = ExtWallAt(list, i);
  if (!w) return kNotExternal;
  const plat::Point a{w->X1, w->Y1}, b{w->X2, w->Y2};
  switch (step) {
    case toolstep::Shorten:
    case toolstep::Extend: {
      WallEnd which;
      if (!walledit::PickedEnd(a, b, p, which)) return walledit::kPickedAwayFromEnds;
      if (step == toolstep::Shorten && amount >= bearing::Length(a, b)) return kTooShort;
      return {};
    }
    case toolstep::WallType: {
      int32 before = 0, after = 0;
      FindWallNeighbours(list, i, before, after);
      if (before == TFlist::kNothingFound || after == TFlist::kNothingFound)
        return kTypeNeedsBothEnds;
      const auto* bw = static_cast<const TExtwallobj*>(list.At(before));
      const auto* aw = static_cast<const TExtwallobj*>(list.At(after));
      if (!Square(w->Angle) || !Square(bw->Angle) || !Square(aw->Angle))
        return kTypeNeedsSquareWalls;
      return {};
    }
    case toolstep::Split: {
      const plat::Point s = SplitPoint(*w, p);
      const long long len = bearing::Length(a, b);
      const long long first = bearing::Length(a, s), second = bearing::Length(s, b);
      const long long least = std::max(1, w->Thickness1 + w->CavityWidth + w->Thickness2);
      // Strictly inside the wall: the two parts add up to the whole.
      if (first + second > len + 1 || first < least || second < least) return kSplitTooNearAnEnd;
      return {};
    }
    default: return {};
  }
}

}  // namespace extwalledit

namespace {

constexpr int32 kNone = TFlist::kNothingFound;

TExtwallobj* Ext(int32 i) {
  if (i == kNone || i < 0 || i >= DrawingList.Count()) return nullptr;
  return dynamic_cast<TExtwallobj*>(DrawingList.At(i));
}

// The rectangle of a wall from its start to its innermost end point:
// smallest x, largest x, largest y, smallest y.
void FrameOf(int32& x1, int32& x2, int32& y1, int32& y2, const TExtwallobj& w) {
  const plat::Point inner = w.CavityWidth > 0 ? plat::Point{w.Line4X2, w.Line4Y2}
                                              : plat::Point{w.Line2X2, w.Line2Y2};
  x1 = std::min(w.X1, inner.x);
  x2 = std::max(w.X1, inner.x);
  y1 = std::max(w.Y1, inner.y);
  y2 = std::min(w.Y1, inner.y);
}

void Free(int32 i, WallEnd end) {
  TExtwallobj* w = Ext(i);
  if (!w) return;
  WallDraft d = DraftOf(*w);
  SetFreeEnd(d, end);
  StoreDraft(*w, d);
}

void Join(int32 arriving, int32 leaving) {
  TExtwallobj* a = Ext(arriving);
  TExtwallobj* b = Ext(leaving);
  if (!a || !b) return;
  WallDraft da = DraftOf(*a), db = DraftOf(*b);
  JoinExtCorner(da, db);
  StoreDraft(*a, da);
  StoreDraft(*b, db);
}

}  // namespace

void TExtwallobjtool::Execute(int32 a, int32 b, int32 c) {
  if (Step == extwallstep::Expand || Step == extwallstep::Shrink) {
    ResizeBase(*this, a, {b, c});
    return;
  }
  if (Step < 2 || Step > 999) return;
  EditWall(a, {b, c});
  DrawingList.WriteDrawingFile(dtDrawing);
}

void TExtwallobjtool::EditWall(int32 a, plat::Point p) {
  const int32 self = Direction;
  TExtwallobj* w = Ext(self);
  const bool edits = Step == toolstep::Shorten || Step == toolstep::Extend ||
                     Step == toolstep::Split || Step == toolstep::WallType ||
                     Step == toolstep::Delete;
  if (!w || !edits) return;
  const int32 amount = Step == toolstep::WallType ? 0 : a;
  const std::string why = extwalledit::Refusal(DrawingList, self, Step, p, amount);
  if (!why.empty()) {
    plat::ErrorBox(why, plat::mbCancel);
    return;
  }
  int32 before = kNone, after = kNone;
  FindWallNeighbours(DrawingList, self, before, after);
  // The window repaints the wall as it was (Frame) and as it is (the tool's
  // rectangle).
  FrameOf(Frame[0], Frame[1], Frame[2], Frame[3], *w);
  X1 = Frame[0], X2 = Frame[1], Y1 = Frame[2], Y2 = Frame[3];
  // What meets the wall's inner face follows it where the edit moves it.
  const facefollow::Meeting meeting = facefollow::WhatMeets(DrawingList, InnerFace(*w), self);

  switch (Step) {
    case toolstep::Shorten:
    case toolstep::Extend: {
      WallEnd end;
      walledit::PickedEnd({w->X1, w->Y1}, {w->X2, w->Y2}, p, end);
      const int32 d = Step == toolstep::Extend ? a : -a;
      WallDraft dr = DraftOf(*w);
      if (end == WallEnd::Start)
        dr.start = inwallgeo::MovedEnd(dr.start, dr.end, d);
      else
        dr.end = inwallgeo::MovedEnd(dr.end, dr.start, d);
      dr.length = bearing::Length(dr.start, dr.end);
      SetFreeEnd(dr, end);
      StoreDraft(*w, dr);
      // The wall that met the moved end is left with a free end; a wall
      // the lengthened end reaches now is joined to it.
      if (end == WallEnd::Start) Free(before, WallEnd::End);
      if (end == WallEnd::End) Free(after, WallEnd::Start);
      if (Step == toolstep::Extend) {
        int32 b2 = kNone, a2 = kNone;
        FindWallNeighbours(DrawingList, self, b2, a2);
        if (end == WallEnd::Start && b2 != kNone) Join(b2, self);
        if (end == WallEnd::End && a2 != kNone) Join(self, a2);
      }
      break;
    }
    case toolstep::WallType: {
      // Condition checked above: both neighbours there, all of them square.
      Free(before, WallEnd::End);
      Free(after, WallEnd::Start);
      w->Thickness1 = a;
      w->CavityWidth = p.x;
      w->Thickness2 = p.y;
      Join(before, self);
      Join(self, after);
      break;
    }
    case toolstep::Split: {
      const plat::Point s = extwalledit::SplitPoint(*w, p);
      WallDraft first = DraftOf(*w), second = first;
      first.end = s;
      SetFreeEnd(first, WallEnd::End);
      first.length = bearing::Length(first.start, s);
      second.start = s;
      SetFreeEnd(second, WallEnd::Start);
      second.length = bearing::Length(s, second.end);
      for (int32& v : second.closing) v = 1;
      second.linkId = NewGroupId();
      StoreDraft(*w, first);
      DrawingList.Add(MakeWall(second));
      break;
    }
    case toolstep::Delete: {
      Free(before, WallEnd::End);
      Free(after, WallEnd::Start);
      LinkId = w->LinkId;
      walledit::DeleteWallWithGroup(DrawingList, self);
      Direction = kNone;
      DrawingList.WriteDrawingFile(dtDrawing);
      DrawingList.Clear();
      DrawingList.ReadDrawingFile(dtDrawing);
      MarkDrawingChanged();
      return;
    }
    default: break;
  }
  if (TExtwallobj* now = Ext(self)) {
    facefollow::BringTo(DrawingList, meeting, InnerFace(*now));
    FrameOf(X1, X2, Y1, Y2, *now);
  }
  MarkDrawingChanged();
}
