#include "proxy/information_box.h"

UINT InformationBoxFlags(UINT requestedStyle) {
    return (requestedStyle & MB_SYSTEMMODAL) ? requestedStyle : requestedStyle | MB_TASKMODAL;
}

void ShowInformationBox(const char* text, const char* caption) {
    MessageBoxA(nullptr, text, caption, InformationBoxFlags(MB_OK | MB_ICONINFORMATION));
}
