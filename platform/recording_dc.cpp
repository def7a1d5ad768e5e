#include "platform/recording_dc.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace plat {

const char* DcOpName(DcOp op) {
  switch (op) {
    case DcOp::Line: return "Line";
    case DcOp::Rectangle: return "Rectangle";
    case DcOp::Ellipse: return "Ellipse";
    case DcOp::Arc: return "Arc";
    case DcOp::Polygon: return "Polygon";
    case DcOp::RoundRect: return "RoundRect";
    case DcOp::Text: return "Text";
    case DcOp::FillRect: return "FillRect";
  }
  return "?";
}

RecordingDC::RecordingDC(Size size, std::vector<DcRecord>* sink)
    : size_(size), sink_(sink ? sink : &own_) {}

DcRecord RecordingDC::Make(DcOp op) const {
  DcRecord r;
  r.op = op;
  r.pen = CurrentPen();
  r.devicePen = DevicePen();
  r.brush = CurrentBrush();
  r.font = CurrentFont();
  r.fontHeight = DeviceFontHeight();
  r.deviceEscapement = DeviceEscapement();
  r.textColour = GetTextColor();
  r.bkColour = GetBkColor();
  r.bkMode = GetBkMode();
  r.textAlign = GetTextAlign();
  r.rop = GetROP2();
  r.clipped = Clipped();
  r.clip = Clip();
  return r;
}

void RecordingDC::DevLine(Point from, Point to) {
  DcRecord r = Make(DcOp::Line);
  r.from = from;
  r.to = to;
  sink_->push_back(std::move(r));
}

void RecordingDC::DevRectangle(Rect box) {
  DcRecord r = Make(DcOp::Rectangle);
  r.box = box;
  sink_->push_back(std::move(r));
}

void RecordingDC::DevEllipse(Rect box) {
  DcRecord r = Make(DcOp::Ellipse);
  r.box = box;
  sink_->push_back(std::move(r));
}

void RecordingDC::DevArc(Rect box, Point start, Point end) {
  DcRecord r = Make(DcOp::Arc);
  r.box = box;
  r.from = start;
  r.to = end;
  sink_->push_back(std::move(r));
}

void RecordingDC::DevPolygon(const std::vector<Point>& pts) {
  DcRecord r = Make(DcOp::Polygon);
  r.points = pts;
  sink_->push_back(std::move(r));
}

void RecordingDC::DevRoundRect(Rect box, Size corner) {
  DcRecord r = Make(DcOp::RoundRect);
  r.box = box;
  r.corner = corner;
  sink_->push_back(std::move(r));
}

void RecordingDC::DevText(Point at, std::string_view text) {
  DcRecord r = Make(DcOp::Text);
  r.from = at;
  r.text = std::string(text);
  sink_->push_back(std::move(r));
}

void RecordingDC::DevFillRect(Rect box, const Brush& brush) {
  DcRecord r = Make(DcOp::FillRect);
  r.box = box;
  r.brush = brush;
  sink_->push_back(std::move(r));
}

Size RecordingDC::DevTextExtent(std::string_view text) {
  const TextMetrics m = DevTextMetrics();
  // A damaged drawing's text may be as large as a file can say.
  const long long width = 1LL * m.aveCharWidth * static_cast<long long>(text.size());
  return {int(std::min<long long>(width, INT_MAX)), m.height};
}

TextMetrics RecordingDC::DevTextMetrics() {
  TextMetrics m;
  m.height = DeviceFontHeight();
  m.ascent = int(std::lround(m.height * 0.8));
  m.descent = m.height - m.ascent;
  const int width = DeviceFontWidth();
  m.aveCharWidth = width > 0 ? width : int(std::lround(m.height * 0.6));
  m.maxCharWidth = std::max(m.aveCharWidth, m.height);
  m.externalLeading = int(std::lround(m.height * 0.1));
  return m;
}

std::vector<DcRecord> RecordingDC::Of(DcOp op) const {
  std::vector<DcRecord> out;
  for (const DcRecord& r : *sink_)
    if (r.op == op) out.push_back(r);
  return out;
}

int RecordingDC::Count(DcOp op) const {
  return int(std::count_if(sink_->begin(), sink_->end(),
                           [op](const DcRecord& r) { return r.op == op; }));
}

std::vector<std::string> RecordingDC::TextStrings() const {
  std::vector<std::string> out;
  for (const DcRecord& r : *sink_)
    if (r.op == DcOp::Text) out.push_back(r.text);
  return out;
}

bool RecordingDC::HasLine(Point a, Point b) const {
  return std::any_of(sink_->begin(), sink_->end(), [&](const DcRecord& r) {
    return r.op == DcOp::Line && ((r.from == a && r.to == b) || (r.from == b && r.to == a));
  });
}

bool RecordingDC::HasText(const std::string& s) const {
  return std::any_of(sink_->begin(), sink_->end(),
                     [&](const DcRecord& r) { return r.op == DcOp::Text && r.text == s; });
}

// ---- RecordingWindow ----------------------------------------------------------

RecordingWindow::RecordingWindow(Size client, Point screenOrigin)
    : client_(client), screenOrigin_(screenOrigin) {}

std::unique_ptr<DeviceContext> RecordingWindow::GetDC() {
  ++openDCs_;
  return std::make_unique<RecordingDC>(client_, &drawn_);
}

void RecordingWindow::ReleaseDC(std::unique_ptr<DeviceContext> dc) {
  if (dc) --openDCs_;
}

void RecordingWindow::InvalidateRect(const Rect* rect) {
  invalidated_.push_back(rect ? *rect : ClientRect());
  invalid_ = true;
}

void RecordingWindow::UpdateWindow() {
  if (!invalid_) return;
  invalid_ = false;
  ++paints_;
  RecordingDC dc(client_, &drawn_);
  if (onPaint) onPaint(dc);
}

Point RecordingWindow::ClientToScreen(Point client) const {
  return {client.x + screenOrigin_.x, client.y + screenOrigin_.y};
}

Point RecordingWindow::ScreenToClient(Point screen) const {
  return {screen.x - screenOrigin_.x, screen.y - screenOrigin_.y};
}

}  // namespace plat
