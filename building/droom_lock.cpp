// The lock on a floor: each room's sides measured against the walls there,
// its walls added, its texts and dimensions written, the rooms locked.
#include "building/droom_lock.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "building/droom_settings.h"
#include "building/inwall_tool.h"
#include "building/wall_faces.h"
#include "building/wall_settings.h"
#include "model/element_draw.h"
#include "model/flist.h"
#include "model/group_ids.h"
#include "model/rounding.h"
#include "platform/services.h"
#include "platform/ui.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"

using droom::Box;
using droom::RoomSide;
using droom::SideCover;

namespace {

// A room's texts take ids from the group on; every room keeps this many ids.
constexpr int32 kIdsPerRoom = 4;
// The place of the size label below the name, in logical units.
constexpr int32 kLabelDrop = 50;
// Texts as the lock writes them.
constexpr int32 kTextAlignment = 6;
constexpr int32 kAcross = 900;
constexpr int32 kAcrossBack = 2700;
constexpr int32 kDown = 1800;

constexpr const char* kNameNone = "none";

// The settings the texts and dimensions are made with, read once per lock
// (nothing within it changes them). A file that cannot be read whole gives
// the values the program ships with.
struct LockSettings {
  int32 offset;      // of the dimension lines from the room side
  int32 escapement;  // of the depth text
  int32 textHeight;
  int32 inset;  // of a dimension's ticks from its ends
  int32 arrowStyle;
};

LockSettings ReadLockSettings() {
  LockSettings s{MetricUnits == 1 ? 300 : 288, 0, 12, 100, 1};
  int32 v[7] = {};
  cfg::Reader offsets(ProgramFile(cfgfile::DimensionOffsets.ForUnits()));
  bool whole = true;
  for (int32& x : v) whole = whole && offsets.Int(x);
  if (whole) {
    s.offset = v[0];
    s.escapement = v[3];
    s.textHeight = v[5];
  }
  cfg::Reader arrow(ProgramFile(cfgfile::Arrow));
  int32 inset = 0, style = 0;
  if (arrow.Int(inset) && arrow.Int(style)) {
    s.inset = inset;
    s.arrowStyle = style;
  }
  return s;
}

// A wall running along one axis, as the room sides along that axis meet
// it: the band it fills across the axis (a < b), the faces at the band's
// edges a room side may lie on (an external wall only its inner face), with
// their stretches along the axis, and the whole wall's stretch.
struct Band {
  int32 a = 0, b = 0;
  bool aFace = false, bFace = false;
  droom::Span aSpan, bSpan;
  droom::Span along;
  bool external = false;
};

struct Bands {
  std::vector<Band> vertical, horizontal;  // along y, along x
};

// The band between two parallel faces of one wall; fRoom and gRoom say
// whether a room side may lie on each.
void AddBand(const building::Face& f, const building::Face& g, bool fRoom, bool gRoom,
             bool external, Bands& out) {
  const bool vertical = f.Vertical() && g.Vertical() && f.y1 != f.y2 && g.y1 != g.y2;
  const bool horizontal = f.Horizontal() && g.Horizontal() && f.x1 != f.x2 && g.x1 != g.x2;
  if (!vertical && !horizontal) return;
  auto across = [vertical](const building::Face& x) { return vertical ? x.x1 : x.y1; };
  auto span = [vertical](const building::Face& x) {
    return vertical ? droom::Span{x.y1, x.y2} : droom::Span{x.x1, x.x2};
  };
  const bool fFirst = across(f) <= across(g);
  const building::Face& lo = fFirst ? f : g;
  const building::Face& hi = fFirst ? g : f;
  Band band;
  band.a = across(lo);
  band.b = across(hi);
  band.aFace = fFirst ? fRoom : gRoom;
  band.bFace = fFirst ? gRoom : fRoom;
  band.aSpan = span(lo);
  band.bSpan = span(hi);
  band.along = {std::min(band.aSpan.lo, band.bSpan.lo), std::max(band.aSpan.hi, band.bSpan.hi)};
  band.external = external;
  (vertical ? out.vertical : out.horizontal).push_back(band);
}

// The walls of the current floor, and the box's sides brought onto an
// external wall's inner face lying within tol of them. floorWalls: the
// floor's internal and external walls in list order.
Bands WallBands(const std::vector<const TObj*>& floorWalls, Box& b, int32 tol) {
  Bands out;
  for (const TObj* e : floorWalls) {
    if (e->Kind == kind::InWall) {
      if (const auto* w = dynamic_cast<const TInwallobj*>(e)) {
        const auto faces = building::InWallFaces(*w);
        AddBand(faces[0], faces[1], true, true, false, out);
      }
    } else if (e->Kind == kind::ExtWall) {
      const auto* w = dynamic_cast<const TExtwallobj*>(e);
      if (!w) continue;
      const building::Face f = building::ExtWallInnerFace(*w);
      if (f.Vertical() && f.y1 != f.y2) {
        if (std::abs(f.x1 - b.left) < tol)
          b.left = f.x1;
        else if (std::abs(f.x1 - b.right) < tol)
          b.right = f.x1;
      } else if (f.Horizontal() && f.x1 != f.x2) {
        if (std::abs(f.y1 - b.top) < tol)
          b.top = f.y1;
        else if (std::abs(f.y1 - b.bottom) < tol)
          b.bottom = f.y1;
      }
      AddBand(f, building::OrderedFace(w->X1, w->Y1, w->X2, w->Y2), true, false, true, out);
    }
  }
  return out;
}

bool Overlaps(const droom::Span& s, int32 lo, int32 hi) { return s.lo < hi && s.hi > lo; }

// What covers a side at `at` running from lo to hi: every room face of a
// wall lying on it, the first found giving the side its class. Every face
// counts, not just one: a side is often met by several walls at once (the
// walls of two rooms already locked beside it, or an external wall and a
// partition in line), and a side classed by one of them alone would leave the
// others' stretches open, so the wall built there would overlap them.
SideCover SideCoverAt(const std::vector<Band>& bands, int32 at, int32 lo, int32 hi,
                      bool vertical) {
  SideCover c;
  bool first = true;
  for (const Band& band : bands) {
    for (const bool atA : {true, false}) {
      if (!(atA ? band.aFace : band.bFace) || (atA ? band.a : band.b) != at) continue;
      const droom::Span s = atA ? band.aSpan : band.bSpan;
      if (!Overlaps(s, lo, hi)) continue;
      if (first) {
        c.lo = s.lo;
        c.hi = s.hi;
        c.cls = droom::CoverClass(lo, hi, s.lo, s.hi, vertical, band.external);
        first = false;
      } else {
        c.more.push_back(s);
      }
      break;  // a wall of no thickness lies on the side once
    }
  }
  return c;
}

droom::RoomCover CoverOf(const Bands& bands, const Box& b) {
  droom::RoomCover c;
  droom::At(c, RoomSide::Left) = SideCoverAt(bands.vertical, b.left, b.bottom, b.top, true);
  droom::At(c, RoomSide::Right) = SideCoverAt(bands.vertical, b.right, b.bottom, b.top, true);
  droom::At(c, RoomSide::Top) = SideCoverAt(bands.horizontal, b.top, b.left, b.right, false);
  droom::At(c, RoomSide::Bottom) = SideCoverAt(bands.horizontal, b.bottom, b.left, b.right, false);
  return c;
}

// Where a side's new wall, w thick outside the side, would run into a wall
// already there over an open stretch of the side, the face of that wall on
// the room's side of it; otherwise the side as it is. `outward` is -1 for
// the left and bottom sides, +1 for the others.
int32 FaceBeyondOverlap(const std::vector<Band>& bands, const SideCover& cover, int32 at,
                        int32 lo, int32 hi, int32 outward, int32 w) {
  // Of several walls in the way, the face nearest the room's middle.
  std::optional<int32> moved;
  for (const droom::Span& open : droom::OpenSpans(cover, lo, hi)) {
    for (const Band& band : bands) {
      if (!Overlaps(band.along, open.lo, open.hi)) continue;
      if (outward < 0) {
        // The wall would fill at - w .. at.
        if (band.a < at && band.b > at - w && band.b != at)
          moved = moved ? std::max(*moved, band.b) : band.b;
      } else if (band.a < at + w && band.b > at && band.a != at) {
        moved = moved ? std::min(*moved, band.a) : band.a;
      }
    }
  }
  return moved.value_or(at);
}

// What covers each side of the room's box on the current floor. The box's
// sides are first brought onto an external wall's inner face lying within
// tol of them; then a side whose wall would overlap a wall already there
// (one just built for a neighbour room, or an external wall) takes that
// wall's face instead, so that no two walls overlap.
droom::RoomCover FindRoomCover(const std::vector<const TObj*>& floorWalls, Box& b, int32 tol,
                               int32 w) {
  const Bands bands = WallBands(floorWalls, b, tol);
  bool leftMoved = false, rightMoved = false, topMoved = false, bottomMoved = false;
  constexpr int32 kOut = 1, kIn = -1;
  for (int32 pass = 0; pass < 4; ++pass) {
    const droom::RoomCover c = CoverOf(bands, b);
    Box next = b;
    auto settle = [](int32& side, bool& moved, int32 to) {
      if (moved || to == side) return false;
      side = to;
      moved = true;
      return true;
    };
    bool any = false;
    const int32 left = FaceBeyondOverlap(bands.vertical, droom::At(c, RoomSide::Left), b.left,
                                         b.bottom, b.top, kIn, w);
    const int32 right = FaceBeyondOverlap(bands.vertical, droom::At(c, RoomSide::Right), b.right,
                                          b.bottom, b.top, kOut, w);
    const int32 top = FaceBeyondOverlap(bands.horizontal, droom::At(c, RoomSide::Top), b.top,
                                        b.left, b.right, kOut, w);
    const int32 bottom = FaceBeyondOverlap(bands.horizontal, droom::At(c, RoomSide::Bottom),
                                           b.bottom, b.left, b.right, kIn, w);
    if (left < b.right) any |= settle(next.left, leftMoved, left);
    if (right > b.left) any |= settle(next.right, rightMoved, right);
    if (top > b.bottom) any |= settle(next.top, topMoved, top);
    if (bottom < b.top) any |= settle(next.bottom, bottomMoved, bottom);
    if (!any) return c;
    b = next;
  }
  return CoverOf(bands, b);
}

// What a lock works with, gathered once rather than for every room: the
// wall size and the text settings, the floor's walls each room is measured
// against, and the ids in use. Every element the lock adds goes through Add
// (or Note), so that they stay current.
struct LockContext {
  int32 wallSize = 0;
  LockSettings settings;
  std::vector<const TObj*> floorWalls;   // of CurrentView, in list order
  std::unordered_set<int32> usedIds;     // every element's LinkId and Tag1
  std::unordered_set<int32> roomGroups;  // every room's Tag1: its block of ids

