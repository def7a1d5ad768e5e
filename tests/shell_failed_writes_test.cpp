// A drawing whose files cannot be written, as the user meets it: the
// commands that save say so once in plain words, the drawing stays marked
// changed, Exit asks again instead of leaving, and nothing the window shows
// is taken back. Settings files that cannot be written are told too, and
// leave the drawing alone. The places are made unwritable with a folder
// where a file belongs, a file where a folder belongs (both hold even for
// root, as the tests run) or a folder whose writes fail as on a read-only
// or full disk.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "dialogs/drawing_dialogs.h"
#include "dialogs/printdlg.h"
#include "model/flist.h"
#include "model/globals.h"
#include "planwindow/childwin.h"
#include "tests/planwindow_fixture.h"

namespace {

namespace fs = std::filesystem;
using planfix::ExtWall;
using planfix::Line;

constexpr const char* kLive = "DWGS\\HOUSE.KWV";
constexpr const char* kGroup = "DWGS\\HOUSE.GPD";
constexpr const char* kSaved = "CFG\\tmp.cfg";
constexpr const char* kUndoStep = "ACT\\Action0.tmp";
constexpr const char* kAutosaveSetting = "CFG\\SAVE.CFG";
constexpr const char* kLastDrawingSetting = "CFG\\LASTDWG.CFG";
constexpr const char* kIsAFolder = "Is a directory";
constexpr const char* kReadOnly = "Read-only file system";
constexpr const char* kNotAFolder = "Not a directory";
constexpr const char* kDiskFull = "No space left on device";
constexpr const char* kQuotaSpent = "Disk quota exceeded";
constexpr int32 kInfoRecords = 6;

std::string NotSaved(const std::string& problem) {
  return "the drawing could not be saved: " + problem + "; your changes are still open in the window";
}
constexpr const char* kOnceWritable = "close again once the file can be written";
constexpr const char* kFreeRoom = "free some room and close again";
std::string NotPutBack(const std::string& problem, const char* advice) {
  return "Drawing HOUSE could not be put back to its last save: " + problem + ". It stays open; " +
         advice + ", or save.";
}
std::string UndoNotKept(const std::string& problem) {
  return "the undo step could not be kept: " + problem;
}
std::string SettingsNotKept(const std::string& problem) {
  return "the settings could not be kept: " + problem;
}

enum class Place {
  LiveFile,
  ReadOnlyDrawings,
  SavedCopy,
  UndoFolder,
  GroupFile,
  AutosaveSetting,
  FullSettingsDisk,
  FullDrawingsDisk,
  DrawingsQuotaSpent
};

class FailedWrites : public planfix::ShellTest {
 protected:
  plat::ScriptedUi& ui = DefaultTestUi();
  int closes = 0;

  void SetUp() override {
    ShellTest::SetUp();
    form->onCloseRequested = [this] { ++closes; };
    NewDrawing("HOUSE");
    Edit(ExtWall(18000, 11000, 22000, 11000));
  }
  void TearDown() override {
    while (!blocked_.empty()) Unblock(blocked_.back());
    ShellTest::TearDown();
  }

