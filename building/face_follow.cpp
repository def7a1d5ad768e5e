#include "building/face_follow.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "building/inwall_geometry.h"
#include "building/inwall_join.h"
#include "building/room_size_text.h"
#include "model/queries_support.h"

namespace facefollow {

namespace {

// How near an end must lie to a face to count as on it.
int32 Band() { return 3 * PixelScale; }

// Where the line through p and q crosses the face's line; false when they
// run parallel.
bool Crossing(plat::Point p, plat::Point q, const Segment& f, double& x, double& y) {
  const double rx = double(q.x) - p.x, ry = double(q.y) - p.y;
  const double sx = double(f.b.x) - f.a.x, sy = double(f.b.y) - f.a.y;
  const double den = rx * sy - ry * sx;
  if (std::abs(den) < 1e-9) return false;
  const double t = ((double(f.a.x) - p.x) * sy - (double(f.a.y) - p.y) * sx) / den;
  x = p.x + t * rx;
  y = p.y + t * ry;
  return true;
}

// The distance of p from the face's line (from its point when it has no
// length).
double FromLine(plat::Point p, const Segment& f) {
  const double sx = double(f.b.x) - f.a.x, sy = double(f.b.y) - f.a.y;
  const double px = double(p.x) - f.a.x, py = double(p.y) - f.a.y;
  const double length = std::hypot(sx, sy);
  return length == 0 ? std::hypot(px, py) : std::abs(px * sy - py * sx) / length;
}

// Where the line through `from` and q meets the face, when that is no
// farther from `from` than `reach`. An end counts as on a face within a
// band, so a partition lying almost along the face crosses its line far
// away; such an end stays where it is rather than being thrown there.
bool NearCrossing(plat::Point from, plat::Point q, const Segment& f, double reach,
                  plat::Point& out) {
  double x = 0, y = 0;
  if (!Crossing(from, q, f, x, y)) return false;
  if (!(std::hypot(x - from.x, y - from.y) <= reach)) return false;
  // Near a 32-bit point, so within the range of llround.
  out = {queries::ClampToInt32(std::llround(x)), queries::ClampToInt32(std::llround(y))};
  return true;
}

bool Overlap(int32 a1, int32 a2, int32 b1, int32 b2) {
  return std::min(a1, a2) < std::max(b1, b2) && std::max(a1, a2) > std::min(b1, b2);
}

}  // namespace

Meeting WhatMeets(const TFlist& list, const Segment& face, int32 wall) {
  Meeting m{face, {}, {}};
  const int32 tol = Band();
  const bool plumb = face.a.x == face.b.x, level = face.a.y == face.b.y;
  for (int32 i = 6; i < list.Count(); ++i) {
    if (i == wall || list.At(i)->Floor != CurrentView) continue;
    if (const auto* w = dynamic_cast<const TInwallobj*>(list.At(i)); w && w->Kind == kind::InWall) {
      for (WallEnd e : {WallEnd::Start, WallEnd::End}) {
        const plat::Point p = FirstLineAt(*w, e);
        if (!inwallgeo::OnLine(p, face.a, face.b, tol)) continue;
        // A partition along the face does not end on it.
        double x = 0, y = 0;
        if (!Crossing({w->X1, w->Y1}, {w->X2, w->Y2}, face, x, y)) continue;
        const plat::Point q = SecondLineAt(*w, e);
        m.partitions.push_back({i, e, p, q, inwallgeo::OnLine(q, face.a, face.b, tol)});
      }
    } else if (const TObj& r = *list.At(i); r.Kind == kind::LockedRoom) {
      const bool besideX = plumb && (r.X1 == face.a.x || r.X2 == face.a.x);
      const bool besideY = level && (r.Y1 == face.a.y || r.Y2 == face.a.y);
      if (besideX && Overlap(r.Y1, r.Y2, face.a.y, face.b.y))
        m.rooms.push_back({i, true, r.X1 == face.a.x});
      if (besideY && Overlap(r.X1, r.X2, face.a.x, face.b.x))
        m.rooms.push_back({i, false, r.Y2 == face.a.y});
    }
  }
  return m;
}

// An end slides along its own line 1 / sin(angle) times as far as the face
// moved; allowing twice that lets partitions meeting the face at 30 degrees
// or more (a bay's sides) follow it, while one lying flatter along the face
// stays rather than being thrown to a far crossing.
constexpr double kSteepestSlide = 2.0;

void BringTo(TFlist& list, const Meeting& m, const Segment& face) {
  // An end goes no farther than twice the face's move plus the band.
  const double reach =
      kSteepestSlide * (std::max(FromLine(face.a, m.face), FromLine(face.b, m.face)) + Band());
  for (const PartitionEnd& pe : m.partitions) {
    auto* w = dynamic_cast<TInwallobj*>(list.At(pe.index));
    if (!w) continue;
    plat::Point first, second;
    const plat::Point other = pe.end == WallEnd::Start ? plat::Point{w->X2, w->Y2}
                                                       : plat::Point{w->X1, w->Y1};
    if (!NearCrossing(pe.first, other, face, reach, first)) continue;
    const long long shiftX = 1LL * first.x - pe.first.x, shiftY = 1LL * first.y - pe.first.y;
    if (shiftX == 0 && shiftY == 0) continue;
    const plat::Point q = SecondLineAt(*w, pe.end);
    const plat::Point along{queries::ClampToInt32(1LL * q.x + w->X2 - w->X1),
                            queries::ClampToInt32(1LL * q.y + w->Y2 - w->Y1)};
    if (!pe.secondOnFace || !NearCrossing(q, along, face, reach, second))
      second = {queries::ClampToInt32(q.x + shiftX), queries::ClampToInt32(q.y + shiftY)};
    // Its stop end at that end, if it has one, closes the new end.
    const int32 stop = inwalljoin::FindStopEnd(list, pe.index, pe.end);
    if (pe.end == WallEnd::Start) {
      w->X1 = first.x, w->Y1 = first.y, w->Line2X1 = second.x, w->Line2Y1 = second.y;
    } else {
      w->X2 = first.x, w->Y2 = first.y, w->Line2X2 = second.x, w->Line2Y2 = second.y;
    }
    w->Tag1 = bearing::Length({w->X1, w->Y1}, {w->X2, w->Y2});
    if (stop != TFlist::kNothingFound) {
      TObj& s = *list.At(stop);
      for (auto [x, y] : {std::pair{&s.X1, &s.Y1}, std::pair{&s.X2, &s.Y2}}) {
        if (*x == pe.first.x && *y == pe.first.y)
          *x = first.x, *y = first.y;
        else if (*x == pe.second.x && *y == pe.second.y)
          *x = second.x, *y = second.y;
      }
    }
  }
  for (const RoomSideOn& rs : m.rooms) {
    auto* r = dynamic_cast<TRoomobj*>(list.At(rs.index));
    if (!r) continue;
    const roomsize::RoomBox before = roomsize::BoxOf(*r);
    int32& side = rs.vertical ? (rs.low ? r->X1 : r->X2) : (rs.low ? r->Y2 : r->Y1);
    side = rs.vertical ? face.a.x : face.a.y;
    if (rs.vertical) {
      r->RoomWidth += (r->X2 - r->X1) - (before.right - before.left);
      roomsize::Relabel(list, *r, roomsize::Which::Width);
    } else {
      r->RoomHeight += (r->Y1 - r->Y2) - (before.top - before.bottom);
      roomsize::Relabel(list, *r, roomsize::Which::Depth);
    }
    roomsize::FollowRoom(list, *r, before);
  }
}

}  // namespace facefollow
