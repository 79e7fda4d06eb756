#pragma once
#include <windows.h>

// Gives `window` the program's big and small icon from the icon group "DEFAULT_ICON". The two
// icons are loaded once per process and destroyed at its end (process_end.h).
void SetProgramIcons(HWND window);
