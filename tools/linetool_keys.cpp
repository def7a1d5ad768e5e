// TLinetool from the keyboard: Enter on the start, an arrow key with a typed
// distance or a second Enter on the end; chains of segments, snapping onto
// the last element and onto wall ends, and the multi-line copies.
#include <cmath>
#include <cstdlib>
#include <utility>

#include "model/flist.h"
#include "platform/keys.h"
#include "tools/linetool.h"

int32 LineKeyState = linekey::StartsLine;
int32 LastSegmentEndX = 0;
int32 LastSegmentEndY = 0;

namespace {

// Bearings, tenths of a degree clockwise from up.
constexpr int32 kUp = 0;
constexpr int32 kRight = 900;
constexpr int32 kDown = 1800;
constexpr int32 kLeft = 2700;
constexpr int32 kFullTurn = 3600;
constexpr int32 kHalfTurn = 1800;

// Keyboard direction codes (Direction) of the line tools.
constexpr int32 kDirRight = 1;
constexpr int32 kDirDown = 2;
constexpr int32 kDirLeft = 3;
constexpr int32 kDirUp = 4;

// A second-Enter segment this close (in PixelScale units) to orthogonal is
// straightened.
constexpr int32 kStraightenSlack = 10;

// With Enter, this amount turns straightening off.
constexpr int32 kNoStraightening = 1;

// Thousandths of a degree per radian.
constexpr double kMilliDegreesPerRadian = 57295.78;

int32 OppositeBearing(int32 a) {
  int32 r = a - kHalfTurn;
  if (r < 0) r += kFullTurn;
  return r;
}

bool IsLineOrWallTool(int32 type) {
  return type == tooltype::Line || type == tooltype::Outline || type == tooltype::ExtWall ||
         type == tooltype::InWall;
}

bool IsTracingTool(int32 type) {
  return type == tooltype::Outline || type == tooltype::ExtWall || type == tooltype::InWall;
}

// The fixed segment ends of the design-room wizard, by wizard step.
struct WizardSegment {
  int32 step;
  int32 dxImperial, dyImperial;
  int32 dxMetric, dyMetric;
};
constexpr WizardSegment kWizardSegments[] = {
    {114, 10944, 0, 11400, 0},  {115, 0, -4464, 0, -5000}, {116, -8064, 0, -8400, 0},
    {117, 0, -2256, 0, -2000},  {118, -2880, 0, -3000, 0},
};
constexpr int32 kRoomWizardA = 3;
constexpr int32 kRoomWizardB = 4;

bool WizardSegmentEnd(int32 x1, int32 y1, plat::Point& end) {
  if (WizardActive != 1 || (WizardKind != kRoomWizardA && WizardKind != kRoomWizardB))
    return false;
  for (const auto& s : kWizardSegments) {
    if (s.step != WizardStep) continue;
    end = MetricUnits == 1 ? plat::Point{x1 + s.dxMetric, y1 + s.dyMetric}
                           : plat::Point{x1 + s.dxImperial, y1 + s.dyImperial};
    return true;
  }
  return false;
}

// The angle of a line or wall element, and whether it has one.
bool BearingOf(const TObj& e, int32& angle) {
  if (auto* l = dynamic_cast<const TLineobj*>(&e)) {
    angle = l->Angle;
    return true;
  }
  if (auto* w = dynamic_cast<const TExtwallobj*>(&e)) {
    angle = w->Angle;
    return true;
  }
  if (auto* w = dynamic_cast<const TInwallobj*>(&e)) {
    angle = w->Angle;
    return true;
  }
  return false;
}

bool TakesPartInWallMatch(int32 k) {
  return k == kind::ExtWall || k == kind::InWall || k == kind::Line || k == kind::WallLine;
}

// Whether the start point s lies on the element's line (widened by t).
bool StartOnLine(plat::Point s, const TObj& e, int32 angle, int32 t) {
  const int32 xLow = std::min(e.X1, e.X2), xHigh = std::max(e.X1, e.X2);
  const int32 yLow = std::min(e.Y1, e.Y2), yHigh = std::max(e.Y1, e.Y2);
  if (angle == kRight || angle == kLeft)
    return s.y - t < yLow && s.y + t > yHigh && s.x + t >= xLow && s.x - t <= xHigh;
  if (angle == kUp || angle == kDown || angle == kFullTurn)
    return s.x - t < xLow && s.x + t > xHigh && s.y + t >= yLow && s.y - t <= yHigh;
  return s.x >= xLow - t && s.x <= xHigh + t && s.y >= yLow - t && s.y <= yHigh + t;
}

bool WithinBoth(plat::Point a, int32 x, int32 y, int32 t) {
  return std::abs(a.x - x) < t && std::abs(a.y - y) < t;
}

}  // namespace

