#pragma once
#include <windows.h>

// The controls of the main window in their fixed order, which decides their stacking (an earlier
// control lies above a later one among siblings) and, reversed, the tab cycle.
enum ControlSlot {
    kWebPaneSlot,
    kDownloadLinkSlot,
    kUsageLabelSlot,
    kNoRestartLabelSlot,
    kClearProxyButtonSlot,
    kSetProxyButtonSlot,
    kAddressEditSlot,
    kAddressLabelSlot,
    kProxyGroupSlot,
    kControlCount
};

// What the main window keeps; it lives as long as the window.
struct MainWindowState {
    HWND window = nullptr;
    HWND controls[kControlCount] = {};
    HWND lastFocus = nullptr; // the focus window when the main window was last deactivated
    bool loopRunning = false; // only then does the window's destruction end the message loop
};

// Builds and shows the main window with all of its controls. On failure nothing is left of it.
bool BuildMainWindow(MainWindowState* state);
