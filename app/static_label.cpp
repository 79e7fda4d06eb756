#include "app/static_label.h"
#include "app/window_class.h"
#include "base/scoped_win.h"
#include "base/window_text.h"

namespace {
const char kLabelClass[] = "IeProxyLabel";
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);

void PaintLabel(HWND label) {
    ScopedPaint paint(label);
    if (paint.nothingToPaint())
        return;
    RECT client, fill;
    GetClientRect(label, &client);
    if (IntersectRect(&fill, &paint.clip(), &client))
        FillRect(paint.dc(), &fill, GetSysColorBrush(COLOR_BTNFACE));

    auto style = reinterpret_cast<const LabelStyle*>(GetWindowLongPtrA(label, GWLP_USERDATA));
    OwnedText text = ReadWindowText(label);
    if (style == nullptr || text.get()[0] == '\0')
        return;
    ScopedSelection font(paint.dc(), GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(paint.dc(), TRANSPARENT);
    SetTextColor(paint.dc(), style->textColour);
    DrawTextA(paint.dc(), text.get(), -1, &client, style->drawFlags);
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
