#pragma once
// A run of the real program under test: its files and folders, its process, and what its own
// thread can be asked through the probe.
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
