// The add-to-library dialog: the name a framed or designed item is stored
// under, and the library it goes to.
#pragma once

#include <string>

#include "dialogs/form.h"
#include "model/globals.h"
#include "storage/library_file.h"

struct TTAddtolibdlg {
  std::string name;
  int32 category = library::Furniture;

  void Describe(dlg::Form& f);
  // The name must make a file name of its own.
  std::string Accept() const;
};

// Shows the dialog until the item is stored or the user cancels; a name
// already in that library is replaced only when the user says so. True when
// the item was stored.
bool AddSelectionToLibrary();

extern const char* const kLibraryNameIncorrect;
extern const char* const kLibraryReplaceQuestion;
