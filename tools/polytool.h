// The polygon tool. Four jobs, told apart by type and step:
//  - type 6720: a filled polygon entered corner by corner from the keyboard
//    and closed on its first corner (tools/polytool.cpp);
//  - type 6600, steps 1 and 2: joining two placed worktops (tools/poly_symbols.cpp);
//  - the wall change: Execute picks a wall face, Command(1) prepares a strip
//    along it (tools/poly_walls.cpp);
//  - the floor change, steps 800..810: a click inside a room picks the wall
//    to its left, Command(2) follows the walls round the room and labels it
//    with its floor area, Command(3) removes a floor change again.
#pragma once

#include <vector>

#include "model/wall_faces.h"
#include "tools/linetool.h"

// Steps of the polygon tool besides its start (0) and fine mode (1).
namespace polystep {
constexpr int32 Fine = 1;           // arrow keys nudge the pointer
constexpr int32 FirstWorktop = 1;   // type 6600: the first worktop click
constexpr int32 SecondWorktop = 2;  // type 6600: the second
constexpr int32 Joined = 3;
constexpr int32 SlopedWall = 610;   // the picked wall is sloped
constexpr int32 FloorPickFirst = 800;
constexpr int32 FloorPickLast = 810;
}  // namespace polystep

// Result of the floor-change pick when an existing floor change was clicked.
constexpr int32 kFloorChangePicked = 2;
// Y1 and Result after a polygon was added.
constexpr int32 kPolygonDone = 300001;

class TPolyobjtool : public TLineobjtool {
 public:
  static constexpr int32 kListCapacity = 32;
  // Kind of a keyboard polygon, of a joined worktop and its parts.
  static constexpr int32 kPolygonKind = 6720;
  static constexpr int32 kWorktopKind = 6600;
  static constexpr int32 kWorktopPartKind = 6500;
  static constexpr int32 kFloorChangeFirst = 8001;
  static constexpr int32 kFloorChangeLast = 8999;
  static constexpr int32 kFloorChangePickLast = 8010;
  // The floor-area label: a text kind the drawing file keeps.
  static constexpr int32 kAreaTextKind = kind::Text34;

  TPolyobjtool();

  void MouseDown(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y) override;
  void DrawPreview(plat::DeviceContext& dc, int32 mode) override;
  void KeyDown(plat::DeviceContext& dc, const plat::Rect& client, int32 key, plat::Point& cursor,
               int32 amount) override;
  void AddElement(plat::DeviceContext& dc, const plat::Rect& client) override;
  // 1 prepares a wall change, 2 traces a floor change, 3 removes one.
  void Command(int32 code) override;
  // The wall-change pick at (x, y), drawing units.
  void Execute(int32 x, int32 y, int32 unused) override;

  void JoinSymbols(int32 step, int32 x, int32 y);
  // One step of the walk round a room; the index of the wall reached, or
  // kNothingPicked when no face lies that way.
  int32 NextWallFace(int32 index, int32 mode);
  void AddFloorAreaText();
  void PrepareWallChange();
  void TraceFloorOutline();

  // The corners entered so far; the plan window reads the count as the
  // tool's WallDirection.
  int32 VertexCount() const { return WallDirection; }
  int32 PendingCount() const { return GuidesShown; }

  int32 VX[kListCapacity] = {};
  int32 VY[kListCapacity] = {};
  int32 VZ[kListCapacity] = {};
  int32 PolyValues[4] = {100, 100, 100, 100};
  int32 BoxMinX = 0, BoxMaxX = 0, BoxMinY = 0, BoxMaxY = 0;
  int32 ClickX = 0, ClickY = 0;
  int32 Setting = 0;         // first settings field of the wall or floor change
  int32 WalkDirection = 1;   // 1 down, 2 right, 3 up, 4 left
  int32 TextPlacement = 0;
  int32 LabelX = 0, LabelY = 0;
  plat::COLORREF Fill1 = 0, Fill2 = 0;

 private:
  // Keyboard polygon.
  bool AppendVertex(int32 x, int32 y);
  void StartPolygon(int32 x, int32 y);
  void Widen(int32 x, int32 y);
  void RemoveFloorChange();
  void SetVertexCount(int32 n) { WallDirection = n; }
  // Floor-change pick of MouseDown.
  void PickFloorChange(int32 x, int32 y);
  bool closing_ = false;
};

// The floor area of a closed outline of corners (drawing units), in the
// program's area units: S / 40000 square metres or S / 2304 square feet, S
// being the area in (drawing units / PixelScale) squared.
double OutlineArea(const std::vector<plat::Point>& corners);
// The floor-area label: " 12.5 sq. metres" / " 130.0 sq. feet", the area
// rounded to halves.
std::string AreaLabel(double area, int32 metric);
