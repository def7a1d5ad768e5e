#include "storage/unwritten_files.h"

#include <map>
#include <optional>

#include "platform/files.h"
#include "storage/record_codec.h"

namespace storage {

namespace {

// Keyed by the real path, so that every spelling of a program path meets;
// no content stands for a file held removed.
std::map<std::string, std::optional<std::string>>& Store() {
  static std::map<std::string, std::optional<std::string>> held;
  return held;
}

}  // namespace

const std::optional<std::string>* Held(std::string_view path) {
  auto& held = Store();
  if (held.empty()) return nullptr;
  auto it = held.find(plat::MapPath(path));
  return it == held.end() ? nullptr : &it->second;
}

void HoldUnwritten(std::string_view path, std::string data) {
  Store()[plat::MapPath(path)] = std::move(data);
}

void HoldRemoved(std::string_view path) { Store()[plat::MapPath(path)] = std::nullopt; }

// Mapping a path asks the disk for each of its folders: every write and
// read of the drawing's files passes here, and nothing is held almost always.
void ReleaseUnwritten(std::string_view path) {
  auto& held = Store();
  if (!held.empty()) held.erase(plat::MapPath(path));
}

bool AnyUnwritten() { return !Store().empty(); }

bool IsHeld(std::string_view path) { return Held(path) != nullptr; }

bool IsHeldRemoved(std::string_view path) {
  const std::optional<std::string>* held = Held(path);
  return held && !*held;
}

const std::string* Unwritten(std::string_view path) {
  const std::optional<std::string>* held = Held(path);
  return held && *held ? &**held : nullptr;
}

plat::ReadStatus ReadHeldOrFile(std::string_view path, std::string& out) {
  if (const std::optional<std::string>* held = Held(path)) {
    if (!*held) return plat::ReadStatus::Missing;
    out = **held;
    return plat::ReadStatus::Ok;
  }
  return plat::ReadFile(path, out);
}

plat::WriteResult WriteUnwritten(std::string_view path) {
  const std::optional<std::string>* held = Held(path);
  if (!held) return {};
  // Written or removed as any list file is, and held again when it fails.
  if (!*held) return DeleteListFile(path, OnFailure::HoldList);
  return ReplaceFile(path, **held, OnFailure::HoldList);
}

}  // namespace storage
