#include "app/push_button.h"
#include "app/control_subclass.h"

namespace {
const char kClickHandlerProperty[] = "IeProxyClickHandler";

LRESULT CALLBACK PushButtonProcedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == OCM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        auto onClick = reinterpret_cast<ClickHandler>(GetPropA(button, kClickHandlerProperty));
        if (onClick != nullptr)
            onClick(button);
        return 0;
    }
    if (message == WM_NCDESTROY)
        RemovePropA(button, kClickHandlerProperty);
    return CallOriginalProcedure(button, message, wParam, lParam);
}
} // namespace

HWND CreatePushButton(const ControlCreation& creation, const char* text, ClickHandler onClick) {
    HWND button = CreateControlWindow(creation, 0, "BUTTON", text,
                                      WS_CHILD | WS_CLIPSIBLINGS | BS_PUSHBUTTON | BS_CENTER |
                                          BS_VCENTER | BS_MULTILINE);
    if (button == nullptr)
        return nullptr;
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    if (!SetPropA(button, kClickHandlerProperty, reinterpret_cast<HANDLE>(onClick)) ||
        !SubclassControl(button, PushButtonProcedure)) {
        DestroyWindow(button);
        return nullptr;
    }
    return button;
}
