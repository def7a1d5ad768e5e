// The text command of the plan window: the text style question, the text of
// a centred text, and a typed text whose starting point lay off the sheet.
#include "dialogs/drawing_dialogs.h"
#include "model/flist.h"
#include "planwindow/childwin.h"
#include "planwindow/routing_support.h"
#include "platform/ui.h"
#include "shell/mainform.h"
#include "tools/texttool.h"

using namespace routing;

namespace {

constexpr const char* kCentredPrompt =
    "GUIDE: click LEFT button on TEXT centre point - OR click on the Centre Centre icon if it "
    "will help to position the text";
constexpr const char* kTypedPrompt =
    "GUIDE: Press LEFT button on TEXT starting point - then type away - press Enter when "
    "finished ";
constexpr const char* kOffSheet =
    "the text starting point is off the drawing sheet - click LEFT button on a new starting "
    "point; the text typed is kept";

// The direction value of the text dialog that turns a text a quarter round.
constexpr int32 kQuarterTurnChoice = 1;
constexpr int32 kQuarterTurn = 900;

}  // namespace

void TMDIChild::StartText() {
  DrawingList.WriteDrawingFile(dtDrawing);
  TTTextdlg d;
  if (!dlg::ShowModal(d)) {
    if (MainForm) MainForm->SelectPickTool();
    return;
  }
  TDrawingtool* t = Tool();
  if (!t) return;
  int32 placement = d.Placement;
  if (placement == TTTextdlg::kTyped) {
    t->Type = tooltype::TypedText;
    Guide(kTypedPrompt);
  } else {
    Guide(kCentredPrompt);
  }
  if (placement == textplace::Centred && d.Direction == kTextUpright)
    placement = textplace::CentredUpright;
  t->CursorX = placement;
  t->Direction = d.Direction;
  t->X2 = d.Direction == kQuarterTurnChoice ? kQuarterTurn : 0;
  RestoreToolId = 0;  // no line of typed text has ended yet
}

bool TMDIChild::AskCentredText(std::string& text) {
  Ttextcentredlg d;
  if (!dlg::ShowModal(d)) return false;
  text = d.Text;
  return true;
}

void TMDIChild::TypedTextOffSheet() {
  plat::ErrorBox(kOffSheet, plat::mbOK);
  TDrawingtool* t = Tool();
  if (!t) return;
  t->Result = textresult::Stored;
  t->Step = toolstep::Idle;
  RestoreToolId = 0;
  Guide(kTypedPrompt);
}
