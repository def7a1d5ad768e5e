// TLinetool with the mouse: the rubber band, the guide lines and the edit pick.
#include <cmath>
#include <cstdlib>
#include <utility>

#include "model/flist.h"
#include "model/view_mapping.h"
#include "platform/dc.h"
#include "tools/linetool.h"
#include "tools/tool_drawing.h"

namespace {

// Guide lines leave this gap either side of the crossing and run to these
// window-unit limits.
constexpr int32 kGuideGap = 100;
constexpr int32 kGuideTop = 20000;
constexpr int32 kGuideRight = 30000;
// The outline's guide lines vanish this close (pixels) to the window's edge.
constexpr int32 kGuideEdgeMargin = 10;
// A release this close (per axis, in PixelScale units) to the press is a click.
constexpr int32 kClickSlack = 2;

struct Segment {
  int32 x1, y1, x2, y2;
};

// The lines of an element that an edit click may hit: a line offers its own,
// a wall its own line and its second face.
int32 EditLinesOf(const TObj& e, Segment out[2], int32& angle) {
  const Segment own{e.X1, e.Y1, e.X2, e.Y2};
  if (e.Kind == kind::Line) {
    auto* line = dynamic_cast<const TLineobj*>(&e);
    if (!line) return 0;
    angle = line->Angle;
    out[0] = own;
    return 1;
  }
  if (e.Kind == kind::ExtWall) {
    auto* wall = dynamic_cast<const TExtwallobj*>(&e);
    if (!wall) return 0;
    angle = wall->Angle;
    out[0] = own;
    out[1] = wall->CavityWidth < 1
                 ? Segment{wall->Line2X1, wall->Line2Y1, wall->Line2X2, wall->Line2Y2}
                 : Segment{wall->Line4X1, wall->Line4Y1, wall->Line4X2, wall->Line4Y2};
    return 2;
  }
  if (e.Kind == kind::InWall) {
    auto* wall = dynamic_cast<const TInwallobj*>(&e);
    if (!wall) return 0;
    angle = wall->Angle;
    out[0] = own;
    out[1] = Segment{wall->Line2X1, wall->Line2Y1, wall->Line2X2, wall->Line2Y2};
    return 2;
  }
  return 0;
}

bool IsHorizontalBearing(int32 a) { return a == 900 || a == 2700; }
bool IsVerticalBearing(int32 a) { return a == 0 || a == 1800 || a == 3600; }

// Distance from p to the segment, in drawing units.
double DistanceToSegment(plat::Point p, const Segment& s) {
  const double dx = double(s.x2) - s.x1;
  const double dy = double(s.y2) - s.y1;
  const double len2 = dx * dx + dy * dy;
  double u = 0.0;
  if (len2 > 0.0) u = ((double(p.x) - s.x1) * dx + (double(p.y) - s.y1) * dy) / len2;
  if (u < 0.0) u = 0.0;
  if (u > 1.0) u = 1.0;
  const double ex = s.x1 + u * dx - p.x;
  const double ey = s.y1 + u * dy - p.y;
  return std::sqrt(ex * ex + ey * ey);
}

// The edit click's hit test: orthogonal lines by their band, sloped lines by
// the distance to the line itself (a click elsewhere in a sloped line's
// bounding box is not on it).
bool EditHit(plat::Point p, const Segment& s, int32 angle, int32 t) {
  const int32 xLow = std::min(s.x1, s.x2), xHigh = std::max(s.x1, s.x2);
  const int32 yLow = std::min(s.y1, s.y2), yHigh = std::max(s.y1, s.y2);
  if (IsHorizontalBearing(angle))
    return p.y - t < yLow && p.y + t > yHigh && p.x + t >= xLow && p.x - t <= xHigh;
  if (IsVerticalBearing(angle))
    return p.x - t < xLow && p.x + t > xHigh && p.y + t >= yLow && p.y - t <= yHigh;
  return DistanceToSegment(p, s) < t;
}

// Which end of the picked element the click meant, by its bearing.
plat::Point MeantEnd(const TObj& e, int32 a, plat::Point p) {
  const plat::Point e1{e.X1, e.Y1};
  const plat::Point e2{e.X2, e.Y2};
  bool second;
  if (a >= 450 && a < 1351)
    second = p.x > e.X1 + (e.X2 - e.X1) / 2;
  else if (a >= 1351 && a < 2251)
    second = p.y < e.Y2 + (e.Y1 - e.Y2) / 2;
  else if (a >= 2251 && a < 3151)
    second = p.x < e.X2 + (e.X1 - e.X2) / 2;
  else
    second = p.y > e.Y1 + (e.Y2 - e.Y1) / 2;
  return second ? e2 : e1;
}

}  // namespace

