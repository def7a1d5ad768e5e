// The settings files the program reads and writes, each named once, as
// program paths below the program directory. Open them through ProgramFile
// with cfg::Reader / cfg::Write (storage/cfgfile.h) or plat::*.
#pragma once

#include <string>
#include <string_view>

namespace cfgfile {

// A file kept once for metric and once for imperial drawings.
struct UnitsPair {
  const char* metric;
  const char* imperial;
  // The file of the units in force: metric while MetricUnits is 1.
  const char* ForUnits() const;
};

// ---- Start-up and the drawing life cycle ----
// Background, drawing and overlay colours, in that order.
inline constexpr const char* Colours = "CFG\\CLR.CFG";
// Status bar position (on top when 1) and the guide colour.
inline constexpr const char* Guide = "CFG\\GUIDE.CFG";
// AutosaveMode, "%d\n".
inline constexpr const char* Autosave = "CFG\\SAVE.CFG";
// AutoScroll.
inline constexpr const char* AutoScroll = "CFG\\AUTOSCROLL.CFG";
// The recent drawings, one name a line, most recent first.
inline constexpr const char* RecentFiles = "CFG\\LASTFILES.CFG";
// The name of the drawing open at Exit, one line.
inline constexpr const char* LastDrawing = "CFG\\LASTDWG.CFG";
// The views of the undo steps, "%d %d %d %d %d %d %d %d %d %d\n".
inline constexpr const char* LastUndoViews = "CFG\\LASTACT.CFG";
// The drawing as of the last explicit save, laid out as a drawing file.
inline constexpr const char* SavedCopy = "CFG\\tmp.cfg";

// ---- The drawing window's sheet and zoom ----
// Sheet width and height, "%d %d".
inline constexpr UnitsPair SheetSize{"CFG\\DWGSIZEM.CFG", "CFG\\DWGSIZEI.CFG"};
// The site plan's screen scale in percent and its zoom factor, "%f %f".
inline constexpr UnitsPair ScaleView{"CFG\\SCALEVIEWM.CFG", "CFG\\SCALEVIEWI.CFG"};
// The window extent at normal zoom, "%d %d".
inline constexpr const char* NormalZoom = "CFG\\ZOOM.CFG";
// 0, window extent, origin and zoom factor at normal zoom, "%d %d %d %d %d %f".
inline constexpr const char* ZoomState = "CFG\\ZSTAT.CFG";
// The upper floors that move with the ground floor, four view codes.
inline constexpr const char* Floors = "CFG\\FLOORS.CFG";

// ---- Measurements of the element list ----
// Plan extents: left, right, top, bottom.
inline constexpr const char* PlanExtents = "CFG\\EXTENTS.CFG";
// The clear span round a clicked point, then 0.
inline constexpr const char* ClearSpan = "CFG\\MAX.CFG";
// Width, height and area of the design rooms of a layout view.
inline constexpr const char* RoomRect = "CFG\\RECT.CFG";
// Bounds of the design rooms of a layout view: left, top, right, bottom.
inline constexpr const char* RoomBounds = "CFG\\BOUNDS.CFG";
// Extents of the elements just appended: left, right, top, bottom.
inline constexpr const char* LibraryExtents = "CFG\\LIBEXTENTS.CFG";

// ---- Drawing and printing ----
// Which other floors a floor plan shows, a value of 1 each.
inline constexpr const char* Overlay = "CFG\\OVERLAY.CFG";
// Six title lengths, then the titles of the floors and the site plan.
inline constexpr const char* Titles = "CFG\\TITLE2D.CFG";
// Dimension offsets and text sizes, seven values.
inline constexpr UnitsPair DimensionOffsets{"CFG\\MOFFSET.CFG", "CFG\\IOFFSET.CFG"};
// Layout grid spacing and colour.
inline constexpr UnitsPair LayoutGrid{"CFG\\LYTGRIDM.CFG", "CFG\\LYTGRIDI.CFG"};
// The print dialogs' choices: the vertical-text box, the dimensions, the
// wall style, line weight, text size, scale, the scale text, then the five
// floors; "%d %d %d %d %d %d %d %d %d %d %d %d\n".
inline constexpr const char* PrintChoices = "CFG\\PRINT.CFG";
// The printer's scale correction factor, "%f\n".
inline constexpr UnitsPair PrintCalibration{"CFG\\PRNTCALM.CFG", "CFG\\PRNTCALI.CFG"};

// ---- Shapes and texts ----
// The fill colour of new shapes and the colour chooser's exchange, "%ld\n".
inline constexpr const char* FillColour = "CFG\\FILLCLR.CFG";
// The text along a line: side and length "%d %d\n", then the text.
inline constexpr const char* LineText = "CFG\\LTEXT.CFG";

// ---- Selections, symbol libraries and the designer ----
// The selection hand-over: one line "%d %ld %ld\n" per listed element
// (its index in DrawingList and an origin), and the number of those lines.
inline constexpr const char* SelectionList = "CFG\\COPY.CFG";
inline constexpr const char* SelectionCount = "CFG\\TEMP.CFG";
// The frame of a part print: left, right, top, bottom, "%ld %ld %ld %ld".
inline constexpr const char* PartPrintFrame = "CFG\\PTPRINT.CFG";
// The paste buffer, in the record layout of the library symbols.
inline constexpr const char* PasteBuffer = "LIBS\\PASTE.CFG";
// The wall change's five values and the floor change's three, "%d ...".
inline constexpr const char* WallChange = "CFG\\WALLCHANGE.CFG";
inline constexpr const char* FloorChange = "CFG\\FLOORCHANGE.CFG";
// The two fill colours of a floor change, "%ld %ld\n".
inline constexpr const char* FloorColours = "CFG\\FLOORCLR.CFG";

// ---- Internal walls and wall edits ----
// The spacing of an internal wall's two lines, "%d".
inline constexpr UnitsPair InWallSpacing{"CFG\\PTNM.CFG", "CFG\\PTNI.CFG"};

// ---- Design rooms ----
// Dimension choice (1..4) and colour choice (1..4) of a new room, "%d %d".
inline constexpr const char* NewRoom = "CFG\\NEWRM.CFG";
// Colours of wet areas, bedrooms and other rooms, "%ld %ld %ld".
inline constexpr const char* RoomColours = "CFG\\RMCLR.CFG";
// Wall thickness round design rooms for floors 120..125, six values.
inline constexpr UnitsPair RoomWalls{"CFG\\RMPTNM.CFG", "CFG\\RMPTNI.CFG"};
// Distance within which a dropped room snaps to walls and rooms, "%d\n".
inline constexpr UnitsPair MergingDistance{"CFG\\MERGEM.CFG", "CFG\\MERGEI.CFG"};

// ---- External walls and their dimensions ----
// The external-wall construction: three layers, six floor values, four
// wall values and the colour, "%d %d %d %ld %ld %ld %ld %ld %ld %d %d %d %d %ld".
inline constexpr UnitsPair ExtWall{"CFG\\EXTWALLM.CFG", "CFG\\EXTWALLI.CFG"};
// A clicked dimension's end-segment length and the value kept in it, "%d %d".
inline constexpr const char* Arrow = "CFG\\ARROW.CFG";

// ---- Windows and doors ----
// The window: kind, width, height, ..., 13 "%d" and 5 "%ld" values, then a
// text of as many characters as value 10 says.
inline constexpr const char* Window = "CFG\\WIND.CFG";
// The door: kind, 0, total width, level, door width, door count, ..., 15
// "%d" and 7 "%ld" values, then a text of as many characters as value 11.
inline constexpr const char* Door = "CFG\\DOOR.CFG";
// The door swing: angle in degrees, leaf line width, its sine and cosine.
inline constexpr const char* DoorSwing = "CFG\\INTERN.CFG";

}  // namespace cfgfile

// A path below the program directory as the program opens it:
// DrawingList.ProgramDir + rel.
std::string ProgramFile(std::string_view rel);
// The same file as the user finds it on this system, for messages: its real
// path below the program directory.
std::string ShownFile(std::string_view rel);
