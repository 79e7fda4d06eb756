#include "app/keyboard.h"

namespace {
// The tab cycle runs in reverse control order (all controls share the tab index 0).
HWND CycleEntry(const MainWindowState& state, int index) {
    return state.controls[kControlCount - 1 - index];
}

bool CanTakeFocus(HWND control) {
    return control != nullptr && IsWindowVisible(control) && IsWindowEnabled(control) &&
           (GetWindowLongPtrA(control, GWL_STYLE) & WS_TABSTOP) != 0;
}

void ReadCycle(const MainWindowState& state, bool* canTakeFocus) {
    for (int i = 0; i < kControlCount; ++i)
        canTakeFocus[i] = CanTakeFocus(CycleEntry(state, i));
}

// The control that holds the focus is the focus window itself or the focus window's parent.
int FocusedCycleEntry(const MainWindowState& state) {
    HWND focus = GetFocus();
    if (focus == nullptr)
        return -1;
    for (int i = 0; i < kControlCount; ++i)
        if (CycleEntry(state, i) == focus)
            return i;
    HWND parent = GetParent(focus);
    for (int i = 0; i < kControlCount; ++i)
        if (parent != nullptr && CycleEntry(state, i) == parent)
            return i;
    return -1;
}
} // namespace

int StepTabCycle(const bool* canTakeFocus, int count, int current, bool forward) {
    int step = forward ? 1 : count - 1;
    for (int n = 1; n <= count; ++n) {
        int candidate = (current + n * step) % count;
        if (canTakeFocus[candidate])
            return candidate;
    }
    return -1;
}

HWND FirstTabStop(const MainWindowState& state) {
    bool canTakeFocus[kControlCount];
    ReadCycle(state, canTakeFocus);
    int first = StepTabCycle(canTakeFocus, kControlCount, kControlCount - 1, true);
    return first < 0 ? nullptr : CycleEntry(state, first);
}

bool HandleTabKey(const MainWindowState& state, const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB || state.window == nullptr)
        return false;
    if (message.hwnd != state.window && !IsChild(state.window, message.hwnd))
        return false;
    int current = FocusedCycleEntry(state);
    if (current < 0)
        return true; // no control holds the focus: the key moves nothing
    bool canTakeFocus[kControlCount];
    ReadCycle(state, canTakeFocus);
    bool forward = GetKeyState(VK_SHIFT) >= 0;
    int next = StepTabCycle(canTakeFocus, kControlCount, current, forward);
    if (next >= 0)
        SetFocus(CycleEntry(state, next));
    return true;
}
