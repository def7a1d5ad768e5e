// A house for the speed checks of whole commands. The program's own main
// form and tools build it in a scratch program directory: 60 external walls
// round a traced outline, 20 windows and doors cut into them, 50 design
// rooms finished into internal walls with their names, sizes and
// dimensions. Generated furniture, fittings, lines and texts then fill its
// floor to the size a check needs. The drawing window is a back buffer
// painted by the window's own paint handler; the printer renders nothing.
#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/modal.h"
#include "dialogs/printdlg.h"
#include "dialogs/savescrn.h"
#include "dialogs/shell_dialogs.h"
#include "planwindow/childwin.h"
#include "platform/files.h"
#include "platform/qt/backbuffer_widget.h"
#include "platform/recording_dc.h"
#include "platform/scripted_ui.h"
#include "platform/services.h"
#include "shell/mainform.h"
#include "shell/printing.h"

namespace bench {

// The client area of a drawing window: paints through its window's paint
// handler, or records what a paint asks of the device while `recording`.
class Canvas : public plat::BackbufferWidget {
 public:
  TMDIChild* child = nullptr;
  std::vector<plat::DcRecord>* recording = nullptr;

  std::unique_ptr<plat::DeviceContext> GetDC() override;
  void ReleaseDC(std::unique_ptr<plat::DeviceContext> dc) override;

 protected:
  void PaintBuffer(plat::DeviceContext&) override;
};

class Host : public TPlanWindowHost {
 public:
  Host();
  Canvas canvas;
  bool closed = false;
  plat::Window& Surface() override { return canvas; }
  void SetScrollBar(ScrollBarKind, int32, int32, bool) override {}
  void SetCaption(const std::string&) override {}
  void SetColour(plat::COLORREF c) override { canvas.SetBackgroundColour(c); }
  void Close() override;
};

class Frame : public TChildFrame {
 public:
  std::vector<std::unique_ptr<Host>> hosts;
  TPlanWindowHost& NewChildWindow(const std::string& caption) override;
  void AttachChild(TPlanWindowHost& host, TMDIChild& child) override;
  void ActivateChild(TPlanWindowHost&) override {}
};

// A printer of one A1 sheet (landscape, 300 pixels per inch) that renders
// nothing: what a print costs besides rendering.
class NullPrinter : public TPrinter {
 public:
  int documents = 0;  // kept
  bool Setup() override { return true; }
  PageMetrics Page() const override;
  std::unique_ptr<plat::DeviceContext> BeginDoc(const std::string& title) override;
  std::unique_ptr<plat::DeviceContext> MeasuringPage() override;
  bool NewPage(plat::DeviceContext&) override { return true; }
  bool EndDoc(std::unique_ptr<plat::DeviceContext> page, DocEnd end) override;
};

// Counts the whole reads and the replacements of files while it lives, and
// those of a drawing's size (at least `drawingBytes` / 2: the live file,
// its backup, the saved copy, undo snapshots).
class FileCount {
 public:
  explicit FileCount(std::size_t drawingBytes = 0);
  ~FileCount();
  FileCount(const FileCount&) = delete;
  FileCount& operator=(const FileCount&) = delete;
  int writes = 0;
  int reads = 0;
  int drawingWrites = 0;
  int drawingReads = 0;
  std::vector<std::string> written;  // the real paths, in order

 private:
  std::size_t drawingBytes_;
  plat::FileObserver previous_;
};

// A rectangle's corners (clockwise, y up, from the bottom left) with square
// bays standing out of its sides: `bumps` on the left, top, right and bottom
// sides, evenly spaced. Four corners and four more per bay.
std::vector<plat::Point> BayedOutline(plat::Rect box, const int (&bumps)[4], int32 width,
                                      int32 depth);

// Milliseconds since a point in time.
using Clock = std::chrono::steady_clock;
inline double MsSince(Clock::time_point t0) {
  return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

class House {
 public:
  enum class Rooms { Finished, Unfinished };
  static constexpr int kRooms = 50;
  static constexpr int kOpenings = 20;
  static constexpr const char* kName = "HOUSE";

  // The house with `generated` elements more on its ground floor, open in
  // its window and painted once, saved.
  explicit House(int generated, Rooms rooms = Rooms::Finished);
  ~House();
  House(const House&) = delete;
  House& operator=(const House&) = delete;

  TMainForm& Form() { return *form_; }
  TMDIChild& Child() { return *form_->ActiveChild(); }
  Canvas& Window();
  NullPrinter printer;
  plat::ScriptedUi& Ui() { return ui_; }
  dlg::InstalledScript<dlg::TTFPlanprintdlg> print;
  dlg::InstalledScript<dlg::Tsavescreen> saveScreen;

  // The whole window painted again now, as the window system does after an
  // invalidation.
  void Repaint();
  // What one full paint asks of the device.
  std::vector<plat::DcRecord> RecordPaint();
  // Leaves the program without a word (no Exit) and starts it again in the
  // same folder, nothing open.
  void Restart();
  std::string Path(const std::string& programPath) const { return plat::MapPath(programPath); }
  std::string LiveFile() const { return Path(std::string("DWGS\\") + kName + ".KWV"); }
  std::size_t LiveBytes() const;
  // What the building did not do as planned, and any question or dialog
  // nobody answered; empty when all went as it should.
  std::string Problems() const;

  // The box of the house's rooms; its inner corners are this box's with
  // bays.
  static constexpr int32 kLeft = 8000, kBottom = 6000, kRight = 34000, kTop = 22000;

 private:
  void Start();
  void BuildWalls();
  void CutOpenings();
  void PlaceRooms();
  void AddGenerated(int count);

  std::string root_;
  plat::ScriptedUi ui_;
  std::unique_ptr<plat::ScopedUi> useUi_;
  dlg::InstalledScript<dlg::TTNewdlg> newDrawing_;
  plat::ManualTimer timer_;
  Frame frame_;
  std::unique_ptr<TMainForm> form_;
  std::vector<std::string> problems_;
};

}  // namespace bench
