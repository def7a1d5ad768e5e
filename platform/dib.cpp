#include "platform/dib.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace plat {

namespace {

std::uint16_t Get16(const std::uint8_t* p) { return std::uint16_t(p[0] | (p[1] << 8)); }
std::uint32_t Get32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
         (std::uint32_t(p[3]) << 24);
}
void Put16(std::uint8_t* p, std::uint32_t v) {
  p[0] = std::uint8_t(v);
  p[1] = std::uint8_t(v >> 8);
}
void Put32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = std::uint8_t(v >> (8 * i));
}

constexpr std::size_t kFileHeaderSize = 14;

}  // namespace

bool ReadDibHeader(const void* data, std::size_t available, DibHeader& out) {
  const auto* p = static_cast<const std::uint8_t*>(data);
  if (!p || available < 4) return false;
  const std::uint32_t size = Get32(p);
  if (size == kCoreHeaderSize) {
    if (available < kCoreHeaderSize) return false;
    out = DibHeader{};
    out.size = size;
    out.width = Get16(p + 4);
    out.height = Get16(p + 6);
    out.planes = Get16(p + 8);
    out.bitCount = Get16(p + 10);
    return true;
  }
  if (size < kInfoHeaderSize || available < kInfoHeaderSize) return false;
  out.size = size;
  out.width = std::int32_t(Get32(p + 4));
  out.height = std::int32_t(Get32(p + 8));
  out.planes = Get16(p + 12);
  out.bitCount = Get16(p + 14);
  out.compression = Get32(p + 16);
  out.sizeImage = Get32(p + 20);
  out.xPelsPerMeter = std::int32_t(Get32(p + 24));
  out.yPelsPerMeter = std::int32_t(Get32(p + 28));
  out.clrUsed = Get32(p + 32);
  out.clrImportant = Get32(p + 36);
  return true;
}

void WriteInfoHeader(const DibHeader& h, void* data) {
  auto* p = static_cast<std::uint8_t*>(data);
  Put32(p, kInfoHeaderSize);
  Put32(p + 4, std::uint32_t(h.width));
  Put32(p + 8, std::uint32_t(h.height));
  Put16(p + 12, h.planes);
  Put16(p + 14, h.bitCount);
  Put32(p + 16, h.compression);
  Put32(p + 20, h.sizeImage);
  Put32(p + 24, std::uint32_t(h.xPelsPerMeter));
  Put32(p + 28, std::uint32_t(h.yPelsPerMeter));
  Put32(p + 32, h.clrUsed);
  Put32(p + 36, h.clrImportant);
}

std::int64_t DibStride(std::int64_t bitCount, std::int64_t width) {
  return (bitCount * width + 31) / 32 * 4;
}

DibHeader Dib::Header() const {
  DibHeader h;
  if (!ReadDibHeader(info.data(), info.size(), h)) return DibHeader{};
  return h;
}

Dib MakeTopDownDib32(int width, int height) {
  Dib dib;
  DibHeader h;
  h.width = width;
  h.height = -height;
  h.bitCount = 32;
  h.sizeImage = std::uint32_t(DibStride(32, width) * height);
  dib.info.resize(kInfoHeaderSize);
  WriteInfoHeader(h, dib.info.data());
  dib.bits.assign(std::size_t(h.sizeImage), 0);
  return dib;
}

// ---- Windows bitmap files ------------------------------------------------------

