// What is drawn in the group drawing is never lost nor mixed with the
// floors: declining changes goes back to the group drawing as last saved,
// leaving the drawing keeps it (asking first when a write failed), and
// whatever a command sets down there (a paste, a library item, an Easy Draw
// symbol) lands in the group file.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <utility>

#include "designer/fixture_dialogs.h"
#include "designer/miscdesigner.h"
#include "dialogs/addtolibdlg.h"
#include "dialogs/liblistdlg.h"
#include "model/flist.h"
#include "model/globals.h"
#include "planwindow/childwin.h"
#include "platform/keys.h"
#include "storage/library_file.h"
#include "storage/record_codec.h"
#include "tests/planwindow_fixture.h"

namespace {

constexpr const char* kLive = "DWGS\\HOUSE.KWV";
constexpr const char* kGroup = "DWGS\\HOUSE.GPD";
constexpr const char* kSaveQuestion = "do you wish to save drawing changes?";

// What the tables below drive is public to them.
class GroupDrawing : public planfix::ShellTest {
 public:
  using planfix::ShellTest::AnswerNewDrawing;
  using planfix::ShellTest::form;
  plat::ScriptedUi& ui = DefaultTestUi();
  int closes = 0;

  // A saved house with a wall, and another drawing to go to; the group
  // drawing shown.
  void SetUp() override {
    ShellTest::SetUp();
    form->onCloseRequested = [this] { ++closes; };
    NewDrawing("OTHER");
    NewDrawing("HOUSE");
    Edit(planfix::ExtWall(18000, 11000, 22000, 11000));
    form->CmSaveExecute();
    form->CmGroupExecute();
    ASSERT_EQ(CurrentView, view::Group);
  }
  // The window of a view made active, as a click into it would, and painted.
  void Activate(int32 viewCode) {
    for (TMDIChild* c : form->Children())
      if (c->ViewCode == viewCode) form->ChildActivated(c);
    ASSERT_EQ(CurrentView, viewCode);
    Window().Paint();
  }
  void Press(int x, int y) { Child().OnMouseDown(1, x, y); }
  void Release(int x, int y) { Child().OnMouseUp(1, x, y); }
  void Drag(int x1, int y1, int x2, int y2) {
    Press(x1, y1);
    Child().OnMouseMove((x1 + x2) / 2, (y1 + y2) / 2, true);
    Child().OnMouseMove(x2, y2, true);
    Release(x2, y2);
  }
  void DrawLine(int y) {
    form->CmLineExecute();
    Drag(100, y, 400, y);
  }
  void ExpectSaveQuestion(int answer) {
    ui.ExpectMessageDlg(plat::MsgType::Confirmation, plat::mbYes | plat::mbNo, answer)
        .WithText(kSaveQuestion);
  }
  // The elements of the group file, every one of the group view.
  int GroupElements() { return ElementsIn(kGroup, true); }
  // The user elements of the live file, none of the group view.
  int LiveElements() { return ElementsIn(kLive, false); }
  int ElementsIn(const std::string& file, bool group) {
    TFlist read;
    const int32 units = MetricUnits;
    storage::ReadListFile(dir.Path(file), read, {});
    MetricUnits = units;
    int n = 0;
    for (int32 i = 0; i < read.Count(); ++i) {
      const TObj& e = *read.At(i);
      EXPECT_EQ(e.Floor == view::Group, group) << file << " element " << i;
      n += !kind::IsInfoKind(e.Kind);
    }
    return n;
  }
};

// ---- Leaving the group drawing -------------------------------------------------------

struct Road {
  const char* name;
  std::function<void(GroupDrawing&)> take;
  bool asks;  // the save question comes, and No gives the changes up
};

class LeavingTheGroupDrawing : public GroupDrawing,
                               public ::testing::WithParamInterface<std::tuple<Road, bool>> {};

// One line saved, one drawn after; then the road out. A road that asks
// gives up the second line when told No; one that does not ask keeps it,
// but asks first (Yes writes it) while a failed write holds it. The floors'
// file never changes, nor takes anything of the group.
TEST_P(LeavingTheGroupDrawing, GivesUpOnlyWhatCameAfterTheSaveAndKeepsTheFilesApart) {
  const auto& [road, held] = GetParam();
  DrawLine(100);
  form->CmSaveExecute();
  ASSERT_EQ(GroupElements(), 1);
  if (held) {
    plat::SimulateWriteFailure("DWGS\\", EROFS);
    ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk)
        .Containing("HOUSE.GPD (Read-only file system)");
  }
  DrawLine(200);
  plat::SimulateWriteFailure("", 0);
  if (road.asks || held) ExpectSaveQuestion(road.asks && !held ? plat::mrNo : plat::mrYes);
  road.take(*this);

