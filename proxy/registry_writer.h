#pragma once
#include <windows.h>

// Writes one value under HKEY_CURRENT_USER. The item path is split at its last backslash into
// key path and value name (double-byte aware); the key is created when it cannot be opened.
// Returns 1 when the value was written, else 0.
int WriteRegistryItem(const char* itemPath, DWORD value);       // REG_DWORD
int WriteRegistryItem(const char* itemPath, const char* value); // REG_SZ, its NUL included

// The split itself: `keyPath` gets the part before the last backslash ("" when there is none),
// `valueName` points into `itemPath` after it. Returns false when the key path does not fit.
bool SplitItemPath(const char* itemPath, char* keyPath, size_t keyPathSize, const char** valueName);
