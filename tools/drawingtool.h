// The base of the drawing tools.
//
// The main form owns exactly one current tool; the plan window hands it the
// mouse and keyboard events of a drawing window through the virtual
// operations below, and the commands set its type and step and call its
// Command and Execute operations. A tool keeps the state of one drawing
// function between events in plain fields, and reports back through them
// (30001 when nothing was picked, and so on), never through results.
#pragma once

#include <string>

#include "model/globals.h"
#include "platform/gdi_types.h"

namespace plat {
class DeviceContext;
}

// ---- Tool types (TDrawingtool::Type) -------------------------------------------
namespace tooltype {
constexpr int32 Base = 0;             // never current
constexpr int32 Line = 1;             // also the default tool
constexpr int32 Plain2 = 2;           // a command's tool whose click only sets the mode
constexpr int32 Arc = 3;
constexpr int32 Text = 4;
constexpr int32 Ellipse = 5;
constexpr int32 Circle = 6;
constexpr int32 RoundRect = 8;
constexpr int32 Polygon = 9;          // polygon tool as constructed
constexpr int32 Outline = 11;         // external-wall outline drawn with the line tool
constexpr int32 Move = 14;
constexpr int32 Copy = 15;
constexpr int32 CircleDone = 18;
constexpr int32 Erase = 19;
constexpr int32 Parked = 20;          // typed text ended, or parked by a library pick
constexpr int32 Pick = 21;
constexpr int32 LibraryPick = 22;
constexpr int32 TypedText = 24;
constexpr int32 TextEdit = 25;
constexpr int32 Fill = 26;
constexpr int32 Centred41 = 41;       // line-object types whose preview follows CENTRE
constexpr int32 Type57 = 57;
constexpr int32 Centred60 = 60;
constexpr int32 Centred62 = 62;
constexpr int32 Centred64 = 64;
constexpr int32 Centred72 = 72;
constexpr int32 Roof73 = 73;
constexpr int32 RoofExtension = 77;
constexpr int32 Roof80 = 80;
constexpr int32 Roof81 = 81;
constexpr int32 RoofRidge = 83;
constexpr int32 Verandah = 88;
constexpr int32 RoofAlteration = 93;
constexpr int32 ClearSpan = 98;       // the designer's clear-span pick
constexpr int32 WallEdit = 99;
constexpr int32 ExtWall = 100;
constexpr int32 ExtWallUpper = 101;   // an upper floor takes the outline below
constexpr int32 EnlargeShrink = 140;  // expanding or shrinking the base
constexpr int32 InWall = 150;
constexpr int32 Opening = 200;        // set by the window and door commands
constexpr int32 SplitWall = 999;
constexpr int32 OpeningNew = 2000;    // the opening tool as constructed
constexpr int32 WorktopMerge = 6600;
constexpr int32 PolygonCmd = 6720;    // set by the polygon command
constexpr int32 DesignRoom = 29000;
constexpr int32 DesignRoom2 = 29001;
}  // namespace tooltype

// ---- Tool steps (TDrawingtool::Step) --------------------------------------------
namespace toolstep {
constexpr int32 Idle = 0;
constexpr int32 TextPlaced = 1;
constexpr int32 CentreFirst = 30;        // CENTRE: waiting for the first point
constexpr int32 CentreSecond = 31;       // ... the second point
constexpr int32 CentreLast = 34;         // last step the window routes to CENTRE
constexpr int32 CentreCentreFirst = 35;  // CENTRE CENTRE: first, second, third corner
constexpr int32 CentreCentreSecond = 36;
constexpr int32 CentreCentreThird = 37;
constexpr int32 CentreCentreDone = 38;
constexpr int32 DimensionFirst = 20;     // a dimension set by two points: its first point
constexpr int32 DimensionSecond = 21;    // ... its second point
constexpr int32 DimensionText = 22;      // ... its typed measurement
constexpr int32 MultiStart = 40;         // multi-line: first line's start
constexpr int32 MultiEnd = 41;           // ... its end
constexpr int32 MultiCopies = 42;        // ... the far position of the copies
constexpr int32 LineTextArmed = 50;      // text along a line: set by its command
constexpr int32 LineTextStarted = 51;    // ... after the first click or key
constexpr int32 EditFirst = 200;         // wall and line editing: 200 <= step < 1000
constexpr int32 Join = 200;
constexpr int32 EditPickEnd = 205;       // the picked end becomes both band ends
constexpr int32 Shorten = 300;
constexpr int32 Extend = 400;
constexpr int32 Split = 500;
constexpr int32 WallType = 600;
constexpr int32 MoveInWall = 700;
constexpr int32 Delete = 900;
constexpr int32 EditEnd = 1000;
constexpr int32 LockRooms = 1500;
}  // namespace toolstep

// ---- Tool states (TDrawingtool::State) -------------------------------------------
namespace toolstate {
constexpr int32 Idle = 0;
constexpr int32 Constructing = 1;
constexpr int32 InWallOpening = 4;
}  // namespace toolstate

// ---- Sentinels ---------------------------------------------------------------------
constexpr int32 kNothingPicked = 30001;       // no element, no first point, text overflow
constexpr int32 kStartNewKeyLine = 30000;     // in CursorY: the next Enter starts a line
constexpr int32 kClickWithoutDrag = 125000;   // in Y1 after a click in step 51

