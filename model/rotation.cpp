// Turning geometry: a whole drawing turned by 90, 180 or 270 degrees
// clockwise about the sheet centre, or mirrored left to right, and stored
// under a new name; and single elements turned to a direction about a point
// by the opening builders and the fan generator.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "model/flist.h"
#include "model/queries_support.h"
#include "model/rounding.h"
#include "storage/record_codec.h"

namespace {

using queries::ClampToInt32;

// Degrees to radians as the drawing turn has always computed them (not
// pi/180; the element turn has its own factor).
constexpr double kDrawingTurnRadiansPerDegree = 0.01745329;
constexpr double kElementTurnRadiansPerDegree = 0.01745328;

constexpr int32 kFullTurn = 3600;  // tenths of a degree
constexpr int32 kHalfTurn = 1800;
constexpr int32 kRightBearing = 900;
constexpr int32 kLeftBearing = 2700;
// An element drawn for this direction is turned by nothing.
constexpr int32 kDrawnDirection = 270;  // degrees
// Text alignments that a turn or mirror exchanges.
constexpr int32 kAlignTopCentre = 4;
constexpr int32 kAlignBaselineCentre = 6;
// Line ends closer than this to the other end's x (or y) are made equal.
constexpr int32 kLineSnap = 10;

// A direction turned on past a full turn comes back by one, in 64 bits (a
// damaged file's direction may lie near the 32-bit limit) and held to 32.
int32 WrapDirection(long long v) { return ClampToInt32(v > kFullTurn - 1 ? v - kFullTurn : v); }

void SwapAlignment(TTextobj& t) {
  if (t.Alignment == kAlignBaselineCentre)
    t.Alignment = kAlignTopCentre;
  else if (t.Alignment == kAlignTopCentre)
    t.Alignment = kAlignBaselineCentre;
}

int32 Swap900And2700(int32 v) {
  if (v == kRightBearing) return kLeftBearing;
  if (v == kLeftBearing) return kRightBearing;
  return v;
}

// ---- Mirror: M(x, y) = (HW - x, y + HH) of a stored point ------------------

struct Mirror {
  int32 hw, hh;

  void InPlace(int32& x, int32& y) const {
    x = ClampToInt32(1LL * hw - x);
    y = ClampToInt32(1LL * y + hh);
  }
  // Ends exchanged: the first point becomes M of the second and back.
  void Exchanged(int32& x1, int32& y1, int32& x2, int32& y2) const {
    std::swap(x1, x2);
    std::swap(y1, y2);
    InPlace(x1, y1);
    InPlace(x2, y2);
  }
};

void MirrorText(TTextobj& t) {
  if (t.X2 == 0 || t.X2 == kHalfTurn) {
    t.X2 += kHalfTurn;
    if (t.X2 > kFullTurn - 1) t.X2 -= kFullTurn;
    SwapAlignment(t);
  }
  if (t.Escapement >= 1 && t.Escapement < kRightBearing)
    t.Escapement += kLeftBearing;
  else if (t.Escapement > kLeftBearing)
    t.Escapement -= kLeftBearing;
}

void MirrorElement(TObj& e, const Mirror& m) {
  switch (ClassOfKind(e.Kind)) {
    case ElementClass::Line:
    case ElementClass::Ellipse:
    case ElementClass::Circle:
    case ElementClass::RndRect:
    case ElementClass::Info:
      m.Exchanged(e.X1, e.Y1, e.X2, e.Y2);
      break;
    case ElementClass::ExtWall:
      if (auto* w = dynamic_cast<TExtwallobj*>(&e)) {
        m.Exchanged(w->X1, w->Y1, w->X2, w->Y2);
        m.Exchanged(w->Line2X1, w->Line2Y1, w->Line2X2, w->Line2Y2);
        m.Exchanged(w->Line3X1, w->Line3Y1, w->Line3X2, w->Line3Y2);
        m.Exchanged(w->Line4X1, w->Line4Y1, w->Line4X2, w->Line4Y2);
        m.InPlace(w->RefX, w->RefY);
        w->Angle = WrapDirection(1LL * w->Angle + kHalfTurn);
      }
      break;
    case ElementClass::InWall:
      if (auto* w = dynamic_cast<TInwallobj*>(&e)) {
        m.Exchanged(w->X1, w->Y1, w->X2, w->Y2);
        m.Exchanged(w->Line2X1, w->Line2Y1, w->Line2X2, w->Line2Y2);
        m.InPlace(w->RefX, w->RefY);
      }
      break;
    case ElementClass::Arrow:
      if (auto* a = dynamic_cast<TArrowobj*>(&e)) {
        m.InPlace(a->X1, a->Y1);
        m.InPlace(a->X2, a->Y2);
        m.Exchanged(a->BarbX1, a->BarbY1, a->BarbX2, a->BarbY2);
        m.Exchanged(a->BarX1, a->BarY1, a->BarX2, a->BarY2);
      }
      break;
    case ElementClass::Dimension:
      if (auto* d = dynamic_cast<TDimensobj*>(&e)) {
        m.InPlace(d->X1, d->Y1);
        m.InPlace(d->X2, d->Y2);
        m.InPlace(d->SecondX1, d->SecondY1);
        m.InPlace(d->SecondX2, d->SecondY2);
        d->Angle = Swap900And2700(d->Angle);
      }
      break;
    case ElementClass::Room:  // a design room keeps its place
      e.X1 = ClampToInt32(1LL * e.X1 + m.hw);
      e.X2 = ClampToInt32(1LL * e.X2 + m.hw);
      e.Y1 = ClampToInt32(1LL * e.Y1 + m.hh);
      e.Y2 = ClampToInt32(1LL * e.Y2 + m.hh);
      break;
    case ElementClass::Window:
      if (auto* w = dynamic_cast<TWindowobj*>(&e)) {
        m.InPlace(w->InsertX, w->InsertY);
        w->OpeningValues[0] = Swap900And2700(w->OpeningValues[0]);
      }
      break;
    case ElementClass::Door:
      if (auto* d = dynamic_cast<TDoorobj*>(&e)) {
        m.InPlace(d->InsertX, d->InsertY);
        d->OpeningValues[0] = Swap900And2700(d->OpeningValues[0]);
      }
      break;
    case ElementClass::Poly:
      if (auto* p = dynamic_cast<TPolyobj*>(&e)) {
        for (int32 i = 0; i < std::clamp(p->PointCount, 0, kMaxPolyPoints); ++i)
          m.InPlace(p->PointX[i], p->PointY[i]);
        m.InPlace(p->RefX, p->RefY);
      }
      break;
    case ElementClass::Text:
      if (auto* t = dynamic_cast<TTextobj*>(&e)) {
        m.InPlace(t->X1, t->Y1);
        MirrorText(*t);
      }
      break;
    case ElementClass::Arc:
      if (auto* a = dynamic_cast<TArcobj*>(&e)) {
        m.InPlace(a->X1, a->Y1);
        m.InPlace(a->X2, a->Y2);
        m.Exchanged(a->StartX, a->StartY, a->EndX, a->EndY);
      }
      break;
    case ElementClass::None:
      break;
  }
}

// ---- Turn: (x, y) to (x c - y s, x s + y c) about the sheet centre ----------

struct Turn {
  int32 angle;  // the operation code, degrees clockwise
  double c, s;
  int32 hw, hh;

