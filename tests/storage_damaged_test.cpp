// Drawings that are damaged or are not drawings at all: a file cut anywhere
// keeps only whole elements and says it is incomplete; a pipe, a device or a
// file larger than any drawing is never read; a rewrite keeps the file's
// permissions.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>

#include "platform/services.h"
#include "shell/mainform.h"
#include "storage/damaged_files.h"
#include "storage/record_codec.h"
#include "storage/unwritten_files.h"
#include "tests/storage_fixture.h"

namespace {

// Three lines and a text, as the writer lays them out.
std::string ThreeElements() {
  TFlist list;
  InitDrawingList();
  for (int i = 0; i < 3; ++i)
    list.Add(new TLineobj(kind::Line, view::Ground, 0, 0, 20000 + i, 0, 20500, 0, 15000, 15251 + i,
                          0, 0, 0, 1, 0));
  list.Add(new TTextobj(kind::Text, view::Ground, 0, 0, 20000, 15000, 0, 0, 0, 0, 0, 0, 1, 0, 10,
                        400, "", "HALL"));
  return storage::FormatList(list, storage::HeaderFromGlobals(0), storage::PageCentre());
}

class DamagedFiles : public StorageTest {};

TEST_F(DamagedFiles, AFileCutAnywhereKeepsOnlyTheElementsWhoseLinesEnded) {
  const std::string whole = ThreeElements();
  // Each element is its kind line and one record line: its record ends
  // with every second newline after the header's.
  std::vector<std::size_t> recordEnds;
  int newlines = 0;
  for (std::size_t i = 0; i < whole.size(); ++i)
    if (whole[i] == '\n' && ++newlines % 2 == 1 && newlines > 1) recordEnds.push_back(i + 1);
  ASSERT_EQ(recordEnds.size(), 4u);
  for (std::size_t n = 0; n <= whole.size(); ++n) {
    TFlist list;
    const auto r = storage::ParseInto(std::string_view(whole).substr(0, n), list, {});
    int wholeRecords = 0;
    for (std::size_t end : recordEnds) wholeRecords += end <= n;
    EXPECT_EQ(r.appended, wholeRecords) << "cut at " << n;
    EXPECT_EQ(r.complete, n == whole.size()) << "cut at " << n;
    // A record's last line ends at its newline: "... 15251" cut to "... 1525"
    // is not the element.
    if (n + 1 == recordEnds[0]) {
      EXPECT_EQ(r.appended, 0);
    }
  }
}

TEST_F(DamagedFiles, OpeningADrawingReadInPartSaysSoAndKeepsTheFileAsItWas) {
  ScratchProgramDir& dir = Dir();
  std::string text = ThreeElements();
  text = "9" + text.substr(1);  // the header promises more than the file holds
  dir.WriteFile("DWGS\\HALL.KWV", text);
  plat::ManualTimer timer;
  TMainForm form(timer);
  DefaultTestUi()
      .ExpectMessageDlg(plat::MsgType::Information, plat::mbOK, plat::mrOk)
      .WithText("Only part of drawing HALL could be read: 4 of 9 elements. The header counts "
                "more elements than the file holds. The file as it was is kept as " +
                dir.Root() + "/DWGS/HALL.DAMAGED.");
  ASSERT_TRUE(form.OpenNamedDrawing("HALL"));
  EXPECT_EQ(dir.ReadFile("DWGS\\HALL.DAMAGED"), text);
  EXPECT_EQ(DrawingList.Count(), 4);

  // Rewritten whole, it opens without a word; an older copy is never lost.
  DrawingList.WriteDrawingFile(dtDrawing);
  ASSERT_TRUE(form.OpenNamedDrawing("HALL"));
  dir.WriteFile("DWGS\\HALL.KWV", "8" + text.substr(1));
  DefaultTestUi().ExpectMessageDlg(plat::MsgType::Information, plat::mbOK, plat::mrOk)
      .Containing("kept as " + dir.Root() + "/DWGS/HALL.DAMAGED2.");
  ASSERT_TRUE(form.OpenNamedDrawing("HALL"));
}

TEST_F(DamagedFiles, ATextOrPolygonLargerThanItsElementIsToldAndTheFileKeptAsItWas) {
  ScratchProgramDir& dir = Dir();
  std::string points;
  for (int i = 0; i < 25; ++i) points += std::to_string(i * 100) + " 0 " + std::to_string(i) + "\n";
  const std::string text = "3 0 0 0 1 0\n"
                           "1\n1 120 0 0 0 0 100 0 0 0 0 0 0 1 0\n"
                           "4\n4 120 0 0 0 0 0 0 0 0 1000 0 0 5 10 400 Arial" +
                           std::string(1000, 'x') +
                           "\n"
                           "3131\n3131 120 0 0 0 0 0 0 25 0 0 0 0 0 0 0 0 0\n" +
                           points + "0\n0\n0\n0\n";
  dir.WriteFile("DWGS\\BIG.KWV", text);
  plat::ManualTimer timer;
  TMainForm form(timer);
  DefaultTestUi()
      .ExpectMessageDlg(plat::MsgType::Information, plat::mbOK, plat::mrOk)
      .WithText("Drawing BIG was opened with all 3 of its elements. 2 elements could not "
                "be kept whole: 921 characters of text and 6 polygon points left out. The file "
                "as it was is kept as " + dir.Root() + "/DWGS/BIG.DAMAGED.");
  ASSERT_TRUE(form.OpenNamedDrawing("BIG"));
  ASSERT_EQ(DrawingList.Count(), 3);
  EXPECT_EQ(static_cast<TTextobj*>(DrawingList.At(1))->TextLength, kTextCapacity - 1);
  EXPECT_EQ(static_cast<TPolyobj*>(DrawingList.At(2))->PointCount, kMaxPolyPoints);

  // The next write keeps what the drawing holds; all the file held stays
  // beside it, and the rewritten drawing opens without a word.
  DrawingList.WriteDrawingFile(dtDrawing);
  EXPECT_LT(dir.ReadFile("DWGS\\BIG.KWV").size(), text.size());
  EXPECT_EQ(dir.ReadFile("DWGS\\BIG.DAMAGED"), text);
  ASSERT_TRUE(form.OpenNamedDrawing("BIG"));
}

// Whatever a drawing's file holds, opening it never drops part of it
// unsaid: the user is told what was wrong and the file is kept byte for
// byte, whether what could be read is shown or the open drawing stays.
TEST_F(DamagedFiles, AFileThatCannotBeReadWholeIsToldHowAndKeptAsItWas) {
  const std::string header = "1 0 0 0 1 0\n";
  const std::string circle = "6\n6 120 0 0 0 0 0 0 0 0 0 0 1 0\n";
  const std::string text = "4\n4 120 0 0 0 0 0 0 0 0 4 0 1 0 10 400 HALL\n";
  auto polygon = [](const char* points) {
    return std::string("3131\n3131 120 0 0 0 0 ") + points +
           " 0 0 0 0 0 0 0 0 0\n0\n0\n0\n0\n";
  };
  std::mt19937 random(7);
  std::string noise(1 << 20, '\0');
  for (char& c : noise) c = static_cast<char>(random());
  const std::size_t big = 4 << 20;
  struct Case {
    const char* name;
    std::string bytes;
    bool opened;  // what could be read is shown
    std::string how;
  };
  const Case cases[] = {
      {"EMPTY", "", false, "the file is empty"},
      {"NOISE", noise, false, "the file does not begin with a drawing's header"},
      {"LINE", std::string(big, 'x'), false, "the file does not begin with a drawing's header"},
      {"DIGITS", std::string(big, '7'), false, "the header is incomplete"},
      {"SPACES", std::string(big, ' '), false, "the file holds nothing but blank space"},
      {"NEGATIVE", "-1 0 0 0 1 0\n" + circle, false, "a negative number of elements (-1)"},
      {"HEADER", "1 0 0", false, "the header is incomplete"},
      {"POINTS", header + polygon("0 0 1000000") + "0 0 0\n", false,
       "a polygon counts 1000000 points, more than the file holds"},
      {"NOPOINTS", header + polygon("0 0 -3"), true, "A text length or point count is below zero"},
      {"NONAME", header + "29000\n29000 40 0 0 0 0 0 0 0 0 0 0 0 -2 0 0 \n", true,
       "A text length or point count is below zero"},
      {"HUGETEXT", header + "4\n4 120 0 0 0 0 0 0 0 0 2000000000 0 1 0 10 400 HALL\n", false,
       "a text of 2000000000 characters runs past the end of the file"},
      {"NOTEXT", header + "4\n4 120 0 0 0 0 0 0 0 0 -4 0 1 0 10 400 \n", true,
       "A text length or point count is below zero"},
      {"INFO", header + "77777\n77777 120 0 0 0 0 0\n", false,
       "the file ends within element 1 (kind 77777)"},
      {"KIND", header + "25000\n25000 120 0 0 0 0 0\n", false, "a record of unknown kind 25000"},
      {"BLANK", "0 0 0 0 1 0\n", false, "the file holds no elements"},
      {"COUNT", header + circle + text, true, "More follows the last element its header counts"},
      {"FAR", header + "6\n6 120 0 0 99999999999999999999 0 0 0 0 0 0 0 1 0\n", true,
       "A number lies beyond the range a value can hold"},
  };
  ScratchProgramDir& dir = Dir();
  plat::ManualTimer timer;
  TMainForm form(timer);
  for (const Case& c : cases) {
    const std::string name = c.name;
    dir.WriteFile("DWGS\\" + name + ".KWV", c.bytes);
    DefaultTestUi()
        .ExpectMessageDlg(plat::MsgType::Information, plat::mbOK, plat::mrOk)
        .Containing(c.how);
    EXPECT_EQ(form.OpenNamedDrawing(name), c.opened) << name;
    const std::string told = DefaultTestUi().Log().back().text;
    // Every element counted was read in the cases that open.
    EXPECT_EQ(told.rfind(c.opened ? "Drawing " + name + " was opened with all"
                                  : "Drawing " + name + " could not be read",
                         0),
              0u)
        << told;
    // A file read whole that holds no element loses nothing: it is not copied.
    if (name == "BLANK") {
      EXPECT_EQ(told, "Drawing BLANK could not be read and was not opened: the file holds no "
                      "elements.");
      continue;
    }
    EXPECT_NE(told.find("kept as " + dir.Root() + "/DWGS/" + name + ".DAMAGED."), std::string::npos) << told;
    EXPECT_TRUE(dir.ReadFile("DWGS\\" + name + ".DAMAGED") == c.bytes) << name;
    if (c.opened) {
      EXPECT_EQ(DrawingList.DrawingName, name);
    }
  }
}

TEST_F(DamagedFiles, PipesDevicesAndHugeFilesAreNeverRead) {
  ScratchProgramDir& dir = Dir();
  const std::string fifo = dir.Path("DWGS\\PIPE.KWV");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/zero", dir.Path("DWGS\\") + "ZERO.KWV");
  {
    const int fd = ::open(dir.Path("DWGS\\") .append("HUGE.KWV").c_str(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, off_t(plat::kMaxFileBytes) + 1), 0);
    ::close(fd);
  }
  std::string data;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(plat::ReadFile("DWGS\\PIPE.KWV", data), plat::ReadStatus::Missing);
  EXPECT_EQ(plat::ReadFile("DWGS\\ZERO.KWV", data), plat::ReadStatus::Missing);
  EXPECT_EQ(plat::ReadFile("DWGS\\HUGE.KWV", data), plat::ReadStatus::TooLarge);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));

  // Not drawings, but where drawings belong: said so, and the names stay
  // in the recent list.
  std::filesystem::create_directory(dir.Path("DWGS\\") + "FOLDER.KWV");
  dir.WriteFile("CFG\\LASTFILES.CFG", "PIPE\nZERO\nFOLDER\n");
  plat::ManualTimer timer;
  TMainForm form(timer);
  for (int recent = 0; recent < 3; ++recent) {
    const std::string name = form.RecentFiles[recent];
    DefaultTestUi()
        .ExpectMessageDlg(plat::MsgType::Error, plat::mbCancel, plat::mrCancel)
        .WithText("Drawing " + name + " cannot be read as a drawing: " + dir.Root() + "/DWGS/" +
                  name + ".KWV is not a file, and it was not opened.");
    form.OpenRecentFile(recent);
  }
  EXPECT_EQ(dir.ReadFile("CFG\\LASTFILES.CFG"), "PIPE\nZERO\nFOLDER\n");
  DefaultTestUi()
      .ExpectMessageDlg(plat::MsgType::Error, plat::mbCancel, plat::mrCancel)
      .WithText(dir.Root() + "/DWGS/HUGE.KWV is larger than any drawing can be and was not opened");
  EXPECT_FALSE(form.OpenNamedDrawing("HUGE"));
}

