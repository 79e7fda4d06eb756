// Measures what the program costs, side by side with yardsticks run in the same session, and
// prints a table (also written to build/benchmarks.md). Ratios, not absolute times, are the
// figures to compare across machines.
#include <windows.h>
#include <psapi.h>
#include <winternl.h>
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>
#include "e2e/driver.h"
#include "program_facts.h"
#include "e2e/proxy_session.h"
#include "e2e/registry.h"

namespace {
const int kStartRuns = 9;
const int kClickSessions = 5;
const int kLaterClicks = 5;
const int kBareRuns = 200;
const int kSoakCycles = 500;

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Stats {
    double median = 0, low = 0, high = 0;
    size_t runs = 0;
};

Stats Summarise(std::vector<double> values) {
    Stats stats;
    if (values.empty())
        return stats;
    std::sort(values.begin(), values.end());
    stats.runs = values.size();
    stats.low = values.front();
    stats.high = values.back();
    size_t middle = values.size() / 2;
    stats.median = values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
    return stats;
}

bool Poll(const std::function<bool()>& condition, DWORD timeout = kWaitMilliseconds) {
    double end = Now() + timeout;
    while (Now() < end) {
        if (condition())
            return true;
        Sleep(1);
    }
    return false;
}

// From process creation to the main window visible with the focus in its edit box.
double StartUpMilliseconds(const LaunchOptions& options, const char* windowClass) {
    ProgramSession program;
    double start = Now();
    if (!program.Launch(options))
        return -1;
    bool ready = Poll([&] {
        HWND window = program.FindTopLevel(windowClass);
        HWND focus = window ? program.Focus() : nullptr;
        return focus != nullptr && ClassOf(focus) == "Edit";
    });
    double elapsed = Now() - start;
    PostMessageA(program.FindTopLevel(windowClass), WM_CLOSE, 0, 0);
    DWORD exitCode;
    program.WaitForExit(&exitCode);
    return ready ? elapsed : -1;
}

std::vector<double> RepeatStartUp(const LaunchOptions& options, const char* windowClass) {
    std::vector<double> times;
    StartUpMilliseconds(options, windowClass); // warm the file cache and Wine's own start
    for (int run = 0; run < kStartRuns; ++run)
        times.push_back(StartUpMilliseconds(options, windowClass));
    return times;
}

// From the click on 设置代理 to the result box, in one session: the first click and later ones.
void MeasureClicks(std::vector<double>* first, std::vector<double>* later) {
    for (int session = 0; session < kClickSessions; ++session) {
        ProgramSession program;
        if (!program.Launch())
            continue;
        HWND window = program.WaitForMainWindow();
        HWND group = ChildById(window, kProxyGroupId);
        SendMessageA(ChildById(group, kAddressEditId), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>("10.0.0.1:8080"));
        for (int click = 0; click <= kLaterClicks; ++click) {
            double start = Now();
            PostMessageA(ChildById(group, kSetProxyButtonId), BM_CLICK, 0, 0);
            HWND box = nullptr;
            Poll([&] { return (box = program.FindTopLevel(kMessageBoxClass)) != nullptr; });
            double elapsed = Now() - start;
            (click == 0 ? first : later)->push_back(elapsed);
            PressOk(box);
            Poll([&] { return !IsWindow(box); });
        }
        PostMessageA(window, WM_CLOSE, 0, 0);
        DWORD exitCode;
        program.WaitForExit(&exitCode);
    }
}

// The same two registry writes and two WinINet calls, in a tight loop in this process.
double BareActionMilliseconds() {
    using SetOption = BOOL(WINAPI*)(void*, DWORD, void*, DWORD);
    HMODULE winInet = LoadLibraryA("wininet.dll");
    auto setOption = reinterpret_cast<SetOption>(
        reinterpret_cast<void*>(GetProcAddress(winInet, "InternetSetOptionA")));
    if (setOption == nullptr)
        return -1;
    const DWORD on = 1;
    const char server[] = "10.0.0.1:8080";
    unsigned char record[24] = {};
    double start = Now();
    for (int run = 0; run < kBareRuns; ++run) {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kInternetSettingsKey, 0, KEY_WRITE, &key) ==
            ERROR_SUCCESS) {
            RegSetValueExA(key, "ProxyEnable", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&on),
                           sizeof on);
            RegCloseKey(key);
        }
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kInternetSettingsKey, 0, KEY_WRITE, &key) ==
            ERROR_SUCCESS) {
            RegSetValueExA(key, "ProxyServer", 0, REG_SZ, reinterpret_cast<const BYTE*>(server),
                           sizeof server);
            RegCloseKey(key);
        }
        if (setOption(nullptr, 39, record, sizeof record))
            setOption(nullptr, 37, nullptr, 0);
    }
    double elapsed = (Now() - start) / kBareRuns;
    FreeLibrary(winInet);
    return elapsed;
}

