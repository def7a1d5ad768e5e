// The settings files of design rooms, read afresh at every use. A file that
// is missing or damaged gives defined defaults: dimension choice 1, no
// colour, merging distance 0, and no room-wall size (the callers decide).
#pragma once

#include <array>
#include <optional>

#include "model/globals.h"
#include "platform/gdi_types.h"

namespace droom {

// Which texts and dimensions a room gets when it is locked into walls.
namespace dimchoice {
constexpr int32 SizeText = 1;  // the size as one text under the name
constexpr int32 Both = 2;      // width and depth dimensions
constexpr int32 Width = 3;     // the width dimension only
constexpr int32 Depth = 4;     // the depth dimension only
}  // namespace dimchoice

// The fill of a new room.
namespace colourchoice {
constexpr int32 None = 1;  // the background colour
constexpr int32 WetArea = 2;
constexpr int32 Bedroom = 3;
constexpr int32 Other = 4;
}  // namespace colourchoice

// "CFG\NEWRM.CFG": the two choices for a new room.
struct NewRoomChoice {
  int32 dimension = dimchoice::SizeText;
  int32 colour = colourchoice::None;
};
NewRoomChoice ReadNewRoomChoice();
bool WriteNewRoomChoice(const NewRoomChoice& choice);

// "CFG\RMCLR.CFG": the colours of wet areas, bedrooms and other rooms; the
// background colour for each when the file cannot be read whole.
struct RoomColours {
  plat::COLORREF wetArea = 0;
  plat::COLORREF bedroom = 0;
  plat::COLORREF other = 0;
  bool read = false;  // the file was read whole
};
RoomColours ReadRoomColours();
bool WriteRoomColours(const RoomColours& colours);
// The fill of a new room of a colour choice.
plat::COLORREF RoomFill(int32 colourChoice);

// "CFG\RMPTNM.CFG" / "CFG\RMPTNI.CFG": the wall thickness round design rooms
// on floors 120..125 (the layout views 40..44 share 120..124's); none when
// the file cannot be read whole.
using RoomWallSizes = std::array<int32, 6>;
std::optional<RoomWallSizes> ReadRoomWallSizes();
bool WriteRoomWallSizes(const RoomWallSizes& sizes);
// The current floor's room-wall size, 0 when unknown.
int32 RoomWallSize(int32 view);

// "CFG\MERGEM.CFG" / "CFG\MERGEI.CFG": the merging distance, 0 when unknown.
int32 ReadMergingDistance();
bool WriteMergingDistance(int32 distance);

}  // namespace droom
