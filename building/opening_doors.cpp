// The door symbols: leaves and swing arcs of hanging doors, panels of
// sliding, folding and wardrobe doors, the side panels of an entry frame.
// Coordinates are those of the build frame (the wall along +x, the
// insertion face at PlacePoint.y, the other face toward +y).
#include <algorithm>
#include <utility>

#include "building/opening_tool.h"
#include "building/wall_geometry.h"
#include "model/flist.h"
#include "model/rounding.h"

namespace {

constexpr int32 kPanelOffset = 25;  // sliding panels stand this far off a face

bool IsOrthogonalWall(int32 a) { return bearing::IsOrthogonal(a) || a == bearing::FullTurn; }

// The swing chosen on screen, as the build frame sees it once the door is
// turned with its wall.
int32 RemapSwing(int32 dir, int32 angle) {
  auto exchange = [&dir](int32 a, int32 b) { dir = dir == a ? b : dir == b ? a : dir; };
  const bool across = angle >= 1 && angle <= 1800;           // exchange 5/8 and 6/7
  const bool upright = angle >= 901 && angle <= 2699;        // exchange 1/4 and 2/3
  if (upright) {
    exchange(1, 4);
    exchange(2, 3);
  }
  if (across) {
    exchange(5, 8);
    exchange(6, 7);
  }
  return dir;
}

}  // namespace

void TWindowobjtool::DoorLine(plat::DeviceContext& dc, const plat::Rect& client, int32 x1,
                              int32 y1, int32 x2, int32 y2, int32 width) {
  if (x1 == x2 && y1 == y2) return;
  Emit(dc, client,
       new TLineobj(kind::WallLine, CurrentView, WallLink, NewElementId, x1, OpeningLevel, x2,
                    OpeningLevel, y1, y2, 0, 0, DrawingColour, width, plat::PS_SOLID));
}

void TWindowobjtool::SwingArc(plat::DeviceContext& dc, const plat::Rect& client,
                              plat::Point hinge, int32 r, plat::Point from, plat::Point to) {
  if (!IsOrthogonalWall(WallAngle)) return;  // a sloped wall's door shows its leaf only
  Emit(dc, client,
       new TArcobj(kind::Arc, CurrentView, WallLink, NewElementId, hinge.x - r, 0, hinge.y + r,
                   hinge.x + r, 0, hinge.y - r, from.x, from.y, to.x, to.y, DrawingColour, 1,
                   plat::PS_DOT));
}

void TWindowobjtool::BuildDoorSymbol(plat::DeviceContext& dc, const plat::Rect& client) {
  using namespace openingkind;
  ReadDoorSwing(swing_);  // a file that cannot be read leaves the swing as it was
  Colour = DrawingColour;
  PenWidth = doorLineWidth_ = swing_.lineWidth;
  ls_ = TruncToInt(LeafWidth * swing_.sine);
  lc_ = TruncToInt(LeafWidth * swing_.cosine);
  switch (OpeningKind) {
    case HangingDoor: BuildHangingDoor(dc, client); break;
    case HangingDoors: BuildDoublePair(dc, client, false); break;
    case Garage:
      if (LeafCount >= 2) BuildDoublePair(dc, client, true);
      break;
    case EntryFrame: BuildEntryFrame(dc, client); break;
    case SideFrameSliders: BuildSideFrameSliders(dc, client); break;
    case Folding: BuildFolding(dc, client); break;
    case InwallSlider:
    case InwallSliders: BuildInwallSliders(dc, client); break;
    case Wardrobe: BuildWardrobe(dc, client); break;
    default: break;
  }
  PenWidth = 1;
}

void TWindowobjtool::BuildHangingDoor(plat::DeviceContext& dc, const plat::Rect& client) {
  const plat::Point p = PlacePoint;
  const int32 l = LeafWidth, t = WallThickness;
  plat::Point hinge, leaf, from, to;
  switch (RemapSwing(SwingDirection, WallAngle)) {
    case 1:
    case 6:
      hinge = {p.x - l / 2, p.y};
      leaf = {hinge.x + lc_, p.y - ls_};
      from = leaf;
      to = {p.x + l / 2, p.y};
      break;
    case 2:
    case 8:
      hinge = {p.x + l / 2, p.y};
      leaf = {hinge.x - lc_, p.y - ls_};
      from = {p.x - l / 2, p.y};
      to = leaf;
      break;
    case 3:
    case 5:
      hinge = {p.x - l / 2, p.y + t};
      leaf = {hinge.x + lc_, p.y + t + ls_};
      from = {p.x + l / 2, p.y + t};
      to = leaf;
      break;
    case 4:
    case 7:
      hinge = {p.x + l / 2, p.y + t};
      leaf = {hinge.x - lc_, p.y + t + ls_};
      from = leaf;
      to = {p.x - l / 2, p.y + t};
      break;
    default: return;
  }
  DoorLine(dc, client, hinge.x, hinge.y, leaf.x, leaf.y, doorLineWidth_);
  SwingArc(dc, client, hinge, l, from, to);
}

