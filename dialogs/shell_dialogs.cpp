#include "dialogs/shell_dialogs.h"

#include <cstring>

#include "model/flist.h"
#include "platform/services.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"

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

namespace {
constexpr int32 kWallStyleStep = 10;
}  // namespace

void ReadPrintSettings(PrintChoice& choice) {
  cfg::Reader r(ProgramFile(cfgfile::PrintChoices));
  int32 v[5] = {};
  for (int32& x : v)
    if (!r.Int(x)) return;
  choice.verticalText = v[0] == 1 ? 1 : 0;
  choice.hideDimensions = v[1] == 1 ? 1 : 0;
  if (v[2] >= 0 && v[2] <= 2) choice.wallStyle = v[2] * kWallStyleStep;
  if (v[3] >= lineweight::Thin && v[3] <= lineweight::Thick) choice.lineWeight = v[3];
  if (v[4] >= textsize::Small && v[4] <= textsize::Large) choice.textSize = v[4];
}

void WritePrintSettings(const PrintChoice& choice) {
  cfg::Write(ProgramFile(cfgfile::PrintChoices),
             plat::Format("%d %d %d %d %d", choice.verticalText, choice.hideDimensions,
                          choice.wallStyle / kWallStyleStep, choice.lineWeight, choice.textSize));
}

int32 PrintWallDisplayMode(const PrintChoice& choice) {
  return (choice.hideDimensions == 1 ? 1 : 0) + choice.wallStyle;
}

}  // namespace dlg