  void Block(Place p) {
    blocked_.push_back(p);
    if (Simulated(p)) {
      const bool drawings = p != Place::FullSettingsDisk;
      plat::SimulateWriteFailure(drawings ? "DWGS\\" : "CFG\\",
                                 p == Place::ReadOnlyDrawings     ? EROFS
                                 : p == Place::DrawingsQuotaSpent ? EDQUOT
                                                                  : ENOSPC);
      return;
    }
    const auto [path, folderIsFile] = Where(p);
    if (folderIsFile) {
      fs::rename(path, path + ".away");
      dir.WriteFile(fs::path(path).filename().string(), "a file where a folder belongs");
    } else {
      fs::remove(path);
      fs::create_directory(path);
    }
  }
  static bool Simulated(Place p) {
    return p == Place::ReadOnlyDrawings || p == Place::FullSettingsDisk ||
           p == Place::FullDrawingsDisk || p == Place::DrawingsQuotaSpent;
  }
  void Unblock(Place p) {
    std::erase(blocked_, p);
    if (Simulated(p)) {
      plat::SimulateWriteFailure("", 0);
      return;
    }
    const auto [path, folderIsFile] = Where(p);
    fs::remove(path);
    if (folderIsFile) fs::rename(path + ".away", path);
  }
  // A change as a tool makes it: the undo step, then the live file.
  void Change(TObj* e) {
    DrawingList.UpdateUndoHistory(uoRecord, CurrentView);
    DrawingList.Add(e);
    DrawingList.WriteDrawingFile(dtDrawing);
  }
  // A failed write names the file where the user finds it: below the
  // program directory, with slashes.
  std::string CannotWrite(std::string file, const char* reason) {
    std::replace(file.begin(), file.end(), '\\', '/');
    return "cannot write " + dir.Root() + "/" + file + " (" + reason + ")";
  }
  void ExpectError(const std::string& text) {
    ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk).WithText(text);
  }
  void ExpectSaveQuestion(int answer) {
    ui.ExpectMessageDlg(plat::MsgType::Confirmation, plat::mbYes | plat::mbNo, answer)
        .WithText("do you wish to save drawing changes?");
  }
  // The elements the window shows after a paint has read the drawing back.
  int32 ElementsShown() {
    Window().Paint();
    return DrawingList.Count() - kInfoRecords;
  }
  // A line drawn with the line tool in the window shown.
  void DrawLine(int x1, int y1, int x2, int y2) {
    form->CmLineExecute();
    Child().OnMouseDown(1, x1, y1);
    Child().OnMouseMove(x2, y2, true);
    Child().OnMouseUp(1, x2, y2);
  }
  // The group view shown, its file blocked, and a line drawn there that
  // the file could not take; returns what the user is told of it.
  std::string LineHeldInTheGroupView() {
    ExpectSaveQuestion(plat::mrYes);
    form->CmGroupExecute();
    Block(Place::GroupFile);
    const std::string notSaved = NotSaved(CannotWrite(kGroup, kIsAFolder));
    ExpectError(notSaved);
    DrawLine(100, 100, 400, 100);
    return notSaved;
  }
  int TemporaryFiles() {
    int n = 0;
    for (const auto& e : fs::recursive_directory_iterator(dir.Root()))
      n += e.path().filename().string().rfind(".twtmp", 0) == 0 ? 1 : 0;
    return n;
  }

 private:
  std::pair<std::string, bool> Where(Place p) {
    switch (p) {
      case Place::LiveFile: return {dir.Path(kLive), false};
      case Place::ReadOnlyDrawings:
      case Place::FullSettingsDisk:
      case Place::FullDrawingsDisk:
      case Place::DrawingsQuotaSpent: break;
      case Place::SavedCopy: return {dir.Path(kSaved), false};
      case Place::UndoFolder: return {dir.Root() + "/ACT", true};
      case Place::GroupFile: return {dir.Path(kGroup), false};
      case Place::AutosaveSetting: return {dir.Path(kAutosaveSetting), false};
    }
    return {};
  }
  std::vector<Place> blocked_;
};

struct SaveCase {
  const char* story;
  Place place;
  const char* file;  // the file the failed write names
  const char* reason;
};

class FailedSave : public FailedWrites, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(FailedSave, IsToldKeepsTheChangesAndExitAsksAgainUntilASaveWorks) {
  const SaveCase& c = GetParam();
  const std::string problem = CannotWrite(c.file, c.reason);
  Edit(ExtWall(22000, 11000, 22000, 14000));
  Block(c.place);

  ExpectError(NotSaved(problem));
  form->CmSaveExecute();
  EXPECT_EQ(AutosaveMode, 1) << c.story;
  EXPECT_TRUE(form->HasUnsavedChanges()) << c.story;
  EXPECT_EQ(ElementsShown(), 2) << c.story;

  // Exit asks; a Yes whose save fails again keeps the program open.
  ExpectSaveQuestion(plat::mrYes);
  ExpectError(NotSaved(problem));
  form->CmExitExecute();
  EXPECT_EQ(closes, 0) << c.story;
  EXPECT_EQ(frame.Open().size(), 1u) << c.story;
  EXPECT_EQ(ElementsShown(), 2) << c.story;
  EXPECT_EQ(TemporaryFiles(), 0) << c.story;

