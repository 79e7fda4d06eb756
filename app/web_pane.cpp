#include "app/web_pane.h"
#include <exdisp.h>
#include <new>
#include "app/browser_site.h"
#include "app/window_class.h"
#include "base/allocation.h"
#include "base/fatal_error.h"
#include "base/scoped_win.h"
#include "build_config.h"

namespace {
const char kWebPaneClass[] = "IeProxyWebPane";

struct WebPaneSettings {
    int fontSize; // 0 最小, 1 较小, 2 中等, 3 较大, 4 最大
    bool offline; // read pages from the local cache
    bool silent;  // the control shows no dialog box of its own
    const char* url;
};

const WebPaneSettings kWebPaneSettings = {1, true, true,
                                          "http://" IEPROXY_MAKER_HOST "/qvn/ipgez.htm"};

// What the pane holds while it exists.
struct WebPaneState {
    ComRef<BrowserSite> site;
    ComRef<IOleObject> control;
    ComRef<IWebBrowser2> browser; // the one counted reference the pane keeps
    HWND controlWindow = nullptr;
};

WebPaneState* StateOf(HWND pane) {
    return reinterpret_cast<WebPaneState*>(GetWindowLongPtrA(pane, GWLP_USERDATA));
}

// COM takes UTF-16; the program's texts are code page 936.
BSTR AnsiToBstr(const char* text) {
    int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 0)
        return nullptr;
    BSTR wide = SysAllocStringLen(nullptr, static_cast<UINT>(length - 1));
    if (wide == nullptr)
        FailOutOfMemory(static_cast<size_t>(length) * sizeof(OLECHAR));
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide, length);
    return wide;
}

VARIANT MakeVariant(VARTYPE type) {
    VARIANT value;
    VariantInit(&value);
    value.vt = type;
    return value;
}

// Once, in this order; the control's answers are not needed.
void ApplySettings(IWebBrowser2* browser, const WebPaneSettings& settings) {
    browser->put_Offline(settings.offline ? VARIANT_TRUE : VARIANT_FALSE);
    browser->put_Silent(settings.silent ? VARIANT_TRUE : VARIANT_FALSE);
    VARIANT zoom = MakeVariant(VT_I4);
    zoom.lVal = ZoomLevel(settings.fontSize);
    browser->ExecWB(OLECMDID_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, &zoom, nullptr);
    if (settings.url[0] == '\0')
        return;
    BSTR url = AnsiToBstr(settings.url);
    VARIANT flags = MakeVariant(VT_I4);
    flags.lVal = 0;
    VARIANT targetFrame = MakeVariant(VT_BSTR); // a null BSTR: the pane itself
    targetFrame.bstrVal = nullptr;
    VARIANT postData = MakeVariant(VT_EMPTY);
    VARIANT headers = MakeVariant(VT_BSTR);
    headers.bstrVal = nullptr;
    browser->Navigate(url, &flags, &targetFrame, &postData, &headers);
    SysFreeString(url);
}

// Creates the control in place inside the host, covering its client area.
bool EmbedBrowser(HWND pane, WebPaneState* state) {
    state->site.adopt(BrowserSite::Create(pane));
    if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                state->control.receive())))
        return false;
    // The control wants its site before it is activated.
    RECT client;
    GetClientRect(pane, &client);
    if (FAILED(state->control->SetClientSite(state->site.get())) ||
        FAILED(state->control->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, state->site.get(), 0, pane,
                                      &client)))
        return false;
    ComRef<IOleInPlaceObject> inPlace;
    if (SUCCEEDED(state->control->QueryInterface(IID_IOleInPlaceObject, inPlace.receive()))) {
        inPlace->GetWindow(&state->controlWindow);
        inPlace->SetObjectRects(&client, &client);
    }
    if (state->controlWindow == nullptr)
        return false;
    return SUCCEEDED(state->control->QueryInterface(IID_IWebBrowser2, state->browser.receive()));
}

// Releases the reference to the control and destroys its window; the site goes last, as the
// control holds it until it is told to let go.
void ReleaseBrowser(WebPaneState* state) {
    state->browser.reset();
    if (state->control) {
        ComRef<IOleInPlaceObject> inPlace;
        if (SUCCEEDED(state->control->QueryInterface(IID_IOleInPlaceObject, inPlace.receive())))
            inPlace->InPlaceDeactivate();
        state->control->Close(OLECLOSE_NOSAVE);
        state->control->SetClientSite(nullptr);
        state->control.reset();
    }
    if (state->controlWindow != nullptr && IsWindow(state->controlWindow))
        DestroyWindow(state->controlWindow);
    state->controlWindow = nullptr;
    state->site.reset();
}

// The state lives in a heap block of ours, made and unmade with its window.
WebPaneState* CreateState() {
    return new (AllocateOrFail(sizeof(WebPaneState))) WebPaneState();
}

void DestroyState(WebPaneState* state) {
    if (state == nullptr)
        return;
    state->~WebPaneState();
    FreeAllocation(state);
}

LRESULT CALLBACK WebPaneProcedure(HWND pane, UINT message, WPARAM wParam, LPARAM lParam) {
    WebPaneState* state = StateOf(pane);
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrA(pane, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(CreateState()));
        break;
    case WM_SIZE:
        if (state != nullptr && state->controlWindow != nullptr)
            SetWindowPos(state->controlWindow, nullptr, 0, 0, LOWORD(lParam), HIWORD(lParam),
                         SWP_NOACTIVATE | SWP_NOZORDER);
        return 0;
    case WM_SETFOCUS:
        if (state != nullptr && state->controlWindow != nullptr)
            SetFocus(state->controlWindow);
        return 0;
    case WM_DESTROY:
        if (state != nullptr)
            ReleaseBrowser(state);
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrA(pane, GWLP_USERDATA, 0);
        DestroyState(state);
        break;
    }
    return DefWindowProcA(pane, message, wParam, lParam);
}
} // namespace

int ZoomLevel(int fontSize) {
    const int kSmallest = 0, kLargest = 4;
    return fontSize < kSmallest ? kSmallest : fontSize > kLargest ? kLargest : fontSize;
}

HWND CreateWebPane(const ControlCreation& creation) {
    if (!RegisterWindowClass(kWebPaneClass, WebPaneProcedure, LoadCursorA(nullptr, IDC_ARROW),
                             static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))))
        return nullptr;
    HWND pane = CreateControlWindow(creation, 0, kWebPaneClass, "", WS_CHILD | WS_CLIPSIBLINGS);
    if (pane == nullptr)
        return nullptr;
    WebPaneState* state = StateOf(pane);
    if (!EmbedBrowser(pane, state)) {
        DestroyWindow(pane); // releases what was had
        return nullptr;
    }
    ApplySettings(state->browser.get(), kWebPaneSettings);
    return pane;
}
