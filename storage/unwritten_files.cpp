#include "storage/unwritten_files.h"

#include <map>

#include "platform/files.h"
#include "storage/record_codec.h"

namespace storage {

namespace {

// Keyed by the real path, so that every spelling of a program path meets.
std::map<std::string, std::string>& Held() {
  static std::map<std::string, std::string> held;
  return held;
}

}  // namespace

void HoldUnwritten(std::string_view path, std::string data) {
  Held()[plat::MapPath(path)] = std::move(data);
}

// Mapping a path asks the disk for each of its folders: every write and
// read of the drawing's files passes here, and nothing is held almost always.
void ReleaseUnwritten(std::string_view path) {
  auto& held = Held();
  if (!held.empty()) held.erase(plat::MapPath(path));
}

bool AnyUnwritten() { return !Held().empty(); }

const std::string* Unwritten(std::string_view path) {
  auto& held = Held();
  if (held.empty()) return nullptr;
  auto it = held.find(plat::MapPath(path));
  return it == held.end() ? nullptr : &it->second;
}

plat::ReadStatus ReadHeldOrFile(std::string_view path, std::string& out) {
  if (const std::string* held = Unwritten(path)) {
    out = *held;
    return plat::ReadStatus::Ok;
  }
  return plat::ReadFile(path, out);
}

plat::WriteResult WriteUnwritten(std::string_view path) {
  const std::string* held = Unwritten(path);
  if (!held) return {};
  // Written as any list file is, and held again when it fails.
  return ReplaceFile(path, *held, OnFailure::HoldList);
}

}  // namespace storage
