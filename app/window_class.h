#pragma once
#include <windows.h>

// Registers a window class of ours (no icon) unless this process has registered it already. Every
// class of ours takes double clicks and redraws whole on a change of size.
bool RegisterWindowClass(const char* className, WNDPROC procedure, HCURSOR cursor,
                         HBRUSH background);
