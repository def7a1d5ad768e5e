// Drawing windows for headless tests of the plan window and the main form:
// recording windows made by a frame that the main form asks for windows,
// scripted answers and scripted dialogs, in a scratch program directory.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/modal.h"
#include "dialogs/shell_dialogs.h"
#include "model/flist.h"
#include "model/globals.h"
#include "planwindow/childwin.h"
#include "platform/recording_dc.h"
#include "platform/services.h"
#include "shell/mainform.h"
#include "shell/printing.h"
#include "tests/test_support.h"

namespace planfix {

// A drawing window that records what is drawn and what the window shows.
class PlanHost : public TPlanWindowHost {
 public:
  explicit PlanHost(plat::Size client = {800, 500}) : window(client, {100, 50}) {
    window.onPaint = [this](plat::DeviceContext&) {
      if (child) child->OnPaint();
    };
  }
  plat::RecordingWindow window;
  TMDIChild* child = nullptr;
  std::string caption;
  plat::COLORREF colour = 0;
  struct Bar {
    int32 range = 0, position = 0;
    bool visible = false;
  } horz, vert;
  bool closed = false;

  plat::Window& Surface() override { return window; }
  void SetScrollBar(ScrollBarKind bar, int32 range, int32 position, bool visible) override {
    (bar == ScrollBarKind::Horizontal ? horz : vert) = {range, position, visible};
  }
  void SetCaption(const std::string& c) override { caption = c; }
  void SetColour(plat::COLORREF c) override { colour = c; }
  void Close() override {
    if (closed) return;
    closed = true;
    if (TMDIChild* c = child) {
      child = nullptr;
      c->FormClose();
    }
  }
  // Runs a pending repaint, as the window system would.
  void Paint() { window.UpdateWindow(); }
  void Resize(plat::Size size) {
    window.Resize(size);
    if (child) child->FormResize();
  }
};

// The main form's window maker: every window it made stays listed.
class PlanFrame : public TChildFrame {
 public:
  plat::Size clientSize{800, 500};
  std::vector<std::unique_ptr<PlanHost>> hosts;
  TMainForm* form = nullptr;

  TPlanWindowHost& NewChildWindow(const std::string& caption) override {
    hosts.push_back(std::make_unique<PlanHost>(clientSize));
    hosts.back()->caption = caption;
    return *hosts.back();
  }
  void AttachChild(TPlanWindowHost& host, TMDIChild& child) override {
    static_cast<PlanHost&>(host).child = &child;
  }
  void ActivateChild(TPlanWindowHost&) override {}
  // The windows still open, the most recently made last.
  std::vector<PlanHost*> Open() const {
    std::vector<PlanHost*> out;
    for (const auto& h : hosts)
      if (!h->closed) out.push_back(h.get());
    return out;
  }
  PlanHost* Active() const {
    if (!form || !form->ActiveChild()) return nullptr;
    return static_cast<PlanHost*>(&form->ActiveChild()->Host());
  }
};

// A printer whose pages record what is printed: A4 at 300 pixels per inch.
// Like a file, it holds the last document kept; an abandoned one leaves it.
class RecordingPrinter : public TPrinter {
 public:
  bool acceptSetup = true;
  bool failStart = false;
  int failAtPage = 0;  // a page number (from 1) that cannot be started; 0 none
  int documents = 0;   // kept
  int abandoned = 0;
  int pages = 0;  // started in the last document begun
  std::string title;
  // Everything printed in the last document kept, and where each page begins in it.
  std::vector<plat::DcRecord> printed;
  std::vector<std::size_t> pageStarts;
  plat::Size pixels{2480, 3508};
  int dpi = 300;

