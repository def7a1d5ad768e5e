// Printing a part of a plan: the frame dragged with the print-part tool is
// what the page shows, at the chosen scale, centred and clipped to it.
#include "model/view_mapping.h"
#include "tests/planwindow_fixture.h"
#include "tools/moveobjtool.h"

namespace {

using namespace planfix;

class PrintPart : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    NewDrawing("PARTS");
    Edit(Line(20000, 15000, 21000, 15000));  // inside the frame below
    Edit(Line(30000, 20000, 31000, 20000));  // outside it
    AutosaveMode = 0;
  }
  plat::Point Pixel(int32 x, int32 y) {
    plat::WindowDC dc(Window().window);
    int32 px = 0, py = 0;
    WorldToDevice(*dc, Child().ClientRect(), x / PixelScale, y / PixelScale, px, py);
    return {px, py};
  }
  void Drag(int32 x1, int32 y1, int32 x2, int32 y2) {
    const plat::Point a = Pixel(x1, y1), b = Pixel(x2, y2);
    Child().OnMouseDown(1, a.x, a.y);
    Child().OnMouseMove(b.x, b.y, true);
    Child().OnMouseUp(1, b.x, b.y);
  }
};

TEST_F(PrintPart, ThePrintedWindowIsTheFrame) {
  form->CmPrintpartExecute();
  EXPECT_EQ(form->CurrentTool()->Step, framestep::PartPrintStart);
  EXPECT_EQ(form->st.PanelText(panel::Guide),
            "GUIDE: Just hold the Left Button down and drag over EXACT area you want to print");
  print.Answer([](dlg::TTFPlanprintdlg& d) {
    static_cast<dlg::PrintChoice&>(d) = dlg::PrintChoice{};
    d.scale = 50;
  });
  // Dragged from the top right: the frame is ordered all the same.
  Drag(23000, 17000, 19000, 13000);
  EXPECT_EQ(dir.ReadFile("CFG\\PTPRINT.CFG"), "19000 23000 17000 13000");
  ASSERT_EQ(printer.documents, 1);

  // At 1:50 and 300 pixels per inch a millimetre of plan is 0.2362 pixels:
  // the 4000 x 4000 frame is 945 pixels square, centred on the A4 page.
  ASSERT_FALSE(printer.printed.empty());
  for (const auto& r : printer.printed) {
    ASSERT_TRUE(r.clipped);
    EXPECT_NEAR(r.clip.right - r.clip.left, 945, 3);
    EXPECT_NEAR(r.clip.bottom - r.clip.top, 945, 3);
    EXPECT_NEAR((r.clip.left + r.clip.right) / 2, 2480 / 2, 3);
    EXPECT_NEAR((r.clip.top + r.clip.bottom) / 2, 3508 / 2, 3);
  }
  // The line in the frame lies in the clip box.
  bool inside = false;
  for (const auto& r : printer.printed)
    if (r.op == plat::DcOp::Line && std::abs(r.to.x - r.from.x) > 200)
      inside = inside || (r.from.x > r.clip.left && r.to.x < r.clip.right);
  EXPECT_TRUE(inside);
  EXPECT_EQ(CurrentView, view::Ground);
  EXPECT_EQ(form->CurrentTool()->Type, tooltype::Pick);
}

TEST_F(PrintPart, AFrameWithoutAreaWaitsForAnotherAndOtherViewsAreRefused) {
  form->CmPrintpartExecute();
  Drag(19000, 13000, 19000, 16000);
  EXPECT_EQ(printer.documents, 0);
  EXPECT_EQ(form->CurrentTool()->Step, framestep::PartPrintStart);

  CurrentView = view::Site;
  DefaultTestUi().ExpectMessageDlg(plat::MsgType::Information, plat::mbOK, plat::mrOk)
      .WithText("part printing is for floor plans - show a floor and try again");
  form->CmPrintpartExecute();
}

}  // namespace
