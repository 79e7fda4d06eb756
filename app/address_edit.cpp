#include "app/address_edit.h"
#include "app/control_subclass.h"
#include "base/scoped_win.h"

namespace {
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const char kTallCharacter[] = "吴";

LRESULT CALLBACK AddressEditProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == OCM_CTLCOLOREDIT) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, kBlack);
        SetBkColor(dc, kWhite);
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    }
    return CallOriginalProcedure(edit, message, wParam, lParam);
}

// The box must be tall enough for a Chinese character and its sunken border. It is measured in
// the font the box has when it is measured: right after its creation that is the system font.
void EnsureTextFits(HWND edit, const ControlPlace& place) {
    SIZE extent = {};
    BOOL measured = FALSE;
    {
        ScopedWindowDc dc(edit);
        if (dc.get() == nullptr)
            return;
        auto font = reinterpret_cast<HGDIOBJ>(SendMessageA(edit, WM_GETFONT, 0, 0));
        ScopedSelection selected(dc.get(), font != nullptr ? font : GetStockObject(SYSTEM_FONT));
        measured =
            GetTextExtentPoint32A(dc.get(), kTallCharacter, lstrlenA(kTallCharacter), &extent);
    }
    int minimumHeight = extent.cy + 2 * GetSystemMetrics(SM_CYEDGE);
    if (measured && place.height < minimumHeight)
        SetWindowPos(edit, nullptr, 0, 0, place.width, minimumHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
} // namespace

HWND CreateAddressEdit(const ControlCreation& creation) {
    HWND edit = CreateControlWindow(creation, WS_EX_CLIENTEDGE, "EDIT", "",
                                    WS_CHILD | WS_CLIPSIBLINGS | ES_LEFT | ES_AUTOHSCROLL);
    if (edit == nullptr)
        return nullptr;
    EnsureTextFits(edit, creation.place);
    SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    SendMessageA(edit, EM_LIMITTEXT, 0, 0); // 0: no limit beyond the platform's own
    SendMessageA(edit, EM_SETSEL, 0, 0);
    if (!SubclassControl(edit, AddressEditProcedure)) {
        DestroyWindow(edit);
        return nullptr;
    }
    return edit;
}
