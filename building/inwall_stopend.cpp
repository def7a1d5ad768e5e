// Stop ends: the short line that closes the open end of a partition's
// double line, at the free start of a run (kind 154) and where the drawing
// stops (kind 155, Escape). A stop end carries its wall's group number, so
// the edits find it and move it with its wall.
#include <cstdlib>

#include "building/inwall_join.h"
#include "building/inwall_tool.h"
#include "building/wall_query.h"
#include "model/flist.h"

namespace {

constexpr int32 kNone = TFlist::kNothingFound;

// The stop end's bearing: a quarter turn back from its wall's.
int32 AcrossBearing(int32 wallBearing) {
  int32 a = wallBearing - bearing::Right;
  if (a < 0) a += bearing::FullTurn;
  return a;
}

// Whether another internal wall of the floor starts or ends at p.
bool JoinedAt(const TFlist& list, int32 self, plat::Point p) {
  for (int32 i = 6; i < list.Count(); ++i) {
    const TObj& e = *list.At(i);
    if (i == self || e.Kind != kind::InWall || e.Floor != CurrentView) continue;
    if ((e.X1 == p.x && e.Y1 == p.y) || (e.X2 == p.x && e.Y2 == p.y)) return true;
  }
  return false;
}

InwallDraft StopEnd(plat::Point a, plat::Point b, int32 wallBearing, int32 thickness,
                    int32 linkId, int32 startMeet, int32 endMeet) {
  InwallDraft d;
  d.start = a;
  d.end = b;
  d.bearing = AcrossBearing(wallBearing);
  d.thickness = thickness;
  d.linkId = linkId;
  d.startMeet = startMeet;
  d.endMeet = endMeet;
  return d;
}

}  // namespace

void TInwallobjtool::StopEndAtFreeStart() {
  // The run's start is closed once, after its first wall.
  Frame[0] = 0;
  if (Result != inwallmark::Made) return;
  const int32 self = DrawingList.Count() - 1;
  const TObj* last = self >= 6 ? DrawingList.At(self) : nullptr;
  if (!last || last->Kind != kind::InWall || last->LinkId != LinkId) return;
  int32 s = Spacing;
  if (ReadSpacing(s)) Spacing = s;
  // The free start is the end of the wall nearer where the run began (a
  // free wall may have been turned to run the other way).
  const plat::Point a{X1, Y1}, b{X2, Y2};
  auto dist = [&](plat::Point p) {
    return std::llabs(1LL * p.x - RunStart.x) + std::llabs(1LL * p.y - RunStart.y);
  };
  const bool atEnd = dist(b) < dist(a);
  const plat::Point p = atEnd ? b : a;
  if (JoinedAt(DrawingList, self, p)) return;
  const InwallDraft d = atEnd ? StopEnd(SecondEnd, b, Angle, Spacing, LinkId, 0, 0)
                              : StopEnd(a, SecondStart, Angle, Spacing, LinkId, 0, 0);
  DrawingList.Add(MakeInwall(kind::InWallStopStart, d, CurrentView, Colour));
  DrawingList.WriteDrawingFile(dtDrawing);
}

void TInwallobjtool::StopEndWhereDrawingStops() {
  // Only a drawing under way stops; an edit in progress has no free end.
  if (Step >= toolstep::EditFirst || X1 < 1 || Y1 < 1) return;
  const plat::Point p{X1, Y1};
  TFlist& list = DrawingList;
  int32 wall = kNone;
  bool atStart = false;
  for (int32 i = list.Count() - 1; i >= 6; --i) {
    const TObj& e = *list.At(i);
    if (e.Kind != kind::InWall || e.Floor != CurrentView) continue;
    if (e.X1 == p.x && e.Y1 == p.y) {
      wall = i, atStart = true;
      break;
    }
    if (e.X2 == p.x && e.Y2 == p.y) {
      wall = i, atStart = false;
      break;
    }
  }
  if (wall == kNone) return;
  const auto& w = static_cast<const TInwallobj&>(*list.At(wall));
  // An end that meets a wall, or that is closed already, needs no stop end.
  if (JoinedAt(list, wall, p)) return;
  if ((atStart ? w.StartMeetAngle() : w.EndMeetAngle()) >= 0) return;
  if (inwalljoin::FindStopEnd(list, wall, atStart ? WallEnd::Start : WallEnd::End) != kNone) return;
  const plat::Point q = atStart ? plat::Point{w.Line2X1, w.Line2Y1}
                                : plat::Point{w.Line2X2, w.Line2Y2};
  const InwallDraft d = StopEnd(p, q, w.Angle, Spacing > 0 ? Spacing : w.Thickness, w.LinkId,
                                StartMeetAngle, EndMeetAngle);
  list.UpdateUndoHistory(uoRecord, CurrentView);
  list.Add(MakeInwall(kind::InWallStopEnd, d, CurrentView, Colour));
  list.WriteDrawingFile(dtDrawing);
  MarkDrawingChanged();
}
