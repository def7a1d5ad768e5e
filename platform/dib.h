// Device-independent bitmaps as the window system hands them out: a header
// (BITMAPINFOHEADER, 40 bytes or more, or the old 12-byte BITMAPCOREHEADER),
// a colour table or three colour masks, and the pixel rows, each padded to
// four bytes. Rows run bottom-up unless the height is negative.
//
// The plan window's picture export takes the client area as such a bitmap;
// this file also writes one as a Windows bitmap file and expands run-length
// compressed ones.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string_view>
#include <vector>

namespace plat {

// Compression codes of the header.
namespace dibcompression {
constexpr std::uint32_t Rgb = 0;
constexpr std::uint32_t Rle8 = 1;
constexpr std::uint32_t Rle4 = 2;
constexpr std::uint32_t BitFields = 3;
}  // namespace dibcompression

constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kCoreHeaderSize = 12;

// The fields of a header, whichever of the two layouts it has.
struct DibHeader {
  std::uint32_t size = kInfoHeaderSize;
  std::int32_t width = 0;
  std::int32_t height = 0;  // negative: the rows are stored top-down
  std::uint16_t planes = 1;
  std::uint16_t bitCount = 0;
  std::uint32_t compression = dibcompression::Rgb;
  std::uint32_t sizeImage = 0;
  std::int32_t xPelsPerMeter = 0;
  std::int32_t yPelsPerMeter = 0;
  std::uint32_t clrUsed = 0;
  std::uint32_t clrImportant = 0;
};

// Reads the header at p (available bytes); false when it is neither layout.
bool ReadDibHeader(const void* p, std::size_t available, DibHeader& out);
// Stores a 40-byte header at p.
void WriteInfoHeader(const DibHeader& h, void* p);

// Bytes per stored row: ((bit count x width + 31) / 32) x 4, in 64 bits.
std::int64_t DibStride(std::int64_t bitCount, std::int64_t width);

// A bitmap in memory: info holds the header with its colour table or masks,
// bits the pixel rows.
struct Dib {
  std::vector<std::uint8_t> info;
  std::vector<std::uint8_t> bits;

  DibHeader Header() const;
};

// A bitmap of 32 bits per pixel (blue, green, red, unused) with its rows
// stored top-down, all pixels 0.
Dib MakeTopDownDib32(int width, int height);

// Writes the bitmap as a Windows bitmap file (file header, 40-byte header,
// 24 bits per pixel, rows bottom-up) into an open stream. Takes 24- and
// 32-bit uncompressed bitmaps. False when the bitmap is not of that kind or
// the stream cannot take it.
bool WriteBmpFile(std::FILE* out, const Dib& dib);

// Expands run-length compressed pixels (RLE8 or RLE4) into uncompressed rows
// in the header's own order (bottom-up), stride x height bytes, zero where
// the runs leave pixels out. Reads at most compressedSize bytes. Returns a
// malloc'ed block for the caller to free, or null when the header is not a
// run-length one, a size is out of bounds or memory runs out.
std::uint8_t* ExpandRleDib(const DibHeader& header, const std::uint8_t* compressed,
                           std::size_t compressedSize);

// The largest pixel buffer the export makes or reads (bytes).
constexpr std::int64_t kMaxDibPixelBytes = std::int64_t(1) << 30;

}  // namespace plat
