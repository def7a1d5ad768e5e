// One full paint of a drawing window: the floor plan is read from the live
// drawing file three times (shapes, structure, the whole drawing) and drawn
// twice through TFlist::DrawView into a 1280 x 800 back buffer, exactly as
// the window's paint handler does. The floor holds 10,000 elements of
// everyday sizes (0.2 m to 1.2 m; a tenth of them texts); the aim is a paint
// in under 16 ms.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QGuiApplication>
#include <QImage>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "bench/bench_support.h"
#include "model/elements.h"
#include "model/flist.h"
#include "model/globals.h"
#include "planwindow/childwin.h"
#include "platform/files.h"
#include "platform/qt/qt_dc.h"
#include "platform/window.h"
#include "storage/settings_files.h"

namespace {

constexpr int kWidth = bench::kWindowWidth;
constexpr int kHeight = bench::kWindowHeight;
constexpr int kElements = 10000;
const plat::COLORREF kInk = plat::RGB(0, 0, 0);
const int32 kNoCodes[4] = {};

using bench::Rng;

// Elements spread over the 32 m x 20 m the window shows at normal zoom.
TObj* Element(Rng& r, int i) {
  const int x = r.Between(5000, 33000), y = r.Between(3000, 19000);
  const int w = r.Between(200, 1200), h = r.Between(200, 1200);
  switch (i % 10) {
    case 0:
      return new TExtwallobj(kind::ExtWall, view::Ground, 1, 0, 1, x, 0, y, x + w, 0, y, x + 250,
                             y + 250, x + w - 250, y + 250, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 250, 0,
                             0, 0, 0, 0, 0, 900, 0, 0, 0, kInk, kNoCodes);
    case 1:
      return new TInwallobj(kind::InWall, view::Ground, 1, 0, 1, x, 0, y, x, 0, y + h, x + 100, 0,
                            y, x + 100, y + h, 0, 0, 0, 100, 0, 0, 0, 0, -1, -1, 0, 0, 0, kInk,
                            kNoCodes);
    case 2:
    case 3:
    case 4:
      return new TLineobj(kind::Line, view::Ground, 0, 0, x, 0, x + w, 0, y, y + h / 3, 0, 900,
                          kInk, 1, 0);
    case 5:
      return new TTextobj(kind::Text, view::Ground, 0, 0, x, y, 0, 0, 0, kInk, 0, 0, 6, 0, 8, 400,
                          "Arial", "BED 2");
    case 6:
      return new TEllipseobj(kind::Ellipse, view::Ground, 0, 0, x, 0, x + w, 0, y + h, y,
                             plat::RGB(200, 220, 240), kInk, 1, 0);
    case 7:
      return new TArcobj(kind::Arc, view::Ground, 0, 0, x - w, 0, y + w, x + w, 0, y - w, x + w, y,
                         x, y + w, kInk, 1, 0);
    case 8: {
      int32 xs[19] = {x, x + w, x + w, x}, ys[19] = {y, y, y + h, y + h}, zs[19] = {};
      const int32 hidden[4] = {};
      return new TPolyobj(kind::OpeningFrame, view::Ground, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0, 0,
                          kInk, 0, 0, 0, xs, zs, ys, hidden);
    }
    default:
      return new TDimensobj(kind::Dimension, view::Ground, 0, 0, x, y, x + w / 2 - 200, y, x + w,
                            y, x + w / 2 + 200, y, 900, 1, kInk);
  }
}

// The plan window on the floor in its live drawing file.
class PaintFloor : public bench::PlanBench {
 public:
  PaintFloor() {
    Rng rng(7);
    for (int i = 0; i < kElements; ++i) DrawingList.Add(Element(rng, i));
    DrawingList.WriteDrawingFile(dtDrawing);
    Open();
  }
};

void BM_FullPaintOfATenThousandElementFloor(benchmark::State& state) {
  PaintFloor floor;
  for (auto _ : state) {
    floor.Paint();
    benchmark::DoNotOptimize(DrawingList.Count());
  }
  state.counters["elements"] = DrawingList.Count();
}
BENCHMARK(BM_FullPaintOfATenThousandElementFloor)->Unit(benchmark::kMillisecond);

// The two halves of the paint, to show where its time goes: the three reads
// of the file (with the list emptied before each), and drawing the whole
// floor once into the bitmap.
void BM_PaintFileReadsOnly(benchmark::State& state) {
  PaintFloor floor;
  for (auto _ : state) {
    DrawingList.Clear();
    DrawingList.ReadDrawingShapes(dtDrawing);
    DrawingList.Clear();
    DrawingList.ReadDrawingStructure(dtDrawing);
    DrawingList.Clear();
    DrawingList.ReadDrawingFile(dtDrawing);
  }
}
BENCHMARK(BM_PaintFileReadsOnly)->Unit(benchmark::kMillisecond);

void BM_PaintDrawsOnly(benchmark::State& state) {
  PaintFloor floor;
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  for (auto _ : state) {
    image.fill(Qt::white);
    plat::QtDC dc(&image);
    DrawingList.DrawView(dc, {0, 0, kWidth, kHeight});
  }
}
BENCHMARK(BM_PaintDrawsOnly)->Unit(benchmark::kMillisecond);

}  // namespace
