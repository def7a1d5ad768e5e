// One running program per program directory. Two copies on one directory
// would share the saved copy and the undo store and write each other's
// drawing into their own, so the second one must not start.
//
// The lock is an flock on the program directory itself and on its drawings
// folder, each opened read-only as a directory; a copy that finds either
// held by another does not start. The drawings folder keeps a second copy
// off when the program directory can be passed through but not read (an
// flock needs a directory opened for reading). Both are found from the one
// directory at the program directory's path, so a rename between the two
// cannot lock folders of two directories. The lock makes no file and needs
// no write permission, and no name planted in the directory (a link, a
// folder, a read-only file) can prevent it; what a planted or renamed
// folder could redirect, the write check below catches. It is held through
// descriptors the process keeps open: the system lets it go when the
// process ends however it ends, so a killed copy never locks the user out.
//
// While the lock lives, every change to a file below the program directory
// first checks that the directory and its drawings folder at their paths
// are still the ones found at start (plat::SetWriteCheck). A directory
// moved away with another laid out at its path may be another copy's: the
// change is refused, and a write fails with a reason the user is told.
#pragma once

#include <sys/types.h>

#include <string>

#include "platform/files.h"

namespace plat {

class InstanceLock {
 public:
  enum class State {
    Held,     // this object holds the directory, its drawings folder or both
    Taken,    // another process holds either
    NoLock,   // neither could be locked: not readable (or missing), or
              // their file system has no flock
  };

  // Tries to take the lock of a program directory (a real path) and of its
  // drawings folder (a name in it) at once, without waiting.
  InstanceLock(const std::string& programDirectory, const std::string& drawingsFolder);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  State Status() const { return state_; }
  // Why the program directory could not be locked (an errno value); 0
  // unless NoLock.
  int Error() const { return error_; }

  // Why a change to a real path is refused: a path below the program
  // directory while the directory or its drawings folder at their paths are
  // no longer the ones found at start. Empty when the change may go ahead.
  std::string Refusal(const std::string& path) const;

 private:
  // A directory as the system knows it, whatever its path.
  struct Identity {
    dev_t device = 0;
    ino_t inode = 0;
    bool known = false;
  };

  std::string directory_;
  std::string drawings_;  // the drawings folder's real path
  Identity directoryId_;
  Identity drawingsId_;
  int fds_[2] = {-1, -1};
  State state_ = State::NoLock;
  int error_ = 0;
  bool checking_ = false;
  WriteCheck previousCheck_;
};

}  // namespace plat
