#pragma once
#include <cstddef>

// The folder that holds the program file, without a trailing backslash. Returns false when the
// path does not fit or has no backslash; `folder` is then empty.
bool GetProgramFolder(char* folder, size_t size);
