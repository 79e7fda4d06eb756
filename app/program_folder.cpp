#include <windows.h>
#include "app/program_folder.h"

const char* FindLastBackslash(const char* text) {
    const char* last = nullptr;
    for (const char* p = text; *p != '\0'; ++p) {
        if (static_cast<unsigned char>(*p) & 0x80) {
            if (p[1] == '\0')
                break; // a lone lead byte at the end: there is nothing after it
            ++p;
        } else if (*p == '\\') {
            last = p;
        }
    }
    return last;
}

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
