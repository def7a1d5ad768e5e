#include "building/droom_fit.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace droom {

using building::Face;

namespace {

using i64 = std::int64_t;

i64 Abs(i64 v) { return v < 0 ? -v : v; }

// The nearest snap found so far on each axis: its distance (starting at the
// merging distance, so only nearer ones count) and the new left or top edge.
struct Snap {
  int32 dx = 0;
  int32 x = 0;
  int32 dy = 0;
  int32 y = 0;
};

// The snaps of the room against one neighbour q: for each of the room's four
// edges the first rule that holds and is nearer than what was found before.
void SnapToRoom(const Shape& room, const Box& q, int32 s, Snap& snap) {
  const int32 L = room.box.left, R = room.box.right, T = room.box.top, B = room.box.bottom;
  const int32 W = room.width, H = room.height;
  auto x = [&](bool holds, int32 diff, int32 left) {
    if (!holds || diff >= snap.dx) return false;
    snap.dx = diff;
    snap.x = left;
    return true;
  };
  auto y = [&](bool holds, int32 diff, int32 top) {
    if (!holds || diff >= snap.dy) return false;
    snap.dy = diff;
    snap.y = top;
    return true;
  };
  // Left edge: beside q's right side (a wall apart), or flush with its left side.
  x(L >= q.right, L - q.right, q.right + s) || x(L >= q.left, L - q.left, q.left) ||
      x(q.left >= L, q.left - L, q.left) || x(q.right >= L, q.right - L, q.right + s);
  // Right edge: flush with q's right side, or a wall apart from its left side.
  x(R >= q.right, R - q.right, q.right - W) || x(q.right >= R, q.right - R, q.right - W) ||
      x(R >= q.left, R - q.left, q.left - s - W) || x(q.left >= R, q.left - R, q.left - s - W);
  // Top edge: flush with q's top, or a wall below its bottom.
  y(T >= q.top, T - q.top, q.top) || y(T >= q.bottom, T - q.bottom, q.bottom - s) ||
      y(q.bottom >= T, q.bottom - T, q.bottom - s) || y(q.top >= T, q.top - T, q.top);
  // Bottom edge: a wall above q's top, or flush with its bottom.
  y(B >= q.top, B - q.top, q.top + s + H) || y(q.top >= B, q.top - B, q.top + s + H) ||
      y(q.bottom >= B, q.bottom - B, q.bottom + H) || y(B >= q.bottom, B - q.bottom, q.bottom + H);
}

// Whether one of a's two values lies less than m from one of b's.
bool Near(int32 a1, int32 a2, int32 b1, int32 b2, int32 m) {
  for (int32 a : {a1, a2})
    for (int32 b : {b1, b2})
      if (Abs(i64(a) - b) < m) return true;
  return false;
}

}  // namespace

Face SpanBetween(const Face& a, const Face& b) {
  return {std::max(a.x1, b.x1), std::max(a.y1, b.y1), std::min(a.x2, b.x2),
          std::min(a.y2, b.y2)};
}

Box MergeBox(const Shape& room, int32 m, int32 s, const std::vector<MergeWall>& walls,
             const std::vector<Box>& rooms) {
  const int32 L = room.box.left, R = room.box.right, T = room.box.top, B = room.box.bottom;
  const int32 W = room.width, H = room.height;

  // Walls: the nearest face per axis.
  int32 dWx = m, dWy = m, wallX = 0, wallY = 0;
  auto wallXIf = [&](bool holds, int32 diff, int32 left) {
    if (holds && diff < dWx) {
      dWx = diff;
      wallX = left;
    }
  };
  auto wallYIf = [&](bool holds, int32 diff, int32 top) {
    if (holds && diff < dWy) {
      dWy = diff;
      wallY = top;
    }
  };
  for (const MergeWall& w : walls) {
    const Face& f = w.span;
    if (!w.horizontal) {
      if (!(i64(f.y2) + m > B && i64(f.y1) - m < T)) continue;
      wallXIf(L > f.x1, L - f.x1, f.x1);
      wallXIf(f.x1 > L, f.x1 - L, f.x1);
      wallXIf(f.x2 > R, f.x2 - R, f.x2 - W);
      wallXIf(R > f.x2, R - f.x2, f.x2 - W);
    } else {
      if (!(i64(f.x1) - m < R && i64(f.x2) + m > L)) continue;
      wallYIf(f.y2 > T, f.y2 - T, f.y2);
      wallYIf(T > f.y2, T - f.y2, f.y2);
      wallYIf(B > f.y1, B - f.y1, f.y1 + H);
      wallYIf(f.y1 > B, f.y1 - B, f.y1 + H);
    }
  }

  // Rooms: the nearest snap per axis over all neighbours, and the best pair
  // that one neighbour gives on both axes.
  Snap nearest{m, 0, m, 0};
  Snap pair{m, 0, m, 0};
  for (const Box& q : rooms) {
    if (!Near(q.left, q.right, L, R, m) || !Near(q.top, q.bottom, T, B, m)) continue;
    SnapToRoom(room, q, s, nearest);
    Snap own{m, 0, m, 0};
    SnapToRoom(room, q, s, own);
    if (own.dx <= pair.dx && own.dy <= pair.dy) pair = own;
  }

  bool leftSet = false, topSet = false;
  int32 left = L, top = T;
  auto setLeft = [&](int32 v) {
    left = v;
    leftSet = true;
  };
  auto setTop = [&](int32 v) {
    top = v;
    topSet = true;
  };
  if (pair.dx < dWx && pair.dy < dWy) {
    setLeft(pair.x);
    setTop(pair.y);
  } else if (dWx >= pair.dx || dWy >= pair.dy) {
    if (dWx < m) {
      setLeft(wallX);
      if (nearest.dy < m) setTop(nearest.y);
    }
    if (dWy < m) {
      setTop(wallY);
      if (nearest.dx < m) setLeft(nearest.x);
    }
  } else {
    setLeft(wallX);
    setTop(wallY);
  }

  Box out = room.box;
  if (leftSet) {
    out.left = left;
    out.right = left + W;
  }
  if (topSet) {
    out.top = top;
    out.bottom = top - H;
  }
  return out;
}

