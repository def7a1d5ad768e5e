#include "shell/qt/mainwindow.h"

#include <QAction>
#include <algorithm>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QToolBar>
#include <QVBoxLayout>

#include "model/globals.h"
#include "planwindow/childwin.h"
#include "planwindow/qt/planwidget.h"
#include "platform/qt/qt_timer.h"
#include "platform/ui.h"
#include "shell/qt/qt_printer.h"
#include "shell/qt/status_panel.h"

namespace {

// Relative widths of the guide bar's three panels.
constexpr int kPanelStretch[3] = {6, 1, 2};
// The smallest size Window > Cascade gives a drawing window.
constexpr int kMinCascadeWidth = 400;
constexpr int kMinCascadeHeight = 250;

// The number of a listed window or recent drawing with its own letter: 1 to
// 9 their digit, 10 its 0 (so it does not share the 1 of the first).
QString NumberedEntry(int n) {
  if (n < 10) return QString("&%1").arg(n);
  if (n == 10) return QString("1&0");
  return QString::number(n);
}

// A name shown in a menu entry as it is: an & in it is no letter.
QString Literal(QString name) { return name.replace('&', "&&"); }

QString ColourCss(plat::COLORREF c) {
  return QString("background-color: rgb(%1,%2,%3);")
      .arg(plat::GetRValue(c))
      .arg(plat::GetGValue(c))
      .arg(plat::GetBValue(c));
}

// A screen this small (its free area, pixels) shows the window maximised.
constexpr int kSmallScreenWidth = 1280;
constexpr int kSmallScreenHeight = 800;
// The part of a larger screen's free area the window takes at first.
constexpr double kShareOfScreen = 0.9;

PlanWindow* PlanOf(QMdiSubWindow* sub) {
  return sub ? qobject_cast<PlanWindow*>(sub->widget()) : nullptr;
}

QString Plain(QString text) { return text.remove('&'); }

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(kAppTitle);
  timer1_ = std::make_unique<plat::QtTimer>();
  form_ = std::make_unique<TMainForm>(*timer1_);
  form_->SetChildFrame(this);
  printer_ = std::make_unique<QtPrinter>(nullptr, this);
  form_->SetPrinter(printer_.get());
  form_->onCloseRequested = [this] {
    closing_ = true;
    if (!insideClose_) close();
  };
  form_->onRecentFilesChanged = [this] { RefreshRecentFiles(); };

  mdi_ = new QMdiArea(this);
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  connect(mdi_, &QMdiArea::subWindowActivated, this, &MainWindow::OnSubWindowActivated);

  // Once the start-up has reopened the last drawing, its window takes the
  // keys and the menus follow it.
  timer1_->onTimer = [this, startUp = timer1_->onTimer] {
    if (startUp) startUp();
    RefreshCommands();
    FocusActivePlan();
  };

  BuildMenus();
  BuildStatusBars();
  RefreshRecentFiles();
  RefreshCommands();
  resize(1000, 700);
}

MainWindow::~MainWindow() {
  // The drawing windows go first (they tell the form), then the form's
  // links back into widgets are cut.
  form_->CloseAllChildren();
  form_->SetChildFrame(nullptr);
  form_->st.onChange = nullptr;
  form_->crds.onChange = nullptr;
  form_->onRecentFilesChanged = nullptr;
  form_->onCloseRequested = nullptr;
}

void MainWindow::UsePrinter(QPrinter* printer) {
  printer_ = std::make_unique<QtPrinter>(printer, this);
  form_->SetPrinter(printer_.get());
}

QAction* MainWindow::Add(QMenu* menu, const QString& text, void (TMainForm::*command)(),
                         const QKeySequence& shortcut) {
  QAction* a = menu->addAction(text);
  if (!shortcut.isEmpty()) a->setShortcut(shortcut);
  connect(a, &QAction::triggered, this, [this, command] {
    form_->RunCommand(command);
    RefreshCommands();
    FocusActivePlan();
  });
  return a;
}