  // Once the place can be written again, the save keeps what the window
  // showed all along, and Exit leaves without a question.
  Unblock(c.place);
  form->CmSaveExecute();
  EXPECT_FALSE(form->HasUnsavedChanges()) << c.story;
  EXPECT_EQ(UserElementsIn(kLive), 2) << c.story;
  EXPECT_EQ(UserElementsIn(kSaved), 2) << c.story;
  form->CmExitExecute();
  EXPECT_EQ(closes, 1) << c.story;
}

INSTANTIATE_TEST_SUITE_P(
    Table, FailedSave,
    ::testing::Values(
        SaveCase{"the live file is a folder", Place::LiveFile, kLive, kIsAFolder},
        SaveCase{"the drawings folder is read-only", Place::ReadOnlyDrawings, kLive, kReadOnly},
        SaveCase{"the saved copy is a folder", Place::SavedCopy, kSaved, kIsAFolder}));

TEST_F(FailedWrites, TheFileOnDiskStaysAsItWasUntilDecliningCanPutItBack) {
  const std::string stored = dir.ReadFile(kLive);
  Block(Place::ReadOnlyDrawings);
  ExpectError(NotSaved(CannotWrite(kLive, kReadOnly)));
  Edit(Line(18000, 12000, 22000, 12000));
  ExpectSaveQuestion(plat::mrYes);
  ExpectError(NotSaved(CannotWrite(kLive, kReadOnly)));
  form->CmExitExecute();
  EXPECT_EQ(closes, 0);

  ExpectSaveQuestion(plat::mrNo);
  ExpectError(NotPutBack(CannotWrite(kLive, kReadOnly), kOnceWritable));
  form->CmExitExecute();
  EXPECT_EQ(closes, 0);
  EXPECT_EQ(dir.ReadFile(kLive), stored);
  EXPECT_EQ(TemporaryFiles(), 0);

  Unblock(Place::ReadOnlyDrawings);
  ExpectSaveQuestion(plat::mrNo);
  form->CmExitExecute();
  EXPECT_EQ(closes, 1);
  EXPECT_EQ(UserElementsIn(kLive), 0);  // the new drawing as it was saved
}

// A decline that could not put the drawing back is over once told: a save
// that fails after it is told in its own words, and the next decline tells
// what failed then.
TEST_F(FailedWrites, FailuresAfterADeclineThatFailedAreToldAsTheyHappen) {
  Block(Place::LiveFile);
  ExpectError(NotSaved(CannotWrite(kLive, kIsAFolder)));
  Change(Line(18000, 12000, 22000, 12000));
  ExpectSaveQuestion(plat::mrNo);
  ExpectError(NotPutBack(CannotWrite(kLive, kIsAFolder), kOnceWritable));
  form->CmExitExecute();
  ExpectError(NotSaved(CannotWrite(kLive, kIsAFolder)));
  form->CmSaveExecute();

  Unblock(Place::LiveFile);
  Block(Place::FullDrawingsDisk);
  ExpectSaveQuestion(plat::mrNo);
  ExpectError(NotPutBack(CannotWrite(kLive, kDiskFull), kFreeRoom));
  form->CmExitExecute();
  EXPECT_EQ(closes, 0);
}

TEST_F(FailedWrites, SavingWithoutAskingAsksOnceASaveFailed) {
  form->CmAutosaveExecute();
  ASSERT_EQ(AutosaveMode, 2);
  Block(Place::LiveFile);
  ExpectError(NotSaved(CannotWrite(kLive, kIsAFolder)));
  form->CmExitExecute();
  EXPECT_EQ(closes, 0);
  EXPECT_EQ(AutosaveMode, 2);
  EXPECT_TRUE(form->HasUnsavedChanges());

  Unblock(Place::LiveFile);
  ExpectSaveQuestion(plat::mrNo);
  form->CmExitExecute();
  EXPECT_EQ(closes, 1);
}

// Declining changes whose file cannot be put back to its last save would
// leave them on disk, to be read as the drawing at the next start: the
// program stays open with its window and asks again at the next Exit, and
// once the file can be written the answer No puts the saved state back.
struct PutBackCase {
  const char* story;
  bool groupWindow;  // the change made, and declined, in the group window
  Place place;
  const char* file;  // the file the message names: the first that failed
  const char* reason;
  const char* advice;
};

