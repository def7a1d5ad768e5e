// A drawing's files found damaged at any read, not only at the open: the
// group file, and the live file changed from outside while the drawing is
// open. The user is told once, the bytes are kept beside the file as a
// copy the program wrote before anything writes over them, and a file of
// which no copy can be kept is never written over.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <optional>
#include <utility>

#include <sys/stat.h>

#include "dialogs/drawing_dialogs.h"
#include "model/flist.h"
#include "model/globals.h"
#include "planwindow/childwin.h"
#include "storage/record_codec.h"
#include "tests/planwindow_fixture.h"

namespace {

namespace fs = std::filesystem;
using planfix::Line;

constexpr const char* kLive = "DWGS\\HOUSE.KWV";
constexpr const char* kGroup = "DWGS\\HOUSE.GPD";

// The record of the last line in a drawing file with one of its numbers
// made unreadable, as an outside edit can leave it.
std::string BreakLastLine(std::string text) {
  const std::size_t record = text.rfind("\n1 120 ");
  const std::size_t number = text.find(' ', record + 7) + 1;  // the fourth value
  return text.replace(number, text.find(' ', number) - number, "-48x5");
}

class DamagedDrawing : public planfix::ShellTest {
 protected:
  plat::ScriptedUi& ui = DefaultTestUi();

  void SetUp() override {
    ShellTest::SetUp();
    NewDrawing("HOUSE");
    for (int i = 0; i < 5; ++i) Edit(Line(18000, 11000 + 500 * i, 22000, 11000 + 500 * i));
    form->CmSaveExecute();
  }
  void Repaint() {
    Window().window.InvalidateRect(nullptr);
    Window().Paint();
  }
  void ExpectTold(const std::string& text) {
    ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbOK, plat::mrOk).WithText(text);
  }
  std::string Shown(const std::string& file) { return dir.Root() + "/DWGS/" + file; }
  void RemoveCopies() {
    std::vector<fs::path> copies;
    for (const auto& e : fs::directory_iterator(dir.Path("DWGS\\")))
      if (e.path().filename().string().find("DAMAGED") != std::string::npos) copies.push_back(e);
    for (const fs::path& p : copies) fs::remove_all(p);
  }
};

TEST_F(DamagedDrawing, ALiveFileChangedOutsideIsKeptAndToldOnceBeforeTheNextWrite) {
  const std::string damaged = BreakLastLine(dir.ReadFile(kLive));
  dir.WriteFile(kLive, damaged);
  ExpectTold("Drawing HOUSE changed outside the program and only part of it could be read: 10 "
             "of 11 elements. Element 11 (kind 1) is broken. The file as it was is kept as " +
             Shown("HOUSE.DAMAGED") + ".");
  Repaint();
  Repaint();  // the same bytes again: nothing more to tell
  Edit(Line(18000, 14000, 22000, 14000));
  Repaint();
  EXPECT_EQ(dir.ReadFile("DWGS\\HOUSE.DAMAGED"), damaged);
  EXPECT_EQ(UserElementsIn(kLive), 5);
}

TEST_F(DamagedDrawing, AGroupFileReadInPartIsKeptBesideItAndTold) {
  // One element counted, two held.
  TFlist lines;
  for (int i = 0; i < 2; ++i) lines.Add(Line(1000, 1000 + 100 * i, 2000, 1000, view::Group));
  std::string group = storage::FormatList(lines, storage::HeaderFromGlobals(0), {});
  group[0] = '1';
  dir.WriteFile(kGroup, group);
  ExpectTold("The group drawing of HOUSE was read with all 1 of its elements. More follows the "
             "last element its header counts. The file as it was is kept as " +
             Shown("HOUSE.GPD.DAMAGED") + ".");
  form->CmGroupExecute();
  form->CmLineExecute();
  Child().OnMouseDown(1, 100, 100);
  Child().OnMouseMove(400, 100, true);
  Child().OnMouseUp(1, 400, 100);
  Repaint();
  EXPECT_EQ(dir.ReadFile("DWGS\\HOUSE.GPD.DAMAGED"), group);
  EXPECT_EQ(UserElementsIn(kGroup) + 6, 2);
}

