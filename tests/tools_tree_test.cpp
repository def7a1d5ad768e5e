// The tool tree and the main form's choice of the current tool.
#include <gtest/gtest.h>

#include <memory>

#include "platform/recording_dc.h"
#include "shell/mainform.h"
#include "tests/test_support.h"
#include "tools/buildingtools.h"
#include "tools/linetool.h"
#include "tools/moveobjtool.h"
#include "tools/polytool.h"
#include "tools/shapetools.h"
#include "tools/texttool.h"

namespace {

void ExpectFresh(const TDrawingtool& t, int32 type) {
  EXPECT_EQ(t.Type, type);
  EXPECT_EQ(t.Step, 0);
  EXPECT_EQ(t.PenWidth, 1);
  EXPECT_EQ(t.ButtonDown, 0);
  EXPECT_EQ(t.X1 | t.Y1 | t.X2 | t.Y2 | t.Size | t.Angle | t.State | t.Distance, 0);
  EXPECT_EQ(t.Frame[0] | t.Frame[1] | t.Frame[2] | t.Frame[3], 0);
}

TEST(ToolTree, EveryClassStartsIdleWithItsTypeAndPenWidthOne) {
  ExpectFresh(TDrawingtool(), tooltype::Base);
  ExpectFresh(TLinetool(), tooltype::Line);
  ExpectFresh(TLineobjtool(), tooltype::Line);
  ExpectFresh(TArcobjtool(), tooltype::Arc);
  ExpectFresh(TEllipseobjtool(), tooltype::Ellipse);
  ExpectFresh(TCircleobjtool(), tooltype::Circle);
  ExpectFresh(TRndrectobjtool(), tooltype::RoundRect);
  ExpectFresh(TPolyobjtool(), tooltype::Polygon);
  ExpectFresh(TExtwallobjtool(), tooltype::ExtWall);
  ExpectFresh(TWindowobjtool(), tooltype::OpeningNew);
  ExpectFresh(TDRoomobjtool(), tooltype::DesignRoom);
  ExpectFresh(TTextobjtool(), tooltype::Text);
  ExpectFresh(TMoveobjtool(), tooltype::Move);
  ExpectFresh(TCopyobjtool(), tooltype::Copy);
  ExpectFresh(TEraseobjtool(), tooltype::Erase);
  TInwallobjtool inwall;
  ExpectFresh(inwall, tooltype::InWall);
  EXPECT_EQ(inwall.StartMeetAngle, -1);
  EXPECT_EQ(inwall.EndMeetAngle, -1);
}

TEST(ToolTree, OperationsABaseDoesNotOverrideChangeNothing) {
  plat::RecordingDC dc;
  const plat::Rect client{0, 0, 624, 346};
  TLineobjtool t;
  t.KeyPress(dc, client, 'x');
  t.RightMouseDown(dc, client, 10, 10);
  t.Command(1);
  t.Execute(1, 2, 3);
  ExpectFresh(t, tooltype::Line);
  EXPECT_TRUE(dc.Records().empty());
}

// A tool whose destruction is seen, to show tools go through the base.
struct WatchedTool : TLineobjtool {
  explicit WatchedTool(bool& gone) : gone_(gone) {}
  ~WatchedTool() override { gone_ = true; }
  bool& gone_;
};

class ToolSelection : public ::testing::Test {
 protected:
  ScratchProgramDir dir;
  plat::ManualTimer timer;
  TMainForm form{timer};
};

TEST_F(ToolSelection, AReplacedToolIsDestroyedWhole) {
  bool gone = false;
  form.ReplaceTool(std::make_unique<WatchedTool>(gone));
  form.SetTool(tooltype::Arc);
  EXPECT_TRUE(gone);
  EXPECT_NE(dynamic_cast<TArcobjtool*>(form.CurrentTool()), nullptr);
}

TEST_F(ToolSelection, IdsGiveTheirClassesAndTypes) {
  struct Case {
    int32 id;
    int32 type;
    bool (*isClass)(TDrawingtool*);
  };
  auto line = [](TDrawingtool* t) { return dynamic_cast<TLineobjtool*>(t) != nullptr; };
  auto move = [](TDrawingtool* t) { return dynamic_cast<TMoveobjtool*>(t) != nullptr; };
  auto text = [](TDrawingtool* t) { return dynamic_cast<TTextobjtool*>(t) != nullptr; };
  auto room = [](TDrawingtool* t) { return dynamic_cast<TDRoomobjtool*>(t) != nullptr; };
  auto opening = [](TDrawingtool* t) { return dynamic_cast<TWindowobjtool*>(t) != nullptr; };
  const Case cases[] = {
      {1, 1, line},        {4, 4, text},         {14, 14, move},    {22, 22, line},
      {24, 24, text},      {78, 14, move},       {85, 1, line},     {99, 99, line},
      {200, 2000, opening}, {29000, 29000, room}, {29001, 29001, room},
      // Tools built only by their own commands: the factory gives a line.
      {8, 1, line},        {9, 1, line},         {19, 1, line},     {12345, 1, line},
  };
  for (const auto& c : cases) {
    form.SetTool(c.id);
    EXPECT_EQ(form.CurrentTool()->Type, c.type) << "id " << c.id;
    EXPECT_TRUE(c.isClass(form.CurrentTool())) << "id " << c.id;
  }
  form.SetTool(15);
  EXPECT_NE(dynamic_cast<TCopyobjtool*>(form.CurrentTool()), nullptr);
  form.SetTool(100);
  EXPECT_NE(dynamic_cast<TExtwallobjtool*>(form.CurrentTool()), nullptr);
}

TEST_F(ToolSelection, PickIdsAndTheInternalWallNameTheToolInTheStatusBar) {
  for (int32 id : {20, 21}) {
    form.st.SetPanelText(panel::Guide, "");
    form.SetTool(id);
    EXPECT_EQ(form.CurrentTool()->Type, tooltype::Pick);
    EXPECT_EQ(form.st.PanelText(panel::Guide), "GUIDE: pick tool");
    EXPECT_EQ(form.st.PanelText(panel::Tool), " pick tool");
  }
  form.SetTool(150);
  EXPECT_EQ(form.st.PanelText(panel::Tool), "Internal wall");
}

TEST_F(ToolSelection, ThePickToolEndsAFunction) {
  form.st.SetPanelText(panel::ScreenScale, "1:100");
  form.SetTool(tooltype::Circle);
  form.CurrentTool()->Step = 7;
  form.SelectPickTool();
  EXPECT_EQ(form.CurrentTool()->Type, tooltype::Pick);
  EXPECT_EQ(form.CurrentTool()->Step, 0);
  EXPECT_EQ(form.st.PanelText(panel::Guide), "GUIDE: Select a function or drawing tool");
  EXPECT_EQ(form.st.PanelText(panel::Tool), " pick tool");
  EXPECT_EQ(form.st.PanelText(panel::ScreenScale), "1:100");
  EXPECT_EQ(CurrentFunction, func::PickTool);
}

TEST_F(ToolSelection, TheLineStyleNamesTheTool) {
  form.SetTool(tooltype::Ellipse);
  form.ApplyLineStyle(2, 1);
  EXPECT_EQ(LineThickness, 2);
  EXPECT_EQ(form.CurrentTool()->PenStyle, 1);
  EXPECT_EQ(form.st.PanelText(panel::Tool), "2,Ellipse");
  form.SetTool(tooltype::ExtWall);
  form.ApplyLineStyle(1, 0);
  EXPECT_EQ(form.st.PanelText(panel::Tool), "1,");
}

}  // namespace
