// The program entry: the program directory is the working directory, taken
// for this copy alone before anything is read; the element list exists
// before the main form; Qt runs the one message loop, which ends with the
// main window.
#include <QApplication>
#include <clocale>
#include <ctime>
#include <memory>

#include "model/flist.h"
#include "platform/files.h"
#include "platform/qt/caption_fit.h"
#include "platform/qt/qt_ui.h"
#include "platform/ui.h"
#include "shell/mainform.h"
#include "shell/qt/app_icon.h"
#include "shell/qt/run_main_window.h"
#include "shell/startup.h"

namespace {

// The exit code of a copy that found the program already running.
constexpr int kAlreadyRunningExit = 1;

}  // namespace

int main(int argc, char** argv) {
  std::timespec started{};
  std::timespec_get(&started, TIME_UTC);
  QApplication app(argc, argv);
  // Qt takes the user's locale for the C library too; settings and drawing
  // files keep '.' as the decimal point whatever the desktop language.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName(kAppTitle);
  QApplication::setWindowIcon(AppIcon());
  plat::FitDialogsToTheirCaptions();

  plat::SetProgramDirectory(plat::WorkingDirectory());
  plat::QtUi ui;
  plat::SetUi(&ui);
  const std::unique_ptr<plat::InstanceLock> lock = ClaimProgramDirectory(started);
  if (!lock) {
    plat::SetUi(nullptr);
    return kAlreadyRunningExit;
  }

  const int rc = RunMainWindow(ui);
  plat::SetUi(nullptr);
  return rc;
}