// Whatever stands at the copies' names, a copy is a regular file the
// program wrote: a link or a folder is passed over, and a drawing of which
// no copy can be kept is neither opened nor, once open, written over.
TEST_F(DamagedDrawing, ACopyIsAlwaysAFileTheProgramWroteOrNothingIsWritten) {
  const std::string whole = dir.ReadFile(kLive);
  const std::string damaged = BreakLastLine(whole);
  NewDrawing("OTHER");
  const std::string other = dir.ReadFile("DWGS\\OTHER.KWV");
  const std::string shipped = "Element 11 (kind 1) is broken.";
  struct Case {
    const char* planted;
    std::function<void(ScratchProgramDir&)> plant;
    const char* keptAs;  // "" when no copy can be kept
  };
  auto everyName = [](ScratchProgramDir& d) {
    d.WriteFile("DWGS\\HOUSE.DAMAGED", "older");
    for (int n = 2; n <= 99; ++n) d.WriteFile("DWGS\\HOUSE.DAMAGED" + std::to_string(n), "older");
  };
  const Case cases[] = {
      {"link",
       [](ScratchProgramDir& d) {
         fs::create_symlink(d.Path(kLive), d.Path("DWGS\\") + "HOUSE.DAMAGED");
       },
       "HOUSE.DAMAGED2"},
      {"folder",
       [](ScratchProgramDir& d) { fs::create_directory(d.Path("DWGS\\") + "HOUSE.DAMAGED"); },
       "HOUSE.DAMAGED2"},
      {"every name", everyName, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.planted);
    RemoveCopies();
    dir.WriteFile(kLive, damaged);
    c.plant(dir);
    const std::string keptAs = c.keptAs;
    if (keptAs.empty()) {
      ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbOK, plat::mrOk)
          .WithText("Drawing HOUSE could not be read whole and was not opened: element 11 (kind "
                    "1) is broken. No copy of the file as it was could be kept (every name from " +
                    Shown("HOUSE.DAMAGED") + " to " + Shown("HOUSE.DAMAGED99") +
                    " is taken), so it is left as it is.");
      EXPECT_FALSE(form->OpenNamedDrawing("HOUSE"));
      EXPECT_EQ(DrawingList.DrawingName, "OTHER");
      form->CmSaveExecute();
      EXPECT_EQ(dir.ReadFile("DWGS\\OTHER.KWV"), other);
      EXPECT_EQ(dir.ReadFile(kLive), damaged);
      continue;
    }
    ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbOK, plat::mrOk)
        .WithText("Only part of drawing HOUSE could be read: 10 of 11 elements. " + shipped +
                  " The file as it was is kept as " + Shown(keptAs) + ".");
    ASSERT_TRUE(form->OpenNamedDrawing("HOUSE"));
    Edit(Line(18000, 14000, 22000, 14000));
    EXPECT_EQ(dir.ReadFile("DWGS\\" + keptAs), damaged);
    EXPECT_NE(fs::symlink_status(dir.Path("DWGS\\") + "HOUSE.DAMAGED").type(),
              fs::file_type::regular);
    ASSERT_TRUE(form->OpenNamedDrawing("OTHER"));
  }

  // Once open, a drawing damaged from outside with no name left for a copy
  // is not written over: the edit is held and the failure told, until a
  // copy can be kept.
  RemoveCopies();
  dir.WriteFile(kLive, whole);
  ASSERT_TRUE(form->OpenNamedDrawing("HOUSE"));
  everyName(dir);
  dir.WriteFile(kLive, damaged);
  ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbOK, plat::mrOk)
      .Containing("No copy of the file as it was could be kept");
  Repaint();
  ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk)
      .Containing("so it is not written over");
  Edit(Line(18000, 14000, 22000, 14000));
  Repaint();
  EXPECT_EQ(dir.ReadFile(kLive), damaged);
  EXPECT_TRUE(form->HasUnsavedChanges());

  fs::remove(dir.Path("DWGS\\") + "HOUSE.DAMAGED50");
  ExpectTold("A copy of drawing HOUSE as it was could be kept at last: it is kept as " +
             Shown("HOUSE.DAMAGED50") + ".");
  form->CmSaveExecute();
  EXPECT_EQ(dir.ReadFile("DWGS\\HOUSE.DAMAGED50"), damaged);
  EXPECT_EQ(UserElementsIn(kLive), 5);
}

