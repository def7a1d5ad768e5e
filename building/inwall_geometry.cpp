#include "building/inwall_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "model/rounding.h"

InwallDraft InwallDraftOf(const TInwallobj& w) {
  InwallDraft d;
  d.start = {w.X1, w.Y1};
  d.end = {w.X2, w.Y2};
  d.secondStart = {w.Line2X1, w.Line2Y1};
  d.secondEnd = {w.Line2X2, w.Line2Y2};
  d.bearing = w.Angle;
  d.thickness = w.Thickness;
  d.linkId = w.LinkId;
  d.startMeet = w.StartMeetAngle();
  d.endMeet = w.EndMeetAngle();
  return d;
}

plat::Point FirstLineAt(const TInwallobj& w, WallEnd e) {
  return e == WallEnd::Start ? plat::Point{w.X1, w.Y1} : plat::Point{w.X2, w.Y2};
}

plat::Point SecondLineAt(const TInwallobj& w, WallEnd e) {
  return e == WallEnd::Start ? plat::Point{w.Line2X1, w.Line2Y1}
                             : plat::Point{w.Line2X2, w.Line2Y2};
}

void StoreLines(TInwallobj& w, const InwallDraft& d) {
  w.X1 = d.start.x;
  w.Y1 = d.start.y;
  w.X2 = d.end.x;
  w.Y2 = d.end.y;
  w.Line2X1 = d.secondStart.x;
  w.Line2Y1 = d.secondStart.y;
  w.Line2X2 = d.secondEnd.x;
  w.Line2Y2 = d.secondEnd.y;
  w.Angle = d.bearing;
}

TInwallobj* MakeInwall(int32 kind, const InwallDraft& d, int32 floor, plat::COLORREF colour) {
  constexpr int32 kMadeByTool = 1;
  const int32 closing[4] = {100, 100, 100, 100};
  return new TInwallobj(kind, floor, d.linkId, d.linkId, kMadeByTool, d.start.x, 0, d.start.y,
                        d.end.x, 0, d.end.y, d.secondStart.x, 0, d.secondStart.y, d.secondEnd.x,
                        d.secondEnd.y, 0, 0, 0, d.thickness, 0, 0, 0, 0, d.startMeet, d.endMeet,
                        d.bearing, 0, 0, colour, closing);
}

