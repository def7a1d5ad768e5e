// Exporting a 1920 x 1080 drawing window as a PNG: the window's pixels taken
// as a bitmap and written through the export's PNG writer (interlaced, as
// the export writes), against bare libpng writing the same pixels with the
// same settings straight from the window's buffer. The aim is within 1.5
// times the bare write.
#include <benchmark/benchmark.h>
#include <png.h>
#include <stdlib.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstring>
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
    unsigned s = 7;
    auto next = [&s](int n) {
      s = s * 1103515245u + 12345u;
      return int((s >> 8) % unsigned(n));
    };
    for (int i = 0; i < 600; ++i) {
      p.setPen(QPen(i % 7 == 0 ? Qt::blue : Qt::black, 1 + next(3)));
      const int x = next(kWidth), y = next(kHeight);
      if (i % 2)
        p.drawLine(x, y, x + next(400), y);
      else
        p.drawLine(x, y, x, y + next(300));
    }
    for (int i = 0; i < 150; ++i) p.drawText(next(kWidth), next(kHeight), "BEDROOM 3600 x 3000");
    return im;
  }();
  return image;
}

const std::string& OutPath() {
  static const std::string path = [] {
    const char* tmp = std::getenv("TMPDIR");
    return std::string(tmp ? tmp : "/tmp") + "/tw_export_bench.png";
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
  std::vector<png_bytep> rows(kHeight);
  for (int y = 0; y < kHeight; ++y) rows[y] = const_cast<png_bytep>(window.constScanLine(y));
  for (auto _ : state) {
    std::FILE* f = std::fopen(OutPath().c_str(), "wb");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
      state.SkipWithError("libpng failed");
      break;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, kWidth, kHeight, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_ADAM7,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    png_write_image(png, rows.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    std::fclose(f);
  }
}
BENCHMARK(BM_BareLibpng)->Unit(benchmark::kMillisecond);

}  // namespace
