// Cutting an opening into its wall: the frame that blanks the wall's lines
// over the opening, the jambs of an internal wall, the glass or middle line,
// and then the size label or the door symbol. Every element is built as if
// the wall ran along +x with the insertion face at the insertion point and
// the other face one wall thickness toward +y, then turned with the wall.
#include <cmath>

#include "building/opening_tool.h"
#include "building/wall_geometry.h"
#include "building/wall_query.h"
#include "model/flist.h"
#include "model/queries_support.h"
#include "model/rounding.h"

namespace {

constexpr int32 kCillProjection = 50;
constexpr double kLeafRadiansPerDegree = 0.01745328;
constexpr int32 kDrawnDirection = 270;  // degrees: the build frame's wall runs this way

}  // namespace

void TWindowobjtool::Emit(plat::DeviceContext& dc, const plat::Rect& client, TObj* e) {
  if (WallAngle != bearing::Left)
    DrawingList.RotateElement(e, e->Kind, WallAngle, PlacePoint.x, PlacePoint.y);
  if (auto* frame = dynamic_cast<TPolyobj*>(e)) frame->RefX = frame->RefY = frame->RefZ = 0;
  e->Paint(dc, client, 0);
  DrawingList.Add(e);
}

void TWindowobjtool::RotateLeafPoint(int32 x, int32 y) {
  const double radians = (kDrawnDirection - WallAngle / 10) * kLeafRadiansPerDegree;
  const double dx = static_cast<double>(x) - PlacePoint.x;
  const double dy = static_cast<double>(y) - PlacePoint.y;
  const double c = std::cos(radians), s = std::sin(radians);
  PlacePoint = {PlacePoint.x + TruncToInt(dx * c - dy * s),
                PlacePoint.y + TruncToInt(dx * s + dy * c)};
}

void TWindowobjtool::PlaceOpening(plat::DeviceContext& dc, const plat::Rect& client,
                                  int32 value) {
  constexpr int32 kPlaceNothing = 4;
  Colour = DrawingColour;
  X1 = PlacePoint.x;
  Y1 = PlacePoint.y;
  if (value == kPlaceNothing) return;
  const int32 keptType = Type;
  Type = tooltype::Line;
  NewElementId = NewGroupId(OpeningIdBase(CurrentView));
  if (OpeningKind == openingkind::HangingDoor) Direction = Step;
  if (OpeningKind == openingkind::InwallSlider) SwingDirection = Step;
  BuildOpening(dc, client);
  // The drawing counts the windows and doors of its outside walls.
  if (WallClass == wallclass::External) ++OpeningCount;
  DrawingList.WriteDrawingFile(dtDrawing);
  MarkDrawingChanged();
  Type = keptType;
}

void TWindowobjtool::BuildOpening(plat::DeviceContext& dc, const plat::Rect& client) {
  using namespace openingkind;
  const int32 w = OpeningWidth, t = WallThickness;
  const plat::Point p = PlacePoint;
  const int32 x1 = p.x - w / 2, x2 = p.x + w / 2, y1 = p.y, y2 = p.y + t;
  int32 xs[4] = {x2, x1, x1, x2};
  int32 ys[4] = {y1, y1, y2, y2};
  const bool external = WallClass == wallclass::External;
  const int32 k = OpeningKind;
  if (ShowCill == 1 && external && k != FullHeightWindow && k != Garage && k != NoCill20)
    ys[0] = ys[1] = y1 - kCillProjection;
  if (!external) {
    // Over an internal wall the frame reaches past both faces, so that the
    // faces' lines vanish whatever the zoom.
    const int32 s = PixelScale * ZoomUnits;
    ys[0] = ys[1] = y1 - s;
    ys[2] = ys[3] = y2 + s;
  }
  const int32 level = queries::ClampToInt32(1LL * OpeningLevel - WallBase);
  const int32 zs[4] = {level, level, level, level};
  const int32 hidden[4] = {};
  const plat::COLORREF outline = external ? DrawingColour : BackgroundColour;
  const plat::COLORREF spare = external ? 0 : BackgroundColour;
  Emit(dc, client,
       new TPolyobj(kind::OpeningFrame, CurrentView, WallLink, NewElementId, 0, 0, 0, 0, 4, 0, 0,
                    0, BackgroundColour, static_cast<int32>(spare), outline, 0, 0, 0, xs, zs, ys,
                    hidden));
  if (!external) {
    for (int32 x : {x2, x1})
      Emit(dc, client,
           new TLineobj(kind::Line, CurrentView, WallLink, NewElementId, x, 0, x, 0, y1, y2, 0, 0,
                        DrawingColour, 1, plat::PS_SOLID));
  }
  if (external && (k < WallOpening || k == Garage)) {
    int32 ya = y1, yb = y2;
    if (k == 1 || k == 2 || k == 3) ya = yb = y1 + t / 2;
    if (k == Garage) ya = yb = y1 + t / 3;
    Emit(dc, client,
         new TLineobj(kind::WallLine, CurrentView, WallLink, NewElementId, x1, OpeningLevel, x2,
                      OpeningLevel, ya, yb, 0, 0, DrawingColour, 1, plat::PS_SOLID));
  }
  if (k < WallOpening && ShowSizes == 1)
    AddSizeLabel(dc, client);
  else
    BuildDoorSymbol(dc, client);
}