int32 WallEndTolerance() { return MetricUnits == 1 ? 25 : 24; }

int32 SlopedBearing(int32 x1, int32 y1, int32 x2, int32 y2) {
  const double dx = std::abs(double(x2) - x1);
  const double dy = std::abs(double(y2) - y1);
  const int32 q = static_cast<int32>(std::atan(dx / dy) * kMilliDegreesPerRadian);
  const int32 a = q / 100 + (q % 100 > 49 ? 1 : 0);
  const bool right = x2 > x1;
  const bool up = y2 > y1;
  if (right && up) return a;
  if (right) return kHalfTurn - a;
  if (!up) return kHalfTurn + a;
  return kFullTurn - a;
}

// ---- End matching ------------------------------------------------------------

int32 TLinetool::MatchWallEnd() {
  const int32 t = WallEndTolerance();
  const plat::Point s{X1, Y1};
  for (int32 i = 6; i < DrawingList.Count(); ++i) {
    const TObj* e = DrawingList.At(i);
    if (!e) continue;
    SavedStep = e->Floor;
    if (e->Floor != CurrentView || !TakesPartInWallMatch(e->Kind)) continue;
    int32 angle = 0;
    if (!BearingOf(*e, angle) || !StartOnLine(s, *e, angle, t)) continue;
    // The first line under the start decides: a start away from its ends is
    // treated as lying on nothing.
    if (WithinBoth(s, e->X2, e->Y2, t)) {
      X1 = e->X2;
      Y1 = e->Y2;
      return 1;
    }
    if (WithinBoth(s, e->X1, e->Y1, t)) return 0;
    break;
  }

  // Nothing to end on: orient the segment by its keyboard direction.
  int32 bearing = 0;
  bool swap = false;
  switch (Direction) {
    case kDirRight:
      if (Angle == kLeft) Angle = kRight;
      bearing = kRight;
      swap = X1 > X2;
      break;
    case kDirLeft:
      if (Angle == kRight) Angle = kLeft;
      bearing = kLeft;
      swap = X1 < X2;
      break;
    case kDirDown:
      if (Angle == kUp || Angle == kFullTurn) Angle = kDown;
      bearing = kDown;
      swap = Y1 < Y2;
      break;
    case kDirUp:
      if (Angle == kDown) Angle = kUp;
      bearing = kUp;
      swap = Y1 > Y2;
      break;
    default:
      return 2;
  }
  if (swap) {
    std::swap(X1, X2);
    std::swap(Y1, Y2);
    Size = 1;
    if (Angle != bearing) Angle = OppositeBearing(Angle);
  }
  return 2;
}

// The bearing and length of the band from (X1, Y1) to (X2, Y2).
void TLinetool::MeasureBearingAndLength() {
  if (X2 == X1 || Y2 == Y1) {
    if (X2 > X1) {
      Angle = kRight;
      Tag1 = X2 - X1;
    } else if (X1 > X2) {
      Angle = kLeft;
      Tag1 = X1 - X2;
    } else if (Y1 <= Y2) {
      Angle = kUp;
      Tag1 = Y2 - Y1;
    } else {
      Angle = kDown;
      Tag1 = Y1 - Y2;
    }
  } else {
    const double dx = std::abs(double(X2) - X1);
    const double dy = std::abs(double(Y2) - Y1);
    Tag1 = static_cast<int32>(std::sqrt(dx * dx + dy * dy));
    Angle = SlopedBearing(X1, Y1, X2, Y2);
  }
}

// ---- Keyboard drawing --------------------------------------------------------------

void TLinetool::KeyDown(plat::DeviceContext& dc, const plat::Rect& client, int32 key,
                        plat::Point& cursor, int32 amount) {
  if (Step == toolstep::MultiCopies) {
    LayMultiLineCopies(dc, client, cursor);
    return;
  }
  if (Step == toolstep::LineTextArmed) Step = toolstep::LineTextStarted;
  PenWidth = LineThickness;
  Colour = DrawingColour;
  if (Type == tooltype::Outline || Type == tooltype::ExtWall) {
    LineThickness = 1;
    PenWidth = 1;
    if (Active == 0) {
      LineKeyState = linekey::StartsLine;
      Active = 1;
    } else if (Active == 1) {
      LineKeyState = linekey::EndsSegment;
    }
  }
  // The sheet's centre, unless a segment is drawn below.
  plat::Point end{DrawingWidth * PixelScale / 2, DrawingHeight * PixelScale / 2};

  bool refused = false;
  switch (key) {
    case plat::VK_LEFT:
    case plat::VK_UP:
    case plat::VK_RIGHT:
    case plat::VK_DOWN:
      refused = !KeyArrow(dc, client, key, amount, end);
      break;
    case plat::VK_RETURN:
      if (LineKeyState == linekey::StartsLine || CursorY == kStartNewKeyLine)
        KeyFirstEnter(dc, client, cursor);
      else if (LineKeyState == linekey::EndsSegment)
        refused = !KeySecondEnter(dc, client, cursor, amount, end);
      break;
    default:
      break;
  }
  KeyCommonEnd(dc, client, end, refused);
}

