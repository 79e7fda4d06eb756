#include <gtest/gtest.h>
#include "e2e/driver.h"
#include "e2e/proxy_session.h"
#include "e2e/registry.h"

namespace {
// The 32-bit program file that users get, run as it is (here 32-bit Wine may be emulated, and a
// 32-bit process then takes about a minute to start). Many checks per start are cheap.
const DWORD kStartMilliseconds = 240000;
const DWORD kStepMilliseconds = 60000;

std::string ShippedFolder() {
    return JoinPath(BuildFolder(), "win32");
}

struct ShippedCase {
    const char* name;
    bool standIn; // a 32-bit stand-in Wininet.dll beside the program, which takes both calls
};

const ShippedCase kShipped[] = {
    {"PlatformWinInet", false},
    {"StandInWinInet", true},
};

class Shipped32Test : public testing::TestWithParam<ShippedCase> {};

TEST_P(Shipped32Test, StartsSwitchesTheProxyOnAndOffAndEndsWithZero) {
    const ShippedCase& c = GetParam();
    DWORD started = GetTickCount();
    bool succeeds = c.standIn || PlatformWinInetTakesTheChange();
    RemoveProxyValues();
    // "乗" (81 5C): the folder's name ends in a byte that looks like a backslash.
    std::string folder = MakeTestFolder(std::string("shipped-") + c.name + "-乗");
    std::string log = JoinPath(folder, "wininet.log");
    std::vector<std::string> extra;
    if (c.standIn)
        extra.push_back(JoinPath(JoinPath(DriverFolder(), "fake-wininet-32"), "Wininet.dll"));
    ASSERT_TRUE(CopyProgramInto(folder, extra, ShippedFolder()));
    DllOverride wininet("wininet", c.standIn ? "native,builtin" : nullptr);
    ProgramSession program;
    LaunchOptions options;
    options.folder = folder;
    options.environment = {"FAKE_WININET_LOG=" + log};
    ASSERT_TRUE(program.Launch(options));
    HWND window = program.WaitForMainWindow(kStartMilliseconds);
    ASSERT_NE(nullptr, window) << "the 32-bit program showed no window";
    std::printf("window after %lu s\n", (GetTickCount() - started) / 1000);
    EXPECT_EQ(kMainWindowClass, ClassOf(window));
    RECT frame = RectInParent(window);
    EXPECT_EQ(kMainWindowWidth, frame.right - frame.left);
    EXPECT_EQ(kMainWindowHeight, frame.bottom - frame.top);
    EXPECT_EQ(Hex(kExpectedTitle), Hex(TextOf(window)));

    HWND group = ChildById(window, kProxyGroupId);
    const std::string address = "代理乗:8080";
    SendMessageA(ChildById(group, kAddressEditId), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(address.c_str()));
    const char* setText = succeeds ? kSetSucceeded : kSetFailed;
    MessageBoxView set =
        ClickAndReadBox(program, ChildById(group, kSetProxyButtonId), nullptr, kStepMilliseconds);
    EXPECT_EQ(Hex(setText), Hex(set.text));
    EXPECT_EQ(Hex(setText), Hex(set.caption));
    EXPECT_EQ(1u, AsDword(ReadInternetSetting("ProxyEnable")));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), ReadInternetSetting("ProxyEnable").type);
    EXPECT_EQ(Hex(address + '\0'), Hex(ReadInternetSetting("ProxyServer").data));

    MessageBoxView clear =
        ClickAndReadBox(program, ChildById(group, kClearProxyButtonId), nullptr, kStepMilliseconds);
    EXPECT_EQ(Hex(succeeds ? kClearSucceeded : kClearFailed), Hex(clear.text));
    EXPECT_EQ(Hex(kClearCaption), Hex(clear.caption));
    EXPECT_EQ(0u, AsDword(ReadInternetSetting("ProxyEnable")));

    PostMessageA(window, WM_CLOSE, 0, 0);
    DWORD exitCode = 1234;
    ASSERT_TRUE(program.WaitForExit(&exitCode, kStepMilliseconds));
    EXPECT_EQ(kExitSuccess, exitCode);
    if (c.standIn) {
        // The 32-bit program hands WinINet the 12-byte record of a 32-bit INTERNET_PROXY_INFO.
        const std::string call = SettingsChangedCall(folder, 12);
        const std::string refresh = RefreshCall(folder);
        EXPECT_EQ(
            (std::vector<std::string>{"attach", call, refresh, call, refresh, "detach freed"}),
            ReadLines(log));
    }
    std::printf("the 32-bit program's run took %lu s\n", (GetTickCount() - started) / 1000);
}

INSTANTIATE_TEST_SUITE_P(Shipped, Shipped32Test, testing::ValuesIn(kShipped),
                         [](const testing::TestParamInfo<ShippedCase>& param) {
                             return param.param.name;
                         });
} // namespace