void MainWindow::BuildMenus() {
  BuildFileMenu();
  BuildViewMenus();
  BuildToolMenus();
  BuildFrameMenus();

  windowMenu_ = menuBar()->addMenu("Wi&ndow");
  connect(windowMenu_->addAction("&Cascade"), &QAction::triggered, this, &MainWindow::CascadeWindows);
  connect(windowMenu_->addAction("&Tile"), &QAction::triggered, this, [this] {
    mdi_->tileSubWindows();
    FocusActivePlan();
  });
  windowListSeparator_ = windowMenu_->addSeparator();

  auto* helpMenu = menuBar()->addMenu("&Help");
  // Context help: the page of the function in use.
  Add(helpMenu, "&Help on This Function", &TMainForm::ShowContextHelp, QKeySequence(Qt::Key_F1));
  // The drawing wizards.
  Add(helpMenu, "&Wizards...", &TMainForm::CmWizardsExecute);
  auto* about = helpMenu->addAction(QString("&About %1").arg(kAppTitle));
  connect(about, &QAction::triggered, this, [this] {
    QMessageBox::about(this, kAppTitle, QString("%1\nHouse floor plans drawn to scale.").arg(kAppTitle));
  });

  for (QMenu* m : menuBar()->findChildren<QMenu*>())
    connect(m, &QMenu::aboutToShow, this, &MainWindow::RefreshCommands);
}

void MainWindow::BuildFileMenu() {
  fileMenu_ = menuBar()->addMenu("&File");
  // The program's texts name the entries as they are ("click FILE, then NEW
  // DRAWING", "PLAN VIEWS / LAYOUT", "Plan Views / Floor Areas").
  QAction* newAct =
      Add(fileMenu_, "&New Drawing...", &TMainForm::CmFilenewExecute, QKeySequence::New);
  QAction* openAct = Add(fileMenu_, "&Open...", &TMainForm::CmFileopenExecute, QKeySequence::Open);
  QAction* saveAct = Add(fileMenu_, "&Save", &TMainForm::CmSaveExecute, QKeySequence::Save);
  autosave_ = Add(fileMenu_, "&Autosave", &TMainForm::CmAutosaveExecute);
  autosave_->setCheckable(true);
  fileMenu_->addSeparator();
  QAction* printAct = Add(fileMenu_, "&Print...", &TMainForm::CmPrintExecute, QKeySequence::Print);
  drawingCommands_.insert(drawingCommands_.end(), {saveAct, printAct});
  // Split printing, the printer calibration and the picture export.
  drawingCommands_.push_back(Add(fileMenu_, "Spli&t Print...", &TMainForm::CmPrintssplitExecute));
  Add(fileMenu_, "Printer &Calibration...", &TMainForm::CmPrintcalExecute);
  fileMenu_->addSeparator();
  drawingCommands_.push_back(Add(fileMenu_, "Export Picture as &BMP...", &TMainForm::CmBmpExecute));
  drawingCommands_.push_back(Add(fileMenu_, "Export Picture as PN&G...", &TMainForm::CmPngExecute));

  recentSeparator_ = fileMenu_->addSeparator();
  for (int i = 0; i < kRecentFileCount; ++i) {
    auto* a = fileMenu_->addAction(QString());
    a->setVisible(false);
    connect(a, &QAction::triggered, this, [this, i] {
      form_->OpenRecentFile(i);
      RefreshCommands();
      FocusActivePlan();
    });
    recentActions_.push_back(a);
  }
  fileMenu_->addSeparator();
  Add(fileMenu_, "E&xit", &TMainForm::CmExitExecute);

  auto* tools = addToolBar("Main");
  tools->setObjectName("MainToolBar");
  tools->setMovable(false);
  tools->addAction(newAct);
  tools->addAction(openAct);
  tools->addAction(saveAct);
  tools->addAction(printAct);
}

