#include "app/download_link.h"
#include <windowsx.h>
#include "app/colour.h"
#include "app/link_target.h"
#include "app/window_class.h"
#include "base/allocation.h"
#include "base/scoped_win.h"
#include "base/window_text.h"
#include "build_config.h"
#include "res/resource_ids.h"

namespace {
const char kDownloadLinkClass[] = "IeProxyLink";

struct LinkSettings {
    LinkTarget target;
    COLORREF normalColour;
    COLORREF visitedColour;
    COLORREF hoverColour; // fixed: it does not follow the highlight colour of Windows
    COLORREF backColour;
};

const LinkSettings kDownloadLinkSettings = {{kWebLink, IEPROXY_MAKER_HOST, ""},
                                            RGB(0, 0, 255),
                                            RGB(128, 0, 0),
                                            RGB(49, 106, 197),
                                            kDefaultColour};

const UINT kLinkTextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX;

struct LinkState {
    bool hovering; // the mouse is over the link, which then holds the capture
    bool visited;  // the result of the last press
};

LinkState* StateOf(HWND link) {
    return reinterpret_cast<LinkState*>(GetWindowLongPtrA(link, GWLP_USERDATA));
}

COLORREF TextColour(const LinkState& state) {
    if (state.hovering)
        return kDownloadLinkSettings.hoverColour;
    return state.visited ? kDownloadLinkSettings.visitedColour : kDownloadLinkSettings.normalColour;
}

// One fill of the clip box and one text: the link never erases on its own, so it cannot flicker.
void FillBackground(HDC dc, const RECT& clip) {
    ScopedGdiObject<HBRUSH> background(
        CreateSolidBrush(ResolveColour(kDownloadLinkSettings.backColour)));
    ScopedSelection selected(dc, background.get());
    PatBlt(dc, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top, PATCOPY);
}

void PaintLink(HWND link, const LinkState& state) {
    ScopedPaint paint(link);
    if (paint.nothingToPaint())
        return;
    FillBackground(paint.dc(), paint.clip());

    OwnedText text = ReadWindowText(link);
    const LinkTarget& target = kDownloadLinkSettings.target;
    const char* shown = text.get()[0] != '\0'     ? text.get()
                        : target.kind == kWebLink ? target.webAddress
                                                  : target.mailAddress;
    SetBkMode(paint.dc(), TRANSPARENT);
    SetTextColor(paint.dc(), TextColour(state));
    ScopedSelection font(paint.dc(), GetStockObject(DEFAULT_GUI_FONT));
    RECT client;
    GetClientRect(link, &client);
    DrawTextA(paint.dc(), shown, -1, &client, kLinkTextFormat);
}

// While the mouse is over the link the link holds the capture, so it sees the move that leaves.
void FollowMouse(HWND link, LinkState* state, POINT position) {
    if (!state->hovering) {
        state->hovering = true;
        InvalidateRect(link, nullptr, FALSE);
        SetCapture(link);
        return;
    }
    RECT client;
    GetClientRect(link, &client);
    if (!PtInRect(&client, position)) {
        state->hovering = false;
        ReleaseCapture();
        InvalidateRect(link, nullptr, FALSE);
    } else if (GetCapture() != link) {
        SetCapture(link);
    }
}

// The target opens when the button goes down; a double click's second press is ignored.
void PressLink(HWND link, LinkState* state) {
    int opened = OpenLinkTarget(kDownloadLinkSettings.target, SW_SHOW);
    state->visited = opened != 0;
    if (opened)
        InvalidateRect(link, nullptr, FALSE);
}

LRESULT CALLBACK DownloadLinkProcedure(HWND link, UINT message, WPARAM wParam, LPARAM lParam) {
    LinkState* state = StateOf(link);
    switch (message) {
    case WM_NCCREATE:
        state = static_cast<LinkState*>(AllocateOrFail(sizeof(LinkState)));
        SetWindowLongPtrA(link, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
        break;
    case WM_NCDESTROY:
        SetWindowLongPtrA(link, GWLP_USERDATA, 0);
        FreeAllocation(state);
        break;
    case WM_PAINT:
        if (state == nullptr)
            break;
        PaintLink(link, *state);
        return 0;
    case WM_MOUSEMOVE:
        if (state != nullptr)
            FollowMouse(link, state, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_LBUTTONDOWN:
        if (state != nullptr)
            PressLink(link, state);
        return 0;
    }
    return DefWindowProcA(link, message, wParam, lParam);
}
} // namespace

HWND CreateDownloadLink(const ControlCreation& creation, const char* text) {
    HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_LINK_HAND));
    if (!RegisterWindowClass(kDownloadLinkClass, DownloadLinkProcedure, hand,
                             static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))))
        return nullptr;
    return CreateControlWindow(creation, 0, kDownloadLinkClass, text, WS_CHILD | WS_CLIPSIBLINGS);
}
