// The program directory and the files below it.
//
// The program writes its paths as "CFG\\CLR.CFG" or "DWGS\\" + name + ".KWV".
// MapPath turns such a path into a real one below the program directory:
// backslashes become slashes and every existing file or folder is found
// whatever the case of its name, as on the file system the drawings come from.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

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
bool DeleteFile(std::string_view programPath);
// Makes the folder when it is missing (its parent must exist); true when
// it exists afterwards.
bool CreateFolder(std::string_view programPath);
bool RenameFile(std::string_view from, std::string_view to);

// The whole file, or nothing when it cannot be opened.
std::optional<std::string> ReadWholeFile(std::string_view programPath);

// Replaces the file with data through a temporary file in the same folder
// and a rename, so the old file stays whole when anything fails. Returns
// false (and leaves the old file) when the file cannot be written.
bool WriteFileAtomic(std::string_view programPath, std::string_view data);

}  // namespace plat