void TWindowobjtool::BuildDoublePair(plat::DeviceContext& dc, const plat::Rect& client,
                                     bool insertionSide) {
  const plat::Point p = PlacePoint;
  const int32 l = LeafWidth;
  const bool other = !insertionSide && CursorFace == cursorface::Other;
  const int32 y0 = other ? p.y + WallThickness : p.y;
  const int32 toward = other ? 1 : -1;
  const plat::Point mid{p.x, y0};
  const plat::Point h1{p.x - l, y0}, e1{p.x - l + lc_, y0 + toward * ls_};
  const plat::Point h2{p.x + l, y0}, e2{p.x + l - lc_, y0 + toward * ls_};
  DoorLine(dc, client, h1.x, h1.y, e1.x, e1.y, doorLineWidth_);
  if (other)
    SwingArc(dc, client, h1, l, mid, e1);
  else
    SwingArc(dc, client, h1, l, e1, mid);
  DoorLine(dc, client, h2.x, h2.y, e2.x, e2.y, doorLineWidth_);
  if (other)
    SwingArc(dc, client, h2, l, e2, mid);
  else
    SwingArc(dc, client, h2, l, mid, e2);
}

void TWindowobjtool::BuildEntryFrame(plat::DeviceContext& dc, const plat::Rect& client) {
  using namespace openingkind;
  if (WallClass == wallclass::External) CursorFace = cursorface::Other;  // entry doors open in
  const int32 w = OpeningWidth, l = LeafWidth, t = WallThickness;
  const int32 doors = LeafCount * l;
  const plat::Point p = PlacePoint;
  const int32 keptKind = OpeningKind;

  // The doors, moved along the frame to the side chosen.
  const int32 off = LeafCount == 1 ? w / 2 - l / 2 : w / 2 - l;
  const int32 shift = DoorOption == 1 ? off : DoorOption == 2 ? -off : 0;
  OpeningKind = LeafCount == 1 ? HangingDoor : HangingDoors;
  if (WallAngle != bearing::Left)
    RotateLeafPoint(p.x + shift, p.y);
  else
    PlacePoint = {p.x + shift, p.y};
  BuildDoorSymbol(dc, client);
  OpeningKind = keptKind;
  PlacePoint = p;

  // The fixed side panels along the wall's middle, closed across the wall.
  const int32 m = p.y + t / 2;
  auto panel = [&](int32 from, int32 to) {
    if (from == to) return;
    DoorLine(dc, client, from, m, to, m, 1);
    DoorLine(dc, client, to, p.y, to, p.y + t, 1);
  };
  if (DoorOption == 1) {
    panel(p.x - w / 2, p.x - w / 2 + (w - doors));
  } else if (DoorOption == 2) {
    panel(p.x + w / 2, p.x + w / 2 - (w - doors));
  } else {
    panel(p.x - w / 2, p.x - w / 2 + (w - doors) / 2);
    panel(p.x + w / 2, p.x + w / 2 - (w - doors) / 2);
  }
}

void TWindowobjtool::BuildSideFrameSliders(plat::DeviceContext& dc, const plat::Rect& client) {
  if (WallClass == wallclass::External) CursorFace = cursorface::Insertion;
  const plat::Point p = PlacePoint;
  const int32 w = OpeningWidth, l = LeafWidth;
  const int32 m = p.y + WallThickness / 2;
  const int32 option = (DoorOption == 1 || DoorOption == 2) ? DoorOption : 0;
  // Two leaves at most slide in a side frame.
  const bool pair = LeafCount >= 2;
  const bool mirror = pair && option == 2;
  auto x = [&](int32 v) { return mirror ? 2 * p.x - v : v; };
  auto slide = [&](int32 a, int32 b) { DoorLine(dc, client, x(a), m + kPanelOffset, x(b), m + kPanelOffset, doorLineWidth_); };
  auto fixed = [&](int32 a, int32 b) { DoorLine(dc, client, x(a), m, x(b), m, 1); };
  const int32 left = p.x - w / 2, right = p.x + w / 2;
  if (!pair) {
    if (option == 0) {
      slide(p.x - l, p.x);
      fixed(left, p.x - l / 2);
      fixed(p.x + l / 2, right);
    } else if (option == 1) {
      slide(left + l / 2, left + 3 * l / 2);
      fixed(left + l, right);
    } else {
      slide(right - l / 2, right - 3 * l / 2);
      fixed(left, right - l);
    }
    return;
  }
  if (option == 0) {
    slide(p.x - l / 2, p.x - 3 * l / 2);
    slide(p.x + l / 2, p.x + 3 * l / 2);
    fixed(p.x - l, left);
    fixed(p.x + l, right);
  } else {
    slide(left + l / 2, left + 3 * l / 2);
    slide(left + 5 * l / 2, left + 7 * l / 2);
    fixed(left, left + l);
    fixed(right, left + 3 * l);
  }
}