int32 EditPickTolerance() { return MetricUnits == 1 ? 100 : 96; }

void TLinetool::PickForEdit(plat::Point p) {
  const int32 t = EditPickTolerance();
  for (int32 i = 6; i < DrawingList.Count(); ++i) {
    const TObj* e = DrawingList.At(i);
    if (!e) continue;
    SavedStep = e->Floor;
    if (e->Floor != CurrentView) continue;
    Segment lines[2];
    int32 angle = 0;
    const int32 n = EditLinesOf(*e, lines, angle);
    for (int32 k = 0; k < n; ++k) {
      if (!EditHit(p, lines[k], angle, t)) continue;
      Angle = angle;
      Direction = e->Kind;
      CursorX = i;
      const plat::Point end = MeantEnd(*e, angle, p);
      X1 = end.x;
      Y1 = end.y;
      if (Step == toolstep::EditPickEnd) {
        X2 = end.x;
        Y2 = end.y;
      }
      return;
    }
  }
  X1 = kNothingPicked;
  Direction = kNothingPicked;
}

void TLinetool::MouseDown(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                          int32 Y) {
  if (Step >= toolstep::EditFirst && Step < toolstep::EditEnd) {
    PickForEdit(ClickToDrawing(dc, client, X, Y));
    return;
  }
  if (Step == toolstep::LineTextArmed) Step = toolstep::LineTextStarted;
  // The wall tools keep the wall they hold: the window takes their clicks,
  // and a click between the Enter on a start point and the wall's end
  // must not move the wall's start to the sheet's corner.
  if (Step < toolstep::CentreFirst && Type != tooltype::InWall && Type != tooltype::ExtWall)
    X1 = Y1 = X2 = Y2 = 0;
  ButtonDown = 0;
  if (Step == toolstep::CentreFirst || Step == toolstep::CentreSecond) {
    CentreClick(dc, client, X, Y);
    return;
  }
  if (Step >= toolstep::CentreCentreFirst && Step <= toolstep::CentreCentreThird) {
    CentreCentreClick(dc, client, X, Y);
    return;
  }
  // Other types handle their clicks in the plan window.
  if (Type != tooltype::Line && Type != tooltype::Ellipse && Type != tooltype::WallEdit) return;
  ButtonDown = 1;
  PenWidth = LineThickness;
  Colour = DrawingColour;
  const plat::Point p = ClickToDrawing(dc, client, X, Y);
  X1 = X2 = p.x;
  Y1 = Y2 = p.y;
}

// Guide lines follow the pointer (p in window units).
void TLinetool::FollowGuides(plat::DeviceContext& dc, plat::Point p) {
  if (p.x == CursorX && p.y == CursorY) return;
  if (GuidesShown == guides::Shown) DrawGuideLines(dc, GuideMode);
  CursorX = p.x;
  CursorY = p.y;
  DrawGuideLines(dc, GuideMode);
  GuidesShown = guides::Shown;
}

// Near the window's edge the guide lines disappear until the pointer is back.
void TLinetool::HideGuides(plat::DeviceContext& dc, plat::Point p) {
  if (p.x == CursorX && p.y == CursorY) return;
  if (GuidesShown == guides::Shown) DrawGuideLines(dc, GuideMode);
  CursorX = p.x;
  CursorY = p.y;
  GuidesShown = 0;
}

void TLinetool::FollowInwallPreview(plat::DeviceContext& dc, plat::Point p) {
  if (X2 == 0 && Y2 == 0) {
    X2 = p.x;
    Y2 = p.y;
  }
  if (GuideMode < 1) {
    X2 = p.x;
    Y2 = p.y;
    DrawPreview(dc, 0);
    GuideMode = 1;
    return;
  }
  if (p.x == X2 && p.y == Y2) return;
  DrawPreview(dc, 0);
  X2 = p.x;
  Y2 = p.y;
  DrawPreview(dc, 0);
}

void TLinetool::DragRubberBand(plat::DeviceContext& dc, plat::Point p) {
  LineKeyState = Step == toolstep::MultiEnd ? linekey::EndsSegment : linekey::StartsLine;
  if (X1 == 0 || Y1 == 0) {
    X1 = p.x;
    Y1 = p.y;
  }
  if (p.x == X1 && p.y == Y1) return;
  ScopedXorPen pen(dc, plat::R2_XORPEN, plat::Pen{plat::PS_DOT, 1, Colour});
  if (X2 > 0 && Y2 > 0) DrawPreview(dc, 0);
  X2 = p.x;
  Y2 = p.y;
  DrawPreview(dc, 0);
}

