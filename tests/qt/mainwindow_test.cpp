// The real main window, offscreen: title, menus, status texts after the
// start-up timer, and the title-bar close going through Exit.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "dialogs/qt/qt_dialogs.h"
#include "dialogs/qt/shell_dialogs_qt.h"
#include "model/flist.h"
#include "model/globals.h"
#include "platform/qt/qt_ui.h"
#include "platform/scripted_ui.h"

#include "shell/mainform.h"
#include "shell/qt/mainwindow.h"
#include "shell/qt/run_main_window.h"
#include "shell/qt/status_panel.h"
#include "tests/planwindow_fixture.h"
#include "tests/test_support.h"

#include <functional>
#include <map>

namespace {

TEST(MainWindowOffscreen, ShowsTitleMenusAndTheStartPrompt) {
  ScratchProgramDir dir;
  MainWindow window;
  // Before the message loop runs, Timer1 has not fired yet.
  EXPECT_EQ(window.GuideText(), "GUIDE:");
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

  EXPECT_EQ(window.windowTitle(), "Tarnwick 11.2");
  QStringList menus;
  for (QAction* a : window.menuBar()->actions()) menus << a->text();
  for (const char* m : {"&File", "&Edit", "&Plan Views", "&Zoom", "Wi&ndow", "&Help"})
    EXPECT_TRUE(menus.contains(m)) << m;

  // Without a drawing only the commands that start one are offered.
  ASSERT_NE(window.Command("New Drawing..."), nullptr);
  EXPECT_TRUE(window.Command("New Drawing...")->isEnabled());
  EXPECT_TRUE(window.Command("Open...")->isEnabled());
  EXPECT_FALSE(window.Command("Save")->isEnabled());
  EXPECT_FALSE(window.Command("Zoom Fit")->isEnabled());
  QTest::qWait(50);  // Timer1 fires 1 ms after start
  EXPECT_EQ(window.GuideText(),
            "GUIDE: Select 'File', then 'New', 'Open' or a file from the 'history list' ");

  window.Form().st.SetPanelText(panel::Tool, "1,Line");
  EXPECT_EQ(window.PanelText(panel::Tool), "1,Line");
  window.Form().crds.SetSimpleText("0");
  EXPECT_EQ(window.CoordsText(), "0");
}

// The window opens over most of a large screen's free area and maximised on
// a small one; a status panel too narrow for its text cuts it with an
// ellipsis and shows all of it as its tooltip.
TEST(MainWindowOffscreen, OpensToFitTheScreenAndElidesLongPrompts) {
  bool maximised = true;
  const QRect large = MainWindow::OpeningGeometry(QRect(0, 30, 1920, 1050), maximised);
  EXPECT_FALSE(maximised);
  EXPECT_EQ(large.size(), QSize(1728, 945));
  EXPECT_EQ(large.center(), QRect(0, 30, 1920, 1050).center());
  EXPECT_EQ(MainWindow::OpeningGeometry(QRect(0, 0, 1024, 740), maximised), QRect(0, 0, 1024, 740));
  EXPECT_TRUE(maximised);

  ScratchProgramDir dir;
  MainWindow window;
  window.resize(500, 400);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  auto* guide = window.findChild<StatusPanel*>("Panel0");
  ASSERT_NE(guide, nullptr);
  const std::string prompt =
      "GUIDE: Press LEFT button on the starting point, then use the arrow keys to draw the walls "
      "(type a distance and press Enter), use ADD key to complete the base";
  window.Form().st.SetPanelText(panel::Guide, prompt);
  EXPECT_EQ(window.GuideText().toStdString(), prompt);
  EXPECT_TRUE(guide->ShownText().endsWith(QChar(0x2026)));
  EXPECT_EQ(guide->toolTip().toStdString(), prompt);
  window.Form().st.SetPanelText(panel::Guide, "GUIDE: pick tool");
  EXPECT_EQ(guide->ShownText(), "GUIDE: pick tool");
  EXPECT_TRUE(guide->toolTip().isEmpty());
  // Widened, the whole text shows and the tooltip goes.
  window.Form().st.SetPanelText(panel::Guide, prompt);
  window.resize(1900, 400);
  QTest::qWait(20);
  EXPECT_EQ(guide->ShownText().toStdString(), prompt);
  EXPECT_TRUE(guide->toolTip().isEmpty());
}

// Alt and a letter opens each menu and a letter then picks each entry: no
// two menus share a letter, nor two entries of one menu (sub-menus too).
TEST(MainWindowOffscreen, EveryMenuAndEveryEntryHasALetterOfItsOwn) {
  ScratchProgramDir dir;
  MainWindow window;
  std::function<void(const QString&, const QList<QAction*>&)> walk =
      [&](const QString& where, const QList<QAction*>& entries) {
        std::map<int, QString> taken;
        for (QAction* a : entries) {
          if (a->isSeparator()) continue;
          const QKeySequence letter = QKeySequence::mnemonic(a->text());
          EXPECT_FALSE(letter.isEmpty()) << where.toStdString() << ": " << a->text().toStdString();
          if (!letter.isEmpty()) {
            const auto [first, own] = taken.emplace(letter[0].toCombined(), a->text());
            EXPECT_TRUE(own) << where.toStdString() << ": " << a->text().toStdString() << " and "
                             << first->second.toStdString();
          }
          if (a->menu()) walk(a->text(), a->menu()->actions());
        }
      };
  walk("menu bar", window.menuBar()->actions());
}

TEST(MainWindowOffscreen, TitleBarCloseLeavesThroughExit) {
  ScratchProgramDir dir;
  MainWindow window;
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  int exits = 0;
  auto close = window.Form().onCloseRequested;
  window.Form().onCloseRequested = [&] {
    ++exits;
    close();
  };
  window.close();
  EXPECT_EQ(exits, 1);
  EXPECT_FALSE(window.isVisible());
}

// Presses OK on the next n modal dialogs as they open.
void AcceptModalDialogs(int n) {
  if (n <= 0) return;
  QTimer::singleShot(0, [n] {
    if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      AcceptModalDialogs(n - 1);
      d->accept();
    } else {
      AcceptModalDialogs(n);
    }
  });
}