void PrintTo(const PutBackCase& c, std::ostream* os) { *os << c.story; }

class DecliningOverAFileThatCannotBeWritten
    : public FailedWrites,
      public ::testing::WithParamInterface<PutBackCase> {};

TEST_P(DecliningOverAFileThatCannotBeWritten, KeepsTheProgramOpenUntilTheSavedStateIsBack) {
  const PutBackCase& c = GetParam();
  if (c.groupWindow) {
    ExpectSaveQuestion(plat::mrYes);
    form->CmGroupExecute();
    DrawLine(100, 100, 400, 100);
  }
  form->CmSaveExecute();  // saved: one wall, and a group line in the group window
  const std::string saved = dir.ReadFile(kLive);
  const std::string savedGroup = c.groupWindow ? dir.ReadFile(kGroup) : "";
  DrawLine(100, 200, 400, 200);
  ASSERT_TRUE(form->HasUnsavedChanges());
  const std::size_t windows = frame.Open().size();
  Block(c.place);

  const std::string told = NotPutBack(CannotWrite(c.file, c.reason), c.advice);
  for (int exit = 0; exit < 2; ++exit) {
    ExpectSaveQuestion(plat::mrNo);
    ExpectError(told);
    form->CmExitExecute();
    EXPECT_EQ(closes, 0) << c.story;
    EXPECT_EQ(frame.Open().size(), windows) << c.story;
    EXPECT_TRUE(form->HasUnsavedChanges()) << c.story;
    // The window shows the drawing as it was saved, without what was declined.
    EXPECT_TRUE(Window().window.HasInvalidArea()) << c.story;
    Window().Paint();
    EXPECT_EQ(DrawingList.Count(), c.groupWindow ? 1 : kInfoRecords + 1) << c.story;
  }

  Unblock(c.place);
  ExpectSaveQuestion(plat::mrNo);
  form->CmExitExecute();
  EXPECT_EQ(closes, 1) << c.story;
  EXPECT_EQ(dir.ReadFile(kLive), saved) << c.story;
  EXPECT_EQ(c.groupWindow ? dir.ReadFile(kGroup) : "", savedGroup) << c.story;

  // The next start opens the drawing as it was saved.
  form.reset();
  ResetGlobals();
  Start();
  timer.Fire();
  ASSERT_TRUE(form->DrawingOpen()) << c.story;
  EXPECT_EQ(ElementsShown(), 1) << c.story;
  EXPECT_FALSE(form->HasUnsavedChanges()) << c.story;
}

INSTANTIATE_TEST_SUITE_P(
    Table, DecliningOverAFileThatCannotBeWritten,
    ::testing::Values(
        PutBackCase{"FloorWindowLiveFileUnwritable", false, Place::LiveFile, kLive, kIsAFolder,
                    kOnceWritable},
        PutBackCase{"FloorWindowDiskFull", false, Place::FullDrawingsDisk, kLive, kDiskFull,
                    kFreeRoom},
        PutBackCase{"GroupWindowLiveFileUnwritable", true, Place::LiveFile, kLive, kIsAFolder,
                    kOnceWritable},
        PutBackCase{"GroupWindowDiskFull", true, Place::FullDrawingsDisk, kGroup, kDiskFull,
                    kFreeRoom},
        PutBackCase{"FloorWindowQuotaSpent", false, Place::DrawingsQuotaSpent, kLive, kQuotaSpent,
                    kFreeRoom}),
    [](const auto& info) { return std::string(info.param.story); });

TEST_F(FailedWrites, ADrawingOnlyLookedAtLeavesQuietlyFromAFolderThatCannotBeWritten) {
  form->CmSaveExecute();
  Block(Place::ReadOnlyDrawings);
  form->CmExitExecute();
  EXPECT_EQ(closes, 1);
}

struct EditCase {
  const char* story;
  Place place;
  std::string (*message)(const std::string& problem);  // the message that tells of it
  const char* file;
  const char* reason;
  int32 autosaveAfter;  // a failed live file leaves the drawing changed
};

class FailedEdit : public FailedWrites, public ::testing::WithParamInterface<EditCase> {};

