// The library list on Qt: the symbols of a group in a list; choosing one
// previews it in the drawing window, OK places it.
#pragma once

#include "dialogs/liblistdlg.h"
#include "dialogs/qt/qt_dialogs.h"

namespace dlg {

class QtLibraryList : public QtRunner<TTLiblistdlg> {
 public:
  bool Run(TTLiblistdlg& d) override;
};

}  // namespace dlg
