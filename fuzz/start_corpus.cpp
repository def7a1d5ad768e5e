// Writes the starting corpus of the drawing fuzz targets: drawings of every
// kind made by the program's own writer, small and large, with Unix and with
// CR LF line ends, and a few short damaged ones; or, for the settings
// target, each settings file as shipped behind the byte that chooses it.
//
//   drawing_start_corpus <folder>
//   drawing_start_corpus --settings <folder>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz/fuzz_program.h"
#include "model/flist.h"
#include "model/globals.h"
#include "storage/record_codec.h"
#include "tests/storage_samples.h"

namespace {

void Save(const std::filesystem::path& dir, const std::string& name, const std::string& bytes) {
  std::ofstream out(dir / name, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string WithCrLf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

std::string Drawing(int elements, unsigned run) {
  TFlist list;
  samples::MixedDrawing(list, elements, run);
  return storage::FormatList(list, storage::HeaderFromGlobals(0), storage::PageCentre());
}

// One element of each kind with a record, each in a file of its own.
void OnePerKind(const std::filesystem::path& dir) {
  samples::Rng rng(7);
  for (int32 k : samples::KindsWithRecords()) {
    TFlist list;
    list.Add(samples::RandomElement(k, rng));
    Save(dir, "kind-" + std::to_string(k),
         storage::FormatList(list, storage::HeaderFromGlobals(0), storage::PageCentre()));
  }
}

}  // namespace

// Each settings file the settings target chooses, as shipped (empty where
// the program makes it itself).
void SettingsFiles(const std::filesystem::path& dir) {
  for (int i = 0; i < fuzzing::SettingsFileCount(); ++i) {
    const std::string file = fuzzing::SettingsFileFor(static_cast<unsigned char>(i));
    const std::filesystem::path shipped =
        std::filesystem::path(TW_SOURCE_DIR) / "data" / "CFG" / file.substr(file.find('\\') + 1);
    std::ifstream in(shipped, std::ios::binary);
    std::string bytes(1, static_cast<char>(i));
    bytes.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    Save(dir, "settings-" + std::to_string(i), bytes);
  }
}

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--settings") {
    std::filesystem::create_directories(argv[2]);
    SettingsFiles(argv[2]);
    return 0;
  }
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s [--settings] <folder>\n", argv[0]);
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  std::filesystem::create_directories(dir);
  ResetGlobals();

  OnePerKind(dir);
  for (int n : {0, 1, 3, 10, 40}) {
    const std::string d = Drawing(n, static_cast<unsigned>(n) + 1);
    Save(dir, "drawing-" + std::to_string(n), d);
    Save(dir, "drawing-crlf-" + std::to_string(n), WithCrLf(d));
  }
  const std::string d = Drawing(5, 99);
  Save(dir, "truncated", d.substr(0, d.size() / 2));
  Save(dir, "header-only", "0 0 0 0 1 0\n");
  Save(dir, "huge-count", "2147483647 0 0 0 1 0\n6\n6 120 0 0 0 0 0 0 0 0 0 0 1 0\n");
  Save(dir, "huge-points",
       "1 0 0 0 1 0\n1000\n1000 120 0 0 0 0 0 0 1000000000 0 0 0 0 0 0 0 0 0\n1 2 3\n");
  Save(dir, "long-text",
       "1 0 0 0 1 0\n4\n4 120 0 0 0 0 0 0 0 0 300 0 1 5 10 400 Arial" + std::string(300, 'x') +
           "\n");
  return 0;
}
