#include "model/group_ids.h"

namespace {

constexpr int32 kGroundBase = 100000;
constexpr int32 kFloorStep = 10000;

bool Reserved(long long id) { return id >= kReservedIdFirst && id <= kReservedIdLast; }

}  // namespace

int32 FloorGroupBase(int32 v) {
  if (v < view::Ground || v > view::SubFloor) return 0;
  return kGroundBase + kFloorStep * (v - view::Ground);
}

int32 AutoDimensionGroup(int32 v) { return FloorGroupBase(v); }

int32 PeekGroupNumber(int32 base) {
  int32 n = NextGroupNumber + 1;
  while (Reserved(1LL * base + n) || Reserved(n)) ++n;
  return n;
}

int32 NewGroupId(int32 base) {
  NextGroupNumber = PeekGroupNumber(base);
  return base + NextGroupNumber;
}
