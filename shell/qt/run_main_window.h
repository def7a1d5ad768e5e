// The program's main window and its one message loop, as the program starts
// them: kept apart from main() so that how the program ends can be tried.
#pragma once

namespace plat {
class QtUi;
}

// Shows the main window over ui (its dialogs and printer installed) and runs
// the message loop until the window closes, whatever else is still open
// then; returns the loop's exit code.
int RunMainWindow(plat::QtUi& ui);
