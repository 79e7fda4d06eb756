#include "base/fatal_error.h"
#include <windows.h>
#include "base/process_end.h"

namespace {
const char kFatalCaption[] = "错误";
const int kExitFailure = -1;
} // namespace

void FailFatally(const char* message) {
    MessageBoxA(nullptr, message, kFatalCaption, MB_OK | MB_ICONERROR);
    ReleaseProcessResources();
    ExitProcess(static_cast<UINT>(kExitFailure));
}

void FailOutOfMemory(size_t bytes) {
    char message[128];
    wsprintfA(message, "内存不足：无法分配 %lu 字节，程序将退出。",
              static_cast<unsigned long>(bytes));
    FailFatally(message);
}
