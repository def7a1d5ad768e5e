// The layout grid drawn over the design rooms of a layout view: a solid
// frame round the rooms with dotted lines at the grid spacing (layout view),
// or dotted lines over the whole window aligned on the rooms' bounds while
// external walls are marked. The lines live only in the list; the caller
// draws them and reads the drawing again.
#include <algorithm>
#include <vector>

#include "model/flist.h"
#include "model/queries_support.h"

namespace {

// Design rooms taken into account for the frame.
constexpr std::size_t kMaxGridRooms = 60;

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
  const GridPen dotted{grid.colour, plat::PS_DOT};
  for (long long i = 0; i <= (R - L) / s; ++i)
    AddGridLine(list, dotted, L + i * s, B, L + i * s, T);
  for (long long i = 0; i <= (T - B) / s; ++i)
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
  const long long XL = 1LL * WindowOrgX * PixelScale;
  const long long XR = (1LL * WindowOrgX + WindowExtX) * PixelScale;
  const long long YB = 1LL * WindowOrgY * PixelScale;
  const long long YT = (1LL * WindowOrgY + WindowExtY) * PixelScale;
  const GridPen dotted{grid.colour, plat::PS_DOT};

  auto vertical = [&](long long x) { AddGridLine(list, dotted, x, YT, x, YB); };
  auto horizontal = [&](long long y) { AddGridLine(list, dotted, XL, y, XR, y); };
  vertical(L);
  horizontal(T);
  for (long long i = 1; i <= (L - XL) / s + 1; ++i) vertical(L - i * s);
  for (long long i = 1; i <= (XR - L) / s + 1; ++i) vertical(L + i * s);
  for (long long i = 1; i <= (T - YB) / s + 1; ++i) horizontal(T - i * s);
  for (long long i = 1; i <= (YT - T) / s + 1; ++i) horizontal(T + i * s);
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
