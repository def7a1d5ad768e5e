// The designer window on Qt: the preview of the symbol, "Show Changes" to
// edit its parameters again, OK to place it, Cancel to leave it.
#pragma once

#include "designer/miscdesigner.h"
#include "dialogs/qt/qt_dialogs.h"

namespace dlg {

class QtDesignerWindow : public QtRunner<TMiscChild> {
 public:
  bool Run(TMiscChild& d) override;
};

}  // namespace dlg