  bool Setup() override { return acceptSetup; }
  PageMetrics Page() const override { return {pixels, dpi, dpi}; }
  std::unique_ptr<plat::DeviceContext> BeginDoc(const std::string& t) override {
    if (failStart) return nullptr;
    begun_ = t;
    printing_.clear();
    startsPrinting_ = {0};
    pages = 1;
    auto dc = std::make_unique<plat::RecordingDC>(pixels, &printing_);
    dc->SetPixelsPerInch(dpi);
    dc->SetTextTurnsWithMapping(false);
    return dc;
  }
  std::unique_ptr<plat::DeviceContext> MeasuringPage() override {
    measured_.clear();
    auto dc = std::make_unique<plat::RecordingDC>(pixels, &measured_);
    dc->SetPixelsPerInch(dpi);
    dc->SetTextTurnsWithMapping(false);
    return dc;
  }
  bool NewPage(plat::DeviceContext&) override {
    if (failAtPage == pages + 1) return false;
    ++pages;
    startsPrinting_.push_back(printing_.size());
    return true;
  }
  bool EndDoc(std::unique_ptr<plat::DeviceContext> page, DocEnd end) override {
    if (end == DocEnd::Abandon) {
      ++abandoned;
      return true;
    }
    const bool ended = page != nullptr;
    page.reset();
    ++documents;
    title = begun_;
    printed = std::move(printing_);
    pageStarts = std::move(startsPrinting_);
    return ended;
  }
  // The records of one page (from 0).
  std::vector<plat::DcRecord> PageRecords(int page) const {
    if (page < 0 || page >= int(pageStarts.size())) return {};
    const std::size_t end = page + 1 < int(pageStarts.size()) ? pageStarts[page + 1] : printed.size();
    return {printed.begin() + long(pageStarts[page]), printed.begin() + long(end)};
  }

 private:
  std::vector<plat::DcRecord> measured_;  // what measuring drew: never printed
  // The document being printed.
  std::string begun_;
  std::vector<plat::DcRecord> printing_;
  std::vector<std::size_t> startsPrinting_;
};

// A main form with its frame, printer and scripted dialogs in a scratch
// program directory; Restart() leaves through Exit and starts the program
// again in the same directory.
class ShellTest : public ::testing::Test {
 protected:
  ScratchProgramDir dir;
  plat::ManualTimer timer;
  PlanFrame frame;
  RecordingPrinter printer;
  dlg::InstalledScript<dlg::TTNewdlg> newDrawing;
  dlg::InstalledScript<dlg::TTFPlanprintdlg> print;
  dlg::InstalledScript<dlg::ScreenScaleDialog> screenScale;
  std::unique_ptr<TMainForm> form;

  void SetUp() override { Start(); }
  void TearDown() override { form.reset(); }

  void Start() {
    form = std::make_unique<TMainForm>(timer);
    form->SetChildFrame(&frame);
    form->SetPrinter(&printer);
    frame.form = form.get();
  }
  // Exit, then a fresh start whose Timer1 has fired.
  void Restart() {
    form->CmExitExecute();
    form.reset();
    ResetGlobals();
    Start();
    timer.Fire();
  }

  void NewDrawing(const std::string& name, int32 metric = 1, bool rooms = false) {
    AnswerNewDrawing(name, metric, rooms);
    form->CmFilenewExecute();
  }
  // Queues OK on the next New dialog with these answers.
  void AnswerNewDrawing(const std::string& name, int32 metric = 1, bool rooms = false) {
    newDrawing.Answer([=](dlg::TTNewdlg& d) {
      d.name = name;
      d.metric = metric;
      d.designRooms = rooms;
    });
  }
  PlanHost& Window() {
    PlanHost* h = frame.Active();
    EXPECT_NE(h, nullptr);
    return *h;
  }
  TMDIChild& Child() { return *form->ActiveChild(); }

  // Appends an element to the drawing and rewrites the live file, as a
  // tool does after an edit (recording the undo step first).
  void Edit(TObj* e) {
    DrawingList.UpdateUndoHistory(uoRecord, CurrentView);
    DrawingList.Add(e);
    DrawingList.WriteDrawingFile(dtDrawing);
    MarkDrawingChanged();
  }
  // The user elements (beyond the six records) of a drawing file.
  int UserElementsIn(const std::string& programPath) {
    const std::string text = dir.ReadFile(programPath);
    int count = -1;
    std::sscanf(text.c_str(), "%d", &count);
    return count - 6;
  }
};

// A plain line of the view, drawing units.
inline TLineobj* Line(int32 x1, int32 y1, int32 x2, int32 y2, int32 floor = view::Ground) {
  return new TLineobj(kind::Line, floor, 0, 0, x1, 0, x2, 0, y1, y2, 0, 0, DrawingColour, 1, 0);
}

// An external wall from (x1, y1) to (x2, y2), 300 thick.
inline TExtwallobj* ExtWall(int32 x1, int32 y1, int32 x2, int32 y2,
                            int32 floor = view::Ground) {
  const int32 codes[4] = {0, 0, 0, 0};
  return new TExtwallobj(kind::ExtWall, floor, 1, 0, 1, x1, 0, y1, x2, 0, y2, x1, y1 - 300,
                         x2, y2 - 300, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 300, 0, 0, 0, 0, 0, 0,
                         900, 0, 0, 0, DrawingColour, codes);
}

}  // namespace planfix
