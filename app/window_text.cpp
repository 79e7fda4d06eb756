#include "app/window_text.h"
#include "app/fatal_error.h"

char* ReadWindowText(HWND window) {
    int length = GetWindowTextLengthA(window);
    if (length < 0)
        length = 0;
    size_t size = static_cast<size_t>(length) + 1;
    char* text = static_cast<char*>(AllocateOrFail(size));
    if (length > 0)
        GetWindowTextA(window, text, static_cast<int>(size));
    return text;
}