// The program ends with its main window, even when Exit left a message to
// be told once its event is done: the message is told over the window
// first, and the process does not stay behind without one.
TEST(MainWindowOffscreen, TheProgramEndsWithItsWindowAfterTellingWhatWasWaiting) {
  ScratchProgramDir dir;
  MainWindow window;
  QObject::connect(&window, &MainWindow::Closed, [] { QCoreApplication::exit(0); });
  plat::QtUi qtUi(&window);
  plat::ScopedUi use(qtUi);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  bool windowShownWhenTold = false;
  auto close = window.Form().onCloseRequested;
  window.Form().onCloseRequested = [&] {
    qtUi.Later([&] {
      windowShownWhenTold = window.isVisible();
      AcceptModalDialogs(1);
      plat::InfoBox("told as the window goes");
    });
    close();
  };
  QTimer::singleShot(0, &window, [&] { window.close(); });
  QTimer::singleShot(2000, &window, [] { QCoreApplication::exit(99); });
  EXPECT_EQ(QApplication::exec(), 0);
  // The quit Qt posts when its last window closes would close the next
  // test's windows: a program ending here never sees it.
  QCoreApplication::removePostedEvents(qApp, QEvent::Quit);
  EXPECT_TRUE(windowShownWhenTold);
  EXPECT_FALSE(window.isVisible());
}

// The program as its start-up runs it ends with its main window, a drawing
// open, while another window of its own is still up: Qt's quit on the last
// window closed would wait for that one, and the process stay behind.
TEST(MainWindowOffscreen, TheProgramAsStartedEndsWhenItsWindowCloses) {
  ScratchProgramDir dir;
  DrawingList.SetDrawingName("HOUSE");
  InitDrawingList();
  DrawingList.Add(planfix::Line(18000, 12000, 22000, 12000));
  DrawingList.WriteDrawingFile(dtDrawing);
  DrawingList.WriteDrawingFile(dtSavedCopy);
  DrawingList.Clear();
  dir.WriteFile("CFG\\LASTFILES.CFG", "HOUSE\n");
  plat::QtUi qtUi;
  plat::ScopedUi use(qtUi);
  QWidget other;
  bool drawingOpen = false;
  QTimer::singleShot(0, &other, [&] {
    other.show();
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* window = qobject_cast<MainWindow*>(w);
      if (!window) continue;
      drawingOpen = QTest::qWaitFor([window] { return window->Form().DrawingOpen(); }, 2000);
      window->close();
    }
  });
  QTimer::singleShot(5000, &other, [] { QCoreApplication::exit(99); });
  EXPECT_EQ(RunMainWindow(qtUi), 0);
  QCoreApplication::removePostedEvents(qApp, QEvent::Quit);
  EXPECT_TRUE(drawingOpen);
}

TEST(MainWindowOffscreen, FileNewStartsADrawingThroughTheNewDialog) {
  ScratchProgramDir dir;
  MainWindow window;
  dlg::ScopedQtDialogs dialogs(&window);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

  // The user first presses OK with no name, is told, then types one.
  QString told;
  QTimer::singleShot(0, [&] {
    auto* d = qobject_cast<dlg::NewdlgForm*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    d->NameEdit()->clear();
    QTimer::singleShot(0, [&, d] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        told = box->text();
        box->accept();
      }
      QTimer::singleShot(0, [d] {
        d->NameEdit()->setText("GARDEN");
        d->accept();
        // The external walls start: OK to the wall type and to the side of
        // the inner lines.
        AcceptModalDialogs(2);
      });
    });
    d->accept();
  });
  window.Command("New Drawing...")->trigger();

  EXPECT_EQ(told, "drawing name (1 to 24 letters) input is incorrect");
  // The walls chain has written the floor's set-up into the drawing.
  EXPECT_EQ(window.windowTitle(), "Tarnwick 11.2 - [GARDEN.PLN] *");
  EXPECT_TRUE(dir.Exists("DWGS\\GARDEN.KWV"));
  EXPECT_TRUE(window.Command("Save")->isEnabled());
  EXPECT_TRUE(window.Command("Zoom Fit")->isEnabled());
  EXPECT_TRUE(dir.ReadFile("CFG\\EXTWALLM.CFG").rfind("110 55 75 ", 0) == 0);
  EXPECT_EQ(window.GuideText(),
            "GUIDE: Draw outer line of EXTERNAL walls, press ENTER on start point then use arrow "
            "keys for input");
  window.Command("Zoom Half")->trigger();
  EXPECT_EQ(ZoomStyle, 3);
}

}  // namespace
