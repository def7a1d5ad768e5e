// The polygon tool's wall and floor changes: picking a wall face, preparing
// a strip along it, walking round a room from wall face to wall face and
// labelling it with its floor area.
#include <cmath>
#include <limits>

#include "model/flist.h"
#include "model/group_ids.h"
#include "model/queries_support.h"
#include "model/wall_faces.h"
#include "platform/ui.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"
#include "tools/polytool.h"

namespace {

using walls::Face;

constexpr int32 kWalkTolerance = 25;
constexpr int32 kMaxWalkCorners = 17;
constexpr int32 kFar = 300000;
constexpr int32 kLabelDropOption2 = 100;
constexpr int32 kLabelDropOption3 = 200;
constexpr int32 kTextBearing = 2700;
constexpr int32 kExtWallKindLast = 105;
constexpr int32 kInWallKindLast = 156;
constexpr int32 kStopEndStart = 154;
constexpr int32 kStopEndEnd = 155;
constexpr int32 kMaxPickedCorners = 17;

// A face of a wall of the current view.
struct WallFace {
  int32 index;
  Face f;
  int32 bearing;
};

enum FaceSet : unsigned {
  kMainLines = 1u << 0,  // external walls' outer face too
  kStopEnds = 1u << 1,   // the faces of stop ends 154 and 155
};

std::vector<WallFace> FacesOfView(unsigned set) {
  std::vector<WallFace> out;
  for (int32 i = 6; i < DrawingList.Count(); ++i) {
    const TObj& e = *DrawingList.At(i);
    if (e.Floor != CurrentView) continue;
    const int32 a = walls::BearingOf(e);
    if (const auto* w = dynamic_cast<const TExtwallobj*>(&e); w && e.Kind == kind::ExtWall) {
      if (set & kMainLines) out.push_back({i, walls::MainLine(e), a});
      Face inner = walls::InnerFace(*w);
      inner.face = 2;
      out.push_back({i, inner, a});
    } else if (const auto* w = dynamic_cast<const TInwallobj*>(&e)) {
      if (e.Kind == kind::InWall) {
        out.push_back({i, walls::MainLine(e), a});
        out.push_back({i, walls::SecondFace(*w), a});
      } else if ((set & kStopEnds) && (e.Kind == kStopEndStart || e.Kind == kStopEndEnd)) {
        out.push_back({i, walls::MainLine(e), a});
      }
    }
  }
  return out;
}

// The wall's face other than f (the side its body lies on).
Face OtherFace(const TObj& wall, const Face& f) {
  if (const auto* w = dynamic_cast<const TExtwallobj*>(&wall)) {
    const Face main = walls::MainLine(wall);
    const Face inner = walls::InnerFace(*w);
    return f.face == 1 ? inner : main;
  }
  if (const auto* w = dynamic_cast<const TInwallobj*>(&wall))
    return f.face == 1 ? walls::SecondFace(*w) : walls::MainLine(wall);
  return f;
}

int32 Tolerance() { return MetricUnits == 1 ? 25 : 24; }

}  // namespace

// ---- Picks ---------------------------------------------------------------------------------

void TPolyobjtool::PickFloorChange(int32 px, int32 py) {
  for (int32 i = 6; i < DrawingList.Count(); ++i) {
    const auto* p = dynamic_cast<const TPolyobj*>(DrawingList.At(i));
    if (!p || p->Floor != CurrentView || p->Kind < kFloorChangeFirst ||
        p->Kind > kFloorChangePickLast)
      continue;
    const int32 n = std::clamp(p->PointCount, 0, kMaxPolyPoints);
    if (n == 0) continue;
    int32 minX = p->PointX[0], maxX = minX, minY = p->PointY[0], maxY = minY;
    for (int32 k = 1; k < n; ++k) {
      minX = std::min(minX, p->PointX[k]);
      maxX = std::max(maxX, p->PointX[k]);
      minY = std::min(minY, p->PointY[k]);
      maxY = std::max(maxY, p->PointY[k]);
    }
    if (px > minX && px < maxX && py > minY && py < maxY) {
      CursorX = i;
      GuideMode = kFloorChangePicked;
      return;
    }
  }
  // The wall face nearest to the left of the point; a sloped face counts
  // where its line crosses the point's height, whatever its direction.
  double best = -std::numeric_limits<double>::infinity();
  const WallFace* found = nullptr;
  const std::vector<WallFace> faces = FacesOfView(0);
  for (const WallFace& w : faces) {
    if (walls::IsHorizontalBearing(w.bearing) || w.f.y1 == w.f.y2) continue;
    const bool upright = walls::IsVerticalBearing(w.bearing);
    const int32 widen = upright ? 0 : kWalkTolerance;
    if (upright ? !(py > w.f.MinY() && py < w.f.MaxY())
                : (py < w.f.MinY() - widen || py > w.f.MaxY() + widen))
      continue;
    const double x = upright ? w.f.x1 : walls::CrossingX(w.f, py);
    if (x < px && x > best) {
      best = x;
      found = &w;
    }
  }
  if (!found || !walls::IsOrthogonalBearing(found->bearing)) {
    X1 = kNothingPicked;
    return;
  }
  CursorX = GuideMode = found->index;
  X1 = found->f.x1;
  Y1 = py;
}

