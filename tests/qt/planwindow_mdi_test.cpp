// The real drawing window inside the real main window, offscreen: a stored
// drawing is opened into an MDI window, painted through the back buffer,
// resized, scrolled, printed to a PDF file and closed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QScrollBar>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "dialogs/shell_dialogs.h"
#include "model/flist.h"
#include "model/globals.h"
#include "planwindow/childwin.h"
#include "planwindow/qt/planwidget.h"
#include "shell/mainform.h"
#include "shell/qt/mainwindow.h"
#include "shell/qt/qt_printer.h"
#include "tests/test_support.h"

namespace {

TExtwallobj* Wall(int32 x1, int32 y1, int32 x2, int32 y2, int32 ix1, int32 iy1, int32 ix2,
                  int32 iy2) {
  const int32 codes[4] = {};
  return new TExtwallobj(kind::ExtWall, view::Ground, 1, 0, 1, x1, 0, y1, x2, 0, y2, ix1, iy1,
                         ix2, iy2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 250, 0, 0, 0, 0, 0, 0, 900,
                         0, 0, 0, DrawingColour, codes);
}

// A 10 m x 6 m house round the middle of the sheet, with a bath and a label.
void StoreHouse() {
  DrawingList.SetDrawingName("HOUSE");
  InitDrawingList();
  const int32 cx = DrawingWidth * PixelScale / 2, cy = DrawingHeight * PixelScale / 2;
  const int32 l = cx - 5000, r = cx + 5000, b = cy - 3000, t = cy + 3000, w = 250;
  DrawingList.Add(Wall(l, t, r, t, l + w, t - w, r - w, t - w));
  DrawingList.Add(Wall(r, t, r, b, r - w, t - w, r - w, b + w));
  DrawingList.Add(Wall(r, b, l, b, r - w, b + w, l + w, b + w));
  DrawingList.Add(Wall(l, b, l, t, l + w, b + w, l + w, t - w));
  DrawingList.Add(new TEllipseobj(kind::Ellipse, view::Ground, 0, 0, l + 1000, 0, l + 3000, 0,
                                  t - 1000, t - 3000, plat::RGB(120, 170, 230), DrawingColour, 1,
                                  0));
  DrawingList.Add(new TLineobj(kind::Line, view::Ground, 0, 0, cx, 0, cx, 0, b + w, t - w, 0, 0,
                               DrawingColour, 1, 0));
  DrawingList.Add(new TTextobj(kind::Text, view::Ground, 0, 0, cx + 1000, cy, 0, 0, 0,
                               DrawingColour, 6, 0, 1, 5, 20, 400, "Arial", "LOUNGE"));
  DrawingList.WriteDrawingFile(dtDrawing);
  DrawingList.Clear();
}

int CountNot(const QImage& img, QRgb background) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) n += (img.pixel(x, y) & 0xffffff) != (background & 0xffffff);
  return n;
}

class MdiWindow : public ::testing::Test {
 protected:
  ScratchProgramDir dir;
  std::unique_ptr<MainWindow> window;

  void SetUp() override {
    window = std::make_unique<MainWindow>();  // sets the program directory
    StoreHouse();
    window->resize(1000, 700);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    ASSERT_TRUE(window->Form().OpenNamedDrawing("HOUSE"));
    QApplication::processEvents();
  }
  void TearDown() override { window.reset(); }

  PlanWindow* Plan() {
    auto plans = window->PlanWindows();
    return plans.empty() ? nullptr : plans.front();
  }
};

