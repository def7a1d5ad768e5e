// The back-buffered window, the key table, the Qt timer and the Qt dialogs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "platform/keys.h"
#include "platform/qt/backbuffer_widget.h"
#include "platform/qt/keymap.h"
#include "platform/qt/qt_timer.h"
#include "platform/qt/qt_ui.h"

using namespace plat;

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kGrey = qRgb(128, 128, 128);

// A plan window stand-in whose paint handler fills the client area grey.
struct GreyWindow {
  BackbufferWidget widget;
  int paints = 0;
  GreyWindow() {
    widget.resize(200, 100);
    widget.onPaint = [this](DeviceContext& dc) {
      ++paints;
      dc.FillRect(0, 0, 1000, 1000, SolidBrush(RGB(128, 128, 128)));
    };
  }
};

void XorLine(Window& window, int y) {
  WindowDC dc(window);
  dc->SetROP2(R2_XORPEN);
  dc->SelectPen({PS_SOLID, 0, RGB(255, 255, 255)});
  dc->MoveTo(0, y);
  dc->LineTo(200, y);
}

}  // namespace

TEST(PlatformBackbuffer, PaintRebuildsTheBufferWithTheHandler) {
  GreyWindow w;
  w.widget.UpdateWindow();  // a new window is all invalid
  EXPECT_EQ(w.paints, 1);
  EXPECT_EQ(w.widget.Buffer().size(), QSize(200, 100));
  EXPECT_EQ(w.widget.Buffer().pixel(199, 99), kGrey);
  w.widget.UpdateWindow();
  EXPECT_EQ(w.paints, 1);  // nothing invalid any more
}

TEST(PlatformBackbuffer, DrawingOutsidePaintGoesIntoTheBuffer) {
  GreyWindow w;
  w.widget.UpdateWindow();
  XorLine(w.widget, 50);
  EXPECT_EQ(w.widget.Buffer().pixel(10, 50), qRgb(127, 127, 127));
  XorLine(w.widget, 50);  // the preview erases itself
  EXPECT_EQ(w.widget.Buffer().pixel(10, 50), kGrey);
}

TEST(PlatformBackbuffer, InvalidatingRepaintsOnlyThatPart) {
  GreyWindow w;
  w.widget.SetBackgroundColour(RGB(255, 255, 255));
  w.widget.UpdateWindow();
  XorLine(w.widget, 50);  // a rubber band on show
  const Rect part{0, 40, 20, 60};
  w.widget.InvalidateRect(&part);
  EXPECT_TRUE(w.widget.HasInvalidArea());
  w.widget.UpdateWindow();
  EXPECT_EQ(w.paints, 2);
  EXPECT_EQ(w.widget.Buffer().pixel(10, 50), kGrey);               // repainted
  EXPECT_EQ(w.widget.Buffer().pixel(100, 50), qRgb(127, 127, 127)); // kept
}

TEST(PlatformBackbuffer, ThePaintHandlerMayAskForItsOwnDeviceContext) {
  BackbufferWidget widget;
  widget.resize(50, 50);
  widget.onPaint = [&](DeviceContext&) {
    WindowDC dc(widget);  // e.g. construction lines drawn by the tool
    dc->MoveTo(0, 0);
    dc->LineTo(10, 0);
  };
  widget.UpdateWindow();
  EXPECT_EQ(widget.Buffer().pixel(5, 0), kBlack);
}

