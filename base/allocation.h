#pragma once
#include <cstddef>

// Zero-filled memory from the process heap; when none can be had, the fatal error that names the
// number of bytes asked for. Freed with FreeAllocation (or owned by an OwnedBuffer).
void* AllocateOrFail(size_t bytes);
void FreeAllocation(void* block);
