#include "e2e/driver.h"

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

void SendInputs(std::vector<INPUT>& inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Sleep(150);
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

INPUT KeyInput(WORD key, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
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
    WaitUntil([&] { return (window = FindTopLevel("WTWindow")) != nullptr; }, timeout);
    // let the first paint and the activation finish
    if (window != nullptr)
        WaitUntil([&] { return Focus() != nullptr; }, 2000);
    Sleep(200);
    return window;
}

HWND ProgramSession::WaitForMessageBox(DWORD timeout) {
    HWND box = nullptr;
    WaitUntil([&] { return (box = FindTopLevel("#32770")) != nullptr; }, timeout);
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

std::string ClassOf(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length))
        return "<no answer>";
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]),
                        SMTO_ABORTIFHUNG, 5000, &copied);
    text.resize(copied);
    return text;
}

RECT RectInParent(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    HWND parent = GetParent(window);
    if (parent != nullptr && (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::vector<HWND> ChildrenTopToBottom(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

HWND ChildById(HWND parent, int id) {
    for (HWND child : ChildrenTopToBottom(parent))
        if (GetDlgCtrlID(child) == id)
            return child;
    return nullptr;
}

std::string Hex(const std::string& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char value : bytes) {
        if (!hex.empty())
            hex += ' ';
        hex += digits[value >> 4];
        hex += digits[value & 15];
    }
    return hex;
}

MessageBoxView ReadMessageBox(HWND box) {
    const int kMessageTextId = 0xFFFF;
    MessageBoxView view;
    view.caption = TextOf(box);
    HWND text = GetDlgItem(box, kMessageTextId);
    view.text = text != nullptr ? TextOf(text) : "<no text>";
    return view;
}

void PressOk(HWND box) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
}

void PressKey(WORD key, bool shift, bool alt) {
    std::vector<INPUT> inputs;
    if (shift)
        inputs.push_back(KeyInput(VK_SHIFT, false));
    if (alt)
        inputs.push_back(KeyInput(VK_MENU, false));
    inputs.push_back(KeyInput(key, false));
    inputs.push_back(KeyInput(key, true));
    if (alt)
        inputs.push_back(KeyInput(VK_MENU, true));
    if (shift)
        inputs.push_back(KeyInput(VK_SHIFT, true));
    SendInputs(inputs);
}

bool BringToFront(HWND window) {
    SetForegroundWindow(window);
    return WaitUntil([&] { return GetForegroundWindow() == window; }, 5000);
}

COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
}

namespace {
bool Between(COLORREF pixel, COLORREF a, COLORREF b) {
    auto within = [](int value, int x, int y) {
        return value >= (x < y ? x : y) - 40 && value <= (x > y ? x : y) + 40;
    };
    return within(GetRValue(pixel), GetRValue(a), GetRValue(b)) &&
           within(GetGValue(pixel), GetGValue(a), GetGValue(b)) &&
           within(GetBValue(pixel), GetBValue(a), GetBValue(b));
}
} // namespace

PixelCount CountPixels(HWND window, COLORREF background, COLORREF text) {
    PixelCount count;
    RECT rect;
    GetWindowRect(window, &rect);
    HDC screen = GetDC(nullptr);
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x) {
            COLORREF pixel = GetPixel(screen, x, y);
            if (pixel == background)
                ++count.background;
            else if (Between(pixel, background, text))
                ++count.text;
            else
                ++count.foreign;
        }
    ReleaseDC(nullptr, screen);
    return count;
}

namespace {
void Xdotool(const std::string& arguments) {
    std::string commandLine = "/usr/bin/xdotool " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process)) {
        WaitForSingleObject(process.hProcess, 10000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    Sleep(200);
}
} // namespace

void MoveMouseTo(int x, int y) {
    Xdotool("mousemove " + std::to_string(x) + " " + std::to_string(y));
    // Wine passes a move of the X pointer on to the window that holds the capture only once a
    // move of its own input says so.
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = (x * 65536 + 32768) / GetSystemMetrics(SM_CXSCREEN);
    input.mi.dy = (y * 65536 + 32768) / GetSystemMetrics(SM_CYSCREEN);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
    Sleep(150);
}

// The buttons go through SendInput: after a button of xdotool's, Wine stops passing the
// pointer's moves to the window that holds the capture.
void LeftButton(bool down) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof input);
    Sleep(100);
}

void ClickAt(int x, int y, bool twice) {
    MoveMouseTo(x, y);
    for (int click = 0; click < (twice ? 2 : 1); ++click) {
        LeftButton(true);
        LeftButton(false);
    }
}

bool SaveScreenshot(const std::string& name) {
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header),
                                      DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    DWORD imageSize = static_cast<DWORD>(((width * 3 + 3) & ~3) * height);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + imageSize;
    std::string path = JoinPath(BuildFolder(), name + ".bmp");
    HANDLE out = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    bool saved = false;
    if (out != INVALID_HANDLE_VALUE) {
        DWORD written;
        saved = WriteFile(out, &file, sizeof file, &written, nullptr) &&
                WriteFile(out, &header, sizeof header, &written, nullptr) &&
                WriteFile(out, bits, imageSize, &written, nullptr);
        CloseHandle(out);
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return saved;
}
