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
void WriteInternetSetting(const char* name, DWORD number);

// How Wine loads `dll` into the program (ieproxy.exe), for as long as it lives: "native,builtin"
// (a file beside the program first), "" (not at all), or nullptr for Wine's default. (A
// WINEDLLOVERRIDES variable set by the driver does not reach the program.)
class DllOverride {
  public:
    DllOverride(const char* dll, const char* mode);
    ~DllOverride();
    DllOverride(const DllOverride&) = delete;
    DllOverride& operator=(const DllOverride&) = delete;

  private:
    std::string dll_;
};

// Refuses the current user KEY_SET_VALUE and KEY_CREATE_SUB_KEY on the Internet Settings key for
// as long as it lives (a deny entry put first in the key's permissions, as a locked-down machine
// has it), then puts the key's permissions back as they were.
class InternetSettingsWritesDenied {
  public:
    InternetSettingsWritesDenied();
    ~InternetSettingsWritesDenied();
    InternetSettingsWritesDenied(const InternetSettingsWritesDenied&) = delete;
    InternetSettingsWritesDenied& operator=(const InternetSettingsWritesDenied&) = delete;
    bool denied() const { return denied_; }

  private:
    std::vector<BYTE> original_; // the key's security descriptor, self-relative
    bool denied_ = false;
};

// The screen resolution, in dots per inch, that programs started while it lives get (the
// current user's LogPixels); the value before is put back at the end.
class ScreenDpi {
  public:
    explicit ScreenDpi(DWORD dpi);
    ~ScreenDpi();
    ScreenDpi(const ScreenDpi&) = delete;
    ScreenDpi& operator=(const ScreenDpi&) = delete;

  private:
    bool existed_ = false;
    DWORD original_ = 0;
};

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
