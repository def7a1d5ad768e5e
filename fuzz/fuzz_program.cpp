#include "fuzz/fuzz_program.h"

#include <memory>
#include <string>
#include <vector>

#include "building/extwall_tool.h"
#include "building/opening_tool.h"
#include "building/wall_geometry.h"
#include "designer/fixture_generator.h"
#include "designer/fixture_kinds.h"
#include "dialogs/modal.h"
#include "dialogs/printdlg.h"
#include "model/flist.h"
#include "model/globals.h"
#include "model/view_mapping.h"
#include "planwindow/childwin.h"
#include "platform/files.h"
#include "platform/keys.h"
#include "platform/recording_dc.h"
#include "platform/scripted_ui.h"
#include "platform/services.h"
#include "platform/ui.h"
#include "shell/mainform.h"
#include "shell/printing.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"
#include "tests/traced_outline.h"

namespace fuzzing {

namespace {

Finding finding = nullptr;

void Found(const char* what) {
  if (finding) finding(what);
}

constexpr const char* kHouse = "HOUSE";

// What the opening tool's set-up reads: a window's or a door's settings.
constexpr int32 kSetUpWindow = 1;
constexpr int32 kSetUpDoor = 2;

// Wall styles of WallDisplayMode: face lines, hatched, hatched with the
// other floors overlaid, solid.
constexpr int32 kWallStyles[] = {0, 10, 12, 20};

// ---- The user and the windows ---------------------------------------------------------

// Yes to every question, OK to every message, Cancel to every file,
// colour and text asked for.
class YesUi : public plat::UserInterface {
 public:
  int MessageDlg(const std::string&, plat::MsgType, unsigned buttons) override {
    if (buttons & plat::mbYes) return plat::mrYes;
    if (buttons & plat::mbOK) return plat::mrOk;
    return plat::mrCancel;
  }
  void ShowMessage(const std::string&) override {}
  bool InputQuery(const std::string&, const std::string&, std::string&) override { return false; }
  bool OpenFileDialog(const plat::FileDialogRequest&, std::string&) override { return false; }
  bool SaveFileDialog(const plat::FileDialogRequest&, std::string&) override { return false; }
  bool ChooseColour(plat::COLORREF&) override { return false; }
  bool PrinterSetup() override { return true; }
  plat::Point GetCursorPos() override { return {}; }
  void SetCursorPos(plat::Point) override {}
};

// OK with the values the dialog starts with, when its checks pass them.
template <class Dialog>
class Ok : public dlg::Runner<Dialog> {
 public:
  bool Run(Dialog& d) override { return dlg::CheckOk(d).empty(); }

 private:
  dlg::ScopedRunner<Dialog> use_{this};
};

class Host : public TPlanWindowHost {
 public:
  Host() : window({800, 500}) {
    window.onPaint = [this](plat::DeviceContext&) {
      if (child) child->OnPaint();
    };
  }
  plat::RecordingWindow window;
  TMDIChild* child = nullptr;
  bool closed = false;

  plat::Window& Surface() override { return window; }
  void SetScrollBar(ScrollBarKind, int32, int32, bool) override {}
  void SetCaption(const std::string&) override {}
  void SetColour(plat::COLORREF) override {}
  void Close() override {
    if (closed) return;
    closed = true;
    if (TMDIChild* c = child) {
      child = nullptr;
      c->FormClose();
    }
  }
  // A pending repaint, as the window system runs it; what it drew is
  // dropped so that a long run keeps no record of it.
  void Paint() {
    window.UpdateWindow();
    window.Drawn().clear();
  }
};

class Frame : public TChildFrame {
 public:
  std::vector<std::unique_ptr<Host>> hosts;
  TPlanWindowHost& NewChildWindow(const std::string&) override {
    hosts.push_back(std::make_unique<Host>());
    return *hosts.back();
  }
  void AttachChild(TPlanWindowHost& host, TMDIChild& child) override {
    static_cast<Host&>(host).child = &child;
  }
  void ActivateChild(TPlanWindowHost&) override {}
  // Paints the active window whole, as bringing it to the front does.
  void PaintActive(TMainForm& form) {
    TMDIChild* child = form.ActiveChild();
    if (!child) return;
    auto& host = static_cast<Host&>(child->Host());
    host.window.InvalidateRect(nullptr);
    host.Paint();
  }
};

// A4 at 300 pixels per inch; each page's records are counted and dropped.
class Printer : public TPrinter {
 public:
  // The most records a page may take (0: no limit).
  std::size_t pageLimit = 0;
  bool Setup() override { return true; }
  PageMetrics Page() const override { return {{2480, 3508}, 300, 300}; }
  std::unique_ptr<plat::DeviceContext> BeginDoc(const std::string&) override {
    records_.clear();
    auto dc = std::make_unique<plat::RecordingDC>(plat::Size{2480, 3508}, &records_);
    dc->SetPixelsPerInch(300);
    return dc;
  }
  std::unique_ptr<plat::DeviceContext> MeasuringPage() override {
    measured_.clear();
    auto dc = std::make_unique<plat::RecordingDC>(plat::Size{2480, 3508}, &measured_);
    dc->SetPixelsPerInch(300);
    return dc;
  }
  bool NewPage(plat::DeviceContext&) override {
    EndPage();
    return true;
  }
  bool EndDoc(std::unique_ptr<plat::DeviceContext> page, DocEnd) override {
    EndPage();
    return page != nullptr;
  }

