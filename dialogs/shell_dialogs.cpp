#include "dialogs/shell_dialogs.h"

#include <cstring>


namespace dlg {

const char* const kNameIncorrect = "drawing name (1 to 24 letters) input is incorrect";

namespace {

constexpr std::size_t kMaxNameLength = 24;
constexpr const char* kForbidden = "\\/:*?\"<>|";

}  // namespace

bool ValidDrawingName(std::string_view name) {
  if (name.empty() || name.size() > kMaxNameLength) return false;
  if (name == "." || name == "..") return false;
  for (char c : name) {
    if (static_cast<unsigned char>(c) < 32 || std::strchr(kForbidden, c)) return false;
  }
  return name.front() != ' ' && name.back() != ' ';
}

}  // namespace dlg
