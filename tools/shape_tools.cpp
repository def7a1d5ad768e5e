// The shape tools: arcs and rounded rectangles from the keyboard, ellipses
// dragged with the mouse (the line tool's band), circles either way.
#include <cstdlib>
#include <utility>

#include "model/flist.h"
#include "platform/dc.h"
#include "platform/keys.h"
#include "tools/shapetools.h"
#include "tools/tool_drawing.h"

namespace {

constexpr int32 kLowestCoordinate = 10;
// Ends of an arc's chord this many PixelScale units apart still count as in line.
constexpr int32 kChordSlack = 10;

// Orders two values so that the first is the smaller.
std::pair<int32, int32> Ordered(int32 a, int32 b) { return a < b ? std::pair{a, b} : std::pair{b, a}; }

bool WithinSheet(int32 v, int32 sheet) { return v >= kLowestCoordinate && v <= sheet * PixelScale; }

// Every shape the objtools make is stored the same way: one undo step, the
// element painted at once, appended and the live drawing rewritten. A shape
// off the sheet or without an area is refused and reported in Result.
template <class Make>
void StoreShape(TDrawingtool& tool, plat::DeviceContext& dc, const plat::Rect& client, Make make) {
  const ShapeBox box{tool.X1, tool.Y1, tool.X2, tool.Y2};
  if (!BoxOnSheet(box) || !BoxHasArea(box)) {
    tool.Result = kNothingPlaced;
    return;
  }
  tool.Result = 0;
  DrawingList.UpdateUndoHistory(uoRecord, CurrentView);
  TObj* shape = make();
  dc.SetROP2(plat::R2_COPYPEN);
  shape->Paint(dc, client, 0);
  DrawingList.Add(shape);
  DrawingList.WriteDrawingFile(dtDrawing);
  MarkDrawingChanged();
}

// Previews of the filled shapes outline only.
class OutlineOnly : public plat::ScopedBrush {
 public:
  explicit OutlineOnly(plat::DeviceContext& dc) : plat::ScopedBrush(dc, plat::NullBrush()) {}
};

}  // namespace

// ---- Geometry -------------------------------------------------------------------------

bool ArcFromChord(plat::Point first, plat::Point second, int32 bulge, int32 tolerance,
                  ArcShape& arc) {
  if (bulge == 0) return false;
  const plat::Point f = first;
  if (second.y > f.y - tolerance && second.y < f.y + tolerance) {
    const auto [left, right] = Ordered(f.x, second.x);
    if (bulge >= 1) {
      arc.box = {left, f.y - bulge, right, f.y + bulge};
      arc.start = {right, f.y};
      arc.end = {left, f.y};
    } else {
      arc.box = {right, f.y - bulge, left, f.y + bulge};
      arc.start = {left, f.y};
      arc.end = {right, f.y};
    }
    return true;
  }
  if (second.x > f.x - tolerance && second.x < f.x + tolerance) {
    const auto [lower, upper] = Ordered(f.y, second.y);
    if (bulge >= 1) {
      arc.box = {f.x - bulge, lower, f.x + bulge, upper};
      arc.start = {f.x, upper};
      arc.end = {f.x, lower};
    } else {
      arc.box = {f.x - bulge, upper, f.x + bulge, lower};
      arc.start = {f.x, lower};
      arc.end = {f.x, upper};
    }
    return true;
  }
  return false;
}

ShapeBox CircleBox(plat::Point centre, int32 edgeX) {
  const int32 r = edgeX - centre.x;
  return {centre.x - r, centre.y - r, centre.x + r, centre.y + r};
}

bool BoxHasArea(const ShapeBox& b) { return b.x1 != b.x2 && b.y1 != b.y2; }

bool BoxOnSheet(const ShapeBox& b) {
  return WithinSheet(b.x1, DrawingWidth) && WithinSheet(b.x2, DrawingWidth) &&
         WithinSheet(b.y1, DrawingHeight) && WithinSheet(b.y2, DrawingHeight);
}

const char* ShapePrompt(int32 type) {
  switch (type) {
    case tooltype::Arc:
      return "GUIDE: press ENTER on both endpoints of ARC - endpts MUST BE IN LINE horiz or vert!";
    case tooltype::Ellipse: return "GUIDE: press Left Button on one endpoint and DRAG";
    case tooltype::Circle:
      return "GUIDE: First select fill colour then press ENTER on centrepoint, input radius OR "
             "press Left Button on centre and DRAG";
    case tooltype::RoundRect:
      return "GUIDE: First, select fill colour, then press ENTER on one corner -as if squared "
             "off- of ROUNDED RECTANGLE";
    default: return "";
  }
}

