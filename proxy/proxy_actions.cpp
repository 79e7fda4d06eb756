#include "proxy/proxy_actions.h"
#include <wininet.h> // INTERNET_PROXY_INFO and the option numbers only: WinINet is bound at run time
#include "base/fatal_error.h"
#include "base/window_text.h"
#include "proxy/information_box.h"
#include "proxy/internet_settings.h"
#include "proxy/registry_writer.h"
#include "proxy/wininet_binding.h"

namespace {
const DWORD kProxyOn = 1;
const DWORD kProxyOff = 0;

#ifndef _WIN64
static_assert(sizeof(INTERNET_PROXY_INFO) == 12,
              "the 32-bit program hands WinINet a 12-byte record");
#endif

// WinINet that cannot be bound leaves the process nothing to go on with.
[[noreturn]] void FailUnboundWinInet() {
    char message[128];
    wsprintfA(message, "无法从 %s 载入函数 %s，程序将退出。", kWinInetLibrary,
              kInternetSetOptionName);
    FailFatally(message);
}

// Tells WinINet that its settings changed, and only when it took that, to reload them.
int NotifyProxyChange(INTERNET_PROXY_INFO* record) {
    auto internetSetOption = BindInternetSetOption();
    if (internetSetOption == nullptr)
        FailUnboundWinInet();
    if (!internetSetOption(nullptr, INTERNET_OPTION_SETTINGS_CHANGED, record, sizeof *record))
        return 0;
    return internetSetOption(nullptr, INTERNET_OPTION_REFRESH, nullptr, 0) ? 1 : 0;
}
} // namespace

// An action succeeds only when every value was stored and WinINet took the change: a refused
// write (a locked-down key) must not be reported as success. WinINet is told in any case, so that
// whatever was written is announced; nothing is rolled back.
int SetProxy(const char* server) {
    INTERNET_PROXY_INFO record = {}; // never filled in: WinINet re-reads the registry
    bool stored = WriteRegistryItem(kProxyEnableItem, kProxyOn) == 1;
    stored = WriteRegistryItem(kProxyServerItem, server != nullptr ? server : "") == 1 && stored;
    int notified = NotifyProxyChange(&record);
    return stored && notified == 1 ? 1 : 0;
}

int ClearProxy() {
    INTERNET_PROXY_INFO record = {};
    bool stored = WriteRegistryItem(kProxyEnableItem, kProxyOff) == 1;
    int notified = NotifyProxyChange(&record);
    return stored && notified == 1 ? 1 : 0;
}

void OnSetProxyClicked(HWND addressEdit) {
    int ok = 0;
    {
        OwnedText address = ReadWindowText(addressEdit); // freed before the box is shown
        ok = SetProxy(address.get());
    }
    const char* outcome = ok ? "代理设置成功！" : "代理设置失败！";
    ShowInformationBox(outcome, outcome);
}

void OnClearProxyClicked() {
    ShowInformationBox(ClearProxy() ? "已取消代理！" : "取消代理失败！", "取消代理！");
}
