// Shows described forms (dialogs/form.h) as Qt dialogs.
#pragma once

#include "dialogs/form.h"

class QWidget;

namespace dlg {

// One Qt dialog per show, built from the form's fields: numbers and texts
// in edit boxes, choices as radio buttons or a list, checks as check boxes.
// OK stores the fields, runs the checks and stays open with their message;
// Help starts the help viewer on the form's page.
class QtFormRunner : public FormRunner {
 public:
  void SetParent(QWidget* parent) { parent_ = parent; }
  bool Run(const Form& form, const std::function<std::string()>& accept) override;

 private:
  QWidget* parent_ = nullptr;
};

}  // namespace dlg
