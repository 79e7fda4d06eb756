#include <windows.h>
#include <shellapi.h>
#include <cstring>
#include "app/link_target.h"
#include "base/scoped_win.h"

namespace {
const char kMailScheme[] = "mailto:";
const char kPageExtensionKey[] = ".htm";
const char kOpenCommandSubkey[] = "\\shell\\open\\command";
const LONG kRegistryTextSize = 260;
const size_t kTargetSize = 512;

// The default value of a key under HKEY_CLASSES_ROOT. A key that opens but whose value cannot be
// read gives "". False only when the key cannot be opened.
bool ReadClassDefault(const char* keyName, char (&text)[kRegistryTextSize]) {
    ZeroMemory(text, sizeof text);
    ScopedKey key;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, keyName, 0, KEY_QUERY_VALUE, key.receive()) !=
        ERROR_SUCCESS)
        return false;
    LONG size = sizeof text;
    if (RegQueryValueA(key.get(), nullptr, text, &size) != ERROR_SUCCESS)
        text[0] = '\0';
    text[kRegistryTextSize - 1] = '\0';
    return true;
}

// The program registered for web pages, started on the target.
int OpenWithPageProgram(const char* target, int show) {
    char fileType[kRegistryTextSize];
    if (!ReadClassDefault(kPageExtensionKey, fileType) || fileType[0] == '\0')
        return 0;
    char commandKey[kRegistryTextSize + sizeof kOpenCommandSubkey];
    lstrcpyA(commandKey, fileType);
    lstrcatA(commandKey, kOpenCommandSubkey);
    char commandTemplate[kRegistryTextSize];
    if (!ReadClassDefault(commandKey, commandTemplate) || commandTemplate[0] == '\0')
        return 0;
    char commandLine[kCommandLineSize];
    if (!BuildFallbackCommand(commandTemplate, target, commandLine, sizeof commandLine))
        return 0;
    return WinExec(commandLine, static_cast<UINT>(show)) > 32 ? 1 : 0;
}

} // namespace

bool BuildFallbackCommand(const char* commandTemplate, const char* target, char* commandLine,
                          size_t size) {
    size_t templateLength = static_cast<size_t>(lstrlenA(commandTemplate));
    if (const char* quoted = std::strstr(commandTemplate, "\"%1\""))
        templateLength = static_cast<size_t>(quoted - commandTemplate);
    else if (const char* bare = std::strstr(commandTemplate, "%1"))
        templateLength = static_cast<size_t>(bare - commandTemplate);
    size_t targetLength = static_cast<size_t>(lstrlenA(target));
    if (templateLength + 1 + targetLength + 1 > size)
        return false;
    CopyMemory(commandLine, commandTemplate, templateLength);
    commandLine[templateLength] = ' ';
    CopyMemory(commandLine + templateLength + 1, target, targetLength + 1);
    return true;
}

int OpenLinkTarget(const LinkTarget& link, int show) {
    char target[kTargetSize];
    const char* address = link.kind == kWebLink ? link.webAddress : link.mailAddress;
    if (address == nullptr || address[0] == '\0')
        return 0;
    const char* scheme = link.kind == kWebLink ? "" : kMailScheme;
    if (static_cast<size_t>(lstrlenA(scheme) + lstrlenA(address)) >= sizeof target)
        return 0;
    lstrcpyA(target, scheme);
    lstrcatA(target, address);
    auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", target, nullptr, nullptr, show));
    if (result > 32)
        return 1;
    return OpenWithPageProgram(target, show);
}