// Current: the buffer holds what the paint handler drew and nothing else.
TEST(PlatformBackbuffer, ThePictureIsCurrentUntilInvalidatedOrDrawnOnOutsideThePaint) {
  GreyWindow w;
  EXPECT_FALSE(w.widget.PictureIsCurrent()) << "a new window waits for its first paint";
  w.widget.UpdateWindow();
  EXPECT_TRUE(w.widget.PictureIsCurrent());
  const Rect part{0, 40, 20, 60};
  w.widget.InvalidateRect(&part);
  EXPECT_FALSE(w.widget.PictureIsCurrent());
  w.widget.UpdateWindow();
  EXPECT_TRUE(w.widget.PictureIsCurrent());

  XorLine(w.widget, 50);  // a rubber band across the window
  EXPECT_FALSE(w.widget.PictureIsCurrent());
  w.widget.InvalidateRect(&part);
  w.widget.UpdateWindow();
  EXPECT_FALSE(w.widget.PictureIsCurrent()) << "the band is still on show beyond the part";
  w.widget.InvalidateRect(nullptr);
  w.widget.UpdateWindow();
  EXPECT_TRUE(w.widget.PictureIsCurrent());

  // What the paint handler draws through a context of its own is the paint.
  w.widget.onPaint = [&](DeviceContext&) {
    WindowDC dc(w.widget);
    dc->FillRect(0, 0, 1000, 1000, SolidBrush(RGB(128, 128, 128)));
  };
  w.widget.InvalidateRect(nullptr);
  w.widget.UpdateWindow();
  EXPECT_TRUE(w.widget.PictureIsCurrent());
  w.widget.resize(320, 240);
  EXPECT_FALSE(w.widget.PictureIsCurrent());
}

TEST(PlatformBackbuffer, ResizingMakesANewBufferAndRepaints) {
  GreyWindow w;
  w.widget.UpdateWindow();
  w.widget.resize(320, 240);
  EXPECT_TRUE(w.widget.HasInvalidArea());
  w.widget.UpdateWindow();
  EXPECT_EQ(w.widget.Buffer().size(), QSize(320, 240));
  EXPECT_EQ(w.widget.Buffer().pixel(319, 239), kGrey);
  EXPECT_EQ(w.widget.ClientRect(), (Rect{0, 0, 320, 240}));
}

TEST(PlatformBackbuffer, AShownWindowBlitsItsBuffer) {
  GreyWindow w;
  w.widget.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.widget));
  QApplication::processEvents();
  EXPECT_GE(w.paints, 1);
  const QImage shown = w.widget.grab().toImage();
  EXPECT_EQ(shown.pixel(100, 50), kGrey);
  const Point screen = w.widget.ClientToScreen({5, 6});
  EXPECT_EQ(w.widget.ScreenToClient(screen), (Point{5, 6}));
}

TEST(PlatformKeys, QtKeysMapToTheWindowsCodes) {
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Return), 13);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Enter, Qt::KeypadModifier), 13);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Escape), 27);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Insert), 45);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Left), 37);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Up), 38);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Right), 39);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Down), 40);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_A), 65);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_F, Qt::ControlModifier), 70);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_F1), 112);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_1), 49);
}

TEST(PlatformKeys, TheNumberPadHasItsOwnCodes) {
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_1, Qt::KeypadModifier), VK_NUMPAD1);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_6, Qt::KeypadModifier), 102);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Plus, Qt::KeypadModifier), 107);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Minus, Qt::KeypadModifier), 109);
  // Without NumLock the pad sends arrows.
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Left, Qt::KeypadModifier), VK_LEFT);
  // The "+" of the main keyboard is not the pad's.
  EXPECT_NE(VirtualKeyFromQt(Qt::Key_Plus), VK_ADD);
  QKeyEvent event(QEvent::KeyPress, Qt::Key_Minus, Qt::KeypadModifier);
  EXPECT_EQ(VirtualKeyFromEvent(event), VK_SUBTRACT);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_MediaPlay), 0);
}

TEST(PlatformQtTimer, FiresFromTheEventLoopUntilDisabled) {
  QtTimer timer;
  int fired = 0;
  timer.onTimer = [&] {
    ++fired;
    timer.SetEnabled(false);
  };
  timer.SetInterval(1);
  EXPECT_FALSE(timer.Enabled());
  timer.SetEnabled(true);
  EXPECT_TRUE(QTest::qWaitFor([&] { return fired > 0; }, 2000));
  QTest::qWait(20);
  EXPECT_EQ(fired, 1);
  EXPECT_FALSE(timer.Enabled());
}