// A copy the user removed or changed since it was kept is no copy: it is
// made again before the file is written over, not only at the next read,
// and the user told of a name other than the one told before.
TEST_F(DamagedDrawing, ACopyGoneOrChangedSinceItWasKeptIsMadeAgainBeforeTheNextWrite) {
  struct Outside {
    const char* what;
    std::function<void(const std::string&)> change;
    const char* keptAs;
  };
  const Outside outsides[] = {
      {"removed", [](const std::string& copy) { fs::remove(copy); }, "HOUSE.DAMAGED"},
      {"written over", [this](const std::string&) { dir.WriteFile("DWGS\\HOUSE.DAMAGED", "x"); },
       "HOUSE.DAMAGED2"},
  };
  for (const auto& [what, change, keptAs] : outsides) {
    SCOPED_TRACE(what);
    RemoveCopies();
    const std::string damaged = BreakLastLine(dir.ReadFile(kLive));
    dir.WriteFile(kLive, damaged);
    ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbOK, plat::mrOk)
        .Containing("kept as " + Shown("HOUSE.DAMAGED"));
    Repaint();
    change(dir.Path("DWGS\\HOUSE.DAMAGED"));
    if (std::string(keptAs) != "HOUSE.DAMAGED")
      ExpectTold("The copy of drawing HOUSE as it was (" + Shown("HOUSE.DAMAGED") +
                 ") was removed or changed since it was kept, so the file as it was is now "
                 "kept as " +
                 Shown(keptAs) + ".");
    Edit(Line(18000, 14000, 22000, 14000));  // no read in between
    std::string copies;
    for (const auto& e : fs::directory_iterator(dir.Path("DWGS\\")))
      if (e.path().filename().string().find("DAMAGED") != std::string::npos &&
          dir.ReadFile("DWGS\\" + e.path().filename().string()) == damaged)
        copies += e.path().filename().string();
    EXPECT_EQ(copies, keptAs);
    EXPECT_NE(dir.ReadFile(kLive), damaged);
  }
}

