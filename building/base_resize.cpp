#include "building/base_resize.h"

#include <algorithm>
#include <cstdlib>
#include <set>

#include "building/extwall_tool.h"
#include "building/room_size_text.h"
#include "model/element_shift.h"
#include "model/flist.h"
#include "platform/ui.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"
#include "tools/measure_text.h"

namespace {

// The extents file's values when a floor has no plan.
constexpr int32 kNoLeft = 200000;

constexpr const char* kNoPlan = "there is no plan on this floor";
constexpr const char* kTooNarrow = "the plan is not as wide as the amount to shrink";
constexpr const char* kTooLow = "the plan is not as deep as the amount to shrink";
constexpr const char* kNotInside =
    "the line is not between straight external walls on all four sides";

std::string FloorName(int32 v) {
  switch (v) {
    case view::Ground: return "ground floor";
    case view::First: return "first floor";
    case view::Second: return "second floor";
    case view::Third: return "third floor";
    case view::Basement: return "basement";
    case view::SubFloor: return "sub floor";
    default: return "floor";
  }
}

// The line through the point and the side that moves.
struct Cut {
  int32 side;
  int32 at;  // x of the line for sides right and left, y for up and down
  int32 d;   // the shift of everything beyond it
  bool Across() const { return side == baseside::Right || side == baseside::Left; }
  bool Beyond(int32 c) const {
    switch (side) {
      case baseside::Right: return c > at;
      case baseside::Left: return c < at;
      case baseside::Up: return c > at;
      default: return c < at;
    }
  }
  // Strictly on the side that stays.
  bool Before(int32 c) const { return c != at && !Beyond(c); }
  int32 Signed() const { return (side == baseside::Up || side == baseside::Right) ? d : -d; }
  void Shift(int32& c) const { c += Signed(); }
  // The coordinate of a point that the cut moves.
  int32& Of(int32& x, int32& y) const { return Across() ? x : y; }
  void ShiftWhole(TObj& e) const {
    ShiftElement(e, Across() ? Signed() : 0, Across() ? 0 : Signed());
  }
};

// Texts moved by a label or measure update are not moved again.
using Moved = std::set<const TObj*>;

void ShiftRoomLabels(const Cut& cut, const TRoomobj& room, Moved& moved) {
  for (int32 i = 6; i < DrawingList.Count(); ++i) {
    auto* t = dynamic_cast<TTextobj*>(DrawingList.At(i));
    if (!t || t->Kind != kind::WallLabel || t->Floor != CurrentView || t->Tag1 != room.Tag1)
      continue;
    (cut.Across() ? t->X1 : t->Y1) += cut.Signed() / 2;
    moved.insert(t);
  }
}

void UpdateDimensionTexts(const Cut& cut, const TDimensobj& dim, Moved& moved) {
  const int32 old = cut.Across() ? std::abs(dim.SecondX1 - dim.X1) : std::abs(dim.SecondY1 - dim.Y1);
  const std::string text = MeasureText(old + cut.d);
  for (int32 i = 6; i < DrawingList.Count(); ++i) {
    auto* t = dynamic_cast<TTextobj*>(DrawingList.At(i));
    if (!t || t->Kind != kind::WallLengthText || t->Floor != CurrentView || t->LinkId != dim.LinkId)
      continue;
    if (moved.count(t)) continue;
    t->TextLength = CopyBoundedText(t->Text, kTextCapacity, text.c_str());
    (cut.Across() ? t->X1 : t->Y1) += cut.Signed() / 2;
    moved.insert(t);
  }
}

void MoveExtWall(const Cut& cut, TExtwallobj& w) {
  const bool start = cut.Beyond(cut.Of(w.X1, w.Y1)), end = cut.Beyond(cut.Of(w.X2, w.Y2));
  const bool cavity = w.CavityWidth > 0;
  if (start) {
    cut.Shift(cut.Of(w.X1, w.Y1));
    cut.Shift(cut.Of(w.Line2X1, w.Line2Y1));
    if (cavity) {
      cut.Shift(cut.Of(w.Line3X1, w.Line3Y1));
      cut.Shift(cut.Of(w.Line4X1, w.Line4Y1));
    }
  }
  if (end) {
    cut.Shift(cut.Of(w.X2, w.Y2));
    cut.Shift(cut.Of(w.Line2X2, w.Line2Y2));
    if (cavity) {
      cut.Shift(cut.Of(w.Line3X2, w.Line3Y2));
      cut.Shift(cut.Of(w.Line4X2, w.Line4Y2));
    }
  }
  if (start != end) {
    // Stretched: its length (and a sloped wall's bearing) follows its ends.
    w.Tag1 = bearing::Length({w.X1, w.Y1}, {w.X2, w.Y2});
    if (!bearing::IsOrthogonal(w.Angle)) w.Angle = bearing::Of({w.X1, w.Y1}, {w.X2, w.Y2});
  }
}

void MoveInWall(const Cut& cut, TInwallobj& w) {
  if (cut.Beyond(cut.Of(w.X1, w.Y1))) {
    cut.Shift(cut.Of(w.X1, w.Y1));
    cut.Shift(cut.Of(w.Line2X1, w.Line2Y1));
  }
  if (cut.Beyond(cut.Of(w.X2, w.Y2))) {
    cut.Shift(cut.Of(w.X2, w.Y2));
    cut.Shift(cut.Of(w.Line2X2, w.Line2Y2));
  }
}

void MoveDimension(const Cut& cut, TDimensobj& m, Moved& moved) {
  int32& c1 = cut.Of(m.X1, m.Y1);
  int32& c2 = cut.Of(m.X2, m.Y2);
  int32& c3 = cut.Of(m.SecondX1, m.SecondY1);
  int32& c4 = cut.Of(m.SecondX2, m.SecondY2);
  if (cut.Beyond(c1) && cut.Beyond(c4)) {
    for (int32* c : {&c1, &c2, &c3, &c4}) cut.Shift(*c);
  } else if (cut.Beyond(c1) && cut.Before(c4)) {
    UpdateDimensionTexts(cut, m, moved);
    cut.Shift(c1), cut.Shift(c2);
  } else if (cut.Beyond(c4) && cut.Before(c1)) {
    UpdateDimensionTexts(cut, m, moved);
    cut.Shift(c3), cut.Shift(c4);
  }
}

void MoveRoom(const Cut& cut, TRoomobj& r, Moved& moved) {
  // Its sides on the axis the cut moves: x1 left and x2 right, y2 bottom
  // and y1 top.
  int32& lo = cut.Across() ? r.X1 : r.Y2;
  int32& hi = cut.Across() ? r.X2 : r.Y1;
  const bool loBeyond = cut.Beyond(lo), hiBeyond = cut.Beyond(hi);
  if (loBeyond && hiBeyond) {
    cut.ShiftWhole(r);
    return;
  }
  // Across the line: the side beyond it moves and the room grows or shrinks.
  if (!(loBeyond && cut.Before(hi)) && !(hiBeyond && cut.Before(lo))) return;
  cut.Shift(hiBeyond ? hi : lo);
  if (cut.Across()) {
    r.RoomWidth += cut.d;
    roomsize::Relabel(DrawingList, r, roomsize::Which::Width);
  } else {
    r.RoomHeight += cut.d;
    roomsize::Relabel(DrawingList, r, roomsize::Which::Depth);
  }
  ShiftRoomLabels(cut, r, moved);
}

// The nearest external walls around p on the four sides, by their lines.
struct Around {
  int32 left = 0, right = 0, below = 0, above = 0;
  bool found[4] = {};
};

Around WallsAround(plat::Point p) {
  Around a;
  long long best[4] = {-1, -1, -1, -1};
  auto take = [&](int k, int32 v, long long dist) {
    if (best[k] < 0 || dist < best[k]) {
      best[k] = dist;
      a.found[k] = true;
      (k == 0 ? a.left : k == 1 ? a.right : k == 2 ? a.below : a.above) = v;
    }
  };
  for (int32 i = 6; i < DrawingList.Count(); ++i) {
    const TObj& e = *DrawingList.At(i);
    if (e.Kind != kind::ExtWall || e.Floor != CurrentView) continue;
    if (e.X1 == e.X2) {
      if (e.X1 < p.x) take(0, e.X1, 1LL * p.x - e.X1);
      if (e.X1 > p.x) take(1, e.X1, 1LL * e.X1 - p.x);
    }
    if (e.Y1 == e.Y2) {
      if (e.Y1 < p.y) take(2, e.Y1, 1LL * p.y - e.Y1);
      if (e.Y1 > p.y) take(3, e.Y1, 1LL * e.Y1 - p.y);
    }
  }
  return a;
}

}  // namespace

