// The menu entries of the frame tools, polygons, libraries, the furniture
// and fixture designer and part printing.
#include <QMenu>
#include <QMenuBar>

#include "shell/qt/mainwindow.h"

namespace {

QMenu* MenuTitled(QMenuBar* bar, const QString& title) {
  for (QAction* a : bar->actions())
    if (a->menu() && a->text().remove('&') == title) return a->menu();
  return nullptr;
}

}  // namespace

void MainWindow::BuildFrameMenus() {
  auto command = [this](QMenu* menu, const QString& text, void (TMainForm::*cmd)(),
                        const QKeySequence& key = {}) {
    drawingCommands_.push_back(Add(menu, text, cmd, key));
    return drawingCommands_.back();
  };

  // File: Print Part after Print.
  if (QAction* print = Command("Print...")) {
    const QList<QAction*> items = fileMenu_->actions();
    const qsizetype at = items.indexOf(print);
    QAction* next = at >= 0 && at + 1 < items.size() ? items[at + 1] : nullptr;
    QAction* part = command(fileMenu_, "Print Pa&rt...", &TMainForm::CmPrintpartExecute);
    fileMenu_->removeAction(part);
    fileMenu_->insertAction(next, part);
  }

  if (QMenu* edit = MenuTitled(menuBar(), "Edit")) {
    edit->addSeparator();
    command(edit, "&Move", &TMainForm::CmMoveExecute);
    command(edit, "&Copy", &TMainForm::CmCopyExecute, QKeySequence::Copy);
    command(edit, "&Paste", &TMainForm::CmPasteExecute, QKeySequence::Paste);
    command(edit, "&Erase", &TMainForm::CmEraseExecute);
    edit->addSeparator();
    // "Edit/Alter MergeWorktops", as the merge's hint names it.
    QMenu* alter = edit->addMenu("&Alter");
    command(alter, "C&urve...", &TMainForm::CmCurveAlterExecute);
    command(alter, "Merge &Worktops", &TMainForm::CmMergeWorktopsExecute, QKeySequence("Ctrl+M"));
  }

  if (QMenu* draw = MenuTitled(menuBar(), "Draw"))
    command(draw, "Pol&ygon", &TMainForm::CmPolygonExecute);

  QMenu* easy = menuBar()->addMenu("Eas&y Draw");
  command(easy, "&Easy Draw...", &TMainForm::CmEasyDrawExecute);
  command(easy, "&Stairs...", &TMainForm::CmStairsExecute);

  QMenu* library = menuBar()->addMenu("&Library");
  command(library, "&Plumbing...", &TMainForm::CmPlumbingExecute);
  command(library, "&Electrical...", &TMainForm::CmElectricalExecute);
  command(library, "&Furniture...", &TMainForm::CmFurnitureExecute);
  command(library, "&Miscellaneous...", &TMainForm::CmMiscellaneousExecute);
  library->addSeparator();
  command(library, "&Add to Library", &TMainForm::CmAddToLibraryExecute);
}
