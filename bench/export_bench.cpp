// Exporting a 1920 x 1080 drawing window as a PNG: the window's pixels taken
// as a bitmap and written through the export's PNG writer (interlaced, as
// the export writes), against bare libpng writing the same pixels with the
// same settings straight from the window's buffer. The aim is within 1.5
// times the bare write.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "bench/bench_support.h"
#include "planwindow/png_writer.h"
#include "platform/dib.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// A window's picture as a plan looks: white, with walls, rooms, dimension
// lines and texts in a few colours.
const QImage& Window() {
  static const QImage image = [] {
    bench::EnsureApplication();
    QImage im(kWidth, kHeight, QImage::Format_RGB32);
    im.fill(Qt::white);
    QPainter p(&im);
    bench::Rng rng(7);
    for (int i = 0; i < 600; ++i) {
      p.setPen(QPen(i % 7 == 0 ? Qt::blue : Qt::black, 1 + rng.Below(3)));
      const int x = rng.Below(kWidth), y = rng.Below(kHeight);
      if (i % 2)
        p.drawLine(x, y, x + rng.Below(400), y);
      else
        p.drawLine(x, y, x, y + rng.Below(300));
    }
    for (int i = 0; i < 150; ++i)
      p.drawText(rng.Below(kWidth), rng.Below(kHeight), "BEDROOM 3600 x 3000");
    return im;
  }();
  return image;
}

// The picture goes into a folder of the run's own, removed when the run
// ends: runs side by side never write one file, and nothing planted in the
// shared temporary folder is written through.
const std::string& OutPath() {
  static const std::string path = [] {
    static std::string dir =
        std::filesystem::temp_directory_path().string() + "/tw-export-XXXXXX";
    if (::mkdtemp(dir.data()) == nullptr) throw std::runtime_error("no temp dir");
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(dir, ec);
    });
    return dir + "/window.png";
  }();
  return path;
}

void BM_ExportPng(benchmark::State& state) {
  const QImage& window = Window();
  for (auto _ : state) {
    // The window's pixels as a bitmap, as the back buffer gives them.
    plat::Dib dib = plat::MakeTopDownDib32(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y)
      std::memcpy(dib.bits.data() + std::size_t(y) * kWidth * 4, window.constScanLine(y),
                  std::size_t(kWidth) * 4);
    DibPngRequest r;
    r.flags = pngflag::Interlaced;
    r.fileName = OutPath().c_str();
    r.dibHeader = dib.info.data();
    r.dibSize = std::uint32_t(dib.info.size());
    r.bits = dib.bits.data();
    r.bitsSize = std::uint32_t(dib.bits.size());
    if (WritePngFromDib(&r) != pngresult::Written) state.SkipWithError("write failed");
  }
}
BENCHMARK(BM_ExportPng)->Unit(benchmark::kMillisecond);

// libpng alone: the buffer's rows (blue, green, red, unused) handed over as
// they are, with the filler byte stripped by libpng.
void BM_BareLibpng(benchmark::State& state) {
  const QImage& window = Window();
  std::vector<const unsigned char*> rows(kHeight);
  for (int y = 0; y < kHeight; ++y) rows[y] = window.constScanLine(y);
  for (auto _ : state) {
    if (!bench::WriteBarePng(rows, kWidth, OutPath())) {
      state.SkipWithError("libpng failed");
      break;
    }
  }
}
BENCHMARK(BM_BareLibpng)->Unit(benchmark::kMillisecond);

}  // namespace
