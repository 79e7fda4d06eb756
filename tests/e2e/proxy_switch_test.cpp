#include <gtest/gtest.h>
#include "e2e/proxy_session.h"
#include "e2e/registry.h"

namespace {
// WinINet here is the stand-in that accepts both calls, so each action reports success.
const char kAcceptingWinInet[] = "fake-wininet";

struct AddressCase {
    const char* name;
    const char* typed;
};

const AddressCase kAddresses[] = {
    {"AddressAndPort", "10.0.0.1:8080"},  {"Empty", ""},
    {"SpacesAround", "  10.0.0.1:8080 "}, {"NoPort", "proxy.example"},
    {"Gbk", "代理服务器乗:80"}, // double-byte text, one trail byte a backslash
};

class ProxySwitchSetTest : public testing::TestWithParam<AddressCase> {};

TEST_P(ProxySwitchSetTest, StoresTheTextExactlyAsTypedAndSwitchesTheProxyOn) {
    RemoveProxyValues();
    ProxyRun run;
    ASSERT_TRUE(run.Start(std::string("set-") + GetParam().name, kAcceptingWinInet));
    run.Type(GetParam().typed);
    bool disabled = false;
    MessageBoxView box = run.ClickAndRead(kSetProxyButtonId, &disabled);
    EXPECT_EQ(Hex("代理设置成功！"), Hex(box.text));
    EXPECT_EQ(Hex("代理设置成功！"), Hex(box.caption));
    EXPECT_TRUE(disabled) << "the box is task-modal: the main window is disabled while it is open";
    EXPECT_TRUE(IsWindowEnabled(run.window));

    RegistryValue enable = ReadInternetSetting("ProxyEnable");
    ASSERT_TRUE(enable.exists);
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), enable.type);
    EXPECT_EQ(1u, AsDword(enable));
    RegistryValue server = ReadInternetSetting("ProxyServer");
    ASSERT_TRUE(server.exists);
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), server.type);
    std::string typed = GetParam().typed;
    EXPECT_EQ(Hex(typed + '\0'), Hex(server.data)) << "length + 1 bytes, the NUL included";
}

INSTANTIATE_TEST_SUITE_P(Addresses, ProxySwitchSetTest, testing::ValuesIn(kAddresses),
                         [](const testing::TestParamInfo<AddressCase>& param) {
                             return param.param.name;
                         });

TEST(ProxySwitch, AScreenshotShowsTheResultBoxOverTheWindow) {
    ProxyRun run;
    ASSERT_TRUE(run.Start("screenshot", kAcceptingWinInet));
    run.Type("10.0.0.1:8080");
    run.Click(kSetProxyButtonId);
    HWND box = run.program.WaitForMessageBox();
    ASSERT_NE(nullptr, box);
    Sleep(300); // let the box paint
    EXPECT_TRUE(SaveScreenshot("screenshot-set-proxy"));
    PressOk(box);
}

TEST(ProxySwitch, ClearSwitchesOffAndKeepsTheLastAddress) {
    RemoveProxyValues();
    ProxyRun run;
    ASSERT_TRUE(run.Start("clear-after-set", kAcceptingWinInet));
    run.Type("10.1.2.3:3128");
    run.ClickAndRead(kSetProxyButtonId);
    bool disabled = false;
    MessageBoxView box = run.ClickAndRead(kClearProxyButtonId, &disabled);
    EXPECT_EQ(Hex("已取消代理！"), Hex(box.text));
    EXPECT_EQ(Hex("取消代理！"), Hex(box.caption));
    EXPECT_TRUE(disabled);
    EXPECT_EQ(0u, AsDword(ReadInternetSetting("ProxyEnable")));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), ReadInternetSetting("ProxyEnable").type);
    EXPECT_EQ(std::string("10.1.2.3:3128", 14), ReadInternetSetting("ProxyServer").data);
    // Setting again with the same text writes the same values and shows the same box.
    EXPECT_EQ(Hex("代理设置成功！"), Hex(run.ClickAndRead(kSetProxyButtonId).text));
    EXPECT_EQ(Hex("代理设置成功！"), Hex(run.ClickAndRead(kSetProxyButtonId).text));
    EXPECT_EQ(1u, AsDword(ReadInternetSetting("ProxyEnable")));
    EXPECT_EQ(std::string("10.1.2.3:3128", 14), ReadInternetSetting("ProxyServer").data);
}

TEST(ProxySwitch, ClearWhereNoProxyWasEverSetCreatesOnlyProxyEnable) {
    RemoveProxyValues();
    ProxyRun run;
    ASSERT_TRUE(run.Start("clear-fresh", kAcceptingWinInet));
    EXPECT_EQ(Hex("已取消代理！"), Hex(run.ClickAndRead(kClearProxyButtonId).text));
    RegistryValue enable = ReadInternetSetting("ProxyEnable");
    ASSERT_TRUE(enable.exists);
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), enable.type);
    EXPECT_EQ(0u, AsDword(enable));
    EXPECT_FALSE(ReadInternetSetting("ProxyServer").exists);
}

TEST(ProxySwitch, AMissingInternetSettingsKeyIsCreated) {
    ProxyRun run;
    ASSERT_TRUE(run.Start("missing-key", kAcceptingWinInet));
    RemoveInternetSettingsKey();
    ASSERT_FALSE(InternetSettingsKeyExists());
    run.Type("192.168.1.1:80");
    EXPECT_EQ(Hex("代理设置成功！"), Hex(run.ClickAndRead(kSetProxyButtonId).text));
    EXPECT_EQ(1u, AsDword(ReadInternetSetting("ProxyEnable")));
    EXPECT_EQ(std::string("192.168.1.1:80", 15), ReadInternetSetting("ProxyServer").data);
}

TEST(ProxySwitch, ClosingAfterActionsStillEndsWithZero) {
    ProxyRun run;
    ASSERT_TRUE(run.Start("close-after-actions", kAcceptingWinInet));
    run.ClickAndRead(kSetProxyButtonId);
    run.ClickAndRead(kClearProxyButtonId);
    PostMessageA(run.window, WM_CLOSE, 0, 0);
    DWORD exitCode = 1234;
    ASSERT_TRUE(run.program.WaitForExit(&exitCode));
    EXPECT_EQ(0u, exitCode);
}
} // namespace
