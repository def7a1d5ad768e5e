// The Qt face of the feet, inches and eighths dialog.
#pragma once

#include "dialogs/feetdlg.h"
#include "dialogs/qt/qt_dialogs.h"

namespace dlg {

// A Feet box that takes whole feet or feet and inches as written
// (TTFeetdlg::TypeFeet) and two spin boxes; OK runs TTFeetdlg::Accept and
// stays open with its message while the fields do not hold.
class QtFeetDialog : public QtRunner<TTFeetdlg> {
 public:
  bool Run(TTFeetdlg& dlg) override;
};

}  // namespace dlg
