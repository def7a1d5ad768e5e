// The settings files that ship in the program's CFG folder. The program reads
// many of them before any dialog could have written them (start-up, drawing,
// the wall, door and room tools), so each one must read whole with the format
// its reader uses, and a fresh program must start clean: no recent drawing,
// no undo history, nothing to save.
//
// Layouts: numbers separated by single blanks, as the writer's printf format
// leaves them; a counted text follows its numbers, its length being one of
// them. The recent drawings (LASTFILES, four entries) and the last drawing
// (LASTDWG, one entry) hold one name per line instead, an empty line being an
// unused entry; the main form reads and writes LASTFILES that way.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <numbers>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "storage/cfgfile.h"
#include "tests/test_support.h"

namespace {

namespace fs = std::filesystem;

// Marks the files that hold one name per line rather than numbers.
constexpr std::string_view kOneNamePerLine = "one name per line";

struct ShippedSetting {
  std::string_view name;    // the file is "CFG\<name>.CFG"
  std::string_view format;  // the reader's scanf format, or kOneNamePerLine
  int count;                // values (or lines) a complete file gives
  std::vector<int> textLengths = {};  // 1-based values that count a text after the numbers
  std::vector<int> colours = {};      // 1-based values that are RGB colours
};

const std::vector<ShippedSetting>& Shipped() {
  static const std::vector<ShippedSetting> table = {
      // Start-up of the main form.
      {"CLR", "%ld %ld %ld\n", 3, {}, {1, 2, 3}},
      {"GUIDE", "%d %ld\n", 2, {}, {2}},
      {"SAVE", "%d\n", 1},
      {"AUTOSCROLL", "%d\n", 1},
      {"LASTFILES", kOneNamePerLine, 4},
      {"LASTDWG", kOneNamePerLine, 1},
      {"LASTACT", "%d %d %d %d %d %d %d %d %d %d\n", 10},
      // Sheet, zoom and printing.
      {"DWGSIZEM", "%ld %ld", 2},
      {"DWGSIZEI", "%ld %ld", 2},
      {"SCALEVIEWM", "%f %f", 2},
      {"SCALEVIEWI", "%f %f", 2},
      {"ZOOM", "%d %d", 2},
      {"PRINT", "%d %d %d %d %d %d %d %d %d %d %d %d\n", 12},
      {"OVERLAY", "%d %d %d %d %d %d %d", 7},
      // Dimensions, titles and the layout grid.
      {"ARROW", "%d %d", 2},
      {"MOFFSET", "%d %d %d %d %d %d %d", 7},
      {"IOFFSET", "%d %d %d %d %d %d %d", 7},
      {"TITLE2D", "%d %d %d %d %d %d ", 6, {1, 2, 3, 4, 5, 6}},
      {"LYTGRIDM", "%d %ld\n", 2, {}, {2}},
      {"LYTGRIDI", "%d %ld\n", 2, {}, {2}},
      {"BOUNDS", "%ld %ld %ld %ld\n", 4},
      {"LTEXT", "%d %d\n", 2, {2}},
      // Design rooms.
      {"MERGEM", "%d\n", 1},
      {"MERGEI", "%d\n", 1},
      {"RMCLR", "%ld %ld %ld", 3, {}, {1, 2, 3}},
      {"NEWRM", "%d %d", 2},
      {"RMPTNM", "%d %d %d %d %d %d", 6},
      {"RMPTNI", "%d %d %d %d %d %d", 6},
      // Walls, windows and doors.
      {"PTNM", "%d", 1},
      {"PTNI", "%d", 1},
      {"EXTWALLM", "%d %d %d %ld %ld %ld %ld %ld %ld %d %d %d %d %ld", 14, {}, {14}},
      {"EXTWALLI", "%d %d %d %ld %ld %ld %ld %ld %ld %d %d %d %d %ld", 14, {}, {14}},
      {"WIND", "%d %d %d %d %d %d %d %d %d %d %d %d %d %ld %ld %ld %ld %ld", 18, {10}},
      {"DOOR", "%d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %ld %ld %ld %ld %ld %ld %ld", 22, {11}},
      {"INTERN", "%d %d %lf %lf", 4},
      // Shapes, floors and their fills.
      {"FILLCLR", "%ld\n", 1, {}, {1}},
      {"FLOORS", "%d %d %d %d\n", 4},
      {"FLOORCLR", "%ld %ld\n", 2, {}, {1, 2}},
      {"WALLCHANGE", "%d %d %d %d %d", 5},
      {"FLOORCHANGE", "%d %d %d\n", 3},
      // The furniture and fixture designer's parameters, a pair per kind.
      {"BEDM", "%d %d %d %d\n", 4},       {"BEDI", "%d %d %d %d\n", 4},
      {"TABLEM", "%d %d %d %d\n", 4},     {"TABLEI", "%d %d %d %d\n", 4},
      {"STAIRSM", "%d %d %d\n", 3},       {"STAIRSI", "%d %d %d\n", 3},
      {"BATHM", "%d %d\n", 2},            {"BATHI", "%d %d\n", 2},
      {"LOUNGEM", "%d %d %d %d\n", 4},    {"LOUNGEI", "%d %d %d %d\n", 4},
      {"SINKM", "%d %d %d %d\n", 4},      {"SINKI", "%d %d %d %d\n", 4},
      {"SHOWERM", "%d %d\n", 2},          {"SHOWERI", "%d %d\n", 2},
      {"COOKTOPM", "%d %d %d\n", 3},      {"COOKTOPI", "%d %d %d\n", 3},
      {"VANITYM", "%d %d %d\n", 3},       {"VANITYI", "%d %d %d\n", 3},
      {"PLANTM", "%d %d\n", 2},           {"PLANTI", "%d %d\n", 2},
      {"LIGHTSM", "%d %d %d %d %d %d\n", 6}, {"LIGHTSI", "%d %d %d %d %d %d\n", 6},
      {"WORKTOPM", "%d %d %d\n", 3},      {"WORKTOPI", "%d %d %d\n", 3},
  };
  return table;
}

// Test names show the file, not the row's bytes.
void PrintTo(const ShippedSetting& s, std::ostream* os) { *os << s.name << ".CFG"; }

const ShippedSetting& Row(std::string_view name) {
  const auto& table = Shipped();
  auto it = std::find_if(table.begin(), table.end(), [&](const auto& s) { return s.name == name; });
  if (it == table.end()) throw std::logic_error("no table row for " + std::string(name));
  return *it;
}

std::string ProgramPath(std::string_view name) { return "CFG\\" + std::string(name) + ".CFG"; }

int Conversions(std::string_view format) {
  return static_cast<int>(std::count(format.begin(), format.end(), '%'));
}

// What the file gives when read the way its reader reads it.
struct ReadBack {
  bool open = false;
  std::vector<double> values;      // numbers, or one entry per line for name files
  std::vector<std::string> texts;  // counted texts, or the names
  bool fullTexts = true;           // every counted text had all its characters
  bool nothingLeft = false;        // only blanks follow what the reader takes
  std::string raw;

