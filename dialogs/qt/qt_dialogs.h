// The Qt forms of the program's dialogs, installed as their runners.
#pragma once

#include "dialogs/modal.h"

class QWidget;

namespace dlg {

// A dialog's Qt form: shown modally over the parent it was installed with.
template <class Dialog>
class QtRunner : public Runner<Dialog> {
 public:
  void SetParent(QWidget* parent) { parent_ = parent; }

 protected:
  QWidget* Parent() const { return parent_; }

 private:
  QWidget* parent_ = nullptr;
};

// Installs the Qt form of every dialog the program has, over parent (the
// main window); once, at start-up.
void InstallQtDialogs(QWidget* parent);
// Takes them away again: every dialog answers Cancel.
void RemoveQtDialogs();

// The Qt forms for the lifetime of the object, for tests of the real windows.
class ScopedQtDialogs {
 public:
  explicit ScopedQtDialogs(QWidget* parent) { InstallQtDialogs(parent); }
  ~ScopedQtDialogs() { RemoveQtDialogs(); }
  ScopedQtDialogs(const ScopedQtDialogs&) = delete;
  ScopedQtDialogs& operator=(const ScopedQtDialogs&) = delete;
};

}  // namespace dlg
