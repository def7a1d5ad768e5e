#include "planwindow/qt/planwidget.h"

#include <QCloseEvent>
#include <algorithm>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include "platform/qt/keymap.h"
#include "platform/qt/qt_timer.h"

namespace {

constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
// Characters a key press hands on: Backspace, Enter, Escape and the
// printable ones.
constexpr int kFirstPrintable = 32;
constexpr int kBackspace = 8;
constexpr int kEnter = 13;
constexpr int kEscape = 27;

int ButtonCode(Qt::MouseButton b) {
  if (b == Qt::LeftButton) return kLeftButton;
  if (b == Qt::RightButton) return kRightButton;
  return 0;
}

}  // namespace

// ---- PlanCanvas ------------------------------------------------------------------------

PlanCanvas::PlanCanvas(QWidget* parent) : plat::BackbufferWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setCursor(Qt::CrossCursor);
  setMinimumSize(1, 1);
}

void PlanCanvas::PaintBuffer(plat::DeviceContext&) {
  if (child_) child_->OnPaint();
}

void PlanCanvas::resizeEvent(QResizeEvent* event) {
  plat::BackbufferWidget::resizeEvent(event);
  if (child_) child_->FormResize();
}

void PlanCanvas::keyPressEvent(QKeyEvent* event) {
  if (!child_) return;
  const int vk = plat::VirtualKeyFromEvent(*event);
  TMDIChild* child = child_;
  if (vk != 0) child->FormKeyDown(vk, event->modifiers() & Qt::ShiftModifier);
  // The handler may have closed the window.
  if (child_ == child) {
    const QString text = event->text();
    if (text.size() == 1) {
      const int c = text.at(0).unicode();
      if (c >= kFirstPrintable && c < 127)
        child->FormKeyPress(char(c));
      else if (c == '\r' || c == kBackspace || c == kEscape)
        child->FormKeyPress(char(c == '\r' ? kEnter : c));
    }
  }
  emit InputHandled();
}

void PlanCanvas::keyReleaseEvent(QKeyEvent* event) {
  if (!child_ || event->isAutoRepeat()) return;
  const int vk = plat::VirtualKeyFromEvent(*event);
  if (vk != 0) child_->FormKeyUp(vk);
  emit InputHandled();
}

void PlanCanvas::mousePressEvent(QMouseEvent* event) {
  setFocus();
  const int b = ButtonCode(event->button());
  if (!child_ || !b) return;
  child_->OnMouseDown(b, event->position().toPoint().x(), event->position().toPoint().y());
  emit InputHandled();
}

void PlanCanvas::mouseReleaseEvent(QMouseEvent* event) {
  const int b = ButtonCode(event->button());
  if (!child_ || !b) return;
  child_->OnMouseUp(b, event->position().toPoint().x(), event->position().toPoint().y());
  emit InputHandled();
}

void PlanCanvas::mouseMoveEvent(QMouseEvent* event) {
  if (!child_) return;
  const QPoint p = event->position().toPoint();
  // A move only previews: the press or release that ends it tells.
  child_->OnMouseMove(p.x(), p.y(), event->buttons() & Qt::LeftButton);
}

// The window around the canvas owns the scroll bars the wheel works.
void PlanCanvas::wheelEvent(QWheelEvent* event) {
  if (auto* window = qobject_cast<PlanWindow*>(parentWidget()))
    window->wheelEvent(event);
  else
    event->ignore();
}

// Tab belongs to the drawing, not to focus changes.
bool PlanCanvas::focusNextPrevChild(bool) { return false; }

// ---- PlanWindow ------------------------------------------------------------------------

PlanWindow::PlanWindow(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_DeleteOnClose);
  canvas_ = new PlanCanvas(this);
  hbar_ = new QScrollBar(Qt::Horizontal, this);
  vbar_ = new QScrollBar(Qt::Vertical, this);
  for (QScrollBar* b : {hbar_, vbar_}) {
    b->setVisible(false);
    b->setFocusPolicy(Qt::NoFocus);
  }
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  grid->addWidget(canvas_, 1, 0);
  grid->addWidget(vbar_, 1, 1);
  grid->addWidget(hbar_, 2, 0);
  grid->setRowStretch(1, 1);
  grid->setColumnStretch(0, 1);

  connect(hbar_, &QScrollBar::actionTriggered, this,
          [this](int action) { OnScrollAction(ScrollBarKind::Horizontal, action); });
  connect(vbar_, &QScrollBar::actionTriggered, this,
          [this](int action) { OnScrollAction(ScrollBarKind::Vertical, action); });
  connect(hbar_, &QScrollBar::sliderReleased, this, [this] {
    if (child_) child_->HorzScroll(scrollcode::ThumbPosition, hbar_->sliderPosition());
  });
  connect(vbar_, &QScrollBar::sliderReleased, this, [this] {
    if (child_) child_->VertScroll(scrollcode::ThumbPosition, vbar_->sliderPosition());
  });
  autoScroll_ = std::make_unique<plat::QtTimer>();
  resize(282, 180);
}

