#include "shell/startup.h"

#include <cstring>

#include "platform/files.h"
#include "platform/services.h"
#include "platform/ui.h"
#include "shell/mainform.h"

const char* const kAlreadyRunning =
    "%s is already running in %s: only one copy can work in a program directory at a time";
const char* const kNoDirectoryLock =
    "%s could not lock its program directory %s (%s): a second copy started there would not be "
    "kept off";

namespace {

// The folder of the drawings, locked with the program directory.
constexpr const char* kDrawingsFolder = "DWGS";

}  // namespace

std::unique_ptr<plat::InstanceLock> ClaimProgramDirectory(std::timespec started) {
  // The drawings folder as its name is spelled on disk.
  const std::string drawings =
      plat::MapPath(kDrawingsFolder).substr(plat::ProgramDirectory().size() + 1);
  auto lock = std::make_unique<plat::InstanceLock>(plat::ProgramDirectory(), drawings);
  switch (lock->Status()) {
    case plat::InstanceLock::State::Taken:
      plat::ErrorBox(plat::Format(kAlreadyRunning, kAppTitle, plat::ProgramDirectory().c_str()),
                     plat::mbOK);
      return nullptr;
    case plat::InstanceLock::State::Held:
      plat::RemoveLeftoverTemporaryFiles(started);
      break;
    case plat::InstanceLock::State::NoLock:
      // The program can still work there, so it starts; the user is told
      // that nothing keeps a second copy off. Without the lock a running
      // copy's temporary files could be among the leftovers, so none are
      // removed.
      plat::Ui().MessageDlg(plat::Format(kNoDirectoryLock, kAppTitle,
                                         plat::ProgramDirectory().c_str(),
                                         std::strerror(lock->Error())),
                            plat::MsgType::Warning, plat::mbOK);
      break;
  }
  return lock;
}
