// Drawing files the program could not read whole. What a read could not
// take would be gone at the next write of the file, so the bytes the read
// found are kept beside it first, as a copy the program wrote itself
// (HOUSE.DAMAGED for DWGS\HOUSE.KWV, HOUSE.GPD.DAMAGED for the group file,
// numbered HOUSE.DAMAGED2 ... when older copies are kept). A file of which
// no copy could be kept is not written over: its writes fail until a copy
// can be made.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace storage {

// What became of a damaged file's bytes.
struct DamagedCopy {
  std::string copy;     // the program path of the copy kept; "" when none
  std::string problem;  // why none could be kept, in plain words
  bool Kept() const { return !copy.empty(); }
};

// The name of the copies of a file: its name without ".KWV", or the whole
// name for any other file ("DWGS\\HOUSE.GPD").
std::string DamagedCopyStem(std::string_view path);

// Keeps data beside path as the first free copy name: a name nothing holds,
// or a regular file that holds exactly data already (a copy kept before). A
// link, folder or device at a copy's name is never taken as a copy nor
// written through.
DamagedCopy KeepDamagedCopy(std::string_view path, std::string_view data);

// What a read found that was not the whole file. data: the bytes read, when
// the file could be read to its end (nullptr otherwise). The bytes are kept
// once for each content the file is found with: `fresh` is true the first
// time, false when the same bytes were met and kept (or refused) before.
struct DamagedRead {
  DamagedCopy kept;
  bool fresh = false;
};
DamagedRead FileFoundDamaged(std::string_view path, const std::string* data,
                             std::string_view unreadReason = {});

// The file's content is the program's own again (it was written whole, or a
// new drawing took its name): it is no longer a damaged file.
void ForgetDamaged(std::string_view path);

// Whether a write (or a delete) may replace the file. A damaged file's copy
// must still be a regular file holding the bytes found: one removed or
// changed since, or never made, is made again first, and the write is
// refused (the result says why) while no copy can be made.
plat::WriteResult MayReplace(std::string_view path);

// Hears of every copy MayReplace makes under a name the user has not been
// told of: path is the damaged file, copy the new copy's program path and
// before the copy it takes the place of ("" when none could be kept
// before). The main form tells the user. Sets the observer (an empty one:
// none) and returns the one it replaces.
using CopyObserver = std::function<void(const std::string& path, const std::string& copy,
                                        const std::string& before)>;
CopyObserver SetCopyObserver(CopyObserver observer);

}  // namespace storage
