#include "dialogs/liblistdlg.h"

#include "storage/library_file.h"

const char* const kLibraryItemIncorrect = "Library item input is incorrect";

TTLiblistdlg::TTLiblistdlg(int32 g) : group(g), items(library::Items(g)) {}

void TTLiblistdlg::Choose(int32 index) {
  if (index < 0 || index >= static_cast<int32>(items.size())) {
    chosen = -1;
    return;
  }
  chosen = index;
  if (onPreview) onPreview(index);
}

std::string TTLiblistdlg::ChosenFile() const {
  if (chosen < 0 || chosen >= static_cast<int32>(items.size())) return {};
  return library::FileName(group, items[static_cast<std::size_t>(chosen)], MetricUnits);
}

std::string TTLiblistdlg::Accept() const {
  return ChosenFile().empty() ? kLibraryItemIncorrect : std::string();
}

std::string TTLiblistdlg::Title() const {
  switch (group) {
    case library::Plumbing: return "Plumbing Library";
    case library::Electrical: return "Electrical Library";
    case library::Furniture: return "Furniture Library";
    default: return "Miscellaneous Library";
  }
}