void MainWindow::BuildViewMenus() {
  QMenu* edit = menuBar()->addMenu("&Edit");
  drawingCommands_.push_back(Add(edit, "&Undo", &TMainForm::CmUndoExecute, QKeySequence::Undo));
  drawingCommands_.push_back(Add(edit, "&Redo", &TMainForm::CmRedoExecute, QKeySequence::Redo));

  QMenu* view = menuBar()->addMenu("&Plan Views");
  drawingCommands_.push_back(Add(view, "&Ground Floor", &TMainForm::CmPlanExecute));
  drawingCommands_.push_back(Add(view, "&First Floor", &TMainForm::CmPlan1Execute));
  drawingCommands_.push_back(Add(view, "&Second Floor", &TMainForm::CmPlan2Execute));
  drawingCommands_.push_back(Add(view, "&Third Floor", &TMainForm::CmPlan3Execute));
  drawingCommands_.push_back(Add(view, "Su&b Floor", &TMainForm::CmSubfloorExecute));
  drawingCommands_.push_back(Add(view, "Site &Plan", &TMainForm::CmSiteExecute));
  drawingCommands_.push_back(Add(view, "&Layout", &TMainForm::CmLayoutExecute));
  drawingCommands_.push_back(Add(view, "G&roup Drawing", &TMainForm::CmGroupExecute));
  // Floor areas and overlaid floors
  view->addSeparator();
  drawingCommands_.push_back(Add(view, "Floor &Areas...", &TMainForm::CmAreasExecute));
  drawingCommands_.push_back(Add(view, "&Overlay Floors...", &TMainForm::CmOverlayExecute));

  QMenu* zoom = menuBar()->addMenu("&Zoom");
  drawingCommands_.push_back(Add(zoom, "Zoom &Normal", &TMainForm::CmZoomnormExecute));
  drawingCommands_.push_back(Add(zoom, "Zoom &Half", &TMainForm::CmZoomhalfExecute));
  drawingCommands_.push_back(Add(zoom, "Zoom &Fit", &TMainForm::CmZoomfitExecute));
  drawingCommands_.push_back(Add(zoom, "Zoom &Up", &TMainForm::CmZoomupExecute));
  zoom->addSeparator();
  drawingCommands_.push_back(Add(zoom, "&Screen Scale...", &TMainForm::ScalePercentage1Click));
}

