// The PNG writer over every bitmap layout the window system hands out: each
// is read back with libpng and must show the same picture, top row first,
// with the header and chunks its layout asks for; and the bitmaps it must
// refuse, with their result codes.
#include "planwindow/png_writer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/dib.h"
#include "tests/png_reader.h"
#include "tests/test_support.h"

namespace {

using pngread::Rgb;

// Colours every layout can hold exactly (5 bits per channel and more).
const Rgb K{0, 0, 0}, R{248, 0, 0}, G{0, 248, 0}, B{0, 0, 248}, W{248, 248, 248},
    Y{128, 128, 128};

// A picture of 5 x 3 pixels (an odd width pads every row), top row first.
const std::vector<std::vector<Rgb>> kPicture = {
    {R, G, B, W, K},
    {K, Y, Y, R, G},
    {B, B, W, K, R},
};
// Two colours for the one-bit layout.
const std::vector<std::vector<Rgb>> kTwoColours = {
    {W, K, W, K, W},
    {K, K, W, W, K},
    {W, W, W, K, K},
};

enum class Layout { Palette, Rgb555, Rgb565, Bgr24, Bgrx32, Bgrx32Masks, Rle8, Rle4, Core8 };

struct Case {
  const char* story;
  Layout layout;
  int bitCount;
  bool topDown;
  const std::vector<std::vector<Rgb>>* picture;
  int colourType;  // expected PNG colour type
  int bitDepth;
  int sbitGreen;  // 0: no significant-bits chunk
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.story; }

void Put16(std::vector<std::uint8_t>& v, std::size_t at, unsigned x) {
  v[at] = std::uint8_t(x);
  v[at + 1] = std::uint8_t(x >> 8);
}
void Put32(std::vector<std::uint8_t>& v, std::size_t at, std::uint32_t x) {
  for (int i = 0; i < 4; ++i) v[at + i] = std::uint8_t(x >> (8 * i));
}

// Builds the bitmap of a picture in one layout: info (header and table or
// masks) and the rows.
plat::Dib Encode(const Case& c) {
  const auto& pic = *c.picture;
  const int h = int(pic.size()), w = int(pic[0].size());
  plat::Dib dib;
  std::vector<Rgb> palette;
  std::map<std::uint32_t, int> index;
  auto key = [](Rgb p) { return (std::uint32_t(p.r) << 16) | (p.g << 8) | p.b; };
  for (const auto& row : pic)
    for (Rgb p : row)
      if (!index.count(key(p))) {
        index[key(p)] = int(palette.size());
        palette.push_back(p);
      }

  plat::DibHeader hd;
  hd.width = w;
  hd.height = c.topDown ? -h : h;
  hd.bitCount = std::uint16_t(c.bitCount);
  const bool indexed = c.bitCount <= 8;
  if (c.layout == Layout::Rle8) hd.compression = plat::dibcompression::Rle8;
  if (c.layout == Layout::Rle4) hd.compression = plat::dibcompression::Rle4;
  if (c.layout == Layout::Rgb565 || c.layout == Layout::Bgrx32Masks)
    hd.compression = plat::dibcompression::BitFields;
  if (indexed) hd.clrUsed = std::uint32_t(palette.size());

  if (c.layout == Layout::Core8) {
    // The old header has no colour count: the table always has 256 entries.
    dib.info.assign(12 + 3 * 256, 0);
    Put32(dib.info, 0, 12);
    Put16(dib.info, 4, unsigned(w));
    Put16(dib.info, 6, unsigned(h));
    Put16(dib.info, 8, 1);
    Put16(dib.info, 10, 8);
    for (std::size_t i = 0; i < palette.size(); ++i) {
      dib.info[12 + 3 * i] = palette[i].b;
      dib.info[13 + 3 * i] = palette[i].g;
      dib.info[14 + 3 * i] = palette[i].r;
    }
  } else {
    std::size_t table = indexed ? 4 * palette.size() : 0;
    if (hd.compression == plat::dibcompression::BitFields) table = 12;
    dib.info.assign(40 + table, 0);
    plat::WriteInfoHeader(hd, dib.info.data());
    if (indexed)
      for (std::size_t i = 0; i < palette.size(); ++i) {
        dib.info[40 + 4 * i] = palette[i].b;
        dib.info[41 + 4 * i] = palette[i].g;
        dib.info[42 + 4 * i] = palette[i].r;
      }
    if (c.layout == Layout::Rgb565) {
      Put32(dib.info, 40, 0xF800);
      Put32(dib.info, 44, 0x07E0);
      Put32(dib.info, 48, 0x001F);
    }
    if (c.layout == Layout::Bgrx32Masks) {
      Put32(dib.info, 40, 0xFF0000);
      Put32(dib.info, 44, 0x00FF00);
      Put32(dib.info, 48, 0x0000FF);
    }
  }

  // Stored row s holds the picture's row y.
  auto pictureRow = [&](int s) { return c.topDown ? s : h - 1 - s; };
  if (c.layout == Layout::Rle8 || c.layout == Layout::Rle4) {
    for (int s = 0; s < h; ++s) {
      for (Rgb p : pic[pictureRow(s)]) {
        const int i = index[key(p)];
        dib.bits.push_back(1);  // a run of one pixel
        dib.bits.push_back(std::uint8_t(c.layout == Layout::Rle8 ? i : (i << 4)));
      }
      dib.bits.push_back(0);
      dib.bits.push_back(0);  // end of line
    }
    dib.bits.push_back(0);
    dib.bits.push_back(1);  // end of bitmap
    return dib;
  }
  const std::int64_t stride = plat::DibStride(c.bitCount, w);
  dib.bits.assign(std::size_t(stride * h), 0);
  for (int s = 0; s < h; ++s) {
    std::uint8_t* row = dib.bits.data() + s * stride;
    for (int x = 0; x < w; ++x) {
      const Rgb p = pic[pictureRow(s)][x];
      switch (c.bitCount) {
        case 1: row[x / 8] |= std::uint8_t(index[key(p)] << (7 - x % 8)); break;
        case 4: row[x / 2] |= std::uint8_t(index[key(p)] << (x % 2 ? 0 : 4)); break;
        case 8: row[x] = std::uint8_t(index[key(p)]); break;
        case 16: {
          const unsigned v = c.layout == Layout::Rgb565
                                 ? ((p.r >> 3) << 11) | ((p.g >> 2) << 5) | (p.b >> 3)
                                 : ((p.r >> 3) << 10) | ((p.g >> 3) << 5) | (p.b >> 3);
          row[2 * x] = std::uint8_t(v);
          row[2 * x + 1] = std::uint8_t(v >> 8);
          break;
        }
        default: {
          const int n = c.bitCount / 8;
          row[n * x] = p.b;
          row[n * x + 1] = p.g;
          row[n * x + 2] = p.r;
        }
      }
    }
  }
  return dib;
}

class PngLayouts : public ::testing::TestWithParam<Case> {
 protected:
  ScratchProgramDir dir;
  std::string Path() const { return dir.Root() + "/EXPORT/out.png"; }
};

TEST_P(PngLayouts, ReadsBackAsThePictureTopRowFirst) {
  const Case& c = GetParam();
  const plat::Dib dib = Encode(c);
  DibPngRequest r;
  r.flags = pngflag::Interlaced;
  const std::string path = Path();
  r.fileName = path.c_str();
  r.dibHeader = dib.info.data();
  r.dibSize = std::uint32_t(dib.info.size());
  r.bits = dib.bits.data();
  r.bitsSize = std::uint32_t(dib.bits.size());
  ASSERT_EQ(WritePngFromDib(&r), pngresult::Written) << c.story;

  const pngread::Picture png = pngread::Read(path);
  ASSERT_TRUE(png.ok) << c.story;
  EXPECT_EQ(png.width, 5u);
  EXPECT_EQ(png.height, 3u);
  EXPECT_EQ(png.colourType, c.colourType) << c.story;
  EXPECT_EQ(png.bitDepth, c.bitDepth) << c.story;
  EXPECT_EQ(png.interlace, PNG_INTERLACE_ADAM7);
  EXPECT_EQ(png.hasSbit, c.sbitGreen != 0) << c.story;
  if (c.sbitGreen) {
    EXPECT_EQ(png.sbit.red, 5);
    EXPECT_EQ(png.sbit.green, c.sbitGreen);
    EXPECT_EQ(png.sbit.blue, 5);
  }
  EXPECT_FALSE(png.hasPhys);
  EXPECT_TRUE(png.texts.empty());
  for (std::uint32_t y = 0; y < 3; ++y)
    for (std::uint32_t x = 0; x < 5; ++x) {
      const Rgb want = (*c.picture)[y][x], got = png.At(x, y);
      EXPECT_EQ(got, want) << c.story << " at " << x << "," << y << ": " << int(got.r) << " "
                           << int(got.g) << " " << int(got.b);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, PngLayouts,
    ::testing::Values(
        Case{"one bit, bottom-up", Layout::Palette, 1, false, &kTwoColours, PNG_COLOR_TYPE_PALETTE, 1, 0},
        Case{"four bits, top-down", Layout::Palette, 4, true, &kPicture, PNG_COLOR_TYPE_PALETTE, 4, 0},
        Case{"eight bits, bottom-up", Layout::Palette, 8, false, &kPicture, PNG_COLOR_TYPE_PALETTE, 8, 0},
        Case{"16 bits 5-5-5", Layout::Rgb555, 16, false, &kPicture, PNG_COLOR_TYPE_RGB, 8, 5},
        Case{"16 bits 5-6-5 masks", Layout::Rgb565, 16, true, &kPicture, PNG_COLOR_TYPE_RGB, 8, 6},
        Case{"24 bits, bottom-up", Layout::Bgr24, 24, false, &kPicture, PNG_COLOR_TYPE_RGB, 8, 0},
        Case{"32 bits, top-down (the screen)", Layout::Bgrx32, 32, true, &kPicture, PNG_COLOR_TYPE_RGB, 8, 0},
        Case{"32 bits with plain masks", Layout::Bgrx32Masks, 32, false, &kPicture, PNG_COLOR_TYPE_RGB, 8, 0},
        Case{"run-length, eight bits", Layout::Rle8, 8, false, &kPicture, PNG_COLOR_TYPE_PALETTE, 8, 0},
        Case{"run-length, four bits", Layout::Rle4, 4, false, &kPicture, PNG_COLOR_TYPE_PALETTE, 4, 0},
        Case{"the old 12-byte header", Layout::Core8, 8, false, &kPicture, PNG_COLOR_TYPE_PALETTE, 8, 0}));

class PngWriter : public ::testing::Test {
 protected:
  ScratchProgramDir dir;
  std::string path = dir.Root() + "/EXPORT/out.png";
  plat::Dib dib = plat::MakeTopDownDib32(5, 3);

  DibPngRequest Request() {
    DibPngRequest r;
    r.fileName = path.c_str();
    r.dibHeader = dib.info.data();
    r.dibSize = std::uint32_t(dib.info.size());
    r.bits = dib.bits.data();
    r.bitsSize = std::uint32_t(dib.bits.size());
    return r;
  }
  void SetHeader(const plat::DibHeader& h) { plat::WriteInfoHeader(h, dib.info.data()); }
};

TEST_F(PngWriter, WritesTheFlagsTextAndPhysicalSizeItIsGiven) {
  DibPngRequest r = Request();
  r.text = "Tarnwick 11.2";
  ASSERT_EQ(WritePngFromDib(&r), pngresult::Written);
  pngread::Picture png = pngread::Read(path);
  EXPECT_EQ(png.interlace, PNG_INTERLACE_NONE);
  ASSERT_EQ(png.texts.size(), 1u);
  EXPECT_EQ(png.texts[0].first, "Software");
  EXPECT_EQ(png.texts[0].second, "Tarnwick 11.2");
  EXPECT_FALSE(png.hasPhys);

  plat::DibHeader h = dib.Header();
  h.xPelsPerMeter = 3780;
  h.yPelsPerMeter = 3780;
  SetHeader(h);
  r = Request();
  ASSERT_EQ(WritePngFromDib(&r), pngresult::Written);
  png = pngread::Read(path);
  EXPECT_TRUE(png.hasPhys);
  EXPECT_EQ(png.physX, 3780u);
  EXPECT_EQ(png.physUnit, PNG_RESOLUTION_METER);

  // One of the two is not enough.
  h.yPelsPerMeter = 0;
  SetHeader(h);
  r = Request();
  ASSERT_EQ(WritePngFromDib(&r), pngresult::Written);
  EXPECT_FALSE(pngread::Read(path).hasPhys);
}

TEST_F(PngWriter, TheRowsMayFollowTheHeaderInOneBlock) {
  plat::Dib whole = dib;
  whole.bits[0] = 200;  // the top left pixel's blue
  whole.info.insert(whole.info.end(), whole.bits.begin(), whole.bits.end());
  DibPngRequest r;
  r.fileName = path.c_str();
  r.dibHeader = whole.info.data();
  r.dibSize = std::uint32_t(whole.info.size());
  ASSERT_EQ(WritePngFromDib(&r), pngresult::Written);
  EXPECT_EQ(pngread::Read(path).At(0, 0), (Rgb{0, 0, 200}));
}

// Offsets of the header fields the refusals spoil.
constexpr std::size_t kWidthAt = 4, kHeightAt = 8, kBitCountAt = 14, kCompressionAt = 16,
                      kColoursAt = 32;

struct Refusal {
  const char* story;
  int expected;
  // Spoils the request or the header block (which the request points at).
  std::function<void(DibPngRequest&, std::vector<std::uint8_t>& info)> spoil;
};
void PrintTo(const Refusal& c, std::ostream* os) { *os << c.story; }

class PngRefusals : public PngWriter, public ::testing::WithParamInterface<Refusal> {};

TEST_P(PngRefusals, RefusesWithItsCodeAndWritesNothing) {
  const Refusal& c = GetParam();
  DibPngRequest r = Request();
  c.spoil(r, dib.info);
  if (r.dibHeader) r.dibHeader = dib.info.data();
  EXPECT_EQ(WritePngFromDib(&r), c.expected) << c.story;
  EXPECT_FALSE(dir.Exists("EXPORT\\out.png")) << c.story;
}

INSTANTIATE_TEST_SUITE_P(
    Table, PngRefusals,
    ::testing::Values(
        Refusal{"a request block of another size", pngresult::WrongStructSize,
                [](auto& r, auto&) { r.structSize = sizeof(DibPngRequest) + 1; }},
        Refusal{"no header", pngresult::BadDib, [](auto& r, auto&) { r.dibHeader = nullptr; }},
        Refusal{"a header of 20 bytes", pngresult::BadDib,
                [](auto&, auto& info) { Put32(info, 0, 20); }},
        Refusal{"no width", pngresult::BadDib, [](auto&, auto& info) { Put32(info, kWidthAt, 0); }},
        Refusal{"a million and one rows", pngresult::BadDib,
                [](auto&, auto& info) { Put32(info, kHeightAt, std::uint32_t(-1000001)); }},
        Refusal{"two bits per pixel", pngresult::Unsupported,
                [](auto&, auto& info) { Put16(info, kBitCountAt, 2); }},
        Refusal{"run-length eight with four bits", pngresult::Unsupported,
                [](auto&, auto& info) {
                  Put16(info, kBitCountAt, 4);
                  Put32(info, kCompressionAt, plat::dibcompression::Rle8);
                }},
        Refusal{"16-bit masks of no known layout", pngresult::Unsupported,
                [](auto& r, auto& info) {
                  Put16(info, kBitCountAt, 16);
                  Put32(info, kCompressionAt, plat::dibcompression::BitFields);
                  info.resize(52, 0);
                  Put32(info, 40, 0xFF);
                  r.dibSize = 52;
                }},
        Refusal{"fewer row bytes than the rows need", pngresult::BadDib,
                [](auto& r, auto&) { r.bitsSize = 5 * 4 * 3 - 1; }},
        Refusal{"a block too short for its header", pngresult::BadDib,
                [](auto& r, auto&) { r.dibSize = 39; }},
        Refusal{"more colours than the bits can index", pngresult::BadDib,
                [](auto& r, auto& info) {
                  Put16(info, kBitCountAt, 1);
                  Put32(info, kColoursAt, 3);
                  info.resize(40 + 12, 0);
                  r.dibSize = 52;
                }},
        Refusal{"a file in a folder that is not there", pngresult::CannotCreate,
                [](auto& r, auto&) {
                  static const std::string missing = "/nonexistent-folder/out.png";
                  r.fileName = missing.c_str();
                }}));

TEST(RleExpansion, StopsAtTheEndOfItsDataAndKeepsEveryPixelInside) {
  plat::DibHeader h;
  h.width = 4;
  h.height = 2;
  h.bitCount = 8;
  h.compression = plat::dibcompression::Rle8;
  // A run far past the row end, a delta off the picture, an absolute run
  // longer than the data.
  const std::uint8_t data[] = {200, 7, 0, 2, 100, 100, 0, 9, 1, 2};
  std::uint8_t* out = plat::ExpandRleDib(h, data, sizeof data);
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(out[0], 7);
  EXPECT_EQ(out[3], 7);
  EXPECT_EQ(out[4], 0);  // the second row was never reached
  std::free(out);
  h.compression = plat::dibcompression::Rgb;
  EXPECT_EQ(plat::ExpandRleDib(h, data, sizeof data), nullptr);
}

}  // namespace
