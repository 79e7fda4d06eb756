#include "base/program_folder.h"
#include <windows.h>
#include "base/double_byte_text.h"

bool GetProgramFolder(char* folder, size_t size) {
    folder[0] = '\0';
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return false;
    const char* cut = FindLastBackslash(path);
    size_t folderLength = cut ? static_cast<size_t>(cut - path) : 0;
    if (cut == nullptr || folderLength >= size)
        return false;
    CopyMemory(folder, path, folderLength);
    folder[folderLength] = '\0';
    return true;
}
