#include "building/droom_settings.h"

#include "building/droom_geometry.h"
#include "platform/services.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"

namespace droom {

namespace {

bool InChoices(int32 v) { return v >= 1 && v <= 4; }

// Reads n integers; false unless all of them were there.
template <std::size_t N>
bool ReadAll(const char* file, std::array<int32, N>& values) {
  cfg::Reader r(ProgramFile(file));
  for (int32& v : values)
    if (!r.Int(v)) return false;
  return true;
}

}  // namespace

NewRoomChoice ReadNewRoomChoice() {
  NewRoomChoice c;
  std::array<int32, 2> v{};
  if (!ReadAll(cfgfile::NewRoom, v)) return c;
  if (InChoices(v[0])) c.dimension = v[0];
  if (InChoices(v[1])) c.colour = v[1];
  return c;
}

bool WriteNewRoomChoice(const NewRoomChoice& c) {
  return cfg::Write(ProgramFile(cfgfile::NewRoom), plat::Format("%d %d", c.dimension, c.colour));
}

RoomColours ReadRoomColours() {
  RoomColours c{BackgroundColour, BackgroundColour, BackgroundColour, false};
  std::array<int32, 3> v{};
  if (!ReadAll(cfgfile::RoomColours, v)) return c;
  c.wetArea = static_cast<plat::COLORREF>(v[0]);
  c.bedroom = static_cast<plat::COLORREF>(v[1]);
  c.other = static_cast<plat::COLORREF>(v[2]);
  c.read = true;
  return c;
}

bool WriteRoomColours(const RoomColours& c) {
  return cfg::Write(ProgramFile(cfgfile::RoomColours),
                    plat::Format("%ld %ld %ld", long(c.wetArea), long(c.bedroom), long(c.other)));
}

plat::COLORREF RoomFill(int32 colourChoice) {
  const RoomColours c = ReadRoomColours();
  switch (colourChoice) {
    case colourchoice::WetArea: return c.wetArea;
    case colourchoice::Bedroom: return c.bedroom;
    case colourchoice::Other: return c.other;
    default: return BackgroundColour;
  }
}

std::optional<RoomWallSizes> ReadRoomWallSizes() {
  RoomWallSizes v{};
  if (!ReadAll(cfgfile::RoomWalls.ForUnits(), v)) return std::nullopt;
  return v;
}

bool WriteRoomWallSizes(const RoomWallSizes& v) {
  return cfg::Write(ProgramFile(cfgfile::RoomWalls.ForUnits()),
                    plat::Format("%d %d %d %d %d %d", v[0], v[1], v[2], v[3], v[4], v[5]));
}

int32 RoomWallSize(int32 view) {
  const std::optional<RoomWallSizes> sizes = ReadRoomWallSizes();
  if (!sizes) return 0;
  const int32 size = (*sizes)[static_cast<std::size_t>(RoomWallIndex(view))];
  return size > 0 ? size : 0;
}

int32 ReadMergingDistance() {
  const int32 m = cfg::ReadFirstInt(ProgramFile(cfgfile::MergingDistance.ForUnits()), 0);
  return m > 0 ? m : 0;
}

bool WriteMergingDistance(int32 distance) {
  return cfg::Write(ProgramFile(cfgfile::MergingDistance.ForUnits()),
                    plat::Format("%d\n", distance));
}

}  // namespace droom
