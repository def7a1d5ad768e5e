// The program entry: the program directory is the working directory; the
// element list exists before the main form; Qt runs the one message loop.
#include <QApplication>
#include <clocale>

#include "dialogs/qt/qt_dialogs.h"
#include "model/flist.h"
#include "platform/files.h"
#include "platform/qt/qt_ui.h"
#include "platform/ui.h"
#include "shell/mainform.h"
#include "shell/qt/app_icon.h"
#include "shell/qt/mainwindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Qt takes the user's locale for the C library too; settings and drawing
  // files keep '.' as the decimal point whatever the desktop language.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName(kAppTitle);
  QApplication::setWindowIcon(AppIcon());

  plat::SetProgramDirectory(plat::WorkingDirectory());
  plat::QtUi ui;
  plat::SetUi(&ui);

  int rc = 0;
  {
    MainWindow window;
    ui.SetParent(&window);
    dlg::InstallQtDialogs(&window);
    window.UsePrinter(&ui.Printer());
    window.PlaceOnScreen();
    window.show();
    // Keys go to the program from the start, with or without a window
    // manager to hand it the focus.
    window.activateWindow();
    rc = app.exec();
  }
  dlg::RemoveQtDialogs();
  plat::SetUi(nullptr);
  return rc;
}
