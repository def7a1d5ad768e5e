// Drawing elements: the base class TObj and its fifteen element classes.
//
// Every item of a drawing (line, wall, text, room, symbol, per-floor
// information record) is one element. Its kind code decides its class when a
// drawing file is read and its role everywhere else. Texts live in fixed
// arrays inside the element, so an element owns nothing but its own storage.
#pragma once

#include <cstdint>

#include "model/globals.h"
#include "platform/gdi_types.h"

namespace plat {
class DeviceContext;
}

// ---- Kind codes --------------------------------------------------------------
namespace kind {
constexpr int32 Line = 1;  // drawn by the line tools and the layout grid
constexpr int32 Arc = 3;
constexpr int32 Text = 4;
constexpr int32 Ellipse = 5;
constexpr int32 Circle = 6;
constexpr int32 RoundRect = 8;
constexpr int32 RoomCommit = 10;  // made by the design-room tool; has no record
constexpr int32 WallLine = 11;    // lines made by the wall code and the polygon tool
constexpr int32 Text24 = 24;
constexpr int32 Text34 = 34;
constexpr int32 WallLengthText = 35;  // a wall's or line's length text
constexpr int32 WallLabel = 36;       // a wall text found through Tag1
constexpr int32 DrawingTitle = 37;
constexpr int32 AreaText = 38;  // has no record
constexpr int32 LineRangeFirst = 41;
constexpr int32 LineRangeLast = 99;
constexpr int32 ExtWall = 100;
constexpr int32 ExtWall110 = 110;
constexpr int32 InWall = 150;
constexpr int32 InWallStopStart = 154;  // stop end closing a wall run's free start
constexpr int32 InWallStopEnd = 155;    // stop end added where the drawing stopped
constexpr int32 InWallLast = 155;
constexpr int32 Arrow = 250;
constexpr int32 Dimension = 251;
constexpr int32 Arrow260 = 260;
constexpr int32 Dimension261 = 261;
constexpr int32 PolyFirst = 1000;
constexpr int32 OpeningFrame = 2000;
constexpr int32 DottedOutline = 3110;
constexpr int32 SiteSymbolFirst = 3500;
constexpr int32 SiteSymbolLast = 3599;
constexpr int32 FilledSymbolFirst = 6000;
constexpr int32 FilledSymbolLast = 6749;
constexpr int32 PolyLast = 24999;
constexpr int32 OpeningFrameAlt = 27000;  // drawn like an opening frame
constexpr int32 Room = 29000;
constexpr int32 Room29001 = 29001;
constexpr int32 LockedRoom = 29500;
constexpr int32 Window = 31501;
constexpr int32 Window31502 = 31502;
constexpr int32 Door = 31601;
constexpr int32 Door31602 = 31602;
constexpr int32 InfoFirst = 32000;  // 32000..32005: the six per-floor records

// Marks an element for deletion (LinkId), and "nothing found" in queries.
constexpr int32 DeleteMark = 30001;

constexpr bool IsLineKind(int32 k) {
  return k == Line || k == WallLine || (k >= LineRangeFirst && k <= LineRangeLast);
}
constexpr bool IsExtWallKind(int32 k) { return k == ExtWall || k == ExtWall110; }
constexpr bool IsInWallKind(int32 k) { return k >= InWall && k <= InWallLast; }
constexpr bool IsStopEndKind(int32 k) { return k == InWallStopStart || k == InWallStopEnd; }
constexpr bool IsWallKind(int32 k) { return IsExtWallKind(k) || IsInWallKind(k); }
constexpr bool IsArrowKind(int32 k) { return k == Arrow || k == Arrow260; }
constexpr bool IsDimensionKind(int32 k) { return k == Dimension || k == Dimension261; }
// The arrows and texts of a floor's automatic dimensions.
constexpr bool IsAutoDimensionKind(int32 k) { return k == Arrow || k == Text34; }
constexpr bool IsRoomKind(int32 k) { return k == Room || k == Room29001 || k == LockedRoom; }
constexpr bool IsDesignRoomKind(int32 k) { return k == Room || k == Room29001; }
constexpr bool IsWindowKind(int32 k) { return k == Window || k == Window31502; }
constexpr bool IsDoorKind(int32 k) { return k == Door || k == Door31602; }
constexpr bool IsPolygonKind(int32 k) { return k >= PolyFirst && k <= PolyLast; }
constexpr bool IsTextKind(int32 k) {
  return k == Text || k == Text24 || (k >= Text34 && k <= DrawingTitle);
}
constexpr bool IsInfoKind(int32 k) { return k >= InfoFirst; }
constexpr bool IsFilledShapeKind(int32 k) { return k == Ellipse || k == Circle || k == RoundRect; }
// Filled shapes and symbols: painted and printed first, under walls,
// openings and texts.
constexpr bool IsDrawnFirst(int32 k) {
  return (IsPolygonKind(k) && k != OpeningFrame) || IsFilledShapeKind(k);
}
}  // namespace kind

