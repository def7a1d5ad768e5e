#include "shell/mainform.h"

void TMainForm::CmPrintpartExecute() {}
void TMainForm::PrintPart() {}