void TPolyobjtool::Execute(int32 x, int32 y, int32) {
  const int32 t = Tolerance();
  for (const WallFace& w : FacesOfView(kStopEnds)) {
    const Face& f = w.f;
    bool hit = false;
    if (walls::IsHorizontalBearing(w.bearing)) {
      hit = y > f.y1 - t && y < f.y1 + t && x >= f.MinX() - t && x <= f.MaxX() + t;
    } else if (walls::IsVerticalBearing(w.bearing)) {
      hit = x > f.x1 - t && x < f.x1 + t && y >= f.MinY() - t && y <= f.MaxY() + t;
    } else if (f.y1 != f.y2) {
      hit = y >= f.MinY() - t && y <= f.MaxY() + t &&
            std::fabs(walls::CrossingX(f, y) - x) < t;
    }
    if (!hit) continue;
    if (!walls::IsOrthogonalBearing(w.bearing)) Step = polystep::SlopedWall;
    X1 = x;
    Y1 = y;
    GuideMode = w.index;
    CursorX = f.face;
    GuidesShown = t;
    Active = 0;
    return;
  }
  X1 = kNothingPicked;
}

// ---- Wall change ------------------------------------------------------------------------------

void TPolyobjtool::PrepareWallChange() {
  if (GuideMode < 6 || GuideMode >= DrawingList.Count()) {
    X1 = kNothingPicked;
    return;
  }
  const TObj& wall = *DrawingList.At(GuideMode);
  {
    cfg::Reader r(ProgramFile(cfgfile::WallChange));
    int32 v[5] = {};
    for (int32& x : v) r.Int(x);
    Setting = v[2];
    TextPlacement = v[3];
  }
  const auto* ext = dynamic_cast<const TExtwallobj*>(&wall);
  const auto* in = dynamic_cast<const TInwallobj*>(&wall);
  const bool isExt = ext && wall.Kind >= kind::ExtWall && wall.Kind <= kExtWallKindLast;
  const bool isIn = in && wall.Kind >= kind::InWall && wall.Kind <= kInWallKindLast;
  if (!isExt && !isIn) {
    X1 = kNothingPicked;
    return;
  }
  Angle = walls::BearingOf(wall);
  Fill1 = isExt ? plat::COLORREF(ext->WallValues[3])
                : plat::COLORREF(in->WallValues[CursorX == 1 ? 5 : 6]);

  // The faces round the point: nearest left, right, below and above.
  const int32 t = GuidesShown;
  const int32 px = X1, py = Y1;
  int32 left = 0, right = kFar, below = 0, above = kFar;
  for (const WallFace& w : FacesOfView(kStopEnds)) {
    if (w.index == GuideMode) continue;
    const Face& f = w.f;
    if (walls::IsVerticalBearing(w.bearing) && py > f.MinY() - t && py < f.MaxY() + t) {
      if (f.x1 < px) left = std::max(left, f.x1);
      if (f.x1 > px) right = std::min(right, f.x1);
    } else if (walls::IsHorizontalBearing(w.bearing) && px > f.MinX() - t &&
               px < f.MaxX() + t) {
      if (f.y1 < py) below = std::max(below, f.y1);
      if (f.y1 > py) above = std::min(above, f.y1);
    }
  }

  for (int32 i = 0; i < kMaxPickedCorners; ++i) VX[i] = VY[i] = VZ[i] = 0;
  for (int32& v : PolyValues) v = 1;
  NextGroupNumber = GroupNumberAfter(NextGroupNumber);
  CursorY = wall.LinkId;
  const int32 d = 2 * PixelScale;
  const int32 h1 = wall.Marked, h2 = wall.Tag2;
  if (isIn && wall.Kind == kind::InWall && in->Tag2 != in->Line2Z1) return;

  // The face picked, and the one behind it: the strip lies on the room side.
  Face face = walls::MainLine(wall);
  Face behind = face;
  if (isExt) {
    face = walls::InnerFace(*ext);
    behind = walls::MainLine(wall);
  } else if (wall.Kind == kind::InWall) {
    face = CursorX == 1 ? walls::MainLine(wall) : walls::SecondFace(*in);
    behind = CursorX == 1 ? walls::SecondFace(*in) : walls::MainLine(wall);
  }
  auto set = [&](int32 i, int32 x, int32 y, int32 z) {
    VX[i] = x;
    VY[i] = y;
    VZ[i] = z;
  };
  if (walls::IsVerticalBearing(Angle)) {
    const int32 x0 = face.x1 + (behind.x1 > face.x1 ? -d : d);
    set(0, x0, above, h1);
    set(1, x0, below, h1);
    set(2, x0, below, h2);
    set(3, x0, above, h2);
  } else if (walls::IsHorizontalBearing(Angle)) {
    const int32 y0 = face.y1 + (behind.y1 > face.y1 ? -d : d);
    set(0, left, y0, h1);
    set(1, right, y0, h1);
    set(2, right, y0, h2);
    set(3, left, y0, h2);
  }
}

