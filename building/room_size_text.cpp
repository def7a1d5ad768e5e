#include "building/room_size_text.h"

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

}  // namespace roomsize
