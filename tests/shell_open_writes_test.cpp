// Opening drawings rewrites only the files whose content changes: the
// settings, the recent list, the saved copy and the empty undo steps that
// already hold what the open would write are left untouched (same inode,
// same time, same bytes), and the window shows the list the open read,
// placed as it is written back.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <tuple>

#include "model/flist.h"
#include "model/globals.h"
#include "platform/files.h"
#include "storage/record_codec.h"
#include "tests/planwindow_fixture.h"

namespace {

namespace fs = std::filesystem;
using planfix::ExtWall;
using planfix::Line;

constexpr const char* kSaved = "CFG\\tmp.cfg";

// A file as the file system keeps it: which file, when written, how long.
using Stamp = std::tuple<ino_t, long long, long long, std::uintmax_t>;

class OpenWrites : public planfix::ShellTest {
 protected:
  plat::ScriptedUi& ui = DefaultTestUi();

  std::map<std::string, Stamp> Stamps() {
    std::map<std::string, Stamp> out;
    for (const auto& e : fs::recursive_directory_iterator(dir.Root())) {
      struct stat st;
      if (!e.is_regular_file() || ::stat(e.path().c_str(), &st) != 0) continue;
      out[e.path().string()] = {st.st_ino, st.st_mtim.tv_sec, st.st_mtim.tv_nsec,
                                std::uintmax_t(st.st_size)};
    }
    return out;
  }
  // Opens a drawing and returns the real paths of the files it replaced;
  // every other file is checked to be as it was.
  std::set<std::string> Open(const std::string& name) {
    std::set<std::string> written;
    const auto before = Stamps();
    std::map<std::string, std::string> bytes;
    for (const auto& [path, stamp] : before) bytes[path] = plat::ReadWholeFile(path).value_or("");
    plat::SetFileObserver([&written](const plat::FileTraffic& t) {
      if (t.op == plat::FileTraffic::Op::Write) written.insert(std::string(t.path));
    });
    EXPECT_TRUE(form->OpenNamedDrawing(name));
    plat::SetFileObserver({});
    const auto after = Stamps();
    for (const auto& [path, stamp] : before) {
      if (written.count(path)) continue;
      EXPECT_EQ(after.at(path), stamp) << path << " was replaced";
      EXPECT_EQ(plat::ReadWholeFile(path).value_or(""), bytes[path]) << path;
    }
    return written;
  }
  // The list as the live file reads now, and the list in memory, written
  // the same way.
  std::string LiveAsRead() {
    TFlist fresh;
    fresh.ProgramDir = DrawingList.ProgramDir;
    fresh.SetDrawingName(DrawingList.DrawingName);
    fresh.ReadDrawingFile(dtDrawing);
    return storage::FormatList(fresh, storage::HeaderFromGlobals(0), storage::PageCentre());
  }
  std::string ListShown() {
    return storage::FormatList(DrawingList, storage::HeaderFromGlobals(0),
                               storage::PageCentre());
  }
  std::string Live(const std::string& name) { return dir.ReadFile("DWGS\\" + name + ".KWV"); }
};

TEST_F(OpenWrites, AnOpenRewritesOnlyWhatChangesAndShowsTheListItRead) {
  NewDrawing("SHED");
  Edit(Line(18000, 11000, 22000, 11000));
  form->CmSaveExecute();
  NewDrawing("HOUSE");
  Edit(ExtWall(18000, 11000, 22000, 11000));
  Edit(ExtWall(22000, 11000, 22000, 14000));
  form->CmSaveExecute();
  const std::string house = Live("HOUSE");

  // After a start the sheet in force is the shipped one until the window
  // fits it: the drawing is placed about its own sheet all the same, so the
  // saved copy is the drawing, and declining changes leaves it where it was.
  Restart();
  EXPECT_EQ(Live("HOUSE"), house);
  EXPECT_EQ(dir.ReadFile(kSaved), house);
  EXPECT_EQ(ListShown(), LiveAsRead());
  Edit(Line(18000, 12000, 22000, 12000));
  ui.ExpectMessageDlg(plat::MsgType::Confirmation, plat::mbYes | plat::mbNo, plat::mrNo)
      .WithText("do you wish to save drawing changes?");
  form->CmLayoutExecute();
  EXPECT_EQ(Live("HOUSE"), house);
  form->CmPlanExecute();

  // Another drawing: the undo steps that held something are emptied, the
  // saved copy and the recent list change; nothing else is touched.
  std::set<std::string> written = Open("SHED");
  EXPECT_TRUE(written.count(dir.Path(kSaved)));
  EXPECT_TRUE(written.count(dir.Path("CFG\\LASTFILES.CFG")));
  EXPECT_TRUE(written.count(dir.Path("ACT\\Action0.tmp")));
  EXPECT_FALSE(written.count(dir.Path("ACT\\Action19.tmp")));
  EXPECT_EQ(dir.ReadFile("ACT\\Action0.tmp"), dir.ReadFile("ACT\\Action19.tmp"));
  EXPECT_EQ(dir.ReadFile(kSaved), Live("SHED"));
  EXPECT_EQ(ListShown(), LiveAsRead());
  EXPECT_EQ(form->RecentFiles[0], "SHED");

  // Back to the first: its undo store is empty already, so only the saved
  // copy and the recent list are written.
  written = Open("HOUSE");
  EXPECT_LE(written.size(), 4u);
  EXPECT_EQ(written, (std::set<std::string>{dir.Path(kSaved), dir.Path("CFG\\LASTFILES.CFG")}));
  EXPECT_EQ(dir.ReadFile(kSaved), house);
  EXPECT_EQ(ListShown(), LiveAsRead());
  EXPECT_EQ(Window().caption, "HOUSE.PLN");
  EXPECT_EQ(dir.ReadFile("CFG\\LASTFILES.CFG"), "HOUSE\nSHED\n\n\n");

  // The same drawing again writes nothing at all.
  EXPECT_TRUE(Open("HOUSE").empty());
}

}  // namespace
