// Dimensions of the line-object tools: the automatic dimensions of a
// floor's external walls (every wall's length outside it, and the overall
// sizes of a floor of more than four walls), and the dimension set by two
// points with a typed measurement (steps 20 to 22).
//
// The automatic dimensions carry the tool's link id (a sloped wall's arrows
// 0). They are found again by their kinds, never by that id: a drawing may
// hold them with any id (some drawings with the floor's group base), and
// the tool's may be a wall's.
#include <algorithm>
#include <cmath>
#include <string>

#include "building/wall_query.h"
#include "model/flist.h"
#include "model/group_ids.h"
#include "model/queries_support.h"
#include "model/view_mapping.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"
#include "tools/dimension_geometry.h"
#include "tools/linetool.h"
#include "tools/measure_text.h"

namespace {

constexpr int32 kAlignLeftBase = 6;   // text alignment codes of the dimension texts
constexpr int32 kAlignRightBase = 4;
constexpr int32 kAlongVertical = 2700;  // escapement of texts running up a dimension
// A point this close (drawing units) to a wall face or room side snaps to it.
constexpr int32 kFaceSnap = 30;
// Sloped walls shorter than this many pixels get their text moved out twice.
constexpr int32 kShortWall = 10;
// The link id of a sloped wall's dimension arrows: they join no group.
constexpr int32 kSlopedArrowLink = 0;
// Link bases of dimensions set by two points: views 120 to 125 have their
// own thousand, every other view the one after them.
constexpr int32 kLinkBaseFirst = 10000;
constexpr int32 kLinkBaseStep = 1000;

bool IsDimensionStep(int32 step) {
  return step == toolstep::DimensionFirst || step == toolstep::DimensionSecond ||
         step == toolstep::DimensionText;
}

void AddArrow(const ArrowShape& a, int32 linkId, int32 tag1) {
  DrawingList.Add(new TArrowobj(kind::Arrow, CurrentView, linkId, tag1, a.tip.x, a.tip.y,
                                a.shaftEnd.x, a.shaftEnd.y, a.head1.x, a.head1.y, a.head2.x,
                                a.head2.y, a.tick1.x, a.tick1.y, a.tick2.x, a.tick2.y,
                                DrawingColour));
}

TTextobj* MakeText(int32 k, plat::Point at, int32 bearing, int32 escapement, int32 alignment,
                   int32 height, int32 linkId, int32 tag1, int32 length) {
  const std::string text = MeasureText(length);
  return new TTextobj(k, CurrentView, linkId, tag1, at.x, at.y, bearing, 0, 0, DrawingColour, 0,
                      escapement, alignment, 0, height, TextWeight,
                      DrawingList.TextFontName.c_str(), text.c_str());
}

// Every arrow and dimension text of the floor goes; the drawing is saved
// and read back.
void RemoveAutoDimensions() {
  for (int32 i = DrawingList.Count() - 1; i >= 0; --i) {
    const TObj* e = DrawingList.At(i);
    if (kind::IsAutoDimensionKind(e->Kind) && e->Floor == CurrentView) DrawingList.RemoveAt(i);
  }
  DrawingList.WriteDrawingFile(dtDrawing);
  DrawingList.Clear();
  DrawingList.ReadDrawingFile(dtDrawing);
}

// One run of the overall dimensions: the span of the walls of one side.
struct Run {
  long long min = 300000, max = 0;
  int32 count = 0;
  long long total = 0;
  void Take(long long low, long long high, long long v) {
    if (low <= min && high >= max) {
      min = low, max = high, count = 1, total = v;
    } else if (low <= min && high <= max) {
      total += min - low, min = low, ++count;
    } else if (high >= max && low >= min) {
      total += high - max, max = high, ++count;
    }
  }
  int32 Mid() const { return queries::ClampToInt32(min + (max - min) / 2); }
};

int32 I(long long v) { return queries::ClampToInt32(v); }

void AddOverallDimensions(int32 linkId, int32 offset, int32 direction, int32 height) {
  Run top, bottom, right, left;
  for (int32 i = 0; i < DrawingList.Count(); ++i) {
    auto* w = dynamic_cast<const TExtwallobj*>(DrawingList.At(i));
    if (!w || w->Kind != kind::ExtWall || w->Floor != CurrentView) continue;
    const bool sloped = !(w->Angle == 0 || w->Angle == 900 || w->Angle == 1800 || w->Angle == 2700);
    auto value = [&](long long low, long long high) { return sloped ? high - low : w->Tag1; };
    if (w->X2 > w->X1) top.Take(w->X1, w->X2, value(w->X1, w->X2));
    if (w->X1 > w->X2) bottom.Take(w->X2, w->X1, value(w->X2, w->X1));
    if (w->Y1 > w->Y2) right.Take(w->Y2, w->Y1, value(w->Y2, w->Y1));
    if (w->Y2 > w->Y1) left.Take(w->Y1, w->Y2, value(w->Y1, w->Y2));
  }
  const bool along = direction == kAlongVertical;
  auto text = [&](plat::Point at, int32 bearing, int32 esc, int32 align, const Run& r, int32 tag) {
    DrawingList.Add(MakeText(kind::Text34, at, bearing, esc, align, height, linkId, tag,
                             I(r.total)));
  };
  if (top.count > 1) {
    const int32 tag = NewGroupId();
    const int32 y = I(right.max + offset);
    AddArrow(OrthogonalArrow({I(top.min), y}, arrowhead::Left), linkId, tag);
    AddArrow(OrthogonalArrow({I(top.max), y}, arrowhead::Right), linkId, tag);
    text({top.Mid(), y}, 900, 0, kAlignLeftBase, top, tag);
  }
  if (right.count > 1) {
    const int32 tag = NewGroupId();
    const int32 x = I(top.max + offset);
    AddArrow(OrthogonalArrow({x, I(right.max)}, arrowhead::Top), linkId, tag);
    AddArrow(OrthogonalArrow({x, I(right.min)}, arrowhead::Bottom), linkId, tag);
    text({x, right.Mid()}, 1800, along ? kAlongVertical : 0, along ? kAlignRightBase : kAlignLeftBase,
         right, tag);
  }
  if (bottom.count > 1) {
    const int32 tag = NewGroupId();
    const int32 y = I(left.min - offset);
    AddArrow(OrthogonalArrow({I(bottom.min), y}, arrowhead::Left), linkId, tag);
    AddArrow(OrthogonalArrow({I(bottom.max), y}, arrowhead::Right), linkId, tag);
    text({bottom.Mid(), y}, 2700, 0, kAlignRightBase, bottom, tag);
  }
  if (left.count > 1) {
    const int32 tag = NewGroupId();
    const int32 x = I(bottom.min - offset);
    AddArrow(OrthogonalArrow({x, I(left.max)}, arrowhead::Top), linkId, tag);
    AddArrow(OrthogonalArrow({x, I(left.min)}, arrowhead::Bottom), linkId, tag);
    text({x, left.Mid()}, 0, along ? kAlongVertical : 0, kAlignLeftBase, left, tag);
  }
}

// The dimension of one wall, `off` outside its face.
void DimensionWall(const TExtwallobj& w, int32 linkId, int32 tag, int32 off, int32 direction,
                   int32 height) {
  const plat::Point a{w.X1, w.Y1}, b{w.X2, w.Y2};
  // A wall's ends come from its file: the places off it are summed in 64
  // bits and held to 32.
  const long long ax = a.x, ay = a.y, bx = b.x, by = b.y;
  auto P = [](long long x, long long y) { return plat::Point{I(x), I(y)}; };
  int32 escapement = 0, alignment = kAlignLeftBase, bearing = 0;
  plat::Point at;
  if (a.y == b.y && b.x > a.x) {
    AddArrow(OrthogonalArrow(P(ax, ay + off), arrowhead::Left), linkId, tag);
    AddArrow(OrthogonalArrow(P(bx, ay + off), arrowhead::Right), linkId, tag);
    at = P(ax + (bx - ax) / 2, ay + off);
    bearing = 900;
  } else if (a.y == b.y && a.x > b.x) {
    AddArrow(OrthogonalArrow(P(bx, ay - off), arrowhead::Left), linkId, tag);
    AddArrow(OrthogonalArrow(P(ax, ay - off), arrowhead::Right), linkId, tag);
    at = P(bx + (ax - bx) / 2, ay - off);
    alignment = kAlignRightBase;
    bearing = 2700;
  } else if (a.x == b.x && b.y > a.y) {
    AddArrow(OrthogonalArrow(P(ax - off, by), arrowhead::Top), linkId, tag);
    AddArrow(OrthogonalArrow(P(ax - off, ay), arrowhead::Bottom), linkId, tag);
    at = P(ax - off, ay + (by - ay) / 2);
    if (direction > 0) escapement = kAlongVertical;
  } else if (a.x == b.x && a.y > b.y) {
    AddArrow(OrthogonalArrow(P(ax + off, by), arrowhead::Bottom), linkId, tag);
    AddArrow(OrthogonalArrow(P(ax + off, ay), arrowhead::Top), linkId, tag);
    at = P(ax + off, by + (ay - by) / 2);
    bearing = 1800;
    if (direction > 0) escapement = kAlongVertical, alignment = kAlignRightBase;
  } else if (a.x != b.x && a.y != b.y) {
    const SlopedPlace s = SlopedDimensionPlace(w.Angle, off);
    AddArrow(SlopedArrow(a, w.Angle, 1, off), kSlopedArrowLink, tag);
    AddArrow(SlopedArrow(b, w.Angle, 2, off), kSlopedArrowLink, tag);
    at = P(ax + s.ox + (bx - ax) / 2, ay + s.oy + (by - ay) / 2);
    const double len = std::hypot(double(b.x) - a.x, double(b.y) - a.y);
    if (len < kShortWall * PixelScale) at = P(1LL * at.x + s.ox, 1LL * at.y + s.oy);
    bearing = w.Angle;
    escapement = SlopedTextEscapement(w.Angle, s.escapement);
    alignment = s.alignment;
  } else {
    return;  // a wall of no length has nothing to measure
  }
  DrawingList.Add(MakeText(kind::Text34, at, bearing, escapement, alignment, height, linkId, tag,
                           w.Tag1));
}

// The link base of a dimension set by two points.
int32 LinkBase(int32 v) {
  if (v >= view::Ground && v <= view::SubFloor) return kLinkBaseFirst + kLinkBaseStep * (v - view::Ground);
  return kLinkBaseFirst + kLinkBaseStep * (view::SubFloor - view::Ground + 1);
}

// A point within reach of a wall face or a room side snaps onto it: one
// coordinate at most, from the first face found.
void SnapToFace(plat::Point& p) {
  const int32 t = kFaceSnap;
  auto horizontalFace = [&](plat::Point a, plat::Point b) {
    if (a.y != b.y) return false;
    const int32 xa = std::min(a.x, b.x), xb = std::max(a.x, b.x);
    if (p.x > xa - t && p.x < xb + t && p.y > a.y - t && p.y < a.y + t) {
      p.y = a.y;
      return true;
    }
    return false;
  };
  auto verticalFace = [&](plat::Point a, plat::Point b) {
    if (a.x != b.x) return false;
    const int32 ya = std::min(a.y, b.y), yb = std::max(a.y, b.y);
    if (p.y > ya - t && p.y < yb + t && p.x > a.x - t && p.x < a.x + t) {
      p.x = a.x;
      return true;
    }
    return false;
  };
  auto face = [&](plat::Point a, plat::Point b) { return horizontalFace(a, b) || verticalFace(a, b); };
  for (int32 i = 6; i < DrawingList.Count(); ++i) {
    const TObj& e = *DrawingList.At(i);
    if (e.Floor != CurrentView) continue;
    if (auto* w = dynamic_cast<const TExtwallobj*>(&e); w && e.Kind == kind::ExtWall) {
      const Segment inner = InnerFace(*w);
      if (face({e.X1, e.Y1}, {e.X2, e.Y2}) || face(inner.a, inner.b)) return;
    } else if (auto* w = dynamic_cast<const TInwallobj*>(&e); w && e.Kind == kind::InWall) {
      const plat::Point a{e.X1, e.Y1}, b{e.X2, e.Y2};
      const plat::Point c{w->Line2X1, w->Line2Y1}, d{w->Line2X2, w->Line2Y2};
      if (a.y == b.y && (horizontalFace(a, b) || horizontalFace(c, d))) return;
      if (a.x == b.x && (verticalFace(a, b) || verticalFace(c, d))) return;
    } else if (kind::IsDesignRoomKind(e.Kind)) {
      if (p.y > e.Y2 - t && p.y < e.Y1 + t) {
        if (std::abs(p.x - e.X1) < t) {
          p.x = e.X1;
          return;
        }
        if (std::abs(p.x - e.X2) < t) {
          p.x = e.X2;
          return;
        }
      }
    }
  }
}

}  // namespace

