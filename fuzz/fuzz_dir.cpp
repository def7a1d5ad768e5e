#include "fuzz/fuzz_dir.h"

#include <stdlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "fuzz/fuzz_program.h"
#include "platform/files.h"

namespace fuzzing {

namespace fs = std::filesystem;

namespace {

const char* const kFolders[] = {"CFG", "DWGS", "ACT", "LIBS", "EXPORT", "WDS"};

std::string root;
std::map<std::string, std::string> made;  // path below root -> content

std::string Slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void Spill(const fs::path& p, const std::string& bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out << bytes;
}

void RemoveRoot() {
  std::error_code ec;
  fs::remove_all(root, ec);
}

}  // namespace

void UseFuzzProgramDir() {
  if (!root.empty()) return;
  // In memory where the machine has it: the program rewrites its files
  // through new temporary ones at every step.
  std::error_code ec;
  const fs::path memory = "/dev/shm";
  const fs::path where = fs::is_directory(memory, ec) ? memory : fs::temp_directory_path();
  std::string base = (where / "tarnwick-fuzz-XXXXXX").string();
  if (!::mkdtemp(base.data())) {
    std::perror("mkdtemp");
    std::abort();
  }
  root = base;
  std::atexit(RemoveRoot);
  const fs::path shipped = fs::path(TW_SOURCE_DIR) / "data";
  for (const char* folder : kFolders) {
    fs::create_directory(fs::path(root) / folder);
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(shipped / folder, ec))
      if (entry.is_regular_file() && entry.path().filename() != ".keep")
        fs::copy_file(entry.path(), fs::path(root) / folder / entry.path().filename());
  }
  plat::SetProgramDirectory(root);
  PrepareProgramDir();
  for (const auto& entry : fs::recursive_directory_iterator(root))
    if (entry.is_regular_file())
      made[fs::relative(entry.path(), root).string()] = Slurp(entry.path());
}

void RestoreFuzzProgramDir() {
  std::map<std::string, bool> seen;
  std::error_code ec;
  for (const auto& entry : fs::recursive_directory_iterator(root, ec)) {
    if (!entry.is_regular_file()) continue;
    const std::string rel = fs::relative(entry.path(), root).string();
    const auto it = made.find(rel);
    if (it == made.end()) {
      fs::remove(entry.path(), ec);
      continue;
    }
    seen[rel] = true;
    if (Slurp(entry.path()) != it->second) Spill(entry.path(), it->second);
  }
  for (const auto& [rel, bytes] : made)
    if (!seen.count(rel)) Spill(fs::path(root) / rel, bytes);
}

void StartFuzzInput() {
  UseFuzzProgramDir();
  SetFindingHandler([](const char* what) {
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
  });
  RestoreFuzzProgramDir();
}

}  // namespace fuzzing