TEST_P(FailedEdit, IsToldOnceUntilAWriteWorksAgainAndNothingShownIsTakenBack) {
  const EditCase& c = GetParam();
  form->CmSaveExecute();
  Block(c.place);
  const std::string message = c.message(CannotWrite(c.file, c.reason));
  ExpectError(message);
  Change(Line(18000, 12000, 22000, 12000));
  EXPECT_EQ(AutosaveMode, c.autosaveAfter) << c.story;
  Change(Line(18000, 13000, 22000, 13000));  // not told again
  EXPECT_EQ(ElementsShown(), 3) << c.story;

  Unblock(c.place);
  Change(Line(18000, 14000, 22000, 14000));
  EXPECT_EQ(UserElementsIn(kLive), 4) << c.story;

  Block(c.place);
  ExpectError(message);
  Change(Line(18000, 15000, 22000, 15000));
  EXPECT_EQ(ElementsShown(), 5) << c.story;
}

INSTANTIATE_TEST_SUITE_P(
    Table, FailedEdit,
    ::testing::Values(
        EditCase{"the live file", Place::LiveFile, NotSaved, kLive, kIsAFolder, 1},
        EditCase{"the undo store", Place::UndoFolder, UndoNotKept, kUndoStep, kNotAFolder, 0}));

