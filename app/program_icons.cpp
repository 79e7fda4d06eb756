#include "app/program_icons.h"

namespace {
const char kIconName[] = "DEFAULT_ICON";
HICON bigIcon = nullptr;
HICON smallIcon = nullptr;

HICON LoadProgramIcon(int size) {
    return static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), kIconName, IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}
} // namespace

void SetProgramIcons(HWND window) {
    if (bigIcon == nullptr)
        bigIcon = LoadProgramIcon(32);
    if (smallIcon == nullptr)
        smallIcon = LoadProgramIcon(16);
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
}

void DestroyProgramIcons() {
    if (bigIcon != nullptr)
        DestroyIcon(bigIcon);
    if (smallIcon != nullptr)
        DestroyIcon(smallIcon);
    bigIcon = smallIcon = nullptr;
}
