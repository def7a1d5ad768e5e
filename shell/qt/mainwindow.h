// The Qt face of the main form: an MDI frame with menus, a tool bar, the
// guide status bar (on top or at the bottom) and the coordinates bar. It
// makes the drawing windows of the main form.
#pragma once

#include <QMainWindow>
#include <memory>
#include <vector>

#include "shell/mainform.h"

class QAction;
class StatusPanel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class PlanWindow;
class QtPrinter;
class QPrinter;

namespace plat {
class Timer;
}  // namespace plat

class MainWindow : public QMainWindow, public TChildFrame {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  TMainForm& Form() { return *form_; }
  QMdiArea* MdiArea() const { return mdi_; }
  // Sizes and places the window for its first showing on its screen.
  void PlaceOnScreen();
  // Where a window opens in a screen's free area: most of it, or all of it
  // (maximised) when the screen is small.
  static QRect OpeningGeometry(const QRect& available, bool& maximised);
  // Prints on this printer (the one the printer set-up configures).
  void UsePrinter(QPrinter* printer);
  // The drawing windows, the active one first.
  std::vector<PlanWindow*> PlanWindows() const;
  // A menu command by its text without "&" ("New Drawing...", "Zoom Fit"), for tests.
  QAction* Command(const QString& text) const;
  // The texts shown, for tests.
  QString GuideText() const;
  QString PanelText(int panel) const;
  QString CoordsText() const;
  bool GuideBarOnTop() const;

 signals:
  // Exit closed the window, after it told what was still to be told: the
  // program ends with it.
  void Closed();

 public:
  // ---- TChildFrame ------------------------------------------------------------------
  TPlanWindowHost& NewChildWindow(const std::string& caption) override;
  void AttachChild(TPlanWindowHost& host, TMDIChild& child) override;
  void ActivateChild(TPlanWindowHost& host) override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void BuildFileMenu();
  void BuildViewMenus();
  void BuildToolMenus();
  // Frames, polygons, libraries, the designer, part printing (mainwindow_frames.cpp).
  void BuildFrameMenus();
  void BuildStatusBars();
  void RefreshRecentFiles();
  void RefreshCommands();
  void RefreshWindowList();
  void CascadeWindows();
  void FocusActivePlan();
  void UpdateTitle();
  void OnSubWindowActivated(QMdiSubWindow* sub);
  QAction* Add(QMenu* menu, const QString& text, void (TMainForm::*command)(),
               const QKeySequence& shortcut = {});

  std::unique_ptr<plat::Timer> timer1_;
  std::unique_ptr<TMainForm> form_;
  std::unique_ptr<QtPrinter> printer_;
  QMdiArea* mdi_ = nullptr;
  QWidget* guideBar_ = nullptr;
  std::vector<StatusPanel*> panels_;
  StatusPanel* coords_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QAction* recentSeparator_ = nullptr;
  QAction* autosave_ = nullptr;
  QMenu* windowMenu_ = nullptr;
  QAction* windowListSeparator_ = nullptr;
  std::vector<QAction*> windowActions_;
  std::vector<QAction*> recentActions_;
  // Commands that need an open drawing.
  std::vector<QAction*> drawingCommands_;
  bool closing_ = false;
  bool insideClose_ = false;
};
