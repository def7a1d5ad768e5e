// Changing a text or its size with a click: the question is modal, and a
// repaint while it is open rebuilds the element list from the live file.
#include "tests/routing_fixture.h"

namespace {

// Repaints the window while every input box is open, as a modal box's
// message loop may.
class RepaintingUi : public plat::ScriptedUi {
 public:
  TMDIChild* child = nullptr;
  bool InputQuery(const std::string& caption, const std::string& prompt,
                  std::string& value) override {
    if (child) child->OnPaint();
    return plat::ScriptedUi::InputQuery(caption, prompt, value);
  }
};

class TextEditClick : public PlanWindowTest {
 protected:
  void SetUp() override {
    PlanWindowTest::SetUp();
    DrawingList.Add(new TTextobj(kind::Text, view::Ground, 0, 0, 2000, 1500, 0, 0, 0, 0, 0, 0, 1,
                                 0, 10, 400, "", "LOUNGE"));
    DrawingList.WriteDrawingFile(dtDrawing);
    repainting.child = child;
    repainting.onFailure = [](const std::string& f) { ADD_FAILURE() << f; };
  }
  void ClickText(int32 step) {
    Tool()->Type = tooltype::TextEdit;
    Tool()->Step = step;
    Click(2000, 1500);
  }
  const TTextobj* TextInFile() {
    DrawingList.Clear();
    DrawingList.ReadDrawingFile(dtDrawing);
    return DrawingList.Count() > 6 ? dynamic_cast<const TTextobj*>(DrawingList.At(6)) : nullptr;
  }
  RepaintingUi repainting;
};

TEST_F(TextEditClick, ARepaintDuringTheQuestionDoesNotLoseTheChangeOrItsUndo) {
  plat::ScopedUi use(repainting);
  repainting.ExpectInput("DINING").WithPrompt("");
  ClickText(1);
  const TTextobj* t = TextInFile();
  ASSERT_NE(t, nullptr);
  EXPECT_STREQ(t->Text, "DINING");
  EXPECT_EQ(t->TextLength, 6);
  EXPECT_EQ(UndoSteps(), 1);

  repainting.ExpectInput("14").WithPrompt("CHANGE TEXT SIZE");
  ClickText(2);
  t = TextInFile();
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->Size, 14);
  EXPECT_STREQ(t->Text, "DINING");
}

TEST_F(TextEditClick, ATextGoneWhileTheQuestionWasOpenIsLeftAlone) {
  // The question's repaint reads a file in which the text was replaced.
  class RewritingUi : public plat::ScriptedUi {
   public:
    TMDIChild* child = nullptr;
    bool InputQuery(const std::string& c, const std::string& p, std::string& v) override {
      DrawingList.Clear();
      InitDrawingList();
      DrawingList.Add(new TLineobj(kind::Line, view::Ground, 0, 0, 0, 0, 10, 0, 0, 10, 0, 0, 0, 1,
                                   0));
      DrawingList.WriteDrawingFile(dtDrawing);
      child->OnPaint();
      return plat::ScriptedUi::InputQuery(c, p, v);
    }
  } rewriting;
  rewriting.child = child;
  rewriting.onFailure = [](const std::string& f) { ADD_FAILURE() << f; };
  plat::ScopedUi use(rewriting);
  rewriting.ExpectInput("DINING");
  ClickText(1);
  EXPECT_EQ(UndoSteps(), 0);
  EXPECT_EQ(LinesInFile().size(), 1u);
}

}  // namespace
