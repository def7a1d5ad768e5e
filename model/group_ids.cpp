#include "model/group_ids.h"

namespace {
constexpr int32 kGroundBase = 100000;
constexpr int32 kFloorStep = 10000;
}  // namespace

int32 FloorGroupBase(int32 v) {
  if (v < view::Ground || v > view::SubFloor) return 0;
  return kGroundBase + kFloorStep * (v - view::Ground);
}

int32 NewGroupId(int32 v) {
  ++NextGroupNumber;
  return FloorGroupBase(v) + NextGroupNumber;
}
