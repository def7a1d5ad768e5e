// One running program per program directory. Two copies on one directory
// would share the saved copy and the undo store and write each other's
// drawing into their own, so the second one must not start.
//
// The lock is an flock on a file in the program directory, held through a
// descriptor the process keeps open: the system lets it go when the process
// ends however it ends, so a killed copy never locks the user out.
#pragma once

#include <string>

namespace plat {

class InstanceLock {
 public:
  enum class State {
    Held,     // this object holds the directory
    Taken,    // another process holds it
    NoLock,   // no lock file could be made there (the directory cannot be written)
  };

  // Tries to take the lock of a program directory (a real path) at once,
  // without waiting.
  explicit InstanceLock(const std::string& programDirectory);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  State Status() const { return state_; }

 private:
  int fd_ = -1;
  State state_ = State::NoLock;
};

// The name of the lock file in the program directory.
extern const char* const kInstanceLockFile;

}  // namespace plat
