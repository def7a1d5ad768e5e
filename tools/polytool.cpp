// The keyboard polygon of the polygon tool: Enter on the first corner, then
// Enter on each corner at the pointer or an arrow key with a distance; the
// polygon closes when it comes back to its first corner, or on numpad +.
#include "tools/polytool.h"

#include <cmath>
#include <cstdio>

#include "model/flist.h"
#include "model/group_ids.h"
#include "model/view_mapping.h"
#include "platform/dc.h"
#include "platform/dc_scope.h"
#include "platform/keys.h"
#include "platform/ui.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"

namespace {

constexpr int32 kLevelOfFirstFloor = 150;  // the corner level on the first floor
constexpr const char* kTooManyCorners =
    "a polygon has at most 19 points - press numpad + to close it";

}  // namespace

TPolyobjtool::TPolyobjtool() { Type = tooltype::Polygon; }

void TPolyobjtool::Widen(int32 x, int32 y) {
  BoxMinX = std::min(BoxMinX, x);
  BoxMaxX = std::max(BoxMaxX, x);
  BoxMinY = std::min(BoxMinY, y);
  BoxMaxY = std::max(BoxMaxY, y);
}

void TPolyobjtool::StartPolygon(int32 x, int32 y) {
  LinkId = NewGroupId(FloorGroupBase(CurrentView));
  Tag1 = LinkId;
  if (CurrentView == view::First) GuideMode = kLevelOfFirstFloor;
  Colour = DrawingColour;
  PenWidth = LineThickness;
  X1 = X2 = x;
  Y1 = Y2 = y;
  BoxMinX = BoxMaxX = x;
  BoxMinY = BoxMaxY = y;
  VX[0] = x;
  VY[0] = y;
  VZ[0] = 0;
  SetVertexCount(1);
  GuidesShown = 1;
  Result = 0;
}

// False (and a message) when the polygon already holds all it can.
bool TPolyobjtool::AppendVertex(int32 x, int32 y) {
  const int32 n = VertexCount();
  if (n >= kMaxPolyPoints) {
    plat::InfoBox(kTooManyCorners);
    return false;
  }
  VX[n] = x;
  VY[n] = y;
  VZ[n] = 0;
  SetVertexCount(n + 1);
  ++GuidesShown;
  X2 = x;
  Y2 = y;
  Widen(x, y);
  return true;
}

void TPolyobjtool::KeyDown(plat::DeviceContext& dc, const plat::Rect& client, int32 key,
                           plat::Point& cursor, int32 amount) {
  if (Type != tooltype::PolygonCmd) return;
  SetViewMapping(dc, client);
  int32 lx = 0, ly = 0;
  DeviceToWorld(dc, client, cursor.x, cursor.y, lx, ly);
  const int32 px = lx * PixelScale, py = ly * PixelScale;
  const int32 n = VertexCount();
  bool added = false;
  switch (key) {
    case plat::VK_RETURN:
      if (n == 0) {
        StartPolygon(px, py);
        return;
      }
      added = AppendVertex(px, py);
      break;
    case plat::VK_LEFT:
    case plat::VK_RIGHT:
    case plat::VK_UP:
    case plat::VK_DOWN: {
      if (n == 0) return;  // the first corner comes with Enter
      int32 x = VX[n - 1], y = VY[n - 1];
      if (key == plat::VK_LEFT) x -= amount;
      if (key == plat::VK_RIGHT) x += amount;
      if (key == plat::VK_UP) y += amount;
      if (key == plat::VK_DOWN) y -= amount;
      added = AppendVertex(x, y);
      if (added) MoveCursorTo(dc, client, x, y);
      break;
    }
    case plat::VK_ADD:
      if (n == 0) return;
      // The closing corner repeats the first, where there is room for it.
      if (n < kMaxPolyPoints && (VX[n - 1] != VX[0] || VY[n - 1] != VY[0]))
        AppendVertex(VX[0], VY[0]);
      if (GuidesShown > 0 && VertexCount() > 2) {
        GuidesShown = 0;
        AddElement(dc, client);
      }
      return;
    default: return;
  }
  if (!added) return;
  DrawPreview(dc, 0);
  const int32 m = VertexCount();
  if (m > 2 && VX[m - 1] == VX[0] && VY[m - 1] == VY[0] && GuidesShown >= 1) {
    GuidesShown = 0;
    AddElement(dc, client);
  }
}

