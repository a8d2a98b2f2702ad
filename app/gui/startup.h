// What the program finds around it at start, read from the system; and the windowed run.
#pragma once

#include "app/app.h"

namespace viv {

// The current directory (or the program's own, when the photograph lies only there),
// the system's decimal point and list separator, and the places of the set-up file.
StartupEnvironment SystemStartupEnvironment();

// Creates the main window, the memo and the table window and runs the message loop.
int RunMainWindow(const Catalogue& catalogue);

}  // namespace viv
