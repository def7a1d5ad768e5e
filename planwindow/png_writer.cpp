// The PNG writer. libpng reports an error by calling our handler, which never
// returns: it jumps back into WriteImage. So nothing with a destructor lives
// in WriteImage's frame or in any frame the jump crosses; everything it
// holds sits in a plain WriteState that the caller frees afterwards.
#include "planwindow/png_writer.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/dib.h"

namespace {

using plat::DibHeader;
namespace comp = plat::dibcompression;

constexpr std::int64_t kMaxSide = 1000000;
constexpr std::uint32_t kMaskOffset = plat::kInfoHeaderSize;
constexpr std::uint32_t kMaskBytes = 12;

// How the pixels reach libpng.
enum class Pixels {
  Indexed,  // 1, 4 or 8 bits with a palette, rows in place
  Bgr24,    // rows in place, blue first
  Rgb555,   // converted to blue, green, red
  Rgb565,
  Bgrx32,
  Rle,  // expanded first, then indexed
};

// What the checks found out about the bitmap.
struct Layout {
  DibHeader header;
  std::int64_t width;
  std::int64_t height;
  bool topDown;
  std::int64_t stride;
  std::uint32_t paletteEntries;
  std::uint32_t entrySize;  // 3 for the 12-byte header, else 4
  const std::uint8_t* table;
  const std::uint8_t* bits;
  std::size_t compressedSize;  // run-length bitmaps
  Pixels pixels;
};

std::uint32_t Mask(const std::uint8_t* header, int i) {
  const std::uint8_t* p = header + kMaskOffset + 4 * i;
  return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
         (std::uint32_t(p[3]) << 24);
}

bool ValidDepth(const DibHeader& h) {
  switch (h.compression) {
    case comp::Rgb:
      return h.bitCount == 1 || h.bitCount == 4 || h.bitCount == 8 || h.bitCount == 16 ||
             h.bitCount == 24 || h.bitCount == 32;
    case comp::Rle8: return h.bitCount == 8;
    case comp::Rle4: return h.bitCount == 4;
    case comp::BitFields: return h.bitCount == 16 || h.bitCount == 32;
    default: return false;
  }
}

// The checks before anything is written, in the order of the result codes.
int Examine(const DibPngRequest& r, Layout& L) {
  if (r.structSize != sizeof(DibPngRequest)) return pngresult::WrongStructSize;
  if (!r.dibHeader) return pngresult::BadDib;
  const auto* block = static_cast<const std::uint8_t*>(r.dibHeader);
  const std::size_t available = r.dibSize ? r.dibSize : SIZE_MAX;
  DibHeader& h = L.header;
  if (!plat::ReadDibHeader(block, available, h)) return pngresult::BadDib;
  L.width = h.width;
  L.topDown = h.height < 0;
  L.height = L.topDown ? -std::int64_t(h.height) : h.height;
  if (L.width < 1 || L.width > kMaxSide || L.height < 1 || L.height > kMaxSide)
    return pngresult::BadDib;
  if (!ValidDepth(h)) return pngresult::Unsupported;
  const bool rle = h.compression == comp::Rle8 || h.compression == comp::Rle4;
  // Run-length bitmaps are bottom-up by definition.
  if (rle && L.topDown) return pngresult::BadDib;

  const bool core = h.size == plat::kCoreHeaderSize;
  L.entrySize = core ? 3 : 4;
  L.paletteEntries = 0;
  std::int64_t tableBytes = 0;
  if (h.bitCount <= 8) {
    const std::uint32_t most = 1u << h.bitCount;
    L.paletteEntries = h.clrUsed ? h.clrUsed : most;
    if (L.paletteEntries > most) return pngresult::BadDib;
    tableBytes = std::int64_t(L.paletteEntries) * L.entrySize;
  } else if (h.compression == comp::BitFields && h.size == plat::kInfoHeaderSize) {
    tableBytes = kMaskBytes;  // the masks follow the header
  }
  L.table = block + h.size;
  L.stride = plat::DibStride(h.bitCount, L.width);
  const std::int64_t rowBytes = L.stride * L.height;
  const std::int64_t infoBytes = std::int64_t(h.size) + tableBytes;

  if (r.dibSize) {
    std::int64_t needed = infoBytes;
    if (!r.bits && !rle) needed += rowBytes;
    if (std::int64_t(r.dibSize) < needed) return pngresult::BadDib;
  }
  if (r.bitsSize && !rle && std::int64_t(r.bitsSize) < rowBytes) return pngresult::BadDib;
  if (!rle && rowBytes > plat::kMaxDibPixelBytes) return pngresult::OutOfMemory;
  L.bits = r.bits ? static_cast<const std::uint8_t*>(r.bits) : block + infoBytes;

  if (rle) {
    // The compressed rows can only be read as far as a size says.
    std::int64_t size = h.sizeImage;
    if (r.bits && r.bitsSize) size = r.bitsSize;
    if (!r.bits && r.dibSize) size = std::int64_t(r.dibSize) - infoBytes;
    if (size <= 0) return pngresult::BadDib;
    L.compressedSize = std::size_t(size);
    L.pixels = Pixels::Rle;
    return pngresult::Written;
  }

  if (h.bitCount <= 8) {
    L.pixels = Pixels::Indexed;
  } else if (h.bitCount == 24) {
    L.pixels = Pixels::Bgr24;
  } else if (h.compression == comp::Rgb) {
    L.pixels = h.bitCount == 16 ? Pixels::Rgb555 : Pixels::Bgrx32;
  } else {
    const std::uint32_t red = Mask(block, 0), green = Mask(block, 1), blue = Mask(block, 2);
    if (h.bitCount == 16 && red == 0x7C00 && green == 0x03E0 && blue == 0x001F)
      L.pixels = Pixels::Rgb555;
    else if (h.bitCount == 16 && red == 0xF800 && green == 0x07E0 && blue == 0x001F)
      L.pixels = Pixels::Rgb565;
    else if (h.bitCount == 32 && red == 0xFF0000 && green == 0x00FF00 && blue == 0x0000FF)
      L.pixels = Pixels::Bgrx32;
    else
      return pngresult::Unsupported;
  }
  return pngresult::Written;
}

// Everything the write holds, freed by Release whatever happened.
struct WriteState {
  std::jmp_buf jump;
  png_structp png;
  png_infop info;
  std::FILE* file;
  bool ownsFile;  // opened here from fileName, so closed here
  png_bytep* rows;
  std::uint8_t* converted;
  std::uint8_t* expanded;
};

[[noreturn]] void OnPngError(png_structp png, png_const_charp) {
  auto* s = static_cast<WriteState*>(png_get_error_ptr(png));
  std::longjmp(s->jump, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

// Stored row number of the picture's row j (0 the top row).
std::int64_t StoredRow(const Layout& L, std::int64_t j) { return L.topDown ? j : L.height - 1 - j; }

// 16 and 32 bits per pixel as blue, green, red bytes, top row first.
void Convert(const Layout& L, std::uint8_t* out) {
  for (std::int64_t j = 0; j < L.height; ++j) {
    const std::uint8_t* in = L.bits + StoredRow(L, j) * L.stride;
    std::uint8_t* o = out + j * L.width * 3;
    for (std::int64_t x = 0; x < L.width; ++x, o += 3) {
      if (L.pixels == Pixels::Bgrx32) {
        o[0] = in[4 * x];
        o[1] = in[4 * x + 1];
        o[2] = in[4 * x + 2];
        continue;
      }
      const unsigned v = unsigned(in[2 * x]) | (unsigned(in[2 * x + 1]) << 8);
      if (L.pixels == Pixels::Rgb555) {
        o[0] = std::uint8_t((v & 0x1F) << 3);
        o[1] = std::uint8_t((v & 0x3E0) >> 2);
        o[2] = std::uint8_t((v & 0x7C00) >> 7);
      } else {
        o[0] = std::uint8_t((v & 0x1F) << 3);
        o[1] = std::uint8_t((v & 0x7E0) >> 3);
        o[2] = std::uint8_t((v & 0xF800) >> 8);
      }
    }
  }
}

// The libpng part. A library error lands at the setjmp and returns
// LibraryError; the caller's Release frees what was made up to there.
int WriteImage(WriteState* s, const Layout* L, const DibPngRequest* r) {
  if (setjmp(s->jump)) return pngresult::LibraryError;
  s->png = png_create_write_struct(PNG_LIBPNG_VER_STRING, s, OnPngError, OnPngWarning);
  if (!s->png) return pngresult::OutOfMemory;
  s->info = png_create_info_struct(s->png);
  if (!s->info) return pngresult::OutOfMemory;
  s->ownsFile = !r->stream;
  s->file = r->stream ? r->stream : std::fopen(r->fileName, "wb");
  if (!s->file) return pngresult::CannotCreate;
  png_init_io(s->png, s->file);

  const DibHeader& h = L->header;
  const bool indexed = h.bitCount <= 8;
  png_set_IHDR(s->png, s->info, png_uint_32(L->width), png_uint_32(L->height),
               indexed ? h.bitCount : 8, indexed ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB,
               (r->flags & pngflag::Interlaced) ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (L->pixels == Pixels::Rgb555 || L->pixels == Pixels::Rgb565) {
    png_color_8 sig;
    std::memset(&sig, 0, sizeof sig);
    sig.red = 5;
    sig.green = L->pixels == Pixels::Rgb565 ? 6 : 5;
    sig.blue = 5;
    png_set_sBIT(s->png, s->info, &sig);
  }
  if (h.xPelsPerMeter > 0 && h.yPelsPerMeter > 0)
    png_set_pHYs(s->png, s->info, png_uint_32(h.xPelsPerMeter), png_uint_32(h.yPelsPerMeter),
                 PNG_RESOLUTION_METER);
  if (indexed) {
    png_color palette[256];
    for (std::uint32_t i = 0; i < L->paletteEntries; ++i) {
      const std::uint8_t* e = L->table + i * L->entrySize;
      palette[i].red = e[2];
      palette[i].green = e[1];
      palette[i].blue = e[0];
    }
    png_set_PLTE(s->png, s->info, palette, int(L->paletteEntries));
  } else {
    png_set_bgr(s->png);
  }
  png_write_info(s->png, s->info);

  s->rows = static_cast<png_bytep*>(std::malloc(std::size_t(L->height) * sizeof(png_bytep)));
  if (!s->rows) return pngresult::OutOfMemory;
  if (L->pixels == Pixels::Rgb555 || L->pixels == Pixels::Rgb565 || L->pixels == Pixels::Bgrx32) {
    const std::int64_t bytes = L->width * L->height * 3;
    if (bytes > plat::kMaxDibPixelBytes) return pngresult::OutOfMemory;
    s->converted = static_cast<std::uint8_t*>(std::malloc(std::size_t(bytes)));
    if (!s->converted) return pngresult::OutOfMemory;
    Convert(*L, s->converted);
    for (std::int64_t j = 0; j < L->height; ++j) s->rows[j] = s->converted + j * L->width * 3;
  } else if (L->pixels == Pixels::Rle) {
    s->expanded = plat::ExpandRleDib(h, L->bits, L->compressedSize);
    if (!s->expanded) return pngresult::RleFailed;
    for (std::int64_t j = 0; j < L->height; ++j)
      s->rows[j] = s->expanded + (L->height - 1 - j) * L->stride;
  } else {
    for (std::int64_t j = 0; j < L->height; ++j)
      s->rows[j] = const_cast<std::uint8_t*>(L->bits) + StoredRow(*L, j) * L->stride;
  }
  png_write_image(s->png, s->rows);

  if (r->text) {
    png_text chunk;
    std::memset(&chunk, 0, sizeof chunk);
    chunk.compression = PNG_TEXT_COMPRESSION_NONE;
    chunk.key = const_cast<char*>("Software");
    chunk.text = const_cast<char*>(r->text);
    chunk.text_length = std::strlen(r->text);
    png_set_text(s->png, s->info, &chunk, 1);
  }
  png_write_end(s->png, s->info);
  return pngresult::Written;
}

// Frees what the write held; a file that cannot be closed was not written.
int Release(WriteState* s, int result) {
  if (s->png) png_destroy_write_struct(&s->png, s->info ? &s->info : nullptr);
  if (s->file) {
    const bool closed = s->ownsFile ? std::fclose(s->file) == 0 : std::fflush(s->file) == 0;
    if (!closed && result == pngresult::Written) result = pngresult::CannotCreate;
  }
  std::free(s->rows);
  std::free(s->converted);
  std::free(s->expanded);
  return result;
}

}  // namespace

int WritePngFromDib(const DibPngRequest* request) {
  if (!request) return pngresult::WrongStructSize;
  Layout layout{};
  const int checked = Examine(*request, layout);
  if (checked != pngresult::Written) return checked;
  if (!request->fileName && !request->stream) return pngresult::CannotCreate;

  WriteState state{};
  return Release(&state, WriteImage(&state, &layout, request));
}