void TWindowobjtool::BuildFolding(plat::DeviceContext& dc, const plat::Rect& client) {
  OpeningWidth = LeafCount * LeafWidth;
  // Folding leaves go in pairs: an odd count (a single leaf too) takes one more.
  if (LeafCount % 2 == 1) {
    ++LeafCount;
    LeafWidth = OpeningWidth / LeafCount;
  }
  const int32 n = LeafCount, w = OpeningWidth, l = LeafWidth;
  const plat::Point p = PlacePoint;
  const int32 s = CursorFace == cursorface::Other ? -1 : 1;
  const int32 m = p.y + WallThickness / 2;
  const int32 c1 = FoldSide == 0 ? n / 4 + ((n / 2) % 2 == 1 ? 1 : 0) : n / 2;
  const int32 c2 = FoldSide == 0 ? n / 4 : n / 2;
  const int32 depth = m - s * (l / 2);
  if (FoldSide == 1 || FoldSide == 0) {
    for (int32 i = 0; i < c1; ++i) {
      const int32 x = p.x + s * (w / 2) - s * i * l;
      DoorLine(dc, client, x, m, x - s * (l / 2), depth, doorLineWidth_);
    }
    for (int32 i = 0; i < c2; ++i) {
      const int32 x = p.x + s * (w / 2) - s * (i + 1) * l;
      DoorLine(dc, client, x, m, x + s * (l / 2), depth, doorLineWidth_);
    }
  }
  if (FoldSide == 2 || FoldSide == 0) {
    for (int32 i = 0; i < c1; ++i) {
      const int32 x = p.x - s * (w / 2) + s * i * l;
      DoorLine(dc, client, x, m, x + s * (l / 2), depth, doorLineWidth_);
    }
    for (int32 i = 0; i < c2; ++i) {
      const int32 x = p.x - s * (w / 2) + s * (i + 1) * l;
      DoorLine(dc, client, x, m, x - s * (l / 2), depth, doorLineWidth_);
    }
  }
}

void TWindowobjtool::BuildInwallSliders(plat::DeviceContext& dc, const plat::Rect& client) {
  const plat::Point p = PlacePoint;
  const int32 t = WallThickness;
  const bool intoWall = Direction == 1;  // the door slides into the wall
  if (OpeningKind == openingkind::InwallSlider) {
    const int32 dir = RemapSwing(SwingDirection, WallAngle);
    if (dir < 1 || dir > 8) return;
    const int32 w = OpeningWidth;
    const bool back = dir == 1 || dir == 3 || dir == 5 || dir == 6;
    const bool outside = dir == 1 || dir == 2 || dir == 6 || dir == 8;
    const int32 y = intoWall ? p.y + t / 2 : outside ? p.y - kPanelOffset : p.y + t + kPanelOffset;
    DoorLine(dc, client, p.x, y, back ? p.x - w : p.x + w, y, doorLineWidth_);
    return;
  }
  OpeningWidth = LeafCount * LeafWidth;
  const int32 w = OpeningWidth, l = LeafWidth;
  const int32 y = intoWall                                ? p.y + t / 2
                  : CursorFace == cursorface::Insertion ? p.y - kPanelOffset
                                                          : p.y + t + kPanelOffset;
  DoorLine(dc, client, p.x - w / 2 - l / 2, y, p.x - w / 2 + l / 2, y, doorLineWidth_);
  DoorLine(dc, client, p.x + w / 2 + l / 2, y, p.x + w / 2 - l / 2, y, doorLineWidth_);
}

void TWindowobjtool::BuildWardrobe(plat::DeviceContext& dc, const plat::Rect& client) {
  const plat::Point p = PlacePoint;
  const int32 w = OpeningWidth, l = LeafWidth, t = WallThickness;
  // At least one panel in each row, so a single leaf shares out the gap too.
  const int32 n = std::max(1, LeafCount / 2);
  const int32 gap = w - (l * LeafCount) / 2;
  const int32 share = gap / n;
  const bool other = CursorFace == cursorface::Other;
  const int32 row1 = other ? p.y + t / 2 - PixelScale : p.y + t / 2 + kPanelOffset;
  const int32 row2 = other ? row1 + doorLineWidth_ * kPanelOffset
                           : row1 - doorLineWidth_ * kPanelOffset;
  int32 o = share / 4;
  for (int32 i = 0; i < n; ++i) {
    DoorLine(dc, client, p.x - w / 2 + o, row1, p.x - w / 2 + o + l, row1, doorLineWidth_);
    DoorLine(dc, client, p.x + w / 2 - o, row2, p.x + w / 2 - o - l, row2, doorLineWidth_);
    o += share + l;
  }
}
