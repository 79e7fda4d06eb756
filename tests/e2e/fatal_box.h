#pragma once
// The fatal end of the program, as a user sees it: an error box of its own, then exit code -1.
#include <string>
#include "e2e/driver.h"

// Checks the form of the program's error box `box` (caption "错误", the error icon, a single OK
// button, no owner, the process waiting for it) and returns what it says.
MessageBoxView CheckFatalBox(ProgramSession& program, HWND box);

// Presses the error box's OK and checks that the process then ends with exit code -1.
void DismissFatalBox(ProgramSession& program, HWND box);

// The whole fatal end of a start-up: waits for the error box, checks that no main window is
// shown and that the box is the fatal box saying `text`, dismisses it, checks the exit code.
void ExpectFatalEnd(ProgramSession& program, const std::string& text);
