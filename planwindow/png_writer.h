// The picture export's PNG writer: a device-independent bitmap (platform/dib.h)
// of any of the window system's formats written as a PNG file through libpng.
#pragma once

#include <cstdint>
#include <cstdio>

// What to write. The sizes let the writer check the bitmap before it reads
// it; 0 skips a check.
struct DibPngRequest {
  std::uint32_t structSize = sizeof(DibPngRequest);
  std::uint32_t flags = 0;         // pngflag::
  const char* fileName = nullptr;  // the real path of the PNG file
  std::FILE* stream = nullptr;     // or an open stream to write into (left open)
  const void* dibHeader = nullptr;  // header, then the colour table or masks
  std::uint32_t dibSize = 0;        // header + table (+ the rows when bits is null)
  const void* bits = nullptr;       // the rows; null: they follow the table
  std::uint32_t bitsSize = 0;       // bytes of the rows
  const char* text = nullptr;       // a "Software" text chunk; null: none
};

namespace pngflag {
constexpr std::uint32_t Interlaced = 1;  // Adam7
}  // namespace pngflag

// Results of WritePngFromDib.
namespace pngresult {
constexpr int Written = 0;
constexpr int RleFailed = 1;
constexpr int WrongStructSize = 2;
constexpr int OutOfMemory = 3;
constexpr int Unsupported = 4;  // bit depth, compression or colour masks
constexpr int LibraryError = 5;
constexpr int BadDib = 6;  // header size, dimensions or sizes
constexpr int CannotCreate = 9;
}  // namespace pngresult

// Writes the bitmap as a PNG: palette pictures up to 8 bits per pixel with
// the bitmap's colour table, 8-bit RGB above (5-5-5 and 5-6-5 pixels keep
// their significant bits), the physical size when the bitmap has one, the
// picture's top row first. On any result but Written the file may be partly
// written; the caller removes it. A stream is flushed but not closed.
int WritePngFromDib(const DibPngRequest* request);
