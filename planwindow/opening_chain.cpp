// The dialog chains in front of the window and door tool: the window or
// door type and its sizes, then what the type needs (the way a door opens,
// its frame, its folding side or its opening), each written to the door or
// window settings, then the tool set up and its first prompt. A cancel, a
// refusal or settings that cannot be used end in the pick tool.
#include "building/opening_tool.h"
#include "dialogs/modal.h"
#include "dialogs/opening_dialogs.h"
#include "planwindow/childwin.h"
#include "planwindow/routing_support.h"
#include "platform/ui.h"
#include "shell/mainform.h"
#include "storage/settings_files.h"

using namespace routing;

namespace {

constexpr const char* kTooWide =
    "You cannot have an opening bigger than the sum of the door widths - reselect door icon";

// Back to the pick tool: the chain did not set the opening tool up.
void CancelOpeningChain() {
  if (MainForm) MainForm->SelectPickTool();
}

TWindowobjtool* OpeningTool() { return dynamic_cast<TWindowobjtool*>(Tool()); }

// Shows a door dialog that edits the door settings; on OK its values go
// into them and the file is written.
template <class Dialog>
bool ShowDoorDialog(Dialog& d, DoorSettings& s) {
  if (!dlg::ShowModal(d)) return false;
  d.Apply(s);
  WriteDoorSettings(s);
  return true;
}

const char* DoorGuide(int32 k, int32 count) {
  using namespace openingkind;
  switch (k) {
    case WallOpening:
    case HangingDoor:
    case Garage: return "GUIDE: press ENTER when cursor is between wall lines";
    case Folding: return "GUIDE: press ENTER when cursor is nearer the outside (facing) wall line";
    case HangingDoors: return "GUIDE: press ENTER with cursor cross on door HANGING side of wall";
    case InwallSlider:
    case InwallSliders:
      return "GUIDE: press ENTER when cursor nearer side doors slide along - for INWALL doors "
             "mark between lines";
    case EntryFrame:
      if (count >= 2)
        return "GUIDE: press ENTER with cursor on or between wall lines ( Entry doors open "
               "inwards on external walls )";
      break;
    case Wardrobe: return "GUIDE: press ENTER key when cursor is nearer wall side for folding doors";
    default: break;
  }
  return "GUIDE: press ENTER with cursor on or between wall lines";
}

}  // namespace

void TMDIChild::ChooseWindows() {
  WindowSettings s;
  if (!ReadWindowSettings(s)) {
    ReportOpeningSettingsUnreadable(cfgfile::Window);
    return CancelOpeningChain();
  }
  TTWindlg d;
  d.Load(s, MetricUnits == 1);
  if (!dlg::ShowModal(d)) return CancelOpeningChain();
  d.Apply(s);
  WriteWindowSettings(s);
  TWindowobjtool* t = OpeningTool();
  if (!t) return CancelOpeningChain();
  t->OpeningOption = d.Option();
  t->ChosenKind = d.Kind();
  t->Window = this;
  t->Execute(d.Width(), 1, 0);
  if (!t->Ready) return CancelOpeningChain();
  Guide("GUIDE: press ENTER with cursor between lines of the wall");
}

void TMDIChild::ChooseDoors() {
  using namespace openingkind;
  const bool metric = MetricUnits == 1;
  DoorSettings s;
  if (!ReadDoorSettings(s)) {
    ReportOpeningSettingsUnreadable(cfgfile::Door);
    return CancelOpeningChain();
  }
  TTExdoordlg door;
  door.Load(s, metric);
  if (!ShowDoorDialog(door, s)) return CancelOpeningChain();
  OpeningKind = door.type;
  const int32 width = door.Width();
  const int32 count = door.count;

  TWindowobjtool* t = OpeningTool();
  if (!t) return CancelOpeningChain();
  int32 opening = 0;
  switch (OpeningKind) {
    case HangingDoor: {
      Guide("GUIDE: For angled walls, just choose the closest door position");
      TTDoorplandlg plan;
      if (!dlg::ShowModal(plan)) return CancelOpeningChain();
      if (!(t = OpeningTool())) return CancelOpeningChain();
      t->Step = plan.view;
      break;
    }
    case InwallSlider: {
      TTSdoordlg slide;
      if (!dlg::ShowModal(slide)) return CancelOpeningChain();
      if (!(t = OpeningTool())) return CancelOpeningChain();
      t->Step = slide.view;
      t->Direction = slide.intoWall;
      break;
    }
    case InwallSliders:
    case Wardrobe: {
      TTRobedlg robe;
      robe.Load(s, metric);
      if (!ShowDoorDialog(robe, s)) return CancelOpeningChain();
      if (!(t = OpeningTool())) return CancelOpeningChain();
      opening = robe.OpeningWidth();
      t->Direction = robe.insideWalls;
      break;
    }
    case SideFrameSliders:
    case EntryFrame: {
      TTEntrydlg entry;
      entry.Load(s, metric);
      if (!ShowDoorDialog(entry, s)) return CancelOpeningChain();
      if (OpeningKind == EntryFrame && count == 1) {
        TTDoorplandlg plan;
        if (!dlg::ShowModal(plan)) return CancelOpeningChain();
        if (!(t = OpeningTool())) return CancelOpeningChain();
        t->Step = plan.view;
      }
      break;
    }
    case Folding: {
      TTFoldingdlg folding;
      folding.Load(s);
      if (!ShowDoorDialog(folding, s)) return CancelOpeningChain();
      break;
    }
    default: break;
  }
  if ((OpeningKind == InwallSliders || OpeningKind == Wardrobe) && 1LL * width * count < opening) {
    plat::ErrorBox(kTooWide, plat::mbCancel);
    return CancelOpeningChain();
  }
  if (!(t = OpeningTool())) return CancelOpeningChain();
  t->OpeningOption = door.Option();
  t->ChosenKind = OpeningKind;
  t->Window = this;
  t->Execute(width, 2, 0);
  if (!t->Ready) return CancelOpeningChain();
  Guide(DoorGuide(OpeningKind, count));
}
