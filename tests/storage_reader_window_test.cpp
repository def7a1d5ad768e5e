// The reader takes most values from masks of 64 bytes at a time and leaves
// anything unusual to the byte-by-byte reader. Wherever a value falls in the
// file, and however it is written, it must read as the scanf formats read it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/flist.h"
#include "storage/record_codec.h"

namespace {

// How a value is written, and what it reads as.
struct Written {
  const char* text;
  int32 value;
};

constexpr Written kValues[] = {
    {"0", 0},
    {"-1", -1},
    {"+7", 7},
    {"-0", 0},
    {"12345678", 12345678},
    {"-87654321", -87654321},
    {"123456789", 123456789},
    {"0000000042", 42},
    {"2147483647", 2147483647},
    {"-2147483648", -2147483647 - 1},
    {"2147483648", 2147483647},  // beyond 32 bits: held at the limit
    {"-2147483649", -2147483647 - 1},
    {"9999999999", 2147483647},
    {"00000000000000000042", 42},
    {"-99999999999999999999", -2147483647 - 1},
};
constexpr int kValueCount = sizeof kValues / sizeof kValues[0];
const char* const kBlanks[] = {" ", "\t", "\n", "  \r\n", "\v\f ", "   \n\n  "};

// A drawing of line records whose fifteen values run through kValues, the
// whole file moved along by `shift` blanks.
std::string Drawing(int records, int shift, std::vector<int32>& expected) {
  std::string out(std::size_t(shift), ' ');
  out += std::to_string(records) + " 0 0 0 1 0\n";
  int next = 0;
  for (int r = 0; r < records; ++r) {
    out += "1\n1";  // the kind line, and the kind as the record's first value
    expected.push_back(1);
    for (int v = 1; v < 15; ++v, ++next) {
      const Written& w = kValues[next % kValueCount];
      out += kBlanks[(next / 3) % 6];
      out += w.text;
      expected.push_back(w.value);
    }
    out += "\n";
  }
  return out;
}

std::vector<int32> ValuesOf(const TFlist& list) {
  std::vector<int32> got;
  for (int32 i = 0; i < list.Count(); ++i) {
    const auto& e = static_cast<const TLineobj&>(*list.At(i));
    for (int32 v : {e.Kind, e.Floor, e.LinkId, e.Tag1, e.X1, e.Marked, e.X2, e.Tag2, e.Y1, e.Y2,
                    e.LineTag, e.Angle, int32(e.Colour), e.PenWidth, e.PenStyle})
      got.push_back(v);
  }
  return got;
}

TEST(StorageReaderWindow, ValuesReadTheSameWhereverTheyFallInTheFile) {
  for (int shift = 0; shift < 140; ++shift) {
    std::vector<int32> expected;
    const std::string data = Drawing(12, shift, expected);
    TFlist list;
    const storage::ReadResult r = storage::ParseInto(data, list, storage::Placement{});
    ASSERT_EQ(r.appended, 12) << "shift " << shift;
    EXPECT_EQ(ValuesOf(list), expected) << "shift " << shift;
    list.Clear();
  }
}

TEST(StorageReaderWindow, AStrayCharacterEndsTheReadWhereverItFalls) {
  // The fourth record has "12x" among its values: the three before it are
  // kept, nothing after.
  for (int shift = 0; shift < 80; ++shift) {
    std::vector<int32> expected;
    std::string data = Drawing(6, shift, expected);
    std::size_t at = 0;
    for (int kindLines = 0; kindLines < 4; ++kindLines) at = data.find("\n1\n1", at + 1);
    data.replace(data.find(' ', at + 4), 1, " 12x ");
    TFlist list;
    EXPECT_EQ(storage::ParseInto(data, list, storage::Placement{}).appended, 3) << shift;
    list.Clear();
  }
}

TEST(StorageReaderWindow, ATextAfterManyBlanksStaysInStepWithTheNextRecord) {
  // A text record, then a line: the text's values, its blank and its
  // characters, then the line's values read on from where the text ended.
  const std::string blanks(100, ' ');
  const std::string data = "2 0 0 0 1 0\n4\n4" + blanks +
                           "120 0 0 -5 7 0 0 0 255 5 0 3 5 8 400 Arial12345\n1\n1 120 0 0 10 0 "
                           "20 0 30 40 0 900 255 1" +
                           blanks + "2\n";
  TFlist list;
  ASSERT_EQ(storage::ParseInto(data, list, storage::Placement{}).appended, 2);
  const auto& text = static_cast<const TTextobj&>(*list.At(0));
  EXPECT_EQ(std::string(text.Text, std::size_t(text.TextLength)), "12345");
  EXPECT_EQ(text.X1, -5);
  const auto& line = static_cast<const TLineobj&>(*list.At(1));
  EXPECT_EQ(line.Y2, 40);
  EXPECT_EQ(line.PenStyle, 2);
  list.Clear();
}

}  // namespace
