#include "platform/services.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <thread>

#include "platform/files.h"

extern char** environ;

namespace plat {

// ---- Text conversion ----------------------------------------------------------

int StrToIntDef(std::string_view text, int def) {
  auto isBlank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return def;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return def;
    value = value * 10 + (c - '0');
    if (value > std::int64_t(INT32_MAX) + 1) return def;  // beyond 32 bits
  }
  if (negative) value = -value;
  if (value > INT32_MAX || value < INT32_MIN) return def;
  return int(value);
}

std::string IntToStr(long long v) { return std::to_string(v); }

std::string Format(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  va_list copy;
  va_copy(copy, args);
  const int n = std::vsnprintf(nullptr, 0, fmt, copy);
  va_end(copy);
  std::string out;
  if (n > 0) {
    out.resize(size_t(n) + 1);
    std::vsnprintf(out.data(), out.size(), fmt, args);
    out.resize(size_t(n));
  }
  va_end(args);
  return out;
}

// ---- Status bar ---------------------------------------------------------------

StatusBar::StatusBar(int panels) : texts_(size_t(panels < 1 ? 1 : panels)) {}

void StatusBar::SetPanelText(int panel, const std::string& text) {
  if (panel < 0 || panel >= PanelCount()) return;
  texts_[size_t(panel)] = text;
  if (onChange) onChange(panel, text);
}

const std::string& StatusBar::PanelText(int panel) const {
  static const std::string none;
  if (panel < 0 || panel >= PanelCount()) return none;
  return texts_[size_t(panel)];
}

// ---- Help viewer --------------------------------------------------------------

std::string HelpCommandLine(const std::string& page) { return "help.exe page " + page; }

std::string NoHelpViewer(const std::string& page) {
  return "no help viewer is installed to show the page " + page;
}

namespace {

bool IsExecutableFile(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

bool StartHelp(const std::string& page) {
  const std::string viewer = MapPath("help");
  if (!IsExecutableFile(viewer)) return false;

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, ProgramDirectory().c_str());
  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  // Its own session: the viewer outlives the program and ignores its terminal.
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID);

  std::string arg0 = viewer, arg1 = "page", arg2 = page;
  char* argv[] = {arg0.data(), arg1.data(), arg2.data(), nullptr};
  pid_t pid = 0;
  const int rc = ::posix_spawn(&pid, viewer.c_str(), &actions, &attr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attr);
  if (rc != 0) return false;

  // The program does not wait for the viewer; a detached waiter collects its
  // exit status so that it leaves no zombie behind.
  std::thread([pid] { ::waitpid(pid, nullptr, 0); }).detach();
  return true;
}

}  // namespace plat
