#include "shell/mainform.h"
#include "tools/linetool.h"

#include <algorithm>

#include "model/flist.h"
#include "model/globals.h"
#include "planwindow/childwin.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "storage/cfgfile.h"
#include "storage/damaged_files.h"
#include "storage/settings_files.h"

TMainForm* MainForm = nullptr;

const char* const kAppTitle = "Tarnwick 11.2";
const char* const kCfgMissing = "Error: .cfg file missing";
const char* const kStartPrompt =
    "GUIDE: Select 'File', then 'New', 'Open' or a file from the 'history list' ";

std::string ViewExtension(int32 viewCode) {
  switch (viewCode) {
    case view::Ground: return ".PLN";
    case view::First: return ".PL1";
    case view::Second: return ".PL2";
    case view::Third: return ".PL3";
    case view::Basement: return ".SF";
    case view::Site: return ".STE";
    case view::Group: return ".GPD";
    default:
      if (viewCode >= view::LayoutGround && viewCode <= view::LayoutMarkingWalls) return ".LYT";
      return ".PLN";
  }
}

TMainForm::TMainForm(plat::Timer& timer1) : timer1_(timer1) {
  MainForm = this;
  DrawingList.ProgramDir = plat::ProgramDirectory() + "\\";
  DrawingList.OnWritten = [this](TFlist::StoredFile file, const plat::WriteResult& written) {
    DrawingFileWritten(file, written);
  };
  DrawingList.OnReadDamaged = [this](TFlist::StoredFile file, const TFlist::ReadReport& read) {
    DrawingFileDamaged(file, read);
  };
  cfg::SetWriteObserver([this](const plat::WriteResult& written, cfg::Kept what) {
    SettingsFileWritten(written, what);
  });
  storage::SetCopyObserver(
      [this](const std::string& path, const std::string& copy, const std::string& before) {
        DamagedCopyMadeAgain(path, copy, before);
      });

  SetTool(tooltype::Line);

  ReadColours();

  cfg::Reader guide(ProgramFile(cfgfile::Guide));
  if (!guide.IsOpen()) {
    plat::Ui().ShowMessage(kCfgMissing);
    return;
  }
  int32 position = 0;
  int32 colour = 0;
  guide.Int(position);
  if (guide.Int(colour)) GuideColour = plat::COLORREF(colour);
  StatusBarOnTop = position == 1;

  AutosaveMode = cfg::ReadFirstInt(ProgramFile(cfgfile::Autosave), 0);

  cfg::Reader scroll(ProgramFile(cfgfile::AutoScroll));
  if (!scroll.IsOpen()) {
    plat::Ui().ShowMessage(kCfgMissing);
    return;
  }
  AutoScroll = scroll.IntOr(0);

  ReadRecentFiles();
  st.SetPanelText(panel::Guide, "GUIDE:");

  timer1_.onTimer = [this] { Timer1Timer(); };
  timer1_.SetInterval(1);
  timer1_.SetEnabled(true);
  StartedUp = true;
}

TMainForm::~TMainForm() {
  timer1_.SetEnabled(false);
  timer1_.onTimer = nullptr;
  CloseAllChildren();
  if (MainForm == this) {
    MainForm = nullptr;
    // Give back the program directory the form set: an empty one maps every
    // program path below plat::ProgramDirectory() again, so no later file
    // open follows a folder of a form that is gone.
    DrawingList.ProgramDir.clear();
    DrawingList.OnWritten = nullptr;
    DrawingList.OnReadDamaged = nullptr;
    cfg::SetWriteObserver(nullptr);
    storage::SetCopyObserver(nullptr);
  }
}

void TMainForm::ReadColours() {
  cfg::Reader clr(ProgramFile(cfgfile::Colours));
  int32 v = 0;
  if (clr.Int(v)) BackgroundColour = plat::COLORREF(v);
  if (clr.Int(v)) DrawingColour = plat::COLORREF(v);
  if (clr.Int(v)) OverlayColour = plat::COLORREF(v);
}

// A tool chosen afresh starts a fresh keyboard chain: the next Enter is a
// start point, never the end of a segment left over from the last tool.
void TMainForm::ReplaceTool(std::unique_ptr<TDrawingtool> tool) {
  currentTool_ = std::move(tool);
  LineKeyState = linekey::StartsLine;
}

// ---- Recent drawings --------------------------------------------------------------------

