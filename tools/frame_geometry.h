// The geometry of the selection-frame tools, over plain values: which
// elements a frame takes, moving an element, and turning one about a point.
#pragma once

#include <algorithm>

#include "model/elements.h"
#include "model/globals.h"

namespace frame {

// A frame in drawing units, left <= right and bottom <= top. A point on the
// frame line is outside.
struct Box {
  int32 left = 0, right = 0, bottom = 0, top = 0;

  static Box Of(int32 x1, int32 y1, int32 x2, int32 y2) {
    return {std::min(x1, x2), std::max(x1, x2), std::min(y1, y2), std::max(y1, y2)};
  }
  bool Inside(int32 x, int32 y) const { return x > left && x < right && y > bottom && y < top; }
  // Both corners of the box (x1, y1)-(x2, y2) inside.
  bool BoxInside(int32 x1, int32 y1, int32 x2, int32 y2) const {
    return Inside(x1, y1) && Inside(x2, y2);
  }
  bool Empty() const { return left == right || bottom == top; }
};

// Which tool takes: move (14), copy (15) or erase (19).
// Whether a frame takes element e on the view being edited.
bool Takes(const TObj& e, const Box& f, int32 toolType, int32 view);

// The polygon kinds a frame treats alike: symbols 1000..24999 and the
// placing outlines 27000..27005.
constexpr bool IsFramePolygonKind(int32 k) {
  return kind::IsPolygonKind(k) || (k >= kind::OpeningFrameAlt && k <= kind::OpeningFrameAlt + 5);
}

// Moves every point of e by (dx, dy). A text moves only its anchor (its
// second pair holds a bearing and a mark); unlocked design rooms and records
// stay.
void Move(TObj& e, int32 dx, int32 dy);

// Running bounds of turned points.
struct Bounds {
  int32 minX = 300000, maxX = 0, minY = 300000, maxY = 0;
  void Add(int32 x, int32 y) {
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
    minY = std::min(minY, y);
    maxY = std::max(maxY, y);
  }
};

// A clockwise turn by a whole number of degrees about a pivot.
class Turn {
 public:
  Turn(int32 degrees, int32 pivotX, int32 pivotY);
  // A point turned, rounded to the nearest unit.
  void Point(int32& x, int32& y) const;
  int32 Degrees() const { return degrees_; }
  // Whether the turn stands a box on its side (90 or 270 degrees).
  bool Quarter() const;
  // A bearing or escapement in tenths of a degree turned with the points,
  // kept in 0..3599.
  int32 Bearing(int32 tenths) const;

 private:
  int32 degrees_;
  int32 pivotX_, pivotY_;
  double c_, s_;
};

// Turns e; its turned points widen bounds as the frame needs them. before is
// the frame as it was, which a turned text's own extent is judged by.
void TurnElement(TObj& e, const Turn& t, const Box& before, Bounds& bounds);

}  // namespace frame
