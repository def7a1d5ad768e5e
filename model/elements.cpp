#include "model/elements.h"

#include <algorithm>

namespace {

// All n entries cleared, then the first count copied from src (when given).
void CopyPoints(int32* dst, const int32* src, int32 count) {
  std::fill(dst, dst + kMaxPolyPoints, 0);
  if (src == nullptr) return;
  std::copy(src, src + count, dst);
}

void CopyFour(int32* dst, const int32* src) {
  if (src == nullptr) {
    std::fill(dst, dst + 4, 0);
    return;
  }
  std::copy(src, src + 4, dst);
}

}  // namespace

int32 CopyBoundedText(char* dst, int32 capacity, const char* src, int32 maxChars) {
  int32 limit = capacity - 1;
  if (maxChars >= 0) limit = std::min(limit, maxChars);
  int32 n = 0;
  if (src != nullptr) {
    while (n < limit && src[n] != '\0') {
      dst[n] = src[n];
      ++n;
    }
  }
  std::fill(dst + n, dst + capacity, '\0');
  return n;
}

ElementClass ClassOfKind(int32 k) {
  // The order matters only where sets could overlap; it is the order in
  // which drawing files have always been decided.
  if (kind::IsLineKind(k)) return ElementClass::Line;
  if (kind::IsExtWallKind(k)) return ElementClass::ExtWall;
  if (kind::IsInWallKind(k)) return ElementClass::InWall;
  if (kind::IsArrowKind(k)) return ElementClass::Arrow;
  if (kind::IsDimensionKind(k)) return ElementClass::Dimension;
  if (kind::IsRoomKind(k)) return ElementClass::Room;
  if (kind::IsWindowKind(k)) return ElementClass::Window;
  if (kind::IsDoorKind(k)) return ElementClass::Door;
  if (kind::IsPolygonKind(k)) return ElementClass::Poly;
  if (kind::IsTextKind(k)) return ElementClass::Text;
  if (k == kind::Arc) return ElementClass::Arc;
  if (k == kind::Ellipse) return ElementClass::Ellipse;
  if (k == kind::Circle) return ElementClass::Circle;
  if (k == kind::RoundRect) return ElementClass::RndRect;
  if (kind::IsInfoKind(k)) return ElementClass::Info;
  return ElementClass::None;
}

TObj* NewElementOfKind(int32 k) {
  TObj* e = nullptr;
  switch (ClassOfKind(k)) {
    case ElementClass::None: return nullptr;
    case ElementClass::Line: e = new TLineobj(); break;
    case ElementClass::ExtWall: e = new TExtwallobj(); break;
    case ElementClass::InWall: e = new TInwallobj(); break;
    case ElementClass::Arrow: e = new TArrowobj(); break;
    case ElementClass::Dimension: e = new TDimensobj(); break;
    case ElementClass::Room: e = new TRoomobj(); break;
    case ElementClass::Window: e = new TWindowobj(); break;
    case ElementClass::Door: e = new TDoorobj(); break;
    case ElementClass::Poly: e = new TPolyobj(); break;
    case ElementClass::Text: e = new TTextobj(); break;
    case ElementClass::Arc: e = new TArcobj(); break;
    case ElementClass::Ellipse: e = new TEllipseobj(); break;
    case ElementClass::Circle: e = new TCircleobj(); break;
    case ElementClass::RndRect: e = new TRndrectobj(); break;
    case ElementClass::Info: e = new TInfoobj(); break;
  }
  e->Kind = k;
  return e;
}

// ---- TObj ----------------------------------------------------------------------

TObj::TObj() : Colour(DrawingColour) {}

TObj::TObj(int32 kind, int32 floor, int32 linkId, int32 tag1, int32 x1, int32 marked, int32 x2,
           int32 tag2, int32 y1, int32 y2, uint32 colour, int32 penWidth, int32 penStyle)
    : Floor(floor),
      Kind(kind),
      PenWidth(penWidth),
      PenStyle(penStyle),
      LinkId(linkId),
      Tag1(tag1),
      X1(x1),
      Marked(marked),
      X2(x2),
      Tag2(tag2),
      Y1(y1),
      Y2(y2),
      Colour(colour) {}

TObj::TObj(ForText, int32 kind, int32 floor, int32 linkId, int32 tag1, int32 x1, int32 y1, int32 x2,
           int32 y2, int32 marked, uint32 colour, int32 penWidth, int32 penStyle)
    : TObj(kind, floor, linkId, tag1, x1, marked, x2, 0, y1, y2, colour, penWidth, penStyle) {}

