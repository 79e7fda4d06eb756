#pragma once
#include <windows.h>

// In a colour setting this marker stands for the default colour, drawn as COLOR_BTNFACE.
const COLORREF kDefaultColour = 0xFF000000;

inline COLORREF ResolveColour(COLORREF setting) {
    return setting == kDefaultColour ? GetSysColor(COLOR_BTNFACE) : setting;
}
