// External walls of a 100-corner outline (a staircase of 49 steps, each
// corner a mitre): building them from the traced outline (fitting, corners,
// joins, saving and reading back), and one full paint of the floor with the
// walls hatched into a 1280 x 800 back buffer, with the ratio of that paint
// to painting as many plain lines. The aim: both well inside one frame
// (16 ms).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QGuiApplication>
#include <QImage>
#include <chrono>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "building/extwall_tool.h"
#include "model/elements.h"
#include "model/flist.h"
#include "model/globals.h"
#include "planwindow/childwin.h"
#include "platform/files.h"
#include "platform/qt/qt_dc.h"
#include "platform/window.h"
#include "storage/settings_files.h"

namespace {

constexpr int kSteps = 49;  // 98 corners on the staircase, two more close it

std::vector<plat::Point> Corners() {
  std::vector<plat::Point> c{{2000, 2000}};
  for (int i = 0; i < kSteps; ++i) {
    c.push_back({c.back().x, c.back().y + 300});
    c.push_back({c.back().x + 400, c.back().y});
  }
  c.push_back({c.back().x, 2000});
  return c;  // 100 corners, clockwise
}

void AddOutline() {
  const auto c = Corners();
  for (std::size_t k = 0; k < c.size(); ++k) {
    const plat::Point a = c[k], b = c[(k + 1) % c.size()];
    DrawingList.Add(new TLineobj(kind::WallLine, view::LayoutMarkingWalls, 0,
                                 bearing::Length(a, b), a.x, 0, b.x, 0, a.y, b.y, 0,
                                 bearing::Of(a, b), 0, 1, 0));
  }
}

void AddPlainLines() {
  const auto c = Corners();
  for (std::size_t k = 0; k < c.size(); ++k) {
    const plat::Point a = c[k], b = c[(k + 1) % c.size()];
    DrawingList.Add(new TLineobj(kind::Line, view::Ground, 0, 0, a.x, 0, b.x, 0, a.y, b.y, 0,
                                 bearing::Of(a, b), 0, 1, 0));
  }
}

// The plan window on an empty floor, with the construction file.
class Floor : public bench::PlanBench {
 public:
  Floor() {
    plat::WriteFileAtomic(ProgramFile(cfgfile::ExtWall.metric),
                          "110 55 110 0 3000 6000 9000 -3000 0 0 0 0 0 0\n");
    DrawingList.WriteDrawingFile(dtDrawing);
    Open();
  }
  void BuildWalls() {
    InitDrawingList();
    AddOutline();
    CurrentView = view::LayoutMarkingWalls;
    TExtwallobjtool tool;
    tool.Command(extwallcmd::BuildFromOutline);
  }
  void SavePlainLines() {
    InitDrawingList();
    AddPlainLines();
    DrawingList.WriteDrawingFile(dtDrawing);
    CurrentView = view::Ground;
  }
  // Mean milliseconds of n paints.
  double TimePaints(int n) {
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < n; ++i) Paint();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count() /
           n;
  }
};

void BM_BuildWallsOfAHundredCornerOutline(benchmark::State& state) {
  Floor floor;
  for (auto _ : state) {
    floor.BuildWalls();
    benchmark::DoNotOptimize(DrawingList.Count());
  }
  state.counters["walls"] = DrawingList.Count() - 6;
}
BENCHMARK(BM_BuildWallsOfAHundredCornerOutline)->Unit(benchmark::kMillisecond);

// One full paint of the hundred hatched cavity walls; the counter gives its
// time over that of painting a hundred plain lines the same way.
void BM_PaintHundredHatchedWalls(benchmark::State& state) {
  Floor floor;
  floor.SavePlainLines();
  WallDisplayMode = 10;
  const double plain = floor.TimePaints(50);
  floor.BuildWalls();
  CurrentView = view::Ground;
  double total = 0;
  int n = 0;
  for (auto _ : state) {
    const auto t0 = std::chrono::steady_clock::now();
    floor.Paint();
    total += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    ++n;
  }
  state.counters["plain_lines_ms"] = plain;
  state.counters["ratio_to_plain_lines"] = n > 0 && plain > 0 ? total / n / plain : 0;
}
BENCHMARK(BM_PaintHundredHatchedWalls)->Unit(benchmark::kMillisecond);

}  // namespace