// ---- Floor change -----------------------------------------------------------------------------

int32 TPolyobjtool::NextWallFace(int32 index, int32 mode) {
  const int32 t = kWalkTolerance;
  const int32 current =
      index >= 0 && index < DrawingList.Count() ? walls::BearingOf(*DrawingList.At(index)) : -1;
  const int32 px = X1, py = Y1;
  const WallFace* hit = nullptr;
  int32 best = 0;
  const std::vector<WallFace> faces = FacesOfView(kMainLines);
  for (const WallFace& w : faces) {
    if (!walls::IsOrthogonalBearing(w.bearing)) continue;
    if (mode == 1 && (w.index == index || w.bearing == current)) continue;
    const Face& f = w.f;
    const bool across = walls::IsHorizontalBearing(w.bearing);
    int32 c = 0;
    bool candidate = false;
    switch (WalkDirection) {
      case 1:  // down: the nearest face below
        candidate = across && px >= f.MinX() - t && px <= f.MaxX() + t && f.y1 < py;
        c = f.y1;
        if (candidate && hit && c <= best) candidate = false;
        break;
      case 3:  // up
        candidate = across && px >= f.MinX() - t && px <= f.MaxX() + t && f.y1 > py;
        c = f.y1;
        if (candidate && hit && c >= best) candidate = false;
        break;
      case 2:  // right
        candidate = !across && py >= f.MinY() - t && py <= f.MaxY() + t && f.x1 > px;
        c = f.x1;
        if (candidate && hit && c >= best) candidate = false;
        break;
      default:  // left
        candidate = !across && py >= f.MinY() - t && py <= f.MaxY() + t && f.x1 < px;
        c = f.x1;
        if (candidate && hit && c <= best) candidate = false;
        break;
    }
    if (candidate) {
      hit = &w;
      best = c;
    }
  }
  if (!hit) return kNothingPicked;
  const Face other = OtherFace(*DrawingList.At(hit->index), hit->f);
  switch (WalkDirection) {
    case 1:
      Y1 = best;
      WalkDirection = other.y1 < best ? 2 : 4;
      break;
    case 2:
      X1 = best;
      WalkDirection = other.x1 > best ? 3 : 1;
      break;
    case 3:
      Y1 = best;
      WalkDirection = other.y1 > best ? 4 : 2;
      break;
    default:
      X1 = best;
      WalkDirection = other.x1 < best ? 1 : 3;
      break;
  }
  return hit->index;
}

