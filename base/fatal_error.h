#pragma once
#include <cstddef>

// The end of the process after a condition it cannot go on from: an error box with no owner,
// then what the process took is released and it ends with exit code -1.
[[noreturn]] void FailFatally(const char* message);

// The fatal error for memory that cannot be had, naming the number of bytes asked for.
[[noreturn]] void FailOutOfMemory(size_t bytes);