// Declining changes puts the drawing as last saved back only when its saved
// copy reads whole and holds a drawing: part of a drawing, or none, would
// cut or delete it.
TEST_F(DamagedDrawing, ASavedCopyNotReadWholeIsNeverPutOverTheDrawing) {
  constexpr const char* kSavedCopy = "CFG\\tmp.cfg";
  const std::string saved = dir.ReadFile(kSavedCopy);
  const std::size_t third = saved.find("\n1 120 ", saved.find("\n1 120 ") + 1);
  const std::string kept = std::string("Drawing HOUSE keeps its changes: the drawing as last saved (") +
                           dir.Root() + "/CFG/tmp.cfg) ";
  const std::string unread = kept + "could not be read whole, so it was not put back. ";
  struct Case {
    const char* what;
    std::optional<std::string> copy;  // none: removed
    std::string told;
  };
  const Case cases[] = {
      {"cut in a record", saved.substr(0, third + 12),
       unread + "The file ends within element 8 (kind 1)."},
      {"no element counted, more after it", "0" + saved.substr(saved.find(' ')),
       unread + "More follows the last element its header counts."},
      {"removed", std::nullopt, unread + "The file cannot be opened."},
      // Whole, but no drawing the program would save: not the drawing's.
      {"no element at all", "0 0 0 0 1 0\n",
       kept + "holds no element, so it was not put back."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    form->CmSaveExecute();
    if (c.copy)
      dir.WriteFile(kSavedCopy, *c.copy);
    else
      fs::remove(dir.Path(kSavedCopy));
    Edit(Line(18000, 14000, 22000, 14000));
    const int lines = UserElementsIn(kLive);
    ui.ExpectMessageDlg(plat::MsgType::Confirmation, plat::mbYes | plat::mbNo, plat::mrNo)
        .WithText("do you wish to save drawing changes?");
    ExpectTold(c.told);
    form->CmPrintpartExecute();  // asks, and reads nothing after
    EXPECT_EQ(UserElementsIn(kLive), lines);
    // What the window works on is the drawing kept, not what was read of
    // the saved copy.
    Edit(Line(18000, 15000, 22000, 15000));
    EXPECT_EQ(UserElementsIn(kLive), lines + 1);
  }
}

// A drawing made in this run and never saved has nothing saved to lose:
// declining its changes over a saved copy of no element deletes it.
TEST_F(DamagedDrawing, ADrawingNeverSavedGoesWhenItsSavedCopyHoldsNothing) {
  NewDrawing("FRESH");
  Edit(Line(18000, 14000, 22000, 14000));
  dir.WriteFile("CFG\\tmp.cfg", "0 0 0 0 1 0\n");
  ui.ExpectMessageDlg(plat::MsgType::Confirmation, plat::mbYes | plat::mbNo, plat::mrNo)
      .WithText("do you wish to save drawing changes?");
  form->CmLayoutExecute();
  EXPECT_FALSE(dir.Exists("DWGS\\FRESH.KWV"));
  EXPECT_FALSE(form->DrawingOpen());
}

// One that cannot be deleted would be opened at the next start with the
// changes declined: the program keeps it open, and asks again.
TEST_F(DamagedDrawing, ADrawingNeverSavedThatCannotBeDeletedStaysOpen) {
  NewDrawing("FRESH");
  Edit(Line(18000, 14000, 22000, 14000));
  dir.WriteFile("CFG\\tmp.cfg", "0 0 0 0 1 0\n");
  const std::string live = dir.Path("DWGS\\FRESH.KWV");
  plat::SimulateWriteFailure("DWGS\\FRESH.KWV", EPERM);
  for (int decline = 0; decline < 2; ++decline) {
    ui.ExpectMessageDlg(plat::MsgType::Confirmation, plat::mbYes | plat::mbNo, plat::mrNo)
        .WithText("do you wish to save drawing changes?");
    ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk)
        .WithText("Drawing FRESH could not be put back to its last save: cannot write " + live +
                  " (Operation not permitted). It stays open; try again once the file can be "
                  "written, or save.");
    form->CmLayoutExecute();
    EXPECT_TRUE(form->DrawingOpen());
    EXPECT_TRUE(form->HasUnsavedChanges());
    // Nothing of it was saved, and nothing declined is shown.
    Window().Paint();
    EXPECT_EQ(DrawingList.Count(), 0);
  }
  plat::SimulateWriteFailure("", 0);
  ui.ExpectMessageDlg(plat::MsgType::Confirmation, plat::mbYes | plat::mbNo, plat::mrNo)
      .WithText("do you wish to save drawing changes?");
  form->CmLayoutExecute();
  EXPECT_FALSE(form->DrawingOpen());
  EXPECT_FALSE(dir.Exists("DWGS\\FRESH.KWV"));
}