  EXPECT_EQ(GroupElements(), road.asks && !held ? 1 : 2);
  EXPECT_EQ(LiveElements(), 1);
}

const Road kRoads[] = {
    {"Exit", [](GroupDrawing& t) { t.form->CmExitExecute(); }, true},
    {"CloseButton", [](GroupDrawing& t) { t.form->FormCloseQuery(); }, true},
    {"ViewSwitch", [](GroupDrawing& t) { t.form->CmPlanExecute(); }, true},
    {"New",
     [](GroupDrawing& t) {
       t.AnswerNewDrawing("THIRD");
       t.form->CmFilenewExecute();
       EXPECT_EQ(DrawingList.DrawingName, "THIRD");
     },
     false},
    {"Open", [](GroupDrawing& t) { EXPECT_TRUE(t.form->OpenNamedDrawing("OTHER")); }, false},
    {"Recent",
     [](GroupDrawing& t) {
       t.form->OpenRecentFile(1);
       EXPECT_EQ(DrawingList.DrawingName, "OTHER");
     },
     false},
};

INSTANTIATE_TEST_SUITE_P(Roads, LeavingTheGroupDrawing,
                         ::testing::Combine(::testing::ValuesIn(kRoads), ::testing::Bool()),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) ? "WithAHeldWrite" : "");
                         });

// A group drawing begun after the last save goes when changes are
// declined. One that cannot go is owed as a file that cannot be put back:
// each No tries again and tells why while it fails, the window shows no
// group drawing meanwhile, and once it can go nothing of it is left to be
// read back as saved.
struct Keeping {
  const char* name;
  std::function<void()> block;
  std::function<void()> unblock;
  const char* reason;
};

void PrintTo(const Keeping& k, std::ostream* os) { *os << k.name; }

class AGroupDrawingThatCannotGo : public GroupDrawing,
                                  public ::testing::WithParamInterface<Keeping> {
 protected:
  bool blocked = false;
  void Block() {
    GetParam().block();
    blocked = true;
  }
  void Unblock() {
    if (std::exchange(blocked, false)) GetParam().unblock();
  }
  void TearDown() override {
    Unblock();
    GroupDrawing::TearDown();
  }
};

TEST_P(AGroupDrawingThatCannotGo, IsOwedUntilItGoesAndNeverReadBackAsSaved) {
  const Keeping& c = GetParam();
  DrawLine(100);
  ASSERT_EQ(GroupElements(), 1);
  Block();
  for (int exit = 0; exit < 2; ++exit) {
    ExpectSaveQuestion(plat::mrNo);
    ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk)
        .WithText("Drawing HOUSE could not be put back to its last save: cannot write " +
                  dir.Root() + "/DWGS/HOUSE.GPD (" + c.reason +
                  "). It stays open; close again once the file can be written, or save.");
    form->CmExitExecute();
    ASSERT_EQ(closes, 0);
    EXPECT_TRUE(form->HasUnsavedChanges());
    Window().Paint();
    EXPECT_EQ(DrawingList.Count(), 0);
  }
  Unblock();
  ExpectSaveQuestion(plat::mrNo);
  form->CmLayoutExecute();
  EXPECT_FALSE(dir.Exists(kGroup));

  Restart();
  form->CmGroupExecute();
  Window().Paint();
  EXPECT_EQ(DrawingList.Count(), 0);
  EXPECT_FALSE(form->HasUnsavedChanges());
}

// Yes saves what is shown: no group drawing. From the floors' window the
// save takes the file away once it can, and only then.
TEST_P(AGroupDrawingThatCannotGo, IsTakenAwayByASaveOnceItCanGo) {
  DrawLine(100);
  Block();
  ExpectSaveQuestion(plat::mrNo);
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk).Containing("HOUSE.GPD");
  form->CmExitExecute();
  Activate(view::Ground);
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk)
      .Containing(std::string("the drawing could not be saved: cannot write ") + dir.Root());
  form->CmSaveExecute();
  EXPECT_TRUE(form->HasUnsavedChanges());
  Unblock();
  form->CmSaveExecute();
  EXPECT_FALSE(dir.Exists(kGroup));
  EXPECT_FALSE(form->HasUnsavedChanges());
}

plat::WriteCheck checkBefore;

