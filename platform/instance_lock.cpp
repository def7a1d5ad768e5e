#include "platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace plat {

namespace {

// How an flock on a directory went.
enum class Outcome { Held, Taken, Failed };

// Locks the directory found as `at` (opened with O_PATH), through a
// descriptor of its own opened for reading; fd is left open only when the
// lock is held, error set when it failed.
Outcome LockDirectory(int at, int& fd, int& error) {
  // Opened through `at` itself, so the lock is on the very directory found.
  // Close-on-exec: a help viewer started from the program must not keep the
  // directory locked after the program has ended.
  fd = ::openat(at, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    error = errno;
    return Outcome::Failed;
  }
  int r;
  do {
    r = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (r != 0 && errno == EINTR);
  const int e = errno;
  if (r == 0) return Outcome::Held;
  ::close(fd);
  fd = -1;
  if (e == EWOULDBLOCK) return Outcome::Taken;
  error = e;
  return Outcome::Failed;
}

}  // namespace

InstanceLock::InstanceLock(const std::string& programDirectory, const std::string& drawingsFolder)
    : directory_(programDirectory), drawings_(programDirectory + "/" + drawingsFolder) {
  // Each directory is found once, without reading it (passing through is
  // enough), and its identity and lock are taken from what was found; the
  // drawings folder is found in the directory found, not by path again.
  const auto find = [](int parent, const char* path, Identity& id) {
    const int at = ::openat(parent, path, O_PATH | O_DIRECTORY | O_CLOEXEC);
    struct stat st;
    if (at >= 0 && ::fstat(at, &st) == 0) id = {st.st_dev, st.st_ino, true};
    return at;
  };
  const int directoryAt = find(AT_FDCWD, programDirectory.c_str(), directoryId_);
  if (directoryAt < 0) {
    error_ = errno;
    return;
  }
  const int drawingsAt = find(directoryAt, drawingsFolder.c_str(), drawingsId_);
  int drawingsError = 0;
  const Outcome directory = LockDirectory(directoryAt, fds_[0], error_);
  const Outcome drawings = directory == Outcome::Taken || drawingsAt < 0
                               ? Outcome::Failed
                               : LockDirectory(drawingsAt, fds_[1], drawingsError);
  ::close(directoryAt);
  if (drawingsAt >= 0) ::close(drawingsAt);

  if (directory == Outcome::Taken || drawings == Outcome::Taken) {
    state_ = State::Taken;
    for (int& fd : fds_) {
      if (fd >= 0) ::close(fd);
      fd = -1;
    }
    error_ = 0;
    return;
  }
  if (directory == Outcome::Held || drawings == Outcome::Held) {
    state_ = State::Held;
    error_ = 0;
  }
  checking_ = true;
  previousCheck_ = SetWriteCheck([this](const std::string& path) { return Refusal(path); });
}

InstanceLock::~InstanceLock() {
  if (checking_) SetWriteCheck(std::move(previousCheck_));
  for (int fd : fds_)
    if (fd >= 0) ::close(fd);
}

std::string InstanceLock::Refusal(const std::string& path) const {
  if (path.compare(0, directory_.size() + 1, directory_ + "/") != 0) return {};
  const auto StillAt = [](const std::string& at, const Identity& id) {
    struct stat st;
    return ::stat(at.c_str(), &st) == 0 && st.st_dev == id.device && st.st_ino == id.inode;
  };
  if (directoryId_.known && !StillAt(directory_, directoryId_))
    return "the program directory " + directory_ + " was moved or replaced since the program started";
  if (drawingsId_.known && !StillAt(drawings_, drawingsId_))
    return "the drawings folder " + drawings_ + " was moved or replaced since the program started";
  return {};
}

}  // namespace plat
