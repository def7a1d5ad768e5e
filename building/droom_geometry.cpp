#include "building/droom_geometry.h"

#include <algorithm>
#include <cstdlib>

#include "platform/services.h"

namespace droom {

namespace {

constexpr int32 kUnitsPerInch = 24;
constexpr int32 kInchesPerFoot = 12;
constexpr int32 kUnitsPerEighth = 3;
constexpr int32 kEighths = 8;
constexpr int32 kIdBase = 10000;
constexpr int32 kIdPerFloor = 1000;
constexpr int32 kCentreGrab = 60;  // logical units round the centre
constexpr int32 kGrabMove = 5;
constexpr int32 kGrabCentre = 6;

}  // namespace

Box Grown(const Box& b, int32 by) {
  return {b.left - by, b.top + by, b.right + by, b.bottom - by};
}

bool StrictlyContains(const Box& b, int32 x, int32 y) {
  return b.left < x && x < b.right && b.bottom < y && y < b.top;
}

std::string SizeText(int32 length, int32 metric) {
  if (metric == 1) return plat::Format("%d", length);
  const int32 inches = length / kUnitsPerInch;
  const int32 eighths = (length % kUnitsPerInch) / kUnitsPerEighth;
  const int32 feet = inches / kInchesPerFoot;
  const int32 rest = inches % kInchesPerFoot;
  if (eighths == 0) return plat::Format("%d' %d''", feet, rest);
  int32 num = eighths, den = kEighths;
  while (num % 2 == 0) {
    num /= 2;
    den /= 2;
  }
  return plat::Format("%d' %d %d/%d''", feet, rest, num, den);
}

int32 FloorIdBase(int32 view) {
  const int32 index = RoomWallIndex(view);
  return kIdBase + kIdPerFloor * index;
}

int32 RoomWallIndex(int32 v) {
  if (v >= view::LayoutGround && v <= view::LayoutBasement) return v - view::LayoutGround;
  if (v >= view::Ground && v <= view::SubFloor) return v - view::Ground;
  return 0;
}

Box NewRoomBox(int32 width, int32 height, int32 orgX, int32 orgY, int32 pixelScale) {
  Box b;
  b.left = (orgX + 2 * pixelScale) * pixelScale;
  b.bottom = (orgY + 2 * pixelScale) * pixelScale;
  b.right = b.left + width;
  b.top = b.bottom + height;
  return b;
}

int32 GrabStep(const Shape& room, int32 x, int32 y, int32 pixelScale) {
  const int32 cx = room.box.left + room.width / 2;
  const int32 cy = room.box.top - room.height / 2;
  const int32 reach = kCentreGrab * pixelScale;
  return std::abs(x - cx) < reach && std::abs(y - cy) < reach ? kGrabCentre : kGrabMove;
}

Shape Turned(const Shape& room) {
  const int32 w = room.width, h = room.height;
  const int32 cx = room.box.left + w / 2;
  const int32 cy = room.box.top - h / 2;
  Shape out;
  out.width = h;
  out.height = w;
  out.box.left = cx - h / 2;
  out.box.right = out.box.left + h;
  out.box.top = cy + w / 2;
  out.box.bottom = out.box.top - w;
  return out;
}

KeyResult ApplyArrow(const Shape& room, KeyEdit edit, Side side, int32 d, int32 nudge,
                     int32 minSide) {
  KeyResult r{room, false, 0};
  Box& b = r.shape.box;
  const bool across = side == Side::Left || side == Side::Right;
  switch (edit) {
    case KeyEdit::Enlarge:
    case KeyEdit::Shrink: {
      int32& size = across ? r.shape.width : r.shape.height;
      int32 by = d;
      if (edit == KeyEdit::Shrink) {
        by = -std::min(d, size - minSide);
        if (by >= 0) return {room, false, 0};
      }
      switch (side) {
        case Side::Left: b.left -= by; break;
        case Side::Up: b.top += by; break;
        case Side::Right: b.right += by; break;
        case Side::Down: b.bottom -= by; break;
      }
      size += by;
      r.sizeText = across ? 2 : 1;
      break;
    }
    case KeyEdit::MoveBy:
    case KeyEdit::Nudge: {
      const int32 by = edit == KeyEdit::Nudge ? nudge : d;
      const int32 dx = side == Side::Left ? -by : side == Side::Right ? by : 0;
      const int32 dy = side == Side::Down ? -by : side == Side::Up ? by : 0;
      b = {b.left + dx, b.top + dy, b.right + dx, b.bottom + dy};
      break;
    }
  }
  r.changed = !(r.shape.box == room.box) || r.shape.width != room.width ||
              r.shape.height != room.height;
  return r;
}

}  // namespace droom
