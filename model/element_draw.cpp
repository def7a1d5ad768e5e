// Elements drawing themselves: the three entry points that choose the pen
// (a single element painted by a tool, the list drawing of a view, printing)
// and the geometry of the plain shapes, arrows, dimensions, polygons and the
// face lines of walls.
//
// The highlight flag travels as an argument; drawing never writes to the
// element, so a highlighted draw leaves the drawing exactly as it was.
#include "model/element_draw.h"

#include <algorithm>

#include "model/elements.h"
#include "model/queries_support.h"
#include "model/view_mapping.h"

using draw::L;
using draw::LP;

namespace {

bool IsHighlighted(int32 highlight) { return highlight >= 1; }

// Walls whose look follows the tens digit of WallDisplayMode; the other wall
// kinds always draw their face lines.
bool IsStyledWall(int32 k) { return k == kind::ExtWall || k == kind::InWall; }

enum class WallLook { Faces, Detailed, Solid, Hidden };

// The tens digit of WallDisplayMode: 0 face lines, 1 hatched between the
// faces, 2 filled black, 3 and above not drawn.
WallLook LookOf(int32 k) {
  const int32 tens = WallDisplayMode / 10;
  if (tens <= 0 || !IsStyledWall(k)) return WallLook::Faces;
  if (tens == 1) return WallLook::Detailed;
  if (tens == 2) return WallLook::Solid;
  return WallLook::Hidden;
}

// What the three entry points share once the pen is chosen.
void DrawWithPen(TObj& e, plat::DeviceContext& dc, const plat::Pen& pen, int32 highlight) {
  if (kind::IsTextKind(e.Kind)) {
    e.Draw(dc, highlight);  // texts choose their own colour and font
    return;
  }
  switch (LookOf(e.Kind)) {
    case WallLook::Faces: {
      draw::ScopedPen selected(dc, pen);
      e.Draw(dc, highlight);
      break;
    }
    case WallLook::Detailed:
      e.DrawDetailed(dc, highlight);  // makes its own pens
      break;
    case WallLook::Solid: {
      draw::ScopedPen selected(dc, pen);
      e.DrawSolid(dc);
      break;
    }
    case WallLook::Hidden:
      break;
  }
}

// The fill of ellipses, circles, rounded rectangles and filled symbols: a
// highlighted one shows the background through it.
plat::COLORREF FillFor(const TObj& e, int32 highlight) {
  return highlight > 0 ? BackgroundColour : e.FillColour;
}

}  // namespace

// ---- Entry points ----------------------------------------------------------------

void TObj::Paint(plat::DeviceContext& dc, const plat::Rect& client, int32 highlight) {
  if (IsEmptyClient(client)) return;
  SetViewMapping(dc, client);
  dc.SetBkMode(plat::OPAQUE);
  dc.SetPolyFillMode(plat::ALTERNATE);
  dc.SetBkColor(BackgroundColour);
  const plat::Pen pen{PenStyle, PenWidth, IsHighlighted(highlight) ? OverlayColour : Colour};
  DrawWithPen(*this, dc, pen, highlight);
}

void TObj::DrawStyled(plat::DeviceContext& dc, const plat::Rect&, int32 highlight) {
  plat::Pen pen{PenStyle, PenWidth, Colour};
  if (IsHighlighted(highlight)) {
    pen.colour = OverlayColour;
    pen.style = plat::PS_DASH;
  }
  if (Kind == kind::DottedOutline) pen.style = plat::PS_DOT;
  DrawWithPen(*this, dc, pen, highlight);
}

void TObj::DrawForPrint(plat::DeviceContext& dc) {
  // Printed lines are one or two units heavy, scaled to the printer's line
  // weight; dotted lines stay thin so that their dots still show.
  const int32 base = PenWidth == 2 ? 2 : 1;
  const int32 width = PenStyle == plat::PS_DOT ? base : base * ZoomUnits;
  DrawWithPen(*this, dc, plat::Pen{PenStyle, width, Colour}, 0);
}

// ---- Geometry ----------------------------------------------------------------------

void TObj::Draw(plat::DeviceContext&, int32) {}
void TObj::DrawSolid(plat::DeviceContext&) {}
void TObj::DrawDetailed(plat::DeviceContext&, int32) {}

void TLineobj::Draw(plat::DeviceContext& dc, int32) { draw::Line(dc, LP(X1, Y1), LP(X2, Y2)); }

void TArcobj::Draw(plat::DeviceContext& dc, int32) {
  dc.Arc(L(X1), L(Y1), L(X2), L(Y2), L(StartX), L(StartY), L(EndX), L(EndY));
}

