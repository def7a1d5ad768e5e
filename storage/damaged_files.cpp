#include "storage/damaged_files.h"

#include <cctype>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <map>
#include <utility>

namespace storage {

namespace {

// Copies kept of one file: NAME.DAMAGED, NAME.DAMAGED2 ... NAME.DAMAGED99.
constexpr int kCopyNames = 99;

// A damaged file met since the program started, by real path.
struct Damaged {
  bool readable = false;  // the bytes were read to the end
  std::size_t size = 0;
  std::size_t hash = 0;
  DamagedCopy kept;
  // The bytes read, kept until the file is written: a copy removed from
  // outside is made again from them before anything replaces the file.
  std::string bytes;
};

std::map<std::string, Damaged>& Met() {
  static std::map<std::string, Damaged> met;
  return met;
}

CopyObserver& Observer() {
  static CopyObserver observer;
  return observer;
}

std::string CopyName(const std::string& stem, int n) {
  return stem + (n == 1 ? std::string(".DAMAGED") : ".DAMAGED" + std::to_string(n));
}

bool EndsWithNoCase(std::string_view s, std::string_view end) {
  if (s.size() < end.size()) return false;
  for (std::size_t i = 0; i < end.size(); ++i) {
    const char a = s[s.size() - end.size() + i];
    if (std::tolower(static_cast<unsigned char>(a)) != std::tolower(static_cast<unsigned char>(end[i])))
      return false;
  }
  return true;
}

// Whether a copy kept is still a regular file of its size: one removed
// since is made again.
bool StillThere(const std::string& copy, std::size_t size) {
  std::error_code ec;
  const std::filesystem::path path = plat::MapPath(copy);
  return std::filesystem::is_regular_file(std::filesystem::symlink_status(path, ec)) &&
         std::filesystem::file_size(path, ec) == size && !ec;
}

}  // namespace

std::string DamagedCopyStem(std::string_view path) {
  constexpr std::string_view kDrawing = ".KWV";
  if (EndsWithNoCase(path, kDrawing)) path.remove_suffix(kDrawing.size());
  return std::string(path);
}

DamagedCopy KeepDamagedCopy(std::string_view path, std::string_view data) {
  const std::string stem = DamagedCopyStem(path);
  for (int n = 1; n <= kCopyNames; ++n) {
    const std::string copy = CopyName(stem, n);
    switch (plat::WhatIsAt(copy)) {
      case plat::PathKind::Nothing: {
        // A failure here (a full or read-only disk) is no better under
        // another name.
        const plat::WriteResult written = plat::WriteFileAtomic(copy, data);
        if (written) return {copy, ""};
        return {"", written.Problem()};
      }
      case plat::PathKind::File:
        // A copy kept before of the same bytes serves again, so a file met
        // damaged at every start leaves one copy.
        if (plat::FileHolds(copy, data)) return {copy, ""};
        break;
      case plat::PathKind::Folder:
      case plat::PathKind::Other: break;  // never a copy, never written through
    }
  }
  return {"", "every name from " + plat::MapPath(CopyName(stem, 1)) + " to " +
                  plat::MapPath(CopyName(stem, kCopyNames)) + " is taken"};
}

DamagedRead FileFoundDamaged(std::string_view path, const std::string* data,
                             std::string_view unreadReason) {
  Damaged found;
  found.readable = data != nullptr;
  if (data) {
    found.size = data->size();
    found.hash = std::hash<std::string_view>{}(*data);
  }
  auto& met = Met();
  const std::string real = plat::MapPath(path);
  if (auto it = met.find(real); it != met.end()) {
    const Damaged& before = it->second;
    // The paint reads the live file again and again: the same bytes are
    // kept, and told, once, while their copy is there.
    const bool same = before.readable == found.readable && before.size == found.size &&
                      before.hash == found.hash &&
                      (!data || before.kept.Kept() || before.bytes == *data);
    if (same && (!before.kept.Kept() || StillThere(before.kept.copy, before.size)))
      return {before.kept, false};
  }
  if (data) {
    found.kept = KeepDamagedCopy(path, *data);
    found.bytes = *data;
  } else {
    found.kept.problem = std::string(unreadReason.empty() ? "the file could not be read to its end"
                                                          : unreadReason);
  }
  DamagedRead read{found.kept, true};
  met[real] = std::move(found);
  return read;
}

void ForgetDamaged(std::string_view path) {
  auto& met = Met();
  if (!met.empty()) met.erase(plat::MapPath(path));
}

plat::WriteResult MayReplace(std::string_view path) {
  auto& met = Met();
  if (met.empty()) return {};
  const std::string real = plat::MapPath(path);
  auto it = met.find(real);
  if (it == met.end()) return {};
  Damaged& d = it->second;
  // The file is about to go: its copy must still be what was kept, however
  // it was changed or removed from outside since.
  if (d.kept.Kept() && plat::FileHolds(d.kept.copy, d.bytes)) return {};
  // Kept again, or for the first time (a copy removed, room made on the
  // disk), under the first name free for it.
  if (d.readable) {
    const std::string before = d.kept.copy;
    d.kept = KeepDamagedCopy(path, d.bytes);
    if (d.kept.Kept()) {
      // The same name made again is the copy the user was told of.
      if (d.kept.copy != before && Observer()) Observer()(std::string(path), d.kept.copy, before);
      return {};
    }
  }
  return {ECANCELED, real,
          "it could not be read whole and no copy of it as it was could be kept (" +
              d.kept.problem + "), so it is not written over"};
}

CopyObserver SetCopyObserver(CopyObserver observer) {
  return std::exchange(Observer(), std::move(observer));
}

}  // namespace storage
