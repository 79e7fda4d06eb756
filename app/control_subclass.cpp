#include "app/control_subclass.h"

namespace {
// The slot GWLP_USERDATA of a standard control belongs to its class, so the original procedure
// is kept in a window property.
const char kOriginalProcedureProperty[] = "IeProxyOriginalProcedure";

bool IsColourRequest(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

HWND SenderOf(UINT message, LPARAM lParam) {
    if (message == WM_COMMAND || IsColourRequest(message))
        return reinterpret_cast<HWND>(lParam);
    if (message == WM_NOTIFY && lParam != 0)
        return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
    return nullptr;
}
} // namespace

bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    HWND child = SenderOf(message, lParam);
    if (child == nullptr || !IsWindow(child))
        return false;
    *result = SendMessageA(child, OCM__BASE + message, wParam, lParam);
    // A child that leaves a colour request unanswered gets the parent's default colours.
    return !IsColourRequest(message) || *result != 0;
}

bool SubclassControl(HWND control, WNDPROC procedure) {
    LONG_PTR original = GetWindowLongPtrA(control, GWLP_WNDPROC);
    if (original == 0 ||
        !SetPropA(control, kOriginalProcedureProperty, reinterpret_cast<HANDLE>(original)))
        return false;
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
    return true;
}

LRESULT CallOriginalProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    auto original = reinterpret_cast<WNDPROC>(GetPropA(control, kOriginalProcedureProperty));
    if (original == nullptr)
        return DefWindowProcA(control, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        RemovePropA(control, kOriginalProcedureProperty);
    }
    return CallWindowProcA(original, control, message, wParam, lParam);
}
