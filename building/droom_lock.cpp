// The lock on a floor: each room's sides measured against the walls there,
// its walls added, its texts and dimensions written, the rooms locked.
#include "building/droom_lock.h"

#include <algorithm>
#include <cstdlib>
#include <string>

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

constexpr int32 kNoWall = -1;
constexpr int32 kFarLow = 0;
constexpr int32 kFarHigh = 300000;
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

// The settings the texts and dimensions are made with. A file that cannot
// be read whole gives the values the program ships with.
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

// The wall face found nearest a room side so far.
struct Best {
  int32 at;
  int32 wall = kNoWall;
  bool external = false;
};

struct Sides {
  Best left{kFarLow}, right{kFarHigh}, top{kFarHigh}, bottom{kFarLow};
};

void TakeFace(const building::Face& f, int32 index, bool external, const Box& b, Sides& s) {
  if (f.Vertical() && f.y1 != f.y2) {
    if (!(f.y1 < b.top && f.y2 > b.bottom)) return;
    if (f.x1 <= b.left && f.x1 > s.left.at)
      s.left = {f.x1, index, external};
    else if (f.x1 >= b.right && f.x1 < s.right.at)
      s.right = {f.x1, index, external};
  } else if (f.Horizontal() && f.x1 != f.x2) {
    if (!(f.x1 < b.right && f.x2 > b.left)) return;
    if (f.y1 >= b.top && f.y1 < s.top.at)
      s.top = {f.y1, index, external};
    else if (f.y1 <= b.bottom && f.y1 > s.bottom.at)
      s.bottom = {f.y1, index, external};
  }
}

// The span along a side of the wall found on it: an external wall's inner
// face; of an internal wall, the face further right for a left or right
// side and the lower face for a top or bottom side.
building::Face FoundFace(const TObj& wall, bool vertical) {
  if (const auto* x = dynamic_cast<const TExtwallobj*>(&wall))
    return building::ExtWallInnerFace(*x);
  const auto faces = building::InWallFaces(static_cast<const TInwallobj&>(wall));
  if (vertical) return faces[1].x1 <= faces[0].x1 ? faces[0] : faces[1];
  return faces[1].y1 >= faces[0].y1 ? faces[0] : faces[1];
}

SideCover Classify(const Best& best, int32 side, int32 a, int32 b, bool vertical) {
  SideCover c;
  if (best.wall == kNoWall || best.at != side) return c;
  const building::Face f = FoundFace(*DrawingList.At(best.wall), vertical);
  c.lo = vertical ? f.y1 : f.x1;
  c.hi = vertical ? f.y2 : f.x2;
  c.cls = droom::CoverClass(a, b, c.lo, c.hi, vertical, best.external);
  return c;
}

// What covers each side of the room's box on the current floor. The box's
// sides are first brought onto an external wall's inner face lying within
// tol of them.
droom::RoomCover FindRoomCover(Box& b, int32 tol) {
  Sides s;
  for (int32 i = 6; i < DrawingList.Count(); ++i) {
    const TObj* e = DrawingList.At(i);
    if (e->Floor != CurrentView) continue;
    if (e->Kind == kind::InWall) {
      if (const auto* w = dynamic_cast<const TInwallobj*>(e))
        for (const building::Face& f : building::InWallFaces(*w)) TakeFace(f, i, false, b, s);
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
      TakeFace(f, i, true, b, s);
    }
  }
  droom::RoomCover c;
  droom::At(c, RoomSide::Left) = Classify(s.left, b.left, b.bottom, b.top, true);
  droom::At(c, RoomSide::Right) = Classify(s.right, b.right, b.bottom, b.top, true);
  droom::At(c, RoomSide::Top) = Classify(s.top, b.top, b.left, b.right, false);
  droom::At(c, RoomSide::Bottom) = Classify(s.bottom, b.bottom, b.left, b.right, false);
  return c;
}

// The id a room's next text group takes: the first from `from` on that no
// element uses and that lies in no other room's block of ids, so that the
// texts of rooms on any floor never share an id with anything else.
int32 FreeTextId(int32 group, int32 from) {
  auto used = [group](int32 id) {
    if (id >= kReservedIdFirst && id <= kReservedIdLast) return true;
    for (int32 i = 6; i < DrawingList.Count(); ++i) {
      const TObj* e = DrawingList.At(i);
      if (e->LinkId == id || e->Tag1 == id) return true;
      if (kind::IsRoomKind(e->Kind) && e->Tag1 != group && id >= e->Tag1 &&
          id < 1LL * e->Tag1 + kIdsPerRoom)
        return true;
    }
    return false;
  };
  int32 id = from;
  while (id < kLastGroupNumber && used(id)) ++id;
  return id;
}

// The tool's link id moves on to the room's next text group.
void NextTextGroup(TInwallobjtool& tool) {
  tool.LinkId = FreeTextId(tool.Tag1, tool.LinkId < kLastGroupNumber ? tool.LinkId + 1 : tool.LinkId);
  // Later groups of this floor (dimensions) start beyond it.
  NextGroupNumber =
      std::max(GroupNumberAfter(NextGroupNumber), tool.LinkId - droom::FloorIdBase(CurrentView));
}