// A typed start lying within one unit of the last element's end is taken to
// mean that end.
void TLinetool::SnapStartToLastElement() {
  if (DrawingList.Count() <= 6) return;
  const TObj* last = DrawingList.At(DrawingList.Count() - 1);
  if (!last) return;
  if (last->X2 > X1 - PixelScale && last->X2 < X1 + PixelScale) X1 = last->X2;
  if (last->Y2 > Y1 - PixelScale && last->Y2 < Y1 + PixelScale) Y1 = last->Y2;
}

// Swaps the segment when it starts on a wall's first end, records the undo
// step of a line and hands the segment to the tool.
bool TLinetool::CommitSegment(plat::DeviceContext& dc, const plat::Rect& client) {
  const int32 before = DrawingList.Count();
  if (MatchWallEnd() == 0) {
    std::swap(X1, X2);
    std::swap(Y1, Y2);
    Angle = OppositeBearing(Angle);
    Size = 1;
  }
  if (Type == tooltype::InWall) GuidesShown = Size;
  if (Type == tooltype::Line) DrawingList.UpdateUndoHistory(uoRecord, CurrentView);
  AddElement(dc, client);
  return DrawingList.Count() > before;
}

void TLinetool::KeepPoint(plat::Point from, plat::Point lastEnd, plat::Point& end) {
  X1 = X2 = from.x;
  Y1 = Y2 = from.y;
  CursorX = from.x / PixelScale;
  CursorY = from.y / PixelScale;
  LastSegmentEndX = lastEnd.x;
  LastSegmentEndY = lastEnd.y;
  end = from;
}

bool TLinetool::KeyArrow(plat::DeviceContext& dc, const plat::Rect& client, int32 key,
                         int32 amount, plat::Point& end) {
  SnapStartToLastElement();
  const plat::Point from{X1, Y1};
  const plat::Point lastEnd{LastSegmentEndX, LastSegmentEndY};
  Tag1 = amount;
  X2 = X1;
  Y2 = Y1;
  switch (key) {
    case plat::VK_RIGHT:
      X2 = X1 + amount;
      Angle = kRight;
      break;
    case plat::VK_DOWN:
      Y2 = Y1 - amount;
      Angle = kDown;
      break;
    case plat::VK_UP:
      Y2 = Y1 + amount;
      Angle = kUp;
      break;
    default:  // left
      X2 = X1 - amount;
      Angle = kLeft;
      break;
  }
  end = {X2, Y2};
  CursorX = end.x / PixelScale;
  CursorY = end.y / PixelScale;
  if (Type == tooltype::ExtWall) {
    LastSegmentEndX = end.x;
    LastSegmentEndY = end.y;
  }
  const bool stored = CommitSegment(dc, client);
  LineKeyState = linekey::EndsSegment;
  if (stored || !IsTracingTool(Type)) return true;
  KeepPoint(from, lastEnd, end);
  return false;
}

void TLinetool::KeyFirstEnter(plat::DeviceContext& dc, const plat::Rect& client,
                              plat::Point cursor) {
  LineKeyState = linekey::StartsLine;
  if (Type == tooltype::InWall) CursorY = 0;
  PenWidth = LineThickness;
  Colour = DrawingColour;
  const plat::Point p = ClickToDrawing(dc, client, cursor.x, cursor.y);
  X1 = p.x;
  Y1 = p.y;
  if (Type == tooltype::InWall) {
    GuideMode = 0;
    SavedStep = 0;
    Command(1);
    Frame[0] = SavedStep;  // the internal-wall tool leaves its answer there
  }
}

// Straightens a nearly orthogonal segment and works out its bearing and length.
void TLinetool::MeasureSegment(bool straighten) {
  const int32 slack = kStraightenSlack * PixelScale;
  Angle = 0;
  const int32 adx = std::abs(X2 - X1);
  const int32 ady = std::abs(Y2 - Y1);
  if (straighten) {
    // Only one of the two is applied, x first.
    if (adx > 0 && adx <= slack)
      X2 = X1;
    else if (ady > 0 && ady <= slack)
      Y2 = Y1;
  }
  MeasureBearingAndLength();
  LastSegmentEndX = X2;
  LastSegmentEndY = Y2;
}