std::vector<int32> UpperFloorsWithWalls() {
  std::vector<int32> floors;
  cfg::Reader in(ProgramFile(cfgfile::Floors));
  const int32 codes[4] = {view::First, view::Second, view::Third, view::Basement};
  for (int32 code : codes) {
    int32 v = 0;
    if (!in.Int(v)) break;
    if (v == code) floors.push_back(code);
  }
  return floors;
}

std::string MoveBaseSide(bool shrink, int32 side, int32 amount, plat::Point p) {
  Cut cut{side, (side == baseside::Right || side == baseside::Left) ? p.x : p.y, amount};
  if (shrink) {
    DrawingList.ComputePlanExtents(TFlist::esOutline);
    cfg::Reader in(ProgramFile(cfgfile::PlanExtents));
    int32 left = kNoLeft, right = 0, top = 0, bottom = kNoLeft;
    in.Int(left), in.Int(right), in.Int(top), in.Int(bottom);
    if (left == kNoLeft || bottom == kNoLeft || right == 0 || top == 0) return kNoPlan;
    if (cut.Across() && right - left < amount) return kTooNarrow;
    if (!cut.Across() && top - bottom < amount) return kTooLow;
    const Around a = WallsAround(p);
    if (!a.found[0] || !a.found[1] || !a.found[2] || !a.found[3]) return kNotInside;
    // A strip reaching past the nearest wall beyond ends at that wall.
    switch (side) {
      case baseside::Up:
        if (a.above - p.y < amount) cut.at = a.above - amount;
        break;
      case baseside::Down:
        if (p.y - a.below < amount) cut.at = a.below + amount;
        break;
      case baseside::Right:
        if (a.right - p.x < amount) cut.at = a.right - amount;
        break;
      default:
        if (p.x - a.left < amount) cut.at = a.left + amount;
        break;
    }
    cut.d = -amount;
  }

  Moved moved;
  for (int32 i = 0; i < DrawingList.Count(); ++i) {
    TObj& e = *DrawingList.At(i);
    if (e.Floor != CurrentView) continue;
    const int32 k = e.Kind;
    if (auto* w = dynamic_cast<TExtwallobj*>(&e); w && k == kind::ExtWall) {
      MoveExtWall(cut, *w);
    } else if (auto* w = dynamic_cast<TInwallobj*>(&e); w && kind::IsInWallKind(k)) {
      MoveInWall(cut, *w);
    } else if (auto* poly = dynamic_cast<TPolyobj*>(&e); poly && kind::IsPolygonKind(k)) {
      bool all = poly->PointCount > 0;
      for (int32 n = 0; n < poly->PointCount && all; ++n)
        all = cut.Beyond(cut.Of(poly->PointX[n], poly->PointY[n]));
      if (all) cut.ShiftWhole(e);
    } else if (k == kind::Arrow260) {
      if (cut.Beyond(cut.Of(e.X1, e.Y1)) && cut.Beyond(cut.Of(e.X2, e.Y2))) cut.ShiftWhole(e);
    } else if (auto* m = dynamic_cast<TDimensobj*>(&e); m && k == kind::Dimension261) {
      MoveDimension(cut, *m, moved);
    } else if (auto* win = dynamic_cast<TWindowobj*>(&e); win && kind::IsWindowKind(k)) {
      const int32 half = win->OpeningValues[0] / 2;
      const int32 edge = cut.Of(win->InsertX, win->InsertY) +
                         ((side == baseside::Right || side == baseside::Up) ? -half : half);
      if (cut.Beyond(edge)) cut.Shift(cut.Of(win->InsertX, win->InsertY));
    } else if (auto* door = dynamic_cast<TDoorobj*>(&e); door && kind::IsDoorKind(k)) {
      const int32 half = door->OpeningValues[0] / 2;
      const int32 edge = cut.Of(door->InsertX, door->InsertY) +
                         ((side == baseside::Right || side == baseside::Up) ? -half : half);
      if (cut.Beyond(edge)) cut.Shift(cut.Of(door->InsertX, door->InsertY));
    } else if (kind::IsLineKind(k)) {
      if (cut.Beyond(cut.Of(e.X1, e.Y1))) cut.Shift(cut.Of(e.X1, e.Y1));
      if (cut.Beyond(cut.Of(e.X2, e.Y2))) cut.Shift(cut.Of(e.X2, e.Y2));
    } else if (k == kind::Text || k == kind::Text24) {
      if (cut.Beyond(cut.Of(e.X1, e.Y1))) cut.ShiftWhole(e);
    } else if (auto* arc = dynamic_cast<TArcobj*>(&e); arc && k == kind::Arc) {
      if (cut.Beyond(cut.Of(arc->StartX, arc->StartY)) && cut.Beyond(cut.Of(arc->EndX, arc->EndY)))
        cut.ShiftWhole(e);
    } else if (kind::IsFilledShapeKind(k)) {
      if (cut.Beyond(cut.Of(e.X1, e.Y1)) && cut.Beyond(cut.Of(e.X2, e.Y2))) cut.ShiftWhole(e);
    } else if (auto* r = dynamic_cast<TRoomobj*>(&e); r && kind::IsRoomKind(k)) {
      MoveRoom(cut, *r, moved);
    }
  }
  // The labels and measures not moved above move with what lies beyond.
  for (int32 i = 0; i < DrawingList.Count(); ++i) {
    TObj& e = *DrawingList.At(i);
    if (e.Floor != CurrentView || e.Kind < kind::Text34 || e.Kind > kind::DrawingTitle) continue;
    if (moved.count(&e)) continue;
    if (cut.Beyond(cut.Of(e.X1, e.Y1))) cut.ShiftWhole(e);
  }
  DrawingList.WriteDrawingFile(dtDrawing);
  return {};
}

void ResizeBase(TExtwallobjtool& tool, int32 amount, plat::Point p) {
  const bool shrink = tool.Step == extwallstep::Shrink;
  tool.ButtonDown = 0;
  tool.Active = 0;
  tool.Type = tooltype::ExtWall;
  std::vector<int32> floors;
  switch (tool.MultiFloorMode) {
    case multifloor::AllFloors:
      floors.push_back(view::Ground);
      for (int32 f : UpperFloorsWithWalls()) floors.push_back(f);
      break;
    case multifloor::GroundOnly: floors.push_back(view::Ground); break;
    case multifloor::ThisFloor: floors.push_back(CurrentView); break;
    default: break;
  }
  std::string refused;
  for (int32 f : floors) {
    CurrentView = f;
    const std::string why = MoveBaseSide(shrink, tool.Direction, amount, p);
    if (!why.empty()) refused += "\n" + FloorName(f) + ": " + why;
  }
  if (!refused.empty())
    plat::ErrorBox("The plan was not shrunk on these floors:" + refused, plat::mbOK);
  if (!floors.empty()) MarkDrawingChanged();
  tool.Command(10);
}