INSTANTIATE_TEST_SUITE_P(
    Table, AGroupDrawingThatCannotGo,
    ::testing::Values(
        Keeping{"TheFile", [] { plat::SimulateWriteFailure(kGroup, EPERM); },
                [] { plat::SimulateWriteFailure("", 0); }, "Operation not permitted"},
        Keeping{"ItsFolder", [] { plat::SimulateWriteFailure("DWGS\\", EPERM); },
                [] { plat::SimulateWriteFailure("", 0); }, "Operation not permitted"},
        Keeping{"RefusedByTheProgram",
                [] {
                  checkBefore = plat::SetWriteCheck([](const std::string& path) {
                    return path.ends_with(".GPD") ? "kept by the test" : "";
                  });
                },
                [] { plat::SetWriteCheck(checkBefore); }, "kept by the test"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Setting things down in the group drawing --------------------------------------------

struct Placing {
  const char* name;
  std::function<void(GroupDrawing&)> start;  // ends with the item waiting to be placed
};

class PlacingInTheGroupDrawing : public GroupDrawing,
                                 public ::testing::WithParamInterface<Placing> {
 public:
  dlg::InstalledScript<TTAddtolibdlg> add;
  dlg::InstalledScript<TTLiblistdlg> list;
  dlg::InstalledScript<TEasydrawdlg> picker;
  dlg::InstalledScript<TBedDlg> bed;
  dlg::InstalledScript<TMiscChild> designer;
};

TEST_P(PlacingInTheGroupDrawing, WhatIsSetDownIsKeptInTheGroupFile) {
  DrawLine(100);
  form->CmSaveExecute();
  // The window paints between the events, as the window system has it do.
  GetParam().start(*this);
  Window().Paint();
  Press(500, 300);
  Release(500, 300);
  Window().Paint();
  Child().FormKeyDown(plat::VK_RETURN, false);
  Window().Paint();
  const int placed = GroupElements();
  EXPECT_GT(placed, 1);

  ExpectSaveQuestion(plat::mrYes);
  form->CmExitExecute();
  EXPECT_EQ(closes, 1);
  EXPECT_EQ(GroupElements(), placed);
  EXPECT_EQ(LiveElements(), 1);
}

const Placing kPlacings[] = {
    {"Paste",
     [](GroupDrawing& t) {
       t.form->CmCopyExecute();
       t.Drag(80, 80, 420, 120);
       t.form->CmPasteExecute();
     }},
    {"LibraryItem",
     [](GroupDrawing& g) {
       auto& t = static_cast<PlacingInTheGroupDrawing&>(g);
       t.form->CmAddToLibraryExecute();
       t.add.Answer([](TTAddtolibdlg& d) {
         d.name = "Group line";
         d.category = library::Furniture;
       });
       t.Drag(80, 80, 420, 120);
       t.list.Answer([](TTLiblistdlg& d) { d.Choose(0); });
       t.form->CmFurnitureExecute();
     }},
    {"EasyDraw",
     [](GroupDrawing& g) {
       auto& t = static_cast<PlacingInTheGroupDrawing&>(g);
       t.picker.Answer([](TEasydrawdlg& d) { d.item = 1; });
       t.form->CmEasyDrawExecute();
       t.bed.Answer([](TBedDlg&) {});  // as it comes
       t.bed.Answer([](TBedDlg&) {});  // Show Changes
       t.designer.Answer([](TMiscChild& m) { ASSERT_TRUE(m.ShowChanges()); });
       t.ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbYes | plat::mbNo, plat::mrNo)
           .WithText("do you want to add this object to your libraries ?");
       t.Press(300, 250);
       t.Release(300, 250);
     }},
};

INSTANTIATE_TEST_SUITE_P(Commands, PlacingInTheGroupDrawing, ::testing::ValuesIn(kPlacings),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Saving from either window -------------------------------------------------------------

struct SaveRoad {
  const char* name;
  // A save from the active window; it ends there. Lines drawn for it count.
  std::function<void(GroupDrawing&)> save;
  int lines = 0;
};

class SavingFromEitherWindow
    : public GroupDrawing,
      public ::testing::WithParamInterface<std::tuple<SaveRoad, bool>> {};

// A line drawn in one window, then a save from the other: both drawings are
// saved, so declining what came after the save gives up only the line drawn
// after it.
TEST_P(SavingFromEitherWindow, SavesWhatWasDrawnInTheOtherWindowToo) {
  const auto& [road, fromGroup] = GetParam();
  const int32 saving = fromGroup ? view::Group : view::Ground;
  Activate(fromGroup ? view::Ground : view::Group);
  DrawLine(100);
  Activate(saving);
  road.save(*this);
  EXPECT_FALSE(form->HasUnsavedChanges());
  DrawLine(200);
  ExpectSaveQuestion(plat::mrNo);
  form->CmExitExecute();
  // The ground floor holds its wall besides the lines.
  EXPECT_EQ(LiveElements(), 1 + (fromGroup ? 1 : road.lines));
  EXPECT_EQ(GroupElements(), fromGroup ? road.lines : 1);
}

const SaveRoad kSaveRoads[] = {
    {"CtrlS", [](GroupDrawing& t) { t.form->CmSaveExecute(); }},
    {"YesAtTheQuestion",
     [](GroupDrawing& t) {
       const int32 shown = CurrentView;
       t.DrawLine(300);
       t.ExpectSaveQuestion(plat::mrYes);
       t.form->CmLayoutExecute();
       t.Activate(shown);
     },
     1},
    {"AutosaveOnAndOff",
     [](GroupDrawing& t) {
       t.form->CmAutosaveExecute();
       t.form->CmAutosaveExecute();
     }},
};

INSTANTIATE_TEST_SUITE_P(Roads, SavingFromEitherWindow,
                         ::testing::Combine(::testing::ValuesIn(kSaveRoads), ::testing::Bool()),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) ? "FromTheGroupWindow"
                                                           : "FromTheFloorWindow");
                         });

}  // namespace

