// The program directory and the files below it.
//
// The program writes its paths as "CFG\\CLR.CFG" or "DWGS\\" + name + ".KWV".
// MapPath turns such a path into a real one below the program directory:
// backslashes become slashes and every existing file or folder is found
// whatever the case of its name, as on the file system the drawings come from.
#pragma once

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace plat {

// The program directory (absolute, without a trailing slash). Set once at
// start-up to the working directory; tests point it at a scratch folder.
void SetProgramDirectory(const std::string& dir);
const std::string& ProgramDirectory();
// The current working directory of the process.
std::string WorkingDirectory();

// A program path ("CFG\\CLR.CFG", or an absolute one) to a real path.
std::string MapPath(std::string_view programPath);

// Opens a program path with C stdio semantics ("r", "w", ...).
std::FILE* OpenFile(std::string_view programPath, const char* mode);

bool FileExists(std::string_view programPath);
// What stands at a program path, links not followed.
enum class PathKind { Nothing, File, Folder, Other };
PathKind WhatIsAt(std::string_view programPath);
// Whether the regular file at a program path (not a link to one) holds
// exactly data.
bool FileHolds(std::string_view programPath, std::string_view data);
// Makes the folder when it is missing (its parent must exist); true when
// it exists afterwards. Making it is a change like a write: refused by the
// write check.
bool CreateFolder(std::string_view programPath);
bool RenameFile(std::string_view from, std::string_view to);

// No file the program reads can be larger: the largest drawings are tens of
// megabytes, so anything beyond this is not one of its files.
constexpr std::size_t kMaxFileBytes = std::size_t{256} << 20;

enum class ReadStatus {
  Ok,
  Missing,   // cannot be opened, or not a regular file (a folder, a device, a pipe)
  TooLarge,  // larger than the limit asked for
  NoMemory,  // the memory for it could not be had
  Failed,    // a read error
};

// Reads a regular file whole into out, in one piece sized from its length.
// Never blocks on a pipe or device and never reads more than maxBytes.
ReadStatus ReadFile(std::string_view programPath, std::string& out,
                    std::size_t maxBytes = kMaxFileBytes);

// The whole file, or nothing when ReadFile does not give it.
std::optional<std::string> ReadWholeFile(std::string_view programPath);

// The names of the plain files in a program folder ("LIBS\\"), sorted;
// empty when the folder cannot be read.
std::vector<std::string> ListFiles(std::string_view programFolder);

// How a write ended: 0 when the file was written, else the system's error
// number of the step that failed.
struct WriteResult {
  WriteResult() = default;
  WriteResult(int e, std::string realPath, std::string refusal = {})
      : error(e), path(std::move(realPath)), refused(std::move(refusal)) {}
  int error = 0;
  // The real path of the file written, as the user finds it on this system.
  std::string path;
  // Why the program refused the write before it began (a write check, a
  // damaged file with no copy kept); empty for a write the system failed.
  std::string refused;
  explicit operator bool() const { return error == 0; }
  // The refusal, else the system's words for the error ("No space left on
  // device").
  std::string Reason() const;
  // What the user is told of a failed write: "cannot write <real path>
  // (<reason>)"; empty when the file was written.
  std::string Problem() const;
};

// Removes the file; how it ended is reported as a write's (a refusal of the
// write check with its reason, else the system's error).
WriteResult DeleteFile(std::string_view programPath);
// Removes whatever stands at a name the program keeps for its own files: a
// file, a link (not what it points to), a pipe, or a folder when it is
// empty (never what a folder holds). Reported as DeleteFile.
WriteResult DeleteEntry(std::string_view programPath);

// Replaces the file through a temporary file in the same folder and a
// rename, so the old file stays whole when anything fails. The temporary
// file is made exclusively under a random name (".twtmpXXXXXX"), never
// through a link planted there; the rename replaces a link at the file's
// name rather than writing where it points. A file that exists keeps its
// permissions. write puts the content into the stream and returns false
// when it could not make it; the stream is flushed and synced here.
WriteResult WriteFileThrough(std::string_view programPath,
                             const std::function<bool(std::FILE*)>& write);
// The same with the whole content at hand; a regular file that already
// holds exactly that content is left untouched (not replaced, not synced)
// and the write counts as done.
WriteResult WriteFileAtomic(std::string_view programPath, std::string_view data);
// The same for a file the user named by its real path (a print to a PDF
// file chosen in the print dialog): the path is taken as it is, neither
// mapped below the program directory nor matched whatever its case. It is
// checked like any other write: a path below the program directory is
// refused once that directory was moved away.
WriteResult WriteUserFileAtomic(const std::string& realPath, std::string_view data);

// Asked before every change to a file (a write, a delete, a rename) with the
// real path changed: empty when the change may go ahead, else why not; the
// change is then refused, and a write fails with that reason
// (kWriteRefused). The lock on the program directory sets it for the files
// below that directory. Returns the check it replaces.
using WriteCheck = std::function<std::string(const std::string& path)>;
WriteCheck SetWriteCheck(WriteCheck check);
// The error number of a write its check refused: a folder the program
// holds is no longer the one at its path.
inline constexpr int kWriteRefused = ESTALE;

// Makes every write into a program folder ("DWGS\\", or a folder given by
// its absolute path), or of one file ("DWGS\\HOUSE.GPD"), fail with a system
// error number, as a read-only or full disk or a file made immutable would,
// while its files can still be read; "" ends it. Writes of the content a
// file holds already fail too; removals fail unless the error is one of a
// full disk, which never keeps a file from going. For tests: the superuser
// they run as may write anywhere.
void SimulateWriteFailure(std::string_view programPlace, int error);

// Whether a name is one of the temporary files WriteFileThrough makes.
bool IsTemporaryFileName(std::string_view name);
// Removes the temporary files that writes cut short (a killed program)
// left in the program directory and the folders directly in it: only
// regular files of the temporary pattern last changed before `before`.
// Returns how many went.
int RemoveLeftoverTemporaryFiles(std::timespec before);

// The files read whole (ReadFile) and replaced (WriteFileAtomic; not one
// left as it was because it held the content already), as they happen, for
// the speed checks and the tests that count the program's file traffic: the
// real path and the bytes read or written.
struct FileTraffic {
  enum class Op { Read, Write } op;
  std::string_view path;
  std::size_t bytes;
};
using FileObserver = std::function<void(const FileTraffic&)>;
// Sets the observer (an empty one: none) and returns the one it replaces.
FileObserver SetFileObserver(FileObserver observer);

}  // namespace plat
