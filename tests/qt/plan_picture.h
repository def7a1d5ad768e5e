// A floor painted through the Qt device context at 5 mm a pixel into an
// 800 x 600 picture, for the tests that look at walls and openings pixel by
// pixel: the mapping, the dark-pixel probes and walls built from a traced
// outline.
#pragma once

#include <QImage>
#include <QPoint>
#include <vector>

#include "building/extwall_tool.h"
#include "building/wall_geometry.h"
#include "model/flist.h"
#include "model/globals.h"

namespace picture {

constexpr int kWidth = 800, kHeight = 600;
const plat::Rect kClient{0, 0, kWidth, kHeight};
constexpr int kMmPerPixel = 5;

// The pixel of a point in millimetres.
inline QPoint Px(plat::Point mm) { return {mm.x / kMmPerPixel, kHeight - mm.y / kMmPerPixel}; }
inline bool Dark(const QImage& img, QPoint p) {
  return img.rect().contains(p) && qGray(img.pixel(p)) < 100;
}
// Dark pixels in the box around p (radius r).
inline int DarkNear(const QImage& img, QPoint p, int r) {
  int n = 0;
  for (int y = p.y() - r; y <= p.y() + r; ++y)
    for (int x = p.x() - r; x <= p.x() + r; ++x) n += Dark(img, {x, y});
  return n;
}

// A metric drawing "PICTURE" mapped one pixel to 5 mm from the sheet's
// corner, white under black.
inline void SetUpMapping() {
  MetricUnits = 1;
  PixelScale = 5;
  ZoomFactor = 1.0f;
  ZoomUnits = 2;  // hatch pen of one pixel
  WindowOrgX = WindowOrgY = 0;
  WindowExtX = kWidth;
  WindowExtY = kHeight;
  BackgroundColour = plat::RGB(255, 255, 255);
  DrawingColour = plat::RGB(0, 0, 0);
  DrawingList.SetDrawingName("PICTURE");
  DrawingList.SetTextFontName("Arial");
  InitDrawingList();
}

// Builds the ground floor's external walls from an outline traced clockwise
// through the corners (the construction file must be in place).
inline void BuildWalls(const std::vector<plat::Point>& corners) {
  const std::size_t n = corners.size();
  for (std::size_t k = 0; k < n; ++k) {
    const plat::Point a = corners[k], b = corners[(k + 1) % n];
    DrawingList.Add(new TLineobj(kind::WallLine, view::LayoutMarkingWalls, 0,
                                 bearing::Length(a, b), a.x, 0, b.x, 0, a.y, b.y, 0,
                                 bearing::Of(a, b), 0, 1, 0));
  }
  CurrentView = view::LayoutMarkingWalls;
  TExtwallobjtool build;
  build.Command(extwallcmd::BuildFromOutline);
  CurrentView = view::Ground;
}

}  // namespace picture
