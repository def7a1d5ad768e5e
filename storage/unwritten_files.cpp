#include "storage/unwritten_files.h"

#include <map>
#include <optional>

#include "platform/files.h"
#include "storage/record_codec.h"

namespace storage {

namespace {

// Keyed by the real path, so that every spelling of a program path meets;
// no content stands for a file held removed.
std::map<std::string, std::optional<std::string>>& Held() {
  static std::map<std::string, std::optional<std::string>> held;
  return held;
}

const std::optional<std::string>* Find(std::string_view path) {
  auto& held = Held();
  if (held.empty()) return nullptr;
  auto it = held.find(plat::MapPath(path));
  return it == held.end() ? nullptr : &it->second;
}

}  // namespace

void HoldUnwritten(std::string_view path, std::string data) {
  Held()[plat::MapPath(path)] = std::move(data);
}

void HoldRemoved(std::string_view path) { Held()[plat::MapPath(path)] = std::nullopt; }

// Mapping a path asks the disk for each of its folders: every write and
// read of the drawing's files passes here, and nothing is held almost always.
void ReleaseUnwritten(std::string_view path) {
  auto& held = Held();
  if (!held.empty()) held.erase(plat::MapPath(path));
}

bool AnyUnwritten() { return !Held().empty(); }

bool IsHeld(std::string_view path) { return Find(path) != nullptr; }

bool IsHeldRemoved(std::string_view path) {
  const std::optional<std::string>* held = Find(path);
  return held && !*held;
}

const std::string* Unwritten(std::string_view path) {
  const std::optional<std::string>* held = Find(path);
  return held && *held ? &**held : nullptr;
}

plat::ReadStatus ReadHeldOrFile(std::string_view path, std::string& out) {
  if (const std::optional<std::string>* held = Find(path)) {
    if (!*held) return plat::ReadStatus::Missing;
    out = **held;
    return plat::ReadStatus::Ok;
  }
  return plat::ReadFile(path, out);
}

plat::WriteResult WriteUnwritten(std::string_view path) {
  const std::optional<std::string>* held = Find(path);
  if (!held) return {};
  // Written or removed as any list file is, and held again when it fails.
  if (!*held) return DeleteListFile(path, OnFailure::HoldList);
  return ReplaceFile(path, **held, OnFailure::HoldList);
}

}  // namespace storage
