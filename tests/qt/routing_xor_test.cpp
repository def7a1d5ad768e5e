// Previews drawn in exclusive-or must leave no trace: after a complete
// interaction the window's picture equals a fresh paint of the drawing.
#include <gtest/gtest.h>

#include <QImage>
#include <memory>

#include "model/flist.h"
#include "model/globals.h"
#include "planwindow/childwin.h"
#include "platform/keys.h"
#include "platform/qt/backbuffer_widget.h"
#include "platform/services.h"
#include "shell/mainform.h"
#include "tests/test_support.h"
#include "tools/linetool.h"

namespace {

class BufferHost : public TPlanWindowHost, public TChildFrame {
 public:
  plat::BackbufferWidget widget;
  plat::Window& Surface() override { return widget; }
  void SetScrollBar(ScrollBarKind, int32, int32, bool) override {}
  void SetCaption(const std::string&) override {}
  void SetColour(plat::COLORREF c) override { widget.SetBackgroundColour(c); }
  void Close() override {}
  TPlanWindowHost& NewChildWindow(const std::string&) override { return *this; }
  void AttachChild(TPlanWindowHost&, TMDIChild&) override {}
  void ActivateChild(TPlanWindowHost&) override {}
};

class XorBalance : public ::testing::Test {
 protected:
  void SetUp() override {
    host.widget.resize(624, 346);
    form.SetChildFrame(&host);
    DrawingList.SetDrawingName("XORTEST");
    ViewState = 0;
    child = form.CreateDrawingWindow("XORTEST.PLN");
    host.widget.onPaint = [this](plat::DeviceContext&) { child->OnPaint(); };
    InitDrawingList();
    DrawingList.WriteDrawingFile(dtDrawing);
    ViewState = 2;
    // A colour that exclusive-or visibly changes on the white background.
    DrawingColour = plat::RGB(200, 30, 30);
    LineThickness = 1;
    LineKeyState = linekey::StartsLine;
    form.SetTool(tooltype::Line);
    child->CentreView(0);  // the view in the middle of the sheet
    host.widget.UpdateWindow();
    before = host.widget.Buffer().copy();
  }

  // The picture now, and the picture a full repaint makes.
  void ExpectSameAsFreshPaint() {
    const QImage now = host.widget.Buffer().copy();
    host.widget.InvalidateRect(nullptr);
    host.widget.UpdateWindow();
    EXPECT_TRUE(now == host.widget.Buffer()) << "the picture differs from a fresh paint";
    EXPECT_FALSE(now == before) << "nothing was drawn";
  }

  int LinesInList() const {
    int n = 0;
    for (int32 i = 6; i < DrawingList.Count(); ++i) n += DrawingList.At(i)->Kind == kind::Line;
    return n;
  }

  ScratchProgramDir dir;
  plat::ManualTimer timer;
  BufferHost host;
  TMainForm form{timer};
  TMDIChild* child = nullptr;
  QImage before;
};

TEST_F(XorBalance, ADraggedLineLeavesOnlyTheLine) {
  child->OnMouseDown(1, 100, 200);
  for (int i = 1; i <= 10; ++i) child->OnMouseMove(100 + 15 * i, 200 - 8 * i, true);
  child->OnMouseMove(100, 200, true);  // back over the start
  child->OnMouseMove(260, 110, true);
  child->OnMouseUp(1, 260, 110);
  EXPECT_EQ(LinesInList(), 1);
  ExpectSameAsFreshPaint();
}

TEST_F(XorBalance, AKeyboardChainLeavesOnlyItsLines) {
  plat::ScriptedUi& ui = DefaultTestUi();
  auto keyAt = [&](int key, int x, int y) {
    ui.cursor = host.widget.ClientToScreen({x, y});
    child->FormKeyDown(key, false);
  };
  keyAt(plat::VK_RETURN, 100, 200);
  keyAt(plat::VK_RETURN, 300, 200);
  keyAt(plat::VK_RETURN, 300, 80);
  EXPECT_EQ(LinesInList(), 2);
  ExpectSameAsFreshPaint();
}

// The rubber bands of ellipses and circles pass through empty boxes (a
// drag straight along one axis) and back; none of it may stay on screen.
TEST_F(XorBalance, DraggedEllipsesAndCirclesLeaveOnlyTheShapes) {
  for (void (TMainForm::*command)() : {&TMainForm::CmEllipseExecute, &TMainForm::CmCircleExecute}) {
    (form.*command)();
    child->OnMouseDown(1, 100, 200);
    for (int i = 1; i <= 10; ++i) child->OnMouseMove(100 + 15 * i, 200, true);
    for (int i = 1; i <= 6; ++i) child->OnMouseMove(250, 200 - 10 * i, true);
    child->OnMouseMove(100, 200, true);
    child->OnMouseMove(80, 230, true);  // to the left of the start
    child->OnMouseUp(1, 80, 230);
  }
  EXPECT_EQ(DrawingList.Count(), 8);
  ExpectSameAsFreshPaint();
}

}  // namespace
