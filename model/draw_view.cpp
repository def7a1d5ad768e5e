// Drawing a list of elements into a drawing window (the view being painted,
// with other floors overlaid faintly where the display mode asks for it) or
// into a printer.
#include "model/draw_view.h"

#include <initializer_list>

#include "model/flist.h"
#include "model/view_mapping.h"
#include "platform/dc.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"

namespace {

// Design rooms (29000 and up, 29500 once locked) and information records lie
// above these bounds and are left out where a rule has one.
constexpr int32 kPlanKindBound = kind::LockedRoom;  // 29500
constexpr int32 kGroupKindBound = 27999;
constexpr int32 kFixtureFirst = 6100;  // fixture polygons made by the designer
constexpr int32 kFixtureLast = 6699;
constexpr int32 kLayoutFloorOffset = 5;  // the wall-marking layout view also shows its layout
constexpr int32 kLastLayoutView = 49;
constexpr int32 kLastFloorView = 189;

constexpr int32 kNormal = 0;   // drawn with its own pen
constexpr int32 kOverlay = 1;  // drawn dashed in OverlayColour

bool IsOneOf(int32 k, std::initializer_list<int32> kinds) {
  for (int32 x : kinds)
    if (k == x) return true;
  return false;
}

// External dimensions a floor plan hides (units digit 1): its arrows of kind
// 250 and 260 and the dimension texts, while the dimension lines stay.
bool IsHiddenPlanDimension(int32 k) {
  return IsOneOf(k, {kind::Text34, kind::Arrow, kind::Arrow260});
}
// ... a group drawing hides every dimension item and wall length text.
bool IsHiddenGroupDimension(int32 k) {
  return IsOneOf(k, {kind::Text34, kind::WallLengthText, kind::Arrow, kind::Dimension,
                     kind::Arrow260, kind::Dimension261});
}
// ... and a printed floor its texts, arrows and dimension lines of kind 251.
bool IsHiddenPrintDimension(int32 k) {
  return IsOneOf(k, {kind::Text34, kind::Arrow, kind::Dimension});
}

// What an overlaid floor leaves out: free texts, dimension items, the wall
// code's lines and fixture polygons.
bool IsFloorDetail(int32 k) {
  return IsOneOf(k, {kind::Text, kind::Text24, kind::WallLine, kind::Arrow, kind::Dimension,
                     kind::Arrow260, kind::Dimension261}) ||
         (k >= kFixtureFirst && k <= kFixtureLast);
}
bool IsLabelText(int32 k) { return k >= kind::Text34 && k <= kind::DrawingTitle; }

int32 UnitsDigit() { return WallDisplayMode % 10; }

// Draws the chosen elements of a list in list order.
class ViewPainter {
 public:
  ViewPainter(TFlist& list, plat::DeviceContext& dc, const plat::Rect& client)
      : list_(list), dc_(dc), client_(client), canDraw_(!IsEmptyClient(client)) {}

  template <class Pick>
  void Scan(Pick pick, int32 style) {
    if (!canDraw_) return;
    for (int32 i = 0; i < list_.Count(); ++i) {
      TObj* e = list_.At(i);
      if (pick(*e)) e->DrawStyled(dc_, client_, style);
    }
  }

  void DrawOverlays();

 private:
  // One floor of an overlay drawing, through the mode's kind filter.
  void DrawFloor(int32 floor, bool overlaid, int32 units);

