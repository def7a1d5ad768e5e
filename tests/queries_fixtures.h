// Shared set-up of the query and generator tests: a scratch program
// directory, a drawing list with its six information records, the metric
// example sheet, and short builders for the elements the tests place.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "model/elements.h"
#include "model/flist.h"
#include "model/globals.h"
#include "tests/test_support.h"

namespace qfix {

// The metric example sheet: 10000 x 8000 drawing units, centre (5000, 4000).
constexpr int32 kSheetWidth = 2000;
constexpr int32 kSheetHeight = 1600;

inline void UseMetric() {
  MetricUnits = 1;
  PixelScale = 5;
}
inline void UseImperial() {
  MetricUnits = 0;
  PixelScale = 6;
}

inline void AddInfoRecords(TFlist& list) {
  for (int32 i = 0; i < 6; ++i)
    list.Add(new TInfoobj(kind::InfoFirst + i, view::Ground + i, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                          0, DrawingColour, 1, 0));
}

inline TLineobj* Line(int32 floor, int32 x1, int32 y1, int32 x2, int32 y2, int32 k = kind::Line) {
  return new TLineobj(k, floor, 0, 0, x1, 0, x2, 0, y1, y2, 0, 0, 0, 1, 0);
}

// An external wall: face (x1, y1)-(x2, y2), second line offset by (ox, oy)
// at thickness1, the third and fourth lines further in when there is a
// cavity.
inline TExtwallobj* ExtWall(int32 floor, int32 x1, int32 y1, int32 x2, int32 y2, int32 ox = 0,
                            int32 oy = 100, int32 thickness1 = 100, int32 cavity = 0,
                            int32 thickness2 = 0, int32 angle = 900) {
  const int32 codes[4] = {1, 2, 3, 4};
  const int32 o3x = ox * 2, o3y = oy * 2, o4x = ox * 3, o4y = oy * 3;
  return new TExtwallobj(kind::ExtWall, floor, 7, 4000, 1, x1, 0, y1, x2, 0, y2, x1 + ox, y1 + oy,
                         x2 + ox, y2 + oy, x1 + o3x, y1 + o3y, x2 + o3x, y2 + o3y, x1 + o4x,
                         y1 + o4y, x2 + o4x, y2 + o4y, x1, 9, y1, thickness1, cavity, thickness2, 0,
                         0, 11, 12, angle, 13, 14, 15, 0, codes);
}

// An internal wall: face (x1, y1)-(x2, y2), second face offset by (ox, oy).
inline TInwallobj* InWall(int32 floor, int32 x1, int32 y1, int32 x2, int32 y2, int32 ox, int32 oy,
                          int32 thickness = 100) {
  const int32 codes[4] = {100, 100, 100, 100};
  return new TInwallobj(kind::InWall, floor, 8, 0, 1, x1, 0, y1, x2, 0, y2, x1 + ox, 5, y1 + oy,
                        x2 + ox, y2 + oy, x1, 6, y1, thickness, 0, 0, 0, 0, -1, -1, 0, 0, 0, 0,
                        codes);
}

inline TTextobj* Text(int32 k, int32 floor, int32 x, int32 y, const char* text,
                      int32 escapement = 0, int32 alignment = 1, int32 x2 = 900, int32 y2 = 0) {
  return new TTextobj(k, floor, 0, 0, x, y, x2, y2, 0, 0, 0, escapement, alignment, 0, 10, 400,
                      "Arial", text);
}

inline TRoomobj* Room(int32 floor, int32 x1, int32 y1, int32 x2, int32 y2, int32 k = kind::Room) {
  return new TRoomobj(k, floor, 3, 3, x1, y1, x2, y2, x2 - x1, y1 - y2, 1, 0, 10, 3, 0, 0, "Bed",
                      "", "");
}

inline TPolyobj* Poly(int32 k, int32 floor, std::vector<std::pair<int32, int32>> points) {
  std::vector<int32> xs, ys, zs(points.size(), 0);
  for (auto [x, y] : points) {
    xs.push_back(x);
    ys.push_back(y);
  }
  const int32 hidden[4] = {};
  return new TPolyobj(k, floor, 0, 0, 0, 0, 0, 0, static_cast<int32>(points.size()), 0, 0, 0, 0, 0,
                      0, xs.empty() ? 0 : xs[0], 0, ys.empty() ? 0 : ys[0], xs.data(), zs.data(),
                      ys.data(), hidden);
}

// The blank-separated integers of a program file.
inline std::vector<long long> Ints(const ScratchProgramDir& dir, std::string_view path) {
  std::istringstream in(dir.ReadFile(path));
  std::vector<long long> values;
  long long v;
  while (in >> v) values.push_back(v);
  return values;
}

// A drawing list of the drawing "House" with its information records, on
// the metric example sheet.
class QueriesTest : public ::testing::Test {
 protected:
  QueriesTest() {
    UseMetric();
    DrawingWidth = kSheetWidth;
    DrawingHeight = kSheetHeight;
    CurrentView = view::Ground;
    list.ProgramDir = "";
    list.SetDrawingName("House");
    list.SetTextFontName("Arial");
    AddInfoRecords(list);
  }

  // Stores the list as the live drawing, as every edit does.
  void Store() { list.WriteDrawingFile(dtDrawing); }

  ScratchProgramDir dir;
  TFlist list;
};

}  // namespace qfix
