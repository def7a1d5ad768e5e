// The group drawing as a user reaches it from the View menu: what is drawn
// there is kept in the group file, survives a repaint and the next start,
// and never reaches the floors' live drawing file.
#include <gtest/gtest.h>

#include "model/flist.h"
#include "model/globals.h"
#include "planwindow/childwin.h"
#include "tests/planwindow_fixture.h"

namespace {

constexpr const char* kLive = "DWGS\\HOUSE.KWV";
constexpr const char* kGroup = "DWGS\\HOUSE.GPD";

class GroupView : public planfix::ShellTest {
 protected:
  plat::ScriptedUi& ui = DefaultTestUi();
  void DragLine(int x1, int y1, int x2, int y2) {
    Child().OnMouseDown(1, x1, y1);
    Child().OnMouseMove(x2, y2, true);
    Child().OnMouseUp(1, x2, y2);
  }
  int LinesInList() {
    int n = 0;
    for (int32 i = 0; i < DrawingList.Count(); ++i) n += DrawingList.At(i)->Kind == kind::Line;
    return n;
  }
};

TEST_F(GroupView, WhatIsDrawnThereIsKeptInTheGroupFile) {
  NewDrawing("HOUSE");
  form->CmGroupExecute();
  ASSERT_EQ(CurrentView, view::Group);
  EXPECT_EQ(Window().caption, "HOUSE.GPD");
  const std::string live = dir.ReadFile(kLive);

  form->CmLineExecute();
  DragLine(100, 100, 400, 100);
  DragLine(100, 200, 400, 200);
  EXPECT_EQ(UserElementsIn(kGroup) + 6, 2);  // the group file has no floor records
  Window().window.InvalidateRect(nullptr);
  Window().Paint();
  EXPECT_EQ(LinesInList(), 2);
  EXPECT_EQ(dir.ReadFile(kLive), live);

  // Back on the ground floor the lines are not there; in the group again they are.
  ui.ExpectQuestion(plat::mrYes).WithText("do you wish to save drawing changes?");
  form->CmPlanExecute();
  Window().Paint();
  EXPECT_EQ(LinesInList(), 0);
  form->CmGroupExecute();
  Window().Paint();
  EXPECT_EQ(LinesInList(), 2);
}

TEST_F(GroupView, ItPrintsInTheMiddleOfThePageWithLinesAlone) {
  NewDrawing("HOUSE");
  form->CmGroupExecute();
  form->CmLineExecute();
  DragLine(100, 100, 400, 100);
  dlg::Scripted<dlg::TTGrpprintdlg> groupPrint;
  dlg::ScopedRunner<dlg::TTGrpprintdlg> use(groupPrint);
  groupPrint.Answer([](dlg::TTGrpprintdlg& d) { d.scale = 100; });
  form->CmPrintExecute();
  ASSERT_EQ(printer.documents, 1);
  const plat::DcRecord* line = nullptr;
  for (const auto& r : printer.printed)
    if (r.op == plat::DcOp::Line) line = &r;
  ASSERT_NE(line, nullptr);
  EXPECT_NEAR((line->from.x + line->to.x) / 2.0, printer.pixels.cx / 2.0, 2);
  EXPECT_NEAR(line->from.y, printer.pixels.cy / 2.0, 2);
}

}  // namespace