namespace {

// ---- A save that fails half way -------------------------------------------------------

// From the group window the floors' drawing is saved from its live file:
// one gone from outside is told as the save's failure, and the saved copy
// stays as it was.
TEST_F(GroupDrawing, ALiveFileGoneIsToldAndLeavesTheSavedCopy) {
  const std::string saved = dir.ReadFile("CFG\\tmp.cfg");
  std::filesystem::remove(dir.Path(kLive));
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk)
      .Containing("the drawing could not be saved")
      .Containing("HOUSE.KWV is not there");
  form->CmSaveExecute();
  EXPECT_EQ(dir.ReadFile("CFG\\tmp.cfg"), saved);
  EXPECT_TRUE(form->HasUnsavedChanges());
}

class FailingSave : public GroupDrawing,
                    public ::testing::WithParamInterface<std::tuple<const char*, bool, bool>> {
 public:
  void ExpectNotSaved() {
    ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk)
        .Containing("the drawing could not be saved");
  }
};

// One of the drawing's files refuses every write; a line is drawn in each
// window and saved from one of them (Ctrl+S, or saving without asking
// switched on). The save fails, so neither saved state takes anything:
// declining gives up both lines, whichever file failed and whichever window
// saved.
TEST_P(FailingSave, LeavesBothSavedStatesAsTheyWere) {
  const auto& [refused, fromGroup, byAutosave] = GetParam();
  const std::string ending = refused;
  const plat::WriteCheck before = plat::SetWriteCheck([ending](const std::string& path) {
    return path.size() > ending.size() && path.substr(path.size() - ending.size()) == ending
               ? "kept by the test"
               : "";
  });
  Activate(view::Ground);
  if (ending == ".KWV") ExpectNotSaved();
  DrawLine(100);
  Activate(view::Group);
  if (ending == ".GPD") ExpectNotSaved();
  // (The saved copy is written by saves only.)
  DrawLine(200);
  Activate(fromGroup ? view::Group : view::Ground);
  ExpectNotSaved();
  if (byAutosave)
    form->CmAutosaveExecute();
  else
    form->CmSaveExecute();
  plat::SetWriteCheck(before);

  ExpectSaveQuestion(plat::mrNo);
  form->CmExitExecute();
  EXPECT_EQ(LiveElements(), 1);  // the wall saved at the start
  EXPECT_EQ(GroupElements(), 0);
}

INSTANTIATE_TEST_SUITE_P(Roads, FailingSave,
                         ::testing::Combine(::testing::Values(".KWV", ".GPD", "tmp.cfg"),
                                            ::testing::Bool(), ::testing::Bool()),
                         [](const auto& info) {
                           const std::string file = std::get<0>(info.param);
                           return (file == "tmp.cfg" ? "SavedCopy" : file.substr(1)) + (std::get<1>(info.param) ? "FromTheGroupWindow"
                                                                  : "FromTheFloorWindow") +
                                  (std::get<2>(info.param) ? "ByAutosave" : "");
                         });

}  // namespace
