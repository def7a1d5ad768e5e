#include "bench/bench_support.h"

#include <png.h>
#include <stdlib.h>

#include <QApplication>
#include <QFont>
#include <QPainter>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include "model/flist.h"
#include "model/globals.h"
#include "platform/files.h"
#include "platform/qt/qt_dc.h"
#include "storage/settings_files.h"

namespace bench {

void EnsureApplication() {
  if (QCoreApplication::instance()) return;
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "tw_bench";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}

namespace {

QColor ToQColor(plat::COLORREF c) {
  return QColor(plat::GetRValue(c), plat::GetGValue(c), plat::GetBValue(c));
}

QPen ToQPen(const plat::Pen& p) {
  QPen pen(ToQColor(p.colour), p.width > 1 ? p.width : 0);
  if (p.style == plat::PS_DASH) pen.setStyle(Qt::DashLine);
  if (p.style == plat::PS_DOT) pen.setStyle(Qt::DotLine);
  return pen;
}

QRect ToQRect(plat::Rect r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

}  // namespace

void PaintBare(QImage& image, const std::vector<plat::DcRecord>& records) {
  image.fill(Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing, false);
  for (const plat::DcRecord& r : records) {
    p.setPen(ToQPen(r.devicePen));
    p.setBrush(r.brush.style == plat::BS_NULL ? QBrush(Qt::NoBrush)
                                              : QBrush(ToQColor(r.brush.colour)));
    switch (r.op) {
      case plat::DcOp::Line:
        p.drawLine(r.from.x, r.from.y, r.to.x, r.to.y);
        break;
      case plat::DcOp::Rectangle:
        p.drawRect(ToQRect(r.box));
        break;
      case plat::DcOp::Ellipse:
        p.drawEllipse(ToQRect(r.box));
        break;
      case plat::DcOp::Arc:
        p.drawArc(ToQRect(r.box), 0, 90 * 16);
        break;
      case plat::DcOp::RoundRect:
        p.drawRoundedRect(ToQRect(r.box), r.corner.cx / 2.0, r.corner.cy / 2.0);
        break;
      case plat::DcOp::Polygon: {
        QPolygon poly;
        for (const plat::Point& pt : r.points) poly.append(QPoint(pt.x, pt.y));
        p.drawPolygon(poly);
        break;
      }
      case plat::DcOp::Text: {
        QFont f(QString::fromStdString(r.font.face));
        f.setPixelSize(r.fontHeight);
        f.setWeight(QFont::Weight(r.font.weight));
        f.setItalic(r.font.italic);
        p.save();
        p.translate(r.from.x, r.from.y);
        p.rotate(-r.deviceEscapement / 10.0);
        p.setFont(f);
        p.setPen(ToQColor(r.textColour));
        p.drawText(0, 0, QString::fromStdString(r.text));
        p.restore();
        break;
      }
      case plat::DcOp::FillRect:
        p.fillRect(ToQRect(r.box), ToQColor(r.brush.colour));
        break;
    }
  }
}

bool WriteBarePng(const std::vector<const unsigned char*>& rows, int width,
                  const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(f);
    return false;
  }
  png_init_io(png, f);
  png_set_IHDR(png, info, width, int(rows.size()), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_ADAM7,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_set_bgr(png);
  png_set_filler(png, 0, PNG_FILLER_AFTER);
  png_write_image(png, const_cast<png_bytepp>(rows.data()));
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return std::fclose(f) == 0;
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
