#include "app/static_label.h"
#include "app/fatal_error.h"
#include "app/window_class.h"
#include "app/window_text.h"

namespace {
const char kLabelClass[] = "IeProxyLabel";
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);

void PaintLabel(HWND label) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(label, &paint);
    RECT clip;
    if (dc == nullptr || GetClipBox(dc, &clip) == NULLREGION || IsRectEmpty(&clip)) {
        EndPaint(label, &paint);
        return;
    }
    RECT client, fill;
    GetClientRect(label, &client);
    if (IntersectRect(&fill, &clip, &client))
        FillRect(dc, &fill, GetSysColorBrush(COLOR_BTNFACE));

    auto style = reinterpret_cast<const LabelStyle*>(GetWindowLongPtrA(label, GWLP_USERDATA));
    char* text = ReadWindowText(label);
    if (style != nullptr && text[0] != '\0') {
        HGDIOBJ previousFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, style->textColour);
        DrawTextA(dc, text, -1, &client, style->drawFlags);
        SelectObject(dc, previousFont);
    }
    FreeAllocation(text);
    EndPaint(label, &paint);
}

LRESULT CALLBACK LabelProcedure(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE: {
        auto create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(label, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        break;
    }
    case WM_PAINT:
        PaintLabel(label);
        return 0;
    }
    return DefWindowProcA(label, message, wParam, lParam);
}
} // namespace

// One line, centred vertically; DT_VCENTER takes effect only with DT_SINGLELINE, so the wrapped
// label starts at the top.
const LabelStyle kSingleLineBlackLabel = {kBlack, DT_LEFT | DT_NOCLIP | DT_SINGLELINE | DT_VCENTER};
const LabelStyle kSingleLineRedLabel = {kRed, DT_LEFT | DT_NOCLIP | DT_SINGLELINE | DT_VCENTER};
const LabelStyle kWrappedRedLabel = {kRed, DT_LEFT | DT_NOCLIP | DT_WORDBREAK | DT_VCENTER};

HWND CreateStaticLabel(const ControlCreation& creation, const char* text, const LabelStyle* style) {
    if (!RegisterWindowClass(kLabelClass, LabelProcedure, LoadCursorA(nullptr, IDC_ARROW),
                             static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))))
        return nullptr;
    return CreateControlWindow(creation, 0, kLabelClass, text, WS_CHILD | WS_CLIPSIBLINGS,
                               const_cast<LabelStyle*>(style));
}
