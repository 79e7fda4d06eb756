#pragma once
// A run of the program with a stand-in WinINet beside it, for the tests of the proxy switch.
#include <memory>
#include <string>
#include "e2e/driver.h"
#include "e2e/registry.h"
#include "program_facts.h"

// What else to do and read while a result box is open.
struct BoxDetails {
    bool describe = false;              // read the box's icon and buttons into `parts`
    const char* screenshot = nullptr;   // save a screenshot of the open box under this name
    bool mainWindowWasDisabled = false; // read: the box is task-modal
    std::string parts;                  // "box icon=... buttons=..."
};

// Clicks `button` of `program`, waits for the result box, reads it (and `details`), presses its
// OK and waits until it is gone.
MessageBoxView ClickAndReadBox(ProgramSession& program, HWND button, BoxDetails* details = nullptr,
                               DWORD timeout = kWaitMilliseconds);

// Which WinINet the program gets, besides a folder of test DLLs (a stand-in beside it).
const char kWineWinInet[] = "";     // Wine's own
const char kNoWinInet[] = "<none>"; // none at all: the library cannot be loaded

struct ProxyRun {
    std::unique_ptr<DllOverride> wininetOverride; // outlives the program, ends after it
    ProgramSession program;
    HWND window = nullptr;
    std::string folder; // the program's own folder, with a double-byte name
    std::string log;    // what the stand-in WinINet recorded

    // Starts a copy of the program in a folder of its own with `wininet` (a folder of the test
    // DLLs, kWineWinInet or kNoWinInet) and the stand-in's mode.
    bool Start(const std::string& name, const std::string& wininet, const std::string& mode = "");
    HWND Control(int id) const;
    void Type(const std::string& text) const;
    void Click(int buttonId) const;
    // ClickAndReadBox on one of the group's buttons.
    MessageBoxView ClickAndRead(int buttonId, BoxDetails* details = nullptr);
};

// The lines the stand-in WinINet writes for the two calls: a null handle, the option, a
// zero-filled record of `recordLength` bytes (or no buffer), and the program's current directory.
std::string SettingsChangedCall(const std::string& folder, size_t recordLength);
std::string RefreshCall(const std::string& folder);

// What the platform's own WinINet answers when it is told the way the program tells it:
// INTERNET_OPTION_SETTINGS_CHANGED with a zero-filled record, then INTERNET_OPTION_REFRESH. True
// when it takes both.
bool PlatformWinInetTakesTheChange();
