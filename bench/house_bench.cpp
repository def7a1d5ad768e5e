// Whole commands on a house with many elements (bench/house.h), each timed
// against a bare reference in the same iteration; the machines are shared,
// so only the ratio of the two is comparable from run to run. The time
// reported is the command's; the counters give both times, their ratio and
// how many files the command wrote:
//
//   BM_FinishRoomsVsSave       finishing 50 design rooms into walls
//                              / one save of the drawing (File > Save)
//   BM_OpenVsReadAndPaint      opening the drawing and its first paint
//                              / reading its bytes + QPainter drawing what
//                              the paint draws
//   BM_RepaintVsQPainter       a full paint of the window / QPainter drawing
//                              what it draws
//   BM_PrintVsSave             printing the ground floor at 1:50 (a printer
//                              that renders nothing) / one save
//   BM_PngExportVsLibpng       File > PNG of the window / libpng writing the
//                              same pixels the same way
//   BM_BuildWallsOnBusyFloor   walls round a 400-corner outline on the busy
//                              floor / the same outline on an empty floor +
//                              the write and read of the busy drawing that
//                              the command does anyway
//
// Run one: build/bench/tw_bench --benchmark_filter=BM_RepaintVsQPainter
// --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <QImage>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "bench/house.h"
#include "building/extwall_tool.h"
#include "building/wall_geometry.h"
#include "model/flist.h"
#include "model/globals.h"
#include "platform/dib.h"
#include "platform/files.h"
#include "tests/traced_outline.h"
#include "platform/ui.h"
#include "storage/settings_files.h"

