#include "app/proxy_group.h"
#include "app/control_subclass.h"

namespace {
const COLORREF kBlack = RGB(0, 0, 0);

LRESULT CALLBACK ProxyGroupProcedure(HWND group, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(group, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    case OCM_CTLCOLORSTATIC: // the request the group box makes when it draws itself
        SetTextColor(reinterpret_cast<HDC>(wParam), kBlack);
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    default:
        if (ReflectToChild(message, wParam, lParam, &result))
            return result;
    }
    return CallOriginalProcedure(group, message, wParam, lParam);
}
} // namespace

HWND CreateProxyGroup(const ControlCreation& creation, const char* caption) {
    HWND group = CreateControlWindow(creation, 0, "BUTTON", caption,
                                     WS_CHILD | WS_CLIPSIBLINGS | BS_GROUPBOX | BS_LEFT);
    if (group == nullptr)
        return nullptr;
    SendMessageA(group, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    if (!SubclassControl(group, ProxyGroupProcedure)) {
        DestroyWindow(group);
        return nullptr;
    }
    return group;
}
