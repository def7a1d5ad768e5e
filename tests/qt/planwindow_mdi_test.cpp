// The real drawing window inside the real main window, offscreen: a stored
// drawing is opened into an MDI window, painted through the back buffer,
// resized, scrolled, printed to a PDF file and closed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "dialogs/plan_dialogs.h"
#include "dialogs/qt/qt_dialogs.h"
#include "dialogs/shell_dialogs.h"
#include "model/flist.h"
#include "model/globals.h"
#include "planwindow/childwin.h"
#include "planwindow/qt/planwidget.h"
#include "planwindow/wizards.h"
#include "shell/mainform.h"
#include "shell/qt/mainwindow.h"
#include "shell/qt/qt_printer.h"
#include "platform/qt/qt_ui.h"
#include "platform/scripted_ui.h"
#include "platform/ui.h"
#include "tests/qt/picture_for_a_look.h"
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
  EXPECT_FALSE(shot.isNull());
  EXPECT_TRUE(KeepPictureForALook(shot, "planwindow.png"));
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

namespace {

// The buffer a plan window shows after painting itself now.
QImage Painted(PlanWindow* plan) {
  plan->Canvas()->update();
  plan->Canvas()->UpdateWindow();
  return plan->Canvas()->Buffer().copy();
}

TEST_F(MdiWindow, TiledWindowsEachPaintTheirOwnViewAtTheirOwnZoom) {
  // A circle on the first floor only.
  DrawingList.Add(new TCircleobj(kind::Circle, view::First, 0, 0, 19000, 0, 21000, 0, 16000,
                                 14000, plat::RGB(200, 0, 0), DrawingColour, 1, 0));
  DrawingList.WriteDrawingFile(dtDrawing);
  TMainForm& form = window->Form();
  // The first floor's walls are to be traced (the wall type is not chosen here).
  DefaultTestUi().ExpectQuestion(plat::mrNo).WithText(
      "Will the outside wall dimensions be the same as the ground floor?");
  form.CmPlan1Execute();
  QApplication::processEvents();
  ASSERT_EQ(window->PlanWindows().size(), 2u);
  PlanWindow* first = window->PlanWindows()[0];
  PlanWindow* ground = window->PlanWindows()[1];
  form.CmZoomhalfExecute();  // the first floor alone is zoomed out

  window->Command("Tile")->trigger();
  QApplication::processEvents();
  const QImage groundShot = Painted(ground);
  const QImage firstShot = Painted(first);
  // The ground floor shows its walls and no red circle; the first floor its
  // circle and no walls.
  auto count = [](const QImage& img, QRgb c) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) n += (img.pixel(x, y) & 0xffffff) == (c & 0xffffff);
    return n;
  };
  EXPECT_EQ(count(groundShot, qRgb(200, 0, 0)), 0);
  EXPECT_GT(count(firstShot, qRgb(200, 0, 0)), 20);
  EXPECT_GT(CountNot(groundShot, qRgb(255, 255, 255)), 200);
  EXPECT_EQ(CurrentView, view::First) << "the active window's view stays current";

  // Bringing the ground floor forward shows it as it was.
  window->MdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(ground->parentWidget()));
  QApplication::processEvents();
  EXPECT_EQ(CurrentView, view::Ground);
  EXPECT_EQ(Painted(ground), groundShot);
  EXPECT_EQ(Painted(first), firstShot);
  EXPECT_EQ(DrawingList.Count() > 6, true);
}