  std::int32_t Int(int position) const { return static_cast<std::int32_t>(values.at(position - 1)); }
};

ReadBack ReadNames(const ShippedSetting& s) {
  ReadBack out;
  auto raw = plat::ReadWholeFile(ProgramPath(s.name));
  if (!raw) return out;
  out.open = true;
  out.raw = *raw;
  std::size_t pos = 0;
  while (pos < raw->size()) {
    std::size_t end = raw->find('\n', pos);
    if (end == std::string::npos) end = raw->size();
    out.texts.push_back(raw->substr(pos, end - pos));
    out.values.push_back(static_cast<double>(out.texts.size()));
    pos = end + 1;
  }
  out.nothingLeft = true;
  return out;
}

// Follows the scanf format: blanks skip white space, %d/%ld read integers and
// %f/%lf reals, stopping at the first conversion that fails; then the counted
// texts, character by character.
ReadBack ReadLikeItsReader(const ShippedSetting& s) {
  if (s.format == kOneNamePerLine) return ReadNames(s);
  ReadBack out;
  out.raw = plat::ReadWholeFile(ProgramPath(s.name)).value_or("");
  cfg::Reader r(ProgramPath(s.name));
  out.open = r.IsOpen();
  for (std::size_t i = 0; i < s.format.size(); ++i) {
    char c = s.format[i];
    if (std::isspace(static_cast<unsigned char>(c))) {
      r.SkipSpace();
      continue;
    }
    if (c != '%') continue;
    if (s.format[i + 1] == 'l') ++i;
    const char conversion = s.format[++i];
    if (conversion == 'd') {
      std::int32_t v = 0;
      if (!r.Int(v)) break;
      out.values.push_back(v);
    } else {
      double v = 0;
      if (!r.Real(v)) break;
      out.values.push_back(v);
    }
  }
  for (int position : s.textLengths) {
    if (position > static_cast<int>(out.values.size())) break;
    const auto length = static_cast<std::size_t>(std::max(0, out.Int(position)));
    out.texts.push_back(r.Chars(length));
    out.fullTexts = out.fullTexts && out.texts.back().size() == length;
  }
  r.SkipSpace();
  out.nothingLeft = r.AtEnd();
  return out;
}

class ShippedSettings : public ::testing::Test {
 protected:
  ScratchProgramDir dir;  // a program directory holding the shipped CFG folder
  ReadBack Read(std::string_view name) { return ReadLikeItsReader(Row(name)); }
};

// --- Every file reads whole with its reader's format --------------------------------

class EachShippedSetting : public ::testing::TestWithParam<ShippedSetting> {
 protected:
  ScratchProgramDir dir;
};

TEST_P(EachShippedSetting, ReadsWholeWithItsReadersFormat) {
  const ShippedSetting& s = GetParam();
  if (s.format != kOneNamePerLine) {
    ASSERT_EQ(Conversions(s.format), s.count) << "the table's format and count disagree";
  }
  const ReadBack file = ReadLikeItsReader(s);
  ASSERT_TRUE(file.open) << ProgramPath(s.name) << " is missing";
  EXPECT_EQ(static_cast<int>(file.values.size()), s.count) << "raw: \"" << file.raw << "\"";
  EXPECT_TRUE(file.fullTexts) << "a counted text is shorter than its length";
  EXPECT_TRUE(file.nothingLeft) << "more follows what the reader takes: \"" << file.raw << "\"";
  if (s.format != kOneNamePerLine) {
    // One line: a line end can only close it.
    const auto firstBreak = file.raw.find('\n');
    EXPECT_TRUE(firstBreak == std::string::npos || firstBreak + 1 == file.raw.size())
        << "raw: \"" << file.raw << "\"";
    EXPECT_EQ(file.raw.find("  "), std::string::npos) << "values are one blank apart";
    EXPECT_EQ(file.raw.find('\r'), std::string::npos);
  }
}

INSTANTIATE_TEST_SUITE_P(CfgFolder, EachShippedSetting, ::testing::ValuesIn(Shipped()),
                         [](const auto& info) { return std::string(info.param.name); });

// --- The folder and the table agree ------------------------------------------------

TEST(ShippedFolder, HoldsExactlyTheFilesOfTheTable) {
  const fs::path cfg = fs::path(TW_SOURCE_DIR) / "data" / "CFG";
  std::set<std::string> listed;
  for (const auto& s : Shipped()) {
    const std::string file = std::string(s.name) + ".CFG";
    EXPECT_TRUE(listed.insert(file).second) << file << " is listed twice";
    // Exactly this name: the program finds files whatever their case, but a
    // case-sensitive checkout must not hold two spellings.
    EXPECT_TRUE(fs::is_regular_file(cfg / file)) << file << " is listed but not shipped";
  }
  for (const auto& entry : fs::directory_iterator(cfg)) {
    EXPECT_TRUE(listed.count(entry.path().filename().string()))
        << entry.path().filename() << " ships without a row in the table";
  }
}

TEST(ShippedFolder, HasEveryProgramFolderReadyEvenWhenEmpty) {
  for (const char* folder : {"DWGS", "ACT", "LIBS", "EXPORT", "WDS"}) {
    const fs::path keep = fs::path(TW_SOURCE_DIR) / "data" / folder / ".keep";
    EXPECT_TRUE(fs::is_regular_file(keep)) << keep;
  }
}

TEST(ShippedFolder, ShipsImperialAndMetricTwinsTogether) {
  const std::pair<std::string_view, std::string_view> twins[] = {
      {"DWGSIZEI", "DWGSIZEM"}, {"SCALEVIEWI", "SCALEVIEWM"}, {"IOFFSET", "MOFFSET"},
      {"LYTGRIDI", "LYTGRIDM"}, {"MERGEI", "MERGEM"},         {"RMPTNI", "RMPTNM"},
      {"PTNI", "PTNM"},         {"EXTWALLI", "EXTWALLM"},
  };
  for (const auto& [imperial, metric] : twins) {
    SCOPED_TRACE(std::string(imperial) + " / " + std::string(metric));
    EXPECT_EQ(Row(imperial).format, Row(metric).format);
    EXPECT_EQ(Row(imperial).count, Row(metric).count);
  }
}

// --- What the values mean ----------------------------------------------------------

TEST_F(ShippedSettings, ColoursAreRgbValues) {
  for (const auto& s : Shipped()) {
    const ReadBack file = ReadLikeItsReader(s);
    for (int position : s.colours) {
      ASSERT_LE(position, static_cast<int>(file.values.size())) << s.name;
      EXPECT_GE(file.Int(position), 0) << s.name << " value " << position;
      EXPECT_LE(file.Int(position), 0xFFFFFF) << s.name << " value " << position;
    }
  }
  const ReadBack clr = Read("CLR");
  EXPECT_NE(clr.Int(1), clr.Int(2)) << "the drawing colour must show on the background";
  EXPECT_NE(clr.Int(1), clr.Int(3)) << "overlaid floors must show on the background";
}

TEST_F(ShippedSettings, ClickedDimensionsAreDrawnAndFloorChangesAreNotCancelled) {
  // The second ARROW value becomes a dimension's Shown flag; only 1 draws.
  EXPECT_EQ(Read("ARROW").Int(2), 1);
  EXPECT_GT(Read("ARROW").Int(1), 0) << "end segments of a clicked dimension";
  // A third FLOORCHANGE value other than 0 cancels every floor change.
  EXPECT_EQ(Read("FLOORCHANGE").Int(3), 0);
}

TEST_F(ShippedSettings, AFreshProgramHasNoHistory) {
  const ReadBack recent = Read("LASTFILES");
  ASSERT_EQ(recent.texts.size(), 4u);
  for (const auto& name : recent.texts) EXPECT_EQ(name, "");
  EXPECT_EQ(Read("LASTDWG").texts, std::vector<std::string>{""});
  for (double view : Read("LASTACT").values) EXPECT_EQ(view, 0) << "no undo steps";
  EXPECT_EQ(Read("SAVE").Int(1), 0) << "nothing to ask about";
  for (double floor : Read("FLOORS").values) EXPECT_EQ(floor, 0) << "no upper floors";
}

TEST_F(ShippedSettings, OverlaysShowTheGroundFloorOnly) {
  const ReadBack overlay = Read("OVERLAY");
  EXPECT_EQ(overlay.values, (std::vector<double>{0, 1, 0, 0, 0, 0, 0}));
}

TEST_F(ShippedSettings, SheetIsFortyByThirtyMetresInBothUnits) {
  const ReadBack metric = Read("DWGSIZEM");    // 5 mm per mapping unit
  const ReadBack imperial = Read("DWGSIZEI");  // 1/4 inch per mapping unit
  for (int i : {1, 2}) {
    EXPECT_GT(metric.Int(i), 0);
    EXPECT_GT(imperial.Int(i), 0);
    // The viewport keeps the sheet on whole steps of 25 and 24 units.
    EXPECT_EQ(metric.Int(i) % 25, 0);
    EXPECT_EQ(imperial.Int(i) % 24, 0);
  }
  EXPECT_EQ(metric.Int(1) * 5, 40000);
  EXPECT_EQ(metric.Int(2) * 5, 30000);
  for (int i : {1, 2}) {
    const double metricMm = metric.Int(i) * 5.0;
    const double imperialMm = imperial.Int(i) * 25.4 / 4;
    EXPECT_NEAR(imperialMm / metricMm, 1.0, 0.02) << "the twins describe the same sheet";
  }
  EXPECT_GT(Read("ZOOM").Int(1), 0);
  EXPECT_GT(Read("SCALEVIEWM").values[1], 0.0);
  EXPECT_GT(Read("SCALEVIEWI").values[1], 0.0);
}

TEST_F(ShippedSettings, WallsAreBrickVeneerOfTheSameBuildInBothUnits) {
  const ReadBack metric = Read("EXTWALLM");    // millimetres
  const ReadBack imperial = Read("EXTWALLI");  // 1/24 inch
  for (const ReadBack* wall : {&metric, &imperial}) {
    EXPECT_GT(wall->Int(1), 0) << "outer leaf";
    EXPECT_GT(wall->Int(2), 0) << "cavity";
    EXPECT_GT(wall->Int(3), 0) << "inner leaf";
  }
  for (int layer : {1, 2, 3}) {
    EXPECT_NEAR(imperial.Int(layer) * 25.4 / 24, metric.Int(layer), 0.1 * metric.Int(layer) + 1);
  }
  EXPECT_GT(Read("PTNM").Int(1), 0);
  EXPECT_GT(Read("PTNI").Int(1), 0);
  for (const char* rooms : {"RMPTNM", "RMPTNI"})
    for (double size : Read(rooms).values) EXPECT_GT(size, 0) << rooms;
  EXPECT_GT(Read("MERGEM").Int(1), 0);
  EXPECT_GT(Read("MERGEI").Int(1), 0);
}

TEST_F(ShippedSettings, DoorsAndWindowsStartAsOrdinaryOnes) {
  const ReadBack door = Read("DOOR");
  const std::set<int> doorKinds = {10, 11, 12, 13, 14, 15, 16, 19, 21, 24};
  EXPECT_TRUE(doorKinds.count(door.Int(1))) << door.Int(1);
  EXPECT_GT(door.Int(5), 0) << "leaf width";
  EXPECT_GE(door.Int(6), 1) << "door count";
  EXPECT_LE(door.Int(6), 10);
  EXPECT_EQ(door.Int(3), door.Int(5) * door.Int(6)) << "opening width of hanging doors";

  const ReadBack window = Read("WIND");
  EXPECT_GE(window.Int(1), 1) << "window kind";
  EXPECT_LE(window.Int(1), 9);
  EXPECT_GT(window.Int(2), 0) << "width";
  EXPECT_GT(window.Int(3), 0) << "height";

  // The door swing: the angle with its own sine and cosine.
  const ReadBack swing = Read("INTERN");
  EXPECT_TRUE(swing.Int(1) == 30 || swing.Int(1) == 60 || swing.Int(1) == 90);
  EXPECT_TRUE(swing.Int(2) == 1 || swing.Int(2) == 2) << "door line width";
  const double radians = swing.Int(1) * std::numbers::pi / 180;
  EXPECT_NEAR(swing.values[2], std::sin(radians), 1e-6);
  EXPECT_NEAR(swing.values[3], std::cos(radians), 1e-6);
}

TEST_F(ShippedSettings, EveryViewHasATitleThatFitsTheTitleBlock) {
  const ReadBack titles = Read("TITLE2D");
  ASSERT_EQ(titles.texts.size(), 6u);
  for (const auto& title : titles.texts) {
    EXPECT_FALSE(title.empty());
    EXPECT_LE(title.size(), 24u) << title;
    EXPECT_FALSE(std::isspace(static_cast<unsigned char>(title.front())))
        << "the reader skips blanks before the first title";
  }
  EXPECT_GT(Read("LYTGRIDM").Int(1), 0) << "grid spacing";
  EXPECT_GT(Read("LYTGRIDI").Int(1), 0) << "grid spacing";
}

TEST_F(ShippedSettings, TextAlongALineStartsEmpty) {
  // Read whenever a line tool finishes with its text step; an empty text adds
  // nothing.
  EXPECT_EQ(Read("LTEXT").Int(2), 0);
}

}  // namespace
