#include "building/wall_corner.h"

#include "model/rounding.h"

namespace {

// The way a wall runs by its ends, for an orthogonal bearing.
int32 RunOf(const WallDraft& w) {
  if (!bearing::IsOrthogonal(w.angle)) return w.angle == bearing::FullTurn ? bearing::Up : w.angle;
  return bearing::Of(w.start, w.end);
}

bool AlongAxis(const WallDraft& w) { return w.start.x == w.end.x || w.start.y == w.end.y; }

// An axis-aligned wall keeps its layer lines level or plumb: the point just
// set at `end` takes the far end's coordinate across the wall.
void Square(WallDraft& w, WallEnd end) {
  if (!AlongAxis(w)) return;
  const bool plumb = w.start.x == w.end.x;
  const WallEnd far = end == WallEnd::Start ? WallEnd::End : WallEnd::Start;
  for (int k = 0; k < (w.layers.HasCavity() ? 3 : 1); ++k) {
    plat::Point& p = w.points.At(end, k);
    const plat::Point& q = w.points.At(far, k);
    if (plumb)
      p.x = q.x;
    else
      p.y = q.y;
  }
}

}  // namespace

void JoinExtCorner(WallDraft& a, WallDraft& b) {
  const plat::Point j = a.end;
  const int32 ra = RunOf(a), rb = RunOf(b);
  const int32 turn = ((rb - ra) % bearing::FullTurn + bearing::FullTurn) % bearing::FullTurn;
  if (bearing::IsOrthogonal(ra) && bearing::IsOrthogonal(rb) && AlongAxis(a) && AlongAxis(b)) {
    if (turn != bearing::Right && turn != bearing::Left) {
      SetFreeEnd(a, WallEnd::End);
      SetFreeEnd(b, WallEnd::Start);
      return;
    }
    const plat::Point na = InwardNormal(ra), nb = InwardNormal(rb);
    for (int k = 0; k < 3; ++k) {
      auto at = [&](const WallDraft& own, const WallDraft& other, plat::Point no, plat::Point nt) {
        const double x = double(j.x) + double(own.layers.Depth(k)) * no.x +
                         double(other.layers.Depth(k)) * nt.x;
        const double y = double(j.y) + double(own.layers.Depth(k)) * no.y +
                         double(other.layers.Depth(k)) * nt.y;
        return plat::Point{TruncToInt(x), TruncToInt(y)};
      };
      if (k == 0 || a.layers.HasCavity()) a.points.At(WallEnd::End, k) = at(a, b, na, nb);
      if (k == 0 || b.layers.HasCavity()) b.points.At(WallEnd::Start, k) = at(b, a, nb, na);
    }
    return;
  }
  const CornerMitre m = MitreOf(ra, rb);
  if (!m.Usable()) {
    SetFreeEnd(a, WallEnd::End);
    SetFreeEnd(b, WallEnd::Start);
    return;
  }
  auto mitre = [&](WallDraft& w, WallEnd end) {
    const plat::Point p1 = m.Move(j, w.layers.t1);
    w.points.At(end, 0) = p1;
    if (w.layers.HasCavity()) {
      const plat::Point p2 = m.Move(p1, w.layers.t2);
      w.points.At(end, 1) = p2;
      w.points.At(end, 2) = m.Move(p2, w.layers.t3);
    }
    Square(w, end);
  };
  mitre(a, WallEnd::End);
  mitre(b, WallEnd::Start);
}

void StoreDraft(TExtwallobj& w, const WallDraft& d) {
  w.X1 = d.start.x, w.Y1 = d.start.y, w.X2 = d.end.x, w.Y2 = d.end.y;
  const plat::Point* p = d.points.p;
  w.Line2X1 = p[0].x, w.Line2Y1 = p[0].y, w.Line2X2 = p[1].x, w.Line2Y2 = p[1].y;
  w.Line3X1 = p[2].x, w.Line3Y1 = p[2].y, w.Line3X2 = p[3].x, w.Line3Y2 = p[3].y;
  w.Line4X1 = p[4].x, w.Line4Y1 = p[4].y, w.Line4X2 = p[5].x, w.Line4Y2 = p[5].y;
  w.Thickness1 = d.layers.t1;
  w.CavityWidth = d.layers.t2;
  w.Thickness2 = d.layers.t3;
  w.Tag1 = d.length;
  w.Angle = d.angle;
}
