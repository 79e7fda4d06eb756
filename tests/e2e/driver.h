#pragma once
// Drives the real program from outside, through the Windows API, as a user's Windows sees it.
#include <windows.h>
#include <functional>
#include <string>
#include <vector>
#include "fixtures/probe_commands.h"

const DWORD kWaitMilliseconds = 20000;

// Polls `condition` until it holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeout = kWaitMilliseconds);

std::string DriverFolder();  // where this driver and the test DLLs are
std::string ProgramFolder(); // where the 64-bit program was built (build\win64)
std::string BuildFolder();   // the build tree that holds it (build)
std::string JoinPath(const std::string& folder, const std::string& name);

// The file that the probe's kProbeSetText reads.
std::string ProbeInputPath();

// A fresh folder of this test's own (emptied when it exists) under the driver's folder.
std::string MakeTestFolder(const std::string& name);
// A copy of the program of `programFolder` in `folder`, with the given test DLLs (paths) beside it.
bool CopyProgramInto(const std::string& folder, const std::vector<std::string>& extraFiles = {},
                     const std::string& programFolder = ProgramFolder());
std::string ReadFileText(const std::string& path);
std::vector<std::string> ReadLines(const std::string& path);

struct LaunchOptions {
    std::string folder;                   // the program's folder; default: where it was built
    std::string program = "ieproxy.exe";  // the program file in that folder
    std::vector<std::string> environment; // NAME=value set for the program only
    bool refuseMainWindow = false;        // a WH_CBT hook refuses the main window's creation
};

// One run of the program. What is still running when the session ends is terminated.
class ProgramSession {
  public:
    ProgramSession() = default;
    ~ProgramSession();
    ProgramSession(const ProgramSession&) = delete;
    ProgramSession& operator=(const ProgramSession&) = delete;

    bool Launch(const LaunchOptions& options = {});
    HWND WaitForMainWindow(DWORD timeout = kWaitMilliseconds);
    HANDLE Process() const { return info_.hProcess; }
    HWND WaitForMessageBox(DWORD timeout = kWaitMilliseconds);
    // The visible top-level window of `className` of this process, or null.
    HWND FindTopLevel(const char* className) const;
    bool WaitForExit(DWORD* exitCode, DWORD timeout = kWaitMilliseconds);
    bool IsRunning() const;
    HWND Focus() const; // the program's focus window
    // What the program's own thread reads or does for `command` (see probe_commands.h), the
    // report's lines without its closing "end". kProbeDescribe: one line a window ("window id=...
    // class=... classstyle=... brush=... font=... cursor=..."), icons first.
    std::vector<std::string> Probe(HWND window, ProbeCommand command = kProbeDescribe);
    // The message box's icon and buttons, as its own thread sees them: "box icon=... buttons=...".
    std::string DescribeMessageBox(HWND box);
    DWORD ThreadId() const { return info_.dwThreadId; }

  private:
    PROCESS_INFORMATION info_ = {};
    HMODULE hookModule_ = nullptr;
    HHOOK hook_ = nullptr;
};

// Windows and texts.
std::string ClassOf(HWND window);
std::string TextOf(HWND window); // bytes in the program's code page
RECT RectInParent(HWND window);  // relative to the parent's client area (screen for top-level)
std::vector<HWND> ChildrenTopToBottom(HWND parent);
HWND ChildById(HWND parent, int id);
std::string Hex(const std::string& bytes);

// A message box of the program.
struct MessageBoxView {
    std::string caption;
    std::string text;
};
MessageBoxView ReadMessageBox(HWND box);
void PressOk(HWND box);

// Input, as a user gives it, to the foreground window.
void PressKey(WORD key, bool shift = false, bool alt = false);
bool BringToFront(HWND window);
COLORREF ScreenPixel(int x, int y);
// The pixels of a window on the screen: those of the background colour, those of smoothed text
// in `text` (every channel between the two colours), and foreign ones (anything else).
struct PixelCount {
    int background = 0;
    int text = 0;
    int foreign = 0;
};
PixelCount CountPixels(HWND window, COLORREF background, COLORREF text);
// The real pointer of the X display, moved and pressed by xdotool (Wine starts Linux programs),
// as a user's mouse does it: Wine's own notion of the pointer follows the X pointer.
void MoveMouseTo(int x, int y);
void ClickAt(int x, int y, bool twice = false); // the left button
void LeftButton(bool down);
// Saves the whole screen as a BMP file in the build folder (the test script turns it into PNG).
bool SaveScreenshot(const std::string& name);
