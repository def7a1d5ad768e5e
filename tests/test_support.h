// Helpers shared by the tests: a scratch program directory with the shipped
// settings files, the scripted user interface and the recording device
// context.
#pragma once

#include <sys/fsuid.h>
#include <unistd.h>

#include <string>
#include <string_view>

#include "platform/recording_dc.h"
#include "platform/scripted_ui.h"

// A fresh program directory for one test: the folders CFG, DWGS, ACT, LIBS,
// EXPORT and WDS, the shipped settings files copied into CFG, the platform
// pointed at it and the program's globals reset. Everything is removed (and
// the previous program directory restored) when the object goes away.
class ScratchProgramDir {
 public:
  ScratchProgramDir();
  ~ScratchProgramDir();
  ScratchProgramDir(const ScratchProgramDir&) = delete;
  ScratchProgramDir& operator=(const ScratchProgramDir&) = delete;

  // The folder itself (absolute, no trailing slash).
  const std::string& Root() const { return root_; }
  // The real path of a program path such as "CFG\\CLR.CFG".
  std::string Path(std::string_view programPath) const;
  // Writes (replaces) a file by its program path.
  void WriteFile(std::string_view programPath, std::string_view text) const;
  // The file's content, or "" when it does not exist.
  std::string ReadFile(std::string_view programPath) const;
  bool Exists(std::string_view programPath) const;

 private:
  std::string root_;
  std::string previousProgramDir_;
};

// Root may write anywhere: while this object lives, file access of the
// process is checked as for an ordinary user (nobody, in group 0) instead.
class FileAccessAsNobody {
 public:
  FileAccessAsNobody() {
    if (::geteuid() == 0) previous_ = ::setfsuid(65534);
  }
  ~FileAccessAsNobody() {
    if (previous_ >= 0) ::setfsuid(uid_t(previous_));
  }
  FileAccessAsNobody(const FileAccessAsNobody&) = delete;
  FileAccessAsNobody& operator=(const FileAccessAsNobody&) = delete;

 private:
  int previous_ = -1;
};

// The user interface every test starts with: a scripted one with an empty
// script whose failures are test failures, so any message box a test did not
// expect fails it. It is reset before each test; a test may queue answers on
// it directly or install a ScriptedUi of its own with plat::ScopedUi.
plat::ScriptedUi& DefaultTestUi();
// Installs DefaultTestUi() with ADD_FAILURE as its failure hook and resets it
// before every test (called by the test mains).
void InstallDefaultTestUi();
