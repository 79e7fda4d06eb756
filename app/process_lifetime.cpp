#include <windows.h>
#include <ole2.h>
#include "app/process_lifetime.h"
#include "app/program_folder.h"
#include "app/program_icons.h"
#include "proxy/wininet_binding.h"

namespace {
// OLE is uninitialised only when its initialisation succeeded.
bool oleInitialised = false;
} // namespace

void InitialiseProcess() {
    oleInitialised = SUCCEEDED(OleInitialize(nullptr));
    // The program's folder becomes the current directory; failing to set it does not stop us.
    char folder[MAX_PATH];
    if (GetProgramFolder(folder, sizeof folder))
        SetCurrentDirectoryA(folder);
}

void ReleaseProcessResources() {
    ReleaseWinInetBinding();
    DestroyProgramIcons();
    if (oleInitialised) {
        OleUninitialize();
        oleInitialised = false;
    }
}
