// The new-room dialog of imperial drawings: name and size in feet, inches
// and eighths, and the two choices (see roomdlg.h).
#pragma once

#include <string>

#include "dialogs/roomdlg.h"

namespace dlg {

// A length as feet, inches and eighths, and back in 1/24 inch.
struct FeetInches {
  int32 feet = 0;
  int32 inches = 0;
  int32 eighths = 0;
  static FeetInches Of(int32 units);  // rounded down to eighths
  int32 Units() const;
};

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