TEST_F(DamagedFiles, ARewrittenDrawingKeepsItsPermissions) {
  InitDrawingList();
  DrawingList.WriteDrawingFile(dtDrawing);
  const std::string live = Dir().Path("DWGS\\House.KWV");
  ASSERT_EQ(::chmod(live.c_str(), 0640), 0);
  DrawingList.Add(new TLineobj(kind::Line, view::Ground, 0, 0, 1, 0, 2, 0, 3, 4, 0, 0, 0, 1, 0));
  DrawingList.WriteDrawingFile(dtDrawing);
  struct stat st;
  ASSERT_EQ(::stat(live.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
}

}  // namespace

namespace {

// Deleting a list file first makes the copy of a damaged one again when it
// went (the delete would lose the only bytes left), and then forgets all it
// knew of the file: what was held for it and that it was damaged.
TEST_F(DamagedFiles, ADeleteKeepsADamagedFilesCopyThenForgetsTheFile) {
  const std::string path = DrawingList.ProgramDir + "DWGS\\House.KWV";
  const std::string copy = "DWGS\\House.DAMAGED";
  const std::string bytes = "3 0 0 0 1 0\n1\n";
  Dir().WriteFile("DWGS\\House.KWV", bytes);
  ASSERT_TRUE(storage::FileFoundDamaged(path, &bytes).kept.Kept());
  std::filesystem::remove(Dir().Path(copy));
  storage::HoldUnwritten(path, "held");

  ASSERT_TRUE(storage::DeleteListFile(path));
  EXPECT_EQ(Dir().ReadFile(copy), bytes);
  EXPECT_FALSE(Dir().Exists("DWGS\\House.KWV"));
  EXPECT_EQ(storage::Unwritten(path), nullptr);

  // A new drawing of the name is no damaged file: its writes make no copy.
  std::filesystem::remove(Dir().Path(copy));
  Dir().WriteFile("DWGS\\House.KWV", "0 0 0 0 1 0\n");
  EXPECT_TRUE(storage::MayReplace(path));
  EXPECT_FALSE(Dir().Exists(copy));
}

}  // namespace
