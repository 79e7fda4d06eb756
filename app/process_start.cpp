#include "app/process_start.h"
#include <windows.h>
#include <ole2.h>
#include "base/process_end.h"
#include "base/program_folder.h"

namespace {
void UninitialiseOle() {
    OleUninitialize();
}
} // namespace

void InitialiseProcess() {
    // OLE is uninitialised only when its initialisation succeeded.
    if (SUCCEEDED(OleInitialize(nullptr)))
        ReleaseAtProcessEnd(UninitialiseOle);
    // The program's folder becomes the current directory; failing to set it does not stop us.
    char folder[MAX_PATH];
    if (GetProgramFolder(folder, sizeof folder))
        SetCurrentDirectoryA(folder);
}
