#pragma once
#include <windows.h>
#include "base/scoped_win.h"

// The whole window text of `window` in a buffer of the caller's own. An empty text gives "".
// Memory that cannot be had is fatal.
OwnedText ReadWindowText(HWND window);
