#include "building/opening_parts.h"

#include <algorithm>

namespace {

bool IsFrame(const TObj& e) { return e.Kind == kind::OpeningFrame; }

}  // namespace

std::vector<OpeningRef> OpeningsOfWall(const TFlist& list, int32 wallIndex) {
  std::vector<OpeningRef> out;
  if (wallIndex < 0 || wallIndex >= list.Count()) return out;
  const TObj& wall = *list.At(wallIndex);
  for (int32 i = 0; i < list.Count(); ++i) {
    const TObj& e = *list.At(i);
    if (!IsFrame(e) || e.Floor != wall.Floor || e.LinkId != wall.LinkId) continue;
    const auto* f = dynamic_cast<const TPolyobj*>(&e);
    if (!f || f->PointCount < 4) continue;
    out.push_back({i, e.LinkId, e.Tag1, {f->PointX[0], f->PointY[0]}, {f->PointX[2], f->PointY[2]}});
  }
  return out;
}

bool IsPartOfOpening(const TObj& e, const OpeningRef& o) {
  if (e.Tag1 != o.elementId) return false;
  if (e.LinkId == o.linkId) return true;
  return e.LinkId == 0 && e.Kind == kind::WallLengthText;  // the size label
}

void ShiftOpening(TFlist& list, const OpeningRef& o, int32 dx, int32 dy) {
  for (int32 i = 0; i < list.Count(); ++i) {
    TObj& e = *list.At(i);
    if (kind::IsWallKind(e.Kind) || !IsPartOfOpening(e, o)) continue;
    if (auto* f = dynamic_cast<TPolyobj*>(&e)) {
      for (int32 k = 0; k < std::clamp(f->PointCount, 0, kMaxPolyPoints); ++k) {
        f->PointX[k] += dx;
        f->PointY[k] += dy;
      }
      continue;
    }
    if (auto* a = dynamic_cast<TArcobj*>(&e)) {
      a->StartX += dx;
      a->StartY += dy;
      a->EndX += dx;
      a->EndY += dy;
    }
    e.X1 += dx;
    e.Y1 += dy;
    // A text's second point holds the wall's bearing, not a place.
    if (kind::IsTextKind(e.Kind)) continue;
    e.X2 += dx;
    e.Y2 += dy;
  }
}
