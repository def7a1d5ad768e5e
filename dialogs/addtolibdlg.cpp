#include "dialogs/addtolibdlg.h"

#include "dialogs/modal.h"
#include "platform/ui.h"

const char* const kLibraryNameIncorrect =
    "Name 1 to 24 letters, numbers or spaces (no \\ / : * ? \" < > |) input is incorrect";
const char* const kLibraryReplaceQuestion =
    "there is already a library item of that name - do you want to replace it ?";

void TTAddtolibdlg::Describe(dlg::Form& f) {
  f.Title("Add to Library").Help("library.htm");
  f.Text("Name", name, static_cast<int>(library::kMaxNameLength));
  f.Choice("Library", category,
           {{library::Plumbing, "plumbing"},
            {library::Electrical, "electrical"},
            {library::Furniture, "furniture"},
            {library::Miscellaneous, "miscellaneous"}});
}

std::string TTAddtolibdlg::Accept() const {
  return library::ValidName(name) ? std::string() : kLibraryNameIncorrect;
}

bool AddSelectionToLibrary() {
  TTAddtolibdlg d;
  while (dlg::ShowModal(d)) {
    if (library::Exists(d.category, d.name) && !plat::AskYesNo(kLibraryReplaceQuestion)) continue;
    return LibraryFileExtension(d.category, d.name);
  }
  return false;
}
