#include "dialogs/qt/qt_dialogs.h"

#include "dialogs/qt/feetdlg_qt.h"
#include "dialogs/qt/form_runner_qt.h"
#include "dialogs/qt/shell_dialogs_qt.h"
// Library lists and the designer window.
#include "designer/qt/miscdesigner_qt.h"
#include "dialogs/qt/liblistdlg_qt.h"

namespace dlg {

namespace {

// Every Qt form the program has; a new dialog adds its runner here.
struct QtForms {
  QtNewDrawing newDrawing;
  QtScreenScale screenScale;
  QtFeetDialog feet;
  QtLibraryList libraryList;
  QtDesignerWindow designerWindow;

  template <class Visit>
  void ForEach(Visit visit) {
    visit(newDrawing);
    visit(screenScale);
    visit(feet);
    visit(libraryList);
    visit(designerWindow);
  }
};

QtForms& Forms() {
  static QtForms forms;
  return forms;
}

// Every dialog that describes its form instead of having one of its own.
QtFormRunner& DescribedForms() {
  static QtFormRunner runner;
  return runner;
}

}  // namespace

void InstallQtDialogs(QWidget* parent) {
  Forms().ForEach([parent](auto& form) {
    form.SetParent(parent);
    Install(&form);
  });
  DescribedForms().SetParent(parent);
  InstallFormRunner(&DescribedForms());
}

void RemoveQtDialogs() {
  Forms().ForEach([](auto& form) { Uninstall(&form); });
  if (InstalledFormRunner() == &DescribedForms()) InstallFormRunner(nullptr);
}

}  // namespace dlg
