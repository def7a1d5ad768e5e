#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <cstdint>
#include <new>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace plat {

namespace {

std::string& ProgramDirStorage() {
  static std::string dir = WorkingDirectory();
  return dir;
}

WriteCheck& Check() {
  static WriteCheck check;
  return check;
}

// Why a change to a real path is refused; empty when it may go ahead.
std::string RefusalOf(const std::string& path) {
  const WriteCheck& check = Check();
  return check ? check(path) : std::string();
}

FileObserver& Observer() {
  static FileObserver observer;
  return observer;
}

void Report(FileTraffic::Op op, const std::string& path, std::size_t bytes) {
  if (const FileObserver& o = Observer()) o({op, path, bytes});
}

// Closes a descriptor however the function that opened it returns.
struct ClosedOnExit {
  int fd;
  ~ClosedOnExit() { ::close(fd); }
};

std::string StripTrailingSlashes(std::string dir) {
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  return dir;
}

bool Exists(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0;
}

// The entry of folder dir whose name equals name ignoring case, preferring
// the exact spelling; name itself when nothing matches.
std::string MatchEntry(const std::string& dir, const std::string& name) {
  if (name == "." || name == ".." || Exists(dir + "/" + name)) return name;
  DIR* d = ::opendir(dir.empty() ? "/" : dir.c_str());
  if (!d) return name;
  std::string found = name;
  while (dirent* e = ::readdir(d)) {
    if (::strcasecmp(e->d_name, name.c_str()) == 0) {
      found = e->d_name;
      break;
    }
  }
  ::closedir(d);
  return found;
}

std::vector<std::string> SplitComponents(std::string_view path) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : path) {
    if (c == '/' || c == '\\') {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

std::string FolderOf(const std::string& path) {
  auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The temporary files of WriteFileThrough: the prefix, then mkstemp's six
// random letters and digits.
constexpr const char* kTemporaryPrefix = ".twtmp";
constexpr std::size_t kTemporarySuffixLength = 6;

// The error a simulated failure gives the removal of a real path; 0 for none.
int SimulatedRemovalError(const std::string& target);

}  // namespace

void SetProgramDirectory(const std::string& dir) {
  ProgramDirStorage() = StripTrailingSlashes(dir);
}

const std::string& ProgramDirectory() { return ProgramDirStorage(); }

std::string WorkingDirectory() {
  std::vector<char> buf(PATH_MAX + 1);
  if (!::getcwd(buf.data(), buf.size())) return ".";
  return buf.data();
}

std::string MapPath(std::string_view programPath) {
  const bool absolute = !programPath.empty() && (programPath[0] == '/' || programPath[0] == '\\');
  std::string result = absolute ? std::string() : ProgramDirectory();
  for (const std::string& part : SplitComponents(programPath)) {
    result = result + "/" + MatchEntry(result.empty() ? "/" : result, part);
  }
  if (result.empty()) result = "/";
  // A trailing separator names a folder: keep it so callers can append.
  if (!programPath.empty() && (programPath.back() == '\\' || programPath.back() == '/') &&
      result.back() != '/')
    result += '/';
  return result;
}

std::FILE* OpenFile(std::string_view programPath, const char* mode) {
  return std::fopen(MapPath(programPath).c_str(), mode);
}

bool FileExists(std::string_view programPath) {
  struct stat st;
  return ::stat(MapPath(programPath).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

PathKind WhatIsAt(std::string_view programPath) {
  struct stat st;
  if (::lstat(MapPath(programPath).c_str(), &st) != 0) return PathKind::Nothing;
  if (S_ISREG(st.st_mode)) return PathKind::File;
  return S_ISDIR(st.st_mode) ? PathKind::Folder : PathKind::Other;
}

WriteResult DeleteFile(std::string_view programPath) {
  const std::string path = MapPath(programPath);
  if (std::string why = RefusalOf(path); !why.empty()) return {kWriteRefused, path, why};
  if (const int simulated = SimulatedRemovalError(path)) return {simulated, path};
  if (::unlink(path.c_str()) != 0) return {errno ? errno : EIO, path};
  return {0, path};
}

WriteResult DeleteEntry(std::string_view programPath) {
  const std::string path = MapPath(programPath);
  if (std::string why = RefusalOf(path); !why.empty()) return {kWriteRefused, path, why};
  if (const int simulated = SimulatedRemovalError(path)) return {simulated, path};
  struct stat st;
  const bool folder = ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
  if ((folder ? ::rmdir(path.c_str()) : ::unlink(path.c_str())) != 0)
    return {errno ? errno : EIO, path};
  return {0, path};
}

bool CreateFolder(std::string_view programPath) {
  const std::string path = MapPath(programPath);
  struct stat st;
  if (::stat(path.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
  return RefusalOf(path).empty() && ::mkdir(path.c_str(), 0777) == 0;
}

bool RenameFile(std::string_view from, std::string_view to) {
  const std::string source = MapPath(from), target = MapPath(to);
  return RefusalOf(source).empty() && RefusalOf(target).empty() &&
         std::rename(source.c_str(), target.c_str()) == 0;
}

ReadStatus ReadFile(std::string_view programPath, std::string& out, std::size_t maxBytes) {
  out.clear();
  // Opened without waiting, so that a pipe put where a file belongs cannot
  // hold the program; anything but a regular file is then turned away.
  const std::string path = MapPath(programPath);
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return ReadStatus::Missing;
  const ClosedOnExit closer{fd};
  struct stat st;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return ReadStatus::Missing;
  if (st.st_size < 0 || std::uint64_t(st.st_size) > maxBytes) return ReadStatus::TooLarge;
  try {
    // One piece of the file's length, one byte more to notice growth.
    out.resize(std::size_t(st.st_size) + 1);
  } catch (const std::bad_alloc&) {
    out.clear();
    return ReadStatus::NoMemory;
  }
  std::size_t got = 0;
  for (;;) {
    if (got == out.size()) {
      // The file grew while being read: take what grows within the limit.
      if (out.size() > maxBytes) {
        out.clear();
        return ReadStatus::TooLarge;
      }
      try {
        out.resize(std::min(maxBytes + 1, out.size() * 2));
      } catch (const std::bad_alloc&) {
        out.clear();
        return ReadStatus::NoMemory;
      }
    }
    const ssize_t n = ::read(fd, out.data() + got, out.size() - got);
    if (n < 0) {
      if (errno == EINTR) continue;
      out.clear();
      return ReadStatus::Failed;
    }
    if (n == 0) break;
    got += std::size_t(n);
  }
  out.resize(got);
  Report(FileTraffic::Op::Read, path, got);
  return ReadStatus::Ok;
}

std::optional<std::string> ReadWholeFile(std::string_view programPath) {
  std::string data;
  if (ReadFile(programPath, data) != ReadStatus::Ok) return std::nullopt;
  return data;
}

std::string WriteResult::Reason() const {
  if (!refused.empty()) return refused;
  return error ? std::strerror(error) : "";
}

std::string WriteResult::Problem() const {
  return error ? "cannot write " + path + " (" + Reason() + ")" : std::string();
}

WriteCheck SetWriteCheck(WriteCheck check) { return std::exchange(Check(), std::move(check)); }

namespace {

struct SimulatedFailure {
  std::string place;  // a real path with a trailing slash: the folder, or the one file
  int error = 0;
};

SimulatedFailure& Simulated() {
  static SimulatedFailure failure;
  return failure;
}

}  // namespace

void SimulateWriteFailure(std::string_view programPlace, int error) {
  std::string place = programPlace.empty() ? std::string() : MapPath(programPlace);
  if (!place.empty() && place.back() != '/') place += '/';
  Simulated() = {place, error};
}

namespace {

// The error a simulated failure gives a write of a real path; 0 for none.
int SimulatedError(const std::string& target) {
  const std::string& place = Simulated().place;
  if (place.empty()) return 0;
  const bool below = target.compare(0, place.size(), place) == 0;
  const bool itself =
      target.size() + 1 == place.size() && place.compare(0, target.size(), target) == 0;
  return below || itself ? Simulated().error : 0;
}

// A full disk or quota still lets files go; anything else that keeps a file
// from being written keeps it from being removed.
int SimulatedRemovalError(const std::string& target) {
  const int error = SimulatedError(target);
  return error == ENOSPC || error == EDQUOT ? 0 : error;
}

WriteResult WriteThrough(const std::string& target,
                         const std::function<bool(std::FILE*)>& write) {
  if (const int simulated = SimulatedError(target)) return {simulated, target};
  // mkstemp opens with O_CREAT | O_EXCL: a name that exists, a link
  // included, is never opened but another one drawn.
  std::string temp = FolderOf(target) + "/" + kTemporaryPrefix + "XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return {errno, target};
  // mkstemp creates the file private: a file being replaced keeps its own
  // permissions, a new one gets the usual ones. A link at the name is not
  // asked: it is replaced, not followed.
  struct stat old;
  if (::lstat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
    ::fchmod(fd, old.st_mode & 07777);
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
  }
  int error = 0;
  std::size_t bytes = 0;
  auto fail = [&error](int e) {
    if (!error) error = e ? e : EIO;
  };
  std::FILE* out = ::fdopen(fd, "wb");
  if (!out) {
    fail(errno);
    ::close(fd);
  } else {
    errno = 0;
    if (!write(out)) fail(errno);
    if (std::fflush(out) != 0) fail(errno);
    const long written = std::ftell(out);
    if (written >= 0) bytes = static_cast<std::size_t>(written);
    if (::fsync(fd) != 0) fail(errno);
    if (std::fclose(out) != 0) fail(errno);
  }
  if (!error && std::rename(temp.c_str(), target.c_str()) != 0) fail(errno);
  if (error) ::unlink(temp.c_str());
  else Report(FileTraffic::Op::Write, target, bytes);
  return {error, target};
}

// Whether the regular file at a real path holds exactly data: its size
// first, then its bytes, read in pieces up to the first difference. A link
// at the name is never taken for the file (a write replaces it).
bool Holds(const std::string& path, std::string_view data) {
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) ||
      std::uint64_t(st.st_size) != data.size())
    return false;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return false;
  const ClosedOnExit closer{fd};
  struct stat opened;
  if (::fstat(fd, &opened) != 0 || opened.st_ino != st.st_ino || opened.st_dev != st.st_dev)
    return false;
  constexpr std::size_t kPiece = std::size_t{1} << 16;
  std::vector<char> piece(std::min(kPiece, data.size() + 1));
  std::size_t at = 0;
  for (;;) {
    const ssize_t n = ::read(fd, piece.data(), piece.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) return at == data.size();
    if (std::size_t(n) > data.size() - at || std::memcmp(piece.data(), data.data() + at, n) != 0)
      return false;
    at += std::size_t(n);
  }
}

WriteResult WriteDataThrough(const std::string& target, std::string_view data) {
  return WriteThrough(target, [data](std::FILE* out) {
    return std::fwrite(data.data(), 1, data.size(), out) == data.size();
  });
}

}  // namespace

bool FileHolds(std::string_view programPath, std::string_view data) {
  return Holds(MapPath(programPath), data);
}

WriteResult WriteFileThrough(std::string_view programPath,
                             const std::function<bool(std::FILE*)>& write) {
  const std::string target = MapPath(programPath);
  if (std::string why = RefusalOf(target); !why.empty()) return {kWriteRefused, target, why};
  return WriteThrough(target, write);
}

WriteResult WriteFileAtomic(std::string_view programPath, std::string_view data) {
  const std::string target = MapPath(programPath);
  if (std::string why = RefusalOf(target); !why.empty()) return {kWriteRefused, target, why};
  // A file that already holds the content is left as it is: comparing costs
  // less than the sync a replacement needs, and many of the program's files
  // (settings, empty undo steps, the saved copy) are written again unchanged.
  if (!SimulatedError(target) && Holds(target, data)) return {0, target};
  return WriteDataThrough(target, data);
}

WriteResult WriteUserFileAtomic(const std::string& realPath, std::string_view data) {
  // The check knows the program directory by its absolute path: "x.pdf" or
  // "dir/./x.pdf" is checked as the path it names.
  std::error_code ec;
  const std::string normal =
      std::filesystem::absolute(realPath, ec).lexically_normal().string();
  if (std::string why = RefusalOf(normal); !why.empty()) return {kWriteRefused, realPath, why};
  return WriteDataThrough(realPath, data);
}

bool IsTemporaryFileName(std::string_view name) {
  const std::string_view prefix = kTemporaryPrefix;
  if (name.size() != prefix.size() + kTemporarySuffixLength || name.substr(0, prefix.size()) != prefix)
    return false;
  for (char c : name.substr(prefix.size()))
    if (!std::isalnum(static_cast<unsigned char>(c))) return false;
  return true;
}

namespace {

bool Before(const struct timespec& t, const std::timespec& limit) {
  return t.tv_sec < limit.tv_sec || (t.tv_sec == limit.tv_sec && t.tv_nsec < limit.tv_nsec);
}

// The leftovers in one folder (a real path); its subfolders when asked.
int RemoveLeftoversIn(const std::string& dir, std::timespec before, bool subfolders) {
  DIR* d = ::opendir(dir.c_str());
  if (!d) return 0;
  int removed = 0;
  std::vector<std::string> folders;
  while (dirent* e = ::readdir(d)) {
    const std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    const std::string path = dir + "/" + name;
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) continue;
    // A folder may be a link to one elsewhere (drawings kept on another
    // disk); a file is only ever taken for itself.
    struct stat target;
    if (S_ISDIR(st.st_mode) ||
        (S_ISLNK(st.st_mode) && ::stat(path.c_str(), &target) == 0 && S_ISDIR(target.st_mode))) {
      if (subfolders) folders.push_back(path);
    } else if (S_ISREG(st.st_mode) && IsTemporaryFileName(name) && Before(st.st_mtim, before) &&
               ::unlink(path.c_str()) == 0) {
      ++removed;
    }
  }
  ::closedir(d);
  for (const std::string& folder : folders) removed += RemoveLeftoversIn(folder, before, false);
  return removed;
}

}  // namespace

int RemoveLeftoverTemporaryFiles(std::timespec before) {
  return RemoveLeftoversIn(ProgramDirectory(), before, true);
}

FileObserver SetFileObserver(FileObserver observer) {
  return std::exchange(Observer(), std::move(observer));
}

std::vector<std::string> ListFiles(std::string_view programFolder) {
  std::vector<std::string> names;
  const std::string dir = MapPath(programFolder);
  DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
  if (!d) return names;
  while (dirent* e = ::readdir(d)) {
    const std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    struct stat st;
    if (::stat((dir + "/" + name).c_str(), &st) == 0 && S_ISREG(st.st_mode)) names.push_back(name);
  }
  ::closedir(d);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace plat
