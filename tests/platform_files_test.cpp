// Program paths below the program directory: backslashes, any case, and
// files replaced whole or not at all.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/files.h"
#include "tests/test_support.h"

namespace fs = std::filesystem;

namespace {

int FilesIn(const std::string& dir) {
  int n = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir)) ++n;
  return n;
}

}  // namespace

TEST(PlatformFiles, ScratchDirectoryHasTheProgramFolders) {
  ScratchProgramDir dir;
  EXPECT_EQ(plat::ProgramDirectory(), dir.Root());
  for (const char* folder : {"CFG", "DWGS", "ACT", "LIBS", "EXPORT", "WDS"})
    EXPECT_TRUE(fs::is_directory(dir.Root() + "/" + folder)) << folder;
}

TEST(PlatformFiles, BackslashPathsLandBelowTheProgramDirectory) {
  ScratchProgramDir dir;
  EXPECT_EQ(plat::MapPath("CFG\\CLR.CFG"), dir.Root() + "/CFG/CLR.CFG");
  EXPECT_EQ(plat::MapPath("DWGS\\house.KWV"), dir.Root() + "/DWGS/house.KWV");
  // Folder paths keep their trailing separator.
  EXPECT_EQ(plat::MapPath("DWGS\\"), dir.Root() + "/DWGS/");
  // The program's own absolute form, program directory + backslash + path.
  EXPECT_EQ(plat::MapPath(dir.Root() + "\\CFG\\CLR.CFG"), dir.Root() + "/CFG/CLR.CFG");
}

TEST(PlatformFiles, ExistingNamesAreFoundWhateverTheirCase) {
  ScratchProgramDir dir;
  fs::create_directory(dir.Root() + "/Libs2");
  dir.WriteFile("Libs2/Beds.plm", "x");
  EXPECT_EQ(plat::MapPath("LIBS2\\BEDS.PLM"), dir.Root() + "/Libs2/Beds.plm");
  EXPECT_EQ(plat::ReadWholeFile("libs2\\beds.PLM").value_or("missing"), "x");
  EXPECT_TRUE(plat::FileExists("LIBS2\\BEDS.PLM"));
  // A name that does not exist yet is kept as written, in the matched folder.
  EXPECT_EQ(plat::MapPath("LIBS2\\NEW.PLM"), dir.Root() + "/Libs2/NEW.PLM");
  EXPECT_EQ(plat::MapPath("NOPE\\x.CFG"), dir.Root() + "/NOPE/x.CFG");
}

TEST(PlatformFiles, AnExactMatchWinsOverOtherSpellings) {
  ScratchProgramDir dir;
  // Written by their real paths: the helper would match the first name.
  std::ofstream(dir.Root() + "/DWGS/plan.KWV") << "lower";
  std::ofstream(dir.Root() + "/DWGS/PLAN.KWV") << "upper";
  EXPECT_EQ(plat::ReadWholeFile("DWGS\\PLAN.KWV").value_or(""), "upper");
  EXPECT_EQ(plat::ReadWholeFile("DWGS\\plan.KWV").value_or(""), "lower");
}

TEST(PlatformFiles, ReadingAMissingFileGivesNothing) {
  ScratchProgramDir dir;
  EXPECT_FALSE(plat::ReadWholeFile("CFG\\NOSUCH.CFG").has_value());
  EXPECT_EQ(plat::OpenFile("CFG\\NOSUCH.CFG", "r"), nullptr);
  dir.WriteFile("CFG/EMPTY.CFG", "");
  EXPECT_EQ(plat::ReadWholeFile("CFG\\EMPTY.CFG"), std::optional<std::string>(""));
}

TEST(PlatformFiles, AtomicWriteReplacesTheFileWhole) {
  ScratchProgramDir dir;
  dir.WriteFile("DWGS/a.KWV", "old contents that are longer");
  ASSERT_TRUE(plat::WriteFileAtomic("dwgs\\A.kwv", "new"));
  EXPECT_EQ(dir.ReadFile("DWGS/a.KWV"), "new");
  EXPECT_EQ(FilesIn(dir.Root() + "/DWGS"), 1);  // no temporary left behind
  ASSERT_TRUE(plat::WriteFileAtomic("DWGS\\b.KWV", "fresh"));
  EXPECT_EQ(dir.ReadFile("DWGS/b.KWV"), "fresh");
}

TEST(PlatformFiles, AtomicWriteKeepsTheOldFileWhenTheFolderIsReadOnly) {
  ScratchProgramDir dir;
  dir.WriteFile("CFG/KEEP.CFG", "1 2 3\n");
  const int files = FilesIn(dir.Root() + "/CFG");
  // Readable but not writable, also for the group: the file access checked
  // is nobody's in group 0.
  const auto readOnly = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                        fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec;
  fs::permissions(dir.Root(), readOnly | fs::perms::owner_write);
  fs::permissions(dir.Root() + "/CFG", readOnly);
  {
    FileAccessAsNobody nobody;
    EXPECT_EQ(plat::ReadWholeFile("CFG\\KEEP.CFG").value_or(""), "1 2 3\n");
    EXPECT_FALSE(plat::WriteFileAtomic("CFG\\KEEP.CFG", "9 9 9\n"));
  }
  fs::permissions(dir.Root() + "/CFG", fs::perms::owner_all);
  EXPECT_EQ(dir.ReadFile("CFG/KEEP.CFG"), "1 2 3\n");
  EXPECT_EQ(FilesIn(dir.Root() + "/CFG"), files);
}

