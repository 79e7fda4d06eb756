#include "proxy/proxy_actions.h"
#include <wininet.h> // INTERNET_PROXY_INFO and the option numbers only: WinINet is bound at run time
#include "app/fatal_error.h"
#include "app/window_text.h"
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

// Tells WinINet that its settings changed, and only when it took that, to reload them.
int NotifyProxyChange(INTERNET_PROXY_INFO* record) {
    auto internetSetOption = BindInternetSetOption(); // fatal when it cannot be bound
    if (!internetSetOption(nullptr, INTERNET_OPTION_SETTINGS_CHANGED, record, sizeof *record))
        return 0;
    return internetSetOption(nullptr, INTERNET_OPTION_REFRESH, nullptr, 0) ? 1 : 0;
}
} // namespace

int SetProxy(const char* server) {
    INTERNET_PROXY_INFO record = {}; // never filled in: WinINet re-reads the registry
    WriteRegistryItem(kProxyEnableItem, kProxyOn);
    WriteRegistryItem(kProxyServerItem, server != nullptr ? server : "");
    return NotifyProxyChange(&record);
}

int ClearProxy() {
    INTERNET_PROXY_INFO record = {};
    WriteRegistryItem(kProxyEnableItem, kProxyOff);
    return NotifyProxyChange(&record);
}

void OnSetProxyClicked(HWND addressEdit) {
    char* address = ReadWindowText(addressEdit);
    int ok = SetProxy(address);
    FreeAllocation(address);
    const char* outcome = ok ? "代理设置成功！" : "代理设置失败！";
    ShowInformationBox(outcome, outcome);
}

void OnClearProxyClicked() {
    ShowInformationBox(ClearProxy() ? "已取消代理！" : "取消代理失败！", "取消代理！");
}
