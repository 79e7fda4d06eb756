#include <gtest/gtest.h>
#include "build_config.h"
#include "e2e/driver.h"
#include "program_facts.h"
#include "e2e/registry.h"

namespace {

TEST(WebPane, HoldsTheWebBrowserControlCoveringItsClientArea) {
    ProgramSession program;
    ASSERT_TRUE(program.Launch());
    HWND window = program.WaitForMainWindow();
    ASSERT_NE(nullptr, window);
    HWND pane = ChildById(window, kWebPaneId);
    ASSERT_NE(nullptr, pane);
    std::vector<HWND> inside = ChildrenTopToBottom(pane);
    ASSERT_EQ(1u, inside.size());
    HWND control = inside[0];
    EXPECT_EQ("Shell Embedding", ClassOf(control)) << "the platform's WebBrowser control";
    RECT client, place = RectInParent(control);
    GetClientRect(pane, &client);
    EXPECT_EQ(0, place.left);
    EXPECT_EQ(0, place.top);
    EXPECT_EQ(client.right, place.right);
    EXPECT_EQ(client.bottom, place.bottom);
    EXPECT_EQ(WS_CHILD | WS_VISIBLE,
              GetWindowLongPtrA(control, GWL_STYLE) & (WS_CHILD | WS_VISIBLE));
}

// Inside the page the focus is two levels below the pane: Tab and Shift+Tab leave it there.
TEST(WebPane, TabDoesNothingWhileTheFocusIsDeepInsideThePage) {
    WebBrowserStandIn standIn;
    ASSERT_TRUE(standIn.registered());
    ProgramSession program;
    ASSERT_TRUE(program.Launch());
    HWND window = program.WaitForMainWindow();
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(BringToFront(window));
    HWND page = ChildrenTopToBottom(ChildById(window, kWebPaneId))[0];
    HWND field = GetWindow(page, GW_CHILD);
    ASSERT_NE(nullptr, field);
    RECT rect;
    GetWindowRect(field, &rect);
    ClickAt((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    ASSERT_TRUE(WaitUntil([&] { return program.Focus() == field; }, 3000));
    PressKey(VK_TAB);
    PressKey(VK_TAB, true);
    Sleep(300);
    EXPECT_EQ(field, program.Focus());
    PostMessageA(window, WM_CLOSE, 0, 0);
}

// A stand-in control shows what the pane does with it, in order; the real one cannot tell.
TEST(WebPane, MakesItsFourCallsInOrderAndReleasesTheControl) {
    std::string folder = MakeTestFolder("web-browser-double");
    std::string log = JoinPath(folder, "control.log");
    WebBrowserStandIn standIn;
    ASSERT_TRUE(standIn.registered());
    ProgramSession program;
    LaunchOptions options;
    options.environment = {"WEB_BROWSER_DOUBLE_LOG=" + log};
    ASSERT_TRUE(program.Launch(options));
    HWND window = program.WaitForMainWindow();
    ASSERT_NE(nullptr, window);
    HWND pane = ChildById(window, kWebPaneId);
    ASSERT_EQ(1u, ChildrenTopToBottom(pane).size());
    EXPECT_EQ("browser double", TextOf(ChildrenTopToBottom(pane)[0]));
    PostMessageA(window, WM_CLOSE, 0, 0);
    DWORD exitCode = 1234;
    ASSERT_TRUE(program.WaitForExit(&exitCode));
    EXPECT_EQ(0u, exitCode);

    const std::vector<std::string> expected = {
        "created",
        "SetClientSite site",
        "DoVerb -5 rect=0,0,690,143", // OLEIVERB_INPLACEACTIVATE over the pane's client area
        "site: canactivate=S_OK context=ok frame=yes window=pane uihandler=E_NOINTERFACE",
        "put_Offline -1",
        "put_Silent -1",
        "ExecWB 19 2 in=VT_I4:1 out=null", // OLECMDID_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, level 1
        "Navigate VT_BSTR:http://" IEPROXY_MAKER_HOST
        "/qvn/ipgez.htm flags=VT_I4:0 target=VT_BSTR:null "
        "post=VT_EMPTY headers=VT_BSTR:null",
        "InPlaceDeactivate",
        "Close nosave",
        "SetClientSite null",
        "released: site let go", // every reference the pane took was given back
    };
    EXPECT_EQ(expected, ReadLines(log));
}
} // namespace
