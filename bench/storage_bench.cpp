// The drawing file is the program's working memory: every edit rewrites the
// live file and every paint reads it three times. These measure writing and
// reading drawings of 1,000 to 100,000 mixed elements against reading the
// same bytes raw into memory.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "model/flist.h"
#include "model/globals.h"
#include "platform/files.h"
#include "storage/record_codec.h"
#include "tests/storage_samples.h"

namespace {

// A program directory of its own for the whole run, holding one drawing of
// the benchmark's size.
class BenchDrawing {
 public:
  explicit BenchDrawing(int elements) {
    std::string dir = std::filesystem::temp_directory_path().string() + "/tw-bench-XXXXXX";
    if (::mkdtemp(dir.data()) == nullptr) throw std::runtime_error("no temp dir");
    root_ = dir;
    std::filesystem::create_directory(root_ + "/DWGS");
    plat::SetProgramDirectory(root_);
    ResetGlobals();
    list_.ProgramDir = "";
    list_.DrawingName = "Bench";
    samples::MixedDrawing(list_, elements, 1234);
    list_.WriteDrawingFile(dtDrawing);
    bytes_ = plat::ReadWholeFile("DWGS\\Bench.KWV").value_or("");
  }
  ~BenchDrawing() {
    list_.Clear();
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }
  TFlist& List() { return list_; }
  const std::string& Bytes() const { return bytes_; }

 private:
  std::string root_;
  TFlist list_;
  std::string bytes_;
};

void Finish(benchmark::State& state, const BenchDrawing& d) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(d.Bytes().size()));
  state.counters["file_kB"] = static_cast<double>(d.Bytes().size()) / 1024.0;
}

void BM_WriteDrawingFile(benchmark::State& state) {
  BenchDrawing d(static_cast<int>(state.range(0)));
  for (auto _ : state) d.List().WriteDrawingFile(dtDrawing);
  Finish(state, d);
}

void BM_FormatDrawing(benchmark::State& state) {
  BenchDrawing d(static_cast<int>(state.range(0)));
  const storage::Placement centre = storage::PageCentre();
  for (auto _ : state) {
    std::string out = storage::FormatList(d.List(), storage::HeaderFromGlobals(0), centre);
    benchmark::DoNotOptimize(out.data());
  }
  Finish(state, d);
}

void BM_ReadDrawingFile(benchmark::State& state) {
  BenchDrawing d(static_cast<int>(state.range(0)));
  TFlist reader;
  reader.ProgramDir = "";
  reader.DrawingName = "Bench";
  for (auto _ : state) {
    reader.ReadDrawingFile(dtDrawing);
    benchmark::DoNotOptimize(reader.Count());
  }
  reader.Clear();
  Finish(state, d);
}

void BM_ParseDrawing(benchmark::State& state) {
  BenchDrawing d(static_cast<int>(state.range(0)));
  TFlist reader;
  const storage::Placement centre = storage::PageCentre();
  for (auto _ : state) {
    reader.Clear();
    storage::ParseInto(d.Bytes(), reader, centre);
    benchmark::DoNotOptimize(reader.Count());
  }
  reader.Clear();
  Finish(state, d);
}

// The floor of any reader: the same bytes from the file into memory.
void BM_RawReadDrawingFile(benchmark::State& state) {
  BenchDrawing d(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    auto bytes = plat::ReadWholeFile("DWGS\\Bench.KWV");
    benchmark::DoNotOptimize(bytes->data());
  }
  Finish(state, d);
}

#define TW_SIZES ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_WriteDrawingFile) TW_SIZES;
BENCHMARK(BM_FormatDrawing) TW_SIZES;
BENCHMARK(BM_ReadDrawingFile) TW_SIZES;
BENCHMARK(BM_ParseDrawing) TW_SIZES;
BENCHMARK(BM_RawReadDrawingFile) TW_SIZES;
#undef TW_SIZES

}  // namespace