namespace inwallgeo {

namespace {

double Rad(int32 tenths) { return tenths * kWallRadiansPerTenth; }

// Lines closer to parallel than this (sine of the angle between them) do
// not cross within any sheet: their ends are left free.
constexpr double kMinCrossingSine = 0.02;

}  // namespace

bool IsSquare(int32 b) { return bearing::IsOrthogonal(b) || b == bearing::FullTurn; }

int32 Normal(int32 b) { return b == bearing::FullTurn ? bearing::Up : b; }

plat::Point RightOf(int32 b) { return InwardNormal(Normal(b)); }

plat::Point SecondLinePoint(plat::Point p, int32 b, int32 t) {
  return FreeLayerPoint(p, Normal(b), t);
}

void PlaceSecondLine(InwallDraft& d) {
  d.secondStart = SecondLinePoint(d.start, d.bearing, d.thickness);
  d.secondEnd = SecondLinePoint(d.end, d.bearing, d.thickness);
}

int32 RunningBearing(const TInwallobj& w) {
  if (!IsSquare(w.Angle)) return w.Angle;
  if (w.Y1 == w.Y2 && w.X1 != w.X2) return w.X2 > w.X1 ? bearing::Right : bearing::Left;
  if (w.X1 == w.X2) return w.Y2 <= w.Y1 ? bearing::Down : bearing::Up;
  return bearing::Up;
}

bool MitrePoint(plat::Point p, int32 arriving, int32 leaving, int32 t, plat::Point& out) {
  const int32 a = Normal(arriving), b = Normal(leaving);
  // The way back along the arriving wall, and half the corner's opening.
  const int32 back = a < bearing::HalfTurn ? a + bearing::HalfTurn : a - bearing::HalfTurn;
  int32 d = back - b;
  if (d < 0) d += bearing::FullTurn;
  const int32 h = d / 2;
  const double c = std::cos(Rad(std::abs(bearing::Right - h)));
  if (std::abs(c) < kMinCornerCosine) return false;
  const double len = t / c;
  int32 g = b + h;  // the mitre's bearing
  if (g > bearing::FullTurn) g -= bearing::FullTurn;
  const int32 dx = TruncToInt(std::abs(len * std::sin(Rad(g))));
  const int32 dy = TruncToInt(std::abs(len * std::cos(Rad(g))));
  const int32 sx = g <= bearing::HalfTurn ? 1 : -1;
  const int32 sy = (g <= bearing::Right || g > bearing::Left) ? 1 : -1;
  out = {p.x + sx * dx, p.y + sy * dy};
  return true;
}

int32 AcuteBetween(int32 a, int32 b) {
  const int32 d = std::abs(Normal(a) - Normal(b));
  if (d < 900) return d;
  if (d < 1800) return 1800 - d;
  if (d < 2700) return d - 1800;
  return 3600 - d;
}

bool FitToFace(plat::Point p, plat::Point q, int32 faceBearing, int32 b, int32 t,
               plat::Point& out) {
  const double s = std::sin(Rad(AcuteBetween(b, faceBearing)));
  if (std::abs(s) < kMinCrossingSine) return false;
  const double along = t / s;
  // The face's direction: exact along the axes, else by its bearing.
  double ux, uy;
  switch (Normal(faceBearing)) {
    case bearing::Up: ux = 0, uy = 1; break;
    case bearing::Right: ux = 1, uy = 0; break;
    case bearing::Down: ux = 0, uy = -1; break;
    case bearing::Left: ux = -1, uy = 0; break;
    default: ux = std::sin(Rad(faceBearing)), uy = std::cos(Rad(faceBearing)); break;
  }
  // On the side of p where the free point lay.
  const double side = (double(q.x) - p.x) * ux + (double(q.y) - p.y) * uy;
  if (side == 0) return false;
  const double k = side > 0 ? along : -along;
  out = {p.x + TruncToInt(k * ux), p.y + TruncToInt(k * uy)};
  return true;
}

bool OnLine(plat::Point pt, plat::Point a, plat::Point b, int32 tol) {
  const long long x = pt.x, y = pt.y;
  const long long xl = std::min(a.x, b.x), xh = std::max(a.x, b.x);
  const long long yl = std::min(a.y, b.y), yh = std::max(a.y, b.y);
  if (a.y == b.y) return x > xl - tol && x < xh + tol && std::llabs(y - a.y) < tol;
  if (a.x == b.x) return y > yl - tol && y < yh + tol && std::llabs(x - a.x) < tol;
  if (x <= xl - tol || x >= xh + tol || y <= yl - tol || y >= yh + tol) return false;
  const double dx = double(b.x) - a.x, dy = double(b.y) - a.y;
  if (std::abs(dx) >= std::abs(dy)) {
    const double lineY = a.y + (x - a.x) * dy / dx;
    return std::abs(y - lineY) < tol;
  }
  const double lineX = a.x + (y - a.y) * dx / dy;
  return std::abs(x - lineX) < tol;
}

bool RayCrossing(plat::Point p, int32 direction, plat::Point a, plat::Point b, int32& at) {
  const bool vertical = direction == 1 || direction == 3;
  if (vertical) {
    if (a.x == b.x) return false;
    const long long xl = std::min(a.x, b.x), xh = std::max(a.x, b.x);
    if (p.x <= xl || p.x >= xh) return false;
    const double y = a.y + (double(p.x) - a.x) * (double(b.y) - a.y) / (double(b.x) - a.x);
    at = int32(std::lround(y));
    return true;
  }
  if (a.y == b.y) return false;
  const long long yl = std::min(a.y, b.y), yh = std::max(a.y, b.y);
  if (p.y <= yl || p.y >= yh) return false;
  const double x = a.x + (double(p.y) - a.y) * (double(b.x) - a.x) / (double(b.y) - a.y);
  at = int32(std::lround(x));
  return true;
}

plat::Point MovedEnd(plat::Point moving, plat::Point other, int32 d) {
  const double dx = double(moving.x) - other.x, dy = double(moving.y) - other.y;
  if (dx == 0 && dy == 0) return moving;
  if (dy == 0) return {moving.x + (dx > 0 ? d : -d), moving.y};
  if (dx == 0) return {moving.x, moving.y + (dy > 0 ? d : -d)};
  const double len = std::sqrt(dx * dx + dy * dy);
  return {int32(std::lround(moving.x + d * dx / len)), int32(std::lround(moving.y + d * dy / len))};
}

}  // namespace inwallgeo
