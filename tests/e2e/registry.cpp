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
    RegSetKeyValueA(HKEY_CURRENT_USER, kInternetSettingsKey, name, REG_SZ, text.c_str(),
                    static_cast<DWORD>(text.size() + 1));
}

void WriteInternetSetting(const char* name, DWORD number) {
    RegSetKeyValueA(HKEY_CURRENT_USER, kInternetSettingsKey, name, REG_DWORD, &number,
                    sizeof number);
}

namespace {
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

// The current user's security identifier, in `buffer`.
PSID CurrentUser(std::vector<BYTE>* buffer) {
    HANDLE token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return nullptr;
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    buffer->resize(size);
    bool read = size > 0 && GetTokenInformation(token, TokenUser, buffer->data(), size, &size);
    CloseHandle(token);
    return read ? reinterpret_cast<TOKEN_USER*>(buffer->data())->User.Sid : nullptr;
}

const char kDesktopKey[] = "Control Panel\\Desktop";
} // namespace

DllOverride::DllOverride(const char* dll, const char* mode) : dll_(dll) {
    SetProgramDllOverride(dll, mode);
}

DllOverride::~DllOverride() {
    SetProgramDllOverride(dll_.c_str(), nullptr);
}

InternetSettingsWritesDenied::InternetSettingsWritesDenied() {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kInternetSettingsKey, 0, nullptr, 0,
                        READ_CONTROL | WRITE_DAC, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    DWORD size = 0;
    RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, nullptr, &size);
    original_.resize(size);
    std::vector<BYTE> userBuffer;
    PSID user = CurrentUser(&userBuffer);
    BOOL present = FALSE, defaulted = FALSE;
    PACL dacl = nullptr;
    if (size == 0 || user == nullptr ||
        RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, original_.data(), &size) !=
            ERROR_SUCCESS ||
        !GetSecurityDescriptorDacl(original_.data(), &present, &dacl, &defaulted)) {
        original_.clear();
        RegCloseKey(key);
        return;
    }
    // The deny entry first, then what was allowed before (everything, when there was no list).
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
    DWORD aclSize = sizeof(ACL) + 2 * (sizeof(ACCESS_ALLOWED_ACE) + SECURITY_MAX_SID_SIZE) +
                    (present && dacl != nullptr ? dacl->AclSize : 0);
    std::vector<BYTE> aclBuffer(aclSize);
    auto acl = reinterpret_cast<PACL>(aclBuffer.data());
    bool built = InitializeAcl(acl, aclSize, ACL_REVISION) &&
                 AddAccessDeniedAce(acl, ACL_REVISION, KEY_SET_VALUE | KEY_CREATE_SUB_KEY, user);
    if (present && dacl != nullptr) {
        for (DWORD i = 0; built && i < dacl->AceCount; ++i) {
            void* ace = nullptr;
            built = GetAce(dacl, i, &ace) && AddAce(acl, ACL_REVISION, MAXDWORD, ace,
                                                    reinterpret_cast<ACE_HEADER*>(ace)->AceSize);
        }
    } else {
        built = built && everyone != nullptr &&
                AddAccessAllowedAce(acl, ACL_REVISION, KEY_ALL_ACCESS, everyone);
    }
    SECURITY_DESCRIPTOR descriptor;
    denied_ = built && InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) &&
              SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE) &&
              RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &descriptor) == ERROR_SUCCESS;
    if (everyone != nullptr)
        FreeSid(everyone);
    RegCloseKey(key);
}

InternetSettingsWritesDenied::~InternetSettingsWritesDenied() {
    if (original_.empty())
        return;
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kInternetSettingsKey, 0, WRITE_DAC, &key) != ERROR_SUCCESS)
        return;
    RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, original_.data());
    RegCloseKey(key);
}

ScreenDpi::ScreenDpi(DWORD dpi) {
    DWORD size = sizeof original_;
    existed_ = RegGetValueA(HKEY_CURRENT_USER, kDesktopKey, "LogPixels", RRF_RT_REG_DWORD, nullptr,
                            &original_, &size) == ERROR_SUCCESS;
    RegSetKeyValueA(HKEY_CURRENT_USER, kDesktopKey, "LogPixels", REG_DWORD, &dpi, sizeof dpi);
}

ScreenDpi::~ScreenDpi() {
    if (existed_)
        RegSetKeyValueA(HKEY_CURRENT_USER, kDesktopKey, "LogPixels", REG_DWORD, &original_,
                        sizeof original_);
    else
        RegDeleteKeyValueA(HKEY_CURRENT_USER, kDesktopKey, "LogPixels");
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
