#include "model/queries_support.h"

#include <algorithm>
#include <limits>

#include "model/elements.h"
#include "model/flist.h"
#include "model/sheet.h"
#include "model/view_mapping.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"

namespace queries {

namespace {

}  // namespace

int32 ClampToInt32(long long v) {
  return static_cast<int32>(std::clamp<long long>(v, std::numeric_limits<int32>::min(),
                                                  std::numeric_limits<int32>::max()));
}

DimensionOffsets ReadDimensionOffsets() {
  DimensionOffsets o;
  cfg::Reader r(ProgramFile(cfgfile::DimensionOffsets.ForUnits()));
  for (int32* field : {&o.internal, &o.external, &o.overall, &o.direction, &o.textSize,
                       &o.roomDimensionTextSize, &o.roomNameTextSize}) {
    if (!r.Int(*field)) break;
  }
  const int32 most = MaxDimensionOffset();
  o.internal = std::clamp(o.internal, 0, most);
  o.external = std::clamp(o.external, 0, most);
  o.overall = std::clamp(o.overall, 0, 2 * most);
  return o;
}

int32 MaxDimensionOffset() {
  constexpr int32 kMetric = 5000, kImperial = 4800;
  return MetricUnits == 1 ? kMetric : kImperial;
}

int32 DimensionMargin(const DimensionOffsets& offsets) {
  return ClampToInt32(4LL * offsets.external + offsets.overall);
}

LayoutGridSettings ReadLayoutGridSettings() {
  LayoutGridSettings g;
  cfg::Reader r(ProgramFile(cfgfile::LayoutGrid.ForUnits()));
  int32 colour = 0;
  if (r.Int(g.spacing) && r.Int(colour)) g.colour = static_cast<uint32>(colour);
  return g;
}

RoomBounds ReadRoomBounds() {
  RoomBounds b;
  cfg::Reader r(ProgramFile(cfgfile::RoomBounds));
  for (int32* field : {&b.left, &b.top, &b.right, &b.bottom}) {
    if (!r.Int(*field)) break;
  }
  return b;
}

void ReadSheetSize() {
  cfg::Reader r(ProgramFile(cfgfile::SheetSize.ForUnits()));
  int32 sides[2] = {DrawingWidth, DrawingHeight};
  for (int32& side : sides) {
    int32 v = 0;
    if (!r.Int(v)) break;
    if (v >= -kMaxSheetSide && v <= kMaxSheetSide) side = v;
  }
  SetSheetSize(sides[0], sides[1]);
}

std::array<std::string, kTitleCount> ReadTitles() {
  std::array<std::string, kTitleCount> titles;
  cfg::Reader r(ProgramFile(cfgfile::Titles));
  int32 lengths[kTitleCount] = {};
  for (int32& length : lengths) {
    if (!r.Int(length)) return titles;
  }
  r.SkipSpace();
  // Each title is taken whole so that the next one starts in step, then cut
  // to what a title can hold.
  for (int i = 0; i < kTitleCount; ++i) {
    std::string text = r.Chars(static_cast<std::size_t>(std::max<int32>(lengths[i], 0)));
    if (text.size() > static_cast<std::size_t>(kMaxTitleLength)) text.resize(kMaxTitleLength);
    titles[i] = std::move(text);
  }
  return titles;
}

void WriteSettingsLine(std::string_view programPath, const std::string& line) {
  (void)cfg::Write(ProgramFile(programPath), line);
}

std::string FormatInts(std::initializer_list<long long> values, bool newline) {
  std::string line;
  for (long long v : values) {
    if (!line.empty()) line += ' ';
    line += std::to_string(ClampToInt32(v));
  }
  if (newline) line += '\n';
  return line;
}

bool AtNewRoomPlace(const TObj& e) {
  auto* room = dynamic_cast<const TRoomobj*>(&e);
  if (!room) return false;
  const LogicalBox sheet = VisibleSheet();
  const long long x = (1LL * sheet.left + 2LL * PixelScale) * PixelScale;
  const long long y = (1LL * sheet.bottom + 2LL * PixelScale) * PixelScale + room->RoomHeight;
  return e.X1 == x && e.Y1 == y;
}

bool HasWallOnFloor(const TFlist& list, int32 floor) {
  for (int32 i = 6; i < list.Count(); ++i) {
    const TObj& e = *list.At(i);
    if (e.Floor == floor && (e.Kind == kind::ExtWall || e.Kind == kind::InWall)) return true;
  }
  return false;
}

}  // namespace queries