// The class an element of a kind has. The sets are tested in this order and
// the first that holds the kind decides; None: the kind has no record layout.
enum class ElementClass {
  None,
  Line,
  ExtWall,
  InWall,
  Arrow,
  Dimension,
  Room,
  Window,
  Door,
  Poly,
  Text,
  Arc,
  Ellipse,
  Circle,
  RndRect,
  Info,
};
ElementClass ClassOfKind(int32 kind);

// ---- Capacities of the fixed texts (characters plus the terminating zero) ----
constexpr int32 kTextCapacity = 80;
constexpr int32 kFaceCapacity = 32;
constexpr int32 kRoomNameCapacity = 21;
constexpr int32 kRoomWidthTextCapacity = 17;
constexpr int32 kRoomHeightTextCapacity = 18;
constexpr int32 kOpeningLabelCapacity = 32;
constexpr int32 kMaxPolyPoints = 19;

// Copies at most capacity-1 characters of src (stopping at its terminating
// zero, and after maxChars when maxChars >= 0), terminates dst, and returns
// the number of characters copied.
int32 CopyBoundedText(char* dst, int32 capacity, const char* src, int32 maxChars = -1);

// Constructor tags telling the TObj constructors apart (they take the same
// types in different orders).
struct ForText {};
struct ForArrow {};
struct ForRoom {};
struct ForPolygon {};

class TObj {
 public:
  int32 Floor = 0;
  int32 Kind = 1;
  int32 PenWidth = 1;
  int32 PenStyle = 0;
  int32 LinkId = 0;
  int32 Tag1 = 0;
  int32 X1 = 0;
  int32 Marked = 0;
  int32 X2 = 0;
  int32 Tag2 = 0;
  int32 Y1 = 0;
  int32 Y2 = 0;
  uint32 FillColour = 0;
  uint32 Colour = 0;

  // Kind 1, Colour = DrawingColour, PenWidth 1, everything else 0.
  TObj();
  TObj(int32 kind, int32 floor, int32 linkId, int32 tag1, int32 x1, int32 marked, int32 x2,
       int32 tag2, int32 y1, int32 y2, uint32 colour, int32 penWidth, int32 penStyle);
  TObj(ForText, int32 kind, int32 floor, int32 linkId, int32 tag1, int32 x1, int32 y1, int32 x2,
       int32 y2, int32 marked, uint32 colour, int32 penWidth, int32 penStyle);
  TObj(ForArrow, int32 kind, int32 floor, int32 linkId, int32 tag1, int32 x1, int32 y1, int32 x2,
       int32 y2, uint32 colour, int32 penWidth, int32 penStyle);
  // The room's Colour is DrawingColour.
  TObj(ForRoom, int32 kind, int32 floor, int32 linkId, int32 tag1, int32 x1, int32 y1, int32 x2,
       int32 y2, int32 penWidth, int32 penStyle);
  // All four coordinates, Marked and Tag2 are 0.
  TObj(ForPolygon, int32 kind, int32 floor, int32 linkId, int32 tag1, uint32 colour, int32 penWidth,
       int32 penStyle);
  virtual ~TObj();