TEST_F(FailedWrites, AFileThatHoldsTheDrawingAlreadyNeedsNoWriteAndCountsAsWritten) {
  form->CmSaveExecute();
  const std::string stored = dir.ReadFile(kLive);
  struct stat before;
  ASSERT_EQ(::stat(dir.Path(kLive).c_str(), &before), 0);
  Block(Place::ReadOnlyDrawings);
  ExpectError(NotSaved(CannotWrite(kLive, kReadOnly)));
  Change(Line(18000, 12000, 22000, 12000));
  EXPECT_EQ(ElementsShown(), 2);  // held in memory

  // Undone, the drawing is what its file holds: the file is left as it is,
  // what was held goes, and the next failure is told again.
  Unblock(Place::ReadOnlyDrawings);
  form->CmUndoExecute();
  EXPECT_EQ(ElementsShown(), 1);
  struct stat after;
  ASSERT_EQ(::stat(dir.Path(kLive).c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(dir.ReadFile(kLive), stored);
  Block(Place::ReadOnlyDrawings);
  ExpectError(NotSaved(CannotWrite(kLive, kReadOnly)));
  Change(Line(18000, 13000, 22000, 13000));
}

TEST_F(FailedWrites, ADrawingItsFileCouldNotTakeIsNotLeftForAnother) {
  Block(Place::LiveFile);
  ExpectError(NotSaved(CannotWrite(kLive, kIsAFolder)));
  Change(Line(18000, 12000, 22000, 12000));

  AnswerNewDrawing("OTHER");
  ExpectSaveQuestion(plat::mrYes);
  ExpectError(NotSaved(CannotWrite(kLive, kIsAFolder)));
  form->CmFilenewExecute();
  EXPECT_EQ(DrawingList.DrawingName, "HOUSE");
  EXPECT_EQ(ElementsShown(), 2);
}

// Turning the drawing into a new name leaves the old one: what its file
// could not take is asked about first, as opening another drawing does, and
// the turn waits for a save the user wanted.
TEST_F(FailedWrites, ADrawingTurnedIntoANewNameAsksFirstAboutWhatItsFileCouldNotTake) {
  dlg::InstalledScript<TTManipdlg> turn;
  Block(Place::LiveFile);
  ExpectError(NotSaved(CannotWrite(kLive, kIsAFolder)));
  Change(Line(18000, 12000, 22000, 12000));
  for (const bool blocked : {true, false}) {
    SCOPED_TRACE(blocked ? "the file still blocked" : "the file free again");
    if (!blocked) Unblock(Place::LiveFile);
    turn.Answer([](TTManipdlg& d) {
      d.Name = "TURNED";
      d.Operation = 180;
    });
    ExpectSaveQuestion(plat::mrYes);
    if (blocked) ExpectError(NotSaved(CannotWrite(kLive, kIsAFolder)));
    form->CmRotateMirrorExecute();
    EXPECT_EQ(DrawingList.DrawingName, blocked ? "HOUSE" : "TURNED");
  }
  EXPECT_EQ(UserElementsIn(kLive), 2);
  EXPECT_EQ(UserElementsIn("DWGS\\TURNED.KWV"), 3);  // with the title the turn places
  EXPECT_FALSE(form->HasUnsavedChanges());
}

TEST_F(FailedWrites, APrintWhoseWritesFailSaysSoOnceAndPrintsTheDrawingShown) {
  Block(Place::ReadOnlyDrawings);
  print.Answer([](dlg::TTFPlanprintdlg& d) {
    static_cast<dlg::PrintChoice&>(d) = dlg::PrintChoice{};
    d.scale = 100;
    d.showScale = 1;  // the live file is written again for the scale text
  });
  // The undo step, the live file and the backup: one message.
  ExpectError(NotSaved(CannotWrite(kLive, kReadOnly)));
  form->CmPrintExecute();
  ASSERT_EQ(printer.pages, 1);
  int lines = 0;
  for (const auto& r : printer.PageRecords(0)) lines += r.op == plat::DcOp::Line ? 1 : 0;
  EXPECT_GT(lines, 0);
  EXPECT_TRUE(form->HasUnsavedChanges());
}

// The group drawing has a file of its own: a save that cannot write it keeps
// the group view, and Exit asks again until the file takes the drawing.
TEST_F(FailedWrites, AGroupDrawingItsFileCannotTakeKeepsItsViewAndExitAsksAgain) {
  const std::string notSaved = LineHeldInTheGroupView();
  ASSERT_EQ(CurrentView, view::Group);

  ExpectSaveQuestion(plat::mrYes);
  ExpectError(notSaved);
  form->CmPlanExecute();
  EXPECT_EQ(CurrentView, view::Group);
  EXPECT_EQ(Window().caption, "HOUSE.GPD");

  ExpectSaveQuestion(plat::mrYes);
  ExpectError(notSaved);
  form->CmExitExecute();
  EXPECT_EQ(closes, 0);
  Window().Paint();
  EXPECT_EQ(DrawingList.Count(), 1);  // the line, held in memory

  Unblock(Place::GroupFile);
  ExpectSaveQuestion(plat::mrYes);
  form->CmExitExecute();
  EXPECT_EQ(closes, 1);
  EXPECT_EQ(UserElementsIn(kGroup) + kInfoRecords, 1);
}

// Every command that leaves the group view asks first; a save that fails
// keeps the group view and what its file could not take.
struct ViewSwitch {
  const char* command;
  void (TMainForm::*run)();
};

class GroupViewSwitch : public FailedWrites, public ::testing::WithParamInterface<ViewSwitch> {};

TEST_P(GroupViewSwitch, WaitsForASaveThatFailed) {
  const std::string notSaved = LineHeldInTheGroupView();

  ExpectSaveQuestion(plat::mrYes);
  ExpectError(notSaved);
  (*form.*GetParam().run)();
  EXPECT_EQ(CurrentView, view::Group);
  EXPECT_EQ(Window().caption, "HOUSE.GPD");
  Window().Paint();
  EXPECT_EQ(DrawingList.Count(), 1);  // the line, held in memory
}

INSTANTIATE_TEST_SUITE_P(
    Table, GroupViewSwitch,
    ::testing::Values(ViewSwitch{"FirstFloor", &TMainForm::CmPlan1Execute},
                      ViewSwitch{"Site", &TMainForm::CmSiteExecute},
                      ViewSwitch{"Layout", &TMainForm::CmLayoutExecute},
                      ViewSwitch{"ExternalWalls", &TMainForm::CmExtwallExecute}),
    [](const auto& info) { return std::string(info.param.command); });

// A group drawing left under the name of a new drawing is cleared; when its
// file cannot take that, whatever next keeps the drawing from its floor
// writes it: a save, Exit, or opening another drawing.
enum class Keep { Save, Exit, OpenAnother };
struct Keeping {
  const char* name;
  Keep how;
};

class HeldGroupFile : public FailedWrites, public ::testing::WithParamInterface<Keeping> {};

TEST_P(HeldGroupFile, IsWrittenByWhatKeepsTheDrawingFromAFloorView) {
  ExpectSaveQuestion(plat::mrYes);
  form->CmGroupExecute();
  DrawLine(100, 100, 400, 100);
  fs::copy_file(dir.Path(kGroup), dir.Root() + "/DWGS/OTHER.GPD");

  Block(Place::ReadOnlyDrawings);
  AnswerNewDrawing("OTHER");
  ExpectError(NotSaved(CannotWrite("DWGS\\OTHER.GPD", kReadOnly)));
  form->CmFilenewExecute();
  ASSERT_EQ(CurrentView, view::Ground);
  Unblock(Place::ReadOnlyDrawings);
  Edit(Line(18000, 12000, 22000, 12000));  // a drawing worth keeping

  switch (GetParam().how) {
    case Keep::Save: form->CmSaveExecute(); break;
    case Keep::Exit:
      ExpectSaveQuestion(plat::mrYes);
      form->CmExitExecute();
      EXPECT_EQ(closes, 1);
      break;
    case Keep::OpenAnother:
      ExpectSaveQuestion(plat::mrYes);
      EXPECT_TRUE(form->OpenNamedDrawing("HOUSE"));
      break;
  }
  EXPECT_EQ(UserElementsIn("DWGS\\OTHER.GPD") + kInfoRecords, 0);
  EXPECT_FALSE(form->HasUnsavedChanges());
}

INSTANTIATE_TEST_SUITE_P(Table, HeldGroupFile,
                         ::testing::Values(Keeping{"Save", Keep::Save}, Keeping{"Exit", Keep::Exit},
                                           Keeping{"OpenAnother", Keep::OpenAnother}),
                         [](const auto& info) { return std::string(info.param.name); });

// A view switch, an Open or a Print Part that asks first stays where it is
// when the changes declined cannot be put back.
TEST_F(FailedWrites, AViewSwitchAnOpenOrAPrintPartWaitsForDeclinedChangesToBePutBack) {
  form->CmSaveExecute();
  dir.WriteFile("DWGS\\OTHER.KWV", dir.ReadFile(kLive));
  DrawLine(100, 200, 400, 200);
  Block(Place::FullDrawingsDisk);
  const std::string told =
      NotPutBack(CannotWrite(kLive, kDiskFull), "free some room and try again");
  ExpectSaveQuestion(plat::mrNo);
  ExpectError(told);
  form->CmPlan1Execute();
  EXPECT_EQ(CurrentView, view::Ground);
  ExpectSaveQuestion(plat::mrNo);
  ExpectError(told);
  EXPECT_FALSE(form->OpenNamedDrawing("OTHER"));
  EXPECT_EQ(DrawingList.DrawingName, "HOUSE");
  EXPECT_TRUE(form->HasUnsavedChanges());

  // The tool in hand stays, after a Yes whose save failed as well.
  const TDrawingtool* tool = form->CurrentTool();
  ExpectSaveQuestion(plat::mrNo);
  ExpectError(told);
  form->CmPrintpartExecute();
  ExpectSaveQuestion(plat::mrYes);
  ExpectError(NotSaved(CannotWrite(kLive, kDiskFull)));
  form->CmPrintpartExecute();
  EXPECT_EQ(form->CurrentTool(), tool);
}

// Settings are not the drawing: a settings file that cannot be written is
// told once, in the command that met it, and the drawing stays saved.
TEST_F(FailedWrites, ASettingsFileThatCannotBeWrittenIsToldOnceAndLeavesTheDrawingSaved) {
  form->CmSaveExecute();
  Block(Place::AutosaveSetting);
  ExpectError(SettingsNotKept(CannotWrite(kAutosaveSetting, kIsAFolder)));
  form->CmAutosaveExecute();
  form->CmAutosaveExecute();  // not told again
  EXPECT_FALSE(form->HasUnsavedChanges());

  Unblock(Place::AutosaveSetting);
  form->CmAutosaveExecute();
  Block(Place::AutosaveSetting);
  ExpectError(SettingsNotKept(CannotWrite(kAutosaveSetting, kIsAFolder)));
  form->CmAutosaveExecute();

  // On a full disk Exit writes three settings files: one message, and it leaves.
  Block(Place::FullSettingsDisk);
  ExpectError(SettingsNotKept(CannotWrite(kLastDrawingSetting, kDiskFull)));
  form->CmExitExecute();
  EXPECT_EQ(closes, 1);
}

}  // namespace
