#include "app/push_button.h"
#include "app/bound_events.h"
#include "app/control_subclass.h"

namespace {
LRESULT CALLBACK PushButtonProcedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == OCM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        RaiseClick(button);
        return 0;
    }
    return CallOriginalProcedure(button, message, wParam, lParam);
}
} // namespace

HWND CreatePushButton(const ControlCreation& creation, const char* text) {
    HWND button = CreateControlWindow(creation, 0, "BUTTON", text,
                                      WS_CHILD | WS_CLIPSIBLINGS | BS_PUSHBUTTON | BS_CENTER |
                                          BS_VCENTER | BS_MULTILINE);
    if (button == nullptr)
        return nullptr;
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    if (!SubclassControl(button, PushButtonProcedure)) {
        DestroyWindow(button);
        return nullptr;
    }
    return button;
}
