#include "base/window_text.h"
#include "base/allocation.h"

OwnedText ReadWindowText(HWND window) {
    int length = GetWindowTextLengthA(window);
    if (length < 0)
        length = 0;
    size_t size = static_cast<size_t>(length) + 1;
    OwnedText text(static_cast<char*>(AllocateOrFail(size)));
    if (length > 0)
        GetWindowTextA(window, text.get(), static_cast<int>(size));
    return text;
}