TObj::TObj(ForArrow, int32 kind, int32 floor, int32 linkId, int32 tag1, int32 x1, int32 y1,
           int32 x2, int32 y2, uint32 colour, int32 penWidth, int32 penStyle)
    : TObj(kind, floor, linkId, tag1, x1, 0, x2, 0, y1, y2, colour, penWidth, penStyle) {}

TObj::TObj(ForRoom, int32 kind, int32 floor, int32 linkId, int32 tag1, int32 x1, int32 y1, int32 x2,
           int32 y2, int32 penWidth, int32 penStyle)
    : TObj(kind, floor, linkId, tag1, x1, 0, x2, 0, y1, y2, DrawingColour, penWidth, penStyle) {}

TObj::TObj(ForPolygon, int32 kind, int32 floor, int32 linkId, int32 tag1, uint32 colour,
           int32 penWidth, int32 penStyle)
    : TObj(kind, floor, linkId, tag1, 0, 0, 0, 0, 0, 0, colour, penWidth, penStyle) {}

TObj::~TObj() = default;

// ---- TLineobj ------------------------------------------------------------------

TLineobj::TLineobj() {
  Colour = 0;
  PenWidth = 0;
}

TLineobj::TLineobj(int32 kind, int32 floor, int32 linkId, int32 tag1, int32 x1, int32 marked,
                   int32 x2, int32 tag2, int32 y1, int32 y2, int32 lineTag, int32 angle,
                   uint32 colour, int32 penWidth, int32 penStyle)
    : TObj(kind, floor, linkId, tag1, x1, marked, x2, tag2, y1, y2, colour, penWidth, penStyle),
      Angle(angle),
      LineTag(lineTag) {}

// ---- TArcobj -------------------------------------------------------------------

TArcobj::TArcobj() = default;

TArcobj::TArcobj(int32 kind, int32 floor, int32 linkId, int32 tag1, int32 x1, int32 marked,
                 int32 y1, int32 x2, int32 tag2, int32 y2, int32 startX, int32 startY, int32 endX,
                 int32 endY, uint32 colour, int32 penWidth, int32 penStyle)
    : TObj(kind, floor, linkId, tag1, x1, marked, x2, tag2, y1, y2, colour, penWidth, penStyle),
      StartX(startX),
      StartY(startY),
      EndX(endX),
      EndY(endY) {}

// ---- TTextobj ------------------------------------------------------------------

TTextobj::TTextobj() = default;

TTextobj::TTextobj(int32 kind, int32 floor, int32 linkId, int32 tag1, int32 x1, int32 y1, int32 x2,
                   int32 y2, int32 marked, uint32 colour, int32 /*textLength*/, int32 escapement,
                   int32 alignment, int32 /*faceLength*/, int32 size, int32 weight,
                   const char* faceName, const char* text)
    : TObj(ForText{}, kind, floor, linkId, tag1, x1, y1, x2, y2, marked, colour, 1, 0),
      Escapement(escapement),
      Alignment(alignment),
      Weight(weight),
      Size(size) {
  FaceLength = CopyBoundedText(FontFace, kFaceCapacity, faceName);
  TextLength = CopyBoundedText(Text, kTextCapacity, text);
}

// ---- Filled boxes ------------------------------------------------------------------

TEllipseobj::TEllipseobj() = default;

TEllipseobj::TEllipseobj(int32 kind, int32 floor, int32 linkId, int32 tag1, int32 x1, int32 marked,
                         int32 x2, int32 tag2, int32 y1, int32 y2, uint32 fillColour, uint32 colour,
                         int32 penWidth, int32 penStyle)
    : TObj(kind, floor, linkId, tag1, x1, marked, x2, tag2, y1, y2, colour, penWidth, penStyle) {
  FillColour = fillColour;
}

TCircleobj::TCircleobj() { Kind = kind::Circle; }

TCircleobj::TCircleobj(int32 kind, int32 floor, int32 linkId, int32 tag1, int32 x1, int32 marked,
                       int32 x2, int32 tag2, int32 y1, int32 y2, uint32 fillColour, uint32 colour,
                       int32 penWidth, int32 penStyle)
    : TObj(kind, floor, linkId, tag1, x1, marked, x2, tag2, y1, y2, colour, penWidth, penStyle) {
  FillColour = fillColour;
}

TRndrectobj::TRndrectobj() = default;