// One name per line, most recent first; an empty line is an unused entry.
void TMainForm::ReadRecentFiles() {
  RecentFiles.fill({});
  if (auto text = plat::ReadWholeFile(ProgramFile(cfgfile::RecentFiles))) {
    std::size_t pos = 0;
    for (auto& entry : RecentFiles) {
      if (pos >= text->size()) break;
      std::size_t end = text->find('\n', pos);
      if (end == std::string::npos) end = text->size();
      std::string name = text->substr(pos, end - pos);
      if (!name.empty() && name.back() == '\r') name.pop_back();
      entry = name.substr(0, TFlist::kDrawingNameMax);
      pos = end + 1;
    }
  }
  if (onRecentFilesChanged) onRecentFilesChanged();
}

void TMainForm::WriteRecentFiles() const {
  std::string text;
  for (const auto& entry : RecentFiles) text += entry + "\n";
  cfg::Write(ProgramFile(cfgfile::RecentFiles), text);
}

void TMainForm::RememberRecentFile(const std::string& name) {
  if (name.empty()) return;
  auto it = std::find(RecentFiles.begin(), RecentFiles.end(), name);
  if (it == RecentFiles.end()) it = RecentFiles.end() - 1;
  std::rotate(RecentFiles.begin(), it, it + 1);
  RecentFiles[0] = name;
  WriteRecentFiles();
  if (onRecentFilesChanged) onRecentFilesChanged();
}

void TMainForm::ForgetRecentFile(const std::string& name) {
  auto it = std::find(RecentFiles.begin(), RecentFiles.end(), name);
  if (it == RecentFiles.end()) return;
  std::rotate(it, it + 1, RecentFiles.end());
  RecentFiles.back().clear();
  WriteRecentFiles();
  if (onRecentFilesChanged) onRecentFilesChanged();
}

// ---- Prompts of the screen aids ----------------------------------------------------------

void TMainForm::ShowAidPrompt(const std::string& prompt) {
  if (interruptedPrompt_.empty()) interruptedPrompt_ = st.PanelText(panel::Guide);
  st.SetPanelText(panel::Guide, prompt);
}

void TMainForm::EndAidPrompt() {
  if (interruptedPrompt_.empty()) return;
  st.SetPanelText(panel::Guide, interruptedPrompt_);
  interruptedPrompt_.clear();
}

// ---- Drawing windows -----------------------------------------------------------------------

TMDIChild* TMainForm::ActiveChild() const {
  return children_.empty() ? nullptr : children_.front().get();
}

std::vector<TMDIChild*> TMainForm::Children() const {
  std::vector<TMDIChild*> out;
  for (const auto& c : children_) out.push_back(c.get());
  return out;
}

TMDIChild* TMainForm::CreateDrawingWindow(const std::string& caption) {
  if (!frame_) return nullptr;
  // The new window makes one more: close the least recently active ones.
  while (int(children_.size()) >= kMaxDrawingWindows) {
    TMDIChild* oldest = children_.back().get();
    oldest->Host().Close();
    // A window system that refused to close it must not leave it listed.
    if (!children_.empty() && children_.back().get() == oldest) children_.pop_back();
  }
  if (TMDIChild* active = ActiveChild()) active->SaveViewState();

  TPlanWindowHost& host = frame_->NewChildWindow(caption);
  auto child = std::make_unique<TMDIChild>(host);
  child->Caption = caption;
  child->ViewCode = CurrentView;
  host.SetCaption(caption);
  TMDIChild* raw = child.get();
  children_.insert(children_.begin(), std::move(child));
  frame_->AttachChild(host, *raw);
  return raw;
}

void TMainForm::ChildActivated(TMDIChild* child) {
  auto it = std::find_if(children_.begin(), children_.end(),
                         [&](const auto& c) { return c.get() == child; });
  if (it == children_.end() || it == children_.begin()) return;
  children_.front()->SaveViewState();
  std::rotate(children_.begin(), it, it + 1);
  child->RestoreViewState();
  child->Surface().InvalidateRect(nullptr);
}

void TMainForm::ChildClosed(TMDIChild* child) {
  auto it = std::find_if(children_.begin(), children_.end(),
                         [&](const auto& c) { return c.get() == child; });
  if (it == children_.end()) return;
  const bool wasActive = it == children_.begin();
  std::unique_ptr<TMDIChild> gone = std::move(*it);
  children_.erase(it);
  gone.reset();
  if (wasActive && !children_.empty()) children_.front()->RestoreViewState();
  if (children_.empty()) {
    // Nothing is left to point at or measure in: as at start-up.
    interruptedPrompt_.clear();
    st.SetPanelText(panel::Guide, kStartPrompt);
    crds.SetSimpleText("");
  }
}

void TMainForm::InvalidateAllChildren() {
  for (const auto& c : children_) c->Surface().InvalidateRect(nullptr);
}

void TMainForm::CloseAllChildren() {
  while (!children_.empty()) {
    TMDIChild* c = children_.back().get();
    c->Host().Close();
    if (!children_.empty() && children_.back().get() == c) children_.pop_back();
  }
}
