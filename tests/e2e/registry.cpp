#include "e2e/registry.h"
#include "e2e/driver.h"

RegistryValue ReadInternetSetting(const char* name) {
    RegistryValue value;
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kInternetSettingsKey, 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS)
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
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kInternetSettingsKey, 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void RemoveProxyValues() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kInternetSettingsKey, 0, KEY_SET_VALUE, &key) !=
        ERROR_SUCCESS)
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
    if (RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\ieproxy.exe\\DllOverrides",
                      &key) != ERROR_SUCCESS)
        return;
    if (mode != nullptr)
        RegSetValueExA(key, dll, 0, REG_SZ, reinterpret_cast<const BYTE*>(mode),
                       static_cast<DWORD>(lstrlenA(mode) + 1));
    else
        RegDeleteValueA(key, dll);
    RegCloseKey(key);
}

namespace {
const char kWebBrowserServer[] =
    "Software\\Classes\\CLSID\\{8856F961-340A-11D0-A96B-00C04FD705A2}\\InprocServer32";
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

WebBrowserStandIn::WebBrowserStandIn() {
    const std::string dllPath =
        JoinPath(JoinPath(DriverFolder(), "web-browser-double"), "web_browser_double.dll");
    char value[MAX_PATH] = "";
    LONG size = sizeof value;
    if (RegQueryValueA(HKEY_LOCAL_MACHINE, kWebBrowserServer, value, &size) != ERROR_SUCCESS)
        return;
    // A run that was cut short may have left a stand-in registered.
    original_ = std::string(value).find("web_browser_double") == std::string::npos
                    ? value
                    : kPlatformWebBrowser;
    registered_ = SetDefaultValue(kWebBrowserServer, dllPath);
}

WebBrowserStandIn::~WebBrowserStandIn() {
    if (!original_.empty())
        SetDefaultValue(kWebBrowserServer, original_);
}

namespace {
std::string BackupOf(const std::string& key) {
    return "IeProxyTestBackup\\" + key;
}

bool KeyExists(HKEY root, const std::string& key) {
    HKEY opened;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
}

void CopyKey(const std::string& from, const std::string& to) {
    HKEY source, target;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, from.c_str(), 0, KEY_READ, &source) != ERROR_SUCCESS)
        return;
    if (RegCreateKeyA(HKEY_CLASSES_ROOT, to.c_str(), &target) == ERROR_SUCCESS) {
        RegCopyTreeA(source, nullptr, target);
        RegCloseKey(target);
    }
    RegCloseKey(source);
}
} // namespace

void ClassesChange::Keep(const std::string& key) {
    for (const auto& kept : kept_)
        if (kept.first == key)
            return;
    bool existed = KeyExists(HKEY_CLASSES_ROOT, key);
    if (existed) {
        RegDeleteTreeA(HKEY_CLASSES_ROOT, BackupOf(key).c_str());
        CopyKey(key, BackupOf(key));
    }
    kept_.push_back({key, existed});
}

bool ClassesChange::SetDefault(const std::string& key, const std::string& value) {
    Keep(key);
    return RegSetValueA(HKEY_CLASSES_ROOT, key.c_str(), REG_SZ, value.c_str(),
                        static_cast<DWORD>(value.size())) == ERROR_SUCCESS;
}

bool ClassesChange::Remove(const std::string& key) {
    Keep(key);
    RegDeleteTreeA(HKEY_CLASSES_ROOT, key.c_str());
    return !KeyExists(HKEY_CLASSES_ROOT, key);
}

bool ClassesChange::MakeEmpty(const std::string& key) {
    Remove(key);
    HKEY created;
    if (RegCreateKeyA(HKEY_CLASSES_ROOT, key.c_str(), &created) != ERROR_SUCCESS)
        return false;
    RegCloseKey(created);
    return true;
}

ClassesChange::~ClassesChange() {
    for (auto it = kept_.rbegin(); it != kept_.rend(); ++it) {
        RegDeleteTreeA(HKEY_CLASSES_ROOT, it->first.c_str());
        if (it->second) {
            CopyKey(BackupOf(it->first), it->first);
            RegDeleteTreeA(HKEY_CLASSES_ROOT, BackupOf(it->first).c_str());
        }
    }
    RegDeleteKeyA(HKEY_CLASSES_ROOT, "IeProxyTestBackup");
}