void TEllipseobj::Draw(plat::DeviceContext& dc, int32 highlight) {
  draw::ScopedBrush brush(dc, plat::SolidBrush(FillFor(*this, highlight)));
  dc.Ellipse(L(X1), L(Y1), L(X2), L(Y2));
}

void TCircleobj::Draw(plat::DeviceContext& dc, int32 highlight) {
  draw::ScopedBrush brush(dc, plat::SolidBrush(FillFor(*this, highlight)));
  dc.Ellipse(L(X1), L(Y1), L(X2), L(Y2));
}

void TRndrectobj::Draw(plat::DeviceContext& dc, int32 highlight) {
  draw::ScopedBrush brush(dc, plat::SolidBrush(FillFor(*this, highlight)));
  const int32 corner = L(queries::ClampToInt32(2LL * CornerRadius));
  dc.RoundRect(L(X1), L(Y1), L(X2), L(Y2), corner, corner);
}

void TArrowobj::Draw(plat::DeviceContext& dc, int32) {
  const plat::Point tip = LP(X1, Y1);
  draw::Line(dc, tip, LP(X2, Y2));
  draw::Line(dc, tip, LP(BarbX1, BarbY1));
  draw::Line(dc, tip, LP(BarbX2, BarbY2));
  draw::Line(dc, LP(BarX1, BarY1), LP(BarX2, BarY2));
}

// ---- Dimensions --------------------------------------------------------------------

namespace {

// The ends of a dimension line: at each end two head lines and a cross tick
// (two lines), each starting at the end point, offsets in logical units.
struct DimensionEnds {
  int32 angle;
  plat::Point headsA[2], tickA[2], headsC[2], tickC[2];
};

constexpr DimensionEnds kDimensionEnds[] = {
    {900, {{20, 5}, {20, -5}}, {{0, 20}, {0, -20}}, {{-20, 5}, {-20, -5}}, {{0, 20}, {0, -20}}},
    {1800, {{5, -20}, {-5, -20}}, {{20, 0}, {-20, 0}}, {{5, 20}, {-5, 20}}, {{20, 0}, {-20, 0}}},
    {2700, {{-20, 5}, {-20, -5}}, {{0, 20}, {0, -20}}, {{20, 5}, {20, -5}}, {{0, 20}, {0, -20}}},
    {0, {{5, 20}, {-5, 20}}, {{20, 0}, {-20, 0}}, {{5, -20}, {-5, -20}}, {{20, 0}, {-20, 0}}},
};

const DimensionEnds* EndsFor(int32 angle) {
  if (angle == 3600) angle = 0;  // 3600 is up, as 0
  for (const DimensionEnds& e : kDimensionEnds)
    if (e.angle == angle) return &e;
  return nullptr;
}

void DrawFromPoint(plat::DeviceContext& dc, plat::Point p, const plat::Point (&offsets)[2]) {
  for (const plat::Point& o : offsets)
    draw::Line(dc, p, {queries::ClampToInt32(1LL * p.x + o.x), queries::ClampToInt32(1LL * p.y + o.y)});
}

}  // namespace

void TDimensobj::Draw(plat::DeviceContext& dc, int32) {
  if (Shown != 1) return;
  const DimensionEnds* ends = EndsFor(Angle);
  if (!ends) return;
  const plat::Point a = LP(X1, Y1), c = LP(SecondX1, SecondY1);
  draw::Line(dc, a, LP(X2, Y2));
  draw::Line(dc, c, LP(SecondX2, SecondY2));
  DrawFromPoint(dc, a, ends->headsA);
  DrawFromPoint(dc, a, ends->tickA);
  DrawFromPoint(dc, c, ends->headsC);
  DrawFromPoint(dc, c, ends->tickC);
}

// ---- Polygons ----------------------------------------------------------------------

namespace {

enum class PolyLook { Outline, BackgroundFill, HiddenEdges, Filled, Nothing };

constexpr int32 kHiddenEdgeSymbolA = 6500;
constexpr int32 kHiddenEdgeSymbolB = 6600;
constexpr int32 kOutlineFirst = 3131;
constexpr int32 kOutlineLast = 3149;
constexpr int32 kSymbolEdgePenWidth = 2;

PolyLook LookOfPolygon(int32 k) {
  if ((k >= kOutlineFirst && k <= kOutlineLast) || k == kind::DottedOutline ||
      (k >= kind::SiteSymbolFirst && k <= kind::SiteSymbolLast))
    return PolyLook::Outline;
  if (k == kind::OpeningFrame || k == kind::OpeningFrameAlt) return PolyLook::BackgroundFill;
  if (k == kHiddenEdgeSymbolA || k == kHiddenEdgeSymbolB) return PolyLook::HiddenEdges;
  if (k >= kind::FilledSymbolFirst && k <= kind::FilledSymbolLast) return PolyLook::Filled;
  return PolyLook::Nothing;
}

}  // namespace