  void Turned(int32 x, int32 y, double& X, double& Y) const {
    X = static_cast<double>(x) * c - static_cast<double>(y) * s;
    Y = static_cast<double>(x) * s + static_cast<double>(y) * c;
  }
  void Rounded(int32& x, int32& y) const {
    double X, Y;
    Turned(x, y, X, Y);
    x = RoundHalfAwayOnHundredths(X + hw);
    y = RoundHalfAwayOnHundredths(Y + hh);
  }
  void Truncated(int32& x, int32& y) const {
    double X, Y;
    Turned(x, y, X, Y);
    x = ClampToInt32(1LL * TruncToInt(X) + hw);
    y = ClampToInt32(1LL * TruncToInt(Y) + hh);
  }
  void Opening(int32& x, int32& y) const {
    double X, Y;
    Turned(x, y, X, Y);
    x = ClampToInt32(1LL * RoundHalfAwayOnHundredths(X) + hw);
    y = ClampToInt32(1LL * RoundHalfAwayOnHundredths(Y) + hh);
  }
  // Truncated, then a second end one unit off the first is pulled onto it,
  // so that dimensions and arrows stay straight.
  void TruncatedPair(int32& ax, int32& ay, int32& bx, int32& by) const {
    Truncated(ax, ay);
    Truncated(bx, by);
    if (std::llabs(1LL * bx - ax) == 1) bx = ax;
    if (std::llabs(1LL * by - ay) == 1) by = ay;
  }
};

void TurnText(TTextobj& t, int32 angle) {
  // Worked in 64 bits: a damaged file's directions may lie near the limit.
  long long e = t.Escapement, x2 = t.X2;
  switch (angle) {
    case TFlist::toTurn90:
      if (e <= kRightBearing) {
        e += kLeftBearing;
        SwapAlignment(t);
      } else if (e >= kLeftBearing) {
        e += kRightBearing;
      }
      x2 += kRightBearing;
      break;
    case TFlist::toTurn180:
      SwapAlignment(t);
      x2 += kHalfTurn;
      break;
    case TFlist::toTurn270:
      if (e <= kRightBearing) {
        e += kLeftBearing;
      } else if (e >= kLeftBearing) {
        e += kRightBearing;
        SwapAlignment(t);
      }
      x2 += kLeftBearing;
      break;
    default:
      break;
  }
  t.Escapement = WrapDirection(e);
  t.X2 = WrapDirection(x2);
}

// A wall's own text keeps its direction; it moves off the turned wall by its
// height.
void ShiftWallLabel(TTextobj& t, int32 angle) {
  const long long h = t.Y2;
  if (h <= 0) return;
  long long dx = 0, dy = 0;
  if (angle == TFlist::toTurn90)
    dx = h, dy = -h;
  else if (angle == TFlist::toTurn180)
    dy = -2 * h;
  else if (angle == TFlist::toTurn270)
    dx = -h, dy = -h;
  t.X1 = ClampToInt32(t.X1 + dx);
  t.Y1 = ClampToInt32(t.Y1 + dy);
}

// Turns one element as read; false when it is to be dropped (the titles,
// which are built again for the turned walls).
bool TurnElement(TObj& e, const Turn& t) {
  switch (ClassOfKind(e.Kind)) {
    case ElementClass::Line:
    case ElementClass::Ellipse:
    case ElementClass::Circle:
    case ElementClass::RndRect:
    case ElementClass::Info:
      t.Rounded(e.X1, e.Y1);
      t.Rounded(e.X2, e.Y2);
      break;
    case ElementClass::ExtWall:
      if (auto* w = dynamic_cast<TExtwallobj*>(&e)) {
        t.Rounded(w->X1, w->Y1);
        t.Rounded(w->X2, w->Y2);
        t.Rounded(w->Line2X1, w->Line2Y1);
        t.Rounded(w->Line2X2, w->Line2Y2);
        t.Rounded(w->RefX, w->RefY);
        if (w->CavityWidth > 0) {
          t.Rounded(w->Line3X1, w->Line3Y1);
          t.Rounded(w->Line3X2, w->Line3Y2);
          t.Rounded(w->Line4X1, w->Line4Y1);
          t.Rounded(w->Line4X2, w->Line4Y2);
        }
        const long long a = 1LL * w->Angle + 10LL * t.angle;
        w->Angle = ClampToInt32(a >= kFullTurn ? a - kFullTurn : a);
      }
      break;
    case ElementClass::InWall:
      if (auto* w = dynamic_cast<TInwallobj*>(&e)) {
        t.Rounded(w->X1, w->Y1);
        t.Rounded(w->X2, w->Y2);
        t.Rounded(w->Line2X1, w->Line2Y1);
        t.Rounded(w->Line2X2, w->Line2Y2);
        t.Rounded(w->RefX, w->RefY);
      }
      break;
    case ElementClass::Arrow:
      if (auto* a = dynamic_cast<TArrowobj*>(&e)) {
        t.TruncatedPair(a->X1, a->Y1, a->X2, a->Y2);
        t.TruncatedPair(a->BarbX1, a->BarbY1, a->BarbX2, a->BarbY2);
        t.TruncatedPair(a->BarX1, a->BarY1, a->BarX2, a->BarY2);
      }
      break;
    case ElementClass::Dimension:
      if (auto* d = dynamic_cast<TDimensobj*>(&e)) {
        t.TruncatedPair(d->X1, d->Y1, d->X2, d->Y2);
        t.TruncatedPair(d->SecondX1, d->SecondY1, d->SecondX2, d->SecondY2);
        // 3600 stays: it draws as 0.
        const long long a = 1LL * d->Angle + 10LL * t.angle;
        d->Angle = ClampToInt32(a > kFullTurn ? a - kFullTurn : a);
      }
      break;
    case ElementClass::Room:  // a design room keeps its place
      e.X1 = ClampToInt32(1LL * e.X1 + t.hw);
      e.X2 = ClampToInt32(1LL * e.X2 + t.hw);
      e.Y1 = ClampToInt32(1LL * e.Y1 + t.hh);
      e.Y2 = ClampToInt32(1LL * e.Y2 + t.hh);
      break;
    case ElementClass::Window:
      if (auto* w = dynamic_cast<TWindowobj*>(&e)) t.Opening(w->InsertX, w->InsertY);
      break;
    case ElementClass::Door:
      if (auto* d = dynamic_cast<TDoorobj*>(&e)) t.Opening(d->InsertX, d->InsertY);
      break;
    case ElementClass::Poly:
      if (auto* p = dynamic_cast<TPolyobj*>(&e)) {
        for (int32 i = 0; i < std::clamp(p->PointCount, 0, kMaxPolyPoints); ++i)
          t.Rounded(p->PointX[i], p->PointY[i]);
        t.Rounded(p->RefX, p->RefY);
      }
      break;
    case ElementClass::Text:
      if (e.Kind == kind::DrawingTitle) return false;
      if (auto* x = dynamic_cast<TTextobj*>(&e)) {
        t.Truncated(x->X1, x->Y1);
        if (x->Kind == kind::WallLabel)
          ShiftWallLabel(*x, t.angle);
        else
          TurnText(*x, t.angle);
      }
      break;
    case ElementClass::Arc:
      if (auto* a = dynamic_cast<TArcobj*>(&e)) {
        t.Rounded(a->X1, a->Y1);
        t.Rounded(a->X2, a->Y2);
        t.Rounded(a->StartX, a->StartY);
        t.Rounded(a->EndX, a->EndY);
      }
      break;
    case ElementClass::None:
      break;
  }
  return true;
}


}  // namespace

