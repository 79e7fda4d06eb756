#include "e2e/registry.h"

RegistryValue ReadInternetSetting(const char* name) {
    RegistryValue value;
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kInternetSettingsKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return value;
    DWORD size = 0;
    if (RegQueryValueExA(key, name, nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
        value.data.resize(size);
        if (RegQueryValueExA(key, name, nullptr, &value.type,
                             reinterpret_cast<BYTE*>(&value.data[0]), &size) == ERROR_SUCCESS) {
            value.exists = true;
            value.data.resize(size);
        }
    }
    RegCloseKey(key);
    return value;
}

DWORD AsDword(const RegistryValue& value) {
    DWORD number = 0xFFFFFFFF;
    if (value.data.size() == sizeof number)
        CopyMemory(&number, value.data.data(), sizeof number);
    return number;
}

bool InternetSettingsKeyExists() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kInternetSettingsKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void RemoveProxyValues() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kInternetSettingsKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return;
    RegDeleteValueA(key, "ProxyEnable");
    RegDeleteValueA(key, "ProxyServer");
    RegCloseKey(key);
}

void RemoveInternetSettingsKey() {
    RegDeleteTreeA(HKEY_CURRENT_USER, kInternetSettingsKey);
}

void WriteInternetSetting(const char* name, const std::string& text) {
    HKEY key;
    if (RegCreateKeyA(HKEY_CURRENT_USER, kInternetSettingsKey, &key) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
}

void SetProgramDllOverride(const char* dll, const char* mode) {
    HKEY key;
    if (RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\ieproxy.exe\\DllOverrides", &key) != ERROR_SUCCESS)
        return;
    if (mode != nullptr)
        RegSetValueExA(key, dll, 0, REG_SZ, reinterpret_cast<const BYTE*>(mode), static_cast<DWORD>(lstrlenA(mode) + 1));
    else
        RegDeleteValueA(key, dll);
    RegCloseKey(key);
}

namespace {
const char kWebBrowserServer[] = "Software\\Classes\\CLSID\\{8856F961-340A-11D0-A96B-00C04FD705A2}\\InprocServer32";
const char kPlatformWebBrowser[] = "C:\\windows\\system32\\ieframe.dll";

bool SetDefaultValue(const char* keyPath, const std::string& value) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return false;
    bool set = RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                              static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
    RegCloseKey(key);
    return set;
}
} // namespace

WebBrowserStandIn::WebBrowserStandIn(const std::string& dllPath) {
    char value[MAX_PATH] = "";
    LONG size = sizeof value;
    if (RegQueryValueA(HKEY_LOCAL_MACHINE, kWebBrowserServer, value, &size) != ERROR_SUCCESS)
        return;
    // A run that was cut short may have left a stand-in registered.
    original_ = std::string(value).find("web_browser_double") == std::string::npos ? value : kPlatformWebBrowser;
    registered_ = SetDefaultValue(kWebBrowserServer, dllPath);
}

WebBrowserStandIn::~WebBrowserStandIn() {
    if (!original_.empty())
        SetDefaultValue(kWebBrowserServer, original_);
}
