// The program entry: the program directory is the working directory; the
// element list exists before the main form; Qt runs the one message loop.
#include <QApplication>

#include "dialogs/qt/feetdlg_qt.h"
#include "dialogs/qt/shell_dialogs_qt.h"
#include "dialogs/shell_dialogs.h"
#include "model/flist.h"
#include "platform/files.h"
#include "platform/qt/qt_ui.h"
#include "platform/ui.h"
#include "shell/mainform.h"
#include "shell/qt/mainwindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(kAppTitle);

  plat::SetProgramDirectory(plat::WorkingDirectory());
  plat::QtUi ui;
  plat::SetUi(&ui);
  dlg::QtShellDialogs dialogs;
  dlg::SetDialogs(&dialogs);
  InstallQtFeetDialog();

  int rc = 0;
  {
    MainWindow window;
    ui.SetParent(&window);
    dialogs.SetParent(&window);
    window.UsePrinter(&ui.Printer());
    window.show();
    rc = app.exec();
  }
  dlg::SetDialogs(nullptr);
  plat::SetUi(nullptr);
  return rc;
}