void MainWindow::BuildToolMenus() {
  QMenu* draw = menuBar()->addMenu("&Draw");
  drawingCommands_.push_back(Add(draw, "&Line", &TMainForm::CmLineExecute, QKeySequence("Ctrl+L")));
  // Shapes, texts and the window's drawing commands.
  drawingCommands_.push_back(Add(draw, "&Arc", &TMainForm::CmArcExecute));
  drawingCommands_.push_back(Add(draw, "&Ellipse", &TMainForm::CmEllipseExecute));
  drawingCommands_.push_back(Add(draw, "&Circle", &TMainForm::CmCircleExecute));
  drawingCommands_.push_back(Add(draw, "&Rounded Rectangle", &TMainForm::CmRndRectExecute));
  draw->addSeparator();
  drawingCommands_.push_back(Add(draw, "&Text", &TMainForm::CmTextExecute, QKeySequence("Ctrl+T")));
  drawingCommands_.push_back(Add(draw, "C&hange Text", &TMainForm::CmTextChangeExecute));
  drawingCommands_.push_back(Add(draw, "Text Si&ze", &TMainForm::CmTextSizeExecute));
  drawingCommands_.push_back(Add(draw, "Text &on a Line", &TMainForm::CmLineTextExecute));
  drawingCommands_.push_back(Add(draw, "&Multi Lines", &TMainForm::CmMultiLinesExecute));
  drawingCommands_.push_back(Add(draw, "Move Line E&nd", &TMainForm::CmLineEndExecute));
  draw->addSeparator();
  drawingCommands_.push_back(Add(draw, "Line &Style...", &TMainForm::CmLinestyleExecute));
  drawingCommands_.push_back(Add(draw, "&Fill Colour...", &TMainForm::CmFillColourExecute));
  drawingCommands_.push_back(Add(draw, "Fill a Sha&pe", &TMainForm::CmFillExecute));
  drawingCommands_.push_back(
      Add(draw, "Rotate / Mirror &Drawing...", &TMainForm::CmRotateMirrorExecute));

  // Design rooms.
  QMenu* rooms = menuBar()->addMenu("&Rooms");
  drawingCommands_.push_back(Add(rooms, "&ADD New Design Room", &TMainForm::CmDroomExecute));
  drawingCommands_.push_back(Add(rooms, "Room in &Free Space", &TMainForm::CmDroomFreeSpaceExecute));
  rooms->addSeparator();
  drawingCommands_.push_back(Add(rooms, "&Enlarge Room", &TMainForm::CmDroomEnlargeExecute));
  drawingCommands_.push_back(Add(rooms, "&Shrink Room", &TMainForm::CmDroomShrinkExecute));
  drawingCommands_.push_back(Add(rooms, "&Rotate Room", &TMainForm::CmDroomRotateExecute));
  drawingCommands_.push_back(Add(rooms, "&Move Room", &TMainForm::CmDroomMoveExecute));
  drawingCommands_.push_back(Add(rooms, "&Delete Room", &TMainForm::CmDroomDeleteExecute));
  rooms->addSeparator();
  drawingCommands_.push_back(
      Add(rooms, "Mar&k External Walls on LAYOUT", &TMainForm::CmMarkWallsExecute));
  drawingCommands_.push_back(Add(rooms, "F&INISH Design Rooms", &TMainForm::CmFinishRoomsExecute));
  drawingCommands_.push_back(Add(rooms, "A&LTER Finished Room", &TMainForm::CmDroomAlterExecute));
  rooms->addSeparator();
  Add(rooms, "Mer&ging Distance...", &TMainForm::CmMergeDistanceExecute);
  Add(rooms, "Room &Colours...", &TMainForm::CmRoomColourExecute);
  Add(rooms, "Room &Texts...", &TMainForm::CmRoomTextsExecute);

  QMenu* aids = menuBar()->addMenu("&Screen Aids");
  drawingCommands_.push_back(Add(aids, "&Centre", &TMainForm::CmCentreExecute));
  drawingCommands_.push_back(Add(aids, "Centre C&entre", &TMainForm::CmCentrecentreExecute));
  drawingCommands_.push_back(Add(aids, "Temporary &Datum", &TMainForm::CmDatumExecute));

  // External walls and their dimensions
  QMenu* walls = menuBar()->addMenu("&Walls");
  drawingCommands_.push_back(Add(walls, "&External Walls...", &TMainForm::CmExtwallExecute));
  // Internal walls, the wall edits and the base
  drawingCommands_.push_back(Add(walls, "&Internal Walls...", &TMainForm::CmIntwallExecute));
  walls->addSeparator();
  drawingCommands_.push_back(Add(walls, "&Adjust Wall...", &TMainForm::CmSnapToExecute));
  drawingCommands_.push_back(Add(walls, "&Join Wall to End", &TMainForm::CmWallJoinExecute));
  drawingCommands_.push_back(Add(walls, "&Shorten Wall", &TMainForm::CmWallShortenExecute));
  drawingCommands_.push_back(Add(walls, "&Lengthen Wall", &TMainForm::CmWallLengthenExecute));
  drawingCommands_.push_back(Add(walls, "S&plit Wall", &TMainForm::CmWallSplitExecute));
  drawingCommands_.push_back(
      Add(walls, "Change Wall &Type (thinner)", &TMainForm::CmWallTypeExecute));
  drawingCommands_.push_back(Add(walls, "&Move Internal Wall", &TMainForm::CmMoveInwallExecute));
  drawingCommands_.push_back(Add(walls, "&Delete Wall or Line", &TMainForm::CmWallDeleteExecute));
  walls->addSeparator();
  drawingCommands_.push_back(Add(walls, "E&xpand Base...", &TMainForm::CmExpandbaseExecute));
  drawingCommands_.push_back(Add(walls, "Shrin&k Base...", &TMainForm::CmShrinkbaseExecute));
  QMenu* dims = menuBar()->addMenu("Di&mensions");
  drawingCommands_.push_back(
      Add(dims, "&Dimension External Walls", &TMainForm::CmDimensionsExecute));
  drawingCommands_.push_back(
      Add(dims, "Dimension Between &Two Points", &TMainForm::CmDimensionPointsExecute));
  dims->addSeparator();
  Add(dims, "Dimension &Settings...", &TMainForm::CmOffsetsExecute);

  // Windows and doors cut into the walls, and the door swing drawn
  QMenu* openings = menuBar()->addMenu("&Openings");
  drawingCommands_.push_back(Add(openings, "&Windows...", &TMainForm::CmWindowExecute));
  drawingCommands_.push_back(Add(openings, "&Doors...", &TMainForm::CmDoorsExecute));
  openings->addSeparator();
  Add(openings, "Door &Swing...", &TMainForm::CmDefdoorsExecute);
}

// Cascaded windows keep a size to draw in: two thirds of the frame, never
// less than a small plan needs.
void MainWindow::CascadeWindows() {
  const QList<QMdiSubWindow*> subs = mdi_->subWindowList();
  for (QMdiSubWindow* sub : subs)
    if (sub->isMaximized() || sub->isMinimized()) sub->showNormal();
  mdi_->cascadeSubWindows();
  const QSize area = mdi_->viewport()->size();
  const QSize size(std::max(area.width() * 2 / 3, kMinCascadeWidth),
                   std::max(area.height() * 2 / 3, kMinCascadeHeight));
  for (QMdiSubWindow* sub : subs) sub->resize(size);
  FocusActivePlan();
}

