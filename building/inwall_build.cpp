// The internal-wall tool's walls: building one wall from the line held,
// the wall made between two points on its own, the command dispatch and the
// double-line preview that follows the pointer.
#include <cstdlib>
#include <utility>
#include <vector>

#include "building/inwall_join.h"
#include "building/inwall_tool.h"
#include "building/wall_query.h"
#include "model/flist.h"
#include "platform/dc.h"
#include "platform/ui.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"
#include "tools/tool_drawing.h"

namespace {

constexpr int32 kNone = TFlist::kNothingFound;

// Every point of a wall, its second line included, stays this far inside
// the sheet.
constexpr int32 kLowestCoordinate = 10;

constexpr const char* kWallOffSheet =
    "This partition would reach beyond the edge of the drawing sheet - it was not drawn";
constexpr const char* kPartitionOfNoLength =
    "This partition would have no length - it was not drawn";
constexpr const char* kNoSpacing =
    "The partition has no spacing between its lines - choose Internal Walls again and set it";

bool InsideSheet(const InwallDraft& d) {
  for (const plat::Point& p : {d.start, d.end, d.secondStart, d.secondEnd})
    if (p.x < kLowestCoordinate || p.y < kLowestCoordinate) return false;
  return true;
}

// Turns a free wall to run the way its side wants; its bearing turns with it.
void Orient(InwallDraft& d, int32 side) {
  bool swap = false;
  switch (side) {
    case secondline::Below: swap = d.start.x > d.end.x; break;
    case secondline::Left: swap = d.end.y > d.start.y; break;
    case secondline::Above: swap = d.end.x > d.start.x; break;
    case secondline::Right: swap = d.start.y > d.end.y; break;
    default: break;
  }
  if (!swap) return;
  std::swap(d.start, d.end);
  d.bearing = inwallgeo::IsSquare(d.bearing) ? bearing::Of(d.start, d.end)
                                             : bearing::Opposite(d.bearing);
}

// The walls a join may change, kept so that a refused wall leaves them as
// they were and the undo step holds them as they were.
struct Touched {
  int32 index;
  TInwallobj before;
  TInwallobj after;
};

void Restore(std::vector<Touched>& touched, bool after) {
  for (Touched& t : touched) {
    auto* w = dynamic_cast<TInwallobj*>(DrawingList.At(t.index));
    if (w) StoreLines(*w, InwallDraftOf(after ? t.after : t.before));
  }
}

}  // namespace

void TInwallobjtool::ChooseSide(int32 side) {
  SecondLineSide = side;
  Direction = side;  // the keyboard drawing orders free segments by it
  FirstArrowChecked = 0;
}

InwallDraft TInwallobjtool::Draft() const {
  InwallDraft d;
  d.start = {X1, Y1};
  d.end = {X2, Y2};
  d.secondStart = SecondStart;
  d.secondEnd = SecondEnd;
  d.bearing = Angle;
  d.thickness = Spacing;
  d.linkId = LinkId;
  d.startMeet = StartMeetAngle;
  d.endMeet = EndMeetAngle;
  return d;
}

void TInwallobjtool::TakeDraft(const InwallDraft& d) {
  X1 = d.start.x;
  Y1 = d.start.y;
  X2 = d.end.x;
  Y2 = d.end.y;
  SecondStart = d.secondStart;
  SecondEnd = d.secondEnd;
  Angle = d.bearing;
  Spacing = d.thickness;
  LinkId = d.linkId;
  StartMeetAngle = d.startMeet;
  EndMeetAngle = d.endMeet;
}

bool TInwallobjtool::ReadSpacing(int32& spacing) {
  cfg::Reader in(ProgramFile(cfgfile::InWallSpacing.ForUnits()));
  int32 v = 0;
  if (in.Int(v) && v > 0) {
    spacing = v;
    return true;
  }
  if (!spacingReported_) {
    spacingReported_ = true;
    plat::ErrorBox("The internal wall spacing file " +
                       ShownFile(cfgfile::InWallSpacing.ForUnits()) +
                       " cannot be read - the spacing chosen last is used.\nChoose Internal "
                       "Walls again to set the spacing.",
                   plat::mbOK);
  }
  return false;
}