// The window a tool draws in, as far as a tool needs it: turning client
// pixels into screen pixels when it moves the mouse pointer.
class TToolWindow {
 public:
  virtual plat::Point ClientToScreen(plat::Point client) const = 0;

 protected:
  ~TToolWindow() = default;
};

class TDrawingtool {
 public:
  // Every field 0 except PenWidth (1).
  TDrawingtool() = default;
  // The owner replaces tools through this base, so the whole object must go.
  virtual ~TDrawingtool() = default;
  TDrawingtool(const TDrawingtool&) = delete;
  TDrawingtool& operator=(const TDrawingtool&) = delete;

  // ---- Virtual operations, in slot order --------------------------------------
  // X, Y: client pixels. The base does nothing except the two centring aids.
  virtual void MouseDown(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y);
  virtual void MouseUp(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y);
  virtual void RightMouseDown(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                              int32 Y);
  virtual void RightMouseUp(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                            int32 Y);
  virtual void MouseMove(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y);
  // Draws (or, in exclusive-or mode, erases) the tool's preview once.
  virtual void DrawPreview(plat::DeviceContext& dc, int32 mode);
  // A slot that no tool fills.
  virtual void Reserved();
  // key: virtual-key code; cursor: the mouse pointer in client pixels;
  // amount: the step in drawing units for the arrow keys (1 with Enter turns
  // straightening off).
  virtual void KeyDown(plat::DeviceContext& dc, const plat::Rect& client, int32 key,
                       plat::Point& cursor, int32 amount);
  virtual void PlaceText(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y,
                         const std::string& text);
  virtual void KeyPress(plat::DeviceContext& dc, const plat::Rect& client, char ch);
  virtual void AddElement(plat::DeviceContext& dc, const plat::Rect& client);
  virtual void AutoDimension(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                             int32 Y, int32 flag, int32 code);
  virtual void ElementsAdded(plat::DeviceContext& dc, const plat::Rect& client,
                             int32 firstIndex, int32 mode);
  virtual void Command(int32 code);
  virtual void Execute(int32 a, int32 b, int32 c);
  // CENTRE: the point midway between two clicks.
  virtual void CentreClick(plat::DeviceContext& dc, const plat::Rect& client, int32 X, int32 Y);
  // CENTRE CENTRE: the centre of a rectangle from three corners clicked clockwise.
  virtual void CentreCentreClick(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                                 int32 Y);

  // ---- Fields, in the tools' own order ---------------------------------------
  TToolWindow* Window = nullptr;  // written by the plan window before every event
  plat::COLORREF FillColour = 0;
  plat::COLORREF Colour = 0;
  int32 Active = 0;
  int32 CursorX = 0;    // guide-line crossing x (window units); picked index; text alignment
  int32 Direction = 0;  // keyboard direction; picked kind (30001 none); text angle
  int32 Step = 0;
  int32 Type = 0;
  int32 SavedStep = 0;  // step to resume after a centring aid; picked floor
  int32 PenWidth = 1;
  int32 PenStyle = 0;
  int32 ButtonDown = 0;
  int32 Size = 0;
  int32 Angle = 0;      // bearing of the segment, tenths of a degree clockwise from up
  int32 CursorY = 0;    // guide-line crossing y (window units); 30000 starts a new line
  int32 GuideMode = 0;
  int32 LinkId = 0;
  int32 Tag1 = 0;
  int32 GuidesShown = 0;
  int32 X1 = 0;
  int32 Marked = 0;
  int32 X2 = 0;
  int32 Tag2 = 0;
  int32 Y1 = 0;
  int32 Y2 = 0;
  int32 Frame[4] = {};

  // Fields the plan window and the building tools use beside the above.
  int32 State = 0;          // toolstate: 0 idle, 1 construction, 4 internal wall opening
  int32 WallDirection = 0;  // arrow direction of the next wall step: 1 up, 2 right, 3 down, 4 left
  int32 Angled = 0;         // 1 while the tool's point follows the mouse
  int32 Axis = 0;           // 1 horizontal, 2 vertical movement
  int32 Distance = 0;       // measured or last typed distance, drawing units
  int32 Result = 0;         // result marker (the opening tool: 1 when nothing was placed)
  int32 Scrolled = 0;       // 1 when the view scrolled during the last drag

  // Other names the plan window uses for shared fields.
  int32& PickedIndex() { return CursorX; }
  int32& PickedFloor() { return SavedStep; }  // 20 and 21 tag the zoom-up box
  int32& RotationField() { return Angle; }    // the move tool's turn in degrees
  int32& AddToLibraryFlag() { return Size; }  // the copy tool frames a library item

 protected:
  // The client point in drawing units.
  plat::Point ClickToDrawing(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                             int32 Y) const;
  // Moves the mouse pointer onto a point given in drawing units.
  void MoveCursorTo(plat::DeviceContext& dc, const plat::Rect& client, int32 x, int32 y) const;
};

// Whether a CENTRE result redraws the tool's preview and returns to step 0
// (types 41, 60, 62, 64, 200), or redraws it and stays in step 31.
bool CentreResumesPreview(int32 type);
bool CentreKeepsPreview(int32 type);
