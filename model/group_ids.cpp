#include "model/group_ids.h"

#include "platform/ui.h"

namespace {

constexpr int32 kGroundBase = 100000;
constexpr int32 kFloorStep = 10000;

constexpr const char* kNoGroupNumbersLeft =
    "the drawing has used up its group numbers: new elements share the last one";

bool Reserved(long long id) { return id >= kReservedIdFirst && id <= kReservedIdLast; }

// Whether the user has been told since the numbers last ran out.
bool toldUsedUp = false;

}  // namespace

int32 FloorGroupBase(int32 v) {
  if (v < view::Ground || v > view::SubFloor) return 0;
  return kGroundBase + kFloorStep * (v - view::Ground);
}

int32 GroupNumberAfter(int32 n) {
  if (n < kLastGroupNumber) {
    toldUsedUp = false;
    return n < 0 ? 1 : n + 1;
  }
  if (!toldUsedUp) {
    toldUsedUp = true;
    plat::ErrorBox(kNoGroupNumbersLeft, plat::mbOK);
  }
  return kLastGroupNumber;
}

int32 PeekGroupNumber(int32 base) {
  int32 n = GroupNumberAfter(NextGroupNumber);
  while ((Reserved(1LL * base + n) || Reserved(n)) && n < kLastGroupNumber) ++n;
  return n;
}

int32 NewGroupId(int32 base) {
  NextGroupNumber = PeekGroupNumber(base);
  return base + NextGroupNumber;
}