TEST(PlatformFiles, AWriteOfWhatTheFileHoldsLeavesItUntouched) {
  ScratchProgramDir dir;
  const std::string path = dir.Root() + "/CFG/SAME.CFG";
  auto inode = [&path] {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 ? st.st_ino : 0;
  };
  int heard = 0;
  plat::SetFileObserver([&heard](const plat::FileTraffic&) { ++heard; });
  ASSERT_TRUE(plat::WriteFileAtomic("CFG\\SAME.CFG", "1 2 3\n"));
  const ino_t first = inode();
  struct stat before;
  ASSERT_EQ(::stat(path.c_str(), &before), 0);
  // Read-only now: the same content needs no write, and none is tried.
  // (The group bits count: the file access checked is nobody's in group 0.)
  const auto readOnly = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                        fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec;
  fs::permissions(dir.Root(), readOnly | fs::perms::owner_write);
  fs::permissions(dir.Root() + "/CFG", readOnly);
  {
    FileAccessAsNobody nobody;
    EXPECT_TRUE(plat::WriteFileAtomic("CFG\\SAME.CFG", "1 2 3\n"));
  }
  fs::permissions(dir.Root() + "/CFG", fs::perms::owner_all);
  struct stat after;
  ASSERT_EQ(::stat(path.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, first);
  EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
  EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
  EXPECT_EQ(heard, 1);
  // Other bytes of the same length, another length, or a simulated failing
  // disk: a write (or its failure) as ever.
  EXPECT_TRUE(plat::WriteFileAtomic("CFG\\SAME.CFG", "1 2 4\n"));
  EXPECT_NE(inode(), first);
  EXPECT_TRUE(plat::WriteFileAtomic("CFG\\SAME.CFG", "1 2 4\n\n"));
  EXPECT_EQ(dir.ReadFile("CFG/SAME.CFG"), "1 2 4\n\n");
  EXPECT_EQ(heard, 3);
  plat::SimulateWriteFailure("CFG\\", EROFS);
  EXPECT_EQ(plat::WriteFileAtomic("CFG\\SAME.CFG", "1 2 4\n\n").error, EROFS);
  plat::SimulateWriteFailure("", 0);
  // A link at the name is replaced by a file, even when it leads to the
  // same content.
  dir.WriteFile("CFG/TARGET.CFG", "linked");
  fs::create_symlink(dir.Root() + "/CFG/TARGET.CFG", dir.Root() + "/CFG/LINK.CFG");
  EXPECT_TRUE(plat::WriteFileAtomic("CFG\\LINK.CFG", "linked"));
  EXPECT_FALSE(fs::is_symlink(dir.Root() + "/CFG/LINK.CFG"));
  EXPECT_EQ(heard, 4);
  plat::SetFileObserver({});
}

TEST(PlatformFiles, AtomicWriteIntoAMissingFolderFailsCleanly) {
  ScratchProgramDir dir;
  EXPECT_FALSE(plat::WriteFileAtomic("NOFOLDER\\x.CFG", "data"));
  EXPECT_FALSE(fs::exists(dir.Root() + "/NOFOLDER"));
}

TEST(PlatformFiles, AtomicWriteOverAFolderKeepsItAndLeavesNoTemporary) {
  ScratchProgramDir dir;
  fs::create_directory(dir.Root() + "/DWGS/taken.KWV");
  EXPECT_FALSE(plat::WriteFileAtomic("DWGS\\taken.KWV", "data"));
  EXPECT_TRUE(fs::is_directory(dir.Root() + "/DWGS/taken.KWV"));
  EXPECT_EQ(FilesIn(dir.Root() + "/DWGS"), 1);
}

TEST(PlatformFiles, TheObserverHearsOfEveryWholeReadAndReplacementThatHappened) {
  ScratchProgramDir dir;
  std::vector<std::string> heard;
  plat::SetFileObserver([&heard](const plat::FileTraffic& t) {
    heard.push_back((t.op == plat::FileTraffic::Op::Write ? "write " : "read ") +
                    std::string(t.path) + " " + std::to_string(t.bytes));
  });
  ASSERT_TRUE(plat::WriteFileAtomic("DWGS\\A.KWV", "12345"));
  EXPECT_TRUE(plat::ReadWholeFile("DWGS\\A.KWV").has_value());
  EXPECT_FALSE(plat::ReadWholeFile("DWGS\\NONE.KWV").has_value());
  EXPECT_FALSE(plat::WriteFileAtomic("NOFOLDER\\x.CFG", "data"));
  plat::SetFileObserver({});
  plat::WriteFileAtomic("DWGS\\A.KWV", "unheard");
  const std::string a = dir.Path("DWGS\\A.KWV");
  EXPECT_EQ(heard, (std::vector<std::string>{"write " + a + " 5", "read " + a + " 5"}));
}

TEST(PlatformFiles, DeleteAndRenameTakeProgramPaths) {
  ScratchProgramDir dir;
  dir.WriteFile("ACT/Action1.tmp", "s");
  EXPECT_TRUE(plat::RenameFile("ACT\\ACTION1.TMP", "ACT\\Action2.tmp"));
  EXPECT_TRUE(dir.Exists("ACT/Action2.tmp"));
  EXPECT_TRUE(plat::DeleteFile("act\\action2.tmp"));
  EXPECT_FALSE(dir.Exists("ACT/Action2.tmp"));
  EXPECT_FALSE(plat::DeleteFile("ACT\\Action2.tmp"));
}

TEST(PlatformFiles, ScratchDirectoryIsRemovedAndTheOldOneRestored) {
  const std::string before = plat::ProgramDirectory();
  std::string root;
  {
    ScratchProgramDir dir;
    root = dir.Root();
    fs::permissions(root + "/ACT", fs::perms::owner_read | fs::perms::owner_exec);
  }
  EXPECT_FALSE(fs::exists(root));
  EXPECT_EQ(plat::ProgramDirectory(), before);
}