// A drawing opened, or turned into a new name, after File > New has a saved
// state of its own: declining its changes over a saved copy emptied from
// outside keeps it, as for any saved drawing.
TEST_F(DamagedDrawing, ADrawingTakenUpAfterANewOneKeepsItsChangesOverAnEmptySavedCopy) {
  dlg::InstalledScript<TTManipdlg> turn;
  struct Case {
    const char* made;  // the new drawing left for it
    const char* name;
    std::function<void()> takeUp;
  };
  const Case cases[] = {
      {"FIRST", "HOUSE", [this] { ASSERT_TRUE(form->OpenNamedDrawing("HOUSE")); }},
      {"SECOND", "TURNED",
       [&] {
         turn.Answer([](TTManipdlg& d) {
           d.Name = "TURNED";
           d.Operation = 180;
         });
         form->CmRotateMirrorExecute();
         ASSERT_EQ(DrawingList.DrawingName, "TURNED");
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    NewDrawing(c.made);
    Edit(Line(18000, 14000, 22000, 14000));
    c.takeUp();
    const std::string live = std::string("DWGS\\") + c.name + ".KWV";
    Edit(Line(18000, 15000, 22000, 15000));
    const int lines = UserElementsIn(live);
    dir.WriteFile("CFG\\tmp.cfg", "0 0 0 0 1 0\n");
    ui.ExpectMessageDlg(plat::MsgType::Confirmation, plat::mbYes | plat::mbNo, plat::mrNo)
        .WithText("do you wish to save drawing changes?");
    ExpectTold(std::string("Drawing ") + c.name +
               " keeps its changes: the drawing as last saved (" + dir.Root() +
               "/CFG/tmp.cfg) holds no element, so it was not put back.");
    form->CmLayoutExecute();
    EXPECT_EQ(UserElementsIn(live), lines);
    EXPECT_TRUE(form->DrawingOpen());
    ui.CheckAllAsked();  // a message never given fails this case, not the next
  }
}

// An undo or redo step cut from outside, or anything but a file at its
// name, is not applied: told, given up, and the drawing left as it is; the
// steps behind it still work.
TEST_F(DamagedDrawing, AnUndoOrRedoStepNotReadWholeIsGivenUpAndTheDrawingLeftAsItIs) {
  auto slot = [this](int n) { return dir.Path("ACT\\Action" + std::to_string(n) + ".tmp"); };
  auto cut = [this](const std::string& step) {
    const std::string whole = dir.ReadFile(step);
    dir.WriteFile(step, whole.substr(0, 100));
  };
  Edit(Line(18000, 14000, 22000, 14000));
  Edit(Line(18000, 14500, 22000, 14500));
  form->CmUndoExecute();
  ASSERT_EQ(UserElementsIn(kLive), 6);
  cut(slot(10));
  ExpectTold("The step to redo in drawing HOUSE could not be read whole, so it was given up and "
             "the drawing is left as it is. Only 1 of its 13 elements could be read. The file "
             "ends within element 2 (kind 32001).");
  form->CmRedoExecute();
  EXPECT_EQ(UserElementsIn(kLive), 6);
  ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbOK, plat::mrOk)
      .WithText("no more actions to redraw ");
  form->CmRedoExecute();

  struct Case {
    const char* what;
    std::function<void(const std::string& step)> plant;
    bool cutShort = false;  // else nothing of it can be opened
  };
  const Case cases[] = {
      {"cut short", cut, true},
      {"a folder",
       [](const std::string& step) {
         fs::remove(step);
         fs::create_directory(step);
       }},
      {"a pipe",
       [](const std::string& step) {
         fs::remove(step);
         ASSERT_EQ(::mkfifo(step.c_str(), 0600), 0);
       }},
      {"a link to nothing",
       [](const std::string& step) {
         fs::remove(step);
         fs::create_symlink(step + ".gone", step);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Edit(Line(18000, 15000, 22000, 15000));
    const int lines = UserElementsIn(kLive);
    c.plant(slot(0));
    ExpectTold("The step to undo in drawing HOUSE could not be read whole, so it was given up "
               "and the drawing is left as it is." +
               (c.cutShort ? plat::Format(" Only 1 of its %d elements could be read. The file ends "
                                   "within element 2 (kind 32001).",
                                        lines - 1 + 6)
                           : std::string(" The file cannot be opened.")));
    form->CmUndoExecute();
    EXPECT_EQ(UserElementsIn(kLive), lines);
    form->CmUndoExecute();  // the step behind it
    EXPECT_EQ(UserElementsIn(kLive), lines - 2);
  }

  // A folder that holds anything is not taken away, nor is a step behind it
  // moved over another.
  Edit(Line(18000, 15000, 22000, 15000));
  const std::string behind = dir.ReadFile(slot(1));
  fs::remove(slot(0));
  fs::create_directory(slot(0));
  dir.WriteFile(slot(0) + "/kept", "kept");
  for (int i = 0; i < 2; ++i) {
    ExpectTold("The step to undo in drawing HOUSE could not be read whole, so it was given up "
               "and the drawing is left as it is. The file cannot be opened.");
    form->CmUndoExecute();
  }
  EXPECT_EQ(dir.ReadFile(slot(0) + "/kept"), "kept");
  EXPECT_EQ(dir.ReadFile(slot(1)), behind);
}

}  // namespace
