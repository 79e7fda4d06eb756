#pragma once
#include <windows.h>
#include <wininet.h> // the prototype only: the library is bound at run time

using InternetSetOptionFunction = decltype(&InternetSetOptionA);

// The library and the function, as the binding looks for them (and a failure names them).
extern const char kWinInetLibrary[];
extern const char kInternetSetOptionName[];

// InternetSetOptionA from "Wininet.dll", from the program's folder first, then by the ordinary
// search of Windows; bound on first use and kept for the rest of the process, the library freed
// at its end. Null when it cannot be bound.
InternetSetOptionFunction BindInternetSetOption();