void AddText(const TInwallobjtool& tool, int32 k, plat::Point at, int32 direction, int32 secondY,
             int32 escapement, int32 height, const std::string& text) {
  DrawingList.Add(new TTextobj(k, CurrentView, tool.LinkId, tool.Tag1, at.x, at.y, direction,
                               secondY, 0, DrawingColour, 0, escapement, kTextAlignment, 0, height,
                               TextWeight, DrawingList.TextFontName.c_str(), text.c_str()));
}

void AddDimension(const TInwallobjtool& tool, plat::Point a, plat::Point aIn, plat::Point b,
                  plat::Point bIn, int32 direction, int32 style) {
  DrawingList.Add(new TDimensobj(kind::Dimension261, CurrentView, tool.LinkId, tool.Tag1, a.x, a.y,
                                 aIn.x, aIn.y, b.x, b.y, bIn.x, bIn.y, direction, style,
                                 DrawingColour));
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

void AddRoomTexts(TInwallobjtool& tool, const RoomCopy& room, const Box& b) {
  const LockSettings s = ReadLockSettings();
  tool.Tag1 = tool.LinkId;
  NextTextGroup(tool);
  const int32 cx = b.left + (b.right - b.left) / 2;
  const int32 cy = b.top - (b.top - b.bottom) / 2;
  if (room.name != kNameNone)
    AddText(tool, kind::WallLabel, {cx, cy}, kAcross, 0, 0, s.textHeight, room.name);
  const int32 mode = room.textMode;
  if (mode == droom::dimchoice::Both || mode == droom::dimchoice::Width) {
    NextTextGroup(tool);
    const int32 y = b.top - s.offset;
    AddText(tool, kind::WallLengthText, {cx, y}, kAcrossBack, 0, 0, s.textHeight, room.width);
    AddDimension(tool, {b.left, y}, {b.left + s.inset, y}, {b.right, y}, {b.right - s.inset, y},
                 kAcross, s.arrowStyle);
  }
  if (mode == droom::dimchoice::Both || mode == droom::dimchoice::Depth) {
    NextTextGroup(tool);
    const int32 x = b.left + s.offset;
    AddText(tool, kind::WallLengthText, {x, cy}, kAcross, 0, s.escapement, s.textHeight,
            room.depth);
    AddDimension(tool, {x, b.top}, {x, b.top - s.inset}, {x, b.bottom}, {x, b.bottom + s.inset},
                 kDown, s.arrowStyle);
  }
  if (mode == droom::dimchoice::SizeText) {
    const int32 drop = kLabelDrop * PixelScale;
    AddText(tool, kind::WallLabel, {cx, cy - drop}, kAcross, drop, 0, s.textHeight,
            room.width + " x " + room.depth);
  }
}

}  // namespace

int32 RoomWallSizeOrReport(int32 view) {
  const int32 w = droom::RoomWallSize(view);
  if (w > 0) return w;
  plat::ErrorBox(std::string("The wall thickness round design rooms cannot be read from ") +
                     cfgfile::RoomWalls.ForUnits() +
                     " - the design rooms were not finished into walls.",
                 plat::mbOK);
  return 0;
}

void TInwallobjtool::CreateRoomWall() {
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
  DrawingList.Add(MakeInwall(kind::InWall, Draft(), CurrentView, Colour));
  DrawingList.WriteDrawingFile(dtDrawing);
}

void BuildRoomWalls(TInwallobjtool& tool, int32 roomIndex) {
  const auto* r = dynamic_cast<const TRoomobj*>(DrawingList.At(roomIndex));
  if (!r) return;
  const RoomCopy room = CopyRoom(*r);
  const int32 w = droom::RoomWallSize(CurrentView);
  tool.Spacing = w;
  tool.LinkId = tool.Tag1 = room.group;
  tool.Colour = DrawingColour;
  tool.StartMeetAngle = tool.EndMeetAngle = -1;

  Box b = room.box;
  const int32 tol = TruncToInt((MetricUnits == 1 ? 5.0 : 6.0) * ZoomFactor + 1);
  const droom::RoomCover cover = FindRoomCover(b, tol);
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
    tool.CreateRoomWall();
  }
  AddRoomTexts(tool, room, b);
  tool.Y1 = 0;
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
  if (anyWalled && RoomWallSizeOrReport(CurrentView) <= 0) return 0;

  int32 w = 0;
  for (int32 i = 6; i < DrawingList.Count(); ++i) {
    if (!walled(i)) continue;
    const TObj* r = DrawingList.At(i);
    tool.Frame[0] = std::min(tool.Frame[0], r->X1);
    tool.Frame[1] = std::max(tool.Frame[1], r->X2);
    tool.Frame[2] = std::max(tool.Frame[2], r->Y1);
    tool.Frame[3] = std::min(tool.Frame[3], r->Y2);
    BuildRoomWalls(tool, i);
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