// ---- Arc ----------------------------------------------------------------------------------

void TArctool::DrawPreview(plat::DeviceContext& dc, int32) {
  const int32 s = PixelScale;
  dc.Arc(X1 / s, Y1 / s, X2 / s, Y2 / s, ArcStartX / s, ArcStartY / s, ArcEndX / s, ArcEndY / s);
}

void TArctool::ClearArc() {
  X1 = Y1 = X2 = Y2 = 0;
  ArcStartX = ArcStartY = ArcEndX = ArcEndY = 0;
  Clicks = 0;
  Active = 0;
}

void TArctool::KeyDown(plat::DeviceContext& dc, const plat::Rect& client, int32,
                       plat::Point& cursor, int32 amount) {
  Colour = DrawingColour;
  PenWidth = LineThickness;
  const plat::Point p = ClickToDrawing(dc, client, cursor.x, cursor.y);
  if (Clicks == 0) {
    X1 = p.x;
    Y1 = p.y;
    ArcEndX = p.x;
    ArcEndY = p.y;
    Clicks = 1;
    Active = 0;
    Result = 0;
    return;
  }
  ArcShape arc;
  if (ArcFromChord({X1, Y1}, p, amount, kChordSlack * PixelScale, arc)) {
    X1 = arc.box.x1;
    Y1 = arc.box.y1;
    X2 = arc.box.x2;
    Y2 = arc.box.y2;
    ArcStartX = arc.start.x;
    ArcStartY = arc.start.y;
    ArcEndX = arc.end.x;
    ArcEndY = arc.end.y;
    AddElement(dc, client);
  } else {
    Result = kNothingPlaced;
  }
  ClearArc();
}

void TArcobjtool::AddElement(plat::DeviceContext& dc, const plat::Rect& client) {
  StoreShape(*this, dc, client, [&] {
    return new TArcobj(Type, CurrentView, LinkId, Tag1, X1, Marked, Y1, X2, Tag2, Y2, ArcStartX,
                       ArcStartY, ArcEndX, ArcEndY, Colour, PenWidth, PenStyle);
  });
}

// ---- Ellipse ------------------------------------------------------------------------------

// An ellipse without width or height is no figure: it is neither drawn nor
// erased, so the rubber band stays balanced while a drag passes through it.
void TEllipsetool::DrawPreview(plat::DeviceContext& dc, int32) {
  if (!BoxHasArea({X1, Y1, X2, Y2})) return;
  OutlineOnly brush(dc);
  const int32 s = PixelScale;
  dc.Ellipse(X1 / s, Y1 / s, X2 / s, Y2 / s);
}

void TEllipseobjtool::AddElement(plat::DeviceContext& dc, const plat::Rect& client) {
  StoreShape(*this, dc, client, [&] {
    return new TEllipseobj(Type, CurrentView, LinkId, Tag1, X1, Marked, X2, Tag2, Y1, Y2,
                           FillColour, Colour, PenWidth, PenStyle);
  });
  Active = 0;
}

// ---- Circle -------------------------------------------------------------------------------

void TCircletool::DrawPreview(plat::DeviceContext& dc, int32) {
  OutlineOnly brush(dc);
  const int32 s = PixelScale;
  dc.Ellipse(X1 / s, Y1 / s, X2 / s, Y2 / s);
}

// The rubber band is on screen exactly while the box has a size, so drawing
// it again always erases it.
void TCircletool::DrawBand(plat::DeviceContext& dc) {
  if (X1 != X2) DrawPreview(dc, 0);
}

void TCircletool::MouseDown(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                            int32 Y) {
  if (Step == toolstep::CentreFirst || Step == toolstep::CentreSecond) {
    CentreClick(dc, client, X, Y);
    return;
  }
  if (Step >= toolstep::CentreCentreFirst && Step <= toolstep::CentreCentreThird) {
    CentreCentreClick(dc, client, X, Y);
    return;
  }
  ButtonDown = 1;
  PenWidth = LineThickness;
  Colour = DrawingColour;
  const plat::Point p = ClickToDrawing(dc, client, X, Y);
  X1 = X2 = CentreX = p.x;
  Y1 = Y2 = CentreY = p.y;
}

