// A plan window in a scratch program directory, driven through its key and
// mouse handlers with a virtual mouse pointer and scripted answers.
//
// The window is 624 x 346 pixels at normal zoom with the origin at the
// sheet's bottom left, so client pixel (x, y) is the logical point
// (x, 346 - y), and drawing units are that times PixelScale.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <tuple>

#include "dialogs/feetdlg.h"
#include "dialogs/modal.h"
#include "model/flist.h"
#include "model/globals.h"
#include "planwindow/childwin.h"
#include "platform/keys.h"
#include "platform/recording_dc.h"
#include "platform/services.h"
#include "shell/mainform.h"
#include "tests/test_support.h"
#include "tools/linetool.h"

class RecordingHost : public TPlanWindowHost {
 public:
  // The client area's top left lies at screen (1000, 500).
  plat::RecordingWindow window{{624, 346}, {1000, 500}};
  plat::Window& Surface() override { return window; }
  void SetScrollBar(ScrollBarKind, int32, int32, bool) override {}
  void SetCaption(const std::string&) override {}
  void SetColour(plat::COLORREF) override {}
  void Close() override {}
};

// Hands the main form the one recording window as its drawing window.
class RecordingFrame : public TChildFrame {
 public:
  explicit RecordingFrame(RecordingHost& host) : host_(host) {}
  TPlanWindowHost& NewChildWindow(const std::string&) override { return host_; }
  void AttachChild(TPlanWindowHost&, TMDIChild&) override {}
  void ActivateChild(TPlanWindowHost&) override {}

 private:
  RecordingHost& host_;
};

class PlanWindowTest : public ::testing::Test {
 protected:
  static constexpr int kClientHeight = 346;

  void SetUp() override { Open(true); }

  // A new drawing "ROUTING" of the given units, shown on the ground floor
  // with a line tool of the given type.
  void Open(bool metric) {
    child = nullptr;
    form.reset();
    MetricUnits = metric ? 1 : 0;
    PixelScale = metric ? 5 : 6;
    form = std::make_unique<TMainForm>(timer1);
    form->SetChildFrame(&frame);
    ui.Reset();
    ui.onFailure = [](const std::string& f) { ADD_FAILURE() << f; };
    DrawingList.SetDrawingName("ROUTING");
    CurrentView = view::Ground;
    ViewState = 0;
    child = form->CreateDrawingWindow("ROUTING.PLN");
    InitDrawingList();
    DrawingList.WriteDrawingFile(dtDrawing);
    DrawingList.UpdateUndoHistory(uoReset, 0);
    ViewState = 2;
    ZoomFactor = metric ? 5.0f : 4.0f;
    ZoomUnits = metric ? 5 : 4;
    WindowOrgX = WindowOrgY = 0;
    WindowExtX = 624;
    WindowExtY = 346;
    LineThickness = 1;
    LineKeyState = linekey::StartsLine;
    form->SetTool(tooltype::Line);
  }

  TDrawingtool* Tool() { return form->CurrentTool(); }

  // Client pixel of a drawing point (whole logical units).
  plat::Point Pixel(int32 x, int32 y) const {
    return {x / PixelScale - WindowOrgX, kClientHeight - (y / PixelScale - WindowOrgY)};
  }
  void PointAt(int32 x, int32 y) { ui.cursor = host.window.ClientToScreen(Pixel(x, y)); }
  plat::Point PointerDrawing() const {
    const plat::Point c = host.window.ScreenToClient(ui.cursor);
    return {(c.x + WindowOrgX) * PixelScale, (kClientHeight - c.y + WindowOrgY) * PixelScale};
  }

  void Key(int key) { child->FormKeyDown(key, false); }
  void KeyAt(int key, int32 x, int32 y) {
    PointAt(x, y);
    Key(key);
  }
  void Drag(int32 x1, int32 y1, int32 x2, int32 y2) {
    const plat::Point a = Pixel(x1, y1), b = Pixel(x2, y2);
    child->OnMouseDown(1, a.x, a.y);
    child->OnMouseMove((a.x + b.x) / 2, (a.y + b.y) / 2, true);
    child->OnMouseMove(b.x, b.y, true);
    child->OnMouseUp(1, b.x, b.y);
  }
  void Click(int32 x, int32 y) {
    const plat::Point a = Pixel(x, y);
    child->OnMouseDown(1, a.x, a.y);
    child->OnMouseUp(1, a.x, a.y);
  }

  // The user elements of the live drawing file, read back from it.
  std::vector<TLineobj> LinesInFile() {
    DrawingList.Clear();
    DrawingList.ReadDrawingFile(dtDrawing);
    std::vector<TLineobj> lines;
    for (int32 i = 6; i < DrawingList.Count(); ++i)
      if (auto* l = dynamic_cast<TLineobj*>(DrawingList.At(i))) lines.push_back(*l);
    return lines;
  }
  int UndoSteps() const {
    int n = 0;
    for (int32 v : DrawingList.UndoViews) n += v != 0;
    return n;
  }

  // Every exclusive-or figure drawn an even number of times: previews were
  // all erased again, so the picture equals a fresh paint.
  bool XorBalanced() {
    std::map<std::tuple<int, int, int, int, int>, int> count;
    for (const auto& r : host.window.Drawn()) {
      if (r.op != plat::DcOp::Line || r.rop == plat::R2_COPYPEN) continue;
      if (r.from == r.to) continue;  // a line of no length draws no pixel
      plat::Point a = r.from, b = r.to;
      if (std::tie(b.x, b.y) < std::tie(a.x, a.y)) std::swap(a, b);
      ++count[{r.rop, a.x, a.y, b.x, b.y}];
    }
    bool balanced = true;
    for (const auto& [key, n] : count) {
      if (n % 2 == 0) continue;
      const auto& [rop, x1, y1, x2, y2] = key;
      ADD_FAILURE() << "rop " << rop << " line " << x1 << "," << y1 << " - " << x2 << ","
                    << y2 << " drawn " << n << " times";
      balanced = false;
    }
    return balanced;
  }

  ScratchProgramDir dir;
  plat::ManualTimer timer1;
  plat::ScriptedUi& ui = DefaultTestUi();
  dlg::InstalledScript<TTFeetdlg> feet;
  RecordingHost host;
  RecordingFrame frame{host};
  std::unique_ptr<TMainForm> form;
  TMDIChild* child = nullptr;  // owned by the main form
};