  void Note(const TObj* e) {
    usedIds.insert(e->LinkId);
    usedIds.insert(e->Tag1);
    if (kind::IsRoomKind(e->Kind)) roomGroups.insert(e->Tag1);
    if (e->Floor == CurrentView && (e->Kind == kind::InWall || e->Kind == kind::ExtWall))
      floorWalls.push_back(e);
  }
  void Add(TObj* e) {
    DrawingList.Add(e);
    Note(e);
  }
  explicit LockContext(int32 w) : wallSize(w), settings(ReadLockSettings()) {
    for (int32 i = 6; i < DrawingList.Count(); ++i) Note(DrawingList.At(i));
  }

  // The id a room's next text group takes: the first from `from` on that no
  // element uses and that lies in no other room's block of ids, so that the
  // texts of rooms on any floor never share an id with anything else.
  int32 FreeTextId(int32 group, int32 from) const {
    auto used = [&](int32 id) {
      if (id >= kReservedIdFirst && id <= kReservedIdLast) return true;
      if (usedIds.count(id)) return true;
      for (int32 k = 0; k < kIdsPerRoom; ++k)
        if (id - k != group && roomGroups.count(id - k)) return true;
      return false;
    };
    int32 id = from;
    while (id < kLastGroupNumber && used(id)) ++id;
    return id;
  }
};

// The tool's link id moves on to the room's next text group.
void NextTextGroup(const LockContext& lock, TInwallobjtool& tool) {
  tool.LinkId = lock.FreeTextId(tool.Tag1, tool.LinkId < kLastGroupNumber ? tool.LinkId + 1 : tool.LinkId);
  // Later groups of this floor (dimensions) start beyond it.
  NextGroupNumber =
      std::max(GroupNumberAfter(NextGroupNumber), tool.LinkId - droom::FloorIdBase(CurrentView));
}

void AddText(LockContext& lock, const TInwallobjtool& tool, int32 k, plat::Point at,
             int32 direction, int32 secondY, int32 escapement, int32 height,
             const std::string& text) {
  lock.Add(new TTextobj(k, CurrentView, tool.LinkId, tool.Tag1, at.x, at.y, direction,
                        secondY, 0, DrawingColour, 0, escapement, kTextAlignment, 0, height,
                        TextWeight, DrawingList.TextFontName.c_str(), text.c_str()));
}

void AddDimension(LockContext& lock, const TInwallobjtool& tool, plat::Point a, plat::Point aIn,
                  plat::Point b, plat::Point bIn, int32 direction, int32 style) {
  lock.Add(new TDimensobj(kind::Dimension261, CurrentView, tool.LinkId, tool.Tag1, a.x, a.y, aIn.x,
                          aIn.y, b.x, b.y, bIn.x, bIn.y, direction, style, DrawingColour));
}

// What the lock needs of a room, copied before the list grows.
struct RoomCopy {
  Box box;
  int32 group = 0;
  int32 textMode = 0;
  std::string name, width, depth;
};

RoomCopy CopyRoom(const TRoomobj& r) {
  RoomCopy c;
  c.box = {r.X1, r.Y1, r.X2, r.Y2};
  c.group = r.Tag1;
  c.textMode = r.DimensionChoice;
  c.name = draw::Chars(r.RoomName, kRoomNameCapacity, r.NameLength);
  c.width = draw::Chars(r.WidthText, kRoomWidthTextCapacity, r.WidthTextLength);
  c.depth = draw::Chars(r.HeightText, kRoomHeightTextCapacity, r.HeightTextLength);
  return c;
}

// The room's record and copy made the size of the box; a size text is
// rewritten only where its side's length changed.
void ResizeRoom(TRoomobj& r, const Box& b, RoomCopy& room) {
  const int32 width = b.right - b.left, depth = b.top - b.bottom;
  if (width != room.box.right - room.box.left) {
    room.width = droom::SizeText(width, MetricUnits);
    r.WidthTextLength = CopyBoundedText(r.WidthText, kRoomWidthTextCapacity, room.width.c_str());
  }
  if (depth != room.box.top - room.box.bottom) {
    room.depth = droom::SizeText(depth, MetricUnits);
    r.HeightTextLength =
        CopyBoundedText(r.HeightText, kRoomHeightTextCapacity, room.depth.c_str());
  }
  r.X1 = b.left;
  r.Y1 = b.top;
  r.X2 = b.right;
  r.Y2 = b.bottom;
  r.RoomWidth = width;
  r.RoomHeight = depth;
  room.box = b;
}

void AddRoomTexts(LockContext& lock, TInwallobjtool& tool, const RoomCopy& room, const Box& b) {
  const LockSettings& s = lock.settings;
  tool.Tag1 = tool.LinkId;
  NextTextGroup(lock, tool);
  const int32 cx = b.left + (b.right - b.left) / 2;
  const int32 cy = b.top - (b.top - b.bottom) / 2;
  if (room.name != kNameNone)
    AddText(lock, tool, kind::WallLabel, {cx, cy}, kAcross, 0, 0, s.textHeight, room.name);
  const int32 mode = room.textMode;
  if (mode == droom::dimchoice::Both || mode == droom::dimchoice::Width) {
    NextTextGroup(lock, tool);
    const int32 y = b.top - s.offset;
    AddText(lock, tool, kind::WallLengthText, {cx, y}, kAcrossBack, 0, 0, s.textHeight,
            room.width);
    AddDimension(lock, tool, {b.left, y}, {b.left + s.inset, y}, {b.right, y},
                 {b.right - s.inset, y}, kAcross, s.arrowStyle);
  }
  if (mode == droom::dimchoice::Both || mode == droom::dimchoice::Depth) {
    NextTextGroup(lock, tool);
    const int32 x = b.left + s.offset;
    AddText(lock, tool, kind::WallLengthText, {x, cy}, kAcross, 0, s.escapement, s.textHeight,
            room.depth);
    AddDimension(lock, tool, {x, b.top}, {x, b.top - s.inset}, {x, b.bottom},
                 {x, b.bottom + s.inset}, kDown, s.arrowStyle);
  }
  if (mode == droom::dimchoice::SizeText) {
    const int32 drop = kLabelDrop * PixelScale;
    AddText(lock, tool, kind::WallLabel, {cx, cy - drop}, kAcross, drop, 0, s.textHeight,
            room.width + " x " + room.depth);
  }
}

// The walls, texts and dimensions of the design room at that index.
void BuildRoomWalls(LockContext& lock, TInwallobjtool& tool, int32 roomIndex) {
  const auto* r = dynamic_cast<const TRoomobj*>(DrawingList.At(roomIndex));
  if (!r) return;
  RoomCopy room = CopyRoom(*r);
  const int32 w = lock.wallSize;
  tool.Spacing = w;
  tool.LinkId = tool.Tag1 = room.group;
  tool.Colour = DrawingColour;
  tool.StartMeetAngle = tool.EndMeetAngle = -1;

  Box b = room.box;
  const int32 tol = TruncToInt((MetricUnits == 1 ? 5.0 : 6.0) * ZoomFactor + 1);
  const droom::RoomCover cover = FindRoomCover(lock.floorWalls, b, tol, w);
  if (!(b == room.box)) {
    // The room is as large as the walls round it leave it: its box and the
    // sizes its texts show follow.
    auto* moved = static_cast<TRoomobj*>(DrawingList.At(roomIndex));
    ResizeRoom(*moved, b, room);
  }
  for (const droom::RoomWallDraft& d : droom::PlanRoomWalls(b, cover, w)) {
    tool.X1 = d.start.x;
    tool.Y1 = d.start.y;
    tool.X2 = d.end.x;
    tool.Y2 = d.end.y;
    tool.SecondStart = d.innerStart;
    tool.SecondEnd = d.innerEnd;
    tool.Angle = d.bearing;
    tool.Direction = d.direction;
    tool.LinkId = tool.Tag1 = room.group;
    lock.Note(tool.CreateRoomWall());
  }
  AddRoomTexts(lock, tool, room, b);
  tool.Y1 = 0;
}

}  // namespace