  // Geometry with the pen already selected; the base draws nothing.
  virtual void Draw(plat::DeviceContext& dc, int32 highlight);
  // Walls only: filled between the faces, or with construction lines.
  virtual void DrawSolid(plat::DeviceContext& dc);
  virtual void DrawDetailed(plat::DeviceContext& dc, int32 highlight);
  // Pen from the element's own style, width and colour; highlight dashed.
  virtual void DrawStyled(plat::DeviceContext& dc, const plat::Rect& client, int32 highlight);
  // Sets up the view mapping first, then draws.
  virtual void Paint(plat::DeviceContext& dc, const plat::Rect& client, int32 highlight);
  void DrawForPrint(plat::DeviceContext& dc);
};

class TLineobj : public TObj {
 public:
  int32 Angle = 0;
  int32 LineTag = 0;

  TLineobj();
  TLineobj(int32 kind, int32 floor, int32 linkId, int32 tag1, int32 x1, int32 marked, int32 x2,
           int32 tag2, int32 y1, int32 y2, int32 lineTag, int32 angle, uint32 colour,
           int32 penWidth, int32 penStyle);
  void Draw(plat::DeviceContext& dc, int32 highlight) override;
};

class TArcobj : public TObj {
 public:
  int32 StartX = 0;
  int32 StartY = 0;
  int32 EndX = 0;
  int32 EndY = 0;

  TArcobj();
  TArcobj(int32 kind, int32 floor, int32 linkId, int32 tag1, int32 x1, int32 marked, int32 y1,
          int32 x2, int32 tag2, int32 y2, int32 startX, int32 startY, int32 endX, int32 endY,
          uint32 colour, int32 penWidth, int32 penStyle);
  void Draw(plat::DeviceContext& dc, int32 highlight) override;
};

class TTextobj : public TObj {
 public:
  char Text[kTextCapacity] = {};
  char FontFace[kFaceCapacity] = {};
  int32 TextLength = 0;
  int32 FaceLength = 0;
  int32 Escapement = 0;
  int32 Alignment = 0;
  int32 Weight = 0;
  int32 Size = 0;

  TTextobj();
  // The two lengths given are ignored: the texts are copied (cut to their
  // arrays) and the lengths set to what was copied.
  TTextobj(int32 kind, int32 floor, int32 linkId, int32 tag1, int32 x1, int32 y1, int32 x2,
           int32 y2, int32 marked, uint32 colour, int32 textLength, int32 escapement,
           int32 alignment, int32 faceLength, int32 size, int32 weight, const char* faceName,
           const char* text);
  void Draw(plat::DeviceContext& dc, int32 highlight) override;
};

class TEllipseobj : public TObj {
 public:
  TEllipseobj();
  TEllipseobj(int32 kind, int32 floor, int32 linkId, int32 tag1, int32 x1, int32 marked, int32 x2,
              int32 tag2, int32 y1, int32 y2, uint32 fillColour, uint32 colour, int32 penWidth,
              int32 penStyle);
  void Draw(plat::DeviceContext& dc, int32 highlight) override;
};

class TCircleobj : public TObj {
 public:
  TCircleobj();  // Kind 6
  TCircleobj(int32 kind, int32 floor, int32 linkId, int32 tag1, int32 x1, int32 marked, int32 x2,
             int32 tag2, int32 y1, int32 y2, uint32 fillColour, uint32 colour, int32 penWidth,
             int32 penStyle);
  void Draw(plat::DeviceContext& dc, int32 highlight) override;
};

class TRndrectobj : public TObj {
 public:
  int32 CornerRadius = 0;

  TRndrectobj();
  TRndrectobj(int32 kind, int32 floor, int32 linkId, int32 tag1, int32 x1, int32 marked, int32 x2,
              int32 tag2, int32 y1, int32 y2, int32 cornerRadius, uint32 fillColour, uint32 colour,
              int32 penWidth, int32 penStyle);
  void Draw(plat::DeviceContext& dc, int32 highlight) override;
};

class TExtwallobj : public TObj {
 public:
  int32 Thickness1 = 0;
  int32 CavityWidth = 0;
  int32 Thickness2 = 0;
  int32 HatchPairs1 = 0;
  int32 HatchPairs2 = 0;
  int32 WallFlag = 0;
  int32 WallValues[5] = {};
  int32 Angle = 0;
  int32 Line2X1 = 0;
  int32 Line2Y1 = 0;
  int32 Line2X2 = 0;
  int32 Line2Y2 = 0;
  int32 Line3X1 = 0;
  int32 Line3Y1 = 0;
  int32 Line3X2 = 0;
  int32 Line3Y2 = 0;
  int32 Line4X1 = 0;
  int32 Line4Y1 = 0;
  int32 Line4X2 = 0;
  int32 Line4Y2 = 0;
  int32 RefX = 0;
  int32 RefZ = 0;
  int32 RefY = 0;
  int32 WallCodes[4] = {};

