#include "platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace plat {

const char* const kInstanceLockFile = ".twlock";

InstanceLock::InstanceLock(const std::string& programDirectory) {
  const std::string path = programDirectory + "/" + kInstanceLockFile;
  // Close-on-exec: a help viewer started from the program must not keep the
  // directory locked after the program has ended. A link planted at the name
  // is not followed. A lock file that cannot be made but exists read-only
  // still locks.
  fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd_ < 0) fd_ = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  if (fd_ < 0) return;
  int r;
  do {
    r = ::flock(fd_, LOCK_EX | LOCK_NB);
  } while (r != 0 && errno == EINTR);
  if (r == 0) {
    state_ = State::Held;
    return;
  }
  state_ = errno == EWOULDBLOCK ? State::Taken : State::NoLock;
  ::close(fd_);
  fd_ = -1;
}

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace plat
