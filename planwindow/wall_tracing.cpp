// After each step of an outline or of external walls traced with the keys:
// the distance of the new corner from the start point in the status bar,
// and, once the chain is closed, the chain that turns it into a finished
// floor: walls, dimensions, the floor re-centred and its area reported.
#include <cstdlib>

#include "building/extwall_tool.h"
#include "model/flist.h"
#include "planwindow/childwin.h"
#include "planwindow/routing_support.h"
#include "planwindow/wizards.h"
#include "platform/keys.h"
#include "platform/services.h"
#include "shell/mainform.h"
#include "tools/measure_text.h"

using namespace routing;

namespace {

// An end this close to the start point (drawing units, both ways, bounds
// included) leaves the read-out as it was.
constexpr int32 kNearStart = 100;

constexpr const char* kOutlineLead = "Press + (ADD) or F key when all corners marked. ";
constexpr const char* kWallLead = "Press + (ADD) or F key to draw final wall. ";

constexpr int32 kUnitsPerInch = 24;
constexpr int32 kInchesPerFoot = 12;
constexpr int32 kUnitsPerEighth = 3;

// One distance of the imperial read-out: signed feet, inches and the
// remainder rounded down to whole eighths.
struct FeetInches {
  int32 feet, inches, num = 0, den = 0;
  bool fraction = false;
};
FeetInches Split(int32 v) {
  const int32 a = std::abs(v);
  FeetInches f{(a / kUnitsPerInch / kInchesPerFoot) * (v < 0 ? -1 : 1),
               (a / kUnitsPerInch) % kInchesPerFoot};
  const int32 eighths = (a % kUnitsPerInch) / kUnitsPerEighth * kUnitsPerEighth;
  f.fraction = EighthsFraction(eighths, f.num, f.den);
  return f;
}

}  // namespace

std::string StartPointReadout(int32 toolType, int32 h, int32 v) {
  const std::string lead = toolType == tooltype::Outline ? kOutlineLead : kWallLead;
  if (MetricUnits == 1) return lead + plat::Format("Distance from START POINT h %d: v %d", h, v);
  const FeetInches x = Split(h), y = Split(v);
  if (!x.fraction && !y.fraction)
    return lead + plat::Format("Distance from START POINT h %d' %d: v %d' %d", x.feet, x.inches,
                               y.feet, y.inches);
  if (!y.fraction)
    return lead + plat::Format("Distance from START POINT %d' %d %d/%d'' x %d' %d''", x.feet,
                               x.inches, x.num, x.den, y.feet, y.inches);
  if (!x.fraction)
    return lead + plat::Format("Distance from START POINT %d' %d'' x %d' %d %d/%d''", x.feet,
                               x.inches, y.feet, y.inches, y.num, y.den);
  return lead + plat::Format("Distance from START POINT %d' %d %d/%d'' x %d' %d %d/%d''", x.feet,
                             x.inches, x.num, x.den, y.feet, y.inches, y.num, y.den);
}

void TMDIChild::AfterWallStep(bool drawn) {
  TDrawingtool* t = Tool();
  if (!t || (t->Type != tooltype::Outline && t->Type != tooltype::ExtWall)) return;
  if (ChildMode == childmode::KeyRouting || ChildMode == childmode::DatumPlaced)
    ChildMode = childmode::Normal;
  if (ChildMode == childmode::Normal) {
    const int32 x = t->Distance > 0 ? t->X1 : t->X2;
    const int32 y = t->Distance > 0 ? t->Y1 : t->Y2;
    if (std::abs(x - StartX) > kNearStart || std::abs(y - StartY) > kNearStart)
      Guide(StartPointReadout(t->Type, x - StartX, y - StartY));
  }
  if (!drawn) return;
  // The chain is complete when the tool's point touches none of it: the
  // final-wall key leaves it off the chain once the closing wall is drawn.
  const int32 chainKind = t->Type == tooltype::Outline ? kind::WallLine : kind::ExtWall;
  int32 n = 0;
  for (int32 i = 6; i < DrawingList.Count(); ++i)
    n += DrawingList.At(i)->Kind == chainKind && DrawingList.At(i)->Floor == CurrentView;
  int32 ex = 0, ey = 0;
  if (n <= 2 || FindChainEnd(&ex, &ey) != kNoChain) return;
  if (t->Type == tooltype::Outline)
    CompleteOutline();
  else
    CompleteExternalWalls();
}

void TMDIChild::CompleteOutline() {
  if (!MainForm) return;
  Tool()->State = toolstate::Idle;
  ChildMode = childmode::Creation;
  MainForm->crds.SetSimpleText("0");
  MainForm->SetTool(tooltype::ExtWall);
  Tool()->Window = this;
  Tool()->Command(extwallcmd::BuildFromOutline);
  {
    plat::WindowDC dc(Surface());
    Tool()->AutoDimension(*dc, ClientRect(), 0, 0, 0, 111);
  }
  ChildMode = childmode::Creation;
  MainForm->crds.SetSimpleText("0");
  MainForm->SetTool(tooltype::InWall);
  Tool()->Window = this;
  Tool()->Step = toolstep::LockRooms;
  Tool()->Execute(0, 0, 2);
  MainForm->SelectPickTool();
  Tool()->Command(1);  // the pick tool re-centres the ground floor and measures its area
  DrawingList.BuildTitleBlock();
  // The window now shows the ground floor.
  ViewCode = CurrentView;
  Caption = DrawingList.DrawingName + ".PLN";
  DrawingList.SetViewFileName(Caption);
  Host().SetCaption(Caption);
  WallDisplayMode = 0;
  CentreView(0);
  Surface().InvalidateRect(nullptr);
  ReportFloorArea(1);
  if (wizard::RoomWizardRunning() && WizardStep == 120) {
    WizardStep = 121;
    ShowRoomWizardStep(5);
  }
  ToolPanel(" no selection");
  MarkDrawingChanged();
}

void TMDIChild::CompleteExternalWalls() {
  if (!MainForm) return;
  TDrawingtool* t = Tool();
  t->State = toolstate::Idle;
  t->Command(extwallcmd::FinishFloor);
  {
    plat::WindowDC dc(Surface());
    Tool()->AutoDimension(*dc, ClientRect(), 0, 0, 0, 111);
  }
  ChildMode = childmode::Creation;
  MainForm->crds.SetSimpleText("0");
  Tool()->Command(10);
  MainForm->SelectPickTool();
  DrawingList.BuildTitleBlock();
  WallDisplayMode = 0;
  if (CurrentView == view::Ground) CentreView(0);
  Surface().InvalidateRect(nullptr);
  ReportFloorArea(2);
  if (wizard::WallWizardRunning() && WizardStep == 12) {
    WizardStep = 13;
    ShowWallWizardStep(1);
  }
  ToolPanel(" select");
  MarkDrawingChanged();
}