TRndrectobj::TRndrectobj(int32 kind, int32 floor, int32 linkId, int32 tag1, int32 x1, int32 marked,
                         int32 x2, int32 tag2, int32 y1, int32 y2, int32 cornerRadius,
                         uint32 fillColour, uint32 colour, int32 penWidth, int32 penStyle)
    : TObj(kind, floor, linkId, tag1, x1, marked, x2, tag2, y1, y2, colour, penWidth, penStyle),
      CornerRadius(cornerRadius) {
  FillColour = fillColour;
}

// ---- Walls -----------------------------------------------------------------------

TExtwallobj::TExtwallobj() { Kind = kind::ExtWall; }

TExtwallobj::TExtwallobj(int32 kind, int32 floor, int32 linkId, int32 tag1, int32 wallFlag,
                         int32 x1, int32 marked, int32 y1, int32 x2, int32 tag2, int32 y2,
                         int32 line2X1, int32 line2Y1, int32 line2X2, int32 line2Y2, int32 line3X1,
                         int32 line3Y1, int32 line3X2, int32 line3Y2, int32 line4X1, int32 line4Y1,
                         int32 line4X2, int32 line4Y2, int32 refX, int32 refZ, int32 refY,
                         int32 thickness1, int32 cavityWidth, int32 thickness2, int32 hatchPairs1,
                         int32 hatchPairs2, int32 wallValue0, int32 wallValue1, int32 angle,
                         int32 wallValue2, int32 wallValue3, int32 wallValue4, uint32 colour,
                         const int32* wallCodes)
    : TObj(kind, floor, linkId, tag1, x1, marked, x2, tag2, y1, y2, colour, 1, 0),
      Thickness1(thickness1),
      CavityWidth(cavityWidth),
      Thickness2(thickness2),
      HatchPairs1(hatchPairs1),
      HatchPairs2(hatchPairs2),
      WallFlag(wallFlag),
      WallValues{wallValue0, wallValue1, wallValue2, wallValue3, wallValue4},
      Angle(angle),
      Line2X1(line2X1),
      Line2Y1(line2Y1),
      Line2X2(line2X2),
      Line2Y2(line2Y2),
      Line3X1(line3X1),
      Line3Y1(line3Y1),
      Line3X2(line3X2),
      Line3Y2(line3Y2),
      Line4X1(line4X1),
      Line4Y1(line4Y1),
      Line4X2(line4X2),
      Line4Y2(line4Y2),
      RefX(refX),
      RefZ(refZ),
      RefY(refY) {
  CopyFour(WallCodes, wallCodes);
}

TInwallobj::TInwallobj() {
  Kind = kind::InWall;
  WallValues[3] = -1;
  WallValues[4] = -1;
}

TInwallobj::TInwallobj(int32 kind, int32 floor, int32 linkId, int32 tag1, int32 wallFlag, int32 x1,
                       int32 marked, int32 y1, int32 x2, int32 tag2, int32 y2, int32 line2X1,
                       int32 line2Z1, int32 line2Y1, int32 line2X2, int32 line2Y2, int32 refX,
                       int32 refZ, int32 refY, int32 thickness, int32 hatchPairs, int32 wallValue0,
                       int32 wallValue1, int32 wallValue2, int32 wallValue3, int32 wallValue4,
                       int32 angle, int32 wallValue5, int32 wallValue6, uint32 colour,
                       const int32* wallCodes)
    : TObj(kind, floor, linkId, tag1, x1, marked, x2, tag2, y1, y2, colour, 1, 0),
      Thickness(thickness),
      HatchPairs(hatchPairs),
      WallFlag(wallFlag),
      WallValues{wallValue0, wallValue1, wallValue2, wallValue3,
                 wallValue4, wallValue5, wallValue6},
      Angle(angle),
      Line2X1(line2X1),
      Line2Z1(line2Z1),
      Line2Y1(line2Y1),
      Line2X2(line2X2),
      Line2Y2(line2Y2),
      RefX(refX),
      RefZ(refZ),
      RefY(refY) {
  CopyFour(WallCodes, wallCodes);
}

// ---- Arrows and dimensions -----------------------------------------------------------

TArrowobj::TArrowobj() = default;

TArrowobj::TArrowobj(int32 kind, int32 floor, int32 linkId, int32 tag1, int32 x1, int32 y1,
                     int32 x2, int32 y2, int32 barbX1, int32 barbY1, int32 barbX2, int32 barbY2,
                     int32 barX1, int32 barY1, int32 barX2, int32 barY2, uint32 colour)
    : TObj(ForArrow{}, kind, floor, linkId, tag1, x1, y1, x2, y2, colour, 1, 0),
      BarbX1(barbX1),
      BarbY1(barbY1),
      BarbX2(barbX2),
      BarbY2(barbY2),
      BarX1(barX1),
      BarY1(barY1),
      BarX2(barX2),
      BarY2(barY2) {}

