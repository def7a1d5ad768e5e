#include "shell/startup.h"

#include "platform/files.h"
#include "platform/services.h"
#include "platform/ui.h"
#include "shell/mainform.h"

const char* const kAlreadyRunning =
    "%s is already running in %s: only one copy can work in a program directory at a time";

std::unique_ptr<plat::InstanceLock> ClaimProgramDirectory(std::timespec started) {
  auto lock = std::make_unique<plat::InstanceLock>(plat::ProgramDirectory());
  switch (lock->Status()) {
    case plat::InstanceLock::State::Taken:
      plat::ErrorBox(plat::Format(kAlreadyRunning, kAppTitle, plat::ProgramDirectory().c_str()),
                     plat::mbOK);
      return nullptr;
    case plat::InstanceLock::State::Held:
      plat::RemoveLeftoverTemporaryFiles(started);
      break;
    case plat::InstanceLock::State::NoLock:
      // A directory where no lock file can be made cannot take the
      // program's files either; the program starts and says so as it
      // writes.
      break;
  }
  return lock;
}