void TLinetool::MouseMove(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                          int32 Y) {
  if (ButtonDown != 1) return;
  const plat::Point drawing = ClickToDrawing(dc, client, X, Y);
  const plat::Point window{drawing.x / PixelScale, drawing.y / PixelScale};
  if (Type == tooltype::EnlargeShrink && Step >= 1) {
    FollowGuides(dc, window);
  } else if (Type == tooltype::InWall) {
    FollowInwallPreview(dc, drawing);
  } else if (Type == tooltype::Outline) {
    const bool inside = X > client.left + kGuideEdgeMargin && X < client.right - kGuideEdgeMargin &&
                        Y > client.top + kGuideEdgeMargin && Y < client.bottom - kGuideEdgeMargin;
    if (inside)
      FollowGuides(dc, window);
    else
      HideGuides(dc, window);
  } else {
    DragRubberBand(dc, drawing);
  }
}

void TLinetool::MouseUp(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y) {
  if (ButtonDown != 1 || Type == tooltype::InWall) return;
  ButtonDown = 0;
  const plat::Point p = ClickToDrawing(dc, client, X, Y);
  {
    ScopedXorPen pen(dc, plat::R2_XORPEN, plat::Pen{plat::PS_DOT, 0, Colour});
    DrawPreview(dc, 0);
  }
  X2 = p.x;
  Y2 = p.y;
  // A dragged line keeps its own bearing and length, as a typed one does;
  // the end matching and the edit picks test lines by their bearing.
  if (Type == tooltype::Line && (X1 != X2 || Y1 != Y2)) MeasureBearingAndLength();
  dc.SetROP2(plat::R2_COPYPEN);
  AddElement(dc, client);
  if (Step == toolstep::LineTextStarted) {
    const int32 slack = kClickSlack * PixelScale;
    const bool click = std::abs(X2 - X1) <= slack && std::abs(Y2 - Y1) <= slack;
    Y1 = click ? kClickWithoutDrag : 0;
  }
}

void TLinetool::DrawPreview(plat::DeviceContext& dc, int32 /*mode*/) {
  if (Type != tooltype::InWall) {
    dc.MoveTo(X1 / PixelScale, Y1 / PixelScale);
    dc.LineTo(X2 / PixelScale, Y2 / PixelScale);
    return;
  }
  ScopedXorPen pen(dc, plat::R2_XORPEN, plat::Pen{plat::PS_DOT, 1, DrawingColour});
  if (ButtonDown == 1 && X1 > 0 && Y1 > 0) {
    dc.MoveTo(X1 / PixelScale, Y1 / PixelScale);
    dc.LineTo(X2 / PixelScale, Y2 / PixelScale);
  }
}

void TLinetool::DrawGuideLines(plat::DeviceContext& dc, int32 mode) {
  if (mode != guides::Vertical && mode != guides::Horizontal && mode != guides::Both) return;
  dc.SetROP2(kRopNotXorPen);
  ScopedPen pen(dc, plat::Pen{plat::PS_SOLID, 1, DrawingColour});
  const int32 cx = CursorX;
  const int32 cy = CursorY;
  // The line marking where the base is expanded or shrunk from runs whole
  // through the pointer; the cross of the other tools leaves it a gap.
  const bool whole = Type == tooltype::EnlargeShrink;
  if (mode == guides::Vertical || mode == guides::Both) {
    dc.MoveTo(cx, 0);
    if (!whole) {
      dc.LineTo(cx, cy - kGuideGap);
      dc.MoveTo(cx, cy + kGuideGap);
    }
    dc.LineTo(cx, kGuideTop);
  }
  if (mode == guides::Horizontal || mode == guides::Both) {
    dc.MoveTo(0, cy);
    if (!whole) {
      dc.LineTo(cx - kGuideGap, cy);
      dc.MoveTo(cx + kGuideGap, cy);
    }
    dc.LineTo(kGuideRight, cy);
  }
}

void TLineobjtool::AddElement(plat::DeviceContext& dc, const plat::Rect& client) {
  constexpr int32 kLowestCoordinate = 10;
  if (X1 < kLowestCoordinate || Y1 < kLowestCoordinate || X2 < kLowestCoordinate ||
      Y2 < kLowestCoordinate)
    return;
  if (X1 == X2 && Y1 == Y2) return;
  auto* line = new TLineobj(Type, CurrentView, LinkId, Tag1, X1, Marked, X2, Tag2, Y1, Y2,
                            CursorY, Angle, Colour, PenWidth, PenStyle);
  line->Paint(dc, client, 0);
  DrawingList.Add(line);
  DrawingList.WriteDrawingFile(dtDrawing);
  Active = 0;
  if (Type == tooltype::Line || Type == tooltype::Outline) Active = 1;
}
