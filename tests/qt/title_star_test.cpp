// The star in the main window's title: it shows while the save question is
// armed, from the end of the command that armed it, whether that command was
// a menu entry or what the user did in the plan.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QSet>
#include <QTest>

#include "model/flist.h"
#include "model/globals.h"
#include "model/view_mapping.h"
#include "planwindow/childwin.h"
#include "planwindow/qt/planwidget.h"
#include "platform/scripted_ui.h"
#include "shell/qt/mainwindow.h"
#include "tests/planwindow_fixture.h"
#include "tests/test_support.h"

namespace {

using plat::UiCall;

constexpr const char* kLive = "DWGS\\HOUSE.KWV";
constexpr const char* kSaved = "CFG\\tmp.cfg";
// The house, drawing units.
constexpr int32 kCentreX = 20000;
constexpr int32 kCentreY = 12000;
constexpr int32 kHalfWidth = 5000;
constexpr int32 kHalfDepth = 3000;
// The height of the sheet's centre the house was last stored about.
int32 storedCentreY = 0;

// Four walls round the middle of the sheet and a room name, as stored.
void StoreHouse() {
  DrawingList.SetDrawingName("HOUSE");
  InitDrawingList();
  const int32 l = kCentreX - kHalfWidth, r = kCentreX + kHalfWidth;
  const int32 b = kCentreY - kHalfDepth, t = kCentreY + kHalfDepth;
  DrawingList.Add(planfix::ExtWall(l, t, r, t));
  DrawingList.Add(planfix::ExtWall(r, t, r, b));
  DrawingList.Add(planfix::ExtWall(r, b, l, b));
  DrawingList.Add(planfix::ExtWall(l, b, l, t));
  DrawingList.Add(new TTextobj(kind::Text, view::Ground, 0, 0, kCentreX, kCentreY, 0, 0, 0,
                               DrawingColour, 6, 0, 1, 5, 20, 400, "Arial", "LOUNGE"));
  DrawingList.WriteDrawingFile(dtDrawing);
  DrawingList.Clear();
  storedCentreY = DrawingHeight * PixelScale / 2;
}

bool Starred(const MainWindow& window) { return window.windowTitle().endsWith(" *"); }

// The menu entries offered only once a drawing is open. Every entry that can
// change a drawing is among them.
QStringList DrawingEntries() {
  MainWindow window;
  QStringList entries;
  for (QAction* a : window.menuBar()->findChildren<QAction*>())
    if (!a->isSeparator() && !a->menu() && a->isVisible() && !a->isEnabled())
      entries << a->text().remove('&');
  return entries;
}

// The entries that do not star a drawing they leave as it was: printing and
// pictures, the views and the zoom, the screen aids, the style and colour of
// new shapes, adding to a library. Every other entry can change the drawing
// and stars it whatever it then does.
const QSet<QString> kStarOnlyAChange = {
    "Save", "Print...", "Print Part...", "Split Print...", "Export Picture as BMP...",
    "Export Picture as PNG...",
    "Ground Floor", "First Floor", "Second Floor", "Third Floor", "Sub Floor", "Site Plan",
    "Layout", "Group Drawing", "Floor Areas...", "Overlay Floors...",
    "Zoom Normal", "Zoom Half", "Zoom Fit", "Zoom Up", "Screen Scale...",
    "Centre", "Centre Centre", "Temporary Datum",
    "Line Style...", "Fill Colour...", "Add to Library",
};

// What an entry asks or tells on the house just opened; questions are
// answered No, inputs and colours cancelled.
struct Said {
  const char* entry;
  UiCall call;
  const char* text;
};
constexpr const char* kSameWalls =
    "Will the outside wall dimensions be the same as the ground floor?";
constexpr const char* kEmptyLibrary = "there are no items in this library yet";
const Said kSaid[] = {
    {"Undo", UiCall::MessageDlg, "no more actions can be undone"},
    {"Redo", UiCall::MessageDlg, "no more actions to redraw "},
    {"Paste", UiCall::MessageDlg, "nothing to paste"},
    {"First Floor", UiCall::MessageDlg, kSameWalls},
    {"Sub Floor", UiCall::MessageDlg, kSameWalls},
    {"Multi Lines", UiCall::InputQuery, "number of lines"},
    {"Fill Colour...", UiCall::ChooseColour, ""},
    {"FINISH Design Rooms", UiCall::MessageDlg,
     "there are no design rooms on this floor to finish"},
    {"Dimension External Walls", UiCall::MessageDlg,
     "Total Building Area this floor: 60 sq. metres"},
    {"Plumbing...", UiCall::MessageDlg, kEmptyLibrary},
    {"Electrical...", UiCall::MessageDlg, kEmptyLibrary},
    {"Furniture...", UiCall::MessageDlg, kEmptyLibrary},
    {"Miscellaneous...", UiCall::MessageDlg, kEmptyLibrary},
};

void ExpectSaid(plat::ScriptedUi& ui, const QString& entry) {
  for (const Said& s : kSaid) {
    if (entry != s.entry) continue;
    if (s.call == UiCall::InputQuery)
      ui.ExpectInputCancelled().WithPrompt(s.text);
    else if (s.call == UiCall::ChooseColour)
      ui.ExpectColour(0, false);
    else
      ui.ExpectQuestion(plat::mrNo).Containing(s.text);
  }
}

// Each entry chosen on the house just reopened, its title without a star,
// first as drawn (off the sheet's middle, no site plan yet: the views that
// centre the ground floor and start the site plan change it), then as those
// views left it. An entry that changed the drawing armed the save question.
TEST(TitleStar, EveryEntryThatCanChangeTheDrawingArmsTheSaveQuestionAndStarsTheTitle) {
  ScratchProgramDir dir;
  const QStringList entries = DrawingEntries();
  ASSERT_GT(entries.size(), kStarOnlyAChange.size());
  plat::ScriptedUi& ui = DefaultTestUi();
  std::string shownBefore;
  {
    ResetGlobals();
    MainWindow window;
    StoreHouse();
    window.show();
    ASSERT_TRUE(window.Form().OpenNamedDrawing("HOUSE"));
    for (const char* entry : {"Site Plan", "Save", "Ground Floor", "Save"})
      window.Command(entry)->trigger();
    shownBefore = dir.ReadFile(kLive);
  }
  for (const bool asDrawn : {true, false}) {
    for (const QString& entry : entries) {
      SCOPED_TRACE((asDrawn ? "as drawn: " : "as shown before: ") + entry.toStdString());
      ResetGlobals();
      MainWindow window;
      StoreHouse();
      if (!asDrawn) dir.WriteFile(kLive, shownBefore);
      window.show();
      ASSERT_TRUE(window.Form().OpenNamedDrawing("HOUSE"));
      ASSERT_FALSE(Starred(window));
      const std::string before = dir.ReadFile(kLive);

      ExpectSaid(ui, entry);
      window.Command(entry)->trigger();
      ui.CheckAllAsked();
      const bool changed = dir.ReadFile(kLive) != before;
      const bool starred = changed || !kStarOnlyAChange.contains(entry);
      EXPECT_EQ(AutosaveMode, starred ? autosave::Changed : autosave::Unchanged)
          << (changed ? "changed" : "unchanged");
      EXPECT_EQ(Starred(window), starred) << window.windowTitle().toStdString();
    }
  }
}

// The canvas pixel of a drawing point.
QPoint PixelOf(PlanWindow& plan, int32 x, int32 y) {
  TMDIChild& child = *plan.Child();
  plat::WindowDC dc(child.Surface());
  int32 px = 0, py = 0;
  WorldToDevice(*dc, child.ClientRect(), x / PixelScale, y / PixelScale, px, py);
  return {px, py};
}

void Mouse(QWidget* canvas, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
  QMouseEvent e(type, at, canvas->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
  QApplication::sendEvent(canvas, &e);
}

// After reopening the house, its label is moved with Edit > Move (frame,
// click, Enter) once the drawing was saved with the tool chosen.
TEST(TitleStar, AMoveInThePlanStarsTheTitleAtOnceAndUndoKeepsTheQuestionArmed) {
  ScratchProgramDir dir;
  MainWindow window;
  StoreHouse();
  window.show();
  ASSERT_TRUE(window.Form().OpenNamedDrawing("HOUSE"));
  PlanWindow& plan = *window.PlanWindows().front();
  QWidget* canvas = plan.Canvas();

  window.Command("Move")->trigger();
  EXPECT_TRUE(Starred(window));
  window.Command("Save")->trigger();
  EXPECT_FALSE(Starred(window));

  // The house lies about the middle of the window's own sheet.
  const int32 x = kCentreX, y = kCentreY + (DrawingHeight * PixelScale / 2 - storedCentreY);
  const QPoint from = PixelOf(plan, x - 1500, y - 1500);
  const QPoint to = PixelOf(plan, x + 2500, y + 1500);
  const QPoint place = PixelOf(plan, x + 1000, y + 1000);
  Mouse(canvas, QEvent::MouseButtonPress, from, Qt::LeftButton);
  Mouse(canvas, QEvent::MouseMove, to, Qt::LeftButton);
  Mouse(canvas, QEvent::MouseButtonRelease, to, Qt::NoButton);
  Mouse(canvas, QEvent::MouseButtonPress, place, Qt::LeftButton);
  Mouse(canvas, QEvent::MouseButtonRelease, place, Qt::NoButton);
  QTest::keyClick(canvas, Qt::Key_Return);
  EXPECT_NE(dir.ReadFile(kLive), dir.ReadFile(kSaved)) << "the label was not moved";
  EXPECT_TRUE(Starred(window));

  // Undo brings the drawing back to the saved one, and like every command
  // that can change the drawing it arms the question: the star stays.
  window.Command("Undo")->trigger();
  EXPECT_EQ(dir.ReadFile(kLive), dir.ReadFile(kSaved));
  EXPECT_EQ(AutosaveMode, autosave::Changed);
  EXPECT_TRUE(Starred(window));
}

}  // namespace
