// The frame, library and designer commands on the real window: their menu
// entries, the designer window's preview and the library list's choice.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "designer/fixture_kinds.h"
#include "designer/miscdesigner.h"
#include "dialogs/liblistdlg.h"
#include "dialogs/modal.h"
#include "dialogs/qt/qt_dialogs.h"
#include "dialogs/shell_dialogs.h"
#include "shell/qt/mainwindow.h"
#include "tests/test_support.h"

namespace {

const char* const kCommands[] = {"Move",         "Copy",          "Paste",
                                 "Erase",        "Curve...",      "Merge Worktops",
                                 "Polygon",      "Easy Draw...",  "Stairs...",
                                 "Plumbing...",  "Electrical...", "Furniture...",
                                 "Miscellaneous...", "Add to Library", "Print Part..."};

TEST(FramesOnTheWindow, EveryCommandIsOnAMenuAndWaitsForADrawing) {
  ScratchProgramDir dir;
  MainWindow window;
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  for (const char* c : kCommands) {
    ASSERT_NE(window.Command(c), nullptr) << c;
    EXPECT_FALSE(window.Command(c)->isEnabled()) << c;
  }
  dlg::Scripted<dlg::TTNewdlg> answer;
  dlg::ScopedRunner<dlg::TTNewdlg> use(answer);
  answer.Answer([](dlg::TTNewdlg& d) { d.name = "MENUS"; });
  window.Command("New Drawing...")->trigger();
  for (const char* c : kCommands) EXPECT_TRUE(window.Command(c)->isEnabled()) << c;
  window.Command("Move")->trigger();
  EXPECT_EQ(window.PanelText(panel::Tool), " Move");
}

// The designer window shows the symbol: dark outlines on white.
TEST(FramesOnTheWindow, TheDesignerWindowPreviewsTheSymbol) {
  ScratchProgramDir dir;
  MetricUnits = 1;
  PixelScale = 5;
  QWidget parent;
  dlg::ScopedQtDialogs dialogs(&parent);
  TMiscChild designer(fixture::Table, false, 0);
  int dark = 0;
  QString title;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    auto* preview = box->findChild<QLabel*>("Preview");
    ASSERT_NE(preview, nullptr);
    const QImage image = preview->pixmap().toImage();
    for (int y = 0; y < image.height(); y += 2)
      for (int x = 0; x < image.width(); x += 2) dark += qGray(image.pixel(x, y)) < 100;
    EXPECT_NE(box->findChild<QPushButton*>("ShowChanges"), nullptr);
    box->accept();
  });
  EXPECT_TRUE(dlg::ShowModal(designer));
  EXPECT_EQ(title, "Furniture and Fixture Designer - Table");
  EXPECT_GT(dark, 100);
}

TEST(FramesOnTheWindow, TheLibraryListPreviewsTheRowChosen) {
  ScratchProgramDir dir;
  MetricUnits = 1;
  dir.WriteFile("LIBS\\Bath.PLM", "0 0 0 0 2 0\n");
  dir.WriteFile("LIBS\\Toilet.PLM", "0 0 0 0 2 0\n");
  QWidget parent;
  dlg::ScopedQtDialogs dialogs(&parent);
  TTLiblistdlg list(1);
  std::vector<int32> previews;
  list.onPreview = [&](int32 i) { previews.push_back(i); };
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    auto* items = box->findChild<QListWidget*>("LibraryItems");
    ASSERT_NE(items, nullptr);
    EXPECT_EQ(items->count(), 2);
    items->setCurrentRow(1);
    items->setCurrentRow(0);
    box->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  EXPECT_TRUE(dlg::ShowModal(list));
  EXPECT_EQ(previews, (std::vector<int32>{1, 0}));
  EXPECT_EQ(list.ChosenFile(), "Bath.PLM");
}

}  // namespace
