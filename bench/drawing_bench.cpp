// Painting a busy floor: 10,000 elements of the usual kinds drawn through
// TFlist::DrawView into a screen-sized bitmap, against the same primitives
// (the same pixels, pens, brushes and fonts) drawn straight with QPainter.
// A third run draws into a context that renders nothing, to show what the
// element layer costs on its own.
//
// BM_DrawViewVsQPainter times both in every iteration and reports their
// ratio; the aim is a ratio of at most 1.5.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QGuiApplication>
#include <QImage>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "model/elements.h"
#include "model/flist.h"
#include "model/globals.h"
#include "platform/files.h"
#include "platform/qt/qt_dc.h"
#include "platform/recording_dc.h"

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 800;
const plat::Rect kClient{0, 0, kWidth, kHeight};

using bench::Rng;

// The view shows 32 m x 20 m (25 mm per pixel).
constexpr int kSpanX = kWidth * 25;
constexpr int kSpanY = kHeight * 25;
const plat::COLORREF kInk = plat::RGB(0, 0, 0);
const int32 kNoCodes[4] = {};

TObj* RandomElement(Rng& r) {
  const int x = r.Between(500, kSpanX - 3500), y = r.Between(500, kSpanY - 3500);
  const int w = r.Between(200, 3000), h = r.Between(200, 3000);
  const plat::COLORREF fill = plat::RGB(r.Below(256), r.Below(256), r.Below(256));
  const int pick = r.Below(100);
  if (pick < 30) {  // lines of the line tools and the wall code
    return new TLineobj(pick < 15 ? kind::Line : kind::WallLine, view::Ground, 0, 0, x, 0, x + w, 0,
                        y, y + (pick % 3 ? 0 : h), 0, 900, kInk, 1, 0);
  }
  if (pick < 45) {  // internal walls, horizontal or vertical
    const bool across = pick % 2;
    return new TInwallobj(kind::InWall, view::Ground, 1, 0, 1, x, 0, y, across ? x + w : x, 0,
                          across ? y : y + h, across ? x : x + 100, 0, across ? y - 100 : y,
                          across ? x + w : x + 100, across ? y - 100 : y + h, 0, 0, 0, 100, 3, 0, 0,
                          0, -1, -1, across ? 900 : 0, 0, 0, kInk, kNoCodes);
  }
  if (pick < 50) {  // external walls
    return new TExtwallobj(kind::ExtWall, view::Ground, 1, 0, 1, x, 0, y, x + w, 0, y, x + 250,
                           y + 250, x + w - 250, y + 250, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 250, 0,
                           0, 3, 3, 0, 0, 900, 0, 0, 0, kInk, kNoCodes);
  }
  if (pick < 65) {  // texts: room names, wall lengths
    static const char* const names[] = {"LIVING", "BED 2", "3600", "KITCHEN", "WC", "11' 6''"};
    return new TTextobj(pick < 58 ? kind::Text : kind::WallLengthText, view::Ground, 0, 0, x, y, 0,
                        0, 0, kInk, 0, pick % 4 ? 0 : 900, 6, 0, r.Between(6, 12), 400, "Arial",
                        names[r.Below(6)]);
  }
  if (pick < 75) {  // symbols and opening frames
    int32 xs[19] = {x, x + w, x + w, x + w / 2, x}, ys[19] = {y, y, y + h, y + h + 300, y + h},
          zs[19] = {};
    const int32 hidden[4] = {2, 0, 0, 0};
    const int32 k = pick < 68 ? kind::OpeningFrame : pick < 72 ? 6000 : 6600;
    return new TPolyobj(k, view::Ground, 0, 0, 0, 0, 0, 0, 5, 0, 0, 0, fill, 0, kInk, 0, 0, 0, xs,
                        zs, ys, hidden);
  }
  if (pick < 80) {
    return new TEllipseobj(kind::Ellipse, view::Ground, 0, 0, x, 0, x + w, 0, y + h, y, fill, kInk,
                           1, 0);
  }
  if (pick < 83) {
    return new TRndrectobj(kind::RoundRect, view::Ground, 0, 0, x, 0, x + w, 0, y + h, y, 200, fill,
                           kInk, 1, 0);
  }
  if (pick < 90) {  // door swings
    return new TArcobj(kind::Arc, view::Ground, 0, 0, x - w, 0, y + w, x + w, 0, y - w, x + w, y, x,
                       y + w, kInk, 1, 0);
  }
  if (pick < 95) {
    return new TDimensobj(kind::Dimension, view::Ground, 0, 0, x, y, x + w / 2 - 200, y, x + w, y,
                          x + w / 2 + 200, y, 900, 1, kInk);
  }
  return new TArrowobj(kind::Arrow, view::Ground, 0, 0, x, y, x + w, y, x + 300, y + 150, x + 300,
                       y - 150, x + w, y - 200, x + w, y + 200, kInk);
}

