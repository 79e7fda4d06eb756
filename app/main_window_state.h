#pragma once
#include <windows.h>
#include "app/control_order.h"

// What the main window keeps; it lives as long as the window.
struct MainWindowState {
    HWND window = nullptr;
    HWND controls[kControlCount] = {}; // in slot order
    HWND lastFocus = nullptr;          // the focus window when the main window was last deactivated
    bool loopRunning = false; // only then does the window's destruction end the message loop
};
