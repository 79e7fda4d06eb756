#include <gtest/gtest.h>
#include <windows.h>
#include <wininet.h> // INTERNET_PROXY_INFO: the record's size as this driver's build has it
#include "e2e/fatal_box.h"
#include "e2e/proxy_session.h"
#include "e2e/registry.h"

namespace {
const char kInformationBox[] = "box icon=information buttons=OK";

struct OutcomeCase {
    const char* name;
    const char* mode;
    bool refreshCalled;
    const char* setText; // and caption
    const char* clearText;
};

const OutcomeCase kOutcomes[] = {
    {"BothSucceed", "", true, kSetSucceeded, kClearSucceeded},
    {"SettingsChangedFails", "fail-settings-changed", false, kSetFailed, kClearFailed},
    {"RefreshFails", "fail-refresh", true, kSetFailed, kClearFailed},
};

class WinInetOutcomeTest : public testing::TestWithParam<OutcomeCase> {};

TEST_P(WinInetOutcomeTest, TheBoxReportsWhatWinInetAnswered) {
    const OutcomeCase& c = GetParam();
    RemoveProxyValues();
    ProxyRun run;
    ASSERT_TRUE(run.Start(std::string("outcome-") + c.name, "fake-wininet", c.mode));
    run.Type("10.0.0.9:8000");
    BoxDetails setDetails, clearDetails;
    setDetails.describe = clearDetails.describe = true;
    MessageBoxView set = run.ClickAndRead(kSetProxyButtonId, &setDetails);
    EXPECT_EQ(Hex(c.setText), Hex(set.text));
    EXPECT_EQ(Hex(c.setText), Hex(set.caption));
    EXPECT_EQ(kInformationBox, setDetails.parts) << "success and failure show the same icon";
    MessageBoxView clear = run.ClickAndRead(kClearProxyButtonId, &clearDetails);
    EXPECT_EQ(Hex(c.clearText), Hex(clear.text));
    EXPECT_EQ(Hex(kClearCaption), Hex(clear.caption));
    EXPECT_EQ(kInformationBox, clearDetails.parts);
    // The registry writes stand whatever WinINet answered.
    EXPECT_EQ(0u, AsDword(ReadInternetSetting("ProxyEnable")));
    EXPECT_EQ(std::string("10.0.0.9:8000", 14), ReadInternetSetting("ProxyServer").data);

    PostMessageA(run.window, WM_CLOSE, 0, 0);
    DWORD exitCode = 1234;
    ASSERT_TRUE(run.program.WaitForExit(&exitCode));
    EXPECT_EQ(kExitSuccess, exitCode);

    // Null handle, the two option numbers, a zero-filled record of the platform's size, and the
    // program's folder as the current directory. The library is loaded once, and freed by the
    // program at its end (FreeLibrary), not merely dropped when the process ends.
    std::vector<std::string> expected = {"attach"};
    for (int action = 0; action < 2; ++action) {
        expected.push_back(SettingsChangedCall(run.folder, sizeof(INTERNET_PROXY_INFO)));
        if (c.refreshCalled)
            expected.push_back(RefreshCall(run.folder));
    }
    expected.push_back("detach freed");
    EXPECT_EQ(expected, ReadLines(run.log));
}

INSTANTIATE_TEST_SUITE_P(Outcomes, WinInetOutcomeTest, testing::ValuesIn(kOutcomes),
                         [](const testing::TestParamInfo<OutcomeCase>& param) {
                             return param.param.name;
                         });

TEST(WinInetBinding, IsMadeOnceForManyClicks) {
    ProxyRun run;
    ASSERT_TRUE(run.Start("bound-once", "fake-wininet"));
    for (int click = 0; click < 3; ++click) {
        run.ClickAndRead(kSetProxyButtonId);
        run.ClickAndRead(kClearProxyButtonId);
    }
    std::vector<std::string> lines = ReadLines(run.log);
    ASSERT_EQ(1u + 6u * 2u, lines.size());
    EXPECT_EQ("attach", lines[0]);
    for (size_t i = 1; i < lines.size(); ++i)
        EXPECT_NE("attach", lines[i]) << "the library is not loaded again";
}

// When WinINet cannot be bound the process cannot go on: after the click's registry writes, an
// error box that names the library and the function, then exit code -1.
struct UnboundCase {
    const char* name;
    const char* wininet;
};

const UnboundCase kUnbound[] = {
    {"WithoutTheFunction", "wininet-without-function"}, // a Wininet.dll beside the program
    {"NotLoadableAtAll", kNoWinInet},                   // disabled, and nothing beside the program
};

class WinInetUnboundTest : public testing::TestWithParam<UnboundCase> {};

TEST_P(WinInetUnboundTest, IsFatalAfterTheClicksRegistryWrites) {
    // The stand-in control: the platform's WebBrowser control would load WinINet by itself.
    WebBrowserStandIn standIn;
    ASSERT_TRUE(standIn.registered());
    RemoveProxyValues();
    ProxyRun run;
    ASSERT_TRUE(run.Start(std::string("unbound-") + GetParam().name, GetParam().wininet));
    run.Type("10.0.0.7:8080");
    run.Click(kSetProxyButtonId);
    HWND box = run.program.WaitForMessageBox();
    ASSERT_NE(nullptr, box);
    MessageBoxView view = CheckFatalBox(run.program, box);
    EXPECT_NE(std::string::npos, view.text.find("Wininet.dll")) << view.text;
    EXPECT_NE(std::string::npos, view.text.find("InternetSetOptionA")) << view.text;
    EXPECT_EQ(1u, AsDword(ReadInternetSetting("ProxyEnable")));
    EXPECT_EQ(std::string("10.0.0.7:8080", 14), ReadInternetSetting("ProxyServer").data);
    DismissFatalBox(run.program, box);
}

INSTANTIATE_TEST_SUITE_P(Unbound, WinInetUnboundTest, testing::ValuesIn(kUnbound),
                         [](const testing::TestParamInfo<UnboundCase>& param) {
                             return param.param.name;
                         });

// With the platform's own WinINet, the box says what the platform answers to the two calls: the
// driver asks it first, the same way. (Wine 8 refuses INTERNET_OPTION_REFRESH, so there both
// actions report failure; on Windows both succeed.)
TEST(WinInetOfThePlatform, TheBoxesSayWhatThePlatformAnswers) {
    bool accepts = PlatformWinInetTakesTheChange();
    RemoveProxyValues();
    ProxyRun run;
    ASSERT_TRUE(run.Start("platform-wininet", kWineWinInet));
    run.Type("10.0.0.8:8080");
    MessageBoxView set = run.ClickAndRead(kSetProxyButtonId);
    const char* setText = accepts ? kSetSucceeded : kSetFailed;
    EXPECT_EQ(Hex(setText), Hex(set.text));
    EXPECT_EQ(Hex(setText), Hex(set.caption));
    EXPECT_EQ(1u, AsDword(ReadInternetSetting("ProxyEnable")));
    MessageBoxView clear = run.ClickAndRead(kClearProxyButtonId);
    EXPECT_EQ(Hex(accepts ? kClearSucceeded : kClearFailed), Hex(clear.text));
    EXPECT_EQ(0u, AsDword(ReadInternetSetting("ProxyEnable")));
    EXPECT_TRUE(ReadLines(run.log).empty()) << "the stand-in was not there to record";
}
} // namespace
