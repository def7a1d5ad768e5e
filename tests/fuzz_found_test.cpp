// Inputs that the fuzz targets once failed on, replayed through the same
// runs (fuzz/fuzz_program.h): a damaged settings file under the program's
// start, views, prints, opening tool and designer; a damaged drawing
// painted, printed, turned, pasted and undone. Each overflowed, overran or
// hung before its fix; under the sanitizers (scripts/sanitize.sh) one that
// comes back fails here, and a run that breaks its own invariants fails
// everywhere.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "fuzz/fuzz_program.h"
#include "tests/test_support.h"

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> InputsFailedOn(const char* target) {
  std::vector<fs::path> out;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(fs::path(TW_SOURCE_DIR) / "fuzz" / "found" / target, ec))
    if (e.is_regular_file()) out.push_back(e.path());
  std::sort(out.begin(), out.end());
  return out;
}

std::string Bytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(FuzzFindings, EveryInputAFuzzTargetFailedOnRunsThroughClean) {
  fuzzing::SetFindingHandler([](const char* what) { ADD_FAILURE() << what; });
  struct Target {
    const char* folder;
    void (*run)(std::string_view);
  };
  int replayed = 0;
  for (const Target& t : {Target{"settings", fuzzing::RunWithSettingsFile},
                          Target{"drawing_use", fuzzing::UseDrawing}}) {
    for (const fs::path& input : InputsFailedOn(t.folder)) {
      SCOPED_TRACE(input.filename().string());
      ScratchProgramDir dir;
      fuzzing::PrepareProgramDir();
      t.run(Bytes(input));
      ++replayed;
    }
  }
  EXPECT_GT(replayed, 0);
  fuzzing::SetFindingHandler(nullptr);
}

}  // namespace
