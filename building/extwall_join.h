// Joining a new external wall to the walls already on its floor.
//
// A wall about to be made is held as a WallDraft. PlanJoin snaps it onto
// the ends of the walls it meets, gives it the construction of the settings
// file and works out its layer points, mitring them at every corner where it
// meets a neighbour, and the neighbours' layer points at that corner too;
// it changes nothing in the drawing. The caller checks the drawn wall and
// only then applies the plan (ApplyJoin), so that a wall that is refused
// leaves its neighbours and NextGroupNumber as they were.
#pragma once

#include <vector>

#include "building/wall_geometry.h"
#include "building/wall_settings.h"
#include "model/flist.h"
#include "model/globals.h"

// An external wall as the tool holds it while making it.
struct WallDraft {
  plat::Point start, end;  // the outer face
  int32 angle = 0;         // bearing from start to end
  int32 length = 0;
  int32 drawWay = drawway::None;  // how a free wall is turned (drawway::)
  Layers layers;
  int32 extra[4] = {};  // the wall values 10 to 13 of the settings file
  plat::COLORREF colour = 0;
  int32 floorValue = 0;
  int32 linkId = 0;
  int32 floor = 0;
  LayerPoints points;
  plat::Point seventh{};  // set only for walls drawn one at a time
  int32 seventhValue = 0;
  int32 closing[4] = {100, 18, 100, 20};

  bool Vertical() const { return start.x == end.x; }
  bool Horizontal() const { return start.y == end.y; }
};

// The draft of a wall element, and the element of a draft (kind 100).
WallDraft DraftOf(const TExtwallobj& w);
TExtwallobj* MakeWall(const WallDraft& d);

// What joining a wall changes.
struct JoinPlan {
  WallDraft wall;
  int32 groupNumber = 0;  // NextGroupNumber once applied
  struct NeighbourPoints {
    int32 index;
    LayerPoints points;
  };
  std::vector<NeighbourPoints> neighbours;
};

// The external walls of one floor, by their entries in list order: all a
// join looks at. A command that joins many walls builds it once and tells it
// of every wall it appends, instead of each join scanning the whole list.
class FloorWalls {
 public:
  FloorWalls(const TFlist& list, int32 view);
  int32 View() const { return view_; }
  const std::vector<int32>& Entries() const { return entries_; }
  // The list's last entry was just appended: kept when it is a wall of the
  // floor. (Walls are only appended while the index is in use; an entry
  // removed or a wall moved to another floor needs a new index.)
  void Appended(const TFlist& list);

 private:
  int32 view_;
  std::vector<int32> entries_;
};

// Joins the draft to the external walls of `view` (skipping entry
// `exclude`, the wall being replaced when one is edited), indexing the
// floor's walls for this one join.
JoinPlan PlanJoin(const WallDraft& draft, const TFlist& list, const ExtWallSettings& settings,
                  int32 view, int32 exclude = -1);
// The same join, looking only at the walls of the index's floor.
JoinPlan PlanJoin(const WallDraft& draft, const TFlist& list, const ExtWallSettings& settings,
                  const FloorWalls& walls, int32 exclude = -1);
// Takes the plan's group number and writes the neighbours' layer points.
void ApplyJoin(const JoinPlan& plan, TFlist& list);

// The free layer points of one end of the draft (the line at D1, and at D2
// and D3 when it has a cavity; those are 0 otherwise).
void SetFreeEnd(WallDraft& d, WallEnd end);
