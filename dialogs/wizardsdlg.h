// The Wizards dialog of the Help menu: which of the two drawing wizards to
// run, and in which units.
#pragma once

#include "dialogs/form.h"
#include "model/globals.h"

namespace dlg {

struct TTWizardsdlg {
  int32 kind = wizardkind::WallsMetric;  // wizardkind::
  void Describe(Form& f);
};

}  // namespace dlg