PlanWindow::~PlanWindow() {
  // Closed by destruction (the frame going away): the logic must hear of it.
  if (child_) {
    TMDIChild* c = child_;
    Attach(nullptr);
    c->FormClose();
  }
}

void PlanWindow::Attach(TMDIChild* child) {
  child_ = child;
  canvas_->SetChild(child);
  if (!child) return;
  child->AutoScrollTimer = autoScroll_.get();
  canvas_->setFocus();
}

plat::Window& PlanWindow::Surface() { return *canvas_; }

void PlanWindow::SetScrollBar(ScrollBarKind bar, int32 range, int32 position, bool visible) {
  QScrollBar* b = bar == ScrollBarKind::Horizontal ? hbar_ : vbar_;
  const QSignalBlocker block(b);
  // The range is the sheet's size in pixels and the window scrolls through
  // all of it: the bar's maximum is the range itself, so the thumb always
  // shows the position the window paints from. The thumb is one window long.
  const int page = bar == ScrollBarKind::Horizontal ? canvas_->width() : canvas_->height();
  b->setRange(0, std::max(0, range));
  b->setSingleStep(1);
  b->setPageStep(std::max(1, page));
  b->setValue(position);
  b->setVisible(visible);
}

void PlanWindow::SetCaption(const std::string& caption) {
  setWindowTitle(QString::fromStdString(caption));
}

void PlanWindow::SetColour(plat::COLORREF colour) { canvas_->SetBackgroundColour(colour); }

void PlanWindow::Close() {
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
    sub->close();
  else
    close();
}

void PlanWindow::closeEvent(QCloseEvent* event) {
  if (child_) {
    TMDIChild* c = child_;
    Attach(nullptr);
    c->FormClose();  // the main form frees the logic
  }
  event->accept();
}

void PlanWindow::wheelEvent(QWheelEvent* event) {
  if (!child_) return;
  constexpr int kNotch = 120;       // one notch of a wheel, in eighths of a degree
  constexpr int kLinesPerNotch = 3;
  QPoint delta = event->angleDelta();
  if (event->modifiers() & Qt::ShiftModifier) delta = {delta.y(), delta.x()};
  wheelRest_ += delta;
  auto scroll = [this](ScrollBarKind bar, int& rest) {
    for (; rest >= kNotch; rest -= kNotch)
      for (int i = 0; i < kLinesPerNotch; ++i)
        OnScrollAction(bar, QAbstractSlider::SliderSingleStepSub);
    for (; rest <= -kNotch; rest += kNotch)
      for (int i = 0; i < kLinesPerNotch; ++i)
        OnScrollAction(bar, QAbstractSlider::SliderSingleStepAdd);
  };
  scroll(ScrollBarKind::Vertical, wheelRest_.ry());
  scroll(ScrollBarKind::Horizontal, wheelRest_.rx());
  event->accept();
}

void PlanWindow::OnScrollAction(ScrollBarKind bar, int action) {
  if (!child_) return;
  QScrollBar* b = bar == ScrollBarKind::Horizontal ? hbar_ : vbar_;
  int32 code = -1;
  int32 thumb = b->sliderPosition();
  switch (action) {
    case QAbstractSlider::SliderSingleStepSub: code = scrollcode::LineUp; break;
    case QAbstractSlider::SliderSingleStepAdd: code = scrollcode::LineDown; break;
    case QAbstractSlider::SliderPageStepSub: code = scrollcode::PageUp; break;
    case QAbstractSlider::SliderPageStepAdd: code = scrollcode::PageDown; break;
    case QAbstractSlider::SliderMove: code = scrollcode::ThumbTrack; break;
    case QAbstractSlider::SliderToMinimum:
      code = scrollcode::ThumbPosition;
      thumb = 0;
      break;
    case QAbstractSlider::SliderToMaximum:
      code = scrollcode::ThumbPosition;
      thumb = b->maximum();
      break;
    default: return;
  }
  if (bar == ScrollBarKind::Horizontal) {
    child_->HorzScroll(code, thumb);
    b->setSliderPosition(child_->HorzPosition());
  } else {
    child_->VertScroll(code, thumb);
    b->setSliderPosition(child_->VertPosition());
  }
}