namespace {

using bench::Clock;
using bench::FileCount;
using bench::House;
using bench::MsSince;

constexpr const char* kLive = "DWGS\\HOUSE.KWV";
constexpr const char* kBackup = "DWGS\\HOUSE.BAK";
constexpr const char* kSavedCopy = "CFG\\tmp.cfg";

// Both times, their ratio and the elements of the drawing.
struct Timing {
  double ours = 0, reference = 0;
  int iterations = 0;
  void Add(benchmark::State& state, double oursMs, double referenceMs) {
    ours += oursMs;
    reference += referenceMs;
    ++iterations;
    state.SetIterationTime(oursMs / 1000.0);
  }
  void Report(benchmark::State& state, const char* referenceName) const {
    const double n = iterations > 0 ? iterations : 1;
    state.counters["ours_ms"] = ours / n;
    state.counters[referenceName] = reference / n;
    state.counters["ratio"] = reference > 0 ? ours / reference : 0;
    state.counters["elements"] = DrawingList.Count();
  }
};

bool Healthy(benchmark::State& state, const House& house) {
  const std::string problems = house.Problems();
  if (problems.empty()) return true;
  state.SkipWithError(problems.c_str());
  return false;
}

// A save that really writes: a file that already holds what a command would
// write is left alone, so the reference save first loses its two files, as
// after an edit neither would hold the drawing.
void SaveForReal(House& house) {
  plat::DeleteFile(ProgramFile(kLive));
  plat::DeleteFile(ProgramFile(kSavedCopy));
  house.Form().CmSaveExecute();
}

// The live file as it was when the check began, read into the list again.
void Restore(const std::string& bytes) {
  plat::WriteFileAtomic(ProgramFile(kLive), bytes);
  DrawingList.Clear();
  DrawingList.ReadDrawingFile(dtDrawing);
}

int Count(int32 k) {
  int n = 0;
  for (int32 i = 6; i < DrawingList.Count(); ++i) n += DrawingList.At(i)->Kind == k;
  return n;
}

void BM_FinishRoomsVsSave(benchmark::State& state) {
  House house(int(state.range(0)), House::Rooms::Unfinished);
  const std::string unfinished = plat::ReadWholeFile(ProgramFile(kLive)).value_or("");
  Timing t;
  int drawingWrites = 0, writes = 0;
  for (auto _ : state) {
    Restore(unfinished);
    FileCount count(unfinished.size());
    const auto t0 = Clock::now();
    house.Form().CmFinishRoomsExecute();
    const double ours = MsSince(t0);
    drawingWrites = count.drawingWrites;
    writes = count.writes;
    if (Count(kind::LockedRoom) != House::kRooms) state.SkipWithError("rooms not finished");
    const auto t1 = Clock::now();
    SaveForReal(house);
    t.Add(state, ours, MsSince(t1));
  }
  if (!Healthy(state, house)) return;
  t.Report(state, "save_ms");
  state.counters["drawing_writes"] = drawingWrites;
  state.counters["synced_writes"] = writes;
}
BENCHMARK(BM_FinishRoomsVsSave)
    ->Arg(100000)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_OpenVsReadAndPaint(benchmark::State& state) {
  House house(int(state.range(0)));
  const std::size_t bytes = house.LiveBytes();
  QImage image(bench::kWindowWidth, bench::kWindowHeight, QImage::Format_RGB32);
  std::vector<plat::DcRecord> records;
  Timing t;
  int writes = 0, drawingWrites = 0;
  for (auto _ : state) {
    house.Restart();
    FileCount count(bytes);
    const auto t0 = Clock::now();
    const bool opened = house.Form().OpenNamedDrawing(House::kName);
    if (opened) house.Window().UpdateWindow();
    const double ours = MsSince(t0);
    writes = count.writes;
    drawingWrites = count.drawingWrites;
    if (!opened) state.SkipWithError("not opened");
    if (records.empty()) records = house.RecordPaint();
    const auto t1 = Clock::now();
    const auto raw = plat::ReadWholeFile(ProgramFile(kLive));
    bench::PaintBare(image, records);
    benchmark::DoNotOptimize(raw->data());
    t.Add(state, ours, MsSince(t1));
  }
  if (!Healthy(state, house)) return;
  t.Report(state, "read_paint_ms");
  state.counters["synced_writes"] = writes;
  state.counters["drawing_writes"] = drawingWrites;
}
BENCHMARK(BM_OpenVsReadAndPaint)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_RepaintVsQPainter(benchmark::State& state) {
  House house(int(state.range(0)));
  const std::vector<plat::DcRecord> records = house.RecordPaint();
  QImage image(bench::kWindowWidth, bench::kWindowHeight, QImage::Format_RGB32);
  Timing t;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    house.Repaint();
    const double ours = MsSince(t0);
    const auto t1 = Clock::now();
    bench::PaintBare(image, records);
    t.Add(state, ours, MsSince(t1));
  }
  if (!Healthy(state, house)) return;
  t.Report(state, "qpainter_ms");
  state.counters["primitives"] = double(records.size());
  state.counters["file_MB"] = house.LiveBytes() / 1e6;
}
BENCHMARK(BM_RepaintVsQPainter)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_PrintVsSave(benchmark::State& state) {
  House house(int(state.range(0)));
  const std::size_t bytes = house.LiveBytes();
  Timing t;
  int writes = 0, drawingWrites = 0, drawingReads = 0;
  for (auto _ : state) {
    house.print.Answer([](dlg::TTFPlanprintdlg& d) { d.scale = 50; });
    const int documents = house.printer.documents;
    // A backup from before the last edits, which the print must replace.
    plat::DeleteFile(ProgramFile(kBackup));
    FileCount count(bytes);
    const auto t0 = Clock::now();
    house.Form().CmPrintExecute();
    const double ours = MsSince(t0);
    writes = count.writes;
    drawingWrites = count.drawingWrites;
    drawingReads = count.drawingReads;
    if (house.printer.documents != documents + 1) state.SkipWithError("nothing printed");
    const auto t1 = Clock::now();
    SaveForReal(house);
    t.Add(state, ours, MsSince(t1));
  }
  if (!Healthy(state, house)) return;
  t.Report(state, "save_ms");
  state.counters["synced_writes"] = writes;
  state.counters["drawing_writes"] = drawingWrites;
  state.counters["drawing_reads"] = drawingReads;
}
BENCHMARK(BM_PrintVsSave)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_PngExportVsLibpng(benchmark::State& state) {
  House house(int(state.range(0)));
  const std::string picture = house.Path("EXPORT\\BENCH.PNG");
  const std::string bare = house.Path("EXPORT\\BARE.PNG");
  Timing t;
  for (auto _ : state) {
    std::remove(picture.c_str());
    house.saveScreen.Answer([](dlg::Tsavescreen& d) { d.Edit1 = "BENCH"; });
    house.Ui()
        .ExpectMessageDlg(plat::MsgType::Information, plat::mbOK, plat::mrOk)
        .Containing("saved in EXPORT");
    const auto t0 = Clock::now();
    house.Form().CmPngExecute();
    const double ours = MsSince(t0);
    plat::Dib pixels;
    if (!house.Window().CaptureClient(pixels)) state.SkipWithError("no pixels");
    const auto t1 = Clock::now();
    std::vector<const unsigned char*> rows(bench::kWindowHeight);
    for (int y = 0; y < bench::kWindowHeight; ++y)
      rows[y] = pixels.bits.data() + std::size_t(y) * bench::kWindowWidth * 4;
    if (!bench::WriteBarePng(rows, bench::kWindowWidth, bare)) state.SkipWithError("libpng failed");
    t.Add(state, ours, MsSince(t1));
  }
  if (!Healthy(state, house)) return;
  t.Report(state, "libpng_ms");
}
BENCHMARK(BM_PngExportVsLibpng)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// 400 corners: a fence of 99 bays round the house, on the ground floor.
void AddFenceOutline() {
  const int bays[4] = {20, 30, 19, 30};
  TraceOutline(bench::BayedOutline({2000, 28500, 38000, 1500}, bays, 400, 300));
}

void BM_BuildWallsOnBusyFloor(benchmark::State& state) {
  House house(int(state.range(0)));
  const std::string busy = plat::ReadWholeFile(ProgramFile(kLive)).value_or("");
  const int before = Count(kind::ExtWall);
  Timing t;
  for (auto _ : state) {
    Restore(busy);
    AddFenceOutline();
    TExtwallobjtool onBusy;
    const auto t0 = Clock::now();
    onBusy.Command(extwallcmd::BuildFromOutline);
    const double ours = MsSince(t0);
    if (Count(kind::ExtWall) != before + 400) state.SkipWithError("walls not built");
    // What the command costs on the busy floor anyway: writing the drawing
    // and reading it back.
    const auto t1 = Clock::now();
    DrawingList.WriteDrawingFile(dtDrawing);
    DrawingList.Clear();
    DrawingList.ReadDrawingFile(dtDrawing);
    double reference = MsSince(t1);
    InitDrawingList();
    AddFenceOutline();
    TExtwallobjtool onEmpty;
    const auto t2 = Clock::now();
    onEmpty.Command(extwallcmd::BuildFromOutline);
    reference += MsSince(t2);
    t.Add(state, ours, reference);
  }
  Restore(busy);
  CurrentView = view::Ground;
  if (!Healthy(state, house)) return;
  t.Report(state, "empty_floor_plus_io_ms");
}
BENCHMARK(BM_BuildWallsOnBusyFloor)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
