#include <windows.h>
#include "app/fatal_error.h"
#include "app/process_lifetime.h"

namespace {
const char kFatalCaption[] = "错误";
const int kExitFailure = -1;
} // namespace

void FailFatally(const char* message) {
    MessageBoxA(nullptr, message, kFatalCaption, MB_ICONERROR);
    ReleaseProcessResources();
    ExitProcess(static_cast<UINT>(kExitFailure));
}

void FailOutOfMemory(size_t bytes) {
    char message[128];
    wsprintfA(message, "内存不足：无法分配 %lu 字节，程序将退出。",
              static_cast<unsigned long>(bytes));
    FailFatally(message);
}

void* AllocateOrFail(size_t bytes) {
    void* block = HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, bytes);
    if (block == nullptr)
        FailOutOfMemory(bytes);
    return block;
}

void FreeAllocation(void* block) {
    if (block != nullptr)
        HeapFree(GetProcessHeap(), 0, block);
}