void TCircletool::MouseMove(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                            int32 Y) {
  if (ButtonDown != 1) return;
  const plat::Point p = ClickToDrawing(dc, client, X, Y);
  ScopedXorPen pen(dc, plat::R2_XORPEN, plat::Pen{plat::PS_DOT, 1, Colour});
  DrawBand(dc);
  const ShapeBox b = CircleBox({CentreX, CentreY}, p.x);
  X1 = b.x1;
  Y1 = b.y1;
  X2 = b.x2;
  Y2 = b.y2;
  DrawBand(dc);
}

void TCircletool::MouseUp(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y) {
  if (ButtonDown != 1) return;
  ButtonDown = 0;
  const plat::Point p = ClickToDrawing(dc, client, X, Y);
  {
    ScopedXorPen pen(dc, plat::R2_XORPEN, plat::Pen{plat::PS_DOT, 1, Colour});
    DrawBand(dc);
  }
  const ShapeBox b = CircleBox({CentreX, CentreY}, p.x);
  X1 = b.x1;
  Y1 = b.y1;
  X2 = b.x2;
  Y2 = b.y2;
  dc.SetROP2(plat::R2_COPYPEN);
  AddElement(dc, client);
  CentreX = CentreY = 0;
}

void TCircletool::KeyDown(plat::DeviceContext& dc, const plat::Rect& client, int32,
                          plat::Point& cursor, int32) {
  PenWidth = LineThickness;
  Colour = DrawingColour;
  const plat::Point p = ClickToDrawing(dc, client, cursor.x, cursor.y);
  X1 = p.x - Size;
  Y1 = p.y - Size;
  X2 = X1 + 2 * Size;
  Y2 = Y1 + 2 * Size;
  AddElement(dc, client);
  Size = 0;
  State = toolstate::Idle;
}

void TCircleobjtool::AddElement(plat::DeviceContext& dc, const plat::Rect& client) {
  StoreShape(*this, dc, client, [&] {
    return new TCircleobj(Type, CurrentView, LinkId, Tag1, X1, Marked, X2, Tag2, Y1, Y2,
                          FillColour, Colour, PenWidth, PenStyle);
  });
  Active = 0;
}

// ---- Rounded rectangle -----------------------------------------------------------------------

void TRoundrecttool::DrawPreview(plat::DeviceContext& dc, int32) {
  OutlineOnly brush(dc);
  const int32 s = PixelScale;
  const int32 corner = 2 * Size / s;
  dc.RoundRect(X1 / s, Y1 / s, X2 / s, Y2 / s, corner, corner);
}

void TRoundrecttool::KeyDown(plat::DeviceContext& dc, const plat::Rect& client, int32 key,
                             plat::Point& cursor, int32 amount) {
  PenWidth = LineThickness;
  Colour = DrawingColour;
  switch (key) {
    case plat::VK_RETURN: {
      X2 = Y2 = 0;
      const plat::Point p = ClickToDrawing(dc, client, cursor.x, cursor.y);
      X1 = p.x;
      Y1 = p.y;
      Result = 0;
      break;
    }
    case plat::VK_LEFT: X2 = X1 - amount; break;
    case plat::VK_UP: Y2 = Y1 + amount; break;
    case plat::VK_RIGHT: X2 = X1 + amount; break;
    case plat::VK_DOWN: Y2 = Y1 - amount; break;
    default: break;
  }
  if (X2 != 0 && Y2 != 0) {
    AddElement(dc, client);
    Active = 0;
    X1 = Y1 = X2 = Y2 = 0;
    // The next rectangle starts with Enter, which asks its corner radius.
    State = toolstate::Idle;
    return;
  }
  if (X2 != 0)
    MoveCursorTo(dc, client, X2, Y1);
  else if (Y2 != 0)
    MoveCursorTo(dc, client, X1, Y2);
  else
    MoveCursorTo(dc, client, X1, Y1);
}

void TRndrectobjtool::AddElement(plat::DeviceContext& dc, const plat::Rect& client) {
  StoreShape(*this, dc, client, [&] {
    return new TRndrectobj(Type, CurrentView, LinkId, Tag1, X1, Marked, X2, Tag2, Y1, Y2, Size,
                           FillColour, Colour, PenWidth, PenStyle);
  });
}
