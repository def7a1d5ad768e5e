// The picture export commands: the drawing window shown saves its picture.
#include "planwindow/childwin.h"
#include "shell/mainform.h"

void TMainForm::CmBmpExecute() {
  TMDIChild* child = ActiveChild();
  if (!child || !drawingOpen_) return;
  CurrentFunction = func::File;
  child->ExportImage(exportformat::Bmp);
}

void TMainForm::CmPngExecute() {
  TMDIChild* child = ActiveChild();
  if (!child || !drawingOpen_) return;
  CurrentFunction = func::File;
  child->ExportImage(exportformat::Png);
}
