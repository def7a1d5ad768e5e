// Reads a PNG file back with libpng for the export tests: what its header
// says, its ancillary chunks, and every pixel as 8-bit red, green, blue.
#pragma once

#include <png.h>

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace pngread {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct Picture {
  bool ok = false;
  std::uint32_t width = 0, height = 0;
  int bitDepth = 0;
  int colourType = 0;
  int interlace = 0;
  int paletteEntries = 0;
  bool hasSbit = false;
  png_color_8 sbit{};
  bool hasPhys = false;
  png_uint_32 physX = 0, physY = 0;
  int physUnit = 0;
  std::vector<std::pair<std::string, std::string>> texts;
  std::vector<Rgb> pixels;  // top row first

  Rgb At(std::uint32_t x, std::uint32_t y) const { return pixels[std::size_t(y) * width + x]; }
};

namespace detail {
// Only plain data in the frame libpng jumps back into.
inline bool ReadInto(std::FILE* f, png_structp png, png_infop info, png_infop end, Picture* out,
                     std::vector<png_bytep>* rows, std::vector<std::uint8_t>* data) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_init_io(png, f);
  png_read_info(png, info);
  png_uint_32 w = 0, h = 0;
  int depth = 0, type = 0, interlace = 0;
  png_get_IHDR(png, info, &w, &h, &depth, &type, &interlace, nullptr, nullptr);
  out->width = w;
  out->height = h;
  out->bitDepth = depth;
  out->colourType = type;
  out->interlace = interlace;
  png_colorp palette = nullptr;
  int entries = 0;
  if (png_get_PLTE(png, info, &palette, &entries)) out->paletteEntries = entries;
  png_color_8p sig = nullptr;
  if (png_get_sBIT(png, info, &sig)) {
    out->hasSbit = true;
    out->sbit = *sig;
  }
  out->hasPhys = png_get_pHYs(png, info, &out->physX, &out->physY, &out->physUnit) != 0;
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  const std::size_t rowBytes = png_get_rowbytes(png, info);
  data->assign(rowBytes * h, 0);
  rows->resize(h);
  for (png_uint_32 y = 0; y < h; ++y) (*rows)[y] = data->data() + y * rowBytes;
  png_read_image(png, rows->data());
  png_read_end(png, end);
  return true;
}
}  // namespace detail

inline Picture Read(const std::string& path) {
  Picture out;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return out;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_infop end = png_create_info_struct(png);
  std::vector<png_bytep> rows;
  std::vector<std::uint8_t> data;
  out.ok = detail::ReadInto(f, png, info, end, &out, &rows, &data);
  if (out.ok) {
    for (png_infop i : {info, end}) {
      png_textp text = nullptr;
      int n = 0;
      png_get_text(png, i, &text, &n);
      for (int t = 0; t < n; ++t) out.texts.emplace_back(text[t].key, text[t].text);
    }
    const std::size_t channels = png_get_channels(png, info);
    for (std::uint32_t y = 0; y < out.height; ++y)
      for (std::uint32_t x = 0; x < out.width; ++x) {
        const std::uint8_t* p = rows[y] + x * channels;
        out.pixels.push_back({p[0], p[1], p[2]});
      }
  }
  png_destroy_read_struct(&png, &info, &end);
  std::fclose(f);
  return out;
}

}  // namespace pngread
