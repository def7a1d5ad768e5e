// Drawing files whose last write failed. The program reads the live drawing
// and the group drawing back from their files all the time (every paint
// does), so a write that fails would quietly take back the edit it was to
// keep. What could not be written is held here instead and read in place of
// the file, until a write of the file works again. A file that should be
// gone and could not be removed is held the same way, as a file not there:
// left on disk, it would be read back as the drawing it was to stop being.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace storage {

// Holds data as the content of a program path whose write failed.
void HoldUnwritten(std::string_view path, std::string data);
// Holds a program path whose removal failed as a file not there.
void HoldRemoved(std::string_view path);
// The file was written (or deleted): its own content counts again.
void ReleaseUnwritten(std::string_view path);
// Whether anything is held at all: the usual answer, had without mapping a
// path.
bool AnyUnwritten();
// What is held for a path, found once: nullptr when nothing is, an empty
// optional for a removal, else the content.
const std::optional<std::string>* Held(std::string_view path);
// Whether anything is held for a path: content or a removal.
bool IsHeld(std::string_view path);
// Whether a removal is held for a path.
bool IsHeldRemoved(std::string_view path);
// The content held for a path; nullptr when its file is up to date or is
// held removed.
const std::string* Unwritten(std::string_view path);
// The content a path stands for: what is held for it (Missing for a held
// removal), else its file read whole (plat::ReadFile).
plat::ReadStatus ReadHeldOrFile(std::string_view path, std::string& out);
// Writes what is held for a path to its file, or removes the file held
// removed, and lets it go once done; held again when that fails. A path with
// nothing held counts as written.
plat::WriteResult WriteUnwritten(std::string_view path);

}  // namespace storage
