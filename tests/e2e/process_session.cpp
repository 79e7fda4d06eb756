#include "e2e/process_session.h"
#include "e2e/window_reading.h"
#include "program_facts.h"

namespace {
std::string ModuleFolder() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\'));
}

struct FindRequest {
    DWORD processId;
    const char* className;
    HWND found;
};

BOOL CALLBACK FindTopLevelOf(HWND window, LPARAM param) {
    auto* request = reinterpret_cast<FindRequest*>(param);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == request->processId && IsWindowVisible(window) &&
        ClassOf(window) == request->className) {
        request->found = window;
        return FALSE;
    }
    return TRUE;
}

// The driver's environment block with `variables` (NAME=value) replacing or adding entries.
std::string EnvironmentWith(const std::vector<std::string>& variables) {
    std::vector<std::string> entries;
    char* block = GetEnvironmentStringsA();
    for (const char* entry = block; *entry != '\0'; entry += lstrlenA(entry) + 1)
        entries.push_back(entry);
    FreeEnvironmentStringsA(block);
    for (const std::string& variable : variables) {
        std::string name = variable.substr(0, variable.find('=') + 1);
        for (auto it = entries.begin(); it != entries.end();)
            it = lstrcmpiA(it->substr(0, name.size()).c_str(), name.c_str()) == 0
                     ? entries.erase(it)
                     : it + 1;
        entries.push_back(variable);
    }
    std::string environment;
    for (const std::string& entry : entries)
        environment += entry + '\0';
    return environment + '\0';
}

std::string ProbeFile(const char* name) {
    std::string folder = JoinPath(DriverFolder(), "run");
    CreateDirectoryA(folder.c_str(), nullptr);
    return JoinPath(folder, name);
}

std::string ProbeReportPath() {
    return ProbeFile("probe-report.txt");
}

} // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD timeout) {
    DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start > timeout)
            return false;
        Sleep(20);
    }
}

std::string DriverFolder() {
    return ModuleFolder();
}

std::string ProgramFolder() {
    std::string driver = ModuleFolder();
    return driver.substr(0, driver.find_last_of('\\'));
}

std::string BuildFolder() {
    std::string program = ProgramFolder();
    return program.substr(0, program.find_last_of('\\'));
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    return folder + "\\" + name;
}

