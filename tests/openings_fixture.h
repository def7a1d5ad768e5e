// Plans with walls to cut openings into: a rectangle of external walls
// built from a traced outline by the wall code (optionally with a sloped
// corner), internal walls put into the list, and the opening tool driven
// through its set-up and Enter with the settings files the dialogs write.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "building/extwall_tool.h"
#include "building/opening_tool.h"
#include "building/wall_geometry.h"
#include "model/flist.h"
#include "model/view_mapping.h"
#include "platform/recording_dc.h"
#include "storage/settings_files.h"
#include "tests/test_support.h"
#include "tests/traced_outline.h"

class OpeningPlan : public ::testing::Test {
 protected:
  using P = plat::Point;

  // A metric or imperial drawing with four external walls round the
  // outline (x0, y0)-(x1, y1), or five with the corner (x1, y1) cut by a
  // slope of `slope` units.
  void Plan(bool metric, P lo, P hi, int32 slope = 0, const char* layers = nullptr) {
    MetricUnits = metric ? 1 : 0;
    PixelScale = metric ? 5 : 6;
    ZoomUnits = metric ? 5 : 4;
    ZoomFactor = 4.0f * static_cast<float>(ZoomUnits);
    // Four logical units a pixel: one pixel is 20 mm or one inch.
    WindowOrgX = WindowOrgY = 0;
    WindowExtX = 624 * 4;
    WindowExtY = 346 * 4;
    DrawingWidth = 20000;
    DrawingHeight = 20000;
    DrawingList.SetDrawingName("OPENINGS");
    DrawingList.SetTextFontName("Arial");
    InitDrawingList();
    DrawingList.WriteDrawingFile(dtDrawing);
    NextGroupNumber = 0;
    OpeningCount = 0;
    const std::string walls = layers ? layers : (metric ? "110 55 135" : "108 48 132");
    dir.WriteFile(metric ? "CFG\\EXTWALLM.CFG" : "CFG\\EXTWALLI.CFG",
                  walls + " 0 3000 6000 9000 -3000 0 0 0 0 0 0\n");
    std::vector<P> corners{lo, {lo.x, hi.y}};
    if (slope > 0) {
      corners.push_back({hi.x - slope, hi.y});
      corners.push_back({hi.x, hi.y - slope});
    } else {
      corners.push_back(hi);
    }
    corners.push_back({hi.x, lo.y});
    TraceOutline(corners);
    TExtwallobjtool build;
    build.Command(extwallcmd::BuildFromOutline);
    CurrentView = view::Ground;
  }

  // An internal wall from a to b (its second line on the right of its run).
  int32 InternalWall(P a, P b, int32 thickness) {
    const int32 angle = bearing::Of(a, b);
    const double r = angle * kWallRadiansPerTenth;
    // The right-hand side of the run: (cos, -sin) of the bearing.
    const int32 nx = static_cast<int32>(std::lround(std::cos(r) * thickness));
    const int32 ny = static_cast<int32>(std::lround(-std::sin(r) * thickness));
    const int32 codes[4] = {100, 100, 100, 100};
    const int32 link = ++NextGroupNumber;
    DrawingList.Add(new TInwallobj(kind::InWall, CurrentView, link, link, 1, a.x, 0, a.y, b.x, 0,
                                   b.y, a.x + nx, 0, a.y + ny, b.x + nx, b.y + ny, 0, 0, 0,
                                   thickness, 0, 0, 0, 0, -1, -1, angle, 0, 0, 0, codes));
    DrawingList.WriteDrawingFile(dtDrawing);
    return DrawingList.Count() - 1;
  }

  // The wall of the ground floor with this bearing.
  const TObj* WallAt(int32 angle, int32 k = kind::ExtWall) {
    for (int32 i = 6; i < DrawingList.Count(); ++i) {
      const TObj* e = DrawingList.At(i);
      if (e->Kind != k || e->Floor != CurrentView) continue;
      if (auto* w = dynamic_cast<const TExtwallobj*>(e); w && w->Angle == angle) return e;
      if (auto* w = dynamic_cast<const TInwallobj*>(e); w && w->Angle == angle) return e;
    }
    return nullptr;
  }

