// Program-wide state shared by the drawing code, the tools, the plan window
// and the main form. The program has one drawing open at a time and one
// thread, so these are plain globals; tests reset them with ResetGlobals().
#pragma once

#include <cstdint>

#include "platform/gdi_types.h"

using int32 = std::int32_t;
using uint32 = std::uint32_t;

// ---- View codes (CurrentView and every element's Floor) --------------------
namespace view {
constexpr int32 Designer1 = 1;
constexpr int32 Designer2 = 2;
constexpr int32 LayoutGround = 40;
constexpr int32 LayoutFirst = 41;
constexpr int32 LayoutSecond = 42;
constexpr int32 LayoutThird = 43;
constexpr int32 LayoutBasement = 44;
constexpr int32 LayoutMarkingWalls = 45;
constexpr int32 Group = 80;
constexpr int32 Ground = 120;
constexpr int32 First = 121;
constexpr int32 Second = 122;
constexpr int32 Third = 123;
constexpr int32 Basement = 124;
constexpr int32 SubFloor = 125;
constexpr int32 Site = 190;
constexpr int32 PrintOffset = 1000;
constexpr int32 SplitPrintOffset = 2000;
constexpr int32 PartPrintOffset = 3000;
constexpr int32 GroupPrint = Group + PrintOffset;  // 1080
constexpr int32 LastPaintable = 999;
}  // namespace view

// ---- Function groups (CurrentFunction) --------------------------------------
namespace func {
constexpr int32 File = 200;
constexpr int32 View = 210;
constexpr int32 Zoom = 220;
constexpr int32 Edit = 230;
constexpr int32 DrawingTools = 240;
constexpr int32 DrawingTools1 = 241;
constexpr int32 LineStyle = 242;
constexpr int32 Walls = 251;
constexpr int32 DesignRooms = 260;
constexpr int32 Dimensions = 280;
constexpr int32 WindowsDoors = 290;
constexpr int32 Customise = 310;
constexpr int32 Libraries = 330;
constexpr int32 ScreenAids = 350;
constexpr int32 Print = 360;
constexpr int32 EasyDraw = 390;
constexpr int32 PickTool = 500;
}  // namespace func

// ---- Colours -----------------------------------------------------------------
extern plat::COLORREF BackgroundColour;
extern plat::COLORREF DrawingColour;
extern plat::COLORREF OverlayColour;

// ---- Views, units and mapping -------------------------------------------------
extern int32 CurrentView;
extern int32 CurrentFunction;
extern int32 MetricUnits;      // 1 metric (mm), 0 imperial (1/24 inch)
extern int32 PixelScale;       // drawing units per logical unit: 5 metric, 6 imperial
extern int32 WindowOrgX;       // logical point at the bottom left of the client area
extern int32 WindowOrgY;
extern int32 WindowExtX;       // client width x ZoomFactor (start 624)
extern int32 WindowExtY;       // client height x ZoomFactor (start 346)
extern float ZoomFactor;       // logical units per pixel
extern int32 ZoomUnits;        // ZoomFactor as an integer
extern int32 TextScale;        // text height multiplier while printing, 0 unset
extern int32 DrawingWidth;     // sheet size in logical units
extern int32 DrawingHeight;
extern int32 ViewState;        // 0 none, 1 setting up, 2 ready, 3 idle keys, 11..14 library
extern int32 ZoomStyle;        // 2 normal, 3 half, 4 fit, 6 zoom up
extern float ScaleViewFactor;  // screen scale of the site view
extern int32 LayoutGridShown;  // 1 drawn

// ---- Drawing state -----------------------------------------------------------
extern int32 WallDisplayMode;  // tens: how walls draw; units: what else a floor shows
extern int32 NextGroupNumber;
extern int32 DesignRoomCount;
extern int32 OpeningCount;
// Windows and doors: the kind being put into a wall (building/opening_settings.h).
extern int32 OpeningKind;
extern int32 AutosaveMode;     // an autosave:: value
namespace autosave {
constexpr int32 Unchanged = 0;          // nothing to ask
constexpr int32 Changed = 1;            // ask before discarding the changes
constexpr int32 SaveWithoutAsking = 2;
}  // namespace autosave
extern int32 AutoScroll;
extern int32 LineThickness;
extern int32 RotationAngle;    // degrees 0..360 of the selection being placed
extern int32 TextSize;
extern int32 TextWeight;
extern int32 TextItalic;     // 1: texts and room labels are drawn italic

// ---- Wizards --------------------------------------------------------------
extern std::uint8_t WizardActive;
extern int32 WizardStep;
extern int32 WizardKind;
namespace wizardkind {
constexpr int32 None = 0;  // no wizard, or its last step was shown
constexpr int32 WallsMetric = 1;
constexpr int32 WallsImperial = 2;
constexpr int32 RoomsMetric = 3;
constexpr int32 RoomsImperial = 4;
}  // namespace wizardkind

// Every command that can change the drawing calls this: with nothing to ask
// yet (AutosaveMode 0) the save question is armed (1); saving without asking
// (2) stays as it is.
void MarkDrawingChanged();

// Start values of every global above (for start-up and for tests).
void ResetGlobals();
