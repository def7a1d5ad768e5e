#include "bench/bench_support.h"

#include <stdlib.h>

#include <QGuiApplication>
#include <filesystem>
#include <stdexcept>

#include "model/flist.h"
#include "model/globals.h"
#include "platform/files.h"
#include "platform/qt/qt_dc.h"
#include "storage/settings_files.h"

namespace bench {

void EnsureApplication() {
  if (QGuiApplication::instance()) return;
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "tw_bench";
  static char* argv[] = {name, nullptr};
  new QGuiApplication(argc, argv);
}

std::unique_ptr<plat::DeviceContext> ImageWindow::GetDC() {
  return std::make_unique<plat::QtDC>(&image);
}

PlanBench::PlanBench() {
  EnsureApplication();
  std::string dir = std::filesystem::temp_directory_path().string() + "/tw-bench-XXXXXX";
  if (::mkdtemp(dir.data()) == nullptr) throw std::runtime_error("no temp dir");
  root_ = dir;
  for (const char* f : {"CFG", "DWGS", "ACT"}) std::filesystem::create_directory(root_ + "/" + f);
  plat::SetProgramDirectory(root_);
  ResetGlobals();
  DrawingList.ProgramDir = root_ + "\\";
  plat::WriteFileAtomic(ProgramFile(cfgfile::SheetSize.metric), "8000 6000");
  DrawingList.SetDrawingName("BENCH");
  DrawingList.SetTextFontName("Arial");
  InitDrawingList();
}

PlanBench::~PlanBench() {
  child_.reset();
  DrawingList.Clear();
  std::error_code ec;
  std::filesystem::remove_all(root_, ec);
}

void PlanBench::Open() {
  child_ = std::make_unique<TMDIChild>(host_);
  child_->SetupViewport(2);
  ViewState = 2;
}

void PlanBench::Paint() {
  host_.window.image.fill(Qt::white);
  child_->OnPaint();
}

}  // namespace bench
