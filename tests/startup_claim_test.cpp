// One program per program directory: the lock a copy takes at start, that
// the system gives back however the copy ends, and the leftovers of writes
// cut short that only the copy holding the directory clears away.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>

#include "model/globals.h"
#include "planwindow/childwin.h"
#include "platform/instance_lock.h"
#include "shell/startup.h"
#include "tests/planwindow_fixture.h"
#include "tests/test_support.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using State = plat::InstanceLock::State;

// A copy of the program in another process: it takes the lock, says how
// that went, and holds it until it is let go (then it ends by itself) or
// killed.
class OtherCopy {
 public:
  explicit OtherCopy(const std::string& root) {
    if (::pipe(ready_) != 0 || ::pipe(go_) != 0) ADD_FAILURE() << "no pipes";
    pid_ = ::fork();
    if (pid_ == 0) {
      plat::InstanceLock lock(root, "DWGS");
      const char held = lock.Status() == State::Held ? 'y' : 'n';
      char c;
      if (::write(ready_[1], &held, 1) != 1 || ::read(go_[0], &c, 1) < 0) _exit(2);
      _exit(0);
    }
    char held = 0;
    EXPECT_EQ(::read(ready_[0], &held, 1), 1);
    holds = held == 'y';
  }
  ~OtherCopy() {
    for (int fd : {ready_[0], ready_[1], go_[0], go_[1]}) ::close(fd);
  }
  // Ends it and waits until it is gone.
  void End(bool killed) {
    if (killed)
      ::kill(pid_, SIGKILL);
    else
      EXPECT_EQ(::write(go_[1], "x", 1), 1);
    int status = 0;
    ::waitpid(pid_, &status, 0);
  }
  bool holds = false;

 private:
  pid_t pid_ = -1;
  int ready_[2] = {-1, -1};
  int go_[2] = {-1, -1};
};

TEST(ProgramDirectoryLock, IsHeldByOneCopyAtATimeAndFreeAgainHoweverItsHolderEnds) {
  ScratchProgramDir dir;
  {
    plat::InstanceLock first(dir.Root(), "DWGS");
    EXPECT_EQ(first.Status(), State::Held);
    EXPECT_EQ(plat::InstanceLock(dir.Root(), "DWGS").Status(), State::Taken);
    OtherCopy other(dir.Root());
    EXPECT_FALSE(other.holds);
    other.End(false);
  }
  for (bool killed : {false, true}) {
    OtherCopy other(dir.Root());
    EXPECT_TRUE(other.holds) << killed;
    EXPECT_EQ(plat::InstanceLock(dir.Root(), "DWGS").Status(), State::Taken) << killed;
    other.End(killed);
    EXPECT_EQ(plat::InstanceLock(dir.Root(), "DWGS").Status(), State::Held) << killed;
  }

  // A program started from a running copy (the help viewer) does not keep
  // the directory locked once the copy has ended.
  pid_t viewer = -1;
  {
    plat::InstanceLock lock(dir.Root(), "DWGS");
    const char* argv[] = {"sleep", "30", nullptr};
    ASSERT_EQ(::posix_spawnp(&viewer, "sleep", nullptr, nullptr, const_cast<char**>(argv), environ),
              0);
  }
  // The system closes the viewer's copies of the descriptors only as it
  // starts the viewer, which may be just after posix_spawn has returned.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (plat::InstanceLock(dir.Root(), "DWGS").Status() == State::Taken &&
         std::chrono::steady_clock::now() < deadline)
    ::usleep(1000);
  EXPECT_EQ(plat::InstanceLock(dir.Root(), "DWGS").Status(), State::Held);
  ::kill(viewer, SIGKILL);
  ::waitpid(viewer, nullptr, 0);
}

