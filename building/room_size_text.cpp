#include "building/room_size_text.h"

#include <cstdlib>
#include <map>
#include <string>

#include "tools/measure_text.h"

namespace roomsize {

void Relabel(TFlist& list, TRoomobj& room, Which which) {
  const std::string oldLabel = std::string(room.WidthText) + " x " + room.HeightText;
  if (which == Which::Depth) {
    room.HeightTextLength =
        CopyBoundedText(room.HeightText, kRoomHeightTextCapacity, MeasureText(room.RoomHeight).c_str());
  } else {
    room.WidthTextLength =
        CopyBoundedText(room.WidthText, kRoomWidthTextCapacity, MeasureText(room.RoomWidth).c_str());
  }
  const std::string newLabel = std::string(room.WidthText) + " x " + room.HeightText;
  for (int32 i = 6; i < list.Count(); ++i) {
    auto* t = dynamic_cast<TTextobj*>(list.At(i));
    if (!t || t->Kind != kind::WallLabel || t->Floor != room.Floor || t->Tag1 != room.Tag1) continue;
    if (oldLabel != t->Text) continue;
    t->TextLength = CopyBoundedText(t->Text, kTextCapacity, newLabel.c_str());
  }
}

void FollowRoom(TFlist& list, const TRoomobj& room, const RoomBox& b) {
  const int32 group = room.Tag1;
  auto cx = [](int32 left, int32 right) { return left + (right - left) / 2; };
  auto cy = [](int32 top, int32 bottom) { return top - (top - bottom) / 2; };
  const int32 dcx = cx(room.X1, room.X2) - cx(b.left, b.right);
  const int32 dcy = cy(room.Y1, room.Y2) - cy(b.top, b.bottom);
  // A coordinate goes with the side it lies nearer.
  auto withX = [&](int32 x) {
    return std::abs(x - b.left) <= std::abs(x - b.right) ? room.X1 - b.left : room.X2 - b.right;
  };
  auto withY = [&](int32 y) {
    return std::abs(y - b.top) <= std::abs(y - b.bottom) ? room.Y1 - b.top : room.Y2 - b.bottom;
  };
  auto ofRoom = [&](const TObj& e) {
    return e.Floor == room.Floor && e.Tag1 == group && e.LinkId != group;
  };
  // Each dimension's text shares its link id: level dimensions measure the
  // width, plumb ones the depth.
  std::map<int32, bool> level;
  for (int32 i = 6; i < list.Count(); ++i) {
    auto* d = dynamic_cast<TDimensobj*>(list.At(i));
    if (!d || d->Kind != kind::Dimension261 || !ofRoom(*d)) continue;
    level[d->LinkId] = d->Y1 == d->SecondY1;
    for (int32* x : {&d->X1, &d->X2, &d->SecondX1, &d->SecondX2}) *x += withX(*x);
    for (int32* y : {&d->Y1, &d->Y2, &d->SecondY1, &d->SecondY2}) *y += withY(*y);
  }
  for (int32 i = 6; i < list.Count(); ++i) {
    auto* t = dynamic_cast<TTextobj*>(list.At(i));
    if (!t || !ofRoom(*t)) continue;
    if (t->Kind == kind::WallLabel) {
      t->X1 += dcx;
      t->Y1 += dcy;
      continue;
    }
    const auto d = level.find(t->LinkId);
    if (t->Kind != kind::WallLengthText || d == level.end()) continue;
    if (d->second) {
      t->X1 += dcx;
      t->Y1 += withY(t->Y1);
      t->TextLength = CopyBoundedText(t->Text, kTextCapacity, room.WidthText, room.WidthTextLength);
    } else {
      t->X1 += withX(t->X1);
      t->Y1 += dcy;
      t->TextLength =
          CopyBoundedText(t->Text, kTextCapacity, room.HeightText, room.HeightTextLength);
    }
  }
}

}  // namespace roomsize