void TPolyobjtool::DrawPreview(plat::DeviceContext& dc, int32) {
  if (Type != tooltype::PolygonCmd) return;
  plat::ScopedPen pen(dc, plat::Pen{plat::PS_SOLID, 0, Colour});
  for (int32 i = 0; i + 1 < VertexCount(); ++i) {
    dc.MoveTo(VX[i] / PixelScale, VY[i] / PixelScale);
    dc.LineTo(VX[i + 1] / PixelScale, VY[i + 1] / PixelScale);
  }
}

void TPolyobjtool::AddElement(plat::DeviceContext& dc, const plat::Rect& client) {
  GuidesShown = 0;
  Y1 = kPolygonDone;
  Result = kPolygonDone;
  const int32 n = std::min(VertexCount(), kMaxPolyPoints);
  SetVertexCount(0);  // the next Enter starts a new polygon
  if (n < 3) return;
  Fill1 = plat::COLORREF(cfg::ReadFirstInt(ProgramFile(cfgfile::FillColour), 0));
  for (int32 i = 0; i < n; ++i) VZ[i] = GuideMode;
  for (int32& v : PolyValues) v = 100;
  const int32 hidden[4] = {};
  auto* poly = new TPolyobj(kPolygonKind, CurrentView, LinkId, LinkId, PolyValues[0],
                            PolyValues[1], PolyValues[2], PolyValues[3], n, 0, 0, 0, Fill1, 0,
                            Colour, 0, 0, 0, VX, VZ, VY, hidden);
  poly->PenWidth = PenWidth;
  // A repaint while the corners were entered reread the counter from the
  // file: the id this polygon took stays given out.
  NextGroupNumber = std::max(NextGroupNumber, LinkId - FloorGroupBase(CurrentView));
  DrawingList.UpdateUndoHistory(uoRecord, CurrentView);
  poly->Paint(dc, client, 0);
  DrawingList.Add(poly);
  MarkDrawingChanged();
  DrawingList.WriteDrawingFile(dtDrawing);
}

// ---- Dispatch of the other jobs -----------------------------------------------------------

void TPolyobjtool::MouseDown(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                             int32 Y) {
  const plat::Point p = ClickToDrawing(dc, client, X, Y);
  if (Type == tooltype::WorktopMerge &&
      (Step == polystep::FirstWorktop || Step == polystep::SecondWorktop)) {
    ClickX = p.x;
    ClickY = p.y;
    JoinSymbols(Step, p.x, p.y);
    return;
  }
  if (Step >= polystep::FloorPickFirst && Step <= polystep::FloorPickLast) {
    ClickX = p.x;
    ClickY = p.y;
    PickFloorChange(p.x, p.y);
  }
}

void TPolyobjtool::Command(int32 code) {
  switch (code) {
    case 1: PrepareWallChange(); break;
    case 2: TraceFloorOutline(); break;
    case 3: RemoveFloorChange(); break;
    default: break;
  }
}

// ---- Floor areas -----------------------------------------------------------------------------

double OutlineArea(const std::vector<plat::Point>& corners) {
  // Every edge counts, the last back to the first (shoelace sum), on
  // coordinates in the program's area units.
  const std::size_t n = corners.size();
  if (n < 3) return 0.0;
  double twice = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    const plat::Point& a = corners[i];
    const plat::Point& b = corners[(i + 1) % n];
    const double ax = a.x / PixelScale, ay = a.y / PixelScale;
    const double bx = b.x / PixelScale, by = b.y / PixelScale;
    twice += ax * by - bx * ay;
  }
  const double s = std::fabs(twice) / 2.0;
  return MetricUnits == 1 ? s / 40000.0 : s / 2304.0;
}

std::string AreaLabel(double area, int32 metric) {
  const long long thousandths = static_cast<long long>(area * 1000.0);
  long long whole = thousandths / 1000;
  const long long t = thousandths % 1000;
  long long half = 0;
  if (t > 750)
    ++whole;
  else if (t >= 250)
    half = 5;
  char buf[64];
  std::snprintf(buf, sizeof buf, metric == 1 ? " %lld.%lld sq. metres" : " %lld.%lld sq. feet",
                whole, half);
  return buf;
}
