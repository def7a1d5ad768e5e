// The temporary datum: the datum command waits for Enter on the new
// reference point; used again, it returns to the lowest wall corner.
#include "planwindow/childwin.h"
#include "planwindow/routing_support.h"
#include "shell/mainform.h"

void TMDIChild::StartTemporaryDatum() {
  if (ChildMode == childmode::KeyRouting || ChildMode == childmode::DatumPlaced) {
    routing::Guide("GUIDE: Select tool or function");
    ChildMode = childmode::Normal;
    ResetReference(childmode::Normal);
    return;
  }
  if (ChildMode >= childmode::DatumWaiting) return;
  if (TDrawingtool* t = routing::Tool()) t->State = toolstate::Idle;
  if (MainForm)
    MainForm->ShowAidPrompt(
        "Guide: TEMPORARY DATUM - press Enter key when cursor is on your new reference point");
  ChildMode = childmode::DatumWaiting;
}