std::string MakeTestFolder(const std::string& name) {
    std::string root = JoinPath(DriverFolder(), "run");
    CreateDirectoryA(root.c_str(), nullptr);
    std::string folder = JoinPath(root, name);
    CreateDirectoryA(folder.c_str(), nullptr);
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA(JoinPath(folder, "*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileA(JoinPath(folder, entry.cFileName).c_str());
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    return folder;
}

bool CopyProgramInto(const std::string& folder, const std::vector<std::string>& extraFiles,
                     const std::string& programFolder) {
    if (!CopyFileA(JoinPath(programFolder, "ieproxy.exe").c_str(),
                   JoinPath(folder, "ieproxy.exe").c_str(), FALSE))
        return false;
    for (const std::string& file : extraFiles) {
        std::string name = file.substr(file.find_last_of('\\') + 1);
        if (!CopyFileA(file.c_str(), JoinPath(folder, name).c_str(), FALSE))
            return false;
    }
    return true;
}

std::string ReadFileText(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "";
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        text.append(buffer, read);
    CloseHandle(file);
    return text;
}

std::vector<std::string> ReadLines(const std::string& path) {
    std::vector<std::string> lines;
    std::string text = ReadFileText(path);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

ProgramSession::~ProgramSession() {
    if (hook_ != nullptr)
        UnhookWindowsHookEx(hook_);
    if (hookModule_ != nullptr)
        FreeLibrary(hookModule_);
    if (info_.hProcess != nullptr) {
        if (IsRunning()) {
            TerminateProcess(info_.hProcess, 0xDEAD);
            WaitForSingleObject(info_.hProcess, kWaitMilliseconds);
        }
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
}

bool ProgramSession::Launch(const LaunchOptions& options) {
    std::string folder = options.folder.empty() ? ProgramFolder() : options.folder;
    std::string program = JoinPath(folder, options.program);
    std::vector<std::string> variables = options.environment;
    variables.push_back("IEPROXY_PROBE_REPORT=" + ProbeReportPath());
    variables.push_back("IEPROXY_PROBE_INPUT=" + ProbeInputPath());
    std::string environment = EnvironmentWith(variables);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + program + "\"";
    // The driver's own folder is the current directory the program starts in, so that its change
    // to its own folder shows.
    BOOL created =
        CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                       &environment[0], DriverFolder().c_str(), &startup, &info_);
    if (!created)
        return false;
    if (options.refuseMainWindow) {
        hookModule_ = LoadLibraryA(
            JoinPath(JoinPath(DriverFolder(), "hooks"), "refuse_main_window.dll").c_str());
        auto procedure = reinterpret_cast<HOOKPROC>(
            reinterpret_cast<void*>(GetProcAddress(hookModule_, "RefuseMainWindow")));
        if (procedure != nullptr)
            hook_ = SetWindowsHookExA(WH_CBT, procedure, hookModule_, 0);
        if (hook_ == nullptr)
            return false;
    }
    ResumeThread(info_.hThread);
    return true;
}

HWND ProgramSession::FindTopLevel(const char* className) const {
    FindRequest request = {info_.dwProcessId, className, nullptr};
    EnumWindows(FindTopLevelOf, reinterpret_cast<LPARAM>(&request));
    return request.found;
}

HWND ProgramSession::WaitForMainWindow(DWORD timeout) {
    HWND window = nullptr;
    WaitUntil([&] { return (window = FindTopLevel(kMainWindowClass)) != nullptr; }, timeout);
    // let the first paint and the activation finish
    if (window != nullptr)
        WaitUntil([&] { return Focus() != nullptr; }, 2000);
    Sleep(200);
    return window;
}

HWND ProgramSession::WaitForMessageBox(DWORD timeout) {
    HWND box = nullptr;
    WaitUntil([&] { return (box = FindTopLevel(kMessageBoxClass)) != nullptr; }, timeout);
    return box;
}

bool ProgramSession::WaitForExit(DWORD* exitCode, DWORD timeout) {
    if (WaitForSingleObject(info_.hProcess, timeout) != WAIT_OBJECT_0)
        return false;
    return GetExitCodeProcess(info_.hProcess, exitCode) != 0;
}

bool ProgramSession::IsRunning() const {
    return info_.hProcess != nullptr && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

HWND ProgramSession::Focus() const {
    GUITHREADINFO gui = {};
    gui.cbSize = sizeof gui;
    if (!GetGUIThreadInfo(info_.dwThreadId, &gui))
        return nullptr;
    return gui.hwndFocus;
}

std::string ProbeInputPath() {
    return ProbeFile("probe-input.txt");
}

std::vector<std::string> ProgramSession::Probe(HWND window, ProbeCommand command) {
    std::string report = ProbeReportPath();
    DeleteFileA(report.c_str());
    HMODULE probe = LoadLibraryA(JoinPath(JoinPath(DriverFolder(), "hooks"), "probe.dll").c_str());
    auto procedure =
        reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(probe, "ProbeHook")));
    HHOOK hook =
        procedure ? SetWindowsHookExA(WH_GETMESSAGE, procedure, probe, info_.dwThreadId) : nullptr;
    std::vector<std::string> lines;
    if (hook != nullptr) {
        PostMessageA(window, RegisterWindowMessageA("IeProxyProbe"), command, 0);
        WaitUntil(
            [&] {
                lines = ReadLines(report);
                return !lines.empty() && lines.back() == "end";
            },
            10000);
        UnhookWindowsHookEx(hook);
    }
    if (probe != nullptr)
        FreeLibrary(probe);
    if (!lines.empty() && lines.back() == "end")
        lines.pop_back();
    return lines;
}

std::string ProgramSession::DescribeMessageBox(HWND box) {
    std::vector<std::string> lines = Probe(box, kProbeMessageBox);
    return lines.empty() ? "<no report>" : lines[0];
}
