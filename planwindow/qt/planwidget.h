// The drawing window on Qt: a back-buffered client area with the two scroll
// bars, shown inside an MDI sub-window. It hands paint, resize, key, mouse
// and scroll events to its TMDIChild and implements what the child needs of
// the screen.
#pragma once

#include <QWidget>
#include <memory>

#include "planwindow/childwin.h"
#include "platform/qt/backbuffer_widget.h"

class QScrollBar;

namespace plat {
class QtTimer;
}

// The client area: painting, resizing, keys and the mouse.
class PlanCanvas : public plat::BackbufferWidget {
  Q_OBJECT

 public:
  explicit PlanCanvas(QWidget* parent = nullptr);
  void SetChild(TMDIChild* child) { child_ = child; }

 signals:
  // A key or mouse event has been through the drawing window's logic, which
  // may have changed the drawing with it.
  void InputHandled();

 protected:
  void PaintBuffer(plat::DeviceContext& dc) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  TMDIChild* child_ = nullptr;
};

class PlanWindow : public QWidget, public TPlanWindowHost {
  Q_OBJECT

 public:
  explicit PlanWindow(QWidget* parent = nullptr);
  ~PlanWindow() override;

  // The logic this window shows; null once it has closed.
  void Attach(TMDIChild* child);
  TMDIChild* Child() const { return child_; }
  PlanCanvas* Canvas() const { return canvas_; }
  QScrollBar* HorizontalBar() const { return hbar_; }
  QScrollBar* VerticalBar() const { return vbar_; }

  // ---- TPlanWindowHost ----------------------------------------------------------------
  plat::Window& Surface() override;
  void SetScrollBar(ScrollBarKind bar, int32 range, int32 position, bool visible) override;
  void SetCaption(const std::string& caption) override;
  void SetColour(plat::COLORREF colour) override;
  void Close() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  // The wheel scrolls as the scroll bars' arrows do (Shift: sideways).
  void wheelEvent(QWheelEvent* event) override;
  friend class PlanCanvas;

 private:
  void OnScrollAction(ScrollBarKind bar, int action);

  PlanCanvas* canvas_ = nullptr;
  QScrollBar* hbar_ = nullptr;
  QScrollBar* vbar_ = nullptr;
  std::unique_ptr<plat::QtTimer> autoScroll_;
  TMDIChild* child_ = nullptr;
  QPoint wheelRest_;  // wheel turns smaller than a notch, kept for the next
};
