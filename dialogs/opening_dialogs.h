// The window and door dialogs. Each describes its form (dialogs/form.h) and
// is shown with dlg::ShowModal; lengths are typed in millimetres in metric
// drawings and in inches (to an eighth) in imperial ones. The chain that
// shows them reads the settings file whole first, lets each dialog put its
// values into it on OK and writes it back.
#pragma once

#include <string>

#include "building/opening_settings.h"
#include "dialogs/form.h"
#include "model/globals.h"

// A length typed in the drawing's units, as drawing units: millimetres, or
// inches to the eighth below (1/24 inch).
int32 TypedLength(double typed, bool metric);
// A length in drawing units as the dialogs show it.
double ShownLength(int32 units, bool metric);

// The window: its kind, width and height, whether its size is written on
// the plan (and how high), and whether it has a cill.
struct TTWindlg {
  bool metric = true;
  int32 kind = 1;  // 1..9
  double width = 1800;
  double height = 1200;
  int32 showSizes = 1;
  int32 textHeight = 10;
  int32 showCill = 1;

  void Load(const WindowSettings& s, bool metricUnits);
  void Describe(dlg::Form& f);
  // Puts the values into the window settings.
  void Apply(WindowSettings& s) const;
  int32 Width() const { return TypedLength(width, metric); }
  int32 Kind() const { return kind; }
  int32 Option() const { return 0; }
};

// The door: its type, the width of each door and how many doors.
struct TTExdoordlg {
  bool metric = true;
  int32 type = openingkind::HangingDoor;
  double width = 820;  // each door
  int32 count = 1;

  void Load(const DoorSettings& s, bool metricUnits);
  void Describe(dlg::Form& f);
  std::string Accept();
  void Apply(DoorSettings& s) const;
  int32 Width() const { return TypedLength(width, metric); }
  int32 Option() const { return 0; }
};
// The numbers of doors each door type can have.
void DoorCountRange(int32 type, int32& low, int32& high);

// The way a hanging door opens, 1..8 (1..4 in walls running up and down
// the screen, 5..8 in walls running across it).
struct TTDoorplandlg {
  int32 view = 1;
  void Describe(dlg::Form& f);
};

// A door sliding inside the wall: the way it slides, and whether it slides
// into the wall (1) or along its face (0).
struct TTSdoordlg {
  int32 view = 1;
  int32 intoWall = 1;
  void Describe(dlg::Form& f);
};

// Doors in a frame: the frame's width and where the doors stand in it.
struct TTEntrydlg {
  bool metric = true;
  int32 doorKind = openingkind::EntryFrame;  // 15 or 16: the captions differ
  int32 doorsWidth = 0;                     // the doors together, drawing units
  double frameWidth = 2400;
  int32 position = 0;  // 0 central; the sides as DOOR.CFG value 9 gives them

  void Load(const DoorSettings& s, bool metricUnits);
  void Describe(dlg::Form& f);
  std::string Accept();
  void Apply(DoorSettings& s) const;
};

// Folding doors: which side opens.
struct TTFoldingdlg {
  int32 side = 0;  // 0 both ways from the middle, 1 left, 2 right
  void Load(const DoorSettings& s);
  void Describe(dlg::Form& f);
  void Apply(DoorSettings& s) const;
};

// Doors sliding within an opening: the opening's width, and whether they
// slide inside the walls.
struct TTRobedlg {
  bool metric = true;
  double openingWidth = 1800;
  int32 insideWalls = 0;

  void Load(const DoorSettings& s, bool metricUnits);
  void Describe(dlg::Form& f);
  void Apply(DoorSettings& s) const;
  int32 OpeningWidth() const { return TypedLength(openingWidth, metric); }
};

// The door swing drawn on plans: the angle a door stands open at and the
// thickness of its leaf line ("CFG\INTERN.CFG").
struct TTDefdoorsdlg {
  int32 angle = 90;     // 30, 60 or 90
  int32 lineWidth = 1;  // 1 thin, 2 thick

  void Load(const DoorSwing& s);
  void Describe(dlg::Form& f);
  DoorSwing Result() const;
};