int32 TInwallobjtool::CommitWall(int32 spacing, bool userStep) {
  Result = 0;
  if (X1 == X2 && Y1 == Y2) return kNone;
  InwallDraft d = Draft();
  TFlist& list = DrawingList;

  // Snap onto the ends of the partitions already there.
  const int32 tol = 3 * PixelScale;
  int32 s = kNone, e = kNone, matches = 0;
  for (int32 i = 6; i < list.Count(); ++i) {
    const TObj& w = *list.At(i);
    if (w.Kind != kind::InWall || w.Floor != CurrentView) continue;
    const plat::Point ws{w.X1, w.Y1}, we{w.X2, w.Y2};
    plat::Point target, from;
    bool firstPoint;
    if (Near(ws, d.start, tol))
      target = ws, from = d.start, firstPoint = true;
    else if (Near(we, d.start, tol))
      target = we, from = d.start, firstPoint = true;
    else if (Near(ws, d.end, tol))
      target = ws, from = d.end, firstPoint = false;
    else if (Near(we, d.end, tol))
      target = we, from = d.end, firstPoint = false;
    else
      continue;
    const int32 dx = target.x - from.x, dy = target.y - from.y;
    d.start = {d.start.x + dx, d.start.y + dy};
    d.end = {d.end.x + dx, d.end.y + dy};
    ++matches;
    int32& own = firstPoint ? s : e;
    int32& other = firstPoint ? e : s;
    if (matches == 2 && other == kNone)
      other = i;
    else
      own = i;
  }
  if (s == kNone && e == kNone) Orient(d, SecondLineSide);
  // A wall turned to run the way its side wants ends where the user's
  // segment began: its start is then where the drawing goes on from.
  auto far = [](plat::Point a, plat::Point b) {
    return std::llabs(1LL * a.x - b.x) + std::llabs(1LL * a.y - b.y);
  };
  const bool traced = userStep && (SegmentStart.x != 0 || SegmentStart.y != 0);
  const bool turned = traced && far(d.end, SegmentStart) < far(d.start, SegmentStart);

  // The spacing: the wall continued gives its own.
  int32 t = spacing;
  if (t <= 0 && !ReadSpacing(t)) t = Spacing;
  if (s != kNone)
    t = static_cast<const TInwallobj*>(list.At(s))->Thickness;
  else if (e != kNone)
    t = static_cast<const TInwallobj*>(list.At(e))->Thickness;
  if (t <= 0) {
    if (userStep) plat::ErrorBox(kNoSpacing, plat::mbCancel);
    return kNone;
  }
  d.thickness = t;

  // Join, keeping the walls met as they were until the wall is accepted.
  std::vector<Touched> touched;
  for (int32 i : {s, e}) {
    if (i == kNone) continue;
    if (auto* w = dynamic_cast<TInwallobj*>(list.At(i))) touched.push_back({i, *w, *w});
  }
  const bool both = inwalljoin::JoinInternalWallEnds(d, list, s, e);
  int32 distance = Distance;
  inwalljoin::FaceMeet faces;
  if (!both) {
    int32 probe = turned ? 0 : distance;
    faces = inwalljoin::MeetWallFaces(d, list, inwalljoin::FaceSearchLimit(d, list), probe);
    // The run ends when the end it is drawn to lies on a face.
    if (!turned)
      distance = probe;
    else if (faces.startWall != kNone)
      distance = inwallmark::EndsOnWall;
  }
  for (Touched& x : touched) x.after = *static_cast<TInwallobj*>(list.At(x.index));
  Restore(touched, false);

  if (d.start.x == d.end.x && d.start.y == d.end.y) return kNone;
  if (!InsideSheet(d)) {
    if (userStep) plat::ErrorBox(kWallOffSheet, plat::mbCancel);
    return kNone;
  }

  // Accepted: one undo step holds the drawing as it was.
  if (userStep) list.UpdateUndoHistory(uoRecord, CurrentView);
  Restore(touched, true);
  auto isInwall = [&](int32 i) { return i != kNone && list.At(i)->Kind == kind::InWall; };
  StartMeetsInwall = isInwall(faces.startWall);
  EndMeetsInwall = isInwall(faces.endWall);
  Distance = distance;
  if (traced) SegmentStart = turned ? d.start : d.end;
  d.linkId = NewGroupId();
  TakeDraft(d);
  Tag1 = bearing::Length(d.start, d.end);
  list.Add(MakeInwall(kind::InWall, d, CurrentView, Colour));
  list.WriteDrawingFile(dtDrawing);
  Result = inwallmark::Made;
  return list.Count() - 1;
}