 private:
  void EndPage() {
    if (pageLimit > 0 && records_.size() > pageLimit)
      Found("a printed page took more records than its elements can show on it");
    records_.clear();
  }
  std::vector<plat::DcRecord> records_;
  std::vector<plat::DcRecord> measured_;  // what measuring drew: never printed
};

// The user's side of a run: the answers, and the dialogs the run passes
// through with OK.
struct User {
  YesUi ui;
  plat::ScopedUi scoped{ui};
  Ok<dlg::TTFPlanprintdlg> print;
  Ok<dlg::TTSplitdlg> split;
  Ok<dlg::TTGrpprintdlg> groupPrint;
};

// The program started, its drawing windows and its printer.
struct Program {
  plat::ManualTimer timer;
  Frame frame;
  Printer printer;
  std::unique_ptr<TMainForm> form;

  Program() {
    form = std::make_unique<TMainForm>(timer);
    form->SetChildFrame(&frame);
    form->SetPrinter(&printer);
    timer.Fire();
    frame.PaintActive(*form);
  }
  ~Program() {
    form->CmExitExecute();
    form.reset();
  }

  // Each command, then a repaint of what it left invalid.
  void Run(std::initializer_list<void (TMainForm::*)()> commands) {
    for (auto command : commands) {
      (form.get()->*command)();
      frame.PaintActive(*form);
    }
  }
  void ShowEveryView() {
    Run({&TMainForm::CmPlanExecute, &TMainForm::CmPlan1Execute, &TMainForm::CmPlan2Execute,
         &TMainForm::CmPlan3Execute, &TMainForm::CmSubfloorExecute, &TMainForm::CmSiteExecute,
         &TMainForm::CmLayoutExecute, &TMainForm::CmPlanExecute});
  }
  void Zoom() {
    Run({&TMainForm::CmZoomfitExecute, &TMainForm::CmZoomhalfExecute,
         &TMainForm::CmZoomnormExecute, &TMainForm::CmZoomfitExecute});
  }
  void Print() { Run({&TMainForm::CmPrintExecute, &TMainForm::CmPrintssplitExecute}); }
};

void Write(std::string_view programPath, std::string_view bytes) {
  plat::WriteFileAtomic(ProgramFile(programPath), bytes);
}

// A clean slate of the program's state for each run.
void ResetState() {
  ResetGlobals();
  DrawingList.Clear();
  DrawingList.ProgramDir = "";
  DrawingList.SetDrawingName(kHouse);
  DrawingList.SetTextFontName("Arial");
  DrawingList.LastRead = {};
  for (int32& v : DrawingList.UndoViews) v = 0;
}

// ---- A plan with walls, windows and doors ------------------------------------------------

using P = plat::Point;

// Four external walls round (lo, hi) built from a traced outline, as the
// layout's "mark external walls" builds them, and one internal wall.
void WallOutline(P lo, P hi) {
  TraceOutline({lo, {lo.x, hi.y}, hi, {hi.x, lo.y}});
  TExtwallobjtool build;
  build.Command(extwallcmd::BuildFromOutline);
  CurrentView = view::Ground;
  const int32 codes[4] = {100, 100, 100, 100};
  const int32 midX = (lo.x + hi.x) / 2;
  DrawingList.Add(new TInwallobj(kind::InWall, view::Ground, 901, 901, 1, midX, 0, lo.y, midX, 0,
                                 hi.y, midX + 100, 0, lo.y, midX + 100, hi.y, 0, 0, 0, 100, 0, 0,
                                 0, 0, -1, -1, bearing::Up, 0, 0, 0, codes));
  DrawingList.WriteDrawingFile(dtDrawing);
}

// Windows and doors cut into the walls of WallOutline(lo, hi) with the
// settings files as they are, at the middle of each wall, through the
// opening tool's set-up and Enter.
void CutOpenings(P lo, P hi) {
  plat::RecordingDC dc;
  const plat::Rect client{0, 0, 624, 346};
  const int32 midX = (lo.x + hi.x) / 2, midY = (lo.y + hi.y) / 2;
  const P spots[] = {{lo.x + 40, midY}, {hi.x - 40, midY}, {midX / 2 + lo.x / 2, hi.y - 40},
                     {midX + 50, midY}};
  int n = 0;
  for (const P& at : spots) {
    for (int32 setUp : {kSetUpWindow, kSetUpDoor}) {
      TWindowobjtool tool;
      tool.Type = tooltype::Opening;
      tool.Step = n % 3;
      tool.Direction = n % 2;
      ++n;
      tool.Execute(0, setUp, 0);
      if (!tool.Ready) continue;
      int32 x = 0, y = 0;
      WorldToDevice(dc, client, at.x / PixelScale, at.y / PixelScale, x, y);
      P cursor{x, y};
      tool.KeyDown(dc, client, plat::VK_RETURN, cursor, 0);
      dc.Clear();
    }
  }
}

// Every designer symbol, sized to the clear span the designer measured last.
void GenerateSymbols() {
  const int32 span = cfg::ReadFirstInt(ProgramFile(cfgfile::ClearSpan), 0);
  for (int32 k = 0; k <= fixture::Worktop; ++k) {
    if (!fixture::HasGenerator(k)) continue;
    std::vector<int32> values = fixture::ReadParams(k);
    fixture::FitToSpan(k, span, values);
    TFlist symbol;
    fixture::Generate(symbol, k, values, 20000, 15000, view::Ground, 1);
    plat::RecordingDC dc;
    symbol.DrawView(dc, {0, 0, 624, 346});
  }
}

// ---- Settings files -----------------------------------------------------------------------

// The inputs kept in fuzz/found/settings choose their file by its place here:
// new files go at the end.
const char* const kSettingsFiles[] = {
    cfgfile::Colours, cfgfile::Guide, cfgfile::Autosave, cfgfile::AutoScroll,
    cfgfile::RecentFiles, cfgfile::LastDrawing, cfgfile::LastUndoViews, cfgfile::SavedCopy,
    cfgfile::SheetSize.metric, cfgfile::SheetSize.imperial, cfgfile::ScaleView.metric,
    cfgfile::ScaleView.imperial, cfgfile::NormalZoom, cfgfile::ZoomState, cfgfile::Floors,
    cfgfile::PlanExtents, cfgfile::ClearSpan, cfgfile::RoomRect, cfgfile::RoomBounds,
    cfgfile::LibraryExtents, cfgfile::Overlay, cfgfile::Titles, cfgfile::DimensionOffsets.metric,
    cfgfile::DimensionOffsets.imperial, cfgfile::LayoutGrid.metric, cfgfile::LayoutGrid.imperial,
    cfgfile::PrintChoices, cfgfile::PrintCalibration.metric, cfgfile::PrintCalibration.imperial,
    cfgfile::FillColour, cfgfile::LineText, cfgfile::SelectionList, cfgfile::SelectionCount,
    cfgfile::PartPrintFrame, cfgfile::WallChange, cfgfile::FloorChange, cfgfile::FloorColours,
    cfgfile::InWallSpacing.metric, cfgfile::InWallSpacing.imperial, cfgfile::NewRoom,
    cfgfile::RoomColours, cfgfile::RoomWalls.metric, cfgfile::RoomWalls.imperial,
    cfgfile::MergingDistance.metric, cfgfile::MergingDistance.imperial, cfgfile::ExtWall.metric,
    cfgfile::ExtWall.imperial, cfgfile::Arrow, cfgfile::Window, cfgfile::Door, cfgfile::DoorSwing,
    "CFG\\BEDM.CFG", "CFG\\TABLEM.CFG", "CFG\\STAIRSM.CFG", "CFG\\BATHM.CFG", "CFG\\LOUNGEM.CFG",
    "CFG\\SINKM.CFG", "CFG\\SHOWERM.CFG", "CFG\\COOKTOPM.CFG", "CFG\\VANITYM.CFG",
    "CFG\\PLANTM.CFG", "CFG\\LIGHTSM.CFG", "CFG\\WORKTOPM.CFG",
};
constexpr std::size_t kSettingsFileCount = sizeof kSettingsFiles / sizeof kSettingsFiles[0];

}  // namespace

void SetFindingHandler(Finding f) { finding = f; }

void PrepareProgramDir() {
  User user;
  ResetState();
  InitDrawingList();
  WallOutline({15000, 11000}, {25000, 19000});
  CutOpenings({15000, 11000}, {25000, 19000});
  DrawingList.ReadDrawingFile(dtDrawing);
  DrawingList.Add(new TTextobj(kind::Text, view::Ground, 0, 0, 17000, 17000, 0, 0, 0, 0, 0, 0, 1,
                               0, 10, 400, "Arial", "LIVING"));
  DrawingList.Add(new TDimensobj(kind::Dimension, view::Ground, 0, 0, 15000, 10000, 25000, 10000,
                                 15000, 9900, 25000, 9900, 900, 1, 0));
  DrawingList.Add(new TRoomobj(kind::Room, view::LayoutGround, 3, 3, 15000, 19000, 19000, 15000,
                               4000, 4000, 1, 0, 10, 3, 0, 0, "Bed", "", ""));
  DrawingList.Add(new TRoomobj(kind::Room, view::LayoutGround, 7, 7, 19000, 19000, 25000, 15000,
                               6000, 4000, 1, 0, 10, 4, 0, 0, "Hall", "", ""));
  std::vector<int32> bed = fixture::ReadParams(fixture::Bed);
  fixture::Generate(DrawingList, fixture::Bed, bed, 16000, 12000, view::Ground, 1);
  DrawingList.WriteDrawingFile(dtDrawing);
  Write(cfgfile::RecentFiles, std::string(kHouse) + "\n");
  Write(cfgfile::LastDrawing, std::string(kHouse) + "\n");
  ResetState();
}

const char* SettingsFileFor(unsigned char selector) {
  return kSettingsFiles[selector % kSettingsFileCount];
}

int SettingsFileCount() { return static_cast<int>(kSettingsFileCount); }

void RunWithSettingsFile(std::string_view input) {
  if (input.empty()) return;
  ResetState();
  Write(SettingsFileFor(static_cast<unsigned char>(input[0])), input.substr(1));
  User user;
  {
    Program program;
    program.ShowEveryView();
    program.Zoom();
    program.Print();
    program.form->CmUndoExecute();
    program.form->CmRedoExecute();
  }
  ResetState();
  DrawingList.SetDrawingName("OPENINGS");
  InitDrawingList();
  WallOutline({15000, 11000}, {21000, 15000});
  CutOpenings({15000, 11000}, {21000, 15000});
  GenerateSymbols();
  ResetState();
}

void UseDrawing(std::string_view drawing) {
  ResetState();
  Write("DWGS\\HOUSE.KWV", drawing);
  Write(cfgfile::PasteBuffer, drawing);
  Write("LIBS\\FOUND.FUM", drawing);
  User user;
  Program program;
  TMDIChild* child = program.form->ActiveChild();
  if (!child) return;
  // No page shows more of an element than its hatching across the page and
  // down it (a pair of lines in each of two bands every 125 units): about
  // 650 records at any scale the dialog takes, 1000 with its outline.
  program.printer.pageLimit = 4096 + 1000 * static_cast<std::size_t>(DrawingList.Count());
  for (int32 style : kWallStyles) {
    WallDisplayMode = style;
    program.ShowEveryView();
  }
  program.Zoom();
  program.Print();

  // Turned and mirrored, each into a drawing of its own, shown.
  for (int32 op : {TFlist::toTurn90, TFlist::toTurn180, TFlist::toTurn270, TFlist::toMirror}) {
    DrawingList.SetDrawingName(kHouse);
    DrawingList.RotateDrawingFile(op, "TURNED");
    DrawingList.SetDrawingName(kHouse);
    DrawingList.ReadDrawingFile(dtDrawing);
  }
  if (program.form->OpenNamedDrawing("TURNED")) program.Zoom();
  if (!program.form->OpenNamedDrawing(kHouse)) return;

  // Inserted as the paste buffer and as a library item, then undone and
  // redone.
  if ((child = program.form->ActiveChild()) != nullptr) {
    child->PasteItems();
    program.frame.PaintActive(*program.form);
    const int32 first = DrawingList.Count();
    DrawingList.ReadLibraryFile("FOUND.FUM");
    DrawingList.WriteLibraryExtents(first);
    DrawingList.WriteDrawingFile(dtDrawing);
    program.frame.PaintActive(*program.form);
  }
  program.Run({&TMainForm::CmUndoExecute, &TMainForm::CmUndoExecute, &TMainForm::CmRedoExecute,
               &TMainForm::CmZoomfitExecute});
}

}  // namespace fuzzing
