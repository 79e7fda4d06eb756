#pragma once
#include <cstddef>

// The end of the process after a condition it cannot go on from: an error box with no owner,
// then what start-up took is released and the process ends with exit code -1.
[[noreturn]] void FailFatally(const char* message);

// The fatal error for memory that cannot be had, naming the number of bytes asked for.
[[noreturn]] void FailOutOfMemory(size_t bytes);

// Zero-filled memory from the process heap; when none can be had, a fatal error that names the
// number of bytes asked for.
void* AllocateOrFail(size_t bytes);
void FreeAllocation(void* block);
