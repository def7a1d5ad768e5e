// One running program per program directory. Two copies on one directory
// would share the saved copy and the undo store and write each other's
// drawing into their own, so the second one must not start.
//
// The lock is an flock on the program directory itself, opened read-only as
// a directory. It makes no file and needs no write permission there, and no
// name planted in the directory (a link, a folder, a read-only file) can
// redirect or prevent it. It is held through a descriptor the process keeps
// open: the system lets it go when the process ends however it ends, so a
// killed copy never locks the user out.
#pragma once

#include <string>

namespace plat {

class InstanceLock {
 public:
  enum class State {
    Held,     // this object holds the directory
    Taken,    // another process holds it
    NoLock,   // no lock could be taken: the directory cannot be opened
              // (not readable) or its file system has no flock
  };

  // Tries to take the lock of a program directory (a real path) at once,
  // without waiting.
  explicit InstanceLock(const std::string& programDirectory);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  State Status() const { return state_; }
  // Why no lock could be taken (an errno value); 0 unless NoLock.
  int Error() const { return error_; }

 private:
  int fd_ = -1;
  State state_ = State::NoLock;
  int error_ = 0;
};

}  // namespace plat
