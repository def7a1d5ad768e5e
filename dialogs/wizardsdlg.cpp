#include "dialogs/wizardsdlg.h"

namespace dlg {

void TTWizardsdlg::Describe(Form& f) {
  f.Title("Wizards").Help("wizards.htm");
  f.Note("A wizard walks you through a complete example drawing, step by step.");
  f.Choice("Wizard", kind,
           {{wizardkind::WallsMetric, "draw external walls - millimetres"},
            {wizardkind::WallsImperial, "draw external walls - feet and inches"},
            {wizardkind::RoomsMetric, "layout design rooms - millimetres"},
            {wizardkind::RoomsImperial, "layout design rooms - feet and inches"}});
}

}  // namespace dlg
