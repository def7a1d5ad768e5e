// Drawing files whose last write failed. The program reads the live drawing
// and the group drawing back from their files all the time (every paint
// does), so a write that fails would quietly take back the edit it was to
// keep. What could not be written is held here instead and read in place of
// the file, until a write of the file works again.
#pragma once

#include <string>
#include <string_view>

#include "platform/files.h"

namespace storage {

// Holds data as the content of a program path whose write failed.
void HoldUnwritten(std::string_view path, std::string data);
// The file was written (or deleted): its own content counts again.
void ReleaseUnwritten(std::string_view path);
// Whether anything is held at all: the usual answer, had without mapping a
// path.
bool AnyUnwritten();
// What is held for a path; nullptr when its file is up to date.
const std::string* Unwritten(std::string_view path);
// The content a path stands for: what is held for it, else its file read
// whole (plat::ReadFile).
plat::ReadStatus ReadHeldOrFile(std::string_view path, std::string& out);
// Writes what is held for a path to its file, and lets it go once written;
// a path with nothing held counts as written.
plat::WriteResult WriteUnwritten(std::string_view path);

}  // namespace storage
