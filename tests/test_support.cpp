#include "tests/test_support.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <gtest/gtest.h>

#include "dialogs/modal.h"
#include "model/globals.h"
#include "platform/files.h"

namespace fs = std::filesystem;

namespace {

const char* const kProgramFolders[] = {"CFG", "DWGS", "ACT", "LIBS", "EXPORT", "WDS"};

std::string MakeTempDir() {
  std::string base = fs::temp_directory_path().string() + "/tarnwick-test-XXXXXX";
  if (!::mkdtemp(base.data())) throw std::runtime_error("cannot create " + base);
  return base;
}

}  // namespace

ScratchProgramDir::ScratchProgramDir()
    : root_(MakeTempDir()), previousProgramDir_(plat::ProgramDirectory()) {
  for (const char* folder : kProgramFolders) fs::create_directory(root_ + "/" + folder);
  const fs::path shipped = fs::path(TW_SOURCE_DIR) / "data" / "CFG";
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(shipped, ec)) {
    if (entry.is_regular_file())
      fs::copy_file(entry.path(), fs::path(root_) / "CFG" / entry.path().filename(),
                    fs::copy_options::overwrite_existing);
  }
  plat::SetProgramDirectory(root_);
  ResetGlobals();
}

ScratchProgramDir::~ScratchProgramDir() {
  plat::SimulateWriteFailure("", 0);
  plat::SetProgramDirectory(previousProgramDir_);
  std::error_code ec;
  // A test may have made a folder read-only or unreadable; make it
  // writable again first.
  fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, ec);
  for (const auto& entry : fs::recursive_directory_iterator(root_, ec))
    if (entry.is_directory(ec))
      fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(root_, ec);
}

std::string ScratchProgramDir::Path(std::string_view programPath) const {
  return plat::MapPath(programPath);
}

void ScratchProgramDir::WriteFile(std::string_view programPath, std::string_view text) const {
  std::ofstream out(Path(programPath), std::ios::binary | std::ios::trunc);
  if (!out) throw std::runtime_error("cannot write " + Path(programPath));
  out << text;
}

std::string ScratchProgramDir::ReadFile(std::string_view programPath) const {
  std::ifstream in(Path(programPath), std::ios::binary);
  if (!in) return {};
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

bool ScratchProgramDir::Exists(std::string_view programPath) const {
  return fs::exists(Path(programPath));
}

plat::ScriptedUi& DefaultTestUi() {
  static plat::ScriptedUi ui;
  return ui;
}

namespace {

class ResetDefaultUi : public ::testing::EmptyTestEventListener {
  // Must see the end of a test before the result printer does, so that a
  // question scripted and never asked is printed as the test's failure.
  void OnTestEnd(const ::testing::TestInfo&) override { DefaultTestUi().CheckAllAsked(); }
  void OnTestStart(const ::testing::TestInfo&) override {
    plat::ScriptedUi& ui = DefaultTestUi();
    ui.Reset();
    ui.allowUnexpected = false;
    ui.cursor = {0, 0};
    ui.cursorMoves = 0;
    plat::SetUi(&ui);
  }
};

}  // namespace

void InstallDefaultTestUi() {
  const auto fail = [](const std::string& what) { ADD_FAILURE() << what; };
  DefaultTestUi().onFailure = fail;
  dlg::ScriptFailure = fail;
  plat::SetUi(&DefaultTestUi());
  auto& listeners = ::testing::UnitTest::GetInstance()->listeners();
  // gtest tells the end of a test to its listeners last-appended first: the
  // printer goes in before the listener whose check must precede its line.
  ::testing::TestEventListener* printer = listeners.Release(listeners.default_result_printer());
  if (printer) listeners.Append(printer);
  listeners.Append(new ResetDefaultUi);
}
