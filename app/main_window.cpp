#include "app/main_window.h"
#include "app/control_subclass.h"
#include "app/keyboard.h"
#include "app/main_window_controls.h"
#include "app/program_icons.h"
#include "app/screen_layout.h"
#include "app/window_class.h"
#include "base/scoped_win.h"
#include "build_config.h"

namespace {
const char kMainWindowClass[] = "WTWindow";
const char kMainWindowTitle[] = "设置IE代理  " IEPROXY_MAKER_HOST " 澄栎科技";
const DWORD kMainWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
const int kMainWindowWidth = 613;
const int kMainWindowHeight = 324;

MainWindowState* StateOf(HWND window) {
    return reinterpret_cast<MainWindowState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// The class has no background brush: this fill is the only erasing.
void PaintMainWindow(HWND window) {
    ScopedPaint paint(window);
    if (!paint.nothingToPaint())
        FillRect(paint.dc(), &paint.clip(), GetSysColorBrush(COLOR_BTNFACE));
}

// The focus goes back to the control that had it when the window was last deactivated.
void PassFocusOn(MainWindowState* state) {
    HWND target = state->lastFocus;
    if (target == nullptr || !IsWindow(target) || !IsChild(state->window, target))
        target = FirstTabStop(*state);
    if (target != nullptr)
        SetFocus(target);
}

void RememberFocus(MainWindowState* state) {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(state->window, focus))
        state->lastFocus = focus;
}

LRESULT CALLBACK MainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MainWindowState* state = StateOf(window); // null for the messages before WM_NCCREATE
    LRESULT result = 0;
    switch (message) {
    case WM_NCCREATE: {
        auto create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        state = static_cast<MainWindowState*>(create->lpCreateParams);
        state->window = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
        break;
    }
    case WM_PAINT:
        PaintMainWindow(window);
        return 0;
    case WM_ACTIVATE:
        if (state != nullptr && LOWORD(wParam) == WA_INACTIVE)
            RememberFocus(state);
        break;
    case WM_SETFOCUS:
        if (state != nullptr)
            PassFocusOn(state);
        return 0;
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_DESTROY:
        if (state != nullptr && state->loopRunning)
            PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        if (state != nullptr) {
            *state = MainWindowState();
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        }
        break;
    default:
        if (ReflectToChild(message, wParam, lParam, &result))
            return result;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

bool BuildMainWindow(MainWindowState* state) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!RegisterWindowClass(kMainWindowClass, MainWindowProcedure, LoadCursorA(nullptr, IDC_ARROW),
                             static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))))
        return false;
    // The whole primary screen counts, not the work area that the taskbar leaves.
    int x = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), kMainWindowWidth);
    int y = CentredOrigin(GetSystemMetrics(SM_CYSCREEN), kMainWindowHeight);
    HWND window =
        CreateWindowExA(0, kMainWindowClass, kMainWindowTitle, kMainWindowStyle, x, y,
                        kMainWindowWidth, kMainWindowHeight, nullptr, nullptr, instance, state);
    if (window == nullptr)
        return false;
    RECT frame;
    if (GetWindowRect(window, &frame) && (frame.right - frame.left != kMainWindowWidth ||
                                          frame.bottom - frame.top != kMainWindowHeight))
        MoveWindow(window, x, y, kMainWindowWidth, kMainWindowHeight, FALSE);
    SetProgramIcons(window);
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 TRUE);
    if (!CreateMainWindowControls(state)) {
        DestroyWindow(window);
        return false;
    }
    ShowWindow(window, SW_SHOW);
    return true;
}
