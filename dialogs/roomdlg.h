// The new-room dialogs: a design room's name and size, and which texts and
// colour it takes. TTRoomdlg asks the size in millimetres, TTRoomimpdlg (in
// roomimpdlg.h) in feet, inches and eighths. Both keep the two choices in
// "CFG\NEWRM.CFG" for the next room.
#pragma once

#include <string>

#include "building/droom_geometry.h"
#include "dialogs/form.h"
#include "model/globals.h"

namespace dlg {

// What both room dialogs share: the name and the two choices.
struct RoomChoices {
  std::string name;  // up to 16 characters; empty gives "none"
  int32 dimensionChoice = 1;
  int32 colourChoice = 1;

  // Starts from "CFG\NEWRM.CFG".
  RoomChoices();
  void DescribeName(Form& f);
  void DescribeChoices(Form& f);
  // Writes the two choices to "CFG\NEWRM.CFG" (after OK).
  void Keep() const;
  // The name the room takes.
  std::string RoomName() const { return name.empty() ? "none" : name; }
};

// The longest room name.
constexpr int kRoomNameMax = 16;

class TTRoomdlg : public RoomChoices {
 public:
  // A default size.
  TTRoomdlg();
  // The free space measured round a click as the size (held to the range).
  TTRoomdlg(int32 spanWidth, int32 spanLength);

  int32 width = 3000;  // millimetres
  int32 length = 3000;

  void Describe(Form& f);
  // The size in drawing units.
  int32 Width() const { return width; }
  int32 Length() const { return length; }

  static constexpr int32 kMin = droom::MinRoomSide(1);
  static constexpr int32 kMax = 40000;
};

}  // namespace dlg