int32 RoomWallSizeOrReport(int32 view) {
  const int32 w = droom::RoomWallSize(view);
  if (w > 0) return w;
  plat::ErrorBox(std::string("The wall thickness round design rooms cannot be read from ") +
                     ShownFile(cfgfile::RoomWalls.ForUnits()) +
                     " - the design rooms were not finished into walls.",
                 plat::mbOK);
  return 0;
}

TInwallobj* TInwallobjtool::CreateRoomWall() {
  // The bearing and the order of the ends agree with the way the wall runs.
  bool swap = false;
  switch (Direction) {
    case drawway::Rightward:
      if (Angle == bearing::Left) Angle = bearing::Right;
      swap = X1 > X2;
      break;
    case drawway::Downward:
      if (Angle == bearing::Up || Angle == bearing::FullTurn) Angle = bearing::Down;
      swap = Y1 < Y2;
      break;
    case drawway::Leftward:
      if (Angle == bearing::Right) Angle = bearing::Left;
      swap = X1 < X2;
      break;
    case drawway::Upward:
      if (Angle == bearing::Down) Angle = bearing::Up;
      swap = Y1 > Y2;
      break;
    default:
      break;
  }
  if (swap) {
    std::swap(X1, X2);
    std::swap(Y1, Y2);
    std::swap(SecondStart, SecondEnd);
  }
  TInwallobj* wall = MakeInwall(kind::InWall, Draft(), CurrentView, Colour);
  DrawingList.Add(wall);
  return wall;
}

