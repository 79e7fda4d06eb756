#include "base/allocation.h"
#include <windows.h>
#include "base/fatal_error.h"

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
