#include <gtest/gtest.h>
#include "build_config.h"
#include "e2e/driver.h"
#include "e2e/registry.h"

namespace {
const int kWebPane = 180;
const DWORD kExitFailure = 0xFFFFFFFF;

TEST(WebPane, HoldsTheWebBrowserControlCoveringItsClientArea) {
    ProgramSession program;
    ASSERT_TRUE(program.Launch());
    HWND window = program.WaitForMainWindow();
    ASSERT_NE(nullptr, window);
    HWND pane = ChildById(window, kWebPane);
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

TEST(WebPane, WithoutTheWebBrowserControlStartUpFailsWithMinusOne) {
    SetProgramDllOverride("ieframe", ""); // the control's library cannot be loaded
    ProgramSession program;
    bool launched = program.Launch();
    HWND box = launched ? program.WaitForMessageBox() : nullptr;
    SetProgramDllOverride("ieframe", nullptr);
    ASSERT_NE(nullptr, box);
    EXPECT_EQ(nullptr, program.FindTopLevel("WTWindow")) << "no window is shown";
    EXPECT_EQ("启动窗口载入失败，程序将退出。", ReadMessageBox(box).text);
    PressOk(box);
    DWORD exitCode = 0;
    ASSERT_TRUE(program.WaitForExit(&exitCode));
    EXPECT_EQ(kExitFailure, exitCode);
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
    HWND page = ChildrenTopToBottom(ChildById(window, kWebPane))[0];
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
    HWND pane = ChildById(window, kWebPane);
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
