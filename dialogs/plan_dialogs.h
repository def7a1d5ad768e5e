// The dialogs of a floor plan's dimensions and views: the floor areas, the
// floors overlaid on each other, and the dimension offsets and text sizes.
#pragma once

#include <string>
#include <vector>

#include "dialogs/form.h"
#include "model/globals.h"

// The floor areas of the drawing's floors, listed in square metres or
// square feet.
struct TTAreadlg {
  struct Row {
    std::string floor;
    int32 area = 0;
  };
  std::vector<Row> rows;  // floors that have external walls
  bool metric = true;

  // Measures every floor of the drawing in DrawingList.
  void Compute();
  int32 Total() const;
  void Describe(dlg::Form& f);
};

// Which floors a floor plan shows over each other ("CFG\OVERLAY.CFG").
struct TTOverdlg {
  int32 basement = 0;
  int32 ground = 1;
  int32 first = 0;
  int32 second = 0;
  int32 third = 0;
  int32 basementWithGround = 0;  // the basement over the ground floor alone
  int32 showDimensions = 0;      // on the working floor

  // The file's flags (what it lacks stays off); dimensions as the display shows them.
  void Read();
  // Writes the file: with the basement over the ground floor alone the
  // other five are 0; with nothing ticked the ground floor is.
  bool Write() const;
  // The display mode the choice gives: overlays with or without the
  // working floor's dimensions, keeping how walls are drawn.
  int32 DisplayMode(int32 current) const;
  void Describe(dlg::Form& f);
};

// The seven dimension settings ("CFG\MOFFSET.CFG" / "CFG\IOFFSET.CFG").
struct TTOffsetdlg {
  int32 roomOffset = 300;       // room dimensions off the wall
  int32 wallOffset = 600;       // wall dimension lines off the wall
  int32 overallOffset = 1200;   // overall dimension lines off the outline
  int32 textDirection = 0;      // 0 horizontal, 2700 along vertical dimensions
  int32 textSize = 10;          // automatic dimension texts
  int32 measureTextSize = 12;   // texts of dimensions set by two points, room sizes
  int32 roomNameSize = 14;      // room names

  void Read();
  bool Write() const;
  void Describe(dlg::Form& f);
};

// The room texts of the same file: how far room dimensions stand off the
// wall, which way a room's depth text reads and how high room texts are.
struct TTRoomtextdlg : TTOffsetdlg {
  void Describe(dlg::Form& f);
};