  void Window(int32 kind, int32 width, int32 height, int32 showSizes = 1, int32 cill = 1,
              int32 textHeight = 10) {
    dir.WriteFile(cfgfile::Window, std::to_string(kind) + " " + std::to_string(width) + " " +
                                       std::to_string(height) + " 0 " +
                                       std::to_string(showSizes) + " " +
                                       std::to_string(textHeight) + " " + std::to_string(cill) +
                                       " 0 0 0 0 0 0 0 0 0 0 0");
  }
  void Door(int32 kind, int32 leaf, int32 count, int32 total = 0, int32 fold = 0,
            int32 option = 0) {
    if (total == 0) total = leaf * count;
    dir.WriteFile(cfgfile::Door, std::to_string(kind) + " 0 " + std::to_string(total) + " " +
                                     (MetricUnits == 1 ? "1" : "24") + " " +
                                     std::to_string(leaf) + " " + std::to_string(count) + " " +
                                     std::to_string(fold) + " 0 " + std::to_string(option) +
                                     " 0 0 0 0 0 0 0 0 0 0 0 0 0");
  }
  void Swing(int32 degrees) {
    const double r = degrees * 0.017453292519943295;
    char line[64];
    std::snprintf(line, sizeof line, "%d 1 %f %f\n", degrees, std::sin(r), std::cos(r));
    dir.WriteFile(cfgfile::DoorSwing, line);
  }

  // The client pixel of a drawing point (points on the pixel grid map back
  // exactly).
  P Pixel(P d) {
    int32 x = 0, y = 0;
    WorldToDevice(dc, client, d.x / PixelScale, d.y / PixelScale, x, y);
    return {x, y};
  }

  // Sets the tool up (kind 1 window, 2 door; step: the door view, direction:
  // the slides-into-wall check) and presses Enter at p; the new opening's id,
  // or 0 when nothing was placed.
  int32 Cut(int32 setUp, P p, int32 step = 0, int32 direction = 0) {
    tool = std::make_unique<TWindowobjtool>();
    tool->Type = tooltype::Opening;
    tool->Step = step;
    tool->Direction = direction;
    tool->Execute(0, setUp, 0);
    if (!tool->Ready) return 0;
    P px = Pixel(p);
    const int32 before = NextGroupNumber;
    tool->KeyDown(dc, client, 13, px, 0);
    if (tool->Result == 1) return 0;
    EXPECT_EQ(NextGroupNumber, before + 1) << "one group number per opening";
    return tool->NewElementId;
  }

  // The elements of opening id, as the live file holds them.
  std::vector<const TObj*> Parts(int32 id, int32 k = -1) {
    if (!reloaded_) {
      DrawingList.Clear();
      DrawingList.ReadDrawingFile(dtDrawing);
    }
    std::vector<const TObj*> out;
    for (int32 i = 6; i < DrawingList.Count(); ++i) {
      const TObj* e = DrawingList.At(i);
      if (e->Tag1 == id && (k < 0 || e->Kind == k)) out.push_back(e);
    }
    return out;
  }
  const TPolyobj* Frame(int32 id) {
    auto f = Parts(id, kind::OpeningFrame);
    return f.size() == 1 ? static_cast<const TPolyobj*>(f[0]) : nullptr;
  }

  ScratchProgramDir dir;
  plat::ScriptedUi& ui = DefaultTestUi();
  plat::RecordingDC dc;
  plat::Rect client{0, 0, 624, 346};
  std::unique_ptr<TWindowobjtool> tool;
  bool reloaded_ = false;
};

// Expects a point within one unit (turned elements truncate toward zero).
#define EXPECT_POINT_NEAR(x, y, ex, ey)   \
  do {                                    \
    EXPECT_NEAR((x), (ex), 1) << "x";     \
    EXPECT_NEAR((y), (ey), 1) << "y";     \
  } while (0)