int32 LockDesignRooms(TInwallobjtool& tool, int32 mode) {
  const int32 roomView = mode == 2 ? view::LayoutGround : CurrentView;
  auto isRoom = [roomView](const TObj* e) {
    return kind::IsDesignRoomKind(e->Kind) && e->Floor == roomView;
  };
  auto walled = [&](int32 i) {
    const auto* r = dynamic_cast<const TRoomobj*>(DrawingList.At(i));
    return r && isRoom(r) && !droom::IsOpenArea(*r);
  };
  int32 rooms = 0;
  bool anyWalled = false;
  for (int32 i = 6; i < DrawingList.Count(); ++i) {
    rooms += isRoom(DrawingList.At(i));
    anyWalled = anyWalled || walled(i);
  }
  tool.Frame[0] = 300000, tool.Frame[1] = 0, tool.Frame[2] = 0, tool.Frame[3] = 300000;
  if (rooms == 0) return 0;
  // No walls of no thickness: nothing is locked while the size is unknown.
  const int32 wallSize = anyWalled ? RoomWallSizeOrReport(CurrentView) : 0;
  if (anyWalled && wallSize <= 0) return 0;

  // Every room's walls, texts and dimensions first; the drawing is then
  // written once, with all of them.
  LockContext lock(wallSize);
  int32 w = 0;
  for (int32 i = 6; i < DrawingList.Count(); ++i) {
    if (!walled(i)) continue;
    const TObj* r = DrawingList.At(i);
    tool.Frame[0] = std::min(tool.Frame[0], r->X1);
    tool.Frame[1] = std::max(tool.Frame[1], r->X2);
    tool.Frame[2] = std::max(tool.Frame[2], r->Y1);
    tool.Frame[3] = std::min(tool.Frame[3], r->Y2);
    BuildRoomWalls(lock, tool, i);
    w = tool.Spacing;
  }
  for (int32 i = 6; i < DrawingList.Count(); ++i) {
    TObj* e = DrawingList.At(i);
    if (e->Kind == kind::InWall && e->Marked == 1) e->Marked = 0;
    if (isRoom(e)) {
      e->Kind = kind::LockedRoom;
      e->Floor = CurrentView;
    }
  }
  DrawingList.WriteDrawingFile(dtDrawing);
  if (tool.Frame[0] < 300000 && tool.Frame[3] < 300000) {
    const int32 grow = 2 * PixelScale * w;
    tool.Frame[0] -= grow;
    tool.Frame[1] += grow;
    tool.Frame[2] += grow;
    tool.Frame[3] -= grow;
  }
  return rooms;
}
