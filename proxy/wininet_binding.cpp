#include "proxy/wininet_binding.h"
#include "base/process_end.h"
#include "base/program_folder.h"

const char kWinInetLibrary[] = "Wininet.dll";
const char kInternetSetOptionName[] = "InternetSetOptionA";

namespace {
HMODULE winInet = nullptr;
InternetSetOptionFunction internetSetOption = nullptr;

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

void FreeWinInet() {
    if (winInet != nullptr)
        FreeLibrary(winInet);
    winInet = nullptr;
    internetSetOption = nullptr;
}
} // namespace

InternetSetOptionFunction BindInternetSetOption() {
    if (internetSetOption != nullptr)
        return internetSetOption;
    if (winInet == nullptr) {
        winInet = LoadWinInet();
        if (winInet != nullptr)
            ReleaseAtProcessEnd(FreeWinInet);
    }
    if (winInet != nullptr)
        internetSetOption = reinterpret_cast<InternetSetOptionFunction>(
            reinterpret_cast<void*>(GetProcAddress(winInet, kInternetSetOptionName)));
    return internetSetOption;
}