  TFlist& list_;
  plat::DeviceContext& dc_;
  plat::Rect client_;
  bool canDraw_;
};

// The kind filter of the overlay modes: an overlaid floor (or, in mode 3,
// every floor) shows only its structure; the working floor of mode 3 keeps
// its drawing title.
bool KeptInOverlay(int32 k, bool overlaid, int32 units) {
  switch (units) {
    case 3:
      if (IsFloorDetail(k)) return false;
      return overlaid ? !IsLabelText(k) : !(IsLabelText(k) && k != kind::DrawingTitle);
    case 2:
      return !overlaid || !(IsFloorDetail(k) || IsLabelText(k));
    default:
      return true;
  }
}

void ViewPainter::DrawFloor(int32 floor, bool overlaid, int32 units) {
  Scan(
      [&](const TObj& e) {
        return e.Floor == floor && e.Kind < kPlanKindBound &&
               KeptInOverlay(e.Kind, overlaid, units);
      },
      overlaid ? kOverlay : kNormal);
}

// The working floor of overlay modes 2 and 3: the highest floor shown.
void ChooseWorkingFloor(const OverlayFlags& f) {
  if (f.third)
    CurrentView = view::Third;
  else if (f.second)
    CurrentView = view::Second;
  else if (f.first)
    CurrentView = view::First;
  else if (f.ground)
    CurrentView = view::Ground;
  else if (f.basement || f.basementWithGround)
    CurrentView = view::Basement;
}

void ViewPainter::DrawOverlays() {
  const int32 units = UnitsDigit();
  const OverlayFlags f = ReadOverlayFlags();
  if (units == 2 || units == 3) ChooseWorkingFloor(f);
  if (list_.Count() == 0) return;
  if (f.basementWithGround) {
    DrawFloor(view::Ground, true, units);
    DrawFloor(view::Basement, false, units);
  }
  const struct {
    bool on;
    int32 floor;
  } passes[] = {{f.basement, view::Basement},
                {f.ground, view::Ground},
                {f.first, view::First},
                {f.second, view::Second},
                {f.third, view::Third}};
  for (const auto& p : passes)
    if (p.on) DrawFloor(p.floor, p.floor != CurrentView, units);
}

// The floor a print run prints: CurrentView less the offset of its kind of
// printing (3000 part, 2000 split, 1000 whole).
int32 PrintBaseView(int32 printView) {
  if (printView >= view::PartPrintOffset + 1) return printView - view::PartPrintOffset;
  if (printView > view::SplitPrintOffset) return printView - view::SplitPrintOffset;
  return printView - view::PrintOffset;
}

}  // namespace

OverlayFlags ReadOverlayFlags() {
  cfg::Reader in(ProgramFile(cfgfile::Overlay));
  int32 v[6] = {};
  for (int32& x : v)
    if (!in.Int(x)) break;  // what is missing stays off
  return {v[0] == 1, v[1] == 1, v[2] == 1, v[3] == 1, v[4] == 1, v[5] == 1};
}

void TFlist::DrawView(plat::DeviceContext& dc, const plat::Rect& client) {
  SetViewMapping(dc, client);
  dc.SetBkMode(plat::TRANSPARENT);
  dc.SetBkColor(BackgroundColour);
  dc.SetROP2(plat::R2_COPYPEN);

  ViewPainter painter(*this, dc, client);
  const int32 v = CurrentView;
  const int32 units = UnitsDigit();
  const bool overlayMode = units >= 2 && units <= 4;

  if (v >= 1 && v <= kLastLayoutView) {
    painter.Scan(
        [v](const TObj& e) {
          return e.Kind < kPlanKindBound && (e.Floor == v || e.Floor == v - kLayoutFloorOffset);
        },
        kNormal);
  } else if (v >= view::Ground && v <= kLastFloorView && (units == 0 || units == 1)) {
    painter.Scan(
        [v, units](const TObj& e) {
          return e.Kind < kPlanKindBound && e.Floor == v &&
                 !(units == 1 && IsHiddenPlanDimension(e.Kind));
        },
        kNormal);
  } else if (v >= view::Ground && v <= kLastFloorView && overlayMode) {
    painter.DrawOverlays();
  } else if (v == view::Group && (overlayMode || units == 0 || units == 1)) {
    // Overlays mean nothing in a group drawing: the mode falls back to 0.
    if (overlayMode) WallDisplayMode = 0;
    const bool hideDimensions = UnitsDigit() == 1;
    painter.Scan(
        [hideDimensions](const TObj& e) {
          return e.Kind < kGroupKindBound && !(hideDimensions && IsHiddenGroupDimension(e.Kind));
        },
        kNormal);
  } else if (v == view::Site) {
    painter.Scan([](const TObj& e) { return e.Floor == view::Site; }, kNormal);
  } else {
    painter.Scan([v](const TObj& e) { return e.Floor == v; }, kOverlay);
  }
}

void TFlist::PrintFloor(plat::DeviceContext& dc) {
  if (CurrentView <= 99) return;
  const int32 base = PrintBaseView(CurrentView);
  const int32 units = UnitsDigit();
  auto print = [&](auto pick) {
    for (int32 i = 0; i < Count(); ++i) {
      TObj* e = At(i);
      if (pick(*e)) e->DrawForPrint(dc);
    }
  };
  if (base == view::Site) {
    print([](const TObj& e) { return e.Floor == view::Site; });
    return;
  }
  // The print dialogs leave the units digit at 0 or 1; anything else prints
  // nothing.
  if (units != 0 && units != 1) return;
  const bool anyFloor = base == view::Group;
  print([&](const TObj& e) {
    return (anyFloor || e.Floor == base) && e.Kind < kPlanKindBound &&
           !(units == 1 && IsHiddenPrintDimension(e.Kind));
  });
}