// The open drawing windows at the end of the Window menu, in the order they
// were opened, the active one checked. The entries are kept and relabelled,
// since one of them may be the action being triggered.
void MainWindow::RefreshWindowList() {
  if (!windowMenu_) return;
  const QList<QMdiSubWindow*> subs = mdi_->subWindowList(QMdiArea::CreationOrder);
  windowListSeparator_->setVisible(!subs.isEmpty());
  while (windowActions_.size() < std::size_t(subs.size())) {
    const int index = int(windowActions_.size());
    QAction* a = windowMenu_->addAction(QString());
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, index] {
      const QList<QMdiSubWindow*> now = mdi_->subWindowList(QMdiArea::CreationOrder);
      if (index < now.size()) mdi_->setActiveSubWindow(now[index]);
      RefreshWindowList();
      FocusActivePlan();
    });
    windowActions_.push_back(a);
  }
  for (std::size_t i = 0; i < windowActions_.size(); ++i) {
    QAction* a = windowActions_[i];
    const bool used = i < std::size_t(subs.size());
    a->setVisible(used);
    if (!used) continue;
    a->setText(QString("%1 %2").arg(NumberedEntry(int(i) + 1), Literal(subs[int(i)]->windowTitle())));
    a->setChecked(subs[int(i)] == mdi_->activeSubWindow());
  }
}

// Keys belong to the active drawing window (or the frame when none is
// open) after every command and dialog, as they did before it.
void MainWindow::FocusActivePlan() {
  if (PlanWindow* plan = PlanOf(mdi_->activeSubWindow())) {
    plan->Canvas()->setFocus(Qt::OtherFocusReason);
  } else {
    setFocus(Qt::OtherFocusReason);
  }
}

void MainWindow::RefreshCommands() {
  UpdateTitle();
  RefreshWindowList();
  const bool open = form_->DrawingOpen() && form_->ActiveChild();
  for (QAction* a : drawingCommands_) a->setEnabled(open);
  if (autosave_) autosave_->setChecked(AutosaveMode == autosave::SaveWithoutAsking);
}

QAction* MainWindow::Command(const QString& text) const {
  for (QAction* a : menuBar()->findChildren<QAction*>())
    if (Plain(a->text()) == text) return a;
  return nullptr;
}

void MainWindow::BuildStatusBars() {
  TMainForm& f = *form_;

  guideBar_ = new QWidget(this);
  guideBar_->setObjectName("GuideBar");
  auto* guideLayout = new QHBoxLayout(guideBar_);
  guideLayout->setContentsMargins(2, 1, 2, 1);
  guideLayout->setSpacing(2);
  for (int i = 0; i < f.st.PanelCount(); ++i) {
    auto* p = new StatusPanel(guideBar_);
    p->setObjectName(QString("Panel%1").arg(i));
    p->SetText(QString::fromStdString(f.st.PanelText(i)));
    guideLayout->addWidget(p, kPanelStretch[i]);
    panels_.push_back(p);
  }
  guideBar_->setAutoFillBackground(true);
  guideBar_->setStyleSheet("#GuideBar {" + ColourCss(f.GuideColour) + "}");

  auto* coordsBar = new QWidget(this);
  auto* coordsLayout = new QHBoxLayout(coordsBar);
  coordsLayout->setContentsMargins(2, 1, 2, 1);
  coords_ = new StatusPanel(coordsBar);
  coords_->setObjectName("Coordinates");
  coords_->SetText(QString::fromStdString(f.crds.SimpleText()));
  coordsLayout->addWidget(coords_);

  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  if (f.StatusBarOnTop) column->addWidget(guideBar_);
  column->addWidget(mdi_, 1);
  if (!f.StatusBarOnTop) column->addWidget(guideBar_);
  column->addWidget(coordsBar);
  setCentralWidget(central);

  f.st.onChange = [this](int panel, const std::string& text) {
    if (panel >= 0 && panel < int(panels_.size())) panels_[panel]->SetText(QString::fromStdString(text));
  };
  f.crds.onChange = [this](int, const std::string& text) {
    coords_->SetText(QString::fromStdString(text));
  };
}

