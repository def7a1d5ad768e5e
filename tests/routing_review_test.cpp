// A centred text placed by a click: what the press shows and does after the
// text question, judged by the step the tool had when the button went down.
#include "dialogs/drawing_dialogs.h"
#include "tests/routing_fixture.h"

namespace {

// A text tool that moves on to its next step once a text is placed.
class SteppingTextTool : public TDrawingtool {
 public:
  explicit SteppingTextTool(int32 step) {
    Type = tooltype::Text;
    Step = step;
  }
  void PlaceText(plat::DeviceContext&, const plat::Rect&, int32, int32,
                 const std::string& text) override {
    placed = text;
    Step = 1;
  }
  std::string placed;
};

class CentredTextClick : public PlanWindowTest {
 protected:
  SteppingTextTool& Install(int32 step) {
    auto tool = std::make_unique<SteppingTextTool>(step);
    SteppingTextTool& t = *tool;
    form->ReplaceTool(std::move(tool));
    return t;
  }
  void Press() {
    const plat::Point p = Pixel(1000, 1000);
    child->OnMouseDown(1, p.x, p.y);
  }
  // The centred text's own dialog answers.
  void Answer(const std::string& text) {
    centred.Answer([text](Ttextcentredlg& d) { d.Text = text; });
  }
  plat::ManualTimer scrollTimer;
  dlg::InstalledScript<Ttextcentredlg> centred;
};

TEST_F(CentredTextClick, ThePlacedTextKeepsTheHintToGoOnWithTheSameFunction) {
  SteppingTextTool& t = Install(0);
  Answer("KITCHEN");
  Press();
  EXPECT_EQ(t.placed, "KITCHEN");
  // The tool's new step is not the step of the press: no "Selected" status.
  EXPECT_EQ(form->st.PanelText(panel::Guide),
            "GUIDE: you can continue using the same text function by clicking LEFT button on "
            "TEXT point");
}

TEST_F(CentredTextClick, AFrameStepPressSwitchesToTheLineThicknessToolAndStillAutoScrolls) {
  AutoScroll = 1;
  child->AutoScrollTimer = &scrollTimer;
  LineThickness = 1;
  Install(9);
  Answer("BATH");
  Press();
  EXPECT_EQ(Tool()->Type, tooltype::Line);
  EXPECT_TRUE(child->AutoScrolling());
  child->OnMouseUp(1, 10, 10);
}

TEST_F(CentredTextClick, CancelReturnsToThePickToolWithoutAutoScroll) {
  AutoScroll = 1;
  child->AutoScrollTimer = &scrollTimer;
  Install(0);
  centred.Cancel();
  Press();
  EXPECT_EQ(Tool()->Type, tooltype::Pick);
  EXPECT_FALSE(child->AutoScrolling());
}

}  // namespace
