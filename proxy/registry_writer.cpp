#include "proxy/registry_writer.h"
#include "base/double_byte_text.h"
#include "base/scoped_win.h"

namespace {
// The item's key is opened for writing, or created when it cannot be opened.
int WriteItem(const char* itemPath, DWORD type, const BYTE* data, DWORD size) {
    char keyPath[MAX_PATH];
    const char* valueName = nullptr;
    if (!SplitItemPath(itemPath, keyPath, sizeof keyPath, &valueName))
        return 0;
    ScopedKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath, 0, KEY_WRITE, key.receive()) != ERROR_SUCCESS &&
        RegCreateKeyA(HKEY_CURRENT_USER, keyPath, key.receive()) != ERROR_SUCCESS)
        return 0;
    return RegSetValueExA(key.get(), valueName, 0, type, data, size) == ERROR_SUCCESS ? 1 : 0;
}
} // namespace

bool SplitItemPath(const char* itemPath, char* keyPath, size_t keyPathSize,
                   const char** valueName) {
    const char* backslash = FindLastBackslash(itemPath);
    size_t keyLength = backslash ? static_cast<size_t>(backslash - itemPath) : 0;
    if (keyLength >= keyPathSize)
        return false;
    CopyMemory(keyPath, itemPath, keyLength);
    keyPath[keyLength] = '\0';
    *valueName = backslash ? backslash + 1 : itemPath;
    return true;
}

int WriteRegistryItem(const char* itemPath, DWORD value) {
    return WriteItem(itemPath, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

int WriteRegistryItem(const char* itemPath, const char* value) {
    DWORD size = static_cast<DWORD>(lstrlenA(value)) + 1;
    return WriteItem(itemPath, REG_SZ, reinterpret_cast<const BYTE*>(value), size);
}