bool WriteBmpFile(std::FILE* out, const Dib& dib) {
  const DibHeader h = dib.Header();
  if (h.compression != dibcompression::Rgb || (h.bitCount != 24 && h.bitCount != 32)) return false;
  const std::int64_t width = h.width;
  const std::int64_t height = h.height < 0 ? -std::int64_t(h.height) : h.height;
  if (width < 1 || height < 1) return false;
  const std::int64_t inStride = DibStride(h.bitCount, width);
  const std::int64_t outStride = DibStride(24, width);
  if (std::int64_t(dib.bits.size()) < inStride * height) return false;
  if (outStride * height > kMaxDibPixelBytes) return false;

  const std::int64_t imageBytes = outStride * height;
  std::vector<std::uint8_t> bytes(kFileHeaderSize + kInfoHeaderSize + std::size_t(imageBytes), 0);
  std::uint8_t* p = bytes.data();
  p[0] = 'B';
  p[1] = 'M';
  Put32(p + 2, std::uint32_t(bytes.size()));
  Put32(p + 10, std::uint32_t(kFileHeaderSize + kInfoHeaderSize));
  DibHeader fileHeader;
  fileHeader.width = h.width;
  fileHeader.height = std::int32_t(height);  // bottom-up, as every reader expects
  fileHeader.bitCount = 24;
  fileHeader.sizeImage = std::uint32_t(imageBytes);
  fileHeader.xPelsPerMeter = h.xPelsPerMeter;
  fileHeader.yPelsPerMeter = h.yPelsPerMeter;
  WriteInfoHeader(fileHeader, p + kFileHeaderSize);

  const int bytesPerPixel = h.bitCount / 8;
  std::uint8_t* rows = p + kFileHeaderSize + kInfoHeaderSize;
  for (std::int64_t j = 0; j < height; ++j) {
    // File row j (from the bottom) is the picture's row height - 1 - j.
    const std::int64_t fromTop = height - 1 - j;
    const std::int64_t stored = h.height < 0 ? fromTop : height - 1 - fromTop;
    const std::uint8_t* in = dib.bits.data() + stored * inStride;
    std::uint8_t* o = rows + j * outStride;
    for (std::int64_t x = 0; x < width; ++x) {
      o[3 * x] = in[bytesPerPixel * x];
      o[3 * x + 1] = in[bytesPerPixel * x + 1];
      o[3 * x + 2] = in[bytesPerPixel * x + 2];
    }
  }

  return std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
}

// ---- Run-length compressed bitmaps -------------------------------------------------

std::uint8_t* ExpandRleDib(const DibHeader& header, const std::uint8_t* in, std::size_t size) {
  const bool rle8 = header.compression == dibcompression::Rle8 && header.bitCount == 8;
  const bool rle4 = header.compression == dibcompression::Rle4 && header.bitCount == 4;
  if (!(rle8 || rle4) || !in) return nullptr;
  // Run-length bitmaps are always stored bottom-up.
  const std::int64_t width = header.width;
  const std::int64_t height = header.height;
  if (width < 1 || height < 1) return nullptr;
  const std::int64_t stride = DibStride(header.bitCount, width);
  if (stride * height > kMaxDibPixelBytes) return nullptr;
  auto* out = static_cast<std::uint8_t*>(std::calloc(std::size_t(stride * height), 1));
  if (!out) return nullptr;

  auto setPixel = [&](std::int64_t x, std::int64_t y, unsigned index) {
    if (x < 0 || x >= width || y < 0 || y >= height) return;
    std::uint8_t* row = out + y * stride;
    if (rle8) {
      row[x] = std::uint8_t(index);
    } else if (x % 2 == 0) {
      row[x / 2] = std::uint8_t((row[x / 2] & 0x0F) | ((index & 0x0F) << 4));
    } else {
      row[x / 2] = std::uint8_t((row[x / 2] & 0xF0) | (index & 0x0F));
    }
  };

  std::size_t pos = 0;
  std::int64_t x = 0, y = 0;
  while (pos + 1 < size && y < height) {
    const unsigned count = in[pos];
    const unsigned value = in[pos + 1];
    pos += 2;
    if (count > 0) {  // a run: count pixels of one index (RLE4: two alternating)
      for (unsigned i = 0; i < count; ++i, ++x)
        setPixel(x, y, rle8 ? value : (i % 2 == 0 ? value >> 4 : value & 0x0F));
      continue;
    }
    if (value == 0) {  // end of line
      x = 0;
      ++y;
    } else if (value == 1) {  // end of bitmap
      break;
    } else if (value == 2) {  // delta
      if (pos + 1 >= size) break;
      x += in[pos];
      y += in[pos + 1];
      pos += 2;
    } else {  // absolute: value pixels follow, padded to a 16-bit boundary
      const std::size_t bytes = rle8 ? value : (value + 1) / 2;
      if (pos + bytes > size) break;
      for (unsigned i = 0; i < value; ++i, ++x) {
        const unsigned index = rle8 ? in[pos + i] : (i % 2 == 0 ? in[pos + i / 2] >> 4
                                                                : in[pos + i / 2] & 0x0F);
        setPixel(x, y, index);
      }
      pos += bytes + (bytes % 2);
    }
  }
  return out;
}

}  // namespace plat