namespace {

// Presses a button of the next modal dialog as soon as it shows.
void AnswerNextDialog(const std::function<void(QWidget*)>& answer) {
  QTimer::singleShot(0, [answer] {
    QWidget* modal = nullptr;
    (void)QTest::qWaitFor([&] { return (modal = QApplication::activeModalWidget()) != nullptr; }, 2000);
    if (modal) answer(modal);
  });
}

}  // namespace

TEST(PlatformQtUi, MessageDialogsReturnTheButtonPressed) {
  QtUi ui;
  AnswerNextDialog([](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "do you wish to save drawing changes?");
    EXPECT_NE(box->button(QMessageBox::Yes), nullptr);
    box->button(QMessageBox::No)->click();
  });
  EXPECT_EQ(ui.MessageDlg("do you wish to save drawing changes?", MsgType::Confirmation,
                          mbYes | mbNo),
            mrNo);

  AnswerNextDialog([](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->buttons().size(), 1);
    box->button(QMessageBox::Retry)->click();
  });
  EXPECT_EQ(ui.MessageDlg("Width input is incorrect", MsgType::Error, mbRetry), mrRetry);
}

// Escape and the close button back out of a message only where it offers a
// way back; a Yes/No question stays until it is answered, Enter answering
// Yes.
TEST(PlatformQtUi, AYesNoQuestionWaitsForAnAnswerEscapeAndCloseDoNotGiveOne) {
  struct Case {
    unsigned buttons;
    bool staysOpen;
    int answer;  // after Escape and close, then Enter where it stayed
  };
  for (const Case& c : {Case{mbYes | mbNo, true, mrYes}, Case{mbOK, false, mrOk},
                        Case{mbOK | mbCancel, false, mrCancel}}) {
    SCOPED_TRACE(c.buttons);
    QtUi ui;
    bool openAfterEscape = false, openAfterClose = false;
    AnswerNextDialog([&](QWidget* w) {
      auto* box = qobject_cast<QMessageBox*>(w);
      ASSERT_NE(box, nullptr);
      QTest::keyClick(box, Qt::Key_Escape);
      openAfterEscape = box->isVisible();
      box->close();
      openAfterClose = box->isVisible();
      if (box->isVisible()) QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(ui.MessageDlg("do you wish to save drawing changes?", MsgType::Confirmation,
                            c.buttons),
              c.answer);
    EXPECT_EQ(openAfterEscape, c.staysOpen);
    EXPECT_EQ(openAfterClose, c.staysOpen);
  }
}

TEST(PlatformQtUi, InputQueryReturnsTheTypedText) {
  QtUi ui;
  AnswerNextDialog([](QWidget* w) {
    auto* dialog = qobject_cast<QInputDialog*>(w);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->labelText(), "Room name");
    EXPECT_EQ(dialog->textValue(), "Bed");
    dialog->setTextValue("Bed 2");
    dialog->accept();
  });
  std::string value = "Bed";
  EXPECT_TRUE(ui.InputQuery("Rooms", "Room name", value));
  EXPECT_EQ(value, "Bed 2");

  AnswerNextDialog([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
  EXPECT_FALSE(ui.InputQuery("Rooms", "Room name", value));
  EXPECT_EQ(value, "Bed 2");
}

TEST(PlatformQtUi, FileFiltersMatchBothCases) {
  EXPECT_EQ(ToQtFileFilter("Drawings (*.KWV)"), "Drawings (*.KWV *.kwv)");
  EXPECT_EQ(ToQtFileFilter("Drawings (*.KWV)|*.KWV|Groups|*.gpd"),
            "Drawings (*.KWV *.kwv);;Groups (*.gpd *.GPD)");
  EXPECT_EQ(ToQtFileFilter(""), "");
}