TEST(ProgramDirectoryClaim, ASecondCopyIsToldAndOnlyTheHolderClearsLeftovers) {
  ScratchProgramDir dir;
  std::timespec started{};
  std::timespec_get(&started, TIME_UTC);
  const auto now = fs::file_time_type::clock::now();
  const auto plant = [&](const std::string& name, bool old = true) {
    dir.WriteFile(name, "x");
    const auto hour = std::chrono::hours(1);
    fs::last_write_time(dir.Root() + "/" + name, old ? now - hour : now + hour);
  };
  const std::vector<std::string> leftovers = {"DWGS/.twtmpAb12Cd", "CFG/.twtmp0a1B2c",
                                              "ACT/.twtmpQwErTy", "EXPORT/.twtmpZzZzZz",
                                              ".twtmp999999"};
  for (const auto& name : leftovers) plant(name);
  // Files that only look like them, and one made after the start.
  const std::vector<std::string> others = {"DWGS/.twtmpAb12C",  "DWGS/.twtmpAb12Cde",
                                           "DWGS/x.twtmpAb12Cd", "DWGS/.twtmpAb_2Cd",
                                           "DWGS/.TWTMPQQ1122", "DWGS/HOUSE.KWV"};
  for (const auto& name : others) plant(name);
  plant("ACT/.twtmpNewOne", false);
  fs::create_directory(dir.Root() + "/outside");
  dir.WriteFile("outside/kept", "kept");
  fs::create_symlink(dir.Root() + "/outside/kept", dir.Root() + "/DWGS/.twtmpLink01");
  const auto everything = [&] {
    int n = 0;
    for ([[maybe_unused]] const auto& e : fs::recursive_directory_iterator(dir.Root())) ++n;
    return n;
  };
  const int planted = everything();

  {
    plat::InstanceLock running(dir.Root(), "DWGS");
    DefaultTestUi()
        .ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk)
        .WithText("Tarnwick 11.2 is already running in " + dir.Root() +
                  ": only one copy can work in a program directory at a time");
    EXPECT_EQ(ClaimProgramDirectory(started), nullptr);
    EXPECT_EQ(everything(), planted);
  }

  const auto lock = ClaimProgramDirectory(started);
  ASSERT_NE(lock, nullptr);
  EXPECT_EQ(lock->Status(), State::Held);
  for (const auto& name : leftovers) EXPECT_FALSE(fs::exists(dir.Root() + "/" + name)) << name;
  for (const auto& name : others) EXPECT_TRUE(fs::exists(dir.Root() + "/" + name)) << name;
  EXPECT_TRUE(fs::exists(dir.Root() + "/ACT/.twtmpNewOne"));
  EXPECT_TRUE(fs::is_symlink(dir.Root() + "/DWGS/.twtmpLink01"));
  EXPECT_EQ(dir.ReadFile("outside/kept"), "kept");
  EXPECT_EQ(everything(), planted - int(leftovers.size()));
}

// A file left by a write cut short, changed an hour before the start.
void PlantLeftover(const ScratchProgramDir& dir, const std::string& name) {
  dir.WriteFile(name, "x");
  fs::last_write_time(dir.Root() + "/" + name,
                      fs::file_time_type::clock::now() - std::chrono::hours(1));
}

constexpr auto kReadOnly = fs::perms::owner_read | fs::perms::owner_exec |
                           fs::perms::group_read | fs::perms::group_exec |
                           fs::perms::others_read | fs::perms::others_exec;

TEST(ProgramDirectoryClaim, NothingPlantedInTheDirectoryLetsASecondCopyIn) {
  struct Case {
    const char* story;
    std::function<void(const std::string& root)> plant;
    bool asUser;  // checked as an ordinary user, for whom permissions bite
  };
  const Case cases[] = {
      {"a link to nowhere where a lock file would go",
       [](const std::string& root) { fs::create_symlink(root + "/gone/x", root + "/.twlock"); },
       false},
      {"a folder where a lock file would go",
       [](const std::string& root) { fs::create_directory(root + "/.twlock"); }, false},
      {"a directory where no file can be made, with CFG and DWGS writable",
       [](const std::string& root) {
         fs::permissions(root, kReadOnly);
         for (const char* folder : {"/CFG", "/DWGS"}) fs::permissions(root + folder, fs::perms::all);
       },
       true},
  };
  for (const Case& c : cases) {
    ScratchProgramDir dir;
    PlantLeftover(dir, "DWGS/.twtmpAb12Cd");
    c.plant(dir.Root());
    std::optional<FileAccessAsNobody> user;
    if (c.asUser) user.emplace();
    std::timespec started{};
    std::timespec_get(&started, TIME_UTC);

    const auto first = ClaimProgramDirectory(started);
    ASSERT_NE(first, nullptr) << c.story;
    EXPECT_EQ(first->Status(), State::Held) << c.story;
    EXPECT_FALSE(fs::exists(dir.Root() + "/DWGS/.twtmpAb12Cd")) << c.story;
    DefaultTestUi()
        .ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk)
        .WithText("Tarnwick 11.2 is already running in " + dir.Root() +
                  ": only one copy can work in a program directory at a time");
    EXPECT_EQ(ClaimProgramDirectory(started), nullptr) << c.story;
  }
}

