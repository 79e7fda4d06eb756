#include <gtest/gtest.h>
#include <windows.h>
#include <wininet.h> // INTERNET_PROXY_INFO: the record's size as this driver's build has it
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
    BoxDetails details;
    MessageBoxView box = run.ClickAndRead(kSetProxyButtonId, &details);
    EXPECT_EQ(Hex(kSetSucceeded), Hex(box.text));
    EXPECT_EQ(Hex(kSetSucceeded), Hex(box.caption));
    EXPECT_TRUE(details.mainWindowWasDisabled)
        << "the box is task-modal: the main window is disabled while it is open";
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

TEST(ProxySwitch, ClearSwitchesOffAndKeepsTheLastAddress) {
    RemoveProxyValues();
    ProxyRun run;
    ASSERT_TRUE(run.Start("clear-after-set", kAcceptingWinInet));
    run.Type("10.1.2.3:3128");
    BoxDetails shown;
    shown.screenshot = "screenshot-set-proxy"; // the result box over the window, for a person
    run.ClickAndRead(kSetProxyButtonId, &shown);
    BoxDetails details;
    MessageBoxView box = run.ClickAndRead(kClearProxyButtonId, &details);
    EXPECT_EQ(Hex(kClearSucceeded), Hex(box.text));
    EXPECT_EQ(Hex(kClearCaption), Hex(box.caption));
    EXPECT_TRUE(details.mainWindowWasDisabled);
    EXPECT_EQ(0u, AsDword(ReadInternetSetting("ProxyEnable")));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), ReadInternetSetting("ProxyEnable").type);
    EXPECT_EQ(std::string("10.1.2.3:3128", 14), ReadInternetSetting("ProxyServer").data);
    // Setting again with the same text writes the same values and shows the same box.
    EXPECT_EQ(Hex(kSetSucceeded), Hex(run.ClickAndRead(kSetProxyButtonId).text));
    EXPECT_EQ(Hex(kSetSucceeded), Hex(run.ClickAndRead(kSetProxyButtonId).text));
    EXPECT_EQ(1u, AsDword(ReadInternetSetting("ProxyEnable")));
    EXPECT_EQ(std::string("10.1.2.3:3128", 14), ReadInternetSetting("ProxyServer").data);
}

TEST(ProxySwitch, ClearWhereNoProxyWasEverSetCreatesOnlyProxyEnable) {
    RemoveProxyValues();
    ProxyRun run;
    ASSERT_TRUE(run.Start("clear-fresh", kAcceptingWinInet));
    EXPECT_EQ(Hex(kClearSucceeded), Hex(run.ClickAndRead(kClearProxyButtonId).text));
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
    EXPECT_EQ(Hex(kSetSucceeded), Hex(run.ClickAndRead(kSetProxyButtonId).text));
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
    EXPECT_EQ(kExitSuccess, exitCode);
}

// A key whose permissions refuse the writes (as a locked-down machine has it): nothing is
// stored, the box reports failure, and WinINet is still told, as whatever was written would be.
struct RefusalCase {
    const char* name;
    int button;
    const char* text;
    const char* caption;
    DWORD enableBefore;
};

const RefusalCase kRefusals[] = {
    {"SetRefused", kSetProxyButtonId, kSetFailed, kSetFailed, 0},
    {"ClearRefused", kClearProxyButtonId, kClearFailed, kClearCaption, 1},
};

class ProxySwitchRefusedTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(ProxySwitchRefusedTest, IsReportedAsFailureAndChangesNothing) {
    const RefusalCase& c = GetParam();
    WriteInternetSetting("ProxyEnable", c.enableBefore);
    WriteInternetSetting("ProxyServer", "old.example:1");
    ProxyRun run;
    ASSERT_TRUE(run.Start(std::string("refused-") + c.name, kAcceptingWinInet));
    run.Type("10.9.9.9:99");
    MessageBoxView box;
    {
        InternetSettingsWritesDenied denied;
        ASSERT_TRUE(denied.denied());
        HKEY key;
        ASSERT_NE(ERROR_SUCCESS,
                  RegOpenKeyExA(HKEY_CURRENT_USER, kInternetSettingsKey, 0, KEY_SET_VALUE, &key))
            << "the platform refuses the current user's writes";
        box = run.ClickAndRead(c.button);
    }
    EXPECT_EQ(Hex(c.text), Hex(box.text));
    EXPECT_EQ(Hex(c.caption), Hex(box.caption));
    EXPECT_EQ(c.enableBefore, AsDword(ReadInternetSetting("ProxyEnable")));
    EXPECT_EQ(std::string("old.example:1", 14), ReadInternetSetting("ProxyServer").data);
    EXPECT_EQ((std::vector<std::string>{
                  "attach", SettingsChangedCall(run.folder, sizeof(INTERNET_PROXY_INFO)),
                  RefreshCall(run.folder)}),
              ReadLines(run.log))
        << "WinINet is told all the same";
}

INSTANTIATE_TEST_SUITE_P(Refusals, ProxySwitchRefusedTest, testing::ValuesIn(kRefusals),
                         [](const testing::TestParamInfo<RefusalCase>& param) {
                             return param.param.name;
                         });

// A 1 MiB address, double-byte characters included, is stored byte for byte. (It is set from
// inside the program: Wine ends a process that receives such a WM_SETTEXT from another one.)
TEST(ProxySwitch, AVeryLongAddressIsStoredByteForByte) {
    const size_t kLength = 1 << 20;
    const std::string piece = "代理乗:8080;"; // 12 bytes, one trail byte a backslash
    std::string address;
    while (address.size() + piece.size() <= kLength)
        address += piece;
    address += std::string(kLength - address.size(), '7');
    HANDLE file =
        CreateFileA(ProbeInputPath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    DWORD written = 0;
    WriteFile(file, address.data(), static_cast<DWORD>(address.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_EQ(kLength, written);

    RemoveProxyValues();
    ProxyRun run;
    ASSERT_TRUE(run.Start("very-long", kAcceptingWinInet));
    std::vector<std::string> set = run.program.Probe(run.Control(kAddressEditId), kProbeSetText);
    ASSERT_EQ((std::vector<std::string>{"settext set=1 length=" + std::to_string(kLength)}), set);
    EXPECT_EQ(Hex(kSetSucceeded), Hex(run.ClickAndRead(kSetProxyButtonId).text));
    RegistryValue server = ReadInternetSetting("ProxyServer");
    EXPECT_EQ(kLength + 1, server.data.size());
    EXPECT_TRUE(server.data == address + '\0') << "stored byte for byte, its NUL included";
    EXPECT_TRUE(run.program.IsRunning());
}
} // namespace
