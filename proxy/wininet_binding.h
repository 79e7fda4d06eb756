#pragma once
#include <windows.h>
#include <wininet.h> // the prototype only: the library is bound at run time

using InternetSetOptionFunction = decltype(&InternetSetOptionA);

// InternetSetOptionA from "Wininet.dll", bound on first use and kept for the rest of the process.
// When it cannot be bound the process cannot go on: a fatal error naming both.
InternetSetOptionFunction BindInternetSetOption();

// Frees the library at the end of the process, if it was loaded.
void ReleaseWinInetBinding();