void TInwallobjtool::AddElement(plat::DeviceContext& dc, const plat::Rect& client) {
  if (previewShown_) {
    DrawPreview(dc, 0);
    previewShown_ = false;
  }
  if (X1 == X2 && Y1 == Y2) {
    plat::ErrorBox(kPartitionOfNoLength, plat::mbCancel);
    return;
  }
  const int32 index = CommitWall(0, true);
  if (index == kNone) return;
  MarkDrawingChanged();
  DrawingList.At(index)->Paint(dc, client, 0);
}

int32 BuildInternalWallBetween(plat::Point a, plat::Point b, int32 spacing, int32 side) {
  TInwallobjtool tool;
  tool.ChooseSide(side);
  tool.X1 = a.x;
  tool.Y1 = a.y;
  tool.X2 = b.x;
  tool.Y2 = b.y;
  tool.Angle = bearing::Of(a, b);
  tool.Colour = DrawingColour;
  return tool.CommitWall(spacing, false);
}

void TInwallobjtool::Command(int32 code) {
  switch (code) {
    case inwallcmd::StartOnFace: TestStartOnFace(); break;
    case inwallcmd::DistanceToFace: MeasureToNextFace(); break;
    case inwallcmd::StopEndAtStart: StopEndAtFreeStart(); break;
    case inwallcmd::StopEndHere: StopEndWhereDrawingStops(); break;
    default: break;
  }
}

// ---- The preview -----------------------------------------------------------------

void TInwallobjtool::MouseMove(plat::DeviceContext& dc, const plat::Rect& client, int32 X,
                               int32 Y) {
  if (Angled != 1 || LineKeyState != linekey::EndsSegment || X1 <= 0 || Y1 <= 0 ||
      Step >= toolstep::EditFirst)
    return;
  const plat::Point p = ClickToDrawing(dc, client, X, Y);
  if (previewShown_ && p.x == X2 && p.y == Y2) return;
  if (previewShown_) DrawPreview(dc, 0);
  X2 = p.x;
  Y2 = p.y;
  DrawPreview(dc, 0);
  previewShown_ = true;
}

void TInwallobjtool::DrawPreview(plat::DeviceContext& dc, int32 /*mode*/) {
  if (X1 <= 0 || Y1 <= 0 || (X1 == X2 && Y1 == Y2)) return;
  ScopedXorPen pen(dc, plat::R2_XORPEN, plat::Pen{plat::PS_DOT, 1, DrawingColour});
  const plat::Point a{X1, Y1}, b{X2, Y2};
  dc.MoveTo(a.x / PixelScale, a.y / PixelScale);
  dc.LineTo(b.x / PixelScale, b.y / PixelScale);
  if (Spacing <= 0) return;
  const int32 run = bearing::Of(a, b);
  const plat::Point c = inwallgeo::SecondLinePoint(a, run, Spacing);
  const plat::Point e = inwallgeo::SecondLinePoint(b, run, Spacing);
  dc.MoveTo(c.x / PixelScale, c.y / PixelScale);
  dc.LineTo(e.x / PixelScale, e.y / PixelScale);
}
