#pragma once
// The fatal end of the program, as a user sees it: an error box of its own, then exit code -1.
#include <string>
#include "e2e/driver.h"

// Waits for the program's error box and checks it whole (caption "错误", `text`, the error icon,
// a single OK button, no owner, and no main window shown), presses OK and checks that the
// process then ends with exit code -1.
void ExpectFatalEnd(ProgramSession& program, const std::string& text);
