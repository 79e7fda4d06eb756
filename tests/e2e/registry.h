#pragma once
// The current user's proxy values, read and reset by the tests.
#include <windows.h>
#include <string>

const char kInternetSettingsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

struct RegistryValue {
    bool exists = false;
    DWORD type = REG_NONE;
    std::string data; // the raw bytes, as stored
};

RegistryValue ReadInternetSetting(const char* name);
DWORD AsDword(const RegistryValue& value);
bool InternetSettingsKeyExists();
// The known state a test starts from: neither proxy value is there.
void RemoveProxyValues();
void RemoveInternetSettingsKey();
void WriteInternetSetting(const char* name, const std::string& text);
