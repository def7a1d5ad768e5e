// A device context that draws nothing and measures: the box, in device
// pixels, that everything drawn on it would cover on the device of another
// context (its size, resolution, text turning and fonts). Lines and outlines
// count with their pen's width, fills with their area and texts with their
// glyphs, turned as the device turns them. A print measures its
// pages on one before it prints, to tell what would be cut off the paper.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "platform/dc.h"

namespace plat {

class InkDC : public DeviceContext {
 public:
  // device: a context of the device measured, whose fonts measure the texts;
  // it must outlive this one, which sets its mapping to device pixels.
  explicit InkDC(DeviceContext& device);

  // The box covered so far, left and top inclusive, right and bottom
  // exclusive, within the clip box where one was set; none while nothing
  // was drawn.
  std::optional<Rect> Ink() const { return ink_; }

  Size DeviceSize() const override { return device_.DeviceSize(); }
  int PixelsPerInchX() const override { return device_.PixelsPerInchX(); }
  int PixelsPerInchY() const override { return device_.PixelsPerInchY(); }
  bool TextTurnsWithMapping() const override { return device_.TextTurnsWithMapping(); }

 protected:
  void DevLine(Point from, Point to) override;
  void DevRectangle(Rect r) override;
  void DevEllipse(Rect r) override;
  void DevArc(Rect box, Point start, Point end) override;
  void DevPolygon(const std::vector<Point>& pts) override;
  void DevRoundRect(Rect r, Size corner) override;
  void DevText(Point at, std::string_view text) override;
  Size DevTextExtent(std::string_view text) override;
  TextMetrics DevTextMetrics() override;
  void DevFillRect(Rect r, const Brush& brush) override;

 private:
  // A box in device pixels, wide enough for sums beyond 32 bits.
  struct Box {
    long long left, top, right, bottom;  // right and bottom exclusive
  };
  // The pixels a figure's outline covers: its points' box widened by the
  // pen; nothing for a null pen or a path of one point.
  void Outline(long long left, long long top, long long right, long long bottom);
  // A figure drawn with the selected pen and brush: the outline over the
  // points' box, and the area the brush fills within it.
  void Figure(Rect r);
  void Add(Box b);
  // The device's fonts selected as this context's font reaches the device.
  void SelectDeviceFont();

  DeviceContext& device_;
  std::optional<Rect> ink_;
};

}  // namespace plat