TDimensobj::TDimensobj() = default;

TDimensobj::TDimensobj(int32 kind, int32 floor, int32 linkId, int32 tag1, int32 x1, int32 y1,
                       int32 x2, int32 y2, int32 secondX1, int32 secondY1, int32 secondX2,
                       int32 secondY2, int32 angle, int32 shown, uint32 colour)
    : TObj(ForArrow{}, kind, floor, linkId, tag1, x1, y1, x2, y2, colour, 1, 0),
      Shown(shown),
      SecondX1(secondX1),
      SecondY1(secondY1),
      SecondX2(secondX2),
      SecondY2(secondY2),
      Angle(angle) {}

// ---- Rooms -------------------------------------------------------------------------

TRoomobj::TRoomobj() = default;

TRoomobj::TRoomobj(int32 kind, int32 floor, int32 linkId, int32 tag1, int32 x1, int32 y1, int32 x2,
                   int32 y2, int32 roomWidth, int32 roomHeight, int32 dimensionChoice,
                   uint32 roomFill, int32 labelSize, int32 nameLength, int32 widthTextLength,
                   int32 heightTextLength, const char* name, const char* widthText,
                   const char* heightText)
    : TObj(ForRoom{}, kind, floor, linkId, tag1, x1, y1, x2, y2, 1, 0),
      DimensionChoice(dimensionChoice),
      LabelSize(labelSize),
      RoomWidth(roomWidth),
      RoomHeight(roomHeight),
      RoomFill(roomFill) {
  // A negative length copies nothing rather than everything.
  NameLength = CopyBoundedText(RoomName, kRoomNameCapacity, name, std::max(nameLength, 0));
  WidthTextLength =
      CopyBoundedText(WidthText, kRoomWidthTextCapacity, widthText, std::max(widthTextLength, 0));
  HeightTextLength = CopyBoundedText(HeightText, kRoomHeightTextCapacity, heightText,
                                     std::max(heightTextLength, 0));
}

// ---- Polygons ------------------------------------------------------------------------

TPolyobj::TPolyobj() = default;

TPolyobj::TPolyobj(int32 kind, int32 floor, int32 linkId, int32 tag1, int32 symbolValue0,
                   int32 symbolValue1, int32 symbolValue2, int32 symbolValue3, int32 pointCount,
                   int32 symbolValue4, int32 symbolValue5, int32 symbolValue6, uint32 fillColour,
                   int32 symbolValue7, uint32 colour, int32 refX, int32 refZ, int32 refY,
                   const int32* pointX, const int32* pointZ, const int32* pointY,
                   const int32* hiddenEdges)
    : TObj(ForPolygon{}, kind, floor, linkId, tag1, colour, 1, 0),
      RefX(refX),
      RefZ(refZ),
      RefY(refY),
      PointCount(std::clamp(pointCount, 0, kMaxPolyPoints)),
      SymbolValues{symbolValue0, symbolValue1, symbolValue2, symbolValue3,
                   symbolValue4, symbolValue5, symbolValue6, symbolValue7} {
  FillColour = fillColour;
  CopyPoints(PointX, pointX, PointCount);
  CopyPoints(PointZ, pointZ, PointCount);
  CopyPoints(PointY, pointY, PointCount);
  CopyFour(HiddenEdges, hiddenEdges);
}

// ---- Records without drawing -----------------------------------------------------------

TInfoobj::TInfoobj() {
  Colour = 0;
  PenWidth = 0;
}

TInfoobj::TInfoobj(int32 kind, int32 floor, int32 linkId, int32 tag1, int32 infoValue0,
                   int32 infoValue1, int32 infoValue2, int32 infoValue3, int32 x1, int32 marked,
                   int32 y1, int32 x2, int32 tag2, int32 y2, int32 infoValue4, uint32 colour,
                   int32 penWidth, int32 penStyle)
    : TObj(kind, floor, linkId, tag1, x1, marked, x2, tag2, y1, y2, colour, penWidth, penStyle),
      InfoValues{infoValue0, infoValue1, infoValue2, infoValue3, infoValue4} {}

TWindowobj::TWindowobj() = default;

TDoorobj::TDoorobj() { OpeningValues[9] = 1; }