// What the program holds: its GDI objects and windows (counted inside it by the probe: Wine's
// GetGuiResources is a stub), its kernel handles (from the system's handle list) and its memory.
struct Holdings {
    int gdiObjects = -1;
    int windows = -1;
    long handles = -1;
    double memoryKiB = -1;
};

// The entries of the system's handle list (SystemExtendedHandleInformation) that `processId` owns.
long HandleCount(DWORD processId) {
    struct Entry {
        PVOID object;
        ULONG_PTR processId;
        ULONG_PTR handle;
        ULONG access;
        USHORT backTrace;
        USHORT type;
        ULONG attributes;
        ULONG reserved;
    };
    struct List {
        ULONG_PTR count;
        ULONG_PTR reserved;
        Entry entries[1];
    };
    const auto kExtendedHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(64);
    using Query = NTSTATUS(WINAPI*)(SYSTEM_INFORMATION_CLASS, PVOID, ULONG, PULONG);
    auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    if (query == nullptr)
        return -1;
    std::vector<BYTE> buffer(1 << 20);
    for (int attempt = 0; attempt < 6; ++attempt) {
        ULONG needed = 0;
        NTSTATUS status = query(kExtendedHandleInformation, buffer.data(),
                                static_cast<ULONG>(buffer.size()), &needed);
        if (status == 0) {
            auto list = reinterpret_cast<const List*>(buffer.data());
            long count = 0;
            for (ULONG_PTR i = 0; i < list->count; ++i)
                count += list->entries[i].processId == processId ? 1 : 0;
            return count;
        }
        buffer.resize(buffer.size() * 2);
    }
    return -1;
}

Holdings ReadHoldings(ProgramSession& program, HWND window) {
    Holdings holdings;
    std::vector<std::string> report = program.Probe(window, kProbeResources);
    int gdiCheck = 0;
    if (!report.empty())
        std::sscanf(report[0].c_str(), "resources gdi=%d gdicheck=%d windows=%d",
                    &holdings.gdiObjects, &gdiCheck, &holdings.windows);
    if (gdiCheck != 1)
        holdings.gdiObjects = -1; // the table did not follow a new brush: not a count to trust
    holdings.handles = HandleCount(GetProcessId(program.Process()));
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(program.Process(), &counters, sizeof counters))
        holdings.memoryKiB = static_cast<double>(counters.PagefileUsage) / 1024.0;
    return holdings;
}

// Many set/clear cycles, each with its result box, with the stand-in WinINet that takes both
// calls: what the program holds after one warm-up cycle, and after all of them.
bool Soak(Holdings* before, Holdings* after, double* seconds) {
    ProxyRun run;
    if (!run.Start("soak", "fake-wininet"))
        return false;
    run.Type("10.0.0.1:8080");
    run.ClickAndRead(kSetProxyButtonId); // binds WinINet and loads what the boxes need
    run.ClickAndRead(kClearProxyButtonId);
    *before = ReadHoldings(run.program, run.window);
    double start = Now();
    for (int cycle = 0; cycle < kSoakCycles; ++cycle) {
        if (run.ClickAndRead(kSetProxyButtonId).text != "代理设置成功！" ||
            run.ClickAndRead(kClearProxyButtonId).text != "已取消代理！")
            return false;
    }
    *seconds = (Now() - start) / 1000.0;
    *after = ReadHoldings(run.program, run.window);
    return true;
}

__attribute__((format(printf, 1, 2))) std::string Format(const char* format, ...) {
    char text[128];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    return text;
}

std::string Row(const std::string& what, const Stats& stats) {
    return "| " + what + " | " + Format("%.1f", stats.median) + " | " +
           Format("%.1f - %.1f", stats.low, stats.high) + " | " + std::to_string(stats.runs) + " |";
}
} // namespace

