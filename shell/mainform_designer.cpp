#include "shell/mainform.h"

void TMainForm::CmEasyDrawExecute() {}
void TMainForm::CmStairsExecute() {}
void TMainForm::RunFixtureDesigner() {}
