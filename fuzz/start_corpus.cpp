// Writes the starting corpus of the drawing reader fuzz target: drawings of
// every kind made by the program's own writer, small and large, with Unix
// and with CR LF line ends, and a few short damaged ones.
//
//   drawing_start_corpus <folder>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

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

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
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
