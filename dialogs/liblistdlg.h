// The library list: the symbols of one library group, each previewed near
// the window's bottom-left corner when chosen; OK places the chosen one.
//
// The dialog only names what is chosen; the plan window draws previews over
// the drawing without adding them to it (TMDIChild::PickLibraryItem).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/globals.h"

class TTLiblistdlg {
 public:
  explicit TTLiblistdlg(int32 group);

  int32 group = 0;
  std::vector<std::string> items;  // symbol names of the group in the current units
  int32 chosen = -1;               // index into items

  // The window's preview of an item (set by the caller).
  std::function<void(int32 index)> onPreview;
  // Chooses an item and previews it; an index outside the list chooses
  // nothing.
  void Choose(int32 index);
  // The chosen item's file name below LIBS\ ("" when none).
  std::string ChosenFile() const;

  std::string Accept() const;
  // The dialog's title for the group.
  std::string Title() const;
};

extern const char* const kLibraryItemIncorrect;
