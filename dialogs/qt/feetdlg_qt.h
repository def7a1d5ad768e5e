// The Qt face of the feet, inches and eighths dialog.
#pragma once

#include "dialogs/feetdlg.h"

// Installs the Qt dialog as the runner of TTFeetdlg (once, at start-up).
void InstallQtFeetDialog();
