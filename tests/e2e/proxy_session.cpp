#include "e2e/proxy_session.h"
#include <wininet.h>
#include "e2e/registry.h"

bool ProxyRun::Start(const std::string& name, const std::string& wininet, const std::string& mode) {
    // "乗" (81 5C): the folder's name ends in a byte that looks like a backslash.
    folder = MakeTestFolder(name + "-乗");
    log = JoinPath(folder, "wininet.log");
    std::vector<std::string> extra;
    bool standIn = !wininet.empty() && wininet != kNoWinInet;
    if (standIn)
        extra.push_back(JoinPath(JoinPath(DriverFolder(), wininet), "Wininet.dll"));
    if (!CopyProgramInto(folder, extra))
        return false;
    LaunchOptions options;
    options.folder = folder;
    options.environment = {"FAKE_WININET_LOG=" + log, "FAKE_WININET_MODE=" + mode};
    // Wine hands out its own WinINet even for a full path unless told, for this program, to
    // prefer the file.
    wininetOverride.reset(new DllOverride("wininet", standIn                 ? "native,builtin"
                                                     : wininet == kNoWinInet ? ""
                                                                             : nullptr));
    if (!program.Launch(options))
        return false;
    window = program.WaitForMainWindow();
    return window != nullptr;
}

HWND ProxyRun::Control(int id) const {
    return ChildById(ChildById(window, kProxyGroupId), id);
}

void ProxyRun::Type(const std::string& text) const {
    SendMessageA(Control(kAddressEditId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void ProxyRun::Click(int buttonId) const {
    PostMessageA(Control(buttonId), BM_CLICK, 0, 0);
}

MessageBoxView ClickAndReadBox(ProgramSession& program, HWND button, BoxDetails* details,
                               DWORD timeout) {
    PostMessageA(button, BM_CLICK, 0, 0);
    HWND box = program.WaitForMessageBox(timeout);
    if (box == nullptr)
        return {"<no box>", "<no box>"};
    MessageBoxView view = ReadMessageBox(box);
    if (details != nullptr) {
        details->mainWindowWasDisabled = !IsWindowEnabled(GetAncestor(button, GA_ROOT));
        if (details->describe)
            details->parts = program.DescribeMessageBox(box);
        if (details->screenshot != nullptr) {
            Sleep(300); // let the box paint
            SaveScreenshot(details->screenshot);
        }
    }
    PressOk(box);
    WaitUntil([&] { return !IsWindow(box); }, timeout);
    return view;
}

MessageBoxView ProxyRun::ClickAndRead(int buttonId, BoxDetails* details) {
    return ClickAndReadBox(program, Control(buttonId), details);
}

std::string SettingsChangedCall(const std::string& folder, size_t recordLength) {
    return "call handle=null option=39 buffer=zero length=" + std::to_string(recordLength) +
           " cwd=" + folder;
}

std::string RefreshCall(const std::string& folder) {
    return "call handle=null option=37 buffer=null length=0 cwd=" + folder;
}

bool PlatformWinInetTakesTheChange() {
    HMODULE library = LoadLibraryA("wininet.dll");
    if (library == nullptr)
        return false;
    auto setOption = reinterpret_cast<decltype(&InternetSetOptionA)>(
        reinterpret_cast<void*>(GetProcAddress(library, "InternetSetOptionA")));
    INTERNET_PROXY_INFO record = {};
    bool takes = setOption != nullptr &&
                 setOption(nullptr, INTERNET_OPTION_SETTINGS_CHANGED, &record, sizeof record) &&
                 setOption(nullptr, INTERNET_OPTION_REFRESH, nullptr, 0);
    FreeLibrary(library);
    return takes;
}
