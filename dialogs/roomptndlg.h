// The room-wall thickness dialogs: the thickness of the internal walls that
// will be built round the design rooms of the current floor, kept in
// "CFG\RMPTNM.CFG" (TTRoomptndlg, millimetres) or "CFG\RMPTNI.CFG"
// (TTRoomptnimp, inches and eighths). The plan window only needs OK or
// Cancel: RunRoomWallDialog shows the dialog of the drawing's units and keeps
// the answer.
#pragma once

#include <string>

#include "building/droom_settings.h"
#include "dialogs/form.h"
#include "model/globals.h"

namespace dlg {

// The six values of the file and which one this floor's is.
struct RoomWallSetting {
  explicit RoomWallSetting(int32 view);
  droom::RoomWallSizes sizes{};
  std::size_t index = 0;
  bool read = false;  // the file was read whole
  // The floor's value changed; the other floors keep theirs (all take it
  // when the file could not be read).
  void Keep(int32 thickness) const;
};

class TTRoomptndlg {
 public:
  explicit TTRoomptndlg(int32 view);
  int32 thickness = 100;  // millimetres
  void Describe(Form& f);
  void Keep() const { setting_.Keep(thickness); }

  static constexpr int32 kMin = 25;
  static constexpr int32 kMax = 600;

 private:
  RoomWallSetting setting_;
};

class TTRoomptnimp {
 public:
  explicit TTRoomptnimp(int32 view);
  int32 inches = 4;
  int32 eighths = 0;
  void Describe(Form& f);
  std::string Accept();
  int32 Thickness() const { return inches * 24 + eighths * 3; }
  void Keep() const { setting_.Keep(Thickness()); }

  static constexpr int32 kMin = 24;   // 1 inch
  static constexpr int32 kMax = 600;  // 25 inches

 private:
  RoomWallSetting setting_;
};

// Shows the dialog of the drawing's units for the view's floor; true on OK
// (the thickness is kept by then).
bool RunRoomWallDialog(int32 view);

}  // namespace dlg
