#include "app/web_pane.h"
#include "app/window_class.h"

namespace {
const char kWebPaneClass[] = "IeProxyWebPane";

LRESULT CALLBACK WebPaneProcedure(HWND pane, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETFOCUS) {
        if (HWND control = GetWindow(pane, GW_CHILD))
            SetFocus(control);
        return 0;
    }
    return DefWindowProcA(pane, message, wParam, lParam);
}
} // namespace

HWND CreateWebPane(const ControlCreation& creation) {
    if (!RegisterWindowClass(kWebPaneClass, WebPaneProcedure, LoadCursorA(nullptr, IDC_ARROW),
                             static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))))
        return nullptr;
    return CreateControlWindow(creation, 0, kWebPaneClass, "", WS_CHILD | WS_CLIPSIBLINGS);
}