TEST_F(MdiWindow, AnOpenedDrawingPaintsInAMaximisedWindowAndFollowsAResize) {
  ASSERT_EQ(window->MdiArea()->subWindowList().size(), 1);
  QMdiSubWindow* sub = window->MdiArea()->subWindowList().front();
  EXPECT_TRUE(sub->isMaximized());
  EXPECT_EQ(sub->windowTitle(), "HOUSE.PLN");
  PlanWindow* plan = Plan();
  ASSERT_NE(plan, nullptr);

  window->resize(1100, 760);
  QApplication::processEvents();
  QTest::qWait(20);
  plan->Canvas()->UpdateWindow();
  const QImage buffer = plan->Canvas()->Buffer();
  EXPECT_EQ(buffer.size(), plan->Canvas()->size());
  // The walls, the bath and the label are on the white sheet.
  EXPECT_GT(CountNot(buffer, qRgb(255, 255, 255)), 500);
  int32 h = 0, w = 0;
  plan->Child()->GetClientExtent(&h, &w);
  EXPECT_EQ(w, plan->Canvas()->width());
  EXPECT_EQ(WindowExtX, int32(w * ZoomFactor));
  EXPECT_TRUE(plan->HorizontalBar()->isVisible());

  const QImage shot = window->grab().toImage();
  EXPECT_TRUE(shot.save("/tmp/tarnwick_planwindow.png"));
}

TEST_F(MdiWindow, TheScrollBarsMoveTheViewAPageAtATime) {
  PlanWindow* plan = Plan();
  ASSERT_NE(plan, nullptr);
  const int32 before = plan->Child()->HorzPosition();
  plan->HorizontalBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(plan->Child()->HorzPosition(), before + 250);
  EXPECT_EQ(plan->HorizontalBar()->value(), before + 250);
  plan->Canvas()->UpdateWindow();
  EXPECT_EQ(WindowOrgX, int32((before + 250) * ZoomFactor));
}

TEST_F(MdiWindow, TheThumbFollowsTheViewToTheEndOfTheSheetAndBack) {
  PlanWindow* plan = Plan();
  ASSERT_NE(plan, nullptr);
  QScrollBar* bar = plan->HorizontalBar();
  TMDIChild* child = plan->Child();
  for (int i = 0; i < 100 && child->HorzPosition() < child->HorzRange(); ++i)
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
  ASSERT_EQ(child->HorzPosition(), child->HorzRange());
  EXPECT_EQ(bar->value(), child->HorzPosition());

  // One line back moves the thumb with the view.
  bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(child->HorzPosition(), child->HorzRange() - 5);
  EXPECT_EQ(bar->value(), child->HorzPosition());

  // The End key of the bar reaches the same end as the page steps.
  bar->triggerAction(QAbstractSlider::SliderToMinimum);
  bar->triggerAction(QAbstractSlider::SliderToMaximum);
  EXPECT_EQ(child->HorzPosition(), child->HorzRange());
}

TEST_F(MdiWindow, ClosingAViewWindowFreesItsLogic) {
  window->MdiArea()->subWindowList().front()->close();
  QApplication::processEvents();
  EXPECT_EQ(window->Form().ActiveChild(), nullptr);
  EXPECT_TRUE(window->Form().Children().empty());
  EXPECT_TRUE(window->MdiArea()->subWindowList().isEmpty());
}

TEST_F(MdiWindow, AFloorPrintsToAPdfFile) {
  const std::string pdf = dir.Root() + "/house.pdf";
  QPrinter device(QPrinter::HighResolution);
  device.setOutputFormat(QPrinter::PdfFormat);
  device.setOutputFileName(QString::fromStdString(pdf));
  QtPrinter printer(&device);
  window->Form().SetPrinter(&printer);

  dlg::PrintChoice choice;
  choice.scale = 50;
  EXPECT_TRUE(window->Form().PrintView(view::PrintOffset, choice));
  window->Form().SetPrinter(nullptr);

  ASSERT_TRUE(std::filesystem::exists(pdf));
  EXPECT_GT(std::filesystem::file_size(pdf), 1000u);
  std::ifstream in(pdf, std::ios::binary);
  char head[5] = {};
  in.read(head, 4);
  EXPECT_EQ(std::string(head), "%PDF");
  EXPECT_EQ(CurrentView, view::Ground);
}

}  // namespace