bool TLinetool::KeySecondEnter(plat::DeviceContext& dc, const plat::Rect& client,
                               plat::Point cursor, int32 amount, plat::Point& end) {
  const plat::Point from{X1, Y1};
  const plat::Point lastEnd{LastSegmentEndX, LastSegmentEndY};
  plat::Point p;
  if (!WizardSegmentEnd(X1, Y1, p)) p = ClickToDrawing(dc, client, cursor.x, cursor.y);
  X2 = p.x;
  Y2 = p.y;
  if (IsTracingTool(Type)) {
    MeasureSegment(amount != kNoStraightening);
  }
  end = {X2, Y2};
  CursorX = end.x / PixelScale;
  CursorY = end.y / PixelScale;
  if (!CommitSegment(dc, client) && IsTracingTool(Type)) {
    KeepPoint(from, lastEnd, end);
    return false;
  }
  X1 = X2;
  Y1 = Y2;
  Angle = 0;
  return true;
}

void TLinetool::KeyCommonEnd(plat::DeviceContext& dc, const plat::Rect& client,
                             plat::Point end, bool refused) {
  if (LineKeyState != linekey::StartsLine) {
    // A refused wall or segment leaves the pointer where it was.
    const bool wall = Type == tooltype::ExtWall;
    if (!refused) MoveCursorTo(dc, client, wall ? LastSegmentEndX : X2, wall ? LastSegmentEndY : Y2);
    if (IsTracingTool(Type)) {
      LineKeyState = linekey::EndsSegment;
      if (Type == tooltype::InWall) {
        GuideMode = 1;
        if (Frame[0] == 1 && !refused) Command(3);
      } else {
        GuidesShown = 1;
      }
      X1 = X2 = end.x;
      Y1 = Y2 = end.y;
      CursorX = end.x / PixelScale;
      CursorY = end.y / PixelScale;
    } else if (Type == tooltype::Line && Step == toolstep::Idle) {
      X1 = X2;
      Y1 = Y2;
      LineKeyState = linekey::EndsSegment;
    } else if (Step == toolstep::LineTextStarted) {
      X1 = X2;
      Y1 = Y2;
      LineKeyState = linekey::StartsLine;
    } else {
      LineKeyState = linekey::StartsLine;
    }
  }
  if (LineKeyState == linekey::StartsLine && IsLineOrWallTool(Type)) {
    CursorX = X1 / PixelScale;
    CursorY = Y1 / PixelScale;
    LineKeyState = linekey::EndsSegment;
  }
  if (Step == toolstep::MultiStart) {
    Step = toolstep::MultiEnd;
    ButtonDown = 1;
    X2 = X1;
    Y2 = Y1;
  } else if (Step == toolstep::MultiEnd) {
    Step = toolstep::MultiCopies;
    ButtonDown = 0;
    Active = 0;
  }
}

// The copies of the multi-line function: N lines in all, evenly spaced from
// the first one (the last element) to the one starting at the pointer.
void TLinetool::LayMultiLineCopies(plat::DeviceContext& dc, const plat::Rect& client,
                                   plat::Point cursor) {
  const plat::Point p = ClickToDrawing(dc, client, cursor.x, cursor.y);
  ButtonDown = 0;
  const int32 gaps = Size - 1;
  // One line in all lays no copies (and there is nothing to copy before the
  // first line exists).
  if (gaps < 1 || DrawingList.Count() <= 6) {
    Step = toolstep::Idle;
    return;
  }
  const TObj* first = DrawingList.At(DrawingList.Count() - 1);
  const int32 fx1 = first->X1, fy1 = first->Y1, fx2 = first->X2, fy2 = first->Y2;
  X1 = fx1;
  Y1 = fy1;
  X2 = fx2;
  Y2 = fy2;
  const int32 sx = (p.x - fx1) / gaps;
  const int32 sy = (p.y - fy1) / gaps;
  for (int32 k = 1; k < gaps; ++k) {
    X1 += sx;
    Y1 += sy;
    X2 += sx;
    Y2 += sy;
    AddElement(dc, client);
  }
  X1 = p.x;
  Y1 = p.y;
  X2 = p.x + (fx2 - fx1);
  Y2 = p.y + (fy2 - fy1);
  AddElement(dc, client);
  Step = toolstep::Idle;
}
