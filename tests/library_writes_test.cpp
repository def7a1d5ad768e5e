// Library items and the paste buffer are files of their own, not the
// drawing: one that cannot be written is told every time the user asks for
// it, naming the file where the user finds it, and the drawing is left as
// it was.
#include <algorithm>
#include <cerrno>

#include "dialogs/addtolibdlg.h"
#include "platform/files.h"
#include "tests/routing_fixture.h"

namespace {

enum class Road { AddToLibrary, Copy };

struct Case {
  const char* story;
  Road road;
  const char* file;   // the file the failed write names
  const char* words;  // what the message says before the problem
};

class FailedLibraryWrite : public PlanWindowTest, public ::testing::WithParamInterface<Case> {
 protected:
  dlg::InstalledScript<TTAddtolibdlg> add;

  void SetUp() override {
    PlanWindowTest::SetUp();
    DrawingList.Add(new TLineobj(kind::Line, CurrentView, 0, 0, 1000, 0, 2000, 0, 1500, 1500, 0,
                                 900, DrawingColour, 1, 0));
    DrawingList.WriteDrawingFile(dtDrawing);
  }

  // Frames the line on the road's command.
  void Ask(Road road) {
    if (road == Road::AddToLibrary) {
      form->CmAddToLibraryExecute();
      add.Answer([](TTAddtolibdlg& d) {
        d.name = "Bench";
        d.category = library::Furniture;
      });
    } else {
      form->CmCopyExecute();
    }
    Drag(900, 1000, 2100, 2000);
  }
  std::string CannotWrite(std::string file) {
    std::replace(file.begin(), file.end(), '\\', '/');
    return "cannot write " + dir.Root() + "/" + file + " (Permission denied)";
  }
};

TEST_P(FailedLibraryWrite, IsToldEachTimeWithItsPathAndLeavesTheDrawingAlone) {
  const Case& c = GetParam();
  const std::string drawing = dir.ReadFile("DWGS\\ROUTING.KWV");
  plat::SimulateWriteFailure("LIBS\\", EACCES);
  for (int time = 1; time <= 2; ++time) {
    SCOPED_TRACE(time);
    AutosaveMode = autosave::Unchanged;
    ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk)
        .WithText(std::string(c.words) + CannotWrite(c.file));
    Ask(c.road);
    EXPECT_FALSE(dir.Exists(c.file)) << c.story;
    EXPECT_EQ(AutosaveMode, autosave::Unchanged) << c.story;
    EXPECT_EQ(dir.ReadFile("DWGS\\ROUTING.KWV"), drawing) << c.story;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, FailedLibraryWrite,
    ::testing::Values(Case{"a framed item added to a library", Road::AddToLibrary,
                           "LIBS\\Bench.FUM", "the library item could not be stored: "},
                      Case{"a copy into the paste buffer", Road::Copy, "LIBS\\PASTE.CFG",
                           "the copy could not be kept for pasting: "}));

}  // namespace
