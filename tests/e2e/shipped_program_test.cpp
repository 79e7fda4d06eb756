#include <gtest/gtest.h>
#include "e2e/driver.h"
#include "e2e/expected_title.h"
#include "e2e/registry.h"

namespace {
// The 32-bit program file that users get, run as it is (here 32-bit Wine may be emulated, and a
// 32-bit process then takes about a minute to start).
const DWORD kStartMilliseconds = 240000;
const DWORD kStepMilliseconds = 60000;

std::string ShippedFolder() {
    return JoinPath(BuildFolder(), "win32");
}

TEST(Shipped32, StartsSwitchesTheProxyOnAndOffAndEndsWithZero) {
    DWORD started = GetTickCount();
    RemoveProxyValues();
    ProgramSession program;
    LaunchOptions options;
    options.folder = ShippedFolder();
    ASSERT_TRUE(program.Launch(options));
    HWND window = program.WaitForMainWindow(kStartMilliseconds);
    ASSERT_NE(nullptr, window) << "the 32-bit program showed no window";
    std::printf("window after %lu s\n", (GetTickCount() - started) / 1000);
    EXPECT_EQ("WTWindow", ClassOf(window));
    RECT frame = RectInParent(window);
    EXPECT_EQ(613, frame.right - frame.left);
    EXPECT_EQ(324, frame.bottom - frame.top);
    EXPECT_EQ(Hex(kExpectedTitle), Hex(TextOf(window)));

    HWND group = ChildById(window, 100);
    const std::string address = "代理乗:8080";
    SendMessageA(ChildById(group, 120), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(address.c_str()));
    PostMessageA(ChildById(group, 130), BM_CLICK, 0, 0);
    HWND box = program.WaitForMessageBox(kStepMilliseconds);
    ASSERT_NE(nullptr, box) << "no box after the set-proxy click";
    // Wine's WinINet refuses INTERNET_OPTION_REFRESH: the action reports failure here.
    MessageBoxView view = ReadMessageBox(box);
    EXPECT_EQ(Hex("代理设置失败！"), Hex(view.text));
    EXPECT_EQ(Hex("代理设置失败！"), Hex(view.caption));
    EXPECT_EQ(1u, AsDword(ReadInternetSetting("ProxyEnable")));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), ReadInternetSetting("ProxyEnable").type);
    EXPECT_EQ(Hex(address + '\0'), Hex(ReadInternetSetting("ProxyServer").data));
    PressOk(box);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }, kStepMilliseconds));

    PostMessageA(ChildById(group, 140), BM_CLICK, 0, 0);
    box = program.WaitForMessageBox(kStepMilliseconds);
    ASSERT_NE(nullptr, box) << "no box after the clear-proxy click";
    EXPECT_EQ(Hex("取消代理失败！"), Hex(ReadMessageBox(box).text));
    EXPECT_EQ(0u, AsDword(ReadInternetSetting("ProxyEnable")));
    PressOk(box);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }, kStepMilliseconds));

    PostMessageA(window, WM_CLOSE, 0, 0);
    DWORD exitCode = 1234;
    ASSERT_TRUE(program.WaitForExit(&exitCode, kStepMilliseconds));
    EXPECT_EQ(0u, exitCode);
    std::printf("the 32-bit program's run took %lu s\n", (GetTickCount() - started) / 1000);
}
} // namespace
