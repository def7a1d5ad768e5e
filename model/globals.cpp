#include "model/globals.h"

plat::COLORREF BackgroundColour;
plat::COLORREF DrawingColour;
plat::COLORREF OverlayColour;

int32 CurrentView;
int32 CurrentFunction;
int32 MetricUnits;
int32 PixelScale;
int32 WindowOrgX;
int32 WindowOrgY;
int32 WindowExtX;
int32 WindowExtY;
float ZoomFactor;
int32 ZoomUnits;
int32 TextScale;
int32 DrawingWidth;
int32 DrawingHeight;
int32 ViewState;
int32 ZoomStyle;
float ScaleViewFactor;
int32 LayoutGridShown;

int32 WallDisplayMode;
int32 NextGroupNumber;
int32 DesignRoomCount;
int32 OpeningCount;
int32 OpeningKind;
int32 AutosaveMode;
int32 AutoScroll;
int32 LineThickness;
int32 RotationAngle;
int32 TextSize;
int32 TextWeight;
int32 TextItalic;

std::uint8_t WizardActive;
int32 WizardStep;
int32 WizardKind;

void ResetGlobals() {
  BackgroundColour = plat::RGB(255, 255, 255);
  DrawingColour = plat::RGB(0, 0, 0);
  OverlayColour = plat::RGB(160, 160, 160);

  CurrentView = view::Ground;
  CurrentFunction = 0;
  MetricUnits = 1;
  PixelScale = 5;
  WindowOrgX = 0;
  WindowOrgY = 0;
  WindowExtX = 624;
  WindowExtY = 346;
  ZoomFactor = 5.0f;
  ZoomUnits = 5;
  TextScale = 0;
  DrawingWidth = 8000;  // 40 m x 30 m at 5 mm per logical unit
  DrawingHeight = 6000;
  ViewState = 0;
  ZoomStyle = 2;
  ScaleViewFactor = 1.0f;
  LayoutGridShown = 0;

  WallDisplayMode = 0;
  NextGroupNumber = 0;
  DesignRoomCount = 0;
  OpeningCount = 0;
  OpeningKind = 0;
  AutosaveMode = autosave::Unchanged;
  AutoScroll = 0;
  LineThickness = 1;
  RotationAngle = 0;
  TextSize = 10;
  TextWeight = 400;
  TextItalic = 0;

  WizardActive = 0;
  WizardStep = 0;
  WizardKind = 0;
}

namespace {
// Globals hold their start values before main() runs.
struct InitGlobals {
  InitGlobals() { ResetGlobals(); }
} initGlobals;
}  // namespace

void MarkDrawingChanged() {
  if (AutosaveMode == autosave::Unchanged) AutosaveMode = autosave::Changed;
}