void TLineobjtool::AutoDimension(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                                 int32 Y, int32 /*flag*/, int32 /*code*/) {
  const queries::DimensionOffsets o = queries::ReadDimensionOffsets();
  SetViewMapping(dc, client);
  if (IsDimensionStep(Step)) {
    PlaceDimension(dc, client, X, Y, o.direction, o.roomDimensionTextSize);
    return;
  }
  RemoveAutoDimensions();
  const int32 n = DrawingList.Count();
  int32 walls = 0;
  for (int32 i = 0; i < n; ++i) {
    auto* w = dynamic_cast<const TExtwallobj*>(DrawingList.At(i));
    if (!w || w->Kind != kind::ExtWall || w->Floor != CurrentView) continue;
    ++walls;
    Tag1 = NewGroupId();
    DimensionWall(*w, LinkId, Tag1, o.external, o.direction, o.textSize);
  }
  if (walls > 4) AddOverallDimensions(LinkId, o.overall, o.direction, o.textSize);
  DrawingList.WriteDrawingFile(dtDrawing);
}

void TLineobjtool::PlaceDimension(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                                  int32 Y, int32 direction, int32 height) {
  if (Step == toolstep::DimensionFirst) {
    plat::Point p = ClickToDrawing(dc, client, X, Y);
    SnapToFace(p);
    X1 = p.x;
    Y1 = p.y;
    return;
  }
  if (Step == toolstep::DimensionSecond) {
    cfg::Reader arrow(ProgramFile(cfgfile::Arrow));
    const int32 e = arrow.IntOr(0);
    const int32 kept = arrow.IntOr(0);
    LinkId = Tag1 = NewGroupId(LinkBase(CurrentView));
    GuideMode = 0;
    plat::Point p = ClickToDrawing(dc, client, X, Y);
    SnapToFace(p);
    X2 = p.x;
    Y2 = p.y;
    const int32 dx = std::abs(X2 - X1), dy = std::abs(Y2 - Y1);
    TDimensobj* d;
    if (dx >= dy) {
      Frame[0] = dx;
      Angle = X2 <= X1 ? 2700 : 900;
      const int32 s = X2 >= X1 ? e : -e;
      d = new TDimensobj(kind::Dimension261, CurrentView, LinkId, Tag1, X1, Y1, X1 + s, Y1, X2, Y1,
                         X2 - s, Y1, Angle, kept, Colour);
      X1 = X1 + (X2 - X1) / 2;
    } else {
      Frame[0] = dy;
      Angle = Y2 >= Y1 ? 0 : 1800;
      const int32 s = Y2 >= Y1 ? e : -e;
      d = new TDimensobj(kind::Dimension261, CurrentView, LinkId, Tag1, X1, Y1, X1, Y1 + s, X1, Y2,
                         X1, Y2 - s, Angle, kept, Colour);
      Y1 = Y1 + (Y2 - Y1) / 2;
      GuideMode = 1;
    }
    d->Paint(dc, client, 0);
    DrawingList.Add(d);
    return;
  }
  // Step 22: the measure as its text.
  const int32 escapement = (direction == kAlongVertical && GuideMode == 1) ? kAlongVertical : 0;
  TTextobj* t = MakeText(kind::WallLengthText, {X1, Y1}, Angle, escapement, kAlignLeftBase, height,
                         LinkId, Tag1, Frame[0]);
  DrawingList.Add(t);
  t->Paint(dc, client, 0);
  DrawingList.WriteDrawingFile(dtDrawing);
}
