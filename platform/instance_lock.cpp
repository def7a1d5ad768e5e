#include "platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace plat {

InstanceLock::InstanceLock(const std::string& programDirectory) {
  // Close-on-exec: a help viewer started from the program must not keep the
  // directory locked after the program has ended.
  fd_ = ::open(programDirectory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd_ < 0) {
    error_ = errno;
    return;
  }
  int r;
  do {
    r = ::flock(fd_, LOCK_EX | LOCK_NB);
  } while (r != 0 && errno == EINTR);
  if (r == 0) {
    state_ = State::Held;
    return;
  }
  const int error = errno;
  if (error == EWOULDBLOCK) {
    state_ = State::Taken;
  } else {
    state_ = State::NoLock;
    error_ = error;
  }
  ::close(fd_);
  fd_ = -1;
}

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace plat