// Passed through but not read, by the owner too: no directory lock can be
// opened there, whoever runs the tests.
constexpr auto kPassThroughOnly = fs::perms::owner_write | fs::perms::owner_exec |
                                  fs::perms::group_exec | fs::perms::others_exec;

// A second copy is kept off by the drawings folder when the program
// directory cannot be read, before the first copy starts or under it.
TEST(ProgramDirectoryClaim, ADirectoryThatCannotBeReadStillKeepsASecondCopyOff) {
  for (const bool underTheFirst : {false, true}) {
    ScratchProgramDir dir;
    const auto hide = [&] { fs::permissions(dir.Root(), kPassThroughOnly); };
    std::optional<FileAccessAsNobody> user;
    if (!underTheFirst) {
      hide();
      user.emplace();
    }
    std::timespec started{};
    std::timespec_get(&started, TIME_UTC);

    const auto first = ClaimProgramDirectory(started);
    ASSERT_NE(first, nullptr) << underTheFirst;
    EXPECT_EQ(first->Status(), State::Held) << underTheFirst;
    if (underTheFirst) {
      hide();
      user.emplace();
    }
    DefaultTestUi()
        .ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk)
        .WithText("Tarnwick 11.2 is already running in " + dir.Root() +
                  ": only one copy can work in a program directory at a time");
    EXPECT_EQ(ClaimProgramDirectory(started), nullptr) << underTheFirst;
  }
}

TEST(ProgramDirectoryClaim, WhenNoLockCanBeTakenTheUserIsToldAndNoLeftoverIsTouched) {
  ScratchProgramDir dir;
  PlantLeftover(dir, "DWGS/.twtmpAb12Cd");
  // Neither the directory nor its drawings folder can be read; both can be
  // passed through and written.
  fs::permissions(dir.Root() + "/DWGS", kPassThroughOnly);
  fs::permissions(dir.Root(), kPassThroughOnly);
  FileAccessAsNobody user;
  std::timespec started{};
  std::timespec_get(&started, TIME_UTC);

  DefaultTestUi()
      .ExpectMessageDlg(plat::MsgType::Warning, plat::mbOK, plat::mrOk)
      .WithText("Tarnwick 11.2 could not lock its program directory " + dir.Root() +
                " (Permission denied): a second copy started there would not be kept off");
  const auto lock = ClaimProgramDirectory(started);
  ASSERT_NE(lock, nullptr);
  EXPECT_EQ(lock->Status(), State::NoLock);
  EXPECT_TRUE(fs::exists(dir.Root() + "/DWGS/.twtmpAb12Cd"));
}

// A copy whose program directory or drawings folder is moved away under it,
// another laid out at the same path, writes nothing into the new one
// (another copy may work there): the drawing is held in the window and the
// user is told why it cannot be saved.
struct MoveCase {
  const char* story;
  const char* folder;  // below the program directory; "" for itself
  const char* what;    // how the message names it
};

