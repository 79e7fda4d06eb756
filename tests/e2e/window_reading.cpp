#include "e2e/window_reading.h"

std::string ClassOf(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length))
        return "<no answer>";
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]),
                        SMTO_ABORTIFHUNG, 5000, &copied);
    text.resize(copied);
    return text;
}

RECT RectInParent(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    HWND parent = GetParent(window);
    if (parent != nullptr && (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::vector<HWND> ChildrenTopToBottom(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

HWND ChildById(HWND parent, int id) {
    for (HWND child : ChildrenTopToBottom(parent))
        if (GetDlgCtrlID(child) == id)
            return child;
    return nullptr;
}

std::string Hex(const std::string& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char value : bytes) {
        if (!hex.empty())
            hex += ' ';
        hex += digits[value >> 4];
        hex += digits[value & 15];
    }
    return hex;
}

MessageBoxView ReadMessageBox(HWND box) {
    const int kMessageTextId = 0xFFFF;
    MessageBoxView view;
    view.caption = TextOf(box);
    HWND text = GetDlgItem(box, kMessageTextId);
    view.text = text != nullptr ? TextOf(text) : "<no text>";
    return view;
}

void PressOk(HWND box) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
}