  TExtwallobj();  // Kind 100
  TExtwallobj(int32 kind, int32 floor, int32 linkId, int32 tag1, int32 wallFlag, int32 x1,
              int32 marked, int32 y1, int32 x2, int32 tag2, int32 y2, int32 line2X1, int32 line2Y1,
              int32 line2X2, int32 line2Y2, int32 line3X1, int32 line3Y1, int32 line3X2,
              int32 line3Y2, int32 line4X1, int32 line4Y1, int32 line4X2, int32 line4Y2, int32 refX,
              int32 refZ, int32 refY, int32 thickness1, int32 cavityWidth, int32 thickness2,
              int32 hatchPairs1, int32 hatchPairs2, int32 wallValue0, int32 wallValue1, int32 angle,
              int32 wallValue2, int32 wallValue3, int32 wallValue4, uint32 colour,
              const int32* wallCodes);
  void Draw(plat::DeviceContext& dc, int32 highlight) override;
  void DrawSolid(plat::DeviceContext& dc) override;
  void DrawDetailed(plat::DeviceContext& dc, int32 highlight) override;
};

class TInwallobj : public TObj {
 public:
  int32 Thickness = 0;
  int32 HatchPairs = 0;
  int32 WallFlag = 0;
  int32 WallValues[7] = {};
  int32 Angle = 0;
  int32 Line2X1 = 0;
  int32 Line2Z1 = 0;
  int32 Line2Y1 = 0;
  int32 Line2X2 = 0;
  int32 Line2Y2 = 0;
  int32 RefX = 0;
  int32 RefZ = 0;
  int32 RefY = 0;
  int32 WallCodes[4] = {};

  // The bearings of the walls whose faces the two ends meet (-1: none); the
  // wall tools keep them in WallValues [3] and [4].
  int32& StartMeetAngle() { return WallValues[3]; }
  int32& EndMeetAngle() { return WallValues[4]; }
  int32 StartMeetAngle() const { return WallValues[3]; }
  int32 EndMeetAngle() const { return WallValues[4]; }

  TInwallobj();  // Kind 150, WallValues [3] and [4] -1
  TInwallobj(int32 kind, int32 floor, int32 linkId, int32 tag1, int32 wallFlag, int32 x1,
             int32 marked, int32 y1, int32 x2, int32 tag2, int32 y2, int32 line2X1, int32 line2Z1,
             int32 line2Y1, int32 line2X2, int32 line2Y2, int32 refX, int32 refZ, int32 refY,
             int32 thickness, int32 hatchPairs, int32 wallValue0, int32 wallValue1,
             int32 wallValue2, int32 wallValue3, int32 wallValue4, int32 angle, int32 wallValue5,
             int32 wallValue6, uint32 colour, const int32* wallCodes);
  void Draw(plat::DeviceContext& dc, int32 highlight) override;
  void DrawSolid(plat::DeviceContext& dc) override;
  void DrawDetailed(plat::DeviceContext& dc, int32 highlight) override;
};

class TArrowobj : public TObj {
 public:
  int32 BarbX1 = 0;
  int32 BarbY1 = 0;
  int32 BarbX2 = 0;
  int32 BarbY2 = 0;
  int32 BarX1 = 0;
  int32 BarY1 = 0;
  int32 BarX2 = 0;
  int32 BarY2 = 0;

  TArrowobj();
  TArrowobj(int32 kind, int32 floor, int32 linkId, int32 tag1, int32 x1, int32 y1, int32 x2,
            int32 y2, int32 barbX1, int32 barbY1, int32 barbX2, int32 barbY2, int32 barX1,
            int32 barY1, int32 barX2, int32 barY2, uint32 colour);
  void Draw(plat::DeviceContext& dc, int32 highlight) override;
};

