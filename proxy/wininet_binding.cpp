#include "proxy/wininet_binding.h"
#include "app/fatal_error.h"
#include "app/program_folder.h"

namespace {
const char kWinInetLibrary[] = "Wininet.dll";
const char kInternetSetOptionName[] = "InternetSetOptionA";

HMODULE winInet = nullptr;
InternetSetOptionFunction internetSetOption = nullptr;

// The program's own folder first, then the ordinary search of Windows.
HMODULE LoadWinInet() {
    char path[MAX_PATH + sizeof kWinInetLibrary];
    if (GetProgramFolder(path, MAX_PATH)) {
        lstrcatA(path, "\\");
        lstrcatA(path, kWinInetLibrary);
        if (HMODULE library = LoadLibraryA(path))
            return library;
    }
    return LoadLibraryA(kWinInetLibrary);
}
} // namespace

InternetSetOptionFunction BindInternetSetOption() {
    if (internetSetOption != nullptr)
        return internetSetOption;
    if (winInet == nullptr)
        winInet = LoadWinInet();
    if (winInet != nullptr)
        internetSetOption = reinterpret_cast<InternetSetOptionFunction>(
            reinterpret_cast<void*>(GetProcAddress(winInet, kInternetSetOptionName)));
    if (internetSetOption == nullptr) {
        char message[128];
        wsprintfA(message, "无法从 %s 载入函数 %s，程序将退出。", kWinInetLibrary,
                  kInternetSetOptionName);
        FailFatally(message);
    }
    return internetSetOption;
}

void ReleaseWinInetBinding() {
    if (winInet != nullptr)
        FreeLibrary(winInet);
    winInet = nullptr;
    internetSetOption = nullptr;
}