TEST_F(MdiWindow, CascadeKeepsUsableSizesAndTheWindowMenuListsTheWindows) {
  DefaultTestUi().ExpectQuestion(plat::mrNo).WithText(
      "Will the outside wall dimensions be the same as the ground floor?");
  window->Form().CmPlan1Execute();
  QApplication::processEvents();
  window->Command("Cascade")->trigger();
  QApplication::processEvents();
  for (QMdiSubWindow* sub : window->MdiArea()->subWindowList()) {
    EXPECT_GE(sub->width(), 400) << sub->windowTitle().toStdString();
    EXPECT_GE(sub->height(), 250) << sub->windowTitle().toStdString();
  }
  QAction* ground = window->Command("1 HOUSE.PLN");
  ASSERT_NE(ground, nullptr);
  ASSERT_NE(window->Command("2 HOUSE.PL1"), nullptr);
  EXPECT_TRUE(window->Command("2 HOUSE.PL1")->isChecked());
  ground->trigger();
  QApplication::processEvents();
  EXPECT_EQ(CurrentView, view::Ground);
  EXPECT_TRUE(window->Command("1 HOUSE.PLN")->isChecked());
}

// A two-storey house shown at its first floor: overlaying the ground floor
// alone (the ticks as they come) makes the ground floor the one worked on,
// and the window's caption, in the main window's title too, then names it.
TEST_F(MdiWindow, OverlaidFloorsAreCaptionedWithTheFloorEditsGoTo) {
  for (int32 i = DrawingList.Count() - 1; i >= 6; --i)
    if (DrawingList.At(i)->Kind == kind::ExtWall) {
      auto* upper = new TExtwallobj(*dynamic_cast<TExtwallobj*>(DrawingList.At(i)));
      upper->Floor = view::First;
      DrawingList.Add(upper);
    }
  DrawingList.WriteDrawingFile(dtDrawing);
  window->Command("First Floor")->trigger();
  QApplication::processEvents();
  ASSERT_EQ(window->windowTitle().remove(" *").toStdString(), "Tarnwick 11.2 - [HOUSE.PL1]");

  dlg::InstalledScript<TTOverdlg> overlay;
  overlay.Answer();
  window->Command("Overlay Floors...")->trigger();
  Painted(Plan());
  EXPECT_EQ(CurrentView, view::Ground);
  EXPECT_EQ(Plan()->windowTitle().toStdString(), "HOUSE.PLN");
  // (A star aside: showing the first floor placed its title.)
  EXPECT_EQ(window->windowTitle().remove(" *").toStdString(), "Tarnwick 11.2 - [HOUSE.PLN]");
}

}  // namespace

namespace {

TEST_F(MdiWindow, TheKeysGoBackToThePlanAfterAMessageAndAfterACommand) {
  plat::QtUi qtUi(window.get());
  plat::ScopedUi use(qtUi);
  PlanWindow* plan = Plan();
  ASSERT_NE(plan, nullptr);
  window->activateWindow();
  plan->Canvas()->setFocus();
  QApplication::processEvents();
  ASSERT_EQ(QApplication::focusWidget(), plan->Canvas());

  QTimer::singleShot(0, [] {
    if (QWidget* box = QApplication::activeModalWidget()) box->close();
  });
  plat::InfoBox("Nothing selected - try again");
  QApplication::processEvents();
  EXPECT_EQ(QApplication::focusWidget(), plan->Canvas());

  // A command from the menu leaves the keys with the plan too.
  window->setFocus();
  window->Command("Zoom Half")->trigger();
  QApplication::processEvents();
  EXPECT_EQ(QApplication::focusWidget(), plan->Canvas());
}

}  // namespace