void TFlist::RotateDrawingFile(int32 angle, std::string_view newName) {
  // No operation chosen, or no name to store it under: nothing changes.
  if (angle == toNone || newName.empty()) return;

  // The drawing is read as stored, relative to the sheet centre, into a list
  // of its own: when the live file cannot be read the drawing in memory
  // stays and nothing is written.
  const storage::Placement centre = storage::PageCentre();
  TFlist stored;
  const storage::ReadResult r =
      storage::ReadListFile(DrawingWritePath(dtDrawing), stored, storage::Placement{0, 0});
  if (!r.headerRead) return;
  storage::ApplyHeaderToGlobals(r.header);

  const bool mirror = angle == toMirror;
  // The plan floors that carry a title after the turn: an upper floor only
  // above a floor that has walls.
  bool titled[4] = {};
  if (!mirror) {
    titled[0] = queries::HasWallOnFloor(stored, view::Ground);
    titled[1] = queries::HasWallOnFloor(stored, view::First);
    titled[2] = titled[1] && queries::HasWallOnFloor(stored, view::Second);
    titled[3] = titled[2] && queries::HasWallOnFloor(stored, view::Third);
  }

  const double radians = (360 - angle) * kDrawingTurnRadiansPerDegree;
  const Turn turn{angle, std::cos(radians), std::sin(radians), centre.dx, centre.dy};
  const Mirror reflect{centre.dx, centre.dy};
  Clear();
  SetContent(Content::Floors);  // whatever view is shown
  for (int32 i = 0; i < stored.Count(); ++i) {
    std::unique_ptr<TObj> e(stored.At(i));
    stored.At(i) = nullptr;
    if (mirror)
      MirrorElement(*e, reflect);
    else if (!TurnElement(*e, turn))
      continue;
    Add(e.release());
  }
  SetDrawingName(newName);
  WriteDrawingFile(dtDrawing);

  const int32 shownView = CurrentView;
  const int32 floors[4] = {view::Ground, view::First, view::Second, view::Third};
  for (int i = 0; i < 4; ++i) {
    if (!titled[i]) continue;
    CurrentView = floors[i];
    BuildTitleBlock();
  }
  CurrentView = shownView;
}