int main() {
    std::string root = BuildFolder();
    LaunchOptions ieproxy;
    LaunchOptions baseline;
    baseline.folder = JoinPath(DriverFolder(), "bench");
    baseline.program = "baseline_window.exe";
    DllOverride wineWinInet("wininet", nullptr);

    std::printf("start-up ...\n");
    Stats baselineStart = Summarise(RepeatStartUp(baseline, "BaselineWindow"));
    Stats programStart = Summarise(RepeatStartUp(ieproxy, kMainWindowClass));
    Stats standInStart;
    {
        WebBrowserStandIn standIn;
        standInStart = Summarise(RepeatStartUp(ieproxy, kMainWindowClass));
    }
    std::printf("set-proxy clicks ...\n");
    std::vector<double> firstClicks, laterClicks;
    MeasureClicks(&firstClicks, &laterClicks);
    Stats first = Summarise(firstClicks), later = Summarise(laterClicks);
    std::vector<double> bareRuns;
    for (int run = 0; run < 5; ++run)
        bareRuns.push_back(BareActionMilliseconds());
    Stats bare = Summarise(bareRuns);
    std::printf("soak: %d set/clear cycles ...\n", kSoakCycles);
    Holdings before, after;
    double soakSeconds = 0;
    bool soaked = Soak(&before, &after, &soakSeconds);
    auto soakRow = [&](const char* what, double a, double b, const char* unit) {
        return std::string("| ") + what + " | " + Format("%.0f", a) + unit + " | " +
               Format("%.0f", b) + unit + " | " + Format("%+.0f", b - a) + " |";
    };
    std::string program32 = JoinPath(JoinPath(root, "win32"), "ieproxy.exe");
    WIN32_FILE_ATTRIBUTE_DATA attributes = {};
    GetFileAttributesExA(program32.c_str(), GetFileExInfoStandard, &attributes);

    std::vector<std::string> lines = {
        "| measure | median ms | spread (min - max) | runs |",
        "|---|---|---|---|",
        Row("start-up, baseline window with one edit box", baselineStart),
        Row("start-up, ieproxy (real WebBrowser control)", programStart),
        Row("start-up, ieproxy with a stand-in control (pane's control creation left out)",
            standInStart),
        Row("set proxy: first click to result box (binds WinINet)", first),
        Row("set proxy: later click to result box", later),
        Row("bare: two registry writes + two InternetSetOptionA", bare),
        "",
        "| ratio | value |",
        "|---|---|",
        "| start-up ieproxy / baseline | " +
            Format("%.2f", programStart.median / baselineStart.median) + " |",
        "| start-up ieproxy without the control's creation / baseline | " +
            Format("%.2f", standInStart.median / baselineStart.median) + " |",
        "| the control's creation, share of ieproxy's start-up | " +
            Format("%.0f%%",
                   100.0 * (programStart.median - standInStart.median) / programStart.median) +
            " |",
        "| first click / later click | " + Format("%.2f", first.median / later.median) + " |",
        "| later click / bare action | " + Format("%.1f", later.median / bare.median) + " |",
        "",
        "| soak: " + std::to_string(kSoakCycles) + " set/clear cycles with their result boxes (" +
            (soaked ? Format("%.0f s", soakSeconds) : std::string("FAILED")) +
            ") | before | after | change |",
        "|---|---|---|---|",
        soakRow("GDI objects (counted inside the program)", before.gdiObjects, after.gdiObjects,
                ""),
        soakRow("windows of the program (counted inside it)", before.windows, after.windows, ""),
        soakRow("kernel handles (system handle list)", before.handles, after.handles, ""),
        soakRow("memory (PagefileUsage)", before.memoryKiB, after.memoryKiB, " KiB"),
        "",
        "| program file | value |",
        "|---|---|",
        "| 32-bit program file, stripped | " + std::to_string(attributes.nFileSizeLow) + " bytes |",
    };
    std::string table;
    for (const std::string& line : lines)
        table += line + "\n";
    std::printf("\n%s", table.c_str());
    std::string path = JoinPath(root, "benchmarks.md");
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written;
        WriteFile(file, table.data(), static_cast<DWORD>(table.size()), &written, nullptr);
        CloseHandle(file);
    }
    return 0;
}
