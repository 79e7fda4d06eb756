#include "app/window_class.h"

bool RegisterWindowClass(const char* className, WNDPROC procedure, HCURSOR cursor,
                         HBRUSH background) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass = {};
    if (GetClassInfoA(instance, className, &windowClass))
        return true;
    windowClass.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = cursor;
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = className;
    return RegisterClassA(&windowClass) != 0;
}
