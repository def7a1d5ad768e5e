// The layout grid drawn over the design rooms of a layout view: a solid
// frame round the rooms with dotted lines at the grid spacing (layout view),
// or dotted lines over the whole window aligned on the rooms' bounds while
// external walls are marked. The lines live only in the list; the caller
// draws them and reads the drawing again.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "model/flist.h"
#include "model/queries_support.h"
#include "model/step_range.h"

namespace {

// Design rooms taken into account for the frame.
constexpr std::size_t kMaxGridRooms = 60;
// A grid of more lines than this across the window is finer than any screen
// shows (a damaged spacing or zoom): it is left out.
constexpr long long kMaxGridLines = 4096;

// The window in drawing units. Grid lines are made only where it can show
// them (one spacing beyond each edge at most), however far the rooms or
// bounds that they are aligned on reach.
struct Window {
  long long left, right, bottom, top;
  Window()
      : left(1LL * WindowOrgX * PixelScale),
        right((1LL * WindowOrgX + WindowExtX) * PixelScale),
        bottom(1LL * WindowOrgY * PixelScale),
        top((1LL * WindowOrgY + WindowExtY) * PixelScale) {}
  bool TooFine(long long s) const {
    return (std::llabs(right - left) + std::llabs(top - bottom)) / s > kMaxGridLines;
  }
};

// The steps i of first..last at which at + dir x s x i lies within
// [lo - s, hi + s].
row::Range Within(long long first, long long last, long long at, int dir, long long s,
                  long long lo, long long hi) {
  const row::Range r = row::Within(at, dir, s, lo - s, hi + s);
  return {std::max<long long>(first, r.first), std::min<long long>(last, r.last)};
}

struct GridPen {
  uint32 colour;
  int32 style;
};

void AddGridLine(TFlist& list, const GridPen& pen, long long x1, long long y1, long long x2,
                 long long y2) {
  using queries::ClampToInt32;
  list.Add(new TLineobj(kind::Line, CurrentView, 0, 0, ClampToInt32(x1), 0, ClampToInt32(x2), 0,
                        ClampToInt32(y1), ClampToInt32(y2), 0, 0, pen.colour, 1, pen.style));
}

// Layout view 40: the frame round the placed rooms and the grid inside it.
void AddRoomFrameAndGrid(TFlist& list, std::vector<int32> rooms) {
  const queries::LayoutGridSettings grid = queries::ReadLayoutGridSettings();
  if (queries::AtNewRoomPlace(*list.At(rooms.back()))) rooms.pop_back();
  if (rooms.size() < 2) return;

  long long L = 0, R = 0, T = 0, B = 0;
  bool first = true;
  for (int32 i : rooms) {
    auto* room = dynamic_cast<const TRoomobj*>(list.At(i));
    const long long right = 1LL * list.At(i)->X1 + (room ? room->RoomWidth : 0);
    const long long bottom = 1LL * list.At(i)->Y1 - (room ? room->RoomHeight : 0);
    L = first ? list.At(i)->X1 : std::min<long long>(L, list.At(i)->X1);
    R = first ? right : std::max(R, right);
    T = first ? list.At(i)->Y1 : std::max<long long>(T, list.At(i)->Y1);
    B = first ? bottom : std::min(B, bottom);
    first = false;
  }

  list.WriteDrawingFile(dtDrawing);
  list.Clear();
  const GridPen frame{grid.colour, plat::PS_SOLID};
  AddGridLine(list, frame, L, T, L, B);
  AddGridLine(list, frame, L, T, R, T);
  AddGridLine(list, frame, R, T, R, B);
  AddGridLine(list, frame, L, B, R, B);
  if (grid.spacing <= 0) return;  // no spacing, no grid

  const long long s = grid.spacing;
  const Window w;
  if (w.TooFine(s)) return;
  const GridPen dotted{grid.colour, plat::PS_DOT};
  const row::Range across = Within(0, (R - L) / s, L, +1, s, w.left, w.right);
  for (long long i = across.first; i <= across.last; ++i)
    AddGridLine(list, dotted, L + i * s, B, L + i * s, T);
  const row::Range down = Within(0, (T - B) / s, T, -1, s, w.bottom, w.top);
  for (long long i = down.first; i <= down.last; ++i)
    AddGridLine(list, dotted, L, T - i * s, R, T - i * s);
}

// Layout view 45: the grid over the whole window, through the rooms' left
// and top bounds; the last line on each side may lie just beyond the window.
void AddWindowGrid(TFlist& list) {
  const queries::LayoutGridSettings grid = queries::ReadLayoutGridSettings();
  if (grid.spacing <= 0) return;
  const queries::RoomBounds bounds = queries::ReadRoomBounds();
  const long long s = grid.spacing;
  const long long L = bounds.left;
  const long long T = bounds.top;
  const Window w;
  if (w.TooFine(s)) return;
  const long long XL = w.left, XR = w.right, YB = w.bottom, YT = w.top;
  const GridPen dotted{grid.colour, plat::PS_DOT};

  auto vertical = [&](long long x) { AddGridLine(list, dotted, x, YT, x, YB); };
  auto horizontal = [&](long long y) { AddGridLine(list, dotted, XL, y, XR, y); };
  vertical(L);
  horizontal(T);
  const row::Range left = Within(1, (L - XL) / s + 1, L, -1, s, XL, XR);
  for (long long i = left.first; i <= left.last; ++i) vertical(L - i * s);
  const row::Range right = Within(1, (XR - L) / s + 1, L, +1, s, XL, XR);
  for (long long i = right.first; i <= right.last; ++i) vertical(L + i * s);
  const row::Range below = Within(1, (T - YB) / s + 1, T, -1, s, YB, YT);
  for (long long i = below.first; i <= below.last; ++i) horizontal(T - i * s);
  const row::Range above = Within(1, (YT - T) / s + 1, T, +1, s, YB, YT);
  for (long long i = above.first; i <= above.last; ++i) horizontal(T + i * s);
}

}  // namespace

void TFlist::AddLayoutGrid() {
  std::vector<int32> rooms;
  for (int32 i = 0; i < Count() && rooms.size() < kMaxGridRooms; ++i) {
    const TObj& e = *At(i);
    if (kind::IsDesignRoomKind(e.Kind) && e.Floor == CurrentView) rooms.push_back(i);
  }
  if (CurrentView == view::LayoutGround) {
    if (rooms.size() >= 2) AddRoomFrameAndGrid(*this, std::move(rooms));
  } else if (CurrentView == view::LayoutMarkingWalls) {
    AddWindowGrid(*this);
  }
}