void TPolyobj::Draw(plat::DeviceContext& dc, int32 highlight) {
  const PolyLook look = LookOfPolygon(Kind);
  if (look == PolyLook::Nothing) return;
  const int32 n = std::clamp<int32>(PointCount, 0, kMaxPolyPoints);
  plat::Point pts[kMaxPolyPoints];
  for (int32 i = 0; i < n; ++i) pts[i] = LP(PointX[i], PointY[i]);
  auto edge = [&](int32 i) { draw::Line(dc, pts[i], pts[(i + 1) % n]); };

  switch (look) {
    case PolyLook::Outline:
      for (int32 i = 0; i < n; ++i) edge(i);
      break;
    case PolyLook::BackgroundFill: {
      draw::ScopedBrush brush(dc, plat::SolidBrush(BackgroundColour));
      dc.Polygon(pts, n);
      break;
    }
    case PolyLook::Filled: {
      draw::ScopedBrush brush(dc, plat::SolidBrush(FillFor(*this, highlight)));
      dc.Polygon(pts, n);
      break;
    }
    case PolyLook::HiddenEdges: {
      // The symbol is filled edge to edge in its fill colour; the edges it
      // lists stay in that colour (they join other parts of the symbol), the
      // rest are outlined with the caller's pen.
      const plat::COLORREF fill = FillFor(*this, highlight);
      const plat::Pen fillPen{plat::PS_SOLID, kSymbolEdgePenWidth, fill};
      {
        draw::ScopedPen pen(dc, fillPen);
        draw::ScopedBrush brush(dc, plat::SolidBrush(fill));
        dc.Polygon(pts, n);
      }
      int32 next = 0;  // the next entry of HiddenEdges to match (ascending)
      for (int32 i = 0; i < n; ++i) {
        if (next < 4 && HiddenEdges[next] == i) {
          ++next;
          draw::ScopedPen pen(dc, fillPen);
          edge(i);
        } else {
          edge(i);
        }
      }
      break;
    }
    case PolyLook::Nothing:
      break;
  }
}

// ---- Walls: face lines and solid fill -----------------------------------------------

void TInwallobj::Draw(plat::DeviceContext& dc, int32) {
  draw::Line(dc, LP(X1, Y1), LP(X2, Y2));
  draw::Line(dc, LP(Line2X1, Line2Y1), LP(Line2X2, Line2Y2));
}

void TExtwallobj::Draw(plat::DeviceContext& dc, int32) {
  draw::Line(dc, LP(X1, Y1), LP(X2, Y2));
  draw::Line(dc, LP(Line2X1, Line2Y1), LP(Line2X2, Line2Y2));
  if (CavityWidth > 0) {
    draw::Line(dc, LP(Line3X1, Line3Y1), LP(Line3X2, Line3Y2));
    draw::Line(dc, LP(Line4X1, Line4Y1), LP(Line4X2, Line4Y2));
  }
}

namespace {
// Both faces, then the band between them filled black (outlined with the
// caller's pen): a, b the face line, c, d the inner line's first and second
// point.
void DrawSolidBand(plat::DeviceContext& dc, plat::Point a, plat::Point b, plat::Point c,
                   plat::Point d) {
  draw::Line(dc, a, b);
  draw::Line(dc, c, d);
  const plat::Point band[4] = {a, b, d, c};
  draw::ScopedBrush brush(dc, plat::BlackBrush());
  dc.Polygon(band, 4);
}
}  // namespace

void TInwallobj::DrawSolid(plat::DeviceContext& dc) {
  DrawSolidBand(dc, LP(X1, Y1), LP(X2, Y2), LP(Line2X1, Line2Y1), LP(Line2X2, Line2Y2));
}

void TExtwallobj::DrawSolid(plat::DeviceContext& dc) {
  // A cavity wall is solid from its face to the inner face of its inner leaf.
  const bool cavity = CavityWidth >= 1;
  const plat::Point c = cavity ? LP(Line4X1, Line4Y1) : LP(Line2X1, Line2Y1);
  const plat::Point d = cavity ? LP(Line4X2, Line4Y2) : LP(Line2X2, Line2Y2);
  DrawSolidBand(dc, LP(X1, Y1), LP(X2, Y2), c, d);
}
