// What a window or door is: the opening kinds, and the three settings files
// the window and door dialogs write and the opening tool reads ("CFG\WIND.CFG",
// "CFG\DOOR.CFG", "CFG\INTERN.CFG"), each read whole or not at all.
#pragma once

#include <string>

#include "model/globals.h"

// OpeningKind: what the opening tool puts into a wall.
namespace openingkind {
constexpr int32 WindowFirst = 1;
constexpr int32 RoundWindow = 6;       // the round (bullseye) window
constexpr int32 FullHeightWindow = 9;  // never given a cill
constexpr int32 WindowLast = 9;
constexpr int32 WallOpening = 10;
constexpr int32 HangingDoor = 11;      // one hanging door
constexpr int32 HangingDoors = 12;     // two hanging doors
constexpr int32 InwallSlider = 13;     // one door sliding inside the wall
constexpr int32 InwallSliders = 14;    // two doors sliding inside the wall
constexpr int32 SideFrameSliders = 15; // external sliding doors with a side frame
constexpr int32 EntryFrame = 16;       // entry frame with hanging doors
constexpr int32 Garage = 19;           // a roller door, or two hanging doors
constexpr int32 NoCill20 = 20;         // has no cill and no door symbol
constexpr int32 Folding = 21;
constexpr int32 Wardrobe = 24;         // wardrobe or passing sliders

constexpr bool IsWindow(int32 k) { return k >= WindowFirst && k <= WindowLast; }
}  // namespace openingkind

// The longest text a window or door file may carry after its numbers.
constexpr int32 kOpeningTextMax = 80;

// The longest window or frame the dialogs give (20 m, or 788 inches), and
// a door's total of at most ten such leaves, drawing units. A file with
// longer lengths is damaged: it cannot be read.
constexpr int32 kMaxOpeningLength = 20000;
constexpr int32 kMaxDoorTotalLength = 10 * kMaxOpeningLength;

// "CFG\WIND.CFG": 13 "%d" and 5 "%ld" values, then value 10 characters.
struct WindowSettings {
  int32 v[18] = {};
  std::string text;

  int32 Kind() const { return v[0]; }
  int32 Width() const { return v[1]; }
  int32 Height() const { return v[2]; }
  int32 ShowSizes() const { return v[4]; }
  int32 TextHeight() const { return v[5]; }
  int32 ShowCill() const { return v[6]; }
};

// "CFG\DOOR.CFG": 15 "%d" and 7 "%ld" values, then value 11 characters.
struct DoorSettings {
  int32 v[22] = {};
  std::string text;

  int32 Kind() const { return v[0]; }
  int32 TotalWidth() const { return v[2]; }
  int32 Level() const { return v[3]; }
  int32 LeafWidth() const { return v[4]; }
  int32 LeafCount() const { return v[5]; }
  int32 FoldSide() const { return v[6]; }
  int32 Option() const { return v[8]; }
};

// "CFG\INTERN.CFG": "%d %d %lf %lf"; a line width other than 1 or 2, or a
// sine or cosine beyond -1..1, is a damaged file.
struct DoorSwing {
  int32 angle = 90;     // degrees the door stands open: 30, 60 or 90
  int32 lineWidth = 1;  // 1 thin, 2 thick leaf lines
  double sine = 1.0;
  double cosine = 0.0;
};

// Each reader takes every value and the whole counted text (at most
// kOpeningTextMax characters), with lengths no longer than the dialogs give,
// or returns false and leaves s alone.
bool ReadWindowSettings(WindowSettings& s);
bool ReadDoorSettings(DoorSettings& s);
bool ReadDoorSwing(DoorSwing& s);
// Each writer replaces its file whole; false when it cannot be written.
bool WriteWindowSettings(const WindowSettings& s);
bool WriteDoorSettings(const DoorSettings& s);
bool WriteDoorSwing(const DoorSwing& s);

// Tells the user that a settings file (a program path) cannot be used.
void ReportOpeningSettingsUnreadable(const char* file);