// A program directory and a 10,000-element ground floor in DrawingList.
class BenchFloor {
 public:
  explicit BenchFloor(int elements, int32 wallMode) {
    bench::EnsureApplication();
    std::string dir = std::filesystem::temp_directory_path().string() + "/tw-drawbench-XXXXXX";
    if (::mkdtemp(dir.data()) == nullptr) throw std::runtime_error("no temp dir");
    root_ = dir;
    plat::SetProgramDirectory(root_);
    ResetGlobals();
    PixelScale = 5;
    ZoomFactor = 5.0f;
    ZoomUnits = 5;
    WindowExtX = kWidth * 5;
    WindowExtY = kHeight * 5;
    CurrentView = view::Ground;
    WallDisplayMode = wallMode;
    DrawingList.Clear();
    DrawingList.SetTextFontName("Arial");
    Rng rng(20240611);
    for (int i = 0; i < elements; ++i) DrawingList.Add(RandomElement(rng));
    image_ = QImage(kWidth, kHeight, QImage::Format_RGB32);
  }
  ~BenchFloor() {
    DrawingList.Clear();
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }
  QImage& Image() { return image_; }

 private:
  std::string root_;
  QImage image_;
};

void PaintView(QImage& image) {
  image.fill(Qt::white);
  plat::QtDC dc(&image);
  DrawingList.DrawView(dc, kClient);
}

// What DrawView asks of the device, in device pixels, recorded once.
std::vector<plat::DcRecord> RecordPrimitives() {
  plat::RecordingDC dc(plat::Size{kWidth, kHeight});
  DrawingList.DrawView(dc, kClient);
  return dc.Records();
}

// ---- Benchmarks ----------------------------------------------------------------------------

void BM_DrawView(benchmark::State& state) {
  BenchFloor floor(int(state.range(0)), int32(state.range(1)));
  for (auto _ : state) PaintView(floor.Image());
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DrawView)->Args({10000, 0})->Args({10000, 10})->Unit(benchmark::kMillisecond);

void BM_BareQPainter(benchmark::State& state) {
  BenchFloor floor(int(state.range(0)), int32(state.range(1)));
  const auto records = RecordPrimitives();
  for (auto _ : state) bench::PaintBare(floor.Image(), records);
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.counters["primitives"] = double(records.size());
}
BENCHMARK(BM_BareQPainter)->Args({10000, 0})->Args({10000, 10})->Unit(benchmark::kMillisecond);

void BM_ElementLayerOnly(benchmark::State& state) {
  BenchFloor floor(int(state.range(0)), int32(state.range(1)));
  bench::NullDC dc;
  for (auto _ : state) DrawingList.DrawView(dc, kClient);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ElementLayerOnly)->Args({10000, 0})->Args({10000, 10})->Unit(benchmark::kMillisecond);

void BM_DrawViewVsQPainter(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  BenchFloor floor(int(state.range(0)), int32(state.range(1)));
  const auto records = RecordPrimitives();
  double ours = 0, bare = 0;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    PaintView(floor.Image());
    const auto t1 = Clock::now();
    bench::PaintBare(floor.Image(), records);
    const auto t2 = Clock::now();
    ours += std::chrono::duration<double, std::milli>(t1 - t0).count();
    bare += std::chrono::duration<double, std::milli>(t2 - t1).count();
  }
  const double n = double(state.iterations());
  state.counters["ours_ms"] = ours / n;
  state.counters["qpainter_ms"] = bare / n;
  state.counters["ratio"] = bare > 0 ? ours / bare : 0;
}
BENCHMARK(BM_DrawViewVsQPainter)
    ->Args({10000, 0})
    ->Args({10000, 10})
    ->Unit(benchmark::kMillisecond);

}  // namespace