void TPolyobjtool::TraceFloorOutline() {
  int32 level = 0, height = 0;
  const int32 record = CurrentView - view::Ground;
  if (record >= 0 && record <= view::SubFloor - view::Ground && record < DrawingList.Count()) {
    level = DrawingList.At(record)->Marked;
    height = DrawingList.At(record)->Tag2;
  }
  NextGroupNumber = GroupNumberAfter(NextGroupNumber);
  {
    cfg::Reader r(ProgramFile(cfgfile::FloorChange));
    int32 cancel = 0;
    r.Int(Setting);
    r.Int(TextPlacement);
    r.Int(cancel);
    if (cancel != 0) return;
    cfg::Reader c(ProgramFile(cfgfile::FloorColours));
    int32 a = 0, b = 0;
    if (c.Int(a)) Fill1 = plat::COLORREF(a);
    if (c.Int(b)) Fill2 = plat::COLORREF(b);
  }
  WalkDirection = 1;
  std::vector<plat::Point> corners;
  int32 at = NextWallFace(GuideMode, 0);
  if (at == kNothingPicked) {
    X1 = kNothingPicked;
    return;
  }
  corners.push_back({X1, Y1});
  const plat::Point start{X1, Y1};
  BoxMinX = BoxMaxX = X1;
  BoxMinY = BoxMaxY = Y1;
  while (static_cast<int32>(corners.size()) <= kMaxWalkCorners) {
    at = NextWallFace(at, 1);
    if (at == kNothingPicked) break;
    corners.push_back({X1, Y1});
    Widen(X1, Y1);
    if (std::abs(X1 - start.x) < kWalkTolerance && std::abs(Y1 - start.y) < kWalkTolerance) break;
  }
  LabelX = BoxMinX + (BoxMaxX - BoxMinX) / 2;
  LabelY = BoxMinY + (BoxMaxY - BoxMinY) / 2 -
           (TextPlacement == 2 ? kLabelDropOption2 : TextPlacement == 3 ? kLabelDropOption3 : 0);
  NextGroupNumber = GroupNumberAfter(NextGroupNumber);
  LinkId = NextGroupNumber;
  for (int32& v : PolyValues) v = 1;
  const int32 n = std::min<int32>(static_cast<int32>(corners.size()), kListCapacity);
  for (int32 i = 0; i < n; ++i) {
    VX[i] = corners[static_cast<std::size_t>(i)].x;
    VY[i] = corners[static_cast<std::size_t>(i)].y;
    VZ[i] = level;
  }
  SetVertexCount(n);
  DrawingList.UpdateUndoHistory(uoRecord, CurrentView);
  AddFloorAreaText();
  MarkDrawingChanged();
  DrawingList.WriteDrawingFile(dtDrawing);
  for (int32 i = 0; i < n; ++i) VZ[i] = level + height;
}

void TPolyobjtool::AddFloorAreaText() {
  std::vector<plat::Point> corners;
  for (int32 i = 0; i < std::min(VertexCount(), kListCapacity); ++i) corners.push_back({VX[i], VY[i]});
  const std::string label = AreaLabel(OutlineArea(corners), MetricUnits);
  const queries::DimensionOffsets offsets = queries::ReadDimensionOffsets();
  const int32 faceLength = static_cast<int32>(DrawingList.TextFontName.size());
  DrawingList.Add(new TTextobj(kAreaTextKind, CurrentView, LinkId, Tag1, ClickX, ClickY,
                               kTextBearing, 0, 0, DrawingColour,
                               static_cast<int32>(label.size()), 0, 0, faceLength,
                               offsets.textSize, TextWeight, DrawingList.TextFontName.c_str(),
                               label.c_str()));
}

void TPolyobjtool::RemoveFloorChange() {
  if (CursorX < 6 || CursorX >= DrawingList.Count()) return;
  const int32 link = DrawingList.At(CursorX)->LinkId;
  DrawingList.UpdateUndoHistory(uoRecord, CurrentView);
  for (int32 i = 6; i < DrawingList.Count(); ++i) {
    const TObj& e = *DrawingList.At(i);
    if (e.Kind == kAreaTextKind && e.LinkId == link) {
      DrawingList.RemoveAt(i);
      break;
    }
  }
  BoxMinX = BoxMinY = kFar + 1;
  BoxMaxX = BoxMaxY = 0;
  for (int32 i = DrawingList.Count() - 1; i >= 6; --i) {
    const auto* p = dynamic_cast<const TPolyobj*>(DrawingList.At(i));
    if (!p || p->Kind < kFloorChangeFirst || p->Kind > kFloorChangeLast || p->LinkId != link)
      continue;
    for (int32 k = 0; k < std::clamp(p->PointCount, 0, kMaxPolyPoints); ++k)
      Widen(p->PointX[k], p->PointY[k]);
    DrawingList.RemoveAt(i);
  }
  MarkDrawingChanged();
  DrawingList.WriteDrawingFile(dtDrawing);
}
