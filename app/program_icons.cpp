#include "app/program_icons.h"
#include "base/process_end.h"

namespace {
const char kIconName[] = "DEFAULT_ICON";
const int kBigIconSize = 32, kSmallIconSize = 16;
HICON bigIcon = nullptr;
HICON smallIcon = nullptr;

HICON LoadProgramIcon(int size) {
    return static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), kIconName, IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

void DestroyProgramIcons() {
    if (bigIcon != nullptr)
        DestroyIcon(bigIcon);
    if (smallIcon != nullptr)
        DestroyIcon(smallIcon);
    bigIcon = smallIcon = nullptr;
}
} // namespace

void SetProgramIcons(HWND window) {
    if (bigIcon == nullptr && smallIcon == nullptr) {
        bigIcon = LoadProgramIcon(kBigIconSize);
        smallIcon = LoadProgramIcon(kSmallIconSize);
        ReleaseAtProcessEnd(DestroyProgramIcons);
    }
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
}
