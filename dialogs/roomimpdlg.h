// The new-room dialog of imperial drawings: name and size in feet, inches
// and eighths, and the two choices (see roomdlg.h).
#pragma once

#include <string>

#include "dialogs/feet_inches.h"
#include "dialogs/roomdlg.h"

namespace dlg {

class TTRoomimpdlg : public RoomChoices {
 public:
  TTRoomimpdlg();
  // The free space measured round a click as the size (held to the range).
  TTRoomimpdlg(int32 spanWidth, int32 spanLength);

  FeetInches width;   // default 10' 0''
  FeetInches length;

  void Describe(Form& f);
  // The whole size within the range, else the message the form shows.
  std::string Accept();
  int32 Width() const { return width.Units(); }
  int32 Length() const { return length.Units(); }

  static constexpr int32 kMin = droom::MinRoomSide(0);  // 4 inches
  static constexpr int32 kMax = 43200;   // 150 feet
};

}  // namespace dlg