class TDimensobj : public TObj {
 public:
  int32 Shown = 1;  // 1 drawn; any other value draws nothing
  int32 SecondX1 = 0;
  int32 SecondY1 = 0;
  int32 SecondX2 = 0;
  int32 SecondY2 = 0;
  int32 Angle = 0;

  TDimensobj();  // Shown 1
  TDimensobj(int32 kind, int32 floor, int32 linkId, int32 tag1, int32 x1, int32 y1, int32 x2,
             int32 y2, int32 secondX1, int32 secondY1, int32 secondX2, int32 secondY2, int32 angle,
             int32 shown, uint32 colour);
  void Draw(plat::DeviceContext& dc, int32 highlight) override;
};

class TRoomobj : public TObj {
 public:
  int32 NameLength = 0;
  int32 WidthTextLength = 0;
  int32 HeightTextLength = 0;
  int32 DimensionChoice = 0;
  int32 LabelSize = 0;
  int32 RoomWidth = 0;
  int32 RoomHeight = 0;
  uint32 RoomFill = 0;
  char RoomName[kRoomNameCapacity] = {};
  char WidthText[kRoomWidthTextCapacity] = {};
  char HeightText[kRoomHeightTextCapacity] = {};

  TRoomobj();
  // Each text is cut at the length given for it (and at its array); each
  // length field holds what was copied.
  TRoomobj(int32 kind, int32 floor, int32 linkId, int32 tag1, int32 x1, int32 y1, int32 x2,
           int32 y2, int32 roomWidth, int32 roomHeight, int32 dimensionChoice, uint32 roomFill,
           int32 labelSize, int32 nameLength, int32 widthTextLength, int32 heightTextLength,
           const char* name, const char* widthText, const char* heightText);
  void Draw(plat::DeviceContext& dc, int32 highlight) override;
};

class TPolyobj : public TObj {
 public:
  int32 PointX[kMaxPolyPoints] = {};
  int32 PointY[kMaxPolyPoints] = {};
  int32 PointZ[kMaxPolyPoints] = {};
  int32 RefX = 0;
  int32 RefZ = 0;
  int32 RefY = 0;
  int32 HiddenEdges[4] = {};
  int32 PointCount = 0;  // 0..19
  int32 SymbolValues[8] = {};

  TPolyobj();
  // Point arrays: all 19 entries cleared, then the first pointCount copied
  // (pointCount is held to 0..19).
  TPolyobj(int32 kind, int32 floor, int32 linkId, int32 tag1, int32 symbolValue0,
           int32 symbolValue1, int32 symbolValue2, int32 symbolValue3, int32 pointCount,
           int32 symbolValue4, int32 symbolValue5, int32 symbolValue6, uint32 fillColour,
           int32 symbolValue7, uint32 colour, int32 refX, int32 refZ, int32 refY,
           const int32* pointX, const int32* pointZ, const int32* pointY, const int32* hiddenEdges);
  void Draw(plat::DeviceContext& dc, int32 highlight) override;
};

class TInfoobj : public TObj {
 public:
  int32 InfoValues[5] = {};

  TInfoobj();
  TInfoobj(int32 kind, int32 floor, int32 linkId, int32 tag1, int32 infoValue0, int32 infoValue1,
           int32 infoValue2, int32 infoValue3, int32 x1, int32 marked, int32 y1, int32 x2,
           int32 tag2, int32 y2, int32 infoValue4, uint32 colour, int32 penWidth, int32 penStyle);
};

class TWindowobj : public TObj {
 public:
  int32 OpeningValues[15] = {};
  int32 InsertX = 0;
  int32 InsertY = 0;
  int32 LabelLength = 0;
  char Label[kOpeningLabelCapacity] = {};

  TWindowobj();
};

class TDoorobj : public TObj {
 public:
  int32 OpeningValues[22] = {};
  int32 InsertX = 0;
  int32 InsertY = 0;
  int32 LabelLength = 0;
  char Label[kOpeningLabelCapacity] = {};

  TDoorobj();  // OpeningValues [9] 1
};

// A new element of the class of the kind, made with that class's default
// constructor and given the kind; nullptr when the kind has no class.
TObj* NewElementOfKind(int32 kind);
