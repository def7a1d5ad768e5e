#include "shell/qt/run_main_window.h"

#include <QApplication>

#include "dialogs/qt/qt_dialogs.h"
#include "platform/qt/qt_ui.h"
#include "shell/qt/mainwindow.h"

int RunMainWindow(plat::QtUi& ui) {
  int rc = 0;
  {
    MainWindow window;
    // The program ends with its window, whatever is still open (a message
    // or another window, a nested loop): a process left without one would
    // hold the program directory from the next start.
    QObject::connect(&window, &MainWindow::Closed, qApp, [] { QCoreApplication::exit(0); });
    ui.SetParent(&window);
    dlg::InstallQtDialogs(&window);
    window.UsePrinter(&ui.Printer());
    window.PlaceOnScreen();
    window.show();
    // Keys go to the program from the start, with or without a window
    // manager to hand it the focus.
    window.activateWindow();
    rc = QApplication::exec();
  }
  ui.SetParent(nullptr);
  dlg::RemoveQtDialogs();
  return rc;
}
