// Picture export: what the drawing window shows, saved as a Windows bitmap
// or a PNG file in the EXPORT folder under a name the user gives.
#include <cstring>
#include <string>

#include "dialogs/modal.h"
#include "dialogs/savescrn.h"
#include "model/flist.h"
#include "planwindow/childwin.h"
#include "planwindow/png_writer.h"
#include "planwindow/routing_support.h"
#include "platform/dib.h"
#include "platform/files.h"
#include "platform/services.h"
#include "platform/ui.h"
#include "shell/mainform.h"
#include "storage/settings_files.h"

namespace {

constexpr const char* kBmpPrompt = "input name of '.BMP' file to save to";
constexpr const char* kPngPrompt = "input name of '.PNG' file to save to";
constexpr const char* kTooLong = "file name too long";
constexpr const char* kNoName = "no file name given";
constexpr const char* kUnsafeName =
    "a file name cannot hold \\ / : * ? \" < > | or .. nor begin or end with a dot or a space";
constexpr const char* kReplace = "%s already exists - do you wish to replace it?";
constexpr const char* kBmpSaved = "Bitmap file '.BMP' saved in EXPORT subdirectory";
constexpr const char* kPngSaved =
    "Portable Network Graphics file '.PNG' saved in EXPORT subdirectory";
constexpr const char* kBmpFailed = "Error writing BMP file";
constexpr const char* kPngFailed = "Error writing PNG file";
constexpr const char* kEndPrompt = "GUIDE: select a function";
constexpr const char* kEndTool = "pick tool";

constexpr const char* kExportFolder = "EXPORT\\";
constexpr std::size_t kMaxNameLength = 30;

// Why a typed name cannot be a picture's file name; null when it can.
const char* NameProblem(const std::string& name) {
  if (name.empty()) return kNoName;
  if (name.size() > kMaxNameLength) return kTooLong;
  for (char c : name)
    if (static_cast<unsigned char>(c) < 32 || std::strchr("\\/:*?\"<>|", c)) return kUnsafeName;
  if (name.find("..") != std::string::npos) return kUnsafeName;
  if (name.front() == '.' || name.front() == ' ' || name.back() == '.' || name.back() == ' ')
    return kUnsafeName;
  return nullptr;
}

bool WritePng(const plat::Dib& dib, std::FILE* out) {
  DibPngRequest request;
  request.flags = pngflag::Interlaced;
  request.stream = out;
  request.dibHeader = dib.info.data();
  request.dibSize = std::uint32_t(dib.info.size());
  request.bits = dib.bits.data();
  request.bitsSize = std::uint32_t(dib.bits.size());
  return WritePngFromDib(&request) == pngresult::Written;
}

// The export ends with the pick tool, as its prompts say.
void EndPrompts() {
  if (MainForm) MainForm->SelectPickTool();
  routing::Guide(kEndPrompt);
  routing::ToolPanel(kEndTool);
}

}  // namespace

void TMDIChild::ExportImage(int32 format) {
  const bool png = format == exportformat::Png;
  routing::Guide(png ? kPngPrompt : kBmpPrompt);

  dlg::Tsavescreen dialog;
  if (!dlg::ShowModal(dialog)) {
    EndPrompts();
    return;
  }
  const std::string name = dialog.Edit1;
  if (const char* problem = NameProblem(name)) {
    plat::ErrorBox(problem, plat::mbOK);
    Surface().InvalidateRect(nullptr);
    EndPrompts();
    return;
  }

  const std::string file = kExportFolder + name + (png ? ".PNG" : ".BMP");
  const std::string folder = ProgramFile(kExportFolder);
  const std::string path = ProgramFile(file);
  if (plat::FileExists(path) && !plat::AskYesNo(plat::Format(kReplace, file.c_str()))) {
    Surface().InvalidateRect(nullptr);
    EndPrompts();
    return;
  }

  // The picture is the window's own: painted again first only when it is
  // not what the paint handler drew (a part waits for a repaint, or a
  // rubber band or ghost lies on it).
  if (!Surface().PictureIsCurrent()) {
    Surface().InvalidateRect(nullptr);
    Surface().UpdateWindow();
  }
  plat::Dib picture;
  bool written = false;
  if (plat::CreateFolder(folder) && Surface().CaptureClient(picture)) {
    // Written beside the picture first, so that a failed write leaves
    // neither a broken picture nor the loss of the one it would replace.
    written = bool(plat::WriteFileThrough(path, [&](std::FILE* out) {
      return png ? WritePng(picture, out) : plat::WriteBmpFile(out, picture);
    }));
  }
  picture = {};

  if (written)
    plat::InfoBox(png ? kPngSaved : kBmpSaved);
  else
    plat::ErrorBox(png ? kPngFailed : kBmpFailed, plat::mbOK);
  EndPrompts();
}