class MovedUnderTheProgram : public planfix::ShellTest,
                             public ::testing::WithParamInterface<MoveCase> {
 protected:
  // Every file below a folder, by path, with its content.
  static std::map<std::string, std::string> Files(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(folder)) {
      if (!e.is_regular_file()) continue;
      std::ostringstream bytes;
      bytes << std::ifstream(e.path(), std::ios::binary).rdbuf();
      files[e.path().string()] = bytes.str();
    }
    return files;
  }
  void DrawLine(int x1, int y, int x2) {
    form->CmLineExecute();
    Child().OnMouseDown(1, x1, y);
    Child().OnMouseMove(x2, y, true);
    Child().OnMouseUp(1, x2, y);
  }
  // The case's folder moved away and a copy of it laid out at its path;
  // put back when the test ends. Returns why a change below it is refused.
  std::string MoveAwayAndLayOutAgain() {
    folder_ = dir.Root() + GetParam().folder;
    fs::rename(folder_, folder_ + ".moved");
    fs::copy(folder_ + ".moved", folder_, fs::copy_options::recursive);
    return std::string(GetParam().what) + " " + folder_ +
           " was moved or replaced since the program started";
  }
  void TearDown() override {
    if (!folder_.empty()) {
      fs::remove_all(folder_);
      fs::rename(folder_ + ".moved", folder_);
    }
    ShellTest::TearDown();
  }
  std::unique_ptr<plat::InstanceLock> Claim() {
    std::timespec started{};
    std::timespec_get(&started, TIME_UTC);
    return ClaimProgramDirectory(started);
  }

 private:
  std::string folder_;
};

TEST_P(MovedUnderTheProgram, WritesNothingIntoWhatIsLaidOutAtItsPathAndHoldsTheDrawing) {
  const MoveCase& c = GetParam();
  const auto lock = Claim();
  ASSERT_NE(lock, nullptr);
  NewDrawing("HOUSE");
  DrawLine(100, 100, 400);
  ASSERT_EQ(UserElementsIn("DWGS\\HOUSE.KWV"), 1);

  const std::string reason = MoveAwayAndLayOutAgain();
  const auto laidOut = Files(dir.Root());
  const auto cannotWrite = [&](const std::string& file) {
    return "cannot write " + dir.Root() + file + " (" + reason + ")";
  };
  DefaultTestUi()
      .ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk)
      .WithText("the undo step could not be kept: " + cannotWrite("/ACT/Action0.tmp"));
  DefaultTestUi()
      .ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk)
      .WithText("the drawing could not be saved: " + cannotWrite("/DWGS/HOUSE.KWV") +
                "; your changes are still open in the window");
  DrawLine(100, 200, 400);
  EXPECT_EQ(Files(dir.Root()), laidOut) << c.story;
  Window().Paint();
  EXPECT_EQ(DrawingList.Count() - 6, 2) << c.story;
  EXPECT_TRUE(form->HasUnsavedChanges()) << c.story;
}

// Whatever changes a file below the moved directory is refused with the
// check's own reason: a user's PDF saved there, a folder made for pictures,
// a file deleted (the group drawing given up).
TEST_P(MovedUnderTheProgram, RefusesEveryKindOfChangeWithItsReason) {
  const auto lock = Claim();
  ASSERT_NE(lock, nullptr);
  dir.WriteFile("DWGS\\HOUSE.GPD", "group");
  const std::string reason = MoveAwayAndLayOutAgain();

  EXPECT_EQ(plat::DeleteFile("DWGS\\HOUSE.GPD").Reason(), reason);
  EXPECT_TRUE(fs::exists(dir.Root() + "/DWGS/HOUSE.GPD"));
  // Named as a print dialog may name it, by a way round.
  const fs::path root = dir.Root();
  const std::string pdf =
      root.parent_path().string() + "/./" + root.filename().string() + "/DWGS/plan.pdf";
  EXPECT_EQ(plat::WriteUserFileAtomic(pdf, "%PDF").Reason(), reason);
  EXPECT_FALSE(fs::exists(pdf));
  EXPECT_FALSE(plat::CreateFolder("DWGS\\PICTURES\\"));
  EXPECT_FALSE(fs::exists(dir.Root() + "/DWGS/PICTURES"));
}

INSTANTIATE_TEST_SUITE_P(
    Table, MovedUnderTheProgram,
    ::testing::Values(MoveCase{"the program directory", "", "the program directory"},
                      MoveCase{"the drawings folder", "/DWGS", "the drawings folder"}));

}  // namespace
