// Moving and turning a framed selection of 10,000 elements: each reads the
// hand-over list, changes every listed element and rewrites the live
// drawing. Both are timed against a plain read of the same drawing in every
// iteration, and the ratio reported; the aim is a few times the read at most.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "model/flist.h"
#include "model/globals.h"
#include "platform/files.h"
#include "platform/recording_dc.h"
#include "tools/moveobjtool.h"

namespace {

constexpr plat::Rect kClient{0, 0, 1280, 800};

// A floor of lines, circles, texts and symbols, all inside one frame.
class FramedFloor {
 public:
  explicit FramedFloor(int elements) {
    std::string dir = std::filesystem::temp_directory_path().string() + "/tw-frame-XXXXXX";
    if (::mkdtemp(dir.data()) == nullptr) throw std::runtime_error("no temp dir");
    root_ = dir;
    for (const char* sub : {"/DWGS", "/CFG", "/ACT", "/LIBS"})
      std::filesystem::create_directory(root_ + sub);
    plat::SetProgramDirectory(root_);
    ResetGlobals();
    MetricUnits = 1;
    PixelScale = 5;
    CurrentView = view::Ground;
    DrawingList.ProgramDir = "";
    DrawingList.DrawingName = "Frame";
    InitDrawingList();
    const int32 xs[4] = {0, 300, 300, 0}, ys[4] = {0, 0, 200, 200}, zs[4] = {};
    const int32 hidden[4] = {-1, -1, -1, -1};
    for (int i = 0; i < elements; ++i) {
      const int32 x = 10000 + (i * 37) % 15000, y = 8000 + (i * 53) % 12000;
      switch (i % 4) {
        case 0:
          DrawingList.Add(new TLineobj(kind::Line, view::Ground, 0, 0, x, 0, x + 400, 0, y, y + 300,
                                       0, 900, 0, 1, 0));
          break;
        case 1:
          DrawingList.Add(new TCircleobj(kind::Circle, view::Ground, 0, 0, x, 0, x + 200, 0, y,
                                         y + 200, 0xFFFFFF, 0, 1, 0));
          break;
        case 2:
          DrawingList.Add(new TTextobj(kind::Text, view::Ground, 0, 0, x, y, 0, 0, 0, 0, 4, 0, 0, 5,
                                       10, 400, "Arial", "Hall"));
          break;
        default: {
          int32 px[4], py[4];
          for (int k = 0; k < 4; ++k) px[k] = x + xs[k], py[k] = y + ys[k];
          DrawingList.Add(new TPolyobj(6101, view::Ground, 5, 5, 900, 0, 0, 0, 4, 0, 0, 0,
                                       0xFFFFFF, 0, 0, 0, 0, 0, px, zs, py, hidden));
        }
      }
    }
    DrawingList.WriteDrawingFile(dtDrawing);
    // The frame around all of them.
    tool_.AnchorX = 5000;
    tool_.AnchorY = 5000;
    tool_.PivotX = 30000;
    tool_.PivotY = 25000;
    tool_.TakeFramedElements(0, 0);
  }
  ~FramedFloor() {
    DrawingList.Clear();
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }
  TMoveobjtool& Tool() { return tool_; }
  plat::RecordingDC& DC() { return dc_; }

 private:
  std::string root_;
  TMoveobjtool tool_;
  plat::RecordingDC dc_{{1280, 800}};
};

using Clock = std::chrono::steady_clock;

template <class Edit>
void AgainstARead(benchmark::State& state, FramedFloor& floor, Edit edit) {
  TFlist reader;
  reader.ProgramDir = "";
  reader.DrawingName = "Frame";
  double ours = 0, read = 0;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    edit();
    const auto t1 = Clock::now();
    reader.ReadDrawingFile(dtDrawing);
    const auto t2 = Clock::now();
    benchmark::DoNotOptimize(reader.Count());
    ours += std::chrono::duration<double, std::milli>(t1 - t0).count();
    read += std::chrono::duration<double, std::milli>(t2 - t1).count();
  }
  reader.Clear();
  const double n = double(state.iterations());
  state.counters["edit_ms"] = ours / n;
  state.counters["read_ms"] = read / n;
  state.counters["ratio"] = read > 0 ? ours / read : 0;
  state.counters["listed"] = floor.Tool().TakenCount;
}

void BM_MoveFrameVsRead(benchmark::State& state) {
  FramedFloor floor(static_cast<int>(state.range(0)));
  int step = 0;
  AgainstARead(state, floor, [&] {
    // A click one way, then back.
    const int32 x = (step++ % 2) ? 600 : 610;
    floor.Tool().MoveSelectionTo(floor.DC(), kClient, x, 400);
  });
}

void BM_TurnFrameVsRead(benchmark::State& state) {
  FramedFloor floor(static_cast<int>(state.range(0)));
  AgainstARead(state, floor, [&] {
    floor.Tool().Angle = 5;
    floor.Tool().RotateSelection(floor.DC(), kClient, 0, 0);
  });
}

BENCHMARK(BM_MoveFrameVsRead)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TurnFrameVsRead)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
