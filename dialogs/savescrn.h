// "Save Screen As": the name of an exported picture.
#pragma once

#include <string>

#include "dialogs/form.h"

namespace dlg {

struct Tsavescreen {
  // The file name, without folder or extension (up to 30 letters).
  std::string Edit1;

  void Describe(Form& f) {
    f.Title("Save Screen As").Help("export.htm");
    // The export checks the name itself once the dialog is closed.
    f.Text("save screen as", Edit1, 0);
    f.Note("( 30 letters max - no file extension )");
  }
};

}  // namespace dlg