namespace {

TEST_F(MdiWindow, TheWheelScrollsLikeTheScrollBarArrows) {
  PlanWindow* plan = Plan();
  ASSERT_NE(plan, nullptr);
  TMDIChild* child = plan->Child();
  const int32 v = child->VertPosition();
  const int32 h = child->HorzPosition();
  auto wheel = [&](QPoint delta, Qt::KeyboardModifiers mods) {
    const QPointF at(50, 50);
    QWheelEvent e(at, plan->Canvas()->mapToGlobal(at), QPoint(), delta, Qt::NoButton, mods,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(plan->Canvas(), &e);
  };
  wheel({0, -120}, Qt::NoModifier);  // towards the user: down the sheet
  plan->VerticalBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
  plan->VerticalBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
  plan->VerticalBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(child->VertPosition(), v) << "three lines down, three lines up";
  wheel({0, -60}, Qt::NoModifier);
  EXPECT_EQ(child->VertPosition(), v) << "half a notch waits for the other half";
  wheel({0, -60}, Qt::NoModifier);
  EXPECT_GT(child->VertPosition(), v);
  EXPECT_EQ(plan->VerticalBar()->value(), child->VertPosition());
  wheel({0, -120}, Qt::ShiftModifier);
  EXPECT_GT(child->HorzPosition(), h);
}

}  // namespace

namespace {

// A paint that arrives while Help > Wizards is open draws the whole plan
// behind the dialog, and Cancel leaves it as it was.
TEST_F(MdiWindow, ThePlanStaysPaintedUnderAModalDialog) {
  dlg::ScopedQtDialogs dialogs(window.get());
  PlanWindow* plan = Plan();
  ASSERT_NE(plan, nullptr);
  plan->Canvas()->UpdateWindow();
  const QImage before = plan->Canvas()->Buffer().copy();
  ASSERT_GT(CountNot(before, qRgb(255, 255, 255)), 500);
  QImage under;
  QTimer::singleShot(0, [&] {
    QWidget* modal = nullptr;
    (void)QTest::qWaitFor([&] { return (modal = QApplication::activeModalWidget()) != nullptr; }, 2000);
    plan->Canvas()->InvalidateRect(nullptr);
    (void)QTest::qWaitFor([&] { return !plan->Canvas()->HasInvalidArea(); }, 2000);
    under = plan->Canvas()->Buffer().copy();
    if (auto* d = qobject_cast<QDialog*>(modal)) d->reject();
  });
  window->Command("Wizards...")->trigger();
  EXPECT_EQ(under, before);
  EXPECT_EQ(plan->Canvas()->Buffer(), before);
  EXPECT_EQ(WizardActive, 0);
}

}  // namespace

// The wizard's step panel and hint line lie over the plan as labels in
// their colours, let the mouse through to the plan, fit their texts into
// their boxes, follow a resize and go with the wizard.
TEST_F(MdiWindow, WizardPanelsLieOverThePlanAndLetTheMouseThrough) {
  PlanWindow* plan = Plan();
  ASSERT_NE(plan, nullptr);
  WizardActive = 1;
  WizardKind = wizardkind::WallsMetric;
  WizardStep = 6;
  plan->Child()->ShowWallWizardStep(0);
  QApplication::processEvents();
  QList<QLabel*> labels;
  for (QLabel* l : plan->Canvas()->findChildren<QLabel*>())
    if (l->isVisible()) labels.push_back(l);
  ASSERT_EQ(labels.size(), 2);
  QLabel* hint = labels[0]->text().contains("ESCape") ? labels[0] : labels[1];
  QLabel* panel = hint == labels[0] ? labels[1] : labels[0];
  const QSize client = plan->Canvas()->size();
  const plat::Rect b = wizard::StepPanelBounds(true, 6, client.width(), client.height());
  EXPECT_EQ(panel->geometry(), QRect(b.left, b.top, b.Width(), b.Height()));
  EXPECT_TRUE(panel->text().startsWith(" WIZARD - Moving Around the Base"));
  EXPECT_EQ(panel->grab().toImage().pixelColor(b.Width() / 2, b.Height() - 3), QColor(0, 255, 255));
  EXPECT_EQ(hint->geometry().size(), QSize(450, 20));
  EXPECT_LE(QFontMetrics(hint->font()).horizontalAdvance(hint->text().trimmed()), 450);
  EXPECT_EQ(plan->Canvas()->childAt(panel->geometry().center()), nullptr);

  window->resize(800, 600);
  QApplication::processEvents();
  QTest::qWait(20);
  EXPECT_TRUE(plan->Canvas()->rect().contains(panel->geometry()));

  plan->Child()->EndWizard();
  QApplication::processEvents();
  EXPECT_TRUE(plan->Canvas()->findChildren<QLabel*>().isEmpty());
}