void MainWindow::RefreshRecentFiles() {
  if (recentActions_.empty()) return;
  bool any = false;
  for (int i = 0; i < kRecentFileCount; ++i) {
    const std::string& name = form_->RecentFiles[i];
    QAction* a = recentActions_[i];
    a->setText(QString("%1 %2").arg(NumberedEntry(i + 1), Literal(QString::fromStdString(name))));
    a->setVisible(!name.empty());
    any = any || !name.empty();
  }
  recentSeparator_->setVisible(any);
}

// ---- Drawing windows ---------------------------------------------------------------------

TPlanWindowHost& MainWindow::NewChildWindow(const std::string& caption) {
  auto* plan = new PlanWindow;
  plan->SetCaption(caption);
  // What is done in the plan ends a command as a menu entry does.
  connect(plan->Canvas(), &PlanCanvas::InputHandled, this, &MainWindow::UpdateTitle);
  // A window that follows the floor it works on renames itself as it paints.
  connect(plan, &QWidget::windowTitleChanged, this, &MainWindow::UpdateTitle);
  QMdiSubWindow* sub = mdi_->addSubWindow(plan);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  sub->showMaximized();
  mdi_->setActiveSubWindow(sub);
  return *plan;
}

void MainWindow::AttachChild(TPlanWindowHost& host, TMDIChild& child) {
  static_cast<PlanWindow&>(host).Attach(&child);
  RefreshCommands();
}

// The frame's title names the view shown, as a maximised window hides its own.
void MainWindow::UpdateTitle() {
  TMDIChild* c = form_->ActiveChild();
  // A star shows while the drawing has changes the save question would ask
  // about.
  QString title = kAppTitle;
  if (c && !c->Caption.empty())
    title = QString("%1 - [%2]").arg(kAppTitle, QString::fromStdString(c->Caption));
  if (form_->HasUnsavedChanges()) title += " *";
  setWindowTitle(title);
}

void MainWindow::ActivateChild(TPlanWindowHost& host) {
  auto& plan = static_cast<PlanWindow&>(host);
  if (auto* sub = qobject_cast<QMdiSubWindow*>(plan.parentWidget())) mdi_->setActiveSubWindow(sub);
}

void MainWindow::OnSubWindowActivated(QMdiSubWindow* sub) {
  PlanWindow* plan = PlanOf(sub);
  if (plan && plan->Child()) form_->ChildActivated(plan->Child());
  RefreshCommands();
}

std::vector<PlanWindow*> MainWindow::PlanWindows() const {
  std::vector<PlanWindow*> out;
  for (TMDIChild* c : form_->Children()) out.push_back(static_cast<PlanWindow*>(&c->Host()));
  return out;
}

QString MainWindow::GuideText() const { return PanelText(0); }

QString MainWindow::PanelText(int panel) const {
  if (panel < 0 || panel >= int(panels_.size())) return {};
  return panels_[panel]->Text();
}

QString MainWindow::CoordsText() const { return coords_ ? coords_->Text() : QString(); }

QRect MainWindow::OpeningGeometry(const QRect& available, bool& maximised) {
  maximised = available.width() < kSmallScreenWidth || available.height() < kSmallScreenHeight;
  if (maximised) return available;
  const QSize size(int(available.width() * kShareOfScreen), int(available.height() * kShareOfScreen));
  QRect r(QPoint(0, 0), size);
  r.moveCenter(available.center());
  return r;
}

void MainWindow::PlaceOnScreen() {
  const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  if (!s) return;
  bool maximised = false;
  const QRect r = OpeningGeometry(s->availableGeometry(), maximised);
  resize(r.size());
  move(r.topLeft());
  if (maximised) setWindowState(windowState() | Qt::WindowMaximized);
}

bool MainWindow::GuideBarOnTop() const { return form_->StatusBarOnTop; }

void MainWindow::closeEvent(QCloseEvent* event) {
  // The title-bar button leaves through the same steps as Exit; the window
  // closes when Exit asks for it.
  if (!closing_) {
    insideClose_ = true;
    form_->FormCloseQuery();
    insideClose_ = false;
  }
  if (!closing_) {
    event->ignore();
    return;
  }
  // What is still to be told is told over the window, before it goes: a
  // message shown after it would keep the program running without a window.
  plat::Ui().RunWaitingTasks();
  event->accept();
  emit Closed();
}
