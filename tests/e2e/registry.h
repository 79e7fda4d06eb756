#pragma once
// The current user's proxy values, read and reset by the tests.
#include <windows.h>
#include <string>
#include <utility>
#include <vector>

const char kInternetSettingsKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

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

// How Wine loads `dll` into the program (ieproxy.exe): "native,builtin", "" (not at all), or
// nullptr for Wine's default. (A WINEDLLOVERRIDES variable set by the driver does not reach it.)
void SetProgramDllOverride(const char* dll, const char* mode);

// Registers `dllPath` as the WebBrowser control for as long as it lives, then puts the platform's
// registration back. (Wine's COM reads classes from the machine's registration only.)
class WebBrowserStandIn {
  public:
    WebBrowserStandIn(); // the test double built beside the driver
    ~WebBrowserStandIn();
    WebBrowserStandIn(const WebBrowserStandIn&) = delete;
    WebBrowserStandIn& operator=(const WebBrowserStandIn&) = delete;
    bool registered() const { return registered_; }

  private:
    bool registered_ = false;
    std::string original_;
};

// Changes to file associations under HKEY_CLASSES_ROOT for as long as it lives: each key that
// it touches is copied aside first and put back whole at the end; keys it creates are removed.
class ClassesChange {
  public:
    ClassesChange() = default;
    ~ClassesChange();
    ClassesChange(const ClassesChange&) = delete;
    ClassesChange& operator=(const ClassesChange&) = delete;
    // Sets the default value of `key` (created when missing).
    bool SetDefault(const std::string& key, const std::string& value);
    bool Remove(const std::string& key);
    // Makes `key` an empty key: there, but without a default value.
    bool MakeEmpty(const std::string& key);

  private:
    void Keep(const std::string& key);
    std::vector<std::pair<std::string, bool>> kept_; // key, and whether it existed
};