void TFlist::RotateElement(TObj* element, int32 kindCode, int32 direction, int32 centreX,
                           int32 centreY, int32 /*mode*/) {
  if (!element) return;
  if (direction == 0) direction = kFullTurn;
  const int32 degrees = kDrawnDirection - direction / 10;
  const double radians = degrees * kElementTurnRadiansPerDegree;
  const double c = std::cos(radians);
  const double s = std::sin(radians);
  auto turn = [&](int32& x, int32& y) {
    const double dx = static_cast<double>(x) - centreX;
    const double dy = static_cast<double>(y) - centreY;
    const long long nx = 1LL * centreX + TruncToInt(dx * c - dy * s);
    const long long ny = 1LL * centreY + TruncToInt(dx * s + dy * c);
    x = ClampToInt32(nx);
    y = ClampToInt32(ny);
  };

  if (kind::IsLineKind(kindCode)) {
    TObj& e = *element;
    turn(e.X1, e.Y1);
    turn(e.X2, e.Y2);
    // A line that ends up nearly vertical or horizontal becomes exactly so.
    if (std::llabs(1LL * e.X2 - e.X1) < kLineSnap) e.X2 = e.X1;
    if (std::llabs(1LL * e.Y2 - e.Y1) < kLineSnap) e.Y2 = e.Y1;
  } else if (kindCode == kind::Arc) {
    if (auto* a = dynamic_cast<TArcobj*>(element)) {
      turn(a->X1, a->Y1);
      turn(a->X2, a->Y2);
      turn(a->StartX, a->StartY);
      turn(a->EndX, a->EndY);
    }
  } else if (kind::IsPolygonKind(kindCode)) {
    if (auto* p = dynamic_cast<TPolyobj*>(element)) {
      for (int32 i = 0; i < std::clamp(p->PointCount, 0, kMaxPolyPoints); ++i)
        turn(p->PointX[i], p->PointY[i]);
      turn(p->RefX, p->RefY);
    }
  }
}