Box AlignBox(const Shape& room, int32 m, const std::vector<Box>& others) {
  Box out = room.box;
  if (others.empty()) return out;
  Box ref = others.front();
  for (const Box& q : others) {
    ref.left = std::min(ref.left, q.left);
    ref.right = std::max(ref.right, q.right);
    ref.top = std::max(ref.top, q.top);
    ref.bottom = std::min(ref.bottom, q.bottom);
  }
  const int32 L = room.box.left, R = room.box.right, T = room.box.top, B = room.box.bottom;
  auto within = [m](int32 v, int32 c) { return i64(c) - m < v && v < i64(c) + m; };
  if (Abs(i64(L) - ref.left) > Abs(i64(R) - ref.right) && within(ref.right, R)) {
    out.left = ref.right - room.width;
    out.right = ref.right;
  } else if (within(ref.left, L)) {
    out.left = ref.left;
    out.right = ref.left + room.width;
  }
  if (Abs(i64(T) - ref.top) > Abs(i64(B) - ref.bottom) && within(ref.bottom, B)) {
    out.top = ref.bottom + room.height;
    out.bottom = ref.bottom;
  } else if (within(ref.top, T)) {
    out.top = ref.top;
    out.bottom = ref.top - room.height;
  }
  return out;
}

namespace {

// A bound of the free space that may still be open.
struct Bound {
  bool set = false;
  int32 v = 0;
  void Raise(int32 to) {
    if (!set || to > v) v = to;
    set = true;
  }
  void Lower(int32 to) {
    if (!set || to < v) v = to;
    set = true;
  }
};

// The extent of everything on the floor along one axis.
struct Range {
  bool set = false;
  int32 lo = 0, hi = 0;
  void Add(int32 v) {
    lo = set ? std::min(lo, v) : v;
    hi = set ? std::max(hi, v) : v;
    set = true;
  }
};

bool OnBox(const Box& b, int32 x, int32 y) {
  return b.left <= x && x <= b.right && b.bottom <= y && y <= b.top;
}

}  // namespace

FreeSpaceResult FindFreeSpace(const FreeSpaceInput& in) {
  FreeSpaceResult result;
  const int32 px = in.x, py = in.y, s = in.s;
  Range xs, ys;
  for (const Box& q : in.rooms) {
    if (OnBox(q, px, py)) result.failure = FreeSpaceFailure::Blocked;
    xs.Add(q.left);
    xs.Add(q.right);
    ys.Add(q.bottom);
    ys.Add(q.top);
  }
  for (const Face& f : in.externalFaces) {
    if (f.Holds(px, py)) result.failure = FreeSpaceFailure::Blocked;
    // An external wall widens the extent across its face only.
    if (f.Vertical()) xs.Add(f.x1);
    if (f.Horizontal()) ys.Add(f.y1);
  }
  for (const Face& f : in.internalFaces) {
    if (f.Holds(px, py)) result.failure = FreeSpaceFailure::Blocked;
    xs.Add(f.x1);
    xs.Add(f.x2);
    ys.Add(f.y1);
    ys.Add(f.y2);
  }
  if (result.failure != FreeSpaceFailure::None) return result;
  if (!xs.set || !ys.set || px < xs.lo || px > xs.hi || py < ys.lo || py > ys.hi) {
    result.failure = FreeSpaceFailure::Blocked;
    return result;
  }

  Bound left, right, below, above;
  for (const Box& q : in.rooms) {
    if (q.bottom < py && py < q.top) {
      if (q.right < px) left.Raise(q.right + s);
      else if (q.left > px) right.Lower(q.left - s);
    }
    if (q.left <= px && px < q.right) {
      if (q.bottom > py) above.Lower(q.bottom - s);
      else if (q.top < py) below.Raise(q.top + s);
    }
  }
  std::vector<const Face*> sloping;
  auto byFace = [&](const Face& f) {
    if (!f.Orthogonal()) {
      sloping.push_back(&f);
      return;
    }
    if (f.x1 < px && px < f.x2) {
      if (f.y1 > py) above.Lower(f.y1);
      else if (f.y2 < py) below.Raise(f.y2);
    }
    if (f.y1 < py && py < f.y2) {
      if (f.x2 < px) left.Raise(f.x2);
      else if (f.x1 > px) right.Lower(f.x1);
    }
  };
  for (const Face& f : in.externalFaces) byFace(f);
  for (const Face& f : in.internalFaces) byFace(f);

  Box& space = result.space;
  space.left = left.set ? left.v : xs.lo - s;
  space.right = right.set ? right.v : xs.hi + s;
  space.bottom = below.set ? below.v : ys.lo - s;
  space.top = above.set ? above.v : ys.hi + s;
  for (const Face* f : sloping) {
    if (f->x1 < space.right && f->x2 > space.left && f->y1 < space.top && f->y2 > space.bottom) {
      result.failure = FreeSpaceFailure::Angled;
      break;
    }
  }
  return result;
}

}  // namespace droom
