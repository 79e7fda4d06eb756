#pragma once
#include <windows.h>

// The whole window text of `window` in a buffer that belongs to the caller, who frees it with
// FreeAllocation. An empty text gives "". Memory that cannot be had is fatal.
char* ReadWindowText(HWND window);
