// The main form's external-wall, floor, dimension and area commands: the
// external walls of a new drawing or of the floor shown, the walls of a new
// upper floor or basement taken from the floor below or traced over it, the
// automatic dimensions, the dimension set by two points, the floor areas,
// the overlaid floors and the dimension settings.
#include "building/extwall_tool.h"
#include "dialogs/modal.h"
#include "dialogs/plan_dialogs.h"
#include "model/flist.h"
#include "model/globals.h"
#include "planwindow/childwin.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "shell/mainform.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"
#include "tools/lineobj_geometry.h"

namespace {

constexpr const char* kSameWallsQuestion =
    "Will the outside wall dimensions be the same as the ground floor?";
constexpr const char* kTwoPointPrompt =
    "GUIDE: press ENTER on the first point to dimension, then ENTER on the second point";
constexpr int32 kOverlayBelow = 4;  // units digit: the floor below shown under the new one

bool HasExternalWalls(int32 v) {
  for (int32 i = 6; i < DrawingList.Count(); ++i)
    if (DrawingList.At(i)->Kind == kind::ExtWall && DrawingList.At(i)->Floor == v) return true;
  return false;
}

// Shows the floor below (the ground floor under the basement) faintly
// under floor v while its walls are traced.
void OverlayFloorBelow(int32 v) {
  TTOverdlg overlay;
  overlay.basement = overlay.ground = overlay.first = overlay.second = overlay.third = 0;
  overlay.basementWithGround = v == view::Basement ? 1 : 0;
  overlay.ground = v == view::First ? 1 : 0;
  overlay.first = (v == view::First || v == view::Second) ? 1 : 0;
  overlay.second = (v == view::Second || v == view::Third) ? 1 : 0;
  overlay.third = v == view::Third ? 1 : 0;
  overlay.Write();
  WallDisplayMode = WallDisplayMode - WallDisplayMode % 10 + kOverlayBelow;
}

}  // namespace

// The external walls of the floor shown: the wall type, the side of the
// inner lines, then the walls traced from a corner.
void TMainForm::CmExtwallExecute() {
  TMDIChild* c = ActiveChild();
  if (!drawingOpen_ || !c || ViewState < 2) return;
  CurrentFunction = func::Walls;
  if (CurrentView < view::Ground || CurrentView > view::SubFloor) {
    if (!SwitchView(view::Ground, func::Walls)) return;
    c = ActiveChild();
    if (!c) return;
  }
  SetTool(tooltype::ExtWall);
  if (TDrawingtool* t = CurrentTool()) {
    t->Colour = DrawingColour;
    t->Window = c;
  }
  st.SetPanelText(panel::Tool, "External walls");
  c->ChooseWallOrOpening(wallchain::ExternalWalls);
  c->Surface().InvalidateRect(nullptr);
}

// The first tool of a new drawing: the external walls, or the first design
// room on the layout (shell/mainform_rooms.cpp).
void TMainForm::StartDrawingTool(bool designRooms) {
  if (designRooms) {
    StartDesignRooms();
    return;
  }
  CmExtwallExecute();
}

// A floor without walls of its own, shown for the first time: its walls
// copied from the floor below when they are the same, otherwise that floor
// shown under it while the walls are traced.
void TMainForm::OfferWallsFromBelow(int32 v) {
  TMDIChild* c = ActiveChild();
  if (!c || CurrentView != v) return;
  DrawingList.ReadDrawingFile(dtDrawing);
  const int32 below = v == view::Basement ? view::Ground : v - 1;
  if (HasExternalWalls(v) || !HasExternalWalls(below)) return;
  if (!plat::AskYesNo(kSameWallsQuestion)) {
    const int32 mode = WallDisplayMode;
    const std::optional<std::string> overlay = plat::ReadWholeFile(ProgramFile(cfgfile::Overlay));
    OverlayFloorBelow(v);
    CmExtwallExecute();
    // No wall type chosen: the floor shows as it did.
    if (!CurrentTool() || CurrentTool()->Type != tooltype::ExtWall) {
      WallDisplayMode = mode;
      if (overlay) cfg::Write(ProgramFile(cfgfile::Overlay), *overlay);
    }
    return;
  }
  DrawingList.UpdateUndoHistory(uoRecord, CurrentView);
  SetTool(tooltype::ExtWall);
  TDrawingtool* t = CurrentTool();
  t->Window = c;
  t->Command(v == view::Basement ? extwallcmd::CopyGroundToBasement : extwallcmd::CopyFloorBelow);
  {
    plat::WindowDC dc(c->Surface());
    t->AutoDimension(*dc, c->ClientRect(), 0, 0, 0, 111);
  }
  DrawingList.SetFloorArea(EnclosedFloorArea(DrawingList, v));
  if (DrawingList.Count() > v - view::Ground)
    if (auto* info = dynamic_cast<TInfoobj*>(DrawingList.At(v - view::Ground)))
      info->InfoValues[0] = DrawingList.GetFloorArea();
  DrawingList.WriteDrawingFile(dtDrawing);
  MarkDrawingChanged();
  SelectPickTool();
  c->Surface().InvalidateRect(nullptr);
}

void TMainForm::CmDimensionsExecute() {
  TMDIChild* c = ActiveChild();
  if (!drawingOpen_ || !c || ViewState < 2) return;
  CurrentFunction = func::Dimensions;
  SelectPickTool();
  c->PlaceAutoDimensions(8);
}

void TMainForm::CmDimensionPointsExecute() {
  if (!drawingOpen_ || !ActiveChild() || ViewState < 2) return;
  CurrentFunction = func::Dimensions;
  SetTool(tooltype::Line);
  CurrentTool()->Step = toolstep::DimensionFirst;
  CurrentTool()->Colour = DrawingColour;
  st.SetPanelText(panel::Tool, "Dimension");
  st.SetPanelText(panel::Guide, kTwoPointPrompt);
}

void TMainForm::CmAreasExecute() {
  if (TMDIChild* c = ActiveChild(); c && drawingOpen_) {
    CurrentFunction = func::View;
    c->ShowAreaDialog();
  }
}

void TMainForm::CmOverlayExecute() {
  TMDIChild* c = ActiveChild();
  if (!drawingOpen_ || !c) return;
  CurrentFunction = func::View;
  TTOverdlg overlay;
  overlay.Read();
  if (!dlg::ShowModal(overlay)) return;
  overlay.Write();
  WallDisplayMode = overlay.DisplayMode(WallDisplayMode);
  c->Surface().InvalidateRect(nullptr);
}

void TMainForm::CmOffsetsExecute() {
  CurrentFunction = func::Customise;
  TTOffsetdlg offsets;
  offsets.Read();
  if (!dlg::ShowModal(offsets)) return;
  offsets.Write();
}

// The room texts are kept in the same file: the other values stay.
void TMainForm::CmRoomTextsExecute() {
  CurrentFunction = func::Customise;
  TTRoomtextdlg texts;
  texts.Read();
  if (!dlg::ShowModal(texts)) return;
  texts.Write();
}
