// Joining internal walls: the corner where a new wall meets the end of a
// partition, the wall placed between the ends of two partitions, and the
// second line brought onto the face of a wall the new wall ends on.
//
// The new wall N is an InwallDraft; the walls it meets are elements of the
// list and are changed in place (their second-line points at the joint).
#pragma once

#include "building/inwall_geometry.h"
#include "model/flist.h"
#include "model/globals.h"

namespace inwalljoin {

// Joint modes of the corner operations.
namespace joint {
constexpr int StartOnEnd = 1;    // N's start meets W's end: N's second-line start
constexpr int EndOnStart = 2;    // N's end meets W's start: N's second-line end
constexpr int WallEnd = 10;      // N's start meets W's end: W's second-line end
constexpr int WallStart = 20;    // N's end meets W's start: W's second-line start
}  // namespace joint

// Square corner of N and W (both with square bearings), at N's start
// (StartOnEnd) or end (EndOnStart), at W's thickness: N continuing W
// straight on gets its second line across from the joint; N turning off W
// takes the corner of the two second lines, and so does W; N running back
// along W changes nothing.
void JoinSquareCorner(InwallDraft& n, TInwallobj& w, int mode);
// Mitred corner for any bearings; call it twice (StartOnEnd and WallEnd, or
// EndOnStart and WallStart) to give both walls the same point. A corner that
// turns (nearly) straight back leaves the point free.
void JoinMitreCorner(InwallDraft& n, TInwallobj& w, int mode);
// N's start lies on an end of S and its end on an end of E (both with square
// bearings): N's second line takes the side that continues S's band, and
// both corners are joined; where E's band lies on the other side, N's end
// is carried across E so that the faces meet. False, with N's second line
// free, when either wall is angled or an end is not on the wall's end.
bool JoinBetweenTwoWalls(InwallDraft& n, TInwallobj& s, TInwallobj& e);

// The join of a new wall: N's second line placed free first, then the start
// joined to S (its end within 25 units of N's start), the end to E (its
// start within 25 of N's end), or both through JoinBetweenTwoWalls. s and e
// are indices of the list or TFlist::kNothingFound. True when both ends
// were joined.
bool JoinInternalWallEnds(InwallDraft& n, TFlist& list, int32 s, int32 e);

// The walls whose faces N's ends lie on.
struct FaceMeet {
  int32 startWall = TFlist::kNothingFound;
  int32 endWall = TFlist::kNothingFound;
};
// Scans the external and internal walls of the current floor below `limit`
// (exclusive) for the faces N's start and end lie on (within 3 x
// PixelScale), `exclude` (the wall itself when it is edited) left out. An
// end hit sets `distance` to 30001; with `distance` 1 on
// entry the roles of the two ends are exchanged. Records the meet bearings in
// N and fits N's second line to a face met at an angle.
FaceMeet MeetWallFaces(InwallDraft& n, const TFlist& list, int32 limit, int32& distance,
                       int32 exclude = -1);
// The limit of a new wall's face search: the last internal wall when N
// continues it (its end is N's start or its start N's end), else the count.
int32 FaceSearchLimit(const InwallDraft& n, const TFlist& list);

// Moves N's second-line start (end 1) or end (end 2) onto the face of W.
// False when W is no wall.
bool FitSecondLineToFace(InwallDraft& n, const TObj& w, int end);

// Exchanges W's first and second line point for point.
void SwapWallLines(TInwallobj& w);
// Exchanges start and end of both lines and turns the bearing by 1800.
void ReverseWall(TInwallobj& w);

// The internal walls of the current floor whose end is W's start (previous)
// and whose start is W's end (next); kNothingFound when none. W itself is
// never its own neighbour.
void FindJoinedInternalWalls(const TFlist& list, int32 w, int32& previous, int32& next);
// The partition joined to wall w's end across it: a wall put between the
// ends of two square walls whose bands lay on its two sides runs its first
// line on across the one, whose first line comes to its second line
// (JoinBetweenTwoWalls), so that at the joint the first-line end of one lies
// on the second-line end of the other. The other wall (its end in
// otherEnd), or TFlist::kNothingFound.
int32 FindCarriedJoin(const TFlist& list, int32 w, WallEnd end, WallEnd& otherEnd);
// The stop ends (kinds 154 and 155) of wall w that close the given end: of
// w's group, touching the end's point.
int32 FindStopEnd(const TFlist& list, int32 w, WallEnd end);

}  // namespace inwalljoin
