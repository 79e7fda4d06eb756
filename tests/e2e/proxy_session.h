#pragma once
// A run of the program with a stand-in WinINet beside it, for the tests of the proxy switch.
#include <string>
#include "e2e/driver.h"

const int kProxyGroupId = 100, kAddressEditId = 120, kSetProxyButtonId = 130,
          kClearProxyButtonId = 140;

struct ProxyRun {
    ProgramSession program;
    HWND window = nullptr;
    std::string folder; // the program's own folder, with a double-byte name
    std::string log;    // what the stand-in WinINet recorded

    // Starts a copy of the program in a folder of its own with `wininet` (a folder of the test
    // DLLs, or "" for Wine's own WinINet) and the stand-in's mode.
    bool Start(const std::string& name, const std::string& wininet, const std::string& mode = "");
    HWND Control(int id) const;
    void Type(const std::string& text) const;
    void Click(int buttonId) const;
    // Clicks, waits for the result box, reads it and presses its OK.
    MessageBoxView ClickAndRead(int buttonId, bool* mainWindowWasDisabled = nullptr);
};
