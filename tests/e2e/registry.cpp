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
