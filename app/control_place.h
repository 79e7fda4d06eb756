#pragma once
#include <windows.h>

// A control's place in pixels, relative to the top-left corner of its parent's client area.
struct ControlPlace {
    int left;
    int top;
    int width;
    int height;
};

// What creating a control needs: its parent, identifier and place, and the window styles that
// follow from its common settings (WS_TABSTOP for a tab stop).
struct ControlCreation {
    HWND parent;
    int id;
    ControlPlace place;
    DWORD commonStyle;
};

// Every control that creates a window creates it this way: not yet visible.
inline HWND CreateControlWindow(const ControlCreation& creation, DWORD exStyle,
                                const char* className, const char* text, DWORD style,
                                void* createParams = nullptr) {
    return CreateWindowExA(exStyle, className, text, style | creation.commonStyle,
                           creation.place.left, creation.place.top, creation.place.width,
                           creation.place.height, creation.parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(creation.id)),
                           GetModuleHandleA(nullptr), createParams);
}
